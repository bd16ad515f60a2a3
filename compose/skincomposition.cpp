#include "compose/skincomposition.h"

#include "art/builtinart.h"
#include "compose/colourvalue.h"
#include "compose/imaging.h"

#include <QString>

#include <stdexcept>

const SkinTemplates& builtInTemplates() {
    static const SkinTemplates templates{
        {{BuiltInArt::mainTemplate(), BuiltInArt::sceneTemplate(), BuiltInArt::consoleTemplate(),
          BuiltInArt::chatTemplate()}},
        BuiltInArt::menuStrip()};
    return templates;
}

QSize largestSurfaceSize() {
    QSize cover;
    for (const SurfaceFacts& s : SkinSurfaceTable)
        cover = cover.expandedTo(s.size);
    return cover;
}

QRect surfaceCrop(QSize picture, const Framing& framing, SurfaceId id) {
    if (framing.fit == Fit::Stretch || picture.isEmpty())
        return QRect(QPoint(0, 0), picture);
    return fillCrop(picture, surfaceFacts(id).size, framing.focus);
}

SurfacePictures scaleToSurfaces(const QImage& loaded, const Framing& framing) {
    SurfacePictures scaled;
    for (const SurfaceFacts& s : SkinSurfaceTable) {
        // Fill scales only the crop, straight from the loaded picture.
        scaled[s.id] = framing.fit == Fit::Fill
                           ? Imaging::stretch(loaded, surfaceCrop(loaded.size(), framing, s.id),
                                              s.size.width(), s.size.height())
                           : Imaging::stretch(loaded, s.size.width(), s.size.height());
    }
    return scaled;
}

SkinPictures composeSkin(const SurfacePictures& scaled, MenuTint tint,
                         const SkinTemplates& templates) {
    SkinPictures skin;
    skin.scaled = scaled;
    for (const SurfaceFacts& s : SkinSurfaceTable) {
        const QImage& templ = templates.surfaces[s.id];
        // The artwork is laid over the whole surface, pixel for pixel.
        if (templ.size() != s.size || scaled[s.id].size() != s.size)
            throw std::invalid_argument(
                QStringLiteral("The %1 picture or template is not %2 x %3 pixels.")
                    .arg(QLatin1String(s.word))
                    .arg(s.size.width())
                    .arg(s.size.height())
                    .toStdString());
        skin.tinted[s.id] = Imaging::adjustHsl(templ, tint.hue, tint.saturation, tint.lightness);
        // The see-through pixels are the template's own key pixels, whatever else the tint
        // turned into the colour the key became.
        skin.surfaces[s.id] = Imaging::overlayOutsideKey(scaled[s.id], skin.tinted[s.id], templ,
                                                         rgbFromColourValue(KeyColour));
    }
    skin.menuStrip = tintMenuStrip(templates.menuStrip, tint);
    return skin;
}

SkinPictures composeSkin(const QImage& loaded, const Framing& framing, MenuTint tint,
                         const SkinTemplates& templates) {
    if (loaded.isNull())
        throw std::logic_error("There is no picture to load.");
    return composeSkin(scaleToSurfaces(Imaging::toInternal(loaded), framing), tint, templates);
}

QImage tintMenuStrip(const QImage& strip, MenuTint tint) {
    return Imaging::adjustHsl(Imaging::toInternal(strip), tint.hue, tint.saturation,
                              tint.lightness);
}
