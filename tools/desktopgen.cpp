// Writes the desktop entry and the AppStream metadata with every language's translations,
// taken from the catalogues' "Desktop" texts (packaging/desktoptexts.h), beside the English:
//   varnel_desktopgen DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT CATALOGUE...
// A translatable English text that no catalogue holds stops the build: the files and the
// catalogues would drift apart. A text not yet translated in a language is left out there.

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>

namespace {

// language -> English -> translation
using Translations = QMap<QString, QHash<QString, QString>>;

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "varnel_desktopgen: %s\n", qPrintable(why));
    std::exit(1);
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path + QStringLiteral(": ") + file.errorString());
    return QString::fromUtf8(file.readAll());
}

void writeText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        fail(path + QStringLiteral(": ") + file.errorString());
}

// The finished translations of the context "Desktop" in one catalogue, and its language.
void readCatalogue(const QString& path, Translations& translations, QSet<QString>& known) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path + QStringLiteral(": ") + file.errorString());
    QXmlStreamReader xml(&file);
    QString language;
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("TS")) {
            language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") &&
                   context == QLatin1String("Desktop")) {
            known.insert(source);
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            if (finished && !text.isEmpty())
                translations[language].insert(source, text);
        }
    }
    if (xml.hasError() || language.isEmpty())
        fail(path + QStringLiteral(": not a catalogue: ") + xml.errorString());
}

void checkKnown(const QSet<QString>& known, const QString& file, const QString& text) {
    if (!known.contains(text))
        fail(QStringLiteral("%1: \"%2\" is not one of the Desktop texts of the catalogues "
                            "(packaging/desktoptexts.h, then update_translations)")
                 .arg(file, text));
}

// After each translatable Key=English line, Key[LANG]=translation for each language.
QString translatedDesktopEntry(const QString& path, const Translations& translations,
                               const QSet<QString>& known) {
    static const QRegularExpression translatable(
        QStringLiteral("^(Name|GenericName|Comment|Keywords)=(.*)$"));
    QString out;
    for (const QString& line : readText(path).split(u'\n')) {
        if (line.isEmpty())
            continue;
        out += line + u'\n';
        const QRegularExpressionMatch match = translatable.match(line);
        if (!match.hasMatch())
            continue;
        checkKnown(known, path, match.captured(2));
        for (auto it = translations.begin(); it != translations.end(); ++it)
            if (const QString text = it->value(match.captured(2)); !text.isEmpty())
                out += QStringLiteral("%1[%2]=%3\n").arg(match.captured(1), it.key(), text);
    }
    return out;
}

QString unescaped(QString text) {
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// After each <summary>, <p>, <li> and <caption> (on one line or several), the same element
// with xml:lang for each language.
QString translatedMetainfo(const QString& path, const Translations& translations,
                           const QSet<QString>& known) {
    static const QRegularExpression opening(QStringLiteral("^(\\s*)<(summary|p|li|caption)>(.*)$"));
    const QStringList lines = readText(path).split(u'\n');
    QString out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i + 1 == lines.size() && lines[i].isEmpty())
            break;
        out += lines[i] + u'\n';
        const QRegularExpressionMatch match = opening.match(lines[i]);
        if (!match.hasMatch())
            continue;
        const QString tag = match.captured(2);
        const QString closing = QStringLiteral("</%1>").arg(tag);
        QString inner = match.captured(3);
        while (!inner.contains(closing)) {
            if (++i == lines.size())
                fail(QStringLiteral("%1: <%2> is not closed").arg(path, tag));
            out += lines[i] + u'\n';
            inner += u' ' + lines[i];
        }
        const QString english = unescaped(inner.left(inner.indexOf(closing)).simplified());
        checkKnown(known, path, english);
        for (auto it = translations.begin(); it != translations.end(); ++it)
            if (const QString text = it->value(english); !text.isEmpty())
                out += QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>\n")
                           .arg(match.captured(1), tag, it.key(), text.toHtmlEscaped());
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 6)
        fail(QStringLiteral("usage: varnel_desktopgen DESKTOP_IN DESKTOP_OUT METAINFO_IN "
                            "METAINFO_OUT CATALOGUE..."));
    Translations translations;
    QSet<QString> known;
    for (const QString& catalogue : arguments.mid(5))
        readCatalogue(catalogue, translations, known);
    writeText(arguments[2], translatedDesktopEntry(arguments[1], translations, known));
    writeText(arguments[4], translatedMetainfo(arguments[3], translations, known));
    return 0;
}
