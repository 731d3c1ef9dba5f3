# Italian texts of the window (tools/fill_translations.py it).
TEXTS = {
    "Right ascension (J2000):":
        "Ascensione retta (J2000):",
    "Declination (J2000):":
        "Declinazione (J2000):",
    "Altitude:":
        "Altezza:",
    "Azimuth:":
        "Azimut:",
    "Distance from Earth:":
        "Distanza dalla Terra:",
    "Distance from Sun:":
        "Distanza dal Sole:",
    "Illuminated fraction:":
        "Frazione illuminata:",
    "Magnitude:":
        "Magnitudine:",
    "Angular size:":
        "Dimensione angolare:",
    "Civil twilight:":
        "Crepuscolo civile:",
    "Nautical twilight:":
        "Crepuscolo nautico:",
    "Astronomical twilight:":
        "Crepuscolo astronomico:",
    "Phase:":
        "Fase:",
    "Age:":
        "Età:",
    "Search for Solar System...":
        "Cerca nel Sistema solare...",
    "Colors...":
        "Colori...",
    "Date/Time...":
        "Data/ora...",
    "Daylight &saving time":
        "Ora &legale",
    "Set to the present time at this place; OK shows its sky.":
        "Impostato all'ora attuale in questo luogo; OK mostra il suo cielo.",
    "&Now...":
        "&Adesso...",
    "&Date:":
        "&Data:",
    "&Time:":
        "&Ora:",
    "Offset:":
        "Scostamento:",
    "Deep sky objects...":
        "Oggetti del profondo cielo...",
    "Catalog number:":
        "Numero di catalogo:",
    "Common name:":
        "Nome comune:",
    "Type:":
        "Tipo:",
    "HIP number:":
        "Numero HIP:",
    "Designation:":
        "Designazione:",
    "Colour index (B-V):":
        "Indice di colore (B-V):",
    "Spectral type:":
        "Tipo spettrale:",
    "Eyepiece Fields":
        "Campi degli oculari",
    "&Add":
        "&Aggiungi",
    "&Change":
        "&Modifica",
    "&Remove":
        "&Rimuovi",
    "Circle of a given diameter":
        "Cerchio di diametro dato",
    "Eyepiece on a telescope":
        "Oculare su un telescopio",
    "Camera on a telescope":
        "Camera su un telescopio",
    "Centre the &fields on the telescope while one is connected":
        'Centra i &campi sul telescopio finché ne è collegato uno',
    "&Name:":
        "&Nome:",
    "&Kind:":
        "&Genere:",
    "&Diameter (arc-minutes):":
        "&Diametro (primi d'arco):",
    "&Telescope focal length (mm):":
        "Focale del &telescopio (mm):",
    "&Eyepiece focal length (mm):":
        "Focale dell'&oculare (mm):",
    "A&pparent field (°):":
        "Campo a&pparente (°):",
    "Sensor &width (mm):":
        "&Larghezza del sensore (mm):",
    "Sensor &height (mm):":
        "Al&tezza del sensore (mm):",
    "Field on the sky:":
        "Campo sul cielo:",
    "Find (F3)":
        "Trova (F3)",
    "Find an object by any of its names":
        "Trova un oggetto con uno qualsiasi dei suoi nomi",
    "%1 — %2, %3° %4":
        "%1 — %2, %3° %4",
    "up":
        "sopra l'orizzonte",
    "below the horizon":
        "sotto l'orizzonte",
    "Help":
        "Guida",
    "The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.":
        "La pagina della guida. Fai clic su un collegamento per seguirlo; Indietro (Alt+Sinistra) e Avanti (Alt+Destra) ripercorrono i tuoi passi.",
    "The guide's pages in their order, each with its sections. Click one to read it.":
        "Le pagine della guida in ordine, ciascuna con le sue sezioni. Fai clic su una per leggerla.",
    "Type a word to look for":
        "Scrivi una parola da cercare",
    "Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.":
        "Scrivi l'inizio di una parola: l'indice qui sotto tiene le voci che la contengono. Invio apre la prima.",
    "Every topic of the guide in alphabetical order. Click one to read it.":
        "Tutti gli argomenti della guida in ordine alfabetico. Fai clic su uno per leggerlo.",
    "&Contents":
        "&Sommario",
    "&Index":
        "&Indice",
    "Navigation":
        "Navigazione",
    "&Back":
        "&Indietro",
    "Goes back to the page you read before.":
        "Torna alla pagina letta prima.",
    "&Forward":
        "&Avanti",
    "Goes forward again after Back.":
        "Va di nuovo avanti dopo Indietro.",
    "C&ontents":
        "S&ommario",
    "Goes to the guide's first page, the list of all its pages.":
        "Va alla prima pagina della guida, l'elenco di tutte le sue pagine.",
    "&Using Help":
        "&Uso della guida",
    "Explains this window.":
        "Spiega questa finestra.",
    "<h1>Page not found</h1><p>The user guide has no page <b>%1</b>: the folder <tt>%2</tt> should hold it. Installing Stellix again puts the guide back.</p>":
        "<h1>Pagina non trovata</h1><p>La guida non ha la pagina <b>%1</b>: la cartella <tt>%2</tt> dovrebbe contenerla. Reinstallare Stellix rimette a posto la guida.</p>",
    "Help: %1":
        "Guida: %1",
    "Right ascension (of date):":
        "Ascensione retta (della data):",
    "Declination (of date):":
        "Declinazione (della data):",
    "Rise:":
        "Sorge:",
    "Transit:":
        "Transito:",
    "Transit altitude:":
        "Altezza al transito:",
    "Set:":
        "Tramonta:",
    "Image":
        "Immagine",
    "Language":
        "Lingua",
    "The system's language":
        "La lingua del sistema",
    "&Language:":
        "&Lingua:",
    "The new language takes effect after a restart of Stellix.":
        "La nuova lingua vale dal prossimo avvio di Stellix.",
    "Search for star...":
        "Cerca stella...",
    "Search for constellation...":
        "Cerca costellazione...",
    "Search for NGC...":
        "Cerca oggetto NGC...",
    "Observer's Location...":
        "Luogo di osservazione...",
    "&Enter your location":
        "&Scrivi il tuo luogo",
    "L&atitude:":
        "L&atitudine:",
    "Lo&ngitude:":
        "Lo&ngitudine:",
    "&Time zone:":
        "&Fuso orario:",
    "hours ahead of Greenwich":
        "ore avanti rispetto a Greenwich",
    "Time zone rules:":
        "Regole del fuso orario:",
    "Type part of a name (%n places)": [
        "Scrivi parte di un nome (%n luogo)",
        "Scrivi parte di un nome (%n luoghi)",
    ],
    "Fin&d:":
        "Tr&ova:",
    "&Select location":
        "S&cegli il luogo",
    "%1 (%2 on the date set)":
        "%1 (%2 alla data impostata)",
    "Magnitude limits...":
        "Magnitudini limite...",
    "&Auto mode":
        "Modo &automatico",
    "<b>The sky</b><p>Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.</p>":
        "<b>Il cielo</b><p>Fai clic su un punto per portarlo al centro; trascina per ruotare il cielo; la rotella del mouse ingrandisce e rimpicciolisce. Fai clic su un oggetto con il tasto destro per la sua scheda. I tasti freccia spostano il campo nella loro direzione, * e / del tastierino numerico ingrandiscono e rimpiccioliscono.</p>",
    "&File":
        "&File",
    "&View":
        "&Visualizza",
    "&Settings":
        "&Impostazioni",
    "&Chart Mode":
        "Modo della &carta",
    "&Stars":
        "&Stelle",
    "Sky &Background":
        "S&fondo del cielo",
    "&Time":
        "&Tempo",
    "Sea&rch":
        "&Cerca",
    "&Deep Sky Object":
        "Oggetto del &profondo cielo",
    "&Horizon Point":
        "Punto dell'&orizzonte",
    "&Help":
        "&Guida",
    "Na&vigation Toolbar":
        "Barra di &navigazione",
    "Show or hide the navigation toolbar":
        "Mostra o nascondi la barra di navigazione",
    "Right ascension (J2000) of the sky under the pointer.":
        "Ascensione retta (J2000) del cielo sotto il puntatore.",
    "Declination (J2000) of the sky under the pointer.":
        "Declinazione (J2000) del cielo sotto il puntatore.",
    "The observer's place; Settings > Observer's Location changes it.":
        "Il luogo dell'osservatore; Impostazioni > Luogo di osservazione lo cambia.",
    "The local time of the sky shown, with the time zone's abbreviation and its offset from Universal Time.":
        "L'ora locale del cielo mostrato, con la sigla del fuso orario e il suo scostamento dal tempo universale.",
    "The date of the sky shown.":
        "La data del cielo mostrato.",
    "Press Esc to leave full screen":
        "Esc esce dallo schermo intero",
    "Recent File":
        "File recente",
    "Search for Messier...":
        "Cerca oggetto Messier...",
    "Enter catalog number":
        "Scrivi il numero di catalogo",
    "A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.":
        "Un planetario da scrivania. Software libero sotto la GNU General Public License, versione 3 o successiva, senza alcuna garanzia. Dati del cielo: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), database tz, NASA. Mappe dei pianeti: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.",
    "<a href=\"sources\" style=\"color:#9cc8ff\">Data sources and licences...</a>":
        "<a href=\"sources\" style=\"color:#9cc8ff\">Fonti dei dati e licenze...</a>",
    "Opens the user guide at the full list of the sky data's sources, their authors and their licences.":
        "Apre la guida all'elenco completo delle fonti dei dati del cielo, dei loro autori e delle loro licenze.",
    "Version %1":
        "Versione %1",
    "HR number:":
        "Numero HR:",
    "Bayer:":
        "Bayer:",
    "Flamsteed:":
        "Flamsteed:",
    "Proper name:":
        "Nome proprio:",
    "Tonight":
        "Stanotte",
    "Planets in the night, each at its highest:":
        "Pianeti nella notte, ciascuno alla sua massima altezza:",
    "Objects above 30° at:":
        "Oggetti sopra 30° alle:",
    "Name":
        "Nome",
    "Kind":
        "Genere",
    "Magnitude":
        "Magnitudine",
    "Rise":
        "Sorge",
    "Set":
        "Tramonta",
    "Hour":
        "Ora",
    "Altitude":
        "Altezza",
    "Azimuth":
        "Azimut",
    "Moonrise %1, moonset %2":
        "Sorge la Luna %1, tramonta la Luna %2",
    "Moonset %1, moonrise %2":
        "Tramonta la Luna %1, sorge la Luna %2",
    "Sunset %1; civil twilight ends %2, nautical %3, astronomical %4":
        "Tramonto del Sole %1; il crepuscolo civile finisce %2, nautico %3, astronomico %4",
    "%1; %2, illuminated %3":
        "%1; %2, illuminata %3",
    "Dark hours without the Moon: %1":
        "Ore buie senza Luna: %1",
    "&Grids":
        "&Griglie",
    "Alt-a&zimuth Grid":
        "Griglia alta&zimutale",
    "Meridia&n":
        "Meridia&no",
    "&Boundaries":
        "&Confini",
    "Constellation &Lines":
        "&Linee delle costellazioni",
    "&Deep Sky Objects":
        "Oggetti del &profondo cielo",
    "&Milky Way":
        "Via &Lattea",
    "&Solar System Objects":
        "Oggetti del &Sistema solare",
    "&Eclipic":
        "&Eclittica",
    "Star &Names":
        "&Nomi delle stelle",
    "D&eep Sky Labels":
        "&Etichette del profondo cielo",
    "&Planet Names":
        "Nomi dei &pianeti",
    "Stars &Colors":
        "C&olori delle stelle",
    "&Atmospheric refraction":
        "Rifrazione &atmosferica",
    "E&yepiece Fields":
        "Campi degli oc&ulari",
    "Eyep&iece Fields...":
        "Definisci i campi degli ocula&ri...",
    "Fo&llow":
        "Se&gui",
    "&Red Screen":
        "Schermo &rosso",
    "&Full Screen":
        "Schermo &intero",
    "&Toolbar":
        "Barra degli s&trumenti",
    "Status &Bar":
        "Barra di s&tato",
    "&Equatorial":
        "&Equatoriale",
    "&Local Horizon":
        "&Orizzonte locale",
    "&Date/Time...":
        "&Data/ora...",
    "Observer's &Location...":
        "&Luogo di osservazione...",
    "&Magnitude Limits...":
        "&Magnitudini limite...",
    "Draw &Points":
        "Disegna come &punti",
    "Draw &Bitmaps":
        "Disegna come &immagini",
    "Deep Sky &Objects...":
        "&Oggetti del profondo cielo...",
    "Colo&rs...":
        "Colo&ri...",
    "Lan&guage...":
        "Lin&gua...",
    "&Black":
        "&Nero",
    "&Color":
        "&Colorato",
    "&Star...":
        "&Stella...",
    "&Constellation...":
        "&Costellazione...",
    "S&olar System Object...":
        "&Oggetto del Sistema solare...",
    "&Messier Catalog...":
        "Catalogo &Messier...",
    "&NGC Catalog...":
        "Catalogo &NGC...",
    "&Tonight...":
        "S&tanotte...",
    "&East":
        "&Est",
    "&West":
        "&Ovest",
    "&North":
        "&Nord",
    "&South":
        "&Sud",
    "&Zenith":
        "&Zenit",
    "Na&dir":
        "Na&dir",
    "&Real Time":
        "Tempo &reale",
    "&Open...":
        "&Apri...",
    "&Print...":
        "&Stampa...",
    "Print Pre&view":
        "&Anteprima di stampa",
    "P&rint Setup...":
        "Imposta s&tampa...",
    "E&xit":
        "&Esci",
    "&About Stellix...":
        "&Informazioni su Stellix...",
    "New Moon":
        "Luna nuova",
    "Waxing crescent":
        "Falce crescente",
    "First quarter":
        "Primo quarto",
    "Waxing gibbous":
        "Gibbosa crescente",
    "Full Moon":
        "Luna piena",
    "Waning gibbous":
        "Gibbosa calante",
    "Last quarter":
        "Ultimo quarto",
    "Waning crescent":
        "Falce calante",
    "Stellix\n\nStellix\n\n\nStellix.Document\nStellix Document":
        "Stellix\n\nStellix\n\n\nStellix.Document\nDocumento di Stellix",
    "Stellix":
        "Stellix",
    "Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||":
        "File JPEG(*.JPG)|*.JPG|File GIF(*.GIF)|*.GIF|File PCX(*.PCX)|*.PCX|File Targa(*.TGA)|*.TGA|File BMP(*.BMP)|*.BMP|File TIFF(*.TIF)|*.TIF||",
    "Can't open \"%s\" file !   ":
        "Impossibile aprire il file «%s»!",
    "Object under horizon. Not visible.   ":
        "Oggetto sotto l'orizzonte. Non visibile.",
    "Select star or press ' Cancel '.    ":
        "Scegli una stella o premi «Annulla».",
    "Select constellation or press ' Cancel '.    ":
        "Scegli una costellazione o premi «Annulla».",
    "Enter Messier number or press ' Cancel '.    ":
        "Scrivi un numero Messier o premi «Annulla».",
    "Wrong catalog number !    ":
        "Numero di catalogo errato!",
    "Select NGC object or press ' Cancel '.    ":
        "Scegli un oggetto NGC o premi «Annulla».",
    "Animation has no effect when the Solar System is disabled in Equatorial mode !    ":
        "L'animazione non ha effetto quando il Sistema solare è disattivato nel modo equatoriale!",
    "Can't initialize rendering context for OpenGL !    ":
        "Impossibile creare il contesto di disegno OpenGL!",
    "Couldn't load the image \"%s\" !    ":
        "Impossibile caricare l'immagine «%s»!",
    "Set your display to High Color or more to run Stellix !    ":
        "Imposta lo schermo almeno su High Color (16 bit) per usare Stellix!",
    "You have entered wrong number! It must be from %d to %d.    ":
        "Hai scritto un numero errato! Deve essere da %d a %d.",
    "Can't write the settings file \"%s\" !   ":
        "Impossibile scrivere il file delle impostazioni «%s»!",
    "Unknown DIB file format.":
        "Formato di file DIB sconosciuto.",
    "Image file conversion error.":
        "Errore di conversione del file immagine.",
    "Failed to open DIB file %s.\n":
        "Impossibile aprire il file DIB %s.\n",
    "Out of memory.":
        "Memoria esaurita.",
    "Error":
        "Errore",
    "Settings out of range in \"%s\" were replaced by the nearest allowed values: %s   ":
        "Le impostazioni fuori intervallo in «%s» sono state sostituite dai valori ammessi più vicini: %s",
    "The file \"%s\" is damaged: %s. The sky is shown without those records.   ":
        "Il file «%s» è danneggiato: %s. Il cielo è mostrato senza quei record.",
    "records %s to %s are missing":
        "mancano i record da %s a %s",
    "record %s is missing":
        "manca il record %s",
    "record %s is unusable (%s)":
        "il record %s è inutilizzabile (%s)",
    "%s records are unusable, the first record %s (%s)":
        "%s record sono inutilizzabili, il primo il record %s (%s)",
    "a coordinate out of range or not a number":
        "una coordinata fuori intervallo o non numerica",
    "a magnitude out of range or not a number":
        "una magnitudine fuori intervallo o non numerica",
    "a label offset beyond 1000 pixels":
        "uno spostamento dell'etichetta oltre 1000 pixel",
    "a position angle or an axis out of range or not a number":
        "un angolo di posizione o un asse fuori intervallo o non numerico",
    "a longitude, latitude, minute or time zone out of range":
        "una longitudine, latitudine, un minuto o un fuso orario fuori intervallo",
    "a line that does not read as its numbers":
        "una riga che non si legge come i suoi numeri",
    "The texture file \"%s\" cannot be used: %s   ":
        "Il file di texture «%s» non è utilizzabile: %s",
    "it is not a BMP file.":
        "non è un file BMP.",
    "a proper motion or parallax out of range or not a number":
        "un moto proprio o una parallasse fuori intervallo o non numerici",
    "a time zone that this computer's tzdata does not know":
        "un fuso orario che la tzdata di questo computer non conosce",
    "The file \"%s\" is damaged: its header is not one this program reads. The sky is shown without that file.   ":
        "Il file «%s» è danneggiato: la sua intestazione non è tra quelle che questo programma legge. Il cielo è mostrato senza quel file.",
    "Give the field a name.    ":
        "Dai un nome al campo.",
    "%s must be a number from %s to %s.    ":
        "%s deve essere un numero da %s a %s.",
    "This field would be %s wide; a field may be at most %s wide.    ":
        "Questo campo sarebbe largo %s; un campo può essere largo al massimo %s.",
    "There is room for %s fields; remove one to add another.    ":
        "C'è posto per %s campi; rimuovine uno per aggiungerne un altro.",
    "near %s (%s km)":
        "vicino a %s (%s km)",
    "Following %s":
        "Segue %s",
    "Choose the object to follow first: search for it, then press T.    ":
        "Scegli prima l'oggetto da seguire: cercalo, poi premi T.",
    "Moon":
        "Luna",
    "Sun":
        "Sole",
    "Mercury":
        "Mercurio",
    "Venus":
        "Venere",
    "Mars":
        "Marte",
    "Jupiter":
        "Giove",
    "Saturn":
        "Saturno",
    "Uranus":
        "Urano",
    "Neptune":
        "Nettuno",
    "Pluto":
        "Plutone",
    "Constellation line.    ":
        "Linea di costellazione.",
    "Constellation boundary.    ":
        "Confine di costellazione.",
    "Right ascension grid line.    ":
        "Linea della griglia di ascensione retta.",
    "Declination grid line.    ":
        "Linea della griglia di declinazione.",
    "Ecliptic line.    ":
        "Eclittica.",
    " million km":
        " milioni di km",
    "Open cluster":
        "Ammasso aperto",
    "Globular cluster":
        "Ammasso globulare",
    "Galaxy":
        "Galassia",
    "Nebula":
        "Nebulosa",
    "Planetary nebula":
        "Nebulosa planetaria",
    " Real time":
        " Tempo reale",
    " 10 minutes":
        " 10 minuti",
    " 30 minutes":
        " 30 minuti",
    " 1 hour":
        " 1 ora",
    " 1 day":
        " 1 giorno",
    " 7 days":
        " 7 giorni",
    " 1 month":
        " 1 mese",
    " 1 year":
        " 1 anno",
    "Large Magellanic Cloud.    ":
        "Grande Nube di Magellano.",
    "Small Magellanic Cloud.    ":
        "Piccola Nube di Magellano.",
    "Time step\nTime step":
        "Passo di tempo\nPasso di tempo",
    "Move the field left\nMove the field left":
        "Sposta il campo a sinistra\nSposta il campo a sinistra",
    "Move the field right\nMove the field right":
        "Sposta il campo a destra\nSposta il campo a destra",
    "Move the field up\nMove the field up":
        "Sposta il campo in alto\nSposta il campo in alto",
    "Move the field down\nMove the field down":
        "Sposta il campo in basso\nSposta il campo in basso",
    "Zoom the field in\nZoom in":
        "Ingrandisci il campo\nIngrandisci",
    "Zoom the field out\nZoom out":
        "Rimpicciolisci il campo\nRimpicciolisci",
    "Deep sky objects\nDeep sky objects":
        "Oggetti del profondo cielo\nOggetti del profondo cielo",
    "Constellation boundaries\nBoundaries":
        "Confini delle costellazioni\nConfini",
    "Constellation lines\nConstellation lines":
        "Linee delle costellazioni\nLinee delle costellazioni",
    "Coordination grid lines\nGrids":
        "Linee della griglia di coordinate\nGriglie",
    "Milky Way\nMilky Way":
        "Via Lattea\nVia Lattea",
    "Solar System objects\nSolar System":
        "Oggetti del Sistema solare\nSistema solare",
    "Date and time\nDate and time":
        "Data e ora\nData e ora",
    "Location of the observer\nLocation":
        "Luogo dell'osservatore\nLuogo",
    "Magnitude limits":
        "Magnitudini limite",
    "Deep sky objects settings\nDeep sky objects":
        "Impostazioni degli oggetti del profondo cielo\nOggetti del profondo cielo",
    "Animation backward\nAnimation backward":
        "Animazione all'indietro\nAnimazione all'indietro",
    "Colors settings\nColors":
        "Impostazioni dei colori\nColori",
    "One step animation backward\nOne step backward":
        "Un passo di animazione indietro\nUn passo indietro",
    "Show or hide stars colors\nStars colors":
        "Mostra o nascondi i colori delle stelle\nColori delle stelle",
    "Animation stop\nAnimation stop":
        "Ferma l'animazione\nFerma l'animazione",
    "One step animation forward\nOne step forward":
        "Un passo di animazione avanti\nUn passo avanti",
    "Animation forward\nAnimation forward":
        "Animazione in avanti\nAnimazione in avanti",
    "Show or hide star names":
        "Mostra o nascondi i nomi delle stelle",
    "Show or hide Solar System names":
        "Mostra o nascondi i nomi del Sistema solare",
    "Show or hide deep sky labels":
        "Mostra o nascondi le etichette del profondo cielo",
    "Equatorial mode":
        "Modo equatoriale",
    "Local horizon mode":
        "Modo orizzonte locale",
    "Show or hide red screen mode\nRed screen":
        "Attiva o disattiva lo schermo rosso\nSchermo rosso",
    "Show or hide full screen mode\nFull screen":
        "Attiva o disattiva lo schermo intero\nSchermo intero",
    "Show or hide ecliptic line":
        "Mostra o nascondi l'eclittica",
    "Black background of the sky":
        "Sfondo del cielo nero",
    "Color background of the sky":
        "Sfondo del cielo colorato",
    "Search for star":
        "Cerca stella",
    "Search for Solar System object":
        "Cerca oggetto del Sistema solare",
    "Search for constellation":
        "Cerca costellazione",
    "Search for Messier":
        "Cerca oggetto Messier",
    "Search for NGC":
        "Cerca oggetto NGC",
    "Search for East":
        "Guarda a est",
    "Search for West":
        "Guarda a ovest",
    "Search for North":
        "Guarda a nord",
    "Search for South":
        "Guarda a sud",
    "Search for Zenith":
        "Guarda allo zenit",
    "Search for Nadir":
        "Guarda al nadir",
    "Draw stars as points":
        "Disegna le stelle come punti",
    "Draw stars as bitmaps":
        "Disegna le stelle come immagini",
    "Lift the local-horizon sky by the atmosphere's refraction\nAtmospheric refraction":
        "Solleva il cielo dell'orizzonte locale della rifrazione atmosferica\nRifrazione atmosferica",
    "Show the night ahead: twilight, the Moon, the planets and what stands high\nTonight":
        "Mostra la notte che viene: crepuscolo, la Luna, i pianeti e ciò che sta alto\nStanotte",
    "Show or hide the fields of your eyepieces and cameras\nEyepiece fields":
        "Mostra o nascondi i campi dei tuoi oculari e delle tue camere\nCampi degli oculari",
    "Define the fields of your eyepieces and cameras\nEyepiece fields":
        "Definisci i campi dei tuoi oculari e delle tue camere\nCampi degli oculari",
    "Show or hide the grid of altitude and azimuth\nAlt-azimuth grid":
        "Mostra o nascondi la griglia di altezza e azimut\nGriglia altazimutale",
    "Show or hide the meridian\nMeridian":
        "Mostra o nascondi il meridiano\nMeridiano",
    "Keep the object you chose at the middle of the view while time runs\nFollow":
        "Tieni l'oggetto scelto al centro della vista mentre il tempo scorre\nSegui",
    "Keep the sky at the present instant as the clock runs\nReal time":
        "Tieni il cielo all'istante presente mentre l'orologio va\nTempo reale",
    "Choose the language of the window; it takes effect after a restart\nLanguage":
        "Scegli la lingua della finestra; vale dal prossimo avvio\nLingua",
    "Open an image file\nOpen":
        "Apri un file immagine\nApri",
    "Change the printer and printing options\nPrint Setup":
        "Cambia la stampante e le opzioni di stampa\nImposta stampa",
    "Print the active document\nPrint":
        "Stampa la carta\nStampa",
    "Display full pages\nPrint Preview":
        "Mostra pagine intere\nAnteprima di stampa",
    "Open this document":
        "Apri questo documento",
    "RA 23h 59' 59\" ":
        "RA 23h 59' 59\" ",
    "DEC -89° 59' 59\" ":
        "DEC -89° 59' 59\" ",
    "30 May 2002 ":
        "30 set 2002 ",
    "23:59 ":
        "23:59 ",
    "Slovak Republik:Bratislava    ":
        "Slovak Republik:Bratislava    ",
    "Display program information, version number and copyright\nAbout":
        "Mostra le informazioni sul programma, il numero di versione e il copyright\nInformazioni",
    "Quit the application; prompts to save documents\nExit":
        "Esci dal programma\nEsci",
    "List Help topics\nHelp Topics":
        "Elenca gli argomenti della guida\nArgomenti della guida",
    "Display instructions about how to use help\nHelp":
        "Mostra come usare la guida\nGuida",
    "Display help for clicked on buttons, menus and windows\nHelp":
        "Mostra la guida per pulsanti, menu e finestre cliccati\nGuida",
    "Display help for current task or command\nHelp":
        "Mostra la guida per l'attività o il comando attuale\nGuida",
    "Show or hide the toolbar\nToggle ToolBar":
        "Mostra o nascondi la barra degli strumenti\nBarra degli strumenti",
    "Show or hide the status bar\nToggle StatusBar":
        "Mostra o nascondi la barra di stato\nBarra di stato",
    "Sun always higher":
        "Sole sempre più alto",
    "Sun always lower":
        "Sole sempre più basso",
    "always above the horizon":
        "sempre sopra l'orizzonte",
    "never rises":
        "non sorge mai",
    "not this day":
        "non in questo giorno",
    "Star":
        "Stella",
    "Galaxy cluster":
        "Ammasso di galassie",
    "Other":
        "Altro",
    "unknown":
        "sconosciuta",
    "Deep sky object":
        "Oggetto del profondo cielo",
    "none":
        "nessuna",
    "Planet":
        "Pianeta",
    "&Messier":
        "&Messier",
    "On":
        "Sì",
    "Off":
        "No",
    "&NGC":
        "&NGC",
    "Open Cl&usters":
        "Ammassi &aperti",
    "&Glob. Clusters":
        "Ammassi &globulari",
    "G&alaxies":
        "G&alassie",
    "Ne&bulae":
        "Ne&bulose",
    "&Planet. Nebulae":
        "Nebulose &planetarie",
    "&Label by":
        "&Etichetta con",
    "Catalog Number":
        "Numero di catalogo",
    "Common Name":
        "Nome comune",
    "&Draw as":
        "&Disegna come",
    "Symbols":
        "Simboli",
    "Bitmaps":
        "Immagini",
    "Constellation &lines":
        "&Linee delle costellazioni",
    "Const. &boundaries":
        "&Confini delle costell.",
    "Const. l&abels":
        "&Nomi delle costell.",
    "&Ecliptic":
        "&Eclittica",
    "&Deep sky":
        "&Profondo cielo",
    "Deep s&ky labels":
        "Etichette del p&rofondo cielo",
    "&Star names":
        "Nomi delle &stelle",
    "&Planet names":
        "Nomi dei p&ianeti",
    "none: standard time as typed, summer time as this computer keeps it":
        "nessuno: ora solare come scritta, ora legale come la tiene questo computer",
    "%1 days":
        "%1 giorni",
    "<b>Print Preview</b><p>Shows the printed chart of the field you see, page by page, before anything goes to the printer.</p>":
        "<b>Anteprima di stampa</b><p>Mostra la carta stampata del campo che vedi, pagina per pagina, prima che qualcosa vada alla stampante.</p>",
    "<b>Open</b> (Ctrl+O)<p>Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.</p>":
        "<b>Apri</b> (Ctrl+O)<p>Apre un file immagine (JPEG, GIF, PCX, TGA, BMP o TIFF) in una finestra d'immagine. La finestra di scelta dei file parte dalla cartella Images della directory dei dati.</p>",
    "<b>Print</b> (Ctrl+P)<p>Prints the field you see as a black-on-white chart.</p>":
        "<b>Stampa</b> (Ctrl+P)<p>Stampa il campo che vedi come carta nero su bianco.</p>",
    "<b>Grids</b> (G)<p>Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&deg; of declination.</p>":
        "<b>Griglie</b> (G)<p>Mostra o nasconde la griglia equatoriale: un cerchio per ogni ora di ascensione retta e ogni 15&deg; di declinazione.</p>",
    "<b>Boundaries</b> (B)<p>Shows or hides the boundaries of the 88 constellations and their names.</p>":
        "<b>Confini</b> (B)<p>Mostra o nasconde i confini delle 88 costellazioni e i loro nomi.</p>",
    "<b>Constellation lines</b> (L)<p>Shows or hides the figures that join the bright stars of each constellation.</p>":
        "<b>Linee delle costellazioni</b> (L)<p>Mostra o nasconde le figure che uniscono le stelle luminose di ogni costellazione.</p>",
    "<b>Deep sky objects</b> (D)<p>Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &gt; Deep Sky Objects chooses which kinds are drawn.</p>":
        "<b>Oggetti del profondo cielo</b> (D)<p>Mostra o nasconde gli oggetti Messier e NGC: ammassi, galassie e nebulose. Impostazioni &gt; Oggetti del profondo cielo sceglie quali generi disegnare.</p>",
    "<b>Milky Way</b> (M)<p>Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.</p>":
        "<b>Via Lattea</b> (M)<p>Mostra o nasconde la fascia della Via Lattea e i contorni delle Nubi di Magellano.</p>",
    "<b>Solar System</b> (P)<p>Shows or hides the Sun, the Moon and the planets.</p>":
        "<b>Sistema solare</b> (P)<p>Mostra o nasconde il Sole, la Luna e i pianeti.</p>",
    "<b>Eyepiece fields</b> (Shift+E)<p>Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &gt; Eyepiece Fields... defines them.</p>":
        "<b>Campi degli oculari</b> (Shift+E)<p>Mostra o nasconde i campi dei tuoi oculari e delle tue camere intorno al centro della vista. Visualizza &gt; Definisci i campi degli oculari... li definisce.</p>",
    "<b>Date and time</b><p>Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.</p>":
        "<b>Data e ora</b><p>Imposta la data e l'ora del cielo mostrato, dal 1901 al 2099, o torna al presente.</p>",
    "<b>Location</b><p>Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.</p>":
        "<b>Luogo</b><p>Imposta il luogo della Terra da cui osservi: una città dell'elenco, un punto della carta del mondo, oppure latitudine, longitudine e fuso orario.</p>",
    "<b>Time step</b><p>How far each step of the time animation moves the clock: from real time (one second a second) to one year.</p>":
        "<b>Passo di tempo</b><p>Di quanto ogni passo dell'animazione sposta l'orologio: dal tempo reale (un secondo al secondo) a un anno.</p>",
    "<b>Animation backward</b> (Ctrl+B)<p>Runs time backwards, one time step after another, until you press Animation stop.</p>":
        "<b>Animazione all'indietro</b> (Ctrl+B)<p>Fa scorrere il tempo all'indietro, un passo dopo l'altro, finché premi Ferma l'animazione.</p>",
    "<b>One step backward</b> ([)<p>Moves the clock back by one time step.</p>":
        "<b>Un passo indietro</b> ([)<p>Porta l'orologio indietro di un passo di tempo.</p>",
    "<b>Animation stop</b> (Esc)<p>Stops the time animation. The sky stays at the time it has reached.</p>":
        "<b>Ferma l'animazione</b> (Esc)<p>Ferma l'animazione del tempo. Il cielo resta all'ora raggiunta.</p>",
    "<b>One step forward</b> (])<p>Moves the clock on by one time step.</p>":
        "<b>Un passo avanti</b> (])<p>Porta l'orologio avanti di un passo di tempo.</p>",
    "<b>Animation forward</b> (Ctrl+F)<p>Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.</p>":
        "<b>Animazione in avanti</b> (Ctrl+F)<p>Fa scorrere il tempo in avanti, un passo dopo l'altro, finché premi Ferma l'animazione. Menu e finestre di dialogo aspettano che si fermi.</p>",
    "<b>What's this?</b> (Shift+F1)<p>Click this button, then on any button, menu item or field, to read what it does.</p>":
        "<b>Che cos'è?</b> (Shift+F1)<p>Fai clic su questo pulsante, poi su un pulsante, una voce di menu o un campo, per leggere che cosa fa.</p>",
    "<b>About Stellix</b><p>Shows the program's version, its licence and where its sky data comes from.</p>":
        "<b>Informazioni su Stellix</b><p>Mostra la versione del programma, la sua licenza e la provenienza dei suoi dati del cielo.</p>",
    "<b>Move the field left</b> (Left arrow)<p>The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.</p>":
        "<b>Sposta il campo a sinistra</b> (Left arrow)<p>Le stelle vanno a sinistra: vedi più del cielo che stava a destra. Il passo è più piccolo quanto più ingrandisci.</p>",
    "<b>Move the field right</b> (Right arrow)<p>The stars move to the right: you see more of the sky that lay to the left.</p>":
        "<b>Sposta il campo a destra</b> (Right arrow)<p>Le stelle vanno a destra: vedi più del cielo che stava a sinistra.</p>",
    "<b>Move the field up</b> (Up arrow)<p>The stars move up: you see more of the sky that lay below the middle of the view.</p>":
        "<b>Sposta il campo in alto</b> (Up arrow)<p>Le stelle salgono: vedi più del cielo che stava sotto il centro della vista.</p>",
    "<b>Move the field down</b> (Down arrow)<p>The stars move down: you see more of the sky that lay above the middle of the view.</p>":
        "<b>Sposta il campo in basso</b> (Down arrow)<p>Le stelle scendono: vedi più del cielo che stava sopra il centro della vista.</p>",
    "<b>Zoom in</b> (* on the numeric keypad)<p>Doubles the magnification, up to 8192 times.</p>":
        "<b>Ingrandisci</b> (* del tastierino numerico)<p>Raddoppia l'ingrandimento, fino a 8192 volte.</p>",
    "<b>Zoom out</b> (/ on the numeric keypad)<p>Halves the magnification, down to the whole visible half of the sky.</p>":
        "<b>Rimpicciolisci</b> (/ del tastierino numerico)<p>Dimezza l'ingrandimento, fino a tutta la metà visibile del cielo.</p>",
    "<b>Red screen</b> (Shift+R)<p>Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.</p>":
        "<b>Schermo rosso</b> (Shift+R)<p>Disegna il cielo e tutta la finestra in rosso tenue su nero, così gli occhi restano adattati al buio al telescopio.</p>",
    "<b>Full screen</b> (Shift+F)<p>Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.</p>":
        "<b>Schermo intero</b> (Shift+F)<p>Mostra solo il cielo, su tutto lo schermo. Esc o di nuovo Shift+F, o il puntatore sul bordo superiore, per tornare.</p>",
    "<b>Equatorial</b> (Ctrl+Q)<p>Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.</p>":
        "<b>Equatoriale</b> (Ctrl+Q)<p>Mostra il cielo come una carta stellare, con il polo celeste in alto, come se la Terra non ci fosse.</p>",
    "<b>Local horizon</b> (Ctrl+H)<p>Shows the sky as you see it from your place, with the ground, the landscape and the compass points.</p>":
        "<b>Orizzonte locale</b> (Ctrl+H)<p>Mostra il cielo come lo vedi dal tuo luogo, con il suolo, il paesaggio e i punti cardinali.</p>",
    "<b>Help</b> (F1)<p>Opens the user guide at the page of the window you are in.</p>":
        "<b>Guida</b> (F1)<p>Apre la guida alla pagina della finestra in cui ti trovi.</p>",
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
        "Quel giorno gli orologi sono stati portati avanti di %s: le %s non ci sono state; si leggono come %s (%s).",
    "The clocks went back on this day: %s came twice; the first time (%s) is meant.":
        "Quel giorno gli orologi sono stati portati indietro: le %s sono venute due volte; vale la prima (%s).",
    "%s hour":
        "%s ora",
    "%s hours":
        "%s ore",
    "%s minute":
        "%s minuto",
    "%s minutes":
        "%s minuti",
    "galaxy":
        "galassia",
    "open cluster":
        "ammasso aperto",
    "globular cluster":
        "ammasso globulare",
    "bright nebula":
        "nebulosa brillante",
    "planetary nebula":
        "nebulosa planetaria",
    "galaxy cluster":
        "ammasso di galassie",
    "star":
        "stella",
    "deep-sky object":
        "oggetto del profondo cielo",
    "moon":
        "luna",
    "planet":
        "pianeta",
    "constellation":
        "costellazione",
    # The magnitude limits dialog.
    "&Deep sky objects":
        "Oggetti del &profondo cielo",
    # The telescope, the Altitude Plot window, comets and minor planets, the planets' moons.
    "&Save as PNG/SVG...":
        "&Salva come PNG/SVG...",
    "Altitude Plot - %1":
        "Grafico dell'altezza - %1",
    "PNG picture (*.png)":
        "Immagine PNG (*.png)",
    "SVG drawing (*.svg)":
        "Disegno SVG (*.svg)",
    "Orbital elements (*.DAT *.dat *.txt *.TXT)":
        "Elementi orbitali (*.DAT *.dat *.txt *.TXT)",
    "All files (*)":
        "Tutti i file (*)",
    "Altitude &Plot":
        "Grafico dell'&altezza",
    "&Slew Telescope":
        "&Punta il telescopio",
    "T&ools":
        "&Strumenti",
    "Telescope":
        "Telescopio",
    "&Connect":
        "&Connetti",
    "&Disconnect":
        "&Disconnetti",
    "INDI server &host:":
        "&Host del server INDI:",
    "&Port:":
        "&Porta:",
    "&Telescopes the server offers:":
        "&Telescopi offerti dal server:",
    "Comets and &Asteroids":
        "Comete e &asteroidi",
    "Altitude &Plot...":
        "Grafico dell'&altezza...",
    "&Telescope...":
        "&Telescopio...",
    "&Slew to Selected":
        "&Punta sull'oggetto scelto",
    "S&ync to Selected":
        "Sincroni&zza sull'oggetto scelto",
    "Slew to View &Centre":
        "Punta al &centro della vista",
    "&Abort Slew":
        "&Interrompi il puntamento",
    "&Park":
        "P&archeggia",
    "&Unpark":
        "&Rimuovi dal parcheggio",
    "&Follow the Telescope":
        "&Segui il telescopio",
    "&Import Orbital Elements...":
        "&Importa elementi orbitali...",
    "Comet %s":
        "Cometa %s",
    "Minor planet %s":
        "Pianeta minore %s",
    "The orbital elements are for %s, more than a year from the date shown: the place may be far off.":
        "Gli elementi orbitali valgono per il %s, a più di un anno dalla data mostrata: la posizione può essere molto imprecisa.",
    " AU":
        " UA",
    "%s years":
        "%s anni",
    "No orbital elements were imported: %s   ":
        "Nessun elemento orbitale importato: %s   ",
    "%n orbital elements were read; they are kept in \"%1\" for the next start.": [
        "%n elemento orbitale letto; è conservato in «%1» per il prossimo avvio.",
        "%n elementi orbitali letti; sono conservati in «%1» per il prossimo avvio.",
    ],
    "The orbital elements could not be kept in \"%s\": %s   ":
        "Impossibile conservare gli elementi orbitali in «%s»: %s   ",
    "%s: the file cannot be read":
        "%s: impossibile leggere il file",
    "%s: the file holds no orbital elements":
        "%s: il file non contiene elementi orbitali",
    "%s from %s, the night of %s":
        "%s da %s, la notte del %s",
    "Time at the place (%s)":
        "Ora del luogo (%s)",
    "Altitude (°)":
        "Altezza (°)",
    "Civil twilight":
        "Crepuscolo civile",
    "Nautical twilight":
        "Crepuscolo nautico",
    "Astronomical twilight":
        "Crepuscolo astronomico",
    "Night":
        "Notte",
    "Transit %s, %s":
        "Transito %s, %s",
    "Shown %s":
        "Mostrato %s",
    "%s: %s %s, Moon %s":
        "%s: %s %s, Luna %s",
    "%s: %s %s":
        "%s: %s %s",
    "Choose the object to plot first: search for it or right-click it.    ":
        "Scegli prima l'oggetto da tracciare: cercalo o fai clic destro su di esso.    ",
    "Cannot write %s: %s.    ":
        "Impossibile scrivere %s: %s.    ",
    "No INDI server answers at %s:%s.":
        "Nessun server INDI risponde a %s:%s.",
    "The INDI server at %s:%s closed the connection.":
        "Il server INDI a %s:%s ha chiuso la connessione.",
    "The INDI server offers no telescope called \"%s\".":
        "Il server INDI non offre alcun telescopio chiamato «%s».",
    "The telescope %s reported an impossible place: %s.":
        "Il telescopio %s ha segnalato una posizione impossibile: %s.",
    "The telescope %s could not reach its target.":
        "Il telescopio %s non ha potuto raggiungere il suo obiettivo.",
    "Slewing to %s":
        "Puntamento su %s",
    "Tracking %s":
        "Inseguimento di %s",
    "Parking %s":
        "Parcheggio di %s",
    "%s is parked":
        "%s è parcheggiato",
    "Connect a telescope first: Tools > Telescope...":
        "Connetti prima un telescopio: Strumenti > Telescopio...",
    "Connected to %s":
        "Connesso a %s",
    "%s synced on %s":
        "%s sincronizzato su %s",
    "%s stopped":
        "%s fermato",
    "The telescope is disconnected":
        "Il telescopio è disconnesso",
    "Connecting to %s:%s...":
        "Connessione a %s:%s...",
    "The INDI server at %s:%s offers no telescope.":
        "Il server INDI a %s:%s non offre alcun telescopio.",
    "Select an object first: search for it or click it.":
        "Scegli prima un oggetto: cercalo o fai clic su di esso.",
    "The port must be a number from 1 to 65535.":
        "La porta deve essere un numero da 1 a 65535.",
    "the centre of the view":
        "il centro della vista",
    "The telescope %s did not answer.":
        "Il telescopio %s non ha risposto.",
    "The telescope %s did not end its slew within %s minutes.":
        "Il telescopio %s non ha concluso il puntamento entro %s minuti.",
    "Centre: %s   %s (J2000)":
        "Centro: %s   %s (J2000)",
    "Field: %s x %s":
        "Campo: %s x %s",
    "Magnitudes:":
        "Magnitudini:",
    "Io":
        "Io",
    "Europa":
        "Europa",
    "Ganymede":
        "Ganimede",
    "Callisto":
        "Callisto",
    "Mimas":
        "Mimas",
    "Enceladus":
        "Encelado",
    "Tethys":
        "Teti",
    "Dione":
        "Dione",
    "Rhea":
        "Rea",
    "Titan":
        "Titano",
    "Hyperion":
        "Iperione",
    "Iapetus":
        "Giapeto",
    "Miranda":
        "Miranda",
    "Ariel":
        "Ariel",
    "Umbriel":
        "Umbriel",
    "Titania":
        "Titania",
    "Oberon":
        "Oberon",
    "Phobos":
        "Fobos",
    "Deimos":
        "Deimos",
    "Show or hide the comets and minor planets down to their own magnitude limit\nComets and asteroids":
        "Mostra o nascondi le comete e i pianeti minori fino alla loro magnitudine limite\nComete e asteroidi",
    "Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file\nImport orbital elements":
        "Importa gli elementi orbitali di comete o pianeti minori da un file MPCORB.DAT o CometEls.txt\nImporta elementi orbitali",
    "Plot the chosen object's altitude through the night, with the Moon and the twilights\nAltitude plot":
        "Traccia l'altezza dell'oggetto scelto nel corso della notte, con la Luna e i crepuscoli\nGrafico dell'altezza",
    "Connect a telescope through an INDI server\nTelescope":
        "Connetti un telescopio tramite un server INDI\nTelescopio",
    "Point the telescope at the object you chose\nSlew to selected":
        "Punta il telescopio sull'oggetto scelto\nPunta sull'oggetto scelto",
    "Tell the telescope that it points at the object you chose\nSync to selected":
        "Comunica al telescopio che punta l'oggetto scelto\nSincronizza sull'oggetto scelto",
    "Point the telescope at the middle of the view\nSlew to view centre":
        "Punta il telescopio al centro della vista\nPunta al centro della vista",
    "Stop the telescope's motion at once\nAbort slew":
        "Ferma subito il movimento del telescopio\nInterrompi il puntamento",
    "Send the telescope to its park position\nPark":
        "Manda il telescopio nella sua posizione di parcheggio\nParcheggia",
    "Wake the telescope from its park position\nUnpark":
        "Risveglia il telescopio dalla sua posizione di parcheggio\nRimuovi dal parcheggio",
    "Keep the telescope's place at the middle of the view\nFollow the telescope":
        "Mantieni la posizione del telescopio al centro della vista\nSegui il telescopio",
    'Find an object by any of its names, or a place; Shift+Enter opens its card': 'Trova un oggetto con uno qualsiasi dei suoi nomi, o un luogo; Maiusc+Invio apre la sua scheda',
    'place': 'luogo',
    "Observer's Location": "Luogo dell'osservatore",
    'Set the observer to %1?': "Portare l'osservatore a %1?",
    'Keep the object at the middle of the view while time runs': "Tieni l'oggetto al centro della vista mentre il tempo scorre",
    "%1 \u2014 %2": "%1 \u2014 %2",
    '&Go to Coordinates...':
        '&Vai alle coordinate...',
    'Centre the view on a right ascension and declination or an altitude and azimuth\nGo to coordinates':
        "Centra la vista su un'ascensione retta e una declinazione o su un'altezza e un azimut\nVai alle coordinate",
    'Go to Coordinates':
        'Vai alle coordinate',
    'J2000 right ascension and declination':
        'Ascensione retta e declinazione J2000',
    'Right ascension and declination of date':
        'Ascensione retta e declinazione della data',
    'Altitude and azimuth':
        'Altezza e azimut',
    '&Frame:':
        '&Sistema:',
    '&Altitude:':
        '&Altezza:',
    '&Right ascension:':
        '&Ascensione retta:',
    'A&zimuth (from the north through the east):':
        'A&zimut (da nord verso est):',
    '&Declination:':
        '&Declinazione:',
    'The right ascension must be hours from 0 to 24 ("5h35m17s", "5 35 17", "5.588h") or degrees from 0 to 360 ("83.82°").':
        'L\'ascensione retta deve essere in ore da 0 a 24 ("5h35m17s", "5 35 17", "5.588h") o in gradi da 0 a 360 ("83.82°").',
    'The declination must be degrees from -90 to +90 ("-5°23\'28"", "-5 23 28", "-5.39").':
        'La declinazione deve essere in gradi da -90 a +90 ("-5°23\'28"", "-5 23 28", "-5.39").',
    'The altitude must be degrees from -90 to +90 ("35°30\'", "35 30", "35.5").':
        'L\'altezza deve essere in gradi da -90 a +90 ("35°30\'", "35 30", "35.5").',
    'The azimuth must be degrees from 0 to 360, from the north through the east ("135°", "135 30", "135.5").':
        'L\'azimut deve essere in gradi da 0 a 360, da nord verso est ("135°", "135 30", "135.5").',
    "Planet:":
        "Pianeta:",
    "Separation from the planet:":
        "Distanza angolare dal pianeta:",
    "Position angle:":
        "Angolo di posizione:",
    "Co&mets and asteroids:":
        "Co&mete e asteroidi:",
    "Comet":
        "Cometa",
    "Minor planet":
        "Pianeta minore",
}

# The constellations in the language's own names; those not listed keep
# their Latin names (tools/fill_translations.py).
TEXTS.update({
    "Antlia": "Macchina Pneumatica",
    "Apus": "Uccello del Paradiso",
    "Aquarius": "Acquario",
    "Ara": "Altare",
    "Aries": "Ariete",
    "Boötes": "Boote",
    "Caelum": "Bulino",
    "Camelopardalis": "Giraffa",
    "Cancer": "Cancro",
    "Canes Venatici": "Cani da Caccia",
    "Canis Major": "Cane Maggiore",
    "Canis Minor": "Cane Minore",
    "Capricornus": "Capricorno",
    "Carina": "Carena",
    "Cassiopeia": "Cassiopea",
    "Centaurus": "Centauro",
    "Cepheus": "Cefeo",
    "Cetus": "Balena",
    "Chamaeleon": "Camaleonte",
    "Circinus": "Compasso",
    "Columba": "Colomba",
    "Coma Berenices": "Chioma di Berenice",
    "Corona Austrina": "Corona Australe",
    "Corona Borealis": "Corona Boreale",
    "Corvus": "Corvo",
    "Crater": "Cratere",
    "Crux": "Croce del Sud",
    "Cygnus": "Cigno",
    "Delphinus": "Delfino",
    "Draco": "Dragone",
    "Equuleus": "Cavallino",
    "Eridanus": "Eridano",
    "Fornax": "Fornace",
    "Gemini": "Gemelli",
    "Grus": "Gru",
    "Hercules": "Ercole",
    "Horologium": "Orologio",
    "Hydra": "Idra",
    "Hydrus": "Idra Maschio",
    "Indus": "Indiano",
    "Lacerta": "Lucertola",
    "Leo": "Leone",
    "Leo Minor": "Leone Minore",
    "Lepus": "Lepre",
    "Libra": "Bilancia",
    "Lupus": "Lupo",
    "Lynx": "Lince",
    "Lyra": "Lira",
    "Microscopium": "Microscopio",
    "Monoceros": "Unicorno",
    "Musca": "Mosca",
    "Norma": "Regolo",
    "Octans": "Ottante",
    "Ophiuchus": "Ofiuco",
    "Orion": "Orione",
    "Pavo": "Pavone",
    "Pegasus": "Pegaso",
    "Perseus": "Perseo",
    "Phoenix": "Fenice",
    "Pictor": "Pittore",
    "Pisces": "Pesci",
    "Piscis Austrinus": "Pesce Australe",
    "Puppis": "Poppa",
    "Pyxis": "Bussola",
    "Reticulum": "Reticolo",
    "Sagitta": "Freccia",
    "Sagittarius": "Sagittario",
    "Scorpius": "Scorpione",
    "Sculptor": "Scultore",
    "Scutum": "Scudo",
    "Serpens Caput": "Testa del Serpente",
    "Serpens Cauda": "Coda del Serpente",
    "Sextans": "Sestante",
    "Taurus": "Toro",
    "Telescopium": "Telescopio",
    "Triangulum": "Triangolo",
    "Triangulum Australe": "Triangolo Australe",
    "Tucana": "Tucano",
    "Ursa Major": "Orsa Maggiore",
    "Ursa Minor": "Orsa Minore",
    "Vela": "Vele",
    "Virgo": "Vergine",
    "Volans": "Pesce Volante",
    "Vulpecula": "Volpetta",
})

# The toolbar's name, the Latin constellation names' switch and the plot's and PDF's faults.
TEXTS.update({
    "Main toolbar":
        "Barra degli strumenti principale",
    "Name the constellations in &Latin":
        "Nomi delle costellazioni in &latino",
    "The sky and the printed chart name the constellations in Latin instead of the window's language. Takes effect at once.":
        "Il cielo e la carta stampata chiamano le costellazioni in latino invece che nella lingua della finestra. Ha effetto subito.",
    "the file name must end in .png or .svg":
        "il nome del file deve finire in .png o .svg",
    "the drawing could not be made":
        "non è stato possibile fare il disegno",
    "the PDF could not be started":
        "non è stato possibile iniziare il PDF",
})

# The comet and minor-planet card.
TEXTS.update({
    'Elongation:': 'Elongazione:',
    'Perihelion distance:': 'Distanza al perielio:',
    'Semi-major axis:': 'Semiasse maggiore:',
    'Eccentricity:': 'Eccentricità:',
    'Inclination:': 'Inclinazione:',
    'Period:': 'Periodo:',
    "Elements' epoch:": 'Epoca degli elementi:',
    'Other designations:': 'Altre designazioni:',
    'Central meridian (System II):': 'Meridiano centrale (Sistema II):',
})

TEXTS.update({
    # A constellation in the Search > Constellation list: its name in the
    # language, then the Latin one.
    "%1 (%2)": "%1 (%2)",
    # How much the clocks went forward or back, in the plural forms.
    "%n hour(s)": ["%n ora", "%n ore"],
    "%n minute(s)": ["%n minuto", "%n minuti"],
})

TEXTS.update({
    "Triton": "Tritone",
})
