#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>

#include <array>

// Picture files made in code: every BMP layout byte by byte, JPEGs through Qt's writer or
// libjpeg where Qt cannot write the variant, and the damaged and lying files a user may
// have lying around.
namespace PictureFixtures {

// Distinct, unsaturated colours, so that swapped channels or rows show.
constexpr std::array<QRgb, 4> QuadrantColours{qRgb(200, 32, 64), qRgb(16, 176, 88),
                                              qRgb(40, 72, 224), qRgb(248, 232, 8)};

// Four quadrants: top-left, top-right, bottom-left, bottom-right. A quadrant boundary
// lies at width / 2 and height / 2.
QImage quadrants(QSize size, const std::array<QRgb, 4>& colours = QuadrantColours);

// `quadrants` whose top row cycles through the four colours, so that run-length
// encoders need literal stretches and a mirrored row shows.
QImage stripedQuadrants(QSize size, const std::array<QRgb, 4>& colours = QuadrantColours);

// Deterministic noise, for pictures whose compressed data must be long.
QImage noise(QSize size, quint32 seed = 1);

// The colour at the centre of each quadrant, in the order of `quadrants`.
std::array<QRgb, 4> quadrantCentres(const QImage& image);

enum class BmpLayout {
    Rgb24,        // BITMAPINFOHEADER, rows bottom-up
    Rgb24TopDown, // negative height
    Palette8,     // at most 256 colours
    Palette4,     // at most 16 colours
    Rle8,         // at most 256 colours, runs and absolute stretches
    Rle4,         // at most 16 colours
    Mono1,        // at most 2 colours
    Rgb555,       // 16-bit BI_RGB
    Rgb555Fields, // 16-bit BI_BITFIELDS, 5-5-5
    Rgb565Fields, // 16-bit BI_BITFIELDS, 5-6-5
    Rgb32,        // BI_RGB; the fourth byte is 0 and is not alpha
    Argb32V4,     // BITMAPV4HEADER, BI_BITFIELDS with an alpha mask
    Argb32V5,     // BITMAPV5HEADER, BI_BITFIELDS with an alpha mask
    Os2Palette8,  // BITMAPCOREHEADER (12 bytes), 3-byte palette entries
    Os2Rgb24,     // BITMAPCOREHEADER, 24-bit
};

// What a bitmap's headers say, written as they are, however absurd.
struct BmpInfo {
    qint32 width = 0;
    qint32 height = 0; // negative: rows stored top-down
    quint16 bitCount = 24;
    quint32 compression = 0; // BI_RGB, BI_RLE8, BI_RLE4, BI_BITFIELDS, ... BI_ALPHABITFIELDS 6
    quint32 headerSize = 40; // 12, 40, 108 or 124
    QList<QRgb> palette;
    // Red, green, blue, alpha: inside a V4/V5 header, or after a 40-byte header with
    // BI_BITFIELDS (three) or BI_ALPHABITFIELDS (four).
    std::array<quint32, 4> masks{};
};

// File header, info header, masks, palette, then `pixels` as given.
QByteArray assembleBmp(const BmpInfo& info, const QByteArray& pixels);

// `image` stored in `layout`. Palette layouts need an image with few enough colours.
QByteArray bmp(const QImage& image, BmpLayout layout);

enum class JpegKind { Baseline, Progressive, Greyscale };

QByteArray jpeg(const QImage& image, JpegKind kind = JpegKind::Baseline, int quality = 90);

// Variants Qt does not write, made with libjpeg. Four-component ones carry an Adobe
// marker and inverted samples, as most CMYK files store them.
enum class LibjpegKind { Cmyk, Ycck, Arithmetic };

QByteArray libjpegJpeg(const QImage& image, LibjpegKind kind, int quality = 90);

// An Exif segment holding only the orientation tag, put right after SOI.
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation);

// The frame header claims `size`; the scan data stays as it was.
QByteArray withClaimedSize(const QByteArray& jpeg, QSize size);

// Where the first scan's header begins (its FF DA marker), or -1.
qsizetype firstScanOffset(const QByteArray& jpeg);

QByteArray png(const QImage& image);

// A GIF of one frame; the image may hold at most 256 colours.
QByteArray gif(const QImage& image);

// `png` with its header chunk's bit depth and colour type replaced, its CRC made right.
QByteArray withPngDepth(const QByteArray& png, quint8 bitDepth, quint8 colourType);

// A Windows icon of one image, stored as `png` (a PNG file) is.
QByteArray iconHolding(const QByteArray& png, QSize size);

// As Qt's writer stores `image` in `format` ("xbm", "xpm", ...).
QByteArray qtWritten(const QImage& image, const char* format);

// `image` turned as EXIF orientation 6 displays it: 90 degrees clockwise.
QImage rotatedClockwise(const QImage& image);

bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace PictureFixtures
