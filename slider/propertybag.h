#pragma once

#include "slider/sliderpicture.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <variant>

// A failed read or parse of a property bag. line() is the 1-based line of the text that could
// not be parsed, or 0 when the error is not about a particular line.
class PropertyBagError : public std::runtime_error {
public:
    PropertyBagError(int line, const QString& message);
    int line() const noexcept { return m_Line; }

private:
    int m_Line;
};

// Named settings of one control instance. Names match without regard to case and keep the
// spelling and order of their first write. Every read takes a default, returned when the name
// is absent; a write whose value equals its default stores nothing (and drops an earlier value
// of that name, so the bag reads back what was written).
//
// Text form, one setting per line after the header, blank lines and lines starting with '#'
// ignored:
//
//     VarnelPropertyBag 1
//     min int -100
//     enabled bool false
//     backcolor color 0x8000000F
//     sliderimage picture icon <base64 PNG>
//     mouseicon picture none
class PropertyBag {
public:
    using Value = std::variant<bool, qint32, quint32, SliderPicture>;

    static PropertyBag fromText(const QByteArray& text); // throws PropertyBagError
    QByteArray toText() const;

    bool contains(const QString& name) const;
    QStringList names() const;
    bool isEmpty() const { return m_Entries.isEmpty(); }

    // Each read throws PropertyBagError when the name holds a value of another type.
    qint32 readInt(const QString& name, qint32 defaultValue) const;
    bool readBool(const QString& name, bool defaultValue) const;
    quint32 readColour(const QString& name, quint32 defaultValue) const;
    SliderPicture readPicture(const QString& name,
                              const SliderPicture& defaultValue = SliderPicture()) const;

    // Names are letters, digits and underscores; anything else throws PropertyBagError.
    void writeInt(const QString& name, qint32 value, qint32 defaultValue);
    void writeBool(const QString& name, bool value, bool defaultValue);
    void writeColour(const QString& name, quint32 value, quint32 defaultValue);
    void writePicture(const QString& name, const SliderPicture& value,
                      const SliderPicture& defaultValue = SliderPicture());

    friend bool operator==(const PropertyBag& a, const PropertyBag& b);

private:
    struct Entry {
        QString name;
        Value value;
        friend bool operator==(const Entry& a, const Entry& b) {
            return a.name == b.name && a.value == b.value;
        }
    };

    const Entry* find(const QString& name) const;
    void store(const QString& name, const Value& value, bool isDefault);
    template <typename T> T read(const QString& name, const T& defaultValue) const;

    QList<Entry> m_Entries;
};
