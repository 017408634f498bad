<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>Orbiclock icon</source>
        <translation>Icône d&apos;Orbiclock</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Orbiclock&apos;s own table of 345 countries, regions and parts of countries, with the rules of the mid-1990s.</source>
        <translation>la table propre à Orbiclock de 345 pays, régions et parties de pays, avec les règles du milieu des années 1990.</translation>
    </message>
    <message>
        <source>this computer&apos;s time-zone database (the IANA tz database), public domain; each place of Orbiclock&apos;s table is tied to a zone of it.</source>
        <translation>la base de données des fuseaux horaires de cet ordinateur (la base tz de l&apos;IANA), domaine public ; chaque lieu de la table d&apos;Orbiclock est rattaché à l&apos;un de ses fuseaux.</translation>
    </message>
    <message>
        <source>this computer&apos;s time-zone database (the IANA tz database, version %1), public domain; each place of Orbiclock&apos;s table is tied to a zone of it.</source>
        <translation>la base de données des fuseaux horaires de cet ordinateur (la base tz de l&apos;IANA, version %1), domaine public ; chaque lieu de la table d&apos;Orbiclock est rattaché à l&apos;un de ses fuseaux.</translation>
    </message>
    <message>
        <source>Land and sea: Natural Earth 1:50m and 1:10m land, public domain (naturalearthdata.com).
Time zones of the land: timezone-boundary-builder, Open Database License 1.0, © OpenStreetMap contributors.
Cities of at least 15,000 people, their names, regions and time zones: GeoNames (geonames.org), Creative Commons Attribution 4.0.
Offsets and daylight-saving rules: %1
Today&apos;s names of countries and their parts: iso-codes %2 (Debian), LGPL 2.1 or later.</source>
        <translation>Terres et mers : Natural Earth 1:50m et 1:10m land, domaine public (naturalearthdata.com).
Fuseaux horaires des terres : timezone-boundary-builder, Open Database License 1.0, © les contributeurs d&apos;OpenStreetMap.
Villes d&apos;au moins 15 000 habitants, leurs noms, régions et fuseaux horaires : GeoNames (geonames.org), Creative Commons Attribution 4.0.
Décalages et règles de l&apos;heure d&apos;été : %1
Noms actuels des pays et de leurs parties : iso-codes %2 (Debian), LGPL 2.1 ou ultérieure.</translation>
    </message>
    <message>
        <source>City names in your language: Unicode CLDR %1 (the time zones&apos; exemplar cities), Unicode License v3.</source>
        <translation>Noms des villes dans votre langue : Unicode CLDR %1 (les villes exemplaires des fuseaux horaires), licence Unicode v3.</translation>
    </message>
    <message>
        <source>About Orbiclock</source>
        <translation>À propos d&apos;Orbiclock</translation>
    </message>
    <message>
        <source>Program name</source>
        <translation>Nom du programme</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Data credits</source>
        <translation>Sources des données</translation>
    </message>
    <message>
        <source>%1 (install the tzdata package for today&apos;s rules).</source>
        <translation>%1 (installez le paquet tzdata pour les règles actuelles).</translation>
    </message>
    <message>
        <source>No time-zone database</source>
        <translation>Aucune base de fuseaux horaires</translation>
    </message>
    <message>
        <source>About buttons</source>
        <translation>Boutons de la fenêtre À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © 2026 Brambleway. Orbiclock is free software under the MIT licence; the data above keeps its own.</source>
        <translation>Copyright © 2026 Brambleway. Orbiclock est un logiciel libre sous licence MIT ; les données ci-dessus gardent leur propre licence.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Page d'accueil</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
</context>
<context>
    <name>CBitmapWnd</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>CClockApp</name>
    <message>
        <source>%1: a copy runs in this session but does not answer; start with --new-instance to run another.
</source>
        <translation>%1 : une copie tourne dans cette session mais ne répond pas ; lancez avec --new-instance pour en exécuter une autre.
</translation>
    </message>
</context>
<context>
    <name>CClockCtrl</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>CConvertTimeDialog</name>
    <message>
        <source>Convert a Time</source>
        <translation>Convertir une heure</translation>
    </message>
    <message>
        <source>Type a time such as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00; Up and Down change the part at the cursor</source>
        <translation>Saisissez une heure comme 12:00, 7 déc 14:30 ou lun 7 déc 2026 12:00 ; Haut et Bas modifient la partie sous le curseur</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Change day</source>
        <translation>Jour du changement</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Maintenant</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>no home chosen</source>
        <translation>aucun domicile choisi</translation>
    </message>
    <message>
        <source>&amp;Home, %1:</source>
        <translation>&amp;Domicile, %1 :</translation>
    </message>
    <message>
        <source>&amp;Selected, %1:</source>
        <translation>&amp;Sélection, %1 :</translation>
    </message>
    <message>
        <source>Time at home, %1</source>
        <translation>Heure au domicile, %1</translation>
    </message>
    <message>
        <source>Time at the selected place, %1</source>
        <translation>Heure au lieu sélectionné, %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time Orbiclock can read: type it as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00.</source>
        <translation>« %1 » n&apos;est pas une date et une heure qu&apos;Orbiclock sait lire : saisissez-la comme 12:00, 7 déc 14:30 ou lun 7 déc 2026 12:00.</translation>
    </message>
    <message>
        <source>Same day</source>
        <translation>Même jour</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>%1 days apart</source>
        <translation>%1 jours d&apos;écart</translation>
    </message>
    <message>
        <source>%1 there, %2.</source>
        <translation>%1 là-bas, %2.</translation>
    </message>
    <message>
        <source>at home</source>
        <translation>au domicile</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>%1 does not exist %2: the clocks go forward past it. Shown as %3.</source>
        <translation>%1 n&apos;existe pas %2 : les horloges avancent au-delà. Affiché comme %3.</translation>
    </message>
    <message>
        <source>%1 happens twice %2: the clocks go back. Shown for the first; the second is %3 %4.</source>
        <translation>%1 a lieu deux fois %2 : les horloges reculent. Affiché pour la première ; la seconde est %3 %4.</translation>
    </message>
    <message>
        <source>there</source>
        <translation>là-bas</translation>
    </message>
    <message>
        <source>the same time as home</source>
        <translation>la même heure qu&apos;au domicile</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1:%2 hours</source>
        <translation>%1 h %2</translation>
    </message>
    <message>
        <source>%1 ahead of home</source>
        <translation>%1 d&apos;avance sur le domicile</translation>
    </message>
    <message>
        <source>%1 behind home</source>
        <translation>%1 de retard sur le domicile</translation>
    </message>
</context>
<context>
    <name>CCountryTree</name>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <source>Asia (exc SE Asia)</source>
        <translation>Asie (hors Asie du Sud-Est)</translation>
    </message>
    <message>
        <source>SE Asia</source>
        <translation>Asie du Sud-Est</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <source>Central America &amp; West Indies</source>
        <translation>Amérique centrale et Antilles</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Amérique du Sud</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Océanie</translation>
    </message>
    <message>
        <source>Countries and regions</source>
        <translation>Pays et régions</translation>
    </message>
</context>
<context>
    <name>CFindCountryPage</name>
    <message>
        <source>Find Country/Region</source>
        <translation>Rechercher un pays/une région</translation>
    </message>
    <message>
        <source>Country to search for</source>
        <translation>Pays à rechercher</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time now</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Found place menu</source>
        <translation>Menu du lieu trouvé</translation>
    </message>
    <message>
        <source>&amp;Pin	Ctrl+P</source>
        <translation>É&amp;pingler	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>CItemTipWnd</name>
    <message>
        <source>Item tip</source>
        <translation>Info-bulle de l&apos;élément</translation>
    </message>
</context>
<context>
    <name>CMainDialog</name>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>&amp;Set Home</source>
        <translation>&amp;Domicile</translation>
    </message>
    <message>
        <source>&amp;Adjust Time</source>
        <translation>Régler l&apos;&amp;heure</translation>
    </message>
    <message>
        <source>&amp;Find Country</source>
        <translation>&amp;Chercher un pays</translation>
    </message>
    <message>
        <source>Countries/Regions</source>
        <translation>Pays/régions</translation>
    </message>
    <message>
        <source>Countries and regions</source>
        <translation>Pays et régions</translation>
    </message>
    <message>
        <source>Select &amp;time from list only</source>
        <translation>Heure depuis la &amp;liste</translation>
    </message>
    <message>
        <source>Select time from list only</source>
        <translation>Heure depuis la liste</translation>
    </message>
    <message>
        <source>Show &amp;daylight saving</source>
        <translation>Afficher l&apos;heure d&apos;&amp;été</translation>
    </message>
    <message>
        <source>Show daylight saving</source>
        <translation>Afficher l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Map offset</source>
        <translation>Décalage sur la carte</translation>
    </message>
    <message>
        <source>Home date</source>
        <translation>Date au domicile</translation>
    </message>
    <message>
        <source>Home time</source>
        <translation>Heure au domicile</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>Date du lieu sélectionné</translation>
    </message>
    <message>
        <source>Selected time</source>
        <translation>Heure du lieu sélectionné</translation>
    </message>
    <message>
        <source>Find Country/Region</source>
        <translation>Rechercher un pays/une région</translation>
    </message>
    <message>
        <source>No date and time settings found (looked for %1)</source>
        <translation>Aucun réglage de date et heure trouvé (recherché : %1)</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Show At Startup</source>
        <translation>&amp;Afficher au démarrage</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Lancer à l&apos;&amp;ouverture de session</translation>
    </message>
    <message>
        <source>&amp;About Orbiclock...</source>
        <translation>À &amp;propos d&apos;Orbiclock...</translation>
    </message>
    <message>
        <source>Orbiclock tray menu</source>
        <translation>Menu d&apos;Orbiclock dans la zone de notification</translation>
    </message>
    <message>
        <source>&amp;Show Orbiclock</source>
        <translation>&amp;Afficher Orbiclock</translation>
    </message>
    <message>
        <source>E&amp;xit Orbiclock</source>
        <translation>&amp;Quitter Orbiclock</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Exit question</source>
        <translation>Question de sortie</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Orbiclock ?</source>
        <translation>Voulez-vous vraiment quitter Orbiclock ?</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>Orbiclock could not save its settings in %1 (the file or its folder cannot be written or read, or the file is too large): changes since the last save will be lost at exit.</source>
        <translation>Orbiclock n&apos;a pas pu enregistrer ses réglages dans %1 (le fichier ou son dossier ne peut être écrit ou lu, ou le fichier est trop gros) : les changements depuis le dernier enregistrement seront perdus à la sortie.</translation>
    </message>
    <message>
        <source>Place menu</source>
        <translation>Menu du lieu</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>É&amp;pingler</translation>
    </message>
</context>
<context>
    <name>CMapColourWaitDialog</name>
    <message>
        <source>Changing Map Colours</source>
        <translation>Changement des couleurs de la carte</translation>
    </message>
    <message>
        <source>Please wait while the map colour is changed ...</source>
        <translation>Veuillez patienter pendant le changement de couleur de la carte...</translation>
    </message>
</context>
<context>
    <name>CMapWnd</name>
    <message>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>World map: %1 lit</source>
        <translation>Carte du monde : %1 en surbrillance</translation>
    </message>
    <message>
        <source>World map: %1 lit, %2 selected</source>
        <translation>Carte du monde : %1 en surbrillance, %2 sélectionné</translation>
    </message>
</context>
<context>
    <name>CPanelWnd</name>
    <message>
        <source>Panel</source>
        <translation>Panneau</translation>
    </message>
</context>
<context>
    <name>CPinnedList</name>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Pinned places</source>
        <translation>Lieux épinglés</translation>
    </message>
    <message>
        <source>Pinned place menu</source>
        <translation>Menu du lieu épinglé</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>&amp;Rename...	F2</source>
        <translation>&amp;Renommer...	F2</translation>
    </message>
    <message>
        <source>Move &amp;Up	Ctrl+Up</source>
        <translation>&amp;Monter	Ctrl+Haut</translation>
    </message>
    <message>
        <source>Move &amp;Down	Ctrl+Down</source>
        <translation>&amp;Descendre	Ctrl+Bas</translation>
    </message>
    <message>
        <source>U&amp;npin	Del</source>
        <translation>D&amp;étacher	Suppr</translation>
    </message>
</context>
<context>
    <name>CPropertySheet</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Sheet buttons</source>
        <translation>Boutons de la boîte de dialogue</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CSetCountryPage</name>
    <message>
        <source>Country/Region</source>
        <translation>Pays/région</translation>
    </message>
    <message>
        <source>Current Home Country/Region</source>
        <translation>Pays/région du domicile actuel</translation>
    </message>
    <message>
        <source>Available Countries/Regions</source>
        <translation>Pays/régions disponibles</translation>
    </message>
</context>
<context>
    <name>CSetDaylightPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>1st</source>
        <comment>week of the month</comment>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <comment>week of the month</comment>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <comment>week of the month</comment>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <comment>week of the month</comment>
        <translation>4e</translation>
    </message>
    <message>
        <source>last</source>
        <comment>week of the month</comment>
        <translation>dernier</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Begin daylight saving</source>
        <translation>Début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>End daylight saving</source>
        <translation>Fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Have Orbiclock make adjustments automatically for me </source>
        <translation>Laisser Orbiclock faire les ajustements automatiquement</translation>
    </message>
    <message>
        <source>I will make adjustments myself by hand</source>
        <translation>Je ferai les ajustements moi-même</translation>
    </message>
    <message>
        <source>Don&apos;t adjust my clock for daylight saving</source>
        <translation>Ne pas ajuster mon horloge pour l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>There&apos;s no daylight saving in this country/region</source>
        <translation>Il n&apos;y a pas d&apos;heure d&apos;été dans ce pays/cette région</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Use Orbiclock&apos;s default dates</source>
        <translation>Dates par défaut</translation>
    </message>
    <message>
        <source>Use the following dates</source>
        <translation>Utiliser les dates suivantes</translation>
    </message>
    <message>
        <source>Begin daylight saving: week</source>
        <translation>Début de l&apos;heure d&apos;été : semaine</translation>
    </message>
    <message>
        <source>Begin daylight saving: month</source>
        <translation>Début de l&apos;heure d&apos;été : mois</translation>
    </message>
    <message>
        <source>Begin daylight saving: day</source>
        <translation>Début de l&apos;heure d&apos;été : jour</translation>
    </message>
    <message>
        <source>End daylight saving: week</source>
        <translation>Fin de l&apos;heure d&apos;été : semaine</translation>
    </message>
    <message>
        <source>End daylight saving: month</source>
        <translation>Fin de l&apos;heure d&apos;été : mois</translation>
    </message>
    <message>
        <source>End daylight saving: day</source>
        <translation>Fin de l&apos;heure d&apos;été : jour</translation>
    </message>
    <message>
        <source>in</source>
        <comment>the last Sunday in March</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>&amp;Use this computer&apos;s time-zone database (current rules)</source>
        <translation>&amp;Utiliser la base de fuseaux horaires de cet ordinateur (règles actuelles)</translation>
    </message>
    <message>
        <source>Use this computer&apos;s time-zone database (current rules)</source>
        <translation>Utiliser la base de fuseaux horaires de cet ordinateur (règles actuelles)</translation>
    </message>
    <message>
        <source>Begins %1</source>
        <translation>Commence le %1</translation>
    </message>
    <message>
        <source>No start ahead</source>
        <translation>Aucun début à venir</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Se termine le %1</translation>
    </message>
    <message>
        <source>No end ahead</source>
        <translation>Aucune fin à venir</translation>
    </message>
</context>
<context>
    <name>CSetHomeSheet</name>
    <message>
        <source>Set Home Country</source>
        <translation>Choisir le pays du domicile</translation>
    </message>
    <message>
        <source>&amp;Find Country</source>
        <translation>&amp;Chercher un pays</translation>
    </message>
    <message>
        <source>Find Country</source>
        <translation>Chercher un pays</translation>
    </message>
    <message>
        <source>Find Home Country/Region</source>
        <translation>Rechercher le pays/la région du domicile</translation>
    </message>
</context>
<context>
    <name>CTextWnd</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
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
        <translation>Sélection (%1)</translation>
    </message>
    <message>
        <source>Countries/Regions</source>
        <translation>Pays/régions</translation>
    </message>
    <message>
        <source>Countries/Regions in %1</source>
        <translation>Pays/régions en %1</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Local (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>World clock for the desktop: time and date at home and anywhere in the world.</source>
        <translation>Horloge mondiale pour le bureau : l&apos;heure et la date au domicile et partout dans le monde.</translation>
    </message>
    <message>
        <source>Start another copy, even when one runs in this session.</source>
        <translation>Lancer une autre copie, même si une copie tourne déjà dans cette session.</translation>
    </message>
    <message>
        <source>Started at login: show the window only when &quot;Show At Startup&quot; is ticked. Any other start shows it.</source>
        <translation>Lancé à l&apos;ouverture de session : n&apos;afficher la fenêtre que si « Afficher au démarrage » est coché. Tout autre lancement l&apos;affiche.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;.
</source>
        <translation>%1 : argument inattendu « %2 ».
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Essayez « %1 --help » pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>%1: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
</source>
        <translation>%1 : aucun écran où afficher la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n'est défini).
</translation>
    </message>
</context>
<context>
    <name>PinnedRows</name>
    <message>
        <source>0 h</source>
        <translation>0 h</translation>
    </message>
    <message>
        <source>%1%2 h</source>
        <translation>%1%2 h</translation>
    </message>
    <message>
        <source>%1%2 h %3</source>
        <translation>%1%2 h %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a pinned place&apos;s sentence</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>the same time as home</source>
        <translation>la même heure qu&apos;au domicile</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
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
        <translation>%1 d&apos;avance</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <translation>%1 de retard</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>dans %1 jours</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>il y a %1 jours</translation>
    </message>
    <message>
        <source>not in the built-in table</source>
        <translation>absent de la table intégrée</translation>
    </message>
    <message>
        <source>night</source>
        <translation>nuit</translation>
    </message>
</context>
<context>
    <name>PlaceSearch</name>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Region of %1</source>
        <translation>Région de %1</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Time zone, %1</source>
        <translation>Fuseau horaire, %1</translation>
    </message>
</context>
<context>
    <name>PopupMenus</name>
    <message>
        <source>Map menu</source>
        <translation>Menu de la carte</translation>
    </message>
    <message>
        <source>&amp;Scroll Speed</source>
        <translation>&amp;Vitesse de défilement</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyenne</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Terre</translation>
    </message>
    <message>
        <source>&amp;Sea</source>
        <translation>&amp;Mer</translation>
    </message>
    <message>
        <source>Show &amp;Night</source>
        <translation>Afficher la &amp;nuit</translation>
    </message>
    <message>
        <source>C&amp;ancel	Esc</source>
        <translation>&amp;Annuler	Échap</translation>
    </message>
    <message>
        <source>Time clock menu</source>
        <translation>Menu de l&apos;horloge</translation>
    </message>
    <message>
        <source>Date clock menu</source>
        <translation>Menu de la date</translation>
    </message>
    <message>
        <source>&amp;Show Seconds</source>
        <translation>Afficher les &amp;secondes</translation>
    </message>
    <message>
        <source>&amp;24-Hour Clock</source>
        <translation>Horloge &amp;24 heures</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>Con&amp;vert a Time...	Ctrl+T</source>
        <translation>Con&amp;vertir une heure...	Ctrl+T</translation>
    </message>
    <message>
        <source>C&amp;ancel             	Esc</source>
        <comment>date clock menu: blanks pad it to the time clock menu&apos;s width</comment>
        <translation>&amp;Annuler             	Échap</translation>
    </message>
    <message>
        <source>Gr&amp;ey</source>
        <comment>colour</comment>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <comment>colour</comment>
        <translation>&amp;Bleu</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <comment>colour</comment>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <comment>colour</comment>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>&amp;Magenta</source>
        <comment>colour</comment>
        <translation>&amp;Magenta</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <comment>colour</comment>
        <translation>&amp;Jaune</translation>
    </message>
    <message>
        <source>&amp;Cyan</source>
        <comment>colour</comment>
        <translation>&amp;Cyan</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <comment>colour</comment>
        <translation>B&amp;lanc</translation>
    </message>
    <message>
        <source>B&amp;lack</source>
        <comment>colour</comment>
        <translation>&amp;Noir</translation>
    </message>
    <message>
        <source>&amp;Pin Selected Place	Ctrl+P</source>
        <translation>É&amp;pingler le lieu sélectionné	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Pin This Place	Ctrl+P</source>
        <translation>É&amp;pingler ce lieu	Ctrl+P</translation>
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
        <translation>ddd d MMM yyyy</translation>
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
        <translation>Changement d&apos;heure %1 → %2</translation>
    </message>
    <message>
        <source>Winter time begins %1 → %2</source>
        <translation>Début de l&apos;heure d&apos;hiver %1 → %2</translation>
    </message>
    <message>
        <source>Winter time ends %1 → %2</source>
        <translation>Fin de l&apos;heure d&apos;hiver %1 → %2</translation>
    </message>
    <message>
        <source>Summer time begins %1 → %2</source>
        <translation>Début de l&apos;heure d&apos;été %1 → %2</translation>
    </message>
    <message>
        <source>Summer time ends %1 → %2</source>
        <translation>Fin de l&apos;heure d&apos;été %1 → %2</translation>
    </message>
    <message>
        <source>No time-zone database: times follow the built-in table</source>
        <translation>Aucune base de fuseaux horaires : les heures suivent la table intégrée</translation>
    </message>
    <message>
        <source>No time change ahead</source>
        <translation>Aucun changement d&apos;heure à venir</translation>
    </message>
</context>
</TS>
