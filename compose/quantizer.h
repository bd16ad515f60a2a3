#pragma once

#include "compose/colourmaths.h"

#include <QImage>

#include <vector>

namespace TintSuggestion {

// Below this chroma a colour counts as grey: JPEG noise and the faint casts of a
// black-and-white photo stay under it.
inline constexpr double GreyChroma = 0.03;
// A colour must cover this much of the picture to be suggested.
inline constexpr double MinimumShare = 0.005;
// Candidates whose hues lie closer than this (degrees of OKLab hue) are one colour.
inline constexpr double SameHue = 25.0;

// One colour of the picture.
struct PictureColour {
    Oklab lab;
    double share = 0; // of the sampled picture, 0 to 1
    double score = 0; // set by rankColours
};

// The picture's main colours, largest share first: a median cut in OKLab over a fixed
// grid of samples, refined by a few k-means rounds. At most `maxColours`; none for an
// empty picture.
std::vector<PictureColour> quantize(const QImage& picture, int maxColours = 16);

// The colours worth suggesting, best first. A colour scores by its chroma above grey
// and by the square root of its share, so a small vivid area beats a large dull one.
// Greys and colours under MinimumShare are dropped, and so is every colour whose hue
// lies within SameHue of a better one.
std::vector<PictureColour> rankColours(std::vector<PictureColour> colours);

} // namespace TintSuggestion
