#include "compose/skinworkspace.h"
#include "export/skinexport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// A real varnel process with no display at all and its own settings folder.
Run runVarnel(const QStringList& arguments, const QString& configHome) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("XDG_CONFIG_HOME", configHome);
    env.insert("XDG_CONFIG_DIRS", configHome + "/none");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VARNEL_EXECUTABLE), arguments);
    if (!process.waitForFinished(60000))
        return {};
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_host;
    QString m_picture;
    QString m_config;

    QString skins() const { return m_host + "/Skins/"; }
    QStringList skinFiles() const { return QDir(skins()).entryList(QDir::Files); }

private slots:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_host = m_dir.filePath("Host");
        m_config = m_dir.filePath("config");
        QDir().mkpath(m_host + "/Skins");
        QDir().mkpath(m_config);
        QImage picture(120, 90, QImage::Format_RGB32);
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 120; ++x)
                picture.setPixel(x, y, qRgb(x * 2, y * 2, (x + y) % 256));
        m_picture = m_dir.filePath("beach.jpg");
        QVERIFY(picture.save(m_picture, "JPEG", 92));
    }

    void exportWritesTheSameFilesAsTheWindowWould() {
        const Run run = runVarnel({"--export", "Ocean", "--hue", "40", "--saturation", "-20",
                                   "--lightness", "10", "--host-folder", m_host, m_picture},
                                  m_config);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        const SkinPaths paths = skinPaths(m_host, "Ocean");
        QStringList expected{"Your skin has been exported to Norvo."};
        for (const QString& path : paths.all())
            expected << QDir::toNativeSeparators(path);
        QCOMPARE(run.out, expected.join('\n') + '\n');

        // The same load, tint and save in this process, as Load Image and Save Skin do.
        SkinWorkspace ws;
        LoadPictureIntoWorkspace(ws, m_picture, [] { return MenuTint{40, -20, 10}; });
        const QString other = m_dir.filePath("Other");
        QDir().mkpath(other + "/Skins");
        ExportSkin(ws, other, "Ocean", QFileInfo(QStringLiteral(VARNEL_EXECUTABLE)).path());
        for (const QString& name : skinFiles())
            QCOMPARE(readAll(skins() + name), readAll(other + "/Skins/" + name));
        QCOMPARE(skinFiles().size(), 5);
    }

    void fitAndFocus_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("fit"); // 0 Stretch, 1 Fill
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("no --fit: stretch") << QStringList{} << 0 << 0.5 << 0.5;
        QTest::newRow("--fit stretch") << QStringList{"--fit", "stretch"} << 0 << 0.5 << 0.5;
        QTest::newRow("--fit fill: centred") << QStringList{"--fit", "fill"} << 1 << 0.5 << 0.5;
        QTest::newRow("--fit fill --focus 0.3,0.4")
            << QStringList{"--fit", "fill", "--focus", "0.3,0.4"} << 1 << 0.3 << 0.4;
        QTest::newRow("--focus before --fit, corner")
            << QStringList{"--focus", "1,0", "--fit=fill"} << 1 << 1.0 << 0.0;
    }

    // The command line's files equal those of the same load with the same framing.
    void fitAndFocus() {
        QFETCH(QStringList, arguments);
        QFETCH(int, fit);
        QFETCH(double, x);
        QFETCH(double, y);
        QImage wide(360, 90, QImage::Format_RGB32);
        for (int py = 0; py < 90; ++py)
            for (int px = 0; px < 360; ++px)
                wide.setPixel(px, py, qRgb(px % 256, py * 2, (px * 3 + py) % 256));
        const QString picture = m_dir.filePath("wide.bmp");
        QVERIFY(wide.save(picture, "BMP"));

        const Run run = runVarnel(
            QStringList{"--export", "Wide", "--hue", "-30", "--host-folder", m_host, picture} +
                arguments,
            m_config);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());

        SkinWorkspace ws;
        ws.framing = {fit ? Fit::Fill : Fit::Stretch, {x, y}};
        LoadPictureIntoWorkspace(ws, picture, [] { return MenuTint{-30, 0, 0}; });
        const QString other = m_dir.filePath("Other");
        QDir().mkpath(other + "/Skins");
        ExportSkin(ws, other, "Wide", QFileInfo(QStringLiteral(VARNEL_EXECUTABLE)).path());
        QCOMPARE(skinFiles().size(), 5);
        for (const QString& name : skinFiles())
            QVERIFY2(readAll(skins() + name) == readAll(other + "/Skins/" + name),
                     qPrintable(name));
    }

    void theHostFolderComesFromTheSetting() {
        QDir().mkpath(m_config + "/Pellorwick");
        QFile conf(m_config + "/Pellorwick/NORVO7.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nDirectory=\"" + m_host.toUtf8() + "\"\n");
        conf.close();
        const Run run = runVarnel({"--export", "Sea", m_picture}, m_config);
        QCOMPARE(run.status, 0);
        QCOMPARE(skinFiles().size(), 5);
        QVERIFY(run.out.contains(QDir::toNativeSeparators(skins() + "Sea.skn")));
    }

    void withoutAHostFolderNothingIsWritten() {
        const Run run = runVarnel({"--export", "Sea", m_picture}, m_config);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("Please install a valid copy of Norvo 7.\n"));
        QCOMPARE(run.out, QString());
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("hue above the range")
            << QStringList{"--hue", "101"} << 2 << "--hue must be a whole number from -100 to 100";
        QTest::newRow("saturation below the range")
            << QStringList{"--saturation", "-101"} << 2
            << "--saturation must be a whole number from -100 to 100";
        QTest::newRow("lightness not a number")
            << QStringList{"--lightness", "bright"} << 2
            << "--lightness must be a whole number from -100 to 100";
        QTest::newRow("hue with a fraction") << QStringList{"--hue", "1.5"} << 2 << "--hue must";
        QTest::newRow("unknown option") << QStringList{"--colour", "3"} << 2 << "Unknown option";
        const QString tryHelp = "\nTry 'varnel --help' for more information.\n";
        QTest::newRow("fit not one of the two")
            << QStringList{"--fit", "crop"} << 2
            << "varnel: --fit must be stretch or fill, not \"crop\"." + tryHelp;
        QTest::newRow("fit capitalised")
            << QStringList{"--fit", "Fill"} << 2 << "--fit must be stretch or fill, not \"Fill\".";
        QTest::newRow("focus without --fit")
            << QStringList{"--focus", "0.3,0.4"} << 2
            << "varnel: --focus works only with --fit fill." + tryHelp;
        QTest::newRow("focus with --fit stretch")
            << QStringList{"--fit", "stretch", "--focus", "0.3,0.4"} << 2
            << "--focus works only with --fit fill.";
        const QString focusMust = "varnel: --focus must be two numbers from 0 to 1 as X,Y, not ";
        for (const char* focus :
             {"1.2,0.5", "-0.1,0.5", "0.5", "0.1,0.2,0.3", "left,top", "nan,0.5", "0,5", ""})
            QTest::addRow("focus \"%s\"", focus) << QStringList{"--fit", "fill", "--focus", focus}
                                                 << 2 << focusMust + '"' + focus + "\"." + tryHelp;
        QTest::newRow("refused name")
            << QStringList{"--export", "a/b"} << 1 << "cannot contain \\ or /";
        QTest::newRow("damaged picture")
            << QStringList{"DAMAGED"} << 1 << "The picture could not be loaded: ";
        QTest::newRow("missing picture")
            << QStringList{"MISSING"} << 1 << "The picture could not be loaded: ";
    }
    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFile damaged(m_dir.filePath("cut.jpg"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(readAll(m_picture).left(400));
        damaged.close();

        QStringList args{"--export", "Ocean", "--host-folder", m_host};
        QString picture = m_picture;
        if (arguments == QStringList{"DAMAGED"})
            picture = damaged.fileName();
        else if (arguments == QStringList{"MISSING"})
            picture = m_dir.filePath("nowhere.jpg");
        else
            args << arguments;
        args << picture;

        const Run run = runVarnel(args, m_config);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(skinFiles(), QStringList());
    }

    void usageNeedsExactlyOnePicture() {
        QCOMPARE(runVarnel({"--export", "Sea", "--host-folder", m_host}, m_config).status, 2);
        QCOMPARE(
            runVarnel({"--export", "Sea", "--host-folder", m_host, m_picture, m_picture}, m_config)
                .status,
            2);
        QCOMPARE(skinFiles(), QStringList());
    }

    void helpAndVersion() {
        const Run help = runVarnel({"--help"}, m_config);
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("--export <name>"));
        QVERIFY(help.out.contains("--host-folder <dir>"));
        QVERIFY(help.out.contains("--fit <stretch|fill>"));
        QVERIFY(help.out.contains("--focus <X,Y>"));
        const Run version = runVarnel({"--version"}, m_config);
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("varnel "));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
