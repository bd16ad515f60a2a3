#include "compose/tintsuggestion.h"

#include "compose/imaging.h"
#include "compose/skinworkspace.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace TintSuggestion {

namespace {

// The saturation whose tinted button comes closest to `targetChroma`. The button's
// chroma grows with the saturation amount (every pixel's saturation is scaled by it), so
// a bisection finds the first amount that reaches the target; it or the one before it is
// the closest (the less saturated one on a tie).
qint16 chooseSaturation(const ButtonArt& art, qint16 hue, double targetChroma) {
    const auto chromaAt = [&](int s) {
        return buttonChroma(art, MenuTint{hue, qint16(s), 0});
    };
    if (chromaAt(100) < targetChroma)
        return 100;
    int lo = -100; // below the target (a fully grey button has no chroma) or equal
    int hi = 100;  // at or above it
    if (chromaAt(lo) >= targetChroma)
        return qint16(lo);
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        (chromaAt(mid) >= targetChroma ? hi : lo) = mid;
    }
    return qint16(
        std::fabs(chromaAt(hi) - targetChroma) < std::fabs(chromaAt(lo) - targetChroma) ? hi : lo);
}

} // namespace

std::optional<LightnessChoice> chooseReadableLightness(const ButtonArt& art, qint16 hue,
                                                       qint16 saturation,
                                                       double backgroundLuminance) {
    const LabelContrast required = requiredLabelContrast(art);
    // The word's contrasts rise and fall with the lightness in no one direction (the
    // letters and the body meet at some amounts), so every amount is looked at.
    std::optional<LightnessChoice> best;
    const auto nearer = [](const LightnessChoice& p, const LightnessChoice& q) {
        // Reaching ReadableContrast: the smaller change, then the higher contrast, then the
        // darker; short of it: the higher contrast, then the smaller change.
        const bool pReaches = p.contrast >= ReadableContrast;
        const bool qReaches = q.contrast >= ReadableContrast;
        if (pReaches != qReaches)
            return pReaches;
        const int pChange = std::abs(p.lightness), qChange = std::abs(q.lightness);
        if (pReaches) {
            if (pChange != qChange)
                return pChange < qChange;
            if (p.contrast != q.contrast)
                return p.contrast > q.contrast;
            return p.lightness < q.lightness;
        }
        if (p.contrast != q.contrast)
            return p.contrast > q.contrast;
        return pChange != qChange ? pChange < qChange : p.lightness < q.lightness;
    };
    for (int l = -100; l <= 100; ++l) {
        const MenuTint tint{hue, saturation, qint16(l)};
        const LabelContrast label = labelContrast(art, tint);
        if (label.letters < required.letters || label.outline < required.outline)
            continue;
        const LightnessChoice choice{
            qint16(l), contrastRatio(buttonLuminance(art, tint), backgroundLuminance)};
        if (!best || nearer(choice, *best))
            best = choice;
    }
    return best;
}

LightnessChoice chooseLightness(const ButtonArt& art, qint16 hue, qint16 saturation,
                                double backgroundLuminance) {
    const auto luminanceAt = [&](int l) {
        return buttonLuminance(art, MenuTint{hue, saturation, qint16(l)});
    };
    const auto contrastAt = [&](int l) {
        return contrastRatio(luminanceAt(l), backgroundLuminance);
    };
    const double atZero = contrastAt(0);
    if (atZero >= ReadableContrast)
        return {0, atZero};

    // Every channel of every tinted pixel grows with the lightness amount, and so does
    // the button's luminance: readable darker amounts form a run from -100 up, readable
    // lighter ones a run up to 100. Bisection finds the end of each run nearest 0.
    const auto readableDark = [&](int l) {
        const double y = luminanceAt(l);
        return y <= backgroundLuminance &&
               contrastRatio(y, backgroundLuminance) >= ReadableContrast;
    };
    const auto readableLight = [&](int l) {
        const double y = luminanceAt(l);
        return y >= backgroundLuminance &&
               contrastRatio(y, backgroundLuminance) >= ReadableContrast;
    };
    std::optional<int> dark, light;
    if (readableDark(-100)) {
        int lo = -100, hi = 0; // readable at lo, not at hi
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            (readableDark(mid) ? lo : hi) = mid;
        }
        dark = lo;
    }
    if (readableLight(100)) {
        int lo = 0, hi = 100; // not readable at lo, readable at hi
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            (readableLight(mid) ? hi : lo) = mid;
        }
        light = hi;
    }

    if (dark || light) {
        // The smaller change; on a tie the higher contrast, then the darker.
        int pick = dark ? *dark : *light;
        if (dark && light) {
            const int changeDark = -*dark, changeLight = *light;
            if (changeLight < changeDark ||
                (changeLight == changeDark && contrastAt(*light) > contrastAt(*dark)))
                pick = *light;
        }
        return {qint16(pick), contrastAt(pick)};
    }
    // Out of reach: the contrast falls towards the background's luminance and rises
    // beyond it, so the best is at one end.
    const double darkest = contrastAt(-100), lightest = contrastAt(100);
    return lightest > darkest ? LightnessChoice{100, lightest} : LightnessChoice{-100, darkest};
}

Suggestion suggest(const QImage& mainPicture, const ButtonArt& art) {
    if (art.colours.empty())
        throw std::invalid_argument("There is no MENU button to match the tint to.");
    const std::vector<PictureColour> ranked = rankColours(quantize(mainPicture));
    Suggestion out;
    if (ranked.empty()) {
        // No colour to follow: a neutral grey button.
        out.tint = MenuTint{0, -100, 0};
    } else {
        const PictureColour& colour = ranked.front();
        out.colour = colour;
        // The tint turns every hue of the artwork by the same angle per step.
        double turn = Imaging::toHsl(fromOklab(colour.lab)).h - art.hue;
        if (turn > 180)
            turn -= 360;
        else if (turn <= -180)
            turn += 360;
        out.tint.hue = qint16(std::clamp(std::nearbyint(turn / HueDegreesPerStep), -100.0, 100.0));
        out.tint.saturation = chooseSaturation(art, out.tint.hue, chroma(colour.lab));
    }
    const double background = areaLuminance(mainPicture, art.behind);

    // The word comes first. Colour is given up before it: the saturation falls from the
    // picture's until some lightness keeps the word readable, in steps of 10 and then
    // narrowed to the highest such saturation.
    const auto readableAt = [&](int saturation) {
        return chooseReadableLightness(art, out.tint.hue, qint16(saturation), background);
    };
    std::optional<LightnessChoice> choice = readableAt(out.tint.saturation);
    if (!choice) {
        int failing = out.tint.saturation;
        int readable = failing;
        while (!choice && failing > -100) {
            readable = std::max(-100, failing - 10);
            choice = readableAt(readable);
            if (!choice)
                failing = readable;
        }
        if (choice) {
            while (failing - readable > 1) {
                const int mid = (failing + readable) / 2;
                if (std::optional<LightnessChoice> c = readableAt(mid)) {
                    readable = mid;
                    choice = c;
                } else {
                    failing = mid;
                }
            }
            out.tint.saturation = qint16(readable);
        }
    }
    if (!choice) {
        // Not even grey keeps the word readable at this hue: the artwork's own colours do.
        out.tint.hue = 0;
        out.tint.saturation = 0;
        choice = chooseReadableLightness(art, 0, 0, background);
    }
    const LightnessChoice lightness =
        choice ? *choice : chooseLightness(art, out.tint.hue, out.tint.saturation, background);
    out.tint.lightness = lightness.lightness;
    out.contrast = lightness.contrast;
    out.label = labelContrast(art, out.tint);
    return out;
}

} // namespace TintSuggestion

TintSuggestion::Suggestion suggestMenuTint(const QImage& mainPicture, const QImage& mainTemplate) {
    // The artwork is measured once per template, not at every press.
    struct Measured {
        qint64 key = 0;
        TintSuggestion::ButtonArt art;
    };
    thread_local std::optional<Measured> measured;
    if (!measured || measured->key != mainTemplate.cacheKey())
        measured = Measured{mainTemplate.cacheKey(), TintSuggestion::measureButton(mainTemplate)};
    return TintSuggestion::suggest(mainPicture, measured->art);
}

TintSuggestion::Suggestion suggestMenuTint(const SkinWorkspace& ws) {
    if (!ws.hasSkin())
        //: Suggest Tint's message when no picture is loaded.
        throw std::logic_error(QCoreApplication::translate("Compose",
                                                           "There is no picture to suggest a tint "
                                                           "from yet. Load an image first.")
                                   .toStdString());
    return suggestMenuTint(ws.MainPic.Picture, ws.MainMerge.Picture);
}
