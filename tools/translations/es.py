# Spanish texts of the window (tools/fill_translations.py es).
TEXTS = {
    "Right ascension (J2000):":
        "Ascensión recta (J2000):",
    "Declination (J2000):":
        "Declinación (J2000):",
    "Altitude:":
        "Altura:",
    "Azimuth:":
        "Acimut:",
    "Distance from Earth:":
        "Distancia a la Tierra:",
    "Distance from Sun:":
        "Distancia al Sol:",
    "Illuminated fraction:":
        "Fracción iluminada:",
    "Magnitude:":
        "Magnitud:",
    "Angular size:":
        "Tamaño angular:",
    "Civil twilight:":
        "Crepúsculo civil:",
    "Nautical twilight:":
        "Crepúsculo náutico:",
    "Astronomical twilight:":
        "Crepúsculo astronómico:",
    "Phase:":
        "Fase:",
    "Age:":
        "Edad:",
    "Search for Solar System...":
        "Buscar en el Sistema Solar...",
    "Colors...":
        "Colores...",
    "Date/Time...":
        "Fecha/hora...",
    "Daylight &saving time":
        "Horario de &verano",
    "Set to the present time at this place; OK shows its sky.":
        "Puesto a la hora actual en este lugar; Aceptar muestra su cielo.",
    "&Now...":
        "&Ahora...",
    "&Date:":
        "&Fecha:",
    "&Time:":
        "&Hora:",
    "Offset:":
        "Desfase:",
    "Deep sky objects...":
        "Objetos de cielo profundo...",
    "Catalog number:":
        "Número de catálogo:",
    "Common name:":
        "Nombre común:",
    "Type:":
        "Tipo:",
    "HIP number:":
        "Número HIP:",
    "Designation:":
        "Designación:",
    "Colour index (B-V):":
        "Índice de color (B-V):",
    "Spectral type:":
        "Tipo espectral:",
    "Eyepiece Fields":
        "Campos de oculares",
    "&Add":
        "&Añadir",
    "&Change":
        "&Cambiar",
    "&Remove":
        "&Quitar",
    "Circle of a given diameter":
        "Círculo de un diámetro dado",
    "Eyepiece on a telescope":
        "Ocular en un telescopio",
    "Camera on a telescope":
        "Cámara en un telescopio",
    "Centre the &fields on the telescope while one is connected":
        'Centrar los &campos en el telescopio mientras haya uno conectado',
    "&Name:":
        "&Nombre:",
    "&Kind:":
        "&Clase:",
    "&Diameter (arc-minutes):":
        "&Diámetro (minutos de arco):",
    "&Telescope focal length (mm):":
        "Focal del &telescopio (mm):",
    "&Eyepiece focal length (mm):":
        "Focal del &ocular (mm):",
    "A&pparent field (°):":
        "Campo a&parente (°):",
    "Sensor &width (mm):":
        "&Anchura del sensor (mm):",
    "Sensor &height (mm):":
        "A&ltura del sensor (mm):",
    "Field on the sky:":
        "Campo en el cielo:",
    "Find (F3)":
        "Buscar (F3)",
    "Find an object by any of its names":
        "Buscar un objeto por cualquiera de sus nombres",
    "%1 — %2, %3° %4":
        "%1 — %2, %3° %4",
    "up":
        "sobre el horizonte",
    "below the horizon":
        "bajo el horizonte",
    "Help":
        "Ayuda",
    "The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.":
        "La página de la guía. Pulse un enlace para seguirlo; Atrás (Alt+Izquierda) y Adelante (Alt+Derecha) rehacen sus pasos.",
    "The guide's pages in their order, each with its sections. Click one to read it.":
        "Las páginas de la guía en orden, cada una con sus secciones. Pulse una para leerla.",
    "Type a word to look for":
        "Escriba una palabra que buscar",
    "Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.":
        "Escriba el comienzo de una palabra: el índice de abajo conserva las entradas que la contienen. Intro abre la primera.",
    "Every topic of the guide in alphabetical order. Click one to read it.":
        "Todos los temas de la guía en orden alfabético. Pulse uno para leerlo.",
    "&Contents":
        "&Contenido",
    "&Index":
        "Í&ndice",
    "Navigation":
        "Navegación",
    "&Back":
        "&Atrás",
    "Goes back to the page you read before.":
        "Vuelve a la página leída antes.",
    "&Forward":
        "A&delante",
    "Goes forward again after Back.":
        "Avanza de nuevo después de Atrás.",
    "C&ontents":
        "C&ontenido",
    "Goes to the guide's first page, the list of all its pages.":
        "Va a la primera página de la guía, la lista de todas sus páginas.",
    "&Using Help":
        "&Cómo usar la ayuda",
    "Explains this window.":
        "Explica esta ventana.",
    "<h1>Page not found</h1><p>The user guide has no page <b>%1</b>: the folder <tt>%2</tt> should hold it. Installing Stellix again puts the guide back.</p>":
        "<h1>Página no encontrada</h1><p>La guía no tiene la página <b>%1</b>: la carpeta <tt>%2</tt> debería contenerla. Instalar Stellix de nuevo restituye la guía.</p>",
    "Help: %1":
        "Ayuda: %1",
    "Right ascension (of date):":
        "Ascensión recta (de la fecha):",
    "Declination (of date):":
        "Declinación (de la fecha):",
    "Rise:":
        "Orto:",
    "Transit:":
        "Tránsito:",
    "Transit altitude:":
        "Altura del tránsito:",
    "Set:":
        "Ocaso:",
    "Image":
        "Imagen",
    "Language":
        "Idioma",
    "The system's language":
        "El idioma del sistema",
    "&Language:":
        "&Idioma:",
    "The new language takes effect after a restart of Stellix.":
        "El nuevo idioma se aplica tras reiniciar Stellix.",
    "Search for star...":
        "Buscar estrella...",
    "Search for constellation...":
        "Buscar constelación...",
    "Search for NGC...":
        "Buscar objeto NGC...",
    "Observer's Location...":
        "Lugar de observación...",
    "&Enter your location":
        "&Escriba su lugar",
    "L&atitude:":
        "L&atitud:",
    "Lo&ngitude:":
        "Lo&ngitud:",
    "&Time zone:":
        "&Zona horaria:",
    "hours ahead of Greenwich":
        "horas por delante de Greenwich",
    "Time zone rules:":
        "Reglas de la zona horaria:",
    "Type part of a name (%n places)": [
        "Escriba parte de un nombre (%n lugar)",
        "Escriba parte de un nombre (%n lugares)",
    ],
    "Fin&d:":
        "Bus&car:",
    "&Select location":
        "&Elegir lugar",
    "%1 (%2 on the date set)":
        "%1 (%2 en la fecha puesta)",
    "Magnitude limits...":
        "Magnitudes límite...",
    "&Auto mode":
        "Modo &automático",
    "<b>The sky</b><p>Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.</p>":
        "<b>El cielo</b><p>Pulse un punto para llevarlo al centro; arrastre para girar el cielo; la rueda del ratón acerca y aleja. Pulse un objeto con el botón derecho para ver su ficha. Las flechas mueven el campo hacia donde apuntan, * y / del teclado numérico acercan y alejan.</p>",
    "&File":
        "&Archivo",
    "&View":
        "&Ver",
    "&Settings":
        "A&justes",
    "&Chart Mode":
        "Modo de &carta",
    "&Stars":
        "&Estrellas",
    "Sky &Background":
        "&Fondo del cielo",
    "&Time":
        "&Tiempo",
    "Sea&rch":
        "&Buscar",
    "&Deep Sky Object":
        "Objeto de cielo &profundo",
    "&Horizon Point":
        "Punto del &horizonte",
    "&Help":
        "Ay&uda",
    "Na&vigation Toolbar":
        "Barra de &navegación",
    "Show or hide the navigation toolbar":
        "Mostrar u ocultar la barra de navegación",
    "Right ascension (J2000) of the sky under the pointer.":
        "Ascensión recta (J2000) del cielo bajo el puntero.",
    "Declination (J2000) of the sky under the pointer.":
        "Declinación (J2000) del cielo bajo el puntero.",
    "The observer's place; Settings > Observer's Location changes it.":
        "El lugar del observador; Ajustes > Lugar de observación lo cambia.",
    "The local time of the sky shown, with the time zone's abbreviation and its offset from Universal Time.":
        "La hora local del cielo mostrado, con la abreviatura de la zona horaria y su desfase respecto al tiempo universal.",
    "The date of the sky shown.":
        "La fecha del cielo mostrado.",
    "Press Esc to leave full screen":
        "Esc sale de la pantalla completa",
    "Recent File":
        "Archivo reciente",
    "Search for Messier...":
        "Buscar objeto Messier...",
    "Enter catalog number":
        "Escriba el número de catálogo",
    "A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.":
        "Un planetario de escritorio. Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior, sin garantía alguna. Datos del cielo: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), base de datos tz, NASA. Mapas de los planetas: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.",
    "<a href=\"sources\" style=\"color:#9cc8ff\">Data sources and licences...</a>":
        "<a href=\"sources\" style=\"color:#9cc8ff\">Fuentes de datos y licencias...</a>",
    "Opens the user guide at the full list of the sky data's sources, their authors and their licences.":
        "Abre la guía en la lista completa de las fuentes de los datos del cielo, sus autores y sus licencias.",
    "Version %1":
        "Versión %1",
    "HR number:":
        "Número HR:",
    "Bayer:":
        "Bayer:",
    "Flamsteed:":
        "Flamsteed:",
    "Proper name:":
        "Nombre propio:",
    "Tonight":
        "Esta noche",
    "Planets in the night, each at its highest:":
        "Planetas en la noche, cada uno en su punto más alto:",
    "Objects above 30° at:":
        "Objetos a más de 30° a las:",
    "Name":
        "Nombre",
    "Kind":
        "Clase",
    "Magnitude":
        "Magnitud",
    "Rise":
        "Orto",
    "Set":
        "Ocaso",
    "Hour":
        "Hora",
    "Altitude":
        "Altura",
    "Azimuth":
        "Acimut",
    "Moonrise %1, moonset %2":
        "Salida de la Luna %1, puesta de la Luna %2",
    "Moonset %1, moonrise %2":
        "Puesta de la Luna %1, salida de la Luna %2",
    "Sunset %1; civil twilight ends %2, nautical %3, astronomical %4":
        "Puesta del Sol %1; el crepúsculo civil termina %2, náutico %3, astronómico %4",
    "%1; %2, illuminated %3":
        "%1; %2, iluminada %3",
    "Dark hours without the Moon: %1":
        "Horas oscuras sin Luna: %1",
    "&Grids":
        "&Cuadrículas",
    "Alt-a&zimuth Grid":
        "Cuadrícula alta&cimutal",
    "Meridia&n":
        "Meridia&no",
    "&Boundaries":
        "&Límites",
    "Constellation &Lines":
        "&Líneas de constelaciones",
    "&Deep Sky Objects":
        "Objetos de cielo &profundo",
    "&Milky Way":
        "Vía &Láctea",
    "&Solar System Objects":
        "Objetos del &Sistema Solar",
    "&Eclipic":
        "&Eclíptica",
    "Star &Names":
        "&Nombres de estrellas",
    "D&eep Sky Labels":
        "&Etiquetas de cielo profundo",
    "&Planet Names":
        "Nombres de &planetas",
    "Stars &Colors":
        "C&olores de las estrellas",
    "&Atmospheric refraction":
        "Refracción &atmosférica",
    "E&yepiece Fields":
        "Campos de &oculares",
    "Eyep&iece Fields...":
        "Definir campos de oc&ulares...",
    "Fo&llow":
        "Se&guir",
    "&Red Screen":
        "Pantalla &roja",
    "&Full Screen":
        "Pantalla &completa",
    "&Toolbar":
        "Barra de &herramientas",
    "Status &Bar":
        "Barra de es&tado",
    "&Equatorial":
        "&Ecuatorial",
    "&Local Horizon":
        "&Horizonte local",
    "&Date/Time...":
        "&Fecha/hora...",
    "Observer's &Location...":
        "&Lugar de observación...",
    "&Magnitude Limits...":
        "&Magnitudes límite...",
    "Draw &Points":
        "Dibujar como &puntos",
    "Draw &Bitmaps":
        "Dibujar como &imágenes",
    "Deep Sky &Objects...":
        "&Objetos de cielo profundo...",
    "Colo&rs...":
        "Colo&res...",
    "Lan&guage...":
        "&Idioma...",
    "&Black":
        "&Negro",
    "&Color":
        "&Color",
    "&Star...":
        "&Estrella...",
    "&Constellation...":
        "&Constelación...",
    "S&olar System Object...":
        "&Objeto del Sistema Solar...",
    "&Messier Catalog...":
        "Catálogo &Messier...",
    "&NGC Catalog...":
        "Catálogo &NGC...",
    "&Tonight...":
        "Esta &noche...",
    "&East":
        "&Este",
    "&West":
        "&Oeste",
    "&North":
        "&Norte",
    "&South":
        "&Sur",
    "&Zenith":
        "&Cénit",
    "Na&dir":
        "Na&dir",
    "&Real Time":
        "Tiempo &real",
    "&Open...":
        "&Abrir...",
    "&Print...":
        "&Imprimir...",
    "Print Pre&view":
        "&Vista previa",
    "P&rint Setup...":
        "Configurar i&mpresión...",
    "E&xit":
        "&Salir",
    "&About Stellix...":
        "&Acerca de Stellix...",
    "New Moon":
        "Luna nueva",
    "Waxing crescent":
        "Creciente",
    "First quarter":
        "Cuarto creciente",
    "Waxing gibbous":
        "Gibosa creciente",
    "Full Moon":
        "Luna llena",
    "Waning gibbous":
        "Gibosa menguante",
    "Last quarter":
        "Cuarto menguante",
    "Waning crescent":
        "Menguante",
    "Stellix\n\nStellix\n\n\nStellix.Document\nStellix Document":
        "Stellix\n\nStellix\n\n\nStellix.Document\nDocumento de Stellix",
    "Stellix":
        "Stellix",
    "Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||":
        "Archivos JPEG(*.JPG)|*.JPG|Archivos GIF(*.GIF)|*.GIF|Archivos PCX(*.PCX)|*.PCX|Archivos Targa(*.TGA)|*.TGA|Archivos BMP(*.BMP)|*.BMP|Archivos TIFF(*.TIF)|*.TIF||",
    "Can't open \"%s\" file !   ":
        "¡No se puede abrir el archivo «%s»!",
    "Object under horizon. Not visible.   ":
        "Objeto bajo el horizonte. No visible.",
    "Select star or press ' Cancel '.    ":
        "Elija una estrella o pulse «Cancelar».",
    "Select constellation or press ' Cancel '.    ":
        "Elija una constelación o pulse «Cancelar».",
    "Enter Messier number or press ' Cancel '.    ":
        "Escriba un número Messier o pulse «Cancelar».",
    "Wrong catalog number !    ":
        "¡Número de catálogo erróneo!",
    "Select NGC object or press ' Cancel '.    ":
        "Elija un objeto NGC o pulse «Cancelar».",
    "Animation has no effect when the Solar System is disabled in Equatorial mode !    ":
        "¡La animación no tiene efecto con el Sistema Solar desactivado en modo ecuatorial!",
    "Can't initialize rendering context for OpenGL !    ":
        "¡No se puede crear el contexto de dibujo de OpenGL!",
    "Couldn't load the image \"%s\" !    ":
        "¡No se pudo cargar la imagen «%s»!",
    "Set your display to High Color or more to run Stellix !    ":
        "¡Ponga su pantalla en High Color (16 bits) o más para usar Stellix!",
    "You have entered wrong number! It must be from %d to %d.    ":
        "¡Ha escrito un número erróneo! Debe estar entre %d y %d.",
    "Can't write the settings file \"%s\" !   ":
        "¡No se puede escribir el archivo de ajustes «%s»!",
    "Unknown DIB file format.":
        "Formato de archivo DIB desconocido.",
    "Image file conversion error.":
        "Error de conversión del archivo de imagen.",
    "Failed to open DIB file %s.\n":
        "No se pudo abrir el archivo DIB %s.\n",
    "Out of memory.":
        "Memoria insuficiente.",
    "Error":
        "Error",
    "Settings out of range in \"%s\" were replaced by the nearest allowed values: %s   ":
        "Los ajustes fuera de rango en «%s» se sustituyeron por los valores permitidos más cercanos: %s",
    "The file \"%s\" is damaged: %s. The sky is shown without those records.   ":
        "El archivo «%s» está dañado: %s. El cielo se muestra sin esos registros.",
    "records %s to %s are missing":
        "faltan los registros %s a %s",
    "record %s is missing":
        "falta el registro %s",
    "record %s is unusable (%s)":
        "el registro %s es inutilizable (%s)",
    "%s records are unusable, the first record %s (%s)":
        "%s registros son inutilizables, el primero el registro %s (%s)",
    "a coordinate out of range or not a number":
        "una coordenada fuera de rango o que no es un número",
    "a magnitude out of range or not a number":
        "una magnitud fuera de rango o que no es un número",
    "a label offset beyond 1000 pixels":
        "un desplazamiento de etiqueta de más de 1000 píxeles",
    "a position angle or an axis out of range or not a number":
        "un ángulo de posición o un eje fuera de rango o que no es un número",
    "a longitude, latitude, minute or time zone out of range":
        "una longitud, latitud, minuto o zona horaria fuera de rango",
    "a line that does not read as its numbers":
        "una línea que no se lee como sus números",
    "The texture file \"%s\" cannot be used: %s   ":
        "El archivo de textura «%s» no se puede usar: %s",
    "it is not a BMP file.":
        "no es un archivo BMP.",
    "a proper motion or parallax out of range or not a number":
        "un movimiento propio o una paralaje fuera de rango o que no es un número",
    "a time zone that this computer's tzdata does not know":
        "una zona horaria que la tzdata de este ordenador no conoce",
    "The file \"%s\" is damaged: its header is not one this program reads. The sky is shown without that file.   ":
        "El archivo «%s» está dañado: su cabecera no es de las que este programa lee. El cielo se muestra sin ese archivo.",
    "Give the field a name.    ":
        "Dé un nombre al campo.",
    "%s must be a number from %s to %s.    ":
        "%s debe ser un número de %s a %s.",
    "This field would be %s wide; a field may be at most %s wide.    ":
        "Este campo tendría %s de ancho; un campo puede tener como mucho %s.",
    "There is room for %s fields; remove one to add another.    ":
        "Hay sitio para %s campos; quite uno para añadir otro.",
    "near %s (%s km)":
        "cerca de %s (%s km)",
    "Following %s":
        "Siguiendo %s",
    "Choose the object to follow first: search for it, then press T.    ":
        "Elija primero el objeto que seguir: búsquelo y pulse T.",
    "Moon":
        "Luna",
    "Sun":
        "Sol",
    "Mercury":
        "Mercurio",
    "Venus":
        "Venus",
    "Mars":
        "Marte",
    "Jupiter":
        "Júpiter",
    "Saturn":
        "Saturno",
    "Uranus":
        "Urano",
    "Neptune":
        "Neptuno",
    "Pluto":
        "Plutón",
    "Constellation line.    ":
        "Línea de constelación.",
    "Constellation boundary.    ":
        "Límite de constelación.",
    "Right ascension grid line.    ":
        "Línea de la cuadrícula de ascensión recta.",
    "Declination grid line.    ":
        "Línea de la cuadrícula de declinación.",
    "Ecliptic line.    ":
        "Eclíptica.",
    " million km":
        " millones de km",
    "Open cluster":
        "Cúmulo abierto",
    "Globular cluster":
        "Cúmulo globular",
    "Galaxy":
        "Galaxia",
    "Nebula":
        "Nebulosa",
    "Planetary nebula":
        "Nebulosa planetaria",
    " Real time":
        " Tiempo real",
    " 10 minutes":
        " 10 minutos",
    " 30 minutes":
        " 30 minutos",
    " 1 hour":
        " 1 hora",
    " 1 day":
        " 1 día",
    " 7 days":
        " 7 días",
    " 1 month":
        " 1 mes",
    " 1 year":
        " 1 año",
    "Large Magellanic Cloud.    ":
        "Gran Nube de Magallanes.",
    "Small Magellanic Cloud.    ":
        "Pequeña Nube de Magallanes.",
    "Time step\nTime step":
        "Paso de tiempo\nPaso de tiempo",
    "Move the field left\nMove the field left":
        "Mover el campo a la izquierda\nMover el campo a la izquierda",
    "Move the field right\nMove the field right":
        "Mover el campo a la derecha\nMover el campo a la derecha",
    "Move the field up\nMove the field up":
        "Mover el campo hacia arriba\nMover el campo hacia arriba",
    "Move the field down\nMove the field down":
        "Mover el campo hacia abajo\nMover el campo hacia abajo",
    "Zoom the field in\nZoom in":
        "Acercar el campo\nAcercar",
    "Zoom the field out\nZoom out":
        "Alejar el campo\nAlejar",
    "Deep sky objects\nDeep sky objects":
        "Objetos de cielo profundo\nObjetos de cielo profundo",
    "Constellation boundaries\nBoundaries":
        "Límites de las constelaciones\nLímites",
    "Constellation lines\nConstellation lines":
        "Líneas de las constelaciones\nLíneas de constelaciones",
    "Coordination grid lines\nGrids":
        "Líneas de la cuadrícula de coordenadas\nCuadrículas",
    "Milky Way\nMilky Way":
        "Vía Láctea\nVía Láctea",
    "Solar System objects\nSolar System":
        "Objetos del Sistema Solar\nSistema Solar",
    "Date and time\nDate and time":
        "Fecha y hora\nFecha y hora",
    "Location of the observer\nLocation":
        "Lugar del observador\nLugar",
    "Magnitude limits":
        "Magnitudes límite",
    "Deep sky objects settings\nDeep sky objects":
        "Ajustes de los objetos de cielo profundo\nObjetos de cielo profundo",
    "Animation backward\nAnimation backward":
        "Animación hacia atrás\nAnimación hacia atrás",
    "Colors settings\nColors":
        "Ajustes de colores\nColores",
    "One step animation backward\nOne step backward":
        "Un paso de animación hacia atrás\nUn paso atrás",
    "Show or hide stars colors\nStars colors":
        "Mostrar u ocultar los colores de las estrellas\nColores de las estrellas",
    "Animation stop\nAnimation stop":
        "Detener la animación\nDetener la animación",
    "One step animation forward\nOne step forward":
        "Un paso de animación hacia adelante\nUn paso adelante",
    "Animation forward\nAnimation forward":
        "Animación hacia adelante\nAnimación hacia adelante",
    "Show or hide star names":
        "Mostrar u ocultar los nombres de las estrellas",
    "Show or hide Solar System names":
        "Mostrar u ocultar los nombres del Sistema Solar",
    "Show or hide deep sky labels":
        "Mostrar u ocultar las etiquetas de cielo profundo",
    "Equatorial mode":
        "Modo ecuatorial",
    "Local horizon mode":
        "Modo de horizonte local",
    "Show or hide red screen mode\nRed screen":
        "Activar o desactivar la pantalla roja\nPantalla roja",
    "Show or hide full screen mode\nFull screen":
        "Activar o desactivar la pantalla completa\nPantalla completa",
    "Show or hide ecliptic line":
        "Mostrar u ocultar la eclíptica",
    "Black background of the sky":
        "Fondo del cielo negro",
    "Color background of the sky":
        "Fondo del cielo en color",
    "Search for star":
        "Buscar estrella",
    "Search for Solar System object":
        "Buscar objeto del Sistema Solar",
    "Search for constellation":
        "Buscar constelación",
    "Search for Messier":
        "Buscar objeto Messier",
    "Search for NGC":
        "Buscar objeto NGC",
    "Search for East":
        "Mirar al este",
    "Search for West":
        "Mirar al oeste",
    "Search for North":
        "Mirar al norte",
    "Search for South":
        "Mirar al sur",
    "Search for Zenith":
        "Mirar al cénit",
    "Search for Nadir":
        "Mirar al nadir",
    "Draw stars as points":
        "Dibujar las estrellas como puntos",
    "Draw stars as bitmaps":
        "Dibujar las estrellas como imágenes",
    "Lift the local-horizon sky by the atmosphere's refraction\nAtmospheric refraction":
        "Elevar el cielo del horizonte local según la refracción de la atmósfera\nRefracción atmosférica",
    "Show the night ahead: twilight, the Moon, the planets and what stands high\nTonight":
        "Mostrar la noche que viene: crepúsculo, la Luna, los planetas y lo que está alto\nEsta noche",
    "Show or hide the fields of your eyepieces and cameras\nEyepiece fields":
        "Mostrar u ocultar los campos de sus oculares y cámaras\nCampos de oculares",
    "Define the fields of your eyepieces and cameras\nEyepiece fields":
        "Definir los campos de sus oculares y cámaras\nCampos de oculares",
    "Show or hide the grid of altitude and azimuth\nAlt-azimuth grid":
        "Mostrar u ocultar la cuadrícula de altura y acimut\nCuadrícula altacimutal",
    "Show or hide the meridian\nMeridian":
        "Mostrar u ocultar el meridiano\nMeridiano",
    "Keep the object you chose at the middle of the view while time runs\nFollow":
        "Mantener el objeto elegido en el centro de la vista mientras corre el tiempo\nSeguir",
    "Keep the sky at the present instant as the clock runs\nReal time":
        "Mantener el cielo en el instante presente mientras corre el reloj\nTiempo real",
    "Choose the language of the window; it takes effect after a restart\nLanguage":
        "Elegir el idioma de la ventana; se aplica tras reiniciar\nIdioma",
    "Open an image file\nOpen":
        "Abrir un archivo de imagen\nAbrir",
    "Change the printer and printing options\nPrint Setup":
        "Cambiar la impresora y las opciones de impresión\nConfigurar impresión",
    "Print the active document\nPrint":
        "Imprimir la carta\nImprimir",
    "Display full pages\nPrint Preview":
        "Mostrar páginas completas\nVista previa",
    "Open this document":
        "Abrir este documento",
    "RA 23h 59' 59\" ":
        "RA 23h 59' 59\" ",
    "DEC -89° 59' 59\" ":
        "DEC -89° 59' 59\" ",
    "30 May 2002 ":
        "30 sept 2002 ",
    "23:59 ":
        "23:59 ",
    "Slovak Republik:Bratislava    ":
        "Slovak Republik:Bratislava    ",
    "Display program information, version number and copyright\nAbout":
        "Mostrar la información del programa, su número de versión y su copyright\nAcerca de",
    "Quit the application; prompts to save documents\nExit":
        "Salir del programa\nSalir",
    "List Help topics\nHelp Topics":
        "Listar los temas de ayuda\nTemas de ayuda",
    "Display instructions about how to use help\nHelp":
        "Mostrar cómo usar la ayuda\nAyuda",
    "Display help for clicked on buttons, menus and windows\nHelp":
        "Mostrar ayuda sobre botones, menús y ventanas pulsados\nAyuda",
    "Display help for current task or command\nHelp":
        "Mostrar ayuda sobre la tarea u orden actual\nAyuda",
    "Show or hide the toolbar\nToggle ToolBar":
        "Mostrar u ocultar la barra de herramientas\nBarra de herramientas",
    "Show or hide the status bar\nToggle StatusBar":
        "Mostrar u ocultar la barra de estado\nBarra de estado",
    "Sun always higher":
        "Sol siempre más alto",
    "Sun always lower":
        "Sol siempre más bajo",
    "always above the horizon":
        "siempre sobre el horizonte",
    "never rises":
        "nunca sale",
    "not this day":
        "no este día",
    "Star":
        "Estrella",
    "Galaxy cluster":
        "Cúmulo de galaxias",
    "Other":
        "Otro",
    "unknown":
        "desconocida",
    "Deep sky object":
        "Objeto de cielo profundo",
    "none":
        "ninguna",
    "Planet":
        "Planeta",
    "&Messier":
        "&Messier",
    "On":
        "Sí",
    "Off":
        "No",
    "&NGC":
        "&NGC",
    "Open Cl&usters":
        "Cúmulos &abiertos",
    "&Glob. Clusters":
        "Cúmulos &globulares",
    "G&alaxies":
        "G&alaxias",
    "Ne&bulae":
        "Ne&bulosas",
    "&Planet. Nebulae":
        "Nebulosas &planetarias",
    "&Label by":
        "&Etiquetar por",
    "Catalog Number":
        "Número de catálogo",
    "Common Name":
        "Nombre común",
    "&Draw as":
        "&Dibujar como",
    "Symbols":
        "Símbolos",
    "Bitmaps":
        "Imágenes",
    "Constellation &lines":
        "&Líneas de constelaciones",
    "Const. &boundaries":
        "Límites de &constelaciones",
    "Const. l&abels":
        "Nombres de c&onstelaciones",
    "&Ecliptic":
        "&Eclíptica",
    "&Deep sky":
        "Cielo &profundo",
    "Deep s&ky labels":
        "Etiquetas de cielo p&rofundo",
    "&Star names":
        "Nombres de &estrellas",
    "&Planet names":
        "Nombres de p&lanetas",
    "none: standard time as typed, summer time as this computer keeps it":
        "ninguna: hora estándar tal como se escribe, horario de verano como lo lleva este ordenador",
    "%1 days":
        "%1 días",
    "<b>Print Preview</b><p>Shows the printed chart of the field you see, page by page, before anything goes to the printer.</p>":
        "<b>Vista previa</b><p>Muestra la carta impresa del campo que ve, página a página, antes de que nada vaya a la impresora.</p>",
    "<b>Open</b> (Ctrl+O)<p>Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.</p>":
        "<b>Abrir</b> (Ctrl+O)<p>Abre un archivo de imagen (JPEG, GIF, PCX, TGA, BMP o TIFF) en una ventana de imagen. El diálogo de archivos empieza en la carpeta Images del directorio de datos.</p>",
    "<b>Print</b> (Ctrl+P)<p>Prints the field you see as a black-on-white chart.</p>":
        "<b>Imprimir</b> (Ctrl+P)<p>Imprime el campo que ve como una carta en negro sobre blanco.</p>",
    "<b>Grids</b> (G)<p>Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&deg; of declination.</p>":
        "<b>Cuadrículas</b> (G)<p>Muestra u oculta la cuadrícula ecuatorial: un círculo cada hora de ascensión recta y cada 15&deg; de declinación.</p>",
    "<b>Boundaries</b> (B)<p>Shows or hides the boundaries of the 88 constellations and their names.</p>":
        "<b>Límites</b> (B)<p>Muestra u oculta los límites de las 88 constelaciones y sus nombres.</p>",
    "<b>Constellation lines</b> (L)<p>Shows or hides the figures that join the bright stars of each constellation.</p>":
        "<b>Líneas de constelaciones</b> (L)<p>Muestra u oculta las figuras que unen las estrellas brillantes de cada constelación.</p>",
    "<b>Deep sky objects</b> (D)<p>Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &gt; Deep Sky Objects chooses which kinds are drawn.</p>":
        "<b>Objetos de cielo profundo</b> (D)<p>Muestra u oculta los objetos Messier y NGC: cúmulos, galaxias y nebulosas. Ajustes &gt; Objetos de cielo profundo elige qué clases se dibujan.</p>",
    "<b>Milky Way</b> (M)<p>Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.</p>":
        "<b>Vía Láctea</b> (M)<p>Muestra u oculta la banda de la Vía Láctea y los contornos de las Nubes de Magallanes.</p>",
    "<b>Solar System</b> (P)<p>Shows or hides the Sun, the Moon and the planets.</p>":
        "<b>Sistema Solar</b> (P)<p>Muestra u oculta el Sol, la Luna y los planetas.</p>",
    "<b>Eyepiece fields</b> (Shift+E)<p>Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &gt; Eyepiece Fields... defines them.</p>":
        "<b>Campos de oculares</b> (Shift+E)<p>Muestra u oculta los campos de sus oculares y cámaras alrededor del centro de la vista. Ver &gt; Definir campos de oculares... los define.</p>",
    "<b>Date and time</b><p>Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.</p>":
        "<b>Fecha y hora</b><p>Pone la fecha y la hora del cielo mostrado, de 1901 a 2099, o vuelve al presente.</p>",
    "<b>Location</b><p>Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.</p>":
        "<b>Lugar</b><p>Pone el lugar de la Tierra desde el que observa: una ciudad de la lista, un punto del mapa del mundo, o latitud, longitud y zona horaria.</p>",
    "<b>Time step</b><p>How far each step of the time animation moves the clock: from real time (one second a second) to one year.</p>":
        "<b>Paso de tiempo</b><p>Cuánto avanza el reloj cada paso de la animación: desde tiempo real (un segundo por segundo) hasta un año.</p>",
    "<b>Animation backward</b> (Ctrl+B)<p>Runs time backwards, one time step after another, until you press Animation stop.</p>":
        "<b>Animación hacia atrás</b> (Ctrl+B)<p>Hace correr el tiempo hacia atrás, paso a paso, hasta que pulse Detener la animación.</p>",
    "<b>One step backward</b> ([)<p>Moves the clock back by one time step.</p>":
        "<b>Un paso atrás</b> ([)<p>Retrasa el reloj un paso de tiempo.</p>",
    "<b>Animation stop</b> (Esc)<p>Stops the time animation. The sky stays at the time it has reached.</p>":
        "<b>Detener la animación</b> (Esc)<p>Detiene la animación del tiempo. El cielo se queda en la hora alcanzada.</p>",
    "<b>One step forward</b> (])<p>Moves the clock on by one time step.</p>":
        "<b>Un paso adelante</b> (])<p>Adelanta el reloj un paso de tiempo.</p>",
    "<b>Animation forward</b> (Ctrl+F)<p>Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.</p>":
        "<b>Animación hacia adelante</b> (Ctrl+F)<p>Hace correr el tiempo hacia adelante, paso a paso, hasta que pulse Detener la animación. Los menús y diálogos esperan a que se detenga.</p>",
    "<b>What's this?</b> (Shift+F1)<p>Click this button, then on any button, menu item or field, to read what it does.</p>":
        "<b>¿Qué es esto?</b> (Shift+F1)<p>Pulse este botón y después cualquier botón, elemento de menú o campo para leer lo que hace.</p>",
    "<b>About Stellix</b><p>Shows the program's version, its licence and where its sky data comes from.</p>":
        "<b>Acerca de Stellix</b><p>Muestra la versión del programa, su licencia y de dónde vienen sus datos del cielo.</p>",
    "<b>Move the field left</b> (Left arrow)<p>The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.</p>":
        "<b>Mover el campo a la izquierda</b> (Left arrow)<p>Las estrellas van a la izquierda: ve más del cielo que quedaba a la derecha. El paso es menor cuanto más acerca.</p>",
    "<b>Move the field right</b> (Right arrow)<p>The stars move to the right: you see more of the sky that lay to the left.</p>":
        "<b>Mover el campo a la derecha</b> (Right arrow)<p>Las estrellas van a la derecha: ve más del cielo que quedaba a la izquierda.</p>",
    "<b>Move the field up</b> (Up arrow)<p>The stars move up: you see more of the sky that lay below the middle of the view.</p>":
        "<b>Mover el campo hacia arriba</b> (Up arrow)<p>Las estrellas suben: ve más del cielo que quedaba debajo del centro de la vista.</p>",
    "<b>Move the field down</b> (Down arrow)<p>The stars move down: you see more of the sky that lay above the middle of the view.</p>":
        "<b>Mover el campo hacia abajo</b> (Down arrow)<p>Las estrellas bajan: ve más del cielo que quedaba encima del centro de la vista.</p>",
    "<b>Zoom in</b> (* on the numeric keypad)<p>Doubles the magnification, up to 8192 times.</p>":
        "<b>Acercar</b> (* del teclado numérico)<p>Duplica el aumento, hasta 8192 veces.</p>",
    "<b>Zoom out</b> (/ on the numeric keypad)<p>Halves the magnification, down to the whole visible half of the sky.</p>":
        "<b>Alejar</b> (/ del teclado numérico)<p>Reduce el aumento a la mitad, hasta toda la mitad visible del cielo.</p>",
    "<b>Red screen</b> (Shift+R)<p>Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.</p>":
        "<b>Pantalla roja</b> (Shift+R)<p>Dibuja el cielo y toda la ventana en rojo tenue sobre negro, lo que mantiene sus ojos adaptados a la oscuridad en el telescopio.</p>",
    "<b>Full screen</b> (Shift+F)<p>Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.</p>":
        "<b>Pantalla completa</b> (Shift+F)<p>Muestra solo el cielo, en toda la pantalla. Esc o Shift+F de nuevo, o el puntero en el borde superior, para volver.</p>",
    "<b>Equatorial</b> (Ctrl+Q)<p>Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.</p>":
        "<b>Ecuatorial</b> (Ctrl+Q)<p>Muestra el cielo como una carta estelar, con el polo celeste arriba, como si la Tierra no estuviera.</p>",
    "<b>Local horizon</b> (Ctrl+H)<p>Shows the sky as you see it from your place, with the ground, the landscape and the compass points.</p>":
        "<b>Horizonte local</b> (Ctrl+H)<p>Muestra el cielo como lo ve desde su lugar, con el suelo, el paisaje y los puntos cardinales.</p>",
    "<b>Help</b> (F1)<p>Opens the user guide at the page of the window you are in.</p>":
        "<b>Ayuda</b> (F1)<p>Abre la guía en la página de la ventana en la que está.</p>",
    # The compass points on the ground.
    "S":
        "S",
    "SE":
        "SE",
    "E":
        "E",
    "NE":
        "NE",
    "N":
        "N",
    "NW":
        "NO",
    "W":
        "O",
    "SW":
        "SO",
    # Clock changes and the find box's kinds.
    "The clocks went forward by %s on this day: there was no %s; it is read as %s (%s).":
        "Ese día los relojes se adelantaron %s: no hubo %s; se lee como %s (%s).",
    "The clocks went back on this day: %s came twice; the first time (%s) is meant.":
        "Ese día los relojes se atrasaron: %s ocurrió dos veces; se toma la primera (%s).",
    "%s hour":
        "%s hora",
    "%s hours":
        "%s horas",
    "%s minute":
        "%s minuto",
    "%s minutes":
        "%s minutos",
    "galaxy":
        "galaxia",
    "open cluster":
        "cúmulo abierto",
    "globular cluster":
        "cúmulo globular",
    "bright nebula":
        "nebulosa brillante",
    "planetary nebula":
        "nebulosa planetaria",
    "galaxy cluster":
        "cúmulo de galaxias",
    "star":
        "estrella",
    "deep-sky object":
        "objeto de cielo profundo",
    "moon":
        "luna",
    "planet":
        "planeta",
    "constellation":
        "constelación",
    # The magnitude limits dialog.
    "&Deep sky objects":
        "Objetos de cielo &profundo",
    # The telescope, the Altitude Plot window, comets and minor planets, the planets' moons.
    "&Save as PNG/SVG...":
        "&Guardar como PNG/SVG...",
    "Altitude Plot - %1":
        "Gráfico de altura - %1",
    "PNG picture (*.png)":
        "Imagen PNG (*.png)",
    "SVG drawing (*.svg)":
        "Dibujo SVG (*.svg)",
    "Orbital elements (*.DAT *.dat *.txt *.TXT)":
        "Elementos orbitales (*.DAT *.dat *.txt *.TXT)",
    "All files (*)":
        "Todos los archivos (*)",
    "Altitude &Plot":
        "Gráfico de &altura",
    "&Slew Telescope":
        "&Apuntar el telescopio",
    "T&ools":
        "&Herramientas",
    "Telescope":
        "Telescopio",
    "&Connect":
        "&Conectar",
    "&Disconnect":
        "&Desconectar",
    "INDI server &host:":
        "&Host del servidor INDI:",
    "&Port:":
        "&Puerto:",
    "&Telescopes the server offers:":
        "&Telescopios que ofrece el servidor:",
    "Comets and &Asteroids":
        "Cometas y &asteroides",
    "Altitude &Plot...":
        "Gráfico de &altura...",
    "&Telescope...":
        "&Telescopio...",
    "&Slew to Selected":
        "&Apuntar al objeto elegido",
    "S&ync to Selected":
        "&Sincronizar con el objeto elegido",
    "Slew to View &Centre":
        "Apuntar al &centro de la vista",
    "&Abort Slew":
        "&Detener el apuntado",
    "&Park":
        "Apa&rcar",
    "&Unpark":
        "Desa&parcar",
    "&Follow the Telescope":
        "Se&guir el telescopio",
    "&Import Orbital Elements...":
        "Importar elementos &orbitales...",
    "Comet %s":
        "Cometa %s",
    "Minor planet %s":
        "Planeta menor %s",
    "The orbital elements are for %s, more than a year from the date shown: the place may be far off.":
        "Los elementos orbitales son para el %s, a más de un año de la fecha mostrada: la posición puede ser muy inexacta.",
    " AU":
        " ua",
    "%s years":
        "%s años",
    "No orbital elements were imported: %s   ":
        "No se importó ningún elemento orbital: %s   ",
    "%n orbital elements were read; they are kept in \"%1\" for the next start.": [
        "Se leyó %n elemento orbital; se guarda en «%1» para el próximo inicio.",
        "Se leyeron %n elementos orbitales; se guardan en «%1» para el próximo inicio.",
    ],
    "The orbital elements could not be kept in \"%s\": %s   ":
        "No se pudieron guardar los elementos orbitales en «%s»: %s   ",
    "%s: the file cannot be read":
        "%s: el archivo no se puede leer",
    "%s: the file holds no orbital elements":
        "%s: el archivo no contiene elementos orbitales",
    "%s from %s, the night of %s":
        "%s desde %s, la noche del %s",
    "Time at the place (%s)":
        "Hora del lugar (%s)",
    "Altitude (°)":
        "Altura (°)",
    "Civil twilight":
        "Crepúsculo civil",
    "Nautical twilight":
        "Crepúsculo náutico",
    "Astronomical twilight":
        "Crepúsculo astronómico",
    "Night":
        "Noche",
    "Transit %s, %s":
        "Tránsito %s, %s",
    "Shown %s":
        "Mostrado %s",
    "%s: %s %s, Moon %s":
        "%s: %s %s, Luna %s",
    "%s: %s %s":
        "%s: %s %s",
    "Choose the object to plot first: search for it or right-click it.    ":
        "Elija primero el objeto que trazar: búsquelo o haga clic derecho sobre él.    ",
    "Cannot write %s: %s.    ":
        "No se puede escribir %s: %s.    ",
    "No INDI server answers at %s:%s.":
        "Ningún servidor INDI responde en %s:%s.",
    "The INDI server at %s:%s closed the connection.":
        "El servidor INDI en %s:%s cerró la conexión.",
    "The INDI server offers no telescope called \"%s\".":
        "El servidor INDI no ofrece ningún telescopio llamado «%s».",
    "The telescope %s reported an impossible place: %s.":
        "El telescopio %s informó una posición imposible: %s.",
    "The telescope %s could not reach its target.":
        "El telescopio %s no pudo alcanzar su objetivo.",
    "Slewing to %s":
        "Apuntando a %s",
    "Tracking %s":
        "Seguimiento de %s",
    "Parking %s":
        "Aparcando %s",
    "%s is parked":
        "%s está aparcado",
    "Connect a telescope first: Tools > Telescope...":
        "Conecte primero un telescopio: Herramientas > Telescopio...",
    "Connected to %s":
        "Conectado a %s",
    "%s synced on %s":
        "%s sincronizado con %s",
    "%s stopped":
        "%s detenido",
    "The telescope is disconnected":
        "El telescopio está desconectado",
    "Connecting to %s:%s...":
        "Conectando con %s:%s...",
    "The INDI server at %s:%s offers no telescope.":
        "El servidor INDI en %s:%s no ofrece ningún telescopio.",
    "Select an object first: search for it or click it.":
        "Elija primero un objeto: búsquelo o haga clic en él.",
    "The port must be a number from 1 to 65535.":
        "El puerto debe ser un número de 1 a 65535.",
    "the centre of the view":
        "el centro de la vista",
    "The telescope %s did not answer.":
        "El telescopio %s no respondió.",
    "The telescope %s did not end its slew within %s minutes.":
        "El telescopio %s no terminó su apuntado en %s minutos.",
    "Centre: %s   %s (J2000)":
        "Centro: %s   %s (J2000)",
    "Field: %s x %s":
        "Campo: %s x %s",
    "Magnitudes:":
        "Magnitudes:",
    "Io":
        "Ío",
    "Europa":
        "Europa",
    "Ganymede":
        "Ganimedes",
    "Callisto":
        "Calisto",
    "Mimas":
        "Mimas",
    "Enceladus":
        "Encélado",
    "Tethys":
        "Tetis",
    "Dione":
        "Dione",
    "Rhea":
        "Rea",
    "Titan":
        "Titán",
    "Hyperion":
        "Hiperión",
    "Iapetus":
        "Jápeto",
    "Miranda":
        "Miranda",
    "Ariel":
        "Ariel",
    "Umbriel":
        "Umbriel",
    "Titania":
        "Titania",
    "Oberon":
        "Oberón",
    "Phobos":
        "Fobos",
    "Deimos":
        "Deimos",
    "Show or hide the comets and minor planets down to their own magnitude limit\nComets and asteroids":
        "Mostrar u ocultar los cometas y planetas menores hasta su propia magnitud límite\nCometas y asteroides",
    "Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file\nImport orbital elements":
        "Importar los elementos orbitales de cometas o planetas menores desde un archivo MPCORB.DAT o CometEls.txt\nImportar elementos orbitales",
    "Plot the chosen object's altitude through the night, with the Moon and the twilights\nAltitude plot":
        "Trazar la altura del objeto elegido a lo largo de la noche, con la Luna y los crepúsculos\nGráfico de altura",
    "Connect a telescope through an INDI server\nTelescope":
        "Conectar un telescopio a través de un servidor INDI\nTelescopio",
    "Point the telescope at the object you chose\nSlew to selected":
        "Apuntar el telescopio al objeto elegido\nApuntar al objeto elegido",
    "Tell the telescope that it points at the object you chose\nSync to selected":
        "Indicar al telescopio que apunta al objeto elegido\nSincronizar con el objeto elegido",
    "Point the telescope at the middle of the view\nSlew to view centre":
        "Apuntar el telescopio al centro de la vista\nApuntar al centro de la vista",
    "Stop the telescope's motion at once\nAbort slew":
        "Detener de inmediato el movimiento del telescopio\nDetener el apuntado",
    "Send the telescope to its park position\nPark":
        "Enviar el telescopio a su posición de aparcamiento\nAparcar",
    "Wake the telescope from its park position\nUnpark":
        "Sacar el telescopio de su posición de aparcamiento\nDesaparcar",
    "Keep the telescope's place at the middle of the view\nFollow the telescope":
        "Mantener la posición del telescopio en el centro de la vista\nSeguir el telescopio",
    'Find an object by any of its names, or a place; Shift+Enter opens its card': 'Buscar un objeto por cualquiera de sus nombres, o un lugar; Mayús+Intro abre su ficha',
    'place': 'lugar',
    "Observer's Location": 'Lugar del observador',
    'Set the observer to %1?': '¿Situar al observador en %1?',
    'Keep the object at the middle of the view while time runs': 'Mantener el objeto en el centro de la vista mientras pasa el tiempo',
    "%1 \u2014 %2": "%1 \u2014 %2",
    '&Go to Coordinates...':
        '&Ir a coordenadas...',
    'Centre the view on a right ascension and declination or an altitude and azimuth\nGo to coordinates':
        'Centrar la vista en una ascensión recta y declinación o en una altura y azimut\nIr a coordenadas',
    'Go to Coordinates':
        'Ir a coordenadas',
    'J2000 right ascension and declination':
        'Ascensión recta y declinación J2000',
    'Right ascension and declination of date':
        'Ascensión recta y declinación de la fecha',
    'Altitude and azimuth':
        'Altura y azimut',
    '&Frame:':
        '&Sistema:',
    '&Altitude:':
        '&Altura:',
    '&Right ascension:':
        '&Ascensión recta:',
    'A&zimuth (from the north through the east):':
        'A&zimut (desde el norte hacia el este):',
    '&Declination:':
        '&Declinación:',
    'The right ascension must be hours from 0 to 24 ("5h35m17s", "5 35 17", "5.588h") or degrees from 0 to 360 ("83.82°").':
        'La ascensión recta debe darse en horas de 0 a 24 ("5h35m17s", "5 35 17", "5.588h") o en grados de 0 a 360 ("83.82°").',
    'The declination must be degrees from -90 to +90 ("-5°23\'28"", "-5 23 28", "-5.39").':
        'La declinación debe darse en grados de -90 a +90 ("-5°23\'28"", "-5 23 28", "-5.39").',
    'The altitude must be degrees from -90 to +90 ("35°30\'", "35 30", "35.5").':
        'La altura debe darse en grados de -90 a +90 ("35°30\'", "35 30", "35.5").',
    'The azimuth must be degrees from 0 to 360, from the north through the east ("135°", "135 30", "135.5").':
        'El azimut debe darse en grados de 0 a 360, desde el norte hacia el este ("135°", "135 30", "135.5").',
    "Planet:":
        "Planeta:",
    "Separation from the planet:":
        "Separación del planeta:",
    "Position angle:":
        "Ángulo de posición:",
    "Co&mets and asteroids:":
        "Co&metas y asteroides:",
    "Comet":
        "Cometa",
    "Minor planet":
        "Planeta menor",
}

# The constellations in the language's own names; those not listed keep
# their Latin names (tools/fill_translations.py).
TEXTS.update({
    "Andromeda": "Andrómeda",
    "Antlia": "Máquina Neumática",
    "Apus": "Ave del Paraíso",
    "Aquarius": "Acuario",
    "Aquila": "Águila",
    "Ara": "Altar",
    "Boötes": "Boyero",
    "Caelum": "Cincel",
    "Camelopardalis": "Jirafa",
    "Cancer": "Cáncer",
    "Canes Venatici": "Perros de Caza",
    "Canis Major": "Can Mayor",
    "Canis Minor": "Can Menor",
    "Capricornus": "Capricornio",
    "Carina": "Quilla",
    "Cassiopeia": "Casiopea",
    "Centaurus": "Centauro",
    "Cepheus": "Cefeo",
    "Cetus": "Ballena",
    "Chamaeleon": "Camaleón",
    "Circinus": "Compás",
    "Columba": "Paloma",
    "Coma Berenices": "Cabellera de Berenice",
    "Corona Austrina": "Corona Austral",
    "Corona Borealis": "Corona Boreal",
    "Corvus": "Cuervo",
    "Crater": "Copa",
    "Crux": "Cruz del Sur",
    "Cygnus": "Cisne",
    "Delphinus": "Delfín",
    "Draco": "Dragón",
    "Equuleus": "Caballito",
    "Eridanus": "Erídano",
    "Fornax": "Horno",
    "Gemini": "Géminis",
    "Grus": "Grulla",
    "Hercules": "Hércules",
    "Horologium": "Reloj",
    "Hydra": "Hidra",
    "Hydrus": "Hidra Macho",
    "Indus": "Indio",
    "Lacerta": "Lagarto",
    "Leo Minor": "León Menor",
    "Lepus": "Liebre",
    "Lupus": "Lobo",
    "Lynx": "Lince",
    "Lyra": "Lira",
    "Mensa": "Mesa",
    "Microscopium": "Microscopio",
    "Monoceros": "Unicornio",
    "Musca": "Mosca",
    "Norma": "Escuadra",
    "Octans": "Octante",
    "Ophiuchus": "Ofiuco",
    "Orion": "Orión",
    "Pegasus": "Pegaso",
    "Perseus": "Perseo",
    "Phoenix": "Fénix",
    "Pictor": "Pintor",
    "Pisces": "Piscis",
    "Piscis Austrinus": "Pez Austral",
    "Puppis": "Popa",
    "Pyxis": "Brújula",
    "Reticulum": "Retículo",
    "Sagitta": "Flecha",
    "Sagittarius": "Sagitario",
    "Scorpius": "Escorpio",
    "Sculptor": "Escultor",
    "Scutum": "Escudo",
    "Serpens Caput": "Cabeza de la Serpiente",
    "Serpens Cauda": "Cola de la Serpiente",
    "Sextans": "Sextante",
    "Taurus": "Tauro",
    "Telescopium": "Telescopio",
    "Triangulum": "Triángulo",
    "Triangulum Australe": "Triángulo Austral",
    "Tucana": "Tucán",
    "Ursa Major": "Osa Mayor",
    "Ursa Minor": "Osa Menor",
    "Volans": "Pez Volador",
    "Vulpecula": "Zorra",
})

# The toolbar's name, the Latin constellation names' switch and the plot's and PDF's faults.
TEXTS.update({
    "Main toolbar":
        "Barra de herramientas principal",
    "Name the constellations in &Latin":
        "Nombrar las constelaciones en &latín",
    "The sky and the printed chart name the constellations in Latin instead of the window's language. Takes effect at once.":
        "El cielo y la carta impresa nombran las constelaciones en latín en lugar del idioma de la ventana. Surte efecto al instante.",
    "the file name must end in .png or .svg":
        "el nombre del archivo debe terminar en .png o .svg",
    "the drawing could not be made":
        "no se pudo hacer el dibujo",
    "the PDF could not be started":
        "no se pudo empezar el PDF",
})

# The comet and minor-planet card.
TEXTS.update({
    'Elongation:': 'Elongación:',
    'Perihelion distance:': 'Distancia del perihelio:',
    'Semi-major axis:': 'Semieje mayor:',
    'Eccentricity:': 'Excentricidad:',
    'Inclination:': 'Inclinación:',
    'Period:': 'Periodo:',
    "Elements' epoch:": 'Época de los elementos:',
    'Other designations:': 'Otras designaciones:',
    'Central meridian (System II):': 'Meridiano central (Sistema II):',
})

TEXTS.update({
    # A constellation in the Search > Constellation list: its name in the
    # language, then the Latin one.
    "%1 (%2)": "%1 (%2)",
    # How much the clocks went forward or back, in the plural forms.
    "%n hour(s)": ["%n hora", "%n horas"],
    "%n minute(s)": ["%n minuto", "%n minutos"],
})

TEXTS.update({
    "Triton": "Tritón",
})
