#include "slider/ucslider.h"
#include "slider/ucslidertip.h"
#include "tests/slider/slidertestsupport.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

// One turn of the wheel over the slider's middle, in eighths of a degree as angleDelta gives
// them; whether the slider took it.
bool turnWheel(ucSlider* slider, QPoint angle) {
    const QPointF at(slider->width() / 2.0, slider->height() / 2.0);
    QWheelEvent event(at, slider->mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &event);
    return event.isAccepted();
}

PropertyBag enabledAt(qint32 value) {
    PropertyBag bag = mainWindowBag(value);
    bag.writeBool("enabled", true, true);
    return bag;
}

} // namespace

class TestUcSliderKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keysSetTheValue_data();
    void keysSetTheValue();
    void aHeldKeySettlesOnce();
    void keysDoNothingWhileDisabled();
    void tabReachesOnlyAnEnabledSlider();
    void focusIsFramedInTheHighlightColour();
    void noTipForKeys();
    void aKeyShowsTheValueWhileHeld();
    void theWheelSteps_data();
    void theWheelSteps();
    void accessibleInterface();
    void settingTheAccessibleValue_data();
    void settingTheAccessibleValue();
    void enabledReachesAssistiveTechnology();

private:
    void showHost(const PropertyBag& settings);

    std::unique_ptr<QWidget> m_Host;
    QLineEdit* m_Other = nullptr;
    ucSlider* m_Slider = nullptr;
    QLabel* m_Label = nullptr;
};

void TestUcSliderKeyboard::initTestCase() {
    muteOffscreenRaiseWarning();
}

void TestUcSliderKeyboard::init() {
    SliderHost host = makeSliderHost();
    m_Host = std::move(host.window);
    m_Other = host.other;
    m_Slider = host.slider;
    m_Label = new QLabel(QStringLiteral("Menu Hue"), m_Host.get());
    m_Label->setBuddy(m_Slider);
}

void TestUcSliderKeyboard::cleanup() {
    m_Host.reset();
}

void TestUcSliderKeyboard::showHost(const PropertyBag& settings) {
    m_Slider->resize(117, 25);
    m_Slider->ReadProperties(settings);
    m_Host->show();
    m_Host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_Host.get()));
    m_Slider->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), m_Slider);
}

void TestUcSliderKeyboard::keysSetTheValue_data() {
    QTest::addColumn<qint32>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QStringList>("events");

    const QStringList none;
    QTest::newRow("Right: one up") << 0 << int(Qt::Key_Right) << 1 << QStringList{"Change 1"};
    QTest::newRow("Up: one up") << 0 << int(Qt::Key_Up) << 1 << QStringList{"Change 1"};
    QTest::newRow("Left: one down") << 0 << int(Qt::Key_Left) << -1 << QStringList{"Change -1"};
    QTest::newRow("Down: one down") << 0 << int(Qt::Key_Down) << -1 << QStringList{"Change -1"};
    QTest::newRow("Page Up: ten up") << 5 << int(Qt::Key_PageUp) << 15 << QStringList{"Change 15"};
    QTest::newRow("Page Down: ten down")
        << 5 << int(Qt::Key_PageDown) << -5 << QStringList{"Change -5"};
    QTest::newRow("Home: Min") << 37 << int(Qt::Key_Home) << -100
                               << QStringList{"Change -100", "ArrivedFirst"};
    QTest::newRow("End: Max") << 37 << int(Qt::Key_End) << 100
                              << QStringList{"Change 100", "ArrivedLast"};
    QTest::newRow("Page Up near Max stops at Max")
        << 95 << int(Qt::Key_PageUp) << 100 << QStringList{"Change 100", "ArrivedLast"};
    QTest::newRow("Left at Min: nothing") << -100 << int(Qt::Key_Left) << -100 << none;
    QTest::newRow("End at Max: nothing") << 100 << int(Qt::Key_End) << 100 << none;
    QTest::newRow("another key: nothing") << 0 << int(Qt::Key_A) << 0 << none;
}

void TestUcSliderKeyboard::keysSetTheValue() {
    QFETCH(qint32, start);
    QFETCH(int, key);
    QFETCH(qint32, value);
    QFETCH(QStringList, events);

    showHost(enabledAt(start));
    EventLog log(*m_Slider);
    QSignalSpy settled(m_Slider, &ucSlider::changeSettled);
    const QPointF thumbBefore = m_Slider->thumbPosition();

    QTest::keyClick(m_Slider, Qt::Key(key));
    QCOMPARE(m_Slider->Value(), value);
    QCOMPARE(log.events(), events);
    // The thumb moves as for an assignment, and the change settles with the key's release.
    const auto travel = float(m_Slider->width() - m_Slider->thumbSize().width());
    QCOMPARE(float(m_Slider->thumbPosition().x()), travel * float(value + 100) / 200.0f);
    QCOMPARE(settled.count(), events.isEmpty() ? 0 : 1);
    if (events.isEmpty())
        QCOMPARE(m_Slider->thumbPosition(), thumbBefore);
    QCOMPARE(QAccessible::queryAccessibleInterface(m_Slider)->text(QAccessible::Value),
             QString::number(value));
}

void TestUcSliderKeyboard::aHeldKeySettlesOnce() {
    showHost(enabledAt(0));
    EventLog log(*m_Slider);
    QSignalSpy settled(m_Slider, &ucSlider::changeSettled);

    // A held key: presses and releases marked as repeats, then the real release.
    QTest::keyPress(m_Slider, Qt::Key_Right);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(m_Slider, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(m_Slider, &press);
    }
    QCOMPARE(settled.count(), 0);
    QTest::keyRelease(m_Slider, Qt::Key_Right);
    QCOMPARE(m_Slider->Value(), 4);
    QCOMPARE(log.events(), (QStringList{"Change 1", "Change 2", "Change 3", "Change 4"}));
    QCOMPARE(settled.count(), 1);

    // The focus leaving while the key is down settles the change too.
    QTest::keyPress(m_Slider, Qt::Key_Left);
    m_Other->setFocus();
    QCOMPARE(settled.count(), 2);
    QCOMPARE(m_Slider->Value(), 3);
}

void TestUcSliderKeyboard::keysDoNothingWhileDisabled() {
    showHost(mainWindowBag(10));
    EventLog log(*m_Slider);
    QSignalSpy settled(m_Slider, &ucSlider::changeSettled);
    QTest::keyClick(m_Slider, Qt::Key_Right);
    QTest::keyClick(m_Slider, Qt::Key_End);
    QCOMPARE(m_Slider->Value(), 10);
    QVERIFY(log.events().isEmpty());
    QCOMPARE(settled.count(), 0);
}

void TestUcSliderKeyboard::tabReachesOnlyAnEnabledSlider() {
    showHost(mainWindowBag());
    m_Other->setFocus();
    QCOMPARE(m_Slider->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(m_Other, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_Other);

    m_Slider->setEnabled(true);
    QCOMPARE(m_Slider->focusPolicy(), Qt::TabFocus);
    QTest::keyClick(m_Other, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_Slider);
}

void TestUcSliderKeyboard::focusIsFramedInTheHighlightColour() {
    showHost(enabledAt(0));
    QPalette palette = m_Slider->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 200, 0));
    m_Slider->setPalette(palette);
    m_Other->setFocus();
    const QImage unfocused = m_Slider->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // A focus the pointer or the window's activation gives is not framed, as in Qt's styles.
    m_Slider->setFocus(Qt::ActiveWindowFocusReason);
    QCOMPARE(m_Slider->grab().toImage().convertToFormat(QImage::Format_RGB32), unfocused);
    m_Other->setFocus();
    QTest::keyClick(m_Other, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_Slider);
    const QImage focused = m_Slider->grab().toImage().convertToFormat(QImage::Format_RGB32);

    const QRect edge = focused.rect();
    for (const QPoint at : {edge.topLeft(), edge.topRight(), edge.bottomLeft(), edge.bottomRight(),
                            QPoint(60, 0), QPoint(0, 12)})
        QCOMPARE(focused.pixel(at), qRgb(0, 200, 0));
    // Inside the frame the slider looks as it does without the focus.
    const QRect inner = edge.adjusted(1, 1, -1, -1);
    QCOMPARE(focused.copy(inner), unfocused.copy(inner));
    m_Other->setFocus();
    QCOMPARE(m_Slider->grab().toImage().convertToFormat(QImage::Format_RGB32), unfocused);
}

void TestUcSliderKeyboard::noTipForKeys() {
    showHost(enabledAt(0));
    QTest::keyClick(m_Slider, Qt::Key_PageUp);
    QCOMPARE(m_Slider->Value(), 10);
    QVERIFY(!ucSliderTip::existing() || !ucSliderTip::existing()->isVisible());
}

void TestUcSliderKeyboard::accessibleInterface() {
    showHost(enabledAt(-20));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(m_Slider);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Slider);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Menu Hue"));
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("-20"));
    QVERIFY(!iface->state().disabled);
    QVERIFY(iface->state().focusable);
    QAccessibleValueInterface* value = iface->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), -20);
    QCOMPARE(value->minimumValue().toInt(), -100);
    QCOMPARE(value->maximumValue().toInt(), 100);
    QCOMPARE(value->minimumStepSize().toInt(), 1);

    // A name the host sets wins over the label's.
    m_Slider->setAccessibleName(QStringLiteral("Hue of the menu"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Hue of the menu"));
}

void TestUcSliderKeyboard::settingTheAccessibleValue_data() {
    QTest::addColumn<double>("set");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("settled");

    QTest::newRow("inside the range") << 40.0 << 40 << QStringList{"Change 40"} << 1;
    QTest::newRow("fraction: nearest") << 39.6 << 40 << QStringList{"Change 40"} << 1;
    QTest::newRow("above Max: Max")
        << 250.0 << 100 << QStringList{"Change 100", "ArrivedLast"} << 1;
    QTest::newRow("below Min: Min")
        << -1e12 << -100 << QStringList{"Change -100", "ArrivedFirst"} << 1;
    QTest::newRow("the same value: nothing") << 5.0 << 5 << QStringList{} << 0;
}

void TestUcSliderKeyboard::settingTheAccessibleValue() {
    QFETCH(double, set);
    QFETCH(qint32, value);
    QFETCH(QStringList, events);
    QFETCH(int, settled);

    showHost(enabledAt(5));
    EventLog log(*m_Slider);
    QSignalSpy settledSpy(m_Slider, &ucSlider::changeSettled);
    QAccessibleValueInterface* iface =
        QAccessible::queryAccessibleInterface(m_Slider)->valueInterface();
    iface->setCurrentValue(set);
    QCOMPARE(m_Slider->Value(), value);
    QCOMPARE(log.events(), events);
    QCOMPARE(settledSpy.count(), settled);
}

void TestUcSliderKeyboard::enabledReachesAssistiveTechnology() {
    showHost(mainWindowBag(5));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(m_Slider);
    QVERIFY(iface->state().disabled);
    QVERIFY(!iface->state().focusable);
    // Disabled, the value cannot be set that way either.
    iface->valueInterface()->setCurrentValue(50);
    QCOMPARE(m_Slider->Value(), 5);

    m_Slider->setEnabled(true);
    QVERIFY(!iface->state().disabled);
    QVERIFY(iface->state().focusable);
    iface->valueInterface()->setCurrentValue(50);
    QCOMPARE(m_Slider->Value(), 50);
}

void TestUcSliderKeyboard::aKeyShowsTheValueWhileHeld() {
    showHost(enabledAt(41));
    QTest::keyPress(m_Slider, Qt::Key_Right);
    ucSliderTip* tip = ucSliderTip::existing();
    QVERIFY(tip && tip->isVisible());
    QCOMPARE(tip->lblTip()->text(), QStringLiteral("42"));
    // The tip is only shown: the keys keep going to the slider.
    QCOMPARE(QApplication::focusWidget(), m_Slider);
    QTest::keyPress(m_Slider, Qt::Key_PageUp);
    QCOMPARE(ucSliderTip::existing()->lblTip()->text(), QStringLiteral("52"));
    QTest::keyRelease(m_Slider, Qt::Key_PageUp);
    QVERIFY(!ucSliderTip::existing() || !ucSliderTip::existing()->isVisible());
}

void TestUcSliderKeyboard::theWheelSteps_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QList<QPoint>>("turns");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QStringList>("events");

    const QPoint up(0, 120);
    QTest::newRow("one notch up") << true << QList<QPoint>{up} << 11 << QStringList{"Change 11"};
    QTest::newRow("one notch down") << true << QList<QPoint>{-up} << 9 << QStringList{"Change 9"};
    QTest::newRow("two notches up")
        << true << QList<QPoint>{up, up} << 12 << QStringList{"Change 11", "Change 12"};
    QTest::newRow("a fine wheel's half notch, then another half")
        << true << QList<QPoint>{up / 2, up / 2} << 11 << QStringList{"Change 11"};
    QTest::newRow("half a notch only: nothing")
        << true << QList<QPoint>{up / 2} << 10 << QStringList{};
    QTest::newRow("tilted to the right: up")
        << true << QList<QPoint>{{-120, 0}} << 11 << QStringList{"Change 11"};
    QTest::newRow("tilted to the left: down")
        << true << QList<QPoint>{{120, 0}} << 9 << QStringList{"Change 9"};
    QTest::newRow("disabled: ignored") << false << QList<QPoint>{up, up} << 10 << QStringList{};
}

void TestUcSliderKeyboard::theWheelSteps() {
    QFETCH(bool, enabled);
    QFETCH(QList<QPoint>, turns);
    QFETCH(qint32, value);
    QFETCH(QStringList, events);

    PropertyBag settings = mainWindowBag(10);
    settings.writeBool("enabled", enabled, true);
    showHost(settings);
    m_Other->setFocus();
    EventLog log(*m_Slider);
    QSignalSpy settled(m_Slider, &ucSlider::changeSettled);

    for (const QPoint angle : turns)
        QCOMPARE(turnWheel(m_Slider, angle), enabled);
    QCOMPARE(m_Slider->Value(), value);
    QCOMPARE(log.events(), events);
    // The wheel does not take the focus.
    QCOMPARE(QApplication::focusWidget(), m_Other);
    if (events.isEmpty()) {
        QCOMPARE(settled.count(), 0);
        return;
    }
    // While it turns the value shows beside the thumb; the change settles once, when the
    // wheel rests, and the tip goes.
    QVERIFY(ucSliderTip::existing() && ucSliderTip::existing()->isVisible());
    QCOMPARE(ucSliderTip::existing()->lblTip()->text(), QString::number(value));
    QCOMPARE(settled.count(), 0);
    QTRY_COMPARE(settled.count(), 1);
    QVERIFY(!ucSliderTip::existing() || !ucSliderTip::existing()->isVisible());
    QCOMPARE(log.events(), events);
}

QTEST_MAIN(TestUcSliderKeyboard)
#include "tst_ucslider_keyboard.moc"
