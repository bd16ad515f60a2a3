#pragma once

#include "compose/fit.h"
#include "compose/menutint.h"
#include "compose/skincomposition.h"
#include "compose/surfacetable.h"

#include <QImage>
#include <QObject>
#include <QSize>

#include <array>
#include <functional>

// A hidden picture holder: never shown, never drawn into; only its whole Picture is read
// and replaced.
struct PictureBox {
    QImage Picture;
};

// One surface with the workspace's picture boxes for it.
struct SkinSurface : SurfaceFacts {
    PictureBox* scaled;
    PictureBox* tinted;
    PictureBox* templ;
};

// The window's skin as it stands: the picture as loaded, its framing, and the values the
// last composition returned, kept in the hidden picture boxes named as the window's. The
// pictures are made by the pure composition (skincomposition.h); the workspace only keeps
// them and says when they change, so the previews can show them. The command line and the
// benchmarks compose without one.
class SkinWorkspace : public QObject {
    Q_OBJECT

public:
    SkinWorkspace();

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

    // The artwork in the template boxes and Picture1.
    SkinTemplates templates() const;
    // The scaled pictures in MainPic, ScenePic, InChatPic and OutChatPic.
    SurfacePictures scaledPictures() const;

    // What the previews show and Save Skin writes: the finished surfaces (null before the
    // first load) and the MENU strip as last tinted.
    const SurfacePictures& finishedSurfaces() const { return m_finished; }
    const QImage& menuStrip() const { return m_menuStrip; }

    // Keeps a composition's surfaces (not its strip, which follows the previews).
    void keepSurfaces(const SkinPictures& skin);
    void keepMenuStrip(const QImage& strip);

    // True once a picture has been loaded and composed.
    bool hasSkin() const { return !MainPic.Picture.isNull(); }

signals:
    void surfacesComposed();
    void menuStripTinted();

private:
    std::array<SkinSurface, 4> m_surfaces;
    SurfacePictures m_finished;
    QImage m_menuStrip;
};

// The part of the loaded picture that a surface shows. Empty before the first load.
QRect surfaceCrop(const SkinWorkspace& ws, SurfaceId id);

// Load Image after the file dialog: reads and decodes first, so a picture that cannot
// be read changes nothing (throws Imaging::PictureError). `beforeChange` runs once the
// picture is known to be good (the window enables its sliders there).
void loadPictureIntoWorkspace(SkinWorkspace& ws, const QString& path, MenuTint tint,
                              const std::function<void()>& beforeChange = {});

// The same from an already decoded picture, with the workspace's framing.
void loadDecodedPicture(SkinWorkspace& ws, const QImage& picture, MenuTint tint);

// Scales the loaded picture to the surfaces again with the workspace's framing as it stands
// now, then composes: what a change of fit or focus runs. Only after a successful load.
void refitSurfaces(SkinWorkspace& ws, MenuTint tint);

// Composes the kept scaled pictures with the tint (a slider's release). Only after at
// least one successful load.
void ComposeTintedSurfaces(SkinWorkspace& ws, MenuTint tint);

// Tints the MENU strip preview from the untinted strip.
void PreviewMenuTint(SkinWorkspace& ws, MenuTint tint);
