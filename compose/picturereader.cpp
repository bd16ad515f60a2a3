#include "compose/imaging.h"
#include "compose/jpegreader.h"
#include "compose/picturefile.h"
#include "compose/streamends.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>

// Reading a picture file into the internal format, with the workarounds for what Qt's
// decoders get wrong or leave unsaid. Each workaround says when it can go.
namespace Imaging {

namespace {

[[noreturn]] void failRead(const QString& path, const QImageReader& reader) {
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError:
        throw PictureError(path, PictureProblem::OpenFailed, reader.errorString());
    case QImageReader::UnsupportedFormatError:
        throw PictureError(path, PictureProblem::NotAPicture);
    case QImageReader::InvalidDataError:
        if (reader.errorString().contains(QLatin1String("limit"), Qt::CaseInsensitive))
            throw PictureError(path, PictureProblem::TooLarge);
        break;
    case QImageReader::UnknownError:
        break;
    }
    throw PictureError(path, PictureProblem::Damaged);
}

struct ProblemWords {
    PictureProblem problem;
    const char* reason;   // English, as reason() gives it; %1: the system's words
    const char* sentence; // for the user; %1: the file's path, %2: the system's words
};

// Each problem's whole sentence, as the window's message box and --export show it.
constexpr ProblemWords ProblemTable[] = {
    {PictureProblem::OpenFailed, "cannot be opened: %1",
     //: Load Image's and --export's message. %1: the picture's path; %2: the
     //: system's reason.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (cannot be opened: %2)")},
    {PictureProblem::Folder, "cannot be opened: it is a folder",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture",
                       "The picture could not be loaded: %1 (cannot be opened: it is a folder)")},
    {PictureProblem::Fifo, "cannot be opened: it is a FIFO, not a file",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (cannot be opened: it is "
                                  "a FIFO, not a file)")},
    {PictureProblem::Socket, "cannot be opened: it is a socket, not a file",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (cannot be opened: it is "
                                  "a socket, not a file)")},
    {PictureProblem::Device, "cannot be opened: it is a device, not a file",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (cannot be opened: it is "
                                  "a device, not a file)")},
    {PictureProblem::NotRegular, "cannot be opened: it is not a regular file",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (cannot be opened: it is "
                                  "not a regular file)")},
    {PictureProblem::Empty, "the file is empty",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (the file is empty)")},
    {PictureProblem::NotAPicture, "not a picture",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (not a picture)")},
    {PictureProblem::TooLarge, "too large",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (too large)")},
    {PictureProblem::Damaged, "damaged",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (damaged)")},
    {PictureProblem::CutShort, "damaged: the file ends before the picture does",
     //: Load Image's and --export's message. %1: the picture's path.
     QT_TRANSLATE_NOOP("Picture", "The picture could not be loaded: %1 (damaged: the file ends "
                                  "before the picture does)")},
};

const ProblemWords& wordsFor(PictureProblem problem) {
    for (const ProblemWords& words : ProblemTable)
        if (words.problem == problem)
            return words;
    Q_UNREACHABLE();
}

QString sentence(const QString& path, PictureProblem problem, const QString& systemReason) {
    const QString text = QCoreApplication::translate("Picture", wordsFor(problem).sentence);
    const QString native = QDir::toNativeSeparators(path);
    // In one pass: a "%1" in the path stays as it is.
    return problem == PictureProblem::OpenFailed ? text.arg(native, systemReason)
                                                 : text.arg(native);
}

// What a Windows bitmap's headers say, as far as the workarounds below need it.
struct BitmapHeader {
    // The file header, a 40-byte info header and the four channel masks that follow it
    // (three after a plain 40-byte header, four opening the rest of a V4 or V5 one).
    static constexpr int PeekSize = 14 + 40 + 16;

    qint64 offset = 0;
    qint64 headerSize = 0;
    qint64 colours = 0; // the palette's declared size; 0: as many as the depth allows
    qint64 width = 0;
    qint64 height = 0;
    qint64 bits = 0;
    qint64 compression = 0;
    // Red, green, blue, alpha; zero where the file has none. BI_RGB 16-bit is 5-5-5.
    std::array<quint32, 4> masks{};

    static std::optional<BitmapHeader> parse(const QByteArray& peeked) {
        if (peeked.size() < 26 || !peeked.startsWith("BM"))
            return std::nullopt;
        // A fixed, zero-filled copy: every field below can be read without a size check.
        std::array<uchar, PeekSize> head{};
        std::memcpy(head.data(), peeked.constData(),
                    std::size_t(std::min<qsizetype>(peeked.size(), qsizetype(head.size()))));
        const auto u16 = [&](int at) {
            return qFromLittleEndian<quint16>(head.data() + at);
        };
        const auto u32 = [&](int at) {
            return qFromLittleEndian<quint32>(head.data() + at);
        };
        const auto i32 = [&](int at) {
            return qFromLittleEndian<qint32>(head.data() + at);
        };
        BitmapHeader h;
        h.offset = u32(10);
        const qint64 headerSize = u32(14);
        h.headerSize = headerSize;
        if (headerSize == 12) {
            h.width = u16(18);
            h.height = u16(20);
            h.bits = u16(24);
            return h;
        }
        if (headerSize < 40 || peeked.size() < 34)
            return std::nullopt;
        h.width = i32(18);
        h.height = std::abs(qint64(i32(22)));
        h.bits = u16(28);
        h.compression = u32(30);
        h.colours = u32(46);
        if (h.compression == 3) {
            // BI_BITFIELDS: the masks follow a 40-byte header or open a longer one; an
            // alpha mask exists only inside a V4 or V5 header.
            h.masks = {u32(54), u32(58), u32(62), headerSize >= 108 ? u32(66) : 0};
        } else if (h.compression == 0 && h.bits == 16) {
            h.masks = {0x7C00, 0x03E0, 0x001F, 0};
        }
        return h;
    }

    // The bitmap reader fills rows missing from a cut file with black and refuses huge
    // headers without saying why; the header tells both before any pixel is read. Can go
    // when the reader fails on a cut file by itself (Qt 6.4 does not).
    std::optional<PictureProblem> problem(qint64 fileSize) const {
        if (width <= 0 || height <= 0)
            return std::nullopt; // the reader itself refuses these
        if (exceedsAllocationLimit(width, height))
            return PictureProblem::TooLarge;
        const bool uncompressed = compression == 0 || compression == 3;
        if (uncompressed &&
            (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) {
            const qint64 stride = (width * bits + 31) / 32 * 4;
            // The last row's padding may be missing: some writers leave it out.
            const qint64 needed = offset + stride * (height - 1) + (width * bits + 7) / 8;
            if (fileSize < needed)
                return PictureProblem::CutShort;
        }
        return std::nullopt;
    }

    bool runLengthEncoded() const {
        return (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
    }

    // Where the reader starts on the pixels: at the declared offset, unless that points
    // into the headers or the palette, which the reader reads first whatever it says.
    qint64 pixelStart() const {
        const qint64 paletteEntries = colours != 0 ? colours : bits <= 8 ? qint64(1) << bits : 0;
        return std::max(offset, 14 + headerSize + 4 * paletteEntries);
    }
};

// The number of bits a contiguous channel mask holds; 0 for an empty or broken one.
int maskWidth(quint32 mask) {
    if (mask == 0)
        return 0;
    const quint32 low = mask >> std::countr_zero(mask);
    return (low & (low + 1)) == 0 ? std::popcount(low) : 0;
}

// Channels of fewer than 8 bits to the full 0..255 range by repeating their bits
// (5 bits abcde become abcdeabc), so that the largest value is 255. The bitmap reader
// shifts them up instead, leaving white at 248 (5 bits) or 252 (6 bits). The reader's
// value keeps the channel's bits at the top in either case, so this also holds where it
// already expands. Can go when Qt's bitmap reader reads a 5-5-5 white as 255 (Qt 6.4
// reads 248).
QImage expandNarrowChannels(QImage image, const BitmapHeader& header) {
    if (header.bits != 16 && header.bits != 32)
        return image;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        return image;
    // One table per channel, in the order of the masks: red, green, blue, alpha.
    std::array<std::array<uchar, 256>, 4> tables{};
    bool any = false;
    for (std::size_t c = 0; c < tables.size(); ++c) {
        const int width = maskWidth(header.masks[c]);
        for (int v = 0; v < 256; ++v) {
            if (width == 0 || width >= 8) {
                tables[c][v] = uchar(v);
                continue;
            }
            int out = (v >> (8 - width)) << (8 - width);
            for (int filled = width; filled < 8; filled *= 2)
                out |= out >> filled;
            tables[c][v] = uchar(out);
        }
        any = any || (width > 0 && width < 8);
    }
    if (!any)
        return image;
    const bool alpha = image.format() == QImage::Format_ARGB32;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(tables[0][qRed(p)], tables[1][qGreen(p)], tables[2][qBlue(p)],
                            alpha ? tables[3][qAlpha(p)] : 255);
        }
    }
    return image;
}

// Many writers leave the alpha bytes of a 32-bit bitmap at zero although the header names
// an alpha mask; Windows shows such files opaque, and so do we. A picture with any alpha
// above zero keeps it and is flattened as usual. Can go only if Qt's bitmap reader
// itself treats an all-zero alpha as opaque (Qt 6.4 reads it as fully transparent).
QImage opaqueWhenAlphaIsUnset(QImage image) {
    if (image.format() != QImage::Format_ARGB32)
        return image;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0)
                return image;
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// Qt's image plugins and the libraries under them log what they find wrong with a file
// (libpng's warnings, "XPM pixels missing ...") on their own; the loader's one sentence
// says it instead. Only the reading thread's messages are dropped, and only during a
// read; the rest go on to the handler that was there before.
thread_local int t_reading = 0;

void dropWhileReading(QtMsgType type, const QMessageLogContext& context, const QString& text);

QtMessageHandler passOn() {
    // Installed on first use; a message another thread logs meanwhile waits for it here.
    static const QtMessageHandler next = qInstallMessageHandler(dropWhileReading);
    return next;
}

void dropWhileReading(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (t_reading > 0 && type != QtFatalMsg)
        return;
    if (const QtMessageHandler next = passOn())
        next(type, context, text);
}

class QuietRead {
public:
    QuietRead() {
        passOn();
        ++t_reading;
    }
    ~QuietRead() { --t_reading; }
    QuietRead(const QuietRead&) = delete;
    QuietRead& operator=(const QuietRead&) = delete;
};

// What the walks in streamends.h find, for the formats Qt's reader leaves it unsaid: a
// run-length bitmap or a GIF cut short reads as a partly filled picture, a cut or broken
// PNG (alone or inside an icon) has libpng print its own line. The file is back at its
// start afterwards. A format's walk can go when its Qt reader fails on such a file by
// itself, without a line of its own (Qt 6.4 does not).
std::optional<PictureProblem> streamProblem(QFile& file, const QByteArray& head,
                                            const std::optional<BitmapHeader>& bitmap) {
    std::optional<PictureProblem> problem;
    if (bitmap && bitmap->runLengthEncoded() && bitmap->width > 0 && bitmap->height > 0) {
        if (!file.seek(bitmap->pixelStart()))
            return PictureProblem::CutShort;
        problem = runLengthProblem(file, bitmap->height, bitmap->compression == 2);
    } else if (head.startsWith("\x89PNG\r\n\x1A\n")) {
        problem = pngProblem(file);
    } else if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) {
        problem = gifProblem(file);
    } else if (head.startsWith(QByteArrayView("\0\0\1\0", 4)) ||
               head.startsWith(QByteArrayView("\0\0\2\0", 4))) {
        problem = iconProblem(file); // an icon, or a cursor
    } else {
        return std::nullopt;
    }
    file.seek(0);
    return problem;
}

} // namespace

PictureError::PictureError(const QString& path, PictureProblem problem, const QString& systemReason)
    : std::runtime_error(sentence(path, problem, systemReason).toStdString())
    , m_path(path)
    , m_problem(problem)
    , m_systemReason(systemReason) {}

QString PictureError::reason() const {
    const QString words = QString::fromLatin1(wordsFor(m_problem).reason);
    return m_problem == PictureProblem::OpenFailed ? words.arg(m_systemReason) : words;
}

QString PictureError::message() const {
    return QString::fromStdString(what());
}

QImage readPicture(const QString& path, QSize cover) {
    const QuietRead quiet;
    QFile file;
    if (const OpenProblem opened = openRegularFile(file, path); opened.problem)
        throw PictureError(path, *opened.problem, opened.systemReason);
    if (file.size() == 0)
        throw PictureError(path, PictureProblem::Empty);
    const QByteArray head = file.peek(BitmapHeader::PeekSize);
    const std::optional<BitmapHeader> bitmap = BitmapHeader::parse(head);
    if (bitmap) {
        if (const std::optional<PictureProblem> problem = bitmap->problem(file.size()))
            throw PictureError(path, *problem);
    }
    if (const std::optional<PictureProblem> problem = streamProblem(file, head, bitmap))
        throw PictureError(path, *problem);
    // A JPEG starts with its start-of-image marker, which is all Qt's reader checks too.
    if (head.size() >= 2 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8)
        return toInternal(readJpeg(file, path, cover));

    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(AllocationLimitMiB);
    if (!reader.canRead())
        throw PictureError(path, PictureProblem::NotAPicture);

    const QByteArray format = reader.format();
    if (const QSize size = reader.size();
        size.isValid() && exceedsAllocationLimit(size.width(), size.height()))
        throw PictureError(path, PictureProblem::TooLarge);

    QImage image = reader.read();
    if (image.isNull())
        failRead(path, reader);
    // The X bitmap reader leaves the rows a cut file lacks blank.
    if (format == "xbm" && file.seek(0)) {
        if (const std::optional<PictureProblem> problem = xbmProblem(file.readAll(), image.size()))
            throw PictureError(path, *problem);
    }
    if (format == "bmp" && bitmap)
        image = opaqueWhenAlphaIsUnset(expandNarrowChannels(std::move(image), *bitmap));
    // A bitmap always names its resolution; other formats may leave Qt's default.
    if (const QImage fresh(1, 1, QImage::Format_RGB32);
        format != "bmp" && image.dotsPerMeterX() == fresh.dotsPerMeterX() &&
        image.dotsPerMeterY() == fresh.dotsPerMeterY()) {
        image.setDotsPerMeterX(DefaultDotsPerMeter);
        image.setDotsPerMeterY(DefaultDotsPerMeter);
    }
    return toInternal(image);
}

} // namespace Imaging
