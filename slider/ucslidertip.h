#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

class QLabel;

// The small borderless window that shows a slider's value beside its thumb while it is dragged.
// One instance serves every slider of the program: instance() makes it on first use, unload()
// destroys it, and the next instance() makes a fresh one. It never takes the focus.
class ucSliderTip : public QWidget {
    Q_OBJECT

public:
    ~ucSliderTip() override;

    static ucSliderTip& instance();
    // The shared instance if there is one, without making it.
    static ucSliderTip* existing();
    static void unload();

    // Width in pixels of a text in a font. Replaceable so that placement can be checked with
    // known widths; an empty function restores the font metrics.
    using TextWidthFunction = std::function<int(const QFont&, const QString&)>;
    static void setTextWidthFunction(TextWidthFunction function);

    // Width of the value label for a text: measured in the window's font, widened to the
    // label's own font when that needs more room, so the value is never clipped.
    int labelWidthFor(const QString& text) const;

    QLabel* lblTip() const { return m_lblTip; }

    // The window's background and the value's colour under `palette`: the designed lavender
    // and the palette's window text where they contrast enough to read (4.5 : 1), else the
    // palette's tool-tip colours, else black on lavender.
    struct Colours {
        QColor background;
        QColor text;
    };
    static Colours colours(const QPalette& palette);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ucSliderTip();

    QLabel* m_lblTip = nullptr;
    QPixmap m_Surface;
};
