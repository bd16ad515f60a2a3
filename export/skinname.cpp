#include "export/skinname.h"

#include "export/codepage.h"

#include <QRegularExpression>

QString skinNameProblem(const QString& name) {
    if (name.isEmpty())
        return QString::fromLatin1(EnterNameMessage);
    for (const QChar ch : name) {
        if (ch == u'\\' || ch == u'/')
            return QStringLiteral("A skin name cannot contain \\ or /, since the skin must stay "
                                  "in the Skins folder.");
        if (QStringLiteral(":*?\"<>|").contains(ch))
            return QStringLiteral("A skin name cannot contain any of : * ? \" < > |.");
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            return QStringLiteral("A skin name cannot contain control characters.");
    }
    // Windows opens the device also with an extension after the name ("NUL.txt", "con.")
    // and with blanks before that extension, and knows COM and LPT with superscript digits.
    // Each of the five file names starts with the skin name, so its part before the first
    // dot decides.
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9\u00B9\u00B2\u00B3]|LPT[1-9\u00B9\u00B2\u00B3])$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(name.section(u'.', 0, 0).trimmed()).hasMatch())
        return QStringLiteral("\"%1\" is reserved for a device on Windows; choose another "
                              "skin name.")
            .arg(name);
    if (!encodeForHost(name))
        return QStringLiteral("The skin name has characters that Norvo cannot read; use "
                              "Western European letters only.");
    return QString();
}
