#include "export/codepage.h"

#ifdef Q_OS_WIN
#include <QStringEncoder>
#endif

#include <array>

namespace {

#ifndef Q_OS_WIN
// Qt converts only Unicode and Latin-1 without ICU; Windows-1252 differs from Latin-1
// in 0x80..0x9F alone, so that row is spelled out here.
constexpr std::array<char16_t, 32> Row80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> windows1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < Row80.size(); ++i)
        if (Row80[i] != 0 && Row80[i] == c)
            return char(0x80 + i);
    return std::nullopt;
}
#endif

} // namespace

std::optional<QByteArray> encodeForHost(const QString& text) {
#ifdef Q_OS_WIN
    // Windows maps the code page's unassigned bytes to the C1 controls both ways, so they
    // would pass the round trip below; they are no letters a name can hold.
    for (const QChar ch : text)
        if (ch.unicode() >= 0x80 && ch.unicode() <= 0x9F)
            return std::nullopt;
    QStringEncoder encoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || QStringDecoder(QStringConverter::System).decode(bytes) != text)
        return std::nullopt;
    return bytes;
#else
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const auto b = windows1252(ch.unicode());
        if (!b)
            return std::nullopt;
        bytes.append(*b);
    }
    return bytes;
#endif
}
