<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>varnel: %1
Try &apos;varnel --help&apos; for more information.</source>
        <extracomment>The command line&apos;s error. %1: what is wrong, one of the usage messages.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns one picture into a skin for Norvo 7.

Without --export, opens the window (with PICTURE already loaded when given); the picture options then set the window up as if chosen there, and --tint auto presses Suggest Tint once the picture is loaded.
With --export, makes the skin NAME from PICTURE and writes it into the host&apos;s Skins folder, as Load Image and Save Skin do.
With --where, prints the host folder and where it was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the skin &lt;name&gt; and save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu hue, -100 to 100 (default 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu saturation, -100 to 100 (default 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu lightness, -100 to 100 (default 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the value auto: a tint suggested from the picture, instead of --hue, --saturation and --lightness; the tint is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the picture meets each window: stretch (the whole picture, distorted to the window&apos;s shape; the default) or fill (cropped to the window&apos;s shape, undistorted).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --fit fill: the picture point every crop is centred on, as fractions of its width and height, 0 to 1 each (default 0.5,0.5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host&apos;s folder (holding Skins); default: the one --where shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the host folder and where it was found (the settings file or a Wine prefix), or where it was looked for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A BMP or JPEG picture (any format Qt reads).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--where takes no other options or arguments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -100 to 100, not &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tint accepts only &quot;auto&quot;, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tint auto cannot be combined with --hue, --saturation or --lightness.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fit must be stretch or fill, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--focus works only with --fit fill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--focus must be two numbers from 0 to 1 as X,Y, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--host-folder needs a folder, not an empty text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one PICTURE can be given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tint auto needs a PICTURE to suggest the tint from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--focus needs a PICTURE to centre on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export needs a PICTURE to make the skin from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tint: hue %1, saturation %2, lightness %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>--where&apos;s second line. %1: where the folder was found (the settings file, a Wine prefix&apos;s registry value).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compose</name>
    <message>
        <source>There is no picture to fit yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture to compose yet. Load an image first.</source>
        <extracomment>A message in the window when a picture is needed first.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture to suggest a tint from yet. Load an image first.</source>
        <extracomment>Suggest Tint&apos;s message when no picture is loaded.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HostFolder</name>
    <message>
        <source>%1: Directory &quot;%2&quot;: %3</source>
        <extracomment>A line of the places looked at. %1: where the folder was named; %2: the folder; %3: why it cannot hold the skins.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the list of places Varnel looked at for Norvo&apos;s folder (the start-up message&apos;s details, --where). %1: the place; %2: why it gave no folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Directory value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory is neither text nor a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>registry %1, value Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, then </source>
        <extracomment>Joins the settings files looked at, in order: &quot;file1, then file2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Directory value&apos;s line cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory is an expandable string holding %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel looked for the Norvo 7 folder here:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Norvo 7: its installer writes its folder into the registry value %1 of %2.</source>
        <extracomment>The start-up message&apos;s details, after the places looked at. %1: the value&apos;s name (Directory); %2: the registry key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Norvo 7 in a Wine prefix, or name its folder in the settings file %1 with one line:</source>
        <extracomment>The start-up message&apos;s details, after the places looked at; a line to copy follows. %1: the settings file&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an absolute path (~ is not expanded: write the whole path)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A line of the places looked at: a registry key inside a Wine prefix. %1: the prefix (&quot;Wine prefix /home/me/.wine&quot;); %2: the key and why it gave no folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no system.reg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system.reg is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system.reg is too large (%1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system.reg cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system.reg is not a Wine registry file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, value Directory &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no key HKEY_LOCAL_MACHINE\%1 nor HKEY_LOCAL_MACHINE\%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WINEPREFIX %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine prefix %1 (WINEPREFIX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 prefixes in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 prefix %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an absolute path on a drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drive %1 links to %2, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no drive %1 (no %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drive %1 (%2) is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder &quot;%1&quot; in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Your skin has been exported to Norvo.</source>
        <extracomment>Save Skin&apos;s and --export&apos;s message when the skin was saved.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a name for your Skin.</source>
        <extracomment>Save Skin&apos;s message when the name box is empty (or holds only blanks and dots).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please install a valid copy of Norvo 7.</source>
        <extracomment>The message when no host folder was found: at start-up, and from --export and --where.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: %2)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a folder)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a FIFO, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a socket, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is a device, not a file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (cannot be opened: it is not a regular file)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (the file is empty)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (not a picture)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (too large)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1 (damaged: the file ends before the picture does)</source>
        <extracomment>Load Image&apos;s and --export&apos;s message. %1: the picture&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin could not be saved: the description template %1 cannot be read (%2).</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the template file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin could not be saved: %1 could not be written (%2). No file was changed.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when nothing changed. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin could not be saved: %1 could not be written (%2). The %n files before it were already replaced; save the skin again.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message when some files were already replaced. %1: the file&apos;s path; %2: the system&apos;s reason; %n: how many files were replaced (1 to 4).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no skin to save yet. Load an image first.</source>
        <extracomment>Save Skin&apos;s message before any picture was loaded.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 is a file, not a folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin could not be saved: the Skins folder %1 does not exist.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the Skins folder&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin could not be saved: another save of the skin &quot;%1&quot; is still running. Try again when it has ended.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template could not be written to %1 (%2).</source>
        <extracomment>Command3&apos;s message. %1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinName</name>
    <message>
        <source>A skin name cannot contain \ or /, since the skin must stay in the Skins folder.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A skin name cannot contain any of : * ? &quot; &lt; &gt; |.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A skin name cannot contain control characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message about the skin name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is reserved for a device on Windows; choose another skin name.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: the skin name typed (CON, NUL.txt, ...).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin name has characters that Norvo cannot read; use Western European letters only.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message where Norvo reads Western European letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norvo&apos;s folder %1 is too deep: Windows cannot open a skin of any name there.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The skin name is too long: with Norvo in %1, Windows can open the skin&apos;s files only when its name has at most %n characters.</source>
        <extracomment>Save Skin&apos;s or --export&apos;s message. %1: Norvo&apos;s folder as Windows names it; %n: how many characters a name may have there.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Varnel</name>
    <message>
        <source>Norvo 7 Varnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MENU strip picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Your Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the untinted Console and Chat button artwork as the files d:/p2.bmp and d:/p3.bmp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene window picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main window picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Console border picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat window picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEP 1: Load an image by clicking the Load Image Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEP 2: Adjust your menus color and hue by using the sliders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEP 3: Type a name for your skin and click Save Skin. Run Norvo and a new Skin will be available for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest Tint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the three sliders to a tint in the picture&apos;s colour that keeps the MENU button readable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Lightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture fit: Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each window shows the whole picture, stretched to its shape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture fit: Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each window shows the part of the picture that has its shape, undistorted. Press or drag on a preview to choose the point the parts are centred on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus point %1% across, %2% down; arrow keys move it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt around the focus: %1</source>
        <extracomment>A message after moving the focus point failed. %1: the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu preview could not be tinted: %1</source>
        <extracomment>A message after a slider moved. %1: the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin pictures could not be rebuilt with the tint: %1</source>
        <extracomment>A message after a slider was let go. %1: the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images Files (*.bmp;*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The five files went to the folder %1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
