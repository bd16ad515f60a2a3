#include "host/wineregistry.h"

#include <QFile>
#include <QtTest>

using WineRegistry::Status;

Q_DECLARE_METATYPE(WineRegistry::Status)

namespace {

const QString HostKey = QStringLiteral("Software\\Pellorwick\\NORVO7");
const QString WowKey = QStringLiteral("Software\\Wow6432Node\\Pellorwick\\NORVO7");
const QString Directory = QStringLiteral("Directory");

// A hive with the header and one section for the host's key holding `lines`.
QByteArray hostHive(const QByteArray& lines) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
           "[Software\\\\Pellorwick\\\\NORVO7] 1796907049\n#time=1dd88a514d26e7a\n" +
           lines + "\n";
}

} // namespace

class TestWineRegistry : public QObject {
    Q_OBJECT

private slots:
    void readValue_data() {
        QTest::addColumn<QByteArray>("hive");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QVariant>("data");

        const QVariant none;
        const auto text = [](const char* utf8) {
            return QVariant(QString::fromUtf8(utf8));
        };
        const QByteArray bothViews = "WINE REGISTRY Version 2\n"
                                     "[Software\\\\Pellorwick\\\\NORVO7] 1\n"
                                     "\"Directory\"=\"C:\\\\Sixty-four\"\n"
                                     "[Software\\\\Wow6432Node\\\\Pellorwick\\\\NORVO7] 1\n"
                                     "\"Directory\"=\"C:\\\\Thirty-two\"\n";

        // Keys and names
        QTest::newRow("32-bit view")
            << bothViews << WowKey << Directory << Status::Found << text("C:\\Thirty-two");
        QTest::newRow("the key itself")
            << bothViews << HostKey << Directory << Status::Found << text("C:\\Sixty-four");
        QTest::newRow("key and value names in other letter case")
            << QByteArray("WINE REGISTRY Version 2\n[SOFTWARE\\\\pellorwick\\\\Norvo7]\n"
                          "\"DIRECTORY\"=\"C:\\\\Host\"\n")
            << HostKey << Directory << Status::Found << text("C:\\Host");
        QTest::newRow("key only as the start of another key's name")
            << QByteArray(
                   "WINE REGISTRY Version 2\n[Software\\\\Pellorwick\\\\NORVO7X]\n"
                   "\"Directory\"=\"C:\\\\Other\"\n[Software\\\\Pellorwick\\\\NORVO7\\\\Sub]\n"
                   "\"Directory\"=\"C:\\\\Sub\"\n")
            << HostKey << Directory << Status::NoKey << none;
        QTest::newRow("value name only as the start of another")
            << hostHive("\"DirectoryX\"=\"C:\\\\X\"\n\"Director\"=\"C:\\\\Y\"") << HostKey
            << Directory << Status::NoValue << none;
        QTest::newRow("default value @= is not Directory")
            << hostHive("@=\"C:\\\\Default\"") << HostKey << Directory << Status::NoValue << none;
        QTest::newRow("default value read by the empty name")
            << hostHive("@=\"C:\\\\Default\"") << HostKey << QString() << Status::Found
            << text("C:\\Default");
        QTest::newRow("blanks around = and before the line")
            << hostHive("  \"Directory\" \t=  \"C:\\\\Host\"") << HostKey << Directory
            << Status::Found << text("C:\\Host");
        QTest::newRow("the last of two lines wins")
            << hostHive("\"Directory\"=\"C:\\\\First\"\n\"Directory\"=\"C:\\\\Second\"") << HostKey
            << Directory << Status::Found << text("C:\\Second");
        QTest::newRow("value before any key is no one's")
            << QByteArray("WINE REGISTRY Version 2\n\"Directory\"=\"C:\\\\Host\"\n") << HostKey
            << Directory << Status::NoKey << none;
        QTest::newRow("key line without its closing bracket holds nothing")
            << QByteArray("WINE REGISTRY Version 2\n[Software\\\\Pellorwick\\\\NORVO7\n"
                          "\"Directory\"=\"C:\\\\Host\"\n")
            << HostKey << Directory << Status::NoKey << none;
        QTest::newRow("escaped letter in the key name")
            << QByteArray("WINE REGISTRY Version 2\n[Software\\\\Pellorwick\\\\\\x4eORVO7]\n"
                          "\"Directory\"=\"C:\\\\Host\"\n")
            << HostKey << Directory << Status::Found << text("C:\\Host");
        QTest::newRow("key name with a raw UTF-8 letter")
            << QByteArray("WINE REGISTRY Version 2\n[Software\\\\Pellorwick\\\\NORVO7\xc3\xa9]\n"
                          "\"Directory\"=\"C:\\\\Host\"\n")
            << HostKey << Directory << Status::NoKey << none;
        QTest::newRow("doubled separators in the key name")
            << QByteArray("WINE REGISTRY Version 2\n[Software\\\\\\\\Pellorwick\\\\NORVO7]\n"
                          "\"Directory\"=\"C:\\\\Host\"\n")
            << HostKey << Directory << Status::Found << text("C:\\Host");

        // String forms and escapes
        QTest::newRow("str:") << hostHive("\"Directory\"=str:\"C:\\\\Host\"") << HostKey
                              << Directory << Status::Found << text("C:\\Host");
        QTest::newRow("str(2) without %")
            << hostHive("\"Directory\"=str(2):\"C:\\\\Host\"") << HostKey << Directory
            << Status::Found << text("C:\\Host");
        QTest::newRow("str(2) with %")
            << hostHive("\"Directory\"=str(2):\"%ProgramFiles%\\\\Norvo\"") << HostKey << Directory
            << Status::Unexpanded << none;
        QTest::newRow("str(7) list") << hostHive("\"Directory\"=str(7):\"C:\\\\A\\0C:\\\\B\\0\"")
                                     << HostKey << Directory << Status::NotText << none;
        QTest::newRow("\\x00e9 before hex digits")
            << hostHive("\"Directory\"=\"C:\\\\Caf\\x00e9abc\"") << HostKey << Directory
            << Status::Found
            << text("C:\\Caf\xc3\xa9"
                    "abc");
        QTest::newRow("\\xe9 short") << hostHive("\"Directory\"=\"C:\\\\Caf\\xe9\"") << HostKey
                                     << Directory << Status::Found << text("C:\\Caf\xc3\xa9");
        QTest::newRow("surrogate pair joined")
            << hostHive("\"Directory\"=\"C:\\\\\\xd83d\\xde00\"") << HostKey << Directory
            << Status::Found << text("C:\\\xf0\x9f\x98\x80");
        QTest::newRow("escaped quote and backslash")
            << hostHive("\"Directory\"=\"C:\\\\Say \\\"hi\\\"\\\\\"") << HostKey << Directory
            << Status::Found << text("C:\\Say \"hi\"\\");
        QTest::newRow("octal, C escapes, \\x without digits, other characters")
            << hostHive("\"Directory\"=\"\\101\\tb\\n\\x!\\q\\7z\"") << HostKey << Directory
            << Status::Found << text("A\tb\nx!q\az");
        QTest::newRow("raw UTF-8")
            << hostHive("\"Directory\"=\"C:\\\\Caf\xc3\xa9 \xe2\x82\xac\"") << HostKey << Directory
            << Status::Found << text("C:\\Caf\xc3\xa9 \xe2\x82\xac");
        QTest::newRow("text up to its first NUL")
            << hostHive("\"Directory\"=\"C:\\\\Host\\0junk\"") << HostKey << Directory
            << Status::Found << text("C:\\Host");
        QTest::newRow("empty text")
            << hostHive("\"Directory\"=\"\"") << HostKey << Directory << Status::Found << text("");
        QTest::newRow("escaped name") << hostHive("\"Dir\\x0065ctory\"=\"C:\\\\Host\"") << HostKey
                                      << Directory << Status::Found << text("C:\\Host");

        // Line ends and damage
        QTest::newRow("CR LF line ends")
            << QByteArray(hostHive("\"Directory\"=\"C:\\\\Host\"")).replace("\n", "\r\n") << HostKey
            << Directory << Status::Found << text("C:\\Host");
        QTest::newRow("no line end after the last line")
            << hostHive("\"Directory\"=\"C:\\\\Host\"").chopped(1) << HostKey << Directory
            << Status::Found << text("C:\\Host");
        QTest::newRow("closing quote missing") << hostHive("\"Directory\"=\"C:\\\\Host") << HostKey
                                               << Directory << Status::Malformed << none;
        QTest::newRow("backslash at the end of the text")
            << hostHive("\"Directory\"=\"C:\\\\Host\\") << HostKey << Directory << Status::Malformed
            << none;
        QTest::newRow("unknown type") << hostHive("\"Directory\"=string:\"C:\\\\Host\"") << HostKey
                                      << Directory << Status::Malformed << none;
        QTest::newRow("a damaged later line hides an earlier one")
            << hostHive("\"Directory\"=\"C:\\\\Host\"\n\"Directory\"=\"C:\\\\Cut") << HostKey
            << Directory << Status::Malformed << none;
        QTest::newRow("name without = is no value")
            << hostHive("\"Directory\"=\"C:\\\\Host\"\n\"Directory\" \"C:\\\\Other\"") << HostKey
            << Directory << Status::Found << text("C:\\Host");

        // Not a registry
        QTest::newRow("wrong header") << QByteArray(hostHive("\"Directory\"=\"C:\\\\Host\""))
                                             .replace("Version 2", "Version 1")
                                      << HostKey << Directory << Status::NotARegistry << none;
        QTest::newRow("byte order mark before the header")
            << "\xef\xbb\xbf" + hostHive("\"Directory\"=\"C:\\\\Host\"") << HostKey << Directory
            << Status::NotARegistry << none;
        QTest::newRow("empty file")
            << QByteArray() << HostKey << Directory << Status::NotARegistry << none;
        QTest::newRow("unknown architecture")
            << QByteArray(hostHive("\"Directory\"=\"C:\\\\Host\"")).replace("win64", "win128")
            << HostKey << Directory << Status::NotARegistry << none;

        // Other types
        QTest::newRow("dword") << hostHive("\"Directory\"=dword:0000002a") << HostKey << Directory
                               << Status::Found << QVariant(42);
        QTest::newRow("dword read as signed") << hostHive("\"Directory\"=dword:ffffffff") << HostKey
                                              << Directory << Status::Found << QVariant(-1);
        QTest::newRow("dword not hex") << hostHive("\"Directory\"=dword:7g") << HostKey << Directory
                                       << Status::Malformed << none;
        QTest::newRow("dword too long") << hostHive("\"Directory\"=dword:100000000") << HostKey
                                        << Directory << Status::Malformed << none;
        QTest::newRow("binary") << hostHive("\"Directory\"=hex:43,00,3a,00") << HostKey << Directory
                                << Status::NotText << none;
        QTest::newRow("hex(0)") << hostHive("\"Directory\"=hex(0):") << HostKey << Directory
                                << Status::NotText << none;
        QTest::newRow("text without its NUL, saved as hex(1)")
            << hostHive("\"Directory\"=hex(1):43,00,3a,00,5c,00,e9,00") << HostKey << Directory
            << Status::Found << text("C:\\\xc3\xa9");
        QTest::newRow("hex(2) with %") << hostHive("\"Directory\"=hex(2):25,00,41,00,25,00")
                                       << HostKey << Directory << Status::Unexpanded << none;
        QTest::newRow("dword saved as hex(4)")
            << hostHive("\"Directory\"=hex(4):07,00,00,00") << HostKey << Directory << Status::Found
            << QVariant(7);
        QTest::newRow("qword") << hostHive("\"Directory\"=hex(b):00,e4,0b,54,02,00,00,00")
                               << HostKey << Directory << Status::Found
                               << QVariant(qlonglong(10000000000));
        QTest::newRow("hex(4) of the wrong size")
            << hostHive("\"Directory\"=hex(4):07,00") << HostKey << Directory << Status::NotText
            << none;
        QTest::newRow("hex byte of three digits") << hostHive("\"Directory\"=hex:123") << HostKey
                                                  << Directory << Status::Malformed << none;
        QTest::newRow("hex data on continued lines")
            << hostHive("\"Directory\"=hex(1):43,00,3a,00,\\\n  5c,00,48,00,\\\n  69,00") << HostKey
            << Directory << Status::Found << text("C:\\Hi");
        QTest::newRow("another value's continued hex lines are skipped")
            << hostHive("\"Blob\"=hex:01,02,\\\n  03,04\n\"Directory\"=\"C:\\\\Host\"") << HostKey
            << Directory << Status::Found << text("C:\\Host");
        QTest::newRow("a continuation line is never a value of its own")
            << hostHive("\"Blob\"=hex:01,02,\\\n\"Directory\"=\"C:\\\\Host\"") << HostKey
            << Directory << Status::NoValue << none;
        QTest::newRow("continuation at the end of the file")
            << hostHive("\"Directory\"=hex(1):43,00,\\").chopped(1) << HostKey << Directory
            << Status::Malformed << none;
    }

    void readValue() {
        QFETCH(QByteArray, hive);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(Status, status);
        QFETCH(QVariant, data);
        const WineRegistry::Value value = WineRegistry::readValue(hive, key, name);
        QCOMPARE(value.status, status);
        QCOMPARE(value.data, data);
        if (data.isValid())
            QCOMPARE(value.data.typeId(), data.typeId());
    }

    // The file Wine itself saved after `wine reg add ... /reg:32` (tests/host/make-wine-fixture).
    void realWineFile_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QVariant>("data");
        QTest::newRow("Directory")
            << WowKey << Directory << Status::Found
            << QVariant(
                   QString::fromUtf8("C:\\Program Files (x86)\\Pellorwick\\Norvo 7 Caf\xc3\xa9"));
        QTest::newRow("DWORD") << WowKey << QStringLiteral("Version") << Status::Found
                               << QVariant(7);
        QTest::newRow("expandable")
            << WowKey << QStringLiteral("Skins") << Status::Unexpanded << QVariant();
        QTest::newRow("binary") << WowKey << QStringLiteral("Signature") << Status::NotText
                                << QVariant();
        QTest::newRow("list") << WowKey << QStringLiteral("Languages") << Status::NotText
                              << QVariant();
        QTest::newRow("no 64-bit key") << HostKey << Directory << Status::NoKey << QVariant();
        QTest::newRow("a value Wine wrote on its own")
            << QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion")
            << QStringLiteral("ProgramFilesDir") << Status::Found
            << QVariant(QStringLiteral("C:\\Program Files"));
    }

    void realWineFile() {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(Status, status);
        QFETCH(QVariant, data);
        QFile file(QStringLiteral(VARNEL_WINE_FIXTURE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const WineRegistry::Value value = WineRegistry::readValue(file.readAll(), key, name);
        QCOMPARE(value.status, status);
        QCOMPARE(value.data, data);
    }

    // Many keys, then the host's; and one enormous line. Both must be read through.
    void hugeFiles() {
        QByteArray many = "WINE REGISTRY Version 2\n";
        many.reserve(32 << 20);
        for (int i = 0; i < 120000; ++i)
            many +=
                "[Software\\\\Classes\\\\Key" + QByteArray::number(i) +
                "] 1796907049\n#time=1dd88a514d26e7a\n\"Value\"=\"Some text of a usual length\"\n"
                "\"Blob\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\n"
                "  15,16,17,18\n\n";
        many += "[Software\\\\Pellorwick\\\\NORVO7]\n\"Directory\"=\"C:\\\\Host\"\n";
        QVERIFY(many.size() > 20 << 20);
        WineRegistry::Value value = WineRegistry::readValue(many, HostKey, Directory);
        QCOMPARE(value.status, Status::Found);
        QCOMPARE(value.data, QVariant(QStringLiteral("C:\\Host")));

        const QByteArray longText(16 << 20, 'a');
        value = WineRegistry::readValue(hostHive("\"Directory\"=\"C:\\\\" + longText + "\""),
                                        HostKey, Directory);
        QCOMPARE(value.status, Status::Found);
        QCOMPARE(value.data.toString().size(), longText.size() + 3);
        value = WineRegistry::readValue(hostHive("\"Directory\"=\"C:\\\\" + longText), HostKey,
                                        Directory);
        QCOMPARE(value.status, Status::Malformed);
    }
};

QTEST_GUILESS_MAIN(TestWineRegistry)
#include "tst_wineregistry.moc"
