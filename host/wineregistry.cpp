#include "host/wineregistry.h"

#include <QList>
#include <QString>

#include <cstring>
#include <optional>

// Written by hand: no library reads Wine's registry text. The rules follow what Wine's
// server accepts when it loads the file; where Wine would keep a damaged line's leftovers
// this reader reports the value as unusable instead.

namespace WineRegistry {

namespace {

// Registry value types, as Windows numbers them.
constexpr quint32 RegSz = 1;
constexpr quint32 RegExpandSz = 2;
constexpr quint32 RegBinary = 3;
constexpr quint32 RegDword = 4;
constexpr quint32 RegMultiSz = 7;
constexpr quint32 RegQword = 11;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

qsizetype skipSpaces(QByteArrayView s, qsizetype i) {
    while (i < s.size() && isSpace(s[i]))
        ++i;
    return i;
}

// The lines of the file: each ends at "\n", and a "\r" right before it is dropped.
class Lines {
public:
    explicit Lines(QByteArrayView text)
        : m_text(text) {}

    std::optional<QByteArrayView> next() {
        if (m_pos >= m_text.size())
            return std::nullopt;
        const char* start = m_text.data() + m_pos;
        const auto* newline =
            static_cast<const char*>(std::memchr(start, '\n', size_t(m_text.size() - m_pos)));
        qsizetype length = newline ? newline - start : m_text.size() - m_pos;
        m_pos += length + (newline ? 1 : 0);
        if (newline && length > 0 && start[length - 1] == '\r')
            --length;
        return QByteArrayView(start, length);
    }

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
};

// Reads an escaped string that starts at `from` and ends at `endChar`. Returns the index
// just past endChar, or nothing when endChar never comes (the line is damaged). Escapes:
// \a \b \e \f \n \r \t \v, \x with 1 to 4 hex digits (one UTF-16 unit), \ with 1 to 3 octal
// digits, and a backslash before any other character keeps that character. Raw bytes are
// UTF-8. `out` may be null when only the end matters.
std::optional<qsizetype> readString(QByteArrayView s, qsizetype from, char endChar, QString* out) {
    qsizetype run = from; // start of raw bytes not yet decoded
    const auto flush = [&](qsizetype end) {
        if (out && end > run)
            out->append(QString::fromUtf8(s.sliced(run, end - run)));
    };
    qsizetype i = from;
    while (i < s.size()) {
        const char c = s[i];
        if (c == endChar) {
            flush(i);
            return i + 1;
        }
        if (c == '\0')
            return std::nullopt;
        if (c != '\\') {
            ++i;
            continue;
        }
        flush(i);
        ++i;
        if (i >= s.size())
            return std::nullopt;
        const char e = s[i];
        char16_t unit = 0;
        bool escaped = true;
        switch (e) {
        case 'a':
            unit = 0x07;
            ++i;
            break;
        case 'b':
            unit = 0x08;
            ++i;
            break;
        case 'e':
            unit = 0x1b;
            ++i;
            break;
        case 'f':
            unit = 0x0c;
            ++i;
            break;
        case 'n':
            unit = 0x0a;
            ++i;
            break;
        case 'r':
            unit = 0x0d;
            ++i;
            break;
        case 't':
            unit = 0x09;
            ++i;
            break;
        case 'v':
            unit = 0x0b;
            ++i;
            break;
        case 'x':
            ++i;
            if (i < s.size() && hexDigit(s[i]) >= 0) {
                for (int n = 0; n < 4 && i < s.size() && hexDigit(s[i]) >= 0; ++n, ++i)
                    unit = char16_t(unit * 16 + hexDigit(s[i]));
            } else {
                unit = u'x';
            }
            break;
        default:
            if (isOctal(e)) {
                for (int n = 0; n < 3 && i < s.size() && isOctal(s[i]); ++n, ++i)
                    unit = char16_t(unit * 8 + (s[i] - '0'));
            } else {
                // Any other character stands for itself: it starts the next raw run, so
                // an escaped quote or a UTF-8 sequence is kept whole.
                escaped = false;
            }
            break;
        }
        if (escaped) {
            if (out)
                out->append(QChar(unit));
            run = i;
        } else {
            run = i;
            if (e == '\0')
                return std::nullopt;
            ++i; // the escaped character is data even when it is endChar
        }
    }
    return std::nullopt;
}

// Key names between backslashes; empty names (doubled separators) are skipped, as Wine
// does when it creates the key.
QList<QStringView> keyNames(QStringView path) {
    QList<QStringView> names;
    for (const QStringView part : path.tokenize(u'\\', Qt::SkipEmptyParts))
        names.append(part);
    return names;
}

bool sameKey(const QList<QStringView>& a, const QList<QStringView>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].compare(b[i], Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

// Reads comma-separated hex bytes from `from`; returns the index after them and appends
// the bytes to out (when given). Each byte is one or two hex digits; blanks may stand
// around the commas.
qsizetype readHexBytes(QByteArrayView s, qsizetype from, QByteArray* out, bool* ok) {
    qsizetype i = from;
    *ok = true;
    while (i < s.size() && hexDigit(s[i]) >= 0) {
        int value = 0;
        int digits = 0;
        while (i < s.size() && hexDigit(s[i]) >= 0) {
            value = value * 16 + hexDigit(s[i]);
            ++i;
            if (++digits > 2) {
                *ok = false;
                return i;
            }
        }
        if (out)
            out->append(char(value));
        i = skipSpaces(s, i);
        if (i < s.size() && s[i] == ',')
            ++i;
        i = skipSpaces(s, i);
    }
    return i;
}

// Text from UTF-16LE bytes, up to the first NUL, as Windows reads a string value.
QString textUpToNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString textFromUtf16Le(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(char16_t(quint8(bytes[i]) | quint8(bytes[i + 1]) << 8)));
    return textUpToNul(text);
}

Value textValue(const QString& text, quint32 type) {
    if (type == RegExpandSz && text.contains(u'%'))
        return {Status::Unexpanded, {}};
    return {Status::Found, text};
}

// The data after "=" of a value line, as Windows would read it. More lines are taken from
// `lines` when hex data continues with a trailing backslash.
Value readData(QByteArrayView line, qsizetype i, Lines& lines, bool keep = true) {
    const QByteArrayView rest = line.sliced(i);
    enum class Form { String, Dword, Hex };
    struct Tag {
        const char* text;
        quint32 type;
        Form form;
    };
    static constexpr Tag tags[] = {
        {"\"", RegSz, Form::String},
        {"str:\"", RegSz, Form::String},
        {"str(2):\"", RegExpandSz, Form::String},
        {"str(7):\"", RegMultiSz, Form::String},
        {"hex:", RegBinary, Form::Hex},
        {"dword:", RegDword, Form::Dword},
    };
    quint32 type = 0;
    Form form = Form::Hex;
    qsizetype start = -1;
    for (const Tag& tag : tags) {
        if (rest.startsWith(tag.text)) {
            type = tag.type;
            form = tag.form;
            start = qsizetype(std::strlen(tag.text));
            break;
        }
    }
    if (start < 0) {
        // "hex(N):" gives the type in hex.
        if (!rest.startsWith("hex("))
            return {Status::Malformed, {}};
        qsizetype k = 4;
        for (; k < rest.size() && hexDigit(rest[k]) >= 0; ++k) {
            if (k == 12)
                return {Status::Malformed, {}};
            type = type * 16 + quint32(hexDigit(rest[k]));
        }
        if (k == 4 || !rest.sliced(k).startsWith("):"))
            return {Status::Malformed, {}};
        start = k + 2;
    }

    switch (form) {
    case Form::String: {
        QString text;
        if (!readString(rest, start, '"', &text))
            return {Status::Malformed, {}};
        if (type == RegMultiSz)
            return {Status::NotText, {}};
        return textValue(textUpToNul(text), type);
    }
    case Form::Dword: {
        quint32 value = 0;
        qsizetype k = start;
        for (; k < rest.size() && hexDigit(rest[k]) >= 0; ++k) {
            if (k - start == 8)
                return {Status::Malformed, {}};
            value = value * 16 + quint32(hexDigit(rest[k]));
        }
        if (k == start || skipSpaces(rest, k) != rest.size())
            return {Status::Malformed, {}};
        // Windows reads a DWORD as a signed 32-bit number.
        return {Status::Found, QVariant(qint32(value))};
    }
    case Form::Hex: {
        QByteArray bytes;
        QByteArrayView part = rest;
        qsizetype k = start;
        for (;;) {
            bool ok = true;
            k = skipSpaces(part, readHexBytes(part, k, keep ? &bytes : nullptr, &ok));
            if (!ok)
                return {Status::Malformed, {}};
            if (k == part.size())
                break;
            if (part[k] != '\\')
                return {Status::Malformed, {}};
            const std::optional<QByteArrayView> more = lines.next();
            if (!more)
                return {Status::Malformed, {}};
            part = *more;
            k = skipSpaces(part, 0);
        }
        // Wine saves a text or number value in hex when its data is not in the usual
        // shape (a string without its closing NUL, say); Windows reads it by its type.
        if (type == RegSz || type == RegExpandSz)
            return textValue(textFromUtf16Le(bytes), type);
        if (type == RegDword && bytes.size() == 4) {
            quint32 value = 0;
            for (int b = 3; b >= 0; --b)
                value = value << 8 | quint8(bytes[b]);
            return {Status::Found, QVariant(qint32(value))};
        }
        if (type == RegQword && bytes.size() == 8) {
            quint64 value = 0;
            for (int b = 7; b >= 0; --b)
                value = value << 8 | quint8(bytes[b]);
            return {Status::Found, QVariant(qlonglong(value))};
        }
        return {Status::NotText, {}};
    }
    }
    return {Status::Malformed, {}};
}

bool endsWithBackslash(QByteArrayView line) {
    qsizetype end = line.size();
    while (end > 0 && isSpace(line[end - 1]))
        --end;
    return end > 0 && line[end - 1] == '\\';
}

// Skips the data of a value that is not wanted, but consumes the continuation lines of
// hex data so that they are not read as lines of their own. Only hex data continues on the
// next line, after a trailing backslash.
void skipData(QByteArrayView line, qsizetype i, Lines& lines) {
    if (!endsWithBackslash(line))
        return;
    const QByteArrayView rest = line.sliced(i);
    if (rest.startsWith("hex:") || rest.startsWith("hex("))
        readData(line, i, lines, false);
}

enum class KeyLine { Match, Other, Damaged, Escaped };

// Most key lines are plain ASCII whose only escape is "\\" between names; those compare
// with the wanted key without being decoded, which keeps a pass over a file of thousands of
// keys fast. Anything else is left to the full decoder (Escaped).
KeyLine matchPlainKey(QByteArrayView line, qsizetype from, const QList<QStringView>& wanted) {
    qsizetype index = 0; // of the next wanted name
    bool match = true;
    qsizetype start = from;
    const auto endName = [&](qsizetype end) {
        if (end == start || !match)
            return; // empty names are skipped
        if (index >= wanted.size() ||
            wanted[index].compare(QLatin1StringView(line.sliced(start, end - start)),
                                  Qt::CaseInsensitive) != 0)
            match = false;
        ++index;
    };
    for (qsizetype i = from; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ']') {
            endName(i);
            return match && index == wanted.size() ? KeyLine::Match : KeyLine::Other;
        }
        if (c == '\\') {
            if (i + 1 >= line.size() || line[i + 1] != '\\')
                return KeyLine::Escaped;
            endName(i);
            start = i + 2;
            ++i;
        } else if (c == '\0' || quint8(c) >= 0x80) {
            return KeyLine::Escaped;
        }
    }
    return KeyLine::Damaged;
}

} // namespace

Value readValue(QByteArrayView hive, QStringView keyPath, QStringView valueName) {
    Lines lines(hive);
    const std::optional<QByteArrayView> header = lines.next();
    if (!header || *header != QByteArrayView("WINE REGISTRY Version 2"))
        return {Status::NotARegistry, {}};

    const QList<QStringView> wanted = keyNames(keyPath);
    bool keySeen = false;
    bool inKey = false; // the current section is the wanted key
    bool inAnyKey = false;
    std::optional<Value> found;
    while (const std::optional<QByteArrayView> next = lines.next()) {
        const QByteArrayView line = *next;
        const qsizetype i = skipSpaces(line, 0);
        if (i == line.size())
            continue;
        switch (line[i]) {
        case '[': {
            switch (matchPlainKey(line, i + 1, wanted)) {
            case KeyLine::Match:
                inAnyKey = inKey = true;
                break;
            case KeyLine::Other:
                inAnyKey = true;
                inKey = false;
                break;
            case KeyLine::Damaged:
                inAnyKey = inKey = false;
                break;
            case KeyLine::Escaped: {
                QString name;
                inAnyKey = readString(line, i + 1, ']', &name).has_value();
                inKey = inAnyKey && sameKey(keyNames(name), wanted);
                break;
            }
            }
            keySeen = keySeen || inKey;
            break;
        }
        case '#':
            // An architecture Wine does not know makes it stop reading the file.
            if (!inAnyKey && line.sliced(i).startsWith("#arch=")) {
                const QByteArrayView arch = line.sliced(i + 6);
                if (arch != QByteArrayView("win32") && arch != QByteArrayView("win64"))
                    return {Status::NotARegistry, {}};
            }
            break;
        case '@':
        case '"': {
            if (!inAnyKey || (!inKey && !endsWithBackslash(line)))
                break;
            QString name;
            qsizetype k = i + 1;
            if (line[i] == '"') {
                const std::optional<qsizetype> end =
                    readString(line, k, '"', inKey ? &name : nullptr);
                if (!end)
                    break;
                k = *end;
            }
            k = skipSpaces(line, k);
            if (k == line.size() || line[k] != '=')
                break;
            k = skipSpaces(line, k + 1);
            if (inKey && name.compare(valueName, Qt::CaseInsensitive) == 0)
                found = readData(line, k, lines);
            else
                skipData(line, k, lines);
            break;
        }
        default:
            break; // comments and lines Wine does not understand
        }
    }
    if (found)
        return *found;
    return {keySeen ? Status::NoValue : Status::NoKey, {}};
}

} // namespace WineRegistry
