#include "slider/propertybag.h"

#include <QBuffer>
#include <QHash>

namespace {

const QByteArray header = "VarnelPropertyBag 1";

bool isValidName(const QString& name) {
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'_')
            return false;
    }
    return true;
}

QString typeName(const PropertyBag::Value& value) {
    switch (value.index()) {
    case 0:
        return QStringLiteral("boolean");
    case 1:
        return QStringLiteral("integer");
    case 2:
        return QStringLiteral("colour");
    default:
        return QStringLiteral("picture");
    }
}

template <typename T> QString typeNameOf() {
    return typeName(PropertyBag::Value(T()));
}

QByteArray encodePicture(const SliderPicture& picture) {
    switch (picture.kind()) {
    case SliderPicture::Kind::None:
        return "none";
    case SliderPicture::Kind::Bitmap:
    case SliderPicture::Kind::Icon:
        break;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.image().save(&buffer, "PNG");
    const QByteArray kind = picture.kind() == SliderPicture::Kind::Icon ? "icon " : "bitmap ";
    return kind + png.toBase64();
}

QByteArray encode(const PropertyBag::Value& value) {
    switch (value.index()) {
    case 0:
        return std::get<bool>(value) ? "bool true" : "bool false";
    case 1:
        return "int " + QByteArray::number(std::get<qint32>(value));
    case 2:
        return "color 0x" + QByteArray::number(std::get<quint32>(value), 16).toUpper();
    default:
        return "picture " + encodePicture(std::get<SliderPicture>(value));
    }
}

struct ParseFailure {
    QString message;
};

SliderPicture decodePicture(const QList<QByteArray>& tokens) {
    if (tokens.size() == 3 && tokens[2] == "none")
        return SliderPicture();
    if (tokens.size() != 4 || (tokens[2] != "bitmap" && tokens[2] != "icon"))
        throw ParseFailure{QStringLiteral("a picture is 'none', 'bitmap <data>' or 'icon <data>'")};
    const auto decoded =
        QByteArray::fromBase64Encoding(tokens[3], QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        throw ParseFailure{QStringLiteral("the picture data is not valid base64")};
    const QImage image = QImage::fromData(*decoded, "PNG");
    if (image.isNull())
        throw ParseFailure{QStringLiteral("the picture data is not a PNG image")};
    return tokens[2] == "icon" ? SliderPicture::icon(image) : SliderPicture::bitmap(image);
}

PropertyBag::Value decodeValue(const QList<QByteArray>& tokens) {
    const QByteArray& type = tokens[1];
    if (type == "picture")
        return decodePicture(tokens);
    if (tokens.size() != 3)
        throw ParseFailure{QStringLiteral("expected 'name type value'")};
    const QByteArray& text = tokens[2];
    bool ok = false;
    if (type == "int") {
        const qint32 value = text.toInt(&ok, 10);
        if (!ok)
            throw ParseFailure{QStringLiteral("'%1' is not a 32-bit integer").arg(text)};
        return value;
    }
    if (type == "bool") {
        if (text == "true")
            return true;
        if (text == "false")
            return false;
        throw ParseFailure{QStringLiteral("'%1' is not 'true' or 'false'").arg(text)};
    }
    if (type == "color") {
        const quint32 value = text.startsWith("0x") ? text.mid(2).toUInt(&ok, 16) : 0;
        if (!ok || text.size() > 10)
            throw ParseFailure{QStringLiteral("'%1' is not a colour like 0x8000000F").arg(text)};
        return value;
    }
    throw ParseFailure{QStringLiteral("unknown type '%1'").arg(type)};
}

} // namespace

PropertyBagError::PropertyBagError(int line, const QString& message)
    : std::runtime_error(
          (line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(message) : message).toStdString())
    , m_Line(line) {}

PropertyBag PropertyBag::fromText(const QByteArray& text) {
    PropertyBag bag;
    QHash<QString, int> firstLine;
    bool headerSeen = false;
    int lineNumber = 0;
    for (QByteArray line : text.split('\n')) {
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        if (!headerSeen) {
            if (trimmed != header)
                throw PropertyBagError(
                    lineNumber,
                    QStringLiteral("expected the header '%1'").arg(QString::fromLatin1(header)));
            headerSeen = true;
            continue;
        }
        const QList<QByteArray> tokens = trimmed.simplified().split(' ');
        if (tokens.size() < 3)
            throw PropertyBagError(lineNumber, QStringLiteral("expected 'name type value'"));
        const QString name = QString::fromUtf8(tokens[0]);
        if (!isValidName(name))
            throw PropertyBagError(lineNumber,
                                   QStringLiteral("'%1' is not a valid name").arg(name));
        const QString key = name.toLower();
        if (firstLine.contains(key))
            throw PropertyBagError(lineNumber, QStringLiteral("'%1' is already set on line %2")
                                                   .arg(name)
                                                   .arg(firstLine.value(key)));
        try {
            bag.m_Entries.append(Entry{name, decodeValue(tokens)});
        } catch (const ParseFailure& failure) {
            throw PropertyBagError(lineNumber,
                                   QStringLiteral("'%1': %2").arg(name, failure.message));
        }
        firstLine.insert(key, lineNumber);
    }
    if (!headerSeen)
        throw PropertyBagError(
            lineNumber,
            QStringLiteral("the text has no header '%1'").arg(QString::fromLatin1(header)));
    return bag;
}

QByteArray PropertyBag::toText() const {
    QByteArray text = header + '\n';
    for (const Entry& entry : m_Entries)
        text += entry.name.toUtf8() + ' ' + encode(entry.value) + '\n';
    return text;
}

bool PropertyBag::contains(const QString& name) const {
    return find(name) != nullptr;
}

QStringList PropertyBag::names() const {
    QStringList result;
    for (const Entry& entry : m_Entries)
        result.append(entry.name);
    return result;
}

const PropertyBag::Entry* PropertyBag::find(const QString& name) const {
    for (const Entry& entry : m_Entries) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

template <typename T> T PropertyBag::read(const QString& name, const T& defaultValue) const {
    const Entry* entry = find(name);
    if (!entry)
        return defaultValue;
    if (const T* value = std::get_if<T>(&entry->value))
        return *value;
    throw PropertyBagError(0, QStringLiteral("'%1' holds a %2, not a %3")
                                  .arg(entry->name, typeName(entry->value), typeNameOf<T>()));
}

qint32 PropertyBag::readInt(const QString& name, qint32 defaultValue) const {
    return read<qint32>(name, defaultValue);
}

bool PropertyBag::readBool(const QString& name, bool defaultValue) const {
    return read<bool>(name, defaultValue);
}

quint32 PropertyBag::readColour(const QString& name, quint32 defaultValue) const {
    return read<quint32>(name, defaultValue);
}

SliderPicture PropertyBag::readPicture(const QString& name,
                                       const SliderPicture& defaultValue) const {
    return read<SliderPicture>(name, defaultValue);
}

void PropertyBag::store(const QString& name, const Value& value, bool isDefault) {
    if (!isValidName(name))
        throw PropertyBagError(0, QStringLiteral("'%1' is not a valid name").arg(name));
    auto it = std::find_if(m_Entries.begin(), m_Entries.end(), [&](const Entry& entry) {
        return entry.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (isDefault) {
        if (it != m_Entries.end())
            m_Entries.erase(it);
    } else if (it != m_Entries.end()) {
        it->value = value;
    } else {
        m_Entries.append(Entry{name, value});
    }
}

void PropertyBag::writeInt(const QString& name, qint32 value, qint32 defaultValue) {
    store(name, value, value == defaultValue);
}

void PropertyBag::writeBool(const QString& name, bool value, bool defaultValue) {
    store(name, value, value == defaultValue);
}

void PropertyBag::writeColour(const QString& name, quint32 value, quint32 defaultValue) {
    store(name, value, value == defaultValue);
}

void PropertyBag::writePicture(const QString& name, const SliderPicture& value,
                               const SliderPicture& defaultValue) {
    store(name, value, value == defaultValue);
}

bool operator==(const PropertyBag& a, const PropertyBag& b) {
    return a.m_Entries == b.m_Entries;
}
