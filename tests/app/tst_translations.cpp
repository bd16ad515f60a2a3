#include "app/cli.h"
#include "app/translations.h"
#include "app/varnel.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "export/skinexport.h"
#include "export/skinname.h"
#include "fakedialogs.h"
#include "host/hostfoldersearch.h"
#include "temporarysettings.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// ---- the catalogues, as a translator writes them ----

struct CatalogueMessage {
    QString context;
    QString source;
    bool finished = false;
    QStringList translations; // one, or one for each plural form
};

QList<CatalogueMessage> readCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(path));
    QList<CatalogueMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    CatalogueMessage message;
    bool inTranslation = false;
    bool numerus = false;
    QString text;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const QStringView name = xml.name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = {context, QString(), false, {}};
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                inTranslation = true;
                numerus = false;
                text.clear();
            } else if (name == QLatin1String("numerusform")) {
                numerus = true;
                message.translations.append(xml.readElementText());
            }
        } else if (token == QXmlStreamReader::Characters && inTranslation && !numerus) {
            text += xml.text();
        } else if (token == QXmlStreamReader::EndElement) {
            if (name == QLatin1String("translation")) {
                if (!numerus && !text.isEmpty())
                    message.translations.append(text);
                inTranslation = false;
            } else if (name == QLatin1String("message")) {
                messages.append(message);
            }
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(L?[0-9]{1,2}|L?n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found.append(m.captured());
    found.sort();
    return found;
}

// Qt's own texts, which Qt's catalogue translates; Varnel's leaves them out.
bool isQtsOwn(const CatalogueMessage& message) {
    return message.context == QLatin1String("QSaveFile");
}

const QStringList Languages{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                            QStringLiteral("pt_BR")};

QString cataloguePath(const QString& language) {
    return QStringLiteral(":/ts/varnel_%1.ts").arg(language);
}

// ---- the pseudo-language ----

// Every text bracketed and about 40 % longer, its letters accented: a text on screen that
// is not like this escaped translation, and one that is clips where a longer language
// would.
QString pseudo(const QString& text) {
    static const QString plain = QStringLiteral("aeiouyAEIOUYcnCN");
    static const QString accented = QStringLiteral("áéíóúýÁÉÍÓÚÝçñÇÑ");
    qsizetype extra = std::max<qsizetype>((text.size() * 4 + 9) / 10 - 2, 0);
    QString out = QStringLiteral("⟦");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Placeholders stay as they are: %1, %n, %L1.
        if (c == u'%' && i + 1 < text.size() &&
            (text[i + 1].isDigit() || text[i + 1] == u'n' || text[i + 1] == u'L')) {
            out += c;
            while (i + 1 < text.size() &&
                   (text[i + 1].isDigit() || text[i + 1] == u'n' || text[i + 1] == u'L'))
                out += text[++i];
            continue;
        }
        const qsizetype at = plain.indexOf(c);
        out += at < 0 ? c : accented[at];
        // The vowels are doubled until the text is long enough: words grow, as they do in
        // other languages, and still wrap.
        if (at >= 0 && at < 12 && extra > 0) {
            out += accented[at];
            --extra;
        }
    }
    out += QString(extra, u'~');
    return out + QStringLiteral("⟧");
}

class PseudoTranslator : public QTranslator {
public:
    explicit PseudoTranslator(const QList<CatalogueMessage>& catalogue) {
        for (const CatalogueMessage& m : catalogue)
            if (!isQtsOwn(m))
                m_known.insert(m.context + u'\x04' + m.source);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        const QString source = QString::fromUtf8(sourceText);
        // Only what the catalogue holds: a text lupdate did not find stays English.
        if (!m_known.contains(QString::fromUtf8(context) + u'\x04' + source))
            return QString();
        return pseudo(source);
    }

private:
    QSet<QString> m_known;
};

// The English pieces of every catalogue text between its placeholders, as long as they are
// words: shown, they give away a text that stayed English.
QStringList englishPieces(const QList<CatalogueMessage>& catalogue) {
    static const QRegularExpression placeholder(QStringLiteral("%(L?[0-9]{1,2}|L?n)"));
    QStringList pieces;
    for (const CatalogueMessage& m : catalogue) {
        if (isQtsOwn(m))
            continue;
        for (const QString& piece : m.source.split(placeholder))
            if (piece.count(QRegularExpression(QStringLiteral("[A-Za-z]"))) >= 5 &&
                piece.trimmed().contains(u' '))
                pieces.append(piece.trimmed());
    }
    return pieces;
}

// ---- what the window shows ----

struct Caption {
    QString name;
    QString text;
};

// Each text a label or a button of the window shows.
QList<Caption> captions(QWidget* window) {
    QList<Caption> found;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty())
            found.append({label->objectName(), label->text()});
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible())
            found.append({button->objectName(), button->text()});
    return found;
}

// Why a caption does not fit its control, or nothing when it fits. Labels wrap their words;
// a button's text must fit the room its style leaves beside the frame or the round mark.
QString clipping(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QFontMetrics metrics(label->font());
        for (const QString& word : label->text().split(u' ', Qt::SkipEmptyParts))
            if (metrics.horizontalAdvance(word) > label->contentsRect().width())
                return QStringLiteral("the word \"%1\" is wider than %2 px")
                    .arg(word)
                    .arg(label->contentsRect().width());
        // A one-line label is designed a little lower than its line.
        const int needed = label->heightForWidth(label->width());
        if (needed > std::max(label->height(), label->heightForWidth(QWIDGETSIZE_MAX)))
            return QStringLiteral("it needs %1 px of height, not %2")
                .arg(needed)
                .arg(label->height());
        return QString();
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect room = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
    const int width = button->fontMetrics().horizontalAdvance(button->text());
    if (width > room.width())
        return QStringLiteral("it is %1 px wide in %2 px").arg(width).arg(room.width());
    return QString();
}

struct Window {
    FakeDialogs dialogs;
    SkinWorkspace workspace;
    QTemporaryDir dir;
    std::unique_ptr<Varnel> window;

    Window() {
        QDir(dir.path()).mkpath(QStringLiteral("Host/Skins"));
        keepSettingsIn(dir.filePath(QStringLiteral("settings")));
        window = std::make_unique<Varnel>(dialogs, workspace, dir.filePath(QStringLiteral("Host")));
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("The window did not show");
    }
    template <typename T> T* control(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    QString place(const QString& name, const QByteArray& bytes) const {
        QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("Cannot write %s", qPrintable(path));
        return path;
    }
    void load(const QString& path) {
        dialogs.scriptedFiles = {path};
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    }
    void save(const QString& name) {
        control<QLineEdit>("Text1")->setText(name);
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    }
};

QByteArray picture() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(30, 120, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        m_pseudo.reset();
        installTranslations(QLocale::c());
    }

    void cataloguesAreCompleteAndKeepPlaceholders_data();
    void cataloguesAreCompleteAndKeepPlaceholders();
    void captionsFit_data();
    void captionsFit();
    void pseudoLanguageReachesEveryWindowText();
    void pseudoLanguageReachesEveryMessage();
    void pseudoLanguageReachesTheCommandLine();
    void germanWindowAndMessages();
    void germanCommandLine();

private:
    void usePseudoLanguage();
    QStringList escapedEnglish(const QString& shown) const;

    std::unique_ptr<PseudoTranslator> m_pseudo;
    QStringList m_english;
};

void TestTranslations::usePseudoLanguage() {
    installTranslations(QLocale::c());
    const QList<CatalogueMessage> catalogue = readCatalogue(cataloguePath(QStringLiteral("de")));
    m_english = englishPieces(catalogue);
    m_pseudo = std::make_unique<PseudoTranslator>(catalogue);
    QCoreApplication::installTranslator(m_pseudo.get());
}

// The catalogue's English pieces found in `shown`.
QStringList TestTranslations::escapedEnglish(const QString& shown) const {
    QStringList found;
    for (const QString& piece : m_english)
        if (shown.contains(piece))
            found.append(piece);
    return found;
}

void TestTranslations::cataloguesAreCompleteAndKeepPlaceholders_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::cataloguesAreCompleteAndKeepPlaceholders() {
    QFETCH(QString, language);
    const QList<CatalogueMessage> catalogue = readCatalogue(cataloguePath(language));
    QVERIFY(catalogue.size() > 100);
    for (const CatalogueMessage& m : catalogue) {
        const QString where = m.context + QStringLiteral(": ") + m.source;
        if (isQtsOwn(m)) {
            QVERIFY2(!m.finished, qPrintable(where + " is Qt's own text"));
            continue;
        }
        QVERIFY2(m.finished && !m.translations.isEmpty(), qPrintable(where + " is not translated"));
        for (const QString& translation : m.translations) {
            QVERIFY2(!translation.isEmpty(), qPrintable(where + " has an empty form"));
            QVERIFY2(placeholders(translation) == placeholders(m.source),
                     qPrintable(where + " -> " + translation + ": the placeholders differ"));
        }
    }
}

void TestTranslations::captionsFit_data() {
    QTest::addColumn<QString>("language"); // empty: the pseudo-language
    QTest::newRow("English") << QStringLiteral("en");
    for (const QString& language : Languages)
        QTest::newRow(qPrintable(language)) << language;
    QTest::newRow("pseudo-language") << QString();
}

void TestTranslations::captionsFit() {
    QFETCH(QString, language);
    if (QFontDatabase::families().isEmpty())
        QSKIP("this platform has no fonts: a caption's width cannot be measured");
    if (language.isEmpty())
        usePseudoLanguage();
    else
        installTranslations(QLocale(language));
    Window w;
    // With Fill chosen and a picture loaded, every control is as the user sees it.
    w.load(w.place(QStringLiteral("p.bmp"), picture()));
    QTest::mouseClick(w.control<QRadioButton>("optFill"), Qt::LeftButton, {}, QPoint(8, 12));
    QStringList clipped;
    for (QWidget* widget : w.window->findChildren<QWidget*>()) {
        if (!widget->isVisible() ||
            !(qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)))
            continue;
        if (const QString why = clipping(widget); !why.isEmpty())
            clipped.append(widget->objectName() + QStringLiteral(" \"") +
                           widget->property("text").toString() + QStringLiteral("\": ") + why);
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

void TestTranslations::pseudoLanguageReachesEveryWindowText() {
    usePseudoLanguage();
    Window w;
    w.load(w.place(QStringLiteral("p.bmp"), picture()));
    QTest::mouseClick(w.control<QRadioButton>("optFill"), Qt::LeftButton, {}, QPoint(8, 12));
    QStringList texts{w.window->windowTitle()};
    for (const Caption& caption : captions(w.window.get()))
        texts.append(caption.text);
    for (QWidget* widget : w.window->findChildren<QWidget*>()) {
        for (const QString& text :
             {widget->accessibleName(), widget->accessibleDescription(), widget->toolTip()})
            if (!text.isEmpty())
                texts.append(text);
    }
    QVERIFY(texts.size() > 25);
    for (const QString& text : texts)
        QVERIFY2(text.startsWith(u'⟦'), qPrintable(text + " escaped translation"));
    QVERIFY2(w.dialogs.messages.isEmpty(), qPrintable(w.dialogs.messages.join(u'\n')));
    QVERIFY(w.dialogs.openFileRequests.constFirst().startsWith(u'⟦'));
    // The file dialog's title and every filter's caption.
    const OpenFileRequest dialog = w.dialogs.openFileCalls.constFirst();
    QVERIFY2(dialog.title.startsWith(u'⟦'), qPrintable(dialog.title));
    QVERIFY(dialog.filters.size() >= 3);
    for (const FileFilter& filter : dialog.filters)
        QVERIFY2(filter.description.startsWith(u'⟦'), qPrintable(filter.description));
}

void TestTranslations::pseudoLanguageReachesEveryMessage() {
    usePseudoLanguage();
    const std::pair<const char*, std::function<void(Window&)>> failures[] = {
        {"missing picture",
         [](Window& w) {
             w.load(w.dir.filePath(QStringLiteral("none.jpg")));
         }},
        {"empty picture",
         [](Window& w) {
             w.load(w.place(QStringLiteral("e.jpg"), {}));
         }},
        {"not a picture",
         [](Window& w) {
             w.load(w.place(QStringLiteral("t.bmp"), "just some text"));
         }},
        {"a folder",
         [](Window& w) {
             w.load(w.dir.path());
         }},
        {"cut bitmap",
         [](Window& w) {
             w.load(w.place(QStringLiteral("c.bmp"), picture().left(80)));
         }},
        {"save before a picture",
         [](Window& w) {
             w.save(QStringLiteral("Early"));
         }},
        {"no name",
         [](Window& w) {
             w.load(w.place(QStringLiteral("p.bmp"), picture()));
             w.save(QString());
         }},
        {"slash in the name",
         [](Window& w) {
             w.load(w.place(QStringLiteral("p.bmp"), picture()));
             w.save(QStringLiteral("a/b"));
         }},
        {"a device name",
         [](Window& w) {
             w.load(w.place(QStringLiteral("p.bmp"), picture()));
             w.save(QStringLiteral("CON"));
         }},
        {"no Skins folder",
         [](Window& w) {
             w.load(w.place(QStringLiteral("p.bmp"), picture()));
             QDir(w.dir.filePath(QStringLiteral("Host/Skins"))).removeRecursively();
             w.save(QStringLiteral("Lake"));
         }},
        {"saved",
         [](Window& w) {
             w.load(w.place(QStringLiteral("p.bmp"), picture()));
             w.save(QStringLiteral("Lake"));
         }},
    };
    for (const auto& [name, failure] : failures) {
        Window w;
        w.window->setProgramFolder(w.dir.path());
        w.place(QStringLiteral("DefaultSkin.txt"), "Font=Tahoma\r\n");
        failure(w);
        QVERIFY2(w.dialogs.messages.size() == 1, name);
        const QString shown = w.dialogs.messages.constFirst();
        QVERIFY2(shown.startsWith(u'⟦'), qPrintable(QString::fromLatin1(name) + ": " + shown));
        QVERIFY2(escapedEnglish(shown).isEmpty(),
                 qPrintable(shown + ": " + escapedEnglish(shown).join(u'|')));
        // The details: sentences translated, file names as they are.
        for (const QString& line : w.dialogs.details.constFirst().split(u'\n'))
            QVERIFY2(line.isEmpty() || line.startsWith(QLatin1String("  ")) ||
                         line.startsWith(u'⟦'),
                     qPrintable(line));
    }

    // The start-up message's details: every place looked at and why.
    HostFolderSearch search;
#ifdef Q_OS_WIN
    search = findHostFolder();
#else
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral(".wine/dosdevices"));
    search = findHostFolder(WinePrefix::Environment{home.path(), QString(), home.path()});
#endif
    const QString details = noHostFolderDetails(search);
    QVERIFY(!search.misses.isEmpty());
    QVERIFY2(escapedEnglish(details).isEmpty(), qPrintable(escapedEnglish(details).join(u'|')));
    for (const QString& line : details.split(u'\n'))
        QVERIFY2(line.isEmpty() || line.trimmed().startsWith(u'⟦') ||
                     line.startsWith(QLatin1String("Directory=")),
                 qPrintable(line));
}

void TestTranslations::pseudoLanguageReachesTheCommandLine() {
    usePseudoLanguage();
    const QStringList wrong[] = {
        {QStringLiteral("--where"), QStringLiteral("x.jpg")},
        {QStringLiteral("--hue"), QStringLiteral("300")},
        {QStringLiteral("--tint"), QStringLiteral("soft")},
        {QStringLiteral("--tint"), QStringLiteral("auto"), QStringLiteral("--hue"),
         QStringLiteral("3")},
        {QStringLiteral("--fit"), QStringLiteral("tile")},
        {QStringLiteral("--focus"), QStringLiteral("0.5,0.5"), QStringLiteral("x.jpg")},
        {QStringLiteral("--fit"), QStringLiteral("fill"), QStringLiteral("--focus"),
         QStringLiteral("2,2"), QStringLiteral("x.jpg")},
        {QStringLiteral("--host-folder"), QString()},
        {QStringLiteral("a.jpg"), QStringLiteral("b.jpg")},
        {QStringLiteral("--tint"), QStringLiteral("auto")},
        {QStringLiteral("--fit"), QStringLiteral("fill"), QStringLiteral("--focus"),
         QStringLiteral("0.1,0.1")},
        {QStringLiteral("--export"), QStringLiteral("Lake")},
    };
    for (const QStringList& arguments : wrong) {
        const ParsedCommandLine parsed = parseCommandLine(QStringList{"varnel"} + arguments);
        QCOMPARE(parsed.status, 2);
        // The frame and the reason inside it.
        QVERIFY2(parsed.text.startsWith(u'⟦') && parsed.text.count(u'⟦') == 2,
                 qPrintable(parsed.text));
        QVERIFY2(escapedEnglish(parsed.text).isEmpty(), qPrintable(parsed.text));
    }
    const QString help = parseCommandLine({"varnel", "--help"}).text;
    QVERIFY2(escapedEnglish(help).isEmpty(), qPrintable(escapedEnglish(help).join(u'|')));
    // The description and each of Varnel's options and arguments; Qt's own texts are
    // Qt's catalogue's.
    QCOMPARE(help.count(u'⟦'), 11);
    // --export's own messages come from the export: a name the skins cannot have.
    QVERIFY(skinNameProblem(QStringLiteral("a|b")).startsWith(u'⟦'));
    QVERIFY(skinPathProblem(QStringLiteral("C:\\N"), QString(300, u'x')).startsWith(u'⟦'));
}

void TestTranslations::germanWindowAndMessages() {
    installTranslations(QLocale(QStringLiteral("de_DE")));
    Window w;
    QCOMPARE(w.control<QPushButton>("Command1")->text(), QStringLiteral("Bild laden"));
    QCOMPARE(w.control<QPushButton>("Command2")->text(), QStringLiteral("Speichern"));
    w.load(w.dir.filePath(QStringLiteral("fehlt.jpg")));
    // The system's reason follows, in Qt's German words.
    QCOMPARE(w.dialogs.messages.size(), 1);
    const QString shown = w.dialogs.messages.constFirst();
    QVERIFY2(shown.startsWith(QStringLiteral("Das Bild konnte nicht geladen werden: %1 (kann nicht "
                                             "geöffnet werden: ")
                                  .arg(QDir::toNativeSeparators(w.dir.filePath("fehlt.jpg")))),
             qPrintable(shown));
    QVERIFY2(!shown.contains(QLatin1String("No such file")), qPrintable(shown));
    w.load(w.place(QStringLiteral("p.bmp"), picture()));
    w.save(QString());
    QCOMPARE(w.dialogs.messages.constLast(),
             QStringLiteral("Geben Sie einen Namen für Ihren Skin ein."));
}

void TestTranslations::germanCommandLine() {
#ifdef Q_OS_WIN
    QSKIP("Windows takes the language from the user's settings, not from LANG");
#else
    const auto run = [](const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No display either: the window's start says it cannot open.
        for (const char* name :
             {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VARNEL_EXECUTABLE), arguments,
                      QIODevice::ReadOnly | QIODevice::Text);
        process.waitForFinished(60000);
        return std::pair{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput() +
                                                               process.readAllStandardError())};
    };
    const auto [helpStatus, help] = run({QStringLiteral("--help")});
    QCOMPARE(helpStatus, 0);
    QVERIFY2(help.contains(QStringLiteral("Macht aus einem Bild einen Skin für Norvo 7.")),
             qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("Optionen:")), qPrintable(help)); // Qt's own catalogue
    const auto [status, error] = run({QStringLiteral("--fit"), QStringLiteral("tile")});
    QCOMPARE(status, 2);
    QVERIFY2(error.startsWith(QStringLiteral("varnel: --fit muss stretch oder fill sein")),
             qPrintable(error));
    // Worded before Qt, making the window's application object, ends the process.
    const auto [windowStatus, cannotOpen] = run({});
    QCOMPARE(windowStatus, 1);
    QVERIFY2(cannotOpen.contains(
                 QStringLiteral("varnel: Das Fenster kann nicht geöffnet werden: Es ist keine "
                                "Anzeige verfügbar")),
             qPrintable(cannotOpen));
#endif
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
