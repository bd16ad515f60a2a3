#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "export/codepage.h"
#include "export/skindescription.h"
#include "export/skinexport.h"
#include "export/skinname.h"
#include "tests/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QImage picture(QRgb a, QRgb b) {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, (x + y) % 2 ? a : b);
    return image;
}

const QByteArray Template = "Font=Tahoma\r\nTextColor=000000\r\n";

// A host folder with Skins, a program folder with its template, and a loaded workspace.
struct Fixture {
    QTemporaryDir dir;
    QString host = dir.filePath("Host");
    QString program = dir.filePath("Program");
    SkinWorkspace ws;

    Fixture() {
        QDir(dir.path()).mkpath("Host/Skins");
        QDir(dir.path()).mkpath("Program");
        writeAll(program + "/DefaultSkin.txt", Template);
        loadDecodedPicture(ws, picture(qRgb(10, 200, 30), qRgb(250, 250, 0)), MenuTint{20, -10, 5});
    }
    QString skins() const { return host + "/Skins/"; }
    QMap<QString, QByteArray> snapshot() const {
        QMap<QString, QByteArray> files;
        for (const QString& name : QDir(skins()).entryList(QDir::Files))
            files[name] = readAll(skins() + name);
        return files;
    }
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void description_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("templ");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray lines = "ConsoleBorderImage=OceanConsole.bmp\r\n"
                                 "SceneWindowImage=OceanScene.bmp\r\n"
                                 "ChatWindowImage=OceanChat.bmp\r\n"
                                 "MainWindowImage=OceanMain.bmp\r\n"
                                 "Skin=Ocean.bmp\r\n";
        QTest::newRow("worked example")
            << QByteArray("Ocean") << QByteArray("T") << lines + "T\r\n";
        QTest::newRow("template without a final line end")
            << QByteArray("Ocean") << QByteArray("A=1\r\nB=2") << lines + "A=1\r\nB=2\r\n";
        QTest::newRow("empty template") << QByteArray("Ocean") << QByteArray() << lines + "\r\n";
        QTest::newRow("template ending in CR LF")
            << QByteArray("Ocean") << QByteArray("A=1\r\n") << lines + "A=1\r\n\r\n";
        QTest::newRow("name with blanks kept")
            << QByteArray(" Sea ") << QByteArray("T")
            << QByteArray("ConsoleBorderImage= Sea Console.bmp\r\nSceneWindowImage= Sea "
                          "Scene.bmp\r\nChatWindowImage= Sea Chat.bmp\r\nMainWindowImage= Sea "
                          "Main.bmp\r\nSkin= Sea .bmp\r\nT\r\n");
    }
    void description() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, templ);
        QFETCH(QByteArray, expected);
        QCOMPARE(buildSkinDescription(name, templ), expected);
    }

    void codePage() {
        QCOMPARE(encodeForHost(QString::fromUtf8("Café €")), QByteArray("Caf\xE9 \x80"));
        QVERIFY(!encodeForHost(QString::fromUtf8("海")).has_value());
        QVERIFY(!encodeForHost(QString(QChar(0x81))).has_value());
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem"); // a word of the message, or empty when allowed
        QTest::newRow("plain") << "Ocean"
                               << "";
        QTest::newRow("leading and trailing blanks") << " Ocean "
                                                     << "";
        QTest::newRow("only a blank") << " "
                                      << "Enter a name for your Skin.";
        QTest::newRow("only blanks") << "   "
                                     << "Enter a name for your Skin.";
        QTest::newRow("one dot") << "."
                                 << "Enter a name for your Skin.";
        QTest::newRow("two dots") << ".."
                                  << "Enter a name for your Skin.";
        QTest::newRow("dots and blanks") << ". ."
                                         << "Enter a name for your Skin.";
        QTest::newRow("a dot inside a name") << "a.b"
                                             << "";
        QTest::newRow("a leading dot before letters") << ".Ocean"
                                                      << "";
        QTest::newRow("western letters") << QString::fromUtf8("Été €") << "";
        QTest::newRow("device name inside a longer word") << "Console"
                                                          << "";
        QTest::newRow("empty") << ""
                               << "Enter a name for your Skin.";
        QTest::newRow("slash") << "a/b"
                               << "Skins folder";
        QTest::newRow("backslash") << "..\\b"
                                   << "Skins folder";
        QTest::newRow("colon") << "c:x"
                               << ": * ?";
        QTest::newRow("star") << "a*"
                              << ": * ?";
        QTest::newRow("question mark") << "a?"
                                       << ": * ?";
        QTest::newRow("quote") << "a\"b"
                               << ": * ?";
        QTest::newRow("angle brackets") << "<a>"
                                        << ": * ?";
        QTest::newRow("bar") << "a|b"
                             << ": * ?";
        QTest::newRow("tab") << "a\tb"
                             << "control";
        QTest::newRow("newline") << "a\nb"
                                 << "control";
        QTest::newRow("CON") << "CON"
                             << "device";
        QTest::newRow("con in lower case") << "con"
                                           << "device";
        QTest::newRow("NUL with a trailing blank") << "NUL "
                                                   << "device";
        QTest::newRow("COM1") << "com1"
                              << "device";
        QTest::newRow("LPT9") << "Lpt9"
                              << "device";
        QTest::newRow("outside the code page") << QString::fromUtf8("海") << "cannot read";
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        const QString got = skinNameProblem(name);
        if (problem.isEmpty())
            QVERIFY2(got.isEmpty(), qPrintable(got));
        else
            QVERIFY2(got.contains(problem), qPrintable(got));
    }

    // The host runs on Windows: each of the five files' full path, with its terminator, must
    // stay within 260 characters. The Console bitmap's ending, "Console.bmp", is the longest.
    void namesTheHostCanOpen_data() {
        QTest::addColumn<QString>("windowsHost");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("problem"); // empty when the name is allowed
        const QString programFiles = QStringLiteral("C:\\Program Files\\Norvo 7");
        const QString fits217 = QStringLiteral("at most 217 characters");
        // 24 + "\Skins\" 7 + name + "Console.bmp" 11 + terminator 1 <= 260: 217.
        QTest::newRow("longest that fits") << programFiles << 217 << QString();
        QTest::newRow("one more") << programFiles << 218 << fits217;
        QTest::newRow("220 characters, as reported") << programFiles << 220 << fits217;
        QTest::newRow("240 characters: no file would open") << programFiles << 240 << fits217;
        QTest::newRow("host folder ending in a backslash: the doubled one counts")
            << programFiles + u'\\' << 217 << QStringLiteral("at most 216 characters");
        QTest::newRow("short host folder")
            << QStringLiteral("C:\\N7") << 237 << QStringLiteral("at most 236 characters");
        QTest::newRow("host folder too deep for any name")
            << QStringLiteral("C:\\") + QString(240, u'd') << 1 << QStringLiteral("too deep");
        QTest::newRow("Windows path not known: no limit") << QString() << 300 << QString();
    }
    void namesTheHostCanOpen() {
        QFETCH(QString, windowsHost);
        QFETCH(int, length);
        QFETCH(QString, problem);
        const QString name(length, u'n');
        const QString got = skinPathProblem(windowsHost, name);
        if (problem.isEmpty()) {
            QVERIFY2(got.isEmpty(), qPrintable(got));
            const QString longest = windowsHost + "\\Skins\\" + name + "Console.bmp";
            QVERIFY(windowsHost.isEmpty() || longest.size() + 1 <= 260);
        } else {
            QVERIFY2(got.contains(problem), qPrintable(got));
        }
    }

    void pathsAreJoinedAsPlainStrings() {
        const QString sep = folderSeparator();
        const SkinPaths p = skinPaths("/h", " Sea ");
        QCOMPARE(p.skinsFolder, "/h" + sep + "Skins" + sep);
        QCOMPARE(p.bitmap(SurfaceId::Main), p.skinsFolder + " Sea Main.bmp");
        QCOMPARE(p.bitmap(SurfaceId::Console), p.skinsFolder + " Sea Console.bmp");
        QCOMPARE(p.description, p.skinsFolder + " Sea .skn");
        // A host folder that ends in a separator keeps it: the separator doubles.
        QCOMPARE(skinPaths("/h" + sep, "X").skinsFolder, "/h" + sep + sep + "Skins" + sep);
    }

    void exportWritesTheFiveFilesExactly() {
        Fixture f;
        const QStringList written = exportSkin(f.ws.finishedSurfaces(), f.host, "Ocean", f.program);
        QCOMPARE(written, skinPaths(f.host, "Ocean").all());
        QCOMPARE(QDir(f.skins()).entryList(QDir::Files).size(), 5);

        const QByteArray skn = readAll(f.skins() + "Ocean.skn");
        QCOMPARE(skn, buildSkinDescription("Ocean", Template));

        const std::pair<QString, SurfaceId> bitmaps[] = {{"OceanMain.bmp", SurfaceId::Main},
                                                         {"OceanScene.bmp", SurfaceId::Scene},
                                                         {"OceanChat.bmp", SurfaceId::Chat},
                                                         {"OceanConsole.bmp", SurfaceId::Console}};
        for (const auto& [file, id] : bitmaps) {
            const QByteArray bmp = readAll(f.skins() + file);
            QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
            QImage back;
            QVERIFY(back.loadFromData(bmp, "BMP"));
            QCOMPARE(back.convertToFormat(QImage::Format_RGB32), f.ws.finishedSurfaces()[id]);
        }
    }

    void blanksAroundTheNameAppearInEveryFileName() {
        Fixture f;
        exportSkin(f.ws.finishedSurfaces(), f.host, " Sea ", f.program);
        QCOMPARE(QDir(f.skins()).entryList(QDir::Files),
                 QStringList({" Sea .skn", " Sea Chat.bmp", " Sea Console.bmp", " Sea Main.bmp",
                              " Sea Scene.bmp"}));
    }

    void aHostFolderEndingInASeparatorStillExports() {
        Fixture f;
        const QString sep = folderSeparator();
        const QStringList written =
            exportSkin(f.ws.finishedSurfaces(), f.host + sep, "Ocean", f.program);
        QVERIFY(written.constFirst().contains("Host" + sep + sep + "Skins" + sep));
        QVERIFY(QFile::exists(f.skins() + "OceanMain.bmp"));
    }

    void exportingTwiceReplacesEveryFile() {
        Fixture f;
        exportSkin(f.ws.finishedSurfaces(), f.host, "Ocean", f.program);
        const QByteArray firstSkn = readAll(f.skins() + "Ocean.skn");
        loadDecodedPicture(f.ws, picture(qRgb(1, 2, 3), qRgb(4, 5, 6)), MenuTint{});
        exportSkin(f.ws.finishedSurfaces(), f.host, "Ocean", f.program);
        QCOMPARE(readAll(f.skins() + "Ocean.skn"), firstSkn); // replaced, not grown
        QImage main(f.skins() + "OceanMain.bmp");
        QCOMPARE(main.convertToFormat(QImage::Format_RGB32),
                 f.ws.finishedSurfaces()[SurfaceId::Main]);
        QCOMPARE(QDir(f.skins()).entryList(QDir::Files).size(), 5);
    }

    // The host's file system ignores letter case: a Skins folder spelt "skins" is its Skins
    // folder, and "quad" is the skin "Quad".
    void skinsFolderAndSkinNamesIgnoreLetterCase() {
        Fixture f;
        QVERIFY(QDir(f.host).rename("Skins", "skins"));
        const QString skins = f.host + "/skins/";
        exportSkin(f.ws.finishedSurfaces(), f.host, "Quad", f.program);
        QCOMPARE(QDir(skins).entryList(QDir::Files | QDir::Hidden).size(), 5);

        loadDecodedPicture(f.ws, picture(qRgb(1, 2, 3), qRgb(4, 5, 6)), MenuTint{});
        const QStringList written = exportSkin(f.ws.finishedSurfaces(), f.host, "quad", f.program);
#ifdef Q_OS_WIN
        // Windows itself finds "skins" by the name "Skins".
        const Qt::CaseSensitivity fileNames = Qt::CaseInsensitive;
#else
        const Qt::CaseSensitivity fileNames = Qt::CaseSensitive;
#endif
        QVERIFY2(QDir::fromNativeSeparators(written.constFirst()).startsWith(skins, fileNames),
                 qPrintable(written.constFirst()));
        const QStringList left = QDir(skins).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QCOMPARE(left.size(), 5);
#ifndef Q_OS_WIN
        // Where the file system keeps both spellings apart, the one just saved is left.
        QCOMPARE(left, (QStringList{"quad.skn", "quadChat.bmp", "quadConsole.bmp", "quadMain.bmp",
                                    "quadScene.bmp"}));
#endif
        QImage main(skins + "quadMain.bmp");
        QCOMPARE(main.convertToFormat(QImage::Format_RGB32),
                 f.ws.finishedSurfaces()[SurfaceId::Main]);
    }

    // A save killed part way leaves its temporaries; the next save of the name removes
    // them, whether it then succeeds or fails, and never a file of the user's beside the skin.
    void onlyVarnelsOwnLeftoversAreRemoved_data() {
        QTest::addColumn<bool>("saveFails");
        QTest::newRow("save succeeds") << false;
        QTest::newRow("save fails") << true;
    }
    void onlyVarnelsOwnLeftoversAreRemoved() {
        QFETCH(bool, saveFails);
        Fixture f;
        const QStringList leftovers = {
            "OceanScene.bmp.varnel-staged-Ab12Cd", "OceanMain.bmp.varnel-aside-zzzzzz",
            "oceanconsole.bmp.varnel-staged-000000", "Ocean.skn.varnel-aside-q1w2e3"};
        // Names a user gives: backups, notes, and what a skin's own name plus a dot and six
        // letters or digits looks like.
        const QStringList users = {"Ocean.skn.backup",
                                   "OceanMain.bmp.backup",
                                   "OceanChat.bmp.notes1",
                                   "ocean.skn.OLD",
                                   "OceanMain.bmp.old123",
                                   "ocean.skn.lock",
                                   "OceanScene.bmp.varnel-staged-abcdefg",
                                   "OtherMain.bmp.varnel-staged-abcdef",
                                   "OceanScene.bmp.keep"};
        for (const QString& name : leftovers + users)
            writeAll(f.skins() + name, "mine: " + name.toUtf8());
        if (saveFails)
            QDir(f.skins()).mkdir("OceanChat.bmp");

        bool failed = false;
        try {
            exportSkin(f.ws.finishedSurfaces(), f.host, "Ocean", f.program);
        } catch (const ExportError& e) {
            failed = true;
            QVERIFY2(e.message().contains("No file was changed."), qPrintable(e.message()));
        }
        QCOMPARE(failed, saveFails);
        for (const QString& name : users)
            QCOMPARE(readAll(f.skins() + name), "mine: " + name.toUtf8());
        for (const QString& name : leftovers)
            QVERIFY2(!QFileInfo::exists(f.skins() + name), qPrintable(name));
        QStringList expected = users;
        if (!saveFails)
            expected += QStringList{"OceanMain.bmp", "OceanScene.bmp", "OceanChat.bmp",
                                    "OceanConsole.bmp", "Ocean.skn"};
        expected.sort();
        QCOMPARE(QDir(f.skins()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }

    void failuresLeaveTheEarlierSkinWhole_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused name") << "name"
                                      << "control characters";
        QTest::newRow("name too long for the host's Windows folder") << "longname"
                                                                     << "at most";
        QTest::newRow("name of blanks only") << "blanks"
                                             << "Enter a name for your Skin.";
        QTest::newRow("no picture loaded yet") << "nopicture"
                                               << "Load an image first";
        QTest::newRow("skins folder missing") << "noskins"
                                              << "does not exist";
        QTest::newRow("skins folder is a file") << "skinsfile"
                                                << "is a file, not a folder";
        QTest::newRow("template missing") << "notemplate"
                                          << "DefaultSkin.txt";
        QTest::newRow("template is a folder") << "templatedir"
                                              << "is a folder";
        QTest::newRow("a folder in the way of the Chat bitmap") << "chatdir"
                                                                << "OceanChat.bmp";
        QTest::newRow("a folder in the way of the description") << "skndir"
                                                                << "Ocean.skn";
    }
    void failuresLeaveTheEarlierSkinWhole() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        Fixture f;
        exportSkin(f.ws.finishedSurfaces(), f.host, "Ocean", f.program);
        loadDecodedPicture(f.ws, picture(qRgb(99, 0, 0), qRgb(0, 99, 0)), MenuTint{50, 50, 50});

        QString name = "Ocean";
        SkinWorkspace empty;
        const SkinWorkspace* ws = &f.ws;
        QString host = f.host;
        QString windowsHost;
        if (fault == "name")
            name = "Oce\x01an";
        else if (fault == "longname") {
            // On Windows the host folder itself, a temporary folder, is the one that counts.
            name = QString(250, u'n');
            windowsHost = "C:\\Program Files\\Norvo 7";
        } else if (fault == "blanks")
            name = "  ";
        else if (fault == "nopicture")
            ws = &empty;
        else if (fault == "noskins")
            host = f.dir.filePath("Elsewhere");
        else if (fault == "skinsfile") {
            QDir(f.dir.path()).mkpath("Other");
            writeAll(f.dir.filePath("Other/Skins"), "x");
            host = f.dir.filePath("Other");
        } else if (fault == "notemplate")
            QFile::remove(f.program + "/DefaultSkin.txt");
        else if (fault == "templatedir") {
            QFile::remove(f.program + "/DefaultSkin.txt");
            QDir(f.program).mkdir("DefaultSkin.txt");
        } else if (fault == "chatdir" || fault == "skndir") {
            const QString blocked =
                f.skins() + (fault == "chatdir" ? "OceanChat.bmp" : "Ocean.skn");
            QFile::remove(blocked);
            QDir(f.skins()).mkdir(QFileInfo(blocked).fileName());
        }
        const auto before = f.snapshot();

        try {
            exportSkin(ws->finishedSurfaces(), host, name, f.program, windowsHost);
            QFAIL("the export succeeded");
        } catch (const ExportError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        QCOMPARE(f.snapshot(), before);
        QCOMPARE(QDir(f.skins()).entryList(QDir::Files | QDir::Hidden).size(), before.size());
    }

    void snapshotWritesTheUntintedTemplates() {
#ifdef Q_OS_WIN
        QSKIP("d: is a drive on Windows, not a folder a test can make");
#endif
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QDir().mkdir("d:");
        SkinWorkspace ws;
        writeTemplateSnapshot(ws); // before any load
        QCOMPARE(QImage("d:/p2.bmp").convertToFormat(QImage::Format_RGB32), ws.InChatMerge.Picture);
        QCOMPARE(QImage("d:/p3.bmp").convertToFormat(QImage::Format_RGB32),
                 ws.OutChatMerge.Picture);
        const QByteArray first = readAll("d:/p3.bmp");

        loadDecodedPicture(ws, picture(qRgb(1, 1, 1), qRgb(2, 2, 2)), MenuTint{80, 80, 80});
        writeTemplateSnapshot(ws); // after a tint: still the untinted templates
        QCOMPARE(readAll("d:/p3.bmp"), first);
        QCOMPARE(QImage("d:/p2.bmp").convertToFormat(QImage::Format_RGB32), ws.InChatMerge.Picture);
        QDir::setCurrent(old);
    }

    void snapshotOnAFullDiskNamesTheReason_data() {
        QTest::addColumn<qint64>("limit"); // bytes any file may hold
        QTest::addColumn<QString>("failing");
        // p2.bmp is 97,914 bytes, p3.bmp 227,722.
        QTest::newRow("nothing fits") << qint64(0) << "d:/p2.bmp";
        QTest::newRow("part of the header fits") << qint64(30) << "d:/p2.bmp";
        QTest::newRow("part of the first file fits") << qint64(50000) << "d:/p2.bmp";
        QTest::newRow("the first file fits, the second not") << qint64(150000) << "d:/p3.bmp";
    }

    void snapshotOnAFullDiskNamesTheReason() {
        QFETCH(qint64, limit);
        QFETCH(QString, failing);
        if (!FileSizeLimit(limit).active())
            QSKIP("No file-size limits on this system");
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QDir().mkdir("d:");
        SkinWorkspace ws;
        QString message;
        {
            const FileSizeLimit full(limit);
            try {
                writeTemplateSnapshot(ws);
            } catch (const ExportError& e) {
                message = e.message();
            }
        }
        // The failing file was never created, and no temporary file stays behind.
        const QStringList left = QDir("d:").entryList(QDir::Files | QDir::Hidden);
        QDir::setCurrent(old);
        QCOMPARE(message, QStringLiteral("The template could not be written to %1 (File too "
                                         "large).")
                              .arg(failing));
        QCOMPARE(left, failing == "d:/p3.bmp" ? QStringList{"p2.bmp"} : QStringList());
    }

    void snapshotStopsAtTheFirstFailure() {
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QDir().mkpath("d:/p2.bmp"); // a folder in the way of the first file
        SkinWorkspace ws;
        try {
            writeTemplateSnapshot(ws);
            QFAIL("the snapshot succeeded");
        } catch (const ExportError& e) {
            QVERIFY(e.message().contains("p2.bmp"));
        }
        QVERIFY(!QFile::exists("d:/p3.bmp"));
        QDir::setCurrent(old);
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
