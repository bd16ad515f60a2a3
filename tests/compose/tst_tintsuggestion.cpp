#include "art/builtinart.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/tintsuggestion.h"
#include "tests/compose/testimages.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <numbers>
#include <optional>

using namespace TintSuggestion;

namespace {

// A picture of stripes: each colour covers its share of the width.
QImage stripes(QSize size, const QList<std::pair<QRgb, double>>& parts) {
    QImage image = solid(size.width(), size.height(), parts.constFirst().first);
    QPainter p(&image);
    double left = 0;
    for (const auto& [colour, share] : parts) {
        const double right = left + share * size.width();
        p.fillRect(QRectF(left, 0, right - left, size.height()), QColor(colour));
        left = right;
    }
    return image;
}

// Every grey from black to white, top to bottom.
QImage greyRamp(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const int v = y * 255 / std::max(1, size.height() - 1);
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(v, v, v));
    }
    return image;
}

double distance(const Oklab& p, const Oklab& q) {
    return std::sqrt((p.L - q.L) * (p.L - q.L) + (p.a - q.a) * (p.a - q.a) +
                     (p.b - q.b) * (p.b - q.b));
}

// The MENU button of the Main template as a tint leaves it: the template tinted, with the
// pixels that were key put back, so only the button's own pixels are measured.
ButtonArt tintedButton(const MenuTint& tint) {
    const QImage templ = BuiltInArt::mainTemplate();
    QImage tinted = Imaging::adjustHsl(templ, tint.hue, tint.saturation, tint.lightness);
    for (int y = 0; y < templ.height(); ++y)
        for (int x = 0; x < templ.width(); ++x)
            if (templ.pixel(x, y) == qRgb(255, 0, 255))
                tinted.setPixel(x, y, qRgb(255, 0, 255));
    return measureButton(tinted);
}

const ButtonArt& builtInArt() {
    static const ButtonArt art = measureButton(BuiltInArt::mainTemplate());
    return art;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QRgb>)

class TestTintSuggestion : public QObject {
    Q_OBJECT

private slots:
    void theTellingColour_data() {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<std::optional<QRgb>>("winner");

        const QSize size(800, 629);
        const QRgb grey = qRgb(128, 128, 128);
        const QRgb orange = qRgb(230, 120, 30);
        const QRgb blue = qRgb(30, 80, 220);
        QTest::newRow("one dominant vivid colour")
            << stripes(size, {{orange, 0.8}, {grey, 0.2}}) << std::optional<QRgb>(orange);
        QTest::newRow("a vivid accent over a large grey area")
            << stripes(size, {{grey, 0.9}, {blue, 0.1}}) << std::optional<QRgb>(blue);
        QTest::newRow("a small vivid area beats a large dull one")
            << stripes(size, {{qRgb(120, 140, 100), 0.85}, {qRgb(220, 30, 40), 0.15}})
            << std::optional<QRgb>(qRgb(220, 30, 40));
        QTest::newRow("equal areas: the more colourful wins")
            << stripes(size, {{qRgb(90, 110, 150), 0.5}, {qRgb(200, 60, 60), 0.5}})
            << std::optional<QRgb>(qRgb(200, 60, 60));
        QTest::newRow("greys only") << greyRamp(size) << std::optional<QRgb>();
        QTest::newRow("greys with a faint cast")
            << stripes(size, {{qRgb(120, 118, 116), 0.5}, {qRgb(60, 62, 64), 0.5}})
            << std::optional<QRgb>();
        QTest::newRow("one vivid colour")
            << solid(300, 200, qRgb(40, 170, 60)) << std::optional<QRgb>(qRgb(40, 170, 60));
        QTest::newRow("one grey") << solid(300, 200, grey) << std::optional<QRgb>();
        QTest::newRow("1 x 1") << solid(1, 1, qRgb(250, 200, 0))
                               << std::optional<QRgb>(qRgb(250, 200, 0));
        QTest::newRow("a speck of colour is not the picture's colour")
            << stripes(size, {{grey, 0.998}, {qRgb(255, 0, 0), 0.002}}) << std::optional<QRgb>();
    }

    void theTellingColour() {
        QFETCH(QImage, picture);
        QFETCH(std::optional<QRgb>, winner);

        const std::vector<PictureColour> colours = quantize(picture);
        QVERIFY(!colours.empty());
        QVERIFY(colours.size() <= 16);
        double total = 0;
        for (std::size_t i = 0; i < colours.size(); ++i) {
            total += colours[i].share;
            if (i > 0)
                QVERIFY(colours[i - 1].share >= colours[i].share);
        }
        QVERIFY(std::fabs(total - 1) < 1e-9);

        const std::vector<PictureColour> ranked = rankColours(colours);
        const Suggestion suggestion = suggest(picture, builtInArt());
        if (!winner) {
            QVERIFY(ranked.empty());
            QVERIFY(!suggestion.colour);
            // No colour to follow: grey buttons, the hue left alone.
            QCOMPARE(suggestion.tint.hue, qint16(0));
            QCOMPARE(suggestion.tint.saturation, qint16(-100));
            return;
        }
        QVERIFY(!ranked.empty());
        const Oklab expected = toOklab(*winner);
        QVERIFY2(distance(ranked.front().lab, expected) < 0.02,
                 qPrintable(QStringLiteral("the winner is %1")
                                .arg(fromOklab(ranked.front().lab), 6, 16, QLatin1Char('0'))));
        QVERIFY(suggestion.colour);
        QCOMPARE(suggestion.colour->lab.L, ranked.front().lab.L);
        for (std::size_t i = 1; i < ranked.size(); ++i)
            QVERIFY(ranked[i - 1].score >= ranked[i].score);
    }

    void coloursCloseInHueToABetterOneAreDropped() {
        const QImage picture = stripes(
            {400, 300},
            {{qRgb(200, 30, 30), 0.35}, {qRgb(120, 15, 20), 0.35}, {qRgb(30, 60, 200), 0.3}});
        const std::vector<PictureColour> ranked = rankColours(quantize(picture));
        QCOMPARE(ranked.size(), std::size_t(2));
        QVERIFY(hueDistance(hueDegrees(ranked[0].lab), hueDegrees(ranked[1].lab)) >= SameHue);
        // The more vivid red stays, and the blue.
        const auto kept = [&](QRgb colour) {
            return std::any_of(ranked.begin(), ranked.end(), [&](const PictureColour& c) {
                return distance(c.lab, toOklab(colour)) < 0.02;
            });
        };
        QVERIFY(kept(qRgb(200, 30, 30)));
        QVERIFY(kept(qRgb(30, 60, 200)));
    }

    void theSameGivesTheSame() {
        QImage picture(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                picture.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5) % 256, (x ^ y) % 256));
        const Suggestion first = suggest(picture, builtInArt());
        const Suggestion again = suggest(picture.copy(), measureButton(BuiltInArt::mainTemplate()));
        QCOMPARE(again.tint.hue, first.tint.hue);
        QCOMPARE(again.tint.saturation, first.tint.saturation);
        QCOMPARE(again.tint.lightness, first.tint.lightness);
        QCOMPARE(again.contrast, first.contrast);
    }

    void theButtonIsMeasuredFromTheArtwork() {
        const QImage templ = BuiltInArt::mainTemplate();
        const ButtonArt art = measureButton(templ);
        int pixels = 0;
        for (const auto& [colour, count] : art.colours) {
            QVERIFY(colour != qRgb(255, 0, 255));
            pixels += count;
        }
        int artwork = 0;
        const QRect area = BuiltInArt::MainMenuButtonArea;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                artwork += templ.pixel(x, y) != qRgb(255, 0, 255);
        QCOMPARE(pixels, artwork);
        // A glossy blue button.
        QVERIFY2(art.hue > 195 && art.hue < 235, qPrintable(QString::number(art.hue)));
        QVERIFY(art.behind.contains(area));
        QVERIFY(QRect(0, 0, 800, 629).contains(art.behind));

        // Turned by the tint, the measured hue turns by as much: the hue slider can aim it.
        for (const int hue : {-70, 20, 50}) {
            const ButtonArt turned = tintedButton(MenuTint{qint16(hue), 0, 0});
            QVERIFY2(hueDistance(turned.hue, art.hue + 1.8 * hue) < 1.0,
                     qPrintable(QStringLiteral("%1 turned by %2 measures %3")
                                    .arg(art.hue)
                                    .arg(hue)
                                    .arg(turned.hue)));
        }
    }

    void theButtonTakesTheColour_data() {
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("orange") << qRgb(230, 120, 30);
        QTest::newRow("green") << qRgb(40, 170, 60);
        QTest::newRow("purple") << qRgb(130, 50, 190);
        QTest::newRow("pale pink") << qRgb(240, 170, 190);
    }

    void theButtonTakesTheColour() {
        QFETCH(QRgb, colour);
        const QImage picture = solid(800, 629, colour);
        const Suggestion s = suggest(picture, builtInArt());
        QVERIFY(s.colour);

        // The hue amount turns the button's hue onto the colour's, within one slider step.
        // (Saturation and lightness leave every pixel's hue as it is, but scale the pixels'
        // chroma unevenly, which moves a chroma-weighted mean: measured without them.)
        const double target = Imaging::toHsl(fromOklab(s.colour->lab)).h;
        const double hue = tintedButton(MenuTint{s.tint.hue, 0, 0}).hue;
        QVERIFY2(hueDistance(hue, target) <= 1.5,
                 qPrintable(QStringLiteral("button hue %1, colour hue %2").arg(hue).arg(target)));

        // No other saturation brings the button's colourfulness closer to the colour's
        // (measured before the lightness is set), unless the word on the button needs less:
        // then it is the most that keeps the word readable.
        const double want = chroma(s.colour->lab);
        const auto gap = [&](int saturation) {
            return std::fabs(
                buttonChroma(builtInArt(), MenuTint{s.tint.hue, qint16(saturation), 0}) - want);
        };
        int closest = -100;
        for (int saturation = -100; saturation <= 100; ++saturation)
            if (gap(saturation) < gap(closest) - 1e-3)
                closest = saturation;
        const double background = areaLuminance(picture, builtInArt().behind);
        if (chooseReadableLightness(builtInArt(), s.tint.hue, qint16(closest), background)) {
            QVERIFY2(gap(s.tint.saturation) <= gap(closest) + 1e-3,
                     qPrintable(QStringLiteral("saturation %1 is closer than %2")
                                    .arg(closest)
                                    .arg(s.tint.saturation)));
        } else {
            QVERIFY(s.tint.saturation < closest);
            QVERIFY(!chooseReadableLightness(builtInArt(), s.tint.hue,
                                             qint16(s.tint.saturation + 1), background));
        }
    }

    void theUntintedLabelIsMeasured() {
        // The word as the artwork draws it: blue letters on a darker body (about 2.2 : 1),
        // outlined in light cyan (about 8.4 : 1).
        const ButtonArt& art = builtInArt();
        QVERIFY(!art.letters.empty() && !art.outline.empty() && !art.body.empty());
        const LabelContrast untinted = labelContrast(art, MenuTint{});
        QVERIFY2(untinted.letters > 2 && untinted.letters < 2.5,
                 qPrintable(QString::number(untinted.letters)));
        QVERIFY2(untinted.outline > 7.5 && untinted.outline < 9.5,
                 qPrintable(QString::number(untinted.outline)));
        const LabelContrast required = requiredLabelContrast(art);
        QCOMPARE(required.letters, std::min(untinted.letters, ReadableContrast));
        QCOMPARE(required.outline, ReadableContrast);
    }

    void theLabelStaysReadable_data() {
        QTest::addColumn<QImage>("picture");
        const QSize size(800, 629);
        QTest::newRow("vivid orange") << solid(800, 629, qRgb(255, 120, 0));
        QTest::newRow("lemon yellow") << solid(800, 629, qRgb(250, 230, 40));
        QTest::newRow("deep blue") << solid(800, 629, qRgb(20, 40, 160));
        QTest::newRow("leaf green") << solid(800, 629, qRgb(40, 170, 60));
        QTest::newRow("pale pink") << solid(800, 629, qRgb(240, 170, 190));
        QTest::newRow("magenta and black")
            << stripes(size, {{qRgb(230, 20, 200), 0.5}, {qRgb(10, 10, 10), 0.5}});
        QTest::newRow("red accent on white")
            << stripes(size, {{qRgb(220, 30, 30), 0.1}, {qRgb(255, 255, 255), 0.9}});
        QTest::newRow("greys only") << greyRamp(size);
        QTest::newRow("mid grey") << solid(800, 629, qRgb(128, 128, 128));
    }

    void theLabelStaysReadable() {
        QFETCH(QImage, picture);
        const ButtonArt& art = builtInArt();
        const Suggestion s = suggest(picture, art);
        const LabelContrast required = requiredLabelContrast(art);
        const LabelContrast label = labelContrast(art, s.tint);
        QCOMPARE(s.label.letters, label.letters);
        QCOMPARE(s.label.outline, label.outline);
        const QString tint = QStringLiteral("tint %1 %2 %3: letters %4, outline %5, button %6")
                                 .arg(s.tint.hue)
                                 .arg(s.tint.saturation)
                                 .arg(s.tint.lightness)
                                 .arg(label.letters)
                                 .arg(label.outline)
                                 .arg(s.contrast);
        QVERIFY2(label.letters >= required.letters, qPrintable(tint));
        QVERIFY2(label.outline >= required.outline, qPrintable(tint));

        // Then the button stands out as far as the readable lightness amounts allow.
        const double background = areaLuminance(picture, art.behind);
        QCOMPARE(s.contrast, contrastRatio(buttonLuminance(art, s.tint), background));
        if (s.contrast < ReadableContrast) {
            for (int l = -100; l <= 100; ++l) {
                const MenuTint other{s.tint.hue, s.tint.saturation, qint16(l)};
                const LabelContrast otherLabel = labelContrast(art, other);
                if (otherLabel.letters >= required.letters &&
                    otherLabel.outline >= required.outline)
                    QVERIFY2(contrastRatio(buttonLuminance(art, other), background) <=
                                 s.contrast + 1e-9,
                             qPrintable(tint + QStringLiteral(" beaten at lightness %1").arg(l)));
            }
        }
    }

    void theButtonStaysReadable_data() {
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<QString>("expected");

        QTest::newRow("white: already readable") << 255 << 0 << "unchanged";
        QTest::newRow("black: already readable") << 0 << 0 << "unchanged";
        QTest::newRow("light grey: darker") << 200 << 0 << "darker";
        QTest::newRow("dark grey: lighter") << 80 << 0 << "lighter";
        QTest::newRow("mid grey: out of reach") << 128 << 0 << "out of reach";
        QTest::newRow("grey buttons, light grey: darker") << 170 << -100 << "darker";
        QTest::newRow("grey buttons, dark grey: lighter") << 100 << -100 << "lighter";
        QTest::newRow("grey buttons, mid grey: out of reach") << 128 << -100 << "out of reach";
    }

    void theButtonStaysReadable() {
        QFETCH(int, grey);
        QFETCH(int, saturation);
        QFETCH(QString, expected);
        const ButtonArt& art = builtInArt();
        const double background = relativeLuminance(grey, grey, grey);
        const qint16 hue = 0;

        const LightnessChoice choice = chooseLightness(art, hue, qint16(saturation), background);
        const auto contrastAt = [&](int lightness) {
            return contrastRatio(
                buttonLuminance(art, MenuTint{hue, qint16(saturation), qint16(lightness)}),
                background);
        };
        QCOMPARE(choice.contrast, contrastAt(choice.lightness));

        // Every lightness, tinted exactly as the surfaces are.
        std::optional<int> nearest;
        double best = 0;
        for (int l = -100; l <= 100; ++l) {
            best = std::max(best, contrastAt(l));
            if (contrastAt(l) >= ReadableContrast && (!nearest || std::abs(l) < std::abs(*nearest)))
                nearest = l;
        }
        if (nearest) {
            QVERIFY(choice.contrast >= ReadableContrast);
            QCOMPARE(std::abs(int(choice.lightness)), std::abs(*nearest));
        } else {
            QVERIFY(choice.contrast < ReadableContrast);
            QCOMPARE(choice.contrast, best);
        }

        const QString kind = !nearest                ? QStringLiteral("out of reach")
                             : choice.lightness == 0 ? QStringLiteral("unchanged")
                             : choice.lightness < 0  ? QStringLiteral("darker")
                                                     : QStringLiteral("lighter");
        QCOMPARE(kind, expected);
    }

    void theContrastIsJudgedBehindTheButtons() {
        // The same white and green picture, once with grey behind the buttons: there
        // they must turn lighter, on white they need not.
        const QImage picture =
            stripes({800, 629}, {{qRgb(40, 170, 60), 0.3}, {qRgb(255, 255, 255), 0.7}});
        QImage greyBehind = picture;
        QPainter(&greyBehind).fillRect(builtInArt().behind, QColor(120, 120, 120));

        const Suggestion onWhite = suggest(picture, builtInArt());
        const Suggestion onGrey = suggest(greyBehind, builtInArt());
        QVERIFY2(onWhite.tint.lightness <= 0, qPrintable(QString::number(onWhite.tint.lightness)));
        QVERIFY2(onGrey.tint.lightness > 0, qPrintable(QStringLiteral("%1 %2 %3 contrast %4")
                                                           .arg(onGrey.tint.hue)
                                                           .arg(onGrey.tint.saturation)
                                                           .arg(onGrey.tint.lightness)
                                                           .arg(onGrey.contrast)));
        QCOMPARE(onGrey.tint.hue, onWhite.tint.hue);
        QCOMPARE(onGrey.tint.saturation, onWhite.tint.saturation);
        // The button stands out as far as the word on it allows.
        const LabelContrast required = requiredLabelContrast(builtInArt());
        QVERIFY(onGrey.label.letters >= required.letters);
        QVERIFY(onGrey.label.outline >= required.outline);
        QVERIFY(onGrey.contrast >= contrastRatio(buttonLuminance(builtInArt(), onWhite.tint),
                                                 relativeLuminance(120, 120, 120)));
        QCOMPARE(onGrey.contrast, contrastRatio(buttonLuminance(builtInArt(), onGrey.tint),
                                                relativeLuminance(120, 120, 120)));
    }

    void theWorkspaceSuggestsFromItsMainPicture() {
        SkinWorkspace ws;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, suggestMenuTint(ws));
        loadDecodedPicture(
            ws, stripes({100, 100}, {{qRgb(230, 120, 30), 0.5}, {qRgb(20, 20, 20), 0.5}}),
            MenuTint{});
        const Suggestion s = suggestMenuTint(ws);
        const Suggestion direct = suggest(ws.MainPic.Picture, measureButton(ws.MainMerge.Picture));
        QCOMPARE(s.tint.hue, direct.tint.hue);
        QCOMPARE(s.tint.saturation, direct.tint.saturation);
        QCOMPARE(s.tint.lightness, direct.tint.lightness);
        QVERIFY(s.colour);
    }
};

QTEST_GUILESS_MAIN(TestTintSuggestion)
#include "tst_tintsuggestion.moc"
