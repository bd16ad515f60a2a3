#include "app/cli.h"
#include "app/qtdialogs.h"
#include "app/translations.h"
#include "app/varnel.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "export/filereplace.h"
#include "export/skinexport.h"
#include "export/skinname.h"
#include "fakedialogs.h"
#include "host/hostfoldersearch.h"
#include "packaging/desktoptexts.h"
#include "temporarysettings.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>
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
    std::unique_ptr<SaveLock> otherSave;
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
    // Save Skin while another save of the skin runs: the window shows what it waits for.
    void saveWhileAnotherRuns(const QString& name) {
        window->setProgramFolder(dir.path());
        place(QStringLiteral("DefaultSkin.txt"), "Font=Tahoma\r\n");
        otherSave = std::make_unique<SaveLock>(
            dir.filePath(QStringLiteral("Host/Skins/%1.skn.varnel-lock").arg(name.toLower())));
        if (otherSave->lock(0) != SaveLock::Outcome::Locked)
            qFatal("The other save's lock could not be taken");
        save(name);
        if (!control<QLabel>("lblSaveWait")->isVisible())
            qFatal("Save Skin did not wait: %s", qPrintable(dialogs.messages.join(u'\n')));
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

// ---- Qt's own texts on Varnel's screens ----

// A text Varnel shows from Qt's catalogue, by where it is shown: the same key in English and
// in a language, so that the two can be compared.
using ShownTexts = QList<std::pair<QString, QString>>;

// The pieces of the --help text between runs of blanks: the option names and each line of
// the descriptions, as the reader sees them.
QStringList helpPieces(const QString& help) {
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    QStringList pieces;
    for (const QString& line : help.split(u'\n'))
        for (const QString& piece : line.split(blanks, Qt::SkipEmptyParts))
            pieces.append(piece.trimmed());
    return pieces;
}

// Each visible label, button, tool tip and header section of a dialog, and the Type column
// of `folder` in its list, keyed by the widget's place among the dialog's children.
ShownTexts dialogTexts(QWidget* dialog, const QString& folder = QString()) {
    ShownTexts texts{{QStringLiteral("title"), dialog->windowTitle()}};
    const QList<QWidget*> widgets = dialog->findChildren<QWidget*>();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget* widget = widgets[i];
        if (!widget->isVisible())
            continue;
        const QString key = widget->metaObject()->className() + QStringLiteral(" %1 ").arg(i) +
                            widget->objectName();
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
            texts.append({key, label->text()});
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && !button->text().isEmpty())
            texts.append({key, button->text()});
        if (qobject_cast<QToolButton*>(widget) && !widget->toolTip().isEmpty())
            texts.append({key + QStringLiteral(" tip"), widget->toolTip()});
    }
    if (auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        for (int section = 0; section < view->model()->columnCount(); ++section)
            if (!view->header()->isSectionHidden(section))
                texts.append({QStringLiteral("column %1").arg(section),
                              view->model()->headerData(section, Qt::Horizontal).toString()});
    }
    if (!folder.isEmpty()) {
        auto* model = dialog->findChild<QFileSystemModel*>();
        const QModelIndex name = model->index(folder);
        const QModelIndex type = name.siblingAtColumn(2);
        // The model learns a folder's kind from its own thread.
        if (QTest::qWaitFor([&] { return !model->data(type).toString().isEmpty(); }))
            texts.append({QStringLiteral("type of a folder"), model->data(type).toString()});
        else
            texts.append({QStringLiteral("type of a folder"), QStringLiteral("(never shown)")});
    }
    return texts;
}

// The texts that are the same in a language as in English, and rightly so: the program's
// name, and words the language shares.
bool sameInLanguage(const QString& language, const QString& text) {
    if (text == QLatin1String("Varnel"))
        return true;
    static const QMultiHash<QString, QString> same{
        {QStringLiteral("de"), QStringLiteral("OK")},
        {QStringLiteral("de"), QStringLiteral("Name")},
        {QStringLiteral("fr"), QStringLiteral("OK")},
        {QStringLiteral("fr"), QStringLiteral("Type")},
        {QStringLiteral("pt_BR"), QStringLiteral("OK")},
    };
    return same.contains(language, text);
}

// Each text shown in English that the language shows unchanged, unless it is the same word
// there.
QStringList englishLeft(const ShownTexts& english, const ShownTexts& translated,
                        const QString& language) {
    QStringList left;
    for (const auto& [key, text] : english) {
        if (!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))) ||
            sameInLanguage(language, text))
            continue;
        for (const auto& [otherKey, otherText] : translated)
            if (otherKey == key && otherText == text)
                left.append(key + QStringLiteral(": \"") + text + u'"');
    }
    return left;
}

#ifdef VARNEL_DESKTOP_ENTRY
// The desktop entry's keys are capitalised, the metadata's elements are not.
bool isDesktopEntryKey(const DesktopText& text) {
    return QChar::fromLatin1(*text.key).isUpper();
}
#endif

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
    void qtTextsInHelp_data();
    void qtTextsInHelp();
    void qtTextsInFileDialog_data();
    void qtTextsInFileDialog();
    void qtTextsInMessageBox_data();
    void qtTextsInMessageBox();
    void desktopFilesFollowTheCatalogues();

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
    w.saveWhileAnotherRuns(QStringLiteral("Lake"));
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
    w.saveWhileAnotherRuns(QStringLiteral("Lake"));
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

    // The question before a skin is replaced, and its button.
    {
        Window w;
        w.window->setProgramFolder(w.dir.path());
        w.place(QStringLiteral("DefaultSkin.txt"), "Font=Tahoma\r\n");
        w.place(QStringLiteral("Host/Skins/Lake.skn"), "an earlier skin");
        w.load(w.place(QStringLiteral("p.bmp"), picture()));
        w.save(QStringLiteral("Lake"));
        QCOMPARE(w.dialogs.questions.size(), 1);
        for (const QString& part : w.dialogs.questions.constFirst().split(u'|'))
            QVERIFY2(part.startsWith(u'⟦') && escapedEnglish(part).isEmpty(), qPrintable(part));
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

void TestTranslations::qtTextsInHelp_data() {
    cataloguesAreCompleteAndKeepPlaceholders_data();
}

// Qt's own options in --help (and every other piece of it) are in the language.
void TestTranslations::qtTextsInHelp() {
    QFETCH(QString, language);
    const QString english = parseCommandLine({"varnel", "--help"}).text;
    installTranslations(QLocale(language));
    const QString translated = parseCommandLine({"varnel", "--help"}).text;
    // Qt's own options are there, --help-all's line too.
    QVERIFY(english.contains(QLatin1String("--help-all")));
    QVERIFY(translated.contains(QLatin1String("--help-all")));
    // Each English piece of the help found anywhere in the translated one.
    QStringList left;
    for (const QString& piece : helpPieces(english))
        if (!piece.startsWith(u'-') && piece.contains(u' ') && translated.contains(piece))
            left.append(piece);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
}

void TestTranslations::qtTextsInFileDialog_data() {
    cataloguesAreCompleteAndKeepPlaceholders_data();
}

// The open dialog as Load Image shows it where no native one is used: its labels, buttons,
// tool tips, column names and the kind of a folder.
void TestTranslations::qtTextsInFileDialog() {
    QFETCH(QString, language);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Pictures")));
    const QString folder = dir.filePath(QStringLiteral("Pictures"));
    const auto shown = [&] {
        OpenFileRequest request;
        request.title = QCoreApplication::translate("Varnel", "Load Image", "file dialog title");
        request.filters = {{QCoreApplication::translate("Varnel", "Images Files (*.bmp;*.jpg)"),
                            {QStringLiteral("*.bmp"), QStringLiteral("*.jpg")}}};
        const std::unique_ptr<QFileDialog> dialog = makeOpenFileDialog(nullptr, request);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setViewMode(QFileDialog::Detail);
        dialog->setDirectory(dir.path());
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            qFatal("The file dialog did not show");
        return dialogTexts(dialog.get(), folder);
    };
    const ShownTexts english = shown();
    installTranslations(QLocale(language));
    const ShownTexts translated = shown();
    QVERIFY2(english.size() > 10, qPrintable(QString::number(english.size())));
    // "Folder", or "File Folder" on Windows.
    const auto folderType = std::find_if(english.begin(), english.end(), [](const auto& text) {
        return text.first == QLatin1String("type of a folder");
    });
    QVERIFY(folderType != english.end() && folderType->second.endsWith(QLatin1String("Folder")));
    const QStringList left = englishLeft(english, translated, language);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
}

void TestTranslations::qtTextsInMessageBox_data() {
    cataloguesAreCompleteAndKeepPlaceholders_data();
}

// The message box's buttons, with its details shown and hidden.
void TestTranslations::qtTextsInMessageBox() {
    QFETCH(QString, language);
    const auto shown = [] {
        const std::unique_ptr<QMessageBox> box =
            makeMessageBox(nullptr, QStringLiteral("-"), QStringLiteral("details"));
        box->show();
        if (!QTest::qWaitForWindowExposed(box.get()))
            qFatal("The message box did not show");
        ShownTexts texts = dialogTexts(box.get());
        for (QAbstractButton* button : box->buttons())
            if (box->buttonRole(button) == QMessageBox::ActionRole) {
                QTest::mouseClick(button, Qt::LeftButton);
                texts.append({QStringLiteral("details shown"), button->text()});
            }
        return texts;
    };
    const ShownTexts english = shown();
    installTranslations(QLocale(language));
    const ShownTexts translated = shown();
    QVERIFY(english.contains({QStringLiteral("details shown"), QStringLiteral("Hide Details...")}));
    const QStringList left = englishLeft(english, translated, language);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
}

// The desktop entry and the AppStream metadata the build writes hold, for every language,
// each Desktop text's translation from that language's catalogue, beside the English.
void TestTranslations::desktopFilesFollowTheCatalogues() {
#ifndef VARNEL_DESKTOP_ENTRY
    QSKIP("This platform installs no desktop entry");
#else
    QFile desktopFile(QStringLiteral(VARNEL_DESKTOP_ENTRY));
    QVERIFY(desktopFile.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList entry = QString::fromUtf8(desktopFile.readAll()).split(u'\n');
    // element -> language ("" for English) -> texts, as a software centre reads them
    QHash<QString, QHash<QString, QStringList>> metainfo;
    QFile metainfoFile(QStringLiteral(VARNEL_METAINFO));
    QVERIFY(metainfoFile.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&metainfoFile);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString();
            const QString language = xml.attributes().value(QLatin1String("xml:lang")).toString();
            if (name == QLatin1String("summary") || name == QLatin1String("p") ||
                name == QLatin1String("li") || name == QLatin1String("caption"))
                metainfo[name][language].append(xml.readElementText().simplified());
        }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    for (const QString& language : Languages) {
        QHash<QString, QString> translations;
        for (const CatalogueMessage& m : readCatalogue(cataloguePath(language)))
            if (m.context == QLatin1String("Desktop") && m.finished)
                translations.insert(m.source, m.translations.value(0));
        for (const DesktopText& text : DesktopTexts) {
            const QString key = QLatin1String(text.key);
            const QString english = QString::fromUtf8(text.text);
            const QString translated = translations.value(english);
            QVERIFY2(!translated.isEmpty(),
                     qPrintable(language + ": \"" + english + "\" is not translated"));
            if (isDesktopEntryKey(text)) {
                QVERIFY2(entry.contains(key + u'=' + english), qPrintable(key));
                QVERIFY2(entry.contains(QStringLiteral("%1[%2]=%3").arg(key, language, translated)),
                         qPrintable(language + ": " + key + " is not \"" + translated + '"'));
            } else {
                QVERIFY2(metainfo[key][QString()].contains(english), qPrintable(english));
                QVERIFY2(
                    metainfo[key][language].contains(translated),
                    qPrintable(language + ": <" + key + "> \"" + translated + "\" is missing"));
            }
        }
        // Nothing in the files that the catalogue does not give.
        const qsizetype entryKeys =
            std::count_if(std::begin(DesktopTexts), std::end(DesktopTexts), isDesktopEntryKey);
        QCOMPARE(entry.filter(QStringLiteral("[%1]=").arg(language)).size(), entryKeys);
        qsizetype elements = 0;
        for (const auto& languages : std::as_const(metainfo))
            elements += languages.value(language).size();
        QCOMPARE(elements, qsizetype(std::size(DesktopTexts)) - entryKeys);
    }
#endif
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
