#include "compose/fit.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(FocusPoint)

namespace {

const QSize Main(800, 629), Scene(300, 550), Console(310, 105), Chat(438, 173);

} // namespace

class TestFit : public QObject {
    Q_OBJECT

private slots:
    void fillCrop_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("surface");
        QTest::addColumn<FocusPoint>("focus");
        QTest::addColumn<QRect>("crop");

        const FocusPoint centre;
        const QSize wide(1600, 600), tall(600, 1600);
        // A wide picture keeps its height on every surface narrower than it (all but the
        // Console's), a tall one its width on all four. Half-pixel places round to even.
        QTest::newRow("wide, Main, centre") << wide << Main << centre << QRect(418, 0, 763, 600);
        QTest::newRow("wide, Scene, centre") << wide << Scene << centre << QRect(636, 0, 327, 600);
        QTest::newRow("wide, Console (flatter still), centre")
            << wide << Console << centre << QRect(0, 29, 1600, 542);
        QTest::newRow("wide, Chat, centre") << wide << Chat << centre << QRect(40, 0, 1519, 600);
        QTest::newRow("tall, Main, centre") << tall << Main << centre << QRect(0, 564, 600, 472);
        QTest::newRow("tall, Scene, centre") << tall << Scene << centre << QRect(0, 250, 600, 1100);
        QTest::newRow("tall, Console, centre")
            << tall << Console << centre << QRect(0, 698, 600, 203);
        QTest::newRow("tall, Chat, centre") << tall << Chat << centre << QRect(0, 682, 600, 237);

        // The crop follows the focus and stops at the picture's edges.
        QTest::newRow("wide, Scene, left edge")
            << wide << Scene << FocusPoint{0, 0.5} << QRect(0, 0, 327, 600);
        QTest::newRow("wide, Scene, right edge")
            << wide << Scene << FocusPoint{1, 0.5} << QRect(1273, 0, 327, 600);
        QTest::newRow("wide, Scene, a quarter in")
            << wide << Scene << FocusPoint{0.25, 0.5} << QRect(236, 0, 327, 600);
        QTest::newRow("wide, Scene, close to the left edge")
            << wide << Scene << FocusPoint{0.1, 0.5} << QRect(0, 0, 327, 600);
        QTest::newRow("wide, Console, top-left corner")
            << wide << Console << FocusPoint{0, 0} << QRect(0, 0, 1600, 542);
        QTest::newRow("wide, Console, bottom-right corner")
            << wide << Console << FocusPoint{1, 1} << QRect(0, 58, 1600, 542);
        QTest::newRow("tall, Main, top-right corner")
            << tall << Main << FocusPoint{1, 0} << QRect(0, 0, 600, 472);
        QTest::newRow("tall, Main, bottom edge")
            << tall << Main << FocusPoint{0.5, 1} << QRect(0, 1128, 600, 472);
        QTest::newRow("wide, Chat, a focus beyond 0..1 counts as the edge")
            << wide << Chat << FocusPoint{-3, 7} << QRect(0, 0, 1519, 600);

        // Already of the surface's proportions: nothing to cut, wherever the focus is.
        QTest::newRow("Main's own size") << Main << Main << centre << QRect(0, 0, 800, 629);
        QTest::newRow("twice Main's size, corner focus")
            << QSize(1600, 1258) << Main << FocusPoint{0, 1} << QRect(0, 0, 1600, 1258);
        QTest::newRow("Scene's size, corner focus")
            << Scene << Scene << FocusPoint{1, 0} << QRect(0, 0, 300, 550);

        // 400 * 629 / 800 = 314.5: the crop's size rounds to even too.
        QTest::newRow("size exactly between two pixels")
            << QSize(400, 1000) << Main << centre << QRect(0, 343, 400, 314);
        QTest::newRow("1-pixel-wide picture, Main")
            << QSize(1, 1000) << Main << centre << QRect(0, 500, 1, 1);
        QTest::newRow("1-pixel-wide picture, Scene")
            << QSize(1, 1000) << Scene << centre << QRect(0, 499, 1, 2);
        QTest::newRow("1-pixel-high picture, Console")
            << QSize(1000, 1) << Console << centre << QRect(498, 0, 3, 1);
        QTest::newRow("1 x 1 picture: never below one pixel")
            << QSize(1, 1) << Chat << FocusPoint{1, 1} << QRect(0, 0, 1, 1);
        QTest::newRow("empty picture") << QSize(0, 0) << Main << centre << QRect();
    }

    void fillCrop() {
        QFETCH(QSize, picture);
        QFETCH(QSize, surface);
        QFETCH(FocusPoint, focus);
        QFETCH(QRect, crop);

        const QRect got = ::fillCrop(picture, surface, focus);
        QCOMPARE(got, crop);
        if (crop.isEmpty())
            return;
        QVERIFY(QRect(QPoint(0, 0), picture).contains(got));
        // Undistorted: the crop has the surface's proportions to within half a pixel of the
        // side that was rounded (unless it is a single pixel).
        const qint64 skew =
            qint64(got.width()) * surface.height() - qint64(got.height()) * surface.width();
        QVERIFY(got.width() == 1 || got.height() == 1 ||
                2 * std::abs(skew) <= std::max(surface.width(), surface.height()));
    }

    void focusAt_data() {
        QTest::addColumn<QRect>("crop");
        QTest::addColumn<QSize>("surface");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<FocusPoint>("focus");

        // Scene's crop of a 1600 x 600 picture, 327 x 600 shown at 300 x 550.
        const QRect scene(636, 0, 327, 600);
        QTest::newRow("top-left pixel")
            << scene << Scene << QPoint(0, 0)
            << FocusPoint{(636 + 0.5 * 327 / 300) / 1600, 0.5 * 600 / 550 / 600};
        QTest::newRow("bottom-right pixel")
            << scene << Scene << QPoint(299, 549)
            << FocusPoint{(636 + 299.5 * 327 / 300) / 1600, 549.5 * 600 / 550 / 600};
        QTest::newRow("outside the surface counts as its edge")
            << scene << Scene << QPoint(-40, 900)
            << FocusPoint{(636 + 0.5 * 327 / 300) / 1600, 549.5 * 600 / 550 / 600};
        // Stretch's "crop" is the whole picture: the fractions of the surface.
        QTest::newRow("whole picture") << QRect(0, 0, 1600, 600) << Main << QPoint(199, 628)
                                       << FocusPoint{199.5 / 800, 628.5 / 629};
    }

    void focusAt() {
        QFETCH(QRect, crop);
        QFETCH(QSize, surface);
        QFETCH(QPoint, pixel);
        QFETCH(FocusPoint, focus);
        const FocusPoint got = ::focusAt(QSize(1600, 600), crop, surface, pixel);
        QCOMPARE(got.x, focus.x);
        QCOMPARE(got.y, focus.y);
    }

    // Pointing at the middle of a crop that is not held back by an edge gives back the
    // focus it was cut around.
    void focusAtInvertsFillCrop() {
        const QSize picture(1600, 600);
        // Chat's crop is 1519 of the 1600 columns: only a focus near the middle leaves it
        // room on both sides.
        const std::pair<QSize, double> cases[] = {{Main, 0.3},  {Main, 0.62},  {Scene, 0.15},
                                                  {Scene, 0.5}, {Scene, 0.83}, {Chat, 0.48},
                                                  {Chat, 0.52}};
        for (const auto& [surface, x] : cases) {
            const FocusPoint focus{x, 0.5};
            const QRect crop = ::fillCrop(picture, surface, focus);
            QVERIFY(crop.left() > 0 && crop.right() < picture.width() - 1);
            const FocusPoint back = ::focusAt(picture, crop, surface,
                                              QPoint(surface.width() / 2, surface.height() / 2));
            // Within the picture pixels that one surface pixel spans.
            const double span = double(crop.width()) / surface.width();
            QVERIFY2(std::abs(back.x - x) * picture.width() <= span,
                     qPrintable(QString::number(back.x)));
            QVERIFY(std::abs(back.y - 0.5) * picture.height() <= span);
        }
    }

    // The reduced JPEG decode is sized to cover the largest surface in both axes; every
    // Fill crop of it must still cover its surface, or Fill would enlarge a too-small decode.
    void theReducedDecodeCoversEveryFillCrop_data() {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("decoded");
        // Each decodes just at or above 800 x 629 in one axis.
        QTest::newRow("wide") << QSize(4000, 2520) << QSize(1000, 630);
        QTest::newRow("tall") << QSize(1600, 6400) << QSize(800, 3200);
        QTest::newRow("panorama") << QSize(12800, 1264) << QSize(6400, 632);
    }

    void theReducedDecodeCoversEveryFillCrop() {
        QFETCH(QSize, stored);
        QFETCH(QSize, decoded);
        QTemporaryDir dir;
        const QString path = dir.filePath("picture.jpg");
        QImage image(stored, QImage::Format_RGB32);
        image.fill(qRgb(90, 140, 200));
        QVERIFY(image.save(path, "JPEG"));

        const QImage picture = Imaging::readPicture(path, largestSurfaceSize());
        QCOMPARE(picture.size(), decoded);
        for (const SurfaceFacts& s : SkinSurfaceTable)
            for (const FocusPoint focus : {FocusPoint{}, FocusPoint{0, 0}, FocusPoint{1, 1}}) {
                const QRect crop = ::fillCrop(picture.size(), s.size, focus);
                QVERIFY2(crop.width() >= s.size.width() && crop.height() >= s.size.height(),
                         s.word);
            }
    }
};

QTEST_GUILESS_MAIN(TestFit)
#include "tst_fit.moc"
