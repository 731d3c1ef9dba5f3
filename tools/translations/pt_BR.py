# Brazilian Portuguese texts of the window (tools/fill_translations.py pt_BR).
TEXTS = {
    "Right ascension (J2000):":
        "Ascensão reta (J2000):",
    "Declination (J2000):":
        "Declinação (J2000):",
    "Altitude:":
        "Altura:",
    "Azimuth:":
        "Azimute:",
    "Distance from Earth:":
        "Distância da Terra:",
    "Distance from Sun:":
        "Distância do Sol:",
    "Illuminated fraction:":
        "Fração iluminada:",
    "Magnitude:":
        "Magnitude:",
    "Angular size:":
        "Tamanho angular:",
    "Civil twilight:":
        "Crepúsculo civil:",
    "Nautical twilight:":
        "Crepúsculo náutico:",
    "Astronomical twilight:":
        "Crepúsculo astronômico:",
    "Phase:":
        "Fase:",
    "Age:":
        "Idade:",
    "Search for Solar System...":
        "Procurar no Sistema Solar...",
    "Colors...":
        "Cores...",
    "Date/Time...":
        "Data/hora...",
    "Daylight &saving time":
        "Horário de &verão",
    "Set to the present time at this place; OK shows its sky.":
        "Ajustado para a hora atual neste lugar; OK mostra o seu céu.",
    "&Now...":
        "&Agora...",
    "&Date:":
        "&Data:",
    "&Time:":
        "&Hora:",
    "Offset:":
        "Diferença:",
    "Deep sky objects...":
        "Objetos de céu profundo...",
    "Catalog number:":
        "Número de catálogo:",
    "Common name:":
        "Nome comum:",
    "Type:":
        "Tipo:",
    "HIP number:":
        "Número HIP:",
    "Designation:":
        "Designação:",
    "Colour index (B-V):":
        "Índice de cor (B-V):",
    "Spectral type:":
        "Tipo espectral:",
    "Eyepiece Fields":
        "Campos de oculares",
    "&Add":
        "&Adicionar",
    "&Change":
        "A&lterar",
    "&Remove":
        "&Remover",
    "Circle of a given diameter":
        "Círculo de diâmetro dado",
    "Eyepiece on a telescope":
        "Ocular num telescópio",
    "Camera on a telescope":
        "Câmera num telescópio",
    "Centre the &fields on the telescope while one is connected":
        'Centralizar os &campos no telescópio enquanto houver um conectado',
    "&Name:":
        "&Nome:",
    "&Kind:":
        "&Tipo:",
    "&Diameter (arc-minutes):":
        "&Diâmetro (minutos de arco):",
    "&Telescope focal length (mm):":
        "Focal do &telescópio (mm):",
    "&Eyepiece focal length (mm):":
        "Focal da &ocular (mm):",
    "A&pparent field (°):":
        "Campo a&parente (°):",
    "Sensor &width (mm):":
        "&Largura do sensor (mm):",
    "Sensor &height (mm):":
        "Al&tura do sensor (mm):",
    "Field on the sky:":
        "Campo no céu:",
    "Find (F3)":
        "Localizar (F3)",
    "Find an object by any of its names":
        "Localizar um objeto por qualquer um dos seus nomes",
    "%1 — %2, %3° %4":
        "%1 — %2, %3° %4",
    "up":
        "acima do horizonte",
    "below the horizon":
        "abaixo do horizonte",
    "Help":
        "Ajuda",
    "The page of the guide. Click a link to follow it; Back (Alt+Left) and Forward (Alt+Right) retrace your steps.":
        "A página do guia. Clique num link para segui-lo; Voltar (Alt+Esquerda) e Avançar (Alt+Direita) refazem seus passos.",
    "The guide's pages in their order, each with its sections. Click one to read it.":
        "As páginas do guia em ordem, cada uma com suas seções. Clique numa para lê-la.",
    "Type a word to look for":
        "Digite uma palavra a procurar",
    "Type the start of a word: the index below keeps the entries that contain it. Enter opens the first one.":
        "Digite o começo de uma palavra: o índice abaixo mantém as entradas que a contêm. Enter abre a primeira.",
    "Every topic of the guide in alphabetical order. Click one to read it.":
        "Todos os tópicos do guia em ordem alfabética. Clique num para lê-lo.",
    "&Contents":
        "&Conteúdo",
    "&Index":
        "Í&ndice",
    "Navigation":
        "Navegação",
    "&Back":
        "&Voltar",
    "Goes back to the page you read before.":
        "Volta à página lida antes.",
    "&Forward":
        "A&vançar",
    "Goes forward again after Back.":
        "Avança de novo depois de Voltar.",
    "C&ontents":
        "C&onteúdo",
    "Goes to the guide's first page, the list of all its pages.":
        "Vai para a primeira página do guia, a lista de todas as suas páginas.",
    "&Using Help":
        "&Usar a ajuda",
    "Explains this window.":
        "Explica esta janela.",
    "<h1>Page not found</h1><p>The user guide has no page <b>%1</b>: the folder <tt>%2</tt> should hold it. Installing Stellix again puts the guide back.</p>":
        "<h1>Página não encontrada</h1><p>O guia não tem a página <b>%1</b>: a pasta <tt>%2</tt> deveria contê-la. Instalar o Stellix de novo restaura o guia.</p>",
    "Help: %1":
        "Ajuda: %1",
    "Right ascension (of date):":
        "Ascensão reta (da data):",
    "Declination (of date):":
        "Declinação (da data):",
    "Rise:":
        "Nascer:",
    "Transit:":
        "Trânsito:",
    "Transit altitude:":
        "Altura no trânsito:",
    "Set:":
        "Ocaso:",
    "Image":
        "Imagem",
    "Language":
        "Idioma",
    "The system's language":
        "O idioma do sistema",
    "&Language:":
        "&Idioma:",
    "The new language takes effect after a restart of Stellix.":
        "O novo idioma vale a partir da próxima vez que o Stellix for iniciado.",
    "Search for star...":
        "Procurar estrela...",
    "Search for constellation...":
        "Procurar constelação...",
    "Search for NGC...":
        "Procurar objeto NGC...",
    "Observer's Location...":
        "Local de observação...",
    "&Enter your location":
        "&Digite o seu local",
    "L&atitude:":
        "L&atitude:",
    "Lo&ngitude:":
        "Lo&ngitude:",
    "&Time zone:":
        "&Fuso horário:",
    "hours ahead of Greenwich":
        "horas à frente de Greenwich",
    "Time zone rules:":
        "Regras do fuso horário:",
    "Type part of a name (%n places)": [
        "Digite parte de um nome (%n lugar)",
        "Digite parte de um nome (%n lugares)",
    ],
    "Fin&d:":
        "Loc&alizar:",
    "&Select location":
        "&Escolher local",
    "%1 (%2 on the date set)":
        "%1 (%2 na data ajustada)",
    "Magnitude limits...":
        "Magnitudes limite...",
    "&Auto mode":
        "Modo &automático",
    "<b>The sky</b><p>Click a point to bring it to the centre; drag to turn the sky; turn the mouse wheel to zoom. Click an object with the right button for its card. The arrow keys move the field the way they point, * and / on the numeric keypad zoom.</p>":
        "<b>O céu</b><p>Clique num ponto para trazê-lo ao centro; arraste para girar o céu; a roda do mouse aproxima e afasta. Clique num objeto com o botão direito para ver a sua ficha. As setas movem o campo para onde apontam, * e / do teclado numérico aproximam e afastam.</p>",
    "&File":
        "&Arquivo",
    "&View":
        "&Exibir",
    "&Settings":
        "&Configurações",
    "&Chart Mode":
        "Modo da &carta",
    "&Stars":
        "&Estrelas",
    "Sky &Background":
        "&Fundo do céu",
    "&Time":
        "&Tempo",
    "Sea&rch":
        "&Procurar",
    "&Deep Sky Object":
        "Objeto de céu &profundo",
    "&Horizon Point":
        "Ponto do &horizonte",
    "&Help":
        "Aj&uda",
    "Na&vigation Toolbar":
        "Barra de &navegação",
    "Show or hide the navigation toolbar":
        "Mostrar ou ocultar a barra de navegação",
    "Right ascension (J2000) of the sky under the pointer.":
        "Ascensão reta (J2000) do céu sob o ponteiro.",
    "Declination (J2000) of the sky under the pointer.":
        "Declinação (J2000) do céu sob o ponteiro.",
    "The observer's place; Settings > Observer's Location changes it.":
        "O local do observador; Configurações > Local de observação o altera.",
    "The local time of the sky shown, with the time zone's abbreviation and its offset from Universal Time.":
        "A hora local do céu mostrado, com a sigla do fuso horário e a sua diferença em relação ao tempo universal.",
    "The date of the sky shown.":
        "A data do céu mostrado.",
    "Press Esc to leave full screen":
        "Esc sai da tela cheia",
    "Recent File":
        "Arquivo recente",
    "Search for Messier...":
        "Procurar objeto Messier...",
    "Enter catalog number":
        "Digite o número de catálogo",
    "A desktop planetarium. Free software under the GNU General Public License, version 3 or later, without any warranty. Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.":
        "Um planetário de mesa. Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior, sem qualquer garantia. Dados do céu: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium (GPL-2.0-or-later), banco de dados tz, NASA. Mapas dos planetas: B. Jónsson, J. Hastings-Trew, Celestia, NASA/JPL.",
    "<a href=\"sources\" style=\"color:#9cc8ff\">Data sources and licences...</a>":
        "<a href=\"sources\" style=\"color:#9cc8ff\">Fontes dos dados e licenças...</a>",
    "Opens the user guide at the full list of the sky data's sources, their authors and their licences.":
        "Abre o guia na lista completa das fontes dos dados do céu, seus autores e suas licenças.",
    "Version %1":
        "Versão %1",
    "HR number:":
        "Número HR:",
    "Bayer:":
        "Bayer:",
    "Flamsteed:":
        "Flamsteed:",
    "Proper name:":
        "Nome próprio:",
    "Tonight":
        "Esta noite",
    "Planets in the night, each at its highest:":
        "Planetas na noite, cada um em seu ponto mais alto:",
    "Objects above 30° at:":
        "Objetos acima de 30° às:",
    "Name":
        "Nome",
    "Kind":
        "Tipo",
    "Magnitude":
        "Magnitude",
    "Rise":
        "Nascer",
    "Set":
        "Ocaso",
    "Hour":
        "Hora",
    "Altitude":
        "Altura",
    "Azimuth":
        "Azimute",
    "Moonrise %1, moonset %2":
        "Nascer da Lua %1, ocaso da Lua %2",
    "Moonset %1, moonrise %2":
        "Ocaso da Lua %1, nascer da Lua %2",
    "Sunset %1; civil twilight ends %2, nautical %3, astronomical %4":
        "Pôr do Sol %1; o crepúsculo civil termina %2, náutico %3, astronômico %4",
    "%1; %2, illuminated %3":
        "%1; %2, iluminada %3",
    "Dark hours without the Moon: %1":
        "Horas escuras sem a Lua: %1",
    "&Grids":
        "&Grades",
    "Alt-a&zimuth Grid":
        "Grade alta&zimutal",
    "Meridia&n":
        "Meridia&no",
    "&Boundaries":
        "&Limites",
    "Constellation &Lines":
        "&Linhas das constelações",
    "&Deep Sky Objects":
        "Objetos de céu &profundo",
    "&Milky Way":
        "Via &Láctea",
    "&Solar System Objects":
        "Objetos do &Sistema Solar",
    "&Eclipic":
        "&Eclíptica",
    "Star &Names":
        "&Nomes das estrelas",
    "D&eep Sky Labels":
        "&Rótulos de céu profundo",
    "&Planet Names":
        "Nomes dos &planetas",
    "Stars &Colors":
        "C&ores das estrelas",
    "&Atmospheric refraction":
        "Refração &atmosférica",
    "E&yepiece Fields":
        "Campos de o&culares",
    "Eyep&iece Fields...":
        "Definir campos de oc&ulares...",
    "Fo&llow":
        "Se&guir",
    "&Red Screen":
        "Tela &vermelha",
    "&Full Screen":
        "Tela &cheia",
    "&Toolbar":
        "Barra de &ferramentas",
    "Status &Bar":
        "Barra de s&tatus",
    "&Equatorial":
        "&Equatorial",
    "&Local Horizon":
        "&Horizonte local",
    "&Date/Time...":
        "&Data/hora...",
    "Observer's &Location...":
        "&Local de observação...",
    "&Magnitude Limits...":
        "&Magnitudes limite...",
    "Draw &Points":
        "Desenhar como &pontos",
    "Draw &Bitmaps":
        "Desenhar como &imagens",
    "Deep Sky &Objects...":
        "&Objetos de céu profundo...",
    "Colo&rs...":
        "Co&res...",
    "Lan&guage...":
        "I&dioma...",
    "&Black":
        "&Preto",
    "&Color":
        "&Colorido",
    "&Star...":
        "&Estrela...",
    "&Constellation...":
        "&Constelação...",
    "S&olar System Object...":
        "&Objeto do Sistema Solar...",
    "&Messier Catalog...":
        "Catálogo &Messier...",
    "&NGC Catalog...":
        "Catálogo &NGC...",
    "&Tonight...":
        "Esta &noite...",
    "&East":
        "&Leste",
    "&West":
        "&Oeste",
    "&North":
        "&Norte",
    "&South":
        "&Sul",
    "&Zenith":
        "&Zênite",
    "Na&dir":
        "Na&dir",
    "&Real Time":
        "Tempo &real",
    "&Open...":
        "&Abrir...",
    "&Print...":
        "&Imprimir...",
    "Print Pre&view":
        "&Visualizar impressão",
    "P&rint Setup...":
        "Configurar im&pressão...",
    "E&xit":
        "&Sair",
    "&About Stellix...":
        "&Sobre o Stellix...",
    "New Moon":
        "Lua nova",
    "Waxing crescent":
        "Crescente",
    "First quarter":
        "Quarto crescente",
    "Waxing gibbous":
        "Crescente gibosa",
    "Full Moon":
        "Lua cheia",
    "Waning gibbous":
        "Minguante gibosa",
    "Last quarter":
        "Quarto minguante",
    "Waning crescent":
        "Minguante",
    "Stellix\n\nStellix\n\n\nStellix.Document\nStellix Document":
        "Stellix\n\nStellix\n\n\nStellix.Document\nDocumento do Stellix",
    "Stellix":
        "Stellix",
    "Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||":
        "Arquivos JPEG(*.JPG)|*.JPG|Arquivos GIF(*.GIF)|*.GIF|Arquivos PCX(*.PCX)|*.PCX|Arquivos Targa(*.TGA)|*.TGA|Arquivos BMP(*.BMP)|*.BMP|Arquivos TIFF(*.TIF)|*.TIF||",
    "Can't open \"%s\" file !   ":
        "Não é possível abrir o arquivo \"%s\"!",
    "Object under horizon. Not visible.   ":
        "Objeto abaixo do horizonte. Não visível.",
    "Select star or press ' Cancel '.    ":
        "Escolha uma estrela ou clique em \"Cancelar\".",
    "Select constellation or press ' Cancel '.    ":
        "Escolha uma constelação ou clique em \"Cancelar\".",
    "Enter Messier number or press ' Cancel '.    ":
        "Digite um número Messier ou clique em \"Cancelar\".",
    "Wrong catalog number !    ":
        "Número de catálogo errado!",
    "Select NGC object or press ' Cancel '.    ":
        "Escolha um objeto NGC ou clique em \"Cancelar\".",
    "Animation has no effect when the Solar System is disabled in Equatorial mode !    ":
        "A animação não tem efeito quando o Sistema Solar está desativado no modo equatorial!",
    "Can't initialize rendering context for OpenGL !    ":
        "Não é possível criar o contexto de desenho OpenGL!",
    "Couldn't load the image \"%s\" !    ":
        "Não foi possível carregar a imagem \"%s\"!",
    "Set your display to High Color or more to run Stellix !    ":
        "Ajuste a tela para High Color (16 bits) ou mais para usar o Stellix!",
    "You have entered wrong number! It must be from %d to %d.    ":
        "Você digitou um número errado! Ele deve estar entre %d e %d.",
    "Can't write the settings file \"%s\" !   ":
        "Não é possível gravar o arquivo de configurações \"%s\"!",
    "Unknown DIB file format.":
        "Formato de arquivo DIB desconhecido.",
    "Image file conversion error.":
        "Erro de conversão do arquivo de imagem.",
    "Failed to open DIB file %s.\n":
        "Não foi possível abrir o arquivo DIB %s.\n",
    "Out of memory.":
        "Memória insuficiente.",
    "Error":
        "Erro",
    "Settings out of range in \"%s\" were replaced by the nearest allowed values: %s   ":
        "Configurações fora do intervalo em \"%s\" foram substituídas pelos valores permitidos mais próximos: %s",
    "The file \"%s\" is damaged: %s. The sky is shown without those records.   ":
        "O arquivo \"%s\" está danificado: %s. O céu é mostrado sem esses registros.",
    "records %s to %s are missing":
        "faltam os registros %s a %s",
    "record %s is missing":
        "falta o registro %s",
    "record %s is unusable (%s)":
        "o registro %s é inutilizável (%s)",
    "%s records are unusable, the first record %s (%s)":
        "%s registros são inutilizáveis, o primeiro o registro %s (%s)",
    "a coordinate out of range or not a number":
        "uma coordenada fora do intervalo ou que não é um número",
    "a magnitude out of range or not a number":
        "uma magnitude fora do intervalo ou que não é um número",
    "a label offset beyond 1000 pixels":
        "um deslocamento de rótulo além de 1000 pixels",
    "a position angle or an axis out of range or not a number":
        "um ângulo de posição ou um eixo fora do intervalo ou que não é um número",
    "a longitude, latitude, minute or time zone out of range":
        "uma longitude, latitude, minuto ou fuso horário fora do intervalo",
    "a line that does not read as its numbers":
        "uma linha que não se lê como os seus números",
    "The texture file \"%s\" cannot be used: %s   ":
        "O arquivo de textura \"%s\" não pode ser usado: %s",
    "it is not a BMP file.":
        "não é um arquivo BMP.",
    "a proper motion or parallax out of range or not a number":
        "um movimento próprio ou uma paralaxe fora do intervalo ou que não é um número",
    "a time zone that this computer's tzdata does not know":
        "um fuso horário que o tzdata deste computador não conhece",
    "The file \"%s\" is damaged: its header is not one this program reads. The sky is shown without that file.   ":
        "O arquivo \"%s\" está danificado: o seu cabeçalho não é um que este programa lê. O céu é mostrado sem esse arquivo.",
    "Give the field a name.    ":
        "Dê um nome ao campo.",
    "%s must be a number from %s to %s.    ":
        "%s deve ser um número de %s a %s.",
    "This field would be %s wide; a field may be at most %s wide.    ":
        "Este campo teria %s de largura; um campo pode ter no máximo %s.",
    "There is room for %s fields; remove one to add another.    ":
        "Há espaço para %s campos; remova um para adicionar outro.",
    "near %s (%s km)":
        "perto de %s (%s km)",
    "Following %s":
        "Seguindo %s",
    "Choose the object to follow first: search for it, then press T.    ":
        "Escolha primeiro o objeto a seguir: procure-o e depois pressione T.",
    "Moon":
        "Lua",
    "Sun":
        "Sol",
    "Mercury":
        "Mercúrio",
    "Venus":
        "Vênus",
    "Mars":
        "Marte",
    "Jupiter":
        "Júpiter",
    "Saturn":
        "Saturno",
    "Uranus":
        "Urano",
    "Neptune":
        "Netuno",
    "Pluto":
        "Plutão",
    "Constellation line.    ":
        "Linha de constelação.",
    "Constellation boundary.    ":
        "Limite de constelação.",
    "Right ascension grid line.    ":
        "Linha da grade de ascensão reta.",
    "Declination grid line.    ":
        "Linha da grade de declinação.",
    "Ecliptic line.    ":
        "Eclíptica.",
    " million km":
        " milhões de km",
    "Open cluster":
        "Aglomerado aberto",
    "Globular cluster":
        "Aglomerado globular",
    "Galaxy":
        "Galáxia",
    "Nebula":
        "Nebulosa",
    "Planetary nebula":
        "Nebulosa planetária",
    " Real time":
        " Tempo real",
    " 10 minutes":
        " 10 minutos",
    " 30 minutes":
        " 30 minutos",
    " 1 hour":
        " 1 hora",
    " 1 day":
        " 1 dia",
    " 7 days":
        " 7 dias",
    " 1 month":
        " 1 mês",
    " 1 year":
        " 1 ano",
    "Large Magellanic Cloud.    ":
        "Grande Nuvem de Magalhães.",
    "Small Magellanic Cloud.    ":
        "Pequena Nuvem de Magalhães.",
    "Time step\nTime step":
        "Passo de tempo\nPasso de tempo",
    "Move the field left\nMove the field left":
        "Mover o campo para a esquerda\nMover o campo para a esquerda",
    "Move the field right\nMove the field right":
        "Mover o campo para a direita\nMover o campo para a direita",
    "Move the field up\nMove the field up":
        "Mover o campo para cima\nMover o campo para cima",
    "Move the field down\nMove the field down":
        "Mover o campo para baixo\nMover o campo para baixo",
    "Zoom the field in\nZoom in":
        "Aproximar o campo\nAproximar",
    "Zoom the field out\nZoom out":
        "Afastar o campo\nAfastar",
    "Deep sky objects\nDeep sky objects":
        "Objetos de céu profundo\nObjetos de céu profundo",
    "Constellation boundaries\nBoundaries":
        "Limites das constelações\nLimites",
    "Constellation lines\nConstellation lines":
        "Linhas das constelações\nLinhas das constelações",
    "Coordination grid lines\nGrids":
        "Linhas da grade de coordenadas\nGrades",
    "Milky Way\nMilky Way":
        "Via Láctea\nVia Láctea",
    "Solar System objects\nSolar System":
        "Objetos do Sistema Solar\nSistema Solar",
    "Date and time\nDate and time":
        "Data e hora\nData e hora",
    "Location of the observer\nLocation":
        "Local do observador\nLocal",
    "Magnitude limits":
        "Magnitudes limite",
    "Deep sky objects settings\nDeep sky objects":
        "Configurações dos objetos de céu profundo\nObjetos de céu profundo",
    "Animation backward\nAnimation backward":
        "Animação para trás\nAnimação para trás",
    "Colors settings\nColors":
        "Configurações de cores\nCores",
    "One step animation backward\nOne step backward":
        "Um passo de animação para trás\nUm passo para trás",
    "Show or hide stars colors\nStars colors":
        "Mostrar ou ocultar as cores das estrelas\nCores das estrelas",
    "Animation stop\nAnimation stop":
        "Parar a animação\nParar a animação",
    "One step animation forward\nOne step forward":
        "Um passo de animação para frente\nUm passo para frente",
    "Animation forward\nAnimation forward":
        "Animação para frente\nAnimação para frente",
    "Show or hide star names":
        "Mostrar ou ocultar os nomes das estrelas",
    "Show or hide Solar System names":
        "Mostrar ou ocultar os nomes do Sistema Solar",
    "Show or hide deep sky labels":
        "Mostrar ou ocultar os rótulos de céu profundo",
    "Equatorial mode":
        "Modo equatorial",
    "Local horizon mode":
        "Modo horizonte local",
    "Show or hide red screen mode\nRed screen":
        "Ativar ou desativar a tela vermelha\nTela vermelha",
    "Show or hide full screen mode\nFull screen":
        "Ativar ou desativar a tela cheia\nTela cheia",
    "Show or hide ecliptic line":
        "Mostrar ou ocultar a eclíptica",
    "Black background of the sky":
        "Fundo do céu preto",
    "Color background of the sky":
        "Fundo do céu colorido",
    "Search for star":
        "Procurar estrela",
    "Search for Solar System object":
        "Procurar objeto do Sistema Solar",
    "Search for constellation":
        "Procurar constelação",
    "Search for Messier":
        "Procurar objeto Messier",
    "Search for NGC":
        "Procurar objeto NGC",
    "Search for East":
        "Olhar para o leste",
    "Search for West":
        "Olhar para o oeste",
    "Search for North":
        "Olhar para o norte",
    "Search for South":
        "Olhar para o sul",
    "Search for Zenith":
        "Olhar para o zênite",
    "Search for Nadir":
        "Olhar para o nadir",
    "Draw stars as points":
        "Desenhar as estrelas como pontos",
    "Draw stars as bitmaps":
        "Desenhar as estrelas como imagens",
    "Lift the local-horizon sky by the atmosphere's refraction\nAtmospheric refraction":
        "Elevar o céu do horizonte local pela refração da atmosfera\nRefração atmosférica",
    "Show the night ahead: twilight, the Moon, the planets and what stands high\nTonight":
        "Mostrar a noite que vem: crepúsculo, a Lua, os planetas e o que está alto\nEsta noite",
    "Show or hide the fields of your eyepieces and cameras\nEyepiece fields":
        "Mostrar ou ocultar os campos das suas oculares e câmeras\nCampos de oculares",
    "Define the fields of your eyepieces and cameras\nEyepiece fields":
        "Definir os campos das suas oculares e câmeras\nCampos de oculares",
    "Show or hide the grid of altitude and azimuth\nAlt-azimuth grid":
        "Mostrar ou ocultar a grade de altura e azimute\nGrade altazimutal",
    "Show or hide the meridian\nMeridian":
        "Mostrar ou ocultar o meridiano\nMeridiano",
    "Keep the object you chose at the middle of the view while time runs\nFollow":
        "Manter o objeto escolhido no meio da vista enquanto o tempo corre\nSeguir",
    "Keep the sky at the present instant as the clock runs\nReal time":
        "Manter o céu no instante presente enquanto o relógio anda\nTempo real",
    "Choose the language of the window; it takes effect after a restart\nLanguage":
        "Escolher o idioma da janela; ele vale após reiniciar\nIdioma",
    "Open an image file\nOpen":
        "Abrir um arquivo de imagem\nAbrir",
    "Change the printer and printing options\nPrint Setup":
        "Alterar a impressora e as opções de impressão\nConfigurar impressão",
    "Print the active document\nPrint":
        "Imprimir a carta\nImprimir",
    "Display full pages\nPrint Preview":
        "Mostrar páginas inteiras\nVisualizar impressão",
    "Open this document":
        "Abrir este documento",
    "RA 23h 59' 59\" ":
        "RA 23h 59' 59\" ",
    "DEC -89° 59' 59\" ":
        "DEC -89° 59' 59\" ",
    "30 May 2002 ":
        "30 de set. de 2002 ",
    "23:59 ":
        "23:59 ",
    "Slovak Republik:Bratislava    ":
        "Slovak Republik:Bratislava    ",
    "Display program information, version number and copyright\nAbout":
        "Mostrar informações do programa, número de versão e direitos autorais\nSobre",
    "Quit the application; prompts to save documents\nExit":
        "Sair do programa\nSair",
    "List Help topics\nHelp Topics":
        "Listar os tópicos da ajuda\nTópicos da ajuda",
    "Display instructions about how to use help\nHelp":
        "Mostrar como usar a ajuda\nAjuda",
    "Display help for clicked on buttons, menus and windows\nHelp":
        "Mostrar ajuda sobre botões, menus e janelas clicados\nAjuda",
    "Display help for current task or command\nHelp":
        "Mostrar ajuda sobre a tarefa ou o comando atual\nAjuda",
    "Show or hide the toolbar\nToggle ToolBar":
        "Mostrar ou ocultar a barra de ferramentas\nBarra de ferramentas",
    "Show or hide the status bar\nToggle StatusBar":
        "Mostrar ou ocultar a barra de status\nBarra de status",
    "Sun always higher":
        "Sol sempre mais alto",
    "Sun always lower":
        "Sol sempre mais baixo",
    "always above the horizon":
        "sempre acima do horizonte",
    "never rises":
        "nunca nasce",
    "not this day":
        "não neste dia",
    "Star":
        "Estrela",
    "Galaxy cluster":
        "Aglomerado de galáxias",
    "Other":
        "Outro",
    "unknown":
        "desconhecida",
    "Deep sky object":
        "Objeto de céu profundo",
    "none":
        "nenhuma",
    "Planet":
        "Planeta",
    "&Messier":
        "&Messier",
    "On":
        "Sim",
    "Off":
        "Não",
    "&NGC":
        "&NGC",
    "Open Cl&usters":
        "Aglomerados &abertos",
    "&Glob. Clusters":
        "Aglomerados &globulares",
    "G&alaxies":
        "G&aláxias",
    "Ne&bulae":
        "Ne&bulosas",
    "&Planet. Nebulae":
        "Nebulosas &planetárias",
    "&Label by":
        "&Rotular por",
    "Catalog Number":
        "Número de catálogo",
    "Common Name":
        "Nome comum",
    "&Draw as":
        "&Desenhar como",
    "Symbols":
        "Símbolos",
    "Bitmaps":
        "Imagens",
    "Constellation &lines":
        "&Linhas das constelações",
    "Const. &boundaries":
        "Limites das &constelações",
    "Const. l&abels":
        "Nomes das c&onstelações",
    "&Ecliptic":
        "&Eclíptica",
    "&Deep sky":
        "Céu &profundo",
    "Deep s&ky labels":
        "Rótulos de céu p&rofundo",
    "&Star names":
        "Nomes das &estrelas",
    "&Planet names":
        "Nomes dos p&lanetas",
    "none: standard time as typed, summer time as this computer keeps it":
        "nenhum: hora padrão como digitada, horário de verão como este computador o mantém",
    "%1 days":
        "%1 dias",
    "<b>Print Preview</b><p>Shows the printed chart of the field you see, page by page, before anything goes to the printer.</p>":
        "<b>Visualizar impressão</b><p>Mostra a carta impressa do campo que você vê, página por página, antes que algo vá para a impressora.</p>",
    "<b>Open</b> (Ctrl+O)<p>Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) in a picture window. The file dialog starts in the Images folder of the data directory.</p>":
        "<b>Abrir</b> (Ctrl+O)<p>Abre um arquivo de imagem (JPEG, GIF, PCX, TGA, BMP ou TIFF) numa janela de imagem. O diálogo de arquivos começa na pasta Images do diretório de dados.</p>",
    "<b>Print</b> (Ctrl+P)<p>Prints the field you see as a black-on-white chart.</p>":
        "<b>Imprimir</b> (Ctrl+P)<p>Imprime o campo que você vê como uma carta preta sobre branco.</p>",
    "<b>Grids</b> (G)<p>Shows or hides the equatorial grid: a circle every hour of right ascension and every 15&deg; of declination.</p>":
        "<b>Grades</b> (G)<p>Mostra ou oculta a grade equatorial: um círculo a cada hora de ascensão reta e a cada 15&deg; de declinação.</p>",
    "<b>Boundaries</b> (B)<p>Shows or hides the boundaries of the 88 constellations and their names.</p>":
        "<b>Limites</b> (B)<p>Mostra ou oculta os limites das 88 constelações e os seus nomes.</p>",
    "<b>Constellation lines</b> (L)<p>Shows or hides the figures that join the bright stars of each constellation.</p>":
        "<b>Linhas das constelações</b> (L)<p>Mostra ou oculta as figuras que ligam as estrelas brilhantes de cada constelação.</p>",
    "<b>Deep sky objects</b> (D)<p>Shows or hides the Messier and NGC objects: clusters, galaxies and nebulae. Settings &gt; Deep Sky Objects chooses which kinds are drawn.</p>":
        "<b>Objetos de céu profundo</b> (D)<p>Mostra ou oculta os objetos Messier e NGC: aglomerados, galáxias e nebulosas. Configurações &gt; Objetos de céu profundo escolhe os tipos desenhados.</p>",
    "<b>Milky Way</b> (M)<p>Shows or hides the band of the Milky Way and the outlines of the Magellanic Clouds.</p>":
        "<b>Via Láctea</b> (M)<p>Mostra ou oculta a faixa da Via Láctea e os contornos das Nuvens de Magalhães.</p>",
    "<b>Solar System</b> (P)<p>Shows or hides the Sun, the Moon and the planets.</p>":
        "<b>Sistema Solar</b> (P)<p>Mostra ou oculta o Sol, a Lua e os planetas.</p>",
    "<b>Eyepiece fields</b> (Shift+E)<p>Shows or hides the fields of your eyepieces and cameras round the middle of the view. View &gt; Eyepiece Fields... defines them.</p>":
        "<b>Campos de oculares</b> (Shift+E)<p>Mostra ou oculta os campos das suas oculares e câmeras em torno do meio da vista. Exibir &gt; Definir campos de oculares... os define.</p>",
    "<b>Date and time</b><p>Sets the date and time of the sky shown, from 1901 to 2099, or back to the present.</p>":
        "<b>Data e hora</b><p>Ajusta a data e a hora do céu mostrado, de 1901 a 2099, ou volta ao presente.</p>",
    "<b>Location</b><p>Sets the place on Earth you observe from: a city from the list, a point on the world map, or latitude, longitude and time zone.</p>":
        "<b>Local</b><p>Ajusta o lugar da Terra de onde você observa: uma cidade da lista, um ponto do mapa-múndi, ou latitude, longitude e fuso horário.</p>",
    "<b>Time step</b><p>How far each step of the time animation moves the clock: from real time (one second a second) to one year.</p>":
        "<b>Passo de tempo</b><p>Quanto cada passo da animação move o relógio: do tempo real (um segundo por segundo) a um ano.</p>",
    "<b>Animation backward</b> (Ctrl+B)<p>Runs time backwards, one time step after another, until you press Animation stop.</p>":
        "<b>Animação para trás</b> (Ctrl+B)<p>Faz o tempo correr para trás, um passo após o outro, até você clicar em Parar a animação.</p>",
    "<b>One step backward</b> ([)<p>Moves the clock back by one time step.</p>":
        "<b>Um passo para trás</b> ([)<p>Atrasa o relógio em um passo de tempo.</p>",
    "<b>Animation stop</b> (Esc)<p>Stops the time animation. The sky stays at the time it has reached.</p>":
        "<b>Parar a animação</b> (Esc)<p>Para a animação do tempo. O céu fica na hora alcançada.</p>",
    "<b>One step forward</b> (])<p>Moves the clock on by one time step.</p>":
        "<b>Um passo para frente</b> (])<p>Adianta o relógio em um passo de tempo.</p>",
    "<b>Animation forward</b> (Ctrl+F)<p>Runs time forwards, one time step after another, until you press Animation stop. Menus and dialogs wait until it stops.</p>":
        "<b>Animação para frente</b> (Ctrl+F)<p>Faz o tempo correr para frente, um passo após o outro, até você clicar em Parar a animação. Menus e diálogos esperam até que ela pare.</p>",
    "<b>What's this?</b> (Shift+F1)<p>Click this button, then on any button, menu item or field, to read what it does.</p>":
        "<b>O que é isto?</b> (Shift+F1)<p>Clique neste botão e depois em qualquer botão, item de menu ou campo para ler o que ele faz.</p>",
    "<b>About Stellix</b><p>Shows the program's version, its licence and where its sky data comes from.</p>":
        "<b>Sobre o Stellix</b><p>Mostra a versão do programa, a sua licença e de onde vêm os seus dados do céu.</p>",
    "<b>Move the field left</b> (Left arrow)<p>The stars move to the left: you see more of the sky that lay to the right. The step is smaller the more you zoom in.</p>":
        "<b>Mover o campo para a esquerda</b> (Left arrow)<p>As estrelas vão para a esquerda: você vê mais do céu que ficava à direita. O passo é menor quanto mais você aproxima.</p>",
    "<b>Move the field right</b> (Right arrow)<p>The stars move to the right: you see more of the sky that lay to the left.</p>":
        "<b>Mover o campo para a direita</b> (Right arrow)<p>As estrelas vão para a direita: você vê mais do céu que ficava à esquerda.</p>",
    "<b>Move the field up</b> (Up arrow)<p>The stars move up: you see more of the sky that lay below the middle of the view.</p>":
        "<b>Mover o campo para cima</b> (Up arrow)<p>As estrelas sobem: você vê mais do céu que ficava abaixo do meio da vista.</p>",
    "<b>Move the field down</b> (Down arrow)<p>The stars move down: you see more of the sky that lay above the middle of the view.</p>":
        "<b>Mover o campo para baixo</b> (Down arrow)<p>As estrelas descem: você vê mais do céu que ficava acima do meio da vista.</p>",
    "<b>Zoom in</b> (* on the numeric keypad)<p>Doubles the magnification, up to 8192 times.</p>":
        "<b>Aproximar</b> (* do teclado numérico)<p>Dobra a ampliação, até 8192 vezes.</p>",
    "<b>Zoom out</b> (/ on the numeric keypad)<p>Halves the magnification, down to the whole visible half of the sky.</p>":
        "<b>Afastar</b> (/ do teclado numérico)<p>Reduz a ampliação à metade, até toda a metade visível do céu.</p>",
    "<b>Red screen</b> (Shift+R)<p>Draws the sky and the whole window in dim red on black, which keeps your eyes adapted to the dark at the telescope.</p>":
        "<b>Tela vermelha</b> (Shift+R)<p>Desenha o céu e a janela inteira em vermelho escuro sobre preto, o que mantém os seus olhos adaptados ao escuro no telescópio.</p>",
    "<b>Full screen</b> (Shift+F)<p>Shows only the sky, over the whole screen. Press Esc or Shift+F again, or move the pointer to the top edge, to come back.</p>":
        "<b>Tela cheia</b> (Shift+F)<p>Mostra só o céu, na tela inteira. Esc ou Shift+F de novo, ou o ponteiro na borda superior, para voltar.</p>",
    "<b>Equatorial</b> (Ctrl+Q)<p>Shows the sky as a star chart, with the celestial pole up, as if the Earth were not there.</p>":
        "<b>Equatorial</b> (Ctrl+Q)<p>Mostra o céu como uma carta celeste, com o polo celeste em cima, como se a Terra não estivesse lá.</p>",
    "<b>Local horizon</b> (Ctrl+H)<p>Shows the sky as you see it from your place, with the ground, the landscape and the compass points.</p>":
        "<b>Horizonte local</b> (Ctrl+H)<p>Mostra o céu como você o vê do seu local, com o chão, a paisagem e os pontos cardeais.</p>",
    "<b>Help</b> (F1)<p>Opens the user guide at the page of the window you are in.</p>":
        "<b>Ajuda</b> (F1)<p>Abre o guia na página da janela em que você está.</p>",
    # The compass points on the ground.
    "S":
        "S",
    "SE":
        "SE",
    "E":
        "L",
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
        "Neste dia os relógios foram adiantados %s: não houve %s; lê-se como %s (%s).",
    "The clocks went back on this day: %s came twice; the first time (%s) is meant.":
        "Neste dia os relógios foram atrasados: %s aconteceu duas vezes; vale a primeira (%s).",
    "%s hour":
        "%s hora",
    "%s hours":
        "%s horas",
    "%s minute":
        "%s minuto",
    "%s minutes":
        "%s minutos",
    "galaxy":
        "galáxia",
    "open cluster":
        "aglomerado aberto",
    "globular cluster":
        "aglomerado globular",
    "bright nebula":
        "nebulosa brilhante",
    "planetary nebula":
        "nebulosa planetária",
    "galaxy cluster":
        "aglomerado de galáxias",
    "star":
        "estrela",
    "deep-sky object":
        "objeto de céu profundo",
    "moon":
        "lua",
    "planet":
        "planeta",
    "constellation":
        "constelação",
    # The magnitude limits dialog.
    "&Deep sky objects":
        "Objetos de céu &profundo",
    # The telescope, the Altitude Plot window, comets and minor planets, the planets' moons.
    "&Save as PNG/SVG...":
        "&Salvar como PNG/SVG...",
    "Altitude Plot - %1":
        "Gráfico de altura - %1",
    "PNG picture (*.png)":
        "Imagem PNG (*.png)",
    "SVG drawing (*.svg)":
        "Desenho SVG (*.svg)",
    "Orbital elements (*.DAT *.dat *.txt *.TXT)":
        "Elementos orbitais (*.DAT *.dat *.txt *.TXT)",
    "All files (*)":
        "Todos os arquivos (*)",
    "Altitude &Plot":
        "Gráfico de &altura",
    "&Slew Telescope":
        "&Apontar o telescópio",
    "T&ools":
        "&Ferramentas",
    "Telescope":
        "Telescópio",
    "&Connect":
        "&Conectar",
    "&Disconnect":
        "&Desconectar",
    "INDI server &host:":
        "&Host do servidor INDI:",
    "&Port:":
        "&Porta:",
    "&Telescopes the server offers:":
        "&Telescópios oferecidos pelo servidor:",
    "Comets and &Asteroids":
        "Cometas e &asteroides",
    "Altitude &Plot...":
        "Gráfico de &altura...",
    "&Telescope...":
        "&Telescópio...",
    "&Slew to Selected":
        "&Apontar para o objeto escolhido",
    "S&ync to Selected":
        "&Sincronizar com o objeto escolhido",
    "Slew to View &Centre":
        "Apontar para o &centro da vista",
    "&Abort Slew":
        "&Interromper o apontamento",
    "&Park":
        "&Estacionar",
    "&Unpark":
        "&Desestacionar",
    "&Follow the Telescope":
        "Se&guir o telescópio",
    "&Import Orbital Elements...":
        "I&mportar elementos orbitais...",
    "Comet %s":
        "Cometa %s",
    "Minor planet %s":
        "Planeta menor %s",
    "The orbital elements are for %s, more than a year from the date shown: the place may be far off.":
        "Os elementos orbitais valem para %s, a mais de um ano da data exibida: a posição pode estar muito errada.",
    " AU":
        " UA",
    "%s years":
        "%s anos",
    "No orbital elements were imported: %s   ":
        "Nenhum elemento orbital foi importado: %s   ",
    "%n orbital elements were read; they are kept in \"%1\" for the next start.": [
        "%n elemento orbital foi lido; ele fica guardado em \"%1\" para a próxima inicialização.",
        "%n elementos orbitais foram lidos; eles ficam guardados em \"%1\" para a próxima inicialização.",
    ],
    "The orbital elements could not be kept in \"%s\": %s   ":
        "Não foi possível guardar os elementos orbitais em \"%s\": %s   ",
    "%s: the file cannot be read":
        "%s: não é possível ler o arquivo",
    "%s: the file holds no orbital elements":
        "%s: o arquivo não contém elementos orbitais",
    "%s from %s, the night of %s":
        "%s a partir de %s, noite de %s",
    "Time at the place (%s)":
        "Hora no local (%s)",
    "Altitude (°)":
        "Altura (°)",
    "Civil twilight":
        "Crepúsculo civil",
    "Nautical twilight":
        "Crepúsculo náutico",
    "Astronomical twilight":
        "Crepúsculo astronômico",
    "Night":
        "Noite",
    "Transit %s, %s":
        "Trânsito %s, %s",
    "Shown %s":
        "Exibido %s",
    "%s: %s %s, Moon %s":
        "%s: %s %s, Lua %s",
    "%s: %s %s":
        "%s: %s %s",
    "Choose the object to plot first: search for it or right-click it.    ":
        "Escolha primeiro o objeto do gráfico: procure-o ou clique nele com o botão direito.    ",
    "Cannot write %s: %s.    ":
        "Não é possível gravar %s: %s.    ",
    "No INDI server answers at %s:%s.":
        "Nenhum servidor INDI responde em %s:%s.",
    "The INDI server at %s:%s closed the connection.":
        "O servidor INDI em %s:%s fechou a conexão.",
    "The INDI server offers no telescope called \"%s\".":
        "O servidor INDI não oferece nenhum telescópio chamado \"%s\".",
    "The telescope %s reported an impossible place: %s.":
        "O telescópio %s informou uma posição impossível: %s.",
    "The telescope %s could not reach its target.":
        "O telescópio %s não conseguiu alcançar o alvo.",
    "Slewing to %s":
        "Apontando para %s",
    "Tracking %s":
        "Acompanhando %s",
    "Parking %s":
        "Estacionando %s",
    "%s is parked":
        "%s está estacionado",
    "Connect a telescope first: Tools > Telescope...":
        "Conecte primeiro um telescópio: Ferramentas > Telescópio...",
    "Connected to %s":
        "Conectado a %s",
    "%s synced on %s":
        "%s sincronizado com %s",
    "%s stopped":
        "%s parado",
    "The telescope is disconnected":
        "O telescópio está desconectado",
    "Connecting to %s:%s...":
        "Conectando a %s:%s...",
    "The INDI server at %s:%s offers no telescope.":
        "O servidor INDI em %s:%s não oferece nenhum telescópio.",
    "Select an object first: search for it or click it.":
        "Escolha primeiro um objeto: procure-o ou clique nele.",
    "The port must be a number from 1 to 65535.":
        "A porta deve ser um número de 1 a 65535.",
    "the centre of the view":
        "o centro da vista",
    "The telescope %s did not answer.":
        "O telescópio %s não respondeu.",
    "The telescope %s did not end its slew within %s minutes.":
        "O telescópio %s não terminou o apontamento em %s minutos.",
    "Centre: %s   %s (J2000)":
        "Centro: %s   %s (J2000)",
    "Field: %s x %s":
        "Campo: %s x %s",
    "Magnitudes:":
        "Magnitudes:",
    "Io":
        "Io",
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
        "Tétis",
    "Dione":
        "Dione",
    "Rhea":
        "Reia",
    "Titan":
        "Titã",
    "Hyperion":
        "Hipérion",
    "Iapetus":
        "Jápeto",
    "Miranda":
        "Miranda",
    "Ariel":
        "Ariel",
    "Umbriel":
        "Umbriel",
    "Titania":
        "Titânia",
    "Oberon":
        "Oberon",
    "Phobos":
        "Fobos",
    "Deimos":
        "Deimos",
    "Show or hide the comets and minor planets down to their own magnitude limit\nComets and asteroids":
        "Mostrar ou ocultar os cometas e planetas menores até a sua própria magnitude limite\nCometas e asteroides",
    "Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt file\nImport orbital elements":
        "Importar os elementos orbitais de cometas ou planetas menores de um arquivo MPCORB.DAT ou CometEls.txt\nImportar elementos orbitais",
    "Plot the chosen object's altitude through the night, with the Moon and the twilights\nAltitude plot":
        "Traçar a altura do objeto escolhido ao longo da noite, com a Lua e os crepúsculos\nGráfico de altura",
    "Connect a telescope through an INDI server\nTelescope":
        "Conectar um telescópio por meio de um servidor INDI\nTelescópio",
    "Point the telescope at the object you chose\nSlew to selected":
        "Apontar o telescópio para o objeto escolhido\nApontar para o objeto escolhido",
    "Tell the telescope that it points at the object you chose\nSync to selected":
        "Informar ao telescópio que ele aponta para o objeto escolhido\nSincronizar com o objeto escolhido",
    "Point the telescope at the middle of the view\nSlew to view centre":
        "Apontar o telescópio para o centro da vista\nApontar para o centro da vista",
    "Stop the telescope's motion at once\nAbort slew":
        "Parar imediatamente o movimento do telescópio\nInterromper o apontamento",
    "Send the telescope to its park position\nPark":
        "Enviar o telescópio para a sua posição de estacionamento\nEstacionar",
    "Wake the telescope from its park position\nUnpark":
        "Tirar o telescópio da sua posição de estacionamento\nDesestacionar",
    "Keep the telescope's place at the middle of the view\nFollow the telescope":
        "Manter a posição do telescópio no centro da vista\nSeguir o telescópio",
    'Find an object by any of its names, or a place; Shift+Enter opens its card': 'Encontrar um objeto por qualquer um de seus nomes, ou um lugar; Shift+Enter abre a sua ficha',
    'place': 'lugar',
    "Observer's Location": 'Local do observador',
    'Set the observer to %1?': 'Levar o observador para %1?',
    'Keep the object at the middle of the view while time runs': 'Manter o objeto no centro da vista enquanto o tempo passa',
    "%1 \u2014 %2": "%1 \u2014 %2",
    '&Go to Coordinates...':
        '&Ir para coordenadas...',
    'Centre the view on a right ascension and declination or an altitude and azimuth\nGo to coordinates':
        'Centralizar a vista numa ascensão reta e declinação ou numa altura e azimute\nIr para coordenadas',
    'Go to Coordinates':
        'Ir para coordenadas',
    'J2000 right ascension and declination':
        'Ascensão reta e declinação J2000',
    'Right ascension and declination of date':
        'Ascensão reta e declinação da data',
    'Altitude and azimuth':
        'Altura e azimute',
    '&Frame:':
        '&Sistema:',
    '&Altitude:':
        '&Altura:',
    '&Right ascension:':
        '&Ascensão reta:',
    'A&zimuth (from the north through the east):':
        'A&zimute (do norte para o leste):',
    '&Declination:':
        '&Declinação:',
    'The right ascension must be hours from 0 to 24 ("5h35m17s", "5 35 17", "5.588h") or degrees from 0 to 360 ("83.82°").':
        'A ascensão reta deve estar em horas de 0 a 24 ("5h35m17s", "5 35 17", "5.588h") ou em graus de 0 a 360 ("83.82°").',
    'The declination must be degrees from -90 to +90 ("-5°23\'28"", "-5 23 28", "-5.39").':
        'A declinação deve estar em graus de -90 a +90 ("-5°23\'28"", "-5 23 28", "-5.39").',
    'The altitude must be degrees from -90 to +90 ("35°30\'", "35 30", "35.5").':
        'A altura deve estar em graus de -90 a +90 ("35°30\'", "35 30", "35.5").',
    'The azimuth must be degrees from 0 to 360, from the north through the east ("135°", "135 30", "135.5").':
        'O azimute deve estar em graus de 0 a 360, do norte para o leste ("135°", "135 30", "135.5").',
    "Planet:":
        "Planeta:",
    "Separation from the planet:":
        "Separação do planeta:",
    "Position angle:":
        "Ângulo de posição:",
    "Co&mets and asteroids:":
        "Co&metas e asteroides:",
    "Comet":
        "Cometa",
    "Minor planet":
        "Planeta menor",
}

# The constellations in the language's own names; those not listed keep
# their Latin names (tools/fill_translations.py).
TEXTS.update({
    "Andromeda": "Andrômeda",
    "Antlia": "Máquina Pneumática",
    "Apus": "Ave-do-Paraíso",
    "Aquarius": "Aquário",
    "Aquila": "Águia",
    "Ara": "Altar",
    "Aries": "Áries",
    "Auriga": "Cocheiro",
    "Boötes": "Boieiro",
    "Caelum": "Buril",
    "Camelopardalis": "Girafa",
    "Cancer": "Câncer",
    "Canes Venatici": "Cães de Caça",
    "Canis Major": "Cão Maior",
    "Canis Minor": "Cão Menor",
    "Capricornus": "Capricórnio",
    "Carina": "Quilha",
    "Centaurus": "Centauro",
    "Cepheus": "Cefeu",
    "Cetus": "Baleia",
    "Chamaeleon": "Camaleão",
    "Circinus": "Compasso",
    "Columba": "Pomba",
    "Coma Berenices": "Cabeleira de Berenice",
    "Corona Austrina": "Coroa Austral",
    "Corona Borealis": "Coroa Boreal",
    "Corvus": "Corvo",
    "Crater": "Taça",
    "Crux": "Cruzeiro do Sul",
    "Cygnus": "Cisne",
    "Delphinus": "Golfinho",
    "Dorado": "Dourado",
    "Draco": "Dragão",
    "Equuleus": "Cavalo Menor",
    "Eridanus": "Erídano",
    "Fornax": "Fornalha",
    "Gemini": "Gêmeos",
    "Grus": "Grou",
    "Hercules": "Hércules",
    "Horologium": "Relógio",
    "Hydra": "Hidra",
    "Hydrus": "Hidra Macho",
    "Indus": "Índio",
    "Lacerta": "Lagarto",
    "Leo": "Leão",
    "Leo Minor": "Leão Menor",
    "Lepus": "Lebre",
    "Lupus": "Lobo",
    "Lynx": "Lince",
    "Lyra": "Lira",
    "Mensa": "Mesa",
    "Microscopium": "Microscópio",
    "Monoceros": "Unicórnio",
    "Musca": "Mosca",
    "Norma": "Esquadro",
    "Octans": "Oitante",
    "Ophiuchus": "Ofiúco",
    "Orion": "Órion",
    "Pavo": "Pavão",
    "Pegasus": "Pégaso",
    "Perseus": "Perseu",
    "Phoenix": "Fênix",
    "Pictor": "Pintor",
    "Pisces": "Peixes",
    "Piscis Austrinus": "Peixe Austral",
    "Puppis": "Popa",
    "Pyxis": "Bússola",
    "Reticulum": "Retículo",
    "Sagitta": "Flecha",
    "Sagittarius": "Sagitário",
    "Scorpius": "Escorpião",
    "Sculptor": "Escultor",
    "Scutum": "Escudo",
    "Serpens Caput": "Cabeça da Serpente",
    "Serpens Cauda": "Cauda da Serpente",
    "Sextans": "Sextante",
    "Taurus": "Touro",
    "Telescopium": "Telescópio",
    "Triangulum": "Triângulo",
    "Triangulum Australe": "Triângulo Austral",
    "Tucana": "Tucano",
    "Ursa Major": "Ursa Maior",
    "Ursa Minor": "Ursa Menor",
    "Virgo": "Virgem",
    "Volans": "Peixe Voador",
    "Vulpecula": "Raposa",
})

# The toolbar's name, the Latin constellation names' switch and the plot's and PDF's faults.
TEXTS.update({
    "Main toolbar":
        "Barra de ferramentas principal",
    "Name the constellations in &Latin":
        "Nomear as constelações em &latim",
    "The sky and the printed chart name the constellations in Latin instead of the window's language. Takes effect at once.":
        "O céu e a carta impressa nomeiam as constelações em latim em vez do idioma da janela. Vale na hora.",
    "the file name must end in .png or .svg":
        "o nome do arquivo deve terminar em .png ou .svg",
    "the drawing could not be made":
        "não foi possível fazer o desenho",
    "the PDF could not be started":
        "não foi possível iniciar o PDF",
})

# The comet and minor-planet card.
TEXTS.update({
    'Elongation:': 'Elongação:',
    'Perihelion distance:': 'Distância do periélio:',
    'Semi-major axis:': 'Semieixo maior:',
    'Eccentricity:': 'Excentricidade:',
    'Inclination:': 'Inclinação:',
    'Period:': 'Período:',
    "Elements' epoch:": 'Época dos elementos:',
    'Other designations:': 'Outras designações:',
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
    "Triton": "Tritão",
})
