<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>Orbiclock icon</source>
        <translation>Icono de Orbiclock</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Orbiclock&apos;s own table of 345 countries, regions and parts of countries, with the rules of the mid-1990s.</source>
        <translation>la tabla propia de Orbiclock de 345 países, regiones y partes de países, con las reglas de mediados de los años noventa.</translation>
    </message>
    <message>
        <source>this computer&apos;s time-zone database (the IANA tz database), public domain; each place of Orbiclock&apos;s table is tied to a zone of it.</source>
        <translation>la base de datos de husos horarios de este equipo (la base de datos tz de IANA), de dominio público; cada lugar de la tabla de Orbiclock está vinculado a uno de sus husos.</translation>
    </message>
    <message>
        <source>this computer&apos;s time-zone database (the IANA tz database, version %1), public domain; each place of Orbiclock&apos;s table is tied to a zone of it.</source>
        <translation>la base de datos de husos horarios de este equipo (la base de datos tz de IANA, versión %1), de dominio público; cada lugar de la tabla de Orbiclock está vinculado a uno de sus husos.</translation>
    </message>
    <message>
        <source>Land and sea: Natural Earth 1:50m and 1:10m land, public domain (naturalearthdata.com).
Time zones of the land: timezone-boundary-builder, Open Database License 1.0, © OpenStreetMap contributors.
Cities of at least 15,000 people, their names, regions and time zones: GeoNames (geonames.org), Creative Commons Attribution 4.0.
Offsets and daylight-saving rules: %1
Today&apos;s names of countries and their parts: iso-codes %2 (Debian), LGPL 2.1 or later.</source>
        <translation>Tierra y mar: Natural Earth 1:50m y 1:10m land, de dominio público (naturalearthdata.com).
Husos horarios de la tierra: timezone-boundary-builder, Open Database License 1.0, © colaboradores de OpenStreetMap.
Ciudades de al menos 15 000 habitantes, sus nombres, regiones y husos horarios: GeoNames (geonames.org), Creative Commons Reconocimiento 4.0.
Desfases y reglas del horario de verano: %1
Nombres actuales de los países y sus partes: iso-codes %2 (Debian), LGPL 2.1 o posterior.</translation>
    </message>
    <message>
        <source>City names in your language: Unicode CLDR %1 (the time zones&apos; exemplar cities), Unicode License v3.</source>
        <translation>Nombres de ciudades en su idioma: Unicode CLDR %1 (las ciudades de ejemplo de los husos horarios), licencia Unicode v3.</translation>
    </message>
    <message>
        <source>About Orbiclock</source>
        <translation>Acerca de Orbiclock</translation>
    </message>
    <message>
        <source>Program name</source>
        <translation>Nombre del programa</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Data credits</source>
        <translation>Fuentes de los datos</translation>
    </message>
    <message>
        <source>%1 (install the tzdata package for today&apos;s rules).</source>
        <translation>%1 (instale el paquete tzdata para tener las reglas actuales).</translation>
    </message>
    <message>
        <source>No time-zone database</source>
        <translation>Sin base de datos de husos horarios</translation>
    </message>
    <message>
        <source>About buttons</source>
        <translation>Botones de Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Copyright © 2026 Brambleway. Orbiclock is free software under the MIT licence; the data above keeps its own.</source>
        <translation>Copyright © 2026 Brambleway. Orbiclock es software libre bajo la licencia MIT; los datos de arriba conservan la suya propia.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página principal</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Acerca de Qt</translation>
    </message>
</context>
<context>
    <name>CBitmapWnd</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>CClockApp</name>
    <message>
        <source>%1: a copy runs in this session but does not answer; start with --new-instance to run another.
</source>
        <translation>%1: hay una copia en esta sesión que no responde; inicie con --new-instance para ejecutar otra.
</translation>
    </message>
</context>
<context>
    <name>CClockCtrl</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
</context>
<context>
    <name>CConvertTimeDialog</name>
    <message>
        <source>Convert a Time</source>
        <translation>Convertir una hora</translation>
    </message>
    <message>
        <source>Type a time such as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00; Up and Down change the part at the cursor</source>
        <translation>Escriba una hora como 12:00, 7 dic 14:30 o lun 7 dic 2026 12:00; Arriba y Abajo cambian la parte en el cursor</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Change day</source>
        <translation>Día del cambio</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Ahora</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>no home chosen</source>
        <translation>sin casa elegida</translation>
    </message>
    <message>
        <source>&amp;Home, %1:</source>
        <translation>&amp;Casa, %1:</translation>
    </message>
    <message>
        <source>&amp;Selected, %1:</source>
        <translation>&amp;Seleccionado, %1:</translation>
    </message>
    <message>
        <source>Time at home, %1</source>
        <translation>Hora en casa, %1</translation>
    </message>
    <message>
        <source>Time at the selected place, %1</source>
        <translation>Hora en el lugar seleccionado, %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time Orbiclock can read: type it as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00.</source>
        <translation>«%1» no es una fecha y hora que Orbiclock pueda leer: escríbala como 12:00, 7 dic 14:30 o lun 7 dic 2026 12:00.</translation>
    </message>
    <message>
        <source>Same day</source>
        <translation>Mismo día</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>%1 days apart</source>
        <translation>%1 días de diferencia</translation>
    </message>
    <message>
        <source>%1 there, %2.</source>
        <translation>%1 allí, %2.</translation>
    </message>
    <message>
        <source>at home</source>
        <translation>en casa</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>%1 does not exist %2: the clocks go forward past it. Shown as %3.</source>
        <translation>%1 no existe %2: los relojes se adelantan y lo saltan. Se muestra como %3.</translation>
    </message>
    <message>
        <source>%1 happens twice %2: the clocks go back. Shown for the first; the second is %3 %4.</source>
        <translation>%1 ocurre dos veces %2: los relojes se atrasan. Se muestra la primera; la segunda es %3 %4.</translation>
    </message>
    <message>
        <source>there</source>
        <translation>allí</translation>
    </message>
    <message>
        <source>the same time as home</source>
        <translation>la misma hora que en casa</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>%1:%2 hours</source>
        <translation>%1:%2 horas</translation>
    </message>
    <message>
        <source>%1 ahead of home</source>
        <translation>%1 por delante de casa</translation>
    </message>
    <message>
        <source>%1 behind home</source>
        <translation>%1 por detrás de casa</translation>
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
        <translation>África</translation>
    </message>
    <message>
        <source>Asia (exc SE Asia)</source>
        <translation>Asia (sin el Sudeste Asiático)</translation>
    </message>
    <message>
        <source>SE Asia</source>
        <translation>Sudeste Asiático</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América del Norte</translation>
    </message>
    <message>
        <source>Central America &amp; West Indies</source>
        <translation>América Central y Antillas</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América del Sur</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Oceanía</translation>
    </message>
    <message>
        <source>Countries and regions</source>
        <translation>Países y regiones</translation>
    </message>
</context>
<context>
    <name>CFindCountryPage</name>
    <message>
        <source>Find Country/Region</source>
        <translation>Buscar país/región</translation>
    </message>
    <message>
        <source>Country to search for</source>
        <translation>País que buscar</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time now</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Parte</translation>
    </message>
    <message>
        <source>Found place menu</source>
        <translation>Menú del lugar encontrado</translation>
    </message>
    <message>
        <source>&amp;Pin	Ctrl+P</source>
        <translation>&amp;Fijar	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>CItemTipWnd</name>
    <message>
        <source>Item tip</source>
        <translation>Información del elemento</translation>
    </message>
</context>
<context>
    <name>CMainDialog</name>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>&amp;Set Home</source>
        <translation>Fijar &amp;casa</translation>
    </message>
    <message>
        <source>&amp;Adjust Time</source>
        <translation>&amp;Ajustar hora</translation>
    </message>
    <message>
        <source>&amp;Find Country</source>
        <translation>&amp;Buscar país</translation>
    </message>
    <message>
        <source>Countries/Regions</source>
        <translation>Países/regiones</translation>
    </message>
    <message>
        <source>Countries and regions</source>
        <translation>Países y regiones</translation>
    </message>
    <message>
        <source>Select &amp;time from list only</source>
        <translation>Hora solo de la &amp;lista</translation>
    </message>
    <message>
        <source>Select time from list only</source>
        <translation>Hora solo de la lista</translation>
    </message>
    <message>
        <source>Show &amp;daylight saving</source>
        <translation>Mostrar &amp;horario de verano</translation>
    </message>
    <message>
        <source>Show daylight saving</source>
        <translation>Mostrar horario de verano</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mapa del mundo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Elegido</translation>
    </message>
    <message>
        <source>Map offset</source>
        <translation>Desfase en el mapa</translation>
    </message>
    <message>
        <source>Home date</source>
        <translation>Fecha en casa</translation>
    </message>
    <message>
        <source>Home time</source>
        <translation>Hora en casa</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>Fecha seleccionada</translation>
    </message>
    <message>
        <source>Selected time</source>
        <translation>Hora seleccionada</translation>
    </message>
    <message>
        <source>Find Country/Region</source>
        <translation>Buscar país/región</translation>
    </message>
    <message>
        <source>No date and time settings found (looked for %1)</source>
        <translation>No se encontró la configuración de fecha y hora (se buscó %1)</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menú de la ventana</translation>
    </message>
    <message>
        <source>&amp;Show At Startup</source>
        <translation>&amp;Mostrar al iniciar</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Iniciar al &amp;entrar en la sesión</translation>
    </message>
    <message>
        <source>&amp;About Orbiclock...</source>
        <translation>&amp;Acerca de Orbiclock...</translation>
    </message>
    <message>
        <source>Orbiclock tray menu</source>
        <translation>Menú de Orbiclock en el área de notificación</translation>
    </message>
    <message>
        <source>&amp;Show Orbiclock</source>
        <translation>&amp;Mostrar Orbiclock</translation>
    </message>
    <message>
        <source>E&amp;xit Orbiclock</source>
        <translation>&amp;Salir de Orbiclock</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Exit question</source>
        <translation>Pregunta de salida</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Orbiclock ?</source>
        <translation>¿Seguro que quiere salir de Orbiclock?</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>Orbiclock could not save its settings in %1 (the file or its folder cannot be written or read, or the file is too large): changes since the last save will be lost at exit.</source>
        <translation>Orbiclock no pudo guardar su configuración en %1 (no se puede escribir o leer el archivo o su carpeta, o el archivo es demasiado grande): los cambios desde el último guardado se perderán al salir.</translation>
    </message>
    <message>
        <source>Place menu</source>
        <translation>Menú del lugar</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>&amp;Fijar</translation>
    </message>
</context>
<context>
    <name>CMapColourWaitDialog</name>
    <message>
        <source>Changing Map Colours</source>
        <translation>Cambiando los colores del mapa</translation>
    </message>
    <message>
        <source>Please wait while the map colour is changed ...</source>
        <translation>Espere mientras se cambia el color del mapa...</translation>
    </message>
</context>
<context>
    <name>CMapWnd</name>
    <message>
        <source>World map</source>
        <translation>Mapa del mundo</translation>
    </message>
    <message>
        <source>World map: %1 lit</source>
        <translation>Mapa del mundo: %1 resaltado</translation>
    </message>
    <message>
        <source>World map: %1 lit, %2 selected</source>
        <translation>Mapa del mundo: %1 resaltado, %2 seleccionado</translation>
    </message>
</context>
<context>
    <name>CPanelWnd</name>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
</context>
<context>
    <name>CPinnedList</name>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Pinned places</source>
        <translation>Lugares fijados</translation>
    </message>
    <message>
        <source>Pinned place menu</source>
        <translation>Menú del lugar fijado</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>&amp;Rename...	F2</source>
        <translation>Cambiar &amp;nombre...	F2</translation>
    </message>
    <message>
        <source>Move &amp;Up	Ctrl+Up</source>
        <translation>S&amp;ubir	Ctrl+Arriba</translation>
    </message>
    <message>
        <source>Move &amp;Down	Ctrl+Down</source>
        <translation>&amp;Bajar	Ctrl+Abajo</translation>
    </message>
    <message>
        <source>U&amp;npin	Del</source>
        <translation>&amp;Quitar	Supr</translation>
    </message>
</context>
<context>
    <name>CPropertySheet</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Sheet buttons</source>
        <translation>Botones del diálogo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CSetCountryPage</name>
    <message>
        <source>Country/Region</source>
        <translation>País/región</translation>
    </message>
    <message>
        <source>Current Home Country/Region</source>
        <translation>País/región de casa actual</translation>
    </message>
    <message>
        <source>Available Countries/Regions</source>
        <translation>Países/regiones disponibles</translation>
    </message>
</context>
<context>
    <name>CSetDaylightPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>1st</source>
        <comment>week of the month</comment>
        <translation>1.er</translation>
    </message>
    <message>
        <source>2nd</source>
        <comment>week of the month</comment>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <comment>week of the month</comment>
        <translation>3.er</translation>
    </message>
    <message>
        <source>4th</source>
        <comment>week of the month</comment>
        <translation>4.º</translation>
    </message>
    <message>
        <source>last</source>
        <comment>week of the month</comment>
        <translation>último</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Begin daylight saving</source>
        <translation>Inicio del horario de verano</translation>
    </message>
    <message>
        <source>End daylight saving</source>
        <translation>Fin del horario de verano</translation>
    </message>
    <message>
        <source>Have Orbiclock make adjustments automatically for me </source>
        <translation>Dejar que Orbiclock haga los ajustes automáticamente</translation>
    </message>
    <message>
        <source>I will make adjustments myself by hand</source>
        <translation>Haré los ajustes yo mismo a mano</translation>
    </message>
    <message>
        <source>Don&apos;t adjust my clock for daylight saving</source>
        <translation>No ajustar mi reloj al horario de verano</translation>
    </message>
    <message>
        <source>There&apos;s no daylight saving in this country/region</source>
        <translation>En este país/región no hay horario de verano</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Use Orbiclock&apos;s default dates</source>
        <translation>Fechas predeterminadas</translation>
    </message>
    <message>
        <source>Use the following dates</source>
        <translation>Usar las fechas siguientes</translation>
    </message>
    <message>
        <source>Begin daylight saving: week</source>
        <translation>Inicio del horario de verano: semana</translation>
    </message>
    <message>
        <source>Begin daylight saving: month</source>
        <translation>Inicio del horario de verano: mes</translation>
    </message>
    <message>
        <source>Begin daylight saving: day</source>
        <translation>Inicio del horario de verano: día</translation>
    </message>
    <message>
        <source>End daylight saving: week</source>
        <translation>Fin del horario de verano: semana</translation>
    </message>
    <message>
        <source>End daylight saving: month</source>
        <translation>Fin del horario de verano: mes</translation>
    </message>
    <message>
        <source>End daylight saving: day</source>
        <translation>Fin del horario de verano: día</translation>
    </message>
    <message>
        <source>in</source>
        <comment>the last Sunday in March</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>&amp;Use this computer&apos;s time-zone database (current rules)</source>
        <translation>&amp;Usar la base de datos de husos horarios de este equipo (reglas actuales)</translation>
    </message>
    <message>
        <source>Use this computer&apos;s time-zone database (current rules)</source>
        <translation>Usar la base de datos de husos horarios de este equipo (reglas actuales)</translation>
    </message>
    <message>
        <source>Begins %1</source>
        <translation>Empieza el %1</translation>
    </message>
    <message>
        <source>No start ahead</source>
        <translation>Ningún inicio próximo</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>Termina el %1</translation>
    </message>
    <message>
        <source>No end ahead</source>
        <translation>Ningún fin próximo</translation>
    </message>
</context>
<context>
    <name>CSetHomeSheet</name>
    <message>
        <source>Set Home Country</source>
        <translation>Elegir el país de casa</translation>
    </message>
    <message>
        <source>&amp;Find Country</source>
        <translation>&amp;Buscar país</translation>
    </message>
    <message>
        <source>Find Country</source>
        <translation>Buscar país</translation>
    </message>
    <message>
        <source>Find Home Country/Region</source>
        <translation>Buscar país/región de casa</translation>
    </message>
</context>
<context>
    <name>CTextWnd</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>CTipTreeCtrl</name>
    <message>
        <source>List</source>
        <translation>Lista</translation>
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
        <translation>Elegido (%1)</translation>
    </message>
    <message>
        <source>Countries/Regions</source>
        <translation>Países/regiones</translation>
    </message>
    <message>
        <source>Countries/Regions in %1</source>
        <translation>Países/regiones en %1</translation>
    </message>
    <message>
        <source>Home (%1)</source>
        <translation>Casa (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>World clock for the desktop: time and date at home and anywhere in the world.</source>
        <translation>Reloj mundial para el escritorio: hora y fecha en casa y en cualquier lugar del mundo.</translation>
    </message>
    <message>
        <source>Start another copy, even when one runs in this session.</source>
        <translation>Iniciar otra copia, aunque ya haya una en esta sesión.</translation>
    </message>
    <message>
        <source>Started at login: show the window only when &quot;Show At Startup&quot; is ticked. Any other start shows it.</source>
        <translation>Iniciado al entrar en la sesión: mostrar la ventana solo si «Mostrar al iniciar» está marcado. Cualquier otro inicio la muestra.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;.
</source>
        <translation>%1: argumento inesperado «%2».
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>%1: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
</source>
        <translation>%1: no hay pantalla donde mostrar la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY).
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
        <translation>la misma hora que en casa</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
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
        <translation>%1 por delante</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <translation>%1 por detrás</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ayer</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>dentro de %1 días</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>hace %1 días</translation>
    </message>
    <message>
        <source>not in the built-in table</source>
        <translation>no está en la tabla integrada</translation>
    </message>
    <message>
        <source>night</source>
        <translation>noche</translation>
    </message>
</context>
<context>
    <name>PlaceSearch</name>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Region of %1</source>
        <translation>Región de %1</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Huso horario</translation>
    </message>
    <message>
        <source>Time zone, %1</source>
        <translation>Huso horario, %1</translation>
    </message>
</context>
<context>
    <name>PopupMenus</name>
    <message>
        <source>Map menu</source>
        <translation>Menú del mapa</translation>
    </message>
    <message>
        <source>&amp;Scroll Speed</source>
        <translation>&amp;Velocidad de desplazamiento</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Tierra</translation>
    </message>
    <message>
        <source>&amp;Sea</source>
        <translation>&amp;Mar</translation>
    </message>
    <message>
        <source>Show &amp;Night</source>
        <translation>Mostrar la &amp;noche</translation>
    </message>
    <message>
        <source>C&amp;ancel	Esc</source>
        <translation>C&amp;ancelar	Esc</translation>
    </message>
    <message>
        <source>Time clock menu</source>
        <translation>Menú del reloj</translation>
    </message>
    <message>
        <source>Date clock menu</source>
        <translation>Menú de la fecha</translation>
    </message>
    <message>
        <source>&amp;Show Seconds</source>
        <translation>Mostrar &amp;segundos</translation>
    </message>
    <message>
        <source>&amp;24-Hour Clock</source>
        <translation>Reloj de &amp;24 horas</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>Con&amp;vert a Time...	Ctrl+T</source>
        <translation>Con&amp;vertir una hora...	Ctrl+T</translation>
    </message>
    <message>
        <source>C&amp;ancel             	Esc</source>
        <comment>date clock menu: blanks pad it to the time clock menu&apos;s width</comment>
        <translation>C&amp;ancelar             	Esc</translation>
    </message>
    <message>
        <source>Gr&amp;ey</source>
        <comment>colour</comment>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <comment>colour</comment>
        <translation>&amp;Azul</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <comment>colour</comment>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <comment>colour</comment>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>&amp;Magenta</source>
        <comment>colour</comment>
        <translation>&amp;Magenta</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <comment>colour</comment>
        <translation>Amar&amp;illo</translation>
    </message>
    <message>
        <source>&amp;Cyan</source>
        <comment>colour</comment>
        <translation>&amp;Cian</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <comment>colour</comment>
        <translation>&amp;Blanco</translation>
    </message>
    <message>
        <source>B&amp;lack</source>
        <comment>colour</comment>
        <translation>&amp;Negro</translation>
    </message>
    <message>
        <source>&amp;Pin Selected Place	Ctrl+P</source>
        <translation>&amp;Fijar el lugar seleccionado	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Pin This Place	Ctrl+P</source>
        <translation>&amp;Fijar este lugar	Ctrl+P</translation>
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
        <translation>Cambio de hora %1 → %2</translation>
    </message>
    <message>
        <source>Winter time begins %1 → %2</source>
        <translation>Empieza el horario de invierno %1 → %2</translation>
    </message>
    <message>
        <source>Winter time ends %1 → %2</source>
        <translation>Termina el horario de invierno %1 → %2</translation>
    </message>
    <message>
        <source>Summer time begins %1 → %2</source>
        <translation>Empieza el horario de verano %1 → %2</translation>
    </message>
    <message>
        <source>Summer time ends %1 → %2</source>
        <translation>Termina el horario de verano %1 → %2</translation>
    </message>
    <message>
        <source>No time-zone database: times follow the built-in table</source>
        <translation>Sin base de datos de husos horarios: las horas siguen la tabla integrada</translation>
    </message>
    <message>
        <source>No time change ahead</source>
        <translation>Ningún cambio de hora próximo</translation>
    </message>
</context>
</TS>
