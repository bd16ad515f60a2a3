#pragma once

#include <QImage>
#include <QMetaType>
#include <QSize>

// A picture handed to the slider: a bitmap, an icon (drawn through its alpha channel), or none.
// The image is implicitly shared, so copying a SliderPicture stores a reference to the same
// pixels, never a copy of them.
class SliderPicture {
public:
    enum class Kind { None, Bitmap, Icon };

    SliderPicture() = default;

    // Bitmaps are kept as RGB32, icons as ARGB32, so that equal pixels compare equal.
    static SliderPicture bitmap(const QImage& image);
    static SliderPicture icon(const QImage& image);

    Kind kind() const { return m_Kind; }
    bool isNone() const { return m_Kind == Kind::None; }
    const QImage& image() const { return m_Image; }
    QSize size() const { return m_Image.size(); }
    int width() const { return m_Image.width(); }
    int height() const { return m_Image.height(); }

    friend bool operator==(const SliderPicture& a, const SliderPicture& b) {
        return a.m_Kind == b.m_Kind && a.m_Image == b.m_Image;
    }

private:
    SliderPicture(Kind kind, const QImage& image);

    Kind m_Kind = Kind::None;
    QImage m_Image;
};

Q_DECLARE_METATYPE(SliderPicture)
