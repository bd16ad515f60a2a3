#include "host/settingsfile.h"

#include <QStringDecoder>

#include <array>
#include <utility>

// Written by hand because Qt offers no way to read its INI files without building the stored
// types; each rule below is one QSettings follows, so a text reads the same either way (the
// host tests and the settings-file fuzz target compare the two).
namespace SettingsFile {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// One logical line: from `start`, `length` bytes, with the first '=' outside quotes at
// `equals` (from the data's start), or -1.
struct Line {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1;
};

// The next line from `pos`. A line ends at a line break or ';' outside quotes; a backslash
// takes the next character (a line break too, and \r\n or \n\r as one) into the line; a ';'
// first on a line makes it a comment. Returns false at the end of the data.
bool nextLine(QByteArrayView data, qsizetype& pos, Line& line) {
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    qsizetype start = pos;
    while (start < size && isSpace(data[start]))
        ++start;
    qsizetype i = start;
    while (i < size) {
        const char c = data[i++];
        switch (c) {
        case '=':
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
            break;
        case '\n':
        case '\r':
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
            break;
        case '\\':
            if (i < size) {
                const char next = data[i++];
                if (i < size &&
                    ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n')))
                    ++i;
            }
            break;
        case '"':
            inQuotes = !inQuotes;
            break;
        case ';':
            if (i == start + 1) {
                while (i < size && !isLineBreak(data[i]))
                    ++i;
                while (i < size && isSpace(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
            break;
        default:
            break;
        }
    }
done:
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// A key or section name: '\' is the group separator '/', %XX and %UXXXX are characters.
QString unescapedKey(QByteArrayView key) {
    const QString decoded = QString::fromUtf8(key);
    const qsizetype size = decoded.size();
    QString result;
    result.reserve(size);
    qsizetype i = 0;
    while (i < size) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == size - 1) {
            result += c;
            ++i;
            continue;
        }
        qsizetype digits = 2;
        qsizetype first = i + 1;
        if (decoded[first] == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits > size
                                ? 0
                                : QStringView(decoded).sliced(first, digits).toUShort(&ok, 16);
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

void chopTrailingBlanks(QString& text, qsizetype limit) {
    qsizetype n = text.size();
    while (n > limit && (text[n - 1] == u' ' || text[n - 1] == u'\t'))
        --n;
    text.truncate(n);
}

// A value's text: quotes group, an unquoted comma makes a list, C-like escapes including \x
// (any number of hex digits) and octal, a backslash before a line break continues the line,
// and blanks outside quotes are dropped at each end. Returns whether the value is a list.
bool unescapedValue(QByteArrayView data, QString& text, QStringList& list) {
    static constexpr std::array<std::pair<char, char>, 11> Escapes{{{'a', '\a'},
                                                                    {'b', '\b'},
                                                                    {'f', '\f'},
                                                                    {'n', '\n'},
                                                                    {'r', '\r'},
                                                                    {'t', '\t'},
                                                                    {'v', '\v'},
                                                                    {'"', '"'},
                                                                    {'?', '?'},
                                                                    {'\'', '\''},
                                                                    {'\\', '\\'}}};
    const qsizetype size = data.size();
    // One decoder for the whole value: a character split by an escape still joins up, as in
    // QSettings.
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < size && (data[i] == ' ' || data[i] == '\t'))
            ++i;
    };
    skipBlanks();
    qsizetype chopLimit = text.size();
    while (i < size) {
        const char c = data[i];
        if (c == '\\') {
            if (++i >= size)
                return isList && (list.append(text), true);
            const char e = data[i++];
            bool simple = false;
            for (const auto& [name, meaning] : Escapes) {
                if (e == name) {
                    text += QLatin1Char(meaning);
                    simple = true;
                    break;
                }
            }
            if (simple) {
                chopLimit = text.size();
                continue;
            }
            const auto isHex = [](char h) {
                return (h >= '0' && h <= '9') || (h >= 'a' && h <= 'f') || (h >= 'A' && h <= 'F');
            };
            if (e == 'x') {
                if (i >= size)
                    return isList && (list.append(text), true);
                if (isHex(data[i])) {
                    char16_t code = 0;
                    while (i < size && isHex(data[i])) {
                        const char h = data[i++];
                        const int digit = h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10;
                        code = char16_t((code << 4) + digit);
                    }
                    text += QChar(code);
                    chopLimit = text.size();
                    continue;
                }
            } else if (e >= '0' && e <= '7') {
                char16_t code = char16_t(e - '0');
                while (i < size && data[i] >= '0' && data[i] <= '7')
                    code = char16_t((code << 3) + (data[i++] - '0'));
                text += QChar(code);
                chopLimit = text.size();
                continue;
            } else if (isLineBreak(e)) {
                if (i < size && isLineBreak(data[i]) && data[i] != e)
                    ++i;
            }
            // Any other escaped character is dropped.
            chopLimit = text.size();
            continue;
        }
        if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
            continue;
        }
        if (c == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(text, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
            }
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
            chopLimit = text.size();
            continue;
        }
        qsizetype j = i + 1;
        while (j < size && data[j] != '\\' && data[j] != '"' && data[j] != ',')
            ++j;
        text += fromUtf8(data.sliced(i, j - i));
        i = j;
    }
    if (!quoted)
        chopTrailingBlanks(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

// What QSettings makes of a single text: "@@" stands for a text beginning with "@", and a
// text of the form "@Type(...)" names a stored type.
Value typedValue(const QString& text) {
    Value value;
    if (text.startsWith(u'@') && text.endsWith(u')')) {
        static const std::array<QLatin1StringView, 6> Stored{
            QLatin1StringView("@ByteArray("), QLatin1StringView("@Variant("),
            QLatin1StringView("@DateTime("),  QLatin1StringView("@Rect("),
            QLatin1StringView("@Size("),      QLatin1StringView("@Point(")};
        if (text.startsWith(QLatin1StringView("@String("))) {
            value.text = text.sliced(8).chopped(1);
            return value;
        }
        for (const QLatin1StringView prefix : Stored) {
            if (text.startsWith(prefix)) {
                value.kind = Value::Kind::StoredType;
                value.text = text;
                return value;
            }
        }
        if (text == QLatin1StringView("@Invalid()")) {
            value.kind = Value::Kind::Invalid;
            return value;
        }
    }
    value.text = text.startsWith(QLatin1StringView("@@")) ? text.sliced(1) : text;
    return value;
}

} // namespace

QVariant Value::toVariant() const {
    switch (kind) {
    case Kind::Text:
        return text;
    case Kind::List:
        return list;
    case Kind::Invalid:
    case Kind::StoredType:
        break;
    }
    return {};
}

Values parse(QByteArrayView data, qsizetype* storedTypes) {
    qsizetype stored = 0;
    Values values;
    QString section; // "" for [General], else "name/"
    qsizetype pos = 0;
    if (data.startsWith("\xef\xbb\xbf"))
        pos = 3;
    Line line;
    while (nextLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.start, line.length);
        if (text.startsWith('[')) {
            qsizetype end = text.indexOf(']');
            if (end < 0)
                end = text.size();
            const QByteArrayView name = text.first(end).sliced(1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0) {
                section.clear();
            } else {
                section = name.compare("%general", Qt::CaseInsensitive) == 0
                              ? QString::fromLatin1(name.sliced(1))
                              : unescapedKey(name);
                section += u'/';
            }
            continue;
        }
        if (line.equals < 0)
            continue; // a comment, or a line QSettings also passes over
        const qsizetype equals = line.equals - line.start;
        const QString key = section + unescapedKey(text.first(equals).trimmed());
        QString single;
        QStringList list;
        Value value;
        if (unescapedValue(text.sliced(equals + 1), single, list)) {
            value.kind = Value::Kind::List;
            for (QString& item : list) {
                if (item.startsWith(QLatin1StringView("@@")))
                    item.remove(0, 1);
                else if (item.startsWith(u'@'))
                    ++stored;
            }
            value.list = list;
        } else {
            value = typedValue(single);
            if (value.kind == Value::Kind::StoredType)
                ++stored;
        }
        values.insert(key, value);
    }
    if (storedTypes)
        *storedTypes = stored;
    return values;
}

const Value* find(const Values& values, const QString& key) {
    const auto it = values.constFind(key);
    return it == values.constEnd() ? nullptr : &*it;
}

} // namespace SettingsFile
