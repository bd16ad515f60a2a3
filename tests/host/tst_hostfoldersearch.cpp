#include "app/loadstep.h"
#include "host/hostfolder.h"
#include "host/hostfoldersearch.h"
#include "tests/app/fakedialogs.h"
#include "tests/host/wineprefixfixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include "host/wineprefix.h"
#endif

using WinePrefixFixture::makePrefix;
using WinePrefixFixture::wowHive;

namespace {

const QString HostKeyPath = QStringLiteral("Software\\Pellorwick\\NORVO7");

// One file's content, or a link, at a path below the test's root.
void writeFile(const QString& path, const QByteArray& content) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class TestHostFolderSearch : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QTemporaryDir m_config;
    QString m_home;

    QString root() const { return m_root.path(); }

#ifndef Q_OS_WIN
    WinePrefix::Environment environment(const QString& winePrefix = QString()) const {
        return {m_home, winePrefix, m_home + "/.local/share"};
    }
#endif

    void writeSettings(const QByteArray& content) {
        writeFile(m_config.filePath("user/Pellorwick/NORVO7.conf"), content);
    }

private slots:
    void initTestCase() {
#ifdef Q_OS_WIN
        QSKIP("Windows reads the registry itself; Wine prefixes are for other systems");
#endif
        QVERIFY(m_root.isValid() && m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_config.filePath("user"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           m_config.filePath("system"));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_config.filePath("system")));
    }

    void init() {
        QDir(root()).removeRecursively();
        QDir().mkpath(root());
        QDir(m_config.path()).removeRecursively();
        QDir().mkpath(m_config.path());
        m_home = root() + "/home";
        QDir().mkpath(m_home);
        Module1::HostFolder.clear();
    }

#ifndef Q_OS_WIN
    void mapWindowsPath_data() {
        QTest::addColumn<QString>("windowsPath");
        QTest::addColumn<QString>("folder");  // below the root; empty when it cannot be used
        QTest::addColumn<QString>("problem"); // part of the reason

        const QString norvo = "prefix/drive_c/Program Files/Norvo 7";
        QTest::newRow("exact names") << "C:\\Program Files\\Norvo 7" << norvo << "";
        QTest::newRow("other letter case, forward slashes, trailing separator")
            << "c:/PROGRAM FILES/norvo 7/" << norvo << "";
        QTest::newRow("doubled separators, . and ..")
            << "C:\\\\Program Files\\.\\..\\..\\Program Files\\Norvo 7" << norvo << "";
        QTest::newRow("drive root") << "C:\\"
                                    << "prefix/drive_c"
                                    << "";
        QTest::newRow("drive linked outside the prefix") << "D:\\Games\\Norvo"
                                                         << "elsewhere/Games/Norvo"
                                                         << "";
        QTest::newRow("exact name first") << "C:\\case"
                                          << "prefix/drive_c/case"
                                          << "";
        QTest::newRow("of two names differing in case, the first in byte order")
            << "C:\\CASE"
            << "prefix/drive_c/Case"
            << "";
        QTest::newRow("missing drive") << "G:\\Norvo"
                                       << ""
                                       << "no drive G:";
        QTest::newRow("drive link to nothing") << "E:\\Norvo"
                                               << ""
                                               << "which does not exist";
        QTest::newRow("drive link to a file") << "F:\\Norvo"
                                              << ""
                                              << "is not a folder";
        QTest::newRow("missing folder") << "C:\\Program Files\\Norvo 8"
                                        << ""
                                        << "no folder \"Norvo 8\" in ";
        QTest::newRow("folder that is a file") << "C:\\notes.txt"
                                               << ""
                                               << "is not a folder";
        QTest::newRow("a file on the way") << "C:\\notes.txt\\Norvo"
                                           << ""
                                           << "is not a folder";
        QTest::newRow("UNC path") << "\\\\server\\share\\Norvo"
                                  << ""
                                  << "not an absolute path on a drive";
        QTest::newRow("drive-relative") << "C:Norvo"
                                        << ""
                                        << "not an absolute path on a drive";
        QTest::newRow("relative") << "Norvo"
                                  << ""
                                  << "not an absolute path on a drive";
        QTest::newRow("device path") << "\\\\?\\C:\\Norvo"
                                     << ""
                                     << "not an absolute path on a drive";
        QTest::newRow("non-ASCII drive letter") << QString::fromUtf8("\xc3\x89:\\Norvo") << ""
                                                << "not an absolute path on a drive";
    }

    void mapWindowsPath() {
        QFETCH(QString, windowsPath);
        QFETCH(QString, folder);
        QFETCH(QString, problem);
        const QString prefix = root() + "/prefix";
        QVERIFY(makePrefix(prefix, QByteArray(), {"Program Files/Norvo 7", "case", "Case"}));
        QVERIFY(QDir().mkpath(root() + "/elsewhere/Games/Norvo"));
        QVERIFY(QFile::link(root() + "/elsewhere", prefix + "/dosdevices/d:"));
        QVERIFY(QFile::link(root() + "/gone", prefix + "/dosdevices/e:"));
        writeFile(root() + "/plain-file", "x");
        QVERIFY(QFile::link(root() + "/plain-file", prefix + "/dosdevices/f:"));
        writeFile(prefix + "/drive_c/notes.txt", "x");

        const WinePrefix::Mapped mapped = WinePrefix::mapWindowsPath(prefix, windowsPath);
        if (folder.isEmpty()) {
            QCOMPARE(mapped.folder, QString());
            QVERIFY2(mapped.problem.contains(problem), qPrintable(mapped.problem));
        } else {
            QCOMPARE(mapped.folder, QDir(root()).canonicalPath() + u'/' + folder);
            QCOMPARE(mapped.problem, QString());
        }
    }

    void placesToSearch() {
        makePrefix(m_home + "/.wine", QByteArray());
        makePrefix(root() + "/custom", QByteArray());
        for (const char* name : {"b", "a", "B", "\xc3\xa9"})
            QVERIFY(
                QDir().mkpath(m_home + "/.local/share/bottles/bottles/" + QString::fromUtf8(name)));
        writeFile(m_home + "/.local/share/bottles/bottles/not-a-folder", "x");
        QVERIFY(QDir().mkpath(m_home + "/.PlayOnLinux/wineprefix/Norvo"));
        QVERIFY(QDir().mkpath(m_home + "/.cxoffice"));

        const auto describe = [](const QList<WinePrefix::Place>& places) {
            QStringList lines;
            for (const WinePrefix::Place& p : places)
                lines << (p.problem.isEmpty() ? p.description : p.description + ": " + p.problem);
            return lines;
        };
        const QString bottles = m_home + "/.local/share/bottles/bottles";
        const QStringList frontEnds{
            "Bottles prefix " + bottles + "/B",
            "Bottles prefix " + bottles + "/a",
            "Bottles prefix " + bottles + "/b",
            "Bottles prefix " + bottles + QString::fromUtf8("/\xc3\xa9"),
            "Bottles (Flatpak) prefixes in " + m_home +
                "/.var/app/com.usebottles.bottles/data/bottles/bottles: no such folder",
            "PlayOnLinux prefix " + m_home + "/.PlayOnLinux/wineprefix/Norvo",
            "CrossOver prefixes in " + m_home + "/.cxoffice: none",
        };
        const QStringList withPrefix = QStringList{"Wine prefix " + root() + "/custom (WINEPREFIX)",
                                                   "Wine prefix " + m_home + "/.wine"} +
                                       frontEnds;
        QCOMPARE(describe(WinePrefix::placesToSearch(environment(root() + "/custom"))), withPrefix);
        const QStringList withoutPrefix =
            QStringList{"WINEPREFIX: not set", "Wine prefix " + m_home + "/.wine"} + frontEnds;
        QCOMPARE(describe(WinePrefix::placesToSearch(environment())), withoutPrefix);
        // The same prefix reached twice is searched once.
        const QStringList once =
            QStringList{"Wine prefix " + m_home + "/.wine/ (WINEPREFIX)"} + frontEnds;
        QCOMPARE(describe(WinePrefix::placesToSearch(environment(m_home + "/.wine/"))), once);
        QCOMPARE(describe(WinePrefix::placesToSearch(environment("relative/prefix"))).first(),
                 "WINEPREFIX relative/prefix: not an absolute path");
    }

    void searchesInOrder_data() {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("folder");     // below the root; empty when none is found
        QTest::addColumn<QString>("source");     // part of the source
        QTest::addColumn<QStringList>("misses"); // a part of each miss, in order

        const QString norvo = "home/.wine/drive_c/Norvo";
        const QStringList noFrontEnds{"Bottles prefixes in", "Bottles (Flatpak) prefixes in",
                                      "PlayOnLinux prefixes in", "CrossOver prefixes in"};
        QTest::newRow("settings file wins over a prefix") << "settings+wine"
                                                          << "settings-host"
                                                          << "settings file " << QStringList();
        QTest::newRow("WINEPREFIX before ~/.wine")
            << "wineprefix+wine"
            << "custom/drive_c/Custom"
            << "Wine prefix %ROOT%/custom (WINEPREFIX): "
               "HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Pellorwick\\NORVO7, value Directory "
               "\"C:\\Custom\""
            << QStringList{"settings file"};
        QTest::newRow("~/.wine") << "wine" << norvo << "Wine prefix %ROOT%/home/.wine: "
                                 << QStringList{"settings file", "WINEPREFIX: not set"};
        QTest::newRow("32-bit view before the key itself")
            << "both views"
            << "home/.wine/drive_c/Thirty-two"
            << "HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Pellorwick\\NORVO7"
            << QStringList{"settings file", "WINEPREFIX"};
        QTest::newRow("32-bit view unusable: the key itself")
            << "wow unmapped"
            << "home/.wine/drive_c/Sixty-four"
            << "HKEY_LOCAL_MACHINE\\Software\\Pellorwick\\NORVO7, value Directory"
            << QStringList{"settings file", "WINEPREFIX",
                           "Wine prefix %ROOT%/home/.wine, "
                           "HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Pellorwick\\NORVO7: "
                           "Directory \"C:\\Gone\": no folder \"Gone\" in "};
        QTest::newRow("unmapped folder: the search goes on to the front-ends")
            << "wine unmapped, bottles"
            << "home/.local/share/bottles/bottles/A/drive_c/Norvo"
            << "Bottles prefix %ROOT%/home/.local/share/bottles/bottles/A: "
            << QStringList{"settings file", "WINEPREFIX",
                           "Wine prefix %ROOT%/home/.wine, HKEY_LOCAL_MACHINE\\Software\\"
                           "Wow6432Node\\Pellorwick\\NORVO7: Directory \"Z:\\Norvo\": no drive Z:",
                           "Wine prefix %ROOT%/home/.wine, HKEY_LOCAL_MACHINE\\Software\\"
                           "Pellorwick\\NORVO7: no such key"};
        QTest::newRow("several prefixes of one front-end: first by name")
            << "bottles"
            << "home/.local/share/bottles/bottles/A/drive_c/Norvo"
            << "Bottles prefix"
            << QStringList{"settings file", "WINEPREFIX", ".wine: no such folder"};
        QTest::newRow("nothing anywhere")
            << ""
            << ""
            << ""
            << QStringList{"NORVO7.conf: no such file", "WINEPREFIX: not set",
                           "Wine prefix %ROOT%/home/.wine: no such folder"} +
                   noFrontEnds;
        QTest::newRow("settings file without a value, prefix without the key")
            << "empty settings, no key"
            << ""
            << ""
            << QStringList{"settings file", "WINEPREFIX",
                           "Wine prefix %ROOT%/home/.wine: no key "
                           "HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Pellorwick\\NORVO7 nor "
                           "HKEY_LOCAL_MACHINE\\Software\\Pellorwick\\NORVO7"} +
                   noFrontEnds;
        QTest::newRow("empty setting") << "empty setting"
                                       << ""
                                       << ""
                                       << QStringList{"Directory is empty", "WINEPREFIX"} +
                                              QStringList{".wine: no such folder"} + noFrontEnds;
        QTest::newRow("setting holding a comma, unquoted: a list")
            << "list setting, wine" << norvo << "Wine prefix %ROOT%/home/.wine: "
            << QStringList{"NORVO7.conf: a comma makes a list; put the folder in double quotes",
                           "WINEPREFIX: not set"};
        QTest::newRow("not a registry")
            << "not a registry"
            << ""
            << ""
            << QStringList{"settings file", "WINEPREFIX",
                           ".wine: system.reg is not a Wine registry file"} +
                   noFrontEnds;
        QTest::newRow("system.reg is a folder")
            << "reg folder"
            << ""
            << ""
            << QStringList{"settings file", "WINEPREFIX", ".wine: system.reg is not a file"} +
                   noFrontEnds;
        QTest::newRow("no system.reg")
            << "no reg"
            << ""
            << ""
            << QStringList{"settings file", "WINEPREFIX", ".wine: no system.reg"} + noFrontEnds;
        QTest::newRow("empty value and unexpanded value")
            << "unusable values"
            << ""
            << ""
            << QStringList{"settings file", "WINEPREFIX",
                           "Wow6432Node\\Pellorwick\\NORVO7: Directory is an expandable string "
                           "holding %",
                           "Software\\Pellorwick\\NORVO7: Directory is empty"} +
                   noFrontEnds;
    }

    void searchesInOrder() {
        QFETCH(QString, scenario);
        QFETCH(QString, folder);
        QFETCH(QString, source);
        QFETCH(QStringList, misses);
        const QString wine = m_home + "/.wine";
        const QString bottles = m_home + "/.local/share/bottles/bottles";
        QString winePrefix;
        const QByteArray bothViews = WinePrefixFixture::hive(HostKeyPath, "C:\\Sixty-four") +
                                     "\n[Software\\\\Wow6432Node\\\\Pellorwick\\\\NORVO7] "
                                     "1\n\"Directory\"=\"C:\\\\Thirty-two\"\n";
        const QByteArray wowGoneBothViews =
            WinePrefixFixture::hive(HostKeyPath, "C:\\Sixty-four") +
            "\n[Software\\\\Wow6432Node\\\\Pellorwick\\\\NORVO7] 1\n\"Directory\"=\"C:\\\\Gone\"\n";

        if (scenario == "settings+wine") {
            QVERIFY(QDir().mkpath(root() + "/settings-host"));
            writeSettings("[General]\nDirectory=" + root().toUtf8() + "/settings-host\n");
            makePrefix(wine, wowHive("C:\\Norvo"), {"Norvo"});
        } else if (scenario == "wineprefix+wine") {
            makePrefix(root() + "/custom", wowHive("C:\\Custom"), {"Custom"});
            makePrefix(wine, wowHive("C:\\Norvo"), {"Norvo"});
            winePrefix = root() + "/custom";
        } else if (scenario == "wine") {
            makePrefix(wine, wowHive("C:\\Norvo"), {"Norvo"});
        } else if (scenario == "both views") {
            makePrefix(wine, bothViews, {"Sixty-four", "Thirty-two"});
        } else if (scenario == "wow unmapped") {
            makePrefix(wine, wowGoneBothViews, {"Sixty-four"});
        } else if (scenario == "wine unmapped, bottles") {
            makePrefix(wine, wowHive("Z:\\Norvo"), {"Norvo"});
            makePrefix(bottles + "/A", wowHive("C:\\Norvo"), {"Norvo"});
        } else if (scenario == "bottles") {
            makePrefix(bottles + "/B", wowHive("C:\\Norvo"), {"Norvo"});
            makePrefix(bottles + "/A", wowHive("C:\\Norvo"), {"Norvo"});
            makePrefix(bottles + "/a", wowHive("C:\\Norvo"), {"Norvo"});
        } else if (scenario == "empty settings, no key") {
            writeSettings("[General]\nVersion=7\n");
            makePrefix(wine, WinePrefixFixture::hive("Software\\Pellorwick\\NORVO", "C:\\"));
        } else if (scenario == "empty setting") {
            writeSettings("Directory=\n");
        } else if (scenario == "list setting, wine") {
            writeSettings("Directory=" + root().toUtf8() + "/a," + root().toUtf8() + "/b\n");
            makePrefix(wine, wowHive("C:\\Norvo"), {"Norvo"});
        } else if (scenario == "not a registry") {
            makePrefix(wine, "REGEDIT4\n");
        } else if (scenario == "reg folder") {
            makePrefix(wine, QByteArray());
            QVERIFY(QDir().mkpath(wine + "/system.reg"));
        } else if (scenario == "no reg") {
            makePrefix(wine, QByteArray());
        } else if (scenario == "unusable values") {
            makePrefix(wine, WinePrefixFixture::hive(HostKeyPath, "") +
                                 "[Software\\\\Wow6432Node\\\\Pellorwick\\\\NORVO7]\n"
                                 "\"Directory\"=str(2):\"%ProgramFiles%\\\\Norvo\"\n");
        }

        const HostFolderSearch search = findHostFolder(environment(winePrefix));
        const QString realRoot = QDir(root()).canonicalPath();
        QCOMPARE(search.found(), !folder.isEmpty());
        // A settings file's folder is used as written; a prefix's is found on disk.
        QString expected;
        if (folder == "settings-host")
            expected = root() + "/" + folder;
        else if (!folder.isEmpty())
            expected = realRoot + "/" + folder;
        QCOMPARE(search.folder, expected);
        QVERIFY2(search.source.contains(QString(source).replace("%ROOT%", root())),
                 qPrintable(search.source));
        // The host's own path for its folder, which bounds the skin names it can open, is
        // known only from a prefix's registry.
        if (folder.isEmpty() || folder == "settings-host")
            QCOMPARE(search.windowsFolder, QString());
        else
            QVERIFY2(search.windowsFolder.startsWith("C:\\") &&
                         search.source.contains('"' + search.windowsFolder + '"'),
                     qPrintable(search.windowsFolder));
        QVERIFY2(search.misses.size() == misses.size(), qPrintable(search.misses.join('\n')));
        for (qsizetype i = 0; i < misses.size(); ++i)
            QVERIFY2(search.misses[i].contains(QString(misses[i]).replace("%ROOT%", root())),
                     qPrintable(search.misses[i]));
    }

    // The window's start-up on a machine where only a Wine prefix knows the host.
    void loadStepFindsTheHostInAWinePrefix() {
        const QByteArray home = qgetenv("HOME");
        const QByteArray prefix = qgetenv("WINEPREFIX");
        qputenv("HOME", QFile::encodeName(m_home));
        qunsetenv("WINEPREFIX");
        makePrefix(m_home + "/.wine", wowHive("C:\\Program Files (x86)\\Norvo 7"),
                   {"Program Files (x86)/Norvo 7/Skins"});
        FakeDialogs dialogs;
        const HostFolderSearch started = runLoadStep(dialogs);
        QDir(m_home + "/.wine").removeRecursively();
        FakeDialogs without;
        const bool startedWithout = runLoadStep(without).found();
        qputenv("HOME", home);
        if (!prefix.isNull())
            qputenv("WINEPREFIX", prefix);

        QVERIFY(started.found());
        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(started.folder,
                 QDir(m_home).canonicalPath() + "/.wine/drive_c/Program Files (x86)/Norvo 7");
        QVERIFY(!startedWithout);
        QCOMPARE(without.messages, QStringList{"Please install a valid copy of Norvo 7."});
        // Behind the message: every place looked at, as --where prints them, and how to
        // name the folder.
        const QString details = without.details.constFirst();
        QVERIFY2(details.startsWith("Varnel looked for the Norvo 7 folder here:\n  settings "
                                    "file "),
                 qPrintable(details));
        QVERIFY2(details.contains("\n  Wine prefix " + m_home + "/.wine: no such folder\n"),
                 qPrintable(details));
        QVERIFY2(details.endsWith("/Pellorwick/NORVO7.conf with one line:\n"
                                  "Directory=\"/path/to/Norvo 7\""),
                 qPrintable(details));
    }
#endif
};

QTEST_GUILESS_MAIN(TestHostFolderSearch)
#include "tst_hostfoldersearch.moc"
