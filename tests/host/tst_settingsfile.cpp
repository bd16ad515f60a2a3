#include "host/hostfoldersearch.h"
#include "host/registryvalue.h"
#include "host/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

using Kind = SettingsFile::Value::Kind;

namespace {

// The value QSettings itself reads for `key` from `content`; only for files without stored
// types, which it could not read here.
QVariant readByQSettings(const QByteArray& content, const QString& key) {
    QTemporaryFile file;
    if (!file.open() || file.write(content) != content.size() || !file.flush())
        return QStringLiteral("(fixture not written)");
    return QSettings(file.fileName(), QSettings::IniFormat).value(key);
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_user;
    QTemporaryDir m_system;

    void writeFile(const QTemporaryDir& dir, const QByteArray& content) {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Pellorwick")));
        const QString path = dir.filePath(QStringLiteral("Pellorwick/NORVO7.conf"));
        QFile::remove(path);
        if (content.isNull())
            return;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_user.path());
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_system.path()));
    }

    // Every text the way QSettings reads it, compared with QSettings on the same bytes.
    void readsTextsAsQSettingsDoes_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");

        const QString dir = QStringLiteral("Directory");
        const auto text = [](const char* s) {
            return QVariant(QString::fromUtf8(s));
        };
        QTest::newRow("plain") << QByteArray("Directory=/srv/host\n") << dir << text("/srv/host");
        QTest::newRow("blanks dropped unless quoted")
            << QByteArray("Directory =  /srv/a b  \nOther=\"  x  \"\n") << dir << text("/srv/a b");
        QTest::newRow("quoted blanks kept")
            << QByteArray("Directory=\"  /srv/host  \"\n") << dir << text("  /srv/host  ");
        QTest::newRow("escapes") << QByteArray("Directory=C:\\\\Host\\t\\x41\\101\\q\n") << dir
                                 << text("C:\\Host\tAA");
        QTest::newRow("line continuation")
            << QByteArray("Directory=/srv/\\\nhost\n") << dir << text("/srv/host");
        QTest::newRow("line continuation, CRLF")
            << QByteArray("Directory=/srv/\\\r\nhost\r\n") << dir << text("/srv/host");
        QTest::newRow("comment lines and a semicolon ending the line")
            << QByteArray("; Directory=/no\nDirectory=/srv/host;/rest\n") << dir
            << text("/srv/host");
        QTest::newRow("unquoted comma makes a list")
            << QByteArray("Directory=/a, b\n") << dir << QVariant(QStringList{"/a", "b"});
        QTest::newRow("quoted comma stays")
            << QByteArray("Directory=\"/a, b\"\n") << dir << text("/a, b");
        QTest::newRow("general section and last line wins")
            << QByteArray("[General]\nDirectory=/one\n[Paths]\nDirectory=/two\n"
                          "[general]\nDirectory=/three\n")
            << dir << text("/three");
        QTest::newRow("a section is a group") << QByteArray("[Paths]\nDirectory=/two\n")
                                              << QStringLiteral("Paths/Directory") << text("/two");
        QTest::newRow("a key in another letter case is another key")
            << QByteArray("DIRECTORY=/other\nDirectory=/srv/host\ndirectory=/other\n") << dir
            << text("/srv/host");
        QTest::newRow("escaped key")
            << QByteArray("Dir%65ctory=/srv/host\n") << dir << text("/srv/host");
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf"
                                                       "Directory=/srv/host\n")
                                         << dir << text("/srv/host");
        QTest::newRow("UTF-8 split by a continuation")
            << QByteArray("Directory=/srv/\xc3\\\n\xa9t\xc3\xa9\n") << dir
            << text("/srv/\xc3\xa9t\xc3\xa9");
        QTest::newRow("quote left open takes the rest")
            << QByteArray("Directory=\"/srv\nOther=1\n") << dir << text("/srv\nOther=1\n");
        QTest::newRow("section without closing bracket")
            << QByteArray("[Paths\nDirectory=/two\n") << QStringLiteral("Paths/Directory")
            << text("/two");
    }

    void readsTextsAsQSettingsDoes() {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);

        const SettingsFile::Values values = SettingsFile::parse(content);
        const SettingsFile::Value* value = SettingsFile::find(values, key);
        QVERIFY(value);
        QCOMPARE(value->toVariant(), expected);
        QCOMPARE(readByQSettings(content, key), expected);
    }

    // What QSettings would build as a type is kept as its text, however the "@" and the name
    // are spelt in the file.
    void keepsStoredTypesAsText_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");

        QTest::newRow("stored bitmap")
            << QByteArray("Directory=@Variant(\\0\\0\\0I#01)\n") << int(Kind::StoredType)
            << QStringLiteral("@Variant(\0\0\0I#01)");
        QTest::newRow("escaped @")
            << QByteArray("[General]\nDirectory=\\x40Variant(\\0\\0\\0I\\0)\n")
            << int(Kind::StoredType) << QString::fromLatin1("@Variant(\0\0\0I\0)", 15);
        QTest::newRow("octal @") << QByteArray("Directory=\\100ByteArray(x)\n")
                                 << int(Kind::StoredType) << QStringLiteral("@ByteArray(x)");
        QTest::newRow("line continuation inside the name")
            << QByteArray("Directory=@Vari\\\nant(\\0\\0\\0I\\0)\n") << int(Kind::StoredType)
            << QString::fromLatin1("@Variant(\0\0\0I\0)", 15);
        QTest::newRow("quoted") << QByteArray("Directory=\"@Rect(1 2 3 4)\"\n")
                                << int(Kind::StoredType) << QStringLiteral("@Rect(1 2 3 4)");
        QTest::newRow("doubled @ is a text") << QByteArray("Directory=@@Variant(x)\n")
                                             << int(Kind::Text) << QStringLiteral("@Variant(x)");
        QTest::newRow("string with a NUL is a text")
            << QByteArray("Directory=@String(/srv)\n") << int(Kind::Text) << QStringLiteral("/srv");
        QTest::newRow("invalid") << QByteArray("Directory=@Invalid()\n") << int(Kind::Invalid)
                                 << QString();
        QTest::newRow("no closing bracket is a text")
            << QByteArray("Directory=@Variant(x\n") << int(Kind::Text)
            << QStringLiteral("@Variant(x");
        QTest::newRow("quoted list holding a stored type")
            << QByteArray("Directory=\"@Variant(\\0\\0\\0I\\0)\", /srv\n") << int(Kind::List)
            << QString();
    }

    void keepsStoredTypesAsText() {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QFETCH(QString, text);

        const SettingsFile::Values values = SettingsFile::parse(content);
        const SettingsFile::Value* value = SettingsFile::find(values, QStringLiteral("Directory"));
        QVERIFY(value);
        QCOMPARE(int(value->kind), kind);
        if (value->kind != Kind::List)
            QCOMPARE(value->text, text);
    }

    // The search the window, --where and --export share: it reaches an answer whatever the
    // files hold, without a GUI application, and a stored type never names a folder.
    void searchAnswersOnEveryFile_data() {
        QTest::addColumn<QByteArray>("userFile");
        QTest::addColumn<QByteArray>("systemFile");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("fromUserFile");
        QTest::addColumn<QString>("reason"); // in the user file's line, when nothing is found

        const QByteArray none;
        const QByteArray system("Directory=/opt/norvo\n");
        QTest::newRow("escaped @, system-wide file decides")
            << QByteArray("[General]\nDirectory=\\x40Variant(\\0\\0\\0I\\0)\n") << system
            << QStringLiteral("/opt/norvo") << false << QString();
        QTest::newRow("line continuation, system-wide file decides")
            << QByteArray("Directory=@Vari\\\nant(\\0\\0\\0I\\0)\n") << system
            << QStringLiteral("/opt/norvo") << false << QString();
        QTest::newRow("stored type only")
            << QByteArray("Directory=\\x40Variant(\\0\\0\\0I\\0)\n") << none << QString() << false
            << QStringLiteral("Directory is neither text nor a number");
        QTest::newRow("quoted list holding a stored type")
            << QByteArray("Directory=\"@Variant(\\0\\0\\0I\\0)\", /srv\n") << system << QString()
            << true << QStringLiteral("a comma makes a list; put the folder in double quotes");
        QTest::newRow("stored type under another key")
            << QByteArray("Picture=@Variant(\\0\\0\\0I\\0)\nDirectory=/srv/host\n") << system
            << QStringLiteral("/srv/host") << true << QString();
        QTest::newRow("stored type in another section")
            << QByteArray(
                   "[Images]\nLogo=@Variant(\\0\\0\\0I#01)\n[General]\nDirectory=/srv/host\n")
            << none << QStringLiteral("/srv/host") << true << QString();
        QTest::newRow("doubled @") << QByteArray("Directory=@@srv\n") << none
                                   << QStringLiteral("@srv") << true << QString();
        QTest::newRow("invalid value decides")
            << QByteArray("Directory=@Invalid()\n") << system << QString() << true
            << QStringLiteral("no Directory value");
    }

    void searchAnswersOnEveryFile() {
        QFETCH(QByteArray, userFile);
        QFETCH(QByteArray, systemFile);
        QFETCH(QString, folder);
        QFETCH(bool, fromUserFile);
        QFETCH(QString, reason);

        writeFile(m_user, userFile);
        writeFile(m_system, systemFile);
        const Module2::SettingsValue read = Module2::readSettingsValue(
            QStringLiteral("Pellorwick"), QStringLiteral("NORVO7"), QStringLiteral("Directory"));
        QCOMPARE(Module2::registryValueText(read.value), folder);
        QCOMPARE(read.file == read.files.value(0), fromUserFile);

        // The window and the command line say the same of it.
        WinePrefix::Environment noWine;
        noWine.home = m_user.filePath(QStringLiteral("home"));
        noWine.dataHome = m_user.filePath(QStringLiteral("data"));
        const HostFolderSearch search = findHostFolder(noWine);
        QCOMPARE(search.folder, folder);
        if (!reason.isEmpty()) {
            QVERIFY2(search.misses.value(0).endsWith(QStringLiteral(": ") + reason),
                     qPrintable(search.misses.join(u'\n')));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
