#pragma once

#include "compose/fit.h"
#include "compose/menutint.h"
#include "compose/surfacetable.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <array>

// One picture per surface, indexed by SurfaceId.
struct SurfacePictures {
    std::array<QImage, 4> pictures;

    const QImage& operator[](SurfaceId id) const { return pictures[std::size_t(id)]; }
    QImage& operator[](SurfaceId id) { return pictures[std::size_t(id)]; }
    friend bool operator==(const SurfacePictures&, const SurfacePictures&) = default;
};

// The artwork a skin is made with: the four surface templates on their key colour and the
// MENU strip.
struct SkinTemplates {
    SurfacePictures surfaces;
    QImage menuStrip;
};

// The built-in artwork.
const SkinTemplates& builtInTemplates();

// A composed skin, as values: what the previews show and the export writes.
struct SkinPictures {
    // The picture brought to each surface: untinted, without artwork.
    SurfacePictures scaled;
    // The templates with the tint.
    SurfacePictures tinted;
    // The finished surfaces: the tinted artwork over the scaled picture.
    SurfacePictures surfaces;
    // The MENU strip with the tint.
    QImage menuStrip;
};

// The widest and the tallest surface together: a picture is never decoded smaller than
// this, so no surface is ever enlarged from a reduced decode. That holds for Fill too: a
// surface's crop is the largest part of the picture with its proportions, so it is at least
// the surface's size whenever the picture is at least that size in both axes.
QSize largestSurfaceSize();

// The part of a picture of `picture` size that a surface shows: the whole picture with
// Stretch, its crop around the focus with Fill. Empty for an empty picture.
QRect surfaceCrop(QSize picture, const Framing& framing, SurfaceId id);

// The loaded picture brought to each surface's size: stretched whole, or each surface's
// crop with Fill.
SurfacePictures scaleToSurfaces(const QImage& loaded, const Framing& framing);

// The templates tinted and laid over the scaled pictures. Exactly the templates' own key
// pixels let the picture through: artwork that the tint turns into the tinted key colour
// stays artwork. The MENU strip is tinted whole. Throws std::invalid_argument when a
// template or scaled picture does not have its surface's size.
SkinPictures composeSkin(const SurfacePictures& scaled, MenuTint tint,
                         const SkinTemplates& templates);

// The whole composition from the picture as loaded. Throws std::logic_error for a null
// picture.
SkinPictures composeSkin(const QImage& loaded, const Framing& framing, MenuTint tint,
                         const SkinTemplates& templates);

// The MENU strip with the tint: the preview while a slider moves.
QImage tintMenuStrip(const QImage& strip, MenuTint tint);
