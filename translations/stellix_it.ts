<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAltitudePlotWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>&amp;Save as PNG/SVG...</source>
        <translation>&amp;Salva come PNG/SVG...</translation>
    </message>
    <message>
        <source>Altitude Plot - %1</source>
        <translation>Grafico dell&apos;altezza - %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Disegno SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>CBodyInfoDialog</name>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensione retta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinazione (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distanza dalla Terra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distanza dal Sole:</translation>
    </message>
    <message>
        <source>Illuminated fraction:</source>
        <translation>Frazione illuminata:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitudine:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Dimensione angolare:</translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation>Crepuscolo civile:</translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation>Crepuscolo nautico:</translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation>Crepuscolo astronomico:</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Fase:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Età:</translation>
    </message>
    <message>
        <source>Central meridian (System II):</source>
        <translation>Meridiano centrale (Sistema II):</translation>
    </message>
</context>
<context>
    <name>CBodySearchDialog</name>
    <message>
        <source>Search for Solar System...</source>
        <translation>Cerca nel Sistema solare...</translation>
    </message>
</context>
<context>
    <name>CColoursDialog</name>
    <message>
        <source>Colors...</source>
        <translation>Colori...</translation>
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
        <translation>Data/ora...</translation>
    </message>
    <message>
        <source>Daylight &amp;saving time</source>
        <translation>Ora &amp;legale</translation>
    </message>
    <message>
        <source>Set to the present time at this place; OK shows its sky.</source>
        <translation>Impostato all&apos;ora attuale in questo luogo; OK mostra il suo cielo.</translation>
    </message>
    <message>
        <source>&amp;Now...</source>
        <translation>&amp;Adesso...</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Ora:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Scostamento:</translation>
    </message>
</context>
<context>
    <name>CDeepSkyDialog</name>
    <message>
        <source>Deep sky objects...</source>
        <translation>Oggetti del profondo cielo...</translation>
    </message>
</context>
<context>
    <name>CDeepSkyInfoDialog</name>
    <message>
        <source>Catalog number:</source>
        <translation>Numero di catalogo:</translation>
    </message>
    <message>
        <source>Common name:</source>
        <translation>Nome comune:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensione retta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinazione (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitudine:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Other designations:</source>
        <translation>Altre designazioni:</translation>
    </message>
</context>
<context>
    <name>CDialogCommands</name>
    <message>
        <source>Orbital elements (*.DAT *.dat *.txt *.TXT)</source>
        <translation>Elementi orbitali (*.DAT *.dat *.txt *.TXT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n orbital elements were read; they are kept in &quot;%1&quot; for the next start.</source>
        <translation>
            <numerusform>%n elemento orbitale letto; è conservato in «%1» per il prossimo avvio.</numerusform>
            <numerusform>%n elementi orbitali letti; sono conservati in «%1» per il prossimo avvio.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFaintStarInfoDialog</name>
    <message>
        <source>HIP number:</source>
        <translation>Numero HIP:</translation>
    </message>
    <message>
        <source>Designation:</source>
        <translation>Designazione:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensione retta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinazione (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitudine:</translation>
    </message>
    <message>
        <source>Colour index (B-V):</source>
        <translation>Indice di colore (B-V):</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Tipo spettrale:</translation>
    </message>
</context>
<context>
    <name>CFieldsDialog</name>
    <message>
        <source>Eyepiece Fields</source>
        <translation>Campi degli oculari</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Circle of a given diameter</source>
        <translation>Cerchio di diametro dato</translation>
    </message>
    <message>
        <source>Eyepiece on a telescope</source>
        <translation>Oculare su un telescopio</translation>
    </message>
    <message>
        <source>Camera on a telescope</source>
        <translation>Camera su un telescopio</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Genere:</translation>
    </message>
    <message>
        <source>&amp;Diameter (arc-minutes):</source>
        <translation>&amp;Diametro (primi d&apos;arco):</translation>
    </message>
    <message>
        <source>&amp;Telescope focal length (mm):</source>
        <translation>Focale del &amp;telescopio (mm):</translation>
    </message>
    <message>
        <source>&amp;Eyepiece focal length (mm):</source>
        <translation>Focale dell&apos;&amp;oculare (mm):</translation>
    </message>
    <message>
        <source>A&amp;pparent field (°):</source>
        <translation>Campo a&amp;pparente (°):</translation>
    </message>
    <message>
        <source>Sensor &amp;width (mm):</source>
        <translation>&amp;Larghezza del sensore (mm):</translation>
    </message>
    <message>
        <source>Sensor &amp;height (mm):</source>
        <translation>Al&amp;tezza del sensore (mm):</translation>
    </message>
    <message>
        <source>Field on the sky:</source>
        <translation>Campo sul cielo:</translation>
    </message>
    <message>
        <source>Centre the &amp;fields on the telescope while one is connected</source>
        <translation>Centra i &amp;campi sul telescopio finché ne è collegato uno</translation>
    </message>
</context>
<context>
    <name>CFindBox</name>
    <message>
        <source>Find (F3)</source>
        <translation>Trova (F3)</translation>
    </message>
    <message>
        <source>%1 — %2, %3° %4</source>
        <translation>%1 — %2, %3° %4</translation>
    </message>
    <message>
        <source>up</source>
        <translation>sopra l&apos;orizzonte</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>Find an object by any of its names, or a place; Shift+Enter opens its card</source>
        <translation>Trova un oggetto con uno qualsiasi dei suoi nomi, o un luogo; Maiusc+Invio apre la sua scheda</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Observer&apos;s Location</source>
        <translation>Luogo dell&apos;osservatore</translation>
    </message>
    <message>
        <source>Set the observer to %1?</source>
        <translation>Portare l&apos;osservatore a %1?</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to Coordinates</source>
        <translation>Vai alle coordinate</translation>
    </message>
    <message>
        <source>J2000 right ascension and declination</source>
        <translation>Ascensione retta e declinazione J2000</translation>
    </message>
    <message>
        <source>Right ascension and declination of date</source>
        <translation>Ascensione retta e declinazione della data</translation>
    </message>
    <message>
        <source>Altitude and azimuth</source>
        <translation>Altezza e azimut</translation>
    </message>
    <message>
        <source>&amp;Frame:</source>
        <translation>&amp;Sistema:</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>&amp;Altezza:</translation>
    </message>
    <message>
        <source>&amp;Right ascension:</source>
        <translation>&amp;Ascensione retta:</translation>
    </message>
    <message>
        <source>A&amp;zimuth (from the north through the east):</source>
        <translation>A&amp;zimut (da nord verso est):</translation>
    </message>
    <message>
        <source>&amp;Declination:</source>
        <translation>&amp;Declinazione:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.</source>
        <translation>La pagina della guida. Fai clic su un collegamento per seguirlo; Indietro (Alt+Sinistra) e Avanti (Alt+Destra) ripercorrono i tuoi passi.</translation>
    </message>
    <message>
        <source>The guide&apos;s pages in their order, each with its sections. Click one to read it.</source>
        <translation>Le pagine della guida in ordine, ciascuna con le sue sezioni. Fai clic su una per leggerla.</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Scrivi una parola da cercare</translation>
    </message>
    <message>
        <source>Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.</source>
        <translation>Scrivi l&apos;inizio di una parola: l&apos;indice qui sotto tiene le voci che la contengono. Invio apre la prima.</translation>
    </message>
    <message>
        <source>Every topic of the guide in alphabetical order. Click one to read it.</source>
        <translation>Tutti gli argomenti della guida in ordine alfabetico. Fai clic su uno per leggerlo.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Torna alla pagina letta prima.</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Va di nuovo avanti dopo Indietro.</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>S&amp;ommario</translation>
    </message>
    <message>
        <source>Goes to the guide&apos;s first page, the list of all its pages.</source>
        <translation>Va alla prima pagina della guida, l&apos;elenco di tutte le sue pagine.</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Uso della guida</translation>
    </message>
    <message>
        <source>Explains this window.</source>
        <translation>Spiega questa finestra.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The user guide has no page &lt;b&gt;%1&lt;/b&gt;: the folder &lt;tt&gt;%2&lt;/tt&gt; should hold it. Installing Stellix again puts the guide back.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Pagina non trovata&lt;/h1&gt;&lt;p&gt;La guida non ha la pagina &lt;b&gt;%1&lt;/b&gt;: la cartella &lt;tt&gt;%2&lt;/tt&gt; dovrebbe contenerla. Reinstallare Stellix rimette a posto la guida.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Guida: %1</translation>
    </message>
</context>
<context>
    <name>CInfoCard</name>
    <message>
        <source>Right ascension (of date):</source>
        <translation>Ascensione retta (della data):</translation>
    </message>
    <message>
        <source>Declination (of date):</source>
        <translation>Declinazione (della data):</translation>
    </message>
    <message>
        <source>Rise:</source>
        <translation>Sorge:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Transito:</translation>
    </message>
    <message>
        <source>Transit altitude:</source>
        <translation>Altezza al transito:</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Tramonta:</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Grafico dell&apos;&amp;altezza</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Punta il telescopio</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <translation>Se&amp;gui</translation>
    </message>
    <message>
        <source>Keep the object at the middle of the view while time runs</source>
        <translation>Tieni l&apos;oggetto al centro della vista mentre il tempo scorre</translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>La lingua del sistema</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>The new language takes effect after a restart of Stellix.</source>
        <translation>La nuova lingua vale dal prossimo avvio di Stellix.</translation>
    </message>
    <message>
        <source>Name the constellations in &amp;Latin</source>
        <translation>Nomi delle costellazioni in &amp;latino</translation>
    </message>
    <message>
        <source>The sky and the printed chart name the constellations in Latin instead of the window&apos;s language. Takes effect at once.</source>
        <translation>Il cielo e la carta stampata chiamano le costellazioni in latino invece che nella lingua della finestra. Ha effetto subito.</translation>
    </message>
</context>
<context>
    <name>CListSearchDialog</name>
    <message>
        <source>Search for star...</source>
        <translation>Cerca stella...</translation>
    </message>
    <message>
        <source>Search for constellation...</source>
        <translation>Cerca costellazione...</translation>
    </message>
    <message>
        <source>Search for NGC...</source>
        <translation>Cerca oggetto NGC...</translation>
    </message>
</context>
<context>
    <name>CLocationDialog</name>
    <message>
        <source>Observer&apos;s Location...</source>
        <translation>Luogo di osservazione...</translation>
    </message>
    <message>
        <source>&amp;Enter your location</source>
        <translation>&amp;Scrivi il tuo luogo</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>L&amp;atitudine:</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lo&amp;ngitudine:</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Fuso orario:</translation>
    </message>
    <message>
        <source>hours ahead of Greenwich</source>
        <translation>ore avanti rispetto a Greenwich</translation>
    </message>
    <message>
        <source>Time zone rules:</source>
        <translation>Regole del fuso orario:</translation>
    </message>
    <message>
        <source>Fin&amp;d:</source>
        <translation>Tr&amp;ova:</translation>
    </message>
    <message>
        <source>&amp;Select location</source>
        <translation>S&amp;cegli il luogo</translation>
    </message>
    <message>
        <source>%1 (%2 on the date set)</source>
        <translation>%1 (%2 alla data impostata)</translation>
    </message>
    <message numerus="yes">
        <source>Type part of a name (%n places)</source>
        <translation>
            <numerusform>Scrivi parte di un nome (%n luogo)</numerusform>
            <numerusform>Scrivi parte di un nome (%n luoghi)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMagnitudeLimitsDialog</name>
    <message>
        <source>Magnitude limits...</source>
        <translation>Magnitudini limite...</translation>
    </message>
    <message>
        <source>&amp;Auto mode</source>
        <translation>Modo &amp;automatico</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Stelle</translation>
    </message>
    <message>
        <source>&amp;Deep sky objects</source>
        <translation>Oggetti del &amp;profondo cielo</translation>
    </message>
    <message>
        <source>Co&amp;mets and asteroids:</source>
        <translation>Co&amp;mete e asteroidi:</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&lt;b&gt;The sky&lt;/b&gt;&lt;p&gt;Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Il cielo&lt;/b&gt;&lt;p&gt;Fai clic su un punto per portarlo al centro; trascina per ruotare il cielo; la rotella del mouse ingrandisce e rimpicciolisce. Fai clic su un oggetto con il tasto destro per la sua scheda. I tasti freccia spostano il campo nella loro direzione, * e / del tastierino numerico ingrandiscono e rimpiccioliscono.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Chart Mode</source>
        <translation>Modo della &amp;carta</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Stelle</translation>
    </message>
    <message>
        <source>Sky &amp;Background</source>
        <translation>S&amp;fondo del cielo</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Object</source>
        <translation>Oggetto del &amp;profondo cielo</translation>
    </message>
    <message>
        <source>&amp;Horizon Point</source>
        <translation>Punto dell&apos;&amp;orizzonte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Na&amp;vigation Toolbar</source>
        <translation>Barra di &amp;navigazione</translation>
    </message>
    <message>
        <source>Show or hide the navigation toolbar</source>
        <translation>Mostra o nascondi la barra di navigazione</translation>
    </message>
    <message>
        <source>Right ascension (J2000) of the sky under the pointer.</source>
        <translation>Ascensione retta (J2000) del cielo sotto il puntatore.</translation>
    </message>
    <message>
        <source>Declination (J2000) of the sky under the pointer.</source>
        <translation>Declinazione (J2000) del cielo sotto il puntatore.</translation>
    </message>
    <message>
        <source>The observer&apos;s place; Settings &gt; Observer&apos;s Location changes it.</source>
        <translation>Il luogo dell&apos;osservatore; Impostazioni &gt; Luogo di osservazione lo cambia.</translation>
    </message>
    <message>
        <source>The local time of the sky shown, with the time zone&apos;s abbreviation and its offset from Universal Time.</source>
        <translation>L&apos;ora locale del cielo mostrato, con la sigla del fuso orario e il suo scostamento dal tempo universale.</translation>
    </message>
    <message>
        <source>The date of the sky shown.</source>
        <translation>La data del cielo mostrato.</translation>
    </message>
    <message>
        <source>Press Esc to leave full screen</source>
        <translation>Esc esce dallo schermo intero</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>File recente</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra degli strumenti principale</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
</context>
<context>
    <name>CMessierSearchDialog</name>
    <message>
        <source>Search for Messier...</source>
        <translation>Cerca oggetto Messier...</translation>
    </message>
    <message>
        <source>Enter catalog number</source>
        <translation>Scrivi il numero di catalogo</translation>
    </message>
</context>
<context>
    <name>CPlanetMoonInfoDialog</name>
    <message>
        <source>Planet:</source>
        <translation>Pianeta:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensione retta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinazione (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Separation from the planet:</source>
        <translation>Distanza angolare dal pianeta:</translation>
    </message>
    <message>
        <source>Position angle:</source>
        <translation>Angolo di posizione:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distanza dalla Terra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distanza dal Sole:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitudine:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Dimensione angolare:</translation>
    </message>
</context>
<context>
    <name>CSmallBodyInfoDialog</name>
    <message>
        <source>Designation:</source>
        <translation>Designazione:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensione retta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinazione (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distanza dalla Terra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distanza dal Sole:</translation>
    </message>
    <message>
        <source>Elongation:</source>
        <translation>Elongazione:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitudine:</translation>
    </message>
    <message>
        <source>Perihelion distance:</source>
        <translation>Distanza al perielio:</translation>
    </message>
    <message>
        <source>Semi-major axis:</source>
        <translation>Semiasse maggiore:</translation>
    </message>
    <message>
        <source>Eccentricity:</source>
        <translation>Eccentricità:</translation>
    </message>
    <message>
        <source>Inclination:</source>
        <translation>Inclinazione:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>Elements&apos; epoch:</source>
        <translation>Epoca degli elementi:</translation>
    </message>
</context>
<context>
    <name>CSplashWindow</name>
    <message>
        <source>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Data sources and licences...&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Fonti dei dati e licenze...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Opens the user guide at the full list of the sky data&apos;s sources, their authors and their licences.</source>
        <translation>Apre la guida all&apos;elenco completo delle fonti dei dati del cielo, dei loro autori e delle loro licenze.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</source>
        <translation>Un planetario da scrivania. Software libero sotto la GNU General Public License, versione 3 o successiva, senza alcuna garanzia. Dati del cielo: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), database tz, NASA. Mappe dei pianeti: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</translation>
    </message>
</context>
<context>
    <name>CStarInfoDialog</name>
    <message>
        <source>HR number:</source>
        <translation>Numero HR:</translation>
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
        <translation>Nome proprio:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensione retta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinazione (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitudine:</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Tipo spettrale:</translation>
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
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnetti</translation>
    </message>
    <message>
        <source>INDI server &amp;host:</source>
        <translation>&amp;Host del server INDI:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>&amp;Telescopes the server offers:</source>
        <translation>&amp;Telescopi offerti dal server:</translation>
    </message>
</context>
<context>
    <name>CTonightWindow</name>
    <message>
        <source>Tonight</source>
        <translation>Stanotte</translation>
    </message>
    <message>
        <source>Planets in the night, each at its highest:</source>
        <translation>Pianeti nella notte, ciascuno alla sua massima altezza:</translation>
    </message>
    <message>
        <source>Objects above 30° at:</source>
        <translation>Oggetti sopra 30° alle:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitudine</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Sorge</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Tramonta</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Moonrise %1, moonset %2</source>
        <translation>Sorge la Luna %1, tramonta la Luna %2</translation>
    </message>
    <message>
        <source>Moonset %1, moonrise %2</source>
        <translation>Tramonta la Luna %1, sorge la Luna %2</translation>
    </message>
    <message>
        <source>Sunset %1; civil twilight ends %2, nautical %3, astronomical %4</source>
        <translation>Tramonto del Sole %1; il crepuscolo civile finisce %2, nautico %3, astronomico %4</translation>
    </message>
    <message>
        <source>%1; %2, illuminated %3</source>
        <translation>%1; %2, illuminata %3</translation>
    </message>
    <message>
        <source>Dark hours without the Moon: %1</source>
        <translation>Ore buie senza Luna: %1</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Grafico dell&apos;&amp;altezza</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Punta il telescopio</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Grids</source>
        <extracomment>Menu item of command 32780; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Griglie</translation>
    </message>
    <message>
        <source>Alt-a&amp;zimuth Grid</source>
        <extracomment>Menu item of command 32825; &amp; marks the letter that chooses it.</extracomment>
        <translation>Griglia alta&amp;zimutale</translation>
    </message>
    <message>
        <source>Meridia&amp;n</source>
        <extracomment>Menu item of command 32826; &amp; marks the letter that chooses it.</extracomment>
        <translation>Meridia&amp;no</translation>
    </message>
    <message>
        <source>&amp;Boundaries</source>
        <extracomment>Menu item of command 32778; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Confini</translation>
    </message>
    <message>
        <source>Constellation &amp;Lines</source>
        <extracomment>Menu item of command 32779; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Linee delle costellazioni</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Objects</source>
        <extracomment>Menu item of command 32777; &amp; marks the letter that chooses it.</extracomment>
        <translation>Oggetti del &amp;profondo cielo</translation>
    </message>
    <message>
        <source>&amp;Milky Way</source>
        <extracomment>Menu item of command 32781; &amp; marks the letter that chooses it.</extracomment>
        <translation>Via &amp;Lattea</translation>
    </message>
    <message>
        <source>&amp;Solar System Objects</source>
        <extracomment>Menu item of command 32782; &amp; marks the letter that chooses it.</extracomment>
        <translation>Oggetti del &amp;Sistema solare</translation>
    </message>
    <message>
        <source>&amp;Eclipic</source>
        <extracomment>Menu item of command 32804; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Eclittica</translation>
    </message>
    <message>
        <source>Star &amp;Names</source>
        <extracomment>Menu item of command 32796; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Nomi delle stelle</translation>
    </message>
    <message>
        <source>D&amp;eep Sky Labels</source>
        <extracomment>Menu item of command 32798; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Etichette del profondo cielo</translation>
    </message>
    <message>
        <source>&amp;Planet Names</source>
        <extracomment>Menu item of command 32797; &amp; marks the letter that chooses it.</extracomment>
        <translation>Nomi dei &amp;pianeti</translation>
    </message>
    <message>
        <source>Stars &amp;Colors</source>
        <extracomment>Menu item of command 32792; &amp; marks the letter that chooses it.</extracomment>
        <translation>C&amp;olori delle stelle</translation>
    </message>
    <message>
        <source>&amp;Atmospheric refraction</source>
        <extracomment>Menu item of command 32821; &amp; marks the letter that chooses it.</extracomment>
        <translation>Rifrazione &amp;atmosferica</translation>
    </message>
    <message>
        <source>E&amp;yepiece Fields</source>
        <extracomment>Menu item of command 32823; &amp; marks the letter that chooses it.</extracomment>
        <translation>Campi degli oc&amp;ulari</translation>
    </message>
    <message>
        <source>Eyep&amp;iece Fields...</source>
        <extracomment>Menu item of command 32824; &amp; marks the letter that chooses it.</extracomment>
        <translation>Definisci i campi degli ocula&amp;ri...</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <extracomment>Menu item of command 32827; &amp; marks the letter that chooses it.</extracomment>
        <translation>Se&amp;gui</translation>
    </message>
    <message>
        <source>&amp;Red Screen</source>
        <extracomment>Menu item of command 32802; &amp; marks the letter that chooses it.</extracomment>
        <translation>Schermo &amp;rosso</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <extracomment>Menu item of command 32803; &amp; marks the letter that chooses it.</extracomment>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <extracomment>Menu item of command 59392; &amp; marks the letter that chooses it.</extracomment>
        <translation>Barra degli s&amp;trumenti</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <extracomment>Menu item of command 59393; &amp; marks the letter that chooses it.</extracomment>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>&amp;Equatorial</source>
        <extracomment>Menu item of command 32800; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Equatoriale</translation>
    </message>
    <message>
        <source>&amp;Local Horizon</source>
        <extracomment>Menu item of command 32801; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Orizzonte locale</translation>
    </message>
    <message>
        <source>&amp;Date/Time...</source>
        <extracomment>Menu item of command 32784; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Data/ora...</translation>
    </message>
    <message>
        <source>Observer&apos;s &amp;Location...</source>
        <extracomment>Menu item of command 32785; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Luogo di osservazione...</translation>
    </message>
    <message>
        <source>&amp;Magnitude Limits...</source>
        <extracomment>Menu item of command 32787; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Magnitudini limite...</translation>
    </message>
    <message>
        <source>Draw &amp;Points</source>
        <extracomment>Menu item of command 32819; &amp; marks the letter that chooses it.</extracomment>
        <translation>Disegna come &amp;punti</translation>
    </message>
    <message>
        <source>Draw &amp;Bitmaps</source>
        <extracomment>Menu item of command 32820; &amp; marks the letter that chooses it.</extracomment>
        <translation>Disegna come &amp;immagini</translation>
    </message>
    <message>
        <source>Deep Sky &amp;Objects...</source>
        <extracomment>Menu item of command 32788; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Oggetti del profondo cielo...</translation>
    </message>
    <message>
        <source>Colo&amp;rs...</source>
        <extracomment>Menu item of command 32790; &amp; marks the letter that chooses it.</extracomment>
        <translation>Colo&amp;ri...</translation>
    </message>
    <message>
        <source>Lan&amp;guage...</source>
        <extracomment>Menu item of command 32850; &amp; marks the letter that chooses it.</extracomment>
        <translation>Lin&amp;gua...</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <extracomment>Menu item of command 32806; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Nero</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <extracomment>Menu item of command 32807; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Colorato</translation>
    </message>
    <message>
        <source>&amp;Star...</source>
        <extracomment>Menu item of command 32808; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Stella...</translation>
    </message>
    <message>
        <source>&amp;Constellation...</source>
        <extracomment>Menu item of command 32810; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Costellazione...</translation>
    </message>
    <message>
        <source>S&amp;olar System Object...</source>
        <extracomment>Menu item of command 32809; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Oggetto del Sistema solare...</translation>
    </message>
    <message>
        <source>&amp;Messier Catalog...</source>
        <extracomment>Menu item of command 32811; &amp; marks the letter that chooses it.</extracomment>
        <translation>Catalogo &amp;Messier...</translation>
    </message>
    <message>
        <source>&amp;NGC Catalog...</source>
        <extracomment>Menu item of command 32812; &amp; marks the letter that chooses it.</extracomment>
        <translation>Catalogo &amp;NGC...</translation>
    </message>
    <message>
        <source>&amp;Tonight...</source>
        <extracomment>Menu item of command 32822; &amp; marks the letter that chooses it.</extracomment>
        <translation>S&amp;tanotte...</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <extracomment>Menu item of command 32813; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Est</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <extracomment>Menu item of command 32814; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ovest</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <extracomment>Menu item of command 32815; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Nord</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <extracomment>Menu item of command 32816; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sud</translation>
    </message>
    <message>
        <source>&amp;Zenith</source>
        <extracomment>Menu item of command 32817; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Zenit</translation>
    </message>
    <message>
        <source>Na&amp;dir</source>
        <extracomment>Menu item of command 32818; &amp; marks the letter that chooses it.</extracomment>
        <translation>Na&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Real Time</source>
        <extracomment>Menu item of command 32829; &amp; marks the letter that chooses it.</extracomment>
        <translation>Tempo &amp;reale</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <extracomment>Menu item of command 57601; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Menu item of command 57607; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <extracomment>Menu item of command 57609; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Anteprima di stampa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <extracomment>Menu item of command 57606; &amp; marks the letter that chooses it.</extracomment>
        <translation>Imposta s&amp;tampa...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <extracomment>Menu item of command 57616; &amp; marks the letter that chooses it.</extracomment>
        <translation>File recente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item of command 57665; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Menu item of command 57667; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <extracomment>Menu item of command 57668; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Uso della guida</translation>
    </message>
    <message>
        <source>&amp;About Stellix...</source>
        <extracomment>Menu item of command 57664; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Informazioni su Stellix...</translation>
    </message>
    <message>
        <source>Comets and &amp;Asteroids</source>
        <extracomment>Menu item of command 32830; &amp; marks the letter that chooses it.</extracomment>
        <translation>Comete e &amp;asteroidi</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot...</source>
        <extracomment>Menu item of command 32840; &amp; marks the letter that chooses it.</extracomment>
        <translation>Grafico dell&apos;&amp;altezza...</translation>
    </message>
    <message>
        <source>&amp;Telescope...</source>
        <extracomment>Menu item of command 32860; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Telescopio...</translation>
    </message>
    <message>
        <source>&amp;Slew to Selected</source>
        <extracomment>Menu item of command 32861; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Punta sull&apos;oggetto scelto</translation>
    </message>
    <message>
        <source>S&amp;ync to Selected</source>
        <extracomment>Menu item of command 32862; &amp; marks the letter that chooses it.</extracomment>
        <translation>Sincroni&amp;zza sull&apos;oggetto scelto</translation>
    </message>
    <message>
        <source>Slew to View &amp;Centre</source>
        <extracomment>Menu item of command 32863; &amp; marks the letter that chooses it.</extracomment>
        <translation>Punta al &amp;centro della vista</translation>
    </message>
    <message>
        <source>&amp;Abort Slew</source>
        <extracomment>Menu item of command 32864; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Interrompi il puntamento</translation>
    </message>
    <message>
        <source>&amp;Park</source>
        <extracomment>Menu item of command 32865; &amp; marks the letter that chooses it.</extracomment>
        <translation>P&amp;archeggia</translation>
    </message>
    <message>
        <source>&amp;Unpark</source>
        <extracomment>Menu item of command 32866; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Rimuovi dal parcheggio</translation>
    </message>
    <message>
        <source>&amp;Follow the Telescope</source>
        <extracomment>Menu item of command 32867; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Segui il telescopio</translation>
    </message>
    <message>
        <source>&amp;Import Orbital Elements...</source>
        <extracomment>Menu item of command 32831; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Importa elementi orbitali...</translation>
    </message>
    <message>
        <source>&amp;Go to Coordinates...</source>
        <extracomment>Menu item of command 32875; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Vai alle coordinate...</translation>
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
        <translation>Andromeda</translation>
    </message>
    <message>
        <source>Antlia</source>
        <translation>Macchina Pneumatica</translation>
    </message>
    <message>
        <source>Apus</source>
        <translation>Uccello del Paradiso</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Aquila</source>
        <translation>Aquila</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>Altare</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Auriga</source>
        <translation>Auriga</translation>
    </message>
    <message>
        <source>Boötes</source>
        <translation>Boote</translation>
    </message>
    <message>
        <source>Caelum</source>
        <translation>Bulino</translation>
    </message>
    <message>
        <source>Camelopardalis</source>
        <translation>Giraffa</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Canes Venatici</source>
        <translation>Cani da Caccia</translation>
    </message>
    <message>
        <source>Canis Major</source>
        <translation>Cane Maggiore</translation>
    </message>
    <message>
        <source>Canis Minor</source>
        <translation>Cane Minore</translation>
    </message>
    <message>
        <source>Capricornus</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Carina</source>
        <translation>Carena</translation>
    </message>
    <message>
        <source>Cassiopeia</source>
        <translation>Cassiopea</translation>
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
        <translation>Balena</translation>
    </message>
    <message>
        <source>Chamaeleon</source>
        <translation>Camaleonte</translation>
    </message>
    <message>
        <source>Circinus</source>
        <translation>Compasso</translation>
    </message>
    <message>
        <source>Columba</source>
        <translation>Colomba</translation>
    </message>
    <message>
        <source>Coma Berenices</source>
        <translation>Chioma di Berenice</translation>
    </message>
    <message>
        <source>Corona Austrina</source>
        <translation>Corona Australe</translation>
    </message>
    <message>
        <source>Corona Borealis</source>
        <translation>Corona Boreale</translation>
    </message>
    <message>
        <source>Corvus</source>
        <translation>Corvo</translation>
    </message>
    <message>
        <source>Crater</source>
        <translation>Cratere</translation>
    </message>
    <message>
        <source>Crux</source>
        <translation>Croce del Sud</translation>
    </message>
    <message>
        <source>Cygnus</source>
        <translation>Cigno</translation>
    </message>
    <message>
        <source>Delphinus</source>
        <translation>Delfino</translation>
    </message>
    <message>
        <source>Dorado</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>Draco</source>
        <translation>Dragone</translation>
    </message>
    <message>
        <source>Equuleus</source>
        <translation>Cavallino</translation>
    </message>
    <message>
        <source>Eridanus</source>
        <translation>Eridano</translation>
    </message>
    <message>
        <source>Fornax</source>
        <translation>Fornace</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Grus</source>
        <translation>Gru</translation>
    </message>
    <message>
        <source>Hercules</source>
        <translation>Ercole</translation>
    </message>
    <message>
        <source>Horologium</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Hydra</source>
        <translation>Idra</translation>
    </message>
    <message>
        <source>Hydrus</source>
        <translation>Idra Maschio</translation>
    </message>
    <message>
        <source>Indus</source>
        <translation>Indiano</translation>
    </message>
    <message>
        <source>Lacerta</source>
        <translation>Lucertola</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Leo Minor</source>
        <translation>Leone Minore</translation>
    </message>
    <message>
        <source>Lepus</source>
        <translation>Lepre</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Lupus</source>
        <translation>Lupo</translation>
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
        <translation>Mensa</translation>
    </message>
    <message>
        <source>Microscopium</source>
        <translation>Microscopio</translation>
    </message>
    <message>
        <source>Monoceros</source>
        <translation>Unicorno</translation>
    </message>
    <message>
        <source>Musca</source>
        <translation>Mosca</translation>
    </message>
    <message>
        <source>Norma</source>
        <translation>Regolo</translation>
    </message>
    <message>
        <source>Octans</source>
        <translation>Ottante</translation>
    </message>
    <message>
        <source>Ophiuchus</source>
        <translation>Ofiuco</translation>
    </message>
    <message>
        <source>Orion</source>
        <translation>Orione</translation>
    </message>
    <message>
        <source>Pavo</source>
        <translation>Pavone</translation>
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
        <translation>Fenice</translation>
    </message>
    <message>
        <source>Pictor</source>
        <translation>Pittore</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
    <message>
        <source>Piscis Austrinus</source>
        <translation>Pesce Australe</translation>
    </message>
    <message>
        <source>Puppis</source>
        <translation>Poppa</translation>
    </message>
    <message>
        <source>Pyxis</source>
        <translation>Bussola</translation>
    </message>
    <message>
        <source>Reticulum</source>
        <translation>Reticolo</translation>
    </message>
    <message>
        <source>Sagitta</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Scorpius</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sculptor</source>
        <translation>Scultore</translation>
    </message>
    <message>
        <source>Scutum</source>
        <translation>Scudo</translation>
    </message>
    <message>
        <source>Serpens Caput</source>
        <translation>Testa del Serpente</translation>
    </message>
    <message>
        <source>Serpens Cauda</source>
        <translation>Coda del Serpente</translation>
    </message>
    <message>
        <source>Sextans</source>
        <translation>Sestante</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Telescopium</source>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>Triangulum</source>
        <translation>Triangolo</translation>
    </message>
    <message>
        <source>Triangulum Australe</source>
        <translation>Triangolo Australe</translation>
    </message>
    <message>
        <source>Tucana</source>
        <translation>Tucano</translation>
    </message>
    <message>
        <source>Ursa Major</source>
        <translation>Orsa Maggiore</translation>
    </message>
    <message>
        <source>Ursa Minor</source>
        <translation>Orsa Minore</translation>
    </message>
    <message>
        <source>Vela</source>
        <translation>Vele</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Volans</source>
        <translation>Pesce Volante</translation>
    </message>
    <message>
        <source>Vulpecula</source>
        <translation>Volpetta</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>&lt;b&gt;Time step&lt;/b&gt;&lt;p&gt;How far each step of the time animation moves the clock: from real time (one second a second) to one year.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 1032.</extracomment>
        <translation>&lt;b&gt;Passo di tempo&lt;/b&gt;&lt;p&gt;Di quanto ogni passo dell&apos;animazione sposta l&apos;orologio: dal tempo reale (un secondo al secondo) a un anno.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field left&lt;/b&gt; (Left arrow)&lt;p&gt;The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32771.</extracomment>
        <translation>&lt;b&gt;Sposta il campo a sinistra&lt;/b&gt; (Left arrow)&lt;p&gt;Le stelle vanno a sinistra: vedi più del cielo che stava a destra. Il passo è più piccolo quanto più ingrandisci.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field right&lt;/b&gt; (Right arrow)&lt;p&gt;The stars move to the right: you see more of the sky that lay to the left.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32772.</extracomment>
        <translation>&lt;b&gt;Sposta il campo a destra&lt;/b&gt; (Right arrow)&lt;p&gt;Le stelle vanno a destra: vedi più del cielo che stava a sinistra.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field up&lt;/b&gt; (Up arrow)&lt;p&gt;The stars move up: you see more of the sky that lay below the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32773.</extracomment>
        <translation>&lt;b&gt;Sposta il campo in alto&lt;/b&gt; (Up arrow)&lt;p&gt;Le stelle salgono: vedi più del cielo che stava sotto il centro della vista.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field down&lt;/b&gt; (Down arrow)&lt;p&gt;The stars move down: you see more of the sky that lay above the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32774.</extracomment>
        <translation>&lt;b&gt;Sposta il campo in basso&lt;/b&gt; (Down arrow)&lt;p&gt;Le stelle scendono: vedi più del cielo che stava sopra il centro della vista.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom out&lt;/b&gt; (/ on the numeric keypad)&lt;p&gt;Halves the magnification, down to the whole visible half of the sky.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32776.</extracomment>
        <translation>&lt;b&gt;Rimpicciolisci&lt;/b&gt; (/ del tastierino numerico)&lt;p&gt;Dimezza l&apos;ingrandimento, fino a tutta la metà visibile del cielo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deep sky objects&lt;/b&gt; (D)&lt;p&gt;Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &amp;gt; Deep Sky Objects chooses which kinds are drawn.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32777.</extracomment>
        <translation>&lt;b&gt;Oggetti del profondo cielo&lt;/b&gt; (D)&lt;p&gt;Mostra o nasconde gli oggetti Messier e NGC: ammassi, galassie e nebulose. Impostazioni &amp;gt; Oggetti del profondo cielo sceglie quali generi disegnare.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Boundaries&lt;/b&gt; (B)&lt;p&gt;Shows or hides the boundaries of the 88 constellations and their names.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32778.</extracomment>
        <translation>&lt;b&gt;Confini&lt;/b&gt; (B)&lt;p&gt;Mostra o nasconde i confini delle 88 costellazioni e i loro nomi.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Constellation lines&lt;/b&gt; (L)&lt;p&gt;Shows or hides the figures that join the bright stars of each constellation.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32779.</extracomment>
        <translation>&lt;b&gt;Linee delle costellazioni&lt;/b&gt; (L)&lt;p&gt;Mostra o nasconde le figure che uniscono le stelle luminose di ogni costellazione.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Grids&lt;/b&gt; (G)&lt;p&gt;Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&amp;deg; of declination.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32780.</extracomment>
        <translation>&lt;b&gt;Griglie&lt;/b&gt; (G)&lt;p&gt;Mostra o nasconde la griglia equatoriale: un cerchio per ogni ora di ascensione retta e ogni 15&amp;deg; di declinazione.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Milky Way&lt;/b&gt; (M)&lt;p&gt;Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32781.</extracomment>
        <translation>&lt;b&gt;Via Lattea&lt;/b&gt; (M)&lt;p&gt;Mostra o nasconde la fascia della Via Lattea e i contorni delle Nubi di Magellano.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solar System&lt;/b&gt; (P)&lt;p&gt;Shows or hides the Sun, the Moon and the planets.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32782.</extracomment>
        <translation>&lt;b&gt;Sistema solare&lt;/b&gt; (P)&lt;p&gt;Mostra o nasconde il Sole, la Luna e i pianeti.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Date and time&lt;/b&gt;&lt;p&gt;Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32784.</extracomment>
        <translation>&lt;b&gt;Data e ora&lt;/b&gt;&lt;p&gt;Imposta la data e l&apos;ora del cielo mostrato, dal 1901 al 2099, o torna al presente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Location&lt;/b&gt;&lt;p&gt;Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32785.</extracomment>
        <translation>&lt;b&gt;Luogo&lt;/b&gt;&lt;p&gt;Imposta il luogo della Terra da cui osservi: una città dell&apos;elenco, un punto della carta del mondo, oppure latitudine, longitudine e fuso orario.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation backward&lt;/b&gt; (Ctrl+B)&lt;p&gt;Runs time backwards, one time step after another, until you press Animation stop.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32789.</extracomment>
        <translation>&lt;b&gt;Animazione all&apos;indietro&lt;/b&gt; (Ctrl+B)&lt;p&gt;Fa scorrere il tempo all&apos;indietro, un passo dopo l&apos;altro, finché premi Ferma l&apos;animazione.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step backward&lt;/b&gt; ([)&lt;p&gt;Moves the clock back by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32791.</extracomment>
        <translation>&lt;b&gt;Un passo indietro&lt;/b&gt; ([)&lt;p&gt;Porta l&apos;orologio indietro di un passo di tempo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation stop&lt;/b&gt; (Esc)&lt;p&gt;Stops the time animation. The sky stays at the time it has reached.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32793.</extracomment>
        <translation>&lt;b&gt;Ferma l&apos;animazione&lt;/b&gt; (Esc)&lt;p&gt;Ferma l&apos;animazione del tempo. Il cielo resta all&apos;ora raggiunta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step forward&lt;/b&gt; (])&lt;p&gt;Moves the clock on by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32794.</extracomment>
        <translation>&lt;b&gt;Un passo avanti&lt;/b&gt; (])&lt;p&gt;Porta l&apos;orologio avanti di un passo di tempo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation forward&lt;/b&gt; (Ctrl+F)&lt;p&gt;Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32795.</extracomment>
        <translation>&lt;b&gt;Animazione in avanti&lt;/b&gt; (Ctrl+F)&lt;p&gt;Fa scorrere il tempo in avanti, un passo dopo l&apos;altro, finché premi Ferma l&apos;animazione. Menu e finestre di dialogo aspettano che si fermi.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Equatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32800.</extracomment>
        <translation>&lt;b&gt;Equatoriale&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Mostra il cielo come una carta stellare, con il polo celeste in alto, come se la Terra non ci fosse.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Local horizon&lt;/b&gt; (Ctrl+H)&lt;p&gt;Shows the sky as you see it from your place, with the ground, the landscape and the compass points.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32801.</extracomment>
        <translation>&lt;b&gt;Orizzonte locale&lt;/b&gt; (Ctrl+H)&lt;p&gt;Mostra il cielo come lo vedi dal tuo luogo, con il suolo, il paesaggio e i punti cardinali.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Red screen&lt;/b&gt; (Shift+R)&lt;p&gt;Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32802.</extracomment>
        <translation>&lt;b&gt;Schermo rosso&lt;/b&gt; (Shift+R)&lt;p&gt;Disegna il cielo e tutta la finestra in rosso tenue su nero, così gli occhi restano adattati al buio al telescopio.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Full screen&lt;/b&gt; (Shift+F)&lt;p&gt;Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32803.</extracomment>
        <translation>&lt;b&gt;Schermo intero&lt;/b&gt; (Shift+F)&lt;p&gt;Mostra solo il cielo, su tutto lo schermo. Esc o di nuovo Shift+F, o il puntatore sul bordo superiore, per tornare.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Eyepiece fields&lt;/b&gt; (Shift+E)&lt;p&gt;Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &amp;gt; Eyepiece Fields... defines them.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32823.</extracomment>
        <translation>&lt;b&gt;Campi degli oculari&lt;/b&gt; (Shift+E)&lt;p&gt;Mostra o nasconde i campi dei tuoi oculari e delle tue camere intorno al centro della vista. Visualizza &amp;gt; Definisci i campi degli oculari... li definisce.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt; (Ctrl+O)&lt;p&gt;Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57601.</extracomment>
        <translation>&lt;b&gt;Apri&lt;/b&gt; (Ctrl+O)&lt;p&gt;Apre un file immagine (JPEG, GIF, PCX, TGA, BMP o TIFF) in una finestra d&apos;immagine. La finestra di scelta dei file parte dalla cartella Images della directory dei dati.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt; (Ctrl+P)&lt;p&gt;Prints the field you see as a black-on-white chart.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57607.</extracomment>
        <translation>&lt;b&gt;Stampa&lt;/b&gt; (Ctrl+P)&lt;p&gt;Stampa il campo che vedi come carta nero su bianco.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Preview&lt;/b&gt;&lt;p&gt;Shows the printed chart of the field you see, page by page, before anything goes to the printer.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57609.</extracomment>
        <translation>&lt;b&gt;Anteprima di stampa&lt;/b&gt;&lt;p&gt;Mostra la carta stampata del campo che vedi, pagina per pagina, prima che qualcosa vada alla stampante.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;About Stellix&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version, its licence and where its sky data comes from.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57664.</extracomment>
        <translation>&lt;b&gt;Informazioni su Stellix&lt;/b&gt;&lt;p&gt;Mostra la versione del programma, la sua licenza e la provenienza dei suoi dati del cielo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s this?&lt;/b&gt; (Shift+F1)&lt;p&gt;Click this button, then on any button, menu item or field, to read what it does.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57669.</extracomment>
        <translation>&lt;b&gt;Che cos&apos;è?&lt;/b&gt; (Shift+F1)&lt;p&gt;Fai clic su questo pulsante, poi su un pulsante, una voce di menu o un campo, per leggere che cosa fa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1)&lt;p&gt;Opens the user guide at the page of the window you are in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57670.</extracomment>
        <translation>&lt;b&gt;Guida&lt;/b&gt; (F1)&lt;p&gt;Apre la guida alla pagina della finestra in cui ti trovi.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom in&lt;/b&gt; (* on the numeric keypad)&lt;p&gt;Doubles the magnification, up to 8192 times.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32775.</extracomment>
        <translation>&lt;b&gt;Ingrandisci&lt;/b&gt; (* del tastierino numerico)&lt;p&gt;Raddoppia l&apos;ingrandimento, fino a 8192 volte.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>astro</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Falce crescente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibbosa crescente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibbosa calante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Ultimo quarto</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Falce calante</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>il nome del file deve finire in .png o .svg</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>non è stato possibile fare il disegno</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>non è stato possibile iniziare il PDF</translation>
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
Documento di Stellix</translation>
    </message>
    <message>
        <source>Stellix</source>
        <extracomment>String 200. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stellix</translation>
    </message>
    <message>
        <source>Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||</source>
        <extracomment>String 219. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>File JPEG(*.JPG)|*.JPG|File GIF(*.GIF)|*.GIF|File PCX(*.PCX)|*.PCX|File Targa(*.TGA)|*.TGA|File BMP(*.BMP)|*.BMP|File TIFF(*.TIF)|*.TIF||</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%s&quot; file !   </source>
        <extracomment>String 300. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossibile aprire il file «%s»!   </translation>
    </message>
    <message>
        <source>Object under horizon. Not visible.   </source>
        <extracomment>String 301. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Oggetto sotto l&apos;orizzonte. Non visibile.   </translation>
    </message>
    <message>
        <source>Select star or press &apos; Cancel &apos;.    </source>
        <extracomment>String 302. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Scegli una stella o premi «Annulla».    </translation>
    </message>
    <message>
        <source>Select constellation or press &apos; Cancel &apos;.    </source>
        <extracomment>String 303. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Scegli una costellazione o premi «Annulla».    </translation>
    </message>
    <message>
        <source>Enter Messier number or press &apos; Cancel &apos;.    </source>
        <extracomment>String 304. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Scrivi un numero Messier o premi «Annulla».    </translation>
    </message>
    <message>
        <source>Wrong catalog number !    </source>
        <extracomment>String 305. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Numero di catalogo errato!    </translation>
    </message>
    <message>
        <source>Select NGC object or press &apos; Cancel &apos;.    </source>
        <extracomment>String 306. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Scegli un oggetto NGC o premi «Annulla».    </translation>
    </message>
    <message>
        <source>Animation has no effect when the Solar System is disabled in Equatorial mode !    </source>
        <extracomment>String 307. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>L&apos;animazione non ha effetto quando il Sistema solare è disattivato nel modo equatoriale!    </translation>
    </message>
    <message>
        <source>Can&apos;t initialize rendering context for OpenGL !    </source>
        <extracomment>String 308. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossibile creare il contesto di disegno OpenGL!    </translation>
    </message>
    <message>
        <source>Couldn&apos;t load the image &quot;%s&quot; !    </source>
        <extracomment>String 309. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossibile caricare l&apos;immagine «%s»!    </translation>
    </message>
    <message>
        <source>Set your display to High Color or more to run Stellix !    </source>
        <extracomment>String 311. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Imposta lo schermo almeno su High Color (16 bit) per usare Stellix!    </translation>
    </message>
    <message>
        <source>You have entered wrong number! It must be from %d to %d.    </source>
        <extracomment>String 317. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hai scritto un numero errato! Deve essere da %d a %d.    </translation>
    </message>
    <message>
        <source>Can&apos;t write the settings file &quot;%s&quot; !   </source>
        <extracomment>String 320. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossibile scrivere il file delle impostazioni «%s»!   </translation>
    </message>
    <message>
        <source>Unknown DIB file format.</source>
        <extracomment>String 330. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Formato di file DIB sconosciuto.</translation>
    </message>
    <message>
        <source>Image file conversion error.</source>
        <extracomment>String 331. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Errore di conversione del file immagine.</translation>
    </message>
    <message>
        <source>Failed to open DIB file %s.
</source>
        <extracomment>String 332: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossibile aprire il file DIB %s.
</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <extracomment>String 333. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Memoria esaurita.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>String 334. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Settings out of range in &quot;%s&quot; were replaced by the nearest allowed values: %s   </source>
        <extracomment>String 340. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le impostazioni fuori intervallo in «%s» sono state sostituite dai valori ammessi più vicini: %s   </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: %s. The sky is shown without those records.   </source>
        <extracomment>String 341. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il file «%s» è danneggiato: %s. Il cielo è mostrato senza quei record.   </translation>
    </message>
    <message>
        <source>records %s to %s are missing</source>
        <extracomment>String 342. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>mancano i record da %s a %s</translation>
    </message>
    <message>
        <source>record %s is missing</source>
        <extracomment>String 343. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>manca il record %s</translation>
    </message>
    <message>
        <source>record %s is unusable (%s)</source>
        <extracomment>String 344. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>il record %s è inutilizzabile (%s)</translation>
    </message>
    <message>
        <source>%s records are unusable, the first record %s (%s)</source>
        <extracomment>String 345. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s record sono inutilizzabili, il primo il record %s (%s)</translation>
    </message>
    <message>
        <source>a coordinate out of range or not a number</source>
        <extracomment>String 346. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una coordinata fuori intervallo o non numerica</translation>
    </message>
    <message>
        <source>a magnitude out of range or not a number</source>
        <extracomment>String 347. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una magnitudine fuori intervallo o non numerica</translation>
    </message>
    <message>
        <source>a label offset beyond 1000 pixels</source>
        <extracomment>String 348. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>uno spostamento dell&apos;etichetta oltre 1000 pixel</translation>
    </message>
    <message>
        <source>a position angle or an axis out of range or not a number</source>
        <extracomment>String 349. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un angolo di posizione o un asse fuori intervallo o non numerico</translation>
    </message>
    <message>
        <source>a longitude, latitude, minute or time zone out of range</source>
        <extracomment>String 350. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una longitudine, latitudine, un minuto o un fuso orario fuori intervallo</translation>
    </message>
    <message>
        <source>a line that does not read as its numbers</source>
        <extracomment>String 351. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>una riga che non si legge come i suoi numeri</translation>
    </message>
    <message>
        <source>The texture file &quot;%s&quot; cannot be used: %s   </source>
        <extracomment>String 352. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il file di texture «%s» non è utilizzabile: %s   </translation>
    </message>
    <message>
        <source>it is not a BMP file.</source>
        <extracomment>String 353. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>non è un file BMP.</translation>
    </message>
    <message>
        <source>a proper motion or parallax out of range or not a number</source>
        <extracomment>String 354. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un moto proprio o una parallasse fuori intervallo o non numerici</translation>
    </message>
    <message>
        <source>a time zone that this computer&apos;s tzdata does not know</source>
        <extracomment>String 355. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un fuso orario che la tzdata di questo computer non conosce</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: its header is not one this program reads. The sky is shown without that file.   </source>
        <extracomment>String 356. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il file «%s» è danneggiato: la sua intestazione non è tra quelle che questo programma legge. Il cielo è mostrato senza quel file.   </translation>
    </message>
    <message>
        <source>Give the field a name.    </source>
        <extracomment>String 360. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dai un nome al campo.    </translation>
    </message>
    <message>
        <source>%s must be a number from %s to %s.    </source>
        <extracomment>String 361. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s deve essere un numero da %s a %s.    </translation>
    </message>
    <message>
        <source>This field would be %s wide; a field may be at most %s wide.    </source>
        <extracomment>String 362. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Questo campo sarebbe largo %s; un campo può essere largo al massimo %s.    </translation>
    </message>
    <message>
        <source>There is room for %s fields; remove one to add another.    </source>
        <extracomment>String 363. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>C&apos;è posto per %s campi; rimuovine uno per aggiungerne un altro.    </translation>
    </message>
    <message>
        <source>near %s (%s km)</source>
        <extracomment>String 364. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>vicino a %s (%s km)</translation>
    </message>
    <message>
        <source>Following %s</source>
        <extracomment>String 365. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Segue %s</translation>
    </message>
    <message>
        <source>Choose the object to follow first: search for it, then press T.    </source>
        <extracomment>String 366. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Scegli prima l&apos;oggetto da seguire: cercalo, poi premi T.    </translation>
    </message>
    <message>
        <source>Moon</source>
        <extracomment>String 500. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Sun</source>
        <extracomment>String 501. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>String 502. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>String 503. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Venere</translation>
    </message>
    <message>
        <source>Mars</source>
        <extracomment>String 504. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <extracomment>String 505. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Giove</translation>
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
        <translation>Nettuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>String 509. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Plutone</translation>
    </message>
    <message>
        <source>Constellation line.    </source>
        <extracomment>String 510. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linea di costellazione.    </translation>
    </message>
    <message>
        <source>Constellation boundary.    </source>
        <extracomment>String 511. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Confine di costellazione.    </translation>
    </message>
    <message>
        <source>Right ascension grid line.    </source>
        <extracomment>String 512. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linea della griglia di ascensione retta.    </translation>
    </message>
    <message>
        <source>Declination grid line.    </source>
        <extracomment>String 513. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linea della griglia di declinazione.    </translation>
    </message>
    <message>
        <source>Ecliptic line.    </source>
        <extracomment>String 514. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Eclittica.    </translation>
    </message>
    <message>
        <source> million km</source>
        <extracomment>String 516. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> milioni di km</translation>
    </message>
    <message>
        <source>Open cluster</source>
        <extracomment>String 517. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ammasso aperto</translation>
    </message>
    <message>
        <source>Globular cluster</source>
        <extracomment>String 518. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ammasso globulare</translation>
    </message>
    <message>
        <source>Galaxy</source>
        <extracomment>String 519. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Galassia</translation>
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
        <translation> Tempo reale</translation>
    </message>
    <message>
        <source> 10 minutes</source>
        <extracomment>String 523. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 10 minuti</translation>
    </message>
    <message>
        <source> 30 minutes</source>
        <extracomment>String 524. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 30 minuti</translation>
    </message>
    <message>
        <source> 1 hour</source>
        <extracomment>String 525. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 ora</translation>
    </message>
    <message>
        <source> 1 day</source>
        <extracomment>String 526. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 giorno</translation>
    </message>
    <message>
        <source> 7 days</source>
        <extracomment>String 527. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 7 giorni</translation>
    </message>
    <message>
        <source> 1 month</source>
        <extracomment>String 528. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 mese</translation>
    </message>
    <message>
        <source> 1 year</source>
        <extracomment>String 529. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 anno</translation>
    </message>
    <message>
        <source>Large Magellanic Cloud.    </source>
        <extracomment>String 530. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Grande Nube di Magellano.    </translation>
    </message>
    <message>
        <source>Small Magellanic Cloud.    </source>
        <extracomment>String 531. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Piccola Nube di Magellano.    </translation>
    </message>
    <message>
        <source>Time step
Time step</source>
        <extracomment>String 1032: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Passo di tempo
Passo di tempo</translation>
    </message>
    <message>
        <source>Move the field left
Move the field left</source>
        <extracomment>String 32771: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sposta il campo a sinistra
Sposta il campo a sinistra</translation>
    </message>
    <message>
        <source>Move the field right
Move the field right</source>
        <extracomment>String 32772: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sposta il campo a destra
Sposta il campo a destra</translation>
    </message>
    <message>
        <source>Move the field up
Move the field up</source>
        <extracomment>String 32773: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sposta il campo in alto
Sposta il campo in alto</translation>
    </message>
    <message>
        <source>Move the field down
Move the field down</source>
        <extracomment>String 32774: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sposta il campo in basso
Sposta il campo in basso</translation>
    </message>
    <message>
        <source>Zoom the field in
Zoom in</source>
        <extracomment>String 32775: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ingrandisci il campo
Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom the field out
Zoom out</source>
        <extracomment>String 32776: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rimpicciolisci il campo
Rimpicciolisci</translation>
    </message>
    <message>
        <source>Deep sky objects
Deep sky objects</source>
        <extracomment>String 32777: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Oggetti del profondo cielo
Oggetti del profondo cielo</translation>
    </message>
    <message>
        <source>Constellation boundaries
Boundaries</source>
        <extracomment>String 32778: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Confini delle costellazioni
Confini</translation>
    </message>
    <message>
        <source>Constellation lines
Constellation lines</source>
        <extracomment>String 32779: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linee delle costellazioni
Linee delle costellazioni</translation>
    </message>
    <message>
        <source>Coordination grid lines
Grids</source>
        <extracomment>String 32780: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linee della griglia di coordinate
Griglie</translation>
    </message>
    <message>
        <source>Milky Way
Milky Way</source>
        <extracomment>String 32781: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Via Lattea
Via Lattea</translation>
    </message>
    <message>
        <source>Solar System objects
Solar System</source>
        <extracomment>String 32782: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Oggetti del Sistema solare
Sistema solare</translation>
    </message>
    <message>
        <source>Date and time
Date and time</source>
        <extracomment>String 32784: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Data e ora
Data e ora</translation>
    </message>
    <message>
        <source>Location of the observer
Location</source>
        <extracomment>String 32785: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Luogo dell&apos;osservatore
Luogo</translation>
    </message>
    <message>
        <source>Magnitude limits</source>
        <extracomment>String 32787. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Magnitudini limite</translation>
    </message>
    <message>
        <source>Deep sky objects settings
Deep sky objects</source>
        <extracomment>String 32788: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impostazioni degli oggetti del profondo cielo
Oggetti del profondo cielo</translation>
    </message>
    <message>
        <source>Animation backward
Animation backward</source>
        <extracomment>String 32789: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animazione all&apos;indietro
Animazione all&apos;indietro</translation>
    </message>
    <message>
        <source>Colors settings
Colors</source>
        <extracomment>String 32790: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impostazioni dei colori
Colori</translation>
    </message>
    <message>
        <source>One step animation backward
One step backward</source>
        <extracomment>String 32791: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Un passo di animazione indietro
Un passo indietro</translation>
    </message>
    <message>
        <source>Show or hide stars colors
Stars colors</source>
        <extracomment>String 32792: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi i colori delle stelle
Colori delle stelle</translation>
    </message>
    <message>
        <source>Animation stop
Animation stop</source>
        <extracomment>String 32793: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ferma l&apos;animazione
Ferma l&apos;animazione</translation>
    </message>
    <message>
        <source>One step animation forward
One step forward</source>
        <extracomment>String 32794: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Un passo di animazione avanti
Un passo avanti</translation>
    </message>
    <message>
        <source>Animation forward
Animation forward</source>
        <extracomment>String 32795: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animazione in avanti
Animazione in avanti</translation>
    </message>
    <message>
        <source>Show or hide star names</source>
        <extracomment>String 32796. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi i nomi delle stelle</translation>
    </message>
    <message>
        <source>Show or hide Solar System names</source>
        <extracomment>String 32797. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi i nomi del Sistema solare</translation>
    </message>
    <message>
        <source>Show or hide deep sky labels</source>
        <extracomment>String 32798. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi le etichette del profondo cielo</translation>
    </message>
    <message>
        <source>Equatorial mode</source>
        <extracomment>String 32800. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Modo equatoriale</translation>
    </message>
    <message>
        <source>Local horizon mode</source>
        <extracomment>String 32801. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Modo orizzonte locale</translation>
    </message>
    <message>
        <source>Show or hide red screen mode
Red screen</source>
        <extracomment>String 32802: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Attiva o disattiva lo schermo rosso
Schermo rosso</translation>
    </message>
    <message>
        <source>Show or hide full screen mode
Full screen</source>
        <extracomment>String 32803: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Attiva o disattiva lo schermo intero
Schermo intero</translation>
    </message>
    <message>
        <source>Show or hide ecliptic line</source>
        <extracomment>String 32804. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi l&apos;eclittica</translation>
    </message>
    <message>
        <source>Black background of the sky</source>
        <extracomment>String 32806. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sfondo del cielo nero</translation>
    </message>
    <message>
        <source>Color background of the sky</source>
        <extracomment>String 32807. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sfondo del cielo colorato</translation>
    </message>
    <message>
        <source>Search for star</source>
        <extracomment>String 32808. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cerca stella</translation>
    </message>
    <message>
        <source>Search for Solar System object</source>
        <extracomment>String 32809. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cerca oggetto del Sistema solare</translation>
    </message>
    <message>
        <source>Search for constellation</source>
        <extracomment>String 32810. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cerca costellazione</translation>
    </message>
    <message>
        <source>Search for Messier</source>
        <extracomment>String 32811. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cerca oggetto Messier</translation>
    </message>
    <message>
        <source>Search for NGC</source>
        <extracomment>String 32812. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cerca oggetto NGC</translation>
    </message>
    <message>
        <source>Search for East</source>
        <extracomment>String 32813. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Guarda a est</translation>
    </message>
    <message>
        <source>Search for West</source>
        <extracomment>String 32814. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Guarda a ovest</translation>
    </message>
    <message>
        <source>Search for North</source>
        <extracomment>String 32815. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Guarda a nord</translation>
    </message>
    <message>
        <source>Search for South</source>
        <extracomment>String 32816. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Guarda a sud</translation>
    </message>
    <message>
        <source>Search for Zenith</source>
        <extracomment>String 32817. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Guarda allo zenit</translation>
    </message>
    <message>
        <source>Search for Nadir</source>
        <extracomment>String 32818. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Guarda al nadir</translation>
    </message>
    <message>
        <source>Draw stars as points</source>
        <extracomment>String 32819. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Disegna le stelle come punti</translation>
    </message>
    <message>
        <source>Draw stars as bitmaps</source>
        <extracomment>String 32820. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Disegna le stelle come immagini</translation>
    </message>
    <message>
        <source>Lift the local-horizon sky by the atmosphere&apos;s refraction
Atmospheric refraction</source>
        <extracomment>String 32821: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Solleva il cielo dell&apos;orizzonte locale della rifrazione atmosferica
Rifrazione atmosferica</translation>
    </message>
    <message>
        <source>Show the night ahead: twilight, the Moon, the planets and what stands high
Tonight</source>
        <extracomment>String 32822: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra la notte che viene: crepuscolo, la Luna, i pianeti e ciò che sta alto
Stanotte</translation>
    </message>
    <message>
        <source>Show or hide the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32823: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi i campi dei tuoi oculari e delle tue camere
Campi degli oculari</translation>
    </message>
    <message>
        <source>Define the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32824: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Definisci i campi dei tuoi oculari e delle tue camere
Campi degli oculari</translation>
    </message>
    <message>
        <source>Show or hide the grid of altitude and azimuth
Alt-azimuth grid</source>
        <extracomment>String 32825: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi la griglia di altezza e azimut
Griglia altazimutale</translation>
    </message>
    <message>
        <source>Show or hide the meridian
Meridian</source>
        <extracomment>String 32826: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi il meridiano
Meridiano</translation>
    </message>
    <message>
        <source>Keep the object you chose at the middle of the view while time runs
Follow</source>
        <extracomment>String 32827: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tieni l&apos;oggetto scelto al centro della vista mentre il tempo scorre
Segui</translation>
    </message>
    <message>
        <source>Keep the sky at the present instant as the clock runs
Real time</source>
        <extracomment>String 32829: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tieni il cielo all&apos;istante presente mentre l&apos;orologio va
Tempo reale</translation>
    </message>
    <message>
        <source>Choose the language of the window; it takes effect after a restart
Language</source>
        <extracomment>String 32850: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Scegli la lingua della finestra; vale dal prossimo avvio
Lingua</translation>
    </message>
    <message>
        <source>Open an image file
Open</source>
        <extracomment>String 57601: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Apri un file immagine
Apri</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>String 57606: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cambia la stampante e le opzioni di stampa
Imposta stampa</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <extracomment>String 57607: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stampa la carta
Stampa</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <extracomment>String 57609: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra pagine intere
Anteprima di stampa</translation>
    </message>
    <message>
        <source>Open this document</source>
        <extracomment>String 57616. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Apri questo documento</translation>
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
        <translation>30 set 2002 </translation>
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
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright
Informazioni</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <extracomment>String 57665: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Esci dal programma
Esci</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <extracomment>String 57667: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elenca gli argomenti della guida
Argomenti della guida</translation>
    </message>
    <message>
        <source>Display instructions about how to use help
Help</source>
        <extracomment>String 57668: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra come usare la guida
Guida</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <extracomment>String 57669: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra la guida per pulsanti, menu e finestre cliccati
Guida</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <extracomment>String 57670: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra la guida per l&apos;attività o il comando attuale
Guida</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <extracomment>String 59392: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi la barra degli strumenti
Barra degli strumenti</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <extracomment>String 59393: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostra o nascondi la barra di stato
Barra di stato</translation>
    </message>
    <message>
        <source>The clocks went forward by %s on this day: there was no %s; it is read as %s (%s).</source>
        <extracomment>String 410. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Quel giorno gli orologi sono stati portati avanti di %s: le %s non ci sono state; si leggono come %s (%s).</translation>
    </message>
    <message>
        <source>The clocks went back on this day: %s came twice; the first time (%s) is meant.</source>
        <extracomment>String 411. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Quel giorno gli orologi sono stati portati indietro: le %s sono venute due volte; vale la prima (%s).</translation>
    </message>
    <message>
        <source>%s hour</source>
        <extracomment>String 412. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s ora</translation>
    </message>
    <message>
        <source>%s hours</source>
        <extracomment>String 413. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s ore</translation>
    </message>
    <message>
        <source>%s minute</source>
        <extracomment>String 414. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s minuto</translation>
    </message>
    <message>
        <source>%s minutes</source>
        <extracomment>String 415. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s minuti</translation>
    </message>
    <message>
        <source>Comet %s</source>
        <extracomment>String 370. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Cometa %s</translation>
    </message>
    <message>
        <source>Minor planet %s</source>
        <extracomment>String 371. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pianeta minore %s</translation>
    </message>
    <message>
        <source>The orbital elements are for %s, more than a year from the date shown: the place may be far off.</source>
        <extracomment>String 372. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Gli elementi orbitali valgono per il %s, a più di un anno dalla data mostrata: la posizione può essere molto imprecisa.</translation>
    </message>
    <message>
        <source> AU</source>
        <extracomment>String 373. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> UA</translation>
    </message>
    <message>
        <source>%s years</source>
        <extracomment>String 374. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s anni</translation>
    </message>
    <message>
        <source>No orbital elements were imported: %s   </source>
        <extracomment>String 375. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nessun elemento orbitale importato: %s   </translation>
    </message>
    <message>
        <source>The orbital elements could not be kept in &quot;%s&quot;: %s   </source>
        <extracomment>String 377. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossibile conservare gli elementi orbitali in «%s»: %s   </translation>
    </message>
    <message>
        <source>%s: the file cannot be read</source>
        <extracomment>String 378. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: impossibile leggere il file</translation>
    </message>
    <message>
        <source>%s: the file holds no orbital elements</source>
        <extracomment>String 379. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: il file non contiene elementi orbitali</translation>
    </message>
    <message>
        <source>%s from %s, the night of %s</source>
        <extracomment>String 390. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s da %s, la notte del %s</translation>
    </message>
    <message>
        <source>Time at the place (%s)</source>
        <extracomment>String 391. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ora del luogo (%s)</translation>
    </message>
    <message>
        <source>Altitude (°)</source>
        <extracomment>String 392. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Altezza (°)</translation>
    </message>
    <message>
        <source>Civil twilight</source>
        <extracomment>String 393. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crepuscolo civile</translation>
    </message>
    <message>
        <source>Nautical twilight</source>
        <extracomment>String 394. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crepuscolo nautico</translation>
    </message>
    <message>
        <source>Astronomical twilight</source>
        <extracomment>String 395. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crepuscolo astronomico</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>String 396. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Notte</translation>
    </message>
    <message>
        <source>Transit %s, %s</source>
        <extracomment>String 397. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Transito %s, %s</translation>
    </message>
    <message>
        <source>Shown %s</source>
        <extracomment>String 398. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrato %s</translation>
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
        <translation>Scegli prima l&apos;oggetto da tracciare: cercalo o fai clic destro su di esso.    </translation>
    </message>
    <message>
        <source>Cannot write %s: %s.    </source>
        <extracomment>String 402. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossibile scrivere %s: %s.    </translation>
    </message>
    <message>
        <source>No INDI server answers at %s:%s.</source>
        <extracomment>String 440. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nessun server INDI risponde a %s:%s.</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s closed the connection.</source>
        <extracomment>String 441. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il server INDI a %s:%s ha chiuso la connessione.</translation>
    </message>
    <message>
        <source>The INDI server offers no telescope called &quot;%s&quot;.</source>
        <extracomment>String 442. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il server INDI non offre alcun telescopio chiamato «%s».</translation>
    </message>
    <message>
        <source>The telescope %s reported an impossible place: %s.</source>
        <extracomment>String 443. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il telescopio %s ha segnalato una posizione impossibile: %s.</translation>
    </message>
    <message>
        <source>The telescope %s could not reach its target.</source>
        <extracomment>String 444. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il telescopio %s non ha potuto raggiungere il suo obiettivo.</translation>
    </message>
    <message>
        <source>Slewing to %s</source>
        <extracomment>String 445. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Puntamento su %s</translation>
    </message>
    <message>
        <source>Tracking %s</source>
        <extracomment>String 446. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Inseguimento di %s</translation>
    </message>
    <message>
        <source>Parking %s</source>
        <extracomment>String 447. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Parcheggio di %s</translation>
    </message>
    <message>
        <source>%s is parked</source>
        <extracomment>String 448. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s è parcheggiato</translation>
    </message>
    <message>
        <source>Connect a telescope first: Tools &gt; Telescope...</source>
        <extracomment>String 449. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Connetti prima un telescopio: Strumenti &gt; Telescopio...</translation>
    </message>
    <message>
        <source>Connected to %s</source>
        <extracomment>String 450. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Connesso a %s</translation>
    </message>
    <message>
        <source>%s synced on %s</source>
        <extracomment>String 451. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s sincronizzato su %s</translation>
    </message>
    <message>
        <source>%s stopped</source>
        <extracomment>String 452. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s fermato</translation>
    </message>
    <message>
        <source>The telescope is disconnected</source>
        <extracomment>String 453. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il telescopio è disconnesso</translation>
    </message>
    <message>
        <source>Connecting to %s:%s...</source>
        <extracomment>String 454. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Connessione a %s:%s...</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s offers no telescope.</source>
        <extracomment>String 455. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il server INDI a %s:%s non offre alcun telescopio.</translation>
    </message>
    <message>
        <source>Select an object first: search for it or click it.</source>
        <extracomment>String 456. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Scegli prima un oggetto: cercalo o fai clic su di esso.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <extracomment>String 457. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>La porta deve essere un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>the centre of the view</source>
        <extracomment>String 458. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>il centro della vista</translation>
    </message>
    <message>
        <source>The telescope %s did not answer.</source>
        <extracomment>String 459. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il telescopio %s non ha risposto.</translation>
    </message>
    <message>
        <source>The telescope %s did not end its slew within %s minutes.</source>
        <extracomment>String 460. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il telescopio %s non ha concluso il puntamento entro %s minuti.</translation>
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
        <translation>Magnitudini:</translation>
    </message>
    <message>
        <source>Io</source>
        <extracomment>String 470. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Io</translation>
    </message>
    <message>
        <source>Europa</source>
        <extracomment>String 471. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <extracomment>String 472. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ganimede</translation>
    </message>
    <message>
        <source>Callisto</source>
        <extracomment>String 473. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Callisto</translation>
    </message>
    <message>
        <source>Mimas</source>
        <extracomment>String 474. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mimas</translation>
    </message>
    <message>
        <source>Enceladus</source>
        <extracomment>String 475. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Encelado</translation>
    </message>
    <message>
        <source>Tethys</source>
        <extracomment>String 476. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Teti</translation>
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
        <translation>Titano</translation>
    </message>
    <message>
        <source>Hyperion</source>
        <extracomment>String 480. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Iperione</translation>
    </message>
    <message>
        <source>Iapetus</source>
        <extracomment>String 481. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Giapeto</translation>
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
        <translation>Oberon</translation>
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
        <translation>Mostra o nascondi le comete e i pianeti minori fino alla loro magnitudine limite
Comete e asteroidi</translation>
    </message>
    <message>
        <source>Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file
Import orbital elements</source>
        <extracomment>String 32831: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Importa gli elementi orbitali di comete o pianeti minori da un file MPCORB.DAT o CometEls.txt
Importa elementi orbitali</translation>
    </message>
    <message>
        <source>Plot the chosen object&apos;s altitude through the night, with the Moon and the twilights
Altitude plot</source>
        <extracomment>String 32840: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Traccia l&apos;altezza dell&apos;oggetto scelto nel corso della notte, con la Luna e i crepuscoli
Grafico dell&apos;altezza</translation>
    </message>
    <message>
        <source>Connect a telescope through an INDI server
Telescope</source>
        <extracomment>String 32860: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Connetti un telescopio tramite un server INDI
Telescopio</translation>
    </message>
    <message>
        <source>Point the telescope at the object you chose
Slew to selected</source>
        <extracomment>String 32861: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Punta il telescopio sull&apos;oggetto scelto
Punta sull&apos;oggetto scelto</translation>
    </message>
    <message>
        <source>Tell the telescope that it points at the object you chose
Sync to selected</source>
        <extracomment>String 32862: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Comunica al telescopio che punta l&apos;oggetto scelto
Sincronizza sull&apos;oggetto scelto</translation>
    </message>
    <message>
        <source>Point the telescope at the middle of the view
Slew to view centre</source>
        <extracomment>String 32863: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Punta il telescopio al centro della vista
Punta al centro della vista</translation>
    </message>
    <message>
        <source>Stop the telescope&apos;s motion at once
Abort slew</source>
        <extracomment>String 32864: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ferma subito il movimento del telescopio
Interrompi il puntamento</translation>
    </message>
    <message>
        <source>Send the telescope to its park position
Park</source>
        <extracomment>String 32865: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Manda il telescopio nella sua posizione di parcheggio
Parcheggia</translation>
    </message>
    <message>
        <source>Wake the telescope from its park position
Unpark</source>
        <extracomment>String 32866: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Risveglia il telescopio dalla sua posizione di parcheggio
Rimuovi dal parcheggio</translation>
    </message>
    <message>
        <source>Keep the telescope&apos;s place at the middle of the view
Follow the telescope</source>
        <extracomment>String 32867: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mantieni la posizione del telescopio al centro della vista
Segui il telescopio</translation>
    </message>
    <message>
        <source>Centre the view on a right ascension and declination or an altitude and azimuth
Go to coordinates</source>
        <extracomment>String 32875: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Centra la vista su un&apos;ascensione retta e una declinazione o su un&apos;altezza e un azimut
Vai alle coordinate</translation>
    </message>
    <message>
        <source>Triton</source>
        <extracomment>String 489. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tritone</translation>
    </message>
</context>
<context>
    <name>sky</name>
    <message>
        <source>Sun always higher</source>
        <translation>Sole sempre più alto</translation>
    </message>
    <message>
        <source>Sun always lower</source>
        <translation>Sole sempre più basso</translation>
    </message>
    <message>
        <source>always above the horizon</source>
        <translation>sempre sopra l&apos;orizzonte</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>non sorge mai</translation>
    </message>
    <message>
        <source>not this day</source>
        <translation>non in questo giorno</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Galaxy cluster</source>
        <translation>Ammasso di galassie</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>Deep sky object</source>
        <translation>Oggetto del profondo cielo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Pianeta</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galassia</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>ammasso aperto</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>ammasso globulare</translation>
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
        <translation>ammasso di galassie</translation>
    </message>
    <message>
        <source>star</source>
        <translation>stella</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>oggetto del profondo cielo</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>luna</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>pianeta</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>costellazione</translation>
    </message>
    <message>
        <source>place</source>
        <translation>luogo</translation>
    </message>
    <message>
        <source>The right ascension must be hours from 0 to 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) or degrees from 0 to 360 (&quot;83.82°&quot;).</source>
        <translation>L&apos;ascensione retta deve essere in ore da 0 a 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) o in gradi da 0 a 360 (&quot;83.82°&quot;).</translation>
    </message>
    <message>
        <source>The declination must be degrees from -90 to +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</source>
        <translation>La declinazione deve essere in gradi da -90 a +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</translation>
    </message>
    <message>
        <source>The altitude must be degrees from -90 to +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</source>
        <translation>L&apos;altezza deve essere in gradi da -90 a +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</translation>
    </message>
    <message>
        <source>The azimuth must be degrees from 0 to 360, from the north through the east (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</source>
        <translation>L&apos;azimut deve essere in gradi da 0 a 360, da nord verso est (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Minor planet</source>
        <translation>Pianeta minore</translation>
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
        <translation>Sì</translation>
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
        <translation>Ammassi &amp;aperti</translation>
    </message>
    <message>
        <source>&amp;Glob. Clusters</source>
        <translation>Ammassi &amp;globulari</translation>
    </message>
    <message>
        <source>G&amp;alaxies</source>
        <translation>G&amp;alassie</translation>
    </message>
    <message>
        <source>Ne&amp;bulae</source>
        <translation>Ne&amp;bulose</translation>
    </message>
    <message>
        <source>&amp;Planet. Nebulae</source>
        <translation>Nebulose &amp;planetarie</translation>
    </message>
    <message>
        <source>&amp;Label by</source>
        <translation>&amp;Etichetta con</translation>
    </message>
    <message>
        <source>Catalog Number</source>
        <translation>Numero di catalogo</translation>
    </message>
    <message>
        <source>Common Name</source>
        <translation>Nome comune</translation>
    </message>
    <message>
        <source>&amp;Draw as</source>
        <translation>&amp;Disegna come</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>&amp;Grids</source>
        <translation>&amp;Griglie</translation>
    </message>
    <message>
        <source>Constellation &amp;lines</source>
        <translation>&amp;Linee delle costellazioni</translation>
    </message>
    <message>
        <source>Const. &amp;boundaries</source>
        <translation>&amp;Confini delle costell.</translation>
    </message>
    <message>
        <source>Const. l&amp;abels</source>
        <translation>&amp;Nomi delle costell.</translation>
    </message>
    <message>
        <source>&amp;Ecliptic</source>
        <translation>&amp;Eclittica</translation>
    </message>
    <message>
        <source>&amp;Deep sky</source>
        <translation>&amp;Profondo cielo</translation>
    </message>
    <message>
        <source>Deep s&amp;ky labels</source>
        <translation>Etichette del p&amp;rofondo cielo</translation>
    </message>
    <message>
        <source>&amp;Star names</source>
        <translation>Nomi delle &amp;stelle</translation>
    </message>
    <message>
        <source>&amp;Planet names</source>
        <translation>Nomi dei p&amp;ianeti</translation>
    </message>
    <message>
        <source>none: standard time as typed, summer time as this computer keeps it</source>
        <translation>nessuno: ora solare come scritta, ora legale come la tiene questo computer</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
</context>
</TS>
