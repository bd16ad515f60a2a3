// Paints the built-in pictures and the desktop icons (Icon16 to Icon256) and writes them as
// PNG files into the given folder.
// Run by hand after changing the artwork, then commit the output in art/:
//   QT_QPA_PLATFORM=offscreen varnel_artgen <outdir>

#include "art/builtinart.h"
#include "compose/surfacetable.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <numbers>
#include <vector>

namespace {

constexpr QRgb KeyColour = 0xffff00ff;
constexpr QRgb StripGround = 0xff005e97; // red 0, green 94, blue 151
const QColor SceneBlue(9, 134, 200);

// Inclusive pixel ranges, as the template layouts are written.
QRect span(int left, int right, int top, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage keyField(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(KeyColour);
    return image;
}

QImage newLayer(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Artwork must never hit the exact key by accident: that pixel would turn into picture.
QRgb avoidKey(QRgb colour) {
    return (colour | 0xff000000) == KeyColour ? qRgb(254, 0, 255) : (colour | 0xff000000);
}

// Lays a layer on the key field with a hard edge: a half-covered edge pixel either
// belongs to the button or stays key, so no magenta fringe shows over the user's picture.
void stampCut(QImage& target, const QImage& layer, QRect region) {
    Q_ASSERT(layer.size() == region.size());
    const QImage straight = layer.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(region.top() + y)) + region.left();
        for (int x = 0; x < straight.width(); ++x) {
            if (qAlpha(src[x]) >= 128)
                dst[x] = avoidKey(src[x]);
        }
    }
}

// Lays a layer on the key field blending its soft edge into the magenta; the blended
// pixels are near-magenta artwork, not key.
void stampBlended(QImage& target, const QImage& layer, QRect region) {
    Q_ASSERT(layer.size() == region.size());
    const QImage premul = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < premul.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(premul.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(region.top() + y)) + region.left();
        for (int x = 0; x < premul.width(); ++x) {
            const int a = qAlpha(src[x]);
            if (a < 24)
                continue;
            const auto mix = [a](int over, int under) {
                return over + (under * (255 - a) + 127) / 255;
            };
            dst[x] = avoidKey(
                qRgb(mix(qRed(src[x]), 255), mix(qGreen(src[x]), 0), mix(qBlue(src[x]), 255)));
        }
    }
}

QFont boldFont(int pixelSize, bool condensed = false) {
    QFont font(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Text as an outline, centred on its ink horizontally and on the capitals vertically.
QPainterPath centredText(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const qreal capHeight = QFontMetricsF(font).capHeight();
    const qreal x = box.center().x() - ink.width() / 2 - ink.left();
    const qreal y = box.center().y() + capHeight / 2;
    return path.translated(std::round(x), std::round(y));
}

QImage roundButton(bool close) {
    QImage layer = newLayer({26, 26});
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QLinearGradient rim(0, 0, 0, 26);
    rim.setColorAt(0, QColor(214, 252, 255));
    rim.setColorAt(0.5, QColor(150, 232, 250));
    rim.setColorAt(1, QColor(70, 180, 220));
    p.setBrush(rim);
    p.drawEllipse(QRectF(0, 0, 26, 26));

    const QRectF face(2.2, 2.2, 21.6, 21.6);
    QRadialGradient body(QPointF(13, 20), 15, QPointF(13, 23));
    body.setColorAt(0, QColor(48, 128, 228));
    body.setColorAt(0.55, QColor(14, 50, 138));
    body.setColorAt(1, QColor(4, 16, 66));
    p.setBrush(body);
    p.drawEllipse(face);
    p.setPen(QPen(QColor(6, 28, 80), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(face);

    const QRectF gloss(6.2, 3.4, 13.6, 9.2);
    QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
    shine.setColorAt(0, QColor(255, 255, 255, 200));
    shine.setColorAt(1, QColor(255, 255, 255, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(gloss);

    const auto drawSymbol = [&](QPointF offset, const QColor& colour) {
        p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap));
        if (close) {
            p.drawLine(QPointF(9.3, 9.3) + offset, QPointF(16.7, 16.7) + offset);
            p.drawLine(QPointF(16.7, 9.3) + offset, QPointF(9.3, 16.7) + offset);
        } else {
            p.drawLine(QPointF(8.8, 16.5) + offset, QPointF(17.2, 16.5) + offset);
        }
    };
    drawSymbol({0, 1}, QColor(0, 10, 40, 150));
    drawSymbol({0, 0}, QColor(236, 252, 255));
    return layer;
}

QImage menuButton() {
    QImage layer = newLayer({96, 29});
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const QRectF outer(0, 0, 96, 29);
    QLinearGradient rim(0, 0, 0, 29);
    rim.setColorAt(0, QColor(214, 252, 255));
    rim.setColorAt(0.5, QColor(150, 232, 250));
    rim.setColorAt(1, QColor(70, 180, 220));
    p.setBrush(rim);
    p.drawRoundedRect(outer, 10, 10);

    const QRectF face = outer.adjusted(1.8, 1.8, -1.8, -1.8);
    QLinearGradient body(0, face.top(), 0, face.bottom());
    body.setColorAt(0, QColor(34, 82, 176));
    body.setColorAt(0.48, QColor(14, 42, 118));
    body.setColorAt(0.52, QColor(6, 24, 82));
    body.setColorAt(1, QColor(26, 92, 190));
    p.setBrush(body);
    p.drawRoundedRect(face, 8.4, 8.4);

    const QRectF gloss(face.left() + 3, face.top() + 0.8, face.width() - 6, face.height() * 0.45);
    QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 26));
    p.setBrush(shine);
    p.drawRoundedRect(gloss, 6, 5);

    const QPainterPath word = centredText(QStringLiteral("MENU"), boldFont(17), face);
    p.setPen(QPen(QColor(178, 246, 255), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    QLinearGradient letters(0, face.top() + 7, 0, face.bottom() - 7);
    letters.setColorAt(0, QColor(60, 140, 255));
    letters.setColorAt(1, QColor(10, 70, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(letters);
    p.drawPath(word);
    return layer;
}

// The scene window's buttons: a bar or pill with white lettering.
QImage labelledBar(QSize size, const QString& text, const QBrush& fill, qreal radius, int fontPx) {
    QImage layer = newLayer(size);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    const QRectF box(QPointF(0, 0), QSizeF(size));
    if (radius > 0)
        p.drawRoundedRect(box, radius, radius);
    else
        p.drawRect(box);

    const QPainterPath label = centredText(text, boldFont(fontPx), box);
    p.setBrush(QColor(0, 36, 72, 110));
    p.drawPath(label.translated(1, 1));
    p.setBrush(Qt::white);
    p.drawPath(label);
    return layer;
}

// A small window outline: white frame, black outline inside it, white centre.
void drawConsoleGlyph(QImage& target, QRect region) {
    for (int y = 0; y < region.height(); ++y) {
        for (int x = 0; x < region.width(); ++x) {
            const int edge = std::min({x, y, region.width() - 1 - x, region.height() - 1 - y});
            const bool outline = edge == 2 || edge == 3;
            target.setPixel(region.left() + x, region.top() + y,
                            outline ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
}

struct Layouts {
    QRect menu = BuiltInArt::MainMenuButtonArea; // the tint suggestion measures it there
    QRect mainMinimise = span(733, 758, 12, 37);
    QRect mainClose = span(761, 786, 12, 37);
    QRect sceneMinimise = span(243, 268, 3, 28);
    QRect sceneClose = span(269, 294, 3, 28);
    QRect sceneButton = span(82, 217, 40, 62);
    QRect expansionButton = span(51, 248, 260, 289);
    QRect skinButton = span(91, 205, 307, 329);
    QRect sizeButton = span(73, 220, 482, 508);
    QRect chatMinimise = span(386, 411, 3, 28);
    QRect chatClose = span(412, 437, 3, 28);
    QRect consoleGlyph = span(292, 307, 2, 14);
    QRect stripArea = span(631, 789, 9, 43);
};
const Layouts layouts;

QImage mainTemplate() {
    QImage image = keyField(surfaceFacts(SurfaceId::Main).size);
    stampCut(image, menuButton(), layouts.menu);
    stampCut(image, roundButton(false), layouts.mainMinimise);
    stampCut(image, roundButton(true), layouts.mainClose);
    return image;
}

QImage sceneTemplate() {
    QImage image = keyField(surfaceFacts(SurfaceId::Scene).size);
    stampCut(image, roundButton(false), layouts.sceneMinimise);
    stampCut(image, roundButton(true), layouts.sceneClose);
    stampCut(
        image,
        labelledBar(layouts.sceneButton.size(), QStringLiteral("Choose Scene"), SceneBlue, 0, 13),
        layouts.sceneButton);
    stampBlended(image,
                 labelledBar(layouts.expansionButton.size(), QStringLiteral("Expansion Packs"),
                             SceneBlue, layouts.expansionButton.height() / 2.0, 14),
                 layouts.expansionButton);
    stampCut(
        image,
        labelledBar(layouts.skinButton.size(), QStringLiteral("Choose Skin"), SceneBlue, 0, 13),
        layouts.skinButton);
    QLinearGradient shade(0, 0, 0, layouts.sizeButton.height());
    shade.setColorAt(0, QColor(10, 104, 170));
    shade.setColorAt(1, QColor(3, 70, 126));
    stampCut(image,
             labelledBar(layouts.sizeButton.size(), QStringLiteral("Scene Size"), shade, 0, 14),
             layouts.sizeButton);
    return image;
}

QImage consoleTemplate() {
    QImage image = keyField(surfaceFacts(SurfaceId::Console).size);
    drawConsoleGlyph(image, layouts.consoleGlyph);
    return image;
}

QImage chatTemplate() {
    QImage image = keyField(surfaceFacts(SurfaceId::Chat).size);
    stampCut(image, roundButton(false), layouts.chatMinimise);
    stampCut(image, roundButton(true), layouts.chatClose);
    return image;
}

// The preview strip is cut from the Main template so the two always agree.
QImage menuStrip(const QImage& main) {
    QImage strip = main.copy(layouts.stripArea);
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if (line[x] == KeyColour)
                line[x] = StripGround;
        }
    }
    return strip;
}

QImage railImage() {
    QImage image(113, 18, QImage::Format_RGB32);
    image.fill(QColor(222, 222, 226));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF bar(0.5, 0.5, 112, 17);
    QLinearGradient body(0, bar.top(), 0, bar.bottom());
    body.setColorAt(0, QColor(242, 232, 255));
    body.setColorAt(0.45, QColor(196, 166, 238));
    body.setColorAt(0.6, QColor(146, 96, 214));
    body.setColorAt(1, QColor(104, 56, 176));
    p.setPen(QPen(QColor(96, 52, 156), 1));
    p.setBrush(body);
    p.drawRoundedRect(bar, 8.5, 8.5);

    const QRectF gloss(6, 1.6, 101, 5.4);
    QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
    shine.setColorAt(0, QColor(255, 255, 255, 190));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(gloss, 2.7, 2.7);
    p.end();

    // The groove sits on whole pixel rows so it stays crisp.
    const QRgb groove = qRgb(82, 38, 136);
    const QRgb lip = qRgb(204, 182, 244);
    for (int x = 7; x <= 105; ++x) {
        image.setPixel(x, 8, groove);
        image.setPixel(x, 9, groove);
        image.setPixel(x, 10, lip);
    }
    return image;
}

// Keeps only fully covered and fully clear pixels, as an icon mask has no partial alpha.
QImage cutMask(const QImage& layer) {
    QImage image = layer.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qAlpha(line[x]) >= 128 ? (line[x] | 0xff000000) : 0;
    }
    return image;
}

int channel(QRgb colour, int which) {
    return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour);
}

// Median cut over the opaque colours; small pictures, so simplicity wins over speed.
std::vector<QRgb> buildPalette(const std::map<QRgb, int>& counts, std::size_t maxColours) {
    std::vector<QRgb> palette;
    if (counts.size() <= maxColours) {
        for (const auto& entry : counts)
            palette.push_back(entry.first);
        return palette;
    }
    using Entry = std::pair<QRgb, int>;
    std::vector<std::vector<Entry>> boxes(1, std::vector<Entry>(counts.begin(), counts.end()));
    while (boxes.size() < maxColours) {
        int best = -1;
        int bestRange = 0;
        int bestChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            for (int c = 0; c < 3; ++c) {
                const auto [lo, hi] = std::minmax_element(
                    boxes[i].begin(), boxes[i].end(), [c](const Entry& a, const Entry& b) {
                        return channel(a.first, c) < channel(b.first, c);
                    });
                const int range = channel(hi->first, c) - channel(lo->first, c);
                if (range > bestRange) {
                    best = i;
                    bestRange = range;
                    bestChannel = c;
                }
            }
        }
        if (best < 0)
            break;
        auto& box = boxes[best];
        std::stable_sort(box.begin(), box.end(), [c = bestChannel](const Entry& a, const Entry& b) {
            return channel(a.first, c) < channel(b.first, c);
        });
        int total = 0;
        for (const auto& e : box)
            total += e.second;
        int seen = 0;
        std::size_t cut = 1;
        for (; cut < box.size(); ++cut) {
            seen += box[cut - 1].second;
            if (seen * 2 >= total)
                break;
        }
        cut = std::min(cut, box.size() - 1);
        std::vector<Entry> upper(box.begin() + cut, box.end());
        box.erase(box.begin() + cut, box.end());
        boxes.push_back(std::move(upper));
    }
    for (const auto& box : boxes) {
        if (box.size() == 1) {
            palette.push_back(box[0].first);
            continue;
        }
        long long r = 0, g = 0, b = 0, n = 0;
        for (const auto& [colour, count] : box) {
            r += qRed(colour) * count;
            g += qGreen(colour) * count;
            b += qBlue(colour) * count;
            n += count;
        }
        palette.push_back(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
    }
    return palette;
}

// A 256-colour picture with a 1-bit mask: entry 0 is the transparent one.
QImage toIndexed(const QImage& masked) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < masked.height(); ++y) {
        for (int x = 0; x < masked.width(); ++x) {
            const QRgb c = masked.pixel(x, y);
            if (qAlpha(c) != 0)
                ++counts[c];
        }
    }
    const std::vector<QRgb> palette = buildPalette(counts, 255);
    QList<QRgb> table{qRgba(0, 0, 0, 0)};
    table.append(QList<QRgb>(palette.begin(), palette.end()));

    QImage out(masked.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < masked.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < masked.width(); ++x) {
            const QRgb c = masked.pixel(x, y);
            if (qAlpha(c) == 0) {
                line[x] = 0;
                continue;
            }
            int best = 1;
            int bestDistance = INT_MAX;
            for (int i = 1; i < int(table.size()); ++i) {
                const int dr = qRed(c) - qRed(table[i]);
                const int dg = qGreen(c) - qGreen(table[i]);
                const int db = qBlue(c) - qBlue(table[i]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    best = i;
                    bestDistance = distance;
                }
            }
            line[x] = uchar(best);
        }
    }
    return out;
}

QImage thumbImage() {
    QImage layer = newLayer({26, 25});
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // A dark edge first, so the cut mask leaves an even outline all round.
    const QRectF ball(1.1, 0.7, 23.8, 23.8);
    p.setBrush(QColor(52, 10, 96));
    p.drawEllipse(ball);

    const QRectF inside = ball.adjusted(1.1, 1.1, -1.1, -1.1);
    QLinearGradient body(0, inside.top(), 0, inside.bottom());
    body.setColorAt(0, QColor(238, 220, 255));
    body.setColorAt(0.4, QColor(164, 104, 234));
    body.setColorAt(0.75, QColor(104, 44, 180));
    body.setColorAt(1, QColor(70, 18, 130));
    p.setBrush(body);
    p.drawEllipse(inside);

    QRadialGradient glow(QPointF(13, 19.5), 8);
    glow.setColorAt(0, QColor(196, 136, 255, 100));
    glow.setColorAt(1, QColor(196, 136, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(inside);

    const QRectF gloss(5.5, 2.4, 15, 8.6);
    QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
    shine.setColorAt(0, QColor(255, 255, 255, 230));
    shine.setColorAt(1, QColor(255, 255, 255, 8));
    p.setBrush(shine);
    p.drawEllipse(gloss);
    p.end();
    return toIndexed(cutMask(layer));
}

QPolygonF diamond(QPointF centre, qreal halfDiagonal) {
    return QPolygonF({centre + QPointF(0, -halfDiagonal), centre + QPointF(halfDiagonal, 0),
                      centre + QPointF(0, halfDiagonal), centre + QPointF(-halfDiagonal, 0)});
}

QPainterPath crescent(QPointF centre, qreal radius, QPointF bite, qreal biteRadius) {
    QPainterPath moon;
    moon.addEllipse(centre, radius, radius);
    QPainterPath cut;
    cut.addEllipse(bite, biteRadius, biteRadius);
    return moon.subtracted(cut);
}

QPainterPath star(QPointF centre, qreal outer, qreal inner) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal r = i % 2 == 0 ? outer : inner;
        points << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// The diamond framing a moon and a star, in a 32-unit square: the painter's scale sets the
// size, so each size is painted at its own resolution. The detailed form adds shading that
// only shows from about 48 pixels up.
void paintIcon(QPainter& p, bool detailed) {
    const QPointF centre(16, 16);
    const qreal frame = 15.4;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 184, 24));
    p.drawPolygon(diamond(centre, frame));
    QLinearGradient band(0, 0, 32, 32);
    band.setColorAt(0, QColor(255, 250, 222));
    band.setColorAt(1, QColor(250, 224, 120));
    p.setBrush(band);
    p.drawPolygon(diamond(centre, frame - 1.1 * std::numbers::sqrt2));

    const qreal inner = frame - 2.6 * std::numbers::sqrt2;
    p.setBrush(Qt::black);
    p.drawPolygon(diamond(centre, inner));
    QLinearGradient field(0, centre.y() - inner, 0, centre.y() + inner);
    field.setColorAt(0, QColor(186, 224, 255));
    field.setColorAt(1, QColor(112, 176, 236));
    p.setBrush(field);
    const qreal fieldReach = inner - 1.2 * std::numbers::sqrt2;
    p.drawPolygon(diamond(centre, fieldReach));
    if (detailed) {
        // Light from the top left: a soft sheen over the upper half of the sky.
        QLinearGradient sheen(centre.x() - fieldReach / 2, centre.y() - fieldReach / 2, centre.x(),
                              centre.y());
        sheen.setColorAt(0, QColor(255, 255, 255, 110));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(sheen);
        QPainterPath upper;
        upper.addPolygon(diamond(centre, fieldReach));
        QPainterPath top;
        top.addRect(QRectF(0, 0, 32, centre.y()));
        p.drawPath(upper.intersected(top));
    }

    const QColor moonEdge(176, 120, 0);
    const QPointF moonCentre = centre + QPointF(-1.6, 1.2);
    const QPointF starCentre = centre + QPointF(3.7, -3.4);
    QBrush moonFill(QColor(255, 224, 40));
    if (detailed) {
        QRadialGradient glow(moonCentre + QPointF(-2, 2), 6);
        glow.setColorAt(0, QColor(255, 240, 120));
        glow.setColorAt(1, QColor(246, 196, 20));
        moonFill = glow;
    }
    p.setPen(QPen(moonEdge, 0.7));
    p.setBrush(moonFill);
    p.drawPath(crescent(moonCentre, 5.0, moonCentre + QPointF(2.1, -2.1), 4.3));
    p.setPen(QPen(moonEdge, 0.5));
    if (detailed) {
        QRadialGradient twinkle(starCentre, 2.7);
        twinkle.setColorAt(0, QColor(255, 250, 200));
        twinkle.setColorAt(1, QColor(255, 216, 40));
        p.setBrush(twinkle);
    }
    p.drawPath(star(starCentre, 2.7, 1.1));

    p.setPen(QPen(QColor(120, 50, 0), 0.7));
    p.setBrush(QColor(255, 136, 0));
    const qreal dot = 2.5;
    const qreal reach = frame - dot * 0.9;
    for (const QPointF direction : {QPointF(0, -1), QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0)}) {
        const QPointF at = centre + direction * reach;
        if (detailed) {
            QRadialGradient bead(at, dot, at + QPointF(-0.8, -0.8));
            bead.setColorAt(0, QColor(255, 214, 140));
            bead.setColorAt(0.45, QColor(255, 136, 0));
            bead.setColorAt(1, QColor(206, 84, 0));
            p.setBrush(bead);
        }
        p.drawEllipse(at, dot, dot);
    }
}

QImage paintedIcon(int size, bool detailed) {
    QImage layer = newLayer({size, size});
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    paintIcon(p, detailed);
    p.end();
    return layer;
}

QImage largeWindowIcon() {
    return toIndexed(cutMask(paintedIcon(32, false)));
}

// From 48 pixels up the desktop draws the icon over any ground, so it keeps its soft edge.
QImage desktopIcon(int size) {
    return paintedIcon(size, true).convertToFormat(QImage::Format_ARGB32);
}

QRgb iconColour(char c) {
    switch (c) {
    case 'o':
        return qRgb(232, 112, 0);
    case 'y':
        return qRgb(204, 156, 24);
    case 'c':
        return qRgb(232, 206, 128);
    case 'k':
        return qRgb(0, 0, 0);
    case 'B':
        return qRgb(88, 140, 206);
    case 'b':
        return qRgb(56, 104, 178);
    case 'm':
        return qRgb(236, 190, 16);
    case '*':
        return qRgb(255, 240, 150);
    default:
        return qRgba(0, 0, 0, 0);
    }
}

QImage pixelIcon(const char* const* rows, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        Q_ASSERT(std::strlen(rows[y]) == std::size_t(size));
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, iconColour(rows[y][x]));
    }
    return toIndexed(image);
}

// Painted at 16 or 24 pixels the diamond turns to mush, so the small icons are laid out
// pixel by pixel.
QImage smallWindowIcon() {
    static const char* const rows[16] = {
        ".......oo.......", ".......oo.......", "......yccy......", ".....yckkcy.....",
        "....yckBBkcy....", "...yckmBBBkcy...", "..yckmmBB*Bkcy..", "oockmmBBBBBBkcoo",
        "oockmmbbbbbbkcoo", "..yckmmbbbbkcy..", "...yckmmmbkcy...", "....yckbbkcy....",
        ".....yckkcy.....", "......yccy......", ".......oo.......", ".......oo.......",
    };
    return pixelIcon(rows, 16);
}

QImage icon24() {
    static const char* const rows[24] = {
        "...........oo...........", "..........oooo..........", "..........oooo..........",
        "..........yooy..........", ".........yckkcy.........", "........yckBBkcy........",
        ".......yckBBBBkcy.......", "......yckBBBB*Bkcy......", ".....yckBBB*****kcy.....",
        "....yckBBmBB***BBkcy....", ".ooyckBBmBBB*B*BBBkcyoo.", "ooookBBmmBBBBBBBBBBkoooo",
        "ooookbmmmbbbbbbbbbbkoooo", ".ooyckmmmbbbbbbbbbkcyoo.", "....yckmmmbbbbbbbkcy....",
        ".....yckmmmmmmbbkcy.....", "......yckbmmmbbkcy......", ".......yckbbbbkcy.......",
        "........yckbbkcy........", ".........yckkcy.........", "..........yooy..........",
        "..........oooo..........", "..........oooo..........", "...........oo...........",
    };
    return pixelIcon(rows, 24);
}

bool writePng(QImage image, const QString& path) {
    // Fixed resolution so the bytes never depend on the screen the tool ran on.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QImageWriter writer(path, "png");
    writer.setCompression(100);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(QDir::toNativeSeparators(path)),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: varnel_artgen <outdir>\n");
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n",
                     qPrintable(QDir::toNativeSeparators(args.at(1))));
        return 1;
    }

    const QImage main = mainTemplate();
    const std::vector<std::pair<const char*, QImage>> pictures{
        {"MainMerge.png", main.convertToFormat(QImage::Format_RGB888)},
        {"SceneMerge.png", sceneTemplate().convertToFormat(QImage::Format_RGB888)},
        {"InChatMerge.png", consoleTemplate().convertToFormat(QImage::Format_RGB888)},
        {"OutChatMerge.png", chatTemplate().convertToFormat(QImage::Format_RGB888)},
        {"Picture1.png", menuStrip(main).convertToFormat(QImage::Format_RGB888)},
        {"RailImage.png", railImage().convertToFormat(QImage::Format_RGB888)},
        {"SliderImage.png", thumbImage()},
        {"Icon32.png", largeWindowIcon()},
        {"Icon16.png", smallWindowIcon()},
        // The desktop's icon theme, beside the window's own two sizes.
        {"Icon24.png", icon24()},
        {"Icon48.png", desktopIcon(48)},
        {"Icon64.png", desktopIcon(64)},
        {"Icon128.png", desktopIcon(128)},
        {"Icon256.png", desktopIcon(256)},
    };
    bool ok = true;
    for (const auto& [name, image] : pictures)
        ok = writePng(image, out.filePath(QString::fromLatin1(name))) && ok;
    return ok ? 0 : 1;
}
