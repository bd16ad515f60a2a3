#include "slider/ucslider.h"
#include "slider/ucslidertip.h"
#include "tests/slider/slidertestsupport.h"

#include <QLineEdit>
#include <QTest>

namespace {

// One pointer action, at a point of the slider surface. Events go to the top-level window,
// so Qt's own routing and its implicit grab decide where they land.
struct Step {
    enum Action { Press, Move, Release } action;
    Qt::MouseButton button = Qt::NoButton;
    QPoint at;
};
using Steps = QList<Step>;

Step press(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    return {Step::Press, button, {x, y}};
}
Step move(int x, int y) {
    return {Step::Move, Qt::NoButton, {x, y}};
}
Step release(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    return {Step::Release, button, {x, y}};
}

PropertyBag enabled(PropertyBag bag) {
    bag.writeBool("enabled", true, true);
    return bag;
}

PropertyBag plainVertical() {
    PropertyBag bag;
    bag.writeInt("Value", 0, 0);
    return bag;
}

} // namespace

Q_DECLARE_METATYPE(Steps)

// A window like the main one: the slider at (50, 40) among other controls, with room around
// it for the pointer to leave it while a button is held.
class TestUcSliderPointer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { muteOffscreenRaiseWarning(); }
    void init();
    void cleanup();
    void sequences_data();
    void sequences();
    void shiftReachesHandlersByReference();
    void valueAssignedDuringDragKeepsThumb();
    void disablingDuringDragDoesNotEndIt();
    void dragRepaintsOnlyTheSlider();

private:
    void setUpSlider(const PropertyBag& settings, QSize size = QSize(117, 25));
    void play(const Steps& steps);

    std::unique_ptr<QWidget> m_Host;
    QLineEdit* m_Other = nullptr;
    ucSlider* m_Slider = nullptr;
};

void TestUcSliderPointer::init() {
    SliderHost host = makeSliderHost();
    m_Host = std::move(host.window);
    m_Other = host.other;
    m_Slider = host.slider;
}

void TestUcSliderPointer::cleanup() {
    m_Host.reset();
    QVERIFY(!ucSliderTip::existing());
}

void TestUcSliderPointer::setUpSlider(const PropertyBag& settings, QSize size) {
    m_Slider->resize(size);
    m_Slider->ReadProperties(settings);
    m_Host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_Host.get()));
}

void TestUcSliderPointer::play(const Steps& steps) {
    QWindow* window = m_Host->windowHandle();
    for (const Step& step : steps) {
        const QPoint at = m_Slider->mapTo(m_Host.get(), step.at);
        switch (step.action) {
        case Step::Press:
            QTest::mousePress(window, step.button, {}, at);
            break;
        case Step::Move:
            QTest::mouseMove(window, at);
            break;
        case Step::Release:
            QTest::mouseRelease(window, step.button, {}, at);
            break;
        }
    }
}

void TestUcSliderPointer::sequences_data() {
    QTest::addColumn<PropertyBag>("settings");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QPointF>("thumb");

    // The main window's slider: travel 91, thumb 26 x 25 at left 45.5 for the value 0.
    const PropertyBag main = enabled(mainWindowBag());
    const QSize mainSize(117, 25);

    // Grabbed 12.5 pixels into the thumb, the pointer at 68 puts its left at 55.5:
    // 55.5 / 91 x 200 - 100 = 21.98, so 22, and the thumb snaps to 91 x 122 / 200 = 55.51.
    QTest::newRow("press on the thumb, drag, release inside")
        << main << mainSize << Steps{press(58, 12), move(68, 12), release(68, 12)}
        << QStringList{"MouseDown", "Change 22", "Click", "MouseUp"} << 22 << QPointF(55.51f, 0);
    // A miss grabs the thumb at its centre (13, 12): left 20 - 13 = 7 gives -84.6, so -85.
    QTest::newRow("press on the rail beside the thumb")
        << main << mainSize << Steps{press(20, 12), release(20, 12)}
        << QStringList{"Change -85", "MouseDown", "Click", "MouseUp"} << -85 << QPointF(6.825f, 0);
    QTest::newRow("release outside the control")
        << main << mainSize << Steps{press(58, 12), move(68, 60), release(68, 60)}
        << QStringList{"MouseDown", "Change 22", "MouseUp"} << 22 << QPointF(55.51f, 0);
    QTest::newRow("drag past the right end")
        << main << mainSize
        << Steps{press(58, 12), move(200, 12), move(240, -30), move(230, 12), release(230, 12)}
        << QStringList{"MouseDown", "Change 100", "ArrivedLast", "MouseUp"} << 100
        << QPointF(91, 0);
    QTest::newRow("drag past the left end")
        << main << mainSize << Steps{press(58, 12), move(-40, 12), move(-45, 12), release(-45, 12)}
        << QStringList{"MouseDown", "Change -100", "ArrivedFirst", "MouseUp"} << -100
        << QPointF(0, 0);

    const PropertyBag atMin = enabled(mainWindowBag(-100));
    QTest::newRow("press on the thumb's left edge is a hit")
        << atMin << mainSize << Steps{press(0, 12), release(0, 12)}
        << QStringList{"MouseDown", "Click", "MouseUp"} << -100 << QPointF(0, 0);
    // 26 - 13 = 13 gives 13 / 91 x 200 - 100 = -71.4.
    QTest::newRow("press on the thumb's right edge is a miss")
        << atMin << mainSize << Steps{press(26, 12), release(26, 12)}
        << QStringList{"Change -71", "MouseDown", "Click", "MouseUp"} << -71 << QPointF(13.195f, 0);

    QTest::newRow("right button does nothing")
        << main << mainSize
        << Steps{press(20, 12, Qt::RightButton), move(80, 12), release(80, 12, Qt::RightButton)}
        << QStringList{} << 0 << QPointF(45.5, 0);
    QTest::newRow("middle button does nothing")
        << main << mainSize
        << Steps{press(20, 12, Qt::MiddleButton), move(80, 12), release(80, 12, Qt::MiddleButton)}
        << QStringList{} << 0 << QPointF(45.5, 0);
    QTest::newRow("right release ends a drag without Click")
        << main << mainSize
        << Steps{press(58, 12), press(58, 12, Qt::RightButton), release(58, 12, Qt::RightButton),
                 move(80, 12), release(80, 12)}
        << QStringList{"MouseDown", "MouseUp", "Click"} << 0 << QPointF(45.5, 0);

    const PropertyBag disabled = mainWindowBag();
    QTest::newRow("disabled slider still raises Click")
        << disabled << mainSize << Steps{press(20, 12), move(80, 12), release(80, 12)}
        << QStringList{"Click"} << 0 << QPointF(45.5, 0);
    QTest::newRow("disabled slider, release outside")
        << disabled << mainSize << Steps{press(20, 12), release(20, 60)} << QStringList{} << 0
        << QPointF(45.5, 0);

    // Travel 84, Min at the bottom: the thumb grabbed at (8, 8) and its top moved to 42 gives
    // (84 - 42) / 84 x 10 = 5.
    QTest::newRow("vertical drag")
        << plainVertical() << QSize(30, 100) << Steps{press(8, 92), move(8, 50), release(8, 50)}
        << QStringList{"MouseDown", "Change 5", "Click", "MouseUp"} << 5 << QPointF(0, 42);

    PropertyBag thumbOnly;
    thumbOnly.writeInt("Orientation", 0, 1);
    thumbOnly.writePicture("SliderImage", makeThumb());
    QTest::newRow("zero travel ignores the drag")
        << thumbOnly << QSize(0, 25) << Steps{press(10, 12), move(60, 12), release(10, 12)}
        << QStringList{"Click"} << 0 << QPointF(0, 0);
    PropertyBag otherOrientation = main;
    otherOrientation.writeInt("orientation", 2, 1);
    QTest::newRow("orientation 2 ignores the drag")
        << otherOrientation << mainSize << Steps{press(10, 12), move(60, 12), release(10, 12)}
        << QStringList{"Click"} << 0 << QPointF(45.5, 0);
}

void TestUcSliderPointer::sequences() {
    QFETCH(PropertyBag, settings);
    QFETCH(QSize, size);
    QFETCH(Steps, steps);
    QFETCH(QStringList, events);
    QFETCH(qint32, value);
    QFETCH(QPointF, thumb);
    setUpSlider(settings, size);
    EventLog log(*m_Slider);

    play(steps);
    QCOMPARE(log.events(), events);
    QCOMPARE(m_Slider->Value(), value);
    QCOMPARE(m_Slider->thumbPosition(), thumb);
    QVERIFY(!m_Slider->isDragging());
    QVERIFY(!ucSliderTip::existing());
}

void TestUcSliderPointer::shiftReachesHandlersByReference() {
    setUpSlider(enabled(mainWindowBag()));
    QList<short> seen;
    connect(m_Slider, &ucSlider::MouseDown, this, [&](short& shift) {
        seen << shift;
        shift = 7;
    });
    connect(m_Slider, &ucSlider::MouseDown, this, [&](short& shift) { seen << shift; });
    connect(m_Slider, &ucSlider::MouseUp, this, [&](short& shift) { seen << shift; });

    QWindow* window = m_Host->windowHandle();
    const QPoint thumb = m_Slider->mapTo(m_Host.get(), QPoint(58, 12));
    QTest::mousePress(window, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, thumb);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::AltModifier, thumb);

    // Shift 1 + Ctrl 2 on the press, and the second handler sees what the first one wrote;
    // Alt 4 on the release.
    QCOMPARE(seen, (QList<short>{3, 7, 4}));
}

void TestUcSliderPointer::valueAssignedDuringDragKeepsThumb() {
    setUpSlider(enabled(mainWindowBag()));
    EventLog log(*m_Slider);
    play({press(58, 12)});
    m_Slider->setValue(80);
    QCOMPARE(m_Slider->thumbPosition(), QPointF(45.5, 0));

    // 60 - 12.5 = 47.5 gives 4.4, so 4, and the thumb snaps to 91 x 104 / 200.
    play({move(60, 12), release(60, 12)});
    QCOMPARE(log.events(), (QStringList{"MouseDown", "Change 80", "Change 4", "Click", "MouseUp"}));
    QCOMPARE(m_Slider->thumbPosition(), QPointF(47.32f, 0));
}

void TestUcSliderPointer::disablingDuringDragDoesNotEndIt() {
    setUpSlider(enabled(mainWindowBag()));
    EventLog log(*m_Slider);
    play({press(58, 12)});
    m_Slider->setEnabled(false);
    play({move(68, 12), release(68, 12)});
    QCOMPARE(log.events(), (QStringList{"MouseDown", "Change 22", "Click", "MouseUp"}));
}

void TestUcSliderPointer::dragRepaintsOnlyTheSlider() {
    setUpSlider(enabled(mainWindowBag()));
    QCoreApplication::processEvents();
    PaintCounter host(m_Host.get());
    PaintCounter other(m_Other);
    PaintCounter slider(m_Slider);

    play({press(58, 12), move(68, 12), move(90, 12)});
    QTRY_VERIFY(slider.count > 0);
    play({release(90, 12)});
    QCoreApplication::processEvents();
    QCOMPARE(host.count, 0);
    QCOMPARE(other.count, 0);
}

QTEST_MAIN(TestUcSliderPointer)
#include "tst_ucslider_pointer.moc"
