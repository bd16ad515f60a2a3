#include "compose/skinworkspace.h"

#include "compose/imaging.h"

#include <QCoreApplication>

#include <stdexcept>

SkinWorkspace::SkinWorkspace()
    : m_surfaces{{
          {surfaceFacts(SurfaceId::Main), &MainPic, &MainBuff, &MainMerge},
          {surfaceFacts(SurfaceId::Scene), &ScenePic, &SceneBuff, &SceneMerge},
          {surfaceFacts(SurfaceId::Console), &InChatPic, &InChatBuff, &InChatMerge},
          {surfaceFacts(SurfaceId::Chat), &OutChatPic, &OutChatBuff, &OutChatMerge},
      }} {
    const SkinTemplates& art = builtInTemplates();
    for (const SkinSurface& s : m_surfaces)
        s.templ->Picture = art.surfaces[s.id];
    Picture1.Picture = art.menuStrip;
    m_menuStrip = art.menuStrip;
}

SkinTemplates SkinWorkspace::templates() const {
    SkinTemplates art;
    for (const SkinSurface& s : m_surfaces)
        art.surfaces[s.id] = s.templ->Picture;
    art.menuStrip = Picture1.Picture;
    return art;
}

SurfacePictures SkinWorkspace::scaledPictures() const {
    SurfacePictures scaled;
    for (const SkinSurface& s : m_surfaces)
        scaled[s.id] = s.scaled->Picture;
    return scaled;
}

void SkinWorkspace::keepSurfaces(const SkinPictures& skin) {
    for (const SkinSurface& s : m_surfaces) {
        s.scaled->Picture = skin.scaled[s.id];
        s.tinted->Picture = skin.tinted[s.id];
    }
    m_finished = skin.surfaces;
    emit surfacesComposed();
}

void SkinWorkspace::keepMenuStrip(const QImage& strip) {
    m_menuStrip = strip;
    emit menuStripTinted();
}

QRect surfaceCrop(const SkinWorkspace& ws, SurfaceId id) {
    return surfaceCrop(ws.LoadedPicture.Picture.size(), ws.framing, id);
}

void loadPictureIntoWorkspace(SkinWorkspace& ws, const QString& path, MenuTint tint,
                              const std::function<void()>& beforeChange) {
    const QImage picture = Imaging::readPicture(path, largestSurfaceSize());
    if (beforeChange)
        beforeChange();
    loadDecodedPicture(ws, picture, tint);
}

void loadDecodedPicture(SkinWorkspace& ws, const QImage& picture, MenuTint tint) {
    if (picture.isNull())
        throw std::logic_error("There is no picture to load.");
    ws.LoadedPicture.Picture = Imaging::toInternal(picture);
    ws.keepSurfaces(
        composeSkin(scaleToSurfaces(ws.LoadedPicture.Picture, ws.framing), tint, ws.templates()));
}

void refitSurfaces(SkinWorkspace& ws, MenuTint tint) {
    if (!ws.hasSkin() || ws.LoadedPicture.Picture.isNull())
        //: A message in the window when a picture is needed first.
        throw std::logic_error(
            QCoreApplication::translate("Compose",
                                        "There is no picture to fit yet. Load an image first.")
                .toStdString());
    ws.keepSurfaces(
        composeSkin(scaleToSurfaces(ws.LoadedPicture.Picture, ws.framing), tint, ws.templates()));
}

void ComposeTintedSurfaces(SkinWorkspace& ws, MenuTint tint) {
    if (!ws.hasSkin())
        //: A message in the window when a picture is needed first.
        throw std::logic_error(
            QCoreApplication::translate("Compose",
                                        "There is no picture to compose yet. Load an image first.")
                .toStdString());
    ws.keepSurfaces(composeSkin(ws.scaledPictures(), tint, ws.templates()));
}

void PreviewMenuTint(SkinWorkspace& ws, MenuTint tint) {
    ws.keepMenuStrip(tintMenuStrip(ws.Picture1.Picture, tint));
}
