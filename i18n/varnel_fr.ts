<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>varnel: %1
Try &apos;varnel --help&apos; for more information.</source>
        <extracomment>The command line&apos;s error. %1: what is wrong, one of the usage messages.</extracomment>
        <translation>varnel : %1
Essayez « varnel --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Turns one picture into a skin for Norvo 7.

Without --export, opens the window (with PICTURE already loaded when given); the picture options then set the window up as if chosen there, and --tint auto presses Suggest Tint once the picture is loaded.
With --export, makes the skin NAME from PICTURE and writes it into the host&apos;s Skins folder, as Load Image and Save Skin do.
With --where, prints the host folder and where it was found.</source>
        <translation>Transforme une image en skin pour Norvo 7.

Sans --export, ouvre la fenêtre (avec PICTURE déjà chargée si elle est indiquée) ; les options d&apos;image règlent alors la fenêtre comme si elles y avaient été choisies, et --tint auto appuie sur « Suggérer un ton » une fois l&apos;image chargée.
Avec --export, crée le skin NAME à partir de PICTURE et l&apos;écrit dans le dossier Skins de Norvo, comme le font « Charger » et « Exporter ».
Avec --where, affiche le dossier de Norvo et l&apos;endroit où il a été trouvé.</translation>
    </message>
    <message>
        <source>Make the skin &lt;name&gt; and save it.</source>
        <translation>Créer le skin &lt;name&gt; et l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Menu hue, -100 to 100 (default 0).</source>
        <translation>Teinte du menu, de -100 à 100 (0 par défaut).</translation>
    </message>
    <message>
        <source>Menu saturation, -100 to 100 (default 0).</source>
        <translation>Saturation du menu, de -100 à 100 (0 par défaut).</translation>
    </message>
    <message>
        <source>Menu lightness, -100 to 100 (default 0).</source>
        <translation>Luminosité du menu, de -100 à 100 (0 par défaut).</translation>
    </message>
    <message>
        <source>With the value auto: a tint suggested from the picture, instead of --hue, --saturation and --lightness; the tint is printed.</source>
        <translation>Avec la valeur auto : un ton suggéré d&apos;après l&apos;image, au lieu de --hue, --saturation et --lightness ; le ton est affiché.</translation>
    </message>
    <message>
        <source>How the picture meets each window: stretch (the whole picture, distorted to the window&apos;s shape; the default) or fill (cropped to the window&apos;s shape, undistorted).</source>
        <translation>Comment l&apos;image s&apos;adapte à chaque fenêtre : stretch (l&apos;image entière, déformée selon la forme de la fenêtre ; par défaut) ou fill (recadrée selon la forme de la fenêtre, sans déformation).</translation>
    </message>
    <message>
        <source>With --fit fill: the picture point every crop is centred on, as fractions of its width and height, 0 to 1 each (default 0.5,0.5).</source>
        <translation>Avec --fit fill : le point de l&apos;image sur lequel chaque recadrage est centré, en fractions de sa largeur et de sa hauteur, de 0 à 1 chacune (0.5,0.5 par défaut).</translation>
    </message>
    <message>
        <source>The host&apos;s folder (holding Skins); default: the one --where shows.</source>
        <translation>Le dossier de Norvo (qui contient Skins) ; par défaut : celui qu&apos;affiche --where.</translation>
    </message>
    <message>
        <source>Print the host folder and where it was found (the settings file or a Wine prefix), or where it was looked for.</source>
        <translation>Afficher le dossier de Norvo et l&apos;endroit où il a été trouvé (le fichier de paramètres ou un préfixe Wine), ou bien les endroits où il a été cherché.</translation>
    </message>
    <message>
        <source>A BMP or JPEG picture (any format Qt reads).</source>
        <translation>Une image BMP ou JPEG (tout format que Qt sait lire).</translation>
    </message>
    <message>
        <source>--where takes no other options or arguments.</source>
        <translation>--where n&apos;accepte aucune autre option ni aucun argument.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -100 to 100, not &quot;%2&quot;.</source>
        <translation>--%1 doit être un nombre entier de -100 à 100, et non « %2 ».</translation>
    </message>
    <message>
        <source>--tint accepts only &quot;auto&quot;, not &quot;%1&quot;.</source>
        <translation>--tint n&apos;accepte que « auto », et non « %1 ».</translation>
    </message>
    <message>
        <source>--tint auto cannot be combined with --hue, --saturation or --lightness.</source>
        <translation>--tint auto ne peut pas être combiné avec --hue, --saturation ou --lightness.</translation>
    </message>
    <message>
        <source>--fit must be stretch or fill, not &quot;%1&quot;.</source>
        <translation>--fit doit valoir stretch ou fill, et non « %1 ».</translation>
    </message>
    <message>
        <source>--focus works only with --fit fill.</source>
        <translation>--focus ne fonctionne qu&apos;avec --fit fill.</translation>
    </message>
    <message>
        <source>--focus must be two numbers from 0 to 1 as X,Y, not &quot;%1&quot;.</source>
        <translation>--focus doit être formé de deux nombres de 0 à 1 sous la forme X,Y, et non « %1 ».</translation>
    </message>
    <message>
        <source>--host-folder needs a folder, not an empty text.</source>
        <translation>--host-folder attend un dossier, pas un texte vide.</translation>
    </message>
    <message>
        <source>only one PICTURE can be given.</source>
        <translation>une seule image PICTURE peut être indiquée.</translation>
    </message>
    <message>
        <source>--tint auto needs a PICTURE to suggest the tint from.</source>
        <translation>--tint auto a besoin d&apos;une image PICTURE d&apos;après laquelle suggérer le ton.</translation>
    </message>
    <message>
        <source>--focus needs a PICTURE to centre on.</source>
        <translation>--focus a besoin d&apos;une image PICTURE sur laquelle se centrer.</translation>
    </message>
    <message>
        <source>--export needs a PICTURE to make the skin from.</source>
        <translation>--export a besoin d&apos;une image PICTURE à partir de laquelle créer le skin.</translation>
    </message>
    <message>
        <source>Tint: hue %1, saturation %2, lightness %3</source>
        <translation>Ton : teinte %1, saturation %2, luminosité %3</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>--where&apos;s second line. %1: where the folder was found (the settings file, a Wine prefix&apos;s registry value).</extracomment>
        <translation>source : %1</translation>
    </message>
    <message>
        <source>varnel: the window cannot open: no display can be used (is DISPLAY or WAYLAND_DISPLAY set?). varnel --export and varnel --where need none.</source>
        <extracomment>The command line&apos;s message when the window cannot open.</extracomment>
        <translation>varnel : la fenêtre ne peut pas s&apos;ouvrir : aucun affichage n&apos;est utilisable (DISPLAY ou WAYLAND_DISPLAY est-elle définie ?). varnel --export et varnel --where n&apos;en ont pas besoin.</translation>
    </message>
    <message>
        <source>passed over:</source>
        <extracomment>--where, after the folder and where it came from: the places looked at first, each on a line of its own below, with why it gave no folder.</extracomment>
        <translation>écartés :</translation>
    </message>
</context>
<context>
    <name>Compose</name>
    <message>
        <source>There is no picture to fit yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation>Il n&apos;y a pas encore d&apos;image à ajuster. Chargez d&apos;abord une image.</translation>
    </message>
    <message>
        <source>There is no picture to compose yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation>Il n&apos;y a pas encore d&apos;image à partir de laquelle composer le skin. Chargez d&apos;abord une image.</translation>
    </message>
    <message>
        <source>There is no picture to suggest a tint from yet. Load an image first.</source>
        <extracomment>Suggest Tint&apos;s message when no picture is loaded.</extracomment>
        <translation>Il n&apos;y a pas encore d&apos;image d&apos;après laquelle suggérer un ton. Chargez d&apos;abord une image.</translation>
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
        <translation>Créateur de skins</translation>
    </message>
    <message>
        <source>Make a Norvo 7 skin from a picture</source>
        <extracomment>The desktop entry&apos;s Comment: the menu entry&apos;s tool tip.</extracomment>
        <translation>Créer un skin Norvo 7 à partir d&apos;une image</translation>
    </message>
    <message>
        <source>skin;Norvo;picture;</source>
        <extracomment>The desktop entry&apos;s Keywords: words a menu search finds the program by, each followed by a semicolon, the last one too. Any number of words.</extracomment>
        <translation>skin;Norvo;image;thème;</translation>
    </message>
    <message>
        <source>Make Norvo 7 skins from a picture</source>
        <extracomment>The software centre&apos;s one-line summary of the program.</extracomment>
        <translation>Créer des skins Norvo 7 à partir d&apos;une image</translation>
    </message>
    <message>
        <source>Varnel turns one BMP or JPEG picture into a skin for the Norvo 7 chat program. It stretches the picture to the four window sizes of Norvo 7, lays the button artwork of Norvo 7 over each copy, and saves the four window pictures and the skin description into the Skins folder of Norvo 7, which offers the new skin the next time it starts.</source>
        <extracomment>The software centre&apos;s description of the program, its first paragraph.</extracomment>
        <translation>Varnel transforme une image BMP ou JPEG en skin pour le programme de chat Norvo 7. Il étire l&apos;image aux quatre tailles de fenêtre de Norvo 7, pose sur chaque copie les boutons de Norvo 7 et enregistre les quatre images de fenêtre et la description du skin dans le dossier Skins de Norvo 7, qui propose le nouveau skin à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Load a picture with Load Image, or drop it on the window</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Chargez une image avec « Charger » ou déposez-la sur la fenêtre</translation>
    </message>
    <message>
        <source>Tint the menu and the window buttons with the hue, saturation and lightness sliders</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Teintez le menu et les boutons des fenêtres avec les curseurs de teinte, de saturation et de luminosité</translation>
    </message>
    <message>
        <source>Type a name and press Save Skin</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Saisissez un nom et appuyez sur « Exporter »</translation>
    </message>
    <message>
        <source>Make skins from the command line, without a display, with varnel --export</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list. varnel --export is a command: keep it as it is.</extracomment>
        <translation>Créez des skins en ligne de commande, sans écran, avec varnel --export</translation>
    </message>
    <message>
        <source>A skin made from a picture of a sunset, with the menu tinted</source>
        <extracomment>The caption of the software centre&apos;s screenshot of the window.</extracomment>
        <translation>Un skin créé à partir d&apos;une image de coucher de soleil, avec le menu teinté</translation>
    </message>
    <message>
        <source>First release: skins from BMP and JPEG pictures in the window or from the command line.</source>
        <extracomment>The software centre&apos;s notes on the first release.</extracomment>
        <translation>Première version : des skins à partir d&apos;images BMP et JPEG, dans la fenêtre ou en ligne de commande.</translation>
    </message>
</context>
<context>
    <name>HostFolder</name>
    <message>
        <source>%1: Directory &quot;%2&quot;: %3</source>
        <extracomment>A line of the places looked at. %1: where the folder was named; %2: the folder; %3: why it cannot hold the skins.</extracomment>
        <translation>%1 : Directory « %2 » : %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the list of places Varnel looked at for Norvo&apos;s folder (the start-up message&apos;s details, --where). %1: the place; %2: why it gave no folder.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>no Directory value</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>pas de valeur Directory</translation>
    </message>
    <message>
        <source>Directory is empty</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory est vide</translation>
    </message>
    <message>
        <source>Directory is neither text nor a number</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory n&apos;est ni du texte ni un nombre</translation>
    </message>
    <message>
        <source>registry %1, value Directory</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the registry key.</extracomment>
        <translation>registre %1, valeur Directory</translation>
    </message>
    <message>
        <source>settings file %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the settings file&apos;s path (or paths, joined).</extracomment>
        <translation>fichier de paramètres %1</translation>
    </message>
    <message>
        <source>, then </source>
        <extracomment>Joins the settings files looked at, in order: &quot;file1, then file2&quot;.</extracomment>
        <translation>, puis </translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>no such key</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>clé introuvable</translation>
    </message>
    <message>
        <source>the Directory value&apos;s line cannot be read</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>la ligne de la valeur Directory est illisible</translation>
    </message>
    <message>
        <source>Directory is an expandable string holding %</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory est une chaîne extensible contenant %</translation>
    </message>
    <message>
        <source>Varnel looked for the Norvo 7 folder here:</source>
        <extracomment>The first line of the start-up message&apos;s details; the places follow.</extracomment>
        <translation>Varnel a cherché le dossier de Norvo 7 aux endroits suivants :</translation>
    </message>
    <message>
        <source>Install Norvo 7: its installer writes its folder into the registry value %1 of %2.</source>
        <extracomment>The start-up message&apos;s details, after the places looked at. %1: the value&apos;s name (Directory); %2: the registry key.</extracomment>
        <translation>Installez Norvo 7 : son programme d&apos;installation inscrit son dossier dans la valeur %1 de la clé de registre %2.</translation>
    </message>
    <message>
        <source>Install Norvo 7 in a Wine prefix, or name its folder in the settings file %1 with one line:</source>
        <extracomment>The start-up message&apos;s details, after the places looked at; a line to copy follows. %1: the settings file&apos;s path.</extracomment>
        <translation>Installez Norvo 7 dans un préfixe Wine, ou indiquez son dossier dans le fichier de paramètres %1 avec cette ligne :</translation>
    </message>
    <message>
        <source>permission denied</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>pas un dossier</translation>
    </message>
    <message>
        <source>no such folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>dossier introuvable</translation>
    </message>
    <message>
        <source>not an absolute path (~ is not expanded: write the whole path)</source>
        <translation>pas un chemin absolu (~ n&apos;est pas développé : écrivez le chemin complet)</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>pas un chemin absolu</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A line of the places looked at: a registry key inside a Wine prefix. %1: the prefix (&quot;Wine prefix /home/me/.wine&quot;); %2: the key and why it gave no folder.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no system.reg</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>pas de system.reg</translation>
    </message>
    <message>
        <source>system.reg is not a file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>system.reg is too large (%1 bytes)</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the file&apos;s size.</extracomment>
        <translation>system.reg est trop volumineux (%1 octets)</translation>
    </message>
    <message>
        <source>system.reg cannot be read: %1</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the system&apos;s reason.</extracomment>
        <translation>system.reg ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>system.reg is not a Wine registry file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg n&apos;est pas un fichier de registre Wine</translation>
    </message>
    <message>
        <source>%1: %2, value Directory &quot;%3&quot;</source>
        <extracomment>--where&apos;s source of the folder. %1: the Wine prefix; %2: the registry key; %3: the value&apos;s Windows path.</extracomment>
        <translation>%1 : %2, valeur Directory « %3 »</translation>
    </message>
    <message>
        <source>no key HKEY_LOCAL_MACHINE\%1 nor HKEY_LOCAL_MACHINE\%2</source>
        <translation>ni clé HKEY_LOCAL_MACHINE\%1 ni clé HKEY_LOCAL_MACHINE\%2</translation>
    </message>
    <message>
        <source>not set</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of WINEPREFIX.</extracomment>
        <translation>non définie</translation>
    </message>
    <message>
        <source>WINEPREFIX %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the variable&apos;s value.</extracomment>
        <translation>WINEPREFIX %1</translation>
    </message>
    <message>
        <source>Wine prefix %1 (WINEPREFIX)</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the prefix&apos;s folder.</extracomment>
        <translation>préfixe Wine %1 (WINEPREFIX)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the prefix&apos;s folder.</extracomment>
        <translation>préfixe Wine %1</translation>
    </message>
    <message>
        <source>%1 prefixes in %2</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a Wine front end (Bottles, PlayOnLinux, ...); %2: its folder.</extracomment>
        <translation>préfixes de %1 dans %2</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of a front end&apos;s prefixes.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 prefix %2</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a Wine front end (Bottles, ...); %2: the prefix&apos;s folder.</extracomment>
        <translation>préfixe %2 (%1)</translation>
    </message>
    <message>
        <source>not an absolute path on a drive</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of the registry value&apos;s Windows path.</extracomment>
        <translation>pas un chemin absolu sur un lecteur</translation>
    </message>
    <message>
        <source>drive %1 links to %2, which does not exist</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: where its link points.</extracomment>
        <translation>le lecteur %1 pointe vers %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>no drive %1 (no %2)</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: the link the prefix lacks.</extracomment>
        <translation>pas de lecteur %1 (pas de %2)</translation>
    </message>
    <message>
        <source>drive %1 (%2) is not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: its link.</extracomment>
        <translation>le lecteur %1 (%2) n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>no folder &quot;%1&quot; in %2</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a folder&apos;s name; %2: the folder it is missing from.</extracomment>
        <translation>pas de dossier « %1 » dans %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the path.</extracomment>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>a comma makes a list; put the folder in double quotes</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where): the settings file&apos;s line Directory=/a,/b is read as a list of two.</extracomment>
        <translation>une virgule en fait une liste ; mettez le dossier entre guillemets droits doubles</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Your skin has been exported to Norvo.</source>
        <extracomment>Save Skin&apos;s and --export&apos;s message when the skin was saved.</extracomment>
        <translation>Votre skin a été exporté vers Norvo.</translation>
    </message>
    <message>
        <source>Enter a name for your Skin.</source>
        <extracomment>Save Skin&apos;s message when the name box is empty (or holds only blanks and dots).</extracomment>
        <translation>Saisissez un nom pour votre skin.</translation>
    </message>
    <message>
        <source>Please install a valid copy of Norvo 7.</source>
        <extracomment>The message when no host folder was found: at start-up, and from --export and --where.</extracomment>
        <translation>Veuillez installer une copie valide de Norvo 7.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: %2)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (ouverture impossible : %2)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a folder)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (ouverture impossible : c&apos;est un dossier)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a FIFO, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (ouverture impossible : c&apos;est un FIFO, pas un fichier)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a socket, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (ouverture impossible : c&apos;est un socket, pas un fichier)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a device, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (ouverture impossible : c&apos;est un périphérique, pas un fichier)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is not a regular file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (ouverture impossible : ce n&apos;est pas un fichier ordinaire)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (the file is empty)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (le fichier est vide)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (not a picture)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (ce n&apos;est pas une image)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (too large)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (image trop grande)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (fichier endommagé)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged: the file ends before the picture does)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Impossible de charger l&apos;image : %1 (fichier endommagé : il se termine avant la fin de l&apos;image)</translation>
    </message>
</context>
<context>
    <name>PictureFilters</name>
    <message>
        <source>PNG pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>GIF pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Images GIF</translation>
    </message>
    <message>
        <source>TIFF pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Images TIFF</translation>
    </message>
    <message>
        <source>WebP pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>Images WebP</translation>
    </message>
    <message>
        <source>All pictures</source>
        <extracomment>A filter of the Load Image file dialog: every kind of picture it can load.</extracomment>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>All files</source>
        <extracomment>The last filter of the Load Image file dialog.</extracomment>
        <translation>Tous les fichiers</translation>
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
        <translation>Impossible d&apos;enregistrer le skin : le modèle de description %1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the description template %1 cannot be read (%2).</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the template file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;enregistrer le skin : le modèle de description %1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>The skin could not be saved: %1 could not be written (%2). No file was changed.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when nothing changed. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;enregistrer le skin : %1 n&apos;a pas pu être écrit (%2). Aucun fichier n&apos;a été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>The skin could not be saved: %1 could not be written (%2). The %n files before it were already replaced; save the skin again.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when some files were already replaced. %1: the file&apos;s path; %2: the system&apos;s reason; %n: how many files were replaced (1 to 4).</extracomment>
        <translation>
            <numerusform>Impossible d&apos;enregistrer le skin : %1 n&apos;a pas pu être écrit (%2). %n fichier écrit avant lui a déjà été remplacé ; enregistrez à nouveau le skin.</numerusform>
            <numerusform>Impossible d&apos;enregistrer le skin : %1 n&apos;a pas pu être écrit (%2). Les %n fichiers écrits avant lui ont déjà été remplacés ; enregistrez à nouveau le skin.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no skin to save yet. Load an image first.</source>
        <extracomment>Save Skin&apos;s message before any picture was loaded.</extracomment>
        <translation>Il n&apos;y a pas encore de skin à enregistrer. Chargez d&apos;abord une image.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 is a file, not a folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation>Impossible d&apos;enregistrer le skin : le dossier Skins %1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 does not exist.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation>Impossible d&apos;enregistrer le skin : le dossier Skins %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The skin could not be saved: another save of the skin &quot;%1&quot; is still running. Try again when it has ended.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin&apos;s name.</extracomment>
        <translation>Impossible d&apos;enregistrer le skin : un autre enregistrement du skin « %1 » est encore en cours. Réessayez quand il sera terminé.</translation>
    </message>
    <message>
        <source>The template could not be written to %1 (%2).</source>
        <extracomment>Command3&apos;s message. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;écrire le modèle dans %1 (%2).</translation>
    </message>
</context>
<context>
    <name>SkinName</name>
    <message>
        <source>A skin name cannot contain \ or /, since the skin must stay in the Skins folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>Un nom de skin ne peut contenir ni \ ni /, car le skin doit rester dans le dossier Skins.</translation>
    </message>
    <message>
        <source>A skin name cannot contain any of : * ? &quot; &lt; &gt; |.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>Un nom de skin ne peut contenir aucun de ces caractères : : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>A skin name cannot contain control characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>Un nom de skin ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is reserved for a device on Windows; choose another skin name.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin name typed (CON, NUL.txt, ...).</extracomment>
        <translation>« %1 » est réservé à un périphérique sous Windows ; choisissez un autre nom de skin.</translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read; use Western European letters only.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads Western European letters.</extracomment>
        <translation>Le nom du skin contient des caractères que Norvo ne sait pas lire ; utilisez uniquement des lettres d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <source>Norvo&apos;s folder %1 is too deep: Windows cannot open a skin of any name there.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it.</extracomment>
        <translation>Le dossier de Norvo %1 est trop profond : Windows ne peut y ouvrir aucun skin, quel que soit son nom.</translation>
    </message>
    <message numerus="yes">
        <source>The skin name is too long: with Norvo in %1, Windows can open the skin&apos;s files only when its name has at most %n characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it; %n: how many characters a name may have there.</extracomment>
        <translation>
            <numerusform>Le nom du skin est trop long : avec Norvo dans %1, Windows ne peut ouvrir les fichiers du skin que si son nom compte au plus %n caractère.</numerusform>
            <numerusform>Le nom du skin est trop long : avec Norvo dans %1, Windows ne peut ouvrir les fichiers du skin que si son nom compte au plus %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read in this system&apos;s code page (Windows-%1); use the letters of the system&apos;s language.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads another code page than the Western European one. %1: the code page&apos;s number (1251 for Cyrillic, 932 for Japanese, ...).</extracomment>
        <translation>Le nom du skin contient des caractères que Norvo ne sait pas lire dans la page de codes de ce système (Windows-%1) ; utilisez les lettres de la langue du système.</translation>
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
        <translation>Charger</translation>
    </message>
    <message>
        <source>MENU strip picture</source>
        <translation>Image de la barre MENU</translation>
    </message>
    <message>
        <source>Name Your Skin</source>
        <translation>Nom du skin</translation>
    </message>
    <message>
        <source>Save Skin</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Command3</source>
        <translation>Command3</translation>
    </message>
    <message>
        <source>Saves the untinted Console and Chat button artwork as the files d:/p2.bmp and d:/p3.bmp.</source>
        <extracomment>Command3&apos;s tooltip and what a screen reader says of it.</extracomment>
        <translation>Enregistre les images non teintées des boutons de la console et du chat dans les fichiers d:/p2.bmp et d:/p3.bmp.</translation>
    </message>
    <message>
        <source>Scene window picture</source>
        <translation>Image de la fenêtre de scène</translation>
    </message>
    <message>
        <source>Main window picture</source>
        <translation>Image de la fenêtre principale</translation>
    </message>
    <message>
        <source>Console border picture</source>
        <translation>Image du cadre de la console</translation>
    </message>
    <message>
        <source>Chat window picture</source>
        <translation>Image de la fenêtre de chat</translation>
    </message>
    <message>
        <source>STEP 1: Load an image by clicking the Load Image Button.</source>
        <translation>ÉTAPE 1 : chargez une image avec le bouton « Charger ».</translation>
    </message>
    <message>
        <source>STEP 2: Adjust your menus color and hue by using the sliders.</source>
        <translation>ÉTAPE 2 : réglez la couleur et la teinte de votre menu avec les curseurs.</translation>
    </message>
    <message>
        <source>STEP 3: Type a name for your skin and click Save Skin. Run Norvo and a new Skin will be available for you.</source>
        <translation>ÉTAPE 3 : nommez votre skin et cliquez sur « Exporter ». Lancez Norvo : votre nouveau skin y sera disponible.</translation>
    </message>
    <message>
        <source>Suggest Tint</source>
        <translation>Suggérer un ton</translation>
    </message>
    <message>
        <source>Sets the three sliders to a tint in the picture&apos;s colour that keeps the MENU button readable.</source>
        <translation>Règle les trois curseurs sur un ton dans la couleur de l&apos;image qui garde le bouton MENU lisible.</translation>
    </message>
    <message>
        <source>Menu Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Menu Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Menu Lightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Picture fit</source>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Picture fit: Stretch</source>
        <translation>Ajustement : Étirer</translation>
    </message>
    <message>
        <source>Each window shows the whole picture, stretched to its shape.</source>
        <translation>Chaque fenêtre affiche l&apos;image entière, étirée selon sa forme.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Picture fit: Fill</source>
        <translation>Ajustement : Remplir</translation>
    </message>
    <message>
        <source>Each window shows the part of the picture that has its shape, undistorted. Press or drag on a preview to choose the point the parts are centred on.</source>
        <translation>Chaque fenêtre affiche la partie de l&apos;image qui a sa forme, sans déformation. Cliquez ou faites glisser sur un aperçu pour choisir le point sur lequel les parties sont centrées.</translation>
    </message>
    <message>
        <source>Focus point %1% across, %2% down; arrow keys move it</source>
        <translation>Point focal à %1 % depuis la gauche, %2 % depuis le haut ; les touches fléchées le déplacent</translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt around the focus: %1</source>
        <extracomment>A message after moving the focus point failed. %1: the reason.</extracomment>
        <translation>Impossible de recréer les images du skin autour du point focal : %1</translation>
    </message>
    <message>
        <source>The menu preview could not be tinted: %1</source>
        <extracomment>A message after a slider moved. %1: the reason.</extracomment>
        <translation>Impossible de teinter l&apos;aperçu du menu : %1</translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt with the tint: %1</source>
        <extracomment>A message after a slider was let go. %1: the reason.</extracomment>
        <translation>Impossible de recréer les images du skin avec le ton : %1</translation>
    </message>
    <message>
        <source>Images Files (*.bmp;*.jpg)</source>
        <translation>Fichiers image (*.bmp;*.jpg)</translation>
    </message>
    <message>
        <source>The five files went to the folder %1:</source>
        <translation>Les cinq fichiers ont été placés dans le dossier %1 :</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The button of a question before a file or a skin is replaced.</extracomment>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Cancel Save</source>
        <extracomment>The button below the text that Save Skin waits for another save; it stops the wait, and nothing is saved.</extracomment>
        <translation>Annuler l&apos;export</translation>
    </message>
    <message>
        <source>Replace the skin &quot;%1&quot;?</source>
        <extracomment>The question before Save Skin replaces a skin already in the Skins folder (under any letter case). %1: the skin&apos;s name.</extracomment>
        <translation>Remplacer le skin « %1 » ?</translation>
    </message>
    <message>
        <source>Waiting for another save of the skin &quot;%1&quot; to end… Press Esc to cancel.</source>
        <extracomment>On the window, right of the Main picture, while Save Skin waits for another save of the same skin to end. %1: the skin&apos;s name.</extracomment>
        <translation>Attente de la fin d&apos;un autre enregistrement du skin « %1 »… Appuyez sur Échap pour annuler.</translation>
    </message>
    <message>
        <source>Replace the file %1?</source>
        <extracomment>The question before Command3 replaces one of its two files. %1: its path.</extracomment>
        <translation>Remplacer le fichier %1 ?</translation>
    </message>
    <message>
        <source>Replace the files %1 and %2?</source>
        <extracomment>The question before Command3 replaces both its files. %1, %2: their paths.</extracomment>
        <translation>Remplacer les fichiers %1 et %2 ?</translation>
    </message>
    <message>
        <source>Load Image</source>
        <comment>file dialog title</comment>
        <extracomment>The title of the file dialog that Load Image opens.</extracomment>
        <translation>Charger une image</translation>
    </message>
</context>
</TS>
