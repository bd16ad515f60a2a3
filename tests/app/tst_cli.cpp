#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/tintsuggestion.h"
#include "export/skindescription.h"
#include "export/skinexport.h"
#include "tests/host/wineprefixfixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <optional>

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

// A real varnel process with no display at all, its own settings folder and a home
// folder of its own (configHome/home), so no Wine prefix of the machine's user is seen.
// `locale`, when given, replaces the locale variables of this process ("LANG=ru_RU.UTF-8").
Run runVarnel(const QStringList& arguments, const QString& configHome,
              const QString& winePrefix = QString(),
              const std::optional<QStringList>& locale = std::nullopt) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.remove("XDG_DATA_HOME");
    env.remove("WINEPREFIX");
    if (!winePrefix.isEmpty())
        env.insert("WINEPREFIX", winePrefix);
    env.insert("HOME", configHome + "/home");
    env.insert("XDG_CONFIG_HOME", configHome);
    env.insert("XDG_CONFIG_DIRS", configHome + "/none");
    if (locale) {
        for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
            env.remove(name);
        for (const QString& setting : *locale)
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    process.setProcessEnvironment(env);
    // Text mode: the program's lines end in CRLF on Windows.
    process.start(QStringLiteral(VARNEL_EXECUTABLE), arguments,
                  QIODevice::ReadWrite | QIODevice::Text);
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
        loadPictureIntoWorkspace(ws, m_picture, MenuTint{40, -20, 10});
        const QString other = m_dir.filePath("Other");
        QDir().mkpath(other + "/Skins");
        exportSkin(ws.finishedSurfaces(), other, "Ocean",
                   QFileInfo(QStringLiteral(VARNEL_EXECUTABLE)).path());
        for (const QString& name : skinFiles())
            QCOMPARE(readAll(skins() + name), readAll(other + "/Skins/" + name));
        QCOMPARE(skinFiles().size(), 5);
    }

    void tintAutoPrintsTheTintItUsed() {
        const Run run = runVarnel(
            {"--export", "Ocean", "--tint", "auto", "--host-folder", m_host, m_picture}, m_config);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        const QStringList lines = run.out.split('\n');
        QCOMPARE(lines.size(), 8); // message, tint, five paths, and the last line's end
        QCOMPARE(lines[0], QStringLiteral("Your skin has been exported to Norvo."));
        const QRegularExpressionMatch tint =
            QRegularExpression(QStringLiteral("^Tint: hue (-?\\d+), saturation (-?\\d+), "
                                              "lightness (-?\\d+)$"))
                .match(lines[1]);
        QVERIFY2(tint.hasMatch(), qPrintable(lines[1]));
        QCOMPARE(lines.mid(2, 5).join('\n'), [&] {
            QStringList paths;
            for (const QString& path : skinPaths(m_host, "Ocean").all())
                paths << QDir::toNativeSeparators(path);
            return paths.join('\n');
        }());

        // The suggestion for this picture, as the window makes it.
        SkinWorkspace ws;
        loadPictureIntoWorkspace(ws, m_picture, MenuTint{});
        const MenuTint suggested = suggestMenuTint(ws).tint;
        QCOMPARE(tint.captured(1).toInt(), int(suggested.hue));
        QCOMPARE(tint.captured(2).toInt(), int(suggested.saturation));
        QCOMPARE(tint.captured(3).toInt(), int(suggested.lightness));
        QVERIFY(suggested.hue != 0 || suggested.saturation != 0 || suggested.lightness != 0);

        // Repeated with the printed values, the skin is the same to the byte.
        const QString other = m_dir.filePath("Other");
        QDir().mkpath(other + "/Skins");
        const Run again = runVarnel({"--export", "Ocean", "--hue", tint.captured(1), "--saturation",
                                     tint.captured(2), "--lightness", tint.captured(3),
                                     "--host-folder", other, m_picture},
                                    m_config);
        QCOMPARE(again.status, 0);
        QVERIFY(!again.out.contains("Tint:"));
        QCOMPARE(skinFiles().size(), 5);
        for (const QString& name : skinFiles())
            QVERIFY2(readAll(skins() + name) == readAll(other + "/Skins/" + name),
                     qPrintable(name));
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
        loadPictureIntoWorkspace(ws, picture, MenuTint{-30, 0, 0});
        const QString other = m_dir.filePath("Other");
        QDir().mkpath(other + "/Skins");
        exportSkin(ws.finishedSurfaces(), other, "Wide",
                   QFileInfo(QStringLiteral(VARNEL_EXECUTABLE)).path());
        QCOMPARE(skinFiles().size(), 5);
        for (const QString& name : skinFiles())
            QVERIFY2(readAll(skins() + name) == readAll(other + "/Skins/" + name),
                     qPrintable(name));
    }

    // On Linux the name is written in the code page Wine takes from the locale; the files
    // are named in UTF-8, which is how Wine shows them to the host.
    void theLocaleChoosesTheCodePage_data() {
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("encoded"); // null: the name is refused
        QTest::addColumn<QString>("refusal");    // what the refusal says of the code page
        QTest::newRow("Russian UTF-8, Cyrillic name")
            << QStringList{"LANG=ru_RU.UTF-8"} << QString::fromUtf8("Зима")
            << QByteArray("\xC7\xE8\xEC\xE0") << QString();
        QTest::newRow("Japanese LC_CTYPE over a Russian LANG")
            << QStringList{"LANG=ru_RU.UTF-8", "LC_CTYPE=ja_JP.UTF-8"}
            << QString::fromUtf8("雪の日") << QByteArray("\x90\xE1\x82\xCC\x93\xFA") << QString();
        QTest::newRow("Russian UTF-8, a name 1251 cannot hold")
            << QStringList{"LANG=ru_RU.UTF-8"} << QString::fromUtf8("Été海") << QByteArray()
            << QStringLiteral("in this system's code page (Windows-1251)");
        QTest::newRow("no locale, Cyrillic name")
            << QStringList{} << QString::fromUtf8("Зима") << QByteArray()
            << QStringLiteral("use Western European letters only");
    }
    void theLocaleChoosesTheCodePage() {
#ifdef Q_OS_WIN
        QSKIP("Windows takes the code page from the system, not from the environment");
#endif
        QFETCH(QStringList, locale);
        QFETCH(QString, name);
        QFETCH(QByteArray, encoded);
        QFETCH(QString, refusal);
        const Run run =
            runVarnel({"--export", name, "--host-folder", m_host, m_picture}, m_config, {}, locale);
        if (encoded.isNull()) {
            QCOMPARE(run.status, 1);
            QVERIFY2(run.err.contains(refusal), qPrintable(run.err));
            QCOMPARE(run.out, QString());
            QCOMPARE(skinFiles(), QStringList());
            return;
        }
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QStringList expected;
        for (const QString& path : skinPaths(m_host, name).all())
            expected << QFileInfo(path).fileName();
        expected.sort();
        QCOMPARE(skinFiles(), expected);
        const QByteArray templ =
            readAll(QFileInfo(QStringLiteral(VARNEL_EXECUTABLE)).dir().filePath("DefaultSkin.txt"));
        QVERIFY(!templ.isEmpty());
        QCOMPARE(readAll(skins() + name + ".skn"), buildSkinDescription(encoded, templ));
    }

    // A locale of code page 1252 writes what a machine without locale settings writes.
    void westernLocalesWriteTheSameSkin_data() {
        QTest::addColumn<QStringList>("locale");
        QTest::newRow("C.UTF-8 in LC_ALL over a Russian LANG")
            << QStringList{"LC_ALL=C.UTF-8", "LANG=ru_RU.UTF-8"};
        QTest::newRow("German UTF-8") << QStringList{"LANG=de_DE.UTF-8"};
    }
    void westernLocalesWriteTheSameSkin() {
#ifdef Q_OS_WIN
        QSKIP("Windows takes the code page from the system, not from the environment");
#endif
        QFETCH(QStringList, locale);
        const QString name = QString::fromUtf8("Été €");
        const Run run =
            runVarnel({"--export", name, "--host-folder", m_host, m_picture}, m_config, {}, locale);
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QString other = m_dir.filePath("Other");
        QDir().mkpath(other + "/Skins");
        const Run plain = runVarnel({"--export", name, "--host-folder", other, m_picture}, m_config,
                                    {}, QStringList{});
        QVERIFY2(plain.status == 0, qPrintable(plain.err));
        QCOMPARE(skinFiles().size(), 5);
        QCOMPARE(skinFiles(), QDir(other + "/Skins").entryList(QDir::Files));
        for (const QString& file : skinFiles())
            QVERIFY2(readAll(skins() + file) == readAll(other + "/Skins/" + file),
                     qPrintable(file));
    }

    void theHostFolderComesFromTheSetting() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry, never a settings file");
#endif
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

    // After the message, each place looked at and why it gave no folder, a line each.
    void withoutAHostFolderNothingIsWritten() {
#ifdef Q_OS_WIN
        const QStringList expected{"Please install a valid copy of Norvo 7.",
                                   "  registry HKEY_LOCAL_MACHINE\\Software\\Pellorwick\\NORVO7, "
                                   "value Directory: no Directory value"};
#else
        const QString home = m_config + "/home";
        const QStringList expected{
            "Please install a valid copy of Norvo 7.",
            "  settings file " + m_config + "/Pellorwick/NORVO7.conf, then " + m_config +
                "/none/Pellorwick/NORVO7.conf: no such file",
            "  WINEPREFIX: not set",
            "  Wine prefix " + home + "/.wine: no such folder",
            "  Bottles prefixes in " + home + "/.local/share/bottles/bottles: no such folder",
            "  Bottles (Flatpak) prefixes in " + home +
                "/.var/app/com.usebottles.bottles/data/bottles/bottles: no such folder",
            "  PlayOnLinux prefixes in " + home + "/.PlayOnLinux/wineprefix: no such folder",
            "  CrossOver prefixes in " + home + "/.cxoffice: no such folder",
        };
#endif
        for (const QStringList& arguments :
             {QStringList{"--export", "Sea", m_picture}, QStringList{"--where"}}) {
            const Run run = runVarnel(arguments, m_config);
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, expected.join('\n') + '\n');
            QCOMPARE(run.out, QString());
        }
        QCOMPARE(skinFiles(), QStringList());
    }

    // A new user's machine: the host installed in ~/.wine, no settings file.
    void theHostFolderComesFromAWinePrefix() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry itself");
#endif
        const QString prefix = m_config + "/home/.wine";
        QVERIFY(WinePrefixFixture::makePrefix(prefix, WinePrefixFixture::wowHive("C:\\Norvo 7"),
                                              {"norvo 7/Skins"}));
        const QString host = QDir(prefix).canonicalPath() + "/drive_c/norvo 7";
        const Run where = runVarnel({"--where"}, m_config);
        QCOMPARE(where.status, 0);
        QCOMPARE(where.err, QString());
        // The two lines scripts read, then the places looked at first.
        QCOMPARE(where.out, host + "\nfrom Wine prefix " + prefix +
                                ": HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Pellorwick\\NORVO7, "
                                "value Directory \"C:\\Norvo 7\"\n"
                                "passed over:\n"
                                "  settings file " +
                                m_config + "/Pellorwick/NORVO7.conf, then " + m_config +
                                "/none/Pellorwick/NORVO7.conf: no such file\n"
                                "  WINEPREFIX: not set\n");

        const Run run = runVarnel({"--export", "Sea", m_picture}, m_config);
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(host + "/Skins/Sea.skn"));
        QCOMPARE(QDir(host + "/Skins").entryList(QDir::Files).size(), 5);

        // WINEPREFIX names another prefix, which comes first.
        const QString other = m_dir.filePath("other prefix");
        QVERIFY(
            WinePrefixFixture::makePrefix(other, WinePrefixFixture::wowHive("C:\\Host"), {"Host"}));
        const Run second = runVarnel({"--where"}, m_config, other);
        QCOMPARE(second.status, 0);
        QVERIFY2(second.out.startsWith(QDir(other).canonicalPath() +
                                       "/drive_c/Host\nfrom Wine "
                                       "prefix " +
                                       other + " (WINEPREFIX): "),
                 qPrintable(second.out));
    }

    // A settings file that names no folder is passed over for a Wine prefix, and --where
    // says why: unquoted, a comma makes the value a list.
    void whereTellsWhatItPassedOver_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a comma: a list") << QByteArray("Directory=/a,/b\n")
                                         << "a comma makes a list; put the folder in double quotes";
        QTest::newRow("empty") << QByteArray("Directory=\n") << "Directory is empty";
        QTest::newRow("no Directory line")
            << QByteArray("[General]\nVersion=7\n") << "no Directory value";
    }
    void whereTellsWhatItPassedOver() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry, never a settings file");
#endif
        QFETCH(QByteArray, line);
        QFETCH(QString, reason);
        QDir().mkpath(m_config + "/Pellorwick");
        QFile conf(m_config + "/Pellorwick/NORVO7.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(line);
        conf.close();
        const QString prefix = m_config + "/home/.wine";
        QVERIFY(WinePrefixFixture::makePrefix(prefix, WinePrefixFixture::wowHive("C:\\Norvo 7"),
                                              {"Norvo 7/Skins"}));
        const Run run = runVarnel({"--where"}, m_config);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        const QStringList lines = run.out.split('\n');
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QDir(prefix).canonicalPath() + "/drive_c/Norvo 7");
        QVERIFY2(lines[1].startsWith("from Wine prefix " + prefix + ": "), qPrintable(lines[1]));
        QCOMPARE(lines[2], "passed over:");
        QCOMPARE(lines[3], "  settings file " + conf.fileName() + ", then " + m_config +
                               "/none/Pellorwick/NORVO7.conf: " + reason);
        QCOMPARE(lines[4], "  WINEPREFIX: not set");
        QCOMPARE(lines[5], QString());
    }

    // The user's settings file is asked first; when the shared one decides, --where says why
    // the user's did not.
    void whereTellsTheSettingsFilePassedOver_data() {
        QTest::addColumn<QByteArray>("userFile"); // empty: none
        QTest::addColumn<QString>("reason");
        QTest::newRow("no user's file") << QByteArray() << "no such file";
        QTest::newRow("no Directory line")
            << QByteArray("[General]\nVersion=7\n") << "no Directory value";
        QTest::newRow("a stored type") << QByteArray("Directory=@Variant(\\0\\0\\0I\\0)\n")
                                       << "Directory is neither text nor a number";
    }
    void whereTellsTheSettingsFilePassedOver() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry, never a settings file");
#endif
        QFETCH(QByteArray, userFile);
        QFETCH(QString, reason);
        const QString user = m_config + "/Pellorwick/NORVO7.conf";
        const QString shared = m_config + "/none/Pellorwick/NORVO7.conf";
        for (const auto& [path, bytes] :
             {std::pair{user, userFile},
              std::pair{shared, "Directory=\"" + m_host.toUtf8() + "\"\n"}}) {
            if (bytes.isEmpty())
                continue;
            QDir().mkpath(QFileInfo(path).path());
            QFile conf(path);
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write(bytes);
        }
        const Run run = runVarnel({"--where"}, m_config);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QDir::toNativeSeparators(m_host) + "\nfrom settings file " + shared +
                              "\npassed over:\n  settings file " + user + ": " + reason + "\n");
    }

    void whereNamesTheSettingsFile() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry, never a settings file");
#endif
        QDir().mkpath(m_config + "/Pellorwick");
        QFile conf(m_config + "/Pellorwick/NORVO7.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("Directory=\"" + m_host.toUtf8() + "\"\n");
        conf.close();
        const Run run = runVarnel({"--where"}, m_config);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QDir::toNativeSeparators(m_host) + "\nfrom settings file " + m_config +
                              "/Pellorwick/NORVO7.conf\n");
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
        const QString notCombined = QStringLiteral(
            "varnel: --tint auto cannot be combined with --hue, --saturation or --lightness.\n"
            "Try 'varnel --help' for more information.\n");
        QTest::newRow("tint auto with a hue")
            << QStringList{"--tint", "auto", "--hue", "10"} << 2 << notCombined;
        QTest::newRow("tint auto with a saturation of 0")
            << QStringList{"--saturation", "0", "--tint", "auto"} << 2 << notCombined;
        QTest::newRow("tint auto with a lightness")
            << QStringList{"--tint", "auto", "--lightness", "-5"} << 2 << notCombined;
        QTest::newRow("tint other than auto")
            << QStringList{"--tint", "warm"} << 2
            << "varnel: --tint accepts only \"auto\", not \"warm\".\n";
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
        QTest::newRow("--where with --export")
            << QStringList{"--where"} << 2 << "--where takes no other options or arguments";
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

    // Every start is parsed first: a wrong command line is a usage error (2) with or
    // without --export, and the window that cannot open without a display says so (1).
    void commandLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option with --export")
            << QStringList{"--export", "Sea", "--bogus", "--host-folder", "HOST", "PICTURE"} << 2
            << "varnel: Unknown option 'bogus'.";
        QTest::newRow("unknown option among the window's")
            << QStringList{"--fit", "fill", "--hue", "80", "--bogus", "quad.bmp"} << 2
            << "varnel: Unknown option 'bogus'.";
        QTest::newRow("unknown option alone") << QStringList{"--bogus"} << 2 << "Unknown option";
        QTest::newRow("unknown short option")
            << QStringList{"-x", "PICTURE"} << 2 << "Unknown option 'x'";
        QTest::newRow("empty --host-folder with --export")
            << QStringList{"--export", "Sea", "--host-folder", "", "PICTURE"} << 2
            << "varnel: --host-folder needs a folder, not an empty text.";
        QTest::newRow("empty --host-folder for the window")
            << QStringList{"--host-folder", "", "PICTURE"} << 2 << "--host-folder needs a folder";
        QTest::newRow("two pictures for the window")
            << QStringList{"PICTURE", "PICTURE"} << 2 << "only one PICTURE can be given.";
        QTest::newRow("hue out of range for the window")
            << QStringList{"--hue", "300", "PICTURE"} << 2 << "--hue must be a whole number";
        QTest::newRow("--tint auto without a picture")
            << QStringList{"--tint", "auto"} << 2 << "--tint auto needs a PICTURE";
        QTest::newRow("--focus without a picture")
            << QStringList{"--fit", "fill", "--focus", "0.2,0.3"} << 2 << "--focus needs a PICTURE";
#ifndef Q_OS_WIN // Windows always has its desktop to open the window on.
        const QString noWindow = "varnel: the window cannot open: no display can be used";
        QTest::newRow("window without a display") << QStringList{} << 1 << noWindow;
        QTest::newRow("window with a picture, no display")
            << QStringList{"PICTURE"} << 1 << noWindow;
        QTest::newRow("window's picture options, no display")
            << QStringList{"--fit", "fill",          "--focus", "0.2,0.3", "--hue",
                           "80",    "--host-folder", "HOST",    "PICTURE"}
            << 1 << noWindow;
        QTest::newRow("--tint auto for the window, no display")
            << QStringList{"--tint", "auto", "PICTURE"} << 1 << noWindow;
#endif
    }
    void commandLines() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        for (QString& argument : arguments)
            argument = argument == "HOST" ? m_host : argument == "PICTURE" ? m_picture : argument;
        const Run run = runVarnel(arguments, m_config);
        QCOMPARE(run.status, status); // -1: ended by a signal
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(skinFiles(), QStringList());
    }

    // A setting taken as written that names no usable folder is a failed place with its
    // reason, for --where and --export alike.
    void whereTellsAnUnusableSetting_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such folder") << "ROOT/gone/N7"
                                        << "no such folder";
        QTest::newRow("tilde") << "~/N7"
                               << "not an absolute path (~ is not expanded: write the whole path)";
        QTest::newRow("relative") << "Norvo 7"
                                  << "not an absolute path";
        QTest::newRow("a file") << "ROOT/beach.jpg"
                                << "not a folder";
    }
    void whereTellsAnUnusableSetting() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry, never a settings file");
#endif
        QFETCH(QString, directory);
        QFETCH(QString, reason);
        directory.replace("ROOT", m_dir.path());
        const QString confPath = m_config + "/Pellorwick/NORVO7.conf";
        QDir().mkpath(m_config + "/Pellorwick");
        QFile conf(confPath);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("Directory=\"" + directory.toUtf8() + "\"\n");
        conf.close();
        const QString line = QStringLiteral("  settings file %1: Directory \"%2\": %3\n")
                                 .arg(confPath, directory, reason);
        for (const QStringList& arguments :
             {QStringList{"--where"}, QStringList{"--export", "Sea", m_picture}}) {
            const Run run = runVarnel(arguments, m_config);
            QCOMPARE(run.status, 1);
            QCOMPARE(run.out, QString());
            QVERIFY2(run.err.startsWith("Please install a valid copy of Norvo 7.\n"),
                     qPrintable(run.err));
            QVERIFY2(run.err.endsWith(line), qPrintable(run.err));
        }
    }

    // A folder that may not be entered is "permission denied", not "no such folder", both
    // for the folder itself and for one inside it. As root the program runs as nobody.
    void whereSaysPermissionDenied() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry, never a settings file");
#else
        QStringList wrapper;
        if (::geteuid() == 0) {
            wrapper = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
            QProcess probe;
            probe.start(wrapper.constFirst(), wrapper.mid(1) << "true");
            if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
                QSKIP("Running as root without setpriv");
        }
        QTemporaryDir shared(QDir::tempPath() + "/varnel-cli-XXXXXX");
        QVERIFY(shared.isValid());
        const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                              QFileDevice::ExeGroup | QFileDevice::ReadOther |
                              QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(shared.path(), everyone));
        const QString locked = shared.filePath("locked");
        QVERIFY(QDir().mkpath(locked + "/N7/Skins"));
        const QString config = shared.filePath("config");
        QVERIFY(QDir().mkpath(config + "/Pellorwick"));
        QVERIFY(QDir().mkpath(config + "/home"));
        for (const QString& folder : {config, config + "/Pellorwick", config + "/home"})
            QVERIFY(QFile::setPermissions(folder, everyone));
        QVERIFY(QFile::setPermissions(locked, {}));

        for (const QString& directory : {locked, locked + "/N7"}) {
            QFile conf(config + "/Pellorwick/NORVO7.conf");
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write("Directory=\"" + directory.toUtf8() + "\"\n");
            conf.close();
            QVERIFY(conf.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ReadOther));
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove("WINEPREFIX");
            env.insert("HOME", config + "/home");
            env.insert("XDG_CONFIG_HOME", config);
            env.insert("XDG_CONFIG_DIRS", config + "/none");
            process.setProcessEnvironment(env);
            QStringList command = wrapper;
            command << QStringLiteral(VARNEL_EXECUTABLE) << "--where";
            process.start(command.takeFirst(), command);
            QVERIFY(process.waitForFinished(60000));
            const QString err = QString::fromLocal8Bit(process.readAllStandardError());
            QCOMPARE(process.exitCode(), 1);
            QVERIFY2(err.endsWith(
                         QStringLiteral("Directory \"%1\": permission denied\n").arg(directory)),
                     qPrintable(err));
        }
        QVERIFY(QFile::setPermissions(locked, everyone));
#endif
    }

    // Another value stored by Qt as @Variant(...) does not hide the Directory line from the
    // command line: it reads the file as the window does.
    void whereReadsBesideStoredValues() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry, never a settings file");
#endif
        QDir().mkpath(m_config + "/Pellorwick");
        QFile conf(m_config + "/Pellorwick/NORVO7.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nDirectory=\"" + m_host.toUtf8() +
                   "\"\nPicture=@Variant(\\0\\0\\0I#01)\n");
        conf.close();
        const Run run = runVarnel({"--where"}, m_config);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QDir::toNativeSeparators(m_host) + "\nfrom settings file " +
                              conf.fileName() + "\n");
    }

    // "--where=x" must reach the parser and be refused, not open the window on "--where=x".
    void longOptionsWithAValueMeanTheCommandLine() {
        const Run run = runVarnel({"--where=x"}, m_config);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith("varnel: "), qPrintable(run.err));
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
        QVERIFY(help.out.contains("--tint <auto>"));
        QVERIFY(help.out.contains("--where"));
        QVERIFY(help.out.contains("--fit <stretch|fill>"));
        QVERIFY(help.out.contains("--focus <X,Y>"));
        const Run version = runVarnel({"--version"}, m_config);
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("varnel "));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
