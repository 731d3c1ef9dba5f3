# Polish texts of the window (tools/fill_translations.py pl).
TEXTS = {
    "Right ascension (J2000):":
        "Rektascensja (J2000):",
    "Declination (J2000):":
        "Deklinacja (J2000):",
    "Altitude:":
        "Wysokość:",
    "Azimuth:":
        "Azymut:",
    "Distance from Earth:":
        "Odległość od Ziemi:",
    "Distance from Sun:":
        "Odległość od Słońca:",
    "Illuminated fraction:":
        "Oświetlona część:",
    "Magnitude:":
        "Jasność:",
    "Angular size:":
        "Rozmiar kątowy:",
    "Civil twilight:":
        "Zmierzch cywilny:",
    "Nautical twilight:":
        "Zmierzch żeglarski:",
    "Astronomical twilight:":
        "Zmierzch astronomiczny:",
    "Phase:":
        "Faza:",
    "Age:":
        "Wiek:",
    "Search for Solar System...":
        "Szukaj w Układzie Słonecznym...",
    "Colors...":
        "Kolory...",
    "Date/Time...":
        "Data/czas...",
    "Daylight &saving time":
        "Czas &letni",
    "Set to the present time at this place; OK shows its sky.":
        "Ustawiono bieżący czas w tym miejscu; OK pokazuje jego niebo.",
    "&Now...":
        "&Teraz...",
    "&Date:":
        "&Data:",
    "&Time:":
        "&Czas:",
    "Offset:":
        "Przesunięcie:",
    "Deep sky objects...":
        "Obiekty głębokiego nieba...",
    "Catalog number:":
        "Numer katalogowy:",
    "Common name:":
        "Nazwa zwyczajowa:",
    "Type:":
        "Typ:",
    "HIP number:":
        "Numer HIP:",
    "Designation:":
        "Oznaczenie:",
    "Colour index (B-V):":
        "Wskaźnik barwy (B-V):",
    "Spectral type:":
        "Typ widmowy:",
    "Eyepiece Fields":
        "Pola okularów",
    "&Add":
        "&Dodaj",
    "&Change":
        "&Zmień",
    "&Remove":
        "&Usuń",
    "Circle of a given diameter":
        "Okrąg o zadanej średnicy",
    "Eyepiece on a telescope":
        "Okular na teleskopie",
    "Camera on a telescope":
        "Kamera na teleskopie",
    "Centre the &fields on the telescope while one is connected":
        'Wyśrodkuj &pola na teleskopie, gdy jest podłączony',
    "&Name:":
        "&Nazwa:",
    "&Kind:":
        "&Rodzaj:",
    "&Diameter (arc-minutes):":
        "Ś&rednica (minuty łuku):",
    "&Telescope focal length (mm):":
        "Ogniskowa &teleskopu (mm):",
    "&Eyepiece focal length (mm):":
        "Ogniskowa &okularu (mm):",
    "A&pparent field (°):":
        "&Pole pozorne (°):",
    "Sensor &width (mm):":
        "&Szerokość sensora (mm):",
    "Sensor &height (mm):":
        "&Wysokość sensora (mm):",
    "Field on the sky:":
        "Pole na niebie:",
    "Find (F3)":
        "Znajdź (F3)",
    "Find an object by any of its names":
        "Znajdź obiekt po dowolnej z jego nazw",
    "%1 — %2, %3° %4":
        "%1 — %2, %3° %4",
    "up":
        "nad horyzontem",
    "below the horizon":
        "pod horyzontem",
    "Help":
        "Pomoc",
    "The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.":
        "Strona przewodnika. Kliknij odnośnik, aby za nim pójść; Wstecz (Alt+Lewo) i Dalej (Alt+Prawo) odtwarzają Twoje kroki.",
    "The guide's pages in their order, each with its sections. Click one to read it.":
        "Strony przewodnika po kolei, każda ze swoimi rozdziałami. Kliknij, aby przeczytać.",
    "Type a word to look for":
        "Wpisz szukane słowo",
    "Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.":
        "Wpisz początek słowa: indeks poniżej zachowa hasła, które je zawierają. Enter otwiera pierwsze.",
    "Every topic of the guide in alphabetical order. Click one to read it.":
        "Wszystkie tematy przewodnika w porządku alfabetycznym. Kliknij, aby przeczytać.",
    "&Contents":
        "&Spis treści",
    "&Index":
        "&Indeks",
    "Navigation":
        "Nawigacja",
    "&Back":
        "&Wstecz",
    "Goes back to the page you read before.":
        "Wraca do poprzednio czytanej strony.",
    "&Forward":
        "&Dalej",
    "Goes forward again after Back.":
        "Idzie znów naprzód po Wstecz.",
    "C&ontents":
        "Spis &treści",
    "Goes to the guide's first page, the list of all its pages.":
        "Przechodzi do pierwszej strony przewodnika, listy wszystkich jego stron.",
    "&Using Help":
        "&Jak korzystać z pomocy",
    "Explains this window.":
        "Objaśnia to okno.",
    "<h1>Page not found</h1><p>The user guide has no page <b>%1</b>: the folder <tt>%2</tt> should hold it. Installing Stellix again puts the guide back.</p>":
        "<h1>Nie znaleziono strony</h1><p>Przewodnik nie ma strony <b>%1</b>: powinien ją zawierać folder <tt>%2</tt>. Ponowna instalacja Stellix przywróci przewodnik.</p>",
    "Help: %1":
        "Pomoc: %1",
    "Right ascension (of date):":
        "Rektascensja (na datę):",
    "Declination (of date):":
        "Deklinacja (na datę):",
    "Rise:":
        "Wschód:",
    "Transit:":
        "Górowanie:",
    "Transit altitude:":
        "Wysokość górowania:",
    "Set:":
        "Zachód:",
    "Image":
        "Zdjęcie",
    "Language":
        "Język",
    "The system's language":
        "Język systemu",
    "&Language:":
        "&Język:",
    "The new language takes effect after a restart of Stellix.":
        "Nowy język zacznie obowiązywać po ponownym uruchomieniu Stellix.",
    "Search for star...":
        "Szukaj gwiazdy...",
    "Search for constellation...":
        "Szukaj gwiazdozbioru...",
    "Search for NGC...":
        "Szukaj obiektu NGC...",
    "Observer's Location...":
        "Miejsce obserwacji...",
    "&Enter your location":
        "&Wpisz swoją miejscowość",
    "L&atitude:":
        "&Szerokość:",
    "Lo&ngitude:":
        "&Długość:",
    "&Time zone:":
        "Strefa &czasowa:",
    "hours ahead of Greenwich":
        "godzin przed Greenwich",
    "Time zone rules:":
        "Reguły strefy czasowej:",
    "Type part of a name (%n places)": [
        "Wpisz część nazwy (%n miejscowość)",
        "Wpisz część nazwy (%n miejscowości)",
        "Wpisz część nazwy (%n miejscowości)",
    ],
    "Fin&d:":
        "Zn&ajdź:",
    "&Select location":
        "Wy&bierz miejscowość",
    "%1 (%2 on the date set)":
        "%1 (%2 w ustawionym dniu)",
    "Magnitude limits...":
        "Granice jasności...",
    "&Auto mode":
        "Tryb &automatyczny",
    "<b>The sky</b><p>Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.</p>":
        "<b>Niebo</b><p>Kliknij punkt, aby przenieść go na środek; przeciągnij, aby obrócić niebo; kółko myszy przybliża i oddala. Kliknij obiekt prawym przyciskiem, aby zobaczyć jego kartę. Klawisze strzałek przesuwają pole w swoją stronę, * i / na klawiaturze numerycznej zmieniają powiększenie.</p>",
    "&File":
        "&Plik",
    "&View":
        "&Widok",
    "&Settings":
        "&Ustawienia",
    "&Chart Mode":
        "Tryb &mapy",
    "&Stars":
        "&Gwiazdy",
    "Sky &Background":
        "&Tło nieba",
    "&Time":
        "&Czas",
    "Sea&rch":
        "Szu&kaj",
    "&Deep Sky Object":
        "&Obiekt głębokiego nieba",
    "&Horizon Point":
        "Punkt &horyzontu",
    "&Help":
        "Pomo&c",
    "Na&vigation Toolbar":
        "Pasek &nawigacji",
    "Show or hide the navigation toolbar":
        "Pokaż lub ukryj pasek nawigacji",
    "Right ascension (J2000) of the sky under the pointer.":
        "Rektascensja (J2000) nieba pod wskaźnikiem.",
    "Declination (J2000) of the sky under the pointer.":
        "Deklinacja (J2000) nieba pod wskaźnikiem.",
    "The observer's place; Settings > Observer's Location changes it.":
        "Miejsce obserwatora; zmienia je Ustawienia > Miejsce obserwacji.",
    "The local time of the sky shown, with the time zone's abbreviation and its offset from Universal Time.":
        "Czas lokalny pokazanego nieba, ze skrótem strefy czasowej i jej przesunięciem względem czasu uniwersalnego.",
    "The date of the sky shown.":
        "Data pokazanego nieba.",
    "Press Esc to leave full screen":
        "Esc kończy tryb pełnoekranowy",
    "Recent File":
        "Ostatni plik",
    "Search for Messier...":
        "Szukaj obiektu Messiera...",
    "Enter catalog number":
        "Wpisz numer katalogowy",
    "A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.":
        "Planetarium na biurko. Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej, bez żadnej gwarancji. Dane nieba: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), baza tz, NASA. Mapy planet: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.",
    "<a href=\"sources\" style=\"color:#9cc8ff\">Data sources and licences...</a>":
        "<a href=\"sources\" style=\"color:#9cc8ff\">Źródła danych i licencje...</a>",
    "Opens the user guide at the full list of the sky data's sources, their authors and their licences.":
        "Otwiera przewodnik na pełnej liście źródeł danych nieba, ich autorów i licencji.",
    "Version %1":
        "Wersja %1",
    "HR number:":
        "Numer HR:",
    "Bayer:":
        "Bayer:",
    "Flamsteed:":
        "Flamsteed:",
    "Proper name:":
        "Nazwa własna:",
    "Tonight":
        "Dzisiejsza noc",
    "Planets in the night, each at its highest:":
        "Planety w nocy, każda w najwyższym położeniu:",
    "Objects above 30° at:":
        "Obiekty wyżej niż 30° o:",
    "Name":
        "Nazwa",
    "Kind":
        "Rodzaj",
    "Magnitude":
        "Jasność",
    "Rise":
        "Wschód",
    "Set":
        "Zachód",
    "Hour":
        "Godzina",
    "Altitude":
        "Wysokość",
    "Azimuth":
        "Azymut",
    "Moonrise %1, moonset %2":
        "Wschód Księżyca %1, zachód Księżyca %2",
    "Moonset %1, moonrise %2":
        "Zachód Księżyca %1, wschód Księżyca %2",
    "Sunset %1; civil twilight ends %2, nautical %3, astronomical %4":
        "Zachód Słońca %1; zmierzch cywilny kończy się %2, żeglarski %3, astronomiczny %4",
    "%1; %2, illuminated %3":
        "%1; %2, oświetlenie %3",
    "Dark hours without the Moon: %1":
        "Ciemne godziny bez Księżyca: %1",
    "&Grids":
        "&Siatki",
    "Alt-a&zimuth Grid":
        "Siatka wysokości i a&zymutu",
    "Meridia&n":
        "Połu&dnik",
    "&Boundaries":
        "&Granice",
    "Constellation &Lines":
        "&Linie gwiazdozbiorów",
    "&Deep Sky Objects":
        "Obiekty głębokiego &nieba",
    "&Milky Way":
        "&Droga Mleczna",
    "&Solar System Objects":
        "Obiekty &Układu Słonecznego",
    "&Eclipic":
        "&Ekliptyka",
    "Star &Names":
        "&Nazwy gwiazd",
    "D&eep Sky Labels":
        "&Opisy obiektów głębokiego nieba",
    "&Planet Names":
        "Nazwy &planet",
    "Stars &Colors":
        "&Kolory gwiazd",
    "&Atmospheric refraction":
        "&Refrakcja atmosferyczna",
    "E&yepiece Fields":
        "Pola o&kularów",
    "Eyep&iece Fields...":
        "Określ pola ok&ularów...",
    "Fo&llow":
        "Ś&ledzenie",
    "&Red Screen":
        "&Czerwony ekran",
    "&Full Screen":
        "&Pełny ekran",
    "&Toolbar":
        "Pasek &narzędzi",
    "Status &Bar":
        "Pasek &stanu",
    "&Equatorial":
        "&Równikowy",
    "&Local Horizon":
        "&Lokalny horyzont",
    "&Date/Time...":
        "&Data/czas...",
    "Observer's &Location...":
        "&Miejsce obserwacji...",
    "&Magnitude Limits...":
        "&Granice jasności...",
    "Draw &Points":
        "Rysuj jako &punkty",
    "Draw &Bitmaps":
        "Rysuj jako &obrazki",
    "Deep Sky &Objects...":
        "&Obiekty głębokiego nieba...",
    "Colo&rs...":
        "Kolo&ry...",
    "Lan&guage...":
        "&Język...",
    "&Black":
        "&Czarne",
    "&Color":
        "&Kolorowe",
    "&Star...":
        "&Gwiazda...",
    "&Constellation...":
        "G&wiazdozbiór...",
    "S&olar System Object...":
        "&Obiekt Układu Słonecznego...",
    "&Messier Catalog...":
        "Katalog &Messiera...",
    "&NGC Catalog...":
        "Katalog &NGC...",
    "&Tonight...":
        "&Dzisiejsza noc...",
    "&East":
        "&Wschód",
    "&West":
        "&Zachód",
    "&North":
        "&Północ",
    "&South":
        "P&ołudnie",
    "&Zenith":
        "Ze&nit",
    "Na&dir":
        "Na&dir",
    "&Real Time":
        "Czas &rzeczywisty",
    "&Open...":
        "&Otwórz...",
    "&Print...":
        "&Drukuj...",
    "Print Pre&view":
        "Pod&gląd wydruku",
    "P&rint Setup...":
        "&Ustawienia wydruku...",
    "E&xit":
        "Za&kończ",
    "&About Stellix...":
        "&O programie Stellix...",
    "New Moon":
        "Nów",
    "Waxing crescent":
        "Przybywający sierp",
    "First quarter":
        "Pierwsza kwadra",
    "Waxing gibbous":
        "Przybywający garb",
    "Full Moon":
        "Pełnia",
    "Waning gibbous":
        "Ubywający garb",
    "Last quarter":
        "Ostatnia kwadra",
    "Waning crescent":
        "Ubywający sierp",
    "Stellix\n\nStellix\n\n\nStellix.Document\nStellix Document":
        "Stellix\n\nStellix\n\n\nStellix.Document\nDokument Stellix",
    "Stellix":
        "Stellix",
    "Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||":
        "Pliki JPEG(*.JPG)|*.JPG|Pliki GIF(*.GIF)|*.GIF|Pliki PCX(*.PCX)|*.PCX|Pliki Targa(*.TGA)|*.TGA|Pliki BMP(*.BMP)|*.BMP|Pliki TIFF(*.TIF)|*.TIF||",
    "Can't open \"%s\" file !   ":
        "Nie można otworzyć pliku „%s”!",
    "Object under horizon. Not visible.   ":
        "Obiekt jest pod horyzontem. Niewidoczny.",
    "Select star or press ' Cancel '.    ":
        "Wybierz gwiazdę albo naciśnij „Anuluj”.",
    "Select constellation or press ' Cancel '.    ":
        "Wybierz gwiazdozbiór albo naciśnij „Anuluj”.",
    "Enter Messier number or press ' Cancel '.    ":
        "Wpisz numer Messiera albo naciśnij „Anuluj”.",
    "Wrong catalog number !    ":
        "Błędny numer katalogowy!",
    "Select NGC object or press ' Cancel '.    ":
        "Wybierz obiekt NGC albo naciśnij „Anuluj”.",
    "Animation has no effect when the Solar System is disabled in Equatorial mode !    ":
        "Animacja nie działa, gdy Układ Słoneczny jest wyłączony w trybie równikowym!",
    "Can't initialize rendering context for OpenGL !    ":
        "Nie można utworzyć kontekstu rysowania OpenGL!",
    "Couldn't load the image \"%s\" !    ":
        "Nie udało się wczytać obrazu „%s”!",
    "Set your display to High Color or more to run Stellix !    ":
        "Ustaw ekran na co najmniej High Color (16 bitów), aby uruchomić Stellix!",
    "You have entered wrong number! It must be from %d to %d.    ":
        "Wpisano błędną liczbę! Musi być od %d do %d.",
    "Can't write the settings file \"%s\" !   ":
        "Nie można zapisać pliku ustawień „%s”!",
    "Unknown DIB file format.":
        "Nieznany format pliku DIB.",
    "Image file conversion error.":
        "Błąd konwersji pliku obrazu.",
    "Failed to open DIB file %s.\n":
        "Nie udało się otworzyć pliku DIB %s.\n",
    "Out of memory.":
        "Brak pamięci.",
    "Error":
        "Błąd",
    "Settings out of range in \"%s\" were replaced by the nearest allowed values: %s   ":
        "Ustawienia spoza zakresu w „%s” zastąpiono najbliższymi dozwolonymi wartościami: %s",
    "The file \"%s\" is damaged: %s. The sky is shown without those records.   ":
        "Plik „%s” jest uszkodzony: %s. Niebo jest pokazane bez tych rekordów.",
    "records %s to %s are missing":
        "brakuje rekordów od %s do %s",
    "record %s is missing":
        "brakuje rekordu %s",
    "record %s is unusable (%s)":
        "rekord %s jest bezużyteczny (%s)",
    "%s records are unusable, the first record %s (%s)":
        "%s rekordów jest bezużytecznych, pierwszy rekord %s (%s)",
    "a coordinate out of range or not a number":
        "współrzędna spoza zakresu lub niebędąca liczbą",
    "a magnitude out of range or not a number":
        "jasność spoza zakresu lub niebędąca liczbą",
    "a label offset beyond 1000 pixels":
        "przesunięcie opisu ponad 1000 pikseli",
    "a position angle or an axis out of range or not a number":
        "kąt pozycyjny lub oś spoza zakresu lub niebędące liczbą",
    "a longitude, latitude, minute or time zone out of range":
        "długość, szerokość, minuta lub strefa czasowa spoza zakresu",
    "a line that does not read as its numbers":
        "wiersz, którego nie da się odczytać jako jego liczby",
    "The texture file \"%s\" cannot be used: %s   ":
        "Nie można użyć pliku tekstury „%s”: %s",
    "it is not a BMP file.":
        "to nie jest plik BMP.",
    "a proper motion or parallax out of range or not a number":
        "ruch własny lub paralaksa spoza zakresu lub niebędące liczbą",
    "a time zone that this computer's tzdata does not know":
        "strefa czasowa, której nie zna tzdata tego komputera",
    "The file \"%s\" is damaged: its header is not one this program reads. The sky is shown without that file.   ":
        "Plik „%s” jest uszkodzony: jego nagłówek nie jest takim, jaki ten program czyta. Niebo jest pokazane bez tego pliku.",
    "Give the field a name.    ":
        "Nadaj polu nazwę.",
    "%s must be a number from %s to %s.    ":
        "%s musi być liczbą od %s do %s.",
    "This field would be %s wide; a field may be at most %s wide.    ":
        "To pole miałoby %s szerokości; pole może mieć najwyżej %s.",
    "There is room for %s fields; remove one to add another.    ":
        "Jest miejsce na %s pól; usuń jedno, aby dodać kolejne.",
    "near %s (%s km)":
        "w pobliżu %s (%s km)",
    "Following %s":
        "Śledzenie: %s",
    "Choose the object to follow first: search for it, then press T.    ":
        "Najpierw wybierz obiekt do śledzenia: wyszukaj go, a potem naciśnij T.",
    "Moon":
        "Księżyc",
    "Sun":
        "Słońce",
    "Mercury":
        "Merkury",
    "Venus":
        "Wenus",
    "Mars":
        "Mars",
    "Jupiter":
        "Jowisz",
    "Saturn":
        "Saturn",
    "Uranus":
        "Uran",
    "Neptune":
        "Neptun",
    "Pluto":
        "Pluton",
    "Constellation line.    ":
        "Linia gwiazdozbioru.",
    "Constellation boundary.    ":
        "Granica gwiazdozbioru.",
    "Right ascension grid line.    ":
        "Linia siatki rektascensji.",
    "Declination grid line.    ":
        "Linia siatki deklinacji.",
    "Ecliptic line.    ":
        "Ekliptyka.",
    " million km":
        " mln km",
    "Open cluster":
        "Gromada otwarta",
    "Globular cluster":
        "Gromada kulista",
    "Galaxy":
        "Galaktyka",
    "Nebula":
        "Mgławica",
    "Planetary nebula":
        "Mgławica planetarna",
    " Real time":
        " Czas rzeczywisty",
    " 10 minutes":
        " 10 minut",
    " 30 minutes":
        " 30 minut",
    " 1 hour":
        " 1 godzina",
    " 1 day":
        " 1 dzień",
    " 7 days":
        " 7 dni",
    " 1 month":
        " 1 miesiąc",
    " 1 year":
        " 1 rok",
    "Large Magellanic Cloud.    ":
        "Wielki Obłok Magellana.",
    "Small Magellanic Cloud.    ":
        "Mały Obłok Magellana.",
    "Time step\nTime step":
        "Krok czasu\nKrok czasu",
    "Move the field left\nMove the field left":
        "Przesuń pole w lewo\nPrzesuń pole w lewo",
    "Move the field right\nMove the field right":
        "Przesuń pole w prawo\nPrzesuń pole w prawo",
    "Move the field up\nMove the field up":
        "Przesuń pole w górę\nPrzesuń pole w górę",
    "Move the field down\nMove the field down":
        "Przesuń pole w dół\nPrzesuń pole w dół",
    "Zoom the field in\nZoom in":
        "Przybliż pole\nPrzybliż",
    "Zoom the field out\nZoom out":
        "Oddal pole\nOddal",
    "Deep sky objects\nDeep sky objects":
        "Obiekty głębokiego nieba\nObiekty głębokiego nieba",
    "Constellation boundaries\nBoundaries":
        "Granice gwiazdozbiorów\nGranice",
    "Constellation lines\nConstellation lines":
        "Linie gwiazdozbiorów\nLinie gwiazdozbiorów",
    "Coordination grid lines\nGrids":
        "Linie siatki współrzędnych\nSiatki",
    "Milky Way\nMilky Way":
        "Droga Mleczna\nDroga Mleczna",
    "Solar System objects\nSolar System":
        "Obiekty Układu Słonecznego\nUkład Słoneczny",
    "Date and time\nDate and time":
        "Data i czas\nData i czas",
    "Location of the observer\nLocation":
        "Miejsce obserwatora\nMiejsce",
    "Magnitude limits":
        "Granice jasności",
    "Deep sky objects settings\nDeep sky objects":
        "Ustawienia obiektów głębokiego nieba\nObiekty głębokiego nieba",
    "Animation backward\nAnimation backward":
        "Animacja wstecz\nAnimacja wstecz",
    "Colors settings\nColors":
        "Ustawienia kolorów\nKolory",
    "One step animation backward\nOne step backward":
        "Jeden krok animacji wstecz\nJeden krok wstecz",
    "Show or hide stars colors\nStars colors":
        "Pokaż lub ukryj kolory gwiazd\nKolory gwiazd",
    "Animation stop\nAnimation stop":
        "Zatrzymaj animację\nZatrzymaj animację",
    "One step animation forward\nOne step forward":
        "Jeden krok animacji naprzód\nJeden krok naprzód",
    "Animation forward\nAnimation forward":
        "Animacja naprzód\nAnimacja naprzód",
    "Show or hide star names":
        "Pokaż lub ukryj nazwy gwiazd",
    "Show or hide Solar System names":
        "Pokaż lub ukryj nazwy w Układzie Słonecznym",
    "Show or hide deep sky labels":
        "Pokaż lub ukryj opisy obiektów głębokiego nieba",
    "Equatorial mode":
        "Tryb równikowy",
    "Local horizon mode":
        "Tryb lokalnego horyzontu",
    "Show or hide red screen mode\nRed screen":
        "Włącz lub wyłącz czerwony ekran\nCzerwony ekran",
    "Show or hide full screen mode\nFull screen":
        "Włącz lub wyłącz pełny ekran\nPełny ekran",
    "Show or hide ecliptic line":
        "Pokaż lub ukryj ekliptykę",
    "Black background of the sky":
        "Czarne tło nieba",
    "Color background of the sky":
        "Kolorowe tło nieba",
    "Search for star":
        "Szukaj gwiazdy",
    "Search for Solar System object":
        "Szukaj obiektu Układu Słonecznego",
    "Search for constellation":
        "Szukaj gwiazdozbioru",
    "Search for Messier":
        "Szukaj obiektu Messiera",
    "Search for NGC":
        "Szukaj obiektu NGC",
    "Search for East":
        "Spójrz na wschód",
    "Search for West":
        "Spójrz na zachód",
    "Search for North":
        "Spójrz na północ",
    "Search for South":
        "Spójrz na południe",
    "Search for Zenith":
        "Spójrz w zenit",
    "Search for Nadir":
        "Spójrz w nadir",
    "Draw stars as points":
        "Rysuj gwiazdy jako punkty",
    "Draw stars as bitmaps":
        "Rysuj gwiazdy jako obrazki",
    "Lift the local-horizon sky by the atmosphere's refraction\nAtmospheric refraction":
        "Podnieś niebo lokalnego horyzontu o refrakcję atmosfery\nRefrakcja atmosferyczna",
    "Show the night ahead: twilight, the Moon, the planets and what stands high\nTonight":
        "Pokaż nadchodzącą noc: zmierzch, Księżyc, planety i to, co stoi wysoko\nDzisiejsza noc",
    "Show or hide the fields of your eyepieces and cameras\nEyepiece fields":
        "Pokaż lub ukryj pola Twoich okularów i kamer\nPola okularów",
    "Define the fields of your eyepieces and cameras\nEyepiece fields":
        "Określ pola Twoich okularów i kamer\nPola okularów",
    "Show or hide the grid of altitude and azimuth\nAlt-azimuth grid":
        "Pokaż lub ukryj siatkę wysokości i azymutu\nSiatka wysokości i azymutu",
    "Show or hide the meridian\nMeridian":
        "Pokaż lub ukryj południk\nPołudnik",
    "Keep the object you chose at the middle of the view while time runs\nFollow":
        "Trzymaj wybrany obiekt na środku widoku, gdy czas płynie\nŚledzenie",
    "Keep the sky at the present instant as the clock runs\nReal time":
        "Trzymaj niebo w bieżącej chwili, gdy zegar biegnie\nCzas rzeczywisty",
    "Choose the language of the window; it takes effect after a restart\nLanguage":
        "Wybierz język okna; zacznie obowiązywać po ponownym uruchomieniu\nJęzyk",
    "Open an image file\nOpen":
        "Otwórz plik obrazu\nOtwórz",
    "Change the printer and printing options\nPrint Setup":
        "Zmień drukarkę i opcje drukowania\nUstawienia wydruku",
    "Print the active document\nPrint":
        "Drukuj mapę\nDrukuj",
    "Display full pages\nPrint Preview":
        "Pokaż całe strony\nPodgląd wydruku",
    "Open this document":
        "Otwórz ten dokument",
    "RA 23h 59' 59\" ":
        "RA 23h 59' 59\" ",
    "DEC -89° 59' 59\" ":
        "DEC -89° 59' 59\" ",
    "30 May 2002 ":
        "30 paź 2002 ",
    "23:59 ":
        "23:59 ",
    "Slovak Republik:Bratislava    ":
        "Slovak Republik:Bratislava    ",
    "Display program information, version number and copyright\nAbout":
        "Pokaż informacje o programie, numer wersji i prawa autorskie\nO programie",
    "Quit the application; prompts to save documents\nExit":
        "Zakończ program\nZakończ",
    "List Help topics\nHelp Topics":
        "Pokaż tematy pomocy\nTematy pomocy",
    "Display instructions about how to use help\nHelp":
        "Pokaż, jak korzystać z pomocy\nPomoc",
    "Display help for clicked on buttons, menus and windows\nHelp":
        "Pokaż pomoc do klikniętych przycisków, menu i okien\nPomoc",
    "Display help for current task or command\nHelp":
        "Pokaż pomoc do bieżącego zadania lub polecenia\nPomoc",
    "Show or hide the toolbar\nToggle ToolBar":
        "Pokaż lub ukryj pasek narzędzi\nPasek narzędzi",
    "Show or hide the status bar\nToggle StatusBar":
        "Pokaż lub ukryj pasek stanu\nPasek stanu",
    "Sun always higher":
        "Słońce zawsze wyżej",
    "Sun always lower":
        "Słońce zawsze niżej",
    "always above the horizon":
        "zawsze nad horyzontem",
    "never rises":
        "nigdy nie wschodzi",
    "not this day":
        "nie tego dnia",
    "Star":
        "Gwiazda",
    "Galaxy cluster":
        "Gromada galaktyk",
    "Other":
        "Inny",
    "unknown":
        "nieznana",
    "Deep sky object":
        "Obiekt głębokiego nieba",
    "none":
        "brak",
    "Planet":
        "Planeta",
    "&Messier":
        "&Messier",
    "On":
        "Wł.",
    "Off":
        "Wył.",
    "&NGC":
        "&NGC",
    "Open Cl&usters":
        "Gromady &otwarte",
    "&Glob. Clusters":
        "Gromady &kuliste",
    "G&alaxies":
        "G&alaktyki",
    "Ne&bulae":
        "M&gławice",
    "&Planet. Nebulae":
        "Mgławice &planetarne",
    "&Label by":
        "&Opisuj według",
    "Catalog Number":
        "Numeru katalogowego",
    "Common Name":
        "Nazwy zwyczajowej",
    "&Draw as":
        "&Rysuj jako",
    "Symbols":
        "Symbole",
    "Bitmaps":
        "Obrazki",
    "Constellation &lines":
        "&Linie gwiazdozbiorów",
    "Const. &boundaries":
        "&Granice gwiazdozb.",
    "Const. l&abels":
        "&Nazwy gwiazdozb.",
    "&Ecliptic":
        "&Ekliptyka",
    "&Deep sky":
        "&Głębokie niebo",
    "Deep s&ky labels":
        "Opisy głębokiego &nieba",
    "&Star names":
        "Nazwy &gwiazd",
    "&Planet names":
        "Nazwy &planet",
    "none: standard time as typed, summer time as this computer keeps it":
        "brak: czas standardowy jak wpisano, czas letni tak, jak liczy go ten komputer",
    "%1 days":
        "%1 dni",
    "<b>Print Preview</b><p>Shows the printed chart of the field you see, page by page, before anything goes to the printer.</p>":
        "<b>Podgląd wydruku</b><p>Pokazuje wydrukowaną mapę widocznego pola strona po stronie, zanim cokolwiek trafi do drukarki.</p>",
    "<b>Open</b> (Ctrl+O)<p>Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.</p>":
        "<b>Otwórz</b> (Ctrl+O)<p>Otwiera plik obrazu (JPEG, GIF, PCX, TGA, BMP lub TIFF) w oknie obrazu. Okno wyboru pliku zaczyna w folderze Images katalogu danych.</p>",
    "<b>Print</b> (Ctrl+P)<p>Prints the field you see as a black-on-white chart.</p>":
        "<b>Drukuj</b> (Ctrl+P)<p>Drukuje widoczne pole jako mapę czarno na białym.</p>",
    "<b>Grids</b> (G)<p>Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&deg; of declination.</p>":
        "<b>Siatki</b> (G)<p>Pokazuje lub ukrywa siatkę równikową: okrąg co godzinę rektascensji i co 15&deg; deklinacji.</p>",
    "<b>Boundaries</b> (B)<p>Shows or hides the boundaries of the 88 constellations and their names.</p>":
        "<b>Granice</b> (B)<p>Pokazuje lub ukrywa granice 88 gwiazdozbiorów i ich nazwy.</p>",
    "<b>Constellation lines</b> (L)<p>Shows or hides the figures that join the bright stars of each constellation.</p>":
        "<b>Linie gwiazdozbiorów</b> (L)<p>Pokazuje lub ukrywa figury łączące jasne gwiazdy każdego gwiazdozbioru.</p>",
    "<b>Deep sky objects</b> (D)<p>Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &gt; Deep Sky Objects chooses which kinds are drawn.</p>":
        "<b>Obiekty głębokiego nieba</b> (D)<p>Pokazuje lub ukrywa obiekty Messiera i NGC: gromady, galaktyki i mgławice. Ustawienia &gt; Obiekty głębokiego nieba wybiera rysowane rodzaje.</p>",
    "<b>Milky Way</b> (M)<p>Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.</p>":
        "<b>Droga Mleczna</b> (M)<p>Pokazuje lub ukrywa pas Drogi Mlecznej i zarysy Obłoków Magellana.</p>",
    "<b>Solar System</b> (P)<p>Shows or hides the Sun, the Moon and the planets.</p>":
        "<b>Układ Słoneczny</b> (P)<p>Pokazuje lub ukrywa Słońce, Księżyc i planety.</p>",
    "<b>Eyepiece fields</b> (Shift+E)<p>Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &gt; Eyepiece Fields... defines them.</p>":
        "<b>Pola okularów</b> (Shift+E)<p>Pokazuje lub ukrywa pola Twoich okularów i kamer wokół środka widoku. Określa je Widok &gt; Określ pola okularów...</p>",
    "<b>Date and time</b><p>Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.</p>":
        "<b>Data i czas</b><p>Ustawia datę i czas pokazanego nieba, od 1901 do 2099, albo wraca do chwili obecnej.</p>",
    "<b>Location</b><p>Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.</p>":
        "<b>Miejsce</b><p>Ustawia miejsce na Ziemi, z którego obserwujesz: miasto z listy, punkt na mapie świata albo szerokość, długość i strefę czasową.</p>",
    "<b>Time step</b><p>How far each step of the time animation moves the clock: from real time (one second a second) to one year.</p>":
        "<b>Krok czasu</b><p>O ile każdy krok animacji czasu przesuwa zegar: od czasu rzeczywistego (sekunda na sekundę) do roku.</p>",
    "<b>Animation backward</b> (Ctrl+B)<p>Runs time backwards, one time step after another, until you press Animation stop.</p>":
        "<b>Animacja wstecz</b> (Ctrl+B)<p>Cofa czas krok po kroku, aż naciśniesz Zatrzymaj animację.</p>",
    "<b>One step backward</b> ([)<p>Moves the clock back by one time step.</p>":
        "<b>Jeden krok wstecz</b> ([)<p>Cofa zegar o jeden krok czasu.</p>",
    "<b>Animation stop</b> (Esc)<p>Stops the time animation. The sky stays at the time it has reached.</p>":
        "<b>Zatrzymaj animację</b> (Esc)<p>Zatrzymuje animację czasu. Niebo zostaje w osiągniętej chwili.</p>",
    "<b>One step forward</b> (])<p>Moves the clock on by one time step.</p>":
        "<b>Jeden krok naprzód</b> (])<p>Przesuwa zegar o jeden krok czasu naprzód.</p>",
    "<b>Animation forward</b> (Ctrl+F)<p>Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.</p>":
        "<b>Animacja naprzód</b> (Ctrl+F)<p>Posuwa czas naprzód krok po kroku, aż naciśniesz Zatrzymaj animację. Menu i okna dialogowe czekają, aż się zatrzyma.</p>",
    "<b>What's this?</b> (Shift+F1)<p>Click this button, then on any button, menu item or field, to read what it does.</p>":
        "<b>Co to jest?</b> (Shift+F1)<p>Kliknij ten przycisk, a potem dowolny przycisk, pozycję menu lub pole, aby przeczytać, do czego służy.</p>",
    "<b>About Stellix</b><p>Shows the program's version, its licence and where its sky data comes from.</p>":
        "<b>O programie Stellix</b><p>Pokazuje wersję programu, jego licencję i pochodzenie danych nieba.</p>",
    "<b>Move the field left</b> (Left arrow)<p>The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.</p>":
        "<b>Przesuń pole w lewo</b> (Left arrow)<p>Gwiazdy przesuwają się w lewo: widzisz więcej nieba, które leżało po prawej. Krok jest mniejszy, im bardziej przybliżysz.</p>",
    "<b>Move the field right</b> (Right arrow)<p>The stars move to the right: you see more of the sky that lay to the left.</p>":
        "<b>Przesuń pole w prawo</b> (Right arrow)<p>Gwiazdy przesuwają się w prawo: widzisz więcej nieba, które leżało po lewej.</p>",
    "<b>Move the field up</b> (Up arrow)<p>The stars move up: you see more of the sky that lay below the middle of the view.</p>":
        "<b>Przesuń pole w górę</b> (Up arrow)<p>Gwiazdy przesuwają się w górę: widzisz więcej nieba, które leżało poniżej środka widoku.</p>",
    "<b>Move the field down</b> (Down arrow)<p>The stars move down: you see more of the sky that lay above the middle of the view.</p>":
        "<b>Przesuń pole w dół</b> (Down arrow)<p>Gwiazdy przesuwają się w dół: widzisz więcej nieba, które leżało powyżej środka widoku.</p>",
    "<b>Zoom in</b> (* on the numeric keypad)<p>Doubles the magnification, up to 8192 times.</p>":
        "<b>Przybliż</b> (* na klawiaturze numerycznej)<p>Podwaja powiększenie, do 8192 razy.</p>",
    "<b>Zoom out</b> (/ on the numeric keypad)<p>Halves the magnification, down to the whole visible half of the sky.</p>":
        "<b>Oddal</b> (/ na klawiaturze numerycznej)<p>Zmniejsza powiększenie o połowę, aż do całej widocznej połowy nieba.</p>",
    "<b>Red screen</b> (Shift+R)<p>Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.</p>":
        "<b>Czerwony ekran</b> (Shift+R)<p>Rysuje niebo i całe okno przyciemnioną czerwienią na czarnym tle, co pozwala oczom zachować adaptację do ciemności przy teleskopie.</p>",
    "<b>Full screen</b> (Shift+F)<p>Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.</p>":
        "<b>Pełny ekran</b> (Shift+F)<p>Pokazuje samo niebo na całym ekranie. Esc lub ponownie Shift+F albo wskaźnik przy górnej krawędzi przywracają okno.</p>",
    "<b>Equatorial</b> (Ctrl+Q)<p>Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.</p>":
        "<b>Równikowy</b> (Ctrl+Q)<p>Pokazuje niebo jako mapę gwiazd z biegunem niebieskim u góry, tak jakby Ziemi nie było.</p>",
    "<b>Local horizon</b> (Ctrl+H)<p>Shows the sky as you see it from your place, with the ground, the landscape and the compass points.</p>":
        "<b>Lokalny horyzont</b> (Ctrl+H)<p>Pokazuje niebo tak, jak widzisz je ze swojego miejsca, z gruntem, krajobrazem i stronami świata.</p>",
    "<b>Help</b> (F1)<p>Opens the user guide at the page of the window you are in.</p>":
        "<b>Pomoc</b> (F1)<p>Otwiera przewodnik na stronie okna, w którym jesteś.</p>",
    # The compass points on the ground.
    "S":
        "Pd",
    "SE":
        "Pd-Wsch",
    "E":
        "Wsch",
    "NE":
        "Pn-Wsch",
    "N":
        "Pn",
    "NW":
        "Pn-Zach",
    "W":
        "Zach",
    "SW":
        "Pd-Zach",
    # Clock changes and the find box's kinds.
    "The clocks went forward by %s on this day: there was no %s; it is read as %s (%s).":
        "Tego dnia zegary przestawiono do przodu o %s: nie było godziny %s; odczytuje się ją jako %s (%s).",
    "The clocks went back on this day: %s came twice; the first time (%s) is meant.":
        "Tego dnia zegary cofnięto: godzina %s wystąpiła dwa razy; chodzi o pierwszy raz (%s).",
    "%s hour":
        "%s godzina",
    "%s hours":
        "%s godz.",
    "%s minute":
        "%s minuta",
    "%s minutes":
        "%s min",
    "galaxy":
        "galaktyka",
    "open cluster":
        "gromada otwarta",
    "globular cluster":
        "gromada kulista",
    "bright nebula":
        "mgławica jasna",
    "planetary nebula":
        "mgławica planetarna",
    "galaxy cluster":
        "gromada galaktyk",
    "star":
        "gwiazda",
    "deep-sky object":
        "obiekt głębokiego nieba",
    "moon":
        "księżyc",
    "planet":
        "planeta",
    "constellation":
        "gwiazdozbiór",
    # The magnitude limits dialog.
    "&Deep sky objects":
        "Obiekty głębokiego &nieba",
    # The telescope, the Altitude Plot window, comets and minor planets, the planets' moons.
    "&Save as PNG/SVG...":
        "&Zapisz jako PNG/SVG...",
    "Altitude Plot - %1":
        "Wykres wysokości - %1",
    "PNG picture (*.png)":
        "Obraz PNG (*.png)",
    "SVG drawing (*.svg)":
        "Rysunek SVG (*.svg)",
    "Orbital elements (*.DAT *.dat *.txt *.TXT)":
        "Elementy orbitalne (*.DAT *.dat *.txt *.TXT)",
    "All files (*)":
        "Wszystkie pliki (*)",
    "Altitude &Plot":
        "Wykres &wysokości",
    "&Slew Telescope":
        "&Naprowadź teleskop",
    "T&ools":
        "&Narzędzia",
    "Telescope":
        "Teleskop",
    "&Connect":
        "Połą&cz",
    "&Disconnect":
        "&Rozłącz",
    "INDI server &host:":
        "&Host serwera INDI:",
    "&Port:":
        "&Port:",
    "&Telescopes the server offers:":
        "&Teleskopy oferowane przez serwer:",
    "Comets and &Asteroids":
        "Komety i &planetoidy",
    "Altitude &Plot...":
        "W&ykres wysokości...",
    "&Telescope...":
        "&Teleskop...",
    "&Slew to Selected":
        "&Naprowadź na wybrany obiekt",
    "S&ync to Selected":
        "&Synchronizuj z wybranym obiektem",
    "Slew to View &Centre":
        "Naprowadź na środek &widoku",
    "&Abort Slew":
        "&Przerwij naprowadzanie",
    "&Park":
        "&Zaparkuj",
    "&Unpark":
        "&Odparkuj",
    "&Follow the Telescope":
        "Ś&ledź teleskop",
    "&Import Orbital Elements...":
        "&Importuj elementy orbitalne...",
    "Comet %s":
        "Kometa %s",
    "Minor planet %s":
        "Planetoida %s",
    "The orbital elements are for %s, more than a year from the date shown: the place may be far off.":
        "Elementy orbitalne podano na %s, ponad rok od pokazanej daty: położenie może być mocno niedokładne.",
    " AU":
        " au",
    "%s years":
        "%s roku",
    "No orbital elements were imported: %s   ":
        "Nie zaimportowano żadnych elementów orbitalnych: %s   ",
    "%n orbital elements were read; they are kept in \"%1\" for the next start.": [
        "Wczytano %n zestaw elementów orbitalnych; zostanie zachowany w „%1” na następne uruchomienie.",
        "Wczytano %n zestawy elementów orbitalnych; zostaną zachowane w „%1” na następne uruchomienie.",
        "Wczytano %n zestawów elementów orbitalnych; zostaną zachowane w „%1” na następne uruchomienie.",
    ],
    "The orbital elements could not be kept in \"%s\": %s   ":
        "Nie udało się zachować elementów orbitalnych w „%s”: %s   ",
    "%s: the file cannot be read":
        "%s: nie można odczytać pliku",
    "%s: the file holds no orbital elements":
        "%s: plik nie zawiera elementów orbitalnych",
    "%s from %s, the night of %s":
        "%s z miejsca %s, noc %s",
    "Time at the place (%s)":
        "Czas w tym miejscu (%s)",
    "Altitude (°)":
        "Wysokość (°)",
    "Civil twilight":
        "Zmierzch cywilny",
    "Nautical twilight":
        "Zmierzch żeglarski",
    "Astronomical twilight":
        "Zmierzch astronomiczny",
    "Night":
        "Noc",
    "Transit %s, %s":
        "Górowanie %s, %s",
    "Shown %s":
        "Pokazano %s",
    "%s: %s %s, Moon %s":
        "%s: %s %s, Księżyc %s",
    "%s: %s %s":
        "%s: %s %s",
    "Choose the object to plot first: search for it or right-click it.    ":
        "Najpierw wybierz obiekt do wykresu: wyszukaj go lub kliknij go prawym przyciskiem myszy.    ",
    "Cannot write %s: %s.    ":
        "Nie można zapisać %s: %s.    ",
    "No INDI server answers at %s:%s.":
        "Pod adresem %s:%s nie odpowiada żaden serwer INDI.",
    "The INDI server at %s:%s closed the connection.":
        "Serwer INDI pod adresem %s:%s zamknął połączenie.",
    "The INDI server offers no telescope called \"%s\".":
        "Serwer INDI nie oferuje teleskopu o nazwie „%s”.",
    "The telescope %s reported an impossible place: %s.":
        "Teleskop %s zgłosił niemożliwe położenie: %s.",
    "The telescope %s could not reach its target.":
        "Teleskop %s nie mógł osiągnąć celu.",
    "Slewing to %s":
        "Naprowadzanie na %s",
    "Tracking %s":
        "Śledzenie: %s",
    "Parking %s":
        "Parkowanie: %s",
    "%s is parked":
        "%s zaparkowany",
    "Connect a telescope first: Tools > Telescope...":
        "Najpierw połącz teleskop: Narzędzia > Teleskop...",
    "Connected to %s":
        "Połączono z %s",
    "%s synced on %s":
        "%s zsynchronizowany z %s",
    "%s stopped":
        "%s zatrzymany",
    "The telescope is disconnected":
        "Teleskop jest rozłączony",
    "Connecting to %s:%s...":
        "Łączenie z %s:%s...",
    "The INDI server at %s:%s offers no telescope.":
        "Serwer INDI pod adresem %s:%s nie oferuje żadnego teleskopu.",
    "Select an object first: search for it or click it.":
        "Najpierw wybierz obiekt: wyszukaj go lub kliknij go.",
    "The port must be a number from 1 to 65535.":
        "Port musi być liczbą od 1 do 65535.",
    "the centre of the view":
        "środek widoku",
    "The telescope %s did not answer.":
        "Teleskop %s nie odpowiedział.",
    "The telescope %s did not end its slew within %s minutes.":
        "Teleskop %s nie zakończył naprowadzania w ciągu %s minut.",
    "Centre: %s   %s (J2000)":
        "Centrum: %s   %s (J2000)",
    "Field: %s x %s":
        "Pole: %s x %s",
    "Magnitudes:":
        "Magnitudo:",
    "Io":
        "Io",
    "Europa":
        "Europa",
    "Ganymede":
        "Ganimedes",
    "Callisto":
        "Kallisto",
    "Mimas":
        "Mimas",
    "Enceladus":
        "Enceladus",
    "Tethys":
        "Tetyda",
    "Dione":
        "Dione",
    "Rhea":
        "Rea",
    "Titan":
        "Tytan",
    "Hyperion":
        "Hyperion",
    "Iapetus":
        "Japet",
    "Miranda":
        "Miranda",
    "Ariel":
        "Ariel",
    "Umbriel":
        "Umbriel",
    "Titania":
        "Tytania",
    "Oberon":
        "Oberon",
    "Phobos":
        "Fobos",
    "Deimos":
        "Deimos",
    "Show or hide the comets and minor planets down to their own magnitude limit\nComets and asteroids":
        "Pokaż lub ukryj komety i planetoidy do ich własnej granicy jasności\nKomety i planetoidy",
    "Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file\nImport orbital elements":
        "Importuj elementy orbitalne komet lub planetoid z pliku MPCORB.DAT lub CometEls.txt\nImportuj elementy orbitalne",
    "Plot the chosen object's altitude through the night, with the Moon and the twilights\nAltitude plot":
        "Narysuj wysokość wybranego obiektu w ciągu nocy, z Księżycem i zmierzchami\nWykres wysokości",
    "Connect a telescope through an INDI server\nTelescope":
        "Połącz teleskop przez serwer INDI\nTeleskop",
    "Point the telescope at the object you chose\nSlew to selected":
        "Skieruj teleskop na wybrany obiekt\nNaprowadź na wybrany obiekt",
    "Tell the telescope that it points at the object you chose\nSync to selected":
        "Przekaż teleskopowi, że wskazuje wybrany obiekt\nSynchronizuj z wybranym obiektem",
    "Point the telescope at the middle of the view\nSlew to view centre":
        "Skieruj teleskop na środek widoku\nNaprowadź na środek widoku",
    "Stop the telescope's motion at once\nAbort slew":
        "Natychmiast zatrzymaj ruch teleskopu\nPrzerwij naprowadzanie",
    "Send the telescope to its park position\nPark":
        "Wyślij teleskop do pozycji parkowania\nZaparkuj",
    "Wake the telescope from its park position\nUnpark":
        "Wybudź teleskop z pozycji parkowania\nOdparkuj",
    "Keep the telescope's place at the middle of the view\nFollow the telescope":
        "Utrzymuj położenie teleskopu na środku widoku\nŚledź teleskop",
    'Find an object by any of its names, or a place; Shift+Enter opens its card': 'Znajdź obiekt po dowolnej z jego nazw albo miejsce; Shift+Enter otwiera jego kartę',
    'place': 'miejsce',
    "Observer's Location": 'Miejsce obserwatora',
    'Set the observer to %1?': 'Przenieść obserwatora do: %1?',
    'Keep the object at the middle of the view while time runs': 'Utrzymuj obiekt na środku widoku, gdy czas płynie',
    "%1 \u2014 %2": "%1 \u2014 %2",
    '&Go to Coordinates...':
        '&Idź do współrzędnych...',
    'Centre the view on a right ascension and declination or an altitude and azimuth\nGo to coordinates':
        'Wyśrodkuj widok na rektascensji i deklinacji lub na wysokości i azymucie\nIdź do współrzędnych',
    'Go to Coordinates':
        'Idź do współrzędnych',
    'J2000 right ascension and declination':
        'Rektascensja i deklinacja J2000',
    'Right ascension and declination of date':
        'Rektascensja i deklinacja na datę',
    'Altitude and azimuth':
        'Wysokość i azymut',
    '&Frame:':
        '&Układ:',
    '&Altitude:':
        '&Wysokość:',
    '&Right ascension:':
        '&Rektascensja:',
    'A&zimuth (from the north through the east):':
        'A&zymut (od północy przez wschód):',
    '&Declination:':
        '&Deklinacja:',
    'The right ascension must be hours from 0 to 24 ("5h35m17s", "5 35 17", "5.588h") or degrees from 0 to 360 ("83.82°").':
        'Rektascensja musi być podana w godzinach od 0 do 24 ("5h35m17s", "5 35 17", "5.588h") lub w stopniach od 0 do 360 ("83.82°").',
    'The declination must be degrees from -90 to +90 ("-5°23\'28"", "-5 23 28", "-5.39").':
        'Deklinacja musi być podana w stopniach od -90 do +90 ("-5°23\'28"", "-5 23 28", "-5.39").',
    'The altitude must be degrees from -90 to +90 ("35°30\'", "35 30", "35.5").':
        'Wysokość musi być podana w stopniach od -90 do +90 ("35°30\'", "35 30", "35.5").',
    'The azimuth must be degrees from 0 to 360, from the north through the east ("135°", "135 30", "135.5").':
        'Azymut musi być podany w stopniach od 0 do 360, od północy przez wschód ("135°", "135 30", "135.5").',
    "Planet:":
        "Planeta:",
    "Separation from the planet:":
        "Odległość kątowa od planety:",
    "Position angle:":
        "Kąt pozycyjny:",
    "Co&mets and asteroids:":
        "Ko&mety i planetoidy:",
    "Comet":
        "Kometa",
    "Minor planet":
        "Planetoida",
}

# The constellations in the language's own names; those not listed keep
# their Latin names (tools/fill_translations.py).
TEXTS.update({
    "Antlia": "Pompa",
    "Apus": "Ptak Rajski",
    "Aquarius": "Wodnik",
    "Aquila": "Orzeł",
    "Ara": "Ołtarz",
    "Aries": "Baran",
    "Auriga": "Woźnica",
    "Boötes": "Wolarz",
    "Caelum": "Rylec",
    "Camelopardalis": "Żyrafa",
    "Cancer": "Rak",
    "Canes Venatici": "Psy Gończe",
    "Canis Major": "Wielki Pies",
    "Canis Minor": "Mały Pies",
    "Capricornus": "Koziorożec",
    "Carina": "Kil",
    "Cassiopeia": "Kasjopeja",
    "Centaurus": "Centaur",
    "Cepheus": "Cefeusz",
    "Cetus": "Wieloryb",
    "Chamaeleon": "Kameleon",
    "Circinus": "Cyrkiel",
    "Columba": "Gołąb",
    "Coma Berenices": "Warkocz Bereniki",
    "Corona Austrina": "Korona Południowa",
    "Corona Borealis": "Korona Północna",
    "Corvus": "Kruk",
    "Crater": "Puchar",
    "Crux": "Krzyż Południa",
    "Cygnus": "Łabędź",
    "Delphinus": "Delfin",
    "Dorado": "Złota Ryba",
    "Draco": "Smok",
    "Equuleus": "Źrebię",
    "Eridanus": "Erydan",
    "Fornax": "Piec",
    "Gemini": "Bliźnięta",
    "Grus": "Żuraw",
    "Hercules": "Herkules",
    "Horologium": "Zegar",
    "Hydrus": "Wąż Wodny",
    "Indus": "Indianin",
    "Lacerta": "Jaszczurka",
    "Leo": "Lew",
    "Leo Minor": "Mały Lew",
    "Lepus": "Zając",
    "Libra": "Waga",
    "Lupus": "Wilk",
    "Lynx": "Ryś",
    "Lyra": "Lutnia",
    "Mensa": "Góra Stołowa",
    "Microscopium": "Mikroskop",
    "Monoceros": "Jednorożec",
    "Musca": "Mucha",
    "Norma": "Węgielnica",
    "Octans": "Oktant",
    "Ophiuchus": "Wężownik",
    "Pavo": "Paw",
    "Pegasus": "Pegaz",
    "Perseus": "Perseusz",
    "Phoenix": "Feniks",
    "Pictor": "Malarz",
    "Pisces": "Ryby",
    "Piscis Austrinus": "Ryba Południowa",
    "Puppis": "Rufa",
    "Pyxis": "Kompas",
    "Reticulum": "Sieć",
    "Sagitta": "Strzała",
    "Sagittarius": "Strzelec",
    "Scorpius": "Skorpion",
    "Sculptor": "Rzeźbiarz",
    "Scutum": "Tarcza",
    "Serpens Caput": "Głowa Węża",
    "Serpens Cauda": "Ogon Węża",
    "Sextans": "Sekstant",
    "Taurus": "Byk",
    "Telescopium": "Luneta",
    "Triangulum": "Trójkąt",
    "Triangulum Australe": "Trójkąt Południowy",
    "Tucana": "Tukan",
    "Ursa Major": "Wielka Niedźwiedzica",
    "Ursa Minor": "Mała Niedźwiedzica",
    "Vela": "Żagiel",
    "Virgo": "Panna",
    "Volans": "Ryba Latająca",
    "Vulpecula": "Lisek",
})

# The toolbar's name, the Latin constellation names' switch and the plot's and PDF's faults.
TEXTS.update({
    "Main toolbar":
        "Główny pasek narzędzi",
    "Name the constellations in &Latin":
        "Nazwy gwiazdozbiorów po &łacinie",
    "The sky and the printed chart name the constellations in Latin instead of the window's language. Takes effect at once.":
        "Niebo i drukowana mapa podają nazwy gwiazdozbiorów po łacinie zamiast w języku okna. Działa od razu.",
    "the file name must end in .png or .svg":
        "nazwa pliku musi kończyć się na .png lub .svg",
    "the drawing could not be made":
        "nie udało się wykonać rysunku",
    "the PDF could not be started":
        "nie udało się rozpocząć pliku PDF",
})

# The comet and minor-planet card.
TEXTS.update({
    'Elongation:': 'Elongacja:',
    'Perihelion distance:': 'Odległość w peryhelium:',
    'Semi-major axis:': 'Wielka półoś:',
    'Eccentricity:': 'Mimośród:',
    'Inclination:': 'Nachylenie:',
    'Period:': 'Okres:',
    "Elements' epoch:": 'Epoka elementów:',
    'Other designations:': 'Inne oznaczenia:',
    'Central meridian (System II):': 'Południk środkowy (System II):',
})

TEXTS.update({
    # A constellation in the Search > Constellation list: its name in the
    # language, then the Latin one.
    "%1 (%2)": "%1 (%2)",
    # How much the clocks went forward or back, in the plural forms.
    "%n hour(s)": ["%n godzinę", "%n godziny", "%n godzin"],
    "%n minute(s)": ["%n minutę", "%n minuty", "%n minut"],
})

TEXTS.update({
    "Triton": "Tryton",
})
