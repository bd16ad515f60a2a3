#include "compose/imagecontrol.h"
#include "compose/imaging.h"
#include "compose/jpegreader.h"
#include "compose/picturefile.h"
#include "picturefixtures.h"
#include "testimages.h"

#include <QColorSpace>
#include <QDir>
#include <QImageReader>
#include <QLoggingCategory>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <sys/stat.h>
#endif

using namespace PictureFixtures;
using Imaging::PictureError;

namespace {

// How a row's path comes to be.
enum class Make { File, Nothing, Folder, Fifo };

// Only the bits a layout stores take part in a comparison.
constexpr uint AllBits = 0xFFFFFFu;
constexpr uint Bits555 = 0xF8F8F8u;
constexpr uint Bits565 = 0xF8FCF8u;

// JPEG pictures come back within this of what was written, away from edges.
constexpr int JpegTolerance = 12;

bool within(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString rgbText(QRgb c) {
    return QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// Empty when the quadrant centres match, else what differs.
QString centreMismatch(const QImage& actual, const QImage& expected, int tolerance) {
    const auto got = quadrantCentres(actual);
    const auto want = quadrantCentres(expected);
    for (int i = 0; i < 4; ++i) {
        if (!within(got[i], want[i], tolerance))
            return QStringLiteral("quadrant %1 is %2, expected %3")
                .arg(i)
                .arg(rgbText(got[i]), rgbText(want[i]));
    }
    return {};
}

// Empty when every pixel matches in the significant bits, within `tolerance`, else the
// first that differs.
QString pixelMismatch(const QImage& actual, const QImage& expected, uint significant,
                      int tolerance) {
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb got = actual.pixel(x, y);
            const QRgb want = expected.pixel(x, y);
            if (!within(got & significant, want & significant, tolerance))
                return QStringLiteral("pixel (%1,%2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(rgbText(got), rgbText(want));
        }
    }
    return {};
}

QString expectedMessage(const QString& path, const QString& reason) {
    return QStringLiteral("The picture could not be loaded: %1 (%2)")
        .arg(QDir::toNativeSeparators(path), reason);
}

// A picture with translucent pixels, as the alpha layouts store it, and how it must
// come back: flattened over white.
QImage translucent() {
    QImage image = stripedQuadrants(QSize(9, 6)).convertToFormat(QImage::Format_ARGB32);
    image.setPixel(2, 3, qRgba(10, 20, 30, 0));
    image.setPixel(7, 4, qRgba(200, 100, 0, 128));
    return image;
}

// `image` with every alpha set to `alpha`, its colours kept.
QImage withAlpha(const QImage& image, int alpha) {
    QImage result(image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            result.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), alpha));
        }
    return result;
}

// One row of pixels.
QImage row(const QList<QRgb>& colours) {
    QImage image(int(colours.size()), 1, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, 0, colours[x]);
    return image;
}

// One row as a 16-bit bitmap with a V4 header and masks 1-5-5-5 (alpha in the top bit).
QByteArray argb1555(const QList<QRgb>& colours) {
    BmpInfo info;
    info.width = int(colours.size());
    info.height = 1;
    info.bitCount = 16;
    info.compression = 3;
    info.headerSize = 108;
    info.masks = {0x7C00, 0x03E0, 0x001F, 0x8000};
    QByteArray pixels;
    for (const QRgb c : colours) {
        const quint32 value = (qAlpha(c) >= 128 ? 0x8000u : 0u) | (quint32(qRed(c)) >> 3 << 10) |
                              (quint32(qGreen(c)) >> 3 << 5) | (quint32(qBlue(c)) >> 3);
        pixels.append(char(value & 0xFF)).append(char(value >> 8));
    }
    while (pixels.size() % 4 != 0)
        pixels.append('\0');
    return assembleBmp(info, pixels);
}

// A comment chunk with a wrong CRC right after the header chunk: libpng drops such an
// ancillary chunk and reads on.
QByteArray withBrokenAncillaryCrc(QByteArray png) {
    const QByteArray text("Comment\0made by hand", 20);
    QByteArray chunk;
    chunk.append(char(0)).append(char(0)).append(char(0)).append(char(text.size()));
    chunk.append("tEXt").append(text).append(QByteArray(4, '\0'));
    constexpr qsizetype AfterHeaderChunk = 8 + 4 + 4 + 13 + 4;
    return png.insert(AfterHeaderChunk, chunk);
}

QImage translucentOverWhite() {
    QImage image = translucent().convertToFormat(QImage::Format_RGB32);
    image.setPixel(2, 3, qRgb(255, 255, 255));
    image.setPixel(7, 4, qRgb(228, 178, 127));
    return image;
}

Q_LOGGING_CATEGORY(lcOtherThread, "varnel.test.otherthread")

// The messages that reach the handler installed before the reader's, from any thread.
// The other thread's own messages are kept here only; the rest go on to the test log.
struct Forwarded {
    QMutex mutex;
    QStringList otherThread;
    QStringList jpegDecoder;
    QtMessageHandler next = nullptr;
};

Forwarded& forwarded() {
    static Forwarded f;
    return f;
}

void recordAndForward(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const QByteArray category(context.category ? context.category : "");
    if (category == "varnel.test.otherthread" || category == "qt.gui.imageio.jpeg") {
        const QMutexLocker lock(&forwarded().mutex);
        (category == "qt.gui.imageio.jpeg" ? forwarded().jpegDecoder : forwarded().otherThread)
            .append(text);
        if (category != "qt.gui.imageio.jpeg")
            return;
    }
    if (forwarded().next)
        forwarded().next(type, context, text);
}

} // namespace

Q_DECLARE_METATYPE(Make)

class TestLoader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void readsVariant_data();
    void readsVariant();
    void jpegAsQtReadsIt_data();
    void jpegAsQtReadsIt();
    void decodesNoSmallerThanTheCover_data();
    void decodesNoSmallerThanTheCover();
    void rejectsWithReason_data();
    void rejectsWithReason();
    void nativeNamesKeepTheirBytes_data();
    void nativeNamesKeepTheirBytes();
    void survivesOddBitmap_data();
    void survivesOddBitmap();
    void loadFileKeepsEarlierImageOnFailure_data();
    void loadFileKeepsEarlierImageOnFailure();
    void concurrentReadsLeaveOtherMessagesAlone();

private:
    QString place(const QString& name, const QByteArray& bytes) {
        QString path = m_dir.filePath(name);
        if (!writeFile(path, bytes))
            return {};
        return path;
    }

    QTemporaryDir m_dir;
};

void TestLoader::initTestCase() {
    QVERIFY(m_dir.isValid());
    // In front of the test log, as a program's own handler would be.
    forwarded().next = qInstallMessageHandler(recordAndForward);
}

void TestLoader::readsVariant_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QImage>("expected");
    QTest::addColumn<uint>("significant");
    QTest::addColumn<bool>("everyPixel"); // else the quadrant centres
    QTest::addColumn<int>("tolerance");

    // Odd sizes, so that every layout pads its rows.
    const QImage many = stripedQuadrants(QSize(9, 6));
    const std::array<QRgb, 4> two{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 255),
                                  qRgb(0, 0, 0)};
    const QImage mono = stripedQuadrants(QSize(13, 5), two);

    const struct {
        const char* name;
        BmpLayout layout;
        QImage picture;
        uint significant;
    } bitmaps[] = {
        {"bmp 24-bit bottom-up", BmpLayout::Rgb24, many, AllBits},
        {"bmp 24-bit top-down", BmpLayout::Rgb24TopDown, many, AllBits},
        {"bmp 8-bit palette", BmpLayout::Palette8, many, AllBits},
        {"bmp 4-bit palette", BmpLayout::Palette4, many, AllBits},
        {"bmp 8-bit rle", BmpLayout::Rle8, many, AllBits},
        {"bmp 4-bit rle", BmpLayout::Rle4, many, AllBits},
        {"bmp 1-bit", BmpLayout::Mono1, mono, AllBits},
        {"bmp 16-bit 555", BmpLayout::Rgb555, many, Bits555},
        {"bmp 16-bit 555 bitfields", BmpLayout::Rgb555Fields, many, Bits555},
        {"bmp 16-bit 565 bitfields", BmpLayout::Rgb565Fields, many, Bits565},
        {"bmp 32-bit with unused fourth byte", BmpLayout::Rgb32, many, AllBits},
        {"bmp os/2 core header 8-bit", BmpLayout::Os2Palette8, many, AllBits},
        {"bmp os/2 core header 24-bit", BmpLayout::Os2Rgb24, many, AllBits},
    };
    for (const auto& row : bitmaps)
        QTest::newRow(row.name) << bmp(row.picture, row.layout) << "picture.bmp" << row.picture
                                << row.significant << true << 0;

    // The half-transparent pixel may round either way.
    QTest::newRow("bmp 32-bit v4 header with alpha, flattened over white")
        << bmp(translucent(), BmpLayout::Argb32V4) << "picture.bmp" << translucentOverWhite()
        << AllBits << true << 1;
    QTest::newRow("bmp 32-bit v5 header with alpha, flattened over white")
        << bmp(translucent(), BmpLayout::Argb32V5) << "picture.bmp" << translucentOverWhite()
        << AllBits << true << 1;

    // Writers that name an alpha mask but leave every alpha byte at zero mean an opaque
    // picture; one alpha above zero means the alpha is real.
    QTest::newRow("bmp 32-bit v4 header with alpha all zero, opaque")
        << bmp(withAlpha(many, 0), BmpLayout::Argb32V4) << "picture.bmp" << many << AllBits << true
        << 0;
    QTest::newRow("bmp 32-bit v5 header with alpha all zero, opaque")
        << bmp(withAlpha(many, 0), BmpLayout::Argb32V5) << "picture.bmp" << many << AllBits << true
        << 0;
    QImage oneVisible = withAlpha(many, 0);
    oneVisible.setPixel(4, 2, qRgba(0, 0, 0, 255));
    QImage whiteButOne = solid(many.width(), many.height(), qRgb(255, 255, 255));
    whiteButOne.setPixel(4, 2, qRgb(0, 0, 0));
    QTest::newRow("bmp 32-bit v4 header, one pixel with alpha, flattened over white")
        << bmp(oneVisible, BmpLayout::Argb32V4) << "picture.bmp" << whiteButOne << AllBits << true
        << 0;
    QTest::newRow("bmp 16-bit 1-5-5-5 v4 header with the alpha bit unset, opaque")
        << argb1555(QList<QRgb>{qRgba(255, 255, 255, 0), qRgba(200, 100, 50, 0)}) << "picture.bmp"
        << row({qRgb(255, 255, 255), qRgb(206, 99, 49)}) << AllBits << true << 0;

    // 5 and 6 bits spread over 0..255 by repeating their bits: white stays white.
    const QImage levels =
        row({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(200, 100, 50)});
    const QImage levels555 =
        row({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(132, 132, 132), qRgb(206, 99, 49)});
    const QImage levels565 =
        row({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(132, 130, 132), qRgb(206, 101, 49)});
    QTest::newRow("bmp 16-bit 555, full range")
        << bmp(levels, BmpLayout::Rgb555) << "levels.bmp" << levels555 << AllBits << true << 0;
    QTest::newRow("bmp 16-bit 555 bitfields, full range")
        << bmp(levels, BmpLayout::Rgb555Fields) << "levels.bmp" << levels555 << AllBits << true
        << 0;
    QTest::newRow("bmp 16-bit 565 bitfields, full range")
        << bmp(levels, BmpLayout::Rgb565Fields) << "levels.bmp" << levels565 << AllBits << true
        << 0;

    const QImage photo = quadrants(QSize(64, 64));
    QTest::newRow("jpeg baseline")
        << jpeg(photo) << "photo.jpg" << photo << AllBits << false << JpegTolerance;
    QTest::newRow("jpeg progressive") << jpeg(photo, JpegKind::Progressive) << "photo.jpg" << photo
                                      << AllBits << false << JpegTolerance;
    QTest::newRow("jpeg greyscale")
        << jpeg(photo, JpegKind::Greyscale) << "photo.jpg"
        << photo.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32)
        << AllBits << false << JpegTolerance;
    const struct {
        const char* name;
        LibjpegKind kind;
    } libjpegMade[] = {
        {"jpeg cmyk with adobe marker", LibjpegKind::Cmyk},
        {"jpeg ycck with adobe marker", LibjpegKind::Ycck},
        {"jpeg arithmetic coded", LibjpegKind::Arithmetic},
    };
    for (const auto& row : libjpegMade)
        QTest::newRow(row.name) << libjpegJpeg(photo, row.kind) << "photo.jpg" << photo << AllBits
                                << false << JpegTolerance;

    const QImage wide = quadrants(QSize(64, 32));
    QTest::newRow("jpeg with exif orientation 6 is turned clockwise")
        << withExifOrientation(jpeg(wide), 6) << "photo.jpg" << rotatedClockwise(wide) << AllBits
        << false << JpegTolerance;

    QTest::newRow("png renamed .jpg") << png(many) << "photo.jpg" << many << AllBits << true << 0;
    QTest::newRow("png 16-bit grey") << png(mono.convertToFormat(QImage::Format_Grayscale16))
                                     << "picture.png" << mono << AllBits << true << 0;
    QTest::newRow("gif") << gif(many) << "picture.gif" << many << AllBits << true << 0;
    QTest::newRow("png with a wrong crc on an ancillary chunk")
        << withBrokenAncillaryCrc(png(many)) << "picture.png" << many << AllBits << true << 0;
    QTest::newRow("xbm") << qtWritten(mono, "xbm") << "picture.xbm" << mono << AllBits << true << 0;

    const QImage dot = quadrants(QSize(1, 1));
    QTest::newRow("bmp 1x1") << bmp(dot, BmpLayout::Rgb24) << "dot.bmp" << dot << AllBits << true
                             << 0;
    QTest::newRow("jpeg 1x1") << jpeg(dot) << "dot.jpg" << dot << AllBits << false << JpegTolerance;
    const QImage thread = quadrants(QSize(1, 10000));
    QTest::newRow("bmp 1x10000") << bmp(thread, BmpLayout::Rgb24) << "thread.bmp" << thread
                                 << AllBits << true << 0;
    QTest::newRow("jpeg 1x10000") << jpeg(thread) << "thread.jpg" << thread << AllBits << false
                                  << JpegTolerance;
}

void TestLoader::readsVariant() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QFETCH(QImage, expected);
    QFETCH(uint, significant);
    QFETCH(bool, everyPixel);
    QFETCH(int, tolerance);

    const QString path = place(fileName, bytes);
    QVERIFY(!path.isEmpty());

    QImage image;
    try {
        image = Imaging::readPicture(path);
    } catch (const PictureError& e) {
        QFAIL(e.what());
    }
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), expected.size());
    const QString mismatch = everyPixel ? pixelMismatch(image, expected, significant, tolerance)
                                        : centreMismatch(image, expected, tolerance);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestLoader::jpegAsQtReadsIt_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("cover");

    const QSize surface(800, 629);
    const QImage photo = noise(QSize(1203, 905), 3); // 6/8 gives 902.25 x 678.75
    const QImage even = noise(QSize(1600, 1200), 4); // 5/8 gives exactly 1000 x 750
    QImage printed = noise(QSize(1203, 905), 5);
    printed.setDotsPerMeterX(11811); // 300 dpi, stored in the file's density fields
    printed.setDotsPerMeterY(5906);
    QImage profiled = noise(QSize(1203, 905), 6);
    profiled.setColorSpace(QColorSpace(QColorSpace::AdobeRgb));
    const struct {
        const char* name;
        QByteArray bytes;
        QSize cover;
    } rows[] = {
        {"baseline, reduced and resampled", jpeg(photo), surface},
        {"baseline, reduced exactly", jpeg(even), surface},
        {"baseline, full size", jpeg(photo), QSize()},
        {"baseline, smaller than the cover", jpeg(noise(QSize(300, 200), 7)), surface},
        {"progressive, reduced", jpeg(photo, JpegKind::Progressive), surface},
        {"greyscale, reduced", jpeg(photo, JpegKind::Greyscale), surface},
        {"cmyk", libjpegJpeg(photo, LibjpegKind::Cmyk), surface},
        {"ycck", libjpegJpeg(photo, LibjpegKind::Ycck), surface},
        {"arithmetic coded", libjpegJpeg(photo, LibjpegKind::Arithmetic), surface},
        {"resolution in dots per inch", jpeg(printed), surface},
        {"icc profile", jpeg(profiled), surface},
        {"1x1", jpeg(quadrants(QSize(1, 1))), surface},
        {"1x10000", jpeg(quadrants(QSize(1, 10000))), surface},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.bytes << row.cover;
    for (int orientation = 1; orientation <= 8; ++orientation)
        QTest::addRow("exif orientation %d, reduced", orientation)
            << withExifOrientation(jpeg(photo), orientation) << surface;
}

void TestLoader::jpegAsQtReadsIt() {
    // The reader decodes JPEGs itself; what it gives must be exactly what Qt's JPEG reader
    // gave for the same request, down to the resolution and the colour space.
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, cover);
    const QString path = place(QStringLiteral("oracle.jpg"), bytes);
    QVERIFY(!path.isEmpty());

    QImageReader reader(path, "jpeg");
    reader.setAutoTransform(true);
    if (!cover.isEmpty()) {
        QSize need = cover;
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            need.transpose();
        const QSize decode = Imaging::jpegDecodeSize(reader.size(), need);
        if (decode != reader.size())
            reader.setScaledSize(decode);
    }
    const QImage expected = Imaging::toInternal(reader.read());
    QVERIFY2(!expected.isNull(), qPrintable(reader.errorString()));

    QImage image;
    try {
        image = Imaging::readPicture(path, cover);
    } catch (const PictureError& e) {
        QFAIL(e.what());
    }
    QCOMPARE(image.size(), expected.size());
    QCOMPARE(image.format(), expected.format());
    QCOMPARE(image.dotsPerMeterX(), expected.dotsPerMeterX());
    QCOMPARE(image.dotsPerMeterY(), expected.dotsPerMeterY());
    QCOMPARE(image.colorSpace(), expected.colorSpace());
    QVERIFY2(image == expected, qPrintable(pixelMismatch(image, expected, AllBits, 0)));
    // The rows come straight from the decoder: the byte Format_RGB32 keeps at 0xFF must be
    // 0xFF, or whatever reads the raw pixels sees holes.
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 255)
                QFAIL(qPrintable(
                    QStringLiteral("alpha %1 at (%2, %3)").arg(qAlpha(row[x])).arg(x).arg(y)));
    }
}

void TestLoader::decodesNoSmallerThanTheCover_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("cover");
    QTest::addColumn<QSize>("smallest");
    QTest::addColumn<QSize>("largest");
    QTest::addColumn<QImage>("look"); // the picture as shown, at any scale

    const QSize surface(800, 629);

    const QImage camera = quadrants(QSize(4000, 3000));
    QTest::newRow("4000x3000 jpeg shrinks towards the largest surface")
        << jpeg(camera, JpegKind::Baseline, 50) << "camera.jpg" << surface << surface
        << QSize(2000, 1500) << camera;

    const QImage modest = quadrants(QSize(300, 200));
    QTest::newRow("300x200 jpeg below the cover keeps its size")
        << jpeg(modest) << "small.jpg" << surface << modest.size() << modest.size() << modest;

    const QImage upright = quadrants(QSize(2000, 1500));
    QTest::newRow("exif-turned jpeg covers the surface in the turned frame")
        << withExifOrientation(jpeg(upright, JpegKind::Baseline, 50), 6) << "turned.jpg" << surface
        << surface << QSize(1500, 2000) << rotatedClockwise(upright);

    const QImage large = quadrants(QSize(1600, 1200));
    QTest::newRow("jpeg without a cover decodes at full size")
        << jpeg(large, JpegKind::Baseline, 50) << "large.jpg" << QSize() << large.size()
        << large.size() << large;

    const QImage board = quadrants(QSize(1000, 800));
    QTest::newRow("bmp larger than the cover keeps its size")
        << bmp(board, BmpLayout::Rgb24) << "board.bmp" << surface << board.size() << board.size()
        << board;
}

void TestLoader::decodesNoSmallerThanTheCover() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QFETCH(QSize, cover);
    QFETCH(QSize, smallest);
    QFETCH(QSize, largest);
    QFETCH(QImage, look);

    const QString path = place(fileName, bytes);
    QVERIFY(!path.isEmpty());

    QImage image;
    try {
        image = Imaging::readPicture(path, cover);
    } catch (const PictureError& e) {
        QFAIL(e.what());
    }
    QCOMPARE(image.format(), QImage::Format_RGB32);
    const QString size = QStringLiteral("decoded at %1x%2").arg(image.width()).arg(image.height());
    QVERIFY2(image.width() >= smallest.width() && image.height() >= smallest.height(),
             qPrintable(size));
    QVERIFY2(image.width() <= largest.width() && image.height() <= largest.height(),
             qPrintable(size));
    const QString mismatch = centreMismatch(image, look, JpegTolerance);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestLoader::rejectsWithReason_data() {
    QTest::addColumn<Make>("make");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("cover");
    QTest::addColumn<QString>("reason"); // what the reason begins with

    const QByteArray text("Shopping list:\r\n- bread\r\n- paint\r\n");
    QTest::newRow("missing file") << Make::Nothing << QByteArray() << "missing.bmp" << QSize()
                                  << "cannot be opened: ";
    QTest::newRow("folder") << Make::Folder << QByteArray() << "folder.jpg" << QSize()
                            << "cannot be opened: ";
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO with no writer: refused, not waited on")
        << Make::Fifo << QByteArray() << "pipe.jpg" << QSize() << "cannot be opened: it is a FIFO";
#endif
    QTest::newRow("zero bytes") << Make::File << QByteArray() << "empty.bmp" << QSize()
                                << "the file is empty";
    QTest::newRow("text renamed .bmp")
        << Make::File << text << "list.bmp" << QSize() << "not a picture";
    QTest::newRow("text renamed .jpg")
        << Make::File << text << "list.jpg" << QSize() << "not a picture";

    // Long scan data, so that a cut lands inside it.
    const QImage busy = noise(QSize(256, 256));
    const QByteArray baseline = jpeg(busy);
    QTest::newRow("truncated baseline jpeg")
        << Make::File << baseline.left(baseline.size() / 2) << "cut.jpg" << QSize() << "damaged";
    const QByteArray progressive = jpeg(busy, JpegKind::Progressive);
    QTest::newRow("truncated progressive jpeg")
        << Make::File << progressive.left(progressive.size() / 2) << "cut.jpg" << QSize()
        << "damaged";
    QTest::newRow("truncated jpeg decoded with a cover")
        << Make::File << baseline.left(baseline.size() / 2) << "cut.jpg" << QSize(100, 80)
        << "damaged";
    QTest::newRow("jpeg whose frame claims more than its data")
        << Make::File << withClaimedSize(jpeg(busy), QSize(16000, 12000)) << "short.jpg"
        << QSize(800, 629) << "damaged";
    // The first warning is harmless (stray bytes before a marker); the cut comes later.
    QByteArray strayThenCut = baseline;
    strayThenCut.insert(firstScanOffset(strayThenCut), QByteArray(3, '\0'));
    strayThenCut.truncate(strayThenCut.size() / 2);
    QTest::newRow("jpeg with stray bytes, then cut")
        << Make::File << strayThenCut << "cut.jpg" << QSize() << "damaged";
    QTest::newRow("jpeg cut inside its headers")
        << Make::File << baseline.left(firstScanOffset(baseline) + 4) << "cut.jpg" << QSize()
        << "damaged";
    const QByteArray wholeBitmap = bmp(noise(QSize(64, 64)), BmpLayout::Rgb24);
    QTest::newRow("truncated bmp") << Make::File << wholeBitmap.left(wholeBitmap.size() / 2)
                                   << "cut.bmp" << QSize() << "damaged";
    // The readers of these fill what a cut file lacks with one colour, or fail with the
    // library's own words; the loader finds the end missing first.
    const QString cut = QStringLiteral("damaged: the file ends before the picture does");
    const QImage few = stripedQuadrants(QSize(64, 64));
    const QByteArray wholeRle8 = bmp(few, BmpLayout::Rle8);
    const QByteArray wholeRle4 = bmp(few, BmpLayout::Rle4);
    const QByteArray wholeGif = gif(few);
    const QByteArray wholePng = png(noise(QSize(64, 64)));
    const QByteArray wholeXbm = qtWritten(few, "xbm");
    QTest::newRow("truncated rle8 bmp")
        << Make::File << wholeRle8.left(wholeRle8.size() / 2) << "cut.bmp" << QSize() << cut;
    QTest::newRow("truncated rle4 bmp")
        << Make::File << wholeRle4.left(wholeRle4.size() / 2) << "cut.bmp" << QSize() << cut;
    QTest::newRow("truncated gif")
        << Make::File << wholeGif.left(wholeGif.size() / 2) << "cut.gif" << QSize() << cut;
    QTest::newRow("truncated png")
        << Make::File << wholePng.left(wholePng.size() / 2) << "cut.png" << QSize() << cut;
    QTest::newRow("truncated xbm")
        << Make::File << wholeXbm.left(wholeXbm.size() / 2) << "cut.xbm" << QSize() << cut;
    QTest::newRow("rle8 bmp without its end-of-bitmap escape")
        << Make::File << wholeRle8.left(wholeRle8.size() - 2) << "cut.bmp" << QSize() << cut;
    QTest::newRow("rle8 bmp cut inside an escape")
        << Make::File << wholeRle8.left(wholeRle8.size() - 1) << "cut.bmp" << QSize() << cut;
    QTest::newRow("png without its end chunk")
        << Make::File << wholePng.left(wholePng.size() - 12) << "cut.png" << QSize() << cut;
    QByteArray flipped = wholePng;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x55);
    QTest::newRow("png with a changed byte in its image data")
        << Make::File << flipped << "bad.png" << QSize() << "damaged";
    QTest::newRow("png claiming a bit depth its colour type lacks")
        << Make::File << withPngDepth(wholePng, 3, 2) << "bad.png" << QSize() << "damaged";
    QTest::newRow("icon holding a truncated png")
        << Make::File << iconHolding(wholePng.left(wholePng.size() / 2), QSize(64, 64)) << "cut.ico"
        << QSize() << cut;
    QTest::newRow("gif without its image data's terminator")
        << Make::File << wholeGif.left(wholeGif.size() - 2) << "cut.gif" << QSize() << cut;
    QTest::newRow("gif cut inside its colour table")
        << Make::File << wholeGif.left(100) << "cut.gif" << QSize() << cut;

    BmpInfo huge;
    huge.width = 100000;
    huge.height = 100000;
    QTest::newRow("bmp claiming 100000x100000")
        << Make::File << assembleBmp(huge, QByteArray(64, '\0')) << "huge.bmp" << QSize()
        << "too large";
    QTest::newRow("jpeg claiming 30000x30000")
        << Make::File << withClaimedSize(jpeg(quadrants(QSize(16, 16))), QSize(30000, 30000))
        << "huge.jpg" << QSize() << "too large";

    BmpInfo zeroWidth;
    zeroWidth.height = 4;
    QTest::newRow("bmp with zero width") << Make::File << assembleBmp(zeroWidth, QByteArray(48, 7))
                                         << "flat.bmp" << QSize() << "damaged";
    BmpInfo negativeWidth = zeroWidth;
    negativeWidth.width = -4;
    QTest::newRow("bmp with negative width")
        << Make::File << assembleBmp(negativeWidth, QByteArray(48, 7)) << "flat.bmp" << QSize()
        << "damaged";
    BmpInfo zeroHeight;
    zeroHeight.width = 4;
    QTest::newRow("bmp with zero height")
        << Make::File << assembleBmp(zeroHeight, QByteArray(48, 7)) << "flat.bmp" << QSize()
        << "damaged";
}

void TestLoader::rejectsWithReason() {
    QFETCH(Make, make);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QFETCH(QSize, cover);
    QFETCH(QString, reason);

    const QString path = m_dir.filePath(fileName);
    QFile::remove(path);
    if (make == Make::File)
        QVERIFY(writeFile(path, bytes));
    else if (make == Make::Folder)
        QVERIFY(QDir(m_dir.path()).mkpath(fileName));
#ifdef Q_OS_UNIX
    else if (make == Make::Fifo)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif

    QString given;
    QString outcome;
    try {
        const QImage image = Imaging::readPicture(path, cover);
        outcome = QStringLiteral("it loaded as %1x%2").arg(image.width()).arg(image.height());
    } catch (const PictureError& e) {
        given = e.reason();
        outcome = QStringLiteral("reason \"%1\"").arg(given);
        QCOMPARE(e.path(), path);
        QCOMPARE(QString::fromStdString(e.what()), expectedMessage(path, given));
    }
    QVERIFY2(given.startsWith(reason), qPrintable(outcome));
}

void TestLoader::nativeNamesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("validUtf8");
    QTest::newRow("plain") << QByteArray("photo.jpg") << true;
    QTest::newRow("UTF-8 accent") << QByteArray("caf\xc3\xa9.jpg") << true;
    QTest::newRow("four-byte UTF-8") << QByteArray("\xf0\x9f\x8c\x8a.jpg") << true;
    QTest::newRow("Latin-1 accent") << QByteArray("caf\xe9.jpg") << false;
    QTest::newRow("stray continuation byte first") << QByteArray("\x80"
                                                                 "abc.bmp")
                                                   << false;
    QTest::newRow("cut sequence at the end") << QByteArray("abc\xc3") << false;
    QTest::newRow("encoded surrogate") << QByteArray("a\xed\xb3\xa9.bmp") << false;
    QTest::newRow("UTF-8 beside a stray byte") << QByteArray("\xc3\xa9\xe9\xc3\xa9") << false;
}

void TestLoader::nativeNamesKeepTheirBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, validUtf8);
    const QString path = pathFromNativeBytes(bytes);
    QCOMPARE(nativeBytesFromPath(path), bytes);
    if (validUtf8)
        QCOMPARE(path, QFile::decodeName(bytes));
#ifdef Q_OS_UNIX
    // The picture opens by those bytes.
    const QByteArray folder = QFile::encodeName(m_dir.path());
    const QByteArray file = folder + "/plain-" + QByteArray::number(qHash(bytes)) + ".bmp";
    QVERIFY(writeFile(QFile::decodeName(file), bmp(quadrants(QSize(4, 4)), BmpLayout::Rgb24)));
    const QByteArray named = folder + '/' + bytes;
    QCOMPARE(::rename(file.constData(), named.constData()), 0);
    const QSize size = Imaging::readPicture(pathFromNativeBytes(named)).size();
    ::remove(named.constData()); // QTemporaryDir, going by QString names, cannot
    QCOMPARE(size, QSize(4, 4));
#endif
}

void TestLoader::survivesOddBitmap_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("claimed");

    const QSize size(4, 4);
    BmpInfo palette2;
    palette2.width = size.width();
    palette2.height = size.height();
    palette2.bitCount = 8;
    palette2.palette = {qRgb(255, 0, 0), qRgb(0, 0, 255)};
    QTest::newRow("palette index beyond the palette")
        << assembleBmp(palette2, QByteArray::fromHex("0001C8FF FFC80100 02030405 8090A0B0"))
        << size;
    QByteArray colourCount = assembleBmp(palette2, QByteArray(16, '\1'));
    colourCount.replace(46, 4, QByteArray::fromHex("FFFFFFFF"));
    QTest::newRow("colour count of four billion") << colourCount << size;

    BmpInfo rle8 = palette2;
    rle8.compression = 1;
    QTest::newRow("rle8 run past the row end")
        << assembleBmp(rle8, QByteArray::fromHex("FF01 0000 FF00 0001")) << size;
    QTest::newRow("rle8 delta past the bottom")
        << assembleBmp(rle8, QByteArray::fromHex("0200 0002 FFFF 0301 0001")) << size;
    QTest::newRow("rle8 absolute stretch past the end of file")
        << assembleBmp(rle8, QByteArray::fromHex("00FF 0102")) << size;
    BmpInfo rle4 = palette2;
    rle4.bitCount = 4;
    rle4.compression = 2;
    QTest::newRow("rle4 absolute stretch past the row end")
        << assembleBmp(rle4, QByteArray::fromHex("0010 1234 5678 9ABC DEF0 0001")) << size;

    BmpInfo fields;
    fields.width = size.width();
    fields.height = size.height();
    fields.bitCount = 16;
    fields.compression = 3;
    QTest::newRow("bitfield masks of zero") << assembleBmp(fields, QByteArray(32, '\x5A')) << size;
    fields.masks = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0};
    QTest::newRow("bitfield masks of all ones")
        << assembleBmp(fields, QByteArray(32, '\x5A')) << size;

    QByteArray offsetPastEnd = bmp(quadrants(size), BmpLayout::Rgb24);
    offsetPastEnd.replace(10, 4, QByteArray::fromHex("FFFFFF7F"));
    QTest::newRow("pixel data offset past the end of file") << offsetPastEnd << size;

    // Layouts that exist but that the bitmap reader does not take.
    BmpInfo twoBit = palette2;
    twoBit.bitCount = 2;
    twoBit.palette.append({qRgb(0, 255, 0), qRgb(255, 255, 255)});
    QTest::newRow("bmp 2-bit palette")
        << assembleBmp(twoBit, QByteArray::fromHex("1B000000 1B000000 1B000000 1B000000")) << size;
    BmpInfo deep = fields;
    deep.bitCount = 64;
    deep.compression = 0;
    QTest::newRow("bmp 64-bit") << assembleBmp(deep, QByteArray(128, '\x20')) << size;
    BmpInfo alphaFields = fields;
    alphaFields.bitCount = 32;
    alphaFields.compression = 6; // BI_ALPHABITFIELDS
    alphaFields.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    QTest::newRow("bmp 32-bit alpha bitfields")
        << assembleBmp(alphaFields, QByteArray(64, '\x7F')) << size;
    BmpInfo embedded;
    embedded.width = size.width();
    embedded.height = size.height();
    embedded.bitCount = 0;
    embedded.compression = 5; // BI_PNG
    QTest::newRow("bmp holding a png") << assembleBmp(embedded, png(quadrants(size))) << size;
    embedded.compression = 4; // BI_JPEG
    QTest::newRow("bmp holding a jpeg") << assembleBmp(embedded, jpeg(quadrants(size))) << size;
    QTest::newRow("os/2 bitmap array") << QByteArray("BA").append(QByteArray(60, '\0')) << size;
}

void TestLoader::survivesOddBitmap() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, claimed);

    const QString path = place(QStringLiteral("odd.bmp"), bytes);
    QVERIFY(!path.isEmpty());
    try {
        const QImage image = Imaging::readPicture(path);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image.size(), claimed);
    } catch (const PictureError& e) {
        const QStringList clear{QStringLiteral("not a picture"), QStringLiteral("damaged"),
                                QStringLiteral("too large")};
        QVERIFY2(std::any_of(clear.cbegin(), clear.cend(),
                             [&](const QString& r) { return e.reason().startsWith(r); }),
                 e.what());
        QCOMPARE(QString::fromStdString(e.what()), expectedMessage(path, e.reason()));
    }
}

void TestLoader::loadFileKeepsEarlierImageOnFailure_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty: the file does not exist

    BmpInfo huge;
    huge.width = 100000;
    huge.height = 100000;
    const QByteArray baseline = jpeg(noise(QSize(64, 64)));
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("text") << QByteArray("not a picture at all");
    QTest::newRow("bmp claiming 100000x100000") << assembleBmp(huge, QByteArray(64, '\0'));
    QTest::newRow("jpeg cut inside its headers") << baseline.left(firstScanOffset(baseline) + 4);
}

void TestLoader::loadFileKeepsEarlierImageOnFailure() {
    QFETCH(QByteArray, bytes);

    const QImage earlier = stripedQuadrants(QSize(9, 6));
    const QString good = place(QStringLiteral("good.bmp"), bmp(earlier, BmpLayout::Rgb24));
    QVERIFY(!good.isEmpty());
    const QString bad = m_dir.filePath(QStringLiteral("bad.bmp"));
    QFile::remove(bad);
    if (!bytes.isEmpty())
        QVERIFY(writeFile(bad, bytes));

    ImageControl control;
    QSignalSpy changed(&control, &ImageControl::imageChanged);
    control.LoadFile(good);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(control.Picture(), earlier);

    try {
        control.LoadFile(bad);
        QFAIL("the bad file loaded");
    } catch (const PictureError& e) {
        QCOMPARE(QString::fromStdString(e.what()), expectedMessage(bad, e.reason()));
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(control.Picture(), earlier);
}

void TestLoader::concurrentReadsLeaveOtherMessagesAlone() {
    // Two threads read at once, one a cut JPEG and one a good JPEG, while a third logs.
    const QImage busy = noise(QSize(256, 256));
    const QByteArray whole = jpeg(busy);
    const QString cut = place(QStringLiteral("cut-concurrent.jpg"), whole.left(whole.size() / 2));
    const QString good = place(QStringLiteral("good-concurrent.jpg"), whole);
    QVERIFY(!cut.isEmpty() && !good.isEmpty());
    {
        const QMutexLocker lock(&forwarded().mutex);
        forwarded().otherThread.clear();
        forwarded().jpegDecoder.clear();
    }

    constexpr int Reads = 40;
    std::atomic<int> running{2};
    std::atomic<int> damagedReads{0};
    std::atomic<int> goodReads{0};
    std::atomic<int> wrong{0};
    std::thread cutReader([&] {
        for (int i = 0; i < Reads; ++i) {
            try {
                Imaging::readPicture(cut);
                ++wrong;
            } catch (const PictureError& e) {
                if (e.reason().startsWith(QLatin1String("damaged")))
                    ++damagedReads;
                else
                    ++wrong;
            }
        }
        --running;
    });
    std::thread goodReader([&] {
        for (int i = 0; i < Reads; ++i) {
            try {
                if (Imaging::readPicture(good).size() == busy.size())
                    ++goodReads;
                else
                    ++wrong;
            } catch (const PictureError&) {
                ++wrong;
            }
        }
        --running;
    });
    int sent = 0;
    std::thread logger([&] {
        // At least a few messages, and on until both readers are done.
        while (running > 0 || sent < 50) {
            qCWarning(lcOtherThread, "message %d", sent++);
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
    });
    cutReader.join();
    goodReader.join();
    logger.join();

    QCOMPARE(wrong.load(), 0);
    QCOMPARE(damagedReads.load(), Reads);
    QCOMPARE(goodReads.load(), Reads);
    const QMutexLocker lock(&forwarded().mutex);
    QCOMPARE(forwarded().otherThread.size(), sent);
    for (int i = 0; i < sent; ++i)
        QCOMPARE(forwarded().otherThread[i], QStringLiteral("message %1").arg(i));
    // The readers' own decoder warnings were theirs alone.
    QVERIFY2(forwarded().jpegDecoder.isEmpty(), qPrintable(forwarded().jpegDecoder.join('\n')));
}

QTEST_GUILESS_MAIN(TestLoader)
#include "tst_loader.moc"
