<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAltitudePlotWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Save as PNG/SVG...</source>
        <translation>Als PNG/SVG &amp;speichern...</translation>
    </message>
    <message>
        <source>Altitude Plot - %1</source>
        <translation>Höhendiagramm - %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
</context>
<context>
    <name>CBodyInfoDialog</name>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektaszension (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklination (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Entfernung von der Erde:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Entfernung von der Sonne:</translation>
    </message>
    <message>
        <source>Illuminated fraction:</source>
        <translation>Beleuchteter Anteil:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Scheinbare Größe:</translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation>Bürgerliche Dämmerung:</translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation>Nautische Dämmerung:</translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation>Astronomische Dämmerung:</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Phase:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Central meridian (System II):</source>
        <translation>Zentralmeridian (System II):</translation>
    </message>
</context>
<context>
    <name>CBodySearchDialog</name>
    <message>
        <source>Search for Solar System...</source>
        <translation>Sonnensystem durchsuchen...</translation>
    </message>
</context>
<context>
    <name>CColoursDialog</name>
    <message>
        <source>Colors...</source>
        <translation>Farben...</translation>
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
        <translation>Datum/Uhrzeit...</translation>
    </message>
    <message>
        <source>Daylight &amp;saving time</source>
        <translation>&amp;Sommerzeit</translation>
    </message>
    <message>
        <source>Set to the present time at this place; OK shows its sky.</source>
        <translation>Auf die jetzige Zeit an diesem Ort gestellt; OK zeigt ihren Himmel.</translation>
    </message>
    <message>
        <source>&amp;Now...</source>
        <translation>&amp;Jetzt...</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Abstand zu UT:</translation>
    </message>
</context>
<context>
    <name>CDeepSkyDialog</name>
    <message>
        <source>Deep sky objects...</source>
        <translation>Deep-Sky-Objekte...</translation>
    </message>
</context>
<context>
    <name>CDeepSkyInfoDialog</name>
    <message>
        <source>Catalog number:</source>
        <translation>Katalognummer:</translation>
    </message>
    <message>
        <source>Common name:</source>
        <translation>Gebräuchlicher Name:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektaszension (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklination (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Other designations:</source>
        <translation>Weitere Bezeichnungen:</translation>
    </message>
</context>
<context>
    <name>CDialogCommands</name>
    <message>
        <source>Orbital elements (*.DAT *.dat *.txt *.TXT)</source>
        <translation>Bahnelemente (*.DAT *.dat *.txt *.TXT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n orbital elements were read; they are kept in &quot;%1&quot; for the next start.</source>
        <translation>
            <numerusform>%n Bahnelement wurde gelesen; es wird für den nächsten Start in „%1“ aufbewahrt.</numerusform>
            <numerusform>%n Bahnelemente wurden gelesen; sie werden für den nächsten Start in „%1“ aufbewahrt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFaintStarInfoDialog</name>
    <message>
        <source>HIP number:</source>
        <translation>HIP-Nummer:</translation>
    </message>
    <message>
        <source>Designation:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektaszension (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklination (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Colour index (B-V):</source>
        <translation>Farbindex (B-V):</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Spektraltyp:</translation>
    </message>
</context>
<context>
    <name>CFieldsDialog</name>
    <message>
        <source>Eyepiece Fields</source>
        <translation>Okularfelder</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Circle of a given diameter</source>
        <translation>Kreis mit gegebenem Durchmesser</translation>
    </message>
    <message>
        <source>Eyepiece on a telescope</source>
        <translation>Okular an einem Teleskop</translation>
    </message>
    <message>
        <source>Camera on a telescope</source>
        <translation>Kamera an einem Teleskop</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Diameter (arc-minutes):</source>
        <translation>&amp;Durchmesser (Bogenminuten):</translation>
    </message>
    <message>
        <source>&amp;Telescope focal length (mm):</source>
        <translation>&amp;Brennweite des Teleskops (mm):</translation>
    </message>
    <message>
        <source>&amp;Eyepiece focal length (mm):</source>
        <translation>Brennweite des &amp;Okulars (mm):</translation>
    </message>
    <message>
        <source>A&amp;pparent field (°):</source>
        <translation>&amp;Scheinbares Gesichtsfeld (°):</translation>
    </message>
    <message>
        <source>Sensor &amp;width (mm):</source>
        <translation>Sensor&amp;breite (mm):</translation>
    </message>
    <message>
        <source>Sensor &amp;height (mm):</source>
        <translation>Sensor&amp;höhe (mm):</translation>
    </message>
    <message>
        <source>Field on the sky:</source>
        <translation>Feld am Himmel:</translation>
    </message>
    <message>
        <source>Centre the &amp;fields on the telescope while one is connected</source>
        <translation>Die &amp;Felder auf das Teleskop zentrieren, solange eines verbunden ist</translation>
    </message>
</context>
<context>
    <name>CFindBox</name>
    <message>
        <source>Find (F3)</source>
        <translation>Suchen (F3)</translation>
    </message>
    <message>
        <source>%1 — %2, %3° %4</source>
        <translation>%1 — %2, %3° %4</translation>
    </message>
    <message>
        <source>up</source>
        <translation>über dem Horizont</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>unter dem Horizont</translation>
    </message>
    <message>
        <source>Find an object by any of its names, or a place; Shift+Enter opens its card</source>
        <translation>Ein Objekt unter einem seiner Namen oder einen Ort suchen; Umschalt+Eingabe öffnet seine Karte</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Observer&apos;s Location</source>
        <translation>Beobachtungsort</translation>
    </message>
    <message>
        <source>Set the observer to %1?</source>
        <translation>Den Beobachter nach %1 versetzen?</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to Coordinates</source>
        <translation>Zu Koordinaten gehen</translation>
    </message>
    <message>
        <source>J2000 right ascension and declination</source>
        <translation>Rektaszension und Deklination J2000</translation>
    </message>
    <message>
        <source>Right ascension and declination of date</source>
        <translation>Rektaszension und Deklination des Datums</translation>
    </message>
    <message>
        <source>Altitude and azimuth</source>
        <translation>Höhe und Azimut</translation>
    </message>
    <message>
        <source>&amp;Frame:</source>
        <translation>&amp;System:</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Right ascension:</source>
        <translation>&amp;Rektaszension:</translation>
    </message>
    <message>
        <source>A&amp;zimuth (from the north through the east):</source>
        <translation>A&amp;zimut (von Norden über Osten):</translation>
    </message>
    <message>
        <source>&amp;Declination:</source>
        <translation>&amp;Deklination:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.</source>
        <translation>Die Seite des Handbuchs. Ein Klick auf einen Verweis folgt ihm; Zurück (Alt+Links) und Vorwärts (Alt+Rechts) gehen Ihre Schritte nach.</translation>
    </message>
    <message>
        <source>The guide&apos;s pages in their order, each with its sections. Click one to read it.</source>
        <translation>Die Seiten des Handbuchs in ihrer Reihenfolge, jede mit ihren Abschnitten. Ein Klick öffnet sie.</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Gesuchtes Wort eingeben</translation>
    </message>
    <message>
        <source>Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.</source>
        <translation>Geben Sie den Anfang eines Wortes ein: Das Stichwortverzeichnis darunter behält die Einträge, die es enthalten. Eingabe öffnet den ersten.</translation>
    </message>
    <message>
        <source>Every topic of the guide in alphabetical order. Click one to read it.</source>
        <translation>Alle Themen des Handbuchs in alphabetischer Reihenfolge. Ein Klick öffnet sie.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Stichwörter</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Geht zur zuvor gelesenen Seite zurück.</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Geht nach Zurück wieder vorwärts.</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>I&amp;nhalt</translation>
    </message>
    <message>
        <source>Goes to the guide&apos;s first page, the list of all its pages.</source>
        <translation>Geht zur ersten Seite des Handbuchs, der Liste aller seiner Seiten.</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Hilfe verwenden</translation>
    </message>
    <message>
        <source>Explains this window.</source>
        <translation>Erklärt dieses Fenster.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The user guide has no page &lt;b&gt;%1&lt;/b&gt;: the folder &lt;tt&gt;%2&lt;/tt&gt; should hold it. Installing Stellix again puts the guide back.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Seite nicht gefunden&lt;/h1&gt;&lt;p&gt;Das Handbuch hat keine Seite &lt;b&gt;%1&lt;/b&gt;: Der Ordner &lt;tt&gt;%2&lt;/tt&gt; sollte sie enthalten. Eine erneute Installation von Stellix stellt das Handbuch wieder her.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
</context>
<context>
    <name>CInfoCard</name>
    <message>
        <source>Right ascension (of date):</source>
        <translation>Rektaszension (des Datums):</translation>
    </message>
    <message>
        <source>Declination (of date):</source>
        <translation>Deklination (des Datums):</translation>
    </message>
    <message>
        <source>Rise:</source>
        <translation>Aufgang:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Kulmination:</translation>
    </message>
    <message>
        <source>Transit altitude:</source>
        <translation>Kulminationshöhe:</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Untergang:</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Höhen&amp;diagramm</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>Teleskop &amp;schwenken</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <translation>&amp;Verfolgen</translation>
    </message>
    <message>
        <source>Keep the object at the middle of the view while time runs</source>
        <translation>Das Objekt in der Bildmitte halten, während die Zeit läuft</translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The new language takes effect after a restart of Stellix.</source>
        <translation>Die neue Sprache gilt nach einem Neustart von Stellix.</translation>
    </message>
    <message>
        <source>Name the constellations in &amp;Latin</source>
        <translation>Sternbilder &amp;lateinisch benennen</translation>
    </message>
    <message>
        <source>The sky and the printed chart name the constellations in Latin instead of the window&apos;s language. Takes effect at once.</source>
        <translation>Der Himmel und die gedruckte Karte benennen die Sternbilder lateinisch statt in der Sprache des Fensters. Wirkt sofort.</translation>
    </message>
</context>
<context>
    <name>CListSearchDialog</name>
    <message>
        <source>Search for star...</source>
        <translation>Stern suchen...</translation>
    </message>
    <message>
        <source>Search for constellation...</source>
        <translation>Sternbild suchen...</translation>
    </message>
    <message>
        <source>Search for NGC...</source>
        <translation>NGC-Objekt suchen...</translation>
    </message>
</context>
<context>
    <name>CLocationDialog</name>
    <message>
        <source>Observer&apos;s Location...</source>
        <translation>Beobachtungsort...</translation>
    </message>
    <message>
        <source>&amp;Enter your location</source>
        <translation>&amp;Ihr Ort</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Zeitzone:</translation>
    </message>
    <message>
        <source>hours ahead of Greenwich</source>
        <translation>Stunden vor Greenwich</translation>
    </message>
    <message>
        <source>Time zone rules:</source>
        <translation>Zeitzonenregeln:</translation>
    </message>
    <message>
        <source>Fin&amp;d:</source>
        <translation>Su&amp;chen:</translation>
    </message>
    <message>
        <source>&amp;Select location</source>
        <translation>Ort &amp;wählen</translation>
    </message>
    <message>
        <source>%1 (%2 on the date set)</source>
        <translation>%1 (%2 am eingestellten Datum)</translation>
    </message>
    <message numerus="yes">
        <source>Type part of a name (%n places)</source>
        <translation>
            <numerusform>Teil eines Namens eingeben (%n Ort)</numerusform>
            <numerusform>Teil eines Namens eingeben (%n Orte)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMagnitudeLimitsDialog</name>
    <message>
        <source>Magnitude limits...</source>
        <translation>Grenzhelligkeiten...</translation>
    </message>
    <message>
        <source>&amp;Auto mode</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Sterne</translation>
    </message>
    <message>
        <source>&amp;Deep sky objects</source>
        <translation>&amp;Deep-Sky-Objekte</translation>
    </message>
    <message>
        <source>Co&amp;mets and asteroids:</source>
        <translation>Ko&amp;meten und Kleinplaneten:</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&lt;b&gt;The sky&lt;/b&gt;&lt;p&gt;Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Der Himmel&lt;/b&gt;&lt;p&gt;Ein Klick auf einen Punkt holt ihn in die Mitte; Ziehen dreht den Himmel; das Mausrad vergrößert und verkleinert. Ein Rechtsklick auf ein Objekt zeigt seine Karte. Die Pfeiltasten verschieben das Feld in ihre Richtung, * und / auf dem Ziffernblock zoomen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Chart Mode</source>
        <translation>&amp;Kartenmodus</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Sterne</translation>
    </message>
    <message>
        <source>Sky &amp;Background</source>
        <translation>&amp;Himmelshintergrund</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Object</source>
        <translation>&amp;Deep-Sky-Objekt</translation>
    </message>
    <message>
        <source>&amp;Horizon Point</source>
        <translation>&amp;Horizontpunkt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Na&amp;vigation Toolbar</source>
        <translation>&amp;Navigationsleiste</translation>
    </message>
    <message>
        <source>Show or hide the navigation toolbar</source>
        <translation>Navigationsleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Right ascension (J2000) of the sky under the pointer.</source>
        <translation>Rektaszension (J2000) des Himmels unter dem Mauszeiger.</translation>
    </message>
    <message>
        <source>Declination (J2000) of the sky under the pointer.</source>
        <translation>Deklination (J2000) des Himmels unter dem Mauszeiger.</translation>
    </message>
    <message>
        <source>The observer&apos;s place; Settings &gt; Observer&apos;s Location changes it.</source>
        <translation>Der Beobachtungsort; Einstellungen &gt; Beobachtungsort ändert ihn.</translation>
    </message>
    <message>
        <source>The local time of the sky shown, with the time zone&apos;s abbreviation and its offset from Universal Time.</source>
        <translation>Die Ortszeit des gezeigten Himmels, mit der Abkürzung der Zeitzone und ihrem Abstand zur Weltzeit.</translation>
    </message>
    <message>
        <source>The date of the sky shown.</source>
        <translation>Das Datum des gezeigten Himmels.</translation>
    </message>
    <message>
        <source>Press Esc to leave full screen</source>
        <translation>Esc beendet den Vollbildmodus</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
</context>
<context>
    <name>CMessierSearchDialog</name>
    <message>
        <source>Search for Messier...</source>
        <translation>Messier-Objekt suchen...</translation>
    </message>
    <message>
        <source>Enter catalog number</source>
        <translation>Katalognummer eingeben</translation>
    </message>
</context>
<context>
    <name>CPlanetMoonInfoDialog</name>
    <message>
        <source>Planet:</source>
        <translation>Planet:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektaszension (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklination (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Separation from the planet:</source>
        <translation>Abstand vom Planeten:</translation>
    </message>
    <message>
        <source>Position angle:</source>
        <translation>Positionswinkel:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Entfernung von der Erde:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Entfernung von der Sonne:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Scheinbare Größe:</translation>
    </message>
</context>
<context>
    <name>CSmallBodyInfoDialog</name>
    <message>
        <source>Designation:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektaszension (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklination (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Entfernung von der Erde:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Entfernung von der Sonne:</translation>
    </message>
    <message>
        <source>Elongation:</source>
        <translation>Elongation:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Perihelion distance:</source>
        <translation>Periheldistanz:</translation>
    </message>
    <message>
        <source>Semi-major axis:</source>
        <translation>Große Halbachse:</translation>
    </message>
    <message>
        <source>Eccentricity:</source>
        <translation>Exzentrizität:</translation>
    </message>
    <message>
        <source>Inclination:</source>
        <translation>Bahnneigung:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Umlaufzeit:</translation>
    </message>
    <message>
        <source>Elements&apos; epoch:</source>
        <translation>Epoche der Bahnelemente:</translation>
    </message>
</context>
<context>
    <name>CSplashWindow</name>
    <message>
        <source>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Data sources and licences...&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Datenquellen und Lizenzen...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Opens the user guide at the full list of the sky data&apos;s sources, their authors and their licences.</source>
        <translation>Öffnet das Handbuch bei der vollständigen Liste der Quellen der Himmelsdaten, ihrer Urheber und ihrer Lizenzen.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</source>
        <translation>Ein Planetarium für den Schreibtisch. Freie Software unter der GNU General Public License, Version 3 oder später, ohne jede Gewährleistung. Himmelsdaten: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz-Datenbank, NASA. Planetenkarten: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</translation>
    </message>
</context>
<context>
    <name>CStarInfoDialog</name>
    <message>
        <source>HR number:</source>
        <translation>HR-Nummer:</translation>
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
        <translation>Eigenname:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektaszension (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklination (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Spektraltyp:</translation>
    </message>
</context>
<context>
    <name>CTelescopeDialog</name>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>Tre&amp;nnen</translation>
    </message>
    <message>
        <source>INDI server &amp;host:</source>
        <translation>&amp;Rechner des INDI-Servers:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Telescopes the server offers:</source>
        <translation>&amp;Teleskope des Servers:</translation>
    </message>
</context>
<context>
    <name>CTonightWindow</name>
    <message>
        <source>Tonight</source>
        <translation>Heute Nacht</translation>
    </message>
    <message>
        <source>Planets in the night, each at its highest:</source>
        <translation>Planeten in der Nacht, jeder bei seinem höchsten Stand:</translation>
    </message>
    <message>
        <source>Objects above 30° at:</source>
        <translation>Objekte höher als 30° um:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Aufgang</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Untergang</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Moonrise %1, moonset %2</source>
        <translation>Mondaufgang %1, Monduntergang %2</translation>
    </message>
    <message>
        <source>Moonset %1, moonrise %2</source>
        <translation>Monduntergang %1, Mondaufgang %2</translation>
    </message>
    <message>
        <source>Sunset %1; civil twilight ends %2, nautical %3, astronomical %4</source>
        <translation>Sonnenuntergang %1; bürgerliche Dämmerung endet %2, nautische %3, astronomische %4</translation>
    </message>
    <message>
        <source>%1; %2, illuminated %3</source>
        <translation>%1; %2, beleuchtet %3</translation>
    </message>
    <message>
        <source>Dark hours without the Moon: %1</source>
        <translation>Dunkle Stunden ohne Mond: %1</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Höhen&amp;diagramm</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>Teleskop &amp;schwenken</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Grids</source>
        <extracomment>Menu item of command 32780; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Gitternetz</translation>
    </message>
    <message>
        <source>Alt-a&amp;zimuth Grid</source>
        <extracomment>Menu item of command 32825; &amp; marks the letter that chooses it.</extracomment>
        <translation>Hö&amp;he-Azimut-Gitter</translation>
    </message>
    <message>
        <source>Meridia&amp;n</source>
        <extracomment>Menu item of command 32826; &amp; marks the letter that chooses it.</extracomment>
        <translation>Meridia&amp;n</translation>
    </message>
    <message>
        <source>&amp;Boundaries</source>
        <extracomment>Menu item of command 32778; &amp; marks the letter that chooses it.</extracomment>
        <translation>Sternbild&amp;grenzen</translation>
    </message>
    <message>
        <source>Constellation &amp;Lines</source>
        <extracomment>Menu item of command 32779; &amp; marks the letter that chooses it.</extracomment>
        <translation>Sternbild&amp;linien</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Objects</source>
        <extracomment>Menu item of command 32777; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Deep-Sky-Objekte</translation>
    </message>
    <message>
        <source>&amp;Milky Way</source>
        <extracomment>Menu item of command 32781; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Milchstraße</translation>
    </message>
    <message>
        <source>&amp;Solar System Objects</source>
        <extracomment>Menu item of command 32782; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sonnensystem</translation>
    </message>
    <message>
        <source>&amp;Eclipic</source>
        <extracomment>Menu item of command 32804; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ekliptik</translation>
    </message>
    <message>
        <source>Star &amp;Names</source>
        <extracomment>Menu item of command 32796; &amp; marks the letter that chooses it.</extracomment>
        <translation>Stern&amp;namen</translation>
    </message>
    <message>
        <source>D&amp;eep Sky Labels</source>
        <extracomment>Menu item of command 32798; &amp; marks the letter that chooses it.</extracomment>
        <translation>D&amp;eep-Sky-Beschriftung</translation>
    </message>
    <message>
        <source>&amp;Planet Names</source>
        <extracomment>Menu item of command 32797; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Planetennamen</translation>
    </message>
    <message>
        <source>Stars &amp;Colors</source>
        <extracomment>Menu item of command 32792; &amp; marks the letter that chooses it.</extracomment>
        <translation>Stern&amp;farben</translation>
    </message>
    <message>
        <source>&amp;Atmospheric refraction</source>
        <extracomment>Menu item of command 32821; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Atmosphärische Refraktion</translation>
    </message>
    <message>
        <source>E&amp;yepiece Fields</source>
        <extracomment>Menu item of command 32823; &amp; marks the letter that chooses it.</extracomment>
        <translation>O&amp;kularfelder</translation>
    </message>
    <message>
        <source>Eyep&amp;iece Fields...</source>
        <extracomment>Menu item of command 32824; &amp; marks the letter that chooses it.</extracomment>
        <translation>Okularfelder &amp;festlegen...</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <extracomment>Menu item of command 32827; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Verfolgen</translation>
    </message>
    <message>
        <source>&amp;Red Screen</source>
        <extracomment>Menu item of command 32802; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Rotlicht</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <extracomment>Menu item of command 32803; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <extracomment>Menu item of command 59392; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <extracomment>Menu item of command 59393; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Equatorial</source>
        <extracomment>Menu item of command 32800; &amp; marks the letter that chooses it.</extracomment>
        <translation>Ä&amp;quatorial</translation>
    </message>
    <message>
        <source>&amp;Local Horizon</source>
        <extracomment>Menu item of command 32801; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Lokaler Horizont</translation>
    </message>
    <message>
        <source>&amp;Date/Time...</source>
        <extracomment>Menu item of command 32784; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Datum/Uhrzeit...</translation>
    </message>
    <message>
        <source>Observer&apos;s &amp;Location...</source>
        <extracomment>Menu item of command 32785; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Beobachtungsort...</translation>
    </message>
    <message>
        <source>&amp;Magnitude Limits...</source>
        <extracomment>Menu item of command 32787; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Grenzhelligkeiten...</translation>
    </message>
    <message>
        <source>Draw &amp;Points</source>
        <extracomment>Menu item of command 32819; &amp; marks the letter that chooses it.</extracomment>
        <translation>Als &amp;Punkte zeichnen</translation>
    </message>
    <message>
        <source>Draw &amp;Bitmaps</source>
        <extracomment>Menu item of command 32820; &amp; marks the letter that chooses it.</extracomment>
        <translation>Als &amp;Bilder zeichnen</translation>
    </message>
    <message>
        <source>Deep Sky &amp;Objects...</source>
        <extracomment>Menu item of command 32788; &amp; marks the letter that chooses it.</extracomment>
        <translation>Deep-Sky-&amp;Objekte...</translation>
    </message>
    <message>
        <source>Colo&amp;rs...</source>
        <extracomment>Menu item of command 32790; &amp; marks the letter that chooses it.</extracomment>
        <translation>Fa&amp;rben...</translation>
    </message>
    <message>
        <source>Lan&amp;guage...</source>
        <extracomment>Menu item of command 32850; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sprache...</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <extracomment>Menu item of command 32806; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <extracomment>Menu item of command 32807; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Farbig</translation>
    </message>
    <message>
        <source>&amp;Star...</source>
        <extracomment>Menu item of command 32808; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Stern...</translation>
    </message>
    <message>
        <source>&amp;Constellation...</source>
        <extracomment>Menu item of command 32810; &amp; marks the letter that chooses it.</extracomment>
        <translation>Stern&amp;bild...</translation>
    </message>
    <message>
        <source>S&amp;olar System Object...</source>
        <extracomment>Menu item of command 32809; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Objekt des Sonnensystems...</translation>
    </message>
    <message>
        <source>&amp;Messier Catalog...</source>
        <extracomment>Menu item of command 32811; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Messier-Katalog...</translation>
    </message>
    <message>
        <source>&amp;NGC Catalog...</source>
        <extracomment>Menu item of command 32812; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;NGC-Katalog...</translation>
    </message>
    <message>
        <source>&amp;Tonight...</source>
        <extracomment>Menu item of command 32822; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Heute Nacht...</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <extracomment>Menu item of command 32813; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Osten</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <extracomment>Menu item of command 32814; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Westen</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <extracomment>Menu item of command 32815; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Norden</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <extracomment>Menu item of command 32816; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Süden</translation>
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
        <translation>&amp;Echtzeit</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <extracomment>Menu item of command 57601; &amp; marks the letter that chooses it.</extracomment>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Menu item of command 57607; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <extracomment>Menu item of command 57609; &amp; marks the letter that chooses it.</extracomment>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <extracomment>Menu item of command 57606; &amp; marks the letter that chooses it.</extracomment>
        <translation>D&amp;ruckereinrichtung...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <extracomment>Menu item of command 57616; &amp; marks the letter that chooses it.</extracomment>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item of command 57665; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Menu item of command 57667; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <extracomment>Menu item of command 57668; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Hilfe verwenden</translation>
    </message>
    <message>
        <source>&amp;About Stellix...</source>
        <extracomment>Menu item of command 57664; &amp; marks the letter that chooses it.</extracomment>
        <translation>Ü&amp;ber Stellix...</translation>
    </message>
    <message>
        <source>Comets and &amp;Asteroids</source>
        <extracomment>Menu item of command 32830; &amp; marks the letter that chooses it.</extracomment>
        <translation>Kometen und &amp;Kleinplaneten</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot...</source>
        <extracomment>Menu item of command 32840; &amp; marks the letter that chooses it.</extracomment>
        <translation>Höhendia&amp;gramm...</translation>
    </message>
    <message>
        <source>&amp;Telescope...</source>
        <extracomment>Menu item of command 32860; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Teleskop...</translation>
    </message>
    <message>
        <source>&amp;Slew to Selected</source>
        <extracomment>Menu item of command 32861; &amp; marks the letter that chooses it.</extracomment>
        <translation>Zum gewählten Objekt &amp;schwenken</translation>
    </message>
    <message>
        <source>S&amp;ync to Selected</source>
        <extracomment>Menu item of command 32862; &amp; marks the letter that chooses it.</extracomment>
        <translation>Auf gewähltes Objekt s&amp;ynchronisieren</translation>
    </message>
    <message>
        <source>Slew to View &amp;Centre</source>
        <extracomment>Menu item of command 32863; &amp; marks the letter that chooses it.</extracomment>
        <translation>Zur Bild&amp;mitte schwenken</translation>
    </message>
    <message>
        <source>&amp;Abort Slew</source>
        <extracomment>Menu item of command 32864; &amp; marks the letter that chooses it.</extracomment>
        <translation>Schwenk &amp;abbrechen</translation>
    </message>
    <message>
        <source>&amp;Park</source>
        <extracomment>Menu item of command 32865; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Parkposition anfahren</translation>
    </message>
    <message>
        <source>&amp;Unpark</source>
        <extracomment>Menu item of command 32866; &amp; marks the letter that chooses it.</extracomment>
        <translation>Parkposition &amp;verlassen</translation>
    </message>
    <message>
        <source>&amp;Follow the Telescope</source>
        <extracomment>Menu item of command 32867; &amp; marks the letter that chooses it.</extracomment>
        <translation>Dem Teleskop &amp;folgen</translation>
    </message>
    <message>
        <source>&amp;Import Orbital Elements...</source>
        <extracomment>Menu item of command 32831; &amp; marks the letter that chooses it.</extracomment>
        <translation>Bahnelemente &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Go to Coordinates...</source>
        <extracomment>Menu item of command 32875; &amp; marks the letter that chooses it.</extracomment>
        <translation>Zu &amp;Koordinaten gehen...</translation>
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
        <translation>SO</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
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
        <translation>Luftpumpe</translation>
    </message>
    <message>
        <source>Apus</source>
        <translation>Paradiesvogel</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Aquila</source>
        <translation>Adler</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>Altar</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Auriga</source>
        <translation>Fuhrmann</translation>
    </message>
    <message>
        <source>Boötes</source>
        <translation>Bärenhüter</translation>
    </message>
    <message>
        <source>Caelum</source>
        <translation>Grabstichel</translation>
    </message>
    <message>
        <source>Camelopardalis</source>
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Canes Venatici</source>
        <translation>Jagdhunde</translation>
    </message>
    <message>
        <source>Canis Major</source>
        <translation>Großer Hund</translation>
    </message>
    <message>
        <source>Canis Minor</source>
        <translation>Kleiner Hund</translation>
    </message>
    <message>
        <source>Capricornus</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Carina</source>
        <translation>Kiel des Schiffs</translation>
    </message>
    <message>
        <source>Cassiopeia</source>
        <translation>Kassiopeia</translation>
    </message>
    <message>
        <source>Centaurus</source>
        <translation>Zentaur</translation>
    </message>
    <message>
        <source>Cepheus</source>
        <translation>Kepheus</translation>
    </message>
    <message>
        <source>Cetus</source>
        <translation>Walfisch</translation>
    </message>
    <message>
        <source>Chamaeleon</source>
        <translation>Chamäleon</translation>
    </message>
    <message>
        <source>Circinus</source>
        <translation>Zirkel</translation>
    </message>
    <message>
        <source>Columba</source>
        <translation>Taube</translation>
    </message>
    <message>
        <source>Coma Berenices</source>
        <translation>Haar der Berenike</translation>
    </message>
    <message>
        <source>Corona Austrina</source>
        <translation>Südliche Krone</translation>
    </message>
    <message>
        <source>Corona Borealis</source>
        <translation>Nördliche Krone</translation>
    </message>
    <message>
        <source>Corvus</source>
        <translation>Rabe</translation>
    </message>
    <message>
        <source>Crater</source>
        <translation>Becher</translation>
    </message>
    <message>
        <source>Crux</source>
        <translation>Kreuz des Südens</translation>
    </message>
    <message>
        <source>Cygnus</source>
        <translation>Schwan</translation>
    </message>
    <message>
        <source>Delphinus</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Dorado</source>
        <translation>Schwertfisch</translation>
    </message>
    <message>
        <source>Draco</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>Equuleus</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Eridanus</source>
        <translation>Eridanus</translation>
    </message>
    <message>
        <source>Fornax</source>
        <translation>Chemischer Ofen</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Grus</source>
        <translation>Kranich</translation>
    </message>
    <message>
        <source>Hercules</source>
        <translation>Herkules</translation>
    </message>
    <message>
        <source>Horologium</source>
        <translation>Pendeluhr</translation>
    </message>
    <message>
        <source>Hydra</source>
        <translation>Wasserschlange</translation>
    </message>
    <message>
        <source>Hydrus</source>
        <translation>Kleine Wasserschlange</translation>
    </message>
    <message>
        <source>Indus</source>
        <translation>Inder</translation>
    </message>
    <message>
        <source>Lacerta</source>
        <translation>Eidechse</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Leo Minor</source>
        <translation>Kleiner Löwe</translation>
    </message>
    <message>
        <source>Lepus</source>
        <translation>Hase</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Lupus</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>Lynx</source>
        <translation>Luchs</translation>
    </message>
    <message>
        <source>Lyra</source>
        <translation>Leier</translation>
    </message>
    <message>
        <source>Mensa</source>
        <translation>Tafelberg</translation>
    </message>
    <message>
        <source>Microscopium</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Monoceros</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <source>Musca</source>
        <translation>Fliege</translation>
    </message>
    <message>
        <source>Norma</source>
        <translation>Winkelmaß</translation>
    </message>
    <message>
        <source>Octans</source>
        <translation>Oktant</translation>
    </message>
    <message>
        <source>Ophiuchus</source>
        <translation>Schlangenträger</translation>
    </message>
    <message>
        <source>Orion</source>
        <translation>Orion</translation>
    </message>
    <message>
        <source>Pavo</source>
        <translation>Pfau</translation>
    </message>
    <message>
        <source>Pegasus</source>
        <translation>Pegasus</translation>
    </message>
    <message>
        <source>Perseus</source>
        <translation>Perseus</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Phönix</translation>
    </message>
    <message>
        <source>Pictor</source>
        <translation>Maler</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Piscis Austrinus</source>
        <translation>Südlicher Fisch</translation>
    </message>
    <message>
        <source>Puppis</source>
        <translation>Achterdeck des Schiffs</translation>
    </message>
    <message>
        <source>Pyxis</source>
        <translation>Schiffskompass</translation>
    </message>
    <message>
        <source>Reticulum</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Sagitta</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Scorpius</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sculptor</source>
        <translation>Bildhauer</translation>
    </message>
    <message>
        <source>Scutum</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Serpens Caput</source>
        <translation>Kopf der Schlange</translation>
    </message>
    <message>
        <source>Serpens Cauda</source>
        <translation>Schwanz der Schlange</translation>
    </message>
    <message>
        <source>Sextans</source>
        <translation>Sextant</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Telescopium</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Triangulum</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Triangulum Australe</source>
        <translation>Südliches Dreieck</translation>
    </message>
    <message>
        <source>Tucana</source>
        <translation>Tukan</translation>
    </message>
    <message>
        <source>Ursa Major</source>
        <translation>Großer Bär</translation>
    </message>
    <message>
        <source>Ursa Minor</source>
        <translation>Kleiner Bär</translation>
    </message>
    <message>
        <source>Vela</source>
        <translation>Segel des Schiffs</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Volans</source>
        <translation>Fliegender Fisch</translation>
    </message>
    <message>
        <source>Vulpecula</source>
        <translation>Fuchs</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>&lt;b&gt;Time step&lt;/b&gt;&lt;p&gt;How far each step of the time animation moves the clock: from real time (one second a second) to one year.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 1032.</extracomment>
        <translation>&lt;b&gt;Zeitschritt&lt;/b&gt;&lt;p&gt;Wie weit jeder Schritt der Zeitanimation die Uhr bewegt: von Echtzeit (eine Sekunde pro Sekunde) bis zu einem Jahr.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field left&lt;/b&gt; (Left arrow)&lt;p&gt;The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32771.</extracomment>
        <translation>&lt;b&gt;Feld nach links verschieben&lt;/b&gt; (Left arrow)&lt;p&gt;Die Sterne wandern nach links: Sie sehen mehr vom Himmel, der rechts lag. Der Schritt wird kleiner, je weiter Sie vergrößern.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field right&lt;/b&gt; (Right arrow)&lt;p&gt;The stars move to the right: you see more of the sky that lay to the left.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32772.</extracomment>
        <translation>&lt;b&gt;Feld nach rechts verschieben&lt;/b&gt; (Right arrow)&lt;p&gt;Die Sterne wandern nach rechts: Sie sehen mehr vom Himmel, der links lag.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field up&lt;/b&gt; (Up arrow)&lt;p&gt;The stars move up: you see more of the sky that lay below the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32773.</extracomment>
        <translation>&lt;b&gt;Feld nach oben verschieben&lt;/b&gt; (Up arrow)&lt;p&gt;Die Sterne wandern nach oben: Sie sehen mehr vom Himmel, der unter der Mitte der Ansicht lag.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field down&lt;/b&gt; (Down arrow)&lt;p&gt;The stars move down: you see more of the sky that lay above the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32774.</extracomment>
        <translation>&lt;b&gt;Feld nach unten verschieben&lt;/b&gt; (Down arrow)&lt;p&gt;Die Sterne wandern nach unten: Sie sehen mehr vom Himmel, der über der Mitte der Ansicht lag.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom out&lt;/b&gt; (/ on the numeric keypad)&lt;p&gt;Halves the magnification, down to the whole visible half of the sky.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32776.</extracomment>
        <translation>&lt;b&gt;Verkleinern&lt;/b&gt; (/ auf dem Ziffernblock)&lt;p&gt;Halbiert die Vergrößerung, bis zur ganzen sichtbaren Himmelshälfte.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deep sky objects&lt;/b&gt; (D)&lt;p&gt;Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &amp;gt; Deep Sky Objects chooses which kinds are drawn.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32777.</extracomment>
        <translation>&lt;b&gt;Deep-Sky-Objekte&lt;/b&gt; (D)&lt;p&gt;Blendet die Messier- und NGC-Objekte ein oder aus: Sternhaufen, Galaxien und Nebel. Einstellungen &amp;gt; Deep-Sky-Objekte wählt, welche Arten gezeichnet werden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Boundaries&lt;/b&gt; (B)&lt;p&gt;Shows or hides the boundaries of the 88 constellations and their names.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32778.</extracomment>
        <translation>&lt;b&gt;Grenzen&lt;/b&gt; (B)&lt;p&gt;Blendet die Grenzen der 88 Sternbilder und ihre Namen ein oder aus.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Constellation lines&lt;/b&gt; (L)&lt;p&gt;Shows or hides the figures that join the bright stars of each constellation.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32779.</extracomment>
        <translation>&lt;b&gt;Sternbildlinien&lt;/b&gt; (L)&lt;p&gt;Blendet die Figuren ein oder aus, die die hellen Sterne jedes Sternbilds verbinden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Grids&lt;/b&gt; (G)&lt;p&gt;Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&amp;deg; of declination.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32780.</extracomment>
        <translation>&lt;b&gt;Gitternetz&lt;/b&gt; (G)&lt;p&gt;Blendet das äquatoriale Gitter ein oder aus: ein Kreis zu jeder Stunde Rektaszension und alle 15&amp;deg; Deklination.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Milky Way&lt;/b&gt; (M)&lt;p&gt;Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32781.</extracomment>
        <translation>&lt;b&gt;Milchstraße&lt;/b&gt; (M)&lt;p&gt;Blendet das Band der Milchstraße und die Umrisse der Magellanschen Wolken ein oder aus.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solar System&lt;/b&gt; (P)&lt;p&gt;Shows or hides the Sun, the Moon and the planets.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32782.</extracomment>
        <translation>&lt;b&gt;Sonnensystem&lt;/b&gt; (P)&lt;p&gt;Blendet Sonne, Mond und Planeten ein oder aus.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Date and time&lt;/b&gt;&lt;p&gt;Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32784.</extracomment>
        <translation>&lt;b&gt;Datum und Uhrzeit&lt;/b&gt;&lt;p&gt;Stellt Datum und Uhrzeit des gezeigten Himmels ein, von 1901 bis 2099, oder zurück auf jetzt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Location&lt;/b&gt;&lt;p&gt;Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32785.</extracomment>
        <translation>&lt;b&gt;Ort&lt;/b&gt;&lt;p&gt;Stellt den Ort auf der Erde ein, von dem aus Sie beobachten: eine Stadt aus der Liste, einen Punkt auf der Weltkarte oder Breite, Länge und Zeitzone.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation backward&lt;/b&gt; (Ctrl+B)&lt;p&gt;Runs time backwards, one time step after another, until you press Animation stop.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32789.</extracomment>
        <translation>&lt;b&gt;Animation rückwärts&lt;/b&gt; (Ctrl+B)&lt;p&gt;Lässt die Zeit rückwärts laufen, einen Zeitschritt nach dem anderen, bis Sie Animation anhalten drücken.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step backward&lt;/b&gt; ([)&lt;p&gt;Moves the clock back by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32791.</extracomment>
        <translation>&lt;b&gt;Einen Schritt zurück&lt;/b&gt; ([)&lt;p&gt;Stellt die Uhr um einen Zeitschritt zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation stop&lt;/b&gt; (Esc)&lt;p&gt;Stops the time animation. The sky stays at the time it has reached.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32793.</extracomment>
        <translation>&lt;b&gt;Animation anhalten&lt;/b&gt; (Esc)&lt;p&gt;Hält die Zeitanimation an. Der Himmel bleibt bei der erreichten Zeit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step forward&lt;/b&gt; (])&lt;p&gt;Moves the clock on by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32794.</extracomment>
        <translation>&lt;b&gt;Einen Schritt vorwärts&lt;/b&gt; (])&lt;p&gt;Stellt die Uhr um einen Zeitschritt vor.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation forward&lt;/b&gt; (Ctrl+F)&lt;p&gt;Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32795.</extracomment>
        <translation>&lt;b&gt;Animation vorwärts&lt;/b&gt; (Ctrl+F)&lt;p&gt;Lässt die Zeit vorwärts laufen, einen Zeitschritt nach dem anderen, bis Sie Animation anhalten drücken. Menüs und Dialoge warten, bis sie anhält.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Equatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32800.</extracomment>
        <translation>&lt;b&gt;Äquatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Zeigt den Himmel als Sternkarte, mit dem Himmelspol oben, als gäbe es die Erde nicht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Local horizon&lt;/b&gt; (Ctrl+H)&lt;p&gt;Shows the sky as you see it from your place, with the ground, the landscape and the compass points.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32801.</extracomment>
        <translation>&lt;b&gt;Lokaler Horizont&lt;/b&gt; (Ctrl+H)&lt;p&gt;Zeigt den Himmel, wie Sie ihn von Ihrem Ort sehen, mit Boden, Landschaft und Himmelsrichtungen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Red screen&lt;/b&gt; (Shift+R)&lt;p&gt;Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32802.</extracomment>
        <translation>&lt;b&gt;Rotlicht&lt;/b&gt; (Shift+R)&lt;p&gt;Zeichnet den Himmel und das ganze Fenster in mattem Rot auf Schwarz, damit Ihre Augen am Teleskop an die Dunkelheit gewöhnt bleiben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Full screen&lt;/b&gt; (Shift+F)&lt;p&gt;Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32803.</extracomment>
        <translation>&lt;b&gt;Vollbild&lt;/b&gt; (Shift+F)&lt;p&gt;Zeigt nur den Himmel, über den ganzen Bildschirm. Esc oder nochmals Shift+F, oder der Mauszeiger am oberen Rand, führt zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Eyepiece fields&lt;/b&gt; (Shift+E)&lt;p&gt;Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &amp;gt; Eyepiece Fields... defines them.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32823.</extracomment>
        <translation>&lt;b&gt;Okularfelder&lt;/b&gt; (Shift+E)&lt;p&gt;Blendet die Felder Ihrer Okulare und Kameras um die Mitte der Ansicht ein oder aus. Ansicht &amp;gt; Okularfelder festlegen... legt sie fest.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt; (Ctrl+O)&lt;p&gt;Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57601.</extracomment>
        <translation>&lt;b&gt;Öffnen&lt;/b&gt; (Ctrl+O)&lt;p&gt;Öffnet eine Bilddatei (JPEG, GIF, PCX, TGA, BMP oder TIFF) in einem Bildfenster. Der Dateidialog beginnt im Ordner Images des Datenverzeichnisses.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt; (Ctrl+P)&lt;p&gt;Prints the field you see as a black-on-white chart.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57607.</extracomment>
        <translation>&lt;b&gt;Drucken&lt;/b&gt; (Ctrl+P)&lt;p&gt;Druckt das sichtbare Feld als Karte schwarz auf weiß.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Preview&lt;/b&gt;&lt;p&gt;Shows the printed chart of the field you see, page by page, before anything goes to the printer.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57609.</extracomment>
        <translation>&lt;b&gt;Druckvorschau&lt;/b&gt;&lt;p&gt;Zeigt die gedruckte Karte des sichtbaren Feldes Seite für Seite, bevor etwas zum Drucker geht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;About Stellix&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version, its licence and where its sky data comes from.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57664.</extracomment>
        <translation>&lt;b&gt;Über Stellix&lt;/b&gt;&lt;p&gt;Zeigt die Version des Programms, seine Lizenz und die Herkunft seiner Himmelsdaten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s this?&lt;/b&gt; (Shift+F1)&lt;p&gt;Click this button, then on any button, menu item or field, to read what it does.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57669.</extracomment>
        <translation>&lt;b&gt;Was ist das?&lt;/b&gt; (Shift+F1)&lt;p&gt;Klicken Sie auf diese Schaltfläche und dann auf eine Schaltfläche, einen Menüeintrag oder ein Feld, um zu lesen, was es tut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1)&lt;p&gt;Opens the user guide at the page of the window you are in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57670.</extracomment>
        <translation>&lt;b&gt;Hilfe&lt;/b&gt; (F1)&lt;p&gt;Öffnet das Handbuch auf der Seite des Fensters, in dem Sie sind.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom in&lt;/b&gt; (* on the numeric keypad)&lt;p&gt;Doubles the magnification, up to 8192 times.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32775.</extracomment>
        <translation>&lt;b&gt;Vergrößern&lt;/b&gt; (* auf dem Ziffernblock)&lt;p&gt;Verdoppelt die Vergrößerung, bis zum 8192-Fachen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>astro</name>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>der Dateiname muss auf .png oder .svg enden</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>die Zeichnung konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht begonnen werden</translation>
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
Stellix-Dokument</translation>
    </message>
    <message>
        <source>Stellix</source>
        <extracomment>String 200. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stellix</translation>
    </message>
    <message>
        <source>Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||</source>
        <extracomment>String 219. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>JPEG-Dateien(*.JPG)|*.JPG|GIF-Dateien(*.GIF)|*.GIF|PCX-Dateien(*.PCX)|*.PCX|Targa-Dateien(*.TGA)|*.TGA|BMP-Dateien(*.BMP)|*.BMP|TIFF-Dateien(*.TIF)|*.TIF||</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%s&quot; file !   </source>
        <extracomment>String 300. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Datei „%s“ lässt sich nicht öffnen!   </translation>
    </message>
    <message>
        <source>Object under horizon. Not visible.   </source>
        <extracomment>String 301. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Objekt steht unter dem Horizont und ist nicht sichtbar.   </translation>
    </message>
    <message>
        <source>Select star or press &apos; Cancel &apos;.    </source>
        <extracomment>String 302. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wählen Sie einen Stern oder „Abbrechen“.    </translation>
    </message>
    <message>
        <source>Select constellation or press &apos; Cancel &apos;.    </source>
        <extracomment>String 303. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wählen Sie ein Sternbild oder „Abbrechen“.    </translation>
    </message>
    <message>
        <source>Enter Messier number or press &apos; Cancel &apos;.    </source>
        <extracomment>String 304. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Geben Sie eine Messier-Nummer ein oder wählen Sie „Abbrechen“.    </translation>
    </message>
    <message>
        <source>Wrong catalog number !    </source>
        <extracomment>String 305. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Falsche Katalognummer!    </translation>
    </message>
    <message>
        <source>Select NGC object or press &apos; Cancel &apos;.    </source>
        <extracomment>String 306. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wählen Sie ein NGC-Objekt oder „Abbrechen“.    </translation>
    </message>
    <message>
        <source>Animation has no effect when the Solar System is disabled in Equatorial mode !    </source>
        <extracomment>String 307. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Im äquatorialen Modus ohne Sonnensystem hat die Animation keine Wirkung!    </translation>
    </message>
    <message>
        <source>Can&apos;t initialize rendering context for OpenGL !    </source>
        <extracomment>String 308. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Der OpenGL-Zeichenkontext lässt sich nicht anlegen!    </translation>
    </message>
    <message>
        <source>Couldn&apos;t load the image &quot;%s&quot; !    </source>
        <extracomment>String 309. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Bild „%s“ ließ sich nicht laden!    </translation>
    </message>
    <message>
        <source>Set your display to High Color or more to run Stellix !    </source>
        <extracomment>String 311. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stellen Sie den Bildschirm auf mindestens High Color (16 Bit), um Stellix zu verwenden!    </translation>
    </message>
    <message>
        <source>You have entered wrong number! It must be from %d to %d.    </source>
        <extracomment>String 317. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die eingegebene Zahl ist falsch! Sie muss zwischen %d und %d liegen.    </translation>
    </message>
    <message>
        <source>Can&apos;t write the settings file &quot;%s&quot; !   </source>
        <extracomment>String 320. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Einstellungsdatei „%s“ lässt sich nicht schreiben!   </translation>
    </message>
    <message>
        <source>Unknown DIB file format.</source>
        <extracomment>String 330. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Unbekanntes DIB-Dateiformat.</translation>
    </message>
    <message>
        <source>Image file conversion error.</source>
        <extracomment>String 331. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fehler beim Umwandeln der Bilddatei.</translation>
    </message>
    <message>
        <source>Failed to open DIB file %s.
</source>
        <extracomment>String 332: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die DIB-Datei %s ließ sich nicht öffnen.
</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <extracomment>String 333. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nicht genug Speicher.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>String 334. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Settings out of range in &quot;%s&quot; were replaced by the nearest allowed values: %s   </source>
        <extracomment>String 340. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Einstellungen außerhalb ihres Bereichs in „%s“ wurden durch die nächsten erlaubten Werte ersetzt: %s   </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: %s. The sky is shown without those records.   </source>
        <extracomment>String 341. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Datei „%s“ ist beschädigt: %s. Der Himmel wird ohne diese Einträge gezeigt.   </translation>
    </message>
    <message>
        <source>records %s to %s are missing</source>
        <extracomment>String 342. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>die Einträge %s bis %s fehlen</translation>
    </message>
    <message>
        <source>record %s is missing</source>
        <extracomment>String 343. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Eintrag %s fehlt</translation>
    </message>
    <message>
        <source>record %s is unusable (%s)</source>
        <extracomment>String 344. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Eintrag %s ist unbrauchbar (%s)</translation>
    </message>
    <message>
        <source>%s records are unusable, the first record %s (%s)</source>
        <extracomment>String 345. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s Einträge sind unbrauchbar, der erste Eintrag %s (%s)</translation>
    </message>
    <message>
        <source>a coordinate out of range or not a number</source>
        <extracomment>String 346. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>eine Koordinate außerhalb ihres Bereichs oder keine Zahl</translation>
    </message>
    <message>
        <source>a magnitude out of range or not a number</source>
        <extracomment>String 347. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>eine Helligkeit außerhalb ihres Bereichs oder keine Zahl</translation>
    </message>
    <message>
        <source>a label offset beyond 1000 pixels</source>
        <extracomment>String 348. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>ein Beschriftungsabstand über 1000 Pixel</translation>
    </message>
    <message>
        <source>a position angle or an axis out of range or not a number</source>
        <extracomment>String 349. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>ein Positionswinkel oder eine Achse außerhalb ihres Bereichs oder keine Zahl</translation>
    </message>
    <message>
        <source>a longitude, latitude, minute or time zone out of range</source>
        <extracomment>String 350. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>eine Länge, Breite, Minute oder Zeitzone außerhalb ihres Bereichs</translation>
    </message>
    <message>
        <source>a line that does not read as its numbers</source>
        <extracomment>String 351. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>eine Zeile, die sich nicht als ihre Zahlen lesen lässt</translation>
    </message>
    <message>
        <source>The texture file &quot;%s&quot; cannot be used: %s   </source>
        <extracomment>String 352. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Texturdatei „%s“ ist nicht verwendbar: %s   </translation>
    </message>
    <message>
        <source>it is not a BMP file.</source>
        <extracomment>String 353. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sie ist keine BMP-Datei.</translation>
    </message>
    <message>
        <source>a proper motion or parallax out of range or not a number</source>
        <extracomment>String 354. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>eine Eigenbewegung oder Parallaxe außerhalb ihres Bereichs oder keine Zahl</translation>
    </message>
    <message>
        <source>a time zone that this computer&apos;s tzdata does not know</source>
        <extracomment>String 355. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>eine Zeitzone, die die tzdata dieses Rechners nicht kennt</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: its header is not one this program reads. The sky is shown without that file.   </source>
        <extracomment>String 356. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Datei „%s“ ist beschädigt: Ihr Kopf ist keiner, den dieses Programm liest. Der Himmel wird ohne diese Datei gezeigt.   </translation>
    </message>
    <message>
        <source>Give the field a name.    </source>
        <extracomment>String 360. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Geben Sie dem Feld einen Namen.    </translation>
    </message>
    <message>
        <source>%s must be a number from %s to %s.    </source>
        <extracomment>String 361. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s muss eine Zahl von %s bis %s sein.    </translation>
    </message>
    <message>
        <source>This field would be %s wide; a field may be at most %s wide.    </source>
        <extracomment>String 362. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dieses Feld wäre %s breit; ein Feld darf höchstens %s breit sein.    </translation>
    </message>
    <message>
        <source>There is room for %s fields; remove one to add another.    </source>
        <extracomment>String 363. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Es ist Platz für %s Felder; entfernen Sie eines, um ein weiteres hinzuzufügen.    </translation>
    </message>
    <message>
        <source>near %s (%s km)</source>
        <extracomment>String 364. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>nahe %s (%s km)</translation>
    </message>
    <message>
        <source>Following %s</source>
        <extracomment>String 365. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Verfolge %s</translation>
    </message>
    <message>
        <source>Choose the object to follow first: search for it, then press T.    </source>
        <extracomment>String 366. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wählen Sie zuerst das zu verfolgende Objekt: Suchen Sie es, dann drücken Sie T.    </translation>
    </message>
    <message>
        <source>Moon</source>
        <extracomment>String 500. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Sun</source>
        <extracomment>String 501. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>String 502. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>String 503. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <extracomment>String 504. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <extracomment>String 505. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <extracomment>String 506. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <extracomment>String 507. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <extracomment>String 508. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>String 509. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Constellation line.    </source>
        <extracomment>String 510. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sternbildlinie.    </translation>
    </message>
    <message>
        <source>Constellation boundary.    </source>
        <extracomment>String 511. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sternbildgrenze.    </translation>
    </message>
    <message>
        <source>Right ascension grid line.    </source>
        <extracomment>String 512. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Gitterlinie der Rektaszension.    </translation>
    </message>
    <message>
        <source>Declination grid line.    </source>
        <extracomment>String 513. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Gitterlinie der Deklination.    </translation>
    </message>
    <message>
        <source>Ecliptic line.    </source>
        <extracomment>String 514. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ekliptik.    </translation>
    </message>
    <message>
        <source> million km</source>
        <extracomment>String 516. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> Mio. km</translation>
    </message>
    <message>
        <source>Open cluster</source>
        <extracomment>String 517. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Offener Sternhaufen</translation>
    </message>
    <message>
        <source>Globular cluster</source>
        <extracomment>String 518. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Kugelsternhaufen</translation>
    </message>
    <message>
        <source>Galaxy</source>
        <extracomment>String 519. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Galaxie</translation>
    </message>
    <message>
        <source>Nebula</source>
        <extracomment>String 520. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nebel</translation>
    </message>
    <message>
        <source>Planetary nebula</source>
        <extracomment>String 521. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Planetarischer Nebel</translation>
    </message>
    <message>
        <source> Real time</source>
        <extracomment>String 522. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> Echtzeit</translation>
    </message>
    <message>
        <source> 10 minutes</source>
        <extracomment>String 523. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 10 Minuten</translation>
    </message>
    <message>
        <source> 30 minutes</source>
        <extracomment>String 524. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 30 Minuten</translation>
    </message>
    <message>
        <source> 1 hour</source>
        <extracomment>String 525. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 Stunde</translation>
    </message>
    <message>
        <source> 1 day</source>
        <extracomment>String 526. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 Tag</translation>
    </message>
    <message>
        <source> 7 days</source>
        <extracomment>String 527. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 7 Tage</translation>
    </message>
    <message>
        <source> 1 month</source>
        <extracomment>String 528. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 Monat</translation>
    </message>
    <message>
        <source> 1 year</source>
        <extracomment>String 529. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 Jahr</translation>
    </message>
    <message>
        <source>Large Magellanic Cloud.    </source>
        <extracomment>String 530. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Große Magellansche Wolke.    </translation>
    </message>
    <message>
        <source>Small Magellanic Cloud.    </source>
        <extracomment>String 531. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Kleine Magellansche Wolke.    </translation>
    </message>
    <message>
        <source>Time step
Time step</source>
        <extracomment>String 1032: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zeitschritt
Zeitschritt</translation>
    </message>
    <message>
        <source>Move the field left
Move the field left</source>
        <extracomment>String 32771: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Feld nach links verschieben
Feld nach links verschieben</translation>
    </message>
    <message>
        <source>Move the field right
Move the field right</source>
        <extracomment>String 32772: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Feld nach rechts verschieben
Feld nach rechts verschieben</translation>
    </message>
    <message>
        <source>Move the field up
Move the field up</source>
        <extracomment>String 32773: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Feld nach oben verschieben
Feld nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the field down
Move the field down</source>
        <extracomment>String 32774: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Feld nach unten verschieben
Feld nach unten verschieben</translation>
    </message>
    <message>
        <source>Zoom the field in
Zoom in</source>
        <extracomment>String 32775: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Feld vergrößern
Vergrößern</translation>
    </message>
    <message>
        <source>Zoom the field out
Zoom out</source>
        <extracomment>String 32776: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Feld verkleinern
Verkleinern</translation>
    </message>
    <message>
        <source>Deep sky objects
Deep sky objects</source>
        <extracomment>String 32777: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Deep-Sky-Objekte
Deep-Sky-Objekte</translation>
    </message>
    <message>
        <source>Constellation boundaries
Boundaries</source>
        <extracomment>String 32778: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sternbildgrenzen
Grenzen</translation>
    </message>
    <message>
        <source>Constellation lines
Constellation lines</source>
        <extracomment>String 32779: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sternbildlinien
Sternbildlinien</translation>
    </message>
    <message>
        <source>Coordination grid lines
Grids</source>
        <extracomment>String 32780: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Koordinatengitter
Gitternetz</translation>
    </message>
    <message>
        <source>Milky Way
Milky Way</source>
        <extracomment>String 32781: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Milchstraße
Milchstraße</translation>
    </message>
    <message>
        <source>Solar System objects
Solar System</source>
        <extracomment>String 32782: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objekte des Sonnensystems
Sonnensystem</translation>
    </message>
    <message>
        <source>Date and time
Date and time</source>
        <extracomment>String 32784: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Datum und Uhrzeit
Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Location of the observer
Location</source>
        <extracomment>String 32785: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ort des Beobachters
Ort</translation>
    </message>
    <message>
        <source>Magnitude limits</source>
        <extracomment>String 32787. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Grenzhelligkeiten</translation>
    </message>
    <message>
        <source>Deep sky objects settings
Deep sky objects</source>
        <extracomment>String 32788: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Einstellungen der Deep-Sky-Objekte
Deep-Sky-Objekte</translation>
    </message>
    <message>
        <source>Animation backward
Animation backward</source>
        <extracomment>String 32789: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animation rückwärts
Animation rückwärts</translation>
    </message>
    <message>
        <source>Colors settings
Colors</source>
        <extracomment>String 32790: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Farbeinstellungen
Farben</translation>
    </message>
    <message>
        <source>One step animation backward
One step backward</source>
        <extracomment>String 32791: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Einen Animationsschritt zurück
Einen Schritt zurück</translation>
    </message>
    <message>
        <source>Show or hide stars colors
Stars colors</source>
        <extracomment>String 32792: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sternfarben ein- oder ausblenden
Sternfarben</translation>
    </message>
    <message>
        <source>Animation stop
Animation stop</source>
        <extracomment>String 32793: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animation anhalten
Animation anhalten</translation>
    </message>
    <message>
        <source>One step animation forward
One step forward</source>
        <extracomment>String 32794: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Einen Animationsschritt vorwärts
Einen Schritt vorwärts</translation>
    </message>
    <message>
        <source>Animation forward
Animation forward</source>
        <extracomment>String 32795: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animation vorwärts
Animation vorwärts</translation>
    </message>
    <message>
        <source>Show or hide star names</source>
        <extracomment>String 32796. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sternnamen ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide Solar System names</source>
        <extracomment>String 32797. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Namen im Sonnensystem ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide deep sky labels</source>
        <extracomment>String 32798. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Deep-Sky-Beschriftung ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Equatorial mode</source>
        <extracomment>String 32800. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Äquatorialer Modus</translation>
    </message>
    <message>
        <source>Local horizon mode</source>
        <extracomment>String 32801. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Modus lokaler Horizont</translation>
    </message>
    <message>
        <source>Show or hide red screen mode
Red screen</source>
        <extracomment>String 32802: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rotlicht ein- oder ausschalten
Rotlicht</translation>
    </message>
    <message>
        <source>Show or hide full screen mode
Full screen</source>
        <extracomment>String 32803: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Vollbild ein- oder ausschalten
Vollbild</translation>
    </message>
    <message>
        <source>Show or hide ecliptic line</source>
        <extracomment>String 32804. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ekliptik ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Black background of the sky</source>
        <extracomment>String 32806. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Schwarzer Himmelshintergrund</translation>
    </message>
    <message>
        <source>Color background of the sky</source>
        <extracomment>String 32807. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Farbiger Himmelshintergrund</translation>
    </message>
    <message>
        <source>Search for star</source>
        <extracomment>String 32808. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stern suchen</translation>
    </message>
    <message>
        <source>Search for Solar System object</source>
        <extracomment>String 32809. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objekt des Sonnensystems suchen</translation>
    </message>
    <message>
        <source>Search for constellation</source>
        <extracomment>String 32810. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sternbild suchen</translation>
    </message>
    <message>
        <source>Search for Messier</source>
        <extracomment>String 32811. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Messier-Objekt suchen</translation>
    </message>
    <message>
        <source>Search for NGC</source>
        <extracomment>String 32812. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>NGC-Objekt suchen</translation>
    </message>
    <message>
        <source>Search for East</source>
        <extracomment>String 32813. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nach Osten blicken</translation>
    </message>
    <message>
        <source>Search for West</source>
        <extracomment>String 32814. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nach Westen blicken</translation>
    </message>
    <message>
        <source>Search for North</source>
        <extracomment>String 32815. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nach Norden blicken</translation>
    </message>
    <message>
        <source>Search for South</source>
        <extracomment>String 32816. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nach Süden blicken</translation>
    </message>
    <message>
        <source>Search for Zenith</source>
        <extracomment>String 32817. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zum Zenit blicken</translation>
    </message>
    <message>
        <source>Search for Nadir</source>
        <extracomment>String 32818. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zum Nadir blicken</translation>
    </message>
    <message>
        <source>Draw stars as points</source>
        <extracomment>String 32819. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sterne als Punkte zeichnen</translation>
    </message>
    <message>
        <source>Draw stars as bitmaps</source>
        <extracomment>String 32820. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sterne als Bilder zeichnen</translation>
    </message>
    <message>
        <source>Lift the local-horizon sky by the atmosphere&apos;s refraction
Atmospheric refraction</source>
        <extracomment>String 32821: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Den Himmel über dem lokalen Horizont um die Refraktion der Atmosphäre anheben
Atmosphärische Refraktion</translation>
    </message>
    <message>
        <source>Show the night ahead: twilight, the Moon, the planets and what stands high
Tonight</source>
        <extracomment>String 32822: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die kommende Nacht zeigen: Dämmerung, Mond, Planeten und was hoch steht
Heute Nacht</translation>
    </message>
    <message>
        <source>Show or hide the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32823: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Felder Ihrer Okulare und Kameras ein- oder ausblenden
Okularfelder</translation>
    </message>
    <message>
        <source>Define the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32824: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Felder Ihrer Okulare und Kameras festlegen
Okularfelder</translation>
    </message>
    <message>
        <source>Show or hide the grid of altitude and azimuth
Alt-azimuth grid</source>
        <extracomment>String 32825: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Gitter aus Höhe und Azimut ein- oder ausblenden
Höhe-Azimut-Gitter</translation>
    </message>
    <message>
        <source>Show or hide the meridian
Meridian</source>
        <extracomment>String 32826: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Den Meridian ein- oder ausblenden
Meridian</translation>
    </message>
    <message>
        <source>Keep the object you chose at the middle of the view while time runs
Follow</source>
        <extracomment>String 32827: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das gewählte Objekt in der Mitte der Ansicht halten, während die Zeit läuft
Verfolgen</translation>
    </message>
    <message>
        <source>Keep the sky at the present instant as the clock runs
Real time</source>
        <extracomment>String 32829: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Den Himmel mit der laufenden Uhr im jetzigen Augenblick halten
Echtzeit</translation>
    </message>
    <message>
        <source>Choose the language of the window; it takes effect after a restart
Language</source>
        <extracomment>String 32850: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Sprache des Fensters wählen; sie gilt nach einem Neustart
Sprache</translation>
    </message>
    <message>
        <source>Open an image file
Open</source>
        <extracomment>String 57601: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Eine Bilddatei öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>String 57606: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <extracomment>String 57607: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Karte drucken
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <extracomment>String 57609: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>Open this document</source>
        <extracomment>String 57616. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dieses Dokument öffnen</translation>
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
        <translation>30. Sep. 2002 </translation>
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
        <translation>Programminformationen, Versionsnummer und Urheberrecht anzeigen
Über</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <extracomment>String 57665: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Programm beenden
Beenden</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <extracomment>String 57667: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hilfethemen auflisten
Hilfethemen</translation>
    </message>
    <message>
        <source>Display instructions about how to use help
Help</source>
        <extracomment>String 57668: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Anleitung zur Verwendung der Hilfe anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <extracomment>String 57669: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hilfe zu angeklickten Schaltflächen, Menüs und Fenstern anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <extracomment>String 57670: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hilfe zur aktuellen Aufgabe oder zum aktuellen Befehl anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <extracomment>String 59392: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Werkzeugleiste ein- oder ausblenden
Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <extracomment>String 59393: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
    <message>
        <source>The clocks went forward by %s on this day: there was no %s; it is read as %s (%s).</source>
        <extracomment>String 410. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>An diesem Tag wurden die Uhren um %s vorgestellt: %s gab es nicht; es gilt als %s (%s).</translation>
    </message>
    <message>
        <source>The clocks went back on this day: %s came twice; the first time (%s) is meant.</source>
        <extracomment>String 411. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>An diesem Tag wurden die Uhren zurückgestellt: %s kam zweimal vor; gemeint ist das erste Mal (%s).</translation>
    </message>
    <message>
        <source>%s hour</source>
        <extracomment>String 412. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s Stunde</translation>
    </message>
    <message>
        <source>%s hours</source>
        <extracomment>String 413. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s Stunden</translation>
    </message>
    <message>
        <source>%s minute</source>
        <extracomment>String 414. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s Minute</translation>
    </message>
    <message>
        <source>%s minutes</source>
        <extracomment>String 415. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s Minuten</translation>
    </message>
    <message>
        <source>Comet %s</source>
        <extracomment>String 370. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Komet %s</translation>
    </message>
    <message>
        <source>Minor planet %s</source>
        <extracomment>String 371. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Kleinplanet %s</translation>
    </message>
    <message>
        <source>The orbital elements are for %s, more than a year from the date shown: the place may be far off.</source>
        <extracomment>String 372. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Bahnelemente gelten für %s, mehr als ein Jahr vom gezeigten Datum entfernt: der Ort kann weit abweichen.</translation>
    </message>
    <message>
        <source> AU</source>
        <extracomment>String 373. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> AE</translation>
    </message>
    <message>
        <source>%s years</source>
        <extracomment>String 374. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s Jahre</translation>
    </message>
    <message>
        <source>No orbital elements were imported: %s   </source>
        <extracomment>String 375. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Es wurden keine Bahnelemente importiert: %s   </translation>
    </message>
    <message>
        <source>The orbital elements could not be kept in &quot;%s&quot;: %s   </source>
        <extracomment>String 377. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Bahnelemente ließen sich nicht in „%s“ aufbewahren: %s   </translation>
    </message>
    <message>
        <source>%s: the file cannot be read</source>
        <extracomment>String 378. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: die Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>%s: the file holds no orbital elements</source>
        <extracomment>String 379. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: die Datei enthält keine Bahnelemente</translation>
    </message>
    <message>
        <source>%s from %s, the night of %s</source>
        <extracomment>String 390. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s von %s aus, in der Nacht vom %s</translation>
    </message>
    <message>
        <source>Time at the place (%s)</source>
        <extracomment>String 391. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zeit am Ort (%s)</translation>
    </message>
    <message>
        <source>Altitude (°)</source>
        <extracomment>String 392. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Höhe (°)</translation>
    </message>
    <message>
        <source>Civil twilight</source>
        <extracomment>String 393. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Bürgerliche Dämmerung</translation>
    </message>
    <message>
        <source>Nautical twilight</source>
        <extracomment>String 394. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nautische Dämmerung</translation>
    </message>
    <message>
        <source>Astronomical twilight</source>
        <extracomment>String 395. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Astronomische Dämmerung</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>String 396. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Transit %s, %s</source>
        <extracomment>String 397. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Kulmination %s, %s</translation>
    </message>
    <message>
        <source>Shown %s</source>
        <extracomment>String 398. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Gezeigt %s</translation>
    </message>
    <message>
        <source>%s: %s %s, Moon %s</source>
        <extracomment>String 399. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: %s %s, Mond %s</translation>
    </message>
    <message>
        <source>%s: %s %s</source>
        <extracomment>String 400. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: %s %s</translation>
    </message>
    <message>
        <source>Choose the object to plot first: search for it or right-click it.    </source>
        <extracomment>String 401. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wählen Sie zuerst das Objekt für das Diagramm: Suchen Sie es oder klicken Sie es mit der rechten Maustaste an.    </translation>
    </message>
    <message>
        <source>Cannot write %s: %s.    </source>
        <extracomment>String 402. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s lässt sich nicht schreiben: %s.    </translation>
    </message>
    <message>
        <source>No INDI server answers at %s:%s.</source>
        <extracomment>String 440. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Unter %s:%s antwortet kein INDI-Server.</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s closed the connection.</source>
        <extracomment>String 441. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Der INDI-Server unter %s:%s hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>The INDI server offers no telescope called &quot;%s&quot;.</source>
        <extracomment>String 442. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Der INDI-Server bietet kein Teleskop namens „%s“.</translation>
    </message>
    <message>
        <source>The telescope %s reported an impossible place: %s.</source>
        <extracomment>String 443. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop %s meldete einen unmöglichen Ort: %s.</translation>
    </message>
    <message>
        <source>The telescope %s could not reach its target.</source>
        <extracomment>String 444. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop %s konnte sein Ziel nicht erreichen.</translation>
    </message>
    <message>
        <source>Slewing to %s</source>
        <extracomment>String 445. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Schwenkt zu %s</translation>
    </message>
    <message>
        <source>Tracking %s</source>
        <extracomment>String 446. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nachführung auf %s</translation>
    </message>
    <message>
        <source>Parking %s</source>
        <extracomment>String 447. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s fährt in die Parkposition</translation>
    </message>
    <message>
        <source>%s is parked</source>
        <extracomment>String 448. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s steht in der Parkposition</translation>
    </message>
    <message>
        <source>Connect a telescope first: Tools &gt; Telescope...</source>
        <extracomment>String 449. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Verbinden Sie zuerst ein Teleskop: Extras &gt; Teleskop...</translation>
    </message>
    <message>
        <source>Connected to %s</source>
        <extracomment>String 450. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Verbunden mit %s</translation>
    </message>
    <message>
        <source>%s synced on %s</source>
        <extracomment>String 451. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s auf %s synchronisiert</translation>
    </message>
    <message>
        <source>%s stopped</source>
        <extracomment>String 452. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s angehalten</translation>
    </message>
    <message>
        <source>The telescope is disconnected</source>
        <extracomment>String 453. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop ist getrennt</translation>
    </message>
    <message>
        <source>Connecting to %s:%s...</source>
        <extracomment>String 454. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Verbinde mit %s:%s...</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s offers no telescope.</source>
        <extracomment>String 455. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Der INDI-Server unter %s:%s bietet kein Teleskop.</translation>
    </message>
    <message>
        <source>Select an object first: search for it or click it.</source>
        <extracomment>String 456. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wählen Sie zuerst ein Objekt: Suchen Sie es oder klicken Sie es an.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <extracomment>String 457. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>the centre of the view</source>
        <extracomment>String 458. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>die Bildmitte</translation>
    </message>
    <message>
        <source>The telescope %s did not answer.</source>
        <extracomment>String 459. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop %s antwortete nicht.</translation>
    </message>
    <message>
        <source>The telescope %s did not end its slew within %s minutes.</source>
        <extracomment>String 460. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop %s hat seinen Schwenk nicht innerhalb von %s Minuten beendet.</translation>
    </message>
    <message>
        <source>Centre: %s   %s (J2000)</source>
        <extracomment>String 461. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mitte: %s   %s (J2000)</translation>
    </message>
    <message>
        <source>Field: %s x %s</source>
        <extracomment>String 462. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Feld: %s x %s</translation>
    </message>
    <message>
        <source>Magnitudes:</source>
        <extracomment>String 463. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Helligkeiten:</translation>
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
        <translation>Ganymed</translation>
    </message>
    <message>
        <source>Callisto</source>
        <extracomment>String 473. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Kallisto</translation>
    </message>
    <message>
        <source>Mimas</source>
        <extracomment>String 474. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mimas</translation>
    </message>
    <message>
        <source>Enceladus</source>
        <extracomment>String 475. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Enceladus</translation>
    </message>
    <message>
        <source>Tethys</source>
        <extracomment>String 476. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tethys</translation>
    </message>
    <message>
        <source>Dione</source>
        <extracomment>String 477. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dione</translation>
    </message>
    <message>
        <source>Rhea</source>
        <extracomment>String 478. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rhea</translation>
    </message>
    <message>
        <source>Titan</source>
        <extracomment>String 479. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Hyperion</source>
        <extracomment>String 480. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hyperion</translation>
    </message>
    <message>
        <source>Iapetus</source>
        <extracomment>String 481. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Iapetus</translation>
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
        <translation>Phobos</translation>
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
        <translation>Die Kometen und Kleinplaneten bis zu ihrer eigenen Grenzhelligkeit ein- oder ausblenden
Kometen und Kleinplaneten</translation>
    </message>
    <message>
        <source>Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file
Import orbital elements</source>
        <extracomment>String 32831: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Bahnelemente von Kometen oder Kleinplaneten aus einer Datei MPCORB.DAT oder CometEls.txt importieren
Bahnelemente importieren</translation>
    </message>
    <message>
        <source>Plot the chosen object&apos;s altitude through the night, with the Moon and the twilights
Altitude plot</source>
        <extracomment>String 32840: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Höhe des gewählten Objekts durch die Nacht zeichnen, mit dem Mond und den Dämmerungen
Höhendiagramm</translation>
    </message>
    <message>
        <source>Connect a telescope through an INDI server
Telescope</source>
        <extracomment>String 32860: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ein Teleskop über einen INDI-Server verbinden
Teleskop</translation>
    </message>
    <message>
        <source>Point the telescope at the object you chose
Slew to selected</source>
        <extracomment>String 32861: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop auf das gewählte Objekt schwenken
Zum gewählten Objekt schwenken</translation>
    </message>
    <message>
        <source>Tell the telescope that it points at the object you chose
Sync to selected</source>
        <extracomment>String 32862: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dem Teleskop mitteilen, dass es auf das gewählte Objekt zeigt
Auf gewähltes Objekt synchronisieren</translation>
    </message>
    <message>
        <source>Point the telescope at the middle of the view
Slew to view centre</source>
        <extracomment>String 32863: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop auf die Bildmitte schwenken
Zur Bildmitte schwenken</translation>
    </message>
    <message>
        <source>Stop the telescope&apos;s motion at once
Abort slew</source>
        <extracomment>String 32864: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Bewegung des Teleskops sofort anhalten
Schwenk abbrechen</translation>
    </message>
    <message>
        <source>Send the telescope to its park position
Park</source>
        <extracomment>String 32865: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop in seine Parkposition schicken
Parkposition anfahren</translation>
    </message>
    <message>
        <source>Wake the telescope from its park position
Unpark</source>
        <extracomment>String 32866: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Das Teleskop aus seiner Parkposition holen
Parkposition verlassen</translation>
    </message>
    <message>
        <source>Keep the telescope&apos;s place at the middle of the view
Follow the telescope</source>
        <extracomment>String 32867: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Den Ort des Teleskops in der Bildmitte halten
Dem Teleskop folgen</translation>
    </message>
    <message>
        <source>Centre the view on a right ascension and declination or an altitude and azimuth
Go to coordinates</source>
        <extracomment>String 32875: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Die Ansicht auf eine Rektaszension und Deklination oder eine Höhe und ein Azimut zentrieren
Zu Koordinaten gehen</translation>
    </message>
    <message>
        <source>Triton</source>
        <extracomment>String 489. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Triton</translation>
    </message>
</context>
<context>
    <name>sky</name>
    <message>
        <source>Sun always higher</source>
        <translation>Sonne immer höher</translation>
    </message>
    <message>
        <source>Sun always lower</source>
        <translation>Sonne immer tiefer</translation>
    </message>
    <message>
        <source>always above the horizon</source>
        <translation>immer über dem Horizont</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>geht nie auf</translation>
    </message>
    <message>
        <source>not this day</source>
        <translation>nicht an diesem Tag</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Galaxy cluster</source>
        <translation>Galaxienhaufen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Deep sky object</source>
        <translation>Deep-Sky-Objekt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>Galaxie</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>Offener Sternhaufen</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>Kugelsternhaufen</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>Heller Nebel</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>Planetarischer Nebel</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>Galaxienhaufen</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>Deep-Sky-Objekt</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>Sternbild</translation>
    </message>
    <message>
        <source>place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>The right ascension must be hours from 0 to 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) or degrees from 0 to 360 (&quot;83.82°&quot;).</source>
        <translation>Die Rektaszension muss in Stunden von 0 bis 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) oder in Grad von 0 bis 360 (&quot;83.82°&quot;) angegeben werden.</translation>
    </message>
    <message>
        <source>The declination must be degrees from -90 to +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</source>
        <translation>Die Deklination muss in Grad von -90 bis +90 angegeben werden (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</translation>
    </message>
    <message>
        <source>The altitude must be degrees from -90 to +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</source>
        <translation>Die Höhe muss in Grad von -90 bis +90 angegeben werden (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</translation>
    </message>
    <message>
        <source>The azimuth must be degrees from 0 to 360, from the north through the east (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</source>
        <translation>Das Azimut muss in Grad von 0 bis 360 angegeben werden, von Norden über Osten gezählt (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>Minor planet</source>
        <translation>Kleinplanet</translation>
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
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>&amp;NGC</source>
        <translation>&amp;NGC</translation>
    </message>
    <message>
        <source>Open Cl&amp;usters</source>
        <translation>Offene &amp;Sternhaufen</translation>
    </message>
    <message>
        <source>&amp;Glob. Clusters</source>
        <translation>&amp;Kugelsternhaufen</translation>
    </message>
    <message>
        <source>G&amp;alaxies</source>
        <translation>G&amp;alaxien</translation>
    </message>
    <message>
        <source>Ne&amp;bulae</source>
        <translation>Ne&amp;bel</translation>
    </message>
    <message>
        <source>&amp;Planet. Nebulae</source>
        <translation>&amp;Planetarische Nebel</translation>
    </message>
    <message>
        <source>&amp;Label by</source>
        <translation>&amp;Beschriften mit</translation>
    </message>
    <message>
        <source>Catalog Number</source>
        <translation>Katalognummer</translation>
    </message>
    <message>
        <source>Common Name</source>
        <translation>Gebräuchlichem Namen</translation>
    </message>
    <message>
        <source>&amp;Draw as</source>
        <translation>&amp;Zeichnen als</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&amp;Grids</source>
        <translation>&amp;Gitternetz</translation>
    </message>
    <message>
        <source>Constellation &amp;lines</source>
        <translation>Sternbild&amp;linien</translation>
    </message>
    <message>
        <source>Const. &amp;boundaries</source>
        <translation>Sternbild&amp;grenzen</translation>
    </message>
    <message>
        <source>Const. l&amp;abels</source>
        <translation>Sternbild&amp;namen</translation>
    </message>
    <message>
        <source>&amp;Ecliptic</source>
        <translation>&amp;Ekliptik</translation>
    </message>
    <message>
        <source>&amp;Deep sky</source>
        <translation>&amp;Deep-Sky</translation>
    </message>
    <message>
        <source>Deep s&amp;ky labels</source>
        <translation>Deep-Sky-Besc&amp;hriftung</translation>
    </message>
    <message>
        <source>&amp;Star names</source>
        <translation>&amp;Sternnamen</translation>
    </message>
    <message>
        <source>&amp;Planet names</source>
        <translation>&amp;Planetennamen</translation>
    </message>
    <message>
        <source>none: standard time as typed, summer time as this computer keeps it</source>
        <translation>keine: Normalzeit wie eingegeben, Sommerzeit wie dieser Rechner sie hält</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
</context>
</TS>
