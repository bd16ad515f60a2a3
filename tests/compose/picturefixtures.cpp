#include "picturefixtures.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImageWriter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace PictureFixtures {

namespace {

void put8(QByteArray& out, quint32 value) {
    out.append(char(value & 0xFF));
}

void put16(QByteArray& out, quint32 value) {
    put8(out, value);
    put8(out, value >> 8);
}

void put32(QByteArray& out, quint32 value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putBigEndian16(QByteArray& out, quint32 value) {
    put8(out, value >> 8);
    put8(out, value);
}

quint32 bigEndian16(const QByteArray& bytes, qsizetype at) {
    return (quint32(quint8(bytes[at])) << 8) | quint8(bytes[at + 1]);
}

void padRow(QByteArray& row) {
    while (row.size() % 4 != 0)
        row.append('\0');
}

// The image's colours in order of first appearance, and each pixel's index among them.
struct Indexed {
    QList<QRgb> palette;
    QList<QList<quint8>> rows; // top row first
};

Indexed indexed(const QImage& image, int maxColours) {
    Indexed result;
    QHash<QRgb, quint8> index;
    for (int y = 0; y < image.height(); ++y) {
        QList<quint8> row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xFF000000u;
            auto it = index.constFind(colour);
            if (it == index.constEnd()) {
                if (result.palette.size() == maxColours)
                    throw std::invalid_argument("too many colours for the bitmap layout");
                it = index.insert(colour, quint8(result.palette.size()));
                result.palette.append(colour);
            }
            row.append(*it);
        }
        result.rows.append(row);
    }
    return result;
}

// Rows bottom-up (or top-down), each packed by `pack` and padded to four bytes.
template <typename Pack> QByteArray packedRows(int height, bool topDown, Pack pack) {
    QByteArray pixels;
    for (int i = 0; i < height; ++i) {
        QByteArray row = pack(topDown ? i : height - 1 - i);
        padRow(row);
        pixels.append(row);
    }
    return pixels;
}

// Length of the run of equal values starting at `from`, at most 255.
int runLength(const QList<quint8>& row, int from) {
    int n = 1;
    while (from + n < row.size() && n < 255 && row[from + n] == row[from])
        ++n;
    return n;
}

// Run-length coding as BI_RLE8 (nibbles false) or BI_RLE4 (nibbles true): runs of two or
// more as encoded pairs, literal stretches of three or more in absolute mode.
QByteArray runLengthEncoded(const Indexed& picture, bool nibbles) {
    QByteArray out;
    const int height = int(picture.rows.size());
    for (int y = height - 1; y >= 0; --y) {
        const QList<quint8>& row = picture.rows[y];
        int x = 0;
        while (x < row.size()) {
            const int run = runLength(row, x);
            if (run >= 2) {
                put8(out, run);
                put8(out, nibbles ? (row[x] << 4) | row[x] : row[x]);
                x += run;
                continue;
            }
            int end = x;
            while (end < row.size() && end - x < 255 && runLength(row, end) < 2)
                ++end;
            const int count = end - x;
            if (count < 3) {
                for (; x < end; ++x) {
                    put8(out, 1);
                    put8(out, nibbles ? row[x] << 4 : row[x]);
                }
                continue;
            }
            put8(out, 0);
            put8(out, count);
            QByteArray literal;
            for (int i = 0; i < count; ++i) {
                if (!nibbles)
                    put8(literal, row[x + i]);
                else if (i % 2 == 0)
                    put8(literal, row[x + i] << 4);
                else
                    literal[literal.size() - 1] = char(quint8(literal.back()) | row[x + i]);
            }
            if (literal.size() % 2 != 0)
                literal.append('\0');
            out.append(literal);
            x = end;
        }
        put8(out, 0);
        put8(out, y == 0 ? 1 : 0); // end of bitmap after the top row, else end of line
    }
    return out;
}

quint32 pack16(QRgb colour, int redBits, int greenBits) {
    const quint32 red = quint32(qRed(colour)) >> (8 - redBits);
    const quint32 green = quint32(qGreen(colour)) >> (8 - greenBits);
    const quint32 blue = quint32(qBlue(colour)) >> 3;
    return (red << (greenBits + 5)) | (green << 5) | blue;
}

QByteArray rows16(const QImage& image, int redBits, int greenBits) {
    return packedRows(image.height(), false, [&](int y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x)
            put16(row, pack16(image.pixel(x, y), redBits, greenBits));
        return row;
    });
}

QByteArray rows24(const QImage& image, bool topDown) {
    return packedRows(image.height(), topDown, [&](int y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            put8(row, qBlue(colour));
            put8(row, qGreen(colour));
            put8(row, qRed(colour));
        }
        return row;
    });
}

QByteArray rows32(const QImage& image, bool withAlpha) {
    return packedRows(image.height(), false, [&](int y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            put8(row, qBlue(colour));
            put8(row, qGreen(colour));
            put8(row, qRed(colour));
            put8(row, withAlpha ? qAlpha(colour) : 0);
        }
        return row;
    });
}

QByteArray indexRows(const Indexed& picture, int bits) {
    const int height = int(picture.rows.size());
    return packedRows(height, false, [&](int y) {
        QByteArray row;
        const QList<quint8>& indices = picture.rows[y];
        const int perByte = 8 / bits;
        for (int x = 0; x < indices.size(); x += perByte) {
            quint32 byte = 0;
            for (int i = 0; i < perByte; ++i) {
                const quint32 value = x + i < indices.size() ? indices[x + i] : 0;
                byte |= value << (8 - bits * (i + 1));
            }
            put8(row, byte);
        }
        return row;
    });
}

// The frame header (SOF0..SOF15 but DHT, JPG and DAC), or -1.
qsizetype frameHeaderOffset(const QByteArray& jpeg) {
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
        const quint8 marker = quint8(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return at;
        if (marker == 0xDA)
            return -1;
        at += 2 + bigEndian16(jpeg, at + 2);
    }
    return -1;
}

} // namespace

QImage quadrants(QSize size, const std::array<QRgb, 4>& colours) {
    QImage image(size, QImage::Format_RGB32);
    const int midX = size.width() / 2;
    const int midY = size.height() / 2;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = colours[(y < midY ? 0 : 2) + (x < midX ? 0 : 1)];
    }
    return image;
}

QImage stripedQuadrants(QSize size, const std::array<QRgb, 4>& colours) {
    QImage image = quadrants(size, colours);
    for (int x = 0; x < size.width(); ++x)
        image.setPixel(x, 0, colours[x % 4]);
    return image;
}

QImage noise(QSize size, quint32 seed) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = random.generate() | 0xFF000000u;
    }
    return image;
}

std::array<QRgb, 4> quadrantCentres(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    return {image.pixel(w / 4, h / 4), image.pixel(w * 3 / 4, h / 4), image.pixel(w / 4, h * 3 / 4),
            image.pixel(w * 3 / 4, h * 3 / 4)};
}

QByteArray assembleBmp(const BmpInfo& info, const QByteArray& pixels) {
    const bool core = info.headerSize == 12;
    // BI_BITFIELDS puts three masks after a 40-byte header, BI_ALPHABITFIELDS four.
    const int masksAfterHeader = info.headerSize != 40   ? 0
                                 : info.compression == 3 ? 3
                                 : info.compression == 6 ? 4
                                                         : 0;
    const quint32 paletteBytes = quint32(info.palette.size()) * (core ? 3 : 4);
    const quint32 offset = 14 + info.headerSize + 4 * masksAfterHeader + paletteBytes;

    QByteArray out("BM");
    put32(out, offset + quint32(pixels.size()));
    put32(out, 0);
    put32(out, offset);

    put32(out, info.headerSize);
    if (core) {
        put16(out, quint32(info.width));
        put16(out, quint32(info.height));
        put16(out, 1);
        put16(out, info.bitCount);
    } else {
        put32(out, quint32(info.width));
        put32(out, quint32(info.height));
        put16(out, 1);
        put16(out, info.bitCount);
        put32(out, info.compression);
        put32(out, quint32(pixels.size()));
        put32(out, 2835); // 72 dpi
        put32(out, 2835);
        put32(out, quint32(info.palette.size()));
        put32(out, 0);
    }
    if (info.headerSize >= 108) {
        for (const quint32 mask : info.masks)
            put32(out, mask);
        put32(out, 0x73524742);         // LCS_sRGB
        for (int i = 0; i < 9 + 3; ++i) // endpoints, then gamma
            put32(out, 0);
    }
    if (info.headerSize >= 124) {
        put32(out, 4); // LCS_GM_IMAGES
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
    }
    for (int i = 0; i < masksAfterHeader; ++i)
        put32(out, info.masks[i]);
    for (const QRgb colour : info.palette) {
        put8(out, qBlue(colour));
        put8(out, qGreen(colour));
        put8(out, qRed(colour));
        if (!core)
            put8(out, 0);
    }
    out.append(pixels);
    return out;
}

QByteArray bmp(const QImage& image, BmpLayout layout) {
    BmpInfo info;
    info.width = image.width();
    info.height = image.height();
    switch (layout) {
    case BmpLayout::Rgb24:
        return assembleBmp(info, rows24(image, false));
    case BmpLayout::Rgb24TopDown:
        info.height = -info.height;
        return assembleBmp(info, rows24(image, true));
    case BmpLayout::Palette8:
    case BmpLayout::Os2Palette8: {
        const Indexed picture = indexed(image, 256);
        info.bitCount = 8;
        info.palette = picture.palette;
        if (layout == BmpLayout::Os2Palette8) {
            // A core header has no colour count: the palette is always full.
            info.headerSize = 12;
            info.palette.resize(256, qRgb(0, 0, 0));
        }
        return assembleBmp(info, indexRows(picture, 8));
    }
    case BmpLayout::Palette4: {
        const Indexed picture = indexed(image, 16);
        info.bitCount = 4;
        info.palette = picture.palette;
        return assembleBmp(info, indexRows(picture, 4));
    }
    case BmpLayout::Rle8:
    case BmpLayout::Rle4: {
        const bool nibbles = layout == BmpLayout::Rle4;
        const Indexed picture = indexed(image, nibbles ? 16 : 256);
        info.bitCount = nibbles ? 4 : 8;
        info.compression = nibbles ? 2 : 1;
        info.palette = picture.palette;
        return assembleBmp(info, runLengthEncoded(picture, nibbles));
    }
    case BmpLayout::Mono1: {
        const Indexed picture = indexed(image, 2);
        info.bitCount = 1;
        info.palette = picture.palette;
        return assembleBmp(info, indexRows(picture, 1));
    }
    case BmpLayout::Rgb555:
        info.bitCount = 16;
        return assembleBmp(info, rows16(image, 5, 5));
    case BmpLayout::Rgb555Fields:
        info.bitCount = 16;
        info.compression = 3;
        info.masks = {0x7C00, 0x03E0, 0x001F, 0};
        return assembleBmp(info, rows16(image, 5, 5));
    case BmpLayout::Rgb565Fields:
        info.bitCount = 16;
        info.compression = 3;
        info.masks = {0xF800, 0x07E0, 0x001F, 0};
        return assembleBmp(info, rows16(image, 5, 6));
    case BmpLayout::Rgb32:
        info.bitCount = 32;
        return assembleBmp(info, rows32(image, false));
    case BmpLayout::Argb32V4:
    case BmpLayout::Argb32V5:
        info.bitCount = 32;
        info.compression = 3;
        info.headerSize = layout == BmpLayout::Argb32V4 ? 108 : 124;
        info.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
        return assembleBmp(info, rows32(image, true));
    case BmpLayout::Os2Rgb24:
        info.headerSize = 12;
        return assembleBmp(info, rows24(image, false));
    }
    return {};
}

QByteArray jpeg(const QImage& image, JpegKind kind, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(kind == JpegKind::Progressive);
    const QImage source =
        kind == JpegKind::Greyscale ? image.convertToFormat(QImage::Format_Grayscale8) : image;
    if (!writer.write(source))
        throw std::runtime_error(writer.errorString().toStdString());
    return bytes;
}

QByteArray libjpegJpeg(const QImage& image, LibjpegKind kind, int quality) {
    const bool fourComponents = kind != LibjpegKind::Arithmetic;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors); // a fault here is a fixture bug: libjpeg exits
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = fourComponents ? 4 : 3;
    info.in_color_space = fourComponents ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    if (kind == LibjpegKind::Ycck)
        jpeg_set_colorspace(&info, JCS_YCCK);
    info.arith_code = kind == LibjpegKind::Arithmetic;
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);

    QByteArray row(image.width() * info.input_components, '\0');
    auto* samples = reinterpret_cast<uchar*>(row.data());
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, int(info.next_scanline));
            const int r = qRed(colour);
            const int g = qGreen(colour);
            const int b = qBlue(colour);
            if (!fourComponents) {
                samples[3 * x + 0] = uchar(r);
                samples[3 * x + 1] = uchar(g);
                samples[3 * x + 2] = uchar(b);
                continue;
            }
            // Inverted samples: 255 - C, 255 - M, 255 - Y, 255 - K.
            const int mx = std::max({r, g, b});
            samples[4 * x + 0] = uchar(mx == 0 ? 0 : (r * 255 + mx / 2) / mx);
            samples[4 * x + 1] = uchar(mx == 0 ? 0 : (g * 255 + mx / 2) / mx);
            samples[4 * x + 2] = uchar(mx == 0 ? 0 : (b * 255 + mx / 2) / mx);
            samples[4 * x + 3] = uchar(mx);
        }
        JSAMPROW rows[1] = {samples};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray withExifOrientation(const QByteArray& jpeg, int orientation) {
    QByteArray tiff("MM\0\x2A", 4);
    tiff.append(QByteArray("\0\0\0\x08", 4)); // the first directory follows the header
    putBigEndian16(tiff, 1);                  // one entry
    putBigEndian16(tiff, 0x0112);             // Orientation
    putBigEndian16(tiff, 3);                  // SHORT
    tiff.append(QByteArray("\0\0\0\x01", 4)); // one value
    putBigEndian16(tiff, quint32(orientation));
    putBigEndian16(tiff, 0);
    tiff.append(QByteArray(4, '\0')); // no next directory

    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    putBigEndian16(segment, quint32(payload.size() + 2));
    segment.append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray withClaimedSize(const QByteArray& jpeg, QSize size) {
    const qsizetype frame = frameHeaderOffset(jpeg);
    if (frame < 0)
        throw std::invalid_argument("no frame header");
    QByteArray dimensions;
    putBigEndian16(dimensions, quint32(size.height()));
    putBigEndian16(dimensions, quint32(size.width()));
    QByteArray result = jpeg;
    result.replace(frame + 5, 4, dimensions);
    return result;
}

qsizetype firstScanOffset(const QByteArray& jpeg) {
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
        if (quint8(jpeg[at + 1]) == 0xDA)
            return at;
        at += 2 + bigEndian16(jpeg, at + 2);
    }
    return -1;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

QByteArray gif(const QImage& image) {
    const Indexed picture = indexed(image, 256);
    QByteArray out("GIF89a");
    put16(out, quint32(image.width()));
    put16(out, quint32(image.height()));
    put8(out, 0xF7); // a global colour table of 256 entries
    put8(out, 0);    // background colour
    put8(out, 0);    // aspect ratio
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < picture.palette.size() ? picture.palette[i] : 0;
        put8(out, quint32(qRed(colour)));
        put8(out, quint32(qGreen(colour)));
        put8(out, quint32(qBlue(colour)));
    }
    put8(out, ',');
    put16(out, 0);
    put16(out, 0);
    put16(out, quint32(image.width()));
    put16(out, quint32(image.height()));
    put8(out, 0); // no local colour table, not interlaced
    put8(out, 8); // the codes' starting size, less one

    // Every pixel its own 9-bit code, and a clear code before the table would need a
    // tenth bit: a valid stream no decoder can read as anything else.
    constexpr quint32 Clear = 256;
    constexpr quint32 End = 257;
    constexpr int LiteralsPerClear = 254;
    QByteArray codes;
    quint32 pending = 0;
    int pendingBits = 0;
    const auto putCode = [&](quint32 code) {
        pending |= code << pendingBits;
        pendingBits += 9;
        while (pendingBits >= 8) {
            put8(codes, pending);
            pending >>= 8;
            pendingBits -= 8;
        }
    };
    int literals = 0;
    for (const QList<quint8>& row : picture.rows) {
        for (const quint8 index : row) {
            if (literals++ % LiteralsPerClear == 0)
                putCode(Clear);
            putCode(index);
        }
    }
    putCode(End);
    if (pendingBits > 0)
        put8(codes, pending);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        put8(out, quint32(block.size()));
        out.append(block);
    }
    put8(out, 0);   // the image data's terminator
    put8(out, ';'); // the trailer
    return out;
}

QByteArray withPngDepth(const QByteArray& png, quint8 bitDepth, quint8 colourType) {
    // The header chunk: length at 8, type at 12, 13 bytes of fields at 16, CRC at 29.
    QByteArray out = png;
    out[16 + 8] = char(bitDepth);
    out[16 + 9] = char(colourType);
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = 12; i < 29; ++i) {
        crc ^= quint8(out[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    crc ^= 0xFFFFFFFFu;
    for (int i = 0; i < 4; ++i)
        out[29 + i] = char(crc >> (24 - 8 * i));
    return out;
}

QByteArray iconHolding(const QByteArray& png, QSize size) {
    QByteArray out;
    put16(out, 0);                           // reserved
    put16(out, 1);                           // an icon
    put16(out, 1);                           // one image
    put8(out, quint32(size.width()) & 0xFF); // 0 stands for 256
    put8(out, quint32(size.height()) & 0xFF);
    put8(out, 0); // no palette
    put8(out, 0);
    put16(out, 1);  // planes
    put16(out, 32); // bits a pixel
    put32(out, quint32(png.size()));
    put32(out, 6 + 16); // where the image starts: right after this entry
    return out + png;
}

QByteArray qtWritten(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error(std::string("Qt cannot write ") + format);
    return bytes;
}

QImage rotatedClockwise(const QImage& image) {
    QImage turned(image.height(), image.width(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            turned.setPixel(image.height() - 1 - y, x, image.pixel(x, y));
    }
    return turned;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace PictureFixtures
