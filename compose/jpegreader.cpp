// JPEG files are read with libjpeg itself rather than through Qt's JPEG plugin: no image
// plugin is looked up and loaded at the first read, the decoder's warnings reach this read
// alone (Qt's plugin only logs them, process-wide), its memory cap is set on the decoder
// (not in the environment), and the rows go straight into the picture. Every step that
// shapes the pixels follows Qt's reader (the DCT scale it would choose, its colour
// handling, the resolution, its final smooth scale, the EXIF orientation), so the result
// is the same picture; tst_loader holds the two side by side.
#include "compose/jpegreader.h"

#include "compose/imaging.h"

#include <QColorSpace>
#include <QDataStream>
#include <QIODevice>
#include <QImageIOHandler>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstring>
#include <memory>

extern "C" {
#include <jpeglib.h>
// After jpeglib.h, which it relies on.
#include <jerror.h>
}

namespace Imaging {

QSize jpegDecodeSize(QSize stored, QSize cover) {
    // The reader picks its DCT scale from the size asked for; rounding down keeps it at M
    // (rounding up would tip it to M + 1), and when the sizes divide evenly, as camera
    // sizes do, it need not resample at all.
    for (int m = 1; m < 8; ++m) {
        const qint64 w = qint64(stored.width()) * m;
        const qint64 h = qint64(stored.height()) * m;
        if (w / 8 >= cover.width() && h / 8 >= cover.height())
            return QSize(int(w / 8), int(h / 8));
    }
    return stored;
}

namespace {

// A progressive or multi-scan picture keeps all its coefficients at full size, whatever
// size it is decoded at, so a small file claiming a huge frame would take gigabytes; past
// this the decoder gives up ("too large").
constexpr long DecoderMemoryCap = 512L * 1024 * 1024;

constexpr qint64 InputChunk = 64 * 1024;

struct Source : jpeg_source_mgr {
    QIODevice* device = nullptr;
    JOCTET buffer[InputChunk];
};

// libjpeg's way out of a fatal error is error_exit, which must not return; it jumps back
// to the step that started (no C++ exception may cross libjpeg's C frames).
struct Errors : jpeg_error_mgr {
    std::jmp_buf jump;
    bool damaged = false;
    bool tooLarge = false;

    void note(int code) {
        // The data ended early or lost its place: part of the picture would be grey
        // filling. Other warnings (stray bytes between markers) are common in good files.
        if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC)
            damaged = true;
        if (code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE)
            tooLarge = true;
    }
};

extern "C" {

void initSource(j_decompress_ptr) {}

boolean fillInput(j_decompress_ptr info) {
    auto* source = static_cast<Source*>(info->src);
    const qint64 got =
        source->device->read(reinterpret_cast<char*>(source->buffer), qint64(InputChunk));
    source->next_input_byte = source->buffer;
    if (got > 0) {
        source->bytes_in_buffer = std::size_t(got);
        return TRUE;
    }
    // The file ends before the picture does: an end marker, as libjpeg advises. The decoder
    // then warns of the early end if it still needed data.
    source->buffer[0] = JOCTET(0xFF);
    source->buffer[1] = JOCTET(JPEG_EOI);
    source->bytes_in_buffer = 2;
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count) {
    auto* source = static_cast<Source*>(info->src);
    if (count <= 0)
        return;
    while (count > long(source->bytes_in_buffer)) {
        count -= long(source->bytes_in_buffer);
        fillInput(info);
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= std::size_t(count);
}

void termSource(j_decompress_ptr) {}

[[noreturn]] void onFatal(j_common_ptr info) {
    auto* errors = static_cast<Errors*>(info->err);
    errors->note(errors->msg_code);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    if (level >= 0)
        return; // trace output
    auto* errors = static_cast<Errors*>(info->err);
    ++errors->num_warnings;
    errors->note(errors->msg_code);
}

} // extern "C"

// How decoded rows become the picture's pixels.
enum class Rows {
    Pixels, // four bytes a pixel in Format_RGB32's order, straight into the picture
    Rgb,    // three bytes a pixel, converted
    Cmyk,   // four bytes a pixel (Adobe's inverted CMYK), converted as Qt's reader does
    Grey,   // one byte a pixel, straight into a Format_Grayscale8 picture
};

// The libjpeg side of one read. Each step runs under its own setjmp and holds nothing
// but plain values across it; a step returns false when the decoder gave up.
class Decoder {
public:
    explicit Decoder(QIODevice& device) {
        m_source.device = &device;
        m_source.init_source = initSource;
        m_source.fill_input_buffer = fillInput;
        m_source.skip_input_data = skipInput;
        m_source.resync_to_restart = jpeg_resync_to_restart;
        m_source.term_source = termSource;
        m_source.bytes_in_buffer = 0;
        m_source.next_input_byte = nullptr;
        m_info.err = jpeg_std_error(&m_errors);
        m_errors.error_exit = onFatal;
        m_errors.emit_message = onMessage;
    }
    ~Decoder() {
        if (m_created)
            jpeg_destroy_decompress(&m_info);
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    const Errors& errors() const { return m_errors; }
    const jpeg_decompress_struct& info() const { return m_info; }

    bool readHeader() {
        if (setjmp(m_errors.jump))
            return false;
        jpeg_create_decompress(&m_info);
        m_created = true;
        m_info.mem->max_memory_to_use = DecoderMemoryCap;
        m_info.src = &m_source;
        jpeg_save_markers(&m_info, JPEG_APP0 + 1, 0xFFFF); // EXIF
        jpeg_save_markers(&m_info, JPEG_APP0 + 2, 0xFFFF); // ICC profile
        jpeg_read_header(&m_info, TRUE);
        // The output as decoded at full scale: its components tell the row layout.
        jpeg_calc_output_dimensions(&m_info);
        return true;
    }

    // Sets the DCT scale M/8 and the row layout; the output size follows.
    bool plan(int scaleNum, Rows rows) {
        if (setjmp(m_errors.jump))
            return false;
        m_info.scale_num = unsigned(scaleNum);
        m_info.scale_denom = 8;
#ifdef JCS_EXTENSIONS
        if (rows == Rows::Pixels)
            m_info.out_color_space =
                QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
#else
        Q_UNUSED(rows);
#endif
        jpeg_calc_output_dimensions(&m_info);
        return true;
    }

    bool decode(QImage* image, Rows rows) {
        if (setjmp(m_errors.jump))
            return false;
        JSAMPARRAY scratch = nullptr;
        if (rows == Rows::Rgb || rows == Rows::Cmyk)
            scratch =
                (m_info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&m_info), JPOOL_IMAGE,
                                           m_info.output_width * m_info.output_components, 1);
        jpeg_start_decompress(&m_info);
        while (m_info.output_scanline < m_info.output_height) {
            const int y = int(m_info.output_scanline);
            uchar* line = image->scanLine(y);
            if (scratch == nullptr) {
                JSAMPROW row = line;
                jpeg_read_scanlines(&m_info, &row, 1);
                continue;
            }
            jpeg_read_scanlines(&m_info, scratch, 1);
            const JSAMPLE* in = scratch[0];
            auto* out = reinterpret_cast<QRgb*>(line);
            for (JDIMENSION x = 0; x < m_info.output_width; ++x) {
                if (rows == Rows::Rgb) {
                    out[x] = qRgb(in[0], in[1], in[2]);
                    in += 3;
                } else {
                    const int k = in[3];
                    out[x] = qRgb(k * in[0] / 255, k * in[1] / 255, k * in[2] / 255);
                    in += 4;
                }
            }
        }
        jpeg_finish_decompress(&m_info);
        return true;
    }

private:
    jpeg_decompress_struct m_info{};
    Errors m_errors{};
    Source m_source{};
    bool m_created = false;
};

// The EXIF orientation, 1 to 8, as Qt's reader finds it: the first orientation entry along
// the chain of image directories (at most 10); 0 where there is none, -1 where the data is
// not EXIF or is broken.
int exifOrientation(const QByteArray& exif) {
    QDataStream stream(exif);
    char magic[6];
    if (stream.readRawData(magic, 6) != 6 || std::memcmp(magic, "Exif\0\0", 6) != 0)
        return -1;
    constexpr qint64 HeaderSize = 6;
    quint16 order = 0;
    stream >> order;
    if (order == 0x4949)
        stream.setByteOrder(QDataStream::LittleEndian);
    else if (order == 0x4D4D)
        stream.setByteOrder(QDataStream::BigEndian);
    else
        return -1;
    quint16 check = 0;
    stream >> check;
    if (check != 0x2A)
        return -1;
    quint32 offset = 0;
    stream >> offset;
    for (int directory = 0; directory < 10; ++directory) {
        const qint64 skip = qint64(offset) - (stream.device()->pos() - HeaderSize);
        // Going backwards is allowed by the format but not followed, as in Qt's reader.
        if (skip < 0 || qint64(offset) + HeaderSize >= exif.size())
            return -1;
        if (skip != 0 && !stream.device()->seek(qint64(offset) + HeaderSize))
            return -1;
        quint16 entries = 0;
        stream >> entries;
        for (; entries > 0 && stream.status() == QDataStream::Ok; --entries) {
            quint16 tag = 0;
            quint16 type = 0;
            quint32 count = 0;
            quint16 value = 0;
            quint16 padding = 0;
            stream >> tag >> type >> count >> value >> padding;
            if (tag == 0x0112) {
                if (count != 1 || type != 3 || value < 1 || value > 8)
                    return -1;
                return value;
            }
        }
        stream >> offset;
        if (stream.status() != QDataStream::Ok)
            return -1;
        if (offset == 0)
            return 0;
    }
    return -1;
}

QImageIOHandler::Transformations transformationFor(int orientation) {
    switch (orientation) {
    case 2:
        return QImageIOHandler::TransformationMirror;
    case 3:
        return QImageIOHandler::TransformationRotate180;
    case 4:
        return QImageIOHandler::TransformationFlip;
    case 5:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case 6:
        return QImageIOHandler::TransformationRotate90;
    case 7:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case 8:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

// Turns the picture upright, in the order Qt's reader does.
QImage applied(QImage image, QImageIOHandler::Transformations turn) {
    if (turn == QImageIOHandler::TransformationNone)
        return image;
    if (turn == QImageIOHandler::TransformationRotate270)
        return image.transformed(QTransform().rotate(270));
    image = image.mirrored(turn & QImageIOHandler::TransformationMirror,
                           turn & QImageIOHandler::TransformationFlip);
    if (turn & QImageIOHandler::TransformationRotate90)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// `gaveUp`: the decoder stopped; else it finished but warned.
[[noreturn]] void failRead(const Errors& errors, const QString& path, bool gaveUp) {
    if (errors.tooLarge)
        throw PictureError(path, PictureProblem::TooLarge);
    throw PictureError(path, gaveUp ? PictureProblem::Damaged : PictureProblem::CutShort);
}

} // namespace

QImage readJpeg(QIODevice& device, const QString& path, QSize cover) {
    // Holds a 64 KiB input buffer: on the heap.
    const auto decoder = std::make_unique<Decoder>(device);
    const auto fail = [&](bool gaveUp) {
        failRead(decoder->errors(), path, gaveUp);
    };
    if (!decoder->readHeader())
        fail(true);
    const jpeg_decompress_struct& info = decoder->info();
    const QSize stored(int(info.image_width), int(info.image_height));

    QByteArray exif;
    QByteArray icc;
    for (jpeg_saved_marker_ptr m = info.marker_list; m != nullptr; m = m->next) {
        const auto* data = reinterpret_cast<const char*>(m->data);
        if (m->marker == JPEG_APP0 + 1) {
            exif.append(data, qsizetype(m->data_length));
        } else if (m->marker == JPEG_APP0 + 2 && m->data_length > 128 + 4 + 14 &&
                   std::memcmp(data, "ICC_PROFILE", 12) == 0) {
            // Each chunk: the name, its number and the count, then the profile's part.
            icc.append(data + 14, qsizetype(m->data_length) - 14);
        }
    }
    const int orientation = exif.isEmpty() ? 0 : exifOrientation(exif);
    const QImageIOHandler::Transformations turn = transformationFor(orientation);

    // The size asked for and the DCT scale for it, as Qt's reader chooses them.
    QSize decode = stored;
    if (!cover.isEmpty()) {
        QSize need = cover;
        if (turn & QImageIOHandler::TransformationRotate90)
            need.transpose();
        decode = jpegDecodeSize(stored, need);
    }
    const bool reduced = decode != stored;
    int scaleNum = 8;
    if (reduced) {
        const double f = std::min(double(stored.width()) / decode.width(),
                                  double(stored.height()) / decode.height());
        scaleNum = std::clamp(qCeil(8 / f), 1, 8);
    }

    Rows rows;
    QImage::Format format = QImage::Format_RGB32;
    if (info.output_components == 1) {
        rows = Rows::Grey;
        format = QImage::Format_Grayscale8;
    } else if (info.output_components == 3) {
#ifdef JCS_EXTENSIONS
        rows = info.out_color_space == JCS_RGB ? Rows::Pixels : Rows::Rgb;
#else
        rows = Rows::Rgb;
#endif
    } else if (info.output_components == 4 && info.out_color_space == JCS_CMYK) {
        rows = Rows::Cmyk;
    } else {
        throw PictureError(path, PictureProblem::Damaged);
    }
    if (!decoder->plan(scaleNum, rows))
        fail(true);
    // The decoder's output, never smaller than the size asked for.
    const QSize out(int(info.output_width), int(info.output_height));
    if (exceedsAllocationLimit(out.width(), out.height()))
        throw PictureError(path, PictureProblem::TooLarge);
    QImage image(out, format);
    if (image.isNull())
        throw PictureError(path, PictureProblem::TooLarge);
    if (!decoder->decode(&image, rows))
        fail(true);
    if (decoder->errors().tooLarge || decoder->errors().damaged)
        fail(false);

    if (info.density_unit == 1) { // dots per inch
        image.setDotsPerMeterX(int(100. * info.X_density / 2.54));
        image.setDotsPerMeterY(int(100. * info.Y_density / 2.54));
    } else if (info.density_unit == 2) { // dots per centimetre
        image.setDotsPerMeterX(int(100. * info.X_density));
        image.setDotsPerMeterY(int(100. * info.Y_density));
    } else { // only an aspect ratio, or nothing
        image.setDotsPerMeterX(DefaultDotsPerMeter);
        image.setDotsPerMeterY(DefaultDotsPerMeter);
    }
    if (reduced && decode != out)
        image = image.scaled(decode, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!icc.isEmpty())
        image.setColorSpace(QColorSpace::fromIccProfile(icc));
    return applied(std::move(image), turn);
}

} // namespace Imaging
