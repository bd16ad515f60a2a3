#include "slider/olecolor.h"
#include "slider/runtimeerror.h"
#include "slider/ucslider.h"
#include "tests/slider/slidertestsupport.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using SliderGeometry::PixelRect;
Q_DECLARE_METATYPE(PixelRect)

namespace {

// A fresh slider as a host places a new instance: defaults, then the size the host gives.
std::unique_ptr<ucSlider> newSlider(QSize size = QSize(100, 30)) {
    auto slider = std::make_unique<ucSlider>();
    slider->InitProperties();
    slider->resize(size);
    return slider;
}

// Every property by name, pictures included.
QVariantMap propertiesOf(const ucSlider& slider) {
    QVariantMap values;
    const QMetaObject& meta = ucSlider::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        values.insert(QString::fromLatin1(meta.property(i).name()), meta.property(i).read(&slider));
    return values;
}

} // namespace

class TestUcSlider : public QObject {
    Q_OBJECT

private slots:
    void dispatchIdsNameProperties();
    void valueSetterEvents_data();
    void valueSetterEvents();
    void sameValueDoesNotRepaint();
    void reentrantChangeHandler();
    void bounds_data();
    void bounds();
    void refusedAssignments_data();
    void refusedAssignments();
    void freshInstanceSavesNothing();
    void emptyBagRestoresNewInstanceValues();
    void saveWritesInOrder();
    void bagWithPicturesRoundTrips();
    void restoreRaisesNoEvents();
    void unusableBagIsRefused_data();
    void unusableBagIsRefused();
    void layout_data();
    void layout();
    void drawsRailAndIconThumb();
    void drawsEdgeRailAndButtonThumb();
    void enabledChangesNothingOnScreen();
};

void TestUcSlider::dispatchIdsNameProperties() {
    const QMetaEnum ids = QMetaEnum::fromType<ucSlider::DispId>();
    QCOMPARE(ids.keyCount(), 12);
    for (int i = 0; i < ids.keyCount(); ++i) {
        const char* name = ucSlider::propertyName(quint32(ids.value(i)));
        QVERIFY2(name, ids.key(i));
        QVERIFY2(ucSlider::staticMetaObject.indexOfProperty(name) >= 0, name);
    }
    QCOMPARE(ucSlider::propertyName(0), "Value");
    QCOMPARE(ucSlider::propertyName(0x6803000A), "Enabled");
    QCOMPARE(ucSlider::propertyName(0x6803000B), nullptr);
    const QMetaObject& meta = ucSlider::staticMetaObject;
    QCOMPARE(meta.classInfo(meta.indexOfClassInfo("DefaultProperty")).value(), "Value");
}

void TestUcSlider::valueSetterEvents_data() {
    QTest::addColumn<qint32>("assign");
    QTest::addColumn<QStringList>("events");

    // The slider starts at 0..10, value 5.
    QTest::newRow("inside the range") << 7 << QStringList{"Change 7"};
    QTest::newRow("to Max") << 10 << QStringList{"Change 10", "ArrivedLast"};
    QTest::newRow("to Min") << 0 << QStringList{"Change 0", "ArrivedFirst"};
    QTest::newRow("the current value") << 5 << QStringList{};
}

void TestUcSlider::valueSetterEvents() {
    QFETCH(qint32, assign);
    QFETCH(QStringList, events);
    const auto slider = newSlider();
    slider->setValue(5);
    EventLog log(*slider);
    slider->setValue(assign);
    QCOMPARE(log.events(), events);
    QCOMPARE(slider->Value(), assign);
}

void TestUcSlider::sameValueDoesNotRepaint() {
    QWidget host;
    host.resize(200, 60);
    auto* slider = new ucSlider(&host);
    slider->InitProperties();
    slider->setOrientation(SliderGeometry::Horizontal);
    slider->setValue(5);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QPointF thumb = slider->thumbPosition();

    PaintCounter paints(slider);
    slider->setValue(5);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);
    QCOMPARE(slider->thumbPosition(), thumb);

    slider->setValue(6);
    QTRY_VERIFY(paints.count > 0);
}

void TestUcSlider::reentrantChangeHandler() {
    const auto slider = newSlider();
    slider->setOrientation(SliderGeometry::Horizontal);
    slider->setValue(5);
    EventLog log(*slider);
    bool reassigned = false;
    connect(slider.get(), &ucSlider::Change, slider.get(), [&] {
        if (!std::exchange(reassigned, true))
            slider->setValue(10);
    });

    slider->setValue(0);
    // The nested assignment runs to its end first; the outer setter then tests Max and Min
    // against the nested result.
    QCOMPARE(log.events(), (QStringList{"Change 0", "Change 10", "ArrivedLast", "ArrivedLast"}));
    QCOMPARE(slider->Value(), 10);
    QCOMPARE(slider->thumbPosition().x(), 100.0 - 16);
}

void TestUcSlider::bounds_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<qint32>("assign");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QStringList>("events");

    // The slider starts at 0..10, value 8 for Max and 5 otherwise.
    QTest::newRow("Min moves the value to the new Min")
        << "Min" << 2 << 2 << QStringList{"Change 2", "ArrivedFirst"};
    QTest::newRow("Min below the value at Min already")
        << "Min" << -5 << -5 << QStringList{"Change -5", "ArrivedFirst"};
    QTest::newRow("Max below the value leaves it") << "Max" << 5 << 8 << QStringList{};
    QTest::newRow("Max above the value") << "Max" << 50 << 8 << QStringList{};
}

void TestUcSlider::bounds() {
    QFETCH(QString, property);
    QFETCH(qint32, assign);
    QFETCH(qint32, value);
    QFETCH(QStringList, events);
    const auto slider = newSlider();
    slider->setOrientation(SliderGeometry::Horizontal);
    slider->setValue(property == "Max" ? 8 : 5);
    const QPointF thumb = slider->thumbPosition();
    EventLog log(*slider);

    QVERIFY(slider->setProperty(qPrintable(property), assign));
    QCOMPARE(slider->property(qPrintable(property)).toInt(), assign);
    QCOMPARE(slider->Value(), value);
    QCOMPARE(log.events(), events);
    if (property == "Max")
        QCOMPARE(slider->thumbPosition(), thumb); // not moved, not redrawn
    else
        QCOMPARE(slider->thumbPosition().x(), 0.0);
}

void TestUcSlider::refusedAssignments_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<qint32>("assign");
    QTest::addColumn<int>("error");

    // The slider holds Min -10, Max 10, Value 5, MousePointer 0.
    const qint32 lowest = std::numeric_limits<qint32>::min();
    const qint32 highest = std::numeric_limits<qint32>::max();
    QTest::newRow("Value above Max") << "Value" << 11 << 380;
    QTest::newRow("Value below Min") << "Value" << -11 << 380;
    QTest::newRow("Min equal to Max") << "Min" << 10 << 380;
    QTest::newRow("Min above Max") << "Min" << 11 << 380;
    QTest::newRow("Max equal to Min") << "Max" << -10 << 380;
    QTest::newRow("Max below Min") << "Max" << -11 << 380;
    QTest::newRow("Max makes the range overflow") << "Max" << highest << 6;
    QTest::newRow("Min makes the range overflow") << "Min" << lowest << 6;
    QTest::newRow("MousePointer beyond 16 bits") << "MousePointer" << 32768 << 6;
    QTest::newRow("MousePointer below 16 bits") << "MousePointer" << -32769 << 6;
}

void TestUcSlider::refusedAssignments() {
    QFETCH(QString, property);
    QFETCH(qint32, assign);
    QFETCH(int, error);
    const auto slider = newSlider();
    slider->setMin(-10);
    slider->setValue(5);
    const QVariantMap before = propertiesOf(*slider);
    EventLog log(*slider);

    try {
        slider->setProperty(qPrintable(property), assign);
        QFAIL("the assignment was accepted");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), error);
    }
    QCOMPARE(propertiesOf(*slider), before);
    QCOMPARE(log.events(), QStringList());
}

void TestUcSlider::freshInstanceSavesNothing() {
    const auto slider = newSlider();
    PropertyBag bag;
    slider->WriteProperties(bag);
    QVERIFY2(bag.isEmpty(), bag.toText().constData());
}

void TestUcSlider::emptyBagRestoresNewInstanceValues() {
    const auto fresh = newSlider();
    const auto slider = newSlider();
    slider->ReadProperties(mainWindowBag(40));
    slider->setBackColor(0x00FF0000);
    slider->setShowValueTip(false);
    QVERIFY(propertiesOf(*slider) != propertiesOf(*fresh));

    slider->ReadProperties(PropertyBag());
    QCOMPARE(propertiesOf(*slider), propertiesOf(*fresh));
    QCOMPARE(slider->Orientation(), 1);
    QCOMPARE(slider->Max(), 10);
    QCOMPARE(slider->BackColor(), 0x8000000Fu);
    QCOMPARE(slider->thumbSize(), QSize(16, 16));
}

void TestUcSlider::saveWritesInOrder() {
    const auto slider = newSlider();
    slider->setBackColor(0x00C0C0C0);
    slider->setEnabled(false);
    slider->setMouseIcon(makeThumb());
    slider->setMousePointer(ucSlider::PointerCustom);
    slider->setSliderImage(makeThumb());
    slider->setOrientation(0);
    slider->setRailImage(makeRail());
    slider->setRailStyle(99);
    slider->setShowValueTip(false);
    slider->setMin(-100);
    slider->setMax(100);
    slider->setValue(20);
    PropertyBag bag;
    slider->WriteProperties(bag);
    QCOMPARE(bag.names(), (QStringList{"BackColor", "Enabled", "MouseIcon", "MousePointer",
                                       "SliderImage", "Orientation", "RailImage", "RailStyle",
                                       "ShowValueTip", "Min", "Max", "Value"}));
}

void TestUcSlider::bagWithPicturesRoundTrips() {
    const auto original = newSlider();
    original->ReadProperties(mainWindowBag());
    original->setMouseIcon(makeThumb(32, 32));
    original->setMousePointer(ucSlider::PointerCustom);
    original->setBackColor(0x0080FF00);
    original->setShowValueTip(false);
    original->setValue(37);
    PropertyBag saved;
    original->WriteProperties(saved);

    const PropertyBag loaded = PropertyBag::fromText(saved.toText());
    QVERIFY(loaded == saved);
    const auto copy = newSlider();
    copy->ReadProperties(loaded);
    QCOMPARE(propertiesOf(*copy), propertiesOf(*original));
    QCOMPARE(copy->SliderImage().image().pixel(0, 0), qRgba(0, 255, 0, 0));
    QCOMPARE(copy->RailImage().image().pixel(5, 7), railPixel(5, 7));
    QCOMPARE(copy->size(), QSize(117, 25));
    QCOMPARE(copy->thumbPosition(), original->thumbPosition());

    // Pictures are shared, not copied.
    const SliderPicture rail = makeRail();
    copy->setRailImage(rail);
    QCOMPARE(copy->RailImage().image().cacheKey(), rail.image().cacheKey());
}

void TestUcSlider::restoreRaisesNoEvents() {
    const auto slider = newSlider();
    slider->setValue(3);
    QSignalSpy change(slider.get(), &ucSlider::Change);
    QSignalSpy first(slider.get(), &ucSlider::ArrivedFirst);
    QSignalSpy last(slider.get(), &ucSlider::ArrivedLast);
    slider->ReadProperties(mainWindowBag(100));
    QCOMPARE(slider->Value(), 100);
    QCOMPARE(change.count(), 0);
    QCOMPARE(first.count(), 0);
    QCOMPARE(last.count(), 0);

    // The stored value counts as the last one raised: assigning it again does nothing.
    slider->setValue(100);
    QCOMPARE(change.count(), 0);
}

void TestUcSlider::unusableBagIsRefused_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("error"); // 0: the bag itself is at fault

    QTest::newRow("Max equal to Min") << QByteArray("min int 5\nmax int 5\n") << 380;
    QTest::newRow("Max below Min") << QByteArray("Min int 5\nMax int -5\n") << 380;
    QTest::newRow("Max below the default Min") << QByteArray("max int -1\n") << 380;
    QTest::newRow("range beyond 32 bits") << QByteArray("min int -2147483648\nmax int 1\n") << 6;
    QTest::newRow("MousePointer beyond 16 bits") << QByteArray("MousePointer int 40000\n") << 6;
    QTest::newRow("Min stored as a boolean") << QByteArray("min bool true\n") << 0;
    QTest::newRow("picture stored as a number") << QByteArray("RailImage int 3\n") << 0;
}

void TestUcSlider::unusableBagIsRefused() {
    QFETCH(QByteArray, settings);
    QFETCH(int, error);
    const auto slider = newSlider();
    slider->ReadProperties(mainWindowBag(-30));
    const QVariantMap before = propertiesOf(*slider);
    const QPointF thumb = slider->thumbPosition();
    const PropertyBag bag = PropertyBag::fromText("VarnelPropertyBag 1\n" + settings);

    if (error == 0) {
        QVERIFY_THROWS_EXCEPTION(PropertyBagError, slider->ReadProperties(bag));
    } else {
        try {
            slider->ReadProperties(bag);
            QFAIL("the settings were accepted");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), error);
        }
    }
    QCOMPARE(propertiesOf(*slider), before);
    QCOMPARE(slider->thumbPosition(), thumb);
}

void TestUcSlider::layout_data() {
    QTest::addColumn<PropertyBag>("settings");
    QTest::addColumn<QSize>("hostSize");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPointF>("thumb");
    QTest::addColumn<PixelRect>("groove");

    QTest::newRow("main window at 0") << mainWindowBag(0) << QSize(300, 40) << QSize(117, 25)
                                      << QPointF(45.5, 0) << PixelRect{11, 10, 106, 14};
    QTest::newRow("main window at -100") << mainWindowBag(-100) << QSize(300, 40) << QSize(117, 25)
                                         << QPointF(0, 0) << PixelRect{11, 10, 106, 14};
    QTest::newRow("main window at 100") << mainWindowBag(100) << QSize(300, 40) << QSize(117, 25)
                                        << QPointF(91, 0) << PixelRect{11, 10, 106, 14};

    PropertyBag smallThumb = mainWindowBag();
    smallThumb.writePicture("sliderimage", makeThumb(10, 10));
    QTest::newRow("thumb lower than the rail") << smallThumb << QSize(300, 40) << QSize(117, 18)
                                               << QPointF(53.5, 4) << PixelRect{3, 3, 114, 7};

    PropertyBag plain;
    plain.writeInt("Orientation", 0, 1);
    plain.writeInt("Value", 5, 0);
    QTest::newRow("no pictures, width 100")
        << plain << QSize(100, 30) << QSize(100, 16) << QPointF(42, 0) << PixelRect{6, 6, 94, 10};

    PropertyBag railStyleWithoutPicture = plain;
    railStyleWithoutPicture.writeInt("RailStyle", 99, 0);
    QTest::newRow("rail picture style without a picture")
        << railStyleWithoutPicture << QSize(100, 30) << QSize(100, 16) << QPointF(42, 0)
        << PixelRect{6, 6, 94, 10};

    PropertyBag noRail = plain;
    noRail.writeInt("RailStyle", 42, 0);
    QTest::newRow("rail style without a rail")
        << noRail << QSize(100, 30) << QSize(100, 16) << QPointF(42, 0) << PixelRect{6, 6, 94, 10};

    PropertyBag vertical;
    QTest::newRow("vertical at Min sits at the bottom")
        << vertical << QSize(30, 100) << QSize(16, 100) << QPointF(0, 84)
        << PixelRect{6, 6, 10, 94};
    vertical.writeInt("Value", 10, 0);
    QTest::newRow("vertical at Max sits at the top")
        << vertical << QSize(30, 100) << QSize(16, 100) << QPointF(0, 0) << PixelRect{6, 6, 10, 94};

    PropertyBag zeroWidth = plain;
    zeroWidth.writePicture("SliderImage", makeThumb());
    QTest::newRow("width 0 takes the thumb's")
        << zeroWidth << QSize(0, 30) << QSize(26, 25) << QPointF(0, 0) << PixelRect{11, 10, 15, 14};
}

void TestUcSlider::layout() {
    QFETCH(PropertyBag, settings);
    QFETCH(QSize, hostSize);
    QFETCH(QSize, size);
    QFETCH(QPointF, thumb);
    QFETCH(PixelRect, groove);

    QWidget host;
    host.resize(400, 200);
    auto* slider = new ucSlider(&host);
    slider->resize(hostSize);
    slider->ReadProperties(settings);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QCOMPARE(slider->size(), size);
    QCOMPARE(slider->thumbPosition(), thumb);
    QCOMPARE(slider->railGroove(), groove);

    // The host resizing the control lays it out again to the same result.
    slider->resize(hostSize);
    QCOMPARE(slider->size(), size);
    QCOMPARE(slider->thumbPosition(), thumb);
}

void TestUcSlider::drawsRailAndIconThumb() {
    QWidget host;
    auto* slider = new ucSlider(&host);
    slider->ReadProperties(mainWindowBag());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage surface = slider->grab().toImage();
    const QRgb face = OleColor::toColour(OleColor::ButtonFace, slider->palette()).rgb();

    QCOMPARE(surface.size(), QSize(117, 25));
    // The rail picture at (2, 3).
    QCOMPARE(surface.pixel(1, 3), face);
    QCOMPARE(surface.pixel(2, 3), railPixel(0, 0));
    QCOMPARE(surface.pixel(114, 20), railPixel(112, 17));
    QCOMPARE(surface.pixel(2, 2), face);
    // The thumb at left 45.5 lands on pixel 46; its transparent border shows what is under it.
    QCOMPARE(surface.pixel(47, 1), thumbColour);
    QCOMPARE(surface.pixel(70, 23), thumbColour);
    QCOMPARE(surface.pixel(46, 0), face);
    QCOMPARE(surface.pixel(46, 10), railPixel(44, 7));
    QCOMPARE(surface.pixel(71, 10), railPixel(69, 7));
}

void TestUcSlider::drawsEdgeRailAndButtonThumb() {
    QWidget host;
    auto* slider = new ucSlider(&host);
    slider->resize(100, 30);
    PropertyBag plain;
    plain.writeInt("Orientation", 0, 1);
    plain.writeInt("Value", 5, 0);
    plain.writeColour("BackColor", OleColor::fromRgb(9, 9, 9), OleColor::ButtonFace);
    slider->ReadProperties(plain);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage surface = slider->grab().toImage();
    const QPalette& palette = slider->palette();
    const auto system = [&](quint32 ole) {
        return OleColor::toColour(ole, palette).rgb();
    };

    QCOMPARE(slider->thumbButton(), (PixelRect{42, 0, 58, 16}));
    QCOMPARE(surface.pixel(3, 3), qRgb(9, 9, 9));
    // The sunken groove (6, 6, 94, 10), away from the thumb.
    QCOMPARE(surface.pixel(20, 6), system(OleColor::ButtonShadow));
    QCOMPARE(surface.pixel(20, 7), system(OleColor::DarkShadow3D));
    QCOMPARE(surface.pixel(20, 8), system(OleColor::Light3D));
    QCOMPARE(surface.pixel(20, 9), system(OleColor::Highlight3D));
    QCOMPARE(surface.pixel(20, 10), qRgb(9, 9, 9));
    // The thumb: a raised 16 x 16 button in the button-face colour.
    QCOMPARE(surface.pixel(42, 0), system(OleColor::Light3D));
    QCOMPARE(surface.pixel(43, 1), system(OleColor::Highlight3D));
    QCOMPARE(surface.pixel(57, 15), system(OleColor::DarkShadow3D));
    QCOMPARE(surface.pixel(56, 14), system(OleColor::ButtonShadow));
    QCOMPARE(surface.pixel(50, 8), system(OleColor::ButtonFace));
    QCOMPARE(surface.pixel(58, 12), qRgb(9, 9, 9));
}

void TestUcSlider::enabledChangesNothingOnScreen() {
    QWidget host;
    auto* slider = new ucSlider(&host);
    slider->ReadProperties(mainWindowBag());
    slider->setEnabled(true);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage enabled = slider->grab().toImage();
    PaintCounter paints(slider);

    slider->setEnabled(false);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);
    QCOMPARE(slider->grab().toImage(), enabled);
    QVERIFY(!slider->Enabled());
    QVERIFY(slider->isEnabled()); // the widget itself stays enabled
}

QTEST_MAIN(TestUcSlider)
#include "tst_ucslider.moc"
