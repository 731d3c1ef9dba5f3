<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CAltitudePlotWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>&amp;Save as PNG/SVG...</source>
        <translation>&amp;Zapisz jako PNG/SVG...</translation>
    </message>
    <message>
        <source>Altitude Plot - %1</source>
        <translation>Wykres wysokości - %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Rysunek SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>CBodyInfoDialog</name>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektascensja (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklinacja (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azymut:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Odległość od Ziemi:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Odległość od Słońca:</translation>
    </message>
    <message>
        <source>Illuminated fraction:</source>
        <translation>Oświetlona część:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Rozmiar kątowy:</translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation>Zmierzch cywilny:</translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation>Zmierzch żeglarski:</translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation>Zmierzch astronomiczny:</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Faza:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Wiek:</translation>
    </message>
    <message>
        <source>Central meridian (System II):</source>
        <translation>Południk środkowy (System II):</translation>
    </message>
</context>
<context>
    <name>CBodySearchDialog</name>
    <message>
        <source>Search for Solar System...</source>
        <translation>Szukaj w Układzie Słonecznym...</translation>
    </message>
</context>
<context>
    <name>CColoursDialog</name>
    <message>
        <source>Colors...</source>
        <translation>Kolory...</translation>
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
        <translation>Data/czas...</translation>
    </message>
    <message>
        <source>Daylight &amp;saving time</source>
        <translation>Czas &amp;letni</translation>
    </message>
    <message>
        <source>Set to the present time at this place; OK shows its sky.</source>
        <translation>Ustawiono bieżący czas w tym miejscu; OK pokazuje jego niebo.</translation>
    </message>
    <message>
        <source>&amp;Now...</source>
        <translation>&amp;Teraz...</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Czas:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Przesunięcie:</translation>
    </message>
</context>
<context>
    <name>CDeepSkyDialog</name>
    <message>
        <source>Deep sky objects...</source>
        <translation>Obiekty głębokiego nieba...</translation>
    </message>
</context>
<context>
    <name>CDeepSkyInfoDialog</name>
    <message>
        <source>Catalog number:</source>
        <translation>Numer katalogowy:</translation>
    </message>
    <message>
        <source>Common name:</source>
        <translation>Nazwa zwyczajowa:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektascensja (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklinacja (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azymut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Other designations:</source>
        <translation>Inne oznaczenia:</translation>
    </message>
</context>
<context>
    <name>CDialogCommands</name>
    <message>
        <source>Orbital elements (*.DAT *.dat *.txt *.TXT)</source>
        <translation>Elementy orbitalne (*.DAT *.dat *.txt *.TXT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n orbital elements were read; they are kept in &quot;%1&quot; for the next start.</source>
        <translation>
            <numerusform>Wczytano %n zestaw elementów orbitalnych; zostanie zachowany w „%1” na następne uruchomienie.</numerusform>
            <numerusform>Wczytano %n zestawy elementów orbitalnych; zostaną zachowane w „%1” na następne uruchomienie.</numerusform>
            <numerusform>Wczytano %n zestawów elementów orbitalnych; zostaną zachowane w „%1” na następne uruchomienie.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFaintStarInfoDialog</name>
    <message>
        <source>HIP number:</source>
        <translation>Numer HIP:</translation>
    </message>
    <message>
        <source>Designation:</source>
        <translation>Oznaczenie:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektascensja (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklinacja (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azymut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Colour index (B-V):</source>
        <translation>Wskaźnik barwy (B-V):</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Typ widmowy:</translation>
    </message>
</context>
<context>
    <name>CFieldsDialog</name>
    <message>
        <source>Eyepiece Fields</source>
        <translation>Pola okularów</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Zmień</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Circle of a given diameter</source>
        <translation>Okrąg o zadanej średnicy</translation>
    </message>
    <message>
        <source>Eyepiece on a telescope</source>
        <translation>Okular na teleskopie</translation>
    </message>
    <message>
        <source>Camera on a telescope</source>
        <translation>Kamera na teleskopie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Rodzaj:</translation>
    </message>
    <message>
        <source>&amp;Diameter (arc-minutes):</source>
        <translation>Ś&amp;rednica (minuty łuku):</translation>
    </message>
    <message>
        <source>&amp;Telescope focal length (mm):</source>
        <translation>Ogniskowa &amp;teleskopu (mm):</translation>
    </message>
    <message>
        <source>&amp;Eyepiece focal length (mm):</source>
        <translation>Ogniskowa &amp;okularu (mm):</translation>
    </message>
    <message>
        <source>A&amp;pparent field (°):</source>
        <translation>&amp;Pole pozorne (°):</translation>
    </message>
    <message>
        <source>Sensor &amp;width (mm):</source>
        <translation>&amp;Szerokość sensora (mm):</translation>
    </message>
    <message>
        <source>Sensor &amp;height (mm):</source>
        <translation>&amp;Wysokość sensora (mm):</translation>
    </message>
    <message>
        <source>Field on the sky:</source>
        <translation>Pole na niebie:</translation>
    </message>
    <message>
        <source>Centre the &amp;fields on the telescope while one is connected</source>
        <translation>Wyśrodkuj &amp;pola na teleskopie, gdy jest podłączony</translation>
    </message>
</context>
<context>
    <name>CFindBox</name>
    <message>
        <source>Find (F3)</source>
        <translation>Znajdź (F3)</translation>
    </message>
    <message>
        <source>%1 — %2, %3° %4</source>
        <translation>%1 — %2, %3° %4</translation>
    </message>
    <message>
        <source>up</source>
        <translation>nad horyzontem</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>pod horyzontem</translation>
    </message>
    <message>
        <source>Find an object by any of its names, or a place; Shift+Enter opens its card</source>
        <translation>Znajdź obiekt po dowolnej z jego nazw albo miejsce; Shift+Enter otwiera jego kartę</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Observer&apos;s Location</source>
        <translation>Miejsce obserwatora</translation>
    </message>
    <message>
        <source>Set the observer to %1?</source>
        <translation>Przenieść obserwatora do: %1?</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to Coordinates</source>
        <translation>Idź do współrzędnych</translation>
    </message>
    <message>
        <source>J2000 right ascension and declination</source>
        <translation>Rektascensja i deklinacja J2000</translation>
    </message>
    <message>
        <source>Right ascension and declination of date</source>
        <translation>Rektascensja i deklinacja na datę</translation>
    </message>
    <message>
        <source>Altitude and azimuth</source>
        <translation>Wysokość i azymut</translation>
    </message>
    <message>
        <source>&amp;Frame:</source>
        <translation>&amp;Układ:</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>&amp;Wysokość:</translation>
    </message>
    <message>
        <source>&amp;Right ascension:</source>
        <translation>&amp;Rektascensja:</translation>
    </message>
    <message>
        <source>A&amp;zimuth (from the north through the east):</source>
        <translation>A&amp;zymut (od północy przez wschód):</translation>
    </message>
    <message>
        <source>&amp;Declination:</source>
        <translation>&amp;Deklinacja:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.</source>
        <translation>Strona przewodnika. Kliknij odnośnik, aby za nim pójść; Wstecz (Alt+Lewo) i Dalej (Alt+Prawo) odtwarzają Twoje kroki.</translation>
    </message>
    <message>
        <source>The guide&apos;s pages in their order, each with its sections. Click one to read it.</source>
        <translation>Strony przewodnika po kolei, każda ze swoimi rozdziałami. Kliknij, aby przeczytać.</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Wpisz szukane słowo</translation>
    </message>
    <message>
        <source>Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.</source>
        <translation>Wpisz początek słowa: indeks poniżej zachowa hasła, które je zawierają. Enter otwiera pierwsze.</translation>
    </message>
    <message>
        <source>Every topic of the guide in alphabetical order. Click one to read it.</source>
        <translation>Wszystkie tematy przewodnika w porządku alfabetycznym. Kliknij, aby przeczytać.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Nawigacja</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Wraca do poprzednio czytanej strony.</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Idzie znów naprzód po Wstecz.</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>Spis &amp;treści</translation>
    </message>
    <message>
        <source>Goes to the guide&apos;s first page, the list of all its pages.</source>
        <translation>Przechodzi do pierwszej strony przewodnika, listy wszystkich jego stron.</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Jak korzystać z pomocy</translation>
    </message>
    <message>
        <source>Explains this window.</source>
        <translation>Objaśnia to okno.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The user guide has no page &lt;b&gt;%1&lt;/b&gt;: the folder &lt;tt&gt;%2&lt;/tt&gt; should hold it. Installing Stellix again puts the guide back.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Nie znaleziono strony&lt;/h1&gt;&lt;p&gt;Przewodnik nie ma strony &lt;b&gt;%1&lt;/b&gt;: powinien ją zawierać folder &lt;tt&gt;%2&lt;/tt&gt;. Ponowna instalacja Stellix przywróci przewodnik.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Pomoc: %1</translation>
    </message>
</context>
<context>
    <name>CInfoCard</name>
    <message>
        <source>Right ascension (of date):</source>
        <translation>Rektascensja (na datę):</translation>
    </message>
    <message>
        <source>Declination (of date):</source>
        <translation>Deklinacja (na datę):</translation>
    </message>
    <message>
        <source>Rise:</source>
        <translation>Wschód:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Górowanie:</translation>
    </message>
    <message>
        <source>Transit altitude:</source>
        <translation>Wysokość górowania:</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Zachód:</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Wykres &amp;wysokości</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Naprowadź teleskop</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <translation>Ś&amp;ledzenie</translation>
    </message>
    <message>
        <source>Keep the object at the middle of the view while time runs</source>
        <translation>Utrzymuj obiekt na środku widoku, gdy czas płynie</translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Język:</translation>
    </message>
    <message>
        <source>The new language takes effect after a restart of Stellix.</source>
        <translation>Nowy język zacznie obowiązywać po ponownym uruchomieniu Stellix.</translation>
    </message>
    <message>
        <source>Name the constellations in &amp;Latin</source>
        <translation>Nazwy gwiazdozbiorów po &amp;łacinie</translation>
    </message>
    <message>
        <source>The sky and the printed chart name the constellations in Latin instead of the window&apos;s language. Takes effect at once.</source>
        <translation>Niebo i drukowana mapa podają nazwy gwiazdozbiorów po łacinie zamiast w języku okna. Działa od razu.</translation>
    </message>
</context>
<context>
    <name>CListSearchDialog</name>
    <message>
        <source>Search for star...</source>
        <translation>Szukaj gwiazdy...</translation>
    </message>
    <message>
        <source>Search for constellation...</source>
        <translation>Szukaj gwiazdozbioru...</translation>
    </message>
    <message>
        <source>Search for NGC...</source>
        <translation>Szukaj obiektu NGC...</translation>
    </message>
</context>
<context>
    <name>CLocationDialog</name>
    <message>
        <source>Observer&apos;s Location...</source>
        <translation>Miejsce obserwacji...</translation>
    </message>
    <message>
        <source>&amp;Enter your location</source>
        <translation>&amp;Wpisz swoją miejscowość</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>&amp;Szerokość:</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>&amp;Długość:</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>Strefa &amp;czasowa:</translation>
    </message>
    <message>
        <source>hours ahead of Greenwich</source>
        <translation>godzin przed Greenwich</translation>
    </message>
    <message>
        <source>Time zone rules:</source>
        <translation>Reguły strefy czasowej:</translation>
    </message>
    <message>
        <source>Fin&amp;d:</source>
        <translation>Zn&amp;ajdź:</translation>
    </message>
    <message>
        <source>&amp;Select location</source>
        <translation>Wy&amp;bierz miejscowość</translation>
    </message>
    <message>
        <source>%1 (%2 on the date set)</source>
        <translation>%1 (%2 w ustawionym dniu)</translation>
    </message>
    <message numerus="yes">
        <source>Type part of a name (%n places)</source>
        <translation>
            <numerusform>Wpisz część nazwy (%n miejscowość)</numerusform>
            <numerusform>Wpisz część nazwy (%n miejscowości)</numerusform>
            <numerusform>Wpisz część nazwy (%n miejscowości)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMagnitudeLimitsDialog</name>
    <message>
        <source>Magnitude limits...</source>
        <translation>Granice jasności...</translation>
    </message>
    <message>
        <source>&amp;Auto mode</source>
        <translation>Tryb &amp;automatyczny</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Gwiazdy</translation>
    </message>
    <message>
        <source>&amp;Deep sky objects</source>
        <translation>Obiekty głębokiego &amp;nieba</translation>
    </message>
    <message>
        <source>Co&amp;mets and asteroids:</source>
        <translation>Ko&amp;mety i planetoidy:</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&lt;b&gt;The sky&lt;/b&gt;&lt;p&gt;Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Niebo&lt;/b&gt;&lt;p&gt;Kliknij punkt, aby przenieść go na środek; przeciągnij, aby obrócić niebo; kółko myszy przybliża i oddala. Kliknij obiekt prawym przyciskiem, aby zobaczyć jego kartę. Klawisze strzałek przesuwają pole w swoją stronę, * i / na klawiaturze numerycznej zmieniają powiększenie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Chart Mode</source>
        <translation>Tryb &amp;mapy</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Gwiazdy</translation>
    </message>
    <message>
        <source>Sky &amp;Background</source>
        <translation>&amp;Tło nieba</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Czas</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Szu&amp;kaj</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Object</source>
        <translation>&amp;Obiekt głębokiego nieba</translation>
    </message>
    <message>
        <source>&amp;Horizon Point</source>
        <translation>Punkt &amp;horyzontu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Na&amp;vigation Toolbar</source>
        <translation>Pasek &amp;nawigacji</translation>
    </message>
    <message>
        <source>Show or hide the navigation toolbar</source>
        <translation>Pokaż lub ukryj pasek nawigacji</translation>
    </message>
    <message>
        <source>Right ascension (J2000) of the sky under the pointer.</source>
        <translation>Rektascensja (J2000) nieba pod wskaźnikiem.</translation>
    </message>
    <message>
        <source>Declination (J2000) of the sky under the pointer.</source>
        <translation>Deklinacja (J2000) nieba pod wskaźnikiem.</translation>
    </message>
    <message>
        <source>The observer&apos;s place; Settings &gt; Observer&apos;s Location changes it.</source>
        <translation>Miejsce obserwatora; zmienia je Ustawienia &gt; Miejsce obserwacji.</translation>
    </message>
    <message>
        <source>The local time of the sky shown, with the time zone&apos;s abbreviation and its offset from Universal Time.</source>
        <translation>Czas lokalny pokazanego nieba, ze skrótem strefy czasowej i jej przesunięciem względem czasu uniwersalnego.</translation>
    </message>
    <message>
        <source>The date of the sky shown.</source>
        <translation>Data pokazanego nieba.</translation>
    </message>
    <message>
        <source>Press Esc to leave full screen</source>
        <translation>Esc kończy tryb pełnoekranowy</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Ostatni plik</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Nawigacja</translation>
    </message>
</context>
<context>
    <name>CMessierSearchDialog</name>
    <message>
        <source>Search for Messier...</source>
        <translation>Szukaj obiektu Messiera...</translation>
    </message>
    <message>
        <source>Enter catalog number</source>
        <translation>Wpisz numer katalogowy</translation>
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
        <translation>Rektascensja (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklinacja (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azymut:</translation>
    </message>
    <message>
        <source>Separation from the planet:</source>
        <translation>Odległość kątowa od planety:</translation>
    </message>
    <message>
        <source>Position angle:</source>
        <translation>Kąt pozycyjny:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Odległość od Ziemi:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Odległość od Słońca:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Rozmiar kątowy:</translation>
    </message>
</context>
<context>
    <name>CSmallBodyInfoDialog</name>
    <message>
        <source>Designation:</source>
        <translation>Oznaczenie:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektascensja (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklinacja (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azymut:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Odległość od Ziemi:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Odległość od Słońca:</translation>
    </message>
    <message>
        <source>Elongation:</source>
        <translation>Elongacja:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Perihelion distance:</source>
        <translation>Odległość w peryhelium:</translation>
    </message>
    <message>
        <source>Semi-major axis:</source>
        <translation>Wielka półoś:</translation>
    </message>
    <message>
        <source>Eccentricity:</source>
        <translation>Mimośród:</translation>
    </message>
    <message>
        <source>Inclination:</source>
        <translation>Nachylenie:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Okres:</translation>
    </message>
    <message>
        <source>Elements&apos; epoch:</source>
        <translation>Epoka elementów:</translation>
    </message>
</context>
<context>
    <name>CSplashWindow</name>
    <message>
        <source>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Data sources and licences...&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Źródła danych i licencje...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Opens the user guide at the full list of the sky data&apos;s sources, their authors and their licences.</source>
        <translation>Otwiera przewodnik na pełnej liście źródeł danych nieba, ich autorów i licencji.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</source>
        <translation>Planetarium na biurko. Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej, bez żadnej gwarancji. Dane nieba: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), baza tz, NASA. Mapy planet: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</translation>
    </message>
</context>
<context>
    <name>CStarInfoDialog</name>
    <message>
        <source>HR number:</source>
        <translation>Numer HR:</translation>
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
        <translation>Nazwa własna:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Rektascensja (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Deklinacja (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azymut:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Typ widmowy:</translation>
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
        <translation>Połą&amp;cz</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Rozłącz</translation>
    </message>
    <message>
        <source>INDI server &amp;host:</source>
        <translation>&amp;Host serwera INDI:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Telescopes the server offers:</source>
        <translation>&amp;Teleskopy oferowane przez serwer:</translation>
    </message>
</context>
<context>
    <name>CTonightWindow</name>
    <message>
        <source>Tonight</source>
        <translation>Dzisiejsza noc</translation>
    </message>
    <message>
        <source>Planets in the night, each at its highest:</source>
        <translation>Planety w nocy, każda w najwyższym położeniu:</translation>
    </message>
    <message>
        <source>Objects above 30° at:</source>
        <translation>Obiekty wyżej niż 30° o:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Wschód</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Zachód</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azymut</translation>
    </message>
    <message>
        <source>Moonrise %1, moonset %2</source>
        <translation>Wschód Księżyca %1, zachód Księżyca %2</translation>
    </message>
    <message>
        <source>Moonset %1, moonrise %2</source>
        <translation>Zachód Księżyca %1, wschód Księżyca %2</translation>
    </message>
    <message>
        <source>Sunset %1; civil twilight ends %2, nautical %3, astronomical %4</source>
        <translation>Zachód Słońca %1; zmierzch cywilny kończy się %2, żeglarski %3, astronomiczny %4</translation>
    </message>
    <message>
        <source>%1; %2, illuminated %3</source>
        <translation>%1; %2, oświetlenie %3</translation>
    </message>
    <message>
        <source>Dark hours without the Moon: %1</source>
        <translation>Ciemne godziny bez Księżyca: %1</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Wykres &amp;wysokości</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Naprowadź teleskop</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Grids</source>
        <extracomment>Menu item of command 32780; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Siatki</translation>
    </message>
    <message>
        <source>Alt-a&amp;zimuth Grid</source>
        <extracomment>Menu item of command 32825; &amp; marks the letter that chooses it.</extracomment>
        <translation>Siatka wysokości i a&amp;zymutu</translation>
    </message>
    <message>
        <source>Meridia&amp;n</source>
        <extracomment>Menu item of command 32826; &amp; marks the letter that chooses it.</extracomment>
        <translation>Połu&amp;dnik</translation>
    </message>
    <message>
        <source>&amp;Boundaries</source>
        <extracomment>Menu item of command 32778; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Granice</translation>
    </message>
    <message>
        <source>Constellation &amp;Lines</source>
        <extracomment>Menu item of command 32779; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Linie gwiazdozbiorów</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Objects</source>
        <extracomment>Menu item of command 32777; &amp; marks the letter that chooses it.</extracomment>
        <translation>Obiekty głębokiego &amp;nieba</translation>
    </message>
    <message>
        <source>&amp;Milky Way</source>
        <extracomment>Menu item of command 32781; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Droga Mleczna</translation>
    </message>
    <message>
        <source>&amp;Solar System Objects</source>
        <extracomment>Menu item of command 32782; &amp; marks the letter that chooses it.</extracomment>
        <translation>Obiekty &amp;Układu Słonecznego</translation>
    </message>
    <message>
        <source>&amp;Eclipic</source>
        <extracomment>Menu item of command 32804; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ekliptyka</translation>
    </message>
    <message>
        <source>Star &amp;Names</source>
        <extracomment>Menu item of command 32796; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Nazwy gwiazd</translation>
    </message>
    <message>
        <source>D&amp;eep Sky Labels</source>
        <extracomment>Menu item of command 32798; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Opisy obiektów głębokiego nieba</translation>
    </message>
    <message>
        <source>&amp;Planet Names</source>
        <extracomment>Menu item of command 32797; &amp; marks the letter that chooses it.</extracomment>
        <translation>Nazwy &amp;planet</translation>
    </message>
    <message>
        <source>Stars &amp;Colors</source>
        <extracomment>Menu item of command 32792; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Kolory gwiazd</translation>
    </message>
    <message>
        <source>&amp;Atmospheric refraction</source>
        <extracomment>Menu item of command 32821; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Refrakcja atmosferyczna</translation>
    </message>
    <message>
        <source>E&amp;yepiece Fields</source>
        <extracomment>Menu item of command 32823; &amp; marks the letter that chooses it.</extracomment>
        <translation>Pola o&amp;kularów</translation>
    </message>
    <message>
        <source>Eyep&amp;iece Fields...</source>
        <extracomment>Menu item of command 32824; &amp; marks the letter that chooses it.</extracomment>
        <translation>Określ pola ok&amp;ularów...</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <extracomment>Menu item of command 32827; &amp; marks the letter that chooses it.</extracomment>
        <translation>Ś&amp;ledzenie</translation>
    </message>
    <message>
        <source>&amp;Red Screen</source>
        <extracomment>Menu item of command 32802; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Czerwony ekran</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <extracomment>Menu item of command 32803; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Pełny ekran</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <extracomment>Menu item of command 59392; &amp; marks the letter that chooses it.</extracomment>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <extracomment>Menu item of command 59393; &amp; marks the letter that chooses it.</extracomment>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>&amp;Equatorial</source>
        <extracomment>Menu item of command 32800; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Równikowy</translation>
    </message>
    <message>
        <source>&amp;Local Horizon</source>
        <extracomment>Menu item of command 32801; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Lokalny horyzont</translation>
    </message>
    <message>
        <source>&amp;Date/Time...</source>
        <extracomment>Menu item of command 32784; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Data/czas...</translation>
    </message>
    <message>
        <source>Observer&apos;s &amp;Location...</source>
        <extracomment>Menu item of command 32785; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Miejsce obserwacji...</translation>
    </message>
    <message>
        <source>&amp;Magnitude Limits...</source>
        <extracomment>Menu item of command 32787; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Granice jasności...</translation>
    </message>
    <message>
        <source>Draw &amp;Points</source>
        <extracomment>Menu item of command 32819; &amp; marks the letter that chooses it.</extracomment>
        <translation>Rysuj jako &amp;punkty</translation>
    </message>
    <message>
        <source>Draw &amp;Bitmaps</source>
        <extracomment>Menu item of command 32820; &amp; marks the letter that chooses it.</extracomment>
        <translation>Rysuj jako &amp;obrazki</translation>
    </message>
    <message>
        <source>Deep Sky &amp;Objects...</source>
        <extracomment>Menu item of command 32788; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Obiekty głębokiego nieba...</translation>
    </message>
    <message>
        <source>Colo&amp;rs...</source>
        <extracomment>Menu item of command 32790; &amp; marks the letter that chooses it.</extracomment>
        <translation>Kolo&amp;ry...</translation>
    </message>
    <message>
        <source>Lan&amp;guage...</source>
        <extracomment>Menu item of command 32850; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Język...</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <extracomment>Menu item of command 32806; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Czarne</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <extracomment>Menu item of command 32807; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Kolorowe</translation>
    </message>
    <message>
        <source>&amp;Star...</source>
        <extracomment>Menu item of command 32808; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Gwiazda...</translation>
    </message>
    <message>
        <source>&amp;Constellation...</source>
        <extracomment>Menu item of command 32810; &amp; marks the letter that chooses it.</extracomment>
        <translation>G&amp;wiazdozbiór...</translation>
    </message>
    <message>
        <source>S&amp;olar System Object...</source>
        <extracomment>Menu item of command 32809; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Obiekt Układu Słonecznego...</translation>
    </message>
    <message>
        <source>&amp;Messier Catalog...</source>
        <extracomment>Menu item of command 32811; &amp; marks the letter that chooses it.</extracomment>
        <translation>Katalog &amp;Messiera...</translation>
    </message>
    <message>
        <source>&amp;NGC Catalog...</source>
        <extracomment>Menu item of command 32812; &amp; marks the letter that chooses it.</extracomment>
        <translation>Katalog &amp;NGC...</translation>
    </message>
    <message>
        <source>&amp;Tonight...</source>
        <extracomment>Menu item of command 32822; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Dzisiejsza noc...</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <extracomment>Menu item of command 32813; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Wschód</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <extracomment>Menu item of command 32814; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Zachód</translation>
    </message>
    <message>
        <source>&amp;North</source>
        <extracomment>Menu item of command 32815; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Północ</translation>
    </message>
    <message>
        <source>&amp;South</source>
        <extracomment>Menu item of command 32816; &amp; marks the letter that chooses it.</extracomment>
        <translation>P&amp;ołudnie</translation>
    </message>
    <message>
        <source>&amp;Zenith</source>
        <extracomment>Menu item of command 32817; &amp; marks the letter that chooses it.</extracomment>
        <translation>Ze&amp;nit</translation>
    </message>
    <message>
        <source>Na&amp;dir</source>
        <extracomment>Menu item of command 32818; &amp; marks the letter that chooses it.</extracomment>
        <translation>Na&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Real Time</source>
        <extracomment>Menu item of command 32829; &amp; marks the letter that chooses it.</extracomment>
        <translation>Czas &amp;rzeczywisty</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <extracomment>Menu item of command 57601; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Menu item of command 57607; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <extracomment>Menu item of command 57609; &amp; marks the letter that chooses it.</extracomment>
        <translation>Pod&amp;gląd wydruku</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <extracomment>Menu item of command 57606; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ustawienia wydruku...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <extracomment>Menu item of command 57616; &amp; marks the letter that chooses it.</extracomment>
        <translation>Ostatni plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item of command 57665; &amp; marks the letter that chooses it.</extracomment>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Menu item of command 57667; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <extracomment>Menu item of command 57668; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Jak korzystać z pomocy</translation>
    </message>
    <message>
        <source>&amp;About Stellix...</source>
        <extracomment>Menu item of command 57664; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;O programie Stellix...</translation>
    </message>
    <message>
        <source>Comets and &amp;Asteroids</source>
        <extracomment>Menu item of command 32830; &amp; marks the letter that chooses it.</extracomment>
        <translation>Komety i &amp;planetoidy</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot...</source>
        <extracomment>Menu item of command 32840; &amp; marks the letter that chooses it.</extracomment>
        <translation>W&amp;ykres wysokości...</translation>
    </message>
    <message>
        <source>&amp;Telescope...</source>
        <extracomment>Menu item of command 32860; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Teleskop...</translation>
    </message>
    <message>
        <source>&amp;Slew to Selected</source>
        <extracomment>Menu item of command 32861; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Naprowadź na wybrany obiekt</translation>
    </message>
    <message>
        <source>S&amp;ync to Selected</source>
        <extracomment>Menu item of command 32862; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Synchronizuj z wybranym obiektem</translation>
    </message>
    <message>
        <source>Slew to View &amp;Centre</source>
        <extracomment>Menu item of command 32863; &amp; marks the letter that chooses it.</extracomment>
        <translation>Naprowadź na środek &amp;widoku</translation>
    </message>
    <message>
        <source>&amp;Abort Slew</source>
        <extracomment>Menu item of command 32864; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Przerwij naprowadzanie</translation>
    </message>
    <message>
        <source>&amp;Park</source>
        <extracomment>Menu item of command 32865; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Zaparkuj</translation>
    </message>
    <message>
        <source>&amp;Unpark</source>
        <extracomment>Menu item of command 32866; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Odparkuj</translation>
    </message>
    <message>
        <source>&amp;Follow the Telescope</source>
        <extracomment>Menu item of command 32867; &amp; marks the letter that chooses it.</extracomment>
        <translation>Ś&amp;ledź teleskop</translation>
    </message>
    <message>
        <source>&amp;Import Orbital Elements...</source>
        <extracomment>Menu item of command 32831; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Importuj elementy orbitalne...</translation>
    </message>
    <message>
        <source>&amp;Go to Coordinates...</source>
        <extracomment>Menu item of command 32875; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Idź do współrzędnych...</translation>
    </message>
</context>
<context>
    <name>CompassPoint</name>
    <message>
        <source>S</source>
        <translation>Pd</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>Pd-Wsch</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Wsch</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>Pn-Wsch</translation>
    </message>
    <message>
        <source>N</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>Pn-Zach</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Zach</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>Pd-Zach</translation>
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
        <translation>Pompa</translation>
    </message>
    <message>
        <source>Apus</source>
        <translation>Ptak Rajski</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wodnik</translation>
    </message>
    <message>
        <source>Aquila</source>
        <translation>Orzeł</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>Ołtarz</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Baran</translation>
    </message>
    <message>
        <source>Auriga</source>
        <translation>Woźnica</translation>
    </message>
    <message>
        <source>Boötes</source>
        <translation>Wolarz</translation>
    </message>
    <message>
        <source>Caelum</source>
        <translation>Rylec</translation>
    </message>
    <message>
        <source>Camelopardalis</source>
        <translation>Żyrafa</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Rak</translation>
    </message>
    <message>
        <source>Canes Venatici</source>
        <translation>Psy Gończe</translation>
    </message>
    <message>
        <source>Canis Major</source>
        <translation>Wielki Pies</translation>
    </message>
    <message>
        <source>Canis Minor</source>
        <translation>Mały Pies</translation>
    </message>
    <message>
        <source>Capricornus</source>
        <translation>Koziorożec</translation>
    </message>
    <message>
        <source>Carina</source>
        <translation>Kil</translation>
    </message>
    <message>
        <source>Cassiopeia</source>
        <translation>Kasjopeja</translation>
    </message>
    <message>
        <source>Centaurus</source>
        <translation>Centaur</translation>
    </message>
    <message>
        <source>Cepheus</source>
        <translation>Cefeusz</translation>
    </message>
    <message>
        <source>Cetus</source>
        <translation>Wieloryb</translation>
    </message>
    <message>
        <source>Chamaeleon</source>
        <translation>Kameleon</translation>
    </message>
    <message>
        <source>Circinus</source>
        <translation>Cyrkiel</translation>
    </message>
    <message>
        <source>Columba</source>
        <translation>Gołąb</translation>
    </message>
    <message>
        <source>Coma Berenices</source>
        <translation>Warkocz Bereniki</translation>
    </message>
    <message>
        <source>Corona Austrina</source>
        <translation>Korona Południowa</translation>
    </message>
    <message>
        <source>Corona Borealis</source>
        <translation>Korona Północna</translation>
    </message>
    <message>
        <source>Corvus</source>
        <translation>Kruk</translation>
    </message>
    <message>
        <source>Crater</source>
        <translation>Puchar</translation>
    </message>
    <message>
        <source>Crux</source>
        <translation>Krzyż Południa</translation>
    </message>
    <message>
        <source>Cygnus</source>
        <translation>Łabędź</translation>
    </message>
    <message>
        <source>Delphinus</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Dorado</source>
        <translation>Złota Ryba</translation>
    </message>
    <message>
        <source>Draco</source>
        <translation>Smok</translation>
    </message>
    <message>
        <source>Equuleus</source>
        <translation>Źrebię</translation>
    </message>
    <message>
        <source>Eridanus</source>
        <translation>Erydan</translation>
    </message>
    <message>
        <source>Fornax</source>
        <translation>Piec</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Bliźnięta</translation>
    </message>
    <message>
        <source>Grus</source>
        <translation>Żuraw</translation>
    </message>
    <message>
        <source>Hercules</source>
        <translation>Herkules</translation>
    </message>
    <message>
        <source>Horologium</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Hydra</source>
        <translation>Hydra</translation>
    </message>
    <message>
        <source>Hydrus</source>
        <translation>Wąż Wodny</translation>
    </message>
    <message>
        <source>Indus</source>
        <translation>Indianin</translation>
    </message>
    <message>
        <source>Lacerta</source>
        <translation>Jaszczurka</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lew</translation>
    </message>
    <message>
        <source>Leo Minor</source>
        <translation>Mały Lew</translation>
    </message>
    <message>
        <source>Lepus</source>
        <translation>Zając</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Lupus</source>
        <translation>Wilk</translation>
    </message>
    <message>
        <source>Lynx</source>
        <translation>Ryś</translation>
    </message>
    <message>
        <source>Lyra</source>
        <translation>Lutnia</translation>
    </message>
    <message>
        <source>Mensa</source>
        <translation>Góra Stołowa</translation>
    </message>
    <message>
        <source>Microscopium</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Monoceros</source>
        <translation>Jednorożec</translation>
    </message>
    <message>
        <source>Musca</source>
        <translation>Mucha</translation>
    </message>
    <message>
        <source>Norma</source>
        <translation>Węgielnica</translation>
    </message>
    <message>
        <source>Octans</source>
        <translation>Oktant</translation>
    </message>
    <message>
        <source>Ophiuchus</source>
        <translation>Wężownik</translation>
    </message>
    <message>
        <source>Orion</source>
        <translation>Orion</translation>
    </message>
    <message>
        <source>Pavo</source>
        <translation>Paw</translation>
    </message>
    <message>
        <source>Pegasus</source>
        <translation>Pegaz</translation>
    </message>
    <message>
        <source>Perseus</source>
        <translation>Perseusz</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Feniks</translation>
    </message>
    <message>
        <source>Pictor</source>
        <translation>Malarz</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Ryby</translation>
    </message>
    <message>
        <source>Piscis Austrinus</source>
        <translation>Ryba Południowa</translation>
    </message>
    <message>
        <source>Puppis</source>
        <translation>Rufa</translation>
    </message>
    <message>
        <source>Pyxis</source>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Reticulum</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Sagitta</source>
        <translation>Strzała</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Strzelec</translation>
    </message>
    <message>
        <source>Scorpius</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sculptor</source>
        <translation>Rzeźbiarz</translation>
    </message>
    <message>
        <source>Scutum</source>
        <translation>Tarcza</translation>
    </message>
    <message>
        <source>Serpens Caput</source>
        <translation>Głowa Węża</translation>
    </message>
    <message>
        <source>Serpens Cauda</source>
        <translation>Ogon Węża</translation>
    </message>
    <message>
        <source>Sextans</source>
        <translation>Sekstant</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Byk</translation>
    </message>
    <message>
        <source>Telescopium</source>
        <translation>Luneta</translation>
    </message>
    <message>
        <source>Triangulum</source>
        <translation>Trójkąt</translation>
    </message>
    <message>
        <source>Triangulum Australe</source>
        <translation>Trójkąt Południowy</translation>
    </message>
    <message>
        <source>Tucana</source>
        <translation>Tukan</translation>
    </message>
    <message>
        <source>Ursa Major</source>
        <translation>Wielka Niedźwiedzica</translation>
    </message>
    <message>
        <source>Ursa Minor</source>
        <translation>Mała Niedźwiedzica</translation>
    </message>
    <message>
        <source>Vela</source>
        <translation>Żagiel</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Panna</translation>
    </message>
    <message>
        <source>Volans</source>
        <translation>Ryba Latająca</translation>
    </message>
    <message>
        <source>Vulpecula</source>
        <translation>Lisek</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>&lt;b&gt;Time step&lt;/b&gt;&lt;p&gt;How far each step of the time animation moves the clock: from real time (one second a second) to one year.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 1032.</extracomment>
        <translation>&lt;b&gt;Krok czasu&lt;/b&gt;&lt;p&gt;O ile każdy krok animacji czasu przesuwa zegar: od czasu rzeczywistego (sekunda na sekundę) do roku.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field left&lt;/b&gt; (Left arrow)&lt;p&gt;The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32771.</extracomment>
        <translation>&lt;b&gt;Przesuń pole w lewo&lt;/b&gt; (Left arrow)&lt;p&gt;Gwiazdy przesuwają się w lewo: widzisz więcej nieba, które leżało po prawej. Krok jest mniejszy, im bardziej przybliżysz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field right&lt;/b&gt; (Right arrow)&lt;p&gt;The stars move to the right: you see more of the sky that lay to the left.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32772.</extracomment>
        <translation>&lt;b&gt;Przesuń pole w prawo&lt;/b&gt; (Right arrow)&lt;p&gt;Gwiazdy przesuwają się w prawo: widzisz więcej nieba, które leżało po lewej.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field up&lt;/b&gt; (Up arrow)&lt;p&gt;The stars move up: you see more of the sky that lay below the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32773.</extracomment>
        <translation>&lt;b&gt;Przesuń pole w górę&lt;/b&gt; (Up arrow)&lt;p&gt;Gwiazdy przesuwają się w górę: widzisz więcej nieba, które leżało poniżej środka widoku.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field down&lt;/b&gt; (Down arrow)&lt;p&gt;The stars move down: you see more of the sky that lay above the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32774.</extracomment>
        <translation>&lt;b&gt;Przesuń pole w dół&lt;/b&gt; (Down arrow)&lt;p&gt;Gwiazdy przesuwają się w dół: widzisz więcej nieba, które leżało powyżej środka widoku.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom out&lt;/b&gt; (/ on the numeric keypad)&lt;p&gt;Halves the magnification, down to the whole visible half of the sky.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32776.</extracomment>
        <translation>&lt;b&gt;Oddal&lt;/b&gt; (/ na klawiaturze numerycznej)&lt;p&gt;Zmniejsza powiększenie o połowę, aż do całej widocznej połowy nieba.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deep sky objects&lt;/b&gt; (D)&lt;p&gt;Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &amp;gt; Deep Sky Objects chooses which kinds are drawn.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32777.</extracomment>
        <translation>&lt;b&gt;Obiekty głębokiego nieba&lt;/b&gt; (D)&lt;p&gt;Pokazuje lub ukrywa obiekty Messiera i NGC: gromady, galaktyki i mgławice. Ustawienia &amp;gt; Obiekty głębokiego nieba wybiera rysowane rodzaje.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Boundaries&lt;/b&gt; (B)&lt;p&gt;Shows or hides the boundaries of the 88 constellations and their names.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32778.</extracomment>
        <translation>&lt;b&gt;Granice&lt;/b&gt; (B)&lt;p&gt;Pokazuje lub ukrywa granice 88 gwiazdozbiorów i ich nazwy.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Constellation lines&lt;/b&gt; (L)&lt;p&gt;Shows or hides the figures that join the bright stars of each constellation.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32779.</extracomment>
        <translation>&lt;b&gt;Linie gwiazdozbiorów&lt;/b&gt; (L)&lt;p&gt;Pokazuje lub ukrywa figury łączące jasne gwiazdy każdego gwiazdozbioru.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Grids&lt;/b&gt; (G)&lt;p&gt;Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&amp;deg; of declination.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32780.</extracomment>
        <translation>&lt;b&gt;Siatki&lt;/b&gt; (G)&lt;p&gt;Pokazuje lub ukrywa siatkę równikową: okrąg co godzinę rektascensji i co 15&amp;deg; deklinacji.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Milky Way&lt;/b&gt; (M)&lt;p&gt;Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32781.</extracomment>
        <translation>&lt;b&gt;Droga Mleczna&lt;/b&gt; (M)&lt;p&gt;Pokazuje lub ukrywa pas Drogi Mlecznej i zarysy Obłoków Magellana.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solar System&lt;/b&gt; (P)&lt;p&gt;Shows or hides the Sun, the Moon and the planets.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32782.</extracomment>
        <translation>&lt;b&gt;Układ Słoneczny&lt;/b&gt; (P)&lt;p&gt;Pokazuje lub ukrywa Słońce, Księżyc i planety.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Date and time&lt;/b&gt;&lt;p&gt;Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32784.</extracomment>
        <translation>&lt;b&gt;Data i czas&lt;/b&gt;&lt;p&gt;Ustawia datę i czas pokazanego nieba, od 1901 do 2099, albo wraca do chwili obecnej.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Location&lt;/b&gt;&lt;p&gt;Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32785.</extracomment>
        <translation>&lt;b&gt;Miejsce&lt;/b&gt;&lt;p&gt;Ustawia miejsce na Ziemi, z którego obserwujesz: miasto z listy, punkt na mapie świata albo szerokość, długość i strefę czasową.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation backward&lt;/b&gt; (Ctrl+B)&lt;p&gt;Runs time backwards, one time step after another, until you press Animation stop.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32789.</extracomment>
        <translation>&lt;b&gt;Animacja wstecz&lt;/b&gt; (Ctrl+B)&lt;p&gt;Cofa czas krok po kroku, aż naciśniesz Zatrzymaj animację.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step backward&lt;/b&gt; ([)&lt;p&gt;Moves the clock back by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32791.</extracomment>
        <translation>&lt;b&gt;Jeden krok wstecz&lt;/b&gt; ([)&lt;p&gt;Cofa zegar o jeden krok czasu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation stop&lt;/b&gt; (Esc)&lt;p&gt;Stops the time animation. The sky stays at the time it has reached.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32793.</extracomment>
        <translation>&lt;b&gt;Zatrzymaj animację&lt;/b&gt; (Esc)&lt;p&gt;Zatrzymuje animację czasu. Niebo zostaje w osiągniętej chwili.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step forward&lt;/b&gt; (])&lt;p&gt;Moves the clock on by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32794.</extracomment>
        <translation>&lt;b&gt;Jeden krok naprzód&lt;/b&gt; (])&lt;p&gt;Przesuwa zegar o jeden krok czasu naprzód.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation forward&lt;/b&gt; (Ctrl+F)&lt;p&gt;Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32795.</extracomment>
        <translation>&lt;b&gt;Animacja naprzód&lt;/b&gt; (Ctrl+F)&lt;p&gt;Posuwa czas naprzód krok po kroku, aż naciśniesz Zatrzymaj animację. Menu i okna dialogowe czekają, aż się zatrzyma.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Equatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32800.</extracomment>
        <translation>&lt;b&gt;Równikowy&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Pokazuje niebo jako mapę gwiazd z biegunem niebieskim u góry, tak jakby Ziemi nie było.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Local horizon&lt;/b&gt; (Ctrl+H)&lt;p&gt;Shows the sky as you see it from your place, with the ground, the landscape and the compass points.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32801.</extracomment>
        <translation>&lt;b&gt;Lokalny horyzont&lt;/b&gt; (Ctrl+H)&lt;p&gt;Pokazuje niebo tak, jak widzisz je ze swojego miejsca, z gruntem, krajobrazem i stronami świata.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Red screen&lt;/b&gt; (Shift+R)&lt;p&gt;Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32802.</extracomment>
        <translation>&lt;b&gt;Czerwony ekran&lt;/b&gt; (Shift+R)&lt;p&gt;Rysuje niebo i całe okno przyciemnioną czerwienią na czarnym tle, co pozwala oczom zachować adaptację do ciemności przy teleskopie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Full screen&lt;/b&gt; (Shift+F)&lt;p&gt;Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32803.</extracomment>
        <translation>&lt;b&gt;Pełny ekran&lt;/b&gt; (Shift+F)&lt;p&gt;Pokazuje samo niebo na całym ekranie. Esc lub ponownie Shift+F albo wskaźnik przy górnej krawędzi przywracają okno.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Eyepiece fields&lt;/b&gt; (Shift+E)&lt;p&gt;Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &amp;gt; Eyepiece Fields... defines them.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32823.</extracomment>
        <translation>&lt;b&gt;Pola okularów&lt;/b&gt; (Shift+E)&lt;p&gt;Pokazuje lub ukrywa pola Twoich okularów i kamer wokół środka widoku. Określa je Widok &amp;gt; Określ pola okularów...&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt; (Ctrl+O)&lt;p&gt;Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57601.</extracomment>
        <translation>&lt;b&gt;Otwórz&lt;/b&gt; (Ctrl+O)&lt;p&gt;Otwiera plik obrazu (JPEG, GIF, PCX, TGA, BMP lub TIFF) w oknie obrazu. Okno wyboru pliku zaczyna w folderze Images katalogu danych.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt; (Ctrl+P)&lt;p&gt;Prints the field you see as a black-on-white chart.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57607.</extracomment>
        <translation>&lt;b&gt;Drukuj&lt;/b&gt; (Ctrl+P)&lt;p&gt;Drukuje widoczne pole jako mapę czarno na białym.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Preview&lt;/b&gt;&lt;p&gt;Shows the printed chart of the field you see, page by page, before anything goes to the printer.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57609.</extracomment>
        <translation>&lt;b&gt;Podgląd wydruku&lt;/b&gt;&lt;p&gt;Pokazuje wydrukowaną mapę widocznego pola strona po stronie, zanim cokolwiek trafi do drukarki.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;About Stellix&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version, its licence and where its sky data comes from.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57664.</extracomment>
        <translation>&lt;b&gt;O programie Stellix&lt;/b&gt;&lt;p&gt;Pokazuje wersję programu, jego licencję i pochodzenie danych nieba.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s this?&lt;/b&gt; (Shift+F1)&lt;p&gt;Click this button, then on any button, menu item or field, to read what it does.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57669.</extracomment>
        <translation>&lt;b&gt;Co to jest?&lt;/b&gt; (Shift+F1)&lt;p&gt;Kliknij ten przycisk, a potem dowolny przycisk, pozycję menu lub pole, aby przeczytać, do czego służy.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1)&lt;p&gt;Opens the user guide at the page of the window you are in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57670.</extracomment>
        <translation>&lt;b&gt;Pomoc&lt;/b&gt; (F1)&lt;p&gt;Otwiera przewodnik na stronie okna, w którym jesteś.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom in&lt;/b&gt; (* on the numeric keypad)&lt;p&gt;Doubles the magnification, up to 8192 times.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32775.</extracomment>
        <translation>&lt;b&gt;Przybliż&lt;/b&gt; (* na klawiaturze numerycznej)&lt;p&gt;Podwaja powiększenie, do 8192 razy.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>astro</name>
    <message>
        <source>New Moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Przybywający sierp</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Pierwsza kwadra</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Przybywający garb</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pełnia</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Ubywający garb</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Ostatnia kwadra</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Ubywający sierp</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>nazwa pliku musi kończyć się na .png lub .svg</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>nie udało się wykonać rysunku</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>nie udało się rozpocząć pliku PDF</translation>
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
Dokument Stellix</translation>
    </message>
    <message>
        <source>Stellix</source>
        <extracomment>String 200. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stellix</translation>
    </message>
    <message>
        <source>Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||</source>
        <extracomment>String 219. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pliki JPEG(*.JPG)|*.JPG|Pliki GIF(*.GIF)|*.GIF|Pliki PCX(*.PCX)|*.PCX|Pliki Targa(*.TGA)|*.TGA|Pliki BMP(*.BMP)|*.BMP|Pliki TIFF(*.TIF)|*.TIF||</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%s&quot; file !   </source>
        <extracomment>String 300. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie można otworzyć pliku „%s”!   </translation>
    </message>
    <message>
        <source>Object under horizon. Not visible.   </source>
        <extracomment>String 301. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Obiekt jest pod horyzontem. Niewidoczny.   </translation>
    </message>
    <message>
        <source>Select star or press &apos; Cancel &apos;.    </source>
        <extracomment>String 302. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wybierz gwiazdę albo naciśnij „Anuluj”.    </translation>
    </message>
    <message>
        <source>Select constellation or press &apos; Cancel &apos;.    </source>
        <extracomment>String 303. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wybierz gwiazdozbiór albo naciśnij „Anuluj”.    </translation>
    </message>
    <message>
        <source>Enter Messier number or press &apos; Cancel &apos;.    </source>
        <extracomment>String 304. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wpisz numer Messiera albo naciśnij „Anuluj”.    </translation>
    </message>
    <message>
        <source>Wrong catalog number !    </source>
        <extracomment>String 305. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Błędny numer katalogowy!    </translation>
    </message>
    <message>
        <source>Select NGC object or press &apos; Cancel &apos;.    </source>
        <extracomment>String 306. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wybierz obiekt NGC albo naciśnij „Anuluj”.    </translation>
    </message>
    <message>
        <source>Animation has no effect when the Solar System is disabled in Equatorial mode !    </source>
        <extracomment>String 307. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animacja nie działa, gdy Układ Słoneczny jest wyłączony w trybie równikowym!    </translation>
    </message>
    <message>
        <source>Can&apos;t initialize rendering context for OpenGL !    </source>
        <extracomment>String 308. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie można utworzyć kontekstu rysowania OpenGL!    </translation>
    </message>
    <message>
        <source>Couldn&apos;t load the image &quot;%s&quot; !    </source>
        <extracomment>String 309. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie udało się wczytać obrazu „%s”!    </translation>
    </message>
    <message>
        <source>Set your display to High Color or more to run Stellix !    </source>
        <extracomment>String 311. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ustaw ekran na co najmniej High Color (16 bitów), aby uruchomić Stellix!    </translation>
    </message>
    <message>
        <source>You have entered wrong number! It must be from %d to %d.    </source>
        <extracomment>String 317. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wpisano błędną liczbę! Musi być od %d do %d.    </translation>
    </message>
    <message>
        <source>Can&apos;t write the settings file &quot;%s&quot; !   </source>
        <extracomment>String 320. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie można zapisać pliku ustawień „%s”!   </translation>
    </message>
    <message>
        <source>Unknown DIB file format.</source>
        <extracomment>String 330. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nieznany format pliku DIB.</translation>
    </message>
    <message>
        <source>Image file conversion error.</source>
        <extracomment>String 331. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Błąd konwersji pliku obrazu.</translation>
    </message>
    <message>
        <source>Failed to open DIB file %s.
</source>
        <extracomment>String 332: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie udało się otworzyć pliku DIB %s.
</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <extracomment>String 333. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Brak pamięci.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>String 334. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Settings out of range in &quot;%s&quot; were replaced by the nearest allowed values: %s   </source>
        <extracomment>String 340. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ustawienia spoza zakresu w „%s” zastąpiono najbliższymi dozwolonymi wartościami: %s   </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: %s. The sky is shown without those records.   </source>
        <extracomment>String 341. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Plik „%s” jest uszkodzony: %s. Niebo jest pokazane bez tych rekordów.   </translation>
    </message>
    <message>
        <source>records %s to %s are missing</source>
        <extracomment>String 342. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>brakuje rekordów od %s do %s</translation>
    </message>
    <message>
        <source>record %s is missing</source>
        <extracomment>String 343. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>brakuje rekordu %s</translation>
    </message>
    <message>
        <source>record %s is unusable (%s)</source>
        <extracomment>String 344. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>rekord %s jest bezużyteczny (%s)</translation>
    </message>
    <message>
        <source>%s records are unusable, the first record %s (%s)</source>
        <extracomment>String 345. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s rekordów jest bezużytecznych, pierwszy rekord %s (%s)</translation>
    </message>
    <message>
        <source>a coordinate out of range or not a number</source>
        <extracomment>String 346. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>współrzędna spoza zakresu lub niebędąca liczbą</translation>
    </message>
    <message>
        <source>a magnitude out of range or not a number</source>
        <extracomment>String 347. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>jasność spoza zakresu lub niebędąca liczbą</translation>
    </message>
    <message>
        <source>a label offset beyond 1000 pixels</source>
        <extracomment>String 348. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>przesunięcie opisu ponad 1000 pikseli</translation>
    </message>
    <message>
        <source>a position angle or an axis out of range or not a number</source>
        <extracomment>String 349. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>kąt pozycyjny lub oś spoza zakresu lub niebędące liczbą</translation>
    </message>
    <message>
        <source>a longitude, latitude, minute or time zone out of range</source>
        <extracomment>String 350. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>długość, szerokość, minuta lub strefa czasowa spoza zakresu</translation>
    </message>
    <message>
        <source>a line that does not read as its numbers</source>
        <extracomment>String 351. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>wiersz, którego nie da się odczytać jako jego liczby</translation>
    </message>
    <message>
        <source>The texture file &quot;%s&quot; cannot be used: %s   </source>
        <extracomment>String 352. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie można użyć pliku tekstury „%s”: %s   </translation>
    </message>
    <message>
        <source>it is not a BMP file.</source>
        <extracomment>String 353. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>to nie jest plik BMP.</translation>
    </message>
    <message>
        <source>a proper motion or parallax out of range or not a number</source>
        <extracomment>String 354. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>ruch własny lub paralaksa spoza zakresu lub niebędące liczbą</translation>
    </message>
    <message>
        <source>a time zone that this computer&apos;s tzdata does not know</source>
        <extracomment>String 355. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>strefa czasowa, której nie zna tzdata tego komputera</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: its header is not one this program reads. The sky is shown without that file.   </source>
        <extracomment>String 356. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Plik „%s” jest uszkodzony: jego nagłówek nie jest takim, jaki ten program czyta. Niebo jest pokazane bez tego pliku.   </translation>
    </message>
    <message>
        <source>Give the field a name.    </source>
        <extracomment>String 360. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nadaj polu nazwę.    </translation>
    </message>
    <message>
        <source>%s must be a number from %s to %s.    </source>
        <extracomment>String 361. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s musi być liczbą od %s do %s.    </translation>
    </message>
    <message>
        <source>This field would be %s wide; a field may be at most %s wide.    </source>
        <extracomment>String 362. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>To pole miałoby %s szerokości; pole może mieć najwyżej %s.    </translation>
    </message>
    <message>
        <source>There is room for %s fields; remove one to add another.    </source>
        <extracomment>String 363. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Jest miejsce na %s pól; usuń jedno, aby dodać kolejne.    </translation>
    </message>
    <message>
        <source>near %s (%s km)</source>
        <extracomment>String 364. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>w pobliżu %s (%s km)</translation>
    </message>
    <message>
        <source>Following %s</source>
        <extracomment>String 365. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Śledzenie: %s</translation>
    </message>
    <message>
        <source>Choose the object to follow first: search for it, then press T.    </source>
        <extracomment>String 366. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Najpierw wybierz obiekt do śledzenia: wyszukaj go, a potem naciśnij T.    </translation>
    </message>
    <message>
        <source>Moon</source>
        <extracomment>String 500. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Sun</source>
        <extracomment>String 501. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>String 502. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Merkury</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>String 503. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wenus</translation>
    </message>
    <message>
        <source>Mars</source>
        <extracomment>String 504. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <extracomment>String 505. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Jowisz</translation>
    </message>
    <message>
        <source>Saturn</source>
        <extracomment>String 506. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <extracomment>String 507. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Uran</translation>
    </message>
    <message>
        <source>Neptune</source>
        <extracomment>String 508. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>String 509. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pluton</translation>
    </message>
    <message>
        <source>Constellation line.    </source>
        <extracomment>String 510. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linia gwiazdozbioru.    </translation>
    </message>
    <message>
        <source>Constellation boundary.    </source>
        <extracomment>String 511. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Granica gwiazdozbioru.    </translation>
    </message>
    <message>
        <source>Right ascension grid line.    </source>
        <extracomment>String 512. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linia siatki rektascensji.    </translation>
    </message>
    <message>
        <source>Declination grid line.    </source>
        <extracomment>String 513. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linia siatki deklinacji.    </translation>
    </message>
    <message>
        <source>Ecliptic line.    </source>
        <extracomment>String 514. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ekliptyka.    </translation>
    </message>
    <message>
        <source> million km</source>
        <extracomment>String 516. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> mln km</translation>
    </message>
    <message>
        <source>Open cluster</source>
        <extracomment>String 517. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Gromada otwarta</translation>
    </message>
    <message>
        <source>Globular cluster</source>
        <extracomment>String 518. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Gromada kulista</translation>
    </message>
    <message>
        <source>Galaxy</source>
        <extracomment>String 519. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Galaktyka</translation>
    </message>
    <message>
        <source>Nebula</source>
        <extracomment>String 520. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mgławica</translation>
    </message>
    <message>
        <source>Planetary nebula</source>
        <extracomment>String 521. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mgławica planetarna</translation>
    </message>
    <message>
        <source> Real time</source>
        <extracomment>String 522. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> Czas rzeczywisty</translation>
    </message>
    <message>
        <source> 10 minutes</source>
        <extracomment>String 523. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 10 minut</translation>
    </message>
    <message>
        <source> 30 minutes</source>
        <extracomment>String 524. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 30 minut</translation>
    </message>
    <message>
        <source> 1 hour</source>
        <extracomment>String 525. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 godzina</translation>
    </message>
    <message>
        <source> 1 day</source>
        <extracomment>String 526. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 dzień</translation>
    </message>
    <message>
        <source> 7 days</source>
        <extracomment>String 527. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 7 dni</translation>
    </message>
    <message>
        <source> 1 month</source>
        <extracomment>String 528. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 miesiąc</translation>
    </message>
    <message>
        <source> 1 year</source>
        <extracomment>String 529. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 rok</translation>
    </message>
    <message>
        <source>Large Magellanic Cloud.    </source>
        <extracomment>String 530. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wielki Obłok Magellana.    </translation>
    </message>
    <message>
        <source>Small Magellanic Cloud.    </source>
        <extracomment>String 531. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mały Obłok Magellana.    </translation>
    </message>
    <message>
        <source>Time step
Time step</source>
        <extracomment>String 1032: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Krok czasu
Krok czasu</translation>
    </message>
    <message>
        <source>Move the field left
Move the field left</source>
        <extracomment>String 32771: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Przesuń pole w lewo
Przesuń pole w lewo</translation>
    </message>
    <message>
        <source>Move the field right
Move the field right</source>
        <extracomment>String 32772: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Przesuń pole w prawo
Przesuń pole w prawo</translation>
    </message>
    <message>
        <source>Move the field up
Move the field up</source>
        <extracomment>String 32773: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Przesuń pole w górę
Przesuń pole w górę</translation>
    </message>
    <message>
        <source>Move the field down
Move the field down</source>
        <extracomment>String 32774: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Przesuń pole w dół
Przesuń pole w dół</translation>
    </message>
    <message>
        <source>Zoom the field in
Zoom in</source>
        <extracomment>String 32775: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Przybliż pole
Przybliż</translation>
    </message>
    <message>
        <source>Zoom the field out
Zoom out</source>
        <extracomment>String 32776: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Oddal pole
Oddal</translation>
    </message>
    <message>
        <source>Deep sky objects
Deep sky objects</source>
        <extracomment>String 32777: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Obiekty głębokiego nieba
Obiekty głębokiego nieba</translation>
    </message>
    <message>
        <source>Constellation boundaries
Boundaries</source>
        <extracomment>String 32778: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Granice gwiazdozbiorów
Granice</translation>
    </message>
    <message>
        <source>Constellation lines
Constellation lines</source>
        <extracomment>String 32779: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linie gwiazdozbiorów
Linie gwiazdozbiorów</translation>
    </message>
    <message>
        <source>Coordination grid lines
Grids</source>
        <extracomment>String 32780: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linie siatki współrzędnych
Siatki</translation>
    </message>
    <message>
        <source>Milky Way
Milky Way</source>
        <extracomment>String 32781: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Droga Mleczna
Droga Mleczna</translation>
    </message>
    <message>
        <source>Solar System objects
Solar System</source>
        <extracomment>String 32782: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Obiekty Układu Słonecznego
Układ Słoneczny</translation>
    </message>
    <message>
        <source>Date and time
Date and time</source>
        <extracomment>String 32784: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Data i czas
Data i czas</translation>
    </message>
    <message>
        <source>Location of the observer
Location</source>
        <extracomment>String 32785: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Miejsce obserwatora
Miejsce</translation>
    </message>
    <message>
        <source>Magnitude limits</source>
        <extracomment>String 32787. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Granice jasności</translation>
    </message>
    <message>
        <source>Deep sky objects settings
Deep sky objects</source>
        <extracomment>String 32788: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ustawienia obiektów głębokiego nieba
Obiekty głębokiego nieba</translation>
    </message>
    <message>
        <source>Animation backward
Animation backward</source>
        <extracomment>String 32789: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animacja wstecz
Animacja wstecz</translation>
    </message>
    <message>
        <source>Colors settings
Colors</source>
        <extracomment>String 32790: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ustawienia kolorów
Kolory</translation>
    </message>
    <message>
        <source>One step animation backward
One step backward</source>
        <extracomment>String 32791: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Jeden krok animacji wstecz
Jeden krok wstecz</translation>
    </message>
    <message>
        <source>Show or hide stars colors
Stars colors</source>
        <extracomment>String 32792: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj kolory gwiazd
Kolory gwiazd</translation>
    </message>
    <message>
        <source>Animation stop
Animation stop</source>
        <extracomment>String 32793: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zatrzymaj animację
Zatrzymaj animację</translation>
    </message>
    <message>
        <source>One step animation forward
One step forward</source>
        <extracomment>String 32794: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Jeden krok animacji naprzód
Jeden krok naprzód</translation>
    </message>
    <message>
        <source>Animation forward
Animation forward</source>
        <extracomment>String 32795: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animacja naprzód
Animacja naprzód</translation>
    </message>
    <message>
        <source>Show or hide star names</source>
        <extracomment>String 32796. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj nazwy gwiazd</translation>
    </message>
    <message>
        <source>Show or hide Solar System names</source>
        <extracomment>String 32797. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj nazwy w Układzie Słonecznym</translation>
    </message>
    <message>
        <source>Show or hide deep sky labels</source>
        <extracomment>String 32798. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj opisy obiektów głębokiego nieba</translation>
    </message>
    <message>
        <source>Equatorial mode</source>
        <extracomment>String 32800. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tryb równikowy</translation>
    </message>
    <message>
        <source>Local horizon mode</source>
        <extracomment>String 32801. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tryb lokalnego horyzontu</translation>
    </message>
    <message>
        <source>Show or hide red screen mode
Red screen</source>
        <extracomment>String 32802: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Włącz lub wyłącz czerwony ekran
Czerwony ekran</translation>
    </message>
    <message>
        <source>Show or hide full screen mode
Full screen</source>
        <extracomment>String 32803: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Włącz lub wyłącz pełny ekran
Pełny ekran</translation>
    </message>
    <message>
        <source>Show or hide ecliptic line</source>
        <extracomment>String 32804. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj ekliptykę</translation>
    </message>
    <message>
        <source>Black background of the sky</source>
        <extracomment>String 32806. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Czarne tło nieba</translation>
    </message>
    <message>
        <source>Color background of the sky</source>
        <extracomment>String 32807. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Kolorowe tło nieba</translation>
    </message>
    <message>
        <source>Search for star</source>
        <extracomment>String 32808. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Szukaj gwiazdy</translation>
    </message>
    <message>
        <source>Search for Solar System object</source>
        <extracomment>String 32809. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Szukaj obiektu Układu Słonecznego</translation>
    </message>
    <message>
        <source>Search for constellation</source>
        <extracomment>String 32810. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Szukaj gwiazdozbioru</translation>
    </message>
    <message>
        <source>Search for Messier</source>
        <extracomment>String 32811. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Szukaj obiektu Messiera</translation>
    </message>
    <message>
        <source>Search for NGC</source>
        <extracomment>String 32812. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Szukaj obiektu NGC</translation>
    </message>
    <message>
        <source>Search for East</source>
        <extracomment>String 32813. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Spójrz na wschód</translation>
    </message>
    <message>
        <source>Search for West</source>
        <extracomment>String 32814. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Spójrz na zachód</translation>
    </message>
    <message>
        <source>Search for North</source>
        <extracomment>String 32815. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Spójrz na północ</translation>
    </message>
    <message>
        <source>Search for South</source>
        <extracomment>String 32816. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Spójrz na południe</translation>
    </message>
    <message>
        <source>Search for Zenith</source>
        <extracomment>String 32817. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Spójrz w zenit</translation>
    </message>
    <message>
        <source>Search for Nadir</source>
        <extracomment>String 32818. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Spójrz w nadir</translation>
    </message>
    <message>
        <source>Draw stars as points</source>
        <extracomment>String 32819. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rysuj gwiazdy jako punkty</translation>
    </message>
    <message>
        <source>Draw stars as bitmaps</source>
        <extracomment>String 32820. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rysuj gwiazdy jako obrazki</translation>
    </message>
    <message>
        <source>Lift the local-horizon sky by the atmosphere&apos;s refraction
Atmospheric refraction</source>
        <extracomment>String 32821: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Podnieś niebo lokalnego horyzontu o refrakcję atmosfery
Refrakcja atmosferyczna</translation>
    </message>
    <message>
        <source>Show the night ahead: twilight, the Moon, the planets and what stands high
Tonight</source>
        <extracomment>String 32822: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż nadchodzącą noc: zmierzch, Księżyc, planety i to, co stoi wysoko
Dzisiejsza noc</translation>
    </message>
    <message>
        <source>Show or hide the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32823: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj pola Twoich okularów i kamer
Pola okularów</translation>
    </message>
    <message>
        <source>Define the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32824: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Określ pola Twoich okularów i kamer
Pola okularów</translation>
    </message>
    <message>
        <source>Show or hide the grid of altitude and azimuth
Alt-azimuth grid</source>
        <extracomment>String 32825: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj siatkę wysokości i azymutu
Siatka wysokości i azymutu</translation>
    </message>
    <message>
        <source>Show or hide the meridian
Meridian</source>
        <extracomment>String 32826: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj południk
Południk</translation>
    </message>
    <message>
        <source>Keep the object you chose at the middle of the view while time runs
Follow</source>
        <extracomment>String 32827: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Trzymaj wybrany obiekt na środku widoku, gdy czas płynie
Śledzenie</translation>
    </message>
    <message>
        <source>Keep the sky at the present instant as the clock runs
Real time</source>
        <extracomment>String 32829: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Trzymaj niebo w bieżącej chwili, gdy zegar biegnie
Czas rzeczywisty</translation>
    </message>
    <message>
        <source>Choose the language of the window; it takes effect after a restart
Language</source>
        <extracomment>String 32850: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wybierz język okna; zacznie obowiązywać po ponownym uruchomieniu
Język</translation>
    </message>
    <message>
        <source>Open an image file
Open</source>
        <extracomment>String 57601: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Otwórz plik obrazu
Otwórz</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>String 57606: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zmień drukarkę i opcje drukowania
Ustawienia wydruku</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <extracomment>String 57607: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Drukuj mapę
Drukuj</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <extracomment>String 57609: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż całe strony
Podgląd wydruku</translation>
    </message>
    <message>
        <source>Open this document</source>
        <extracomment>String 57616. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Otwórz ten dokument</translation>
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
        <translation>30 paź 2002 </translation>
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
        <translation>Pokaż informacje o programie, numer wersji i prawa autorskie
O programie</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <extracomment>String 57665: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zakończ program
Zakończ</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <extracomment>String 57667: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż tematy pomocy
Tematy pomocy</translation>
    </message>
    <message>
        <source>Display instructions about how to use help
Help</source>
        <extracomment>String 57668: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż, jak korzystać z pomocy
Pomoc</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <extracomment>String 57669: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż pomoc do klikniętych przycisków, menu i okien
Pomoc</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <extracomment>String 57670: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż pomoc do bieżącego zadania lub polecenia
Pomoc</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <extracomment>String 59392: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj pasek narzędzi
Pasek narzędzi</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <extracomment>String 59393: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokaż lub ukryj pasek stanu
Pasek stanu</translation>
    </message>
    <message>
        <source>The clocks went forward by %s on this day: there was no %s; it is read as %s (%s).</source>
        <extracomment>String 410. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tego dnia zegary przestawiono do przodu o %s: nie było godziny %s; odczytuje się ją jako %s (%s).</translation>
    </message>
    <message>
        <source>The clocks went back on this day: %s came twice; the first time (%s) is meant.</source>
        <extracomment>String 411. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tego dnia zegary cofnięto: godzina %s wystąpiła dwa razy; chodzi o pierwszy raz (%s).</translation>
    </message>
    <message>
        <source>%s hour</source>
        <extracomment>String 412. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s godzina</translation>
    </message>
    <message>
        <source>%s hours</source>
        <extracomment>String 413. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s godz.</translation>
    </message>
    <message>
        <source>%s minute</source>
        <extracomment>String 414. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s minuta</translation>
    </message>
    <message>
        <source>%s minutes</source>
        <extracomment>String 415. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s min</translation>
    </message>
    <message>
        <source>Comet %s</source>
        <extracomment>String 370. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Kometa %s</translation>
    </message>
    <message>
        <source>Minor planet %s</source>
        <extracomment>String 371. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Planetoida %s</translation>
    </message>
    <message>
        <source>The orbital elements are for %s, more than a year from the date shown: the place may be far off.</source>
        <extracomment>String 372. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elementy orbitalne podano na %s, ponad rok od pokazanej daty: położenie może być mocno niedokładne.</translation>
    </message>
    <message>
        <source> AU</source>
        <extracomment>String 373. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> au</translation>
    </message>
    <message>
        <source>%s years</source>
        <extracomment>String 374. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s roku</translation>
    </message>
    <message>
        <source>No orbital elements were imported: %s   </source>
        <extracomment>String 375. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie zaimportowano żadnych elementów orbitalnych: %s   </translation>
    </message>
    <message>
        <source>The orbital elements could not be kept in &quot;%s&quot;: %s   </source>
        <extracomment>String 377. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie udało się zachować elementów orbitalnych w „%s”: %s   </translation>
    </message>
    <message>
        <source>%s: the file cannot be read</source>
        <extracomment>String 378. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: nie można odczytać pliku</translation>
    </message>
    <message>
        <source>%s: the file holds no orbital elements</source>
        <extracomment>String 379. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: plik nie zawiera elementów orbitalnych</translation>
    </message>
    <message>
        <source>%s from %s, the night of %s</source>
        <extracomment>String 390. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s z miejsca %s, noc %s</translation>
    </message>
    <message>
        <source>Time at the place (%s)</source>
        <extracomment>String 391. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Czas w tym miejscu (%s)</translation>
    </message>
    <message>
        <source>Altitude (°)</source>
        <extracomment>String 392. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wysokość (°)</translation>
    </message>
    <message>
        <source>Civil twilight</source>
        <extracomment>String 393. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zmierzch cywilny</translation>
    </message>
    <message>
        <source>Nautical twilight</source>
        <extracomment>String 394. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zmierzch żeglarski</translation>
    </message>
    <message>
        <source>Astronomical twilight</source>
        <extracomment>String 395. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Zmierzch astronomiczny</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>String 396. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Noc</translation>
    </message>
    <message>
        <source>Transit %s, %s</source>
        <extracomment>String 397. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Górowanie %s, %s</translation>
    </message>
    <message>
        <source>Shown %s</source>
        <extracomment>String 398. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pokazano %s</translation>
    </message>
    <message>
        <source>%s: %s %s, Moon %s</source>
        <extracomment>String 399. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: %s %s, Księżyc %s</translation>
    </message>
    <message>
        <source>%s: %s %s</source>
        <extracomment>String 400. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: %s %s</translation>
    </message>
    <message>
        <source>Choose the object to plot first: search for it or right-click it.    </source>
        <extracomment>String 401. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Najpierw wybierz obiekt do wykresu: wyszukaj go lub kliknij go prawym przyciskiem myszy.    </translation>
    </message>
    <message>
        <source>Cannot write %s: %s.    </source>
        <extracomment>String 402. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nie można zapisać %s: %s.    </translation>
    </message>
    <message>
        <source>No INDI server answers at %s:%s.</source>
        <extracomment>String 440. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pod adresem %s:%s nie odpowiada żaden serwer INDI.</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s closed the connection.</source>
        <extracomment>String 441. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Serwer INDI pod adresem %s:%s zamknął połączenie.</translation>
    </message>
    <message>
        <source>The INDI server offers no telescope called &quot;%s&quot;.</source>
        <extracomment>String 442. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Serwer INDI nie oferuje teleskopu o nazwie „%s”.</translation>
    </message>
    <message>
        <source>The telescope %s reported an impossible place: %s.</source>
        <extracomment>String 443. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Teleskop %s zgłosił niemożliwe położenie: %s.</translation>
    </message>
    <message>
        <source>The telescope %s could not reach its target.</source>
        <extracomment>String 444. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Teleskop %s nie mógł osiągnąć celu.</translation>
    </message>
    <message>
        <source>Slewing to %s</source>
        <extracomment>String 445. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Naprowadzanie na %s</translation>
    </message>
    <message>
        <source>Tracking %s</source>
        <extracomment>String 446. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Śledzenie: %s</translation>
    </message>
    <message>
        <source>Parking %s</source>
        <extracomment>String 447. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Parkowanie: %s</translation>
    </message>
    <message>
        <source>%s is parked</source>
        <extracomment>String 448. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s zaparkowany</translation>
    </message>
    <message>
        <source>Connect a telescope first: Tools &gt; Telescope...</source>
        <extracomment>String 449. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Najpierw połącz teleskop: Narzędzia &gt; Teleskop...</translation>
    </message>
    <message>
        <source>Connected to %s</source>
        <extracomment>String 450. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Połączono z %s</translation>
    </message>
    <message>
        <source>%s synced on %s</source>
        <extracomment>String 451. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s zsynchronizowany z %s</translation>
    </message>
    <message>
        <source>%s stopped</source>
        <extracomment>String 452. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s zatrzymany</translation>
    </message>
    <message>
        <source>The telescope is disconnected</source>
        <extracomment>String 453. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Teleskop jest rozłączony</translation>
    </message>
    <message>
        <source>Connecting to %s:%s...</source>
        <extracomment>String 454. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Łączenie z %s:%s...</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s offers no telescope.</source>
        <extracomment>String 455. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Serwer INDI pod adresem %s:%s nie oferuje żadnego teleskopu.</translation>
    </message>
    <message>
        <source>Select an object first: search for it or click it.</source>
        <extracomment>String 456. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Najpierw wybierz obiekt: wyszukaj go lub kliknij go.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <extracomment>String 457. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Port musi być liczbą od 1 do 65535.</translation>
    </message>
    <message>
        <source>the centre of the view</source>
        <extracomment>String 458. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>środek widoku</translation>
    </message>
    <message>
        <source>The telescope %s did not answer.</source>
        <extracomment>String 459. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Teleskop %s nie odpowiedział.</translation>
    </message>
    <message>
        <source>The telescope %s did not end its slew within %s minutes.</source>
        <extracomment>String 460. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Teleskop %s nie zakończył naprowadzania w ciągu %s minut.</translation>
    </message>
    <message>
        <source>Centre: %s   %s (J2000)</source>
        <extracomment>String 461. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Centrum: %s   %s (J2000)</translation>
    </message>
    <message>
        <source>Field: %s x %s</source>
        <extracomment>String 462. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pole: %s x %s</translation>
    </message>
    <message>
        <source>Magnitudes:</source>
        <extracomment>String 463. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Magnitudo:</translation>
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
        <translation>Ganimedes</translation>
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
        <translation>Tetyda</translation>
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
        <translation>Tytan</translation>
    </message>
    <message>
        <source>Hyperion</source>
        <extracomment>String 480. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hyperion</translation>
    </message>
    <message>
        <source>Iapetus</source>
        <extracomment>String 481. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Japet</translation>
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
        <translation>Tytania</translation>
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
        <translation>Pokaż lub ukryj komety i planetoidy do ich własnej granicy jasności
Komety i planetoidy</translation>
    </message>
    <message>
        <source>Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file
Import orbital elements</source>
        <extracomment>String 32831: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Importuj elementy orbitalne komet lub planetoid z pliku MPCORB.DAT lub CometEls.txt
Importuj elementy orbitalne</translation>
    </message>
    <message>
        <source>Plot the chosen object&apos;s altitude through the night, with the Moon and the twilights
Altitude plot</source>
        <extracomment>String 32840: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Narysuj wysokość wybranego obiektu w ciągu nocy, z Księżycem i zmierzchami
Wykres wysokości</translation>
    </message>
    <message>
        <source>Connect a telescope through an INDI server
Telescope</source>
        <extracomment>String 32860: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Połącz teleskop przez serwer INDI
Teleskop</translation>
    </message>
    <message>
        <source>Point the telescope at the object you chose
Slew to selected</source>
        <extracomment>String 32861: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Skieruj teleskop na wybrany obiekt
Naprowadź na wybrany obiekt</translation>
    </message>
    <message>
        <source>Tell the telescope that it points at the object you chose
Sync to selected</source>
        <extracomment>String 32862: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Przekaż teleskopowi, że wskazuje wybrany obiekt
Synchronizuj z wybranym obiektem</translation>
    </message>
    <message>
        <source>Point the telescope at the middle of the view
Slew to view centre</source>
        <extracomment>String 32863: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Skieruj teleskop na środek widoku
Naprowadź na środek widoku</translation>
    </message>
    <message>
        <source>Stop the telescope&apos;s motion at once
Abort slew</source>
        <extracomment>String 32864: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Natychmiast zatrzymaj ruch teleskopu
Przerwij naprowadzanie</translation>
    </message>
    <message>
        <source>Send the telescope to its park position
Park</source>
        <extracomment>String 32865: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wyślij teleskop do pozycji parkowania
Zaparkuj</translation>
    </message>
    <message>
        <source>Wake the telescope from its park position
Unpark</source>
        <extracomment>String 32866: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wybudź teleskop z pozycji parkowania
Odparkuj</translation>
    </message>
    <message>
        <source>Keep the telescope&apos;s place at the middle of the view
Follow the telescope</source>
        <extracomment>String 32867: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Utrzymuj położenie teleskopu na środku widoku
Śledź teleskop</translation>
    </message>
    <message>
        <source>Centre the view on a right ascension and declination or an altitude and azimuth
Go to coordinates</source>
        <extracomment>String 32875: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Wyśrodkuj widok na rektascensji i deklinacji lub na wysokości i azymucie
Idź do współrzędnych</translation>
    </message>
    <message>
        <source>Triton</source>
        <extracomment>String 489. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tryton</translation>
    </message>
</context>
<context>
    <name>sky</name>
    <message>
        <source>Sun always higher</source>
        <translation>Słońce zawsze wyżej</translation>
    </message>
    <message>
        <source>Sun always lower</source>
        <translation>Słońce zawsze niżej</translation>
    </message>
    <message>
        <source>always above the horizon</source>
        <translation>zawsze nad horyzontem</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>nigdy nie wschodzi</translation>
    </message>
    <message>
        <source>not this day</source>
        <translation>nie tego dnia</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Gwiazda</translation>
    </message>
    <message>
        <source>Galaxy cluster</source>
        <translation>Gromada galaktyk</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznana</translation>
    </message>
    <message>
        <source>Deep sky object</source>
        <translation>Obiekt głębokiego nieba</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galaktyka</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>gromada otwarta</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>gromada kulista</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>mgławica jasna</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>mgławica planetarna</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>gromada galaktyk</translation>
    </message>
    <message>
        <source>star</source>
        <translation>gwiazda</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>obiekt głębokiego nieba</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>księżyc</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>gwiazdozbiór</translation>
    </message>
    <message>
        <source>place</source>
        <translation>miejsce</translation>
    </message>
    <message>
        <source>The right ascension must be hours from 0 to 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) or degrees from 0 to 360 (&quot;83.82°&quot;).</source>
        <translation>Rektascensja musi być podana w godzinach od 0 do 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) lub w stopniach od 0 do 360 (&quot;83.82°&quot;).</translation>
    </message>
    <message>
        <source>The declination must be degrees from -90 to +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</source>
        <translation>Deklinacja musi być podana w stopniach od -90 do +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</translation>
    </message>
    <message>
        <source>The altitude must be degrees from -90 to +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</source>
        <translation>Wysokość musi być podana w stopniach od -90 do +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</translation>
    </message>
    <message>
        <source>The azimuth must be degrees from 0 to 360, from the north through the east (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</source>
        <translation>Azymut musi być podany w stopniach od 0 do 360, od północy przez wschód (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Kometa</translation>
    </message>
    <message>
        <source>Minor planet</source>
        <translation>Planetoida</translation>
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
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>&amp;NGC</source>
        <translation>&amp;NGC</translation>
    </message>
    <message>
        <source>Open Cl&amp;usters</source>
        <translation>Gromady &amp;otwarte</translation>
    </message>
    <message>
        <source>&amp;Glob. Clusters</source>
        <translation>Gromady &amp;kuliste</translation>
    </message>
    <message>
        <source>G&amp;alaxies</source>
        <translation>G&amp;alaktyki</translation>
    </message>
    <message>
        <source>Ne&amp;bulae</source>
        <translation>M&amp;gławice</translation>
    </message>
    <message>
        <source>&amp;Planet. Nebulae</source>
        <translation>Mgławice &amp;planetarne</translation>
    </message>
    <message>
        <source>&amp;Label by</source>
        <translation>&amp;Opisuj według</translation>
    </message>
    <message>
        <source>Catalog Number</source>
        <translation>Numeru katalogowego</translation>
    </message>
    <message>
        <source>Common Name</source>
        <translation>Nazwy zwyczajowej</translation>
    </message>
    <message>
        <source>&amp;Draw as</source>
        <translation>&amp;Rysuj jako</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Obrazki</translation>
    </message>
    <message>
        <source>&amp;Grids</source>
        <translation>&amp;Siatki</translation>
    </message>
    <message>
        <source>Constellation &amp;lines</source>
        <translation>&amp;Linie gwiazdozbiorów</translation>
    </message>
    <message>
        <source>Const. &amp;boundaries</source>
        <translation>&amp;Granice gwiazdozb.</translation>
    </message>
    <message>
        <source>Const. l&amp;abels</source>
        <translation>&amp;Nazwy gwiazdozb.</translation>
    </message>
    <message>
        <source>&amp;Ecliptic</source>
        <translation>&amp;Ekliptyka</translation>
    </message>
    <message>
        <source>&amp;Deep sky</source>
        <translation>&amp;Głębokie niebo</translation>
    </message>
    <message>
        <source>Deep s&amp;ky labels</source>
        <translation>Opisy głębokiego &amp;nieba</translation>
    </message>
    <message>
        <source>&amp;Star names</source>
        <translation>Nazwy &amp;gwiazd</translation>
    </message>
    <message>
        <source>&amp;Planet names</source>
        <translation>Nazwy &amp;planet</translation>
    </message>
    <message>
        <source>none: standard time as typed, summer time as this computer keeps it</source>
        <translation>brak: czas standardowy jak wpisano, czas letni tak, jak liczy go ten komputer</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dni</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n godzinę</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minutę</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
</context>
</TS>
