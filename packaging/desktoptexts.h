#pragma once

#include <QtGlobal>

// The texts of the desktop entry (varnel.desktop) and of the AppStream metadata
// (org.varnel.varnel.metainfo.xml.in), so that lupdate keeps them in the catalogues under the
// context "Desktop", where they are translated with the rest. The build writes both files with
// every language's translation beside each English text (tools/desktopgen.cpp), and stops when
// a text of theirs is not one of these: change a text here and there together.
struct DesktopText {
    const char* key; // the desktop entry's key, or the metadata's element
    const char* text;
};

inline constexpr DesktopText DesktopTexts[] = {
    //: The desktop entry's Name: the program's name in the menus. Varnel in every language.
    {"Name", QT_TRANSLATE_NOOP("Desktop", "Varnel")},
    //: The desktop entry's GenericName: what kind of program it is, shown beside its name.
    {"GenericName", QT_TRANSLATE_NOOP("Desktop", "Skin Maker")},
    //: The desktop entry's Comment: the menu entry's tool tip.
    {"Comment", QT_TRANSLATE_NOOP("Desktop", "Make a Norvo 7 skin from a picture")},
    //: The desktop entry's Keywords: words a menu search finds the program by, each followed by
    //: a semicolon, the last one too. Any number of words.
    {"Keywords", QT_TRANSLATE_NOOP("Desktop", "skin;Norvo;picture;")},
    //: The software centre's one-line summary of the program.
    {"summary", QT_TRANSLATE_NOOP("Desktop", "Make Norvo 7 skins from a picture")},
    //: The software centre's description of the program, its first paragraph.
    {"p", QT_TRANSLATE_NOOP("Desktop",
                            "Varnel turns one BMP or JPEG picture into a skin for the Norvo 7 chat "
                            "program. It stretches the picture to the four window sizes of Norvo "
                            "7, lays the button artwork of Norvo 7 over each copy, and saves the "
                            "four window pictures and the skin description into the Skins folder "
                            "of Norvo 7, which offers the new skin the next time it starts.")},
    //: The software centre's description of the program, a point of its list.
    {"li",
     QT_TRANSLATE_NOOP("Desktop", "Load a picture with Load Image, or drop it on the window")},
    //: The software centre's description of the program, a point of its list.
    {"li",
     QT_TRANSLATE_NOOP(
         "Desktop",
         "Tint the menu and the window buttons with the hue, saturation and lightness sliders")},
    //: The software centre's description of the program, a point of its list.
    {"li", QT_TRANSLATE_NOOP("Desktop", "Type a name and press Save Skin")},
    //: The software centre's description of the program, a point of its list. varnel --export
    //: is a command: keep it as it is.
    {"li", QT_TRANSLATE_NOOP("Desktop",
                             "Make skins from the command line, without a display, with varnel "
                             "--export")},
    //: The caption of the software centre's screenshot of the window.
    {"caption",
     QT_TRANSLATE_NOOP("Desktop", "A skin made from a picture of a sunset, with the menu tinted")},
    //: The software centre's notes on the first release.
    {"p", QT_TRANSLATE_NOOP("Desktop", "First release: skins from BMP and JPEG pictures in the "
                                       "window or from the command line.")},
};
