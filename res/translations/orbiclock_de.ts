<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>Orbiclock icon</source>
        <translation>Orbiclock-Symbol</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Orbiclock&apos;s own table of 345 countries, regions and parts of countries, with the rules of the mid-1990s.</source>
        <translation>Orbiclocks eigene Tabelle mit 345 Ländern, Regionen und Landesteilen, mit den Regeln von Mitte der 1990er-Jahre.</translation>
    </message>
    <message>
        <source>this computer&apos;s time-zone database (the IANA tz database), public domain; each place of Orbiclock&apos;s table is tied to a zone of it.</source>
        <translation>die Zeitzonendatenbank dieses Computers (die IANA-tz-Datenbank), gemeinfrei; jeder Ort aus Orbiclocks Tabelle ist einer ihrer Zonen zugeordnet.</translation>
    </message>
    <message>
        <source>this computer&apos;s time-zone database (the IANA tz database, version %1), public domain; each place of Orbiclock&apos;s table is tied to a zone of it.</source>
        <translation>die Zeitzonendatenbank dieses Computers (die IANA-tz-Datenbank, Version %1), gemeinfrei; jeder Ort aus Orbiclocks Tabelle ist einer ihrer Zonen zugeordnet.</translation>
    </message>
    <message>
        <source>Land and sea: Natural Earth 1:50m and 1:10m land, public domain (naturalearthdata.com).
Time zones of the land: timezone-boundary-builder, Open Database License 1.0, © OpenStreetMap contributors.
Cities of at least 15,000 people, their names, regions and time zones: GeoNames (geonames.org), Creative Commons Attribution 4.0.
Offsets and daylight-saving rules: %1
Today&apos;s names of countries and their parts: iso-codes %2 (Debian), LGPL 2.1 or later.</source>
        <translation>Land und Meer: Natural Earth 1:50m und 1:10m Land, gemeinfrei (naturalearthdata.com).
Zeitzonen an Land: timezone-boundary-builder, Open Database License 1.0, © OpenStreetMap-Mitwirkende.
Städte ab 15.000 Einwohnern, ihre Namen, Regionen und Zeitzonen: GeoNames (geonames.org), Creative Commons Namensnennung 4.0.
Zeitverschiebungen und Sommerzeitregeln: %1
Heutige Namen der Länder und ihrer Teile: iso-codes %2 (Debian), LGPL 2.1 oder neuer.</translation>
    </message>
    <message>
        <source>City names in your language: Unicode CLDR %1 (the time zones&apos; exemplar cities), Unicode License v3.</source>
        <translation>Städtenamen in Ihrer Sprache: Unicode CLDR %1 (die Beispielstädte der Zeitzonen), Unicode License v3.</translation>
    </message>
    <message>
        <source>About Orbiclock</source>
        <translation>Über Orbiclock</translation>
    </message>
    <message>
        <source>Program name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Data credits</source>
        <translation>Datenquellen</translation>
    </message>
    <message>
        <source>%1 (install the tzdata package for today&apos;s rules).</source>
        <translation>%1 (installieren Sie das Paket tzdata für die heutigen Regeln).</translation>
    </message>
    <message>
        <source>No time-zone database</source>
        <translation>Keine Zeitzonendatenbank</translation>
    </message>
    <message>
        <source>About buttons</source>
        <translation>Schaltflächen des Info-Fensters</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © 2026 Brambleway. Orbiclock is free software under the MIT licence; the data above keeps its own.</source>
        <translation>Copyright © 2026 Brambleway. Orbiclock ist freie Software unter der MIT-Lizenz; die oben genannten Daten behalten ihre eigenen Lizenzen.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
</context>
<context>
    <name>CBitmapWnd</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>CClockApp</name>
    <message>
        <source>%1: a copy runs in this session but does not answer; start with --new-instance to run another.
</source>
        <translation>%1: In dieser Sitzung läuft bereits eine Kopie, die nicht antwortet; starten Sie mit --new-instance, um eine weitere auszuführen.
</translation>
    </message>
</context>
<context>
    <name>CClockCtrl</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
</context>
<context>
    <name>CConvertTimeDialog</name>
    <message>
        <source>Convert a Time</source>
        <translation>Zeit umrechnen</translation>
    </message>
    <message>
        <source>Type a time such as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00; Up and Down change the part at the cursor</source>
        <translation>Geben Sie eine Zeit ein, etwa 12:00, 7 Dez 14:30 oder Mo 7 Dez 2026 12:00; Auf und Ab ändern den Teil am Cursor</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>Change day</source>
        <translation>Tag der Umstellung</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Jetzt</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>no home chosen</source>
        <translation>kein Heimatort gewählt</translation>
    </message>
    <message>
        <source>&amp;Home, %1:</source>
        <translation>&amp;Heimatort, %1:</translation>
    </message>
    <message>
        <source>&amp;Selected, %1:</source>
        <translation>&amp;Ausgewählt, %1:</translation>
    </message>
    <message>
        <source>Time at home, %1</source>
        <translation>Zeit am Heimatort, %1</translation>
    </message>
    <message>
        <source>Time at the selected place, %1</source>
        <translation>Zeit am ausgewählten Ort, %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time Orbiclock can read: type it as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00.</source>
        <translation>„%1“ ist keine Datums- und Zeitangabe, die Orbiclock lesen kann: Geben Sie sie wie 12:00, 7 Dez 14:30 oder Mo 7 Dez 2026 12:00 ein.</translation>
    </message>
    <message>
        <source>Same day</source>
        <translation>Gleicher Tag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>%1 days apart</source>
        <translation>%1 Tage Abstand</translation>
    </message>
    <message>
        <source>%1 there, %2.</source>
        <translation>%1 dort, %2.</translation>
    </message>
    <message>
        <source>at home</source>
        <translation>am Heimatort</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>%1 does not exist %2: the clocks go forward past it. Shown as %3.</source>
        <translation>%1 gibt es %2 nicht: Die Uhren springen darüber vor. Angezeigt als %3.</translation>
    </message>
    <message>
        <source>%1 happens twice %2: the clocks go back. Shown for the first; the second is %3 %4.</source>
        <translation>%1 kommt %2 zweimal vor: Die Uhren werden zurückgestellt. Angezeigt für das erste Mal; das zweite ist %3 %4.</translation>
    </message>
    <message>
        <source>there</source>
        <translation>dort</translation>
    </message>
    <message>
        <source>the same time as home</source>
        <translation>dieselbe Zeit wie am Heimatort</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>%1:%2 hours</source>
        <translation>%1:%2 Stunden</translation>
    </message>
    <message>
        <source>%1 ahead of home</source>
        <translation>%1 vor dem Heimatort</translation>
    </message>
    <message>
        <source>%1 behind home</source>
        <translation>%1 hinter dem Heimatort</translation>
    </message>
</context>
<context>
    <name>CCountryTree</name>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrika</translation>
    </message>
    <message>
        <source>Asia (exc SE Asia)</source>
        <translation>Asien (ohne Südostasien)</translation>
    </message>
    <message>
        <source>SE Asia</source>
        <translation>Südostasien</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>Central America &amp; West Indies</source>
        <translation>Mittelamerika und Karibik</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Südamerika</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Ozeanien</translation>
    </message>
    <message>
        <source>Countries and regions</source>
        <translation>Länder und Regionen</translation>
    </message>
</context>
<context>
    <name>CFindCountryPage</name>
    <message>
        <source>Find Country/Region</source>
        <translation>Land/Region suchen</translation>
    </message>
    <message>
        <source>Country to search for</source>
        <translation>Gesuchtes Land</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Time now</source>
        <translation>Zeit jetzt</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>Found place menu</source>
        <translation>Menü des gefundenen Orts</translation>
    </message>
    <message>
        <source>&amp;Pin	Ctrl+P</source>
        <translation>An&amp;heften	Strg+P</translation>
    </message>
</context>
<context>
    <name>CItemTipWnd</name>
    <message>
        <source>Item tip</source>
        <translation>Eintragstipp</translation>
    </message>
</context>
<context>
    <name>CMainDialog</name>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Set Home</source>
        <translation>&amp;Heimatort</translation>
    </message>
    <message>
        <source>&amp;Adjust Time</source>
        <translation>&amp;Zeit stellen</translation>
    </message>
    <message>
        <source>&amp;Find Country</source>
        <translation>Land &amp;suchen</translation>
    </message>
    <message>
        <source>Countries/Regions</source>
        <translation>Länder/Regionen</translation>
    </message>
    <message>
        <source>Countries and regions</source>
        <translation>Länder und Regionen</translation>
    </message>
    <message>
        <source>Select &amp;time from list only</source>
        <translation>Zeit nur aus der &amp;Liste</translation>
    </message>
    <message>
        <source>Select time from list only</source>
        <translation>Zeit nur aus der Liste</translation>
    </message>
    <message>
        <source>Show &amp;daylight saving</source>
        <translation>S&amp;ommerzeit anzeigen</translation>
    </message>
    <message>
        <source>Show daylight saving</source>
        <translation>Sommerzeit anzeigen</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heimat</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Map offset</source>
        <translation>Zeitverschiebung auf der Karte</translation>
    </message>
    <message>
        <source>Home date</source>
        <translation>Datum am Heimatort</translation>
    </message>
    <message>
        <source>Home time</source>
        <translation>Zeit am Heimatort</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>Datum am ausgewählten Ort</translation>
    </message>
    <message>
        <source>Selected time</source>
        <translation>Zeit am ausgewählten Ort</translation>
    </message>
    <message>
        <source>Find Country/Region</source>
        <translation>Land/Region suchen</translation>
    </message>
    <message>
        <source>No date and time settings found (looked for %1)</source>
        <translation>Keine Einstellungen für Datum und Uhrzeit gefunden (gesucht wurde %1)</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
    <message>
        <source>&amp;Show At Startup</source>
        <translation>Beim &amp;Start anzeigen</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Bei der &amp;Anmeldung starten</translation>
    </message>
    <message>
        <source>&amp;About Orbiclock...</source>
        <translation>Ü&amp;ber Orbiclock...</translation>
    </message>
    <message>
        <source>Orbiclock tray menu</source>
        <translation>Orbiclock-Menü im Benachrichtigungsfeld</translation>
    </message>
    <message>
        <source>&amp;Show Orbiclock</source>
        <translation>Orbiclock &amp;anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit Orbiclock</source>
        <translation>Orbiclock &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Exit question</source>
        <translation>Frage zum Beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Orbiclock ?</source>
        <translation>Möchten Sie Orbiclock wirklich beenden?</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Orbiclock could not save its settings in %1 (the file or its folder cannot be written or read, or the file is too large): changes since the last save will be lost at exit.</source>
        <translation>Orbiclock konnte seine Einstellungen nicht in %1 speichern (die Datei oder ihr Ordner kann nicht geschrieben oder gelesen werden, oder die Datei ist zu groß): Änderungen seit dem letzten Speichern gehen beim Beenden verloren.</translation>
    </message>
    <message>
        <source>Place menu</source>
        <translation>Ortsmenü</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>An&amp;heften</translation>
    </message>
</context>
<context>
    <name>CMapColourWaitDialog</name>
    <message>
        <source>Changing Map Colours</source>
        <translation>Kartenfarben werden geändert</translation>
    </message>
    <message>
        <source>Please wait while the map colour is changed ...</source>
        <translation>Bitte warten, die Kartenfarbe wird geändert ...</translation>
    </message>
</context>
<context>
    <name>CMapWnd</name>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>World map: %1 lit</source>
        <translation>Weltkarte: %1 hervorgehoben</translation>
    </message>
    <message>
        <source>World map: %1 lit, %2 selected</source>
        <translation>Weltkarte: %1 hervorgehoben, %2 ausgewählt</translation>
    </message>
</context>
<context>
    <name>CPanelWnd</name>
    <message>
        <source>Panel</source>
        <translation>Feld</translation>
    </message>
</context>
<context>
    <name>CPinnedList</name>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Pinned places</source>
        <translation>Angeheftete Orte</translation>
    </message>
    <message>
        <source>Pinned place menu</source>
        <translation>Menü des angehefteten Orts</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>&amp;Rename...	F2</source>
        <translation>&amp;Umbenennen...	F2</translation>
    </message>
    <message>
        <source>Move &amp;Up	Ctrl+Up</source>
        <translation>Nach &amp;oben	Strg+Hoch</translation>
    </message>
    <message>
        <source>Move &amp;Down	Ctrl+Down</source>
        <translation>Nach un&amp;ten	Strg+Runter</translation>
    </message>
    <message>
        <source>U&amp;npin	Del</source>
        <translation>&amp;Lösen	Entf</translation>
    </message>
</context>
<context>
    <name>CPropertySheet</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Sheet buttons</source>
        <translation>Schaltflächen des Dialogs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CSetCountryPage</name>
    <message>
        <source>Country/Region</source>
        <translation>Land/Region</translation>
    </message>
    <message>
        <source>Current Home Country/Region</source>
        <translation>Aktuelles Heimatland/-region</translation>
    </message>
    <message>
        <source>Available Countries/Regions</source>
        <translation>Verfügbare Länder/Regionen</translation>
    </message>
</context>
<context>
    <name>CSetDaylightPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>1st</source>
        <comment>week of the month</comment>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <comment>week of the month</comment>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <comment>week of the month</comment>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <comment>week of the month</comment>
        <translation>4.</translation>
    </message>
    <message>
        <source>last</source>
        <comment>week of the month</comment>
        <translation>letzten</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Begin daylight saving</source>
        <translation>Beginn der Sommerzeit</translation>
    </message>
    <message>
        <source>End daylight saving</source>
        <translation>Ende der Sommerzeit</translation>
    </message>
    <message>
        <source>Have Orbiclock make adjustments automatically for me </source>
        <translation>Orbiclock soll die Uhr automatisch für mich umstellen</translation>
    </message>
    <message>
        <source>I will make adjustments myself by hand</source>
        <translation>Ich stelle die Uhr selbst von Hand um</translation>
    </message>
    <message>
        <source>Don&apos;t adjust my clock for daylight saving</source>
        <translation>Meine Uhr nicht auf Sommerzeit umstellen</translation>
    </message>
    <message>
        <source>There&apos;s no daylight saving in this country/region</source>
        <translation>In diesem Land / dieser Region gibt es keine Sommerzeit</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Use Orbiclock&apos;s default dates</source>
        <translation>Standarddaten verwenden</translation>
    </message>
    <message>
        <source>Use the following dates</source>
        <translation>Folgende Daten verwenden</translation>
    </message>
    <message>
        <source>Begin daylight saving: week</source>
        <translation>Beginn der Sommerzeit: Woche</translation>
    </message>
    <message>
        <source>Begin daylight saving: month</source>
        <translation>Beginn der Sommerzeit: Monat</translation>
    </message>
    <message>
        <source>Begin daylight saving: day</source>
        <translation>Beginn der Sommerzeit: Wochentag</translation>
    </message>
    <message>
        <source>End daylight saving: week</source>
        <translation>Ende der Sommerzeit: Woche</translation>
    </message>
    <message>
        <source>End daylight saving: month</source>
        <translation>Ende der Sommerzeit: Monat</translation>
    </message>
    <message>
        <source>End daylight saving: day</source>
        <translation>Ende der Sommerzeit: Wochentag</translation>
    </message>
    <message>
        <source>in</source>
        <comment>the last Sunday in March</comment>
        <translation>im</translation>
    </message>
    <message>
        <source>&amp;Use this computer&apos;s time-zone database (current rules)</source>
        <translation>&amp;Zeitzonendatenbank dieses Computers verwenden (aktuelle Regeln)</translation>
    </message>
    <message>
        <source>Use this computer&apos;s time-zone database (current rules)</source>
        <translation>Zeitzonendatenbank dieses Computers verwenden (aktuelle Regeln)</translation>
    </message>
    <message>
        <source>Begins %1</source>
        <translation>Beginnt %1</translation>
    </message>
    <message>
        <source>No start ahead</source>
        <translation>Kein Beginn in Sicht</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Endet %1</translation>
    </message>
    <message>
        <source>No end ahead</source>
        <translation>Kein Ende in Sicht</translation>
    </message>
</context>
<context>
    <name>CSetHomeSheet</name>
    <message>
        <source>Set Home Country</source>
        <translation>Heimatland festlegen</translation>
    </message>
    <message>
        <source>&amp;Find Country</source>
        <translation>Land &amp;suchen</translation>
    </message>
    <message>
        <source>Find Country</source>
        <translation>Land suchen</translation>
    </message>
    <message>
        <source>Find Home Country/Region</source>
        <translation>Heimatland/-region suchen</translation>
    </message>
</context>
<context>
    <name>CTextWnd</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>CTipTreeCtrl</name>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
</context>
<context>
    <name>ClockCaptions</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The selected clocks&apos; caption: the place and its offset, &quot;Phoenix (GMT-7:00)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Selected (%1)</source>
        <translation>Auswahl (%1)</translation>
    </message>
    <message>
        <source>Countries/Regions</source>
        <translation>Länder/Regionen</translation>
    </message>
    <message>
        <source>Countries/Regions in %1</source>
        <translation>Länder/Regionen in %1</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Heimat (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>World clock for the desktop: time and date at home and anywhere in the world.</source>
        <translation>Weltuhr für den Desktop: Uhrzeit und Datum am Heimatort und überall auf der Welt.</translation>
    </message>
    <message>
        <source>Start another copy, even when one runs in this session.</source>
        <translation>Eine weitere Kopie starten, auch wenn in dieser Sitzung schon eine läuft.</translation>
    </message>
    <message>
        <source>Started at login: show the window only when &quot;Show At Startup&quot; is ticked. Any other start shows it.</source>
        <translation>Start bei der Anmeldung: Das Fenster nur zeigen, wenn „Beim Start anzeigen“ angehakt ist. Jeder andere Start zeigt es.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;.
</source>
        <translation>%1: unerwartetes Argument „%2“.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Weitere Informationen mit „%1 --help“.
</translation>
    </message>
    <message>
        <source>%1: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
</source>
        <translation>%1: keine Anzeige für das Fenster (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).
</translation>
    </message>
</context>
<context>
    <name>PinnedRows</name>
    <message>
        <source>0 h</source>
        <translation>0 Std.</translation>
    </message>
    <message>
        <source>%1%2 h</source>
        <translation>%1%2 Std.</translation>
    </message>
    <message>
        <source>%1%2 h %3</source>
        <translation>%1%2 Std. %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a pinned place&apos;s sentence</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>the same time as home</source>
        <translation>dieselbe Zeit wie am Heimatort</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Hours and minutes apart: &quot;5 hours 30 minutes&quot;.
----------
A time and its day: &quot;14:05 tomorrow&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 voraus</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <translation>%1 zurück</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>in %1 Tagen</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>vor %1 Tagen</translation>
    </message>
    <message>
        <source>not in the built-in table</source>
        <translation>nicht in der eingebauten Tabelle</translation>
    </message>
    <message>
        <source>night</source>
        <translation>Nacht</translation>
    </message>
</context>
<context>
    <name>PlaceSearch</name>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Region of %1</source>
        <translation>Region von %1</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Time zone, %1</source>
        <translation>Zeitzone, %1</translation>
    </message>
</context>
<context>
    <name>PopupMenus</name>
    <message>
        <source>Map menu</source>
        <translation>Kartenmenü</translation>
    </message>
    <message>
        <source>&amp;Scroll Speed</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>&amp;Sea</source>
        <translation>&amp;Meer</translation>
    </message>
    <message>
        <source>Show &amp;Night</source>
        <translation>&amp;Nacht zeigen</translation>
    </message>
    <message>
        <source>C&amp;ancel	Esc</source>
        <translation>Abbre&amp;chen	Esc</translation>
    </message>
    <message>
        <source>Time clock menu</source>
        <translation>Menü der Uhrzeit</translation>
    </message>
    <message>
        <source>Date clock menu</source>
        <translation>Menü des Datums</translation>
    </message>
    <message>
        <source>&amp;Show Seconds</source>
        <translation>&amp;Sekunden anzeigen</translation>
    </message>
    <message>
        <source>&amp;24-Hour Clock</source>
        <translation>&amp;24-Stunden-Uhr</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>Con&amp;vert a Time...	Ctrl+T</source>
        <translation>Zeit &amp;umrechnen...	Strg+T</translation>
    </message>
    <message>
        <source>C&amp;ancel             	Esc</source>
        <comment>date clock menu: blanks pad it to the time clock menu&apos;s width</comment>
        <translation>Abbre&amp;chen             	Esc</translation>
    </message>
    <message>
        <source>Gr&amp;ey</source>
        <comment>colour</comment>
        <translation>Gr&amp;au</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <comment>colour</comment>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <comment>colour</comment>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <comment>colour</comment>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Magenta</source>
        <comment>colour</comment>
        <translation>&amp;Magenta</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <comment>colour</comment>
        <translation>G&amp;elb</translation>
    </message>
    <message>
        <source>&amp;Cyan</source>
        <comment>colour</comment>
        <translation>&amp;Cyan</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <comment>colour</comment>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>B&amp;lack</source>
        <comment>colour</comment>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>&amp;Pin Selected Place	Ctrl+P</source>
        <translation>Ausgewählten Ort an&amp;heften	Strg+P</translation>
    </message>
    <message>
        <source>&amp;Pin This Place	Ctrl+P</source>
        <translation>Diesen Ort an&amp;heften	Strg+P</translation>
    </message>
</context>
<context>
    <name>TimeFormat</name>
    <message>
        <source>h:mm Ap</source>
        <comment>12-hour time of day as a QLocale pattern: h hour, mm minute, Ap the day period (AM/PM) as the locale writes it; put the period where the language puts it</comment>
        <translation>h:mm Ap</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A day and a time, as the lists show them: %1 the day&apos;s short name, %2 the time of day.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy</source>
        <comment>a day as a QLocale pattern: ddd the day&apos;s short name, d the day, MMM the month&apos;s short name, yyyy the year</comment>
        <translation>ddd, d. MMM yyyy</translation>
    </message>
</context>
<context>
    <name>ZoneDatabase</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A time change&apos;s day and the time before it: &quot;Sun 25 Oct 2026, 03:00&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Clocks change %1 → %2</source>
        <translation>Zeitumstellung %1 → %2</translation>
    </message>
    <message>
        <source>Winter time begins %1 → %2</source>
        <translation>Winterzeit beginnt %1 → %2</translation>
    </message>
    <message>
        <source>Winter time ends %1 → %2</source>
        <translation>Winterzeit endet %1 → %2</translation>
    </message>
    <message>
        <source>Summer time begins %1 → %2</source>
        <translation>Sommerzeit beginnt %1 → %2</translation>
    </message>
    <message>
        <source>Summer time ends %1 → %2</source>
        <translation>Sommerzeit endet %1 → %2</translation>
    </message>
    <message>
        <source>No time-zone database: times follow the built-in table</source>
        <translation>Keine Zeitzonendatenbank: Die Zeiten folgen der eingebauten Tabelle</translation>
    </message>
    <message>
        <source>No time change ahead</source>
        <translation>Keine Zeitumstellung in Sicht</translation>
    </message>
</context>
</TS>
