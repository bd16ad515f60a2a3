<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>varnel: %1
Try &apos;varnel --help&apos; for more information.</source>
        <extracomment>The command line&apos;s error. %1: what is wrong, one of the usage messages.</extracomment>
        <translation>varnel: %1
Tente &apos;varnel --help&apos; para obter mais informações.</translation>
    </message>
    <message>
        <source>Turns one picture into a skin for Norvo 7.

Without --export, opens the window (with PICTURE already loaded when given); the picture options then set the window up as if chosen there, and --tint auto presses Suggest Tint once the picture is loaded.
With --export, makes the skin NAME from PICTURE and writes it into the host&apos;s Skins folder, as Load Image and Save Skin do.
With --where, prints the host folder and where it was found.</source>
        <translation>Transforma uma imagem em uma skin para o Norvo 7.

Sem --export, abre a janela (com PICTURE já carregada, se informada); as opções de imagem então configuram a janela como se tivessem sido escolhidas nela, e --tint auto aciona Sugerir tonalidade assim que a imagem é carregada.
Com --export, cria a skin NAME a partir de PICTURE e a grava na pasta Skins do Norvo, como fazem os botões Abrir e Salvar.
Com --where, exibe a pasta do Norvo e onde ela foi encontrada.</translation>
    </message>
    <message>
        <source>Make the skin &lt;name&gt; and save it.</source>
        <translation>Criar a skin &lt;name&gt; e salvá-la.</translation>
    </message>
    <message>
        <source>Menu hue, -100 to 100 (default 0).</source>
        <translation>Matiz do menu, de -100 a 100 (padrão: 0).</translation>
    </message>
    <message>
        <source>Menu saturation, -100 to 100 (default 0).</source>
        <translation>Saturação do menu, de -100 a 100 (padrão: 0).</translation>
    </message>
    <message>
        <source>Menu lightness, -100 to 100 (default 0).</source>
        <translation>Luminosidade do menu, de -100 a 100 (padrão: 0).</translation>
    </message>
    <message>
        <source>With the value auto: a tint suggested from the picture, instead of --hue, --saturation and --lightness; the tint is printed.</source>
        <translation>Com o valor auto: uma tonalidade sugerida a partir da imagem, em vez de --hue, --saturation e --lightness; a tonalidade é exibida na saída.</translation>
    </message>
    <message>
        <source>How the picture meets each window: stretch (the whole picture, distorted to the window&apos;s shape; the default) or fill (cropped to the window&apos;s shape, undistorted).</source>
        <translation>Como a imagem se ajusta a cada janela: stretch (a imagem inteira, distorcida para o formato da janela; é o padrão) ou fill (recortada no formato da janela, sem distorção).</translation>
    </message>
    <message>
        <source>With --fit fill: the picture point every crop is centred on, as fractions of its width and height, 0 to 1 each (default 0.5,0.5).</source>
        <translation>Com --fit fill: o ponto da imagem em que cada recorte é centralizado, como frações da largura e da altura da imagem, de 0 a 1 cada (padrão: 0.5,0.5).</translation>
    </message>
    <message>
        <source>The host&apos;s folder (holding Skins); default: the one --where shows.</source>
        <translation>A pasta do Norvo (a que contém Skins); padrão: a que --where mostra.</translation>
    </message>
    <message>
        <source>Print the host folder and where it was found (the settings file or a Wine prefix), or where it was looked for.</source>
        <translation>Exibir a pasta do Norvo e onde ela foi encontrada (o arquivo de configurações ou um prefixo do Wine), ou onde ela foi procurada.</translation>
    </message>
    <message>
        <source>A BMP or JPEG picture (any format Qt reads).</source>
        <translation>Uma imagem BMP ou JPEG (qualquer formato que o Qt consiga ler).</translation>
    </message>
    <message>
        <source>--where takes no other options or arguments.</source>
        <translation>--where não aceita outras opções nem argumentos.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -100 to 100, not &quot;%2&quot;.</source>
        <translation>--%1 deve ser um número inteiro de -100 a 100, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--tint accepts only &quot;auto&quot;, not &quot;%1&quot;.</source>
        <translation>--tint aceita apenas &quot;auto&quot;, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--tint auto cannot be combined with --hue, --saturation or --lightness.</source>
        <translation>--tint auto não pode ser combinado com --hue, --saturation ou --lightness.</translation>
    </message>
    <message>
        <source>--fit must be stretch or fill, not &quot;%1&quot;.</source>
        <translation>--fit deve ser stretch ou fill, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--focus works only with --fit fill.</source>
        <translation>--focus funciona apenas com --fit fill.</translation>
    </message>
    <message>
        <source>--focus must be two numbers from 0 to 1 as X,Y, not &quot;%1&quot;.</source>
        <translation>--focus deve ser dois números de 0 a 1 no formato X,Y, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--host-folder needs a folder, not an empty text.</source>
        <translation>--host-folder precisa de uma pasta, não de um texto vazio.</translation>
    </message>
    <message>
        <source>only one PICTURE can be given.</source>
        <translation>só é possível informar uma imagem PICTURE.</translation>
    </message>
    <message>
        <source>--tint auto needs a PICTURE to suggest the tint from.</source>
        <translation>--tint auto precisa de uma imagem PICTURE a partir da qual sugerir a tonalidade.</translation>
    </message>
    <message>
        <source>--focus needs a PICTURE to centre on.</source>
        <translation>--focus precisa de uma imagem PICTURE na qual centralizar os recortes.</translation>
    </message>
    <message>
        <source>--export needs a PICTURE to make the skin from.</source>
        <translation>--export precisa de uma imagem PICTURE a partir da qual criar a skin.</translation>
    </message>
    <message>
        <source>Tint: hue %1, saturation %2, lightness %3</source>
        <translation>Tonalidade: matiz %1, saturação %2, luminosidade %3</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>--where&apos;s second line. %1: where the folder was found (the settings file, a Wine prefix&apos;s registry value).</extracomment>
        <translation>obtida de %1</translation>
    </message>
    <message>
        <source>varnel: the window cannot open: no display can be used (is DISPLAY or WAYLAND_DISPLAY set?). varnel --export and varnel --where need none.</source>
        <extracomment>The command line&apos;s message when the window cannot open.</extracomment>
        <translation>varnel: a janela não pode ser aberta: nenhuma tela pode ser usada (DISPLAY ou WAYLAND_DISPLAY está definida?). varnel --export e varnel --where não precisam de nenhuma.</translation>
    </message>
    <message>
        <source>passed over:</source>
        <extracomment>--where, after the folder and where it came from: the places looked at first, each on a line of its own below, with why it gave no folder.</extracomment>
        <translation>descartados:</translation>
    </message>
</context>
<context>
    <name>Compose</name>
    <message>
        <source>There is no picture to fit yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation>Ainda não há nenhuma imagem para ajustar. Primeiro, abra uma imagem.</translation>
    </message>
    <message>
        <source>There is no picture to compose yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation>Ainda não há nenhuma imagem com a qual compor a skin. Primeiro, abra uma imagem.</translation>
    </message>
    <message>
        <source>There is no picture to suggest a tint from yet. Load an image first.</source>
        <extracomment>Suggest Tint&apos;s message when no picture is loaded.</extracomment>
        <translation>Ainda não há nenhuma imagem a partir da qual sugerir uma tonalidade. Primeiro, abra uma imagem.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Varnel</source>
        <extracomment>The desktop entry&apos;s Name: the program&apos;s name in the menus. Varnel in every language.</extracomment>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Skin Maker</source>
        <extracomment>The desktop entry&apos;s GenericName: what kind of program it is, shown beside its name.</extracomment>
        <translation>Criador de skins</translation>
    </message>
    <message>
        <source>Make a Norvo 7 skin from a picture</source>
        <extracomment>The desktop entry&apos;s Comment: the menu entry&apos;s tool tip.</extracomment>
        <translation>Criar uma skin do Norvo 7 a partir de uma imagem</translation>
    </message>
    <message>
        <source>skin;Norvo;picture;</source>
        <extracomment>The desktop entry&apos;s Keywords: words a menu search finds the program by, each followed by a semicolon, the last one too. Any number of words.</extracomment>
        <translation>skin;Norvo;imagem;tema;</translation>
    </message>
    <message>
        <source>Make Norvo 7 skins from a picture</source>
        <extracomment>The software centre&apos;s one-line summary of the program.</extracomment>
        <translation>Criar skins do Norvo 7 a partir de uma imagem</translation>
    </message>
    <message>
        <source>Varnel turns one BMP or JPEG picture into a skin for the Norvo 7 chat program. It stretches the picture to the four window sizes of Norvo 7, lays the button artwork of Norvo 7 over each copy, and saves the four window pictures and the skin description into the Skins folder of Norvo 7, which offers the new skin the next time it starts.</source>
        <extracomment>The software centre&apos;s description of the program, its first paragraph.</extracomment>
        <translation>O Varnel transforma uma imagem BMP ou JPEG em uma skin para o programa de bate-papo Norvo 7. Ele estica a imagem para os quatro tamanhos de janela do Norvo 7, coloca os botões do Norvo 7 sobre cada cópia e salva as quatro imagens de janela e a descrição da skin na pasta Skins do Norvo 7, que oferece a nova skin na próxima vez que for iniciado.</translation>
    </message>
    <message>
        <source>Load a picture with Load Image, or drop it on the window</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Carregue uma imagem com &quot;Abrir&quot; ou solte-a sobre a janela</translation>
    </message>
    <message>
        <source>Tint the menu and the window buttons with the hue, saturation and lightness sliders</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Tinja o menu e os botões das janelas com os controles de matiz, saturação e luminosidade</translation>
    </message>
    <message>
        <source>Type a name and press Save Skin</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Digite um nome e clique em &quot;Salvar&quot;</translation>
    </message>
    <message>
        <source>Make skins from the command line, without a display, with varnel --export</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list. varnel --export is a command: keep it as it is.</extracomment>
        <translation>Crie skins pela linha de comando, sem tela, com varnel --export</translation>
    </message>
    <message>
        <source>A skin made from a picture of a sunset, with the menu tinted</source>
        <extracomment>The caption of the software centre&apos;s screenshot of the window.</extracomment>
        <translation>Uma skin criada a partir de uma imagem de pôr do sol, com o menu tingido</translation>
    </message>
    <message>
        <source>First release: skins from BMP and JPEG pictures in the window or from the command line.</source>
        <extracomment>The software centre&apos;s notes on the first release.</extracomment>
        <translation>Primeira versão: skins a partir de imagens BMP e JPEG na janela ou pela linha de comando.</translation>
    </message>
</context>
<context>
    <name>HostFolder</name>
    <message>
        <source>%1: Directory &quot;%2&quot;: %3</source>
        <extracomment>A line of the places looked at. %1: where the folder was named; %2: the folder; %3: why it cannot hold the skins.</extracomment>
        <translation>%1: Directory &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the list of places Varnel looked at for Norvo&apos;s folder (the start-up message&apos;s details, --where). %1: the place; %2: why it gave no folder.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no Directory value</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>o valor Directory não existe</translation>
    </message>
    <message>
        <source>Directory is empty</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory está vazio</translation>
    </message>
    <message>
        <source>Directory is neither text nor a number</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory não é texto nem número</translation>
    </message>
    <message>
        <source>registry %1, value Directory</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the registry key.</extracomment>
        <translation>registro %1, valor Directory</translation>
    </message>
    <message>
        <source>settings file %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the settings file&apos;s path (or paths, joined).</extracomment>
        <translation>arquivo de configurações %1</translation>
    </message>
    <message>
        <source>, then </source>
        <extracomment>Joins the settings files looked at, in order: &quot;file1, then file2&quot;.</extracomment>
        <translation>, depois </translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>no such key</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>a chave não existe</translation>
    </message>
    <message>
        <source>the Directory value&apos;s line cannot be read</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>não é possível ler a linha do valor Directory</translation>
    </message>
    <message>
        <source>Directory is an expandable string holding %</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory é uma cadeia expansível que contém %</translation>
    </message>
    <message>
        <source>Varnel looked for the Norvo 7 folder here:</source>
        <extracomment>The first line of the start-up message&apos;s details; the places follow.</extracomment>
        <translation>O Varnel procurou a pasta do Norvo 7 nestes locais:</translation>
    </message>
    <message>
        <source>Install Norvo 7: its installer writes its folder into the registry value %1 of %2.</source>
        <extracomment>The start-up message&apos;s details, after the places looked at. %1: the value&apos;s name (Directory); %2: the registry key.</extracomment>
        <translation>Instale o Norvo 7: o instalador dele grava a pasta do Norvo no valor de registro %1 de %2.</translation>
    </message>
    <message>
        <source>Install Norvo 7 in a Wine prefix, or name its folder in the settings file %1 with one line:</source>
        <extracomment>The start-up message&apos;s details, after the places looked at; a line to copy follows. %1: the settings file&apos;s path.</extracomment>
        <translation>Instale o Norvo 7 em um prefixo do Wine ou indique a pasta dele no arquivo de configurações %1 com esta linha:</translation>
    </message>
    <message>
        <source>permission denied</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>no such folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>not an absolute path (~ is not expanded: write the whole path)</source>
        <translation>não é um caminho absoluto (~ não é expandido: escreva o caminho completo)</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>não é um caminho absoluto</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A line of the places looked at: a registry key inside a Wine prefix. %1: the prefix (&quot;Wine prefix /home/me/.wine&quot;); %2: the key and why it gave no folder.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no system.reg</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg não existe</translation>
    </message>
    <message>
        <source>system.reg is not a file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg não é um arquivo</translation>
    </message>
    <message>
        <source>system.reg is too large (%1 bytes)</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the file&apos;s size.</extracomment>
        <translation>system.reg é grande demais (%1 bytes)</translation>
    </message>
    <message>
        <source>system.reg cannot be read: %1</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the system&apos;s reason.</extracomment>
        <translation>não é possível ler system.reg: %1</translation>
    </message>
    <message>
        <source>system.reg is not a Wine registry file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg não é um arquivo de registro do Wine</translation>
    </message>
    <message>
        <source>%1: %2, value Directory &quot;%3&quot;</source>
        <extracomment>--where&apos;s source of the folder. %1: the Wine prefix; %2: the registry key; %3: the value&apos;s Windows path.</extracomment>
        <translation>%1: %2, valor Directory &quot;%3&quot;</translation>
    </message>
    <message>
        <source>no key HKEY_LOCAL_MACHINE\%1 nor HKEY_LOCAL_MACHINE\%2</source>
        <translation>não existe a chave HKEY_LOCAL_MACHINE\%1 nem a chave HKEY_LOCAL_MACHINE\%2</translation>
    </message>
    <message>
        <source>not set</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of WINEPREFIX.</extracomment>
        <translation>não definida</translation>
    </message>
    <message>
        <source>WINEPREFIX %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the variable&apos;s value.</extracomment>
        <translation>WINEPREFIX %1</translation>
    </message>
    <message>
        <source>Wine prefix %1 (WINEPREFIX)</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the prefix&apos;s folder.</extracomment>
        <translation>Prefixo do Wine %1 (WINEPREFIX)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the prefix&apos;s folder.</extracomment>
        <translation>Prefixo do Wine %1</translation>
    </message>
    <message>
        <source>%1 prefixes in %2</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a Wine front end (Bottles, PlayOnLinux, ...); %2: its folder.</extracomment>
        <translation>Prefixos de %1 em %2</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of a front end&apos;s prefixes.</extracomment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 prefix %2</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a Wine front end (Bottles, ...); %2: the prefix&apos;s folder.</extracomment>
        <translation>Prefixo de %1 %2</translation>
    </message>
    <message>
        <source>not an absolute path on a drive</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of the registry value&apos;s Windows path.</extracomment>
        <translation>não é um caminho absoluto em uma unidade</translation>
    </message>
    <message>
        <source>drive %1 links to %2, which does not exist</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: where its link points.</extracomment>
        <translation>a unidade %1 aponta para %2, que não existe</translation>
    </message>
    <message>
        <source>no drive %1 (no %2)</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: the link the prefix lacks.</extracomment>
        <translation>a unidade %1 não existe (%2 não existe)</translation>
    </message>
    <message>
        <source>drive %1 (%2) is not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: its link.</extracomment>
        <translation>a unidade %1 (%2) não é uma pasta</translation>
    </message>
    <message>
        <source>no folder &quot;%1&quot; in %2</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a folder&apos;s name; %2: the folder it is missing from.</extracomment>
        <translation>não existe a pasta &quot;%1&quot; em %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the path.</extracomment>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>a comma makes a list; put the folder in double quotes</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where): the settings file&apos;s line Directory=/a,/b is read as a list of two.</extracomment>
        <translation>uma vírgula transforma o valor em uma lista; coloque a pasta entre aspas duplas</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Your skin has been exported to Norvo.</source>
        <extracomment>Save Skin&apos;s and --export&apos;s message when the skin was saved.</extracomment>
        <translation>Sua skin foi exportada para o Norvo.</translation>
    </message>
    <message>
        <source>Enter a name for your Skin.</source>
        <extracomment>Save Skin&apos;s message when the name box is empty (or holds only blanks and dots).</extracomment>
        <translation>Digite um nome para a sua skin.</translation>
    </message>
    <message>
        <source>Please install a valid copy of Norvo 7.</source>
        <extracomment>The message when no host folder was found: at start-up, and from --export and --where.</extracomment>
        <translation>Instale uma cópia válida do Norvo 7.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: %2)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (não é possível abrir: %2)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a folder)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (não é possível abrir: é uma pasta)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a FIFO, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (não é possível abrir: é um FIFO, não um arquivo)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a socket, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (não é possível abrir: é um socket, não um arquivo)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a device, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (não é possível abrir: é um dispositivo, não um arquivo)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is not a regular file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (não é possível abrir: não é um arquivo comum)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (the file is empty)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (o arquivo está vazio)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (not a picture)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (não é uma imagem)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (too large)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (grande demais)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (danificada)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged: the file ends before the picture does)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Não foi possível carregar a imagem: %1 (danificada: o arquivo termina antes da imagem)</translation>
    </message>
</context>
<context>
    <name>PictureFilters</name>
    <message>
        <source>PNG pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Imagens PNG</translation>
    </message>
    <message>
        <source>GIF pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Imagens GIF</translation>
    </message>
    <message>
        <source>TIFF pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Imagens TIFF</translation>
    </message>
    <message>
        <source>WebP pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Imagens WebP</translation>
    </message>
    <message>
        <source>All pictures</source>
        <extracomment>A filter of the Load Image file dialog: every kind of picture it can load.</extracomment>
        <translation>Todas as imagens</translation>
    </message>
    <message>
        <source>All files</source>
        <extracomment>The last filter of the Load Image file dialog.</extracomment>
        <translation>Todos os arquivos</translation>
    </message>
</context>
<context>
    <name>QSaveFile</name>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinExport</name>
    <message>
        <source>The skin could not be saved: the description template %1 is a folder, not a file.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the template file&apos;s path.</extracomment>
        <translation>Não foi possível salvar a skin: o modelo de descrição %1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the description template %1 cannot be read (%2).</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the template file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Não foi possível salvar a skin: não é possível ler o modelo de descrição %1 (%2).</translation>
    </message>
    <message>
        <source>The skin could not be saved: %1 could not be written (%2). No file was changed.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when nothing changed. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Não foi possível salvar a skin: não foi possível gravar %1 (%2). Nenhum arquivo foi alterado.</translation>
    </message>
    <message numerus="yes">
        <source>The skin could not be saved: %1 could not be written (%2). The %n files before it were already replaced; save the skin again.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when some files were already replaced. %1: the file&apos;s path; %2: the system&apos;s reason; %n: how many files were replaced (1 to 4).</extracomment>
        <translation>
            <numerusform>Não foi possível salvar a skin: não foi possível gravar %1 (%2). %n arquivo anterior já foi substituído; salve a skin novamente.</numerusform>
            <numerusform>Não foi possível salvar a skin: não foi possível gravar %1 (%2). %n arquivos anteriores já foram substituídos; salve a skin novamente.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no skin to save yet. Load an image first.</source>
        <extracomment>Save Skin&apos;s message before any picture was loaded.</extracomment>
        <translation>Ainda não há nenhuma skin para salvar. Primeiro, abra uma imagem.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 is a file, not a folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation>Não foi possível salvar a skin: a pasta Skins %1 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 does not exist.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation>Não foi possível salvar a skin: a pasta Skins %1 não existe.</translation>
    </message>
    <message>
        <source>The skin could not be saved: another save of the skin &quot;%1&quot; is still running. Try again when it has ended.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin&apos;s name.</extracomment>
        <translation>Não foi possível salvar a skin: outro salvamento da skin &quot;%1&quot; ainda está em andamento. Tente novamente quando ele terminar.</translation>
    </message>
    <message>
        <source>The template could not be written to %1 (%2).</source>
        <extracomment>Command3&apos;s message. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Não foi possível gravar o modelo em %1 (%2).</translation>
    </message>
</context>
<context>
    <name>SkinName</name>
    <message>
        <source>A skin name cannot contain \ or /, since the skin must stay in the Skins folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>O nome de uma skin não pode conter \ nem /, pois a skin precisa ficar dentro da pasta Skins.</translation>
    </message>
    <message>
        <source>A skin name cannot contain any of : * ? &quot; &lt; &gt; |.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>O nome de uma skin não pode conter nenhum destes caracteres: : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>A skin name cannot contain control characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>O nome de uma skin não pode conter caracteres de controle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is reserved for a device on Windows; choose another skin name.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin name typed (CON, NUL.txt, ...).</extracomment>
        <translation>&quot;%1&quot; é reservado para um dispositivo no Windows; escolha outro nome para a skin.</translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read; use Western European letters only.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads Western European letters.</extracomment>
        <translation>O nome da skin tem caracteres que o Norvo não consegue ler; use apenas letras da Europa Ocidental.</translation>
    </message>
    <message>
        <source>Norvo&apos;s folder %1 is too deep: Windows cannot open a skin of any name there.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it.</extracomment>
        <translation>O caminho da pasta do Norvo %1 é longo demais: o Windows não consegue abrir nenhuma skin ali, seja qual for o nome.</translation>
    </message>
    <message numerus="yes">
        <source>The skin name is too long: with Norvo in %1, Windows can open the skin&apos;s files only when its name has at most %n characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it; %n: how many characters a name may have there.</extracomment>
        <translation>
            <numerusform>O nome da skin é longo demais: com o Norvo em %1, o Windows só consegue abrir os arquivos da skin se o nome tiver no máximo %n caractere.</numerusform>
            <numerusform>O nome da skin é longo demais: com o Norvo em %1, o Windows só consegue abrir os arquivos da skin se o nome tiver no máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read in this system&apos;s code page (Windows-%1); use the letters of the system&apos;s language.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads another code page than the Western European one. %1: the code page&apos;s number (1251 for Cyrillic, 932 for Japanese, ...).</extracomment>
        <translation>O nome da skin tem caracteres que o Norvo não consegue ler na página de código deste sistema (Windows-%1); use as letras do idioma do sistema.</translation>
    </message>
</context>
<context>
    <name>Varnel</name>
    <message>
        <source>Norvo 7 Varnel</source>
        <translation>Norvo 7 Varnel</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>MENU strip picture</source>
        <translation>Imagem da faixa MENU</translation>
    </message>
    <message>
        <source>Name Your Skin</source>
        <translation>Nome da skin</translation>
    </message>
    <message>
        <source>Save Skin</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Command3</source>
        <translation>Command3</translation>
    </message>
    <message>
        <source>Saves the untinted Console and Chat button artwork as the files d:/p2.bmp and d:/p3.bmp.</source>
        <extracomment>Command3&apos;s tooltip and what a screen reader says of it.</extracomment>
        <translation>Salva a arte sem tingimento dos botões Console e Chat nos arquivos d:/p2.bmp e d:/p3.bmp.</translation>
    </message>
    <message>
        <source>Scene window picture</source>
        <translation>Imagem da janela de cena</translation>
    </message>
    <message>
        <source>Main window picture</source>
        <translation>Imagem da janela principal</translation>
    </message>
    <message>
        <source>Console border picture</source>
        <translation>Imagem da borda do console</translation>
    </message>
    <message>
        <source>Chat window picture</source>
        <translation>Imagem da janela de chat</translation>
    </message>
    <message>
        <source>STEP 1: Load an image by clicking the Load Image Button.</source>
        <translation>PASSO 1: Carregue uma imagem clicando no botão Abrir.</translation>
    </message>
    <message>
        <source>STEP 2: Adjust your menus color and hue by using the sliders.</source>
        <translation>PASSO 2: Ajuste a cor e o matiz do menu usando os controles deslizantes.</translation>
    </message>
    <message>
        <source>STEP 3: Type a name for your skin and click Save Skin. Run Norvo and a new Skin will be available for you.</source>
        <translation>PASSO 3: Digite um nome para a sua skin e clique em Salvar. Abra o Norvo e a nova skin estará disponível.</translation>
    </message>
    <message>
        <source>Suggest Tint</source>
        <translation>Sugerir tonalidade</translation>
    </message>
    <message>
        <source>Sets the three sliders to a tint in the picture&apos;s colour that keeps the MENU button readable.</source>
        <translation>Ajusta os três controles deslizantes para uma tonalidade na cor da imagem que mantém o botão MENU legível.</translation>
    </message>
    <message>
        <source>Menu Hue</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Menu Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Menu Lightness</source>
        <translation>Luminosidade</translation>
    </message>
    <message>
        <source>Picture fit</source>
        <translation>Ajuste da imagem</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Esticar</translation>
    </message>
    <message>
        <source>Picture fit: Stretch</source>
        <translation>Ajuste da imagem: Esticar</translation>
    </message>
    <message>
        <source>Each window shows the whole picture, stretched to its shape.</source>
        <translation>Cada janela mostra a imagem inteira, esticada para se ajustar ao formato dela.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Picture fit: Fill</source>
        <translation>Ajuste da imagem: Preencher</translation>
    </message>
    <message>
        <source>Each window shows the part of the picture that has its shape, undistorted. Press or drag on a preview to choose the point the parts are centred on.</source>
        <translation>Cada janela mostra, sem distorção, a parte da imagem que tem o formato dela. Clique ou arraste em uma visualização para escolher o ponto em que as partes são centralizadas.</translation>
    </message>
    <message>
        <source>Focus point %1% across, %2% down; arrow keys move it</source>
        <translation>Ponto focal a %1% da esquerda e a %2% do topo; as teclas de seta o movem</translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt around the focus: %1</source>
        <extracomment>A message after moving the focus point failed. %1: the reason.</extracomment>
        <translation>Não foi possível recriar as imagens da skin em torno do ponto focal: %1</translation>
    </message>
    <message>
        <source>The menu preview could not be tinted: %1</source>
        <extracomment>A message after a slider moved. %1: the reason.</extracomment>
        <translation>Não foi possível tingir a visualização do menu: %1</translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt with the tint: %1</source>
        <extracomment>A message after a slider was let go. %1: the reason.</extracomment>
        <translation>Não foi possível recriar as imagens da skin com a tonalidade: %1</translation>
    </message>
    <message>
        <source>Images Files (*.bmp;*.jpg)</source>
        <translation>Arquivos de imagem (*.bmp;*.jpg)</translation>
    </message>
    <message>
        <source>The five files went to the folder %1:</source>
        <translation>Os cinco arquivos foram salvos na pasta %1:</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The button of a question before a file or a skin is replaced.</extracomment>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Cancel Save</source>
        <extracomment>The button below the text that Save Skin waits for another save; it stops the wait, and nothing is saved.</extracomment>
        <translation>Cancelar salvamento</translation>
    </message>
    <message>
        <source>Replace the skin &quot;%1&quot;?</source>
        <extracomment>The question before Save Skin replaces a skin already in the Skins folder (under any letter case). %1: the skin&apos;s name.</extracomment>
        <translation>Substituir a skin &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Waiting for another save of the skin &quot;%1&quot; to end… Press Esc to cancel.</source>
        <extracomment>On the window, right of the Main picture, while Save Skin waits for another save of the same skin to end. %1: the skin&apos;s name.</extracomment>
        <translation>Aguardando o fim de outro salvamento da skin &quot;%1&quot;… Pressione Esc para cancelar.</translation>
    </message>
    <message>
        <source>Replace the file %1?</source>
        <extracomment>The question before Command3 replaces one of its two files. %1: its path.</extracomment>
        <translation>Substituir o arquivo %1?</translation>
    </message>
    <message>
        <source>Replace the files %1 and %2?</source>
        <extracomment>The question before Command3 replaces both its files. %1, %2: their paths.</extracomment>
        <translation>Substituir os arquivos %1 e %2?</translation>
    </message>
    <message>
        <source>Load Image</source>
        <comment>file dialog title</comment>
        <extracomment>The title of the file dialog that Load Image opens.</extracomment>
        <translation>Carregar imagem</translation>
    </message>
</context>
</TS>
