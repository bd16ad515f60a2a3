<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>varnel: %1
Try &apos;varnel --help&apos; for more information.</source>
        <extracomment>The command line&apos;s error. %1: what is wrong, one of the usage messages.</extracomment>
        <translation>varnel: %1
Weitere Informationen erhalten Sie mit „varnel --help“.</translation>
    </message>
    <message>
        <source>Turns one picture into a skin for Norvo 7.

Without --export, opens the window (with PICTURE already loaded when given); the picture options then set the window up as if chosen there, and --tint auto presses Suggest Tint once the picture is loaded.
With --export, makes the skin NAME from PICTURE and writes it into the host&apos;s Skins folder, as Load Image and Save Skin do.
With --where, prints the host folder and where it was found.</source>
        <translation>Macht aus einem Bild einen Skin für Norvo 7.

Ohne --export wird das Fenster geöffnet (mit bereits geladenem PICTURE, falls angegeben); die Bildoptionen stellen das Fenster dann so ein, als wären sie dort gewählt worden, und --tint auto drückt „Tönung vorschlagen“, sobald das Bild geladen ist.
Mit --export wird der Skin NAME aus PICTURE erstellt und in den Ordner Skins von Norvo geschrieben, so wie es „Bild laden“ und „Speichern“ tun.
Mit --where werden der Norvo-Ordner und sein Fundort ausgegeben.</translation>
    </message>
    <message>
        <source>Make the skin &lt;name&gt; and save it.</source>
        <translation>Den Skin &lt;name&gt; erstellen und speichern.</translation>
    </message>
    <message>
        <source>Menu hue, -100 to 100 (default 0).</source>
        <translation>Farbton des Menüs, -100 bis 100 (Standard: 0).</translation>
    </message>
    <message>
        <source>Menu saturation, -100 to 100 (default 0).</source>
        <translation>Sättigung des Menüs, -100 bis 100 (Standard: 0).</translation>
    </message>
    <message>
        <source>Menu lightness, -100 to 100 (default 0).</source>
        <translation>Helligkeit des Menüs, -100 bis 100 (Standard: 0).</translation>
    </message>
    <message>
        <source>With the value auto: a tint suggested from the picture, instead of --hue, --saturation and --lightness; the tint is printed.</source>
        <translation>Mit dem Wert auto: eine aus dem Bild vorgeschlagene Tönung anstelle von --hue, --saturation und --lightness; die Tönung wird ausgegeben.</translation>
    </message>
    <message>
        <source>How the picture meets each window: stretch (the whole picture, distorted to the window&apos;s shape; the default) or fill (cropped to the window&apos;s shape, undistorted).</source>
        <translation>Wie das Bild in jedes Fenster eingepasst wird: stretch (das ganze Bild, auf die Form des Fensters verzerrt; Standard) oder fill (auf die Form des Fensters zugeschnitten, unverzerrt).</translation>
    </message>
    <message>
        <source>With --fit fill: the picture point every crop is centred on, as fractions of its width and height, 0 to 1 each (default 0.5,0.5).</source>
        <translation>Mit --fit fill: der Bildpunkt, auf den jeder Ausschnitt zentriert wird, als Anteile der Bildbreite und -höhe, jeweils 0 bis 1 (Standard: 0.5,0.5).</translation>
    </message>
    <message>
        <source>The host&apos;s folder (holding Skins); default: the one --where shows.</source>
        <translation>Der Norvo-Ordner (der Skins enthält); Standard: der Ordner, den --where anzeigt.</translation>
    </message>
    <message>
        <source>Print the host folder and where it was found (the settings file or a Wine prefix), or where it was looked for.</source>
        <translation>Den Norvo-Ordner und seinen Fundort (die Einstellungsdatei oder ein Wine-Präfix) ausgeben, oder die Orte, an denen gesucht wurde.</translation>
    </message>
    <message>
        <source>A BMP or JPEG picture (any format Qt reads).</source>
        <translation>Ein BMP- oder JPEG-Bild (jedes Format, das Qt lesen kann).</translation>
    </message>
    <message>
        <source>--where takes no other options or arguments.</source>
        <translation>--where akzeptiert keine weiteren Optionen oder Argumente.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -100 to 100, not &quot;%2&quot;.</source>
        <translation>--%1 muss eine ganze Zahl von -100 bis 100 sein, nicht „%2“.</translation>
    </message>
    <message>
        <source>--tint accepts only &quot;auto&quot;, not &quot;%1&quot;.</source>
        <translation>--tint akzeptiert nur „auto“, nicht „%1“.</translation>
    </message>
    <message>
        <source>--tint auto cannot be combined with --hue, --saturation or --lightness.</source>
        <translation>--tint auto kann nicht mit --hue, --saturation oder --lightness kombiniert werden.</translation>
    </message>
    <message>
        <source>--fit must be stretch or fill, not &quot;%1&quot;.</source>
        <translation>--fit muss stretch oder fill sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>--focus works only with --fit fill.</source>
        <translation>--focus funktioniert nur mit --fit fill.</translation>
    </message>
    <message>
        <source>--focus must be two numbers from 0 to 1 as X,Y, not &quot;%1&quot;.</source>
        <translation>--focus muss aus zwei Zahlen von 0 bis 1 in der Form X,Y bestehen, nicht „%1“.</translation>
    </message>
    <message>
        <source>--host-folder needs a folder, not an empty text.</source>
        <translation>--host-folder erwartet einen Ordner, keinen leeren Text.</translation>
    </message>
    <message>
        <source>only one PICTURE can be given.</source>
        <translation>es kann nur ein PICTURE angegeben werden.</translation>
    </message>
    <message>
        <source>--tint auto needs a PICTURE to suggest the tint from.</source>
        <translation>--tint auto braucht ein PICTURE, aus dem die Tönung vorgeschlagen wird.</translation>
    </message>
    <message>
        <source>--focus needs a PICTURE to centre on.</source>
        <translation>--focus braucht ein PICTURE, auf das zentriert wird.</translation>
    </message>
    <message>
        <source>--export needs a PICTURE to make the skin from.</source>
        <translation>--export braucht ein PICTURE, aus dem der Skin erstellt wird.</translation>
    </message>
    <message>
        <source>Tint: hue %1, saturation %2, lightness %3</source>
        <translation>Tönung: Farbton %1, Sättigung %2, Helligkeit %3</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>--where&apos;s second line. %1: where the folder was found (the settings file, a Wine prefix&apos;s registry value).</extracomment>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>varnel: the window cannot open: no display can be used (is DISPLAY or WAYLAND_DISPLAY set?). varnel --export and varnel --where need none.</source>
        <extracomment>The command line&apos;s message when the window cannot open.</extracomment>
        <translation>varnel: Das Fenster kann nicht geöffnet werden: Es ist keine Anzeige verfügbar (ist DISPLAY oder WAYLAND_DISPLAY gesetzt?). varnel --export und varnel --where brauchen keine.</translation>
    </message>
    <message>
        <source>passed over:</source>
        <extracomment>--where, after the folder and where it came from: the places looked at first, each on a line of its own below, with why it gave no folder.</extracomment>
        <translation>Übergangen:</translation>
    </message>
</context>
<context>
    <name>Compose</name>
    <message>
        <source>There is no picture to fit yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation>Es gibt noch kein Bild zum Einpassen. Laden Sie zuerst ein Bild.</translation>
    </message>
    <message>
        <source>There is no picture to compose yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation>Es gibt noch kein Bild, aus dem der Skin zusammengesetzt werden kann. Laden Sie zuerst ein Bild.</translation>
    </message>
    <message>
        <source>There is no picture to suggest a tint from yet. Load an image first.</source>
        <extracomment>Suggest Tint&apos;s message when no picture is loaded.</extracomment>
        <translation>Es gibt noch kein Bild, aus dem eine Tönung vorgeschlagen werden kann. Laden Sie zuerst ein Bild.</translation>
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
        <translation>Skin-Editor</translation>
    </message>
    <message>
        <source>Make a Norvo 7 skin from a picture</source>
        <extracomment>The desktop entry&apos;s Comment: the menu entry&apos;s tool tip.</extracomment>
        <translation>Einen Skin für Norvo 7 aus einem Bild machen</translation>
    </message>
    <message>
        <source>skin;Norvo;picture;</source>
        <extracomment>The desktop entry&apos;s Keywords: words a menu search finds the program by, each followed by a semicolon, the last one too. Any number of words.</extracomment>
        <translation>Skin;Norvo;Bild;Design;</translation>
    </message>
    <message>
        <source>Make Norvo 7 skins from a picture</source>
        <extracomment>The software centre&apos;s one-line summary of the program.</extracomment>
        <translation>Skins für Norvo 7 aus einem Bild machen</translation>
    </message>
    <message>
        <source>Varnel turns one BMP or JPEG picture into a skin for the Norvo 7 chat program. It stretches the picture to the four window sizes of Norvo 7, lays the button artwork of Norvo 7 over each copy, and saves the four window pictures and the skin description into the Skins folder of Norvo 7, which offers the new skin the next time it starts.</source>
        <extracomment>The software centre&apos;s description of the program, its first paragraph.</extracomment>
        <translation>Varnel macht aus einem BMP- oder JPEG-Bild einen Skin für das Chatprogramm Norvo 7. Es streckt das Bild auf die vier Fenstergrößen von Norvo 7, legt die Schaltflächengrafiken von Norvo 7 über jede Kopie und speichert die vier Fensterbilder und die Skin-Beschreibung im Ordner Skins von Norvo 7, das den neuen Skin beim nächsten Start anbietet.</translation>
    </message>
    <message>
        <source>Load a picture with Load Image, or drop it on the window</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Ein Bild mit „Bild laden“ laden oder auf das Fenster ziehen</translation>
    </message>
    <message>
        <source>Tint the menu and the window buttons with the hue, saturation and lightness sliders</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Das Menü und die Fensterschaltflächen mit den Reglern für Farbton, Sättigung und Helligkeit tönen</translation>
    </message>
    <message>
        <source>Type a name and press Save Skin</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list.</extracomment>
        <translation>Einen Namen eingeben und „Speichern“ drücken</translation>
    </message>
    <message>
        <source>Make skins from the command line, without a display, with varnel --export</source>
        <extracomment>The software centre&apos;s description of the program, a point of its list. varnel --export is a command: keep it as it is.</extracomment>
        <translation>Skins auf der Kommandozeile ohne Anzeige machen, mit varnel --export</translation>
    </message>
    <message>
        <source>A skin made from a picture of a sunset, with the menu tinted</source>
        <extracomment>The caption of the software centre&apos;s screenshot of the window.</extracomment>
        <translation>Ein Skin aus dem Bild eines Sonnenuntergangs, mit getöntem Menü</translation>
    </message>
    <message>
        <source>First release: skins from BMP and JPEG pictures in the window or from the command line.</source>
        <extracomment>The software centre&apos;s notes on the first release.</extracomment>
        <translation>Erste Version: Skins aus BMP- und JPEG-Bildern im Fenster oder auf der Kommandozeile.</translation>
    </message>
</context>
<context>
    <name>HostFolder</name>
    <message>
        <source>%1: Directory &quot;%2&quot;: %3</source>
        <extracomment>A line of the places looked at. %1: where the folder was named; %2: the folder; %3: why it cannot hold the skins.</extracomment>
        <translation>%1: Directory „%2“: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the list of places Varnel looked at for Norvo&apos;s folder (the start-up message&apos;s details, --where). %1: the place; %2: why it gave no folder.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no Directory value</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>kein Wert Directory</translation>
    </message>
    <message>
        <source>Directory is empty</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory ist leer</translation>
    </message>
    <message>
        <source>Directory is neither text nor a number</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory ist weder Text noch eine Zahl</translation>
    </message>
    <message>
        <source>registry %1, value Directory</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the registry key.</extracomment>
        <translation>Registrierung %1, Wert Directory</translation>
    </message>
    <message>
        <source>settings file %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the settings file&apos;s path (or paths, joined).</extracomment>
        <translation>Einstellungsdatei %1</translation>
    </message>
    <message>
        <source>, then </source>
        <extracomment>Joins the settings files looked at, in order: &quot;file1, then file2&quot;.</extracomment>
        <translation>, dann </translation>
    </message>
    <message>
        <source>no such file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>no such key</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Schlüssel nicht vorhanden</translation>
    </message>
    <message>
        <source>the Directory value&apos;s line cannot be read</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>die Zeile des Werts Directory ist nicht lesbar</translation>
    </message>
    <message>
        <source>Directory is an expandable string holding %</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Directory ist eine erweiterbare Zeichenfolge mit %</translation>
    </message>
    <message>
        <source>Varnel looked for the Norvo 7 folder here:</source>
        <extracomment>The first line of the start-up message&apos;s details; the places follow.</extracomment>
        <translation>Varnel hat an diesen Orten nach dem Ordner von Norvo 7 gesucht:</translation>
    </message>
    <message>
        <source>Install Norvo 7: its installer writes its folder into the registry value %1 of %2.</source>
        <extracomment>The start-up message&apos;s details, after the places looked at. %1: the value&apos;s name (Directory); %2: the registry key.</extracomment>
        <translation>Installieren Sie Norvo 7: Das Installationsprogramm trägt seinen Ordner in den Wert %1 des Registrierungsschlüssels %2 ein.</translation>
    </message>
    <message>
        <source>Install Norvo 7 in a Wine prefix, or name its folder in the settings file %1 with one line:</source>
        <extracomment>The start-up message&apos;s details, after the places looked at; a line to copy follows. %1: the settings file&apos;s path.</extracomment>
        <translation>Installieren Sie Norvo 7 in einem Wine-Präfix, oder geben Sie seinen Ordner in der Einstellungsdatei %1 mit dieser Zeile an:</translation>
    </message>
    <message>
        <source>permission denied</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>no such folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>not an absolute path (~ is not expanded: write the whole path)</source>
        <translation>kein absoluter Pfad (~ wird nicht ersetzt: Geben Sie den vollständigen Pfad an)</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>kein absoluter Pfad</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A line of the places looked at: a registry key inside a Wine prefix. %1: the prefix (&quot;Wine prefix /home/me/.wine&quot;); %2: the key and why it gave no folder.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no system.reg</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>keine system.reg</translation>
    </message>
    <message>
        <source>system.reg is not a file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg ist keine Datei</translation>
    </message>
    <message>
        <source>system.reg is too large (%1 bytes)</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the file&apos;s size.</extracomment>
        <translation>system.reg ist zu groß (%1 Bytes)</translation>
    </message>
    <message>
        <source>system.reg cannot be read: %1</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the system&apos;s reason.</extracomment>
        <translation>system.reg kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>system.reg is not a Wine registry file</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where).</extracomment>
        <translation>system.reg ist keine Registrierungsdatei von Wine</translation>
    </message>
    <message>
        <source>%1: %2, value Directory &quot;%3&quot;</source>
        <extracomment>--where&apos;s source of the folder. %1: the Wine prefix; %2: the registry key; %3: the value&apos;s Windows path.</extracomment>
        <translation>%1: %2, Wert Directory „%3“</translation>
    </message>
    <message>
        <source>no key HKEY_LOCAL_MACHINE\%1 nor HKEY_LOCAL_MACHINE\%2</source>
        <translation>weder Schlüssel HKEY_LOCAL_MACHINE\%1 noch HKEY_LOCAL_MACHINE\%2</translation>
    </message>
    <message>
        <source>not set</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of WINEPREFIX.</extracomment>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>WINEPREFIX %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the variable&apos;s value.</extracomment>
        <translation>WINEPREFIX %1</translation>
    </message>
    <message>
        <source>Wine prefix %1 (WINEPREFIX)</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the prefix&apos;s folder.</extracomment>
        <translation>Wine-Präfix %1 (WINEPREFIX)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the prefix&apos;s folder.</extracomment>
        <translation>Wine-Präfix %1</translation>
    </message>
    <message>
        <source>%1 prefixes in %2</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a Wine front end (Bottles, PlayOnLinux, ...); %2: its folder.</extracomment>
        <translation>Präfixe von %1 in %2</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of a front end&apos;s prefixes.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 prefix %2</source>
        <extracomment>A place in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a Wine front end (Bottles, ...); %2: the prefix&apos;s folder.</extracomment>
        <translation>Präfix %2 (%1)</translation>
    </message>
    <message>
        <source>not an absolute path on a drive</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). Said of the registry value&apos;s Windows path.</extracomment>
        <translation>kein absoluter Pfad auf einem Laufwerk</translation>
    </message>
    <message>
        <source>drive %1 links to %2, which does not exist</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: where its link points.</extracomment>
        <translation>Laufwerk %1 verweist auf %2, das nicht existiert</translation>
    </message>
    <message>
        <source>no drive %1 (no %2)</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: the link the prefix lacks.</extracomment>
        <translation>kein Laufwerk %1 (kein %2)</translation>
    </message>
    <message>
        <source>drive %1 (%2) is not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the drive (C:); %2: its link.</extracomment>
        <translation>Laufwerk %1 (%2) ist kein Ordner</translation>
    </message>
    <message>
        <source>no folder &quot;%1&quot; in %2</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: a folder&apos;s name; %2: the folder it is missing from.</extracomment>
        <translation>kein Ordner „%1“ in %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where). %1: the path.</extracomment>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>a comma makes a list; put the folder in double quotes</source>
        <extracomment>A reason in the list of places looked at for Norvo&apos;s folder (start-up details, --where): the settings file&apos;s line Directory=/a,/b is read as a list of two.</extracomment>
        <translation>ein Komma macht daraus eine Liste; setzen Sie den Ordner in doppelte Anführungszeichen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Your skin has been exported to Norvo.</source>
        <extracomment>Save Skin&apos;s and --export&apos;s message when the skin was saved.</extracomment>
        <translation>Ihr Skin wurde nach Norvo exportiert.</translation>
    </message>
    <message>
        <source>Enter a name for your Skin.</source>
        <extracomment>Save Skin&apos;s message when the name box is empty (or holds only blanks and dots).</extracomment>
        <translation>Geben Sie einen Namen für Ihren Skin ein.</translation>
    </message>
    <message>
        <source>Please install a valid copy of Norvo 7.</source>
        <extracomment>The message when no host folder was found: at start-up, and from --export and --where.</extracomment>
        <translation>Bitte installieren Sie eine gültige Kopie von Norvo 7.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: %2)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (kann nicht geöffnet werden: %2)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a folder)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (kann nicht geöffnet werden: es ist ein Ordner)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a FIFO, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (kann nicht geöffnet werden: es ist ein FIFO, keine Datei)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a socket, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (kann nicht geöffnet werden: es ist ein Socket, keine Datei)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a device, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (kann nicht geöffnet werden: es ist ein Gerät, keine Datei)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is not a regular file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (kann nicht geöffnet werden: es ist keine reguläre Datei)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (the file is empty)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (die Datei ist leer)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (not a picture)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (kein Bild)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (too large)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (zu groß)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (beschädigt)</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged: the file ends before the picture does)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation>Das Bild konnte nicht geladen werden: %1 (beschädigt: die Datei endet vor dem Ende des Bildes)</translation>
    </message>
</context>
<context>
    <name>PictureFilters</name>
    <message>
        <source>PNG pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>GIF pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>GIF-Bilder</translation>
    </message>
    <message>
        <source>TIFF pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>TIFF-Bilder</translation>
    </message>
    <message>
        <source>WebP pictures</source>
        <extracomment>A filter of the Load Image file dialog.</extracomment>
        <translation>WebP-Bilder</translation>
    </message>
    <message>
        <source>All pictures</source>
        <extracomment>A filter of the Load Image file dialog: every kind of picture it can load.</extracomment>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>All files</source>
        <extracomment>The last filter of the Load Image file dialog.</extracomment>
        <translation>Alle Dateien</translation>
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
        <translation>Der Skin konnte nicht gespeichert werden: Die Beschreibungsvorlage %1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the description template %1 cannot be read (%2).</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the template file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Der Skin konnte nicht gespeichert werden: Die Beschreibungsvorlage %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The skin could not be saved: %1 could not be written (%2). No file was changed.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when nothing changed. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Der Skin konnte nicht gespeichert werden: %1 konnte nicht geschrieben werden (%2). Es wurde keine Datei geändert.</translation>
    </message>
    <message numerus="yes">
        <source>The skin could not be saved: %1 could not be written (%2). The %n files before it were already replaced; save the skin again.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when some files were already replaced. %1: the file&apos;s path; %2: the system&apos;s reason; %n: how many files were replaced (1 to 4).</extracomment>
        <translation>
            <numerusform>Der Skin konnte nicht gespeichert werden: %1 konnte nicht geschrieben werden (%2). %n zuvor geschriebene Datei wurde bereits ersetzt; speichern Sie den Skin erneut.</numerusform>
            <numerusform>Der Skin konnte nicht gespeichert werden: %1 konnte nicht geschrieben werden (%2). %n zuvor geschriebene Dateien wurden bereits ersetzt; speichern Sie den Skin erneut.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no skin to save yet. Load an image first.</source>
        <extracomment>Save Skin&apos;s message before any picture was loaded.</extracomment>
        <translation>Es gibt noch keinen Skin zum Speichern. Laden Sie zuerst ein Bild.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 is a file, not a folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation>Der Skin konnte nicht gespeichert werden: Der Ordner Skins %1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 does not exist.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation>Der Skin konnte nicht gespeichert werden: Der Ordner Skins %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The skin could not be saved: another save of the skin &quot;%1&quot; is still running. Try again when it has ended.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin&apos;s name.</extracomment>
        <translation>Der Skin konnte nicht gespeichert werden: Ein anderer Speichervorgang des Skins „%1“ läuft noch. Versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
    <message>
        <source>The template could not be written to %1 (%2).</source>
        <extracomment>Command3&apos;s message. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Die Vorlage konnte nicht in %1 geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>SkinName</name>
    <message>
        <source>A skin name cannot contain \ or /, since the skin must stay in the Skins folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>Ein Skin-Name darf weder \ noch / enthalten, da der Skin im Ordner Skins bleiben muss.</translation>
    </message>
    <message>
        <source>A skin name cannot contain any of : * ? &quot; &lt; &gt; |.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>Ein Skin-Name darf keines dieser Zeichen enthalten: : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>A skin name cannot contain control characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation>Ein Skin-Name darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is reserved for a device on Windows; choose another skin name.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin name typed (CON, NUL.txt, ...).</extracomment>
        <translation>„%1“ ist unter Windows für ein Gerät reserviert; wählen Sie einen anderen Skin-Namen.</translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read; use Western European letters only.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads Western European letters.</extracomment>
        <translation>Der Skin-Name enthält Zeichen, die Norvo nicht lesen kann; verwenden Sie nur westeuropäische Buchstaben.</translation>
    </message>
    <message>
        <source>Norvo&apos;s folder %1 is too deep: Windows cannot open a skin of any name there.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it.</extracomment>
        <translation>Der Norvo-Ordner %1 ist zu tief verschachtelt: Windows kann dort keinen Skin öffnen, gleich welchen Namens.</translation>
    </message>
    <message numerus="yes">
        <source>The skin name is too long: with Norvo in %1, Windows can open the skin&apos;s files only when its name has at most %n characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it; %n: how many characters a name may have there.</extracomment>
        <translation>
            <numerusform>Der Skin-Name ist zu lang: Mit Norvo in %1 kann Windows die Dateien des Skins nur öffnen, wenn sein Name höchstens %n Zeichen lang ist.</numerusform>
            <numerusform>Der Skin-Name ist zu lang: Mit Norvo in %1 kann Windows die Dateien des Skins nur öffnen, wenn sein Name höchstens %n Zeichen lang ist.</numerusform>
        </translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read in this system&apos;s code page (Windows-%1); use the letters of the system&apos;s language.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads another code page than the Western European one. %1: the code page&apos;s number (1251 for Cyrillic, 932 for Japanese, ...).</extracomment>
        <translation>Der Skin-Name enthält Zeichen, die Norvo in der Codepage dieses Systems (Windows-%1) nicht lesen kann; verwenden Sie die Buchstaben der Systemsprache.</translation>
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
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>MENU strip picture</source>
        <translation>Bild der MENU-Leiste</translation>
    </message>
    <message>
        <source>Name Your Skin</source>
        <translation>Name des Skins</translation>
    </message>
    <message>
        <source>Save Skin</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Command3</source>
        <translation>Command3</translation>
    </message>
    <message>
        <source>Saves the untinted Console and Chat button artwork as the files d:/p2.bmp and d:/p3.bmp.</source>
        <extracomment>Command3&apos;s tooltip and what a screen reader says of it.</extracomment>
        <translation>Speichert die ungetönten Grafiken der Schaltflächen für Konsole und Chat als Dateien d:/p2.bmp und d:/p3.bmp.</translation>
    </message>
    <message>
        <source>Scene window picture</source>
        <translation>Bild des Szenenfensters</translation>
    </message>
    <message>
        <source>Main window picture</source>
        <translation>Bild des Hauptfensters</translation>
    </message>
    <message>
        <source>Console border picture</source>
        <translation>Bild des Konsolenrahmens</translation>
    </message>
    <message>
        <source>Chat window picture</source>
        <translation>Bild des Chatfensters</translation>
    </message>
    <message>
        <source>STEP 1: Load an image by clicking the Load Image Button.</source>
        <translation>SCHRITT 1: Laden Sie ein Bild mit „Bild laden“.</translation>
    </message>
    <message>
        <source>STEP 2: Adjust your menus color and hue by using the sliders.</source>
        <translation>SCHRITT 2: Passen Sie Farbe und Farbton Ihres Menüs mit den Schiebereglern an.</translation>
    </message>
    <message>
        <source>STEP 3: Type a name for your skin and click Save Skin. Run Norvo and a new Skin will be available for you.</source>
        <translation>SCHRITT 3: Benennen Sie Ihren Skin und klicken Sie auf „Speichern“. Starten Sie Norvo: Der neue Skin steht bereit.</translation>
    </message>
    <message>
        <source>Suggest Tint</source>
        <translation>Tönung vorschlagen</translation>
    </message>
    <message>
        <source>Sets the three sliders to a tint in the picture&apos;s colour that keeps the MENU button readable.</source>
        <translation>Stellt die drei Schieberegler auf eine Tönung in der Farbe des Bildes ein, bei der die Schaltfläche MENU lesbar bleibt.</translation>
    </message>
    <message>
        <source>Menu Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Menu Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Menu Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Picture fit</source>
        <translation>Bildanpassung</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Picture fit: Stretch</source>
        <translation>Bildanpassung: Strecken</translation>
    </message>
    <message>
        <source>Each window shows the whole picture, stretched to its shape.</source>
        <translation>Jedes Fenster zeigt das ganze Bild, auf seine Form gestreckt.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Picture fit: Fill</source>
        <translation>Bildanpassung: Füllen</translation>
    </message>
    <message>
        <source>Each window shows the part of the picture that has its shape, undistorted. Press or drag on a preview to choose the point the parts are centred on.</source>
        <translation>Jedes Fenster zeigt den Ausschnitt des Bildes, der seine Form hat, unverzerrt. Klicken oder ziehen Sie in einer Vorschau, um den Punkt zu wählen, auf den die Ausschnitte zentriert werden.</translation>
    </message>
    <message>
        <source>Focus point %1% across, %2% down; arrow keys move it</source>
        <translation>Fokuspunkt bei %1 % von links, %2 % von oben; mit den Pfeiltasten verschieben</translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt around the focus: %1</source>
        <extracomment>A message after moving the focus point failed. %1: the reason.</extracomment>
        <translation>Die Skin-Bilder konnten nicht um den Fokuspunkt neu erstellt werden: %1</translation>
    </message>
    <message>
        <source>The menu preview could not be tinted: %1</source>
        <extracomment>A message after a slider moved. %1: the reason.</extracomment>
        <translation>Die Menüvorschau konnte nicht getönt werden: %1</translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt with the tint: %1</source>
        <extracomment>A message after a slider was let go. %1: the reason.</extracomment>
        <translation>Die Skin-Bilder konnten nicht mit der Tönung neu erstellt werden: %1</translation>
    </message>
    <message>
        <source>Images Files (*.bmp;*.jpg)</source>
        <translation>Bilddateien (*.bmp;*.jpg)</translation>
    </message>
    <message>
        <source>The five files went to the folder %1:</source>
        <translation>Die fünf Dateien wurden im Ordner %1 gespeichert:</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>The button of a question before a file or a skin is replaced.</extracomment>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Cancel Save</source>
        <extracomment>The button below the text that Save Skin waits for another save; it stops the wait, and nothing is saved.</extracomment>
        <translation>Speichern abbrechen</translation>
    </message>
    <message>
        <source>Replace the skin &quot;%1&quot;?</source>
        <extracomment>The question before Save Skin replaces a skin already in the Skins folder (under any letter case). %1: the skin&apos;s name.</extracomment>
        <translation>Den Skin „%1“ ersetzen?</translation>
    </message>
    <message>
        <source>Waiting for another save of the skin &quot;%1&quot; to end… Press Esc to cancel.</source>
        <extracomment>On the window, right of the Main picture, while Save Skin waits for another save of the same skin to end. %1: the skin&apos;s name.</extracomment>
        <translation>Warten, bis ein anderer Speichervorgang des Skins „%1“ beendet ist… Drücken Sie Esc, um abzubrechen.</translation>
    </message>
    <message>
        <source>Replace the file %1?</source>
        <extracomment>The question before Command3 replaces one of its two files. %1: its path.</extracomment>
        <translation>Die Datei %1 ersetzen?</translation>
    </message>
    <message>
        <source>Replace the files %1 and %2?</source>
        <extracomment>The question before Command3 replaces both its files. %1, %2: their paths.</extracomment>
        <translation>Die Dateien %1 und %2 ersetzen?</translation>
    </message>
    <message>
        <source>Load Image</source>
        <comment>file dialog title</comment>
        <extracomment>The title of the file dialog that Load Image opens.</extracomment>
        <translation>Bild laden</translation>
    </message>
</context>
</TS>
