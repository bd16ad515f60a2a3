#include "app/loadstep.h"
#include "fakedialogs.h"
#include "host/hostfolder.h"
#include "host/registryvalue.h"
#include "host/shellfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString installMessage = QStringLiteral("Please install a valid copy of Norvo 7.");
const QString hostKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Pellorwick\\NORVO7\\");

const QString HostFile = QStringLiteral("Pellorwick/NORVO7.conf");
const QString OrganisationFile = QStringLiteral("Pellorwick.conf");

// Points the user settings location and two system-wide folders (XDG_CONFIG_DIRS) at fresh
// folders and writes the given files into them; a file whose content is null is not made.
class SettingsFixture {
public:
    enum Where { User, System, SecondSystem };
    struct File {
        Where where;
        QString name;
        QByteArray content;
    };

    // The host's own file for the user and system-wide.
    SettingsFixture(const QByteArray& userFile, const QByteArray& systemFile)
        : SettingsFixture(QList<File>{{User, HostFile, userFile}, {System, HostFile, systemFile}}) {
    }

    explicit SettingsFixture(const QList<File>& files)
        : m_dirsBefore(qgetenv("XDG_CONFIG_DIRS"))
        , m_hadDirs(qEnvironmentVariableIsSet("XDG_CONFIG_DIRS")) {
        for (const File& file : files)
            write(m_folders[file.where], file.name, file.content);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folders[User].path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           m_folders[System].path());
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_folders[System].path() + u':' +
                                                     m_folders[SecondSystem].path()));
    }

    ~SettingsFixture() {
        if (m_hadDirs)
            qputenv("XDG_CONFIG_DIRS", m_dirsBefore);
        else
            qunsetenv("XDG_CONFIG_DIRS");
    }

private:
    static void write(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
        if (content.isNull())
            return;
        QVERIFY(QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path()));
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    QTemporaryDir m_folders[3];
    QByteArray m_dirsBefore;
    bool m_hadDirs;
};

} // namespace

Q_DECLARE_METATYPE(SettingsFixture::File)

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void initTestCase() {
        // No Wine prefix of the machine's user may stand in for a missing setting.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qunsetenv("WINEPREFIX");
        qunsetenv("XDG_DATA_HOME");
    }

    void init() { Module1::HostFolder.clear(); }

    void valueAsText_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("absent") << QVariant() << QString();
        QTest::newRow("empty text") << QVariant(QString(QLatin1String(""))) << QString();
        QTest::newRow("single blank") << QVariant(QStringLiteral(" ")) << QStringLiteral(" ");
        QTest::newRow("trailing backslash")
            << QVariant(QStringLiteral("C:\\Host\\")) << QStringLiteral("C:\\Host\\");
        QTest::newRow("text with spaces")
            << QVariant(QStringLiteral("  My Host  ")) << QStringLiteral("  My Host  ");
        QTest::newRow("number") << QVariant(42) << QStringLiteral("42");
        QTest::newRow("negative number") << QVariant(-7) << QStringLiteral("-7");
        QTest::newRow("largest 32-bit unsigned")
            << QVariant(quint32(4294967295u)) << QStringLiteral("4294967295");
        QTest::newRow("64-bit number")
            << QVariant(qint64(12345678901234)) << QStringLiteral("12345678901234");
        QTest::newRow("list of texts")
            << QVariant(QStringList{QStringLiteral("C:\\Host")}) << QString();
        QTest::newRow("raw bytes") << QVariant(QByteArray("C:\\Host")) << QString();
        QTest::newRow("Boolean") << QVariant(true) << QString();
    }

    void valueAsText() {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QCOMPARE(Module2::registryValueText(value), text);
    }

    void readRegistryValue_data() {
        QTest::addColumn<QVariant>("keyPath");
        QTest::addColumn<QVariant>("valueName");
        QTest::addColumn<QVariant>("expected");

        const QVariant host(QStringLiteral("/srv/host"));
        QTest::newRow("key with trailing separator")
            << QVariant(hostKey) << QVariant(QStringLiteral("Directory")) << host;
        QTest::newRow("key without trailing separator")
            << QVariant(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Pellorwick\\NORVO7"))
            << QVariant(QStringLiteral("Directory")) << QVariant();
        QTest::newRow("whole path in the key")
            << QVariant(hostKey + QStringLiteral("Directory")) << QVariant(QString()) << host;
        QTest::newRow("hive and Software in other letter case")
            << QVariant(QStringLiteral("hkey_local_machine\\SOFTWARE\\Pellorwick\\NORVO7\\"))
            << QVariant(QStringLiteral("Directory")) << host;
        QTest::newRow("sub-key read as a group")
            << QVariant(hostKey + QStringLiteral("Paths\\"))
            << QVariant(QStringLiteral("Directory")) << QVariant(QStringLiteral("/srv/paths"));
        QTest::newRow("other value name")
            << QVariant(hostKey) << QVariant(QStringLiteral("Version"))
            << QVariant(QStringLiteral("7"));
        QTest::newRow("missing value")
            << QVariant(hostKey) << QVariant(QStringLiteral("Folder")) << QVariant();
        QTest::newRow("key's default value")
            << QVariant(hostKey) << QVariant(QString()) << QVariant();
        QTest::newRow("other hive")
            << QVariant(QStringLiteral("HKEY_CURRENT_USER\\Software\\Pellorwick\\NORVO7\\"))
            << QVariant(QStringLiteral("Directory")) << QVariant();
        QTest::newRow("too short a key")
            << QVariant(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\"))
            << QVariant(QStringLiteral("Directory")) << QVariant();
        QTest::newRow("arguments not text") << QVariant() << QVariant() << QVariant();
    }

    void readRegistryValue() {
#ifdef Q_OS_WIN
        QSKIP("reads the real registry on Windows");
#endif
        QFETCH(QVariant, keyPath);
        QFETCH(QVariant, valueName);
        QFETCH(QVariant, expected);

        const SettingsFixture settings("Directory=/srv/host\nVersion=7\n"
                                       "[Paths]\nDirectory=/srv/paths\n",
                                       QByteArray());
        // Copies on purpose: the read must leave its arguments as they were.
        // NOLINTBEGIN(performance-unnecessary-copy-initialization)
        const QVariant keyBefore = keyPath;
        const QVariant nameBefore = valueName;
        // NOLINTEND(performance-unnecessary-copy-initialization)
        QCOMPARE(Module2::ReadRegistryValue(keyPath, valueName), expected);
        QCOMPARE(keyPath, keyBefore);
        QCOMPARE(valueName, nameBefore);
    }

    void loadStep_data() {
        QTest::addColumn<QByteArray>("userFile");
        QTest::addColumn<QByteArray>("systemFile");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("hostFolder");

        const QByteArray none;
        QTest::newRow("no settings file") << none << none << false << QString();
        QTest::newRow("no Directory value")
            << QByteArray("[General]\nVersion=7\n") << none << false << QString();
        QTest::newRow("empty value") << QByteArray("Directory=\n") << none << false << QString();
        QTest::newRow("single blank")
            << QByteArray("Directory=\" \"\n") << none << true << QStringLiteral(" ");
        QTest::newRow("folder with trailing backslash")
            << QByteArray("Directory=\"C:\\\\Host\\\\\"\n") << none << true
            << QStringLiteral("C:\\Host\\");
        QTest::newRow("blanks around the folder kept when quoted")
            << QByteArray("Directory=\"  /srv/host  \"\n") << none << true
            << QStringLiteral("  /srv/host  ");
        QTest::newRow("blanks inside the folder")
            << QByteArray("Directory=/srv/Norvo 7/host\n") << none << true
            << QStringLiteral("/srv/Norvo 7/host");
        QTest::newRow("number") << QByteArray("Directory=7\n") << none << true
                                << QStringLiteral("7");
        QTest::newRow("unquoted comma makes a list")
            << QByteArray("Directory=/srv/a, b\n") << none << false << QString();
        // A serialised value whose length field claims tens of gigabytes: it is never
        // deserialised, and names no folder.
        QTest::newRow("corrupt serialised value claiming a huge size")
            << QByteArray::fromBase64("Dz1AVmFyaWEPKAAAAAA9bgB0AHhAPVZhcmlhbnQoAQAABCkKDz1AVmFyaWF"
                                      "udCgAeDEpCjIpCg89QFZhcmlhbnQoAHgxcmlhbnQoAAB4MikKDz1AVmFy"
                                      "aWFudCgAeDEpCjIpCg89QFZhcmlhbnQoAAAAMXF4AHEALykK")
            << none << false << QString();
        // A stored bitmap: Qt could only make one inside a GUI application and would end this
        // one (the command line has none); it is never made, and the file is passed over.
        QTest::newRow("stored bitmap value, no GUI application")
            << QByteArray("Directory=@Variant(\\0\\0\\0I#01)\n") << none << false << QString();
        QTest::newRow("stored bitmap in the user file, system-wide file decides")
            << QByteArray("Directory=@Variant(\\0\\0\\0I#01)\n")
            << QByteArray("Directory=/opt/norvo\n") << true << QStringLiteral("/opt/norvo");
        QTest::newRow("system-wide file only")
            << none << QByteArray("Directory=/opt/norvo\n") << true << QStringLiteral("/opt/norvo");
        QTest::newRow("user file wins over system-wide file")
            << QByteArray("Directory=/home/me/norvo\n") << QByteArray("Directory=/opt/norvo\n")
            << true << QStringLiteral("/home/me/norvo");
        QTest::newRow("empty user value hides system-wide value")
            << QByteArray("Directory=\n") << QByteArray("Directory=/opt/norvo\n") << false
            << QString();
    }

    void loadStep() {
#ifdef Q_OS_WIN
        QSKIP("reads the real registry on Windows");
#endif
        QFETCH(QByteArray, userFile);
        QFETCH(QByteArray, systemFile);
        QFETCH(bool, started);
        QFETCH(QString, hostFolder);

        const SettingsFixture settings(userFile, systemFile);
        FakeDialogs dialogs;
        const HostFolderSearch search = runLoadStep(dialogs);
        QCOMPARE(search.found(), started);
        QCOMPARE(search.folder, hostFolder);
        // The fixed name still holds the folder the window was given.
        QCOMPARE(Module1::HostFolder, hostFolder);
        QCOMPARE(dialogs.messages, started ? QStringList() : QStringList{installMessage});
        QVERIFY(dialogs.openFileRequests.isEmpty());
    }

    void onlyTheHostsOwnSettingsFilesAreRead_data() {
        using F = SettingsFixture;
        QTest::addColumn<QList<SettingsFixture::File>>("files");
        QTest::addColumn<QString>("hostFolder"); // empty: not found

        // A top-level key there is what QSettings would have taken for the host's.
        const QByteArray org = "Directory=/org/norvo\n";
        QTest::newRow("organisation-wide file of the user")
            << QList<F::File>{{F::User, OrganisationFile, org}} << QString();
        QTest::newRow("organisation-wide file of the system")
            << QList<F::File>{{F::System, OrganisationFile, org}} << QString();
        QTest::newRow("organisation-wide user file beside the system-wide host file")
            << QList<F::File>{{F::User, OrganisationFile, org},
                              {F::System, HostFile, "Directory=/opt/norvo\n"}}
            << QStringLiteral("/opt/norvo");
        QTest::newRow("host file in the second system-wide folder")
            << QList<F::File>{{F::SecondSystem, HostFile, "Directory=/srv/second\n"}}
            << QStringLiteral("/srv/second");
        QTest::newRow("first system-wide folder wins over the second")
            << QList<F::File>{{F::System, HostFile, "Directory=/srv/first\n"},
                              {F::SecondSystem, HostFile, "Directory=/srv/second\n"}}
            << QStringLiteral("/srv/first");
    }

    void onlyTheHostsOwnSettingsFilesAreRead() {
#ifdef Q_OS_WIN
        QSKIP("reads the real registry on Windows");
#endif
        QFETCH(QList<SettingsFixture::File>, files);
        QFETCH(QString, hostFolder);

        const SettingsFixture settings(files);
        FakeDialogs dialogs;
        const HostFolderSearch search = runLoadStep(dialogs);
        QCOMPARE(search.found(), !hostFolder.isEmpty());
        QCOMPARE(search.folder, hostFolder);
    }

    void getSpecialFolder_data() {
        QTest::addColumn<int>("folderId");
        QTest::addColumn<QString>("folder");

        QTest::newRow("documents")
            << 5 << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QTest::newRow("desktop") << 0 << QString();
        QTest::newRow("next id") << 6 << QString();
        QTest::newRow("negative id") << -1 << QString();
    }

    void getSpecialFolder() {
        QFETCH(int, folderId);
        QFETCH(QString, folder);
        int id = folderId;
        QCOMPARE(SpecialFolders::GetSpecialFolder(id), folder);
        QCOMPARE(id, folderId);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
