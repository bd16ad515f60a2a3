#include "export/skinname.h"

#include "compose/skinworkspace.h"
#include "export/codepage.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

QString skinNameProblem(const QString& name) {
    // Only blanks and dots make files that show no name (" .skn") or hidden ones (".skn").
    static const QRegularExpression blanksAndDots(QStringLiteral("^[ .]*$"));
    if (blanksAndDots.match(name).hasMatch())
        return QCoreApplication::translate("Messages", EnterNameMessage);
    for (const QChar ch : name) {
        if (ch == u'\\' || ch == u'/')
            //: Save Skin's or --export's message about the skin name.
            return QCoreApplication::translate("SkinName",
                                               "A skin name cannot contain \\ or /, since the "
                                               "skin must stay in the Skins folder.");
        if (QStringLiteral(":*?\"<>|").contains(ch))
            //: Save Skin's or --export's message about the skin name.
            return QCoreApplication::translate("SkinName",
                                               "A skin name cannot contain any of : * ? \" < > |.");
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            //: Save Skin's or --export's message about the skin name.
            return QCoreApplication::translate("SkinName",
                                               "A skin name cannot contain control characters.");
    }
    // Windows opens the device also with an extension after the name ("NUL.txt", "con.")
    // and with blanks before that extension, and knows COM and LPT with superscript digits.
    // Each of the five file names starts with the skin name, so its part before the first
    // dot decides.
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9\u00B9\u00B2\u00B3]|LPT[1-9\u00B9\u00B2\u00B3])$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(name.section(u'.', 0, 0).trimmed()).hasMatch())
        //: Save Skin's or --export's message. %1: the skin name typed (CON, NUL.txt, ...).
        return QCoreApplication::translate("SkinName",
                                           "\"%1\" is reserved for a device on Windows; choose "
                                           "another skin name.")
            .arg(name);
    if (const int codePage = hostCodePage(); !encodeForCodePage(name, codePage)) {
        if (codePage == 1252)
            //: Save Skin's or --export's message where Norvo reads Western European letters.
            return QCoreApplication::translate("SkinName",
                                               "The skin name has characters that Norvo cannot "
                                               "read; use Western European letters only.");
        //: Save Skin's or --export's message where Norvo reads another code page than the
        //: Western European one. %1: the code page's number (1251 for Cyrillic, 932 for
        //: Japanese, ...).
        return QCoreApplication::translate("SkinName",
                                           "The skin name has characters that Norvo cannot read "
                                           "in this system's code page (Windows-%1); use the "
                                           "letters of the system's language.")
            .arg(codePage);
    }
    return QString();
}

QString skinPathProblem(const QString& windowsHostFolder, const QString& name) {
    if (windowsHostFolder.isEmpty())
        return QString();
    // The longest of the five: the bitmap with the longest surface word.
    qsizetype longestEnd = qsizetype(std::strlen(".skn"));
    for (const SurfaceFacts& s : SkinSurfaceTable)
        longestEnd = std::max(longestEnd, qsizetype(std::strlen(s.word) + std::strlen(".bmp")));
    const QString skins = windowsHostFolder + QStringLiteral("\\Skins\\");
    const qsizetype fits = WindowsPathLimit - 1 - skins.size() - longestEnd;
    if (name.size() <= fits)
        return QString();
    if (fits <= 0)
        //: Save Skin's or --export's message. %1: Norvo's folder as Windows names it.
        return QCoreApplication::translate("SkinName",
                                           "Norvo's folder %1 is too deep: Windows cannot open a "
                                           "skin of any name there.")
            .arg(windowsHostFolder);
    //: Save Skin's or --export's message. %1: Norvo's folder as Windows names it; %n: how
    //: many characters a name may have there.
    return QCoreApplication::translate("SkinName",
                                       "The skin name is too long: with Norvo in %1, Windows can "
                                       "open the skin's files only when its name has at most %n "
                                       "characters.",
                                       nullptr, int(fits))
        .arg(windowsHostFolder);
}
