#include "export/codepage.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QtGlobal>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <iconv.h>
#endif

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Each code page with the locales that take it: a language ("ru"), a language in one
// territory ("zh_TW") or a language in one script ("sr@latin"). Anything not listed, the
// Western languages among it, reads in 1252.
struct CodePageLocales {
    int codePage;
    std::string_view locales; // separated by single blanks
};
constexpr std::array<CodePageLocales, 13> LocaleTable = {{
    {1250, "cs hu pl ro sk sl hr sq bs tk sr@latin"},
    {1251, "ru uk be bg mk sr kk ky tt mn tg ba sah uz@cyrillic"},
    {1253, "el"},
    {1254, "tr az uz"},
    {1255, "he yi"},
    {1256, "ar fa ur ps ug ckb"},
    {1257, "et lv lt"},
    {1258, "vi"},
    {874, "th"},
    {932, "ja"},
    {936, "zh"},
    {949, "ko"},
    {950, "zh_TW zh_HK zh_MO"},
}};

// The code page of the locale `language` followed by `qualifier` ("_TW", "@latin" or none).
std::optional<int> codePageOf(std::string_view language, std::string_view qualifier) {
    for (const CodePageLocales& row : LocaleTable) {
        for (std::string_view rest = row.locales; !rest.empty();) {
            const std::size_t end = std::min(rest.find(' '), rest.size());
            const std::string_view entry = rest.substr(0, end);
            if (entry.size() == language.size() + qualifier.size() && entry.starts_with(language) &&
                entry.ends_with(qualifier))
                return row.codePage;
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
    }
    return std::nullopt;
}

// The double-byte code pages, and UTF-8 where Windows is set to use it; every other one
// holds a character in one byte.
bool isMultiByte(int codePage) {
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 ||
           codePage == 65001;
}

#ifdef Q_OS_WIN
std::optional<QByteArray> encodeWindows(const QString& text, int codePage) {
    const auto cp = UINT(codePage);
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    // UTF-8 takes neither the best-fit flag nor the default-character report; the round
    // trip below catches what it cannot hold (a lone surrogate).
    const bool utf8 = cp == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const used = utf8 ? nullptr : &usedDefault;
    const int size = WideCharToMultiByte(cp, flags, wide, length, nullptr, 0, nullptr, used);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    if (WideCharToMultiByte(cp, flags, wide, length, bytes.data(), size, nullptr, used) != size ||
        usedDefault)
        return std::nullopt;
    const int back =
        MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.constData(), size, nullptr, 0);
    if (back <= 0)
        return std::nullopt;
    QString decoded(back, Qt::Uninitialized);
    if (MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.constData(), size,
                            reinterpret_cast<wchar_t*>(decoded.data()), back) != back ||
        decoded != text)
        return std::nullopt;
    return bytes;
}
#else
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

std::optional<QByteArray> encode1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const auto b = windows1252(ch.unicode());
        if (!b)
            return std::nullopt;
        bytes.append(*b);
    }
    return bytes;
}

// An iconv descriptor, closed however the conversion ends.
class Converter {
public:
    Converter(const QByteArray& to, const QByteArray& from)
        : m_cd(iconv_open(to.constData(), from.constData())) {}
    ~Converter() {
        if (isOpen())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // iconv_open fails with (iconv_t)-1.
    bool isOpen() const { return reinterpret_cast<std::intptr_t>(m_cd) != -1; }

    // The whole input converted, or empty at the first sequence the other side cannot hold.
    std::optional<QByteArray> convert(QByteArray input) {
        // Grown on E2BIG: decoding may write three bytes of UTF-8 for one byte in.
        QByteArray output(input.size() + 16, Qt::Uninitialized);
        char* in = input.data();
        std::size_t inLeft = std::size_t(input.size());
        std::size_t done = 0;
        for (bool flushed = false; !flushed;) {
            char* out = output.data() + done;
            std::size_t outLeft = std::size_t(output.size()) - done;
            // With the input used up, a null input makes a converter write what it held
            // back (glibc's Vietnamese one holds a letter for a following tone mark).
            const bool flushing = inLeft == 0;
            const std::size_t result = flushing ? iconv(m_cd, nullptr, nullptr, &out, &outLeft)
                                                : iconv(m_cd, &in, &inLeft, &out, &outLeft);
            done = std::size_t(out - output.data());
            if (result == std::size_t(-1)) {
                if (errno != E2BIG)
                    return std::nullopt;
                output.resize(2 * output.size());
            } else {
                flushed = flushing;
            }
        }
        output.truncate(qsizetype(done));
        return output;
    }

private:
    iconv_t m_cd;
};

// No //TRANSLIT or //IGNORE: a character the code page lacks is an error, not a lookalike.
std::optional<QByteArray> encodeIconv(const QString& text, int codePage) {
    const QByteArray name = "CP" + QByteArray::number(codePage);
    Converter encoder(name, "UTF-8");
    Converter decoder("UTF-8", name);
    if (!encoder.isOpen() || !decoder.isOpen())
        return std::nullopt;
    std::optional<QByteArray> bytes = encoder.convert(text.toUtf8());
    if (!bytes)
        return std::nullopt;
    const std::optional<QByteArray> back = decoder.convert(*bytes);
    if (!back || QString::fromUtf8(*back) != text)
        return std::nullopt;
    return bytes;
}
#endif

} // namespace

int codePageForLocale(QByteArrayView localeName) {
    // language[_territory][.codeset][@modifier]. Wine takes a script from the modifier and
    // ignores the codeset, so the most specific of these forms that is known decides.
    const std::string_view name(localeName.data(), std::size_t(localeName.size()));
    const std::string_view language = name.substr(0, name.find_first_of("_.@"));
    if (language.empty())
        return 1252;
    const std::string_view rest = name.substr(language.size());
    const std::string_view modifier = rest.substr(std::min(rest.find('@'), rest.size()));
    const std::string_view territory =
        rest.starts_with('_') ? rest.substr(0, rest.find_first_of(".@")) : std::string_view();
    for (const std::string_view qualifier : {modifier, territory})
        if (qualifier.size() > 1) // a bare "_" or "@" names nothing
            if (const std::optional<int> codePage = codePageOf(language, qualifier))
                return *codePage;
    return codePageOf(language, {}).value_or(1252);
}

int hostCodePage() {
#ifdef Q_OS_WIN
    return int(GetACP());
#else
    // The order in which the C library, and so Wine, picks the locale of character types.
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const QByteArray value = qgetenv(variable); !value.isEmpty())
            return codePageForLocale(value);
    return codePageForLocale({});
#endif
}

std::optional<QByteArray> encodeForCodePage(const QString& text, int codePage) {
    // Windows maps a code page's unassigned bytes to the C1 controls both ways, so they
    // would pass a round trip; they are no letters a name can hold.
    if (std::any_of(text.begin(), text.end(),
                    [](QChar ch) { return ch.unicode() >= 0x80 && ch.unicode() <= 0x9F; }))
        return std::nullopt;
    if (text.isEmpty())
        return QByteArray();
#ifdef Q_OS_WIN
    std::optional<QByteArray> bytes = encodeWindows(text, codePage);
#else
    std::optional<QByteArray> bytes =
        codePage == 1252 ? encode1252(text) : encodeIconv(text, codePage);
#endif
    // glibc writes a Vietnamese letter missing from 1258 as a base letter and a tone mark,
    // which reads back composed here but as two characters in the host.
    if (bytes && !isMultiByte(codePage) && bytes->size() != text.size())
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> encodeForHost(const QString& text) {
    return encodeForCodePage(text, hostCodePage());
}
