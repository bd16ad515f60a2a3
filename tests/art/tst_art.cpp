#include "art/builtinart.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <cstring>

namespace {

constexpr QRgb KeyColour = 0xffff00ff;
constexpr QRgb StripGround = 0xff005e97; // red 0, green 94, blue 151
constexpr QRgb SceneBlue = 0xff0986c8;   // red 9, green 134, blue 200

// Inclusive ranges, as the layouts are drawn up.
QRect span(int left, int right, int top, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

const QRect menuButton = span(635, 730, 11, 39);
const QRect sceneButton = span(82, 217, 40, 62);
const QRect expansionButton = span(51, 248, 260, 289);
const QRect skinButton = span(91, 205, 307, 329);
const QRect sizeButton = span(73, 220, 482, 508);
const QRect consoleGlyph = span(292, 307, 2, 14);
const QRect stripArea = span(631, 789, 9, 43);

QString where(int x, int y, QRgb colour) {
    return QStringLiteral("pixel (%1, %2) is %3, %4, %5")
        .arg(x)
        .arg(y)
        .arg(qRed(colour))
        .arg(qGreen(colour))
        .arg(qBlue(colour));
}

QList<QPoint> corners(const QImage& image) {
    return {{0, 0},
            {image.width() - 1, 0},
            {0, image.height() - 1},
            {image.width() - 1, image.height() - 1}};
}

int lightness(QRgb colour) {
    return qRed(colour) + qGreen(colour) + qBlue(colour);
}

} // namespace

class TestArt : public QObject {
    Q_OBJECT

private slots:
    void templateLayout_data();
    void templateLayout();
    void mainArtworkStaysInButtonArea();
    void sceneButtonColours();
    void expansionPillBlendsIntoKey();
    void consoleGlyphIsBlackAndWhite();
    void menuStripIsMainAreaOnGround();
    void railImage();
    void maskedPictures_data();
    void maskedPictures();
    void iconOfOtherSizeIsNull();
    void desktopIcons_data();
    void desktopIcons();
    void picturesAreLoadedOnce();
    void readyPixelsMatchTheirSources_data();
    void readyPixelsMatchTheirSources();
    void defaultSkinTemplateUsesCrLf();
};

void TestArt::templateLayout_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRect>>("regions");

    QTest::newRow("main") << BuiltInArt::mainTemplate() << QSize(800, 629)
                          << QList<QRect>{menuButton, span(733, 758, 12, 37),
                                          span(761, 786, 12, 37)};
    QTest::newRow("scene") << BuiltInArt::sceneTemplate() << QSize(300, 550)
                           << QList<QRect>{span(243, 268, 3, 28),
                                           span(269, 294, 3, 28),
                                           sceneButton,
                                           expansionButton,
                                           skinButton,
                                           sizeButton};
    QTest::newRow("console") << BuiltInArt::consoleTemplate() << QSize(310, 105)
                             << QList<QRect>{consoleGlyph};
    QTest::newRow("chat") << BuiltInArt::chatTemplate() << QSize(438, 173)
                          << QList<QRect>{span(386, 411, 3, 28), span(412, 437, 3, 28)};
}

void TestArt::templateLayout() {
    QFETCH(QImage, image);
    QFETCH(QSize, size);
    QFETCH(QList<QRect>, regions);

    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB32);

    // The composition reads the key back from (1, 1) of the tinted Main template.
    QList<QPoint> keyed = corners(image);
    keyed << QPoint(1, 1);
    for (const QPoint point : keyed)
        QVERIFY2(image.pixel(point) == KeyColour,
                 qPrintable(where(point.x(), point.y(), image.pixel(point))));

    QList<int> artwork(regions.size(), 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            bool inRegion = false;
            for (int i = 0; i < regions.size(); ++i) {
                if (regions[i].contains(x, y)) {
                    inRegion = true;
                    artwork[i] += colour != KeyColour;
                }
            }
            if (!inRegion && colour != KeyColour)
                QFAIL(qPrintable(where(x, y, colour) + QStringLiteral(", outside every button")));
        }
    }
    // Round buttons leave their square's corners as key, but most of each region is drawn.
    for (int i = 0; i < regions.size(); ++i) {
        const QRect region = regions[i];
        QVERIFY2(artwork[i] * 2 > region.width() * region.height(),
                 qPrintable(QStringLiteral("region at %1, %2 holds only %3 artwork pixels")
                                .arg(region.left())
                                .arg(region.top())
                                .arg(artwork[i])));
        QVERIFY(image.pixel(region.center()) != KeyColour);
    }
}

void TestArt::mainArtworkStaysInButtonArea() {
    const QImage image = BuiltInArt::mainTemplate();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != KeyColour && !stripArea.contains(x, y))
                QFAIL(qPrintable(where(x, y, image.pixel(x, y))));
        }
    }
}

void TestArt::sceneButtonColours() {
    const QImage image = BuiltInArt::sceneTemplate();
    // Flat bars reach into their corners in the plain blue.
    for (const QRect bar : {sceneButton, skinButton}) {
        for (const QPoint point :
             {bar.topLeft(), bar.topRight(), bar.bottomLeft(), bar.bottomRight()})
            QCOMPARE(image.pixel(point), SceneBlue);
    }
    const QPoint pillTop(expansionButton.center().x() - 60, expansionButton.top());
    QCOMPARE(image.pixel(pillTop), SceneBlue);

    // The size button is darker than the others and shaded from top to bottom.
    const QRgb top = image.pixel(sizeButton.left() + 2, sizeButton.top());
    const QRgb bottom = image.pixel(sizeButton.left() + 2, sizeButton.bottom());
    QVERIFY(lightness(top) < lightness(SceneBlue));
    QVERIFY(lightness(bottom) < lightness(top));
}

void TestArt::expansionPillBlendsIntoKey() {
    const QImage image = BuiltInArt::sceneTemplate();
    const int radius = expansionButton.height() / 2;
    int blended = 0;
    for (int y = expansionButton.top(); y <= expansionButton.bottom(); ++y) {
        for (int x = expansionButton.left(); x <= expansionButton.right(); ++x) {
            const QRgb colour = image.pixel(x, y);
            // Less than half blue over magenta: visible, yet close to the key.
            const bool nearMagenta = colour != KeyColour && qRed(colour) >= 132 &&
                                     qGreen(colour) <= 67 && qBlue(colour) >= 227;
            if (!nearMagenta)
                continue;
            ++blended;
            const bool atRoundedEnd =
                x < expansionButton.left() + radius || x > expansionButton.right() - radius;
            QVERIFY2(atRoundedEnd, qPrintable(where(x, y, colour)));
        }
    }
    QVERIFY2(blended >= 8, qPrintable(QString::number(blended)));
}

void TestArt::consoleGlyphIsBlackAndWhite() {
    const QImage image = BuiltInArt::consoleTemplate();
    const QRect glyph = consoleGlyph;
    for (int y = glyph.top(); y <= glyph.bottom(); ++y) {
        for (int x = glyph.left(); x <= glyph.right(); ++x) {
            const int depth = std::min(
                {x - glyph.left(), glyph.right() - x, y - glyph.top(), glyph.bottom() - y});
            const QRgb expected = (depth == 2 || depth == 3) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            QVERIFY2(image.pixel(x, y) == expected, qPrintable(where(x, y, image.pixel(x, y))));
        }
    }
}

void TestArt::menuStripIsMainAreaOnGround() {
    const QImage strip = BuiltInArt::menuStrip();
    const QImage main = BuiltInArt::mainTemplate();
    QCOMPARE(strip.size(), QSize(159, 35));
    QCOMPARE(strip.format(), QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb source = main.pixel(stripArea.left() + x, stripArea.top() + y);
            const QRgb expected = source == KeyColour ? StripGround : source;
            QVERIFY2(strip.pixel(x, y) == expected, qPrintable(where(x, y, strip.pixel(x, y))));
            QVERIFY(strip.pixel(x, y) != KeyColour);
        }
    }
    // The menu button's corner lies where the strip's ground shows.
    QCOMPARE(strip.pixel(menuButton.left() - stripArea.left(), menuButton.top() - stripArea.top()),
             StripGround);
}

void TestArt::railImage() {
    const QImage rail = BuiltInArt::railImage();
    QCOMPARE(rail.size(), QSize(113, 18));
    QCOMPARE(rail.format(), QImage::Format_RGB32);
    QVERIFY(!rail.hasAlphaChannel());

    // Beyond the rounded ends lies light grey.
    for (const QPoint point : corners(rail)) {
        const QRgb colour = rail.pixel(point);
        QVERIFY2(qRed(colour) > 180 && std::abs(qRed(colour) - qGreen(colour)) < 10 &&
                     std::abs(qGreen(colour) - qBlue(colour)) < 10,
                 qPrintable(where(point.x(), point.y(), colour)));
    }
    // The groove runs darker than the bar above and below it, and leans to violet.
    const int mid = rail.width() / 2;
    for (const int row : {8, 9}) {
        const QRgb groove = rail.pixel(mid, row);
        QVERIFY(lightness(groove) < lightness(rail.pixel(mid, 7)));
        QVERIFY(lightness(groove) < lightness(rail.pixel(mid, 10)));
        QVERIFY(qBlue(groove) > qGreen(groove) && qRed(groove) > qGreen(groove));
    }
    QVERIFY(lightness(rail.pixel(mid, 2)) > lightness(rail.pixel(mid, 15)));
}

void TestArt::maskedPictures_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minTransparent");
    QTest::addColumn<int>("maxTransparent");

    QTest::newRow("thumb") << BuiltInArt::thumbImage() << QSize(26, 25) << 180 << 230;
    QTest::newRow("icon 32") << BuiltInArt::iconImage(32) << QSize(32, 32) << 300 << 700;
    QTest::newRow("icon 16") << BuiltInArt::iconImage(16) << QSize(16, 16) << 70 << 180;
}

void TestArt::maskedPictures() {
    QFETCH(QImage, image);
    QFETCH(QSize, size);
    QFETCH(int, minTransparent);
    QFETCH(int, maxTransparent);

    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_ARGB32);

    QSet<QRgb> colours;
    int transparent = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            QVERIFY2(qAlpha(colour) == 0 || qAlpha(colour) == 255, qPrintable(where(x, y, colour)));
            transparent += qAlpha(colour) == 0;
            colours.insert(colour);
        }
    }
    QVERIFY2(colours.size() <= 256, qPrintable(QString::number(colours.size())));
    QVERIFY2(transparent >= minTransparent && transparent <= maxTransparent,
             qPrintable(QString::number(transparent)));
    for (const QPoint point : corners(image))
        QCOMPARE(qAlpha(image.pixel(point)), 0);
    QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
}

void TestArt::iconOfOtherSizeIsNull() {
    QVERIFY(BuiltInArt::iconImage(24).isNull());
    QVERIFY(BuiltInArt::iconImage(0).isNull());
}

void TestArt::desktopIcons_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("painted");

    // Up to 32 pixels the icons have a hard edge; from 48 up they are painted at their size
    // with a soft one.
    for (const int size : {16, 24, 32})
        QTest::addRow("%d pixels, hard edge", size) << size << false;
    for (const int size : {48, 64, 128, 256})
        QTest::addRow("%d pixels, painted", size) << size << true;
}

void TestArt::desktopIcons() {
    QFETCH(int, size);
    QFETCH(bool, painted);

    const QString path = QStringLiteral(VARNEL_ART_DIR "/Icon%1.png").arg(size);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));

    int partial = 0;
    double coverage = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            partial += alpha != 0 && alpha != 255;
            coverage += alpha / 255.0;
        }
    }
    QCOMPARE(partial > 0, painted);
    // The diamond with its four beads fills about half of the square at every size: drawn
    // at the size, not in a corner of it or cut off.
    coverage /= size * size;
    QVERIFY2(coverage > 0.4 && coverage < 0.55, qPrintable(QString::number(coverage)));
    for (const QPoint point : corners(image))
        QCOMPARE(qAlpha(image.pixel(point)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    // The beads reach the middle of each side.
    for (const QPoint point : {QPoint(size / 2, 0), QPoint(0, size / 2), QPoint(size / 2, size - 1),
                               QPoint(size - 1, size / 2)})
        QVERIFY2(qAlpha(image.pixel(point)) > 0,
                 qPrintable(QStringLiteral("(%1, %2) is clear").arg(point.x()).arg(point.y())));
}

void TestArt::picturesAreLoadedOnce() {
    QCOMPARE(BuiltInArt::mainTemplate().cacheKey(), BuiltInArt::mainTemplate().cacheKey());
    QCOMPARE(BuiltInArt::iconImage(16).cacheKey(), BuiltInArt::iconImage(16).cacheKey());
}

// The export's pictures are built in as ready pixels made from the PNGs beside the source;
// they must be exactly what decoding those PNGs gives.
void TestArt::readyPixelsMatchTheirSources_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QString>("source");
    QTest::newRow("main") << BuiltInArt::mainTemplate() << "MainMerge.png";
    QTest::newRow("scene") << BuiltInArt::sceneTemplate() << "SceneMerge.png";
    QTest::newRow("console") << BuiltInArt::consoleTemplate() << "InChatMerge.png";
    QTest::newRow("chat") << BuiltInArt::chatTemplate() << "OutChatMerge.png";
    QTest::newRow("menu strip") << BuiltInArt::menuStrip() << "Picture1.png";
}

void TestArt::readyPixelsMatchTheirSources() {
    QFETCH(QImage, image);
    QFETCH(QString, source);
    const QImage decoded =
        QImage(QStringLiteral(VARNEL_ART_DIR "/") + source).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!decoded.isNull());
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), decoded.size());
    for (int y = 0; y < image.height(); ++y)
        QVERIFY2(std::memcmp(image.constScanLine(y), decoded.constScanLine(y),
                             std::size_t(image.width()) * 4) == 0,
                 qPrintable(QStringLiteral("row %1 differs").arg(y)));
}

void TestArt::defaultSkinTemplateUsesCrLf() {
    QFile file(QStringLiteral(VARNEL_ART_DIR "/DefaultSkin.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QByteArray text = file.readAll();
    QVERIFY(text.endsWith("\r\n"));
    QCOMPARE(text.count('\n'), text.count("\r\n"));
    QCOMPARE(text.count('\r'), text.count("\r\n"));
    QByteArray body = text.chopped(2);
    for (const QByteArray& entry : body.replace("\r\n", "\n").split('\n'))
        QVERIFY2(entry.indexOf('=') > 0, entry.constData());
}

QTEST_GUILESS_MAIN(TestArt)
#include "tst_art.moc"
