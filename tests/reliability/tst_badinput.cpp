#include "art/builtinart.h"
#include "compose/colourvalue.h"
#include "tests/compose/picturefixtures.h"
#include "tests/reliability/varnelprocess.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace PictureFixtures;
using namespace VarnelProcess;

namespace {

const QStringList SkinFiles = {QStringLiteral("OceanMain.bmp"), QStringLiteral("OceanScene.bmp"),
                               QStringLiteral("OceanChat.bmp"), QStringLiteral("OceanConsole.bmp"),
                               QStringLiteral("Ocean.skn")};

enum class Expect { Skin, Refused };
enum class Special { Fifo, Socket, Device };

} // namespace
Q_DECLARE_METATYPE(Expect)
Q_DECLARE_METATYPE(Special)
namespace {

QImage uniform(QSize size, QRgb colour) {
    return quadrants(size, {colour, colour, colour, colour});
}

QByteArray bmpClaiming(qint32 width, qint32 height, quint16 bits = 24) {
    BmpInfo info;
    info.width = width;
    info.height = height;
    info.bitCount = bits;
    return assembleBmp(info, QByteArray(64, '\0'));
}

// A point of the main surface where its template lets the picture show.
QPoint showsThrough() {
    const QImage templ = BuiltInArt::mainTemplate();
    const QRgb key = rgbFromColourValue(KeyColour) | 0xFF000000u;
    for (int y = templ.height() / 2; y < templ.height(); ++y)
        for (int x = templ.width() / 2; x < templ.width(); ++x)
            if ((templ.pixel(x, y) | 0xFF000000u) == key)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

bool near(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

// Damaged, lying and odd pictures, and names Windows cannot store, given to the real
// command line: it ends normally, says what it did, and writes nothing when it refuses.
class TestBadInput : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_case = 0;

    QString config() const { return m_dir.filePath(QStringLiteral("config")); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(config()));
    }
    void badPicture_data();
    void badPicture();
    void unusableName_data();
    void unusableName();
    void notAFile_data();
    void notAFile();
    void nameNotValidUtf8Loads();
};

void TestBadInput::badPicture_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<Expect>("expect");
    QTest::addColumn<QString>("reason"); // Refused: the reason's pattern
    QTest::addColumn<QRgb>("colour");    // Skin: the picture's one colour; 0: not checked
    QTest::addColumn<int>("tolerance");

    const QRgb teal = qRgb(40, 150, 140);
    const QImage busy = noise(QSize(256, 256), 3);
    const QByteArray baseline = jpeg(busy);
    const QByteArray progressive = jpeg(busy, JpegKind::Progressive);
    const QString cut = QStringLiteral("damaged: the file ends before the picture does");

    QTest::newRow("zero bytes") << QByteArray() << "empty.jpg" << Expect::Refused
                                << "the file is empty" << QRgb(0) << 0;
    QTest::newRow("text") << QByteArray("Remember: buy paint, brushes, a frame.\n") << "notes.jpg"
                          << Expect::Refused << "not a picture" << QRgb(0) << 0;
    // A decoder fills a cut JPEG with grey; the loader tells it as damaged instead.
    QTest::newRow("truncated baseline jpeg") << baseline.left(baseline.size() / 2) << "cut.jpg"
                                             << Expect::Refused << cut << QRgb(0) << 0;
    QTest::newRow("truncated progressive jpeg")
        << progressive.left(progressive.size() / 2) << "cut.jpg" << Expect::Refused << cut
        << QRgb(0) << 0;
    // These readers fill what a cut file lacks with one colour, or fail with their
    // library's own line on standard error; only the loader's line may show.
    const QImage few = stripedQuadrants(QSize(64, 64));
    const QByteArray rle8 = bmp(few, BmpLayout::Rle8);
    const QByteArray rle4 = bmp(few, BmpLayout::Rle4);
    const QByteArray wholeGif = gif(few);
    const QByteArray wholePng = png(busy);
    const QByteArray wholeXbm = qtWritten(few, "xbm");
    QTest::newRow("truncated rle8 bmp")
        << rle8.left(rle8.size() / 2) << "cut.bmp" << Expect::Refused << cut << QRgb(0) << 0;
    QTest::newRow("truncated rle4 bmp")
        << rle4.left(rle4.size() / 2) << "cut.bmp" << Expect::Refused << cut << QRgb(0) << 0;
    QTest::newRow("truncated gif") << wholeGif.left(wholeGif.size() / 2) << "cut.gif"
                                   << Expect::Refused << cut << QRgb(0) << 0;
    QTest::newRow("truncated png") << wholePng.left(wholePng.size() / 2) << "cut.png"
                                   << Expect::Refused << cut << QRgb(0) << 0;
    QTest::newRow("truncated xbm") << wholeXbm.left(wholeXbm.size() / 2) << "cut.xbm"
                                   << Expect::Refused << cut << QRgb(0) << 0;
    const QByteArray wholeXpm = qtWritten(few, "xpm");
    QTest::newRow("truncated xpm") << wholeXpm.left(wholeXpm.size() / 2) << "cut.xpm"
                                   << Expect::Refused << "damaged" << QRgb(0) << 0;
    QByteArray changedPng = wholePng;
    changedPng[changedPng.size() / 2] = char(changedPng[changedPng.size() / 2] ^ 0x55);
    QTest::newRow("png with a changed byte in its image data")
        << changedPng << "bad.png" << Expect::Refused << "damaged" << QRgb(0) << 0;
    QTest::newRow("png claiming a bit depth its colour type lacks")
        << withPngDepth(wholePng, 3, 2) << "bad.png" << Expect::Refused << "damaged" << QRgb(0)
        << 0;
    QByteArray changedIconPng = png(uniform(QSize(32, 32), teal));
    changedIconPng[20] = char(changedIconPng[20] ^ 1); // inside the header chunk
    QTest::newRow("icon holding a png with a changed byte")
        << iconHolding(changedIconPng, QSize(32, 32)) << "bad.ico" << Expect::Refused << "damaged"
        << QRgb(0) << 0;
    QTest::newRow("bmp claiming 100000x100000") << bmpClaiming(100000, 100000) << "huge.bmp"
                                                << Expect::Refused << "too large" << QRgb(0) << 0;
    QTest::newRow("bmp whose width times height overflows 64 bits")
        << bmpClaiming(0x7FFFFFFF, 0x7FFFFFFF) << "huge.bmp" << Expect::Refused << "too large"
        << QRgb(0) << 0;
    QTest::newRow("bmp with negative width")
        << bmpClaiming(-4, 4) << "flat.bmp" << Expect::Refused << "damaged" << QRgb(0) << 0;
    QTest::newRow("bmp with zero width")
        << bmpClaiming(0, 4) << "flat.bmp" << Expect::Refused << "damaged" << QRgb(0) << 0;
    QTest::newRow("jpeg claiming 30000x30000")
        << withClaimedSize(jpeg(uniform(QSize(16, 16), teal)), QSize(30000, 30000)) << "huge.jpg"
        << Expect::Refused << "damaged.*|too large" << QRgb(0) << 0;
    // The decoder keeps every coefficient of a progressive picture at its stored size,
    // whatever size it is asked to produce: 16000x16000 needs about 770 MB for an 800-byte
    // file.
    QTest::newRow("progressive jpeg claiming 16000x16000")
        << withClaimedSize(jpeg(uniform(QSize(16, 16), teal), JpegKind::Progressive),
                           QSize(16000, 16000))
        << "huge.jpg" << Expect::Refused << "too large" << QRgb(0) << 0;

    BmpInfo palette;
    palette.width = 4;
    palette.height = 4;
    palette.bitCount = 8;
    palette.palette = {teal, teal};
    // Indexes 2..255 have no colour; Qt's reader shows them as black.
    QTest::newRow("palette index out of range")
        << assembleBmp(palette, QByteArray::fromHex("0001C8FF FFC80100 02030405 8090A0B0"))
        << "palette.bmp" << Expect::Skin << QString() << QRgb(0) << 0;
    QTest::newRow("png renamed .jpg") << png(uniform(QSize(20, 10), teal)) << "renamed.jpg"
                                      << Expect::Skin << QString() << teal << 0;
    QTest::newRow("icon holding a png")
        << iconHolding(png(uniform(QSize(32, 32), teal)), QSize(32, 32)) << "flat.ico"
        << Expect::Skin << QString() << teal << 0;
    QTest::newRow("gif") << gif(uniform(QSize(16, 16), teal)) << "flat.gif" << Expect::Skin
                         << QString() << teal << 0;
    QTest::newRow("bmp 1x1") << bmp(uniform(QSize(1, 1), teal), BmpLayout::Rgb24) << "dot.bmp"
                             << Expect::Skin << QString() << teal << 0;
    QTest::newRow("jpeg 1x1") << jpeg(uniform(QSize(1, 1), teal)) << "dot.jpg" << Expect::Skin
                              << QString() << teal << 6;
    QTest::newRow("bmp 1x10000") << bmp(uniform(QSize(1, 10000), teal), BmpLayout::Rgb24)
                                 << "thread.bmp" << Expect::Skin << QString() << teal << 0;
    QTest::newRow("cmyk jpeg") << libjpegJpeg(uniform(QSize(32, 32), teal), LibjpegKind::Cmyk)
                               << "print.jpg" << Expect::Skin << QString() << teal << 8;
    QTest::newRow("16-bit bmp") << bmp(uniform(QSize(16, 16), teal), BmpLayout::Rgb565Fields)
                                << "sixteen.bmp" << Expect::Skin << QString() << teal << 8;
}

void TestBadInput::badPicture() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QFETCH(Expect, expect);
    QFETCH(QString, reason);
    QFETCH(QRgb, colour);
    QFETCH(int, tolerance);

    const QString root = m_dir.filePath(QStringLiteral("picture%1").arg(++m_case));
    const QString skins = root + QStringLiteral("/Host/Skins");
    QVERIFY(QDir().mkpath(skins));
    const QString picture = root + u'/' + fileName;
    QVERIFY(VarnelProcess::writeFile(picture, bytes));

    const Outcome o =
        run(QStringLiteral(VARNEL_EXECUTABLE),
            {QStringLiteral("--export"), QStringLiteral("Ocean"), QStringLiteral("--host-folder"),
             root + QStringLiteral("/Host"), picture},
            config());
    QVERIFY2(o.finished, qPrintable(describe(o)));
    const QStringList written = QDir(skins).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    if (expect == Expect::Refused) {
        const QRegularExpression line(
            QStringLiteral("^The picture could not be loaded: %1 \\((%2)\\)\n$")
                .arg(QRegularExpression::escape(QDir::toNativeSeparators(picture)), reason));
        const bool refused = !o.crashed && o.status == 1 && o.out.isEmpty() &&
                             line.match(o.err).hasMatch() && written.isEmpty();
        QVERIFY2(refused, qPrintable(describe(o)));
        return;
    }

    QVERIFY2(o.status == 0, qPrintable(describe(o)));
    QCOMPARE(QSet<QString>(written.begin(), written.end()),
             QSet<QString>(SkinFiles.begin(), SkinFiles.end()));
    const QImage main(skins + QStringLiteral("/OceanMain.bmp"));
    QCOMPARE(main.size(), QSize(800, 629));
    if (colour != 0) {
        const QPoint at = showsThrough();
        QVERIFY(at.x() >= 0);
        QVERIFY2(near(main.pixel(at), colour, tolerance),
                 qPrintable(QStringLiteral("#%1 at (%2, %3)")
                                .arg(main.pixel(at) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                .arg(at.x())
                                .arg(at.y())));
    }
}

void TestBadInput::unusableName_data() {
    QTest::addColumn<QString>("name");

    // Windows opens the device for these names with any extension after them: "con..skn"
    // and "NUL.backupMain.bmp" are CON and NUL.
    QTest::newRow("device name followed by a dot") << "con.";
    QTest::newRow("device name with an extension") << "NUL.backup";
    QTest::newRow("device name with blanks before the extension") << "aux  .old";
    QTest::newRow("port with a superscript digit") << QString::fromUtf8("COM\xc2\xb9");
    QTest::newRow("device name alone, any case") << "pRn";
}

void TestBadInput::unusableName() {
    QFETCH(QString, name);

    const QString root = m_dir.filePath(QStringLiteral("name%1").arg(++m_case));
    const QString skins = root + QStringLiteral("/Host/Skins");
    QVERIFY(QDir().mkpath(skins));
    const QString picture = root + QStringLiteral("/picture.bmp");
    QVERIFY(VarnelProcess::writeFile(picture, bmp(quadrants(QSize(8, 8)), BmpLayout::Rgb24)));

    const Outcome o = run(QStringLiteral(VARNEL_EXECUTABLE),
                          {QStringLiteral("--export"), name, QStringLiteral("--host-folder"),
                           root + QStringLiteral("/Host"), picture},
                          config());
    QVERIFY2(o.finished && !o.crashed, qPrintable(describe(o)));
    const bool refused =
        o.status == 1 && o.out.isEmpty() &&
        o.err == QStringLiteral("\"%1\" is reserved for a device on Windows; choose another skin "
                                "name.\n")
                     .arg(name) &&
        QDir(skins).isEmpty();
    QVERIFY2(refused, qPrintable(describe(o)));
}

// Things with a name that are not files: opening a FIFO waits for a writer, a device never
// ends. Each is refused at once, and nothing is written.
void TestBadInput::notAFile_data() {
    QTest::addColumn<Special>("special");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO with no writer") << Special::Fifo << "it is a FIFO, not a file";
    QTest::newRow("socket") << Special::Socket << "it is a socket, not a file";
    QTest::newRow("device /dev/zero") << Special::Device << "it is a device, not a file";
}

void TestBadInput::notAFile() {
#ifndef Q_OS_UNIX
    QSKIP("FIFOs, sockets and /dev are POSIX");
#else
    QFETCH(Special, special);
    QFETCH(QString, reason);

    const QString root = m_dir.filePath(QStringLiteral("special%1").arg(++m_case));
    const QString skins = root + QStringLiteral("/Host/Skins");
    QVERIFY(QDir().mkpath(skins));
    QString picture = root + QStringLiteral("/f.jpg");
    switch (special) {
    case Special::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(picture).constData(), 0600), 0);
        break;
    case Special::Socket: {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(picture);
        QVERIFY(std::size_t(name.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd); // the socket file stays
        QVERIFY(bound);
        break;
    }
    case Special::Device:
        picture = QStringLiteral("/dev/zero");
        break;
    }

    const Outcome o =
        run(QStringLiteral(VARNEL_EXECUTABLE),
            {QStringLiteral("--export"), QStringLiteral("Ocean"), QStringLiteral("--host-folder"),
             root + QStringLiteral("/Host"), picture},
            config());
    QVERIFY2(o.finished && !o.crashed && o.status == 1 && o.out.isEmpty(), qPrintable(describe(o)));
    QCOMPARE(o.err, QStringLiteral("The picture could not be loaded: %1 (cannot be opened: %2)\n")
                        .arg(picture, reason));
    QVERIFY(QDir(skins).isEmpty());
#endif
}

// Linux names are bytes: "caf\xe9.jpg", written by a Latin-1 system, is a name that is not
// valid UTF-8. The program gets its bytes from the command line and opens exactly them.
void TestBadInput::nameNotValidUtf8Loads() {
#ifndef Q_OS_UNIX
    QSKIP("Windows names are UTF-16");
#else
    const QString root = m_dir.filePath(QStringLiteral("latin1"));
    const QString skins = root + QStringLiteral("/Host/Skins");
    QVERIFY(QDir().mkpath(skins));
    QVERIFY(VarnelProcess::writeFile(root + QStringLiteral("/plain.jpg"),
                                     jpeg(uniform(QSize(16, 16), qRgb(40, 150, 140)))));
    // The name's bytes are made and passed by the shell: a QString cannot hold them.
    QCOMPARE(shell(QStringLiteral("mv '%1/plain.jpg' '%1'/$'caf\\351.jpg'").arg(root)), 0);
    const Outcome o = run(QStringLiteral("bash"),
                          {QStringLiteral("-c"),
                           QStringLiteral("exec \"$1\" --export Ocean --host-folder \"$0/Host\" "
                                          "\"$0\"/$'caf\\351.jpg'"),
                           root, QStringLiteral(VARNEL_EXECUTABLE)},
                          config());
    // QTemporaryDir, going by QString names, cannot remove it.
    shell(QStringLiteral("rm '%1'/$'caf\\351.jpg'").arg(root));
    QVERIFY2(o.finished && !o.crashed && o.status == 0, qPrintable(describe(o)));
    const QStringList written = QDir(skins).entryList(QDir::Files);
    QCOMPARE(QSet<QString>(written.begin(), written.end()),
             QSet<QString>(SkinFiles.begin(), SkinFiles.end()));
#endif
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
