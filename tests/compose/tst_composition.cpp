#include "art/builtinart.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "tests/compose/testimages.h"

#include <QtTest>

namespace {

QImage checker(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, ((x / 10 + y / 10) % 2) ? qRgb(20, 160, 40) : qRgb(230, 220, 10));
    return image;
}

MenuTint fixedTint(qint16 h, qint16 s, qint16 l) {
    return MenuTint{h, s, l};
}

const QRgb Key = qRgb(255, 0, 255);

QList<QImage> surfaces(const SkinWorkspace& ws) {
    QList<QImage> images;
    for (const QImage& picture : ws.finishedSurfaces().pictures)
        images.append(picture);
    return images;
}

} // namespace

Q_DECLARE_METATYPE(MenuTint)
Q_DECLARE_METATYPE(FocusPoint)
Q_DECLARE_METATYPE(Framing)

class TestComposition : public QObject {
    Q_OBJECT

private slots:
    void aPictureOfAnyShapeGivesTheFourExactSizes() {
        SkinWorkspace ws;
        loadDecodedPicture(ws, checker(100, 100), fixedTint(0, 0, 0));
        const QList<QSize> expected{{800, 629}, {300, 550}, {310, 105}, {438, 173}};
        for (int i = 0; i < 4; ++i) {
            const SkinSurface& s = ws.surfaces()[i];
            QCOMPARE(ws.finishedSurfaces()[s.id].size(), expected[i]);
            QCOMPARE(s.scaled->Picture.size(), expected[i]);
            QCOMPARE(s.tinted->Picture.size(), expected[i]);
        }
        QCOMPARE(ws.surfaces()[0].scaled, &ws.MainPic);
        QCOMPARE(ws.surfaces()[1].scaled, &ws.ScenePic);
        QCOMPARE(ws.surfaces()[2].scaled, &ws.InChatPic);
        QCOMPARE(ws.surfaces()[3].scaled, &ws.OutChatPic);
    }

    void zeroTintLaysTheUntintedArtworkOverTheStretchedPicture() {
        SkinWorkspace ws;
        const QImage picture = checker(123, 77);
        loadDecodedPicture(ws, picture, fixedTint(0, 0, 0));
        QCOMPARE(ws.MainBuff.Picture.pixel(1, 1), Key);
        for (const SkinSurface& s : ws.surfaces()) {
            const QImage stretched = Imaging::stretch(picture, s.size.width(), s.size.height());
            QCOMPARE(s.scaled->Picture, stretched);
            QCOMPARE(s.tinted->Picture, s.templ->Picture);
            QCOMPARE(ws.finishedSurfaces()[s.id],
                     Imaging::overlay(stretched, s.templ->Picture, Key));
        }
    }

    void magentaInThePictureStaysOnEverySurface() {
        SkinWorkspace ws;
        loadDecodedPicture(ws, solid(50, 50, Key), fixedTint(0, 0, 0));
        for (const SkinSurface& s : ws.surfaces()) {
            const QImage out = ws.finishedSurfaces()[s.id];
            QCOMPARE(out.pixel(0, 0), Key);
            QCOMPARE(out.pixel(out.width() - 1, out.height() - 1), Key);
        }
    }

    void aNearMagentaTemplatePixelStaysVisible() {
        SkinWorkspace ws;
        QImage templ = ws.MainMerge.Picture;
        templ.setPixel(5, 5, qRgb(254, 0, 255));
        ws.MainMerge.Picture = templ;
        loadDecodedPicture(ws, solid(10, 10, qRgb(1, 2, 3)), fixedTint(0, 0, 0));
        QCOMPARE(ws.finishedSurfaces()[SurfaceId::Main].pixel(5, 5), qRgb(254, 0, 255));
        QCOMPARE(ws.finishedSurfaces()[SurfaceId::Main].pixel(6, 5), qRgb(1, 2, 3));
    }

    void theTintedKeyIsReadBackAndLetsThePictureThrough() {
        SkinWorkspace ws;
        const QRgb picture = qRgb(40, 50, 60);
        loadDecodedPicture(ws, solid(20, 20, picture), fixedTint(100, 0, 0));
        QCOMPARE(ws.MainBuff.Picture.pixel(1, 1), qRgb(0, 255, 0));
        for (const SkinSurface& s : ws.surfaces()) {
            QCOMPARE(s.tinted->Picture, Imaging::adjustHsl(s.templ->Picture, 100, 0, 0));
            QCOMPARE(ws.finishedSurfaces()[s.id].pixel(0, 0), picture);
        }
        // The Main menu button is artwork: it shows tinted, not the picture.
        const QRgb art = ws.MainMerge.Picture.pixel(680, 25);
        QVERIFY(art != Key);
        QCOMPARE(ws.finishedSurfaces()[SurfaceId::Main].pixel(680, 25),
                 Imaging::shiftHsl(art, 100, 0, 0));
    }

    void artworkThatTheTintTurnsIntoTheKeyStaysArtwork() {
        // With saturation -100 magenta and pure red both become the same grey.
        SkinWorkspace ws;
        QImage templ = ws.SceneMerge.Picture;
        templ.setPixel(150, 300, qRgb(255, 0, 0));
        ws.SceneMerge.Picture = templ;
        loadDecodedPicture(ws, solid(20, 20, qRgb(7, 7, 7)), fixedTint(0, -100, 0));
        QCOMPARE(ws.SceneBuff.Picture.pixel(1, 1), qRgb(128, 128, 128));
        QCOMPARE(ws.finishedSurfaces()[SurfaceId::Scene].pixel(150, 300), qRgb(128, 128, 128));
        QCOMPARE(ws.finishedSurfaces()[SurfaceId::Scene].pixel(149, 300), qRgb(7, 7, 7));
    }

    void seeThroughPixelsAreExactlyTheTemplatesKeyPixels_data() {
        QTest::addColumn<MenuTint>("tint");
        // Saturation -100 turns the key into a grey that dozens of artwork pixels share;
        // the others are tints under which nothing collides.
        QTest::newRow("saturation -100") << MenuTint{0, -100, 0};
        QTest::newRow("saturation -100, lightness -100") << MenuTint{0, -100, -100};
        QTest::newRow("saturation -100, lightness 100") << MenuTint{0, -100, 100};
        QTest::newRow("hue 50, saturation -100") << MenuTint{50, -100, 0};
        QTest::newRow("all -100") << MenuTint{-100, -100, -100};
        QTest::newRow("untinted") << MenuTint{0, 0, 0};
        QTest::newRow("hue 40, saturation 20, lightness -10") << MenuTint{40, 20, -10};
        QTest::newRow("all 100") << MenuTint{100, 100, 100};
    }

    void seeThroughPixelsAreExactlyTheTemplatesKeyPixels() {
        QFETCH(MenuTint, tint);
        // Two compositions that differ only in the picture: a pixel is see-through where
        // they differ.
        SkinWorkspace one;
        SkinWorkspace other;
        loadDecodedPicture(one, solid(8, 8, qRgb(1, 2, 3)),
                           fixedTint(tint.hue, tint.saturation, tint.lightness));
        loadDecodedPicture(other, solid(8, 8, qRgb(250, 251, 252)),
                           fixedTint(tint.hue, tint.saturation, tint.lightness));
        for (int i = 0; i < 4; ++i) {
            const SkinSurface& s = one.surfaces()[i];
            const QImage a = one.finishedSurfaces()[s.id];
            const QImage b = other.finishedSurfaces()[s.id];
            const QImage tinted =
                Imaging::adjustHsl(s.templ->Picture, tint.hue, tint.saturation, tint.lightness);
            int keyPixels = 0;
            int wrong = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const bool key = s.templ->Picture.pixel(x, y) == Key;
                    keyPixels += key;
                    const bool seeThrough = a.pixel(x, y) != b.pixel(x, y);
                    const QRgb expected = key ? qRgb(1, 2, 3) : tinted.pixel(x, y);
                    wrong += seeThrough != key || a.pixel(x, y) != expected;
                }
            QVERIFY2(keyPixels > 0, s.word);
            QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1: %2 pixels wrongly see-through "
                                                           "or opaque")
                                                .arg(QLatin1String(s.word))
                                                .arg(wrong)));
        }
    }

    void aNewLoadComposesWithTheCurrentTintAndReplacesTheOldPicture() {
        SkinWorkspace ws;
        MenuTint tint{0, 0, 0};
        loadDecodedPicture(ws, solid(10, 10, qRgb(200, 0, 0)), tint);
        tint = {-40, 25, 10};
        ComposeTintedSurfaces(ws, tint);
        loadDecodedPicture(ws, solid(10, 10, qRgb(0, 0, 200)), tint);

        SkinWorkspace fresh;
        loadDecodedPicture(fresh, solid(10, 10, qRgb(0, 0, 200)), fixedTint(-40, 25, 10));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(ws.finishedSurfaces().pictures[i], fresh.finishedSurfaces().pictures[i]);
    }

    void tintsNeverAccumulate() {
        SkinWorkspace ws;
        MenuTint tint{0, 0, 0};
        loadDecodedPicture(ws, checker(64, 48), tint);
        for (const MenuTint& t : {MenuTint{30, 0, 0}, MenuTint{-100, -100, -100},
                                  MenuTint{100, 100, 100}, MenuTint{12, -7, 33}}) {
            tint = t;
            ComposeTintedSurfaces(ws, tint);
            PreviewMenuTint(ws, tint);
        }
        SkinWorkspace once;
        loadDecodedPicture(once, checker(64, 48), fixedTint(12, -7, 33));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(ws.finishedSurfaces().pictures[i], once.finishedSurfaces().pictures[i]);
        QCOMPARE(ws.menuStrip(), Imaging::adjustHsl(ws.Picture1.Picture, 12, -7, 33));
        QCOMPARE(ws.MainMerge.Picture, once.MainMerge.Picture); // templates are only read
    }

    // The window's workspace keeps what the one pure composition returns: the command line,
    // the benchmarks and the window make the same pictures.
    void theWorkspaceKeepsWhatThePureCompositionReturns_data() {
        QTest::addColumn<Framing>("framing");
        QTest::addColumn<MenuTint>("tint");
        QTest::newRow("stretch, untinted") << Framing{} << MenuTint{};
        QTest::newRow("stretch, all three amounts") << Framing{} << MenuTint{40, -20, 10};
        QTest::newRow("fill off-centre, saturation -100")
            << Framing{Fit::Fill, {0.2, 0.7}} << MenuTint{0, -100, 0};
    }

    void theWorkspaceKeepsWhatThePureCompositionReturns() {
        QFETCH(Framing, framing);
        QFETCH(MenuTint, tint);
        const QImage picture = checker(150, 90);
        const SkinPictures skin = composeSkin(picture, framing, tint, builtInTemplates());

        SkinWorkspace ws;
        ws.framing = framing;
        loadDecodedPicture(ws, picture, tint);
        PreviewMenuTint(ws, tint);
        QCOMPARE(ws.finishedSurfaces(), skin.surfaces);
        QCOMPARE(ws.scaledPictures(), skin.scaled);
        QCOMPARE(ws.menuStrip(), skin.menuStrip);
        QCOMPARE(skin.scaled, scaleToSurfaces(picture, framing));
        QCOMPARE(skin.menuStrip, Imaging::adjustHsl(BuiltInArt::menuStrip(), tint.hue,
                                                    tint.saturation, tint.lightness));
        for (const SkinSurface& s : ws.surfaces())
            QCOMPARE(s.tinted->Picture, skin.tinted[s.id]);
    }

    void aNullPictureIsRefused() {
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 composeSkin(QImage(), Framing{}, MenuTint{}, builtInTemplates()));
        SkinWorkspace ws;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, loadDecodedPicture(ws, QImage(), MenuTint{}));
        QVERIFY(!ws.hasSkin());
    }

    void aTemplateOfTheWrongSizeIsRefused() {
        SkinTemplates templates = builtInTemplates();
        templates.surfaces[SurfaceId::Chat] = solid(438, 172, Key);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 composeSkin(checker(20, 20), Framing{}, MenuTint{}, templates));
        SkinWorkspace ws;
        loadDecodedPicture(ws, checker(20, 20), MenuTint{});
        const SurfacePictures before = ws.finishedSurfaces();
        ws.OutChatMerge.Picture = templates.surfaces[SurfaceId::Chat];
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 ComposeTintedSurfaces(ws, MenuTint{10, 0, 0}));
        QCOMPARE(ws.finishedSurfaces(), before); // a refused composition changes nothing
    }

    void previewWithZeroTintShowsTheStripUnchanged() {
        SkinWorkspace ws;
        QCOMPARE(ws.menuStrip(), ws.Picture1.Picture);
        PreviewMenuTint(ws, fixedTint(50, 0, 0));
        QVERIFY(ws.menuStrip() != ws.Picture1.Picture);
        PreviewMenuTint(ws, fixedTint(0, 0, 0));
        QCOMPARE(ws.menuStrip(), ws.Picture1.Picture);
        QVERIFY(!ws.hasSkin()); // previews never touch the surfaces
        QVERIFY(ws.finishedSurfaces()[SurfaceId::Main].isNull());
    }

    void composingBeforeAnyLoadIsRefused() {
        SkinWorkspace ws;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ComposeTintedSurfaces(ws, fixedTint(0, 0, 0)));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, refitSurfaces(ws, fixedTint(0, 0, 0)));
        QVERIFY(ws.finishedSurfaces()[SurfaceId::Main].isNull());
    }

    void fillScalesEachSurfacesCropUndistorted_data() {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<FocusPoint>("focus");
        QTest::newRow("wide, centre") << QSize(240, 90) << FocusPoint{};
        QTest::newRow("wide, off-centre") << QSize(240, 90) << FocusPoint{0.2, 0.7};
        QTest::newRow("tall, bottom-right") << QSize(90, 240) << FocusPoint{1, 1};
        QTest::newRow("Main's own shape") << QSize(800, 629) << FocusPoint{0.9, 0.1};
    }

    void fillScalesEachSurfacesCropUndistorted() {
        QFETCH(QSize, pictureSize);
        QFETCH(FocusPoint, focus);
        SkinWorkspace ws;
        ws.framing = {Fit::Fill, focus};
        const QImage picture = checker(pictureSize.width(), pictureSize.height());
        loadDecodedPicture(ws, picture, fixedTint(30, 0, 0));
        QCOMPARE(ws.LoadedPicture.Picture, picture);
        for (const SkinSurface& s : ws.surfaces()) {
            const QRect crop = fillCrop(pictureSize, s.size, focus);
            QCOMPARE(surfaceCrop(ws, s.id), crop);
            const QImage scaled =
                Imaging::stretch(picture.copy(crop), s.size.width(), s.size.height());
            QCOMPARE(s.scaled->Picture, scaled);
            QCOMPARE(ws.finishedSurfaces()[s.id],
                     Imaging::overlay(scaled, s.tinted->Picture, ws.MainBuff.Picture.pixel(1, 1)));
        }
        // A picture of the surface's own shape is shown whole: Fill and Stretch agree there.
        if (pictureSize == QSize(800, 629))
            QCOMPARE(ws.MainPic.Picture, picture);
    }

    // A change of fit or focus rescales from the kept picture: the result is the same as a
    // fresh load with that framing, and Stretch comes back byte for byte.
    void refitEqualsAFreshLoad() {
        const QImage picture = checker(333, 111);
        MenuTint tint{0, 0, 0};
        SkinWorkspace ws;
        loadDecodedPicture(ws, picture, tint);
        const QList<QImage> stretched = surfaces(ws);
        tint = {-20, 10, 5};
        ComposeTintedSurfaces(ws, tint);

        for (const Framing framing :
             {Framing{Fit::Fill, {}}, Framing{Fit::Fill, {0.05, 0.95}},
              Framing{Fit::Fill, {0.7, 0.3}}, Framing{Fit::Stretch, {0.7, 0.3}}}) {
            ws.framing = framing;
            refitSurfaces(ws, tint);
            SkinWorkspace fresh;
            fresh.framing = framing;
            loadDecodedPicture(fresh, picture, tint);
            QCOMPARE(surfaces(ws), surfaces(fresh));
        }
        tint = {0, 0, 0};
        refitSurfaces(ws, tint);
        QCOMPARE(surfaces(ws), stretched);
    }

    void tintAmountsNarrowTo16Bits() {
        QCOMPARE(narrowTint(-100), qint16(-100));
        QCOMPARE(narrowTint(32767), qint16(32767));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, narrowTint(32768));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, narrowTint(-32769));
    }
};

QTEST_GUILESS_MAIN(TestComposition)
#include "tst_composition.moc"
