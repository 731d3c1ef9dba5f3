<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAltitudePlotWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Save as PNG/SVG...</source>
        <translation>&amp;Guardar como PNG/SVG...</translation>
    </message>
    <message>
        <source>Altitude Plot - %1</source>
        <translation>Gráfico de altura - %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>CBodyInfoDialog</name>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensión recta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinación (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Acimut:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distancia a la Tierra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distancia al Sol:</translation>
    </message>
    <message>
        <source>Illuminated fraction:</source>
        <translation>Fracción iluminada:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitud:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Tamaño angular:</translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation>Crepúsculo civil:</translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation>Crepúsculo náutico:</translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation>Crepúsculo astronómico:</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Fase:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Central meridian (System II):</source>
        <translation>Meridiano central (Sistema II):</translation>
    </message>
</context>
<context>
    <name>CBodySearchDialog</name>
    <message>
        <source>Search for Solar System...</source>
        <translation>Buscar en el Sistema Solar...</translation>
    </message>
</context>
<context>
    <name>CColoursDialog</name>
    <message>
        <source>Colors...</source>
        <translation>Colores...</translation>
    </message>
</context>
<context>
    <name>CConstellationSearchDialog</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CDateTimeDialog</name>
    <message>
        <source>Date/Time...</source>
        <translation>Fecha/hora...</translation>
    </message>
    <message>
        <source>Daylight &amp;saving time</source>
        <translation>Horario de &amp;verano</translation>
    </message>
    <message>
        <source>Set to the present time at this place; OK shows its sky.</source>
        <translation>Puesto a la hora actual en este lugar; Aceptar muestra su cielo.</translation>
    </message>
    <message>
        <source>&amp;Now...</source>
        <translation>&amp;Ahora...</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Desfase:</translation>
    </message>
</context>
<context>
    <name>CDeepSkyDialog</name>
    <message>
        <source>Deep sky objects...</source>
        <translation>Objetos de cielo profundo...</translation>
    </message>
</context>
<context>
    <name>CDeepSkyInfoDialog</name>
    <message>
        <source>Catalog number:</source>
        <translation>Número de catálogo:</translation>
    </message>
    <message>
        <source>Common name:</source>
        <translation>Nombre común:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensión recta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinación (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Acimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitud:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Other designations:</source>
        <translation>Otras designaciones:</translation>
    </message>
</context>
<context>
    <name>CDialogCommands</name>
    <message>
        <source>Orbital elements (*.DAT *.dat *.txt *.TXT)</source>
        <translation>Elementos orbitales (*.DAT *.dat *.txt *.TXT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n orbital elements were read; they are kept in &quot;%1&quot; for the next start.</source>
        <translation>
            <numerusform>Se leyó %n elemento orbital; se guarda en «%1» para el próximo inicio.</numerusform>
            <numerusform>Se leyeron %n elementos orbitales; se guardan en «%1» para el próximo inicio.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFaintStarInfoDialog</name>
    <message>
        <source>HIP number:</source>
        <translation>Número HIP:</translation>
    </message>
    <message>
        <source>Designation:</source>
        <translation>Designación:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensión recta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinación (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Acimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitud:</translation>
    </message>
    <message>
        <source>Colour index (B-V):</source>
        <translation>Índice de color (B-V):</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Tipo espectral:</translation>
    </message>
</context>
<context>
    <name>CFieldsDialog</name>
    <message>
        <source>Eyepiece Fields</source>
        <translation>Campos de oculares</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Circle of a given diameter</source>
        <translation>Círculo de un diámetro dado</translation>
    </message>
    <message>
        <source>Eyepiece on a telescope</source>
        <translation>Ocular en un telescopio</translation>
    </message>
    <message>
        <source>Camera on a telescope</source>
        <translation>Cámara en un telescopio</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Clase:</translation>
    </message>
    <message>
        <source>&amp;Diameter (arc-minutes):</source>
        <translation>&amp;Diámetro (minutos de arco):</translation>
    </message>
    <message>
        <source>&amp;Telescope focal length (mm):</source>
        <translation>Focal del &amp;telescopio (mm):</translation>
    </message>
    <message>
        <source>&amp;Eyepiece focal length (mm):</source>
        <translation>Focal del &amp;ocular (mm):</translation>
    </message>
    <message>
        <source>A&amp;pparent field (°):</source>
        <translation>Campo a&amp;parente (°):</translation>
    </message>
    <message>
        <source>Sensor &amp;width (mm):</source>
        <translation>&amp;Anchura del sensor (mm):</translation>
    </message>
    <message>
        <source>Sensor &amp;height (mm):</source>
        <translation>A&amp;ltura del sensor (mm):</translation>
    </message>
    <message>
        <source>Field on the sky:</source>
        <translation>Campo en el cielo:</translation>
    </message>
    <message>
        <source>Centre the &amp;fields on the telescope while one is connected</source>
        <translation>Centrar los &amp;campos en el telescopio mientras haya uno conectado</translation>
    </message>
</context>
<context>
    <name>CFindBox</name>
    <message>
        <source>Find (F3)</source>
        <translation>Buscar (F3)</translation>
    </message>
    <message>
        <source>%1 — %2, %3° %4</source>
        <translation>%1 — %2, %3° %4</translation>
    </message>
    <message>
        <source>up</source>
        <translation>sobre el horizonte</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>bajo el horizonte</translation>
    </message>
    <message>
        <source>Find an object by any of its names, or a place; Shift+Enter opens its card</source>
        <translation>Buscar un objeto por cualquiera de sus nombres, o un lugar; Mayús+Intro abre su ficha</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Observer&apos;s Location</source>
        <translation>Lugar del observador</translation>
    </message>
    <message>
        <source>Set the observer to %1?</source>
        <translation>¿Situar al observador en %1?</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to Coordinates</source>
        <translation>Ir a coordenadas</translation>
    </message>
    <message>
        <source>J2000 right ascension and declination</source>
        <translation>Ascensión recta y declinación J2000</translation>
    </message>
    <message>
        <source>Right ascension and declination of date</source>
        <translation>Ascensión recta y declinación de la fecha</translation>
    </message>
    <message>
        <source>Altitude and azimuth</source>
        <translation>Altura y azimut</translation>
    </message>
    <message>
        <source>&amp;Frame:</source>
        <translation>&amp;Sistema:</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>&amp;Right ascension:</source>
        <translation>&amp;Ascensión recta:</translation>
    </message>
    <message>
        <source>A&amp;zimuth (from the north through the east):</source>
        <translation>A&amp;zimut (desde el norte hacia el este):</translation>
    </message>
    <message>
        <source>&amp;Declination:</source>
        <translation>&amp;Declinación:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.</source>
        <translation>La página de la guía. Pulse un enlace para seguirlo; Atrás (Alt+Izquierda) y Adelante (Alt+Derecha) rehacen sus pasos.</translation>
    </message>
    <message>
        <source>The guide&apos;s pages in their order, each with its sections. Click one to read it.</source>
        <translation>Las páginas de la guía en orden, cada una con sus secciones. Pulse una para leerla.</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Escriba una palabra que buscar</translation>
    </message>
    <message>
        <source>Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.</source>
        <translation>Escriba el comienzo de una palabra: el índice de abajo conserva las entradas que la contienen. Intro abre la primera.</translation>
    </message>
    <message>
        <source>Every topic of the guide in alphabetical order. Click one to read it.</source>
        <translation>Todos los temas de la guía en orden alfabético. Pulse uno para leerlo.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Vuelve a la página leída antes.</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Avanza de nuevo después de Atrás.</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>C&amp;ontenido</translation>
    </message>
    <message>
        <source>Goes to the guide&apos;s first page, the list of all its pages.</source>
        <translation>Va a la primera página de la guía, la lista de todas sus páginas.</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Cómo usar la ayuda</translation>
    </message>
    <message>
        <source>Explains this window.</source>
        <translation>Explica esta ventana.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The user guide has no page &lt;b&gt;%1&lt;/b&gt;: the folder &lt;tt&gt;%2&lt;/tt&gt; should hold it. Installing Stellix again puts the guide back.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Página no encontrada&lt;/h1&gt;&lt;p&gt;La guía no tiene la página &lt;b&gt;%1&lt;/b&gt;: la carpeta &lt;tt&gt;%2&lt;/tt&gt; debería contenerla. Instalar Stellix de nuevo restituye la guía.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Ayuda: %1</translation>
    </message>
</context>
<context>
    <name>CInfoCard</name>
    <message>
        <source>Right ascension (of date):</source>
        <translation>Ascensión recta (de la fecha):</translation>
    </message>
    <message>
        <source>Declination (of date):</source>
        <translation>Declinación (de la fecha):</translation>
    </message>
    <message>
        <source>Rise:</source>
        <translation>Orto:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Tránsito:</translation>
    </message>
    <message>
        <source>Transit altitude:</source>
        <translation>Altura del tránsito:</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Ocaso:</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Gráfico de &amp;altura</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Apuntar el telescopio</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <translation>Se&amp;guir</translation>
    </message>
    <message>
        <source>Keep the object at the middle of the view while time runs</source>
        <translation>Mantener el objeto en el centro de la vista mientras pasa el tiempo</translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>El idioma del sistema</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The new language takes effect after a restart of Stellix.</source>
        <translation>El nuevo idioma se aplica tras reiniciar Stellix.</translation>
    </message>
    <message>
        <source>Name the constellations in &amp;Latin</source>
        <translation>Nombrar las constelaciones en &amp;latín</translation>
    </message>
    <message>
        <source>The sky and the printed chart name the constellations in Latin instead of the window&apos;s language. Takes effect at once.</source>
        <translation>El cielo y la carta impresa nombran las constelaciones en latín en lugar del idioma de la ventana. Surte efecto al instante.</translation>
    </message>
</context>
<context>
    <name>CListSearchDialog</name>
    <message>
        <source>Search for star...</source>
        <translation>Buscar estrella...</translation>
    </message>
    <message>
        <source>Search for constellation...</source>
        <translation>Buscar constelación...</translation>
    </message>
    <message>
        <source>Search for NGC...</source>
        <translation>Buscar objeto NGC...</translation>
    </message>
</context>
<context>
    <name>CLocationDialog</name>
    <message>
        <source>Observer&apos;s Location...</source>
        <translation>Lugar de observación...</translation>
    </message>
    <message>
        <source>&amp;Enter your location</source>
        <translation>&amp;Escriba su lugar</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>L&amp;atitud:</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lo&amp;ngitud:</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Zona horaria:</translation>
    </message>
    <message>
        <source>hours ahead of Greenwich</source>
        <translation>horas por delante de Greenwich</translation>
    </message>
    <message>
        <source>Time zone rules:</source>
        <translation>Reglas de la zona horaria:</translation>
    </message>
    <message>
        <source>Fin&amp;d:</source>
        <translation>Bus&amp;car:</translation>
    </message>
    <message>
        <source>&amp;Select location</source>
        <translation>&amp;Elegir lugar</translation>
    </message>
    <message>
        <source>%1 (%2 on the date set)</source>
        <translation>%1 (%2 en la fecha puesta)</translation>
    </message>
    <message numerus="yes">
        <source>Type part of a name (%n places)</source>
        <translation>
            <numerusform>Escriba parte de un nombre (%n lugar)</numerusform>
            <numerusform>Escriba parte de un nombre (%n lugares)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMagnitudeLimitsDialog</name>
    <message>
        <source>Magnitude limits...</source>
        <translation>Magnitudes límite...</translation>
    </message>
    <message>
        <source>&amp;Auto mode</source>
        <translation>Modo &amp;automático</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Estrellas</translation>
    </message>
    <message>
        <source>&amp;Deep sky objects</source>
        <translation>Objetos de cielo &amp;profundo</translation>
    </message>
    <message>
        <source>Co&amp;mets and asteroids:</source>
        <translation>Co&amp;metas y asteroides:</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&lt;b&gt;The sky&lt;/b&gt;&lt;p&gt;Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.&lt;/p&gt;</source>
        <translation>&lt;b&gt;El cielo&lt;/b&gt;&lt;p&gt;Pulse un punto para llevarlo al centro; arrastre para girar el cielo; la rueda del ratón acerca y aleja. Pulse un objeto con el botón derecho para ver su ficha. Las flechas mueven el campo hacia donde apuntan, * y / del teclado numérico acercan y alejan.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>A&amp;justes</translation>
    </message>
    <message>
        <source>&amp;Chart Mode</source>
        <translation>Modo de &amp;carta</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Estrellas</translation>
    </message>
    <message>
        <source>Sky &amp;Background</source>
        <translation>&amp;Fondo del cielo</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Tiempo</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Object</source>
        <translation>Objeto de cielo &amp;profundo</translation>
    </message>
    <message>
        <source>&amp;Horizon Point</source>
        <translation>Punto del &amp;horizonte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Na&amp;vigation Toolbar</source>
        <translation>Barra de &amp;navegación</translation>
    </message>
    <message>
        <source>Show or hide the navigation toolbar</source>
        <translation>Mostrar u ocultar la barra de navegación</translation>
    </message>
    <message>
        <source>Right ascension (J2000) of the sky under the pointer.</source>
        <translation>Ascensión recta (J2000) del cielo bajo el puntero.</translation>
    </message>
    <message>
        <source>Declination (J2000) of the sky under the pointer.</source>
        <translation>Declinación (J2000) del cielo bajo el puntero.</translation>
    </message>
    <message>
        <source>The observer&apos;s place; Settings &gt; Observer&apos;s Location changes it.</source>
        <translation>El lugar del observador; Ajustes &gt; Lugar de observación lo cambia.</translation>
    </message>
    <message>
        <source>The local time of the sky shown, with the time zone&apos;s abbreviation and its offset from Universal Time.</source>
        <translation>La hora local del cielo mostrado, con la abreviatura de la zona horaria y su desfase respecto al tiempo universal.</translation>
    </message>
    <message>
        <source>The date of the sky shown.</source>
        <translation>La fecha del cielo mostrado.</translation>
    </message>
    <message>
        <source>Press Esc to leave full screen</source>
        <translation>Esc sale de la pantalla completa</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra de herramientas principal</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
</context>
<context>
    <name>CMessierSearchDialog</name>
    <message>
        <source>Search for Messier...</source>
        <translation>Buscar objeto Messier...</translation>
    </message>
    <message>
        <source>Enter catalog number</source>
        <translation>Escriba el número de catálogo</translation>
    </message>
</context>
<context>
    <name>CPlanetMoonInfoDialog</name>
    <message>
        <source>Planet:</source>
        <translation>Planeta:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensión recta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinación (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Acimut:</translation>
    </message>
    <message>
        <source>Separation from the planet:</source>
        <translation>Separación del planeta:</translation>
    </message>
    <message>
        <source>Position angle:</source>
        <translation>Ángulo de posición:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distancia a la Tierra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distancia al Sol:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitud:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Tamaño angular:</translation>
    </message>
</context>
<context>
    <name>CSmallBodyInfoDialog</name>
    <message>
        <source>Designation:</source>
        <translation>Designación:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensión recta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinación (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Acimut:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distancia a la Tierra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distancia al Sol:</translation>
    </message>
    <message>
        <source>Elongation:</source>
        <translation>Elongación:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitud:</translation>
    </message>
    <message>
        <source>Perihelion distance:</source>
        <translation>Distancia del perihelio:</translation>
    </message>
    <message>
        <source>Semi-major axis:</source>
        <translation>Semieje mayor:</translation>
    </message>
    <message>
        <source>Eccentricity:</source>
        <translation>Excentricidad:</translation>
    </message>
    <message>
        <source>Inclination:</source>
        <translation>Inclinación:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>Elements&apos; epoch:</source>
        <translation>Época de los elementos:</translation>
    </message>
</context>
<context>
    <name>CSplashWindow</name>
    <message>
        <source>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Data sources and licences...&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Fuentes de datos y licencias...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Opens the user guide at the full list of the sky data&apos;s sources, their authors and their licences.</source>
        <translation>Abre la guía en la lista completa de las fuentes de los datos del cielo, sus autores y sus licencias.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</source>
        <translation>Un planetario de escritorio. Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior, sin garantía alguna. Datos del cielo: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), base de datos tz, NASA. Mapas de los planetas: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</translation>
    </message>
</context>
<context>
    <name>CStarInfoDialog</name>
    <message>
        <source>HR number:</source>
        <translation>Número HR:</translation>
    </message>
    <message>
        <source>Bayer:</source>
        <translation>Bayer:</translation>
    </message>
    <message>
        <source>Flamsteed:</source>
        <translation>Flamsteed:</translation>
    </message>
    <message>
        <source>Proper name:</source>
        <translation>Nombre propio:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensión recta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinación (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Acimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitud:</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Tipo espectral:</translation>
    </message>
</context>
<context>
    <name>CTelescopeDialog</name>
    <message>
        <source>Telescope</source>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>INDI server &amp;host:</source>
        <translation>&amp;Host del servidor INDI:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>&amp;Telescopes the server offers:</source>
        <translation>&amp;Telescopios que ofrece el servidor:</translation>
    </message>
</context>
<context>
    <name>CTonightWindow</name>
    <message>
        <source>Tonight</source>
        <translation>Esta noche</translation>
    </message>
    <message>
        <source>Planets in the night, each at its highest:</source>
        <translation>Planetas en la noche, cada uno en su punto más alto:</translation>
    </message>
    <message>
        <source>Objects above 30° at:</source>
        <translation>Objetos a más de 30° a las:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Orto</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ocaso</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Acimut</translation>
    </message>
    <message>
        <source>Moonrise %1, moonset %2</source>
        <translation>Salida de la Luna %1, puesta de la Luna %2</translation>
    </message>
    <message>
        <source>Moonset %1, moonrise %2</source>
        <translation>Puesta de la Luna %1, salida de la Luna %2</translation>
    </message>
    <message>
        <source>Sunset %1; civil twilight ends %2, nautical %3, astronomical %4</source>
        <translation>Puesta del Sol %1; el crepúsculo civil termina %2, náutico %3, astronómico %4</translation>
    </message>
    <message>
        <source>%1; %2, illuminated %3</source>
        <translation>%1; %2, iluminada %3</translation>
    </message>
    <message>
        <source>Dark hours without the Moon: %1</source>
        <translation>Horas oscuras sin Luna: %1</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Gráfico de &amp;altura</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Apuntar el telescopio</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Grids</source>
        <extracomment>Menu item of command 32780; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Cuadrículas</translation>
    </message>
    <message>
        <source>Alt-a&amp;zimuth Grid</source>
        <extracomment>Menu item of command 32825; &amp; marks the letter that chooses it.</extracomment>
        <translation>Cuadrícula alta&amp;cimutal</translation>
    </message>
    <message>
        <source>Meridia&amp;n</source>
        <extracomment>Menu item of command 32826; &amp; marks the letter that chooses it.</extracomment>
        <translation>Meridia&amp;no</translation>
    </message>
    <message>
        <source>&amp;Boundaries</source>
        <extracomment>Menu item of command 32778; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Límites</translation>
    </message>
    <message>
        <source>Constellation &amp;Lines</source>
        <extracomment>Menu item of command 32779; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Líneas de constelaciones</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Objects</source>
        <extracomment>Menu item of command 32777; &amp; marks the letter that chooses it.</extracomment>
        <translation>Objetos de cielo &amp;profundo</translation>
    </message>
    <message>
        <source>&amp;Milky Way</source>
        <extracomment>Menu item of command 32781; &amp; marks the letter that chooses it.</extracomment>
        <translation>Vía &amp;Láctea</translation>
    </message>
    <message>
        <source>&amp;Solar System Objects</source>
        <extracomment>Menu item of command 32782; &amp; marks the letter that chooses it.</extracomment>
        <translation>Objetos del &amp;Sistema Solar</translation>
    </message>
    <message>
        <source>&amp;Eclipic</source>
        <extracomment>Menu item of command 32804; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Eclíptica</translation>
    </message>
    <message>
        <source>Star &amp;Names</source>
        <extracomment>Menu item of command 32796; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Nombres de estrellas</translation>
    </message>
    <message>
        <source>D&amp;eep Sky Labels</source>
        <extracomment>Menu item of command 32798; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Etiquetas de cielo profundo</translation>
    </message>
    <message>
        <source>&amp;Planet Names</source>
        <extracomment>Menu item of command 32797; &amp; marks the letter that chooses it.</extracomment>
        <translation>Nombres de &amp;planetas</translation>
    </message>
    <message>
        <source>Stars &amp;Colors</source>
        <extracomment>Menu item of command 32792; &amp; marks the letter that chooses it.</extracomment>
        <translation>C&amp;olores de las estrellas</translation>
    </message>
    <message>
        <source>&amp;Atmospheric refraction</source>
        <extracomment>Menu item of command 32821; &amp; marks the letter that chooses it.</extracomment>
        <translation>Refracción &amp;atmosférica</translation>
    </message>
    <message>
        <source>E&amp;yepiece Fields</source>
        <extracomment>Menu item of command 32823; &amp; marks the letter that chooses it.</extracomment>
        <translation>Campos de &amp;oculares</translation>
    </message>
    <message>
        <source>Eyep&amp;iece Fields...</source>
        <extracomment>Menu item of command 32824; &amp; marks the letter that chooses it.</extracomment>
        <translation>Definir campos de oc&amp;ulares...</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <extracomment>Menu item of command 32827; &amp; marks the letter that chooses it.</extracomment>
        <translation>Se&amp;guir</translation>
    </message>
    <message>
        <source>&amp;Red Screen</source>
        <extracomment>Menu item of command 32802; &amp; marks the letter that chooses it.</extracomment>
        <translation>Pantalla &amp;roja</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <extracomment>Menu item of command 32803; &amp; marks the letter that chooses it.</extracomment>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <extracomment>Menu item of command 59392; &amp; marks the letter that chooses it.</extracomment>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <extracomment>Menu item of command 59393; &amp; marks the letter that chooses it.</extracomment>
        <translation>Barra de es&amp;tado</translation>
    </message>
    <message>
        <source>&amp;Equatorial</source>
        <extracomment>Menu item of command 32800; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ecuatorial</translation>
    </message>
    <message>
        <source>&amp;Local Horizon</source>
        <extracomment>Menu item of command 32801; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Horizonte local</translation>
    </message>
    <message>
        <source>&amp;Date/Time...</source>
        <extracomment>Menu item of command 32784; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Fecha/hora...</translation>
    </message>
    <message>
        <source>Observer&apos;s &amp;Location...</source>
        <extracomment>Menu item of command 32785; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Lugar de observación...</translation>
    </message>
    <message>
        <source>&amp;Magnitude Limits...</source>
        <extracomment>Menu item of command 32787; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Magnitudes límite...</translation>
    </message>
    <message>
        <source>Draw &amp;Points</source>
        <extracomment>Menu item of command 32819; &amp; marks the letter that chooses it.</extracomment>
        <translation>Dibujar como &amp;puntos</translation>
    </message>
    <message>
        <source>Draw &amp;Bitmaps</source>
        <extracomment>Menu item of command 32820; &amp; marks the letter that chooses it.</extracomment>
        <translation>Dibujar como &amp;imágenes</translation>
    </message>
    <message>
        <source>Deep Sky &amp;Objects...</source>
        <extracomment>Menu item of command 32788; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Objetos de cielo profundo...</translation>
    </message>
    <message>
        <source>Colo&amp;rs...</source>
        <extracomment>Menu item of command 32790; &amp; marks the letter that chooses it.</extracomment>
        <translation>Colo&amp;res...</translation>
    </message>
    <message>
        <source>Lan&amp;guage...</source>
        <extracomment>Menu item of command 32850; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <extracomment>Menu item of command 32806; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Negro</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <extracomment>Menu item of command 32807; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>&amp;Star...</source>
        <extracomment>Menu item of command 32808; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Estrella...</translation>
    </message>
    <message>
        <source>&amp;Constellation...</source>
        <extracomment>Menu item of command 32810; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Constelación...</translation>
    </message>
    <message>
        <source>S&amp;olar System Object...</source>
        <extracomment>Menu item of command 32809; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Objeto del Sistema Solar...</translation>
    </message>
    <message>
        <source>&amp;Messier Catalog...</source>
        <extracomment>Menu item of command 32811; &amp; marks the letter that chooses it.</extracomment>
        <translation>Catálogo &amp;Messier...</translation>
    </message>
    <message>
        <source>&amp;NGC Catalog...</source>
        <extracomment>Menu item of command 32812; &amp; marks the letter that chooses it.</extracomment>
        <translation>Catálogo &amp;NGC...</translation>
    </message>
    <message>
        <source>&amp;Tonight...</source>
        <extracomment>Menu item of command 32822; &amp; marks the letter that chooses it.</extracomment>
        <translation>Esta &amp;noche...</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <extracomment>Menu item of command 32813; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Este</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <extracomment>Menu item of command 32814; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Oeste</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <extracomment>Menu item of command 32815; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Norte</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <extracomment>Menu item of command 32816; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sur</translation>
    </message>
    <message>
        <source>&amp;Zenith</source>
        <extracomment>Menu item of command 32817; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Cénit</translation>
    </message>
    <message>
        <source>Na&amp;dir</source>
        <extracomment>Menu item of command 32818; &amp; marks the letter that chooses it.</extracomment>
        <translation>Na&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Real Time</source>
        <extracomment>Menu item of command 32829; &amp; marks the letter that chooses it.</extracomment>
        <translation>Tiempo &amp;real</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <extracomment>Menu item of command 57601; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Menu item of command 57607; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <extracomment>Menu item of command 57609; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <extracomment>Menu item of command 57606; &amp; marks the letter that chooses it.</extracomment>
        <translation>Configurar i&amp;mpresión...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <extracomment>Menu item of command 57616; &amp; marks the letter that chooses it.</extracomment>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item of command 57665; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Menu item of command 57667; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <extracomment>Menu item of command 57668; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Cómo usar la ayuda</translation>
    </message>
    <message>
        <source>&amp;About Stellix...</source>
        <extracomment>Menu item of command 57664; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Acerca de Stellix...</translation>
    </message>
    <message>
        <source>Comets and &amp;Asteroids</source>
        <extracomment>Menu item of command 32830; &amp; marks the letter that chooses it.</extracomment>
        <translation>Cometas y &amp;asteroides</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot...</source>
        <extracomment>Menu item of command 32840; &amp; marks the letter that chooses it.</extracomment>
        <translation>Gráfico de &amp;altura...</translation>
    </message>
    <message>
        <source>&amp;Telescope...</source>
        <extracomment>Menu item of command 32860; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Telescopio...</translation>
    </message>
    <message>
        <source>&amp;Slew to Selected</source>
        <extracomment>Menu item of command 32861; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Apuntar al objeto elegido</translation>
    </message>
    <message>
        <source>S&amp;ync to Selected</source>
        <extracomment>Menu item of command 32862; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sincronizar con el objeto elegido</translation>
    </message>
    <message>
        <source>Slew to View &amp;Centre</source>
        <extracomment>Menu item of command 32863; &amp; marks the letter that chooses it.</extracomment>
        <translation>Apuntar al &amp;centro de la vista</translation>
    </message>
    <message>
        <source>&amp;Abort Slew</source>
        <extracomment>Menu item of command 32864; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Detener el apuntado</translation>
    </message>
    <message>
        <source>&amp;Park</source>
        <extracomment>Menu item of command 32865; &amp; marks the letter that chooses it.</extracomment>
        <translation>Apa&amp;rcar</translation>
    </message>
    <message>
        <source>&amp;Unpark</source>
        <extracomment>Menu item of command 32866; &amp; marks the letter that chooses it.</extracomment>
        <translation>Desa&amp;parcar</translation>
    </message>
    <message>
        <source>&amp;Follow the Telescope</source>
        <extracomment>Menu item of command 32867; &amp; marks the letter that chooses it.</extracomment>
        <translation>Se&amp;guir el telescopio</translation>
    </message>
    <message>
        <source>&amp;Import Orbital Elements...</source>
        <extracomment>Menu item of command 32831; &amp; marks the letter that chooses it.</extracomment>
        <translation>Importar elementos &amp;orbitales...</translation>
    </message>
    <message>
        <source>&amp;Go to Coordinates...</source>
        <extracomment>Menu item of command 32875; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ir a coordenadas...</translation>
    </message>
</context>
<context>
    <name>CompassPoint</name>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SO</translation>
    </message>
</context>
<context>
    <name>Constellation</name>
    <message>
        <source>Andromeda</source>
        <translation>Andrómeda</translation>
    </message>
    <message>
        <source>Antlia</source>
        <translation>Máquina Neumática</translation>
    </message>
    <message>
        <source>Apus</source>
        <translation>Ave del Paraíso</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Aquila</source>
        <translation>Águila</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>Altar</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Auriga</source>
        <translation>Auriga</translation>
    </message>
    <message>
        <source>Boötes</source>
        <translation>Boyero</translation>
    </message>
    <message>
        <source>Caelum</source>
        <translation>Cincel</translation>
    </message>
    <message>
        <source>Camelopardalis</source>
        <translation>Jirafa</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Canes Venatici</source>
        <translation>Perros de Caza</translation>
    </message>
    <message>
        <source>Canis Major</source>
        <translation>Can Mayor</translation>
    </message>
    <message>
        <source>Canis Minor</source>
        <translation>Can Menor</translation>
    </message>
    <message>
        <source>Capricornus</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Carina</source>
        <translation>Quilla</translation>
    </message>
    <message>
        <source>Cassiopeia</source>
        <translation>Casiopea</translation>
    </message>
    <message>
        <source>Centaurus</source>
        <translation>Centauro</translation>
    </message>
    <message>
        <source>Cepheus</source>
        <translation>Cefeo</translation>
    </message>
    <message>
        <source>Cetus</source>
        <translation>Ballena</translation>
    </message>
    <message>
        <source>Chamaeleon</source>
        <translation>Camaleón</translation>
    </message>
    <message>
        <source>Circinus</source>
        <translation>Compás</translation>
    </message>
    <message>
        <source>Columba</source>
        <translation>Paloma</translation>
    </message>
    <message>
        <source>Coma Berenices</source>
        <translation>Cabellera de Berenice</translation>
    </message>
    <message>
        <source>Corona Austrina</source>
        <translation>Corona Austral</translation>
    </message>
    <message>
        <source>Corona Borealis</source>
        <translation>Corona Boreal</translation>
    </message>
    <message>
        <source>Corvus</source>
        <translation>Cuervo</translation>
    </message>
    <message>
        <source>Crater</source>
        <translation>Copa</translation>
    </message>
    <message>
        <source>Crux</source>
        <translation>Cruz del Sur</translation>
    </message>
    <message>
        <source>Cygnus</source>
        <translation>Cisne</translation>
    </message>
    <message>
        <source>Delphinus</source>
        <translation>Delfín</translation>
    </message>
    <message>
        <source>Dorado</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>Draco</source>
        <translation>Dragón</translation>
    </message>
    <message>
        <source>Equuleus</source>
        <translation>Caballito</translation>
    </message>
    <message>
        <source>Eridanus</source>
        <translation>Erídano</translation>
    </message>
    <message>
        <source>Fornax</source>
        <translation>Horno</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Grus</source>
        <translation>Grulla</translation>
    </message>
    <message>
        <source>Hercules</source>
        <translation>Hércules</translation>
    </message>
    <message>
        <source>Horologium</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Hydra</source>
        <translation>Hidra</translation>
    </message>
    <message>
        <source>Hydrus</source>
        <translation>Hidra Macho</translation>
    </message>
    <message>
        <source>Indus</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Lacerta</source>
        <translation>Lagarto</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Leo Minor</source>
        <translation>León Menor</translation>
    </message>
    <message>
        <source>Lepus</source>
        <translation>Liebre</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Lupus</source>
        <translation>Lobo</translation>
    </message>
    <message>
        <source>Lynx</source>
        <translation>Lince</translation>
    </message>
    <message>
        <source>Lyra</source>
        <translation>Lira</translation>
    </message>
    <message>
        <source>Mensa</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Microscopium</source>
        <translation>Microscopio</translation>
    </message>
    <message>
        <source>Monoceros</source>
        <translation>Unicornio</translation>
    </message>
    <message>
        <source>Musca</source>
        <translation>Mosca</translation>
    </message>
    <message>
        <source>Norma</source>
        <translation>Escuadra</translation>
    </message>
    <message>
        <source>Octans</source>
        <translation>Octante</translation>
    </message>
    <message>
        <source>Ophiuchus</source>
        <translation>Ofiuco</translation>
    </message>
    <message>
        <source>Orion</source>
        <translation>Orión</translation>
    </message>
    <message>
        <source>Pavo</source>
        <translation>Pavo</translation>
    </message>
    <message>
        <source>Pegasus</source>
        <translation>Pegaso</translation>
    </message>
    <message>
        <source>Perseus</source>
        <translation>Perseo</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Fénix</translation>
    </message>
    <message>
        <source>Pictor</source>
        <translation>Pintor</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>Piscis Austrinus</source>
        <translation>Pez Austral</translation>
    </message>
    <message>
        <source>Puppis</source>
        <translation>Popa</translation>
    </message>
    <message>
        <source>Pyxis</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Reticulum</source>
        <translation>Retículo</translation>
    </message>
    <message>
        <source>Sagitta</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Scorpius</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sculptor</source>
        <translation>Escultor</translation>
    </message>
    <message>
        <source>Scutum</source>
        <translation>Escudo</translation>
    </message>
    <message>
        <source>Serpens Caput</source>
        <translation>Cabeza de la Serpiente</translation>
    </message>
    <message>
        <source>Serpens Cauda</source>
        <translation>Cola de la Serpiente</translation>
    </message>
    <message>
        <source>Sextans</source>
        <translation>Sextante</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Telescopium</source>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>Triangulum</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Triangulum Australe</source>
        <translation>Triángulo Austral</translation>
    </message>
    <message>
        <source>Tucana</source>
        <translation>Tucán</translation>
    </message>
    <message>
        <source>Ursa Major</source>
        <translation>Osa Mayor</translation>
    </message>
    <message>
        <source>Ursa Minor</source>
        <translation>Osa Menor</translation>
    </message>
    <message>
        <source>Vela</source>
        <translation>Vela</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Volans</source>
        <translation>Pez Volador</translation>
    </message>
    <message>
        <source>Vulpecula</source>
        <translation>Zorra</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>&lt;b&gt;Time step&lt;/b&gt;&lt;p&gt;How far each step of the time animation moves the clock: from real time (one second a second) to one year.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 1032.</extracomment>
        <translation>&lt;b&gt;Paso de tiempo&lt;/b&gt;&lt;p&gt;Cuánto avanza el reloj cada paso de la animación: desde tiempo real (un segundo por segundo) hasta un año.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field left&lt;/b&gt; (Left arrow)&lt;p&gt;The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32771.</extracomment>
        <translation>&lt;b&gt;Mover el campo a la izquierda&lt;/b&gt; (Left arrow)&lt;p&gt;Las estrellas van a la izquierda: ve más del cielo que quedaba a la derecha. El paso es menor cuanto más acerca.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field right&lt;/b&gt; (Right arrow)&lt;p&gt;The stars move to the right: you see more of the sky that lay to the left.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32772.</extracomment>
        <translation>&lt;b&gt;Mover el campo a la derecha&lt;/b&gt; (Right arrow)&lt;p&gt;Las estrellas van a la derecha: ve más del cielo que quedaba a la izquierda.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field up&lt;/b&gt; (Up arrow)&lt;p&gt;The stars move up: you see more of the sky that lay below the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32773.</extracomment>
        <translation>&lt;b&gt;Mover el campo hacia arriba&lt;/b&gt; (Up arrow)&lt;p&gt;Las estrellas suben: ve más del cielo que quedaba debajo del centro de la vista.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field down&lt;/b&gt; (Down arrow)&lt;p&gt;The stars move down: you see more of the sky that lay above the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32774.</extracomment>
        <translation>&lt;b&gt;Mover el campo hacia abajo&lt;/b&gt; (Down arrow)&lt;p&gt;Las estrellas bajan: ve más del cielo que quedaba encima del centro de la vista.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom out&lt;/b&gt; (/ on the numeric keypad)&lt;p&gt;Halves the magnification, down to the whole visible half of the sky.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32776.</extracomment>
        <translation>&lt;b&gt;Alejar&lt;/b&gt; (/ del teclado numérico)&lt;p&gt;Reduce el aumento a la mitad, hasta toda la mitad visible del cielo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deep sky objects&lt;/b&gt; (D)&lt;p&gt;Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &amp;gt; Deep Sky Objects chooses which kinds are drawn.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32777.</extracomment>
        <translation>&lt;b&gt;Objetos de cielo profundo&lt;/b&gt; (D)&lt;p&gt;Muestra u oculta los objetos Messier y NGC: cúmulos, galaxias y nebulosas. Ajustes &amp;gt; Objetos de cielo profundo elige qué clases se dibujan.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Boundaries&lt;/b&gt; (B)&lt;p&gt;Shows or hides the boundaries of the 88 constellations and their names.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32778.</extracomment>
        <translation>&lt;b&gt;Límites&lt;/b&gt; (B)&lt;p&gt;Muestra u oculta los límites de las 88 constelaciones y sus nombres.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Constellation lines&lt;/b&gt; (L)&lt;p&gt;Shows or hides the figures that join the bright stars of each constellation.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32779.</extracomment>
        <translation>&lt;b&gt;Líneas de constelaciones&lt;/b&gt; (L)&lt;p&gt;Muestra u oculta las figuras que unen las estrellas brillantes de cada constelación.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Grids&lt;/b&gt; (G)&lt;p&gt;Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&amp;deg; of declination.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32780.</extracomment>
        <translation>&lt;b&gt;Cuadrículas&lt;/b&gt; (G)&lt;p&gt;Muestra u oculta la cuadrícula ecuatorial: un círculo cada hora de ascensión recta y cada 15&amp;deg; de declinación.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Milky Way&lt;/b&gt; (M)&lt;p&gt;Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32781.</extracomment>
        <translation>&lt;b&gt;Vía Láctea&lt;/b&gt; (M)&lt;p&gt;Muestra u oculta la banda de la Vía Láctea y los contornos de las Nubes de Magallanes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solar System&lt;/b&gt; (P)&lt;p&gt;Shows or hides the Sun, the Moon and the planets.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32782.</extracomment>
        <translation>&lt;b&gt;Sistema Solar&lt;/b&gt; (P)&lt;p&gt;Muestra u oculta el Sol, la Luna y los planetas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Date and time&lt;/b&gt;&lt;p&gt;Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32784.</extracomment>
        <translation>&lt;b&gt;Fecha y hora&lt;/b&gt;&lt;p&gt;Pone la fecha y la hora del cielo mostrado, de 1901 a 2099, o vuelve al presente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Location&lt;/b&gt;&lt;p&gt;Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32785.</extracomment>
        <translation>&lt;b&gt;Lugar&lt;/b&gt;&lt;p&gt;Pone el lugar de la Tierra desde el que observa: una ciudad de la lista, un punto del mapa del mundo, o latitud, longitud y zona horaria.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation backward&lt;/b&gt; (Ctrl+B)&lt;p&gt;Runs time backwards, one time step after another, until you press Animation stop.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32789.</extracomment>
        <translation>&lt;b&gt;Animación hacia atrás&lt;/b&gt; (Ctrl+B)&lt;p&gt;Hace correr el tiempo hacia atrás, paso a paso, hasta que pulse Detener la animación.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step backward&lt;/b&gt; ([)&lt;p&gt;Moves the clock back by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32791.</extracomment>
        <translation>&lt;b&gt;Un paso atrás&lt;/b&gt; ([)&lt;p&gt;Retrasa el reloj un paso de tiempo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation stop&lt;/b&gt; (Esc)&lt;p&gt;Stops the time animation. The sky stays at the time it has reached.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32793.</extracomment>
        <translation>&lt;b&gt;Detener la animación&lt;/b&gt; (Esc)&lt;p&gt;Detiene la animación del tiempo. El cielo se queda en la hora alcanzada.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step forward&lt;/b&gt; (])&lt;p&gt;Moves the clock on by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32794.</extracomment>
        <translation>&lt;b&gt;Un paso adelante&lt;/b&gt; (])&lt;p&gt;Adelanta el reloj un paso de tiempo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation forward&lt;/b&gt; (Ctrl+F)&lt;p&gt;Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32795.</extracomment>
        <translation>&lt;b&gt;Animación hacia adelante&lt;/b&gt; (Ctrl+F)&lt;p&gt;Hace correr el tiempo hacia adelante, paso a paso, hasta que pulse Detener la animación. Los menús y diálogos esperan a que se detenga.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Equatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32800.</extracomment>
        <translation>&lt;b&gt;Ecuatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Muestra el cielo como una carta estelar, con el polo celeste arriba, como si la Tierra no estuviera.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Local horizon&lt;/b&gt; (Ctrl+H)&lt;p&gt;Shows the sky as you see it from your place, with the ground, the landscape and the compass points.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32801.</extracomment>
        <translation>&lt;b&gt;Horizonte local&lt;/b&gt; (Ctrl+H)&lt;p&gt;Muestra el cielo como lo ve desde su lugar, con el suelo, el paisaje y los puntos cardinales.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Red screen&lt;/b&gt; (Shift+R)&lt;p&gt;Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32802.</extracomment>
        <translation>&lt;b&gt;Pantalla roja&lt;/b&gt; (Shift+R)&lt;p&gt;Dibuja el cielo y toda la ventana en rojo tenue sobre negro, lo que mantiene sus ojos adaptados a la oscuridad en el telescopio.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Full screen&lt;/b&gt; (Shift+F)&lt;p&gt;Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32803.</extracomment>
        <translation>&lt;b&gt;Pantalla completa&lt;/b&gt; (Shift+F)&lt;p&gt;Muestra solo el cielo, en toda la pantalla. Esc o Shift+F de nuevo, o el puntero en el borde superior, para volver.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Eyepiece fields&lt;/b&gt; (Shift+E)&lt;p&gt;Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &amp;gt; Eyepiece Fields... defines them.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32823.</extracomment>
        <translation>&lt;b&gt;Campos de oculares&lt;/b&gt; (Shift+E)&lt;p&gt;Muestra u oculta los campos de sus oculares y cámaras alrededor del centro de la vista. Ver &amp;gt; Definir campos de oculares... los define.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt; (Ctrl+O)&lt;p&gt;Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57601.</extracomment>
        <translation>&lt;b&gt;Abrir&lt;/b&gt; (Ctrl+O)&lt;p&gt;Abre un archivo de imagen (JPEG, GIF, PCX, TGA, BMP o TIFF) en una ventana de imagen. El diálogo de archivos empieza en la carpeta Images del directorio de datos.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt; (Ctrl+P)&lt;p&gt;Prints the field you see as a black-on-white chart.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57607.</extracomment>
        <translation>&lt;b&gt;Imprimir&lt;/b&gt; (Ctrl+P)&lt;p&gt;Imprime el campo que ve como una carta en negro sobre blanco.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Preview&lt;/b&gt;&lt;p&gt;Shows the printed chart of the field you see, page by page, before anything goes to the printer.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57609.</extracomment>
        <translation>&lt;b&gt;Vista previa&lt;/b&gt;&lt;p&gt;Muestra la carta impresa del campo que ve, página a página, antes de que nada vaya a la impresora.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;About Stellix&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version, its licence and where its sky data comes from.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57664.</extracomment>
        <translation>&lt;b&gt;Acerca de Stellix&lt;/b&gt;&lt;p&gt;Muestra la versión del programa, su licencia y de dónde vienen sus datos del cielo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s this?&lt;/b&gt; (Shift+F1)&lt;p&gt;Click this button, then on any button, menu item or field, to read what it does.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57669.</extracomment>
        <translation>&lt;b&gt;¿Qué es esto?&lt;/b&gt; (Shift+F1)&lt;p&gt;Pulse este botón y después cualquier botón, elemento de menú o campo para leer lo que hace.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1)&lt;p&gt;Opens the user guide at the page of the window you are in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57670.</extracomment>
        <translation>&lt;b&gt;Ayuda&lt;/b&gt; (F1)&lt;p&gt;Abre la guía en la página de la ventana en la que está.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom in&lt;/b&gt; (* on the numeric keypad)&lt;p&gt;Doubles the magnification, up to 8192 times.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32775.</extracomment>
        <translation>&lt;b&gt;Acercar&lt;/b&gt; (* del teclado numérico)&lt;p&gt;Duplica el aumento, hasta 8192 veces.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>astro</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Creciente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Menguante</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>el nombre del archivo debe terminar en .png o .svg</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>no se pudo hacer el dibujo</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>no se pudo empezar el PDF</translation>
    </message>
</context>
<context>
    <name>res</name>
    <message>
        <source>Stellix

Stellix


Stellix.Document
Stellix Document</source>
        <extracomment>String 128: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stellix

Stellix


Stellix.Document
Documento de Stellix</translation>
    </message>
    <message>
        <source>Stellix</source>
        <extracomment>String 200. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stellix</translation>
    </message>
    <message>
        <source>Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||</source>
        <extracomment>String 219. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Archivos JPEG(*.JPG)|*.JPG|Archivos GIF(*.GIF)|*.GIF|Archivos PCX(*.PCX)|*.PCX|Archivos Targa(*.TGA)|*.TGA|Archivos BMP(*.BMP)|*.BMP|Archivos TIFF(*.TIF)|*.TIF||</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%s&quot; file !   </source>
        <extracomment>String 300. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>¡No se puede abrir el archivo «%s»!   </translation>
    </message>
    <message>
        <source>Object under horizon. Not visible.   </source>
        <extracomment>String 301. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objeto bajo el horizonte. No visible.   </translation>
    </message>
    <message>
        <source>Select star or press &apos; Cancel &apos;.    </source>
        <extracomment>String 302. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elija una estrella o pulse «Cancelar».    </translation>
    </message>
    <message>
        <source>Select constellation or press &apos; Cancel &apos;.    </source>
        <extracomment>String 303. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elija una constelación o pulse «Cancelar».    </translation>
    </message>
    <message>
        <source>Enter Messier number or press &apos; Cancel &apos;.    </source>
        <extracomment>String 304. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Escriba un número Messier o pulse «Cancelar».    </translation>
    </message>
    <message>
        <source>Wrong catalog number !    </source>
        <extracomment>String 305. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>¡Número de catálogo erróneo!    </translation>
    </message>
    <message>
        <source>Select NGC object or press &apos; Cancel &apos;.    </source>
        <extracomment>String 306. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elija un objeto NGC o pulse «Cancelar».    </translation>
    </message>
    <message>
        <source>Animation has no effect when the Solar System is disabled in Equatorial mode !    </source>
        <extracomment>String 307. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>¡La animación no tiene efecto con el Sistema Solar desactivado en modo ecuatorial!    </translation>
    </message>
    <message>
        <source>Can&apos;t initialize rendering context for OpenGL !    </source>
        <extracomment>String 308. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>¡No se puede crear el contexto de dibujo de OpenGL!    </translation>
    </message>
    <message>
        <source>Couldn&apos;t load the image &quot;%s&quot; !    </source>
        <extracomment>String 309. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>¡No se pudo cargar la imagen «%s»!    </translation>
    </message>
    <message>
        <source>Set your display to High Color or more to run Stellix !    </source>
        <extracomment>String 311. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>¡Ponga su pantalla en High Color (16 bits) o más para usar Stellix!    </translation>
    </message>
    <message>
        <source>You have entered wrong number! It must be from %d to %d.    </source>
        <extracomment>String 317. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>¡Ha escrito un número erróneo! Debe estar entre %d y %d.    </translation>
    </message>
    <message>
        <source>Can&apos;t write the settings file &quot;%s&quot; !   </source>
        <extracomment>String 320. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>¡No se puede escribir el archivo de ajustes «%s»!   </translation>
    </message>
    <message>
        <source>Unknown DIB file format.</source>
        <extracomment>String 330. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Formato de archivo DIB desconocido.</translation>
    </message>
    <message>
        <source>Image file conversion error.</source>
        <extracomment>String 331. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Error de conversión del archivo de imagen.</translation>
    </message>
    <message>
        <source>Failed to open DIB file %s.
</source>
        <extracomment>String 332: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>No se pudo abrir el archivo DIB %s.
</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <extracomment>String 333. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>String 334. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Settings out of range in &quot;%s&quot; were replaced by the nearest allowed values: %s   </source>
        <extracomment>String 340. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Los ajustes fuera de rango en «%s» se sustituyeron por los valores permitidos más cercanos: %s   </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: %s. The sky is shown without those records.   </source>
        <extracomment>String 341. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El archivo «%s» está dañado: %s. El cielo se muestra sin esos registros.   </translation>
    </message>
    <message>
        <source>records %s to %s are missing</source>
        <extracomment>String 342. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>faltan los registros %s a %s</translation>
    </message>
    <message>
        <source>record %s is missing</source>
        <extracomment>String 343. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>falta el registro %s</translation>
    </message>
    <message>
        <source>record %s is unusable (%s)</source>
        <extracomment>String 344. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>el registro %s es inutilizable (%s)</translation>
    </message>
    <message>
        <source>%s records are unusable, the first record %s (%s)</source>
        <extracomment>String 345. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s registros son inutilizables, el primero el registro %s (%s)</translation>
    </message>
    <message>
        <source>a coordinate out of range or not a number</source>
        <extracomment>String 346. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una coordenada fuera de rango o que no es un número</translation>
    </message>
    <message>
        <source>a magnitude out of range or not a number</source>
        <extracomment>String 347. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una magnitud fuera de rango o que no es un número</translation>
    </message>
    <message>
        <source>a label offset beyond 1000 pixels</source>
        <extracomment>String 348. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un desplazamiento de etiqueta de más de 1000 píxeles</translation>
    </message>
    <message>
        <source>a position angle or an axis out of range or not a number</source>
        <extracomment>String 349. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un ángulo de posición o un eje fuera de rango o que no es un número</translation>
    </message>
    <message>
        <source>a longitude, latitude, minute or time zone out of range</source>
        <extracomment>String 350. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una longitud, latitud, minuto o zona horaria fuera de rango</translation>
    </message>
    <message>
        <source>a line that does not read as its numbers</source>
        <extracomment>String 351. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una línea que no se lee como sus números</translation>
    </message>
    <message>
        <source>The texture file &quot;%s&quot; cannot be used: %s   </source>
        <extracomment>String 352. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El archivo de textura «%s» no se puede usar: %s   </translation>
    </message>
    <message>
        <source>it is not a BMP file.</source>
        <extracomment>String 353. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>no es un archivo BMP.</translation>
    </message>
    <message>
        <source>a proper motion or parallax out of range or not a number</source>
        <extracomment>String 354. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un movimiento propio o una paralaje fuera de rango o que no es un número</translation>
    </message>
    <message>
        <source>a time zone that this computer&apos;s tzdata does not know</source>
        <extracomment>String 355. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una zona horaria que la tzdata de este ordenador no conoce</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: its header is not one this program reads. The sky is shown without that file.   </source>
        <extracomment>String 356. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El archivo «%s» está dañado: su cabecera no es de las que este programa lee. El cielo se muestra sin ese archivo.   </translation>
    </message>
    <message>
        <source>Give the field a name.    </source>
        <extracomment>String 360. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dé un nombre al campo.    </translation>
    </message>
    <message>
        <source>%s must be a number from %s to %s.    </source>
        <extracomment>String 361. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s debe ser un número de %s a %s.    </translation>
    </message>
    <message>
        <source>This field would be %s wide; a field may be at most %s wide.    </source>
        <extracomment>String 362. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Este campo tendría %s de ancho; un campo puede tener como mucho %s.    </translation>
    </message>
    <message>
        <source>There is room for %s fields; remove one to add another.    </source>
        <extracomment>String 363. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hay sitio para %s campos; quite uno para añadir otro.    </translation>
    </message>
    <message>
        <source>near %s (%s km)</source>
        <extracomment>String 364. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>cerca de %s (%s km)</translation>
    </message>
    <message>
        <source>Following %s</source>
        <extracomment>String 365. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Siguiendo %s</translation>
    </message>
    <message>
        <source>Choose the object to follow first: search for it, then press T.    </source>
        <extracomment>String 366. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elija primero el objeto que seguir: búsquelo y pulse T.    </translation>
    </message>
    <message>
        <source>Moon</source>
        <extracomment>String 500. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Sun</source>
        <extracomment>String 501. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>String 502. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>String 503. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <extracomment>String 504. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <extracomment>String 505. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <extracomment>String 506. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <extracomment>String 507. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <extracomment>String 508. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>String 509. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Plutón</translation>
    </message>
    <message>
        <source>Constellation line.    </source>
        <extracomment>String 510. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Línea de constelación.    </translation>
    </message>
    <message>
        <source>Constellation boundary.    </source>
        <extracomment>String 511. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Límite de constelación.    </translation>
    </message>
    <message>
        <source>Right ascension grid line.    </source>
        <extracomment>String 512. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Línea de la cuadrícula de ascensión recta.    </translation>
    </message>
    <message>
        <source>Declination grid line.    </source>
        <extracomment>String 513. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Línea de la cuadrícula de declinación.    </translation>
    </message>
    <message>
        <source>Ecliptic line.    </source>
        <extracomment>String 514. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Eclíptica.    </translation>
    </message>
    <message>
        <source> million km</source>
        <extracomment>String 516. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> millones de km</translation>
    </message>
    <message>
        <source>Open cluster</source>
        <extracomment>String 517. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cúmulo abierto</translation>
    </message>
    <message>
        <source>Globular cluster</source>
        <extracomment>String 518. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cúmulo globular</translation>
    </message>
    <message>
        <source>Galaxy</source>
        <extracomment>String 519. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Galaxia</translation>
    </message>
    <message>
        <source>Nebula</source>
        <extracomment>String 520. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nebulosa</translation>
    </message>
    <message>
        <source>Planetary nebula</source>
        <extracomment>String 521. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nebulosa planetaria</translation>
    </message>
    <message>
        <source> Real time</source>
        <extracomment>String 522. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> Tiempo real</translation>
    </message>
    <message>
        <source> 10 minutes</source>
        <extracomment>String 523. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 10 minutos</translation>
    </message>
    <message>
        <source> 30 minutes</source>
        <extracomment>String 524. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 30 minutos</translation>
    </message>
    <message>
        <source> 1 hour</source>
        <extracomment>String 525. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 hora</translation>
    </message>
    <message>
        <source> 1 day</source>
        <extracomment>String 526. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 día</translation>
    </message>
    <message>
        <source> 7 days</source>
        <extracomment>String 527. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 7 días</translation>
    </message>
    <message>
        <source> 1 month</source>
        <extracomment>String 528. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 mes</translation>
    </message>
    <message>
        <source> 1 year</source>
        <extracomment>String 529. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 año</translation>
    </message>
    <message>
        <source>Large Magellanic Cloud.    </source>
        <extracomment>String 530. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Gran Nube de Magallanes.    </translation>
    </message>
    <message>
        <source>Small Magellanic Cloud.    </source>
        <extracomment>String 531. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pequeña Nube de Magallanes.    </translation>
    </message>
    <message>
        <source>Time step
Time step</source>
        <extracomment>String 1032: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Paso de tiempo
Paso de tiempo</translation>
    </message>
    <message>
        <source>Move the field left
Move the field left</source>
        <extracomment>String 32771: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mover el campo a la izquierda
Mover el campo a la izquierda</translation>
    </message>
    <message>
        <source>Move the field right
Move the field right</source>
        <extracomment>String 32772: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mover el campo a la derecha
Mover el campo a la derecha</translation>
    </message>
    <message>
        <source>Move the field up
Move the field up</source>
        <extracomment>String 32773: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mover el campo hacia arriba
Mover el campo hacia arriba</translation>
    </message>
    <message>
        <source>Move the field down
Move the field down</source>
        <extracomment>String 32774: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mover el campo hacia abajo
Mover el campo hacia abajo</translation>
    </message>
    <message>
        <source>Zoom the field in
Zoom in</source>
        <extracomment>String 32775: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Acercar el campo
Acercar</translation>
    </message>
    <message>
        <source>Zoom the field out
Zoom out</source>
        <extracomment>String 32776: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Alejar el campo
Alejar</translation>
    </message>
    <message>
        <source>Deep sky objects
Deep sky objects</source>
        <extracomment>String 32777: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objetos de cielo profundo
Objetos de cielo profundo</translation>
    </message>
    <message>
        <source>Constellation boundaries
Boundaries</source>
        <extracomment>String 32778: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Límites de las constelaciones
Límites</translation>
    </message>
    <message>
        <source>Constellation lines
Constellation lines</source>
        <extracomment>String 32779: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Líneas de las constelaciones
Líneas de constelaciones</translation>
    </message>
    <message>
        <source>Coordination grid lines
Grids</source>
        <extracomment>String 32780: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Líneas de la cuadrícula de coordenadas
Cuadrículas</translation>
    </message>
    <message>
        <source>Milky Way
Milky Way</source>
        <extracomment>String 32781: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Vía Láctea
Vía Láctea</translation>
    </message>
    <message>
        <source>Solar System objects
Solar System</source>
        <extracomment>String 32782: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objetos del Sistema Solar
Sistema Solar</translation>
    </message>
    <message>
        <source>Date and time
Date and time</source>
        <extracomment>String 32784: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fecha y hora
Fecha y hora</translation>
    </message>
    <message>
        <source>Location of the observer
Location</source>
        <extracomment>String 32785: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Lugar del observador
Lugar</translation>
    </message>
    <message>
        <source>Magnitude limits</source>
        <extracomment>String 32787. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Magnitudes límite</translation>
    </message>
    <message>
        <source>Deep sky objects settings
Deep sky objects</source>
        <extracomment>String 32788: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ajustes de los objetos de cielo profundo
Objetos de cielo profundo</translation>
    </message>
    <message>
        <source>Animation backward
Animation backward</source>
        <extracomment>String 32789: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animación hacia atrás
Animación hacia atrás</translation>
    </message>
    <message>
        <source>Colors settings
Colors</source>
        <extracomment>String 32790: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ajustes de colores
Colores</translation>
    </message>
    <message>
        <source>One step animation backward
One step backward</source>
        <extracomment>String 32791: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Un paso de animación hacia atrás
Un paso atrás</translation>
    </message>
    <message>
        <source>Show or hide stars colors
Stars colors</source>
        <extracomment>String 32792: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar los colores de las estrellas
Colores de las estrellas</translation>
    </message>
    <message>
        <source>Animation stop
Animation stop</source>
        <extracomment>String 32793: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Detener la animación
Detener la animación</translation>
    </message>
    <message>
        <source>One step animation forward
One step forward</source>
        <extracomment>String 32794: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Un paso de animación hacia adelante
Un paso adelante</translation>
    </message>
    <message>
        <source>Animation forward
Animation forward</source>
        <extracomment>String 32795: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animación hacia adelante
Animación hacia adelante</translation>
    </message>
    <message>
        <source>Show or hide star names</source>
        <extracomment>String 32796. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar los nombres de las estrellas</translation>
    </message>
    <message>
        <source>Show or hide Solar System names</source>
        <extracomment>String 32797. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar los nombres del Sistema Solar</translation>
    </message>
    <message>
        <source>Show or hide deep sky labels</source>
        <extracomment>String 32798. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar las etiquetas de cielo profundo</translation>
    </message>
    <message>
        <source>Equatorial mode</source>
        <extracomment>String 32800. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Modo ecuatorial</translation>
    </message>
    <message>
        <source>Local horizon mode</source>
        <extracomment>String 32801. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Modo de horizonte local</translation>
    </message>
    <message>
        <source>Show or hide red screen mode
Red screen</source>
        <extracomment>String 32802: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Activar o desactivar la pantalla roja
Pantalla roja</translation>
    </message>
    <message>
        <source>Show or hide full screen mode
Full screen</source>
        <extracomment>String 32803: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Activar o desactivar la pantalla completa
Pantalla completa</translation>
    </message>
    <message>
        <source>Show or hide ecliptic line</source>
        <extracomment>String 32804. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar la eclíptica</translation>
    </message>
    <message>
        <source>Black background of the sky</source>
        <extracomment>String 32806. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fondo del cielo negro</translation>
    </message>
    <message>
        <source>Color background of the sky</source>
        <extracomment>String 32807. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fondo del cielo en color</translation>
    </message>
    <message>
        <source>Search for star</source>
        <extracomment>String 32808. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Buscar estrella</translation>
    </message>
    <message>
        <source>Search for Solar System object</source>
        <extracomment>String 32809. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Buscar objeto del Sistema Solar</translation>
    </message>
    <message>
        <source>Search for constellation</source>
        <extracomment>String 32810. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Buscar constelación</translation>
    </message>
    <message>
        <source>Search for Messier</source>
        <extracomment>String 32811. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Buscar objeto Messier</translation>
    </message>
    <message>
        <source>Search for NGC</source>
        <extracomment>String 32812. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Buscar objeto NGC</translation>
    </message>
    <message>
        <source>Search for East</source>
        <extracomment>String 32813. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mirar al este</translation>
    </message>
    <message>
        <source>Search for West</source>
        <extracomment>String 32814. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mirar al oeste</translation>
    </message>
    <message>
        <source>Search for North</source>
        <extracomment>String 32815. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mirar al norte</translation>
    </message>
    <message>
        <source>Search for South</source>
        <extracomment>String 32816. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mirar al sur</translation>
    </message>
    <message>
        <source>Search for Zenith</source>
        <extracomment>String 32817. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mirar al cénit</translation>
    </message>
    <message>
        <source>Search for Nadir</source>
        <extracomment>String 32818. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mirar al nadir</translation>
    </message>
    <message>
        <source>Draw stars as points</source>
        <extracomment>String 32819. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dibujar las estrellas como puntos</translation>
    </message>
    <message>
        <source>Draw stars as bitmaps</source>
        <extracomment>String 32820. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dibujar las estrellas como imágenes</translation>
    </message>
    <message>
        <source>Lift the local-horizon sky by the atmosphere&apos;s refraction
Atmospheric refraction</source>
        <extracomment>String 32821: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elevar el cielo del horizonte local según la refracción de la atmósfera
Refracción atmosférica</translation>
    </message>
    <message>
        <source>Show the night ahead: twilight, the Moon, the planets and what stands high
Tonight</source>
        <extracomment>String 32822: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar la noche que viene: crepúsculo, la Luna, los planetas y lo que está alto
Esta noche</translation>
    </message>
    <message>
        <source>Show or hide the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32823: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar los campos de sus oculares y cámaras
Campos de oculares</translation>
    </message>
    <message>
        <source>Define the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32824: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Definir los campos de sus oculares y cámaras
Campos de oculares</translation>
    </message>
    <message>
        <source>Show or hide the grid of altitude and azimuth
Alt-azimuth grid</source>
        <extracomment>String 32825: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar la cuadrícula de altura y acimut
Cuadrícula altacimutal</translation>
    </message>
    <message>
        <source>Show or hide the meridian
Meridian</source>
        <extracomment>String 32826: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar el meridiano
Meridiano</translation>
    </message>
    <message>
        <source>Keep the object you chose at the middle of the view while time runs
Follow</source>
        <extracomment>String 32827: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mantener el objeto elegido en el centro de la vista mientras corre el tiempo
Seguir</translation>
    </message>
    <message>
        <source>Keep the sky at the present instant as the clock runs
Real time</source>
        <extracomment>String 32829: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mantener el cielo en el instante presente mientras corre el reloj
Tiempo real</translation>
    </message>
    <message>
        <source>Choose the language of the window; it takes effect after a restart
Language</source>
        <extracomment>String 32850: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elegir el idioma de la ventana; se aplica tras reiniciar
Idioma</translation>
    </message>
    <message>
        <source>Open an image file
Open</source>
        <extracomment>String 57601: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Abrir un archivo de imagen
Abrir</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>String 57606: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <extracomment>String 57607: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Imprimir la carta
Imprimir</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <extracomment>String 57609: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar páginas completas
Vista previa</translation>
    </message>
    <message>
        <source>Open this document</source>
        <extracomment>String 57616. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>RA 23h 59&apos; 59&quot; </source>
        <extracomment>String 57632. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>RA 23h 59&apos; 59&quot; </translation>
    </message>
    <message>
        <source>DEC -89° 59&apos; 59&quot; </source>
        <extracomment>String 57633. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>DEC -89° 59&apos; 59&quot; </translation>
    </message>
    <message>
        <source>30 May 2002 </source>
        <extracomment>String 57634. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>30 sept 2002 </translation>
    </message>
    <message>
        <source>23:59 </source>
        <extracomment>String 57635. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>23:59 </translation>
    </message>
    <message>
        <source>Slovak Republik:Bratislava    </source>
        <extracomment>String 57636. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Slovak Republik:Bratislava    </translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <extracomment>String 57664: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar la información del programa, su número de versión y su copyright
Acerca de</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <extracomment>String 57665: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Salir del programa
Salir</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <extracomment>String 57667: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Listar los temas de ayuda
Temas de ayuda</translation>
    </message>
    <message>
        <source>Display instructions about how to use help
Help</source>
        <extracomment>String 57668: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar cómo usar la ayuda
Ayuda</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <extracomment>String 57669: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ayuda sobre botones, menús y ventanas pulsados
Ayuda</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <extracomment>String 57670: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ayuda sobre la tarea u orden actual
Ayuda</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <extracomment>String 59392: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <extracomment>String 59393: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>The clocks went forward by %s on this day: there was no %s; it is read as %s (%s).</source>
        <extracomment>String 410. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ese día los relojes se adelantaron %s: no hubo %s; se lee como %s (%s).</translation>
    </message>
    <message>
        <source>The clocks went back on this day: %s came twice; the first time (%s) is meant.</source>
        <extracomment>String 411. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ese día los relojes se atrasaron: %s ocurrió dos veces; se toma la primera (%s).</translation>
    </message>
    <message>
        <source>%s hour</source>
        <extracomment>String 412. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s hora</translation>
    </message>
    <message>
        <source>%s hours</source>
        <extracomment>String 413. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s horas</translation>
    </message>
    <message>
        <source>%s minute</source>
        <extracomment>String 414. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s minuto</translation>
    </message>
    <message>
        <source>%s minutes</source>
        <extracomment>String 415. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s minutos</translation>
    </message>
    <message>
        <source>Comet %s</source>
        <extracomment>String 370. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cometa %s</translation>
    </message>
    <message>
        <source>Minor planet %s</source>
        <extracomment>String 371. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Planeta menor %s</translation>
    </message>
    <message>
        <source>The orbital elements are for %s, more than a year from the date shown: the place may be far off.</source>
        <extracomment>String 372. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Los elementos orbitales son para el %s, a más de un año de la fecha mostrada: la posición puede ser muy inexacta.</translation>
    </message>
    <message>
        <source> AU</source>
        <extracomment>String 373. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> ua</translation>
    </message>
    <message>
        <source>%s years</source>
        <extracomment>String 374. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s años</translation>
    </message>
    <message>
        <source>No orbital elements were imported: %s   </source>
        <extracomment>String 375. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>No se importó ningún elemento orbital: %s   </translation>
    </message>
    <message>
        <source>The orbital elements could not be kept in &quot;%s&quot;: %s   </source>
        <extracomment>String 377. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>No se pudieron guardar los elementos orbitales en «%s»: %s   </translation>
    </message>
    <message>
        <source>%s: the file cannot be read</source>
        <extracomment>String 378. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: el archivo no se puede leer</translation>
    </message>
    <message>
        <source>%s: the file holds no orbital elements</source>
        <extracomment>String 379. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: el archivo no contiene elementos orbitales</translation>
    </message>
    <message>
        <source>%s from %s, the night of %s</source>
        <extracomment>String 390. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s desde %s, la noche del %s</translation>
    </message>
    <message>
        <source>Time at the place (%s)</source>
        <extracomment>String 391. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hora del lugar (%s)</translation>
    </message>
    <message>
        <source>Altitude (°)</source>
        <extracomment>String 392. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Altura (°)</translation>
    </message>
    <message>
        <source>Civil twilight</source>
        <extracomment>String 393. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight</source>
        <extracomment>String 394. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight</source>
        <extracomment>String 395. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>String 396. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Transit %s, %s</source>
        <extracomment>String 397. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tránsito %s, %s</translation>
    </message>
    <message>
        <source>Shown %s</source>
        <extracomment>String 398. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrado %s</translation>
    </message>
    <message>
        <source>%s: %s %s, Moon %s</source>
        <extracomment>String 399. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: %s %s, Luna %s</translation>
    </message>
    <message>
        <source>%s: %s %s</source>
        <extracomment>String 400. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: %s %s</translation>
    </message>
    <message>
        <source>Choose the object to plot first: search for it or right-click it.    </source>
        <extracomment>String 401. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elija primero el objeto que trazar: búsquelo o haga clic derecho sobre él.    </translation>
    </message>
    <message>
        <source>Cannot write %s: %s.    </source>
        <extracomment>String 402. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>No se puede escribir %s: %s.    </translation>
    </message>
    <message>
        <source>No INDI server answers at %s:%s.</source>
        <extracomment>String 440. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ningún servidor INDI responde en %s:%s.</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s closed the connection.</source>
        <extracomment>String 441. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El servidor INDI en %s:%s cerró la conexión.</translation>
    </message>
    <message>
        <source>The INDI server offers no telescope called &quot;%s&quot;.</source>
        <extracomment>String 442. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El servidor INDI no ofrece ningún telescopio llamado «%s».</translation>
    </message>
    <message>
        <source>The telescope %s reported an impossible place: %s.</source>
        <extracomment>String 443. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El telescopio %s informó una posición imposible: %s.</translation>
    </message>
    <message>
        <source>The telescope %s could not reach its target.</source>
        <extracomment>String 444. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El telescopio %s no pudo alcanzar su objetivo.</translation>
    </message>
    <message>
        <source>Slewing to %s</source>
        <extracomment>String 445. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Apuntando a %s</translation>
    </message>
    <message>
        <source>Tracking %s</source>
        <extracomment>String 446. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Seguimiento de %s</translation>
    </message>
    <message>
        <source>Parking %s</source>
        <extracomment>String 447. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Aparcando %s</translation>
    </message>
    <message>
        <source>%s is parked</source>
        <extracomment>String 448. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s está aparcado</translation>
    </message>
    <message>
        <source>Connect a telescope first: Tools &gt; Telescope...</source>
        <extracomment>String 449. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Conecte primero un telescopio: Herramientas &gt; Telescopio...</translation>
    </message>
    <message>
        <source>Connected to %s</source>
        <extracomment>String 450. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Conectado a %s</translation>
    </message>
    <message>
        <source>%s synced on %s</source>
        <extracomment>String 451. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s sincronizado con %s</translation>
    </message>
    <message>
        <source>%s stopped</source>
        <extracomment>String 452. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s detenido</translation>
    </message>
    <message>
        <source>The telescope is disconnected</source>
        <extracomment>String 453. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El telescopio está desconectado</translation>
    </message>
    <message>
        <source>Connecting to %s:%s...</source>
        <extracomment>String 454. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Conectando con %s:%s...</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s offers no telescope.</source>
        <extracomment>String 455. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El servidor INDI en %s:%s no ofrece ningún telescopio.</translation>
    </message>
    <message>
        <source>Select an object first: search for it or click it.</source>
        <extracomment>String 456. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elija primero un objeto: búsquelo o haga clic en él.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <extracomment>String 457. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El puerto debe ser un número de 1 a 65535.</translation>
    </message>
    <message>
        <source>the centre of the view</source>
        <extracomment>String 458. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>el centro de la vista</translation>
    </message>
    <message>
        <source>The telescope %s did not answer.</source>
        <extracomment>String 459. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El telescopio %s no respondió.</translation>
    </message>
    <message>
        <source>The telescope %s did not end its slew within %s minutes.</source>
        <extracomment>String 460. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>El telescopio %s no terminó su apuntado en %s minutos.</translation>
    </message>
    <message>
        <source>Centre: %s   %s (J2000)</source>
        <extracomment>String 461. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Centro: %s   %s (J2000)</translation>
    </message>
    <message>
        <source>Field: %s x %s</source>
        <extracomment>String 462. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Campo: %s x %s</translation>
    </message>
    <message>
        <source>Magnitudes:</source>
        <extracomment>String 463. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Magnitudes:</translation>
    </message>
    <message>
        <source>Io</source>
        <extracomment>String 470. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ío</translation>
    </message>
    <message>
        <source>Europa</source>
        <extracomment>String 471. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <extracomment>String 472. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ganimedes</translation>
    </message>
    <message>
        <source>Callisto</source>
        <extracomment>String 473. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Calisto</translation>
    </message>
    <message>
        <source>Mimas</source>
        <extracomment>String 474. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mimas</translation>
    </message>
    <message>
        <source>Enceladus</source>
        <extracomment>String 475. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Encélado</translation>
    </message>
    <message>
        <source>Tethys</source>
        <extracomment>String 476. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tetis</translation>
    </message>
    <message>
        <source>Dione</source>
        <extracomment>String 477. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dione</translation>
    </message>
    <message>
        <source>Rhea</source>
        <extracomment>String 478. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rea</translation>
    </message>
    <message>
        <source>Titan</source>
        <extracomment>String 479. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Titán</translation>
    </message>
    <message>
        <source>Hyperion</source>
        <extracomment>String 480. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hiperión</translation>
    </message>
    <message>
        <source>Iapetus</source>
        <extracomment>String 481. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Jápeto</translation>
    </message>
    <message>
        <source>Miranda</source>
        <extracomment>String 482. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Miranda</translation>
    </message>
    <message>
        <source>Ariel</source>
        <extracomment>String 483. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ariel</translation>
    </message>
    <message>
        <source>Umbriel</source>
        <extracomment>String 484. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Umbriel</translation>
    </message>
    <message>
        <source>Titania</source>
        <extracomment>String 485. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Titania</translation>
    </message>
    <message>
        <source>Oberon</source>
        <extracomment>String 486. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Oberón</translation>
    </message>
    <message>
        <source>Phobos</source>
        <extracomment>String 487. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fobos</translation>
    </message>
    <message>
        <source>Deimos</source>
        <extracomment>String 488. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Deimos</translation>
    </message>
    <message>
        <source>Show or hide the comets and minor planets down to their own magnitude limit
Comets and asteroids</source>
        <extracomment>String 32830: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar u ocultar los cometas y planetas menores hasta su propia magnitud límite
Cometas y asteroides</translation>
    </message>
    <message>
        <source>Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file
Import orbital elements</source>
        <extracomment>String 32831: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Importar los elementos orbitales de cometas o planetas menores desde un archivo MPCORB.DAT o CometEls.txt
Importar elementos orbitales</translation>
    </message>
    <message>
        <source>Plot the chosen object&apos;s altitude through the night, with the Moon and the twilights
Altitude plot</source>
        <extracomment>String 32840: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Trazar la altura del objeto elegido a lo largo de la noche, con la Luna y los crepúsculos
Gráfico de altura</translation>
    </message>
    <message>
        <source>Connect a telescope through an INDI server
Telescope</source>
        <extracomment>String 32860: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Conectar un telescopio a través de un servidor INDI
Telescopio</translation>
    </message>
    <message>
        <source>Point the telescope at the object you chose
Slew to selected</source>
        <extracomment>String 32861: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Apuntar el telescopio al objeto elegido
Apuntar al objeto elegido</translation>
    </message>
    <message>
        <source>Tell the telescope that it points at the object you chose
Sync to selected</source>
        <extracomment>String 32862: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Indicar al telescopio que apunta al objeto elegido
Sincronizar con el objeto elegido</translation>
    </message>
    <message>
        <source>Point the telescope at the middle of the view
Slew to view centre</source>
        <extracomment>String 32863: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Apuntar el telescopio al centro de la vista
Apuntar al centro de la vista</translation>
    </message>
    <message>
        <source>Stop the telescope&apos;s motion at once
Abort slew</source>
        <extracomment>String 32864: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Detener de inmediato el movimiento del telescopio
Detener el apuntado</translation>
    </message>
    <message>
        <source>Send the telescope to its park position
Park</source>
        <extracomment>String 32865: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Enviar el telescopio a su posición de aparcamiento
Aparcar</translation>
    </message>
    <message>
        <source>Wake the telescope from its park position
Unpark</source>
        <extracomment>String 32866: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sacar el telescopio de su posición de aparcamiento
Desaparcar</translation>
    </message>
    <message>
        <source>Keep the telescope&apos;s place at the middle of the view
Follow the telescope</source>
        <extracomment>String 32867: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mantener la posición del telescopio en el centro de la vista
Seguir el telescopio</translation>
    </message>
    <message>
        <source>Centre the view on a right ascension and declination or an altitude and azimuth
Go to coordinates</source>
        <extracomment>String 32875: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Centrar la vista en una ascensión recta y declinación o en una altura y azimut
Ir a coordenadas</translation>
    </message>
    <message>
        <source>Triton</source>
        <extracomment>String 489. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tritón</translation>
    </message>
</context>
<context>
    <name>sky</name>
    <message>
        <source>Sun always higher</source>
        <translation>Sol siempre más alto</translation>
    </message>
    <message>
        <source>Sun always lower</source>
        <translation>Sol siempre más bajo</translation>
    </message>
    <message>
        <source>always above the horizon</source>
        <translation>siempre sobre el horizonte</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>nunca sale</translation>
    </message>
    <message>
        <source>not this day</source>
        <translation>no este día</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Galaxy cluster</source>
        <translation>Cúmulo de galaxias</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>Deep sky object</source>
        <translation>Objeto de cielo profundo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galaxia</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>cúmulo abierto</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>cúmulo globular</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>nebulosa brillante</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>nebulosa planetaria</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>cúmulo de galaxias</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>objeto de cielo profundo</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>luna</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>constelación</translation>
    </message>
    <message>
        <source>place</source>
        <translation>lugar</translation>
    </message>
    <message>
        <source>The right ascension must be hours from 0 to 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) or degrees from 0 to 360 (&quot;83.82°&quot;).</source>
        <translation>La ascensión recta debe darse en horas de 0 a 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) o en grados de 0 a 360 (&quot;83.82°&quot;).</translation>
    </message>
    <message>
        <source>The declination must be degrees from -90 to +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</source>
        <translation>La declinación debe darse en grados de -90 a +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</translation>
    </message>
    <message>
        <source>The altitude must be degrees from -90 to +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</source>
        <translation>La altura debe darse en grados de -90 a +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</translation>
    </message>
    <message>
        <source>The azimuth must be degrees from 0 to 360, from the north through the east (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</source>
        <translation>El azimut debe darse en grados de 0 a 360, desde el norte hacia el este (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Minor planet</source>
        <translation>Planeta menor</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>&amp;Messier</source>
        <translation>&amp;Messier</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;NGC</source>
        <translation>&amp;NGC</translation>
    </message>
    <message>
        <source>Open Cl&amp;usters</source>
        <translation>Cúmulos &amp;abiertos</translation>
    </message>
    <message>
        <source>&amp;Glob. Clusters</source>
        <translation>Cúmulos &amp;globulares</translation>
    </message>
    <message>
        <source>G&amp;alaxies</source>
        <translation>G&amp;alaxias</translation>
    </message>
    <message>
        <source>Ne&amp;bulae</source>
        <translation>Ne&amp;bulosas</translation>
    </message>
    <message>
        <source>&amp;Planet. Nebulae</source>
        <translation>Nebulosas &amp;planetarias</translation>
    </message>
    <message>
        <source>&amp;Label by</source>
        <translation>&amp;Etiquetar por</translation>
    </message>
    <message>
        <source>Catalog Number</source>
        <translation>Número de catálogo</translation>
    </message>
    <message>
        <source>Common Name</source>
        <translation>Nombre común</translation>
    </message>
    <message>
        <source>&amp;Draw as</source>
        <translation>&amp;Dibujar como</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>&amp;Grids</source>
        <translation>&amp;Cuadrículas</translation>
    </message>
    <message>
        <source>Constellation &amp;lines</source>
        <translation>&amp;Líneas de constelaciones</translation>
    </message>
    <message>
        <source>Const. &amp;boundaries</source>
        <translation>Límites de &amp;constelaciones</translation>
    </message>
    <message>
        <source>Const. l&amp;abels</source>
        <translation>Nombres de c&amp;onstelaciones</translation>
    </message>
    <message>
        <source>&amp;Ecliptic</source>
        <translation>&amp;Eclíptica</translation>
    </message>
    <message>
        <source>&amp;Deep sky</source>
        <translation>Cielo &amp;profundo</translation>
    </message>
    <message>
        <source>Deep s&amp;ky labels</source>
        <translation>Etiquetas de cielo p&amp;rofundo</translation>
    </message>
    <message>
        <source>&amp;Star names</source>
        <translation>Nombres de &amp;estrellas</translation>
    </message>
    <message>
        <source>&amp;Planet names</source>
        <translation>Nombres de p&amp;lanetas</translation>
    </message>
    <message>
        <source>none: standard time as typed, summer time as this computer keeps it</source>
        <translation>ninguna: hora estándar tal como se escribe, horario de verano como lo lleva este ordenador</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
</TS>
