#include "compose/imagecontrol.h"
#include "compose/imaging.h"
#include "tests/compose/testimages.h"
#include "tests/filesizelimit.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <tuple>

using namespace Imaging;

namespace {

// A picture with many distinct colours, so memoised and direct results can differ.
QImage gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x * y) & 255));
    return image;
}

quint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

class TestImaging : public QObject {
    Q_OBJECT

private slots:
    void shiftHsl_data() {
        QTest::addColumn<QRgb>("in");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("lightness");
        QTest::addColumn<QRgb>("out");
        QTest::newRow("magenta, hue +100 turns green")
            << qRgb(255, 0, 255) << 100 << 0 << 0 << qRgb(0, 255, 0);
        QTest::newRow("magenta, saturation -50")
            << qRgb(255, 0, 255) << 0 << -50 << 0 << qRgb(191, 64, 191);
        QTest::newRow("mixed amounts")
            << qRgb(200, 150, 100) << 20 << 30 << -20 << qRgb(194, 209, 61);
        QTest::newRow("grey, lightness +60")
            << qRgb(100, 100, 100) << 0 << 0 << 60 << qRgb(146, 146, 146);
        QTest::newRow("black, lightness -100 stays black")
            << qRgb(0, 0, 0) << 0 << 0 << -100 << qRgb(0, 0, 0);
        QTest::newRow("saturation -100 gives grey of same lightness")
            << qRgb(255, 0, 0) << 0 << -100 << 0 << qRgb(128, 128, 128);
        QTest::newRow("hue -100 wraps below zero")
            << qRgb(255, 0, 0) << -100 << 0 << 0 << qRgb(0, 255, 255);
    }
    void shiftHsl() {
        QFETCH(QRgb, in);
        QFETCH(int, hue);
        QFETCH(int, saturation);
        QFETCH(int, lightness);
        QFETCH(QRgb, out);
        QCOMPARE(Imaging::shiftHsl(in, hue, saturation, lightness), out);
    }

    void zeroTintChangesNoColour() {
        for (int r = 0; r < 256; r += 5)
            for (int g = 0; g < 256; g += 3)
                for (int b = 0; b < 256; b += 7)
                    QCOMPARE(Imaging::shiftHsl(qRgb(r, g, b), 0, 0, 0), qRgb(r, g, b));
    }

    void adjustHslMatchesPerPixelShift() {
        const QImage in = gradient(97, 61);
        const QImage out = adjustHsl(in, 37, -20, 15);
        QCOMPARE(out.size(), in.size());
        QCOMPARE(out.format(), QImage::Format_RGB32);
        for (int y = 0; y < in.height(); ++y)
            for (int x = 0; x < in.width(); ++x)
                QCOMPARE(out.pixel(x, y), Imaging::shiftHsl(in.pixel(x, y), 37, -20, 15));
        QCOMPARE(in.pixel(3, 3), gradient(97, 61).pixel(3, 3)); // the input is untouched
    }

    void adjustHslOfArtworkMatchesPerPixelShift() {
        // Few colours in runs, like the templates: tinted through the colour runs.
        QImage art = solid(90, 40, qRgb(255, 0, 255));
        for (int y = 5; y < 35; ++y)
            for (int x = 10; x < 80; ++x)
                art.setPixel(x, y, qRgb(9 + (x / 7) * 20, 134, 200 - y));
        for (const auto& [h, s, l] : {std::tuple{100, 0, 0}, std::tuple{-100, -100, -100},
                                      std::tuple{37, 55, -12}, std::tuple{-1, 1, 100}}) {
            const QImage out = adjustHsl(art, h, s, l);
            for (int y = 0; y < art.height(); ++y)
                for (int x = 0; x < art.width(); ++x)
                    QCOMPARE(out.pixel(x, y), Imaging::shiftHsl(art.pixel(x, y), h, s, l));
        }
    }

    void overlayLetsOnlyTheExactKeyThrough() {
        const QRgb key = qRgb(255, 0, 255);
        QImage top = solid(4, 2, key);
        top.setPixel(1, 0, qRgb(254, 0, 255)); // near-magenta is artwork
        top.setPixel(2, 0, qRgb(0, 0, 0));
        top.setPixel(3, 1, qRgba(255, 0, 255, 0) & 0x00FFFFFFu); // alpha is ignored
        const QImage base = solid(4, 2, qRgb(10, 20, 30));
        const QImage out = overlay(base, top, key);
        QCOMPARE(out.pixel(0, 0), qRgb(10, 20, 30));
        QCOMPARE(out.pixel(1, 0), qRgb(254, 0, 255));
        QCOMPARE(out.pixel(2, 0), qRgb(0, 0, 0));
        QCOMPARE(out.pixel(3, 1), qRgb(10, 20, 30));
    }

    void overlayOfASmallerPictureKeepsTheRest() {
        const QImage out = overlay(solid(5, 5, qRgb(1, 2, 3)), solid(2, 3, qRgb(9, 9, 9)), 0);
        QCOMPARE(out.size(), QSize(5, 5));
        QCOMPARE(out.pixel(1, 2), qRgb(9, 9, 9));
        QCOMPARE(out.pixel(2, 2), qRgb(1, 2, 3));
        QCOMPARE(out.pixel(1, 3), qRgb(1, 2, 3));
    }

    void overlayWithAShapeLetsOnlyItsKeyPixelsThrough() {
        const QRgb key = qRgb(128, 128, 128);
        const QImage top = solid(3, 2, key); // every pixel has the transparent colour
        QImage shape = solid(2, 2, qRgb(255, 0, 255));
        shape.setPixel(1, 0, qRgb(255, 0, 0)); // artwork that a tint turned into the key
        const QImage base = solid(3, 2, qRgb(10, 20, 30));
        const QImage out = overlay(base, top, key, shape, qRgb(255, 0, 255));
        QCOMPARE(out.pixel(0, 0), qRgb(10, 20, 30));
        QCOMPARE(out.pixel(1, 0), key);
        QCOMPARE(out.pixel(0, 1), qRgb(10, 20, 30));
        QCOMPARE(out.pixel(2, 1), key); // outside the shape: not see-through
        // Without a shape the transparent colour alone decides.
        QCOMPARE(overlay(base, top, key, QImage(), 0), base);
    }

    void overlayOutsideKeyLetsTheShapesKeyPixelsAloneThrough() {
        const QRgb magenta = qRgb(255, 0, 255);
        QImage top = solid(3, 2, qRgb(128, 128, 128));
        top.setPixel(2, 0, qRgb(7, 8, 9));
        QImage shape = solid(2, 2, magenta);
        shape.setPixel(1, 0, qRgb(255, 0, 0)); // artwork, whatever colour the tint gave it
        shape.setPixel(1, 1, qRgba(255, 0, 255, 0) & 0x00FFFFFFu); // alpha is ignored
        shape.setPixel(0, 1, qRgb(254, 0, 255));                   // near-magenta is artwork
        const QImage base = solid(3, 2, qRgb(10, 20, 30));
        const QImage out = overlayOutsideKey(base, top, shape, magenta);
        QCOMPARE(out.size(), base.size());
        QCOMPARE(out.pixel(0, 0), qRgb(10, 20, 30));
        QCOMPARE(out.pixel(1, 0), qRgb(128, 128, 128));
        QCOMPARE(out.pixel(0, 1), qRgb(128, 128, 128));
        QCOMPARE(out.pixel(1, 1), qRgb(10, 20, 30));
        QCOMPARE(out.pixel(2, 0), qRgb(7, 8, 9)); // outside the shape: not see-through
        QCOMPARE(out.pixel(2, 1), qRgb(128, 128, 128));
        // The same as the overlay with the colour the key became, for a tinted template.
        QCOMPARE(out, overlay(base, top, qRgb(128, 128, 128), shape, magenta));
    }

    void stretch_data() {
        QTest::addColumn<QSize>("from");
        QTest::addColumn<QSize>("to");
        QTest::newRow("square up to Main") << QSize(100, 100) << QSize(800, 629);
        QTest::newRow("wide down to Scene") << QSize(1500, 1000) << QSize(300, 550);
        QTest::newRow("one pixel to Console") << QSize(1, 1) << QSize(310, 105);
        QTest::newRow("thin strip to Chat") << QSize(1, 10000) << QSize(438, 173);
        QTest::newRow("same size") << QSize(438, 173) << QSize(438, 173);
    }
    void stretch() {
        QFETCH(QSize, from);
        QFETCH(QSize, to);
        const QImage out = Imaging::stretch(solid(from.width(), from.height(), qRgb(7, 8, 9)),
                                            to.width(), to.height());
        QCOMPARE(out.size(), to);
        QCOMPARE(out.format(), QImage::Format_RGB32);
        QCOMPARE(out.pixel(to.width() / 2, to.height() / 2), qRgb(7, 8, 9));
    }

    // Scaling a part of a picture gives exactly what scaling a copy of that part gives.
    void stretchOfAPart_data() {
        QTest::addColumn<QRect>("part");
        QTest::addColumn<QSize>("to");
        QTest::newRow("inner strip down to Scene") << QRect(636, 0, 327, 600) << QSize(300, 550);
        QTest::newRow("full width up to Console") << QRect(0, 29, 1600, 542) << QSize(310, 105);
        QTest::newRow("the part's own size") << QRect(5, 7, 438, 173) << QSize(438, 173);
        QTest::newRow("one pixel in a corner") << QRect(1599, 599, 1, 1) << QSize(3, 2);
        QTest::newRow("reaching past the edge: clipped")
            << QRect(1500, 500, 300, 300) << QSize(100, 90);
    }
    void stretchOfAPart() {
        QFETCH(QRect, part);
        QFETCH(QSize, to);
        QImage picture(1600, 600, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 256, (y * 3) % 256, (x * 7 + y) % 256));
        // An unusual resolution: the bitmap header records it, so it must carry over too.
        picture.setDotsPerMeterX(3001);
        picture.setDotsPerMeterY(5669);
        const QImage out = Imaging::stretch(picture, part, to.width(), to.height());
        const QImage ofCopy = Imaging::stretch(picture.copy(part.intersected(picture.rect())),
                                               to.width(), to.height());
        QCOMPARE(out, ofCopy);
        QCOMPARE(Imaging::encodeBmp24(out), Imaging::encodeBmp24(ofCopy));
        QCOMPARE(out.format(), QImage::Format_RGB32);
        QVERIFY(Imaging::stretch(picture, QRect(1700, 0, 10, 10), 5, 5).isNull());
    }

    void translucentPicturesAreFlattenedOverWhite() {
        QImage in(2, 1, QImage::Format_ARGB32);
        in.setPixel(0, 0, qRgba(0, 0, 0, 0));
        in.setPixel(1, 0, qRgba(200, 100, 50, 255));
        const QImage out = toInternal(in);
        QCOMPARE(out.format(), QImage::Format_RGB32);
        QCOMPARE(out.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(1, 0), qRgb(200, 100, 50));
    }

    void bitmapAsQtWritesIt_data() {
        QTest::addColumn<QImage>("image");
        QImage printed = gradient(7, 3);
        printed.setDotsPerMeterX(11811);
        printed.setDotsPerMeterY(0); // written as 72 dpi
        QImage translucent(5, 2, QImage::Format_ARGB32);
        translucent.fill(qRgba(200, 100, 50, 128));
        QImage grey = gradient(6, 4).convertToFormat(QImage::Format_Grayscale8);
        QTest::newRow("1x1") << gradient(1, 1);
        QTest::newRow("438x173, rows padded") << gradient(438, 173);
        QTest::newRow("800x629") << gradient(800, 629);
        QTest::newRow("resolution set and unset") << printed;
        QTest::newRow("translucent, flattened") << translucent;
        QTest::newRow("greyscale") << grey;
    }

    void bitmapAsQtWritesIt() {
        // The encoder writes bitmaps itself; every byte must be what Qt's writer gave.
        QFETCH(QImage, image);
        QByteArray expected;
        QBuffer buffer(&expected);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(QImageWriter(&buffer, "bmp").write(toInternal(image)));
        QCOMPARE(encodeBmp24(image), expected);
    }

    void bitmapIs24BitUncompressedOfExactSize() {
        const QImage in = gradient(438, 173); // 438 * 3 needs row padding
        const QByteArray bmp = encodeBmp24(in);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(le32(bmp, 2), quint32(bmp.size()));
        QCOMPARE(int(le32(bmp, 18)), 438);
        QCOMPARE(int(le32(bmp, 22)), 173); // positive: bottom-up rows
        QCOMPARE(le16(bmp, 28), quint16(24));
        QCOMPARE(le32(bmp, 30), quint32(0)); // BI_RGB
        const int stride = (438 * 3 + 3) & ~3;
        QCOMPARE(bmp.size(), int(le32(bmp, 10)) + stride * 173);
        QImage back;
        QVERIFY(back.loadFromData(bmp, "BMP"));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), in);
    }

    void controlMergesOnlyWhenMergeIsOn() {
        ImageControl c;
        c.setPicture(solid(3, 3, qRgb(1, 1, 1)));
        c.setPicture(solid(2, 2, qRgb(255, 0, 255))); // merge off: replaces
        QCOMPARE(c.Picture().size(), QSize(2, 2));

        c.setPicture(solid(3, 3, qRgb(1, 1, 1)));
        c.SetMerge(true, 2, 0, true, colourValue(0, 255, 0), 100, 100);
        QImage top = solid(3, 3, qRgb(0, 255, 0));
        top.setPixel(0, 0, qRgb(5, 6, 7));
        c.setPicture(top);
        QCOMPARE(c.Picture().pixel(0, 0), qRgb(5, 6, 7));
        QCOMPARE(c.Picture().pixel(1, 1), qRgb(1, 1, 1));
    }

    void pixelColorPutsRedInTheLowestByte() {
        ImageControl c;
        QImage image = solid(3, 2, 0);
        image.setPixel(2, 1, qRgb(0x12, 0x34, 0x56));
        c.setPicture(image);
        QCOMPARE(c.PixelColor(2, 1), ColourValue(0x563412));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.PixelColor(3, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.PixelColor(0, -1));
    }

    void controlScalesToTheExactSize() {
        ImageControl c;
        c.setPicture(gradient(100, 100));
        c.ScaleImage(2, 800, 629);
        QCOMPARE(c.Picture().size(), QSize(800, 629));
        ImageControl empty;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, empty.ScaleImage(2, 10, 10));
    }

    void saveImageOnAFullDiskNamesTheReason_data() {
        QTest::addColumn<qint64>("limit"); // bytes the file may hold; the bitmap has 3,054
        QTest::newRow("nothing fits") << qint64(0);
        QTest::newRow("part of the header fits") << qint64(30);
        QTest::newRow("all but the last rows fit") << qint64(3000);
    }

    void saveImageOnAFullDiskNamesTheReason() {
        QFETCH(qint64, limit);
        QTemporaryDir dir;
        ImageControl c;
        c.setPicture(gradient(40, 25));
        c.setSavePath(dir.filePath("out.bmp"));
        if (!FileSizeLimit(limit).active())
            QSKIP("No file-size limits on this system");
        QString message;
        {
            const FileSizeLimit full(limit);
            try {
                c.SaveImage();
            } catch (const std::runtime_error& e) {
                message = QString::fromUtf8(e.what());
            }
        }
        QCOMPARE(message, QStringLiteral("%1 could not be written: File too large")
                              .arg(QDir::toNativeSeparators(dir.filePath("out.bmp"))));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void saveImageRoundTripsAndFailsWithoutHarm() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.bmp");
        ImageControl c;
        c.setPicture(gradient(31, 7));
        c.setSavePath(path);
        c.SaveImage();
        QImage back(path);
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), gradient(31, 7));

        // A folder in the way of the file: the save fails and names the path.
        QVERIFY(QDir(dir.path()).mkdir("taken.bmp"));
        c.setSavePath(dir.filePath("taken.bmp"));
        try {
            c.SaveImage();
            QFAIL("saving over a folder succeeded");
        } catch (const std::runtime_error& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains("taken.bmp"));
        }
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), gradient(31, 7));
    }
};

QTEST_GUILESS_MAIN(TestImaging)
#include "tst_imaging.moc"
