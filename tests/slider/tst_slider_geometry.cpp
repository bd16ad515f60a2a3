#include "slider/slidergeometry.h"

#include <QTest>

using namespace SliderGeometry;

using OptionalInt = std::optional<qint32>;
using OptionalFloat = std::optional<float>;
Q_DECLARE_METATYPE(OptionalInt)
Q_DECLARE_METATYPE(OptionalFloat)
Q_DECLARE_METATYPE(PixelRect)

class TestSliderGeometry : public QObject {
    Q_OBJECT

private slots:
    void rounding_data();
    void rounding();
    void positionForValue_data();
    void positionForValue();
    void valueForPosition_data();
    void valueForPosition();
    void outerSizeAndThumbPlacement_data();
    void outerSizeAndThumbPlacement();
    void railGroove_data();
    void railGroove();
    void tipPlacement_data();
    void tipPlacement();
    void keepTipOnScreen_data();
    void keepTipOnScreen();
};

void TestSliderGeometry::rounding_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<qint32>("nearest");
    QTest::addColumn<qint32>("half");

    QTest::newRow("tie goes down to even") << 2.5 << 2 << 1;
    QTest::newRow("tie goes up to even") << 3.5 << 4 << 2;
    QTest::newRow("tip example 153.5") << 153.5 << 154 << 77;
    QTest::newRow("negative odd halves toward zero") << -3.0 << -3 << -1;
    QTest::newRow("negative tie") << -2.5 << -2 << -1;
    QTest::newRow("thumb width 25") << 25.0 << 25 << 12;
}

void TestSliderGeometry::rounding() {
    QFETCH(double, x);
    QFETCH(qint32, nearest);
    QFETCH(qint32, half);
    QCOMPARE(SliderGeometry::nearest(x), nearest);
    QCOMPARE(halve(x), half);
}

void TestSliderGeometry::positionForValue_data() {
    QTest::addColumn<qint32>("orientation");
    QTest::addColumn<double>("travel");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<qint32>("min");
    QTest::addColumn<qint32>("range");
    QTest::addColumn<OptionalFloat>("position");

    QTest::newRow("main window at -100") << 0 << 91.0 << -100 << -100 << 200 << OptionalFloat(0.0f);
    QTest::newRow("main window at 0") << 0 << 91.0 << 0 << -100 << 200 << OptionalFloat(45.5f);
    QTest::newRow("main window at 100") << 0 << 91.0 << 100 << -100 << 200 << OptionalFloat(91.0f);
    QTest::newRow("snap for -99") << 0 << 91.0 << -99 << -100 << 200 << OptionalFloat(0.455f);
    QTest::newRow("no-picture slider at 5") << 0 << 84.0 << 5 << 0 << 10 << OptionalFloat(42.0f);
    QTest::newRow("vertical Min at the bottom")
        << 1 << 84.0 << 0 << 0 << 10 << OptionalFloat(84.0f);
    QTest::newRow("vertical Max at the top") << 1 << 84.0 << 10 << 0 << 10 << OptionalFloat(0.0f);
    QTest::newRow("zero range fails") << 0 << 84.0 << 5 << 5 << 0 << OptionalFloat();
    QTest::newRow("other orientation") << 2 << 84.0 << 5 << 0 << 10 << OptionalFloat();
    QTest::newRow("value far below a huge Min overflows")
        << 0 << 84.0 << std::numeric_limits<qint32>::min() << 1 << 10 << OptionalFloat();
}

void TestSliderGeometry::positionForValue() {
    QFETCH(qint32, orientation);
    QFETCH(double, travel);
    QFETCH(qint32, value);
    QFETCH(qint32, min);
    QFETCH(qint32, range);
    QFETCH(OptionalFloat, position);
    QCOMPARE(SliderGeometry::positionForValue(orientation, travel, value, min, range), position);
}

void TestSliderGeometry::valueForPosition_data() {
    QTest::addColumn<qint32>("orientation");
    QTest::addColumn<double>("travel");
    QTest::addColumn<float>("position");
    QTest::addColumn<qint32>("min");
    QTest::addColumn<qint32>("range");
    QTest::addColumn<OptionalInt>("value");

    // 0.45 / 91 x 200 - 100 = -99.01
    QTest::newRow("main window left 0.45") << 0 << 91.0 << 0.45f << -100 << 200 << OptionalInt(-99);
    QTest::newRow("main window left 45.5") << 0 << 91.0 << 45.5f << -100 << 200 << OptionalInt(0);
    QTest::newRow("main window right end") << 0 << 91.0 << 91.0f << -100 << 200 << OptionalInt(100);
    QTest::newRow("half value rounds to even Min")
        << 0 << 4.0 << 1.0f << 10 << 2 << OptionalInt(10);
    QTest::newRow("half value rounds up to even") << 0 << 4.0 << 1.0f << 11 << 2 << OptionalInt(12);
    QTest::newRow("vertical bottom is Min") << 1 << 84.0 << 84.0f << 0 << 10 << OptionalInt(0);
    QTest::newRow("vertical top is Max") << 1 << 84.0 << 0.0f << 0 << 10 << OptionalInt(10);
    QTest::newRow("zero travel fails") << 0 << 0.0 << 0.0f << 0 << 10 << OptionalInt();
    QTest::newRow("other orientation") << 3 << 84.0 << 10.0f << 0 << 10 << OptionalInt();
}

void TestSliderGeometry::valueForPosition() {
    QFETCH(qint32, orientation);
    QFETCH(double, travel);
    QFETCH(float, position);
    QFETCH(qint32, min);
    QFETCH(qint32, range);
    QFETCH(OptionalInt, value);
    QCOMPARE(SliderGeometry::valueForPosition(orientation, travel, position, min, range), value);
}

void TestSliderGeometry::outerSizeAndThumbPlacement_data() {
    QTest::addColumn<qint32>("orientation");
    QTest::addColumn<bool>("railInUse");
    QTest::addColumn<QSize>("rail");
    QTest::addColumn<QSize>("thumb");
    QTest::addColumn<QSize>("current");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<float>("cross");
    QTest::addColumn<QPoint>("railAt");

    QTest::newRow("main window configuration")
        << 0 << true << QSize(113, 18) << QSize(26, 25) << QSize(300, 40) << QSize(117, 25) << 0.0f
        << QPoint(2, 3);
    QTest::newRow("thumb lower than the rail")
        << 0 << true << QSize(113, 18) << QSize(10, 10) << QSize(300, 40) << QSize(117, 18) << 4.0f
        << QPoint(2, 0);
    QTest::newRow("vertical rail picture")
        << 1 << true << QSize(18, 113) << QSize(10, 10) << QSize(40, 300) << QSize(18, 117) << 4.0f
        << QPoint(0, 2);
    QTest::newRow("no rail picture keeps the host's length")
        << 0 << false << QSize(16, 17) << QSize(16, 16) << QSize(100, 30) << QSize(100, 16) << 0.0f
        << QPoint(2, 0);
    QTest::newRow("no rail picture and width 0")
        << 0 << false << QSize(16, 17) << QSize(26, 25) << QSize(0, 30) << QSize(26, 25) << 0.0f
        << QPoint(2, 4);
    QTest::newRow("vertical without rail picture")
        << 1 << false << QSize(16, 17) << QSize(16, 16) << QSize(30, 100) << QSize(16, 100) << 0.0f
        << QPoint(0, 2);
}

void TestSliderGeometry::outerSizeAndThumbPlacement() {
    QFETCH(qint32, orientation);
    QFETCH(bool, railInUse);
    QFETCH(QSize, rail);
    QFETCH(QSize, thumb);
    QFETCH(QSize, current);
    QFETCH(QSize, outer);
    QFETCH(float, cross);
    QFETCH(QPoint, railAt);
    QCOMPARE(outerSize(orientation, railInUse, rail, thumb, current), outer);
    QCOMPARE(thumbCrossPosition(orientation, railInUse, rail, thumb), cross);
    QCOMPARE(railPicturePosition(orientation, outer, rail), railAt);

    QCOMPARE(outerSize(2, railInUse, rail, thumb, current), std::nullopt);
    QCOMPARE(thumbCrossPosition(2, railInUse, rail, thumb), std::nullopt);
}

void TestSliderGeometry::railGroove_data() {
    QTest::addColumn<qint32>("orientation");
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QSize>("thumb");
    QTest::addColumn<PixelRect>("groove");

    QTest::newRow("no pictures, width 100")
        << 0 << QSize(100, 16) << QSize(16, 16) << PixelRect{6, 6, 94, 10};
    QTest::newRow("main window configuration")
        << 0 << QSize(117, 25) << QSize(26, 25) << PixelRect{11, 10, 106, 14};
    QTest::newRow("vertical, height 100")
        << 1 << QSize(16, 100) << QSize(16, 16) << PixelRect{6, 6, 10, 94};
    QTest::newRow("thumb of 1 pixel")
        << 0 << QSize(10, 1) << QSize(1, 1) << PixelRect{-2, -1, 11, 3};
}

void TestSliderGeometry::railGroove() {
    QFETCH(qint32, orientation);
    QFETCH(QSize, surface);
    QFETCH(QSize, thumb);
    QFETCH(PixelRect, groove);
    QCOMPARE(SliderGeometry::railGroove(orientation, surface, thumb), groove);
}

void TestSliderGeometry::tipPlacement_data() {
    QTest::addColumn<qint32>("orientation");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QPointF>("thumbAt");
    QTest::addColumn<int>("labelWidth");
    QTest::addColumn<QRect>("tip");

    // 100 + 45.5 + ((26 - 6 - 4) \ 2) = 153.5, which goes to the even 154.
    QTest::newRow("horizontal, value 0")
        << 0 << QPoint(100, 200) << QPointF(45.5, 0) << 6 << QRect(154, 174, 10, 24);
    // A wider text grows the tip and keeps it centred on the thumb (centre 113).
    QTest::newRow("horizontal, value -100")
        << 0 << QPoint(100, 200) << QPointF(0, 0) << 24 << QRect(99, 174, 28, 24);
    QTest::newRow("vertical, left of the thumb")
        << 1 << QPoint(100, 200) << QPointF(0, 40) << 6 << QRect(88, 240, 10, 24);
    QTest::newRow("vertical at the screen edge is not clamped")
        << 1 << QPoint(0, 200) << QPointF(0, 40) << 24 << QRect(-30, 240, 28, 24);
    QTest::newRow("other orientation")
        << 5 << QPoint(100, 200) << QPointF(45.5, 0) << 6 << QRect(0, 0, 10, 24);
}

void TestSliderGeometry::tipPlacement() {
    QFETCH(qint32, orientation);
    QFETCH(QPoint, origin);
    QFETCH(QPointF, thumbAt);
    QFETCH(int, labelWidth);
    QFETCH(QRect, tip);
    const TipPlacement placement =
        SliderGeometry::tipPlacement(orientation, origin, float(thumbAt.x()), float(thumbAt.y()),
                                     QSize(26, 25), QSize(labelWidth, 21));
    QCOMPARE(QRect(placement.position, placement.size), tip);
}

void TestSliderGeometry::keepTipOnScreen_data() {
    QTest::addColumn<qint32>("orientation");
    QTest::addColumn<QRect>("tip");   // as placed beside the thumb
    QTest::addColumn<QRect>("thumb"); // on the screen
    QTest::addColumn<QRect>("kept");

    // A screen whose work area is 800 x 600 at the origin.
    const QRect thumb(146, 1, 26, 25);
    QTest::newRow("horizontal, room above: unchanged")
        << 0 << QRect(154, 174, 10, 24) << QRect(146, 200, 26, 25) << QRect(154, 174, 10, 24);
    QTest::newRow("horizontal at the top: below the thumb, 2 pixels under it")
        << 0 << QRect(154, -25, 10, 24) << thumb << QRect(154, 28, 10, 24);
    QTest::newRow("horizontal touching the top: unchanged")
        << 0 << QRect(154, 0, 10, 24) << QRect(146, 26, 26, 25) << QRect(154, 0, 10, 24);
    QTest::newRow("horizontal past the right edge: pushed back")
        << 0 << QRect(790, 174, 28, 24) << QRect(788, 200, 26, 25) << QRect(772, 174, 28, 24);
    QTest::newRow("horizontal past the left edge: pushed back")
        << 0 << QRect(-1, 174, 28, 24) << QRect(0, 200, 26, 25) << QRect(0, 174, 28, 24);
    QTest::newRow("horizontal at the top-right corner")
        << 0 << QRect(790, -25, 28, 24) << QRect(788, 1, 26, 25) << QRect(772, 28, 28, 24);
    QTest::newRow("vertical, room on the left: unchanged")
        << 1 << QRect(88, 240, 10, 24) << QRect(100, 240, 16, 21) << QRect(88, 240, 10, 24);
    QTest::newRow("vertical at the left edge: right of the thumb, 2 pixels from it")
        << 1 << QRect(-30, 240, 28, 24) << QRect(0, 240, 16, 21) << QRect(18, 240, 28, 24);
    QTest::newRow("vertical past the bottom: pushed up")
        << 1 << QRect(88, 590, 10, 24) << QRect(100, 585, 16, 15) << QRect(88, 576, 10, 24);
    QTest::newRow("other orientation: left alone")
        << 5 << QRect(0, -30, 10, 24) << thumb << QRect(0, -30, 10, 24);
}

void TestSliderGeometry::keepTipOnScreen() {
    QFETCH(qint32, orientation);
    QFETCH(QRect, tip);
    QFETCH(QRect, thumb);
    QFETCH(QRect, kept);
    const TipPlacement placement = SliderGeometry::keepTipOnScreen(
        TipPlacement{tip.topLeft(), tip.size()}, orientation, thumb, QRect(0, 0, 800, 600));
    QCOMPARE(QRect(placement.position, placement.size), kept);
}

QTEST_GUILESS_MAIN(TestSliderGeometry)
#include "tst_slider_geometry.moc"
