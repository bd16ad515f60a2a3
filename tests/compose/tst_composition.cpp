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

TintSource fixedTint(qint16 h, qint16 s, qint16 l) {
    return [=] {
        return MenuTint{h, s, l};
    };
}

const QRgb Key = qRgb(255, 0, 255);

QList<QImage> surfaces(const SkinWorkspace& ws) {
    QList<QImage> images;
    for (const SkinSurface& s : ws.surfaces())
        images.append(s.instance->Picture());
    return images;
}

} // namespace

Q_DECLARE_METATYPE(MenuTint)
Q_DECLARE_METATYPE(FocusPoint)

class TestComposition : public QObject {
    Q_OBJECT

private slots:
    void aPictureOfAnyShapeGivesTheFourExactSizes() {
        SkinWorkspace ws;
        loadDecodedPicture(ws, checker(100, 100), fixedTint(0, 0, 0));
        const QList<QSize> expected{{800, 629}, {300, 550}, {310, 105}, {438, 173}};
        for (int i = 0; i < 4; ++i) {
            const SkinSurface& s = ws.surfaces()[i];
            QCOMPARE(s.instance->Picture().size(), expected[i]);
            QCOMPARE(s.scaled->Picture.size(), expected[i]);
            QCOMPARE(s.tinted->Picture.size(), expected[i]);
            QVERIFY(s.instance->mergeOn());
        }
        QCOMPARE(ws.surfaces()[0].instance, &ws.Xpress1);
        QCOMPARE(ws.surfaces()[1].instance, &ws.Xpress3);
        QCOMPARE(ws.surfaces()[2].instance, &ws.Xpress4);
        QCOMPARE(ws.surfaces()[3].instance, &ws.Xpress5);
    }

    void zeroTintLaysTheUntintedArtworkOverTheStretchedPicture() {
        SkinWorkspace ws;
        const QImage picture = checker(123, 77);
        loadDecodedPicture(ws, picture, fixedTint(0, 0, 0));
        QCOMPARE(ws.GetColor.PixelColor(1, 1), KeyColor);
        for (const SkinSurface& s : ws.surfaces()) {
            const QImage stretched = Imaging::stretch(picture, s.size.width(), s.size.height());
            QCOMPARE(s.scaled->Picture, stretched);
            QCOMPARE(s.tinted->Picture, s.templ->Picture);
            QCOMPARE(s.instance->Picture(), Imaging::overlay(stretched, s.templ->Picture, Key));
        }
    }

    void magentaInThePictureStaysOnEverySurface() {
        SkinWorkspace ws;
        loadDecodedPicture(ws, solid(50, 50, Key), fixedTint(0, 0, 0));
        for (const SkinSurface& s : ws.surfaces()) {
            const QImage out = s.instance->Picture();
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
        QCOMPARE(ws.Xpress1.Picture().pixel(5, 5), qRgb(254, 0, 255));
        QCOMPARE(ws.Xpress1.Picture().pixel(6, 5), qRgb(1, 2, 3));
    }

    void theTintedKeyIsReadBackAndLetsThePictureThrough() {
        SkinWorkspace ws;
        const QRgb picture = qRgb(40, 50, 60);
        loadDecodedPicture(ws, solid(20, 20, picture), fixedTint(100, 0, 0));
        QCOMPARE(ws.GetColor.PixelColor(1, 1), colorValue(0, 255, 0));
        for (const SkinSurface& s : ws.surfaces()) {
            QCOMPARE(s.tinted->Picture, Imaging::adjustHsl(s.templ->Picture, 100, 0, 0));
            QCOMPARE(s.instance->Picture().pixel(0, 0), picture);
        }
        // The Main menu button is artwork: it shows tinted, not the picture.
        const QRgb art = ws.MainMerge.Picture.pixel(680, 25);
        QVERIFY(art != Key);
        QCOMPARE(ws.Xpress1.Picture().pixel(680, 25), Imaging::shiftHsl(art, 100, 0, 0));
    }

    void artworkThatTheTintTurnsIntoTheKeyStaysArtwork() {
        // With saturation -100 magenta and pure red both become the same grey.
        SkinWorkspace ws;
        QImage templ = ws.SceneMerge.Picture;
        templ.setPixel(150, 300, qRgb(255, 0, 0));
        ws.SceneMerge.Picture = templ;
        loadDecodedPicture(ws, solid(20, 20, qRgb(7, 7, 7)), fixedTint(0, -100, 0));
        QCOMPARE(ws.GetColor.PixelColor(1, 1), colorValue(128, 128, 128));
        QCOMPARE(ws.Xpress3.Picture().pixel(150, 300), qRgb(128, 128, 128));
        QCOMPARE(ws.Xpress3.Picture().pixel(149, 300), qRgb(7, 7, 7));
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
            const QImage a = s.instance->Picture();
            const QImage b = other.surfaces()[i].instance->Picture();
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
        const TintSource source = [&] {
            return tint;
        };
        loadDecodedPicture(ws, solid(10, 10, qRgb(200, 0, 0)), source);
        tint = {-40, 25, 10};
        ComposeTintedSurfaces(ws, source);
        loadDecodedPicture(ws, solid(10, 10, qRgb(0, 0, 200)), source);

        SkinWorkspace fresh;
        loadDecodedPicture(fresh, solid(10, 10, qRgb(0, 0, 200)), fixedTint(-40, 25, 10));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(ws.surfaces()[i].instance->Picture(), fresh.surfaces()[i].instance->Picture());
    }

    void tintsNeverAccumulate() {
        SkinWorkspace ws;
        MenuTint tint{0, 0, 0};
        const TintSource source = [&] {
            return tint;
        };
        loadDecodedPicture(ws, checker(64, 48), source);
        for (const MenuTint& t : {MenuTint{30, 0, 0}, MenuTint{-100, -100, -100},
                                  MenuTint{100, 100, 100}, MenuTint{12, -7, 33}}) {
            tint = t;
            ComposeTintedSurfaces(ws, source);
            PreviewMenuTint(ws, source);
        }
        SkinWorkspace once;
        loadDecodedPicture(once, checker(64, 48), fixedTint(12, -7, 33));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(ws.surfaces()[i].instance->Picture(), once.surfaces()[i].instance->Picture());
        QCOMPARE(ws.Xpress2.Picture(), Imaging::adjustHsl(ws.Picture1.Picture, 12, -7, 33));
        QCOMPARE(ws.MainMerge.Picture, once.MainMerge.Picture); // templates are only read
    }

    void everyUseReadsAllThreeAmountsAfresh() {
        SkinWorkspace ws;
        int reads = 0;
        const TintSource counting = [&] {
            ++reads;
            return MenuTint{};
        };
        loadDecodedPicture(ws, checker(8, 8), counting);
        QCOMPARE(reads, 4); // once per template
        PreviewMenuTint(ws, counting);
        QCOMPARE(reads, 5);
    }

    void previewWithZeroTintShowsTheStripUnchanged() {
        SkinWorkspace ws;
        QCOMPARE(ws.Xpress2.Picture(), ws.Picture1.Picture);
        PreviewMenuTint(ws, fixedTint(50, 0, 0));
        QVERIFY(ws.Xpress2.Picture() != ws.Picture1.Picture);
        PreviewMenuTint(ws, fixedTint(0, 0, 0));
        QCOMPARE(ws.Xpress2.Picture(), ws.Picture1.Picture);
        QVERIFY(!ws.hasSkin()); // previews never touch the surfaces
        QVERIFY(ws.Xpress1.Picture().isNull());
    }

    void composingBeforeAnyLoadIsRefused() {
        SkinWorkspace ws;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ComposeTintedSurfaces(ws, fixedTint(0, 0, 0)));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, refitSurfaces(ws, fixedTint(0, 0, 0)));
        QVERIFY(ws.Xpress1.Picture().isNull());
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
            QCOMPARE(s.instance->Picture(),
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
        const TintSource source = [&] {
            return tint;
        };
        SkinWorkspace ws;
        loadDecodedPicture(ws, picture, source);
        const QList<QImage> stretched = surfaces(ws);
        tint = {-20, 10, 5};
        ComposeTintedSurfaces(ws, source);

        for (const Framing framing :
             {Framing{Fit::Fill, {}}, Framing{Fit::Fill, {0.05, 0.95}},
              Framing{Fit::Fill, {0.7, 0.3}}, Framing{Fit::Stretch, {0.7, 0.3}}}) {
            ws.framing = framing;
            refitSurfaces(ws, source);
            SkinWorkspace fresh;
            fresh.framing = framing;
            loadDecodedPicture(fresh, picture, source);
            QCOMPARE(surfaces(ws), surfaces(fresh));
            QVERIFY(ws.Xpress1.mergeOn());
        }
        tint = {0, 0, 0};
        refitSurfaces(ws, source);
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
