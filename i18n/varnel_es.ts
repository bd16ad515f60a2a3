<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>varnel: %1
Try &apos;varnel --help&apos; for more information.</source>
        <extracomment>The command line&apos;s error. %1: what is wrong, one of the usage messages.</extracomment>
        <translation>varnel: %1
Pruebe &apos;varnel --help&apos; para obtener más información.</translation>
    </message>
    <message>
        <source>Turns one picture into a skin for Norvo 7.

Without --export, opens the window (with PICTURE already loaded when given); the picture options then set the window up as if chosen there, and --tint auto presses Suggest Tint once the picture is loaded.
With --export, makes the skin NAME from PICTURE and writes it into the host&apos;s Skins folder, as Load Image and Save Skin do.
With --where, prints the host folder and where it was found.</source>
        <translation>Convierte una imagen en un skin para Norvo 7.

Sin --export, abre la ventana (con PICTURE ya cargada, si se indica); las opciones de imagen configuran entonces la ventana como si se hubieran elegido en ella, y --tint auto pulsa Sugerir tinte en cuanto se carga la imagen.
Con --export, crea el skin NAME a partir de PICTURE y lo escribe en la carpeta Skins de Norvo, como hacen los botones Abrir y Guardar.
Con --where, muestra la carpeta de Norvo y dónde se encontró.</translation>
    </message>
    <message>
        <source>Make the skin &lt;name&gt; and save it.</source>
        <translation>Crear el skin &lt;name&gt; y guardarlo.</translation>
    </message>
    <message>
        <source>Menu hue, -100 to 100 (default 0).</source>
        <translation>Tono del menú, de -100 a 100 (predeterminado: 0).</translation>
    </message>
    <message>
        <source>Menu saturation, -100 to 100 (default 0).</source>
        <translation>Saturación del menú, de -100 a 100 (predeterminado: 0).</translation>
    </message>
    <message>
        <source>Menu lightness, -100 to 100 (default 0).</source>
        <translation>Luminosidad del menú, de -100 a 100 (predeterminado: 0).</translation>
    </message>
    <message>
        <source>With the value auto: a tint suggested from the picture, instead of --hue, --saturation and --lightness; the tint is printed.</source>
        <translation>Con el valor auto: un tinte sugerido a partir de la imagen, en lugar de --hue, --saturation y --lightness; el tinte se muestra en la salida.</translation>
    </message>
    <message>
        <source>How the picture meets each window: stretch (the whole picture, distorted to the window&apos;s shape; the default) or fill (cropped to the window&apos;s shape, undistorted).</source>
        <translation>Cómo se adapta la imagen a cada ventana: stretch (la imagen completa, deformada para tomar la forma de la ventana; es el valor predeterminado) o fill (recortada con la forma de la ventana, sin deformar).</translation>
    </message>
    <message>
        <source>With --fit fill: the picture point every crop is centred on, as fractions of its width and height, 0 to 1 each (default 0.5,0.5).</source>
        <translation>Con --fit fill: el punto de la imagen en el que se centra cada recorte, como fracciones de su ancho y su alto, de 0 a 1 cada una (predeterminado: 0.5,0.5).</translation>
    </message>
    <message>
        <source>The host&apos;s folder (holding Skins); default: the one --where shows.</source>
        <translation>La carpeta de Norvo (la que contiene Skins); predeterminada: la que muestra --where.</translation>
    </message>
    <message>
        <source>Print the host folder and where it was found (the settings file or a Wine prefix), or where it was looked for.</source>
        <translation>Mostrar la carpeta de Norvo y dónde se encontró (el archivo de configuración o un prefijo de Wine), o dónde se buscó.</translation>
    </message>
    <message>
        <source>A BMP or JPEG picture (any format Qt reads).</source>
        <translation>Una imagen BMP o JPEG (cualquier formato que Qt pueda leer).</translation>
    </message>
    <message>
        <source>--where takes no other options or arguments.</source>
        <translation>--where no admite otras opciones ni argumentos.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -100 to 100, not &quot;%2&quot;.</source>
        <translation>--%1 debe ser un número entero de -100 a 100, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--tint accepts only &quot;auto&quot;, not &quot;%1&quot;.</source>
        <translation>--tint solo admite &quot;auto&quot;, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--tint auto cannot be combined with --hue, --saturation or --lightness.</source>
        <translation>--tint auto no se puede combinar con --hue, --saturation ni --lightness.</translation>
    </message>
    <message>
        <source>--fit must be stretch or fill, not &quot;%1&quot;.</source>
        <translation>--fit debe ser stretch o fill, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--focus works only with --fit fill.</source>
        <translation>--focus solo funciona con --fit fill.</translation>
    </message>
    <message>
        <source>--focus must be two numbers from 0 to 1 as X,Y, not &quot;%1&quot;.</source>
        <translation>--focus debe ser dos números de 0 a 1 con la forma X,Y, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--host-folder needs a folder, not an empty text.</source>
        <translation>--host-folder necesita una carpeta, no un texto vacío.</translation>
    </message>
    <message>
        <source>only one PICTURE can be given.</source>
        <translation>solo se puede indicar una imagen PICTURE.</translation>
    </message>
    <message>
        <source>--tint auto needs a PICTURE to suggest the tint from.</source>
        <translation>--tint auto necesita una imagen PICTURE a partir de la cual sugerir el tinte.</translation>
    </message>
    <message>
        <source>--focus needs a PICTURE to centre on.</source>
        <translation>--focus necesita una imagen PICTURE en la que centrar los recortes.</translation>
    </message>
    <message>
        <source>--export needs a PICTURE to make the skin from.</source>
        <translation>--export necesita una imagen PICTURE a partir de la cual crear el skin.</translation>
    </message>
    <message>
        <source>Tint: hue %1, saturation %2, lightness %3</source>
        <translation>Tinte: tono %1, saturación %2, luminosidad %3</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>--where&apos;s second line. %1: where the folder was found (the settings file, a Wine prefix&apos;s registry value).</extracomment>
        <translation>obtenida de %1</translation>
    </message>
    <message>
        <source>varnel: the window cannot open: no display can be used (is DISPLAY or WAYLAND_DISPLAY set?). varnel --export and varnel --where need none.</source>
        <extracomment>The command line&apos;s message when the window cannot open.</extracomment>
        <translation>varnel: la ventana no puede abrirse: no hay ninguna pantalla disponible (¿está definida DISPLAY o WAYLAND_DISPLAY?). varnel --export y varnel --where no necesitan ninguna.</translation>
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
        <translation>Todavía no hay ninguna imagen que ajustar. Primero abra una imagen.</translation>
    </message>
    <message>
        <source>There is no picture to compose yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation>Todavía no hay ninguna imagen con la que componer el skin. Primero abra una imagen.</translation>
    </message>
    <message>
        <source>There is no picture to suggest a tint from yet. Load an image first.</source>
        <extracomment>Suggest Tint&apos;s message when no picture is loaded.</extracomment>
        <translation>Todavía no hay ninguna imagen a partir de la cual sugerir un tinte. Primero abra una imagen.</translation>
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
        <translation>Creador de skins</translation>
    </message>
    <message>
        <source>Make a Norvo 7 skin from a picture</source>
        <extracomment>The desktop entry&apos;s Comment: the menu entry&apos;s tool tip.</extracomment>
        <translation>Crear un skin de Norvo 7 a partir de una imagen</translation>
    </message>
    <message>
        <source>skin;Norvo;picture;</source>
        <extracomment>The desktop entry&apos;s Keywords: words a menu search finds the program by, each followed by a semicolon, the last one too. Any number of words.</extracomment>
        <translation>skin;Norvo;imagen;tema;</translation>
    </message>
    <message>
        <source>Make Norvo 7 skins from a picture</source>
        <extracomment>The software centre&apos;s one-line summary of the program.</extracomment>
        <translation>Crear skins de Norvo 7 a partir de una imagen</translation>
    </message>
    <message>
        <source>Varnel turns one BMP or JPEG picture into a skin for the Norvo 7 chat program. It stretches the picture to the four window sizes of Norvo 7, lays the button artwork of Norvo 7 over each copy, and saves the four window pictures and the skin description into the Skins folder of Norvo 7, which offers the new skin the next time it starts.</source>
        <extracomment>The software centre&apos;s description of the program, its first paragraph.</extracomment>
        <translation>Varnel convierte una imagen BMP o JPEG en un skin para el programa de chat Norvo 7. Estira la imagen a los cuatro tamaños de ventana de Norvo 7, coloca los botones de Norvo 7 sobre cada copia y guarda las cuatro imágenes de ventana y la descripción del skin en la carpeta Skins de Norvo 7, que ofrece el nuevo skin la próxima vez que se inicia.</translation>
    </message>
    <message>
        <source>Load a picture with Load Image, or drop it on the window</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Cargue una imagen con «Abrir» o suéltela sobre la ventana</translation>
    </message>
    <message>
        <source>Tint the menu and the window buttons with the hue, saturation and lightness sliders</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Tiña el menú y los botones de las ventanas con los controles de tono, saturación y luminosidad</translation>
    </message>
    <message>
        <source>Type a name and press Save Skin</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Escriba un nombre y pulse «Guardar»</translation>
    </message>
    <message>
        <source>Make skins from the command line, without a display, with varnel --export</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list. varnel --export is a command: keep it as it is.</extracomment>
        <translation>Cree skins desde la línea de órdenes, sin pantalla, con varnel --export</translation>
    </message>
    <message>
        <source>A skin made from a picture of a sunset, with the menu tinted</source>
        <extracomment>The caption of the software centre&apos;s screenshot of the window.</extracomment>
        <translation>Un skin creado a partir de una imagen de una puesta de sol, con el menú teñido</translation>
    </message>
    <message>
        <source>First release: skins from BMP and JPEG pictures in the window or from the command line.</source>
        <extracomment>The software centre&apos;s notes on the first release.</extracomment>
        <translation>Primera versión: skins a partir de imágenes BMP y JPEG en la ventana o desde la línea de órdenes.</translation>
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
        <translation>no existe el valor Directory</translation>
    </message>
    <message>
        <source>Directory is empty</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory está vacío</translation>
    </message>
    <message>
        <source>Directory is neither text nor a number</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory no es ni texto ni un número</translation>
    </message>
    <message>
        <source>registry %1, value Directory</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the registry key.</extracomment>
        <translation>registro %1, valor Directory</translation>
    </message>
    <message>
        <source>settings file %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the settings file&apos;s path (or paths, joined).</extracomment>
        <translation>archivo de configuración %1</translation>
    </message>
    <message>
        <source>, then </source>
        <extracomment>Joins the settings files looked at, in order: &quot;file1, then file2&quot;.</extracomment>
        <translation>, después </translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>no such key</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>no existe la clave</translation>
    </message>
    <message>
        <source>the Directory value&apos;s line cannot be read</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>no se puede leer la línea del valor Directory</translation>
    </message>
    <message>
        <source>Directory is an expandable string holding %</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory es una cadena expandible que contiene %</translation>
    </message>
    <message>
        <source>Varnel looked for the Norvo 7 folder here:</source>
        <extracomment>The first line of the start-up message&apos;s details; the places follow.</extracomment>
        <translation>Varnel buscó la carpeta de Norvo 7 en estos lugares:</translation>
    </message>
    <message>
        <source>Install Norvo 7: its installer writes its folder into the registry value %1 of %2.</source>
        <extracomment>The start-up message&apos;s details, after the places looked at. %1: the value&apos;s name (Directory); %2: the registry key.</extracomment>
        <translation>Instale Norvo 7: su instalador escribe la carpeta de Norvo en el valor del registro %1 de %2.</translation>
    </message>
    <message>
        <source>Install Norvo 7 in a Wine prefix, or name its folder in the settings file %1 with one line:</source>
        <extracomment>The start-up message&apos;s details, after the places looked at; a line to copy follows. %1: the settings file&apos;s path.</extracomment>
        <translation>Instale Norvo 7 en un prefijo de Wine o indique su carpeta en el archivo de configuración %1 con esta línea:</translation>
    </message>
    <message>
        <source>permission denied</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>no such folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>no existe la carpeta</translation>
    </message>
    <message>
        <source>not an absolute path (~ is not expanded: write the whole path)</source>
        <translation>no es una ruta absoluta (~ no se expande: escriba la ruta completa)</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>no es una ruta absoluta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A line of the places looked at: a registry key inside a Wine prefix. %1: the prefix (&quot;Wine prefix /home/me/.wine&quot;); %2: the key and why it gave no folder.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no system.reg</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>no existe system.reg</translation>
    </message>
    <message>
        <source>system.reg is not a file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg no es un archivo</translation>
    </message>
    <message>
        <source>system.reg is too large (%1 bytes)</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the file&apos;s size.</extracomment>
        <translation>system.reg es demasiado grande (%1 bytes)</translation>
    </message>
    <message>
        <source>system.reg cannot be read: %1</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the system&apos;s reason.</extracomment>
        <translation>no se puede leer system.reg: %1</translation>
    </message>
    <message>
        <source>system.reg is not a Wine registry file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg no es un archivo de registro de Wine</translation>
    </message>
    <message>
        <source>%1: %2, value Directory &quot;%3&quot;</source>
        <extracomment>--where&apos;s source of the folder. %1: the Wine prefix; %2: the registry key; %3: the value&apos;s Windows path.</extracomment>
        <translation>%1: %2, valor Directory &quot;%3&quot;</translation>
    </message>
    <message>
        <source>no key HKEY_LOCAL_MACHINE\%1 nor HKEY_LOCAL_MACHINE\%2</source>
        <translation>no existe la clave HKEY_LOCAL_MACHINE\%1 ni la clave HKEY_LOCAL_MACHINE\%2</translation>
    </message>
    <message>
        <source>not set</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of WINEPREFIX.</extracomment>
        <translation>no está definida</translation>
    </message>
    <message>
        <source>WINEPREFIX %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the variable&apos;s value.</extracomment>
        <translation>WINEPREFIX %1</translation>
    </message>
    <message>
        <source>Wine prefix %1 (WINEPREFIX)</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the prefix&apos;s folder.</extracomment>
        <translation>Prefijo de Wine %1 (WINEPREFIX)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the prefix&apos;s folder.</extracomment>
        <translation>Prefijo de Wine %1</translation>
    </message>
    <message>
        <source>%1 prefixes in %2</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a Wine front end (Bottles, PlayOnLinux, ...); %2: its folder.</extracomment>
        <translation>Prefijos de %1 en %2</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of a front end&apos;s prefixes.</extracomment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 prefix %2</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a Wine front end (Bottles, ...); %2: the prefix&apos;s folder.</extracomment>
        <translation>Prefijo de %1 %2</translation>
    </message>
    <message>
        <source>not an absolute path on a drive</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of the registry value&apos;s Windows path.</extracomment>
        <translation>no es una ruta absoluta en una unidad</translation>
    </message>
    <message>
        <source>drive %1 links to %2, which does not exist</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: where its link points.</extracomment>
        <translation>la unidad %1 apunta a %2, que no existe</translation>
    </message>
    <message>
        <source>no drive %1 (no %2)</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: the link the prefix lacks.</extracomment>
        <translation>no existe la unidad %1 (no existe %2)</translation>
    </message>
    <message>
        <source>drive %1 (%2) is not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: its link.</extracomment>
        <translation>la unidad %1 (%2) no es una carpeta</translation>
    </message>
    <message>
        <source>no folder &quot;%1&quot; in %2</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a folder&apos;s name; %2: the folder it is missing from.</extracomment>
        <translation>no existe la carpeta &quot;%1&quot; en %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the path.</extracomment>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>a comma makes a list; put the folder in double quotes</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where): the settings file&apos;s line Directory=/a,/b is read as a list of two.</extracomment>
        <translation>una coma lo convierte en una lista; ponga la carpeta entre comillas dobles</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Your skin has been exported to Norvo.</source>
        <extracomment>Save Skin&apos;s and --export&apos;s message when the skin was saved.</extracomment>
        <translation>Su skin se ha exportado a Norvo.</translation>
    </message>
    <message>
        <source>Enter a name for your Skin.</source>
        <extracomment>Save Skin&apos;s message when the name box is empty (or holds only blanks and dots).</extracomment>
        <translation>Escriba un nombre para su skin.</translation>
    </message>
    <message>
        <source>Please install a valid copy of Norvo 7.</source>
        <extracomment>The message when no host folder was found: at start-up, and from --export and --where.</extracomment>
        <translation>Instale una copia válida de Norvo 7.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: %2)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (no se puede abrir: %2)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a folder)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (no se puede abrir: es una carpeta)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a FIFO, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (no se puede abrir: es un FIFO, no un archivo)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a socket, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (no se puede abrir: es un socket, no un archivo)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a device, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (no se puede abrir: es un dispositivo, no un archivo)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is not a regular file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (no se puede abrir: no es un archivo normal)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (the file is empty)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (el archivo está vacío)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (not a picture)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (no es una imagen)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (too large)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (es demasiado grande)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (está dañada)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged: the file ends before the picture does)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>No se pudo cargar la imagen: %1 (está dañada: el archivo termina antes que la imagen)</translation>
    </message>
</context>
<context>
    <name>PictureFilters</name>
    <message>
        <source>PNG pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Imágenes PNG</translation>
    </message>
    <message>
        <source>GIF pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Imágenes GIF</translation>
    </message>
    <message>
        <source>TIFF pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Imágenes TIFF</translation>
    </message>
    <message>
        <source>WebP pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Imágenes WebP</translation>
    </message>
    <message>
        <source>All pictures</source>
        <extracomment>A filter of the Load Image file dialog: every kind of picture it can load.</extracomment>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>All files</source>
        <extracomment>The last filter of the Load Image file dialog.</extracomment>
        <translation>Todos los archivos</translation>
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
        <translation>No se pudo guardar el skin: la plantilla de descripción %1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the description template %1 cannot be read (%2).</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the template file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar el skin: no se puede leer la plantilla de descripción %1 (%2).</translation>
    </message>
    <message>
        <source>The skin could not be saved: %1 could not be written (%2). No file was changed.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when nothing changed. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar el skin: no se pudo escribir %1 (%2). No se ha modificado ningún archivo.</translation>
    </message>
    <message numerus="yes">
        <source>The skin could not be saved: %1 could not be written (%2). The %n files before it were already replaced; save the skin again.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when some files were already replaced. %1: the file&apos;s path; %2: the system&apos;s reason; %n: how many files were replaced (1 to 4).</extracomment>
        <translation>
            <numerusform>No se pudo guardar el skin: no se pudo escribir %1 (%2). Ya se había reemplazado %n archivo anterior; guarde el skin de nuevo.</numerusform>
            <numerusform>No se pudo guardar el skin: no se pudo escribir %1 (%2). Ya se habían reemplazado %n archivos anteriores; guarde el skin de nuevo.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no skin to save yet. Load an image first.</source>
        <extracomment>Save Skin&apos;s message before any picture was loaded.</extracomment>
        <translation>Todavía no hay ningún skin que guardar. Primero abra una imagen.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 is a file, not a folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation>No se pudo guardar el skin: la carpeta Skins %1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 does not exist.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation>No se pudo guardar el skin: la carpeta Skins %1 no existe.</translation>
    </message>
    <message>
        <source>The skin could not be saved: another save of the skin &quot;%1&quot; is still running. Try again when it has ended.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin&apos;s name.</extracomment>
        <translation>No se pudo guardar el skin: todavía hay otra operación guardando el skin &quot;%1&quot;. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>The template could not be written to %1 (%2).</source>
        <extracomment>Command3&apos;s message. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>No se pudo escribir la plantilla en %1 (%2).</translation>
    </message>
</context>
<context>
    <name>SkinName</name>
    <message>
        <source>A skin name cannot contain \ or /, since the skin must stay in the Skins folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>El nombre de un skin no puede contener \ ni /, ya que el skin debe quedar dentro de la carpeta Skins.</translation>
    </message>
    <message>
        <source>A skin name cannot contain any of : * ? &quot; &lt; &gt; |.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>El nombre de un skin no puede contener ninguno de estos caracteres: : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>A skin name cannot contain control characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>El nombre de un skin no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is reserved for a device on Windows; choose another skin name.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin name typed (CON, NUL.txt, ...).</extracomment>
        <translation>&quot;%1&quot; está reservado para un dispositivo en Windows; elija otro nombre para el skin.</translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read; use Western European letters only.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads Western European letters.</extracomment>
        <translation>El nombre del skin tiene caracteres que Norvo no puede leer; use solo letras de Europa occidental.</translation>
    </message>
    <message>
        <source>Norvo&apos;s folder %1 is too deep: Windows cannot open a skin of any name there.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it.</extracomment>
        <translation>La ruta de la carpeta de Norvo %1 es demasiado larga: Windows no puede abrir allí ningún skin, sea cual sea su nombre.</translation>
    </message>
    <message numerus="yes">
        <source>The skin name is too long: with Norvo in %1, Windows can open the skin&apos;s files only when its name has at most %n characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it; %n: how many characters a name may have there.</extracomment>
        <translation>
            <numerusform>El nombre del skin es demasiado largo: con Norvo en %1, Windows solo puede abrir los archivos del skin si su nombre tiene como máximo %n carácter.</numerusform>
            <numerusform>El nombre del skin es demasiado largo: con Norvo en %1, Windows solo puede abrir los archivos del skin si su nombre tiene como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read in this system&apos;s code page (Windows-%1); use the letters of the system&apos;s language.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads another code page than the Western European one. %1: the code page&apos;s number (1251 for Cyrillic, 932 for Japanese, ...).</extracomment>
        <translation>El nombre del skin tiene caracteres que Norvo no puede leer en la página de códigos de este sistema (Windows-%1); use las letras del idioma del sistema.</translation>
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
        <translation>Imagen de la franja MENU</translation>
    </message>
    <message>
        <source>Name Your Skin</source>
        <translation>Nombre del skin</translation>
    </message>
    <message>
        <source>Save Skin</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Command3</source>
        <translation>Command3</translation>
    </message>
    <message>
        <source>Saves the untinted Console and Chat button artwork as the files d:/p2.bmp and d:/p3.bmp.</source>
        <extracomment>Command3&apos;s tooltip and what a screen reader says of it.</extracomment>
        <translation>Guarda los gráficos sin teñir de los botones Consola y Chat como los archivos d:/p2.bmp y d:/p3.bmp.</translation>
    </message>
    <message>
        <source>Scene window picture</source>
        <translation>Imagen de la ventana de escena</translation>
    </message>
    <message>
        <source>Main window picture</source>
        <translation>Imagen de la ventana principal</translation>
    </message>
    <message>
        <source>Console border picture</source>
        <translation>Imagen del borde de la consola</translation>
    </message>
    <message>
        <source>Chat window picture</source>
        <translation>Imagen de la ventana de chat</translation>
    </message>
    <message>
        <source>STEP 1: Load an image by clicking the Load Image Button.</source>
        <translation>PASO 1: Abra una imagen con el botón Abrir.</translation>
    </message>
    <message>
        <source>STEP 2: Adjust your menus color and hue by using the sliders.</source>
        <translation>PASO 2: Ajuste el color y el tono del menú con los controles deslizantes.</translation>
    </message>
    <message>
        <source>STEP 3: Type a name for your skin and click Save Skin. Run Norvo and a new Skin will be available for you.</source>
        <translation>PASO 3: Escriba un nombre para su skin y haga clic en Guardar. Inicie Norvo y el nuevo skin estará disponible.</translation>
    </message>
    <message>
        <source>Suggest Tint</source>
        <translation>Sugerir tinte</translation>
    </message>
    <message>
        <source>Sets the three sliders to a tint in the picture&apos;s colour that keeps the MENU button readable.</source>
        <translation>Ajusta los tres controles deslizantes a un tinte del color de la imagen que mantiene legible el botón MENU.</translation>
    </message>
    <message>
        <source>Menu Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Menu Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Menu Lightness</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>Picture fit</source>
        <translation>Ajuste de imagen</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Picture fit: Stretch</source>
        <translation>Ajuste de imagen: Estirar</translation>
    </message>
    <message>
        <source>Each window shows the whole picture, stretched to its shape.</source>
        <translation>Cada ventana muestra la imagen completa, estirada para tomar su forma.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Picture fit: Fill</source>
        <translation>Ajuste de imagen: Rellenar</translation>
    </message>
    <message>
        <source>Each window shows the part of the picture that has its shape, undistorted. Press or drag on a preview to choose the point the parts are centred on.</source>
        <translation>Cada ventana muestra, sin deformar, la parte de la imagen que tiene su forma. Haga clic o arrastre sobre una vista previa para elegir el punto en el que se centran las partes.</translation>
    </message>
    <message>
        <source>Focus point %1% across, %2% down; arrow keys move it</source>
        <translation>Punto focal al %1% desde la izquierda y al %2% desde arriba; se mueve con las teclas de flecha</translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt around the focus: %1</source>
        <extracomment>A message after moving the focus point failed. %1: the reason.</extracomment>
        <translation>No se pudieron regenerar las imágenes del skin alrededor del punto focal: %1</translation>
    </message>
    <message>
        <source>The menu preview could not be tinted: %1</source>
        <extracomment>A message after a slider moved. %1: the reason.</extracomment>
        <translation>No se pudo teñir la vista previa del menú: %1</translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt with the tint: %1</source>
        <extracomment>A message after a slider was let go. %1: the reason.</extracomment>
        <translation>No se pudieron regenerar las imágenes del skin con el tinte: %1</translation>
    </message>
    <message>
        <source>Images Files (*.bmp;*.jpg)</source>
        <translation>Archivos de imagen (*.bmp;*.jpg)</translation>
    </message>
    <message>
        <source>The five files went to the folder %1:</source>
        <translation>Los cinco archivos se guardaron en la carpeta %1:</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The button of a question before a file or a skin is replaced.</extracomment>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Cancel Save</source>
        <extracomment>The button below the text that Save Skin waits for another save; it stops the wait, and nothing is saved.</extracomment>
        <translation>Cancelar guardado</translation>
    </message>
    <message>
        <source>Replace the skin &quot;%1&quot;?</source>
        <extracomment>The question before Save Skin replaces a skin already in the Skins folder (under any letter case). %1: the skin&apos;s name.</extracomment>
        <translation>¿Reemplazar el skin &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Waiting for another save of the skin &quot;%1&quot; to end… Press Esc to cancel.</source>
        <extracomment>On the window, right of the Main picture, while Save Skin waits for another save of the same skin to end. %1: the skin&apos;s name.</extracomment>
        <translation>Esperando a que termine otra operación guardando el skin &quot;%1&quot;… Pulse Esc para cancelar.</translation>
    </message>
    <message>
        <source>Replace the file %1?</source>
        <extracomment>The question before Command3 replaces one of its two files. %1: its path.</extracomment>
        <translation>¿Reemplazar el archivo %1?</translation>
    </message>
    <message>
        <source>Replace the files %1 and %2?</source>
        <extracomment>The question before Command3 replaces both its files. %1, %2: their paths.</extracomment>
        <translation>¿Reemplazar los archivos %1 y %2?</translation>
    </message>
    <message>
        <source>Load Image</source>
        <comment>file dialog title</comment>
        <extracomment>The title of the file dialog that Load Image opens.</extracomment>
        <translation>Cargar imagen</translation>
    </message>
</context>
</TS>
