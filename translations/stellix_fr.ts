<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAltitudePlotWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Save as PNG/SVG...</source>
        <translation>&amp;Enregistrer en PNG/SVG...</translation>
    </message>
    <message>
        <source>Altitude Plot - %1</source>
        <translation>Courbe de hauteur - %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>CBodyInfoDialog</name>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascension droite (J2000) :</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Déclinaison (J2000) :</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut :</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distance à la Terre :</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distance au Soleil :</translation>
    </message>
    <message>
        <source>Illuminated fraction:</source>
        <translation>Fraction éclairée :</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude :</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Taille angulaire :</translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation>Crépuscule civil :</translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation>Crépuscule nautique :</translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation>Crépuscule astronomique :</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Phase :</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Âge :</translation>
    </message>
    <message>
        <source>Central meridian (System II):</source>
        <translation>Méridien central (système II) :</translation>
    </message>
</context>
<context>
    <name>CBodySearchDialog</name>
    <message>
        <source>Search for Solar System...</source>
        <translation>Rechercher dans le Système solaire...</translation>
    </message>
</context>
<context>
    <name>CColoursDialog</name>
    <message>
        <source>Colors...</source>
        <translation>Couleurs...</translation>
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
        <translation>Date/heure...</translation>
    </message>
    <message>
        <source>Daylight &amp;saving time</source>
        <translation>Heure d&apos;&amp;été</translation>
    </message>
    <message>
        <source>Set to the present time at this place; OK shows its sky.</source>
        <translation>Réglé sur l&apos;heure actuelle en ce lieu ; OK affiche son ciel.</translation>
    </message>
    <message>
        <source>&amp;Now...</source>
        <translation>&amp;Maintenant...</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Décalage :</translation>
    </message>
</context>
<context>
    <name>CDeepSkyDialog</name>
    <message>
        <source>Deep sky objects...</source>
        <translation>Objets du ciel profond...</translation>
    </message>
</context>
<context>
    <name>CDeepSkyInfoDialog</name>
    <message>
        <source>Catalog number:</source>
        <translation>Numéro de catalogue :</translation>
    </message>
    <message>
        <source>Common name:</source>
        <translation>Nom courant :</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascension droite (J2000) :</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Déclinaison (J2000) :</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut :</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Other designations:</source>
        <translation>Autres désignations :</translation>
    </message>
</context>
<context>
    <name>CDialogCommands</name>
    <message>
        <source>Orbital elements (*.DAT *.dat *.txt *.TXT)</source>
        <translation>Éléments orbitaux (*.DAT *.dat *.txt *.TXT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n orbital elements were read; they are kept in &quot;%1&quot; for the next start.</source>
        <translation>
            <numerusform>%n élément orbital lu ; il est conservé dans « %1 » pour le prochain démarrage.</numerusform>
            <numerusform>%n éléments orbitaux lus ; ils sont conservés dans « %1 » pour le prochain démarrage.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFaintStarInfoDialog</name>
    <message>
        <source>HIP number:</source>
        <translation>Numéro HIP :</translation>
    </message>
    <message>
        <source>Designation:</source>
        <translation>Désignation :</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascension droite (J2000) :</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Déclinaison (J2000) :</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut :</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude :</translation>
    </message>
    <message>
        <source>Colour index (B-V):</source>
        <translation>Indice de couleur (B-V) :</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Type spectral :</translation>
    </message>
</context>
<context>
    <name>CFieldsDialog</name>
    <message>
        <source>Eyepiece Fields</source>
        <translation>Champs d&apos;oculaires</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Circle of a given diameter</source>
        <translation>Cercle d&apos;un diamètre donné</translation>
    </message>
    <message>
        <source>Eyepiece on a telescope</source>
        <translation>Oculaire sur un télescope</translation>
    </message>
    <message>
        <source>Camera on a telescope</source>
        <translation>Caméra sur un télescope</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Genre :</translation>
    </message>
    <message>
        <source>&amp;Diameter (arc-minutes):</source>
        <translation>&amp;Diamètre (minutes d&apos;arc) :</translation>
    </message>
    <message>
        <source>&amp;Telescope focal length (mm):</source>
        <translation>Focale du &amp;télescope (mm) :</translation>
    </message>
    <message>
        <source>&amp;Eyepiece focal length (mm):</source>
        <translation>Focale de l&apos;&amp;oculaire (mm) :</translation>
    </message>
    <message>
        <source>A&amp;pparent field (°):</source>
        <translation>Champ a&amp;pparent (°) :</translation>
    </message>
    <message>
        <source>Sensor &amp;width (mm):</source>
        <translation>&amp;Largeur du capteur (mm) :</translation>
    </message>
    <message>
        <source>Sensor &amp;height (mm):</source>
        <translation>&amp;Hauteur du capteur (mm) :</translation>
    </message>
    <message>
        <source>Field on the sky:</source>
        <translation>Champ sur le ciel :</translation>
    </message>
    <message>
        <source>Centre the &amp;fields on the telescope while one is connected</source>
        <translation>Centrer les &amp;champs sur le télescope tant qu&apos;il est connecté</translation>
    </message>
</context>
<context>
    <name>CFindBox</name>
    <message>
        <source>Find (F3)</source>
        <translation>Rechercher (F3)</translation>
    </message>
    <message>
        <source>%1 — %2, %3° %4</source>
        <translation>%1 — %2, %3° %4</translation>
    </message>
    <message>
        <source>up</source>
        <translation>levé</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>sous l&apos;horizon</translation>
    </message>
    <message>
        <source>Find an object by any of its names, or a place; Shift+Enter opens its card</source>
        <translation>Trouver un objet par l&apos;un de ses noms, ou un lieu ; Maj+Entrée ouvre sa fiche</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Observer&apos;s Location</source>
        <translation>Lieu d&apos;observation</translation>
    </message>
    <message>
        <source>Set the observer to %1?</source>
        <translation>Placer l&apos;observateur à %1 ?</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to Coordinates</source>
        <translation>Aller aux coordonnées</translation>
    </message>
    <message>
        <source>J2000 right ascension and declination</source>
        <translation>Ascension droite et déclinaison J2000</translation>
    </message>
    <message>
        <source>Right ascension and declination of date</source>
        <translation>Ascension droite et déclinaison de la date</translation>
    </message>
    <message>
        <source>Altitude and azimuth</source>
        <translation>Hauteur et azimut</translation>
    </message>
    <message>
        <source>&amp;Frame:</source>
        <translation>&amp;Repère :</translation>
    </message>
    <message>
        <source>&amp;Altitude:</source>
        <translation>&amp;Hauteur :</translation>
    </message>
    <message>
        <source>&amp;Right ascension:</source>
        <translation>&amp;Ascension droite :</translation>
    </message>
    <message>
        <source>A&amp;zimuth (from the north through the east):</source>
        <translation>A&amp;zimut (du nord vers l&apos;est) :</translation>
    </message>
    <message>
        <source>&amp;Declination:</source>
        <translation>&amp;Déclinaison :</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.</source>
        <translation>La page du guide. Cliquez sur un lien pour le suivre ; Précédent (Alt+Gauche) et Suivant (Alt+Droite) refont votre chemin.</translation>
    </message>
    <message>
        <source>The guide&apos;s pages in their order, each with its sections. Click one to read it.</source>
        <translation>Les pages du guide dans leur ordre, chacune avec ses sections. Cliquez sur l&apos;une pour la lire.</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Tapez un mot à chercher</translation>
    </message>
    <message>
        <source>Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.</source>
        <translation>Tapez le début d&apos;un mot : l&apos;index ci-dessous garde les entrées qui le contiennent. Entrée ouvre la première.</translation>
    </message>
    <message>
        <source>Every topic of the guide in alphabetical order. Click one to read it.</source>
        <translation>Tous les sujets du guide par ordre alphabétique. Cliquez sur l&apos;un pour le lire.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Revient à la page lue auparavant.</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Avance de nouveau après Précédent.</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>S&amp;ommaire</translation>
    </message>
    <message>
        <source>Goes to the guide&apos;s first page, the list of all its pages.</source>
        <translation>Va à la première page du guide, la liste de toutes ses pages.</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>Explains this window.</source>
        <translation>Explique cette fenêtre.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The user guide has no page &lt;b&gt;%1&lt;/b&gt;: the folder &lt;tt&gt;%2&lt;/tt&gt; should hold it. Installing Stellix again puts the guide back.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Page introuvable&lt;/h1&gt;&lt;p&gt;Le guide n&apos;a pas de page &lt;b&gt;%1&lt;/b&gt; : le dossier &lt;tt&gt;%2&lt;/tt&gt; devrait la contenir. Réinstaller Stellix remet le guide en place.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Aide : %1</translation>
    </message>
</context>
<context>
    <name>CInfoCard</name>
    <message>
        <source>Right ascension (of date):</source>
        <translation>Ascension droite (de la date) :</translation>
    </message>
    <message>
        <source>Declination (of date):</source>
        <translation>Déclinaison (de la date) :</translation>
    </message>
    <message>
        <source>Rise:</source>
        <translation>Lever :</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Passage au méridien :</translation>
    </message>
    <message>
        <source>Transit altitude:</source>
        <translation>Hauteur au méridien :</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Coucher :</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Courbe de &amp;hauteur</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Pointer le télescope</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <translation>S&amp;uivre</translation>
    </message>
    <message>
        <source>Keep the object at the middle of the view while time runs</source>
        <translation>Garder l&apos;objet au milieu de la vue pendant que le temps s&apos;écoule</translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>La langue du système</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>The new language takes effect after a restart of Stellix.</source>
        <translation>La nouvelle langue prend effet au prochain démarrage de Stellix.</translation>
    </message>
    <message>
        <source>Name the constellations in &amp;Latin</source>
        <translation>Nommer les constellations en &amp;latin</translation>
    </message>
    <message>
        <source>The sky and the printed chart name the constellations in Latin instead of the window&apos;s language. Takes effect at once.</source>
        <translation>Le ciel et la carte imprimée nomment les constellations en latin au lieu de la langue de la fenêtre. Prend effet immédiatement.</translation>
    </message>
</context>
<context>
    <name>CListSearchDialog</name>
    <message>
        <source>Search for star...</source>
        <translation>Rechercher une étoile...</translation>
    </message>
    <message>
        <source>Search for constellation...</source>
        <translation>Rechercher une constellation...</translation>
    </message>
    <message>
        <source>Search for NGC...</source>
        <translation>Rechercher un objet NGC...</translation>
    </message>
</context>
<context>
    <name>CLocationDialog</name>
    <message>
        <source>Observer&apos;s Location...</source>
        <translation>Lieu d&apos;observation...</translation>
    </message>
    <message>
        <source>&amp;Enter your location</source>
        <translation>&amp;Entrez votre lieu</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>L&amp;atitude :</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lo&amp;ngitude :</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Fuseau horaire :</translation>
    </message>
    <message>
        <source>hours ahead of Greenwich</source>
        <translation>heures d&apos;avance sur Greenwich</translation>
    </message>
    <message>
        <source>Time zone rules:</source>
        <translation>Règles du fuseau horaire :</translation>
    </message>
    <message>
        <source>Fin&amp;d:</source>
        <translation>Rec&amp;hercher :</translation>
    </message>
    <message>
        <source>&amp;Select location</source>
        <translation>&amp;Choisir un lieu</translation>
    </message>
    <message>
        <source>%1 (%2 on the date set)</source>
        <translation>%1 (%2 à la date réglée)</translation>
    </message>
    <message numerus="yes">
        <source>Type part of a name (%n places)</source>
        <translation>
            <numerusform>Tapez une partie d&apos;un nom (%n lieu)</numerusform>
            <numerusform>Tapez une partie d&apos;un nom (%n lieux)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMagnitudeLimitsDialog</name>
    <message>
        <source>Magnitude limits...</source>
        <translation>Magnitudes limites...</translation>
    </message>
    <message>
        <source>&amp;Auto mode</source>
        <translation>Mode &amp;automatique</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>É&amp;toiles</translation>
    </message>
    <message>
        <source>&amp;Deep sky objects</source>
        <translation>Objets du ciel &amp;profond</translation>
    </message>
    <message>
        <source>Co&amp;mets and asteroids:</source>
        <translation>Co&amp;mètes et astéroïdes :</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&lt;b&gt;The sky&lt;/b&gt;&lt;p&gt;Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Le ciel&lt;/b&gt;&lt;p&gt;Cliquez sur un point pour l&apos;amener au centre ; faites glisser pour tourner le ciel ; la molette de la souris zoome. Un clic droit sur un objet ouvre sa fiche. Les flèches déplacent le champ dans leur direction, * et / du pavé numérique zooment.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Chart Mode</source>
        <translation>Mode de &amp;carte</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>É&amp;toiles</translation>
    </message>
    <message>
        <source>Sky &amp;Background</source>
        <translation>&amp;Fond du ciel</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Temps</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Re&amp;cherche</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Object</source>
        <translation>Objet du ciel &amp;profond</translation>
    </message>
    <message>
        <source>&amp;Horizon Point</source>
        <translation>Point de l&apos;&amp;horizon</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Na&amp;vigation Toolbar</source>
        <translation>Barre de &amp;navigation</translation>
    </message>
    <message>
        <source>Show or hide the navigation toolbar</source>
        <translation>Afficher ou masquer la barre de navigation</translation>
    </message>
    <message>
        <source>Right ascension (J2000) of the sky under the pointer.</source>
        <translation>Ascension droite (J2000) du ciel sous le pointeur.</translation>
    </message>
    <message>
        <source>Declination (J2000) of the sky under the pointer.</source>
        <translation>Déclinaison (J2000) du ciel sous le pointeur.</translation>
    </message>
    <message>
        <source>The observer&apos;s place; Settings &gt; Observer&apos;s Location changes it.</source>
        <translation>Le lieu de l&apos;observateur ; Réglages &gt; Lieu d&apos;observation le change.</translation>
    </message>
    <message>
        <source>The local time of the sky shown, with the time zone&apos;s abbreviation and its offset from Universal Time.</source>
        <translation>L&apos;heure locale du ciel affiché, avec l&apos;abréviation du fuseau horaire et son décalage par rapport au temps universel.</translation>
    </message>
    <message>
        <source>The date of the sky shown.</source>
        <translation>La date du ciel affiché.</translation>
    </message>
    <message>
        <source>Press Esc to leave full screen</source>
        <translation>Échap quitte le plein écran</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barre d&apos;outils principale</translation>
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
        <translation>Rechercher un objet Messier...</translation>
    </message>
    <message>
        <source>Enter catalog number</source>
        <translation>Entrez le numéro de catalogue</translation>
    </message>
</context>
<context>
    <name>CPlanetMoonInfoDialog</name>
    <message>
        <source>Planet:</source>
        <translation>Planète :</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascension droite (J2000) :</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Déclinaison (J2000) :</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut :</translation>
    </message>
    <message>
        <source>Separation from the planet:</source>
        <translation>Écart à la planète :</translation>
    </message>
    <message>
        <source>Position angle:</source>
        <translation>Angle de position :</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distance à la Terre :</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distance au Soleil :</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude :</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Taille angulaire :</translation>
    </message>
</context>
<context>
    <name>CSmallBodyInfoDialog</name>
    <message>
        <source>Designation:</source>
        <translation>Désignation :</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascension droite (J2000) :</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Déclinaison (J2000) :</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut :</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distance à la Terre :</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distance au Soleil :</translation>
    </message>
    <message>
        <source>Elongation:</source>
        <translation>Élongation :</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude :</translation>
    </message>
    <message>
        <source>Perihelion distance:</source>
        <translation>Distance au périhélie :</translation>
    </message>
    <message>
        <source>Semi-major axis:</source>
        <translation>Demi-grand axe :</translation>
    </message>
    <message>
        <source>Eccentricity:</source>
        <translation>Excentricité :</translation>
    </message>
    <message>
        <source>Inclination:</source>
        <translation>Inclinaison :</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Elements&apos; epoch:</source>
        <translation>Époque des éléments :</translation>
    </message>
</context>
<context>
    <name>CSplashWindow</name>
    <message>
        <source>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Data sources and licences...&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Sources des données et licences...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Opens the user guide at the full list of the sky data&apos;s sources, their authors and their licences.</source>
        <translation>Ouvre le guide à la liste complète des sources des données du ciel, de leurs auteurs et de leurs licences.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</source>
        <translation>Un planétarium de bureau. Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure, sans aucune garantie. Données du ciel : Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), base tz, NASA. Cartes des planètes : B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</translation>
    </message>
</context>
<context>
    <name>CStarInfoDialog</name>
    <message>
        <source>HR number:</source>
        <translation>Numéro HR :</translation>
    </message>
    <message>
        <source>Bayer:</source>
        <translation>Bayer :</translation>
    </message>
    <message>
        <source>Flamsteed:</source>
        <translation>Flamsteed :</translation>
    </message>
    <message>
        <source>Proper name:</source>
        <translation>Nom propre :</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascension droite (J2000) :</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Déclinaison (J2000) :</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut :</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude :</translation>
    </message>
    <message>
        <source>Spectral type:</source>
        <translation>Type spectral :</translation>
    </message>
</context>
<context>
    <name>CTelescopeDialog</name>
    <message>
        <source>Telescope</source>
        <translation>Télescope</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connecter</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnecter</translation>
    </message>
    <message>
        <source>INDI server &amp;host:</source>
        <translation>&amp;Hôte du serveur INDI :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;Telescopes the server offers:</source>
        <translation>&amp;Télescopes proposés par le serveur :</translation>
    </message>
</context>
<context>
    <name>CTonightWindow</name>
    <message>
        <source>Tonight</source>
        <translation>Cette nuit</translation>
    </message>
    <message>
        <source>Planets in the night, each at its highest:</source>
        <translation>Planètes de la nuit, chacune à sa plus grande hauteur :</translation>
    </message>
    <message>
        <source>Objects above 30° at:</source>
        <translation>Objets à plus de 30° à :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Moonrise %1, moonset %2</source>
        <translation>Lever de la Lune %1, coucher de la Lune %2</translation>
    </message>
    <message>
        <source>Moonset %1, moonrise %2</source>
        <translation>Coucher de la Lune %1, lever de la Lune %2</translation>
    </message>
    <message>
        <source>Sunset %1; civil twilight ends %2, nautical %3, astronomical %4</source>
        <translation>Coucher du Soleil %1 ; fin du crépuscule civil %2, nautique %3, astronomique %4</translation>
    </message>
    <message>
        <source>%1; %2, illuminated %3</source>
        <translation>%1 ; %2, éclairée à %3</translation>
    </message>
    <message>
        <source>Dark hours without the Moon: %1</source>
        <translation>Heures noires sans la Lune : %1</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Courbe de &amp;hauteur</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Pointer le télescope</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Grids</source>
        <extracomment>Menu item of command 32780; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Grilles</translation>
    </message>
    <message>
        <source>Alt-a&amp;zimuth Grid</source>
        <extracomment>Menu item of command 32825; &amp; marks the letter that chooses it.</extracomment>
        <translation>Grille a&amp;ltazimutale</translation>
    </message>
    <message>
        <source>Meridia&amp;n</source>
        <extracomment>Menu item of command 32826; &amp; marks the letter that chooses it.</extracomment>
        <translation>Méridie&amp;n</translation>
    </message>
    <message>
        <source>&amp;Boundaries</source>
        <extracomment>Menu item of command 32778; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Limites</translation>
    </message>
    <message>
        <source>Constellation &amp;Lines</source>
        <extracomment>Menu item of command 32779; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Lignes des constellations</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Objects</source>
        <extracomment>Menu item of command 32777; &amp; marks the letter that chooses it.</extracomment>
        <translation>Objets du ciel &amp;profond</translation>
    </message>
    <message>
        <source>&amp;Milky Way</source>
        <extracomment>Menu item of command 32781; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Voie lactée</translation>
    </message>
    <message>
        <source>&amp;Solar System Objects</source>
        <extracomment>Menu item of command 32782; &amp; marks the letter that chooses it.</extracomment>
        <translation>Objets du &amp;Système solaire</translation>
    </message>
    <message>
        <source>&amp;Eclipic</source>
        <extracomment>Menu item of command 32804; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Écliptique</translation>
    </message>
    <message>
        <source>Star &amp;Names</source>
        <extracomment>Menu item of command 32796; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Noms des étoiles</translation>
    </message>
    <message>
        <source>D&amp;eep Sky Labels</source>
        <extracomment>Menu item of command 32798; &amp; marks the letter that chooses it.</extracomment>
        <translation>Étiquettes du ciel p&amp;rofond</translation>
    </message>
    <message>
        <source>&amp;Planet Names</source>
        <extracomment>Menu item of command 32797; &amp; marks the letter that chooses it.</extracomment>
        <translation>Noms des &amp;planètes</translation>
    </message>
    <message>
        <source>Stars &amp;Colors</source>
        <extracomment>Menu item of command 32792; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Couleurs des étoiles</translation>
    </message>
    <message>
        <source>&amp;Atmospheric refraction</source>
        <extracomment>Menu item of command 32821; &amp; marks the letter that chooses it.</extracomment>
        <translation>Réfraction &amp;atmosphérique</translation>
    </message>
    <message>
        <source>E&amp;yepiece Fields</source>
        <extracomment>Menu item of command 32823; &amp; marks the letter that chooses it.</extracomment>
        <translation>Champs d&apos;o&amp;culaires</translation>
    </message>
    <message>
        <source>Eyep&amp;iece Fields...</source>
        <extracomment>Menu item of command 32824; &amp; marks the letter that chooses it.</extracomment>
        <translation>Définir les champs d&apos;oc&amp;ulaires...</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <extracomment>Menu item of command 32827; &amp; marks the letter that chooses it.</extracomment>
        <translation>S&amp;uivre</translation>
    </message>
    <message>
        <source>&amp;Red Screen</source>
        <extracomment>Menu item of command 32802; &amp; marks the letter that chooses it.</extracomment>
        <translation>Écran &amp;rouge</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <extracomment>Menu item of command 32803; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <extracomment>Menu item of command 59392; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <extracomment>Menu item of command 59393; &amp; marks the letter that chooses it.</extracomment>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Equatorial</source>
        <extracomment>Menu item of command 32800; &amp; marks the letter that chooses it.</extracomment>
        <translation>Éq&amp;uatorial</translation>
    </message>
    <message>
        <source>&amp;Local Horizon</source>
        <extracomment>Menu item of command 32801; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Horizon local</translation>
    </message>
    <message>
        <source>&amp;Date/Time...</source>
        <extracomment>Menu item of command 32784; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Date/heure...</translation>
    </message>
    <message>
        <source>Observer&apos;s &amp;Location...</source>
        <extracomment>Menu item of command 32785; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Lieu d&apos;observation...</translation>
    </message>
    <message>
        <source>&amp;Magnitude Limits...</source>
        <extracomment>Menu item of command 32787; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Magnitudes limites...</translation>
    </message>
    <message>
        <source>Draw &amp;Points</source>
        <extracomment>Menu item of command 32819; &amp; marks the letter that chooses it.</extracomment>
        <translation>Dessiner en &amp;points</translation>
    </message>
    <message>
        <source>Draw &amp;Bitmaps</source>
        <extracomment>Menu item of command 32820; &amp; marks the letter that chooses it.</extracomment>
        <translation>Dessiner en &amp;images</translation>
    </message>
    <message>
        <source>Deep Sky &amp;Objects...</source>
        <extracomment>Menu item of command 32788; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Objets du ciel profond...</translation>
    </message>
    <message>
        <source>Colo&amp;rs...</source>
        <extracomment>Menu item of command 32790; &amp; marks the letter that chooses it.</extracomment>
        <translation>Coule&amp;urs...</translation>
    </message>
    <message>
        <source>Lan&amp;guage...</source>
        <extracomment>Menu item of command 32850; &amp; marks the letter that chooses it.</extracomment>
        <translation>Lan&amp;gue...</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <extracomment>Menu item of command 32806; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Noir</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <extracomment>Menu item of command 32807; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Coloré</translation>
    </message>
    <message>
        <source>&amp;Star...</source>
        <extracomment>Menu item of command 32808; &amp; marks the letter that chooses it.</extracomment>
        <translation>É&amp;toile...</translation>
    </message>
    <message>
        <source>&amp;Constellation...</source>
        <extracomment>Menu item of command 32810; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Constellation...</translation>
    </message>
    <message>
        <source>S&amp;olar System Object...</source>
        <extracomment>Menu item of command 32809; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Objet du Système solaire...</translation>
    </message>
    <message>
        <source>&amp;Messier Catalog...</source>
        <extracomment>Menu item of command 32811; &amp; marks the letter that chooses it.</extracomment>
        <translation>Catalogue &amp;Messier...</translation>
    </message>
    <message>
        <source>&amp;NGC Catalog...</source>
        <extracomment>Menu item of command 32812; &amp; marks the letter that chooses it.</extracomment>
        <translation>Catalogue &amp;NGC...</translation>
    </message>
    <message>
        <source>&amp;Tonight...</source>
        <extracomment>Menu item of command 32822; &amp; marks the letter that chooses it.</extracomment>
        <translation>Cette &amp;nuit...</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <extracomment>Menu item of command 32813; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Est</translation>
    </message>
    <message>
        <source>&amp;West</source>
        <extracomment>Menu item of command 32814; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ouest</translation>
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
        <translation>&amp;Zénith</translation>
    </message>
    <message>
        <source>Na&amp;dir</source>
        <extracomment>Menu item of command 32818; &amp; marks the letter that chooses it.</extracomment>
        <translation>Na&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Real Time</source>
        <extracomment>Menu item of command 32829; &amp; marks the letter that chooses it.</extracomment>
        <translation>Temps &amp;réel</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <extracomment>Menu item of command 57601; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>Menu item of command 57607; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <extracomment>Menu item of command 57609; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <extracomment>Menu item of command 57606; &amp; marks the letter that chooses it.</extracomment>
        <translation>Configuration de l&apos;imp&amp;ression...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <extracomment>Menu item of command 57616; &amp; marks the letter that chooses it.</extracomment>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item of command 57665; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Menu item of command 57667; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <extracomment>Menu item of command 57668; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Stellix...</source>
        <extracomment>Menu item of command 57664; &amp; marks the letter that chooses it.</extracomment>
        <translation>À &amp;propos de Stellix...</translation>
    </message>
    <message>
        <source>Comets and &amp;Asteroids</source>
        <extracomment>Menu item of command 32830; &amp; marks the letter that chooses it.</extracomment>
        <translation>Comètes et &amp;astéroïdes</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot...</source>
        <extracomment>Menu item of command 32840; &amp; marks the letter that chooses it.</extracomment>
        <translation>Co&amp;urbe de hauteur...</translation>
    </message>
    <message>
        <source>&amp;Telescope...</source>
        <extracomment>Menu item of command 32860; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Télescope...</translation>
    </message>
    <message>
        <source>&amp;Slew to Selected</source>
        <extracomment>Menu item of command 32861; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Pointer vers l&apos;objet choisi</translation>
    </message>
    <message>
        <source>S&amp;ync to Selected</source>
        <extracomment>Menu item of command 32862; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Synchroniser sur l&apos;objet choisi</translation>
    </message>
    <message>
        <source>Slew to View &amp;Centre</source>
        <extracomment>Menu item of command 32863; &amp; marks the letter that chooses it.</extracomment>
        <translation>Pointer vers le &amp;centre de la vue</translation>
    </message>
    <message>
        <source>&amp;Abort Slew</source>
        <extracomment>Menu item of command 32864; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Arrêter le pointage</translation>
    </message>
    <message>
        <source>&amp;Park</source>
        <extracomment>Menu item of command 32865; &amp; marks the letter that chooses it.</extracomment>
        <translation>Par&amp;quer</translation>
    </message>
    <message>
        <source>&amp;Unpark</source>
        <extracomment>Menu item of command 32866; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Déparquer</translation>
    </message>
    <message>
        <source>&amp;Follow the Telescope</source>
        <extracomment>Menu item of command 32867; &amp; marks the letter that chooses it.</extracomment>
        <translation>Su&amp;ivre le télescope</translation>
    </message>
    <message>
        <source>&amp;Import Orbital Elements...</source>
        <extracomment>Menu item of command 32831; &amp; marks the letter that chooses it.</extracomment>
        <translation>I&amp;mporter des éléments orbitaux...</translation>
    </message>
    <message>
        <source>&amp;Go to Coordinates...</source>
        <extracomment>Menu item of command 32875; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Aller aux coordonnées...</translation>
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
        <translation>Andromède</translation>
    </message>
    <message>
        <source>Antlia</source>
        <translation>Machine pneumatique</translation>
    </message>
    <message>
        <source>Apus</source>
        <translation>Oiseau de paradis</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Aquila</source>
        <translation>Aigle</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>Autel</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Auriga</source>
        <translation>Cocher</translation>
    </message>
    <message>
        <source>Boötes</source>
        <translation>Bouvier</translation>
    </message>
    <message>
        <source>Caelum</source>
        <translation>Burin</translation>
    </message>
    <message>
        <source>Camelopardalis</source>
        <translation>Girafe</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Canes Venatici</source>
        <translation>Chiens de chasse</translation>
    </message>
    <message>
        <source>Canis Major</source>
        <translation>Grand Chien</translation>
    </message>
    <message>
        <source>Canis Minor</source>
        <translation>Petit Chien</translation>
    </message>
    <message>
        <source>Capricornus</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Carina</source>
        <translation>Carène</translation>
    </message>
    <message>
        <source>Cassiopeia</source>
        <translation>Cassiopée</translation>
    </message>
    <message>
        <source>Centaurus</source>
        <translation>Centaure</translation>
    </message>
    <message>
        <source>Cepheus</source>
        <translation>Céphée</translation>
    </message>
    <message>
        <source>Cetus</source>
        <translation>Baleine</translation>
    </message>
    <message>
        <source>Chamaeleon</source>
        <translation>Caméléon</translation>
    </message>
    <message>
        <source>Circinus</source>
        <translation>Compas</translation>
    </message>
    <message>
        <source>Columba</source>
        <translation>Colombe</translation>
    </message>
    <message>
        <source>Coma Berenices</source>
        <translation>Chevelure de Bérénice</translation>
    </message>
    <message>
        <source>Corona Austrina</source>
        <translation>Couronne australe</translation>
    </message>
    <message>
        <source>Corona Borealis</source>
        <translation>Couronne boréale</translation>
    </message>
    <message>
        <source>Corvus</source>
        <translation>Corbeau</translation>
    </message>
    <message>
        <source>Crater</source>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>Crux</source>
        <translation>Croix du Sud</translation>
    </message>
    <message>
        <source>Cygnus</source>
        <translation>Cygne</translation>
    </message>
    <message>
        <source>Delphinus</source>
        <translation>Dauphin</translation>
    </message>
    <message>
        <source>Dorado</source>
        <translation>Dorade</translation>
    </message>
    <message>
        <source>Draco</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>Equuleus</source>
        <translation>Petit Cheval</translation>
    </message>
    <message>
        <source>Eridanus</source>
        <translation>Éridan</translation>
    </message>
    <message>
        <source>Fornax</source>
        <translation>Fourneau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Grus</source>
        <translation>Grue</translation>
    </message>
    <message>
        <source>Hercules</source>
        <translation>Hercule</translation>
    </message>
    <message>
        <source>Horologium</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Hydra</source>
        <translation>Hydre</translation>
    </message>
    <message>
        <source>Hydrus</source>
        <translation>Hydre mâle</translation>
    </message>
    <message>
        <source>Indus</source>
        <translation>Indien</translation>
    </message>
    <message>
        <source>Lacerta</source>
        <translation>Lézard</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Leo Minor</source>
        <translation>Petit Lion</translation>
    </message>
    <message>
        <source>Lepus</source>
        <translation>Lièvre</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Lupus</source>
        <translation>Loup</translation>
    </message>
    <message>
        <source>Lynx</source>
        <translation>Lynx</translation>
    </message>
    <message>
        <source>Lyra</source>
        <translation>Lyre</translation>
    </message>
    <message>
        <source>Mensa</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Microscopium</source>
        <translation>Microscope</translation>
    </message>
    <message>
        <source>Monoceros</source>
        <translation>Licorne</translation>
    </message>
    <message>
        <source>Musca</source>
        <translation>Mouche</translation>
    </message>
    <message>
        <source>Norma</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Octans</source>
        <translation>Octant</translation>
    </message>
    <message>
        <source>Ophiuchus</source>
        <translation>Serpentaire</translation>
    </message>
    <message>
        <source>Orion</source>
        <translation>Orion</translation>
    </message>
    <message>
        <source>Pavo</source>
        <translation>Paon</translation>
    </message>
    <message>
        <source>Pegasus</source>
        <translation>Pégase</translation>
    </message>
    <message>
        <source>Perseus</source>
        <translation>Persée</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Phénix</translation>
    </message>
    <message>
        <source>Pictor</source>
        <translation>Peintre</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>Piscis Austrinus</source>
        <translation>Poisson austral</translation>
    </message>
    <message>
        <source>Puppis</source>
        <translation>Poupe</translation>
    </message>
    <message>
        <source>Pyxis</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>Reticulum</source>
        <translation>Réticule</translation>
    </message>
    <message>
        <source>Sagitta</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Scorpius</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sculptor</source>
        <translation>Sculpteur</translation>
    </message>
    <message>
        <source>Scutum</source>
        <translation>Écu de Sobieski</translation>
    </message>
    <message>
        <source>Serpens Caput</source>
        <translation>Tête du Serpent</translation>
    </message>
    <message>
        <source>Serpens Cauda</source>
        <translation>Queue du Serpent</translation>
    </message>
    <message>
        <source>Sextans</source>
        <translation>Sextant</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Telescopium</source>
        <translation>Télescope</translation>
    </message>
    <message>
        <source>Triangulum</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Triangulum Australe</source>
        <translation>Triangle austral</translation>
    </message>
    <message>
        <source>Tucana</source>
        <translation>Toucan</translation>
    </message>
    <message>
        <source>Ursa Major</source>
        <translation>Grande Ourse</translation>
    </message>
    <message>
        <source>Ursa Minor</source>
        <translation>Petite Ourse</translation>
    </message>
    <message>
        <source>Vela</source>
        <translation>Voiles</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Volans</source>
        <translation>Poisson volant</translation>
    </message>
    <message>
        <source>Vulpecula</source>
        <translation>Petit Renard</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>&lt;b&gt;Time step&lt;/b&gt;&lt;p&gt;How far each step of the time animation moves the clock: from real time (one second a second) to one year.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 1032.</extracomment>
        <translation>&lt;b&gt;Pas de temps&lt;/b&gt;&lt;p&gt;De combien chaque pas de l&apos;animation avance l&apos;horloge : du temps réel (une seconde par seconde) à un an.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field left&lt;/b&gt; (Left arrow)&lt;p&gt;The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32771.</extracomment>
        <translation>&lt;b&gt;Déplacer le champ vers la gauche&lt;/b&gt; (Left arrow)&lt;p&gt;Les étoiles vont vers la gauche : vous voyez davantage du ciel qui était à droite. Le pas est plus petit quand vous zoomez davantage.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field right&lt;/b&gt; (Right arrow)&lt;p&gt;The stars move to the right: you see more of the sky that lay to the left.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32772.</extracomment>
        <translation>&lt;b&gt;Déplacer le champ vers la droite&lt;/b&gt; (Right arrow)&lt;p&gt;Les étoiles vont vers la droite : vous voyez davantage du ciel qui était à gauche.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field up&lt;/b&gt; (Up arrow)&lt;p&gt;The stars move up: you see more of the sky that lay below the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32773.</extracomment>
        <translation>&lt;b&gt;Déplacer le champ vers le haut&lt;/b&gt; (Up arrow)&lt;p&gt;Les étoiles montent : vous voyez davantage du ciel qui était sous le milieu de la vue.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field down&lt;/b&gt; (Down arrow)&lt;p&gt;The stars move down: you see more of the sky that lay above the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32774.</extracomment>
        <translation>&lt;b&gt;Déplacer le champ vers le bas&lt;/b&gt; (Down arrow)&lt;p&gt;Les étoiles descendent : vous voyez davantage du ciel qui était au-dessus du milieu de la vue.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom out&lt;/b&gt; (/ on the numeric keypad)&lt;p&gt;Halves the magnification, down to the whole visible half of the sky.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32776.</extracomment>
        <translation>&lt;b&gt;Zoom arrière&lt;/b&gt; (/ du pavé numérique)&lt;p&gt;Divise le grossissement par deux, jusqu&apos;à toute la moitié visible du ciel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deep sky objects&lt;/b&gt; (D)&lt;p&gt;Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &amp;gt; Deep Sky Objects chooses which kinds are drawn.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32777.</extracomment>
        <translation>&lt;b&gt;Objets du ciel profond&lt;/b&gt; (D)&lt;p&gt;Affiche ou masque les objets Messier et NGC : amas, galaxies et nébuleuses. Réglages &amp;gt; Objets du ciel profond choisit les genres dessinés.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Boundaries&lt;/b&gt; (B)&lt;p&gt;Shows or hides the boundaries of the 88 constellations and their names.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32778.</extracomment>
        <translation>&lt;b&gt;Limites&lt;/b&gt; (B)&lt;p&gt;Affiche ou masque les limites des 88 constellations et leurs noms.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Constellation lines&lt;/b&gt; (L)&lt;p&gt;Shows or hides the figures that join the bright stars of each constellation.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32779.</extracomment>
        <translation>&lt;b&gt;Lignes des constellations&lt;/b&gt; (L)&lt;p&gt;Affiche ou masque les figures qui relient les étoiles brillantes de chaque constellation.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Grids&lt;/b&gt; (G)&lt;p&gt;Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&amp;deg; of declination.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32780.</extracomment>
        <translation>&lt;b&gt;Grilles&lt;/b&gt; (G)&lt;p&gt;Affiche ou masque la grille équatoriale : un cercle à chaque heure d&apos;ascension droite et tous les 15&amp;deg; de déclinaison.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Milky Way&lt;/b&gt; (M)&lt;p&gt;Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32781.</extracomment>
        <translation>&lt;b&gt;Voie lactée&lt;/b&gt; (M)&lt;p&gt;Affiche ou masque la bande de la Voie lactée et les contours des Nuages de Magellan.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solar System&lt;/b&gt; (P)&lt;p&gt;Shows or hides the Sun, the Moon and the planets.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32782.</extracomment>
        <translation>&lt;b&gt;Système solaire&lt;/b&gt; (P)&lt;p&gt;Affiche ou masque le Soleil, la Lune et les planètes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Date and time&lt;/b&gt;&lt;p&gt;Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32784.</extracomment>
        <translation>&lt;b&gt;Date et heure&lt;/b&gt;&lt;p&gt;Règle la date et l&apos;heure du ciel affiché, de 1901 à 2099, ou revient au présent.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Location&lt;/b&gt;&lt;p&gt;Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32785.</extracomment>
        <translation>&lt;b&gt;Lieu&lt;/b&gt;&lt;p&gt;Règle le lieu de la Terre d&apos;où vous observez : une ville de la liste, un point de la carte du monde, ou latitude, longitude et fuseau horaire.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation backward&lt;/b&gt; (Ctrl+B)&lt;p&gt;Runs time backwards, one time step after another, until you press Animation stop.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32789.</extracomment>
        <translation>&lt;b&gt;Animation en arrière&lt;/b&gt; (Ctrl+B)&lt;p&gt;Fait reculer le temps, pas après pas, jusqu&apos;à ce que vous appuyiez sur Arrêter l&apos;animation.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step backward&lt;/b&gt; ([)&lt;p&gt;Moves the clock back by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32791.</extracomment>
        <translation>&lt;b&gt;Un pas en arrière&lt;/b&gt; ([)&lt;p&gt;Recule l&apos;horloge d&apos;un pas de temps.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation stop&lt;/b&gt; (Esc)&lt;p&gt;Stops the time animation. The sky stays at the time it has reached.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32793.</extracomment>
        <translation>&lt;b&gt;Arrêter l&apos;animation&lt;/b&gt; (Esc)&lt;p&gt;Arrête l&apos;animation du temps. Le ciel reste à l&apos;heure atteinte.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step forward&lt;/b&gt; (])&lt;p&gt;Moves the clock on by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32794.</extracomment>
        <translation>&lt;b&gt;Un pas en avant&lt;/b&gt; (])&lt;p&gt;Avance l&apos;horloge d&apos;un pas de temps.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation forward&lt;/b&gt; (Ctrl+F)&lt;p&gt;Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32795.</extracomment>
        <translation>&lt;b&gt;Animation en avant&lt;/b&gt; (Ctrl+F)&lt;p&gt;Fait avancer le temps, pas après pas, jusqu&apos;à ce que vous appuyiez sur Arrêter l&apos;animation. Les menus et les dialogues attendent qu&apos;elle s&apos;arrête.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Equatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32800.</extracomment>
        <translation>&lt;b&gt;Équatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Montre le ciel comme une carte céleste, le pôle céleste en haut, comme si la Terre n&apos;était pas là.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Local horizon&lt;/b&gt; (Ctrl+H)&lt;p&gt;Shows the sky as you see it from your place, with the ground, the landscape and the compass points.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32801.</extracomment>
        <translation>&lt;b&gt;Horizon local&lt;/b&gt; (Ctrl+H)&lt;p&gt;Montre le ciel tel que vous le voyez de votre lieu, avec le sol, le paysage et les points cardinaux.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Red screen&lt;/b&gt; (Shift+R)&lt;p&gt;Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32802.</extracomment>
        <translation>&lt;b&gt;Écran rouge&lt;/b&gt; (Shift+R)&lt;p&gt;Dessine le ciel et toute la fenêtre en rouge sombre sur noir, ce qui garde vos yeux adaptés à l&apos;obscurité au télescope.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Full screen&lt;/b&gt; (Shift+F)&lt;p&gt;Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32803.</extracomment>
        <translation>&lt;b&gt;Plein écran&lt;/b&gt; (Shift+F)&lt;p&gt;N&apos;affiche que le ciel, sur tout l&apos;écran. Échap ou de nouveau Shift+F, ou le pointeur au bord supérieur, pour revenir.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Eyepiece fields&lt;/b&gt; (Shift+E)&lt;p&gt;Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &amp;gt; Eyepiece Fields... defines them.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32823.</extracomment>
        <translation>&lt;b&gt;Champs d&apos;oculaires&lt;/b&gt; (Shift+E)&lt;p&gt;Affiche ou masque les champs de vos oculaires et caméras autour du milieu de la vue. Affichage &amp;gt; Définir les champs d&apos;oculaires... les définit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt; (Ctrl+O)&lt;p&gt;Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57601.</extracomment>
        <translation>&lt;b&gt;Ouvrir&lt;/b&gt; (Ctrl+O)&lt;p&gt;Ouvre un fichier image (JPEG, GIF, PCX, TGA, BMP ou TIFF) dans une fenêtre d&apos;image. Le sélecteur de fichiers commence dans le dossier Images du répertoire des données.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt; (Ctrl+P)&lt;p&gt;Prints the field you see as a black-on-white chart.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57607.</extracomment>
        <translation>&lt;b&gt;Imprimer&lt;/b&gt; (Ctrl+P)&lt;p&gt;Imprime le champ que vous voyez en carte noir sur blanc.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Preview&lt;/b&gt;&lt;p&gt;Shows the printed chart of the field you see, page by page, before anything goes to the printer.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57609.</extracomment>
        <translation>&lt;b&gt;Aperçu avant impression&lt;/b&gt;&lt;p&gt;Montre la carte imprimée du champ que vous voyez, page par page, avant que rien n&apos;aille à l&apos;imprimante.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;About Stellix&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version, its licence and where its sky data comes from.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57664.</extracomment>
        <translation>&lt;b&gt;À propos de Stellix&lt;/b&gt;&lt;p&gt;Montre la version du programme, sa licence et l&apos;origine de ses données du ciel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s this?&lt;/b&gt; (Shift+F1)&lt;p&gt;Click this button, then on any button, menu item or field, to read what it does.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57669.</extracomment>
        <translation>&lt;b&gt;Qu&apos;est-ce que c&apos;est ?&lt;/b&gt; (Shift+F1)&lt;p&gt;Cliquez sur ce bouton, puis sur un bouton, un élément de menu ou un champ, pour lire ce qu&apos;il fait.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1)&lt;p&gt;Opens the user guide at the page of the window you are in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57670.</extracomment>
        <translation>&lt;b&gt;Aide&lt;/b&gt; (F1)&lt;p&gt;Ouvre le guide à la page de la fenêtre où vous êtes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom in&lt;/b&gt; (* on the numeric keypad)&lt;p&gt;Doubles the magnification, up to 8192 times.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32775.</extracomment>
        <translation>&lt;b&gt;Zoom avant&lt;/b&gt; (* du pavé numérique)&lt;p&gt;Double le grossissement, jusqu&apos;à 8192 fois.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>astro</name>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle Lune</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine Lune</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Dernier croissant</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>le nom du fichier doit finir par .png ou .svg</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>le dessin n&apos;a pas pu être fait</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>le PDF n&apos;a pas pu être commencé</translation>
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
Document Stellix</translation>
    </message>
    <message>
        <source>Stellix</source>
        <extracomment>String 200. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stellix</translation>
    </message>
    <message>
        <source>Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||</source>
        <extracomment>String 219. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fichiers JPEG(*.JPG)|*.JPG|Fichiers GIF(*.GIF)|*.GIF|Fichiers PCX(*.PCX)|*.PCX|Fichiers Targa(*.TGA)|*.TGA|Fichiers BMP(*.BMP)|*.BMP|Fichiers TIFF(*.TIF)|*.TIF||</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%s&quot; file !   </source>
        <extracomment>String 300. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier « %s » !   </translation>
    </message>
    <message>
        <source>Object under horizon. Not visible.   </source>
        <extracomment>String 301. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objet sous l&apos;horizon. Invisible.   </translation>
    </message>
    <message>
        <source>Select star or press &apos; Cancel &apos;.    </source>
        <extracomment>String 302. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Choisissez une étoile ou appuyez sur « Annuler ».    </translation>
    </message>
    <message>
        <source>Select constellation or press &apos; Cancel &apos;.    </source>
        <extracomment>String 303. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Choisissez une constellation ou appuyez sur « Annuler ».    </translation>
    </message>
    <message>
        <source>Enter Messier number or press &apos; Cancel &apos;.    </source>
        <extracomment>String 304. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Entrez un numéro Messier ou appuyez sur « Annuler ».    </translation>
    </message>
    <message>
        <source>Wrong catalog number !    </source>
        <extracomment>String 305. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Numéro de catalogue erroné !    </translation>
    </message>
    <message>
        <source>Select NGC object or press &apos; Cancel &apos;.    </source>
        <extracomment>String 306. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Choisissez un objet NGC ou appuyez sur « Annuler ».    </translation>
    </message>
    <message>
        <source>Animation has no effect when the Solar System is disabled in Equatorial mode !    </source>
        <extracomment>String 307. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>L&apos;animation est sans effet quand le Système solaire est désactivé en mode équatorial !    </translation>
    </message>
    <message>
        <source>Can&apos;t initialize rendering context for OpenGL !    </source>
        <extracomment>String 308. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossible de créer le contexte de rendu OpenGL !    </translation>
    </message>
    <message>
        <source>Couldn&apos;t load the image &quot;%s&quot; !    </source>
        <extracomment>String 309. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossible de charger l&apos;image « %s » !    </translation>
    </message>
    <message>
        <source>Set your display to High Color or more to run Stellix !    </source>
        <extracomment>String 311. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Réglez votre écran sur au moins High Color (16 bits) pour utiliser Stellix !    </translation>
    </message>
    <message>
        <source>You have entered wrong number! It must be from %d to %d.    </source>
        <extracomment>String 317. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Vous avez entré un nombre erroné ! Il doit être compris entre %d et %d.    </translation>
    </message>
    <message>
        <source>Can&apos;t write the settings file &quot;%s&quot; !   </source>
        <extracomment>String 320. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossible d&apos;écrire le fichier de réglages « %s » !   </translation>
    </message>
    <message>
        <source>Unknown DIB file format.</source>
        <extracomment>String 330. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Format de fichier DIB inconnu.</translation>
    </message>
    <message>
        <source>Image file conversion error.</source>
        <extracomment>String 331. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Erreur de conversion du fichier image.</translation>
    </message>
    <message>
        <source>Failed to open DIB file %s.
</source>
        <extracomment>String 332: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier DIB %s.
</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <extracomment>String 333. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>String 334. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Settings out of range in &quot;%s&quot; were replaced by the nearest allowed values: %s   </source>
        <extracomment>String 340. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Des réglages hors limites dans « %s » ont été remplacés par les valeurs permises les plus proches : %s   </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: %s. The sky is shown without those records.   </source>
        <extracomment>String 341. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le fichier « %s » est endommagé : %s. Le ciel est affiché sans ces enregistrements.   </translation>
    </message>
    <message>
        <source>records %s to %s are missing</source>
        <extracomment>String 342. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>les enregistrements %s à %s manquent</translation>
    </message>
    <message>
        <source>record %s is missing</source>
        <extracomment>String 343. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>l&apos;enregistrement %s manque</translation>
    </message>
    <message>
        <source>record %s is unusable (%s)</source>
        <extracomment>String 344. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>l&apos;enregistrement %s est inutilisable (%s)</translation>
    </message>
    <message>
        <source>%s records are unusable, the first record %s (%s)</source>
        <extracomment>String 345. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s enregistrements sont inutilisables, le premier enregistrement %s (%s)</translation>
    </message>
    <message>
        <source>a coordinate out of range or not a number</source>
        <extracomment>String 346. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>une coordonnée hors limites ou qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a magnitude out of range or not a number</source>
        <extracomment>String 347. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>une magnitude hors limites ou qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a label offset beyond 1000 pixels</source>
        <extracomment>String 348. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un décalage d&apos;étiquette de plus de 1000 pixels</translation>
    </message>
    <message>
        <source>a position angle or an axis out of range or not a number</source>
        <extracomment>String 349. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un angle de position ou un axe hors limites ou qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a longitude, latitude, minute or time zone out of range</source>
        <extracomment>String 350. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>une longitude, latitude, minute ou un fuseau horaire hors limites</translation>
    </message>
    <message>
        <source>a line that does not read as its numbers</source>
        <extracomment>String 351. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>une ligne qui ne se lit pas comme ses nombres</translation>
    </message>
    <message>
        <source>The texture file &quot;%s&quot; cannot be used: %s   </source>
        <extracomment>String 352. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le fichier de texture « %s » est inutilisable : %s   </translation>
    </message>
    <message>
        <source>it is not a BMP file.</source>
        <extracomment>String 353. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>ce n&apos;est pas un fichier BMP.</translation>
    </message>
    <message>
        <source>a proper motion or parallax out of range or not a number</source>
        <extracomment>String 354. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un mouvement propre ou une parallaxe hors limites ou qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a time zone that this computer&apos;s tzdata does not know</source>
        <extracomment>String 355. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>un fuseau horaire que la tzdata de cet ordinateur ne connaît pas</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: its header is not one this program reads. The sky is shown without that file.   </source>
        <extracomment>String 356. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le fichier « %s » est endommagé : son en-tête n&apos;est pas de ceux que ce programme lit. Le ciel est affiché sans ce fichier.   </translation>
    </message>
    <message>
        <source>Give the field a name.    </source>
        <extracomment>String 360. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Donnez un nom au champ.    </translation>
    </message>
    <message>
        <source>%s must be a number from %s to %s.    </source>
        <extracomment>String 361. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s doit être un nombre de %s à %s.    </translation>
    </message>
    <message>
        <source>This field would be %s wide; a field may be at most %s wide.    </source>
        <extracomment>String 362. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ce champ ferait %s de large ; un champ peut faire au plus %s de large.    </translation>
    </message>
    <message>
        <source>There is room for %s fields; remove one to add another.    </source>
        <extracomment>String 363. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Il y a de la place pour %s champs ; supprimez-en un pour en ajouter un autre.    </translation>
    </message>
    <message>
        <source>near %s (%s km)</source>
        <extracomment>String 364. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>près de %s (%s km)</translation>
    </message>
    <message>
        <source>Following %s</source>
        <extracomment>String 365. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Suivi de %s</translation>
    </message>
    <message>
        <source>Choose the object to follow first: search for it, then press T.    </source>
        <extracomment>String 366. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Choisissez d&apos;abord l&apos;objet à suivre : recherchez-le, puis appuyez sur T.    </translation>
    </message>
    <message>
        <source>Moon</source>
        <extracomment>String 500. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Sun</source>
        <extracomment>String 501. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>String 502. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>String 503. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Vénus</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Uranus</source>
        <extracomment>String 507. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <extracomment>String 508. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>String 509. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pluton</translation>
    </message>
    <message>
        <source>Constellation line.    </source>
        <extracomment>String 510. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ligne de constellation.    </translation>
    </message>
    <message>
        <source>Constellation boundary.    </source>
        <extracomment>String 511. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Limite de constellation.    </translation>
    </message>
    <message>
        <source>Right ascension grid line.    </source>
        <extracomment>String 512. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ligne de la grille d&apos;ascension droite.    </translation>
    </message>
    <message>
        <source>Declination grid line.    </source>
        <extracomment>String 513. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ligne de la grille de déclinaison.    </translation>
    </message>
    <message>
        <source>Ecliptic line.    </source>
        <extracomment>String 514. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Écliptique.    </translation>
    </message>
    <message>
        <source> million km</source>
        <extracomment>String 516. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> millions de km</translation>
    </message>
    <message>
        <source>Open cluster</source>
        <extracomment>String 517. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Amas ouvert</translation>
    </message>
    <message>
        <source>Globular cluster</source>
        <extracomment>String 518. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Amas globulaire</translation>
    </message>
    <message>
        <source>Galaxy</source>
        <extracomment>String 519. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Galaxie</translation>
    </message>
    <message>
        <source>Nebula</source>
        <extracomment>String 520. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nébuleuse</translation>
    </message>
    <message>
        <source>Planetary nebula</source>
        <extracomment>String 521. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nébuleuse planétaire</translation>
    </message>
    <message>
        <source> Real time</source>
        <extracomment>String 522. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> Temps réel</translation>
    </message>
    <message>
        <source> 10 minutes</source>
        <extracomment>String 523. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 10 minutes</translation>
    </message>
    <message>
        <source> 30 minutes</source>
        <extracomment>String 524. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 30 minutes</translation>
    </message>
    <message>
        <source> 1 hour</source>
        <extracomment>String 525. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 heure</translation>
    </message>
    <message>
        <source> 1 day</source>
        <extracomment>String 526. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 jour</translation>
    </message>
    <message>
        <source> 7 days</source>
        <extracomment>String 527. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 7 jours</translation>
    </message>
    <message>
        <source> 1 month</source>
        <extracomment>String 528. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 mois</translation>
    </message>
    <message>
        <source> 1 year</source>
        <extracomment>String 529. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 an</translation>
    </message>
    <message>
        <source>Large Magellanic Cloud.    </source>
        <extracomment>String 530. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Grand Nuage de Magellan.    </translation>
    </message>
    <message>
        <source>Small Magellanic Cloud.    </source>
        <extracomment>String 531. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Petit Nuage de Magellan.    </translation>
    </message>
    <message>
        <source>Time step
Time step</source>
        <extracomment>String 1032: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pas de temps
Pas de temps</translation>
    </message>
    <message>
        <source>Move the field left
Move the field left</source>
        <extracomment>String 32771: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Déplacer le champ vers la gauche
Déplacer le champ vers la gauche</translation>
    </message>
    <message>
        <source>Move the field right
Move the field right</source>
        <extracomment>String 32772: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Déplacer le champ vers la droite
Déplacer le champ vers la droite</translation>
    </message>
    <message>
        <source>Move the field up
Move the field up</source>
        <extracomment>String 32773: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Déplacer le champ vers le haut
Déplacer le champ vers le haut</translation>
    </message>
    <message>
        <source>Move the field down
Move the field down</source>
        <extracomment>String 32774: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Déplacer le champ vers le bas
Déplacer le champ vers le bas</translation>
    </message>
    <message>
        <source>Zoom the field in
Zoom in</source>
        <extracomment>String 32775: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Agrandir le champ
Zoom avant</translation>
    </message>
    <message>
        <source>Zoom the field out
Zoom out</source>
        <extracomment>String 32776: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Réduire le champ
Zoom arrière</translation>
    </message>
    <message>
        <source>Deep sky objects
Deep sky objects</source>
        <extracomment>String 32777: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objets du ciel profond
Objets du ciel profond</translation>
    </message>
    <message>
        <source>Constellation boundaries
Boundaries</source>
        <extracomment>String 32778: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Limites des constellations
Limites</translation>
    </message>
    <message>
        <source>Constellation lines
Constellation lines</source>
        <extracomment>String 32779: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Lignes des constellations
Lignes des constellations</translation>
    </message>
    <message>
        <source>Coordination grid lines
Grids</source>
        <extracomment>String 32780: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Lignes de la grille de coordonnées
Grilles</translation>
    </message>
    <message>
        <source>Milky Way
Milky Way</source>
        <extracomment>String 32781: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Voie lactée
Voie lactée</translation>
    </message>
    <message>
        <source>Solar System objects
Solar System</source>
        <extracomment>String 32782: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objets du Système solaire
Système solaire</translation>
    </message>
    <message>
        <source>Date and time
Date and time</source>
        <extracomment>String 32784: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Date et heure
Date et heure</translation>
    </message>
    <message>
        <source>Location of the observer
Location</source>
        <extracomment>String 32785: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Lieu de l&apos;observateur
Lieu</translation>
    </message>
    <message>
        <source>Magnitude limits</source>
        <extracomment>String 32787. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Magnitudes limites</translation>
    </message>
    <message>
        <source>Deep sky objects settings
Deep sky objects</source>
        <extracomment>String 32788: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Réglages des objets du ciel profond
Objets du ciel profond</translation>
    </message>
    <message>
        <source>Animation backward
Animation backward</source>
        <extracomment>String 32789: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animation en arrière
Animation en arrière</translation>
    </message>
    <message>
        <source>Colors settings
Colors</source>
        <extracomment>String 32790: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Réglages des couleurs
Couleurs</translation>
    </message>
    <message>
        <source>One step animation backward
One step backward</source>
        <extracomment>String 32791: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Un pas d&apos;animation en arrière
Un pas en arrière</translation>
    </message>
    <message>
        <source>Show or hide stars colors
Stars colors</source>
        <extracomment>String 32792: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer les couleurs des étoiles
Couleurs des étoiles</translation>
    </message>
    <message>
        <source>Animation stop
Animation stop</source>
        <extracomment>String 32793: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Arrêter l&apos;animation
Arrêter l&apos;animation</translation>
    </message>
    <message>
        <source>One step animation forward
One step forward</source>
        <extracomment>String 32794: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Un pas d&apos;animation en avant
Un pas en avant</translation>
    </message>
    <message>
        <source>Animation forward
Animation forward</source>
        <extracomment>String 32795: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animation en avant
Animation en avant</translation>
    </message>
    <message>
        <source>Show or hide star names</source>
        <extracomment>String 32796. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer les noms des étoiles</translation>
    </message>
    <message>
        <source>Show or hide Solar System names</source>
        <extracomment>String 32797. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer les noms du Système solaire</translation>
    </message>
    <message>
        <source>Show or hide deep sky labels</source>
        <extracomment>String 32798. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer les étiquettes du ciel profond</translation>
    </message>
    <message>
        <source>Equatorial mode</source>
        <extracomment>String 32800. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mode équatorial</translation>
    </message>
    <message>
        <source>Local horizon mode</source>
        <extracomment>String 32801. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mode horizon local</translation>
    </message>
    <message>
        <source>Show or hide red screen mode
Red screen</source>
        <extracomment>String 32802: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Activer ou désactiver l&apos;écran rouge
Écran rouge</translation>
    </message>
    <message>
        <source>Show or hide full screen mode
Full screen</source>
        <extracomment>String 32803: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Activer ou désactiver le plein écran
Plein écran</translation>
    </message>
    <message>
        <source>Show or hide ecliptic line</source>
        <extracomment>String 32804. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer l&apos;écliptique</translation>
    </message>
    <message>
        <source>Black background of the sky</source>
        <extracomment>String 32806. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fond du ciel noir</translation>
    </message>
    <message>
        <source>Color background of the sky</source>
        <extracomment>String 32807. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fond du ciel coloré</translation>
    </message>
    <message>
        <source>Search for star</source>
        <extracomment>String 32808. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rechercher une étoile</translation>
    </message>
    <message>
        <source>Search for Solar System object</source>
        <extracomment>String 32809. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rechercher un objet du Système solaire</translation>
    </message>
    <message>
        <source>Search for constellation</source>
        <extracomment>String 32810. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rechercher une constellation</translation>
    </message>
    <message>
        <source>Search for Messier</source>
        <extracomment>String 32811. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rechercher un objet Messier</translation>
    </message>
    <message>
        <source>Search for NGC</source>
        <extracomment>String 32812. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rechercher un objet NGC</translation>
    </message>
    <message>
        <source>Search for East</source>
        <extracomment>String 32813. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Regarder vers l&apos;est</translation>
    </message>
    <message>
        <source>Search for West</source>
        <extracomment>String 32814. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Regarder vers l&apos;ouest</translation>
    </message>
    <message>
        <source>Search for North</source>
        <extracomment>String 32815. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Regarder vers le nord</translation>
    </message>
    <message>
        <source>Search for South</source>
        <extracomment>String 32816. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Regarder vers le sud</translation>
    </message>
    <message>
        <source>Search for Zenith</source>
        <extracomment>String 32817. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Regarder vers le zénith</translation>
    </message>
    <message>
        <source>Search for Nadir</source>
        <extracomment>String 32818. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Regarder vers le nadir</translation>
    </message>
    <message>
        <source>Draw stars as points</source>
        <extracomment>String 32819. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dessiner les étoiles en points</translation>
    </message>
    <message>
        <source>Draw stars as bitmaps</source>
        <extracomment>String 32820. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dessiner les étoiles en images</translation>
    </message>
    <message>
        <source>Lift the local-horizon sky by the atmosphere&apos;s refraction
Atmospheric refraction</source>
        <extracomment>String 32821: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Relever le ciel de l&apos;horizon local de la réfraction de l&apos;atmosphère
Réfraction atmosphérique</translation>
    </message>
    <message>
        <source>Show the night ahead: twilight, the Moon, the planets and what stands high
Tonight</source>
        <extracomment>String 32822: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher la nuit à venir : crépuscule, Lune, planètes et ce qui est haut
Cette nuit</translation>
    </message>
    <message>
        <source>Show or hide the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32823: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer les champs de vos oculaires et caméras
Champs d&apos;oculaires</translation>
    </message>
    <message>
        <source>Define the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32824: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Définir les champs de vos oculaires et caméras
Champs d&apos;oculaires</translation>
    </message>
    <message>
        <source>Show or hide the grid of altitude and azimuth
Alt-azimuth grid</source>
        <extracomment>String 32825: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer la grille de hauteur et d&apos;azimut
Grille altazimutale</translation>
    </message>
    <message>
        <source>Show or hide the meridian
Meridian</source>
        <extracomment>String 32826: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer le méridien
Méridien</translation>
    </message>
    <message>
        <source>Keep the object you chose at the middle of the view while time runs
Follow</source>
        <extracomment>String 32827: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Garder l&apos;objet choisi au milieu de la vue pendant que le temps passe
Suivre</translation>
    </message>
    <message>
        <source>Keep the sky at the present instant as the clock runs
Real time</source>
        <extracomment>String 32829: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Garder le ciel à l&apos;instant présent pendant que l&apos;horloge tourne
Temps réel</translation>
    </message>
    <message>
        <source>Choose the language of the window; it takes effect after a restart
Language</source>
        <extracomment>String 32850: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Choisir la langue de la fenêtre ; elle prend effet au prochain démarrage
Langue</translation>
    </message>
    <message>
        <source>Open an image file
Open</source>
        <extracomment>String 57601: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ouvrir un fichier image
Ouvrir</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>String 57606: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Changer l&apos;imprimante et les options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <extracomment>String 57607: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Imprimer la carte
Imprimer</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <extracomment>String 57609: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Open this document</source>
        <extracomment>String 57616. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ouvrir ce document</translation>
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
        <translation>30 sept. 2002 </translation>
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
        <translation>Afficher les informations du programme, son numéro de version et son copyright
À propos</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <extracomment>String 57665: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Quitter le programme
Quitter</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <extracomment>String 57667: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Lister les sujets de l&apos;aide
Sujets de l&apos;aide</translation>
    </message>
    <message>
        <source>Display instructions about how to use help
Help</source>
        <extracomment>String 57668: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Expliquer comment utiliser l&apos;aide
Aide</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <extracomment>String 57669: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher l&apos;aide des boutons, menus et fenêtres cliqués
Aide</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <extracomment>String 57670: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher l&apos;aide de la tâche ou de la commande en cours
Aide</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <extracomment>String 59392: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <extracomment>String 59393: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <source>The clocks went forward by %s on this day: there was no %s; it is read as %s (%s).</source>
        <extracomment>String 410. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ce jour-là, les horloges ont avancé de %s : %s n&apos;a pas existé ; l&apos;heure est lue comme %s (%s).</translation>
    </message>
    <message>
        <source>The clocks went back on this day: %s came twice; the first time (%s) is meant.</source>
        <extracomment>String 411. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ce jour-là, les horloges ont reculé : %s a eu lieu deux fois ; c&apos;est la première fois (%s) qui compte.</translation>
    </message>
    <message>
        <source>%s hour</source>
        <extracomment>String 412. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s heure</translation>
    </message>
    <message>
        <source>%s hours</source>
        <extracomment>String 413. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s heures</translation>
    </message>
    <message>
        <source>%s minute</source>
        <extracomment>String 414. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s minute</translation>
    </message>
    <message>
        <source>%s minutes</source>
        <extracomment>String 415. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s minutes</translation>
    </message>
    <message>
        <source>Comet %s</source>
        <extracomment>String 370. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Comète %s</translation>
    </message>
    <message>
        <source>Minor planet %s</source>
        <extracomment>String 371. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Petite planète %s</translation>
    </message>
    <message>
        <source>The orbital elements are for %s, more than a year from the date shown: the place may be far off.</source>
        <extracomment>String 372. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Les éléments orbitaux valent pour le %s, à plus d&apos;un an de la date affichée : la position peut être très inexacte.</translation>
    </message>
    <message>
        <source> AU</source>
        <extracomment>String 373. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> ua</translation>
    </message>
    <message>
        <source>%s years</source>
        <extracomment>String 374. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s ans</translation>
    </message>
    <message>
        <source>No orbital elements were imported: %s   </source>
        <extracomment>String 375. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Aucun élément orbital importé : %s   </translation>
    </message>
    <message>
        <source>The orbital elements could not be kept in &quot;%s&quot;: %s   </source>
        <extracomment>String 377. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Les éléments orbitaux n&apos;ont pas pu être conservés dans « %s » : %s   </translation>
    </message>
    <message>
        <source>%s: the file cannot be read</source>
        <extracomment>String 378. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s : le fichier est illisible</translation>
    </message>
    <message>
        <source>%s: the file holds no orbital elements</source>
        <extracomment>String 379. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s : le fichier ne contient aucun élément orbital</translation>
    </message>
    <message>
        <source>%s from %s, the night of %s</source>
        <extracomment>String 390. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s depuis %s, nuit du %s</translation>
    </message>
    <message>
        <source>Time at the place (%s)</source>
        <extracomment>String 391. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Heure du lieu (%s)</translation>
    </message>
    <message>
        <source>Altitude (°)</source>
        <extracomment>String 392. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hauteur (°)</translation>
    </message>
    <message>
        <source>Civil twilight</source>
        <extracomment>String 393. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical twilight</source>
        <extracomment>String 394. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical twilight</source>
        <extracomment>String 395. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Crépuscule astronomique</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>String 396. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Transit %s, %s</source>
        <extracomment>String 397. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Passage au méridien %s, %s</translation>
    </message>
    <message>
        <source>Shown %s</source>
        <extracomment>String 398. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Affiché %s</translation>
    </message>
    <message>
        <source>%s: %s %s, Moon %s</source>
        <extracomment>String 399. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s : %s %s, Lune %s</translation>
    </message>
    <message>
        <source>%s: %s %s</source>
        <extracomment>String 400. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s : %s %s</translation>
    </message>
    <message>
        <source>Choose the object to plot first: search for it or right-click it.    </source>
        <extracomment>String 401. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Choisissez d&apos;abord l&apos;objet à tracer : recherchez-le ou cliquez dessus avec le bouton droit.    </translation>
    </message>
    <message>
        <source>Cannot write %s: %s.    </source>
        <extracomment>String 402. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Impossible d&apos;écrire %s : %s.    </translation>
    </message>
    <message>
        <source>No INDI server answers at %s:%s.</source>
        <extracomment>String 440. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Aucun serveur INDI ne répond à %s:%s.</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s closed the connection.</source>
        <extracomment>String 441. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le serveur INDI à %s:%s a fermé la connexion.</translation>
    </message>
    <message>
        <source>The INDI server offers no telescope called &quot;%s&quot;.</source>
        <extracomment>String 442. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le serveur INDI ne propose aucun télescope nommé « %s ».</translation>
    </message>
    <message>
        <source>The telescope %s reported an impossible place: %s.</source>
        <extracomment>String 443. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le télescope %s a signalé une position impossible : %s.</translation>
    </message>
    <message>
        <source>The telescope %s could not reach its target.</source>
        <extracomment>String 444. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le télescope %s n&apos;a pas pu atteindre sa cible.</translation>
    </message>
    <message>
        <source>Slewing to %s</source>
        <extracomment>String 445. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pointage vers %s</translation>
    </message>
    <message>
        <source>Tracking %s</source>
        <extracomment>String 446. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Suivi de %s</translation>
    </message>
    <message>
        <source>Parking %s</source>
        <extracomment>String 447. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Parcage de %s</translation>
    </message>
    <message>
        <source>%s is parked</source>
        <extracomment>String 448. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s est parqué</translation>
    </message>
    <message>
        <source>Connect a telescope first: Tools &gt; Telescope...</source>
        <extracomment>String 449. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Connectez d&apos;abord un télescope : Outils &gt; Télescope...</translation>
    </message>
    <message>
        <source>Connected to %s</source>
        <extracomment>String 450. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Connecté à %s</translation>
    </message>
    <message>
        <source>%s synced on %s</source>
        <extracomment>String 451. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s synchronisé sur %s</translation>
    </message>
    <message>
        <source>%s stopped</source>
        <extracomment>String 452. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s arrêté</translation>
    </message>
    <message>
        <source>The telescope is disconnected</source>
        <extracomment>String 453. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le télescope est déconnecté</translation>
    </message>
    <message>
        <source>Connecting to %s:%s...</source>
        <extracomment>String 454. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Connexion à %s:%s...</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s offers no telescope.</source>
        <extracomment>String 455. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le serveur INDI à %s:%s ne propose aucun télescope.</translation>
    </message>
    <message>
        <source>Select an object first: search for it or click it.</source>
        <extracomment>String 456. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Choisissez d&apos;abord un objet : recherchez-le ou cliquez dessus.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <extracomment>String 457. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le port doit être un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>the centre of the view</source>
        <extracomment>String 458. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>le centre de la vue</translation>
    </message>
    <message>
        <source>The telescope %s did not answer.</source>
        <extracomment>String 459. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le télescope %s n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The telescope %s did not end its slew within %s minutes.</source>
        <extracomment>String 460. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Le télescope %s n&apos;a pas terminé son pointage en %s minutes.</translation>
    </message>
    <message>
        <source>Centre: %s   %s (J2000)</source>
        <extracomment>String 461. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Centre : %s   %s (J2000)</translation>
    </message>
    <message>
        <source>Field: %s x %s</source>
        <extracomment>String 462. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Champ : %s x %s</translation>
    </message>
    <message>
        <source>Magnitudes:</source>
        <extracomment>String 463. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Magnitudes :</translation>
    </message>
    <message>
        <source>Io</source>
        <extracomment>String 470. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Io</translation>
    </message>
    <message>
        <source>Europa</source>
        <extracomment>String 471. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <extracomment>String 472. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ganymède</translation>
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
        <translation>Encelade</translation>
    </message>
    <message>
        <source>Tethys</source>
        <extracomment>String 476. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Téthys</translation>
    </message>
    <message>
        <source>Dione</source>
        <extracomment>String 477. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dioné</translation>
    </message>
    <message>
        <source>Rhea</source>
        <extracomment>String 478. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Rhéa</translation>
    </message>
    <message>
        <source>Titan</source>
        <extracomment>String 479. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Hyperion</source>
        <extracomment>String 480. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hypérion</translation>
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
        <translation>Titania</translation>
    </message>
    <message>
        <source>Oberon</source>
        <extracomment>String 486. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Obéron</translation>
    </message>
    <message>
        <source>Phobos</source>
        <extracomment>String 487. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Phobos</translation>
    </message>
    <message>
        <source>Deimos</source>
        <extracomment>String 488. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Déimos</translation>
    </message>
    <message>
        <source>Show or hide the comets and minor planets down to their own magnitude limit
Comets and asteroids</source>
        <extracomment>String 32830: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afficher ou masquer les comètes et petites planètes jusqu&apos;à leur propre magnitude limite
Comètes et astéroïdes</translation>
    </message>
    <message>
        <source>Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file
Import orbital elements</source>
        <extracomment>String 32831: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Importer les éléments orbitaux de comètes ou de petites planètes depuis un fichier MPCORB.DAT ou CometEls.txt
Importer des éléments orbitaux</translation>
    </message>
    <message>
        <source>Plot the chosen object&apos;s altitude through the night, with the Moon and the twilights
Altitude plot</source>
        <extracomment>String 32840: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tracer la hauteur de l&apos;objet choisi au cours de la nuit, avec la Lune et les crépuscules
Courbe de hauteur</translation>
    </message>
    <message>
        <source>Connect a telescope through an INDI server
Telescope</source>
        <extracomment>String 32860: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Connecter un télescope par un serveur INDI
Télescope</translation>
    </message>
    <message>
        <source>Point the telescope at the object you chose
Slew to selected</source>
        <extracomment>String 32861: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pointer le télescope vers l&apos;objet choisi
Pointer vers l&apos;objet choisi</translation>
    </message>
    <message>
        <source>Tell the telescope that it points at the object you chose
Sync to selected</source>
        <extracomment>String 32862: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Indiquer au télescope qu&apos;il pointe l&apos;objet choisi
Synchroniser sur l&apos;objet choisi</translation>
    </message>
    <message>
        <source>Point the telescope at the middle of the view
Slew to view centre</source>
        <extracomment>String 32863: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pointer le télescope vers le centre de la vue
Pointer vers le centre de la vue</translation>
    </message>
    <message>
        <source>Stop the telescope&apos;s motion at once
Abort slew</source>
        <extracomment>String 32864: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Arrêter immédiatement le mouvement du télescope
Arrêter le pointage</translation>
    </message>
    <message>
        <source>Send the telescope to its park position
Park</source>
        <extracomment>String 32865: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Envoyer le télescope à sa position de parc
Parquer</translation>
    </message>
    <message>
        <source>Wake the telescope from its park position
Unpark</source>
        <extracomment>String 32866: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sortir le télescope de sa position de parc
Déparquer</translation>
    </message>
    <message>
        <source>Keep the telescope&apos;s place at the middle of the view
Follow the telescope</source>
        <extracomment>String 32867: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Garder la position du télescope au centre de la vue
Suivre le télescope</translation>
    </message>
    <message>
        <source>Centre the view on a right ascension and declination or an altitude and azimuth
Go to coordinates</source>
        <extracomment>String 32875: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Centrer la vue sur une ascension droite et une déclinaison ou sur une hauteur et un azimut
Aller aux coordonnées</translation>
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
        <translation>Soleil toujours plus haut</translation>
    </message>
    <message>
        <source>Sun always lower</source>
        <translation>Soleil toujours plus bas</translation>
    </message>
    <message>
        <source>always above the horizon</source>
        <translation>toujours au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>ne se lève jamais</translation>
    </message>
    <message>
        <source>not this day</source>
        <translation>pas ce jour-là</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Galaxy cluster</source>
        <translation>Amas de galaxies</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>Deep sky object</source>
        <translation>Objet du ciel profond</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galaxie</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>amas ouvert</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>amas globulaire</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>nébuleuse brillante</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>nébuleuse planétaire</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>amas de galaxies</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>objet du ciel profond</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>lune</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planète</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>constellation</translation>
    </message>
    <message>
        <source>place</source>
        <translation>lieu</translation>
    </message>
    <message>
        <source>The right ascension must be hours from 0 to 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) or degrees from 0 to 360 (&quot;83.82°&quot;).</source>
        <translation>L&apos;ascension droite doit être en heures de 0 à 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) ou en degrés de 0 à 360 (&quot;83.82°&quot;).</translation>
    </message>
    <message>
        <source>The declination must be degrees from -90 to +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</source>
        <translation>La déclinaison doit être en degrés de -90 à +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</translation>
    </message>
    <message>
        <source>The altitude must be degrees from -90 to +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</source>
        <translation>La hauteur doit être en degrés de -90 à +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</translation>
    </message>
    <message>
        <source>The azimuth must be degrees from 0 to 360, from the north through the east (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</source>
        <translation>L&apos;azimut doit être en degrés de 0 à 360, compté du nord vers l&apos;est (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Comète</translation>
    </message>
    <message>
        <source>Minor planet</source>
        <translation>Petite planète</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>&amp;NGC</source>
        <translation>&amp;NGC</translation>
    </message>
    <message>
        <source>Open Cl&amp;usters</source>
        <translation>Amas &amp;ouverts</translation>
    </message>
    <message>
        <source>&amp;Glob. Clusters</source>
        <translation>Amas &amp;globulaires</translation>
    </message>
    <message>
        <source>G&amp;alaxies</source>
        <translation>G&amp;alaxies</translation>
    </message>
    <message>
        <source>Ne&amp;bulae</source>
        <translation>Né&amp;buleuses</translation>
    </message>
    <message>
        <source>&amp;Planet. Nebulae</source>
        <translation>Nébuleuses &amp;planétaires</translation>
    </message>
    <message>
        <source>&amp;Label by</source>
        <translation>Étiqueter &amp;par</translation>
    </message>
    <message>
        <source>Catalog Number</source>
        <translation>Numéro de catalogue</translation>
    </message>
    <message>
        <source>Common Name</source>
        <translation>Nom courant</translation>
    </message>
    <message>
        <source>&amp;Draw as</source>
        <translation>&amp;Dessiner en</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>&amp;Grids</source>
        <translation>&amp;Grilles</translation>
    </message>
    <message>
        <source>Constellation &amp;lines</source>
        <translation>&amp;Lignes des constellations</translation>
    </message>
    <message>
        <source>Const. &amp;boundaries</source>
        <translation>Limites des &amp;constellations</translation>
    </message>
    <message>
        <source>Const. l&amp;abels</source>
        <translation>Noms des co&amp;nstellations</translation>
    </message>
    <message>
        <source>&amp;Ecliptic</source>
        <translation>&amp;Écliptique</translation>
    </message>
    <message>
        <source>&amp;Deep sky</source>
        <translation>Ciel &amp;profond</translation>
    </message>
    <message>
        <source>Deep s&amp;ky labels</source>
        <translation>Étiquettes du ciel p&amp;rofond</translation>
    </message>
    <message>
        <source>&amp;Star names</source>
        <translation>Noms des &amp;étoiles</translation>
    </message>
    <message>
        <source>&amp;Planet names</source>
        <translation>Noms des p&amp;lanètes</translation>
    </message>
    <message>
        <source>none: standard time as typed, summer time as this computer keeps it</source>
        <translation>aucun : heure normale telle que tapée, heure d&apos;été comme cet ordinateur la tient</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
</TS>
