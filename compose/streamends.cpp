#include "compose/streamends.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <array>

namespace Imaging {

namespace {

// The device's bytes in order, read a chunk at a time: Qt's bitmap reader and these
// walks read the same file, which may be opened unbuffered.
class Bytes {
public:
    explicit Bytes(QIODevice& device)
        : m_device(device) {}

    std::optional<quint8> next() {
        if (m_at == m_chunk.size() && !refill())
            return std::nullopt;
        return quint8(m_chunk[m_at++]);
    }

    // The next `count` bytes, each given to `take`; false when the device ends first.
    template <typename Take> bool pass(qint64 count, Take take) {
        while (count > 0) {
            if (m_at == m_chunk.size() && !refill())
                return false;
            const qsizetype n = qsizetype(std::min<qint64>(count, m_chunk.size() - m_at));
            take(reinterpret_cast<const uchar*>(m_chunk.constData()) + m_at, n);
            m_at += n;
            count -= n;
        }
        return true;
    }

    bool skip(qint64 count) {
        return pass(count, [](const uchar*, qsizetype) {});
    }

    std::optional<quint32> bigEndian32() {
        std::array<uchar, 4> word{};
        std::size_t filled = 0;
        if (!pass(4, [&](const uchar* data, qsizetype n) {
                for (qsizetype i = 0; i < n; ++i)
                    word[filled++] = data[i];
            }))
            return std::nullopt;
        return qFromBigEndian<quint32>(word.data());
    }

private:
    bool refill() {
        m_chunk = m_device.read(ChunkSize);
        m_at = 0;
        return !m_chunk.isEmpty();
    }

    static constexpr qint64 ChunkSize = 64 * 1024;
    QIODevice& m_device;
    QByteArray m_chunk;
    qsizetype m_at = 0;
};

// PNG's CRC-32 (ISO 3309, reflected, polynomial 0xEDB88320), a byte at a time.
constexpr std::array<quint32, 256> crcTable() {
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

class Crc32 {
public:
    void add(const uchar* data, qsizetype size) {
        for (qsizetype i = 0; i < size; ++i)
            m_value = Table[(m_value ^ data[i]) & 0xFF] ^ (m_value >> 8);
    }
    quint32 value() const { return m_value ^ 0xFFFFFFFFu; }

private:
    static constexpr std::array<quint32, 256> Table = crcTable();
    quint32 m_value = 0xFFFFFFFFu;
};

// GIF sub-blocks: a size byte and that many bytes, until a size of zero.
bool passSubBlocks(Bytes& bytes) {
    for (;;) {
        const std::optional<quint8> size = bytes.next();
        if (!size)
            return false;
        if (*size == 0)
            return true;
        if (!bytes.skip(*size))
            return false;
    }
}

qint64 colourTableBytes(quint8 flags) {
    return (flags & 0x80) ? 3 * (qint64(2) << (flags & 7)) : 0;
}

// The header chunk's fields as the PNG format allows them: a size of at least 1x1 and
// within libpng's default limit of a million pixels an axis, a bit depth the colour type
// has, and the only compression, filtering and interlacing methods there are.
bool validHeader(const QByteArray& header) {
    const auto* h = reinterpret_cast<const uchar*>(header.constData());
    const quint32 width = qFromBigEndian<quint32>(h);
    const quint32 height = qFromBigEndian<quint32>(h + 4);
    constexpr quint32 MaxSide = 1000000;
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide)
        return false;
    const int depth = h[8];
    bool depthFits = false;
    switch (h[9]) {
    case 0: // grey
        depthFits = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        break;
    case 3: // palette
        depthFits = depth == 1 || depth == 2 || depth == 4 || depth == 8;
        break;
    case 2: // RGB
    case 4: // grey and alpha
    case 6: // RGBA
        depthFits = depth == 8 || depth == 16;
        break;
    default:
        break;
    }
    return depthFits && h[10] == 0 && h[11] == 0 && h[12] <= 1;
}

} // namespace

std::optional<PictureProblem> runLengthProblem(QIODevice& device, qint64 height, bool nibbles) {
    Bytes bytes(device);
    qint64 row = 0;
    for (;;) {
        const std::optional<quint8> count = bytes.next();
        const std::optional<quint8> second = bytes.next();
        if (!count || !second)
            return PictureProblem::CutShort;
        if (*count != 0)
            continue; // a run: its count and its one colour
        switch (*second) {
        case 0: // end of line
            if (++row >= height)
                return std::nullopt;
            break;
        case 1: // end of bitmap
            return std::nullopt;
        case 2: { // delta: right, then up; the reader keeps it inside the picture
            const std::optional<quint8> right = bytes.next();
            const std::optional<quint8> up = bytes.next();
            if (!right || !up)
                return PictureProblem::CutShort;
            row = std::min(row + *up, height - 1);
            break;
        }
        default: { // a literal stretch of that many pixels, padded to a whole word
            const qint64 stored = nibbles ? (qint64(*second) + 1) / 2 : *second;
            if (!bytes.skip(stored + stored % 2))
                return PictureProblem::CutShort;
        }
        }
    }
}

std::optional<PictureProblem> pngProblem(QIODevice& device) {
    Bytes bytes(device);
    if (!bytes.skip(8))
        return PictureProblem::CutShort;
    bool first = true;
    for (;;) {
        const std::optional<quint32> length = bytes.bigEndian32();
        const std::optional<quint32> type = bytes.bigEndian32();
        if (!length || !type)
            return PictureProblem::CutShort;
        if (*length > 0x7FFFFFFFu)
            return PictureProblem::Damaged;
        // A critical chunk's type starts with a capital letter; libpng drops an ancillary
        // chunk with a wrong CRC and goes on, so only critical ones are checked.
        const bool critical = (*type & 0x20000000u) == 0;
        Crc32 crc;
        std::array<uchar, 4> typeBytes{};
        qToBigEndian(*type, typeBytes.data());
        crc.add(typeBytes.data(), 4);
        QByteArray header;
        if (!bytes.pass(*length, [&](const uchar* data, qsizetype n) {
                if (critical)
                    crc.add(data, n);
                if (first && header.size() < 13)
                    header.append(reinterpret_cast<const char*>(data), std::min<qsizetype>(n, 13));
            }))
            return PictureProblem::CutShort;
        const std::optional<quint32> stored = bytes.bigEndian32();
        if (!stored)
            return PictureProblem::CutShort;
        if (critical && *stored != crc.value())
            return PictureProblem::Damaged;
        if (first && (*type != 0x49484452u || *length != 13 || !validHeader(header))) // IHDR
            return PictureProblem::Damaged;
        if (*type == 0x49454E44u) // IEND
            return std::nullopt;
        first = false;
    }
}

std::optional<PictureProblem> gifProblem(QIODevice& device) {
    Bytes bytes(device);
    // The signature and the logical screen: its flags name the global colour table.
    if (!bytes.skip(10))
        return PictureProblem::CutShort;
    const std::optional<quint8> screenFlags = bytes.next();
    if (!screenFlags || !bytes.skip(2 + colourTableBytes(*screenFlags)))
        return PictureProblem::CutShort;
    for (;;) {
        const std::optional<quint8> introducer = bytes.next();
        if (!introducer)
            return PictureProblem::CutShort;
        switch (*introducer) {
        case 0x21: // an extension: its label, then its sub-blocks
            if (!bytes.skip(1) || !passSubBlocks(bytes))
                return PictureProblem::CutShort;
            break;
        case 0x2C: { // an image: its place and size, its flags, its colour table, its data
            if (!bytes.skip(8))
                return PictureProblem::CutShort;
            const std::optional<quint8> imageFlags = bytes.next();
            if (!imageFlags || !bytes.skip(colourTableBytes(*imageFlags) + 1) ||
                !passSubBlocks(bytes))
                return PictureProblem::CutShort;
            return std::nullopt;
        }
        default: // the trailer before any image, or no block at all: the reader says
            return std::nullopt;
        }
    }
}

std::optional<PictureProblem> iconProblem(QIODevice& device) {
    // The directory's header, then its first entry; the image's offset closes the entry.
    const QByteArray directory = device.read(6 + 16);
    if (directory.size() < 6 + 16)
        return std::nullopt; // the icon reader refuses it
    const auto* bytes = reinterpret_cast<const uchar*>(directory.constData());
    if (!device.seek(qFromLittleEndian<quint32>(bytes + 6 + 12)) ||
        !device.peek(8).startsWith("\x89PNG\r\n\x1A\n"))
        return std::nullopt;
    return pngProblem(device);
}

std::optional<PictureProblem> xbmProblem(const QByteArray& text, QSize size) {
    const qsizetype open = text.indexOf('{');
    const qsizetype close = text.indexOf('}', open + 1);
    if (open < 0 || close < 0)
        return PictureProblem::CutShort;
    static const QRegularExpression Value(QStringLiteral("0[xX][0-9a-fA-F]+"));
    const QString data = QString::fromLatin1(text.mid(open + 1, close - open - 1));
    qint64 values = 0;
    for (auto it = Value.globalMatch(data); it.hasNext(); it.next())
        ++values;
    const qint64 needed = (qint64(size.width()) + 7) / 8 * size.height();
    return values < needed ? std::optional(PictureProblem::CutShort) : std::nullopt;
}

} // namespace Imaging
