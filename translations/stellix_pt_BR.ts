<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAltitudePlotWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Save as PNG/SVG...</source>
        <translation>&amp;Salvar como PNG/SVG...</translation>
    </message>
    <message>
        <source>Altitude Plot - %1</source>
        <translation>Gráfico de altura - %1</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>CBodyInfoDialog</name>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensão reta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinação (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimute:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distância da Terra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distância do Sol:</translation>
    </message>
    <message>
        <source>Illuminated fraction:</source>
        <translation>Fração iluminada:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Tamanho angular:</translation>
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
        <translation>Crepúsculo astronômico:</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Fase:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Idade:</translation>
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
        <translation>Procurar no Sistema Solar...</translation>
    </message>
</context>
<context>
    <name>CColoursDialog</name>
    <message>
        <source>Colors...</source>
        <translation>Cores...</translation>
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
        <translation>Data/hora...</translation>
    </message>
    <message>
        <source>Daylight &amp;saving time</source>
        <translation>Horário de &amp;verão</translation>
    </message>
    <message>
        <source>Set to the present time at this place; OK shows its sky.</source>
        <translation>Ajustado para a hora atual neste lugar; OK mostra o seu céu.</translation>
    </message>
    <message>
        <source>&amp;Now...</source>
        <translation>&amp;Agora...</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Diferença:</translation>
    </message>
</context>
<context>
    <name>CDeepSkyDialog</name>
    <message>
        <source>Deep sky objects...</source>
        <translation>Objetos de céu profundo...</translation>
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
        <translation>Nome comum:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensão reta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinação (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimute:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Other designations:</source>
        <translation>Outras designações:</translation>
    </message>
</context>
<context>
    <name>CDialogCommands</name>
    <message>
        <source>Orbital elements (*.DAT *.dat *.txt *.TXT)</source>
        <translation>Elementos orbitais (*.DAT *.dat *.txt *.TXT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n orbital elements were read; they are kept in &quot;%1&quot; for the next start.</source>
        <translation>
            <numerusform>%n elemento orbital foi lido; ele fica guardado em &quot;%1&quot; para a próxima inicialização.</numerusform>
            <numerusform>%n elementos orbitais foram lidos; eles ficam guardados em &quot;%1&quot; para a próxima inicialização.</numerusform>
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
        <translation>Designação:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensão reta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinação (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimute:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude:</translation>
    </message>
    <message>
        <source>Colour index (B-V):</source>
        <translation>Índice de cor (B-V):</translation>
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
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>A&amp;lterar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Circle of a given diameter</source>
        <translation>Círculo de diâmetro dado</translation>
    </message>
    <message>
        <source>Eyepiece on a telescope</source>
        <translation>Ocular num telescópio</translation>
    </message>
    <message>
        <source>Camera on a telescope</source>
        <translation>Câmera num telescópio</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Diameter (arc-minutes):</source>
        <translation>&amp;Diâmetro (minutos de arco):</translation>
    </message>
    <message>
        <source>&amp;Telescope focal length (mm):</source>
        <translation>Focal do &amp;telescópio (mm):</translation>
    </message>
    <message>
        <source>&amp;Eyepiece focal length (mm):</source>
        <translation>Focal da &amp;ocular (mm):</translation>
    </message>
    <message>
        <source>A&amp;pparent field (°):</source>
        <translation>Campo a&amp;parente (°):</translation>
    </message>
    <message>
        <source>Sensor &amp;width (mm):</source>
        <translation>&amp;Largura do sensor (mm):</translation>
    </message>
    <message>
        <source>Sensor &amp;height (mm):</source>
        <translation>Al&amp;tura do sensor (mm):</translation>
    </message>
    <message>
        <source>Field on the sky:</source>
        <translation>Campo no céu:</translation>
    </message>
    <message>
        <source>Centre the &amp;fields on the telescope while one is connected</source>
        <translation>Centralizar os &amp;campos no telescópio enquanto houver um conectado</translation>
    </message>
</context>
<context>
    <name>CFindBox</name>
    <message>
        <source>Find (F3)</source>
        <translation>Localizar (F3)</translation>
    </message>
    <message>
        <source>%1 — %2, %3° %4</source>
        <translation>%1 — %2, %3° %4</translation>
    </message>
    <message>
        <source>up</source>
        <translation>acima do horizonte</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>abaixo do horizonte</translation>
    </message>
    <message>
        <source>Find an object by any of its names, or a place; Shift+Enter opens its card</source>
        <translation>Encontrar um objeto por qualquer um de seus nomes, ou um lugar; Shift+Enter abre a sua ficha</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Observer&apos;s Location</source>
        <translation>Local do observador</translation>
    </message>
    <message>
        <source>Set the observer to %1?</source>
        <translation>Levar o observador para %1?</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to Coordinates</source>
        <translation>Ir para coordenadas</translation>
    </message>
    <message>
        <source>J2000 right ascension and declination</source>
        <translation>Ascensão reta e declinação J2000</translation>
    </message>
    <message>
        <source>Right ascension and declination of date</source>
        <translation>Ascensão reta e declinação da data</translation>
    </message>
    <message>
        <source>Altitude and azimuth</source>
        <translation>Altura e azimute</translation>
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
        <translation>&amp;Ascensão reta:</translation>
    </message>
    <message>
        <source>A&amp;zimuth (from the north through the east):</source>
        <translation>A&amp;zimute (do norte para o leste):</translation>
    </message>
    <message>
        <source>&amp;Declination:</source>
        <translation>&amp;Declinação:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.</source>
        <translation>A página do guia. Clique num link para segui-lo; Voltar (Alt+Esquerda) e Avançar (Alt+Direita) refazem seus passos.</translation>
    </message>
    <message>
        <source>The guide&apos;s pages in their order, each with its sections. Click one to read it.</source>
        <translation>As páginas do guia em ordem, cada uma com suas seções. Clique numa para lê-la.</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Digite uma palavra a procurar</translation>
    </message>
    <message>
        <source>Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.</source>
        <translation>Digite o começo de uma palavra: o índice abaixo mantém as entradas que a contêm. Enter abre a primeira.</translation>
    </message>
    <message>
        <source>Every topic of the guide in alphabetical order. Click one to read it.</source>
        <translation>Todos os tópicos do guia em ordem alfabética. Clique num para lê-lo.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Volta à página lida antes.</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;vançar</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Avança de novo depois de Voltar.</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>C&amp;onteúdo</translation>
    </message>
    <message>
        <source>Goes to the guide&apos;s first page, the list of all its pages.</source>
        <translation>Vai para a primeira página do guia, a lista de todas as suas páginas.</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Usar a ajuda</translation>
    </message>
    <message>
        <source>Explains this window.</source>
        <translation>Explica esta janela.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The user guide has no page &lt;b&gt;%1&lt;/b&gt;: the folder &lt;tt&gt;%2&lt;/tt&gt; should hold it. Installing Stellix again puts the guide back.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Página não encontrada&lt;/h1&gt;&lt;p&gt;O guia não tem a página &lt;b&gt;%1&lt;/b&gt;: a pasta &lt;tt&gt;%2&lt;/tt&gt; deveria contê-la. Instalar o Stellix de novo restaura o guia.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Ajuda: %1</translation>
    </message>
</context>
<context>
    <name>CInfoCard</name>
    <message>
        <source>Right ascension (of date):</source>
        <translation>Ascensão reta (da data):</translation>
    </message>
    <message>
        <source>Declination (of date):</source>
        <translation>Declinação (da data):</translation>
    </message>
    <message>
        <source>Rise:</source>
        <translation>Nascer:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Trânsito:</translation>
    </message>
    <message>
        <source>Transit altitude:</source>
        <translation>Altura no trânsito:</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Ocaso:</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Gráfico de &amp;altura</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Apontar o telescópio</translation>
    </message>
    <message>
        <source>Fo&amp;llow</source>
        <translation>Se&amp;guir</translation>
    </message>
    <message>
        <source>Keep the object at the middle of the view while time runs</source>
        <translation>Manter o objeto no centro da vista enquanto o tempo passa</translation>
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
        <translation>O idioma do sistema</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The new language takes effect after a restart of Stellix.</source>
        <translation>O novo idioma vale a partir da próxima vez que o Stellix for iniciado.</translation>
    </message>
    <message>
        <source>Name the constellations in &amp;Latin</source>
        <translation>Nomear as constelações em &amp;latim</translation>
    </message>
    <message>
        <source>The sky and the printed chart name the constellations in Latin instead of the window&apos;s language. Takes effect at once.</source>
        <translation>O céu e a carta impressa nomeiam as constelações em latim em vez do idioma da janela. Vale na hora.</translation>
    </message>
</context>
<context>
    <name>CListSearchDialog</name>
    <message>
        <source>Search for star...</source>
        <translation>Procurar estrela...</translation>
    </message>
    <message>
        <source>Search for constellation...</source>
        <translation>Procurar constelação...</translation>
    </message>
    <message>
        <source>Search for NGC...</source>
        <translation>Procurar objeto NGC...</translation>
    </message>
</context>
<context>
    <name>CLocationDialog</name>
    <message>
        <source>Observer&apos;s Location...</source>
        <translation>Local de observação...</translation>
    </message>
    <message>
        <source>&amp;Enter your location</source>
        <translation>&amp;Digite o seu local</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>L&amp;atitude:</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lo&amp;ngitude:</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>&amp;Fuso horário:</translation>
    </message>
    <message>
        <source>hours ahead of Greenwich</source>
        <translation>horas à frente de Greenwich</translation>
    </message>
    <message>
        <source>Time zone rules:</source>
        <translation>Regras do fuso horário:</translation>
    </message>
    <message>
        <source>Fin&amp;d:</source>
        <translation>Loc&amp;alizar:</translation>
    </message>
    <message>
        <source>&amp;Select location</source>
        <translation>&amp;Escolher local</translation>
    </message>
    <message>
        <source>%1 (%2 on the date set)</source>
        <translation>%1 (%2 na data ajustada)</translation>
    </message>
    <message numerus="yes">
        <source>Type part of a name (%n places)</source>
        <translation>
            <numerusform>Digite parte de um nome (%n lugar)</numerusform>
            <numerusform>Digite parte de um nome (%n lugares)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMagnitudeLimitsDialog</name>
    <message>
        <source>Magnitude limits...</source>
        <translation>Magnitudes limite...</translation>
    </message>
    <message>
        <source>&amp;Auto mode</source>
        <translation>Modo &amp;automático</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Estrelas</translation>
    </message>
    <message>
        <source>&amp;Deep sky objects</source>
        <translation>Objetos de céu &amp;profundo</translation>
    </message>
    <message>
        <source>Co&amp;mets and asteroids:</source>
        <translation>Co&amp;metas e asteroides:</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&lt;b&gt;The sky&lt;/b&gt;&lt;p&gt;Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.&lt;/p&gt;</source>
        <translation>&lt;b&gt;O céu&lt;/b&gt;&lt;p&gt;Clique num ponto para trazê-lo ao centro; arraste para girar o céu; a roda do mouse aproxima e afasta. Clique num objeto com o botão direito para ver a sua ficha. As setas movem o campo para onde apontam, * e / do teclado numérico aproximam e afastam.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Chart Mode</source>
        <translation>Modo da &amp;carta</translation>
    </message>
    <message>
        <source>&amp;Stars</source>
        <translation>&amp;Estrelas</translation>
    </message>
    <message>
        <source>Sky &amp;Background</source>
        <translation>&amp;Fundo do céu</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Procurar</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Object</source>
        <translation>Objeto de céu &amp;profundo</translation>
    </message>
    <message>
        <source>&amp;Horizon Point</source>
        <translation>Ponto do &amp;horizonte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Na&amp;vigation Toolbar</source>
        <translation>Barra de &amp;navegação</translation>
    </message>
    <message>
        <source>Show or hide the navigation toolbar</source>
        <translation>Mostrar ou ocultar a barra de navegação</translation>
    </message>
    <message>
        <source>Right ascension (J2000) of the sky under the pointer.</source>
        <translation>Ascensão reta (J2000) do céu sob o ponteiro.</translation>
    </message>
    <message>
        <source>Declination (J2000) of the sky under the pointer.</source>
        <translation>Declinação (J2000) do céu sob o ponteiro.</translation>
    </message>
    <message>
        <source>The observer&apos;s place; Settings &gt; Observer&apos;s Location changes it.</source>
        <translation>O local do observador; Configurações &gt; Local de observação o altera.</translation>
    </message>
    <message>
        <source>The local time of the sky shown, with the time zone&apos;s abbreviation and its offset from Universal Time.</source>
        <translation>A hora local do céu mostrado, com a sigla do fuso horário e a sua diferença em relação ao tempo universal.</translation>
    </message>
    <message>
        <source>The date of the sky shown.</source>
        <translation>A data do céu mostrado.</translation>
    </message>
    <message>
        <source>Press Esc to leave full screen</source>
        <translation>Esc sai da tela cheia</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra de ferramentas principal</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
</context>
<context>
    <name>CMessierSearchDialog</name>
    <message>
        <source>Search for Messier...</source>
        <translation>Procurar objeto Messier...</translation>
    </message>
    <message>
        <source>Enter catalog number</source>
        <translation>Digite o número de catálogo</translation>
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
        <translation>Ascensão reta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinação (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimute:</translation>
    </message>
    <message>
        <source>Separation from the planet:</source>
        <translation>Separação do planeta:</translation>
    </message>
    <message>
        <source>Position angle:</source>
        <translation>Ângulo de posição:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distância da Terra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distância do Sol:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude:</translation>
    </message>
    <message>
        <source>Angular size:</source>
        <translation>Tamanho angular:</translation>
    </message>
</context>
<context>
    <name>CSmallBodyInfoDialog</name>
    <message>
        <source>Designation:</source>
        <translation>Designação:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensão reta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinação (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimute:</translation>
    </message>
    <message>
        <source>Distance from Earth:</source>
        <translation>Distância da Terra:</translation>
    </message>
    <message>
        <source>Distance from Sun:</source>
        <translation>Distância do Sol:</translation>
    </message>
    <message>
        <source>Elongation:</source>
        <translation>Elongação:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude:</translation>
    </message>
    <message>
        <source>Perihelion distance:</source>
        <translation>Distância do periélio:</translation>
    </message>
    <message>
        <source>Semi-major axis:</source>
        <translation>Semieixo maior:</translation>
    </message>
    <message>
        <source>Eccentricity:</source>
        <translation>Excentricidade:</translation>
    </message>
    <message>
        <source>Inclination:</source>
        <translation>Inclinação:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Período:</translation>
    </message>
    <message>
        <source>Elements&apos; epoch:</source>
        <translation>Época dos elementos:</translation>
    </message>
</context>
<context>
    <name>CSplashWindow</name>
    <message>
        <source>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Data sources and licences...&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;sources&quot; style=&quot;color:#9cc8ff&quot;&gt;Fontes dos dados e licenças...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Opens the user guide at the full list of the sky data&apos;s sources, their authors and their licences.</source>
        <translation>Abre o guia na lista completa das fontes dos dados do céu, seus autores e suas licenças.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</source>
        <translation>Um planetário de mesa. Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior, sem qualquer garantia. Dados do céu: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), banco de dados tz, NASA. Mapas dos planetas: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.</translation>
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
        <translation>Nome próprio:</translation>
    </message>
    <message>
        <source>Right ascension (J2000):</source>
        <translation>Ascensão reta (J2000):</translation>
    </message>
    <message>
        <source>Declination (J2000):</source>
        <translation>Declinação (J2000):</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimute:</translation>
    </message>
    <message>
        <source>Magnitude:</source>
        <translation>Magnitude:</translation>
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
        <translation>Telescópio</translation>
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
        <translation>&amp;Host do servidor INDI:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>&amp;Telescopes the server offers:</source>
        <translation>&amp;Telescópios oferecidos pelo servidor:</translation>
    </message>
</context>
<context>
    <name>CTonightWindow</name>
    <message>
        <source>Tonight</source>
        <translation>Esta noite</translation>
    </message>
    <message>
        <source>Planets in the night, each at its highest:</source>
        <translation>Planetas na noite, cada um em seu ponto mais alto:</translation>
    </message>
    <message>
        <source>Objects above 30° at:</source>
        <translation>Objetos acima de 30° às:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Nascer</translation>
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
        <translation>Azimute</translation>
    </message>
    <message>
        <source>Moonrise %1, moonset %2</source>
        <translation>Nascer da Lua %1, ocaso da Lua %2</translation>
    </message>
    <message>
        <source>Moonset %1, moonrise %2</source>
        <translation>Ocaso da Lua %1, nascer da Lua %2</translation>
    </message>
    <message>
        <source>Sunset %1; civil twilight ends %2, nautical %3, astronomical %4</source>
        <translation>Pôr do Sol %1; o crepúsculo civil termina %2, náutico %3, astronômico %4</translation>
    </message>
    <message>
        <source>%1; %2, illuminated %3</source>
        <translation>%1; %2, iluminada %3</translation>
    </message>
    <message>
        <source>Dark hours without the Moon: %1</source>
        <translation>Horas escuras sem a Lua: %1</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot</source>
        <translation>Gráfico de &amp;altura</translation>
    </message>
    <message>
        <source>&amp;Slew Telescope</source>
        <translation>&amp;Apontar o telescópio</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Grids</source>
        <extracomment>Menu item of command 32780; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Grades</translation>
    </message>
    <message>
        <source>Alt-a&amp;zimuth Grid</source>
        <extracomment>Menu item of command 32825; &amp; marks the letter that chooses it.</extracomment>
        <translation>Grade alta&amp;zimutal</translation>
    </message>
    <message>
        <source>Meridia&amp;n</source>
        <extracomment>Menu item of command 32826; &amp; marks the letter that chooses it.</extracomment>
        <translation>Meridia&amp;no</translation>
    </message>
    <message>
        <source>&amp;Boundaries</source>
        <extracomment>Menu item of command 32778; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Limites</translation>
    </message>
    <message>
        <source>Constellation &amp;Lines</source>
        <extracomment>Menu item of command 32779; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Linhas das constelações</translation>
    </message>
    <message>
        <source>&amp;Deep Sky Objects</source>
        <extracomment>Menu item of command 32777; &amp; marks the letter that chooses it.</extracomment>
        <translation>Objetos de céu &amp;profundo</translation>
    </message>
    <message>
        <source>&amp;Milky Way</source>
        <extracomment>Menu item of command 32781; &amp; marks the letter that chooses it.</extracomment>
        <translation>Via &amp;Láctea</translation>
    </message>
    <message>
        <source>&amp;Solar System Objects</source>
        <extracomment>Menu item of command 32782; &amp; marks the letter that chooses it.</extracomment>
        <translation>Objetos do &amp;Sistema Solar</translation>
    </message>
    <message>
        <source>&amp;Eclipic</source>
        <extracomment>Menu item of command 32804; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Eclíptica</translation>
    </message>
    <message>
        <source>Star &amp;Names</source>
        <extracomment>Menu item of command 32796; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Nomes das estrelas</translation>
    </message>
    <message>
        <source>D&amp;eep Sky Labels</source>
        <extracomment>Menu item of command 32798; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Rótulos de céu profundo</translation>
    </message>
    <message>
        <source>&amp;Planet Names</source>
        <extracomment>Menu item of command 32797; &amp; marks the letter that chooses it.</extracomment>
        <translation>Nomes dos &amp;planetas</translation>
    </message>
    <message>
        <source>Stars &amp;Colors</source>
        <extracomment>Menu item of command 32792; &amp; marks the letter that chooses it.</extracomment>
        <translation>C&amp;ores das estrelas</translation>
    </message>
    <message>
        <source>&amp;Atmospheric refraction</source>
        <extracomment>Menu item of command 32821; &amp; marks the letter that chooses it.</extracomment>
        <translation>Refração &amp;atmosférica</translation>
    </message>
    <message>
        <source>E&amp;yepiece Fields</source>
        <extracomment>Menu item of command 32823; &amp; marks the letter that chooses it.</extracomment>
        <translation>Campos de o&amp;culares</translation>
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
        <translation>Tela &amp;vermelha</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <extracomment>Menu item of command 32803; &amp; marks the letter that chooses it.</extracomment>
        <translation>Tela &amp;cheia</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <extracomment>Menu item of command 59392; &amp; marks the letter that chooses it.</extracomment>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <extracomment>Menu item of command 59393; &amp; marks the letter that chooses it.</extracomment>
        <translation>Barra de s&amp;tatus</translation>
    </message>
    <message>
        <source>&amp;Equatorial</source>
        <extracomment>Menu item of command 32800; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Equatorial</translation>
    </message>
    <message>
        <source>&amp;Local Horizon</source>
        <extracomment>Menu item of command 32801; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Horizonte local</translation>
    </message>
    <message>
        <source>&amp;Date/Time...</source>
        <extracomment>Menu item of command 32784; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Data/hora...</translation>
    </message>
    <message>
        <source>Observer&apos;s &amp;Location...</source>
        <extracomment>Menu item of command 32785; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Local de observação...</translation>
    </message>
    <message>
        <source>&amp;Magnitude Limits...</source>
        <extracomment>Menu item of command 32787; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Magnitudes limite...</translation>
    </message>
    <message>
        <source>Draw &amp;Points</source>
        <extracomment>Menu item of command 32819; &amp; marks the letter that chooses it.</extracomment>
        <translation>Desenhar como &amp;pontos</translation>
    </message>
    <message>
        <source>Draw &amp;Bitmaps</source>
        <extracomment>Menu item of command 32820; &amp; marks the letter that chooses it.</extracomment>
        <translation>Desenhar como &amp;imagens</translation>
    </message>
    <message>
        <source>Deep Sky &amp;Objects...</source>
        <extracomment>Menu item of command 32788; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Objetos de céu profundo...</translation>
    </message>
    <message>
        <source>Colo&amp;rs...</source>
        <extracomment>Menu item of command 32790; &amp; marks the letter that chooses it.</extracomment>
        <translation>Co&amp;res...</translation>
    </message>
    <message>
        <source>Lan&amp;guage...</source>
        <extracomment>Menu item of command 32850; &amp; marks the letter that chooses it.</extracomment>
        <translation>I&amp;dioma...</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <extracomment>Menu item of command 32806; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Preto</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <extracomment>Menu item of command 32807; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Colorido</translation>
    </message>
    <message>
        <source>&amp;Star...</source>
        <extracomment>Menu item of command 32808; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Estrela...</translation>
    </message>
    <message>
        <source>&amp;Constellation...</source>
        <extracomment>Menu item of command 32810; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Constelação...</translation>
    </message>
    <message>
        <source>S&amp;olar System Object...</source>
        <extracomment>Menu item of command 32809; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Objeto do Sistema Solar...</translation>
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
        <translation>Esta &amp;noite...</translation>
    </message>
    <message>
        <source>&amp;East</source>
        <extracomment>Menu item of command 32813; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Leste</translation>
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
        <translation>&amp;Sul</translation>
    </message>
    <message>
        <source>&amp;Zenith</source>
        <extracomment>Menu item of command 32817; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Zênite</translation>
    </message>
    <message>
        <source>Na&amp;dir</source>
        <extracomment>Menu item of command 32818; &amp; marks the letter that chooses it.</extracomment>
        <translation>Na&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Real Time</source>
        <extracomment>Menu item of command 32829; &amp; marks the letter that chooses it.</extracomment>
        <translation>Tempo &amp;real</translation>
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
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <extracomment>Menu item of command 57606; &amp; marks the letter that chooses it.</extracomment>
        <translation>Configurar im&amp;pressão...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <extracomment>Menu item of command 57616; &amp; marks the letter that chooses it.</extracomment>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Menu item of command 57665; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Menu item of command 57667; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <extracomment>Menu item of command 57668; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Usar a ajuda</translation>
    </message>
    <message>
        <source>&amp;About Stellix...</source>
        <extracomment>Menu item of command 57664; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sobre o Stellix...</translation>
    </message>
    <message>
        <source>Comets and &amp;Asteroids</source>
        <extracomment>Menu item of command 32830; &amp; marks the letter that chooses it.</extracomment>
        <translation>Cometas e &amp;asteroides</translation>
    </message>
    <message>
        <source>Altitude &amp;Plot...</source>
        <extracomment>Menu item of command 32840; &amp; marks the letter that chooses it.</extracomment>
        <translation>Gráfico de &amp;altura...</translation>
    </message>
    <message>
        <source>&amp;Telescope...</source>
        <extracomment>Menu item of command 32860; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Telescópio...</translation>
    </message>
    <message>
        <source>&amp;Slew to Selected</source>
        <extracomment>Menu item of command 32861; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Apontar para o objeto escolhido</translation>
    </message>
    <message>
        <source>S&amp;ync to Selected</source>
        <extracomment>Menu item of command 32862; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Sincronizar com o objeto escolhido</translation>
    </message>
    <message>
        <source>Slew to View &amp;Centre</source>
        <extracomment>Menu item of command 32863; &amp; marks the letter that chooses it.</extracomment>
        <translation>Apontar para o &amp;centro da vista</translation>
    </message>
    <message>
        <source>&amp;Abort Slew</source>
        <extracomment>Menu item of command 32864; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Interromper o apontamento</translation>
    </message>
    <message>
        <source>&amp;Park</source>
        <extracomment>Menu item of command 32865; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Estacionar</translation>
    </message>
    <message>
        <source>&amp;Unpark</source>
        <extracomment>Menu item of command 32866; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Desestacionar</translation>
    </message>
    <message>
        <source>&amp;Follow the Telescope</source>
        <extracomment>Menu item of command 32867; &amp; marks the letter that chooses it.</extracomment>
        <translation>Se&amp;guir o telescópio</translation>
    </message>
    <message>
        <source>&amp;Import Orbital Elements...</source>
        <extracomment>Menu item of command 32831; &amp; marks the letter that chooses it.</extracomment>
        <translation>I&amp;mportar elementos orbitais...</translation>
    </message>
    <message>
        <source>&amp;Go to Coordinates...</source>
        <extracomment>Menu item of command 32875; &amp; marks the letter that chooses it.</extracomment>
        <translation>&amp;Ir para coordenadas...</translation>
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
        <translation>L</translation>
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
        <translation>Andrômeda</translation>
    </message>
    <message>
        <source>Antlia</source>
        <translation>Máquina Pneumática</translation>
    </message>
    <message>
        <source>Apus</source>
        <translation>Ave-do-Paraíso</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Aquila</source>
        <translation>Águia</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>Altar</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Auriga</source>
        <translation>Cocheiro</translation>
    </message>
    <message>
        <source>Boötes</source>
        <translation>Boieiro</translation>
    </message>
    <message>
        <source>Caelum</source>
        <translation>Buril</translation>
    </message>
    <message>
        <source>Camelopardalis</source>
        <translation>Girafa</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Canes Venatici</source>
        <translation>Cães de Caça</translation>
    </message>
    <message>
        <source>Canis Major</source>
        <translation>Cão Maior</translation>
    </message>
    <message>
        <source>Canis Minor</source>
        <translation>Cão Menor</translation>
    </message>
    <message>
        <source>Capricornus</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Carina</source>
        <translation>Quilha</translation>
    </message>
    <message>
        <source>Cassiopeia</source>
        <translation>Cassiopeia</translation>
    </message>
    <message>
        <source>Centaurus</source>
        <translation>Centauro</translation>
    </message>
    <message>
        <source>Cepheus</source>
        <translation>Cefeu</translation>
    </message>
    <message>
        <source>Cetus</source>
        <translation>Baleia</translation>
    </message>
    <message>
        <source>Chamaeleon</source>
        <translation>Camaleão</translation>
    </message>
    <message>
        <source>Circinus</source>
        <translation>Compasso</translation>
    </message>
    <message>
        <source>Columba</source>
        <translation>Pomba</translation>
    </message>
    <message>
        <source>Coma Berenices</source>
        <translation>Cabeleira de Berenice</translation>
    </message>
    <message>
        <source>Corona Austrina</source>
        <translation>Coroa Austral</translation>
    </message>
    <message>
        <source>Corona Borealis</source>
        <translation>Coroa Boreal</translation>
    </message>
    <message>
        <source>Corvus</source>
        <translation>Corvo</translation>
    </message>
    <message>
        <source>Crater</source>
        <translation>Taça</translation>
    </message>
    <message>
        <source>Crux</source>
        <translation>Cruzeiro do Sul</translation>
    </message>
    <message>
        <source>Cygnus</source>
        <translation>Cisne</translation>
    </message>
    <message>
        <source>Delphinus</source>
        <translation>Golfinho</translation>
    </message>
    <message>
        <source>Dorado</source>
        <translation>Dourado</translation>
    </message>
    <message>
        <source>Draco</source>
        <translation>Dragão</translation>
    </message>
    <message>
        <source>Equuleus</source>
        <translation>Cavalo Menor</translation>
    </message>
    <message>
        <source>Eridanus</source>
        <translation>Erídano</translation>
    </message>
    <message>
        <source>Fornax</source>
        <translation>Fornalha</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Grus</source>
        <translation>Grou</translation>
    </message>
    <message>
        <source>Hercules</source>
        <translation>Hércules</translation>
    </message>
    <message>
        <source>Horologium</source>
        <translation>Relógio</translation>
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
        <translation>Índio</translation>
    </message>
    <message>
        <source>Lacerta</source>
        <translation>Lagarto</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Leo Minor</source>
        <translation>Leão Menor</translation>
    </message>
    <message>
        <source>Lepus</source>
        <translation>Lebre</translation>
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
        <translation>Microscópio</translation>
    </message>
    <message>
        <source>Monoceros</source>
        <translation>Unicórnio</translation>
    </message>
    <message>
        <source>Musca</source>
        <translation>Mosca</translation>
    </message>
    <message>
        <source>Norma</source>
        <translation>Esquadro</translation>
    </message>
    <message>
        <source>Octans</source>
        <translation>Oitante</translation>
    </message>
    <message>
        <source>Ophiuchus</source>
        <translation>Ofiúco</translation>
    </message>
    <message>
        <source>Orion</source>
        <translation>Órion</translation>
    </message>
    <message>
        <source>Pavo</source>
        <translation>Pavão</translation>
    </message>
    <message>
        <source>Pegasus</source>
        <translation>Pégaso</translation>
    </message>
    <message>
        <source>Perseus</source>
        <translation>Perseu</translation>
    </message>
    <message>
        <source>Phoenix</source>
        <translation>Fênix</translation>
    </message>
    <message>
        <source>Pictor</source>
        <translation>Pintor</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>Piscis Austrinus</source>
        <translation>Peixe Austral</translation>
    </message>
    <message>
        <source>Puppis</source>
        <translation>Popa</translation>
    </message>
    <message>
        <source>Pyxis</source>
        <translation>Bússola</translation>
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
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Scorpius</source>
        <translation>Escorpião</translation>
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
        <translation>Cabeça da Serpente</translation>
    </message>
    <message>
        <source>Serpens Cauda</source>
        <translation>Cauda da Serpente</translation>
    </message>
    <message>
        <source>Sextans</source>
        <translation>Sextante</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Telescopium</source>
        <translation>Telescópio</translation>
    </message>
    <message>
        <source>Triangulum</source>
        <translation>Triângulo</translation>
    </message>
    <message>
        <source>Triangulum Australe</source>
        <translation>Triângulo Austral</translation>
    </message>
    <message>
        <source>Tucana</source>
        <translation>Tucano</translation>
    </message>
    <message>
        <source>Ursa Major</source>
        <translation>Ursa Maior</translation>
    </message>
    <message>
        <source>Ursa Minor</source>
        <translation>Ursa Menor</translation>
    </message>
    <message>
        <source>Vela</source>
        <translation>Vela</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Volans</source>
        <translation>Peixe Voador</translation>
    </message>
    <message>
        <source>Vulpecula</source>
        <translation>Raposa</translation>
    </message>
</context>
<context>
    <name>WhatsThis</name>
    <message>
        <source>&lt;b&gt;Time step&lt;/b&gt;&lt;p&gt;How far each step of the time animation moves the clock: from real time (one second a second) to one year.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 1032.</extracomment>
        <translation>&lt;b&gt;Passo de tempo&lt;/b&gt;&lt;p&gt;Quanto cada passo da animação move o relógio: do tempo real (um segundo por segundo) a um ano.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field left&lt;/b&gt; (Left arrow)&lt;p&gt;The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32771.</extracomment>
        <translation>&lt;b&gt;Mover o campo para a esquerda&lt;/b&gt; (Left arrow)&lt;p&gt;As estrelas vão para a esquerda: você vê mais do céu que ficava à direita. O passo é menor quanto mais você aproxima.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field right&lt;/b&gt; (Right arrow)&lt;p&gt;The stars move to the right: you see more of the sky that lay to the left.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32772.</extracomment>
        <translation>&lt;b&gt;Mover o campo para a direita&lt;/b&gt; (Right arrow)&lt;p&gt;As estrelas vão para a direita: você vê mais do céu que ficava à esquerda.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field up&lt;/b&gt; (Up arrow)&lt;p&gt;The stars move up: you see more of the sky that lay below the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32773.</extracomment>
        <translation>&lt;b&gt;Mover o campo para cima&lt;/b&gt; (Up arrow)&lt;p&gt;As estrelas sobem: você vê mais do céu que ficava abaixo do meio da vista.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move the field down&lt;/b&gt; (Down arrow)&lt;p&gt;The stars move down: you see more of the sky that lay above the middle of the view.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32774.</extracomment>
        <translation>&lt;b&gt;Mover o campo para baixo&lt;/b&gt; (Down arrow)&lt;p&gt;As estrelas descem: você vê mais do céu que ficava acima do meio da vista.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom out&lt;/b&gt; (/ on the numeric keypad)&lt;p&gt;Halves the magnification, down to the whole visible half of the sky.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32776.</extracomment>
        <translation>&lt;b&gt;Afastar&lt;/b&gt; (/ do teclado numérico)&lt;p&gt;Reduz a ampliação à metade, até toda a metade visível do céu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deep sky objects&lt;/b&gt; (D)&lt;p&gt;Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &amp;gt; Deep Sky Objects chooses which kinds are drawn.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32777.</extracomment>
        <translation>&lt;b&gt;Objetos de céu profundo&lt;/b&gt; (D)&lt;p&gt;Mostra ou oculta os objetos Messier e NGC: aglomerados, galáxias e nebulosas. Configurações &amp;gt; Objetos de céu profundo escolhe os tipos desenhados.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Boundaries&lt;/b&gt; (B)&lt;p&gt;Shows or hides the boundaries of the 88 constellations and their names.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32778.</extracomment>
        <translation>&lt;b&gt;Limites&lt;/b&gt; (B)&lt;p&gt;Mostra ou oculta os limites das 88 constelações e os seus nomes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Constellation lines&lt;/b&gt; (L)&lt;p&gt;Shows or hides the figures that join the bright stars of each constellation.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32779.</extracomment>
        <translation>&lt;b&gt;Linhas das constelações&lt;/b&gt; (L)&lt;p&gt;Mostra ou oculta as figuras que ligam as estrelas brilhantes de cada constelação.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Grids&lt;/b&gt; (G)&lt;p&gt;Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&amp;deg; of declination.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32780.</extracomment>
        <translation>&lt;b&gt;Grades&lt;/b&gt; (G)&lt;p&gt;Mostra ou oculta a grade equatorial: um círculo a cada hora de ascensão reta e a cada 15&amp;deg; de declinação.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Milky Way&lt;/b&gt; (M)&lt;p&gt;Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32781.</extracomment>
        <translation>&lt;b&gt;Via Láctea&lt;/b&gt; (M)&lt;p&gt;Mostra ou oculta a faixa da Via Láctea e os contornos das Nuvens de Magalhães.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solar System&lt;/b&gt; (P)&lt;p&gt;Shows or hides the Sun, the Moon and the planets.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32782.</extracomment>
        <translation>&lt;b&gt;Sistema Solar&lt;/b&gt; (P)&lt;p&gt;Mostra ou oculta o Sol, a Lua e os planetas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Date and time&lt;/b&gt;&lt;p&gt;Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32784.</extracomment>
        <translation>&lt;b&gt;Data e hora&lt;/b&gt;&lt;p&gt;Ajusta a data e a hora do céu mostrado, de 1901 a 2099, ou volta ao presente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Location&lt;/b&gt;&lt;p&gt;Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32785.</extracomment>
        <translation>&lt;b&gt;Local&lt;/b&gt;&lt;p&gt;Ajusta o lugar da Terra de onde você observa: uma cidade da lista, um ponto do mapa-múndi, ou latitude, longitude e fuso horário.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation backward&lt;/b&gt; (Ctrl+B)&lt;p&gt;Runs time backwards, one time step after another, until you press Animation stop.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32789.</extracomment>
        <translation>&lt;b&gt;Animação para trás&lt;/b&gt; (Ctrl+B)&lt;p&gt;Faz o tempo correr para trás, um passo após o outro, até você clicar em Parar a animação.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step backward&lt;/b&gt; ([)&lt;p&gt;Moves the clock back by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32791.</extracomment>
        <translation>&lt;b&gt;Um passo para trás&lt;/b&gt; ([)&lt;p&gt;Atrasa o relógio em um passo de tempo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation stop&lt;/b&gt; (Esc)&lt;p&gt;Stops the time animation. The sky stays at the time it has reached.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32793.</extracomment>
        <translation>&lt;b&gt;Parar a animação&lt;/b&gt; (Esc)&lt;p&gt;Para a animação do tempo. O céu fica na hora alcançada.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;One step forward&lt;/b&gt; (])&lt;p&gt;Moves the clock on by one time step.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32794.</extracomment>
        <translation>&lt;b&gt;Um passo para frente&lt;/b&gt; (])&lt;p&gt;Adianta o relógio em um passo de tempo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Animation forward&lt;/b&gt; (Ctrl+F)&lt;p&gt;Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32795.</extracomment>
        <translation>&lt;b&gt;Animação para frente&lt;/b&gt; (Ctrl+F)&lt;p&gt;Faz o tempo correr para frente, um passo após o outro, até você clicar em Parar a animação. Menus e diálogos esperam até que ela pare.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Equatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32800.</extracomment>
        <translation>&lt;b&gt;Equatorial&lt;/b&gt; (Ctrl+Q)&lt;p&gt;Mostra o céu como uma carta celeste, com o polo celeste em cima, como se a Terra não estivesse lá.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Local horizon&lt;/b&gt; (Ctrl+H)&lt;p&gt;Shows the sky as you see it from your place, with the ground, the landscape and the compass points.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32801.</extracomment>
        <translation>&lt;b&gt;Horizonte local&lt;/b&gt; (Ctrl+H)&lt;p&gt;Mostra o céu como você o vê do seu local, com o chão, a paisagem e os pontos cardeais.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Red screen&lt;/b&gt; (Shift+R)&lt;p&gt;Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32802.</extracomment>
        <translation>&lt;b&gt;Tela vermelha&lt;/b&gt; (Shift+R)&lt;p&gt;Desenha o céu e a janela inteira em vermelho escuro sobre preto, o que mantém os seus olhos adaptados ao escuro no telescópio.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Full screen&lt;/b&gt; (Shift+F)&lt;p&gt;Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32803.</extracomment>
        <translation>&lt;b&gt;Tela cheia&lt;/b&gt; (Shift+F)&lt;p&gt;Mostra só o céu, na tela inteira. Esc ou Shift+F de novo, ou o ponteiro na borda superior, para voltar.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Eyepiece fields&lt;/b&gt; (Shift+E)&lt;p&gt;Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &amp;gt; Eyepiece Fields... defines them.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32823.</extracomment>
        <translation>&lt;b&gt;Campos de oculares&lt;/b&gt; (Shift+E)&lt;p&gt;Mostra ou oculta os campos das suas oculares e câmeras em torno do meio da vista. Exibir &amp;gt; Definir campos de oculares... os define.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt; (Ctrl+O)&lt;p&gt;Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57601.</extracomment>
        <translation>&lt;b&gt;Abrir&lt;/b&gt; (Ctrl+O)&lt;p&gt;Abre um arquivo de imagem (JPEG, GIF, PCX, TGA, BMP ou TIFF) numa janela de imagem. O diálogo de arquivos começa na pasta Images do diretório de dados.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt; (Ctrl+P)&lt;p&gt;Prints the field you see as a black-on-white chart.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57607.</extracomment>
        <translation>&lt;b&gt;Imprimir&lt;/b&gt; (Ctrl+P)&lt;p&gt;Imprime o campo que você vê como uma carta preta sobre branco.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Preview&lt;/b&gt;&lt;p&gt;Shows the printed chart of the field you see, page by page, before anything goes to the printer.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57609.</extracomment>
        <translation>&lt;b&gt;Visualizar impressão&lt;/b&gt;&lt;p&gt;Mostra a carta impressa do campo que você vê, página por página, antes que algo vá para a impressora.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;About Stellix&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version, its licence and where its sky data comes from.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57664.</extracomment>
        <translation>&lt;b&gt;Sobre o Stellix&lt;/b&gt;&lt;p&gt;Mostra a versão do programa, a sua licença e de onde vêm os seus dados do céu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s this?&lt;/b&gt; (Shift+F1)&lt;p&gt;Click this button, then on any button, menu item or field, to read what it does.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57669.</extracomment>
        <translation>&lt;b&gt;O que é isto?&lt;/b&gt; (Shift+F1)&lt;p&gt;Clique neste botão e depois em qualquer botão, item de menu ou campo para ler o que ele faz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1)&lt;p&gt;Opens the user guide at the page of the window you are in.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 57670.</extracomment>
        <translation>&lt;b&gt;Ajuda&lt;/b&gt; (F1)&lt;p&gt;Abre o guia na página da janela em que você está.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Zoom in&lt;/b&gt; (* on the numeric keypad)&lt;p&gt;Doubles the magnification, up to 8192 times.&lt;/p&gt;</source>
        <extracomment>What&apos;s-this help of command 32775.</extracomment>
        <translation>&lt;b&gt;Aproximar&lt;/b&gt; (* do teclado numérico)&lt;p&gt;Dobra a ampliação, até 8192 vezes.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>astro</name>
    <message>
        <source>New Moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Crescente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Quarto crescente</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Crescente gibosa</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Minguante gibosa</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Quarto minguante</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Minguante</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>the file name must end in .png or .svg</source>
        <translation>o nome do arquivo deve terminar em .png ou .svg</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>não foi possível fazer o desenho</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>não foi possível iniciar o PDF</translation>
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
Documento do Stellix</translation>
    </message>
    <message>
        <source>Stellix</source>
        <extracomment>String 200. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Stellix</translation>
    </message>
    <message>
        <source>Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||</source>
        <extracomment>String 219. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Arquivos JPEG(*.JPG)|*.JPG|Arquivos GIF(*.GIF)|*.GIF|Arquivos PCX(*.PCX)|*.PCX|Arquivos Targa(*.TGA)|*.TGA|Arquivos BMP(*.BMP)|*.BMP|Arquivos TIFF(*.TIF)|*.TIF||</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%s&quot; file !   </source>
        <extracomment>String 300. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Não é possível abrir o arquivo &quot;%s&quot;!   </translation>
    </message>
    <message>
        <source>Object under horizon. Not visible.   </source>
        <extracomment>String 301. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objeto abaixo do horizonte. Não visível.   </translation>
    </message>
    <message>
        <source>Select star or press &apos; Cancel &apos;.    </source>
        <extracomment>String 302. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Escolha uma estrela ou clique em &quot;Cancelar&quot;.    </translation>
    </message>
    <message>
        <source>Select constellation or press &apos; Cancel &apos;.    </source>
        <extracomment>String 303. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Escolha uma constelação ou clique em &quot;Cancelar&quot;.    </translation>
    </message>
    <message>
        <source>Enter Messier number or press &apos; Cancel &apos;.    </source>
        <extracomment>String 304. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Digite um número Messier ou clique em &quot;Cancelar&quot;.    </translation>
    </message>
    <message>
        <source>Wrong catalog number !    </source>
        <extracomment>String 305. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Número de catálogo errado!    </translation>
    </message>
    <message>
        <source>Select NGC object or press &apos; Cancel &apos;.    </source>
        <extracomment>String 306. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Escolha um objeto NGC ou clique em &quot;Cancelar&quot;.    </translation>
    </message>
    <message>
        <source>Animation has no effect when the Solar System is disabled in Equatorial mode !    </source>
        <extracomment>String 307. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>A animação não tem efeito quando o Sistema Solar está desativado no modo equatorial!    </translation>
    </message>
    <message>
        <source>Can&apos;t initialize rendering context for OpenGL !    </source>
        <extracomment>String 308. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Não é possível criar o contexto de desenho OpenGL!    </translation>
    </message>
    <message>
        <source>Couldn&apos;t load the image &quot;%s&quot; !    </source>
        <extracomment>String 309. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Não foi possível carregar a imagem &quot;%s&quot;!    </translation>
    </message>
    <message>
        <source>Set your display to High Color or more to run Stellix !    </source>
        <extracomment>String 311. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ajuste a tela para High Color (16 bits) ou mais para usar o Stellix!    </translation>
    </message>
    <message>
        <source>You have entered wrong number! It must be from %d to %d.    </source>
        <extracomment>String 317. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Você digitou um número errado! Ele deve estar entre %d e %d.    </translation>
    </message>
    <message>
        <source>Can&apos;t write the settings file &quot;%s&quot; !   </source>
        <extracomment>String 320. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Não é possível gravar o arquivo de configurações &quot;%s&quot;!   </translation>
    </message>
    <message>
        <source>Unknown DIB file format.</source>
        <extracomment>String 330. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Formato de arquivo DIB desconhecido.</translation>
    </message>
    <message>
        <source>Image file conversion error.</source>
        <extracomment>String 331. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Erro de conversão do arquivo de imagem.</translation>
    </message>
    <message>
        <source>Failed to open DIB file %s.
</source>
        <extracomment>String 332: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Não foi possível abrir o arquivo DIB %s.
</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <extracomment>String 333. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>String 334. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Settings out of range in &quot;%s&quot; were replaced by the nearest allowed values: %s   </source>
        <extracomment>String 340. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Configurações fora do intervalo em &quot;%s&quot; foram substituídas pelos valores permitidos mais próximos: %s   </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: %s. The sky is shown without those records.   </source>
        <extracomment>String 341. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O arquivo &quot;%s&quot; está danificado: %s. O céu é mostrado sem esses registros.   </translation>
    </message>
    <message>
        <source>records %s to %s are missing</source>
        <extracomment>String 342. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>faltam os registros %s a %s</translation>
    </message>
    <message>
        <source>record %s is missing</source>
        <extracomment>String 343. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>falta o registro %s</translation>
    </message>
    <message>
        <source>record %s is unusable (%s)</source>
        <extracomment>String 344. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>o registro %s é inutilizável (%s)</translation>
    </message>
    <message>
        <source>%s records are unusable, the first record %s (%s)</source>
        <extracomment>String 345. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s registros são inutilizáveis, o primeiro o registro %s (%s)</translation>
    </message>
    <message>
        <source>a coordinate out of range or not a number</source>
        <extracomment>String 346. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>uma coordenada fora do intervalo ou que não é um número</translation>
    </message>
    <message>
        <source>a magnitude out of range or not a number</source>
        <extracomment>String 347. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>uma magnitude fora do intervalo ou que não é um número</translation>
    </message>
    <message>
        <source>a label offset beyond 1000 pixels</source>
        <extracomment>String 348. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>um deslocamento de rótulo além de 1000 pixels</translation>
    </message>
    <message>
        <source>a position angle or an axis out of range or not a number</source>
        <extracomment>String 349. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>um ângulo de posição ou um eixo fora do intervalo ou que não é um número</translation>
    </message>
    <message>
        <source>a longitude, latitude, minute or time zone out of range</source>
        <extracomment>String 350. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>uma longitude, latitude, minuto ou fuso horário fora do intervalo</translation>
    </message>
    <message>
        <source>a line that does not read as its numbers</source>
        <extracomment>String 351. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>uma linha que não se lê como os seus números</translation>
    </message>
    <message>
        <source>The texture file &quot;%s&quot; cannot be used: %s   </source>
        <extracomment>String 352. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O arquivo de textura &quot;%s&quot; não pode ser usado: %s   </translation>
    </message>
    <message>
        <source>it is not a BMP file.</source>
        <extracomment>String 353. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>não é um arquivo BMP.</translation>
    </message>
    <message>
        <source>a proper motion or parallax out of range or not a number</source>
        <extracomment>String 354. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>um movimento próprio ou uma paralaxe fora do intervalo ou que não é um número</translation>
    </message>
    <message>
        <source>a time zone that this computer&apos;s tzdata does not know</source>
        <extracomment>String 355. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>um fuso horário que o tzdata deste computador não conhece</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is damaged: its header is not one this program reads. The sky is shown without that file.   </source>
        <extracomment>String 356. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O arquivo &quot;%s&quot; está danificado: o seu cabeçalho não é um que este programa lê. O céu é mostrado sem esse arquivo.   </translation>
    </message>
    <message>
        <source>Give the field a name.    </source>
        <extracomment>String 360. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dê um nome ao campo.    </translation>
    </message>
    <message>
        <source>%s must be a number from %s to %s.    </source>
        <extracomment>String 361. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s deve ser um número de %s a %s.    </translation>
    </message>
    <message>
        <source>This field would be %s wide; a field may be at most %s wide.    </source>
        <extracomment>String 362. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Este campo teria %s de largura; um campo pode ter no máximo %s.    </translation>
    </message>
    <message>
        <source>There is room for %s fields; remove one to add another.    </source>
        <extracomment>String 363. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Há espaço para %s campos; remova um para adicionar outro.    </translation>
    </message>
    <message>
        <source>near %s (%s km)</source>
        <extracomment>String 364. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>perto de %s (%s km)</translation>
    </message>
    <message>
        <source>Following %s</source>
        <extracomment>String 365. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Seguindo %s</translation>
    </message>
    <message>
        <source>Choose the object to follow first: search for it, then press T.    </source>
        <extracomment>String 366. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Escolha primeiro o objeto a seguir: procure-o e depois pressione T.    </translation>
    </message>
    <message>
        <source>Moon</source>
        <extracomment>String 500. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Sun</source>
        <extracomment>String 501. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>String 502. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>String 503. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Vênus</translation>
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
        <translation>Netuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>String 509. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Plutão</translation>
    </message>
    <message>
        <source>Constellation line.    </source>
        <extracomment>String 510. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linha de constelação.    </translation>
    </message>
    <message>
        <source>Constellation boundary.    </source>
        <extracomment>String 511. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Limite de constelação.    </translation>
    </message>
    <message>
        <source>Right ascension grid line.    </source>
        <extracomment>String 512. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linha da grade de ascensão reta.    </translation>
    </message>
    <message>
        <source>Declination grid line.    </source>
        <extracomment>String 513. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linha da grade de declinação.    </translation>
    </message>
    <message>
        <source>Ecliptic line.    </source>
        <extracomment>String 514. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Eclíptica.    </translation>
    </message>
    <message>
        <source> million km</source>
        <extracomment>String 516. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> milhões de km</translation>
    </message>
    <message>
        <source>Open cluster</source>
        <extracomment>String 517. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Aglomerado aberto</translation>
    </message>
    <message>
        <source>Globular cluster</source>
        <extracomment>String 518. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Aglomerado globular</translation>
    </message>
    <message>
        <source>Galaxy</source>
        <extracomment>String 519. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Galáxia</translation>
    </message>
    <message>
        <source>Nebula</source>
        <extracomment>String 520. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nebulosa</translation>
    </message>
    <message>
        <source>Planetary nebula</source>
        <extracomment>String 521. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nebulosa planetária</translation>
    </message>
    <message>
        <source> Real time</source>
        <extracomment>String 522. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> Tempo real</translation>
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
        <translation> 1 dia</translation>
    </message>
    <message>
        <source> 7 days</source>
        <extracomment>String 527. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 7 dias</translation>
    </message>
    <message>
        <source> 1 month</source>
        <extracomment>String 528. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 mês</translation>
    </message>
    <message>
        <source> 1 year</source>
        <extracomment>String 529. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> 1 ano</translation>
    </message>
    <message>
        <source>Large Magellanic Cloud.    </source>
        <extracomment>String 530. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Grande Nuvem de Magalhães.    </translation>
    </message>
    <message>
        <source>Small Magellanic Cloud.    </source>
        <extracomment>String 531. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Pequena Nuvem de Magalhães.    </translation>
    </message>
    <message>
        <source>Time step
Time step</source>
        <extracomment>String 1032: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Passo de tempo
Passo de tempo</translation>
    </message>
    <message>
        <source>Move the field left
Move the field left</source>
        <extracomment>String 32771: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mover o campo para a esquerda
Mover o campo para a esquerda</translation>
    </message>
    <message>
        <source>Move the field right
Move the field right</source>
        <extracomment>String 32772: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mover o campo para a direita
Mover o campo para a direita</translation>
    </message>
    <message>
        <source>Move the field up
Move the field up</source>
        <extracomment>String 32773: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mover o campo para cima
Mover o campo para cima</translation>
    </message>
    <message>
        <source>Move the field down
Move the field down</source>
        <extracomment>String 32774: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mover o campo para baixo
Mover o campo para baixo</translation>
    </message>
    <message>
        <source>Zoom the field in
Zoom in</source>
        <extracomment>String 32775: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Aproximar o campo
Aproximar</translation>
    </message>
    <message>
        <source>Zoom the field out
Zoom out</source>
        <extracomment>String 32776: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Afastar o campo
Afastar</translation>
    </message>
    <message>
        <source>Deep sky objects
Deep sky objects</source>
        <extracomment>String 32777: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objetos de céu profundo
Objetos de céu profundo</translation>
    </message>
    <message>
        <source>Constellation boundaries
Boundaries</source>
        <extracomment>String 32778: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Limites das constelações
Limites</translation>
    </message>
    <message>
        <source>Constellation lines
Constellation lines</source>
        <extracomment>String 32779: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linhas das constelações
Linhas das constelações</translation>
    </message>
    <message>
        <source>Coordination grid lines
Grids</source>
        <extracomment>String 32780: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Linhas da grade de coordenadas
Grades</translation>
    </message>
    <message>
        <source>Milky Way
Milky Way</source>
        <extracomment>String 32781: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Via Láctea
Via Láctea</translation>
    </message>
    <message>
        <source>Solar System objects
Solar System</source>
        <extracomment>String 32782: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Objetos do Sistema Solar
Sistema Solar</translation>
    </message>
    <message>
        <source>Date and time
Date and time</source>
        <extracomment>String 32784: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Data e hora
Data e hora</translation>
    </message>
    <message>
        <source>Location of the observer
Location</source>
        <extracomment>String 32785: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Local do observador
Local</translation>
    </message>
    <message>
        <source>Magnitude limits</source>
        <extracomment>String 32787. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Magnitudes limite</translation>
    </message>
    <message>
        <source>Deep sky objects settings
Deep sky objects</source>
        <extracomment>String 32788: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Configurações dos objetos de céu profundo
Objetos de céu profundo</translation>
    </message>
    <message>
        <source>Animation backward
Animation backward</source>
        <extracomment>String 32789: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animação para trás
Animação para trás</translation>
    </message>
    <message>
        <source>Colors settings
Colors</source>
        <extracomment>String 32790: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Configurações de cores
Cores</translation>
    </message>
    <message>
        <source>One step animation backward
One step backward</source>
        <extracomment>String 32791: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Um passo de animação para trás
Um passo para trás</translation>
    </message>
    <message>
        <source>Show or hide stars colors
Stars colors</source>
        <extracomment>String 32792: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar as cores das estrelas
Cores das estrelas</translation>
    </message>
    <message>
        <source>Animation stop
Animation stop</source>
        <extracomment>String 32793: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Parar a animação
Parar a animação</translation>
    </message>
    <message>
        <source>One step animation forward
One step forward</source>
        <extracomment>String 32794: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Um passo de animação para frente
Um passo para frente</translation>
    </message>
    <message>
        <source>Animation forward
Animation forward</source>
        <extracomment>String 32795: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Animação para frente
Animação para frente</translation>
    </message>
    <message>
        <source>Show or hide star names</source>
        <extracomment>String 32796. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar os nomes das estrelas</translation>
    </message>
    <message>
        <source>Show or hide Solar System names</source>
        <extracomment>String 32797. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar os nomes do Sistema Solar</translation>
    </message>
    <message>
        <source>Show or hide deep sky labels</source>
        <extracomment>String 32798. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar os rótulos de céu profundo</translation>
    </message>
    <message>
        <source>Equatorial mode</source>
        <extracomment>String 32800. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Modo equatorial</translation>
    </message>
    <message>
        <source>Local horizon mode</source>
        <extracomment>String 32801. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Modo horizonte local</translation>
    </message>
    <message>
        <source>Show or hide red screen mode
Red screen</source>
        <extracomment>String 32802: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ativar ou desativar a tela vermelha
Tela vermelha</translation>
    </message>
    <message>
        <source>Show or hide full screen mode
Full screen</source>
        <extracomment>String 32803: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Ativar ou desativar a tela cheia
Tela cheia</translation>
    </message>
    <message>
        <source>Show or hide ecliptic line</source>
        <extracomment>String 32804. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar a eclíptica</translation>
    </message>
    <message>
        <source>Black background of the sky</source>
        <extracomment>String 32806. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fundo do céu preto</translation>
    </message>
    <message>
        <source>Color background of the sky</source>
        <extracomment>String 32807. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Fundo do céu colorido</translation>
    </message>
    <message>
        <source>Search for star</source>
        <extracomment>String 32808. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Procurar estrela</translation>
    </message>
    <message>
        <source>Search for Solar System object</source>
        <extracomment>String 32809. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Procurar objeto do Sistema Solar</translation>
    </message>
    <message>
        <source>Search for constellation</source>
        <extracomment>String 32810. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Procurar constelação</translation>
    </message>
    <message>
        <source>Search for Messier</source>
        <extracomment>String 32811. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Procurar objeto Messier</translation>
    </message>
    <message>
        <source>Search for NGC</source>
        <extracomment>String 32812. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Procurar objeto NGC</translation>
    </message>
    <message>
        <source>Search for East</source>
        <extracomment>String 32813. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Olhar para o leste</translation>
    </message>
    <message>
        <source>Search for West</source>
        <extracomment>String 32814. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Olhar para o oeste</translation>
    </message>
    <message>
        <source>Search for North</source>
        <extracomment>String 32815. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Olhar para o norte</translation>
    </message>
    <message>
        <source>Search for South</source>
        <extracomment>String 32816. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Olhar para o sul</translation>
    </message>
    <message>
        <source>Search for Zenith</source>
        <extracomment>String 32817. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Olhar para o zênite</translation>
    </message>
    <message>
        <source>Search for Nadir</source>
        <extracomment>String 32818. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Olhar para o nadir</translation>
    </message>
    <message>
        <source>Draw stars as points</source>
        <extracomment>String 32819. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Desenhar as estrelas como pontos</translation>
    </message>
    <message>
        <source>Draw stars as bitmaps</source>
        <extracomment>String 32820. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Desenhar as estrelas como imagens</translation>
    </message>
    <message>
        <source>Lift the local-horizon sky by the atmosphere&apos;s refraction
Atmospheric refraction</source>
        <extracomment>String 32821: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Elevar o céu do horizonte local pela refração da atmosfera
Refração atmosférica</translation>
    </message>
    <message>
        <source>Show the night ahead: twilight, the Moon, the planets and what stands high
Tonight</source>
        <extracomment>String 32822: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar a noite que vem: crepúsculo, a Lua, os planetas e o que está alto
Esta noite</translation>
    </message>
    <message>
        <source>Show or hide the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32823: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar os campos das suas oculares e câmeras
Campos de oculares</translation>
    </message>
    <message>
        <source>Define the fields of your eyepieces and cameras
Eyepiece fields</source>
        <extracomment>String 32824: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Definir os campos das suas oculares e câmeras
Campos de oculares</translation>
    </message>
    <message>
        <source>Show or hide the grid of altitude and azimuth
Alt-azimuth grid</source>
        <extracomment>String 32825: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar a grade de altura e azimute
Grade altazimutal</translation>
    </message>
    <message>
        <source>Show or hide the meridian
Meridian</source>
        <extracomment>String 32826: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar o meridiano
Meridiano</translation>
    </message>
    <message>
        <source>Keep the object you chose at the middle of the view while time runs
Follow</source>
        <extracomment>String 32827: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Manter o objeto escolhido no meio da vista enquanto o tempo corre
Seguir</translation>
    </message>
    <message>
        <source>Keep the sky at the present instant as the clock runs
Real time</source>
        <extracomment>String 32829: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Manter o céu no instante presente enquanto o relógio anda
Tempo real</translation>
    </message>
    <message>
        <source>Choose the language of the window; it takes effect after a restart
Language</source>
        <extracomment>String 32850: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Escolher o idioma da janela; ele vale após reiniciar
Idioma</translation>
    </message>
    <message>
        <source>Open an image file
Open</source>
        <extracomment>String 57601: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Abrir um arquivo de imagem
Abrir</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>String 57606: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Alterar a impressora e as opções de impressão
Configurar impressão</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <extracomment>String 57607: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Imprimir a carta
Imprimir</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <extracomment>String 57609: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar páginas inteiras
Visualizar impressão</translation>
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
        <translation>30 de set. de 2002 </translation>
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
        <translation>Mostrar informações do programa, número de versão e direitos autorais
Sobre</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <extracomment>String 57665: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Sair do programa
Sair</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <extracomment>String 57667: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Listar os tópicos da ajuda
Tópicos da ajuda</translation>
    </message>
    <message>
        <source>Display instructions about how to use help
Help</source>
        <extracomment>String 57668: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar como usar a ajuda
Ajuda</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <extracomment>String 57669: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ajuda sobre botões, menus e janelas clicados
Ajuda</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <extracomment>String 57670: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ajuda sobre a tarefa ou o comando atual
Ajuda</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <extracomment>String 59392: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar a barra de ferramentas
Barra de ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <extracomment>String 59393: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Mostrar ou ocultar a barra de status
Barra de status</translation>
    </message>
    <message>
        <source>The clocks went forward by %s on this day: there was no %s; it is read as %s (%s).</source>
        <extracomment>String 410. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Neste dia os relógios foram adiantados %s: não houve %s; lê-se como %s (%s).</translation>
    </message>
    <message>
        <source>The clocks went back on this day: %s came twice; the first time (%s) is meant.</source>
        <extracomment>String 411. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Neste dia os relógios foram atrasados: %s aconteceu duas vezes; vale a primeira (%s).</translation>
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
        <translation>Os elementos orbitais valem para %s, a mais de um ano da data exibida: a posição pode estar muito errada.</translation>
    </message>
    <message>
        <source> AU</source>
        <extracomment>String 373. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation> UA</translation>
    </message>
    <message>
        <source>%s years</source>
        <extracomment>String 374. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s anos</translation>
    </message>
    <message>
        <source>No orbital elements were imported: %s   </source>
        <extracomment>String 375. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nenhum elemento orbital foi importado: %s   </translation>
    </message>
    <message>
        <source>The orbital elements could not be kept in &quot;%s&quot;: %s   </source>
        <extracomment>String 377. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Não foi possível guardar os elementos orbitais em &quot;%s&quot;: %s   </translation>
    </message>
    <message>
        <source>%s: the file cannot be read</source>
        <extracomment>String 378. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: não é possível ler o arquivo</translation>
    </message>
    <message>
        <source>%s: the file holds no orbital elements</source>
        <extracomment>String 379. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: o arquivo não contém elementos orbitais</translation>
    </message>
    <message>
        <source>%s from %s, the night of %s</source>
        <extracomment>String 390. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s a partir de %s, noite de %s</translation>
    </message>
    <message>
        <source>Time at the place (%s)</source>
        <extracomment>String 391. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hora no local (%s)</translation>
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
        <translation>Crepúsculo astronômico</translation>
    </message>
    <message>
        <source>Night</source>
        <extracomment>String 396. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Noite</translation>
    </message>
    <message>
        <source>Transit %s, %s</source>
        <extracomment>String 397. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Trânsito %s, %s</translation>
    </message>
    <message>
        <source>Shown %s</source>
        <extracomment>String 398. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Exibido %s</translation>
    </message>
    <message>
        <source>%s: %s %s, Moon %s</source>
        <extracomment>String 399. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: %s %s, Lua %s</translation>
    </message>
    <message>
        <source>%s: %s %s</source>
        <extracomment>String 400. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s: %s %s</translation>
    </message>
    <message>
        <source>Choose the object to plot first: search for it or right-click it.    </source>
        <extracomment>String 401. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Escolha primeiro o objeto do gráfico: procure-o ou clique nele com o botão direito.    </translation>
    </message>
    <message>
        <source>Cannot write %s: %s.    </source>
        <extracomment>String 402. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Não é possível gravar %s: %s.    </translation>
    </message>
    <message>
        <source>No INDI server answers at %s:%s.</source>
        <extracomment>String 440. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Nenhum servidor INDI responde em %s:%s.</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s closed the connection.</source>
        <extracomment>String 441. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O servidor INDI em %s:%s fechou a conexão.</translation>
    </message>
    <message>
        <source>The INDI server offers no telescope called &quot;%s&quot;.</source>
        <extracomment>String 442. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O servidor INDI não oferece nenhum telescópio chamado &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The telescope %s reported an impossible place: %s.</source>
        <extracomment>String 443. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O telescópio %s informou uma posição impossível: %s.</translation>
    </message>
    <message>
        <source>The telescope %s could not reach its target.</source>
        <extracomment>String 444. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O telescópio %s não conseguiu alcançar o alvo.</translation>
    </message>
    <message>
        <source>Slewing to %s</source>
        <extracomment>String 445. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Apontando para %s</translation>
    </message>
    <message>
        <source>Tracking %s</source>
        <extracomment>String 446. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Acompanhando %s</translation>
    </message>
    <message>
        <source>Parking %s</source>
        <extracomment>String 447. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Estacionando %s</translation>
    </message>
    <message>
        <source>%s is parked</source>
        <extracomment>String 448. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s está estacionado</translation>
    </message>
    <message>
        <source>Connect a telescope first: Tools &gt; Telescope...</source>
        <extracomment>String 449. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Conecte primeiro um telescópio: Ferramentas &gt; Telescópio...</translation>
    </message>
    <message>
        <source>Connected to %s</source>
        <extracomment>String 450. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Conectado a %s</translation>
    </message>
    <message>
        <source>%s synced on %s</source>
        <extracomment>String 451. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s sincronizado com %s</translation>
    </message>
    <message>
        <source>%s stopped</source>
        <extracomment>String 452. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>%s parado</translation>
    </message>
    <message>
        <source>The telescope is disconnected</source>
        <extracomment>String 453. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O telescópio está desconectado</translation>
    </message>
    <message>
        <source>Connecting to %s:%s...</source>
        <extracomment>String 454. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Conectando a %s:%s...</translation>
    </message>
    <message>
        <source>The INDI server at %s:%s offers no telescope.</source>
        <extracomment>String 455. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O servidor INDI em %s:%s não oferece nenhum telescópio.</translation>
    </message>
    <message>
        <source>Select an object first: search for it or click it.</source>
        <extracomment>String 456. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Escolha primeiro um objeto: procure-o ou clique nele.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <extracomment>String 457. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>A porta deve ser um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>the centre of the view</source>
        <extracomment>String 458. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>o centro da vista</translation>
    </message>
    <message>
        <source>The telescope %s did not answer.</source>
        <extracomment>String 459. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O telescópio %s não respondeu.</translation>
    </message>
    <message>
        <source>The telescope %s did not end its slew within %s minutes.</source>
        <extracomment>String 460. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>O telescópio %s não terminou o apontamento em %s minutos.</translation>
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
        <translation>Tétis</translation>
    </message>
    <message>
        <source>Dione</source>
        <extracomment>String 477. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Dione</translation>
    </message>
    <message>
        <source>Rhea</source>
        <extracomment>String 478. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Reia</translation>
    </message>
    <message>
        <source>Titan</source>
        <extracomment>String 479. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Titã</translation>
    </message>
    <message>
        <source>Hyperion</source>
        <extracomment>String 480. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Hipérion</translation>
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
        <translation>Titânia</translation>
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
        <translation>Mostrar ou ocultar os cometas e planetas menores até a sua própria magnitude limite
Cometas e asteroides</translation>
    </message>
    <message>
        <source>Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file
Import orbital elements</source>
        <extracomment>String 32831: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Importar os elementos orbitais de cometas ou planetas menores de um arquivo MPCORB.DAT ou CometEls.txt
Importar elementos orbitais</translation>
    </message>
    <message>
        <source>Plot the chosen object&apos;s altitude through the night, with the Moon and the twilights
Altitude plot</source>
        <extracomment>String 32840: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Traçar a altura do objeto escolhido ao longo da noite, com a Lua e os crepúsculos
Gráfico de altura</translation>
    </message>
    <message>
        <source>Connect a telescope through an INDI server
Telescope</source>
        <extracomment>String 32860: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Conectar um telescópio por meio de um servidor INDI
Telescópio</translation>
    </message>
    <message>
        <source>Point the telescope at the object you chose
Slew to selected</source>
        <extracomment>String 32861: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Apontar o telescópio para o objeto escolhido
Apontar para o objeto escolhido</translation>
    </message>
    <message>
        <source>Tell the telescope that it points at the object you chose
Sync to selected</source>
        <extracomment>String 32862: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Informar ao telescópio que ele aponta para o objeto escolhido
Sincronizar com o objeto escolhido</translation>
    </message>
    <message>
        <source>Point the telescope at the middle of the view
Slew to view centre</source>
        <extracomment>String 32863: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Apontar o telescópio para o centro da vista
Apontar para o centro da vista</translation>
    </message>
    <message>
        <source>Stop the telescope&apos;s motion at once
Abort slew</source>
        <extracomment>String 32864: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Parar imediatamente o movimento do telescópio
Interromper o apontamento</translation>
    </message>
    <message>
        <source>Send the telescope to its park position
Park</source>
        <extracomment>String 32865: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Enviar o telescópio para a sua posição de estacionamento
Estacionar</translation>
    </message>
    <message>
        <source>Wake the telescope from its park position
Unpark</source>
        <extracomment>String 32866: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tirar o telescópio da sua posição de estacionamento
Desestacionar</translation>
    </message>
    <message>
        <source>Keep the telescope&apos;s place at the middle of the view
Follow the telescope</source>
        <extracomment>String 32867: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Manter a posição do telescópio no centro da vista
Seguir o telescópio</translation>
    </message>
    <message>
        <source>Centre the view on a right ascension and declination or an altitude and azimuth
Go to coordinates</source>
        <extracomment>String 32875: the status-bar text, then after the line break the tool tip. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Centralizar a vista numa ascensão reta e declinação ou numa altura e azimute
Ir para coordenadas</translation>
    </message>
    <message>
        <source>Triton</source>
        <extracomment>String 489. Keep each %s and %d (a value filled in) and the trailing blanks.</extracomment>
        <translation>Tritão</translation>
    </message>
</context>
<context>
    <name>sky</name>
    <message>
        <source>Sun always higher</source>
        <translation>Sol sempre mais alto</translation>
    </message>
    <message>
        <source>Sun always lower</source>
        <translation>Sol sempre mais baixo</translation>
    </message>
    <message>
        <source>always above the horizon</source>
        <translation>sempre acima do horizonte</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>nunca nasce</translation>
    </message>
    <message>
        <source>not this day</source>
        <translation>não neste dia</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Galaxy cluster</source>
        <translation>Aglomerado de galáxias</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>Deep sky object</source>
        <translation>Objeto de céu profundo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galáxia</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>aglomerado aberto</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>aglomerado globular</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>nebulosa brilhante</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>nebulosa planetária</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>aglomerado de galáxias</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrela</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>objeto de céu profundo</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>lua</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>constelação</translation>
    </message>
    <message>
        <source>place</source>
        <translation>lugar</translation>
    </message>
    <message>
        <source>The right ascension must be hours from 0 to 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) or degrees from 0 to 360 (&quot;83.82°&quot;).</source>
        <translation>A ascensão reta deve estar em horas de 0 a 24 (&quot;5h35m17s&quot;, &quot;5 35 17&quot;, &quot;5.588h&quot;) ou em graus de 0 a 360 (&quot;83.82°&quot;).</translation>
    </message>
    <message>
        <source>The declination must be degrees from -90 to +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</source>
        <translation>A declinação deve estar em graus de -90 a +90 (&quot;-5°23&apos;28&quot;&quot;, &quot;-5 23 28&quot;, &quot;-5.39&quot;).</translation>
    </message>
    <message>
        <source>The altitude must be degrees from -90 to +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</source>
        <translation>A altura deve estar em graus de -90 a +90 (&quot;35°30&apos;&quot;, &quot;35 30&quot;, &quot;35.5&quot;).</translation>
    </message>
    <message>
        <source>The azimuth must be degrees from 0 to 360, from the north through the east (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</source>
        <translation>O azimute deve estar em graus de 0 a 360, do norte para o leste (&quot;135°&quot;, &quot;135 30&quot;, &quot;135.5&quot;).</translation>
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
        <translation>Sim</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>&amp;NGC</source>
        <translation>&amp;NGC</translation>
    </message>
    <message>
        <source>Open Cl&amp;usters</source>
        <translation>Aglomerados &amp;abertos</translation>
    </message>
    <message>
        <source>&amp;Glob. Clusters</source>
        <translation>Aglomerados &amp;globulares</translation>
    </message>
    <message>
        <source>G&amp;alaxies</source>
        <translation>G&amp;aláxias</translation>
    </message>
    <message>
        <source>Ne&amp;bulae</source>
        <translation>Ne&amp;bulosas</translation>
    </message>
    <message>
        <source>&amp;Planet. Nebulae</source>
        <translation>Nebulosas &amp;planetárias</translation>
    </message>
    <message>
        <source>&amp;Label by</source>
        <translation>&amp;Rotular por</translation>
    </message>
    <message>
        <source>Catalog Number</source>
        <translation>Número de catálogo</translation>
    </message>
    <message>
        <source>Common Name</source>
        <translation>Nome comum</translation>
    </message>
    <message>
        <source>&amp;Draw as</source>
        <translation>&amp;Desenhar como</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>&amp;Grids</source>
        <translation>&amp;Grades</translation>
    </message>
    <message>
        <source>Constellation &amp;lines</source>
        <translation>&amp;Linhas das constelações</translation>
    </message>
    <message>
        <source>Const. &amp;boundaries</source>
        <translation>Limites das &amp;constelações</translation>
    </message>
    <message>
        <source>Const. l&amp;abels</source>
        <translation>Nomes das c&amp;onstelações</translation>
    </message>
    <message>
        <source>&amp;Ecliptic</source>
        <translation>&amp;Eclíptica</translation>
    </message>
    <message>
        <source>&amp;Deep sky</source>
        <translation>Céu &amp;profundo</translation>
    </message>
    <message>
        <source>Deep s&amp;ky labels</source>
        <translation>Rótulos de céu p&amp;rofundo</translation>
    </message>
    <message>
        <source>&amp;Star names</source>
        <translation>Nomes das &amp;estrelas</translation>
    </message>
    <message>
        <source>&amp;Planet names</source>
        <translation>Nomes dos p&amp;lanetas</translation>
    </message>
    <message>
        <source>none: standard time as typed, summer time as this computer keeps it</source>
        <translation>nenhum: hora padrão como digitada, horário de verão como este computador o mantém</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dias</translation>
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
