#pragma once

#include "compose/fit.h"
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

// The four window pictures of a skin. The enumeration order is the order every
// per-surface step of the composition visits them.
enum class SurfaceId { Main, Scene, Console, Chat };

// What is fixed about a surface: the one table every other part derives from.
struct SurfaceFacts {
    SurfaceId id;
    const char* word;           // in the exported file names
    const char* descriptionKey; // in the skin description
    QSize size;
};

inline constexpr std::array<SurfaceFacts, 4> SkinSurfaceTable{{
    {SurfaceId::Main, "Main", "MainWindowImage", QSize(800, 629)},
    {SurfaceId::Scene, "Scene", "SceneWindowImage", QSize(300, 550)},
    {SurfaceId::Console, "Console", "ConsoleBorderImage", QSize(310, 105)},
    {SurfaceId::Chat, "Chat", "ChatWindowImage", QSize(438, 173)},
}};

constexpr const SurfaceFacts& surfaceFacts(SurfaceId id) {
    return SkinSurfaceTable[std::size_t(id)];
}

// The export writes the bitmaps in this order (the description comes last).
inline constexpr std::array<SurfaceId, 4> SurfaceWriteOrder{SurfaceId::Main, SurfaceId::Scene,
                                                            SurfaceId::Chat, SurfaceId::Console};

// The skin description names the bitmaps in this order, top to bottom.
inline constexpr std::array<SurfaceId, 4> DescriptionLineOrder{SurfaceId::Console, SurfaceId::Scene,
                                                               SurfaceId::Chat, SurfaceId::Main};

// One surface with the workspace's image-control instance and picture boxes for it.
struct SkinSurface : SurfaceFacts {
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
    // The picture as loaded (reduced-scale decode), before any scaling: a change of fit or
    // focus scales the surfaces from it again without reading the file.
    PictureBox LoadedPicture;

    // How the loaded picture is brought to each surface; the next load or refit uses it.
    Framing framing;

    // Main, Scene, Console, Chat: the order every per-surface step visits them.
    const std::array<SkinSurface, 4>& surfaces() const { return m_surfaces; }
    const SkinSurface& surface(SurfaceId id) const { return m_surfaces[std::size_t(id)]; }

    // True once a picture has been loaded and composed.
    bool hasSkin() const { return !MainPic.Picture.isNull(); }

private:
    std::array<SkinSurface, 4> m_surfaces;
};

// The widest and the tallest surface together: a picture is never decoded smaller than
// this, so no surface is ever enlarged from a reduced decode. That holds for Fill too: a
// surface's crop is the largest part of the picture with its proportions, so it is at least
// the surface's size whenever the picture is at least that size in both axes.
QSize largestSurfaceSize();

// The part of the loaded picture that a surface shows: the whole picture with Stretch, its
// crop around the focus with Fill. Empty before the first load.
QRect surfaceCrop(const SkinWorkspace& ws, SurfaceId id);

// Load Image after the file dialog: reads and decodes first, so a picture that cannot
// be read changes nothing (throws Imaging::PictureError). `beforeChange` runs once the
// picture is known to be good (the window enables its sliders there).
void loadPictureIntoWorkspace(SkinWorkspace& ws, const QString& path, const TintSource& tint,
                              const std::function<void()>& beforeChange = {});

// The same from an already decoded picture. The workspace's framing decides how it is
// scaled; with Stretch every step is the plain load's.
void loadDecodedPicture(SkinWorkspace& ws, const QImage& picture, const TintSource& tint);

// The load up to the composition: the picture kept, copied into the instances (or each
// surface's crop of it, with Fill) and scaled, the scaled pictures kept. The instances hold the
// bare scaled pictures until ComposeTintedSurfaces runs.
void scaleDecodedPicture(SkinWorkspace& ws, const QImage& picture);

// Scales the loaded picture to the surfaces again with the workspace's framing as it stands
// now, then composes: what a change of fit or focus runs. Only after a successful load.
void refitSurfaces(SkinWorkspace& ws, const TintSource& tint);

// Tints the templates, reads back the tinted key colour and lays them over the scaled
// pictures. Only after at least one successful load.
void ComposeTintedSurfaces(SkinWorkspace& ws, const TintSource& tint);

// Re-tints the MENU strip preview in Xpress2 from the untinted strip.
void PreviewMenuTint(SkinWorkspace& ws, const TintSource& tint);
