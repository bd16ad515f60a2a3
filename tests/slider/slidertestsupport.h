#pragma once

#include "slider/propertybag.h"
#include "slider/sliderpicture.h"
#include "slider/ucslider.h"

#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QWidget>

#include <memory>

// Pictures like the main window's: a 113 x 18 rail bitmap and a 26 x 25 thumb icon whose
// one-pixel border is fully transparent.
inline QRgb railPixel(int x, int y) {
    return qRgb(2 * x, 10 * y, 100);
}
inline const QRgb thumbColour = qRgb(200, 40, 40);

inline SliderPicture makeRail(int width = 113, int height = 18) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, railPixel(x, y));
    }
    return SliderPicture::bitmap(image);
}

inline SliderPicture makeThumb(int width = 26, int height = 25) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(qRgba(0, 255, 0, 0));
    for (int y = 1; y < height - 1; ++y) {
        for (int x = 1; x < width - 1; ++x)
            image.setPixel(x, y, thumbColour);
    }
    return SliderPicture::icon(image);
}

// The stored settings of the main window's tint sliders, keys as the host stores them.
inline PropertyBag mainWindowBag(qint32 value = 0) {
    PropertyBag bag;
    bag.writeInt(QStringLiteral("_extentx"), 3096, 0);
    bag.writeInt(QStringLiteral("_extenty"), 661, 0);
    bag.writeBool(QStringLiteral("enabled"), false, true);
    bag.writePicture(QStringLiteral("sliderimage"), makeThumb());
    bag.writeInt(QStringLiteral("orientation"), 0, 1);
    bag.writePicture(QStringLiteral("railimage"), makeRail());
    bag.writeInt(QStringLiteral("railstyle"), 99, 0);
    bag.writeInt(QStringLiteral("min"), -100, 0);
    bag.writeInt(QStringLiteral("max"), 100, 10);
    bag.writeInt(QStringLiteral("value"), value, 0);
    return bag;
}

// Records every event of a slider, in the order raised, through one recorder. Change carries
// the value it was raised for.
class EventLog {
public:
    explicit EventLog(ucSlider& slider) {
        const auto record = [this, &slider](const char* name, bool withValue) {
            return [this, &slider, name, withValue] {
                m_Events << (withValue ? QStringLiteral("%1 %2").arg(name).arg(slider.Value())
                                       : QString::fromLatin1(name));
            };
        };
        QObject::connect(&slider, &ucSlider::Click, record("Click", false));
        QObject::connect(&slider, &ucSlider::ArrivedFirst, record("ArrivedFirst", false));
        QObject::connect(&slider, &ucSlider::ArrivedLast, record("ArrivedLast", false));
        QObject::connect(&slider, &ucSlider::Change, record("Change", true));
        QObject::connect(&slider, &ucSlider::MouseDown,
                         [down = record("MouseDown", false)](short&) { down(); });
        QObject::connect(&slider, &ucSlider::MouseUp,
                         [up = record("MouseUp", false)](short&) { up(); });
    }

    const QStringList& events() const { return m_Events; }
    void clear() { m_Events.clear(); }

private:
    QStringList m_Events;
};

// A top-level window holding a slider and a text box that can take the focus.
struct SliderHost {
    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr;
    ucSlider* slider = nullptr;
};

inline SliderHost makeSliderHost() {
    SliderHost host;
    host.window = std::make_unique<QWidget>();
    host.window->resize(300, 160);
    host.other = new QLineEdit(host.window.get());
    host.other->setGeometry(10, 120, 200, 24);
    host.slider = new ucSlider(host.window.get());
    host.slider->move(50, 40);
    return host;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// The offscreen platform cannot restack windows and says so each time a tool-tip window is
// shown. Drops that one message; everything else still reaches the test log.
inline void muteOffscreenRaiseWarning() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message == QLatin1String("This plugin does not support raise()"))
                return;
            previous(type, context, message);
        });
}
