#include "slider/olecolor.h"
#include "slider/ucslider.h"
#include "slider/ucslidertip.h"
#include "tests/slider/slidertestsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace {

// Known text widths, so placement can be checked to the pixel: "0" is 6 wide, "-100" 24.
int knownWidth(const QFont&, const QString& text) {
    return text == QLatin1String("-100") ? 24 : 6 * int(text.size());
}

PropertyBag enabled(PropertyBag bag) {
    bag.writeBool("enabled", true, true);
    return bag;
}

} // namespace

class TestUcSliderTip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void followsTheThumb_data();
    void followsTheThumb();
    void neverTakesTheFocus();
    void drawsARaisedFrame();
    void hiddenWhenSwitchedOff();
    void releaseEndsTipSwitchedOffDuringDrag();
    void destroyingASliderUnloadsTheTip();
    void widerTextGivesAWiderLabel();
    void valueIsReadableInEveryPalette_data();
    void valueIsReadableInEveryPalette();

private:
    // Puts the host so that the slider's surface starts at `origin` on the screen.
    void setUpSlider(const PropertyBag& settings, QPoint origin, QSize size = QSize(117, 25));
    void press(QPoint at);
    void moveTo(QPoint at);
    void release(QPoint at);

    std::unique_ptr<QWidget> m_Host;
    QLineEdit* m_Other = nullptr;
    ucSlider* m_Slider = nullptr;
};

void TestUcSliderTip::initTestCase() {
    muteOffscreenRaiseWarning();
}

void TestUcSliderTip::init() {
    ucSliderTip::setTextWidthFunction(knownWidth);
    SliderHost host = makeSliderHost();
    m_Host = std::move(host.window);
    m_Other = host.other;
    m_Slider = host.slider;
}

void TestUcSliderTip::cleanup() {
    m_Host.reset();
    ucSliderTip::setTextWidthFunction({});
}

void TestUcSliderTip::setUpSlider(const PropertyBag& settings, QPoint origin, QSize size) {
    m_Slider->resize(size);
    m_Slider->ReadProperties(settings);
    m_Host->move(origin - m_Slider->pos());
    m_Host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_Host.get()));
    m_Host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_Host.get()));
    // Window managers may shift a window; the test needs the surface where it asked.
    m_Host->move(m_Host->pos() + origin - m_Slider->mapToGlobal(QPoint(0, 0)));
    QTRY_COMPARE(m_Slider->mapToGlobal(QPoint(0, 0)), origin);
}

void TestUcSliderTip::press(QPoint at) {
    QTest::mousePress(m_Host->windowHandle(), Qt::LeftButton, {},
                      m_Slider->mapTo(m_Host.get(), at));
}

void TestUcSliderTip::moveTo(QPoint at) {
    QTest::mouseMove(m_Host->windowHandle(), m_Slider->mapTo(m_Host.get(), at));
}

void TestUcSliderTip::release(QPoint at) {
    QTest::mouseRelease(m_Host->windowHandle(), Qt::LeftButton, {},
                        m_Slider->mapTo(m_Host.get(), at));
}

void TestUcSliderTip::followsTheThumb_data() {
    QTest::addColumn<PropertyBag>("settings");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QRect>("atPress");
    QTest::addColumn<QPoint>("moveTo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("afterMove");

    // The slider's surface at (100, 200) on the screen. Value 0 puts the thumb at 45.5:
    // 100 + 45.5 + ((26 - 6 - 4) \ 2) = 153.5 goes to 154, and 200 - 21 - 5 = 174. At -100 the
    // thumb is at 0 and the text 24 wide: 100 + 0 + ((26 - 24 - 4) \ 2) = 99, the tip 28 wide,
    // still centred on the thumb.
    QTest::newRow("horizontal, growing for -100")
        << enabled(mainWindowBag()) << QSize(117, 25) << QPoint(58, 12) << QRect(154, 174, 10, 24)
        << QPoint(-40, 12) << "-100" << QRect(99, 174, 28, 24);

    // A vertical slider 16 x 100 at value 0: thumb top 84, the tip to its left at
    // 100 - 6 - 6 = 88, and 200 + 84 + ((16 - 21 - 4) \ 2) = 280. Dragged up by 42 the
    // value is 5 and the thumb top 42.
    PropertyBag vertical;
    vertical.writeInt("Value", 0, 0);
    QTest::newRow("vertical, left of the thumb")
        << vertical << QSize(30, 100) << QPoint(8, 92) << QRect(88, 280, 10, 24) << QPoint(8, 50)
        << "5" << QRect(88, 238, 10, 24);
}

void TestUcSliderTip::followsTheThumb() {
    QFETCH(PropertyBag, settings);
    QFETCH(QSize, size);
    QFETCH(QPoint, pressAt);
    QFETCH(QRect, atPress);
    QFETCH(QPoint, moveTo);
    QFETCH(QString, text);
    QFETCH(QRect, afterMove);
    setUpSlider(settings, QPoint(100, 200), size);

    press(pressAt);
    ucSliderTip* tip = ucSliderTip::existing();
    QVERIFY(tip);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->geometry(), atPress);
    QCOMPARE(tip->lblTip()->geometry(), QRect(QPoint(2, 1), atPress.size() - QSize(4, 3)));

    this->moveTo(moveTo);
    QCOMPARE(ucSliderTip::existing(), tip);
    QCOMPARE(tip->lblTip()->text(), text);
    QCOMPARE(tip->geometry(), afterMove);

    release(moveTo);
    QVERIFY(!ucSliderTip::existing());
}

void TestUcSliderTip::neverTakesTheFocus() {
    setUpSlider(enabled(mainWindowBag()), QPoint(100, 200));
    m_Other->setFocus();
    QCOMPARE(QApplication::focusWidget(), m_Other);

    press(QPoint(58, 12));
    moveTo(QPoint(70, 12));
    QCoreApplication::processEvents();
    QVERIFY(ucSliderTip::existing()->isVisible());
    QCOMPARE(QApplication::activeWindow(), m_Host.get());
    QCOMPARE(QApplication::focusWidget(), m_Other);
    release(QPoint(70, 12));
    QCOMPARE(QApplication::focusWidget(), m_Other);
}

void TestUcSliderTip::drawsARaisedFrame() {
    setUpSlider(enabled(mainWindowBag()), QPoint(100, 200));
    press(QPoint(5, 12));
    ucSliderTip* tip = ucSliderTip::existing();
    QVERIFY(tip);
    QCOMPARE(tip->size(), QSize(28, 24));
    const QImage image = tip->grab().toImage();
    const auto system = [&](quint32 ole) {
        return OleColor::toColour(ole, tip->palette()).rgb();
    };

    QCOMPARE(image.pixel(0, 0), system(OleColor::Highlight3D));
    QCOMPARE(image.pixel(10, 0), system(OleColor::Highlight3D));
    QCOMPARE(image.pixel(0, 10), system(OleColor::Highlight3D));
    QCOMPARE(image.pixel(27, 10), system(OleColor::DarkShadow3D));
    QCOMPARE(image.pixel(10, 23), system(OleColor::DarkShadow3D));
    QCOMPARE(image.pixel(27, 0), system(OleColor::DarkShadow3D));
    QCOMPARE(image.pixel(0, 23), system(OleColor::DarkShadow3D));
    // Inside the frame, around the label: the tip's own background, red and green 192.
    QCOMPARE(image.pixel(1, 22), qRgb(192, 192, 255));
    QCOMPARE(image.pixel(26, 1), qRgb(192, 192, 255));
    release(QPoint(5, 12));
}

void TestUcSliderTip::hiddenWhenSwitchedOff() {
    PropertyBag settings = enabled(mainWindowBag());
    settings.writeBool("ShowValueTip", false, true);
    setUpSlider(settings, QPoint(100, 200));
    QPointer<ucSliderTip> earlier = &ucSliderTip::instance();

    press(QPoint(20, 12));
    moveTo(QPoint(80, 12));
    QVERIFY(earlier);
    QVERIFY(!earlier->isVisible());
    release(QPoint(80, 12));
    // The release unloads the tip even though nothing was shown.
    QVERIFY(!earlier);
    QVERIFY(!ucSliderTip::existing());
}

void TestUcSliderTip::releaseEndsTipSwitchedOffDuringDrag() {
    setUpSlider(enabled(mainWindowBag()), QPoint(100, 200));
    press(QPoint(58, 12));
    QVERIFY(ucSliderTip::existing());
    m_Slider->setShowValueTip(false);
    moveTo(QPoint(80, 12));
    // No longer refreshed: the tip still shows the value of the press.
    QCOMPARE(ucSliderTip::existing()->lblTip()->text(), QStringLiteral("0"));
    release(QPoint(80, 12));
    QVERIFY(!ucSliderTip::existing());
}

void TestUcSliderTip::destroyingASliderUnloadsTheTip() {
    QPointer<ucSliderTip> tip = &ucSliderTip::instance();
    tip->show();
    delete m_Slider;
    m_Slider = nullptr;
    QVERIFY(!tip);
    QVERIFY(!ucSliderTip::existing());
    // The next use makes a fresh one.
    QVERIFY(&ucSliderTip::instance());
    ucSliderTip::unload();
}

void TestUcSliderTip::widerTextGivesAWiderLabel() {
    ucSliderTip::setTextWidthFunction({});
    ucSliderTip& tip = ucSliderTip::instance();
    QVERIFY(tip.labelWidthFor(QStringLiteral("-100")) > tip.labelWidthFor(QStringLiteral("0")));
    // Measured in the window's font, widened to the label's own when that needs more.
    const QString text = QStringLiteral("-100");
    QCOMPARE(tip.labelWidthFor(text),
             std::max(QFontMetrics(tip.font()).horizontalAdvance(text),
                      QFontMetrics(tip.lblTip()->font()).horizontalAdvance(text)));
    ucSliderTip::unload();
}

void TestUcSliderTip::valueIsReadableInEveryPalette_data() {
    QTest::addColumn<QColor>("text");        // the palette's window text
    QTest::addColumn<QColor>("toolTipBase"); // and its tool-tip colours
    QTest::addColumn<QColor>("toolTipText");
    QTest::addColumn<QColor>("background"); // what the tip shows
    QTest::addColumn<QColor>("value");

    const QColor lavender(192, 192, 255);
    QTest::newRow("light palette: the designed colours")
        << QColor(Qt::black) << QColor(255, 255, 220) << QColor(Qt::black) << lavender
        << QColor(Qt::black);
    QTest::newRow("dark palette: its tool-tip colours")
        << QColor(238, 238, 238) << QColor(40, 40, 40) << QColor(230, 230, 230)
        << QColor(40, 40, 40) << QColor(230, 230, 230);
    QTest::newRow("dark palette with unreadable tool tips: black on lavender")
        << QColor(238, 238, 238) << QColor(90, 90, 90) << QColor(110, 110, 110) << lavender
        << QColor(Qt::black);
}

void TestUcSliderTip::valueIsReadableInEveryPalette() {
    QFETCH(QColor, text);
    QFETCH(QColor, toolTipBase);
    QFETCH(QColor, toolTipText);
    QFETCH(QColor, background);
    QFETCH(QColor, value);

    const QPalette before = QApplication::palette();
    QPalette palette = before;
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ToolTipBase, toolTipBase);
    palette.setColor(QPalette::ToolTipText, toolTipText);
    QApplication::setPalette(palette);

    const ucSliderTip::Colours colours = ucSliderTip::colours(palette);
    QCOMPARE(colours.background, background);
    QCOMPARE(colours.text, value);
    QVERIFY(OleColor::contrastRatio(colours.background, colours.text) >= 4.5);

    // The tip window itself paints with them.
    ucSliderTip& tip = ucSliderTip::instance();
    QCOMPARE(tip.palette().color(QPalette::Window), background);
    QCOMPARE(tip.lblTip()->palette().color(QPalette::WindowText), value);
    ucSliderTip::unload();
    QApplication::setPalette(before);
}

QTEST_MAIN(TestUcSliderTip)
#include "tst_ucslidertip.moc"
