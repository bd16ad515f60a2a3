#pragma once

#include "slider/slidergeometry.h"
#include "slider/sliderpicture.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

class PropertyBag;

// The program's slider: an integer Value between Min and Max, set by dragging a thumb along a
// rail. The rail is a 3-D groove in one of five edge styles or a picture; the thumb is a
// picture or a plain raised button. While the thumb is dragged the shared ucSliderTip can show
// the value beside it.
//
// The control paints into its own backing pixmap whenever its state changes; paintEvent only
// copies that pixmap. Events are signals meant for direct connections: a handler runs inside
// the raising code and may assign properties again. Setters refuse bad values by throwing
// RuntimeError 380 (invalid property value) or 6 (overflow).
//
// Beyond the pointer, an enabled slider takes the focus from Tab (not from a click) and
// moves by keys and by the mouse wheel, showing the value tip while they move it; screen
// readers see it through ucSliderAccessible.
class ucSlider : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("DefaultProperty", "Value")
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(SliderPicture MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(qint32 Max READ Max WRITE setMax)
    Q_PROPERTY(qint32 Min READ Min WRITE setMin)
    Q_PROPERTY(qint32 Value READ Value WRITE setValue)
    Q_PROPERTY(qint32 Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(qint32 RailStyle READ RailStyle WRITE setRailStyle)
    Q_PROPERTY(SliderPicture SliderImage READ SliderImage WRITE setSliderImage)
    Q_PROPERTY(SliderPicture RailImage READ RailImage WRITE setRailImage)
    Q_PROPERTY(bool ShowValueTip READ ShowValueTip WRITE setShowValueTip)

public:
    // Dispatch ids by which a late-bound host addresses each property; Value is the default
    // member.
    enum DispId : quint32 {
        DispIdValue = 0,
        DispIdShowValueTip = 0x68030000,
        DispIdRailImage = 0x68030001,
        DispIdSliderImage = 0x68030002,
        DispIdRailStyle = 0x68030003,
        DispIdOrientation = 0x68030004,
        DispIdMin = 0x68030005,
        DispIdMax = 0x68030006,
        DispIdMouseIcon = 0x68030007,
        DispIdMousePointer = 0x68030008,
        DispIdBackColor = 0x68030009,
        DispIdEnabled = 0x6803000A,
    };
    Q_ENUM(DispId)
    // The property a dispatch id addresses, or nullptr for an id the control does not have.
    static const char* propertyName(quint32 dispId);

    // Rail styles: the edge styles of the groove, and the rail picture.
    enum RailStyleValue : qint32 {
        RailSunken = 0,
        RailRaised = 1,
        RailSunkenOuter = 2,
        RailRaisedInner = 3,
        RailFlat = 4,
        RailPicture = 99,
    };

    // Cursor shapes for MousePointer: 0 the default cursor, 99 the MouseIcon picture.
    enum MousePointerValue : qint32 { PointerDefault = 0, PointerCustom = 99 };

    // How long the wheel rests before its change settles.
    static constexpr int wheelSettleMs = 300;

    // Create hook. A slider made without InitProperties or ReadProperties already holds the
    // new-instance values.
    explicit ucSlider(QWidget* parent = nullptr);
    // Destroy hook: unloads the shared value tip.
    ~ucSlider() override;

    // New-instance hook: the defaults of a freshly placed slider.
    void InitProperties();
    // Restore hook. Throws PropertyBagError when a name holds a value of the wrong type, and
    // RuntimeError 380 when the stored Max is not above the stored Min (6 when Max - Min or
    // MousePointer overflows): such settings are refused whole and the slider keeps its state.
    void ReadProperties(const PropertyBag& bag);
    // Save hook: writes every property that differs from its default.
    void WriteProperties(PropertyBag& bag) const;

    // Only the control's own flag: the widget stays enabled and looks the same, and a disabled
    // slider still receives the pointer (to raise Click). Hides QWidget::setEnabled on purpose.
    bool Enabled() const { return m_Enabled; }
    void setEnabled(bool New_Enabled);

    quint32 BackColor() const { return m_BackColor; }
    void setBackColor(quint32 New_BackColor);

    qint32 MousePointer() const { return m_MousePointer; }
    void setMousePointer(qint32 New_MousePointer);

    SliderPicture MouseIcon() const { return m_MouseIcon; }
    void setMouseIcon(const SliderPicture& New_MouseIcon);

    qint32 Max() const { return m_Max; }
    void setMax(qint32 New_Max);

    qint32 Min() const { return m_Min; }
    void setMin(qint32 New_Min);

    qint32 Value() const { return m_Value; }
    void setValue(qint32 New_Value);

    qint32 Orientation() const { return m_Orientation; }
    void setOrientation(qint32 New_Orientation);

    qint32 RailStyle() const { return m_RailStyle; }
    void setRailStyle(qint32 New_RailStyle);

    SliderPicture SliderImage() const { return imgSlider.picture; }
    void setSliderImage(const SliderPicture& New_SliderImage);

    SliderPicture RailImage() const { return imgRail.picture; }
    void setRailImage(const SliderPicture& New_RailImage);

    bool ShowValueTip() const { return m_ShowValueTip; }
    void setShowValueTip(bool New_ShowValueTip);

    // Read-only views of the layout, for hosts and tests.
    QPointF thumbPosition() const { return {imgSlider.left, imgSlider.top}; }
    QSize thumbSize() const { return {imgSlider.width, imgSlider.height}; }
    QSize railSize() const { return {imgRail.width, imgRail.height}; }
    SliderGeometry::PixelRect railGroove() const { return rcRail; }
    SliderGeometry::PixelRect thumbButton() const { return rcThumb; }
    bool isDragging() const { return m_Dragging; }

    // A change as from the keyboard, e.g. by assistive technology: the value clamped to
    // Min..Max through the value setter, then changeSettled. Ignored while disabled or
    // during a drag.
    void stepTo(qint64 New_Value);

signals:
    void Click();
    void ArrivedFirst();
    void ArrivedLast();
    void Change();
    void MouseDown(short& Shift);
    void MouseUp(short& Shift);
    // The keys that changed the value were released, the wheel that changed it has rested
    // for wheelSettleMs, or the change came through the accessibility interface: to the host
    // what MouseUp is after a drag. Not raised while a key repeats or the wheel turns.
    void changeSettled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct ThumbHolder {
        float left = 0;
        float top = 0;
        int width = 16;
        int height = 16;
        SliderPicture picture;
    };
    struct RailHolder {
        int width = 16;
        int height = 17;
        SliderPicture picture;
    };

    void LayoutPass();
    void DrawSlider();
    void ResetThumb();
    qint32 ValueFromThumb();
    void ShowTip();

    void PressHandler(short Button, short Shift, float X, float Y);
    void MoveHandler(short Button, short Shift, float X, float Y);
    void ReleaseHandler(short Button, short Shift, float X, float Y);

    bool railPictureInUse() const;
    std::optional<qint32> travel() const;
    bool canDrag() const;
    void setThumbPicture(const SliderPicture& picture);
    void setRailPicture(const SliderPicture& picture);
    void applyCursor();
    // Focus policy and what assistive technology hears follow the control's own Enabled.
    void enabledChanged();
    void settleKeyChange();
    // The value moved by a key or the wheel: clamped to Min..Max, the tip showing it.
    void stepBy(qint64 New_Value);
    void hideStepTip();

    bool m_Dragging = false;
    float m_GrabX = 0;
    float m_GrabY = 0;
    SliderGeometry::PixelRect rcRail;
    SliderGeometry::PixelRect rcThumb;
    qint32 m_Range = 10;
    qint32 m_LastValue = 0;
    bool m_Enabled = true;
    qint32 m_Orientation = SliderGeometry::Vertical;
    qint32 m_RailStyle = RailSunken;
    bool m_ShowValueTip = true;
    qint32 m_Min = 0;
    qint32 m_Max = 10;
    qint32 m_Value = 0;

    ThumbHolder imgSlider;
    RailHolder imgRail;
    quint32 m_BackColor;
    qint16 m_MousePointer = PointerDefault;
    SliderPicture m_MouseIcon;
    QPixmap m_Surface;
    bool m_KeyChangePending = false;
    // Eighths of a degree turned towards Max and not yet a whole notch (high-resolution
    // wheels send parts of one).
    qint64 m_WheelRemainder = 0;
    QTimer m_WheelRest;
};
