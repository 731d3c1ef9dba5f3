# French texts of the window (tools/fill_translations.py fr).
TEXTS = {
    "Right ascension (J2000):":
        "Ascension droite (J2000) :",
    "Declination (J2000):":
        "Déclinaison (J2000) :",
    "Altitude:":
        "Hauteur :",
    "Azimuth:":
        "Azimut :",
    "Distance from Earth:":
        "Distance à la Terre :",
    "Distance from Sun:":
        "Distance au Soleil :",
    "Illuminated fraction:":
        "Fraction éclairée :",
    "Magnitude:":
        "Magnitude :",
    "Angular size:":
        "Taille angulaire :",
    "Civil twilight:":
        "Crépuscule civil :",
    "Nautical twilight:":
        "Crépuscule nautique :",
    "Astronomical twilight:":
        "Crépuscule astronomique :",
    "Phase:":
        "Phase :",
    "Age:":
        "Âge :",
    "Search for Solar System...":
        "Rechercher dans le Système solaire...",
    "Colors...":
        "Couleurs...",
    "Date/Time...":
        "Date/heure...",
    "Daylight &saving time":
        "Heure d'&été",
    "Set to the present time at this place; OK shows its sky.":
        "Réglé sur l'heure actuelle en ce lieu ; OK affiche son ciel.",
    "&Now...":
        "&Maintenant...",
    "&Date:":
        "&Date :",
    "&Time:":
        "&Heure :",
    "Offset:":
        "Décalage :",
    "Deep sky objects...":
        "Objets du ciel profond...",
    "Catalog number:":
        "Numéro de catalogue :",
    "Common name:":
        "Nom courant :",
    "Type:":
        "Type :",
    "HIP number:":
        "Numéro HIP :",
    "Designation:":
        "Désignation :",
    "Colour index (B-V):":
        "Indice de couleur (B-V) :",
    "Spectral type:":
        "Type spectral :",
    "Eyepiece Fields":
        "Champs d'oculaires",
    "&Add":
        "&Ajouter",
    "&Change":
        "&Modifier",
    "&Remove":
        "&Supprimer",
    "Circle of a given diameter":
        "Cercle d'un diamètre donné",
    "Eyepiece on a telescope":
        "Oculaire sur un télescope",
    "Camera on a telescope":
        "Caméra sur un télescope",
    "Centre the &fields on the telescope while one is connected":
        "Centrer les &champs sur le télescope tant qu'il est connecté",
    "&Name:":
        "&Nom :",
    "&Kind:":
        "&Genre :",
    "&Diameter (arc-minutes):":
        "&Diamètre (minutes d'arc) :",
    "&Telescope focal length (mm):":
        "Focale du &télescope (mm) :",
    "&Eyepiece focal length (mm):":
        "Focale de l'&oculaire (mm) :",
    "A&pparent field (°):":
        "Champ a&pparent (°) :",
    "Sensor &width (mm):":
        "&Largeur du capteur (mm) :",
    "Sensor &height (mm):":
        "&Hauteur du capteur (mm) :",
    "Field on the sky:":
        "Champ sur le ciel :",
    "Find (F3)":
        "Rechercher (F3)",
    "Find an object by any of its names":
        "Rechercher un objet par l'un de ses noms",
    "%1 — %2, %3° %4":
        "%1 — %2, %3° %4",
    "up":
        "levé",
    "below the horizon":
        "sous l'horizon",
    "Help":
        "Aide",
    "The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.":
        "La page du guide. Cliquez sur un lien pour le suivre ; Précédent (Alt+Gauche) et Suivant (Alt+Droite) refont votre chemin.",
    "The guide's pages in their order, each with its sections. Click one to read it.":
        "Les pages du guide dans leur ordre, chacune avec ses sections. Cliquez sur l'une pour la lire.",
    "Type a word to look for":
        "Tapez un mot à chercher",
    "Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.":
        "Tapez le début d'un mot : l'index ci-dessous garde les entrées qui le contiennent. Entrée ouvre la première.",
    "Every topic of the guide in alphabetical order. Click one to read it.":
        "Tous les sujets du guide par ordre alphabétique. Cliquez sur l'un pour le lire.",
    "&Contents":
        "&Sommaire",
    "&Index":
        "&Index",
    "Navigation":
        "Navigation",
    "&Back":
        "&Précédent",
    "Goes back to the page you read before.":
        "Revient à la page lue auparavant.",
    "&Forward":
        "&Suivant",
    "Goes forward again after Back.":
        "Avance de nouveau après Précédent.",
    "C&ontents":
        "S&ommaire",
    "Goes to the guide's first page, the list of all its pages.":
        "Va à la première page du guide, la liste de toutes ses pages.",
    "&Using Help":
        "&Utiliser l'aide",
    "Explains this window.":
        "Explique cette fenêtre.",
    "<h1>Page not found</h1><p>The user guide has no page <b>%1</b>: the folder <tt>%2</tt> should hold it. Installing Stellix again puts the guide back.</p>":
        "<h1>Page introuvable</h1><p>Le guide n'a pas de page <b>%1</b> : le dossier <tt>%2</tt> devrait la contenir. Réinstaller Stellix remet le guide en place.</p>",
    "Help: %1":
        "Aide : %1",
    "Right ascension (of date):":
        "Ascension droite (de la date) :",
    "Declination (of date):":
        "Déclinaison (de la date) :",
    "Rise:":
        "Lever :",
    "Transit:":
        "Passage au méridien :",
    "Transit altitude:":
        "Hauteur au méridien :",
    "Set:":
        "Coucher :",
    "Image":
        "Image",
    "Language":
        "Langue",
    "The system's language":
        "La langue du système",
    "&Language:":
        "&Langue :",
    "The new language takes effect after a restart of Stellix.":
        "La nouvelle langue prend effet au prochain démarrage de Stellix.",
    "Search for star...":
        "Rechercher une étoile...",
    "Search for constellation...":
        "Rechercher une constellation...",
    "Search for NGC...":
        "Rechercher un objet NGC...",
    "Observer's Location...":
        "Lieu d'observation...",
    "&Enter your location":
        "&Entrez votre lieu",
    "L&atitude:":
        "L&atitude :",
    "Lo&ngitude:":
        "Lo&ngitude :",
    "&Time zone:":
        "&Fuseau horaire :",
    "hours ahead of Greenwich":
        "heures d'avance sur Greenwich",
    "Time zone rules:":
        "Règles du fuseau horaire :",
    "Type part of a name (%n places)": [
        "Tapez une partie d'un nom (%n lieu)",
        "Tapez une partie d'un nom (%n lieux)",
    ],
    "Fin&d:":
        "Rec&hercher :",
    "&Select location":
        "&Choisir un lieu",
    "%1 (%2 on the date set)":
        "%1 (%2 à la date réglée)",
    "Magnitude limits...":
        "Magnitudes limites...",
    "&Auto mode":
        "Mode &automatique",
    "<b>The sky</b><p>Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.</p>":
        "<b>Le ciel</b><p>Cliquez sur un point pour l'amener au centre ; faites glisser pour tourner le ciel ; la molette de la souris zoome. Un clic droit sur un objet ouvre sa fiche. Les flèches déplacent le champ dans leur direction, * et / du pavé numérique zooment.</p>",
    "&File":
        "&Fichier",
    "&View":
        "&Affichage",
    "&Settings":
        "&Réglages",
    "&Chart Mode":
        "Mode de &carte",
    "&Stars":
        "É&toiles",
    "Sky &Background":
        "&Fond du ciel",
    "&Time":
        "&Temps",
    "Sea&rch":
        "Re&cherche",
    "&Deep Sky Object":
        "Objet du ciel &profond",
    "&Horizon Point":
        "Point de l'&horizon",
    "&Help":
        "Ai&de",
    "Na&vigation Toolbar":
        "Barre de &navigation",
    "Show or hide the navigation toolbar":
        "Afficher ou masquer la barre de navigation",
    "Right ascension (J2000) of the sky under the pointer.":
        "Ascension droite (J2000) du ciel sous le pointeur.",
    "Declination (J2000) of the sky under the pointer.":
        "Déclinaison (J2000) du ciel sous le pointeur.",
    "The observer's place; Settings > Observer's Location changes it.":
        "Le lieu de l'observateur ; Réglages > Lieu d'observation le change.",
    "The local time of the sky shown, with the time zone's abbreviation and its offset from Universal Time.":
        "L'heure locale du ciel affiché, avec l'abréviation du fuseau horaire et son décalage par rapport au temps universel.",
    "The date of the sky shown.":
        "La date du ciel affiché.",
    "Press Esc to leave full screen":
        "Échap quitte le plein écran",
    "Recent File":
        "Fichier récent",
    "Search for Messier...":
        "Rechercher un objet Messier...",
    "Enter catalog number":
        "Entrez le numéro de catalogue",
    "A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.":
        "Un planétarium de bureau. Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure, sans aucune garantie. Données du ciel : Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), base tz, NASA. Cartes des planètes : B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.",
    "<a href=\"sources\" style=\"color:#9cc8ff\">Data sources and licences...</a>":
        "<a href=\"sources\" style=\"color:#9cc8ff\">Sources des données et licences...</a>",
    "Opens the user guide at the full list of the sky data's sources, their authors and their licences.":
        "Ouvre le guide à la liste complète des sources des données du ciel, de leurs auteurs et de leurs licences.",
    "Version %1":
        "Version %1",
    "HR number:":
        "Numéro HR :",
    "Bayer:":
        "Bayer :",
    "Flamsteed:":
        "Flamsteed :",
    "Proper name:":
        "Nom propre :",
    "Tonight":
        "Cette nuit",
    "Planets in the night, each at its highest:":
        "Planètes de la nuit, chacune à sa plus grande hauteur :",
    "Objects above 30° at:":
        "Objets à plus de 30° à :",
    "Name":
        "Nom",
    "Kind":
        "Genre",
    "Magnitude":
        "Magnitude",
    "Rise":
        "Lever",
    "Set":
        "Coucher",
    "Hour":
        "Heure",
    "Altitude":
        "Hauteur",
    "Azimuth":
        "Azimut",
    "Moonrise %1, moonset %2":
        "Lever de la Lune %1, coucher de la Lune %2",
    "Moonset %1, moonrise %2":
        "Coucher de la Lune %1, lever de la Lune %2",
    "Sunset %1; civil twilight ends %2, nautical %3, astronomical %4":
        "Coucher du Soleil %1 ; fin du crépuscule civil %2, nautique %3, astronomique %4",
    "%1; %2, illuminated %3":
        "%1 ; %2, éclairée à %3",
    "Dark hours without the Moon: %1":
        "Heures noires sans la Lune : %1",
    "&Grids":
        "&Grilles",
    "Alt-a&zimuth Grid":
        "Grille a&ltazimutale",
    "Meridia&n":
        "Méridie&n",
    "&Boundaries":
        "&Limites",
    "Constellation &Lines":
        "&Lignes des constellations",
    "&Deep Sky Objects":
        "Objets du ciel &profond",
    "&Milky Way":
        "&Voie lactée",
    "&Solar System Objects":
        "Objets du &Système solaire",
    "&Eclipic":
        "&Écliptique",
    "Star &Names":
        "&Noms des étoiles",
    "D&eep Sky Labels":
        "Étiquettes du ciel p&rofond",
    "&Planet Names":
        "Noms des &planètes",
    "Stars &Colors":
        "&Couleurs des étoiles",
    "&Atmospheric refraction":
        "Réfraction &atmosphérique",
    "E&yepiece Fields":
        "Champs d'o&culaires",
    "Eyep&iece Fields...":
        "Définir les champs d'oc&ulaires...",
    "Fo&llow":
        "S&uivre",
    "&Red Screen":
        "Écran &rouge",
    "&Full Screen":
        "&Plein écran",
    "&Toolbar":
        "&Barre d'outils",
    "Status &Bar":
        "Barre d'é&tat",
    "&Equatorial":
        "Éq&uatorial",
    "&Local Horizon":
        "&Horizon local",
    "&Date/Time...":
        "&Date/heure...",
    "Observer's &Location...":
        "&Lieu d'observation...",
    "&Magnitude Limits...":
        "&Magnitudes limites...",
    "Draw &Points":
        "Dessiner en &points",
    "Draw &Bitmaps":
        "Dessiner en &images",
    "Deep Sky &Objects...":
        "&Objets du ciel profond...",
    "Colo&rs...":
        "Coule&urs...",
    "Lan&guage...":
        "Lan&gue...",
    "&Black":
        "&Noir",
    "&Color":
        "&Coloré",
    "&Star...":
        "É&toile...",
    "&Constellation...":
        "&Constellation...",
    "S&olar System Object...":
        "&Objet du Système solaire...",
    "&Messier Catalog...":
        "Catalogue &Messier...",
    "&NGC Catalog...":
        "Catalogue &NGC...",
    "&Tonight...":
        "Cette &nuit...",
    "&East":
        "&Est",
    "&West":
        "&Ouest",
    "&North":
        "&Nord",
    "&South":
        "&Sud",
    "&Zenith":
        "&Zénith",
    "Na&dir":
        "Na&dir",
    "&Real Time":
        "Temps &réel",
    "&Open...":
        "&Ouvrir...",
    "&Print...":
        "&Imprimer...",
    "Print Pre&view":
        "&Aperçu avant impression",
    "P&rint Setup...":
        "Configuration de l'imp&ression...",
    "E&xit":
        "&Quitter",
    "&About Stellix...":
        "À &propos de Stellix...",
    "New Moon":
        "Nouvelle Lune",
    "Waxing crescent":
        "Premier croissant",
    "First quarter":
        "Premier quartier",
    "Waxing gibbous":
        "Gibbeuse croissante",
    "Full Moon":
        "Pleine Lune",
    "Waning gibbous":
        "Gibbeuse décroissante",
    "Last quarter":
        "Dernier quartier",
    "Waning crescent":
        "Dernier croissant",
    "Stellix\n\nStellix\n\n\nStellix.Document\nStellix Document":
        "Stellix\n\nStellix\n\n\nStellix.Document\nDocument Stellix",
    "Stellix":
        "Stellix",
    "Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||":
        "Fichiers JPEG(*.JPG)|*.JPG|Fichiers GIF(*.GIF)|*.GIF|Fichiers PCX(*.PCX)|*.PCX|Fichiers Targa(*.TGA)|*.TGA|Fichiers BMP(*.BMP)|*.BMP|Fichiers TIFF(*.TIF)|*.TIF||",
    "Can't open \"%s\" file !   ":
        "Impossible d'ouvrir le fichier « %s » !",
    "Object under horizon. Not visible.   ":
        "Objet sous l'horizon. Invisible.",
    "Select star or press ' Cancel '.    ":
        "Choisissez une étoile ou appuyez sur « Annuler ».",
    "Select constellation or press ' Cancel '.    ":
        "Choisissez une constellation ou appuyez sur « Annuler ».",
    "Enter Messier number or press ' Cancel '.    ":
        "Entrez un numéro Messier ou appuyez sur « Annuler ».",
    "Wrong catalog number !    ":
        "Numéro de catalogue erroné !",
    "Select NGC object or press ' Cancel '.    ":
        "Choisissez un objet NGC ou appuyez sur « Annuler ».",
    "Animation has no effect when the Solar System is disabled in Equatorial mode !    ":
        "L'animation est sans effet quand le Système solaire est désactivé en mode équatorial !",
    "Can't initialize rendering context for OpenGL !    ":
        "Impossible de créer le contexte de rendu OpenGL !",
    "Couldn't load the image \"%s\" !    ":
        "Impossible de charger l'image « %s » !",
    "Set your display to High Color or more to run Stellix !    ":
        "Réglez votre écran sur au moins High Color (16 bits) pour utiliser Stellix !",
    "You have entered wrong number! It must be from %d to %d.    ":
        "Vous avez entré un nombre erroné ! Il doit être compris entre %d et %d.",
    "Can't write the settings file \"%s\" !   ":
        "Impossible d'écrire le fichier de réglages « %s » !",
    "Unknown DIB file format.":
        "Format de fichier DIB inconnu.",
    "Image file conversion error.":
        "Erreur de conversion du fichier image.",
    "Failed to open DIB file %s.\n":
        "Impossible d'ouvrir le fichier DIB %s.\n",
    "Out of memory.":
        "Mémoire insuffisante.",
    "Error":
        "Erreur",
    "Settings out of range in \"%s\" were replaced by the nearest allowed values: %s   ":
        "Des réglages hors limites dans « %s » ont été remplacés par les valeurs permises les plus proches : %s",
    "The file \"%s\" is damaged: %s. The sky is shown without those records.   ":
        "Le fichier « %s » est endommagé : %s. Le ciel est affiché sans ces enregistrements.",
    "records %s to %s are missing":
        "les enregistrements %s à %s manquent",
    "record %s is missing":
        "l'enregistrement %s manque",
    "record %s is unusable (%s)":
        "l'enregistrement %s est inutilisable (%s)",
    "%s records are unusable, the first record %s (%s)":
        "%s enregistrements sont inutilisables, le premier enregistrement %s (%s)",
    "a coordinate out of range or not a number":
        "une coordonnée hors limites ou qui n'est pas un nombre",
    "a magnitude out of range or not a number":
        "une magnitude hors limites ou qui n'est pas un nombre",
    "a label offset beyond 1000 pixels":
        "un décalage d'étiquette de plus de 1000 pixels",
    "a position angle or an axis out of range or not a number":
        "un angle de position ou un axe hors limites ou qui n'est pas un nombre",
    "a longitude, latitude, minute or time zone out of range":
        "une longitude, latitude, minute ou un fuseau horaire hors limites",
    "a line that does not read as its numbers":
        "une ligne qui ne se lit pas comme ses nombres",
    "The texture file \"%s\" cannot be used: %s   ":
        "Le fichier de texture « %s » est inutilisable : %s",
    "it is not a BMP file.":
        "ce n'est pas un fichier BMP.",
    "a proper motion or parallax out of range or not a number":
        "un mouvement propre ou une parallaxe hors limites ou qui n'est pas un nombre",
    "a time zone that this computer's tzdata does not know":
        "un fuseau horaire que la tzdata de cet ordinateur ne connaît pas",
    "The file \"%s\" is damaged: its header is not one this program reads. The sky is shown without that file.   ":
        "Le fichier « %s » est endommagé : son en-tête n'est pas de ceux que ce programme lit. Le ciel est affiché sans ce fichier.",
    "Give the field a name.    ":
        "Donnez un nom au champ.",
    "%s must be a number from %s to %s.    ":
        "%s doit être un nombre de %s à %s.",
    "This field would be %s wide; a field may be at most %s wide.    ":
        "Ce champ ferait %s de large ; un champ peut faire au plus %s de large.",
    "There is room for %s fields; remove one to add another.    ":
        "Il y a de la place pour %s champs ; supprimez-en un pour en ajouter un autre.",
    "near %s (%s km)":
        "près de %s (%s km)",
    "Following %s":
        "Suivi de %s",
    "Choose the object to follow first: search for it, then press T.    ":
        "Choisissez d'abord l'objet à suivre : recherchez-le, puis appuyez sur T.",
    "Moon":
        "Lune",
    "Sun":
        "Soleil",
    "Mercury":
        "Mercure",
    "Venus":
        "Vénus",
    "Mars":
        "Mars",
    "Jupiter":
        "Jupiter",
    "Saturn":
        "Saturne",
    "Uranus":
        "Uranus",
    "Neptune":
        "Neptune",
    "Pluto":
        "Pluton",
    "Constellation line.    ":
        "Ligne de constellation.",
    "Constellation boundary.    ":
        "Limite de constellation.",
    "Right ascension grid line.    ":
        "Ligne de la grille d'ascension droite.",
    "Declination grid line.    ":
        "Ligne de la grille de déclinaison.",
    "Ecliptic line.    ":
        "Écliptique.",
    " million km":
        " millions de km",
    "Open cluster":
        "Amas ouvert",
    "Globular cluster":
        "Amas globulaire",
    "Galaxy":
        "Galaxie",
    "Nebula":
        "Nébuleuse",
    "Planetary nebula":
        "Nébuleuse planétaire",
    " Real time":
        " Temps réel",
    " 10 minutes":
        " 10 minutes",
    " 30 minutes":
        " 30 minutes",
    " 1 hour":
        " 1 heure",
    " 1 day":
        " 1 jour",
    " 7 days":
        " 7 jours",
    " 1 month":
        " 1 mois",
    " 1 year":
        " 1 an",
    "Large Magellanic Cloud.    ":
        "Grand Nuage de Magellan.",
    "Small Magellanic Cloud.    ":
        "Petit Nuage de Magellan.",
    "Time step\nTime step":
        "Pas de temps\nPas de temps",
    "Move the field left\nMove the field left":
        "Déplacer le champ vers la gauche\nDéplacer le champ vers la gauche",
    "Move the field right\nMove the field right":
        "Déplacer le champ vers la droite\nDéplacer le champ vers la droite",
    "Move the field up\nMove the field up":
        "Déplacer le champ vers le haut\nDéplacer le champ vers le haut",
    "Move the field down\nMove the field down":
        "Déplacer le champ vers le bas\nDéplacer le champ vers le bas",
    "Zoom the field in\nZoom in":
        "Agrandir le champ\nZoom avant",
    "Zoom the field out\nZoom out":
        "Réduire le champ\nZoom arrière",
    "Deep sky objects\nDeep sky objects":
        "Objets du ciel profond\nObjets du ciel profond",
    "Constellation boundaries\nBoundaries":
        "Limites des constellations\nLimites",
    "Constellation lines\nConstellation lines":
        "Lignes des constellations\nLignes des constellations",
    "Coordination grid lines\nGrids":
        "Lignes de la grille de coordonnées\nGrilles",
    "Milky Way\nMilky Way":
        "Voie lactée\nVoie lactée",
    "Solar System objects\nSolar System":
        "Objets du Système solaire\nSystème solaire",
    "Date and time\nDate and time":
        "Date et heure\nDate et heure",
    "Location of the observer\nLocation":
        "Lieu de l'observateur\nLieu",
    "Magnitude limits":
        "Magnitudes limites",
    "Deep sky objects settings\nDeep sky objects":
        "Réglages des objets du ciel profond\nObjets du ciel profond",
    "Animation backward\nAnimation backward":
        "Animation en arrière\nAnimation en arrière",
    "Colors settings\nColors":
        "Réglages des couleurs\nCouleurs",
    "One step animation backward\nOne step backward":
        "Un pas d'animation en arrière\nUn pas en arrière",
    "Show or hide stars colors\nStars colors":
        "Afficher ou masquer les couleurs des étoiles\nCouleurs des étoiles",
    "Animation stop\nAnimation stop":
        "Arrêter l'animation\nArrêter l'animation",
    "One step animation forward\nOne step forward":
        "Un pas d'animation en avant\nUn pas en avant",
    "Animation forward\nAnimation forward":
        "Animation en avant\nAnimation en avant",
    "Show or hide star names":
        "Afficher ou masquer les noms des étoiles",
    "Show or hide Solar System names":
        "Afficher ou masquer les noms du Système solaire",
    "Show or hide deep sky labels":
        "Afficher ou masquer les étiquettes du ciel profond",
    "Equatorial mode":
        "Mode équatorial",
    "Local horizon mode":
        "Mode horizon local",
    "Show or hide red screen mode\nRed screen":
        "Activer ou désactiver l'écran rouge\nÉcran rouge",
    "Show or hide full screen mode\nFull screen":
        "Activer ou désactiver le plein écran\nPlein écran",
    "Show or hide ecliptic line":
        "Afficher ou masquer l'écliptique",
    "Black background of the sky":
        "Fond du ciel noir",
    "Color background of the sky":
        "Fond du ciel coloré",
    "Search for star":
        "Rechercher une étoile",
    "Search for Solar System object":
        "Rechercher un objet du Système solaire",
    "Search for constellation":
        "Rechercher une constellation",
    "Search for Messier":
        "Rechercher un objet Messier",
    "Search for NGC":
        "Rechercher un objet NGC",
    "Search for East":
        "Regarder vers l'est",
    "Search for West":
        "Regarder vers l'ouest",
    "Search for North":
        "Regarder vers le nord",
    "Search for South":
        "Regarder vers le sud",
    "Search for Zenith":
        "Regarder vers le zénith",
    "Search for Nadir":
        "Regarder vers le nadir",
    "Draw stars as points":
        "Dessiner les étoiles en points",
    "Draw stars as bitmaps":
        "Dessiner les étoiles en images",
    "Lift the local-horizon sky by the atmosphere's refraction\nAtmospheric refraction":
        "Relever le ciel de l'horizon local de la réfraction de l'atmosphère\nRéfraction atmosphérique",
    "Show the night ahead: twilight, the Moon, the planets and what stands high\nTonight":
        "Afficher la nuit à venir : crépuscule, Lune, planètes et ce qui est haut\nCette nuit",
    "Show or hide the fields of your eyepieces and cameras\nEyepiece fields":
        "Afficher ou masquer les champs de vos oculaires et caméras\nChamps d'oculaires",
    "Define the fields of your eyepieces and cameras\nEyepiece fields":
        "Définir les champs de vos oculaires et caméras\nChamps d'oculaires",
    "Show or hide the grid of altitude and azimuth\nAlt-azimuth grid":
        "Afficher ou masquer la grille de hauteur et d'azimut\nGrille altazimutale",
    "Show or hide the meridian\nMeridian":
        "Afficher ou masquer le méridien\nMéridien",
    "Keep the object you chose at the middle of the view while time runs\nFollow":
        "Garder l'objet choisi au milieu de la vue pendant que le temps passe\nSuivre",
    "Keep the sky at the present instant as the clock runs\nReal time":
        "Garder le ciel à l'instant présent pendant que l'horloge tourne\nTemps réel",
    "Choose the language of the window; it takes effect after a restart\nLanguage":
        "Choisir la langue de la fenêtre ; elle prend effet au prochain démarrage\nLangue",
    "Open an image file\nOpen":
        "Ouvrir un fichier image\nOuvrir",
    "Change the printer and printing options\nPrint Setup":
        "Changer l'imprimante et les options d'impression\nConfiguration de l'impression",
    "Print the active document\nPrint":
        "Imprimer la carte\nImprimer",
    "Display full pages\nPrint Preview":
        "Afficher des pages entières\nAperçu avant impression",
    "Open this document":
        "Ouvrir ce document",
    "RA 23h 59' 59\" ":
        "RA 23h 59' 59\" ",
    "DEC -89° 59' 59\" ":
        "DEC -89° 59' 59\" ",
    "30 May 2002 ":
        "30 sept. 2002 ",
    "23:59 ":
        "23:59 ",
    "Slovak Republik:Bratislava    ":
        "Slovak Republik:Bratislava    ",
    "Display program information, version number and copyright\nAbout":
        "Afficher les informations du programme, son numéro de version et son copyright\nÀ propos",
    "Quit the application; prompts to save documents\nExit":
        "Quitter le programme\nQuitter",
    "List Help topics\nHelp Topics":
        "Lister les sujets de l'aide\nSujets de l'aide",
    "Display instructions about how to use help\nHelp":
        "Expliquer comment utiliser l'aide\nAide",
    "Display help for clicked on buttons, menus and windows\nHelp":
        "Afficher l'aide des boutons, menus et fenêtres cliqués\nAide",
    "Display help for current task or command\nHelp":
        "Afficher l'aide de la tâche ou de la commande en cours\nAide",
    "Show or hide the toolbar\nToggle ToolBar":
        "Afficher ou masquer la barre d'outils\nBarre d'outils",
    "Show or hide the status bar\nToggle StatusBar":
        "Afficher ou masquer la barre d'état\nBarre d'état",
    "Sun always higher":
        "Soleil toujours plus haut",
    "Sun always lower":
        "Soleil toujours plus bas",
    "always above the horizon":
        "toujours au-dessus de l'horizon",
    "never rises":
        "ne se lève jamais",
    "not this day":
        "pas ce jour-là",
    "Star":
        "Étoile",
    "Galaxy cluster":
        "Amas de galaxies",
    "Other":
        "Autre",
    "unknown":
        "inconnue",
    "Deep sky object":
        "Objet du ciel profond",
    "none":
        "aucune",
    "Planet":
        "Planète",
    "&Messier":
        "&Messier",
    "On":
        "Oui",
    "Off":
        "Non",
    "&NGC":
        "&NGC",
    "Open Cl&usters":
        "Amas &ouverts",
    "&Glob. Clusters":
        "Amas &globulaires",
    "G&alaxies":
        "G&alaxies",
    "Ne&bulae":
        "Né&buleuses",
    "&Planet. Nebulae":
        "Nébuleuses &planétaires",
    "&Label by":
        "Étiqueter &par",
    "Catalog Number":
        "Numéro de catalogue",
    "Common Name":
        "Nom courant",
    "&Draw as":
        "&Dessiner en",
    "Symbols":
        "Symboles",
    "Bitmaps":
        "Images",
    "Constellation &lines":
        "&Lignes des constellations",
    "Const. &boundaries":
        "Limites des &constellations",
    "Const. l&abels":
        "Noms des co&nstellations",
    "&Ecliptic":
        "&Écliptique",
    "&Deep sky":
        "Ciel &profond",
    "Deep s&ky labels":
        "Étiquettes du ciel p&rofond",
    "&Star names":
        "Noms des &étoiles",
    "&Planet names":
        "Noms des p&lanètes",
    "none: standard time as typed, summer time as this computer keeps it":
        "aucun : heure normale telle que tapée, heure d'été comme cet ordinateur la tient",
    "%1 days":
        "%1 jours",
    "<b>Print Preview</b><p>Shows the printed chart of the field you see, page by page, before anything goes to the printer.</p>":
        "<b>Aperçu avant impression</b><p>Montre la carte imprimée du champ que vous voyez, page par page, avant que rien n'aille à l'imprimante.</p>",
    "<b>Open</b> (Ctrl+O)<p>Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.</p>":
        "<b>Ouvrir</b> (Ctrl+O)<p>Ouvre un fichier image (JPEG, GIF, PCX, TGA, BMP ou TIFF) dans une fenêtre d'image. Le sélecteur de fichiers commence dans le dossier Images du répertoire des données.</p>",
    "<b>Print</b> (Ctrl+P)<p>Prints the field you see as a black-on-white chart.</p>":
        "<b>Imprimer</b> (Ctrl+P)<p>Imprime le champ que vous voyez en carte noir sur blanc.</p>",
    "<b>Grids</b> (G)<p>Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&deg; of declination.</p>":
        "<b>Grilles</b> (G)<p>Affiche ou masque la grille équatoriale : un cercle à chaque heure d'ascension droite et tous les 15&deg; de déclinaison.</p>",
    "<b>Boundaries</b> (B)<p>Shows or hides the boundaries of the 88 constellations and their names.</p>":
        "<b>Limites</b> (B)<p>Affiche ou masque les limites des 88 constellations et leurs noms.</p>",
    "<b>Constellation lines</b> (L)<p>Shows or hides the figures that join the bright stars of each constellation.</p>":
        "<b>Lignes des constellations</b> (L)<p>Affiche ou masque les figures qui relient les étoiles brillantes de chaque constellation.</p>",
    "<b>Deep sky objects</b> (D)<p>Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &gt; Deep Sky Objects chooses which kinds are drawn.</p>":
        "<b>Objets du ciel profond</b> (D)<p>Affiche ou masque les objets Messier et NGC : amas, galaxies et nébuleuses. Réglages &gt; Objets du ciel profond choisit les genres dessinés.</p>",
    "<b>Milky Way</b> (M)<p>Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.</p>":
        "<b>Voie lactée</b> (M)<p>Affiche ou masque la bande de la Voie lactée et les contours des Nuages de Magellan.</p>",
    "<b>Solar System</b> (P)<p>Shows or hides the Sun, the Moon and the planets.</p>":
        "<b>Système solaire</b> (P)<p>Affiche ou masque le Soleil, la Lune et les planètes.</p>",
    "<b>Eyepiece fields</b> (Shift+E)<p>Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &gt; Eyepiece Fields... defines them.</p>":
        "<b>Champs d'oculaires</b> (Shift+E)<p>Affiche ou masque les champs de vos oculaires et caméras autour du milieu de la vue. Affichage &gt; Définir les champs d'oculaires... les définit.</p>",
    "<b>Date and time</b><p>Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.</p>":
        "<b>Date et heure</b><p>Règle la date et l'heure du ciel affiché, de 1901 à 2099, ou revient au présent.</p>",
    "<b>Location</b><p>Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.</p>":
        "<b>Lieu</b><p>Règle le lieu de la Terre d'où vous observez : une ville de la liste, un point de la carte du monde, ou latitude, longitude et fuseau horaire.</p>",
    "<b>Time step</b><p>How far each step of the time animation moves the clock: from real time (one second a second) to one year.</p>":
        "<b>Pas de temps</b><p>De combien chaque pas de l'animation avance l'horloge : du temps réel (une seconde par seconde) à un an.</p>",
    "<b>Animation backward</b> (Ctrl+B)<p>Runs time backwards, one time step after another, until you press Animation stop.</p>":
        "<b>Animation en arrière</b> (Ctrl+B)<p>Fait reculer le temps, pas après pas, jusqu'à ce que vous appuyiez sur Arrêter l'animation.</p>",
    "<b>One step backward</b> ([)<p>Moves the clock back by one time step.</p>":
        "<b>Un pas en arrière</b> ([)<p>Recule l'horloge d'un pas de temps.</p>",
    "<b>Animation stop</b> (Esc)<p>Stops the time animation. The sky stays at the time it has reached.</p>":
        "<b>Arrêter l'animation</b> (Esc)<p>Arrête l'animation du temps. Le ciel reste à l'heure atteinte.</p>",
    "<b>One step forward</b> (])<p>Moves the clock on by one time step.</p>":
        "<b>Un pas en avant</b> (])<p>Avance l'horloge d'un pas de temps.</p>",
    "<b>Animation forward</b> (Ctrl+F)<p>Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.</p>":
        "<b>Animation en avant</b> (Ctrl+F)<p>Fait avancer le temps, pas après pas, jusqu'à ce que vous appuyiez sur Arrêter l'animation. Les menus et les dialogues attendent qu'elle s'arrête.</p>",
    "<b>What's this?</b> (Shift+F1)<p>Click this button, then on any button, menu item or field, to read what it does.</p>":
        "<b>Qu'est-ce que c'est ?</b> (Shift+F1)<p>Cliquez sur ce bouton, puis sur un bouton, un élément de menu ou un champ, pour lire ce qu'il fait.</p>",
    "<b>About Stellix</b><p>Shows the program's version, its licence and where its sky data comes from.</p>":
        "<b>À propos de Stellix</b><p>Montre la version du programme, sa licence et l'origine de ses données du ciel.</p>",
    "<b>Move the field left</b> (Left arrow)<p>The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.</p>":
        "<b>Déplacer le champ vers la gauche</b> (Left arrow)<p>Les étoiles vont vers la gauche : vous voyez davantage du ciel qui était à droite. Le pas est plus petit quand vous zoomez davantage.</p>",
    "<b>Move the field right</b> (Right arrow)<p>The stars move to the right: you see more of the sky that lay to the left.</p>":
        "<b>Déplacer le champ vers la droite</b> (Right arrow)<p>Les étoiles vont vers la droite : vous voyez davantage du ciel qui était à gauche.</p>",
    "<b>Move the field up</b> (Up arrow)<p>The stars move up: you see more of the sky that lay below the middle of the view.</p>":
        "<b>Déplacer le champ vers le haut</b> (Up arrow)<p>Les étoiles montent : vous voyez davantage du ciel qui était sous le milieu de la vue.</p>",
    "<b>Move the field down</b> (Down arrow)<p>The stars move down: you see more of the sky that lay above the middle of the view.</p>":
        "<b>Déplacer le champ vers le bas</b> (Down arrow)<p>Les étoiles descendent : vous voyez davantage du ciel qui était au-dessus du milieu de la vue.</p>",
    "<b>Zoom in</b> (* on the numeric keypad)<p>Doubles the magnification, up to 8192 times.</p>":
        "<b>Zoom avant</b> (* du pavé numérique)<p>Double le grossissement, jusqu'à 8192 fois.</p>",
    "<b>Zoom out</b> (/ on the numeric keypad)<p>Halves the magnification, down to the whole visible half of the sky.</p>":
        "<b>Zoom arrière</b> (/ du pavé numérique)<p>Divise le grossissement par deux, jusqu'à toute la moitié visible du ciel.</p>",
    "<b>Red screen</b> (Shift+R)<p>Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.</p>":
        "<b>Écran rouge</b> (Shift+R)<p>Dessine le ciel et toute la fenêtre en rouge sombre sur noir, ce qui garde vos yeux adaptés à l'obscurité au télescope.</p>",
    "<b>Full screen</b> (Shift+F)<p>Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.</p>":
        "<b>Plein écran</b> (Shift+F)<p>N'affiche que le ciel, sur tout l'écran. Échap ou de nouveau Shift+F, ou le pointeur au bord supérieur, pour revenir.</p>",
    "<b>Equatorial</b> (Ctrl+Q)<p>Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.</p>":
        "<b>Équatorial</b> (Ctrl+Q)<p>Montre le ciel comme une carte céleste, le pôle céleste en haut, comme si la Terre n'était pas là.</p>",
    "<b>Local horizon</b> (Ctrl+H)<p>Shows the sky as you see it from your place, with the ground, the landscape and the compass points.</p>":
        "<b>Horizon local</b> (Ctrl+H)<p>Montre le ciel tel que vous le voyez de votre lieu, avec le sol, le paysage et les points cardinaux.</p>",
    "<b>Help</b> (F1)<p>Opens the user guide at the page of the window you are in.</p>":
        "<b>Aide</b> (F1)<p>Ouvre le guide à la page de la fenêtre où vous êtes.</p>",
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
        "Ce jour-là, les horloges ont avancé de %s : %s n'a pas existé ; l'heure est lue comme %s (%s).",
    "The clocks went back on this day: %s came twice; the first time (%s) is meant.":
        "Ce jour-là, les horloges ont reculé : %s a eu lieu deux fois ; c'est la première fois (%s) qui compte.",
    "%s hour":
        "%s heure",
    "%s hours":
        "%s heures",
    "%s minute":
        "%s minute",
    "%s minutes":
        "%s minutes",
    "galaxy":
        "galaxie",
    "open cluster":
        "amas ouvert",
    "globular cluster":
        "amas globulaire",
    "bright nebula":
        "nébuleuse brillante",
    "planetary nebula":
        "nébuleuse planétaire",
    "galaxy cluster":
        "amas de galaxies",
    "star":
        "étoile",
    "deep-sky object":
        "objet du ciel profond",
    "moon":
        "lune",
    "planet":
        "planète",
    "constellation":
        "constellation",
    # The magnitude limits dialog.
    "&Deep sky objects":
        "Objets du ciel &profond",
    # The telescope, the Altitude Plot window, comets and minor planets, the planets' moons.
    "&Save as PNG/SVG...":
        "&Enregistrer en PNG/SVG...",
    "Altitude Plot - %1":
        "Courbe de hauteur - %1",
    "PNG picture (*.png)":
        "Image PNG (*.png)",
    "SVG drawing (*.svg)":
        "Dessin SVG (*.svg)",
    "Orbital elements (*.DAT *.dat *.txt *.TXT)":
        "Éléments orbitaux (*.DAT *.dat *.txt *.TXT)",
    "All files (*)":
        "Tous les fichiers (*)",
    "Altitude &Plot":
        "Courbe de &hauteur",
    "&Slew Telescope":
        "&Pointer le télescope",
    "T&ools":
        "&Outils",
    "Telescope":
        "Télescope",
    "&Connect":
        "&Connecter",
    "&Disconnect":
        "&Déconnecter",
    "INDI server &host:":
        "&Hôte du serveur INDI :",
    "&Port:":
        "&Port :",
    "&Telescopes the server offers:":
        "&Télescopes proposés par le serveur :",
    "Comets and &Asteroids":
        "Comètes et &astéroïdes",
    "Altitude &Plot...":
        "Co&urbe de hauteur...",
    "&Telescope...":
        "&Télescope...",
    "&Slew to Selected":
        "&Pointer vers l'objet choisi",
    "S&ync to Selected":
        "&Synchroniser sur l'objet choisi",
    "Slew to View &Centre":
        "Pointer vers le &centre de la vue",
    "&Abort Slew":
        "&Arrêter le pointage",
    "&Park":
        "Par&quer",
    "&Unpark":
        "&Déparquer",
    "&Follow the Telescope":
        "Su&ivre le télescope",
    "&Import Orbital Elements...":
        "I&mporter des éléments orbitaux...",
    "Comet %s":
        "Comète %s",
    "Minor planet %s":
        "Petite planète %s",
    "The orbital elements are for %s, more than a year from the date shown: the place may be far off.":
        "Les éléments orbitaux valent pour le %s, à plus d'un an de la date affichée : la position peut être très inexacte.",
    " AU":
        " ua",
    "%s years":
        "%s ans",
    "No orbital elements were imported: %s   ":
        "Aucun élément orbital importé : %s   ",
    "%n orbital elements were read; they are kept in \"%1\" for the next start.": [
        "%n élément orbital lu ; il est conservé dans « %1 » pour le prochain démarrage.",
        "%n éléments orbitaux lus ; ils sont conservés dans « %1 » pour le prochain démarrage.",
    ],
    "The orbital elements could not be kept in \"%s\": %s   ":
        "Les éléments orbitaux n'ont pas pu être conservés dans « %s » : %s   ",
    "%s: the file cannot be read":
        "%s : le fichier est illisible",
    "%s: the file holds no orbital elements":
        "%s : le fichier ne contient aucun élément orbital",
    "%s from %s, the night of %s":
        "%s depuis %s, nuit du %s",
    "Time at the place (%s)":
        "Heure du lieu (%s)",
    "Altitude (°)":
        "Hauteur (°)",
    "Civil twilight":
        "Crépuscule civil",
    "Nautical twilight":
        "Crépuscule nautique",
    "Astronomical twilight":
        "Crépuscule astronomique",
    "Night":
        "Nuit",
    "Transit %s, %s":
        "Passage au méridien %s, %s",
    "Shown %s":
        "Affiché %s",
    "%s: %s %s, Moon %s":
        "%s : %s %s, Lune %s",
    "%s: %s %s":
        "%s : %s %s",
    "Choose the object to plot first: search for it or right-click it.    ":
        "Choisissez d'abord l'objet à tracer : recherchez-le ou cliquez dessus avec le bouton droit.    ",
    "Cannot write %s: %s.    ":
        "Impossible d'écrire %s : %s.    ",
    "No INDI server answers at %s:%s.":
        "Aucun serveur INDI ne répond à %s:%s.",
    "The INDI server at %s:%s closed the connection.":
        "Le serveur INDI à %s:%s a fermé la connexion.",
    "The INDI server offers no telescope called \"%s\".":
        "Le serveur INDI ne propose aucun télescope nommé « %s ».",
    "The telescope %s reported an impossible place: %s.":
        "Le télescope %s a signalé une position impossible : %s.",
    "The telescope %s could not reach its target.":
        "Le télescope %s n'a pas pu atteindre sa cible.",
    "Slewing to %s":
        "Pointage vers %s",
    "Tracking %s":
        "Suivi de %s",
    "Parking %s":
        "Parcage de %s",
    "%s is parked":
        "%s est parqué",
    "Connect a telescope first: Tools > Telescope...":
        "Connectez d'abord un télescope : Outils > Télescope...",
    "Connected to %s":
        "Connecté à %s",
    "%s synced on %s":
        "%s synchronisé sur %s",
    "%s stopped":
        "%s arrêté",
    "The telescope is disconnected":
        "Le télescope est déconnecté",
    "Connecting to %s:%s...":
        "Connexion à %s:%s...",
    "The INDI server at %s:%s offers no telescope.":
        "Le serveur INDI à %s:%s ne propose aucun télescope.",
    "Select an object first: search for it or click it.":
        "Choisissez d'abord un objet : recherchez-le ou cliquez dessus.",
    "The port must be a number from 1 to 65535.":
        "Le port doit être un nombre de 1 à 65535.",
    "the centre of the view":
        "le centre de la vue",
    "The telescope %s did not answer.":
        "Le télescope %s n'a pas répondu.",
    "The telescope %s did not end its slew within %s minutes.":
        "Le télescope %s n'a pas terminé son pointage en %s minutes.",
    "Centre: %s   %s (J2000)":
        "Centre : %s   %s (J2000)",
    "Field: %s x %s":
        "Champ : %s x %s",
    "Magnitudes:":
        "Magnitudes :",
    "Io":
        "Io",
    "Europa":
        "Europe",
    "Ganymede":
        "Ganymède",
    "Callisto":
        "Callisto",
    "Mimas":
        "Mimas",
    "Enceladus":
        "Encelade",
    "Tethys":
        "Téthys",
    "Dione":
        "Dioné",
    "Rhea":
        "Rhéa",
    "Titan":
        "Titan",
    "Hyperion":
        "Hypérion",
    "Iapetus":
        "Japet",
    "Miranda":
        "Miranda",
    "Ariel":
        "Ariel",
    "Umbriel":
        "Umbriel",
    "Titania":
        "Titania",
    "Oberon":
        "Obéron",
    "Phobos":
        "Phobos",
    "Deimos":
        "Déimos",
    "Show or hide the comets and minor planets down to their own magnitude limit\nComets and asteroids":
        "Afficher ou masquer les comètes et petites planètes jusqu'à leur propre magnitude limite\nComètes et astéroïdes",
    "Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file\nImport orbital elements":
        "Importer les éléments orbitaux de comètes ou de petites planètes depuis un fichier MPCORB.DAT ou CometEls.txt\nImporter des éléments orbitaux",
    "Plot the chosen object's altitude through the night, with the Moon and the twilights\nAltitude plot":
        "Tracer la hauteur de l'objet choisi au cours de la nuit, avec la Lune et les crépuscules\nCourbe de hauteur",
    "Connect a telescope through an INDI server\nTelescope":
        "Connecter un télescope par un serveur INDI\nTélescope",
    "Point the telescope at the object you chose\nSlew to selected":
        "Pointer le télescope vers l'objet choisi\nPointer vers l'objet choisi",
    "Tell the telescope that it points at the object you chose\nSync to selected":
        "Indiquer au télescope qu'il pointe l'objet choisi\nSynchroniser sur l'objet choisi",
    "Point the telescope at the middle of the view\nSlew to view centre":
        "Pointer le télescope vers le centre de la vue\nPointer vers le centre de la vue",
    "Stop the telescope's motion at once\nAbort slew":
        "Arrêter immédiatement le mouvement du télescope\nArrêter le pointage",
    "Send the telescope to its park position\nPark":
        "Envoyer le télescope à sa position de parc\nParquer",
    "Wake the telescope from its park position\nUnpark":
        "Sortir le télescope de sa position de parc\nDéparquer",
    "Keep the telescope's place at the middle of the view\nFollow the telescope":
        "Garder la position du télescope au centre de la vue\nSuivre le télescope",
    'Find an object by any of its names, or a place; Shift+Enter opens its card': "Trouver un objet par l'un de ses noms, ou un lieu ; Maj+Entrée ouvre sa fiche",
    'place': 'lieu',
    "Observer's Location": "Lieu d'observation",
    'Set the observer to %1?': "Placer l'observateur à %1 ?",
    'Keep the object at the middle of the view while time runs': "Garder l'objet au milieu de la vue pendant que le temps s'écoule",
    "%1 \u2014 %2": "%1 \u2014 %2",
    '&Go to Coordinates...':
        '&Aller aux coordonnées...',
    'Centre the view on a right ascension and declination or an altitude and azimuth\nGo to coordinates':
        'Centrer la vue sur une ascension droite et une déclinaison ou sur une hauteur et un azimut\nAller aux coordonnées',
    'Go to Coordinates':
        'Aller aux coordonnées',
    'J2000 right ascension and declination':
        'Ascension droite et déclinaison J2000',
    'Right ascension and declination of date':
        'Ascension droite et déclinaison de la date',
    'Altitude and azimuth':
        'Hauteur et azimut',
    '&Frame:':
        '&Repère :',
    '&Altitude:':
        '&Hauteur :',
    '&Right ascension:':
        '&Ascension droite :',
    'A&zimuth (from the north through the east):':
        "A&zimut (du nord vers l'est) :",
    '&Declination:':
        '&Déclinaison :',
    'The right ascension must be hours from 0 to 24 ("5h35m17s", "5 35 17", "5.588h") or degrees from 0 to 360 ("83.82°").':
        'L\'ascension droite doit être en heures de 0 à 24 ("5h35m17s", "5 35 17", "5.588h") ou en degrés de 0 à 360 ("83.82°").',
    'The declination must be degrees from -90 to +90 ("-5°23\'28"", "-5 23 28", "-5.39").':
        'La déclinaison doit être en degrés de -90 à +90 ("-5°23\'28"", "-5 23 28", "-5.39").',
    'The altitude must be degrees from -90 to +90 ("35°30\'", "35 30", "35.5").':
        'La hauteur doit être en degrés de -90 à +90 ("35°30\'", "35 30", "35.5").',
    'The azimuth must be degrees from 0 to 360, from the north through the east ("135°", "135 30", "135.5").':
        'L\'azimut doit être en degrés de 0 à 360, compté du nord vers l\'est ("135°", "135 30", "135.5").',
    "Planet:":
        "Planète :",
    "Separation from the planet:":
        "Écart à la planète :",
    "Position angle:":
        "Angle de position :",
    "Co&mets and asteroids:":
        "Co&mètes et astéroïdes :",
    "Comet":
        "Comète",
    "Minor planet":
        "Petite planète",
}

# The constellations in the language's own names; those not listed keep
# their Latin names (tools/fill_translations.py).
TEXTS.update({
    "Andromeda": "Andromède",
    "Antlia": "Machine pneumatique",
    "Apus": "Oiseau de paradis",
    "Aquarius": "Verseau",
    "Aquila": "Aigle",
    "Ara": "Autel",
    "Aries": "Bélier",
    "Auriga": "Cocher",
    "Boötes": "Bouvier",
    "Caelum": "Burin",
    "Camelopardalis": "Girafe",
    "Canes Venatici": "Chiens de chasse",
    "Canis Major": "Grand Chien",
    "Canis Minor": "Petit Chien",
    "Capricornus": "Capricorne",
    "Carina": "Carène",
    "Cassiopeia": "Cassiopée",
    "Centaurus": "Centaure",
    "Cepheus": "Céphée",
    "Cetus": "Baleine",
    "Chamaeleon": "Caméléon",
    "Circinus": "Compas",
    "Columba": "Colombe",
    "Coma Berenices": "Chevelure de Bérénice",
    "Corona Austrina": "Couronne australe",
    "Corona Borealis": "Couronne boréale",
    "Corvus": "Corbeau",
    "Crater": "Coupe",
    "Crux": "Croix du Sud",
    "Cygnus": "Cygne",
    "Delphinus": "Dauphin",
    "Dorado": "Dorade",
    "Draco": "Dragon",
    "Equuleus": "Petit Cheval",
    "Eridanus": "Éridan",
    "Fornax": "Fourneau",
    "Gemini": "Gémeaux",
    "Grus": "Grue",
    "Hercules": "Hercule",
    "Horologium": "Horloge",
    "Hydra": "Hydre",
    "Hydrus": "Hydre mâle",
    "Indus": "Indien",
    "Lacerta": "Lézard",
    "Leo": "Lion",
    "Leo Minor": "Petit Lion",
    "Lepus": "Lièvre",
    "Libra": "Balance",
    "Lupus": "Loup",
    "Lyra": "Lyre",
    "Mensa": "Table",
    "Microscopium": "Microscope",
    "Monoceros": "Licorne",
    "Musca": "Mouche",
    "Norma": "Règle",
    "Octans": "Octant",
    "Ophiuchus": "Serpentaire",
    "Pavo": "Paon",
    "Pegasus": "Pégase",
    "Perseus": "Persée",
    "Phoenix": "Phénix",
    "Pictor": "Peintre",
    "Pisces": "Poissons",
    "Piscis Austrinus": "Poisson austral",
    "Puppis": "Poupe",
    "Pyxis": "Boussole",
    "Reticulum": "Réticule",
    "Sagitta": "Flèche",
    "Sagittarius": "Sagittaire",
    "Scorpius": "Scorpion",
    "Sculptor": "Sculpteur",
    "Scutum": "Écu de Sobieski",
    "Serpens Caput": "Tête du Serpent",
    "Serpens Cauda": "Queue du Serpent",
    "Sextans": "Sextant",
    "Taurus": "Taureau",
    "Telescopium": "Télescope",
    "Triangulum": "Triangle",
    "Triangulum Australe": "Triangle austral",
    "Tucana": "Toucan",
    "Ursa Major": "Grande Ourse",
    "Ursa Minor": "Petite Ourse",
    "Vela": "Voiles",
    "Virgo": "Vierge",
    "Volans": "Poisson volant",
    "Vulpecula": "Petit Renard",
})

# The toolbar's name, the Latin constellation names' switch and the plot's and PDF's faults.
TEXTS.update({
    "Main toolbar":
        "Barre d'outils principale",
    "Name the constellations in &Latin":
        "Nommer les constellations en &latin",
    "The sky and the printed chart name the constellations in Latin instead of the window's language. Takes effect at once.":
        "Le ciel et la carte imprimée nomment les constellations en latin au lieu de la langue de la fenêtre. Prend effet immédiatement.",
    "the file name must end in .png or .svg":
        "le nom du fichier doit finir par .png ou .svg",
    "the drawing could not be made":
        "le dessin n'a pas pu être fait",
    "the PDF could not be started":
        "le PDF n'a pas pu être commencé",
})

# The comet and minor-planet card.
TEXTS.update({
    'Elongation:': 'Élongation :',
    'Perihelion distance:': 'Distance au périhélie :',
    'Semi-major axis:': 'Demi-grand axe :',
    'Eccentricity:': 'Excentricité :',
    'Inclination:': 'Inclinaison :',
    'Period:': 'Période :',
    "Elements' epoch:": 'Époque des éléments :',
    'Other designations:': 'Autres désignations :',
    'Central meridian (System II):': 'Méridien central (système II) :',
})

TEXTS.update({
    # A constellation in the Search > Constellation list: its name in the
    # language, then the Latin one.
    "%1 (%2)": "%1 (%2)",
    # How much the clocks went forward or back, in the plural forms.
    "%n hour(s)": ["%n heure", "%n heures"],
    "%n minute(s)": ["%n minute", "%n minutes"],
})

TEXTS.update({
    "Triton": "Triton",
})
