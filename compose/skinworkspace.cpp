#include "compose/skinworkspace.h"

#include "art/builtinart.h"
#include "compose/imaging.h"

#include <limits>
#include <stdexcept>

static_assert(
    [] {
        for (std::size_t i = 0; i < SkinSurfaceTable.size(); ++i)
            if (std::size_t(SkinSurfaceTable[i].id) != i)
                return false;
        return true;
    }(),
    "the surface table is indexed by SurfaceId");

qint16 narrowTint(qint32 value) {
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw std::overflow_error("Overflow: a tint amount does not fit in 16 bits");
    return qint16(value);
}

SkinWorkspace::SkinWorkspace()
    : m_surfaces{{
          {surfaceFacts(SurfaceId::Main), &Xpress1, &MainPic, &MainBuff, &MainMerge},
          {surfaceFacts(SurfaceId::Scene), &Xpress3, &ScenePic, &SceneBuff, &SceneMerge},
          {surfaceFacts(SurfaceId::Console), &Xpress4, &InChatPic, &InChatBuff, &InChatMerge},
          {surfaceFacts(SurfaceId::Chat), &Xpress5, &OutChatPic, &OutChatBuff, &OutChatMerge},
      }} {
    MainMerge.Picture = BuiltInArt::mainTemplate();
    SceneMerge.Picture = BuiltInArt::sceneTemplate();
    InChatMerge.Picture = BuiltInArt::consoleTemplate();
    OutChatMerge.Picture = BuiltInArt::chatTemplate();
    Picture1.Picture = BuiltInArt::menuStrip();
    Xpress2.setPicture(BuiltInArt::menuStrip());
}

QSize largestSurfaceSize() {
    QSize cover;
    for (const SurfaceFacts& s : SkinSurfaceTable)
        cover = cover.expandedTo(s.size);
    return cover;
}

void loadPictureIntoWorkspace(SkinWorkspace& ws, const QString& path, const TintSource& tint,
                              const std::function<void()>& beforeChange) {
    const QImage picture = Imaging::readPicture(path, largestSurfaceSize());
    if (beforeChange)
        beforeChange();
    loadDecodedPicture(ws, picture, tint);
}

QRect surfaceCrop(const SkinWorkspace& ws, SurfaceId id) {
    const QSize picture = ws.LoadedPicture.Picture.size();
    if (ws.framing.fit == Fit::Stretch || picture.isEmpty())
        return QRect(QPoint(0, 0), picture);
    return fillCrop(picture, surfaceFacts(id).size, ws.framing.focus);
}

namespace {

// Copies the loaded picture (or each surface's crop of it) into the instances, scales each
// to its surface and keeps the results in the scaled picture boxes.
void scaleToSurfaces(SkinWorkspace& ws) {
    const auto& surfaces = ws.surfaces();
    // Merge is still on from the last composition; a new picture must replace the old
    // content, not be laid over it.
    for (const SkinSurface& s : surfaces)
        s.instance->SetMerge(false, 2, 0, true, KeyColor, 100, 100);

    const QImage& loaded = ws.LoadedPicture.Picture;
    for (const SkinSurface& s : surfaces) {
        // Fill scales only the crop, straight from the loaded picture; ScaleImage below
        // then finds it at its size already.
        if (ws.framing.fit == Fit::Fill)
            s.instance->setPicture(
                Imaging::stretch(loaded, surfaceCrop(ws, s.id), s.size.width(), s.size.height()));
        else
            s.instance->setPicture(loaded);
    }

    for (const SkinSurface& s : surfaces)
        s.instance->ScaleImage(2, s.size.width(), s.size.height());
    for (const SkinSurface& s : surfaces)
        s.scaled->Picture = s.instance->Picture();
}

} // namespace

void loadDecodedPicture(SkinWorkspace& ws, const QImage& picture, const TintSource& tint) {
    scaleDecodedPicture(ws, picture);
    ComposeTintedSurfaces(ws, tint);
}

void scaleDecodedPicture(SkinWorkspace& ws, const QImage& picture) {
    if (picture.isNull())
        throw std::logic_error("There is no picture to load.");
    ws.LoadedPicture.Picture = Imaging::toInternal(picture);
    scaleToSurfaces(ws);
}

void refitSurfaces(SkinWorkspace& ws, const TintSource& tint) {
    if (!ws.hasSkin() || ws.LoadedPicture.Picture.isNull())
        throw std::logic_error("There is no picture to fit yet. Load an image first.");
    scaleToSurfaces(ws);
    ComposeTintedSurfaces(ws, tint);
}

void ComposeTintedSurfaces(SkinWorkspace& ws, const TintSource& tint) {
    const auto& surfaces = ws.surfaces();
    if (!ws.hasSkin())
        throw std::logic_error("There is no picture to compose yet. Load an image first.");

    for (const SkinSurface& s : surfaces)
        s.instance->SetMerge(false, 2, 0, true, KeyColor, 100, 100);

    for (const SkinSurface& s : surfaces) {
        s.instance->setPicture(s.templ->Picture);
        const MenuTint t = tint();
        s.instance->AdjustHsl(t.hue, t.saturation, t.lightness);
    }

    for (const SkinSurface& s : surfaces)
        s.tinted->Picture = s.instance->Picture();

    for (const SkinSurface& s : surfaces)
        s.instance->setPicture(s.scaled->Picture);

    ws.GetColor.setPicture(ws.MainBuff.Picture);
    const ColorValue tintedKey = ws.GetColor.PixelColor(1, 1);

    // The see-through pixels are the template's own key pixels: artwork that the tint
    // happens to turn into the tinted key colour stays artwork.
    for (const SkinSurface& s : surfaces) {
        s.instance->SetMerge(true, 2, 0, true, tintedKey, 100, 100);
        s.instance->setMergeShape(s.templ->Picture, KeyColor);
    }

    for (const SkinSurface& s : surfaces)
        s.instance->setPicture(s.tinted->Picture);
}

void PreviewMenuTint(SkinWorkspace& ws, const TintSource& tint) {
    ws.Xpress2.setPicture(ws.Picture1.Picture);
    const MenuTint t = tint();
    ws.Xpress2.AdjustHsl(t.hue, t.saturation, t.lightness);
}
