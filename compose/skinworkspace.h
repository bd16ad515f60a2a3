#pragma once

#include "compose/imagecontrol.h"

#include <QImage>
#include <QSize>

#include <array>
#include <functional>

// A hidden picture holder: never shown, never drawn into; only its whole Picture is read
// and replaced.
struct PictureBox {
    QImage Picture;
};

// The three tint amounts, read afresh from the sliders at every use.
struct MenuTint {
    qint16 hue = 0;
    qint16 saturation = 0;
    qint16 lightness = 0;
};
using TintSource = std::function<MenuTint()>;

// Narrows a slider value the way the tint needs it; throws std::overflow_error outside
// the 16-bit range.
qint16 narrowTint(qint32 value);

// One of the four window pictures of a skin.
struct SkinSurface {
    const char* word;           // in the exported file names
    const char* descriptionKey; // in the skin description
    QSize size;
    ImageControl* instance;
    PictureBox* scaled;
    PictureBox* tinted;
    PictureBox* templ;
};

// Everything the composition works on: the image-control instances and the hidden
// picture boxes, filled with the built-in artwork. The window owns one and shows
// Xpress1..5; the command line uses one without a window.
class SkinWorkspace {
public:
    SkinWorkspace();
    SkinWorkspace(const SkinWorkspace&) = delete;
    SkinWorkspace& operator=(const SkinWorkspace&) = delete;

    ImageControl Xpress1, Xpress2, Xpress3, Xpress4, Xpress5, GetColor;

    PictureBox MainPic, ScenePic, InChatPic, OutChatPic;
    PictureBox MainBuff, SceneBuff, InChatBuff, OutChatBuff;
    PictureBox MainMerge, SceneMerge, InChatMerge, OutChatMerge;
    PictureBox Picture1;

    // Main, Scene, Console, Chat: the order every per-surface step visits them.
    const std::array<SkinSurface, 4>& surfaces() const { return m_surfaces; }

    // True once a picture has been loaded and composed.
    bool hasSkin() const { return !MainPic.Picture.isNull(); }

private:
    std::array<SkinSurface, 4> m_surfaces;
};

// The largest surface: a picture is never decoded smaller than this.
QSize largestSurfaceSize();

// Load Image after the file dialog: reads and decodes first, so a picture that cannot
// be read changes nothing (throws Imaging::PictureError). `beforeChange` runs once the
// picture is known to be good (the window enables its sliders there).
void LoadPictureIntoWorkspace(SkinWorkspace& ws, const QString& path, const TintSource& tint,
                              const std::function<void()>& beforeChange = {});

// The same from an already decoded picture.
void LoadDecodedPicture(SkinWorkspace& ws, const QImage& picture, const TintSource& tint);

// Tints the templates, reads back the tinted key colour and lays them over the scaled
// pictures. Only after at least one successful load.
void ComposeTintedSurfaces(SkinWorkspace& ws, const TintSource& tint);

// Re-tints the MENU strip preview in Xpress2 from the untinted strip.
void PreviewMenuTint(SkinWorkspace& ws, const TintSource& tint);
