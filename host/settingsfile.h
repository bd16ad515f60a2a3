#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QVariant>

// A reader of Qt's INI settings files (the NativeFormat files of Linux) that never builds a
// stored type. QSettings turns "@Variant(...)" and its kin into whatever type they name while
// it parses a file, and a picture type can only be made inside a GUI application: elsewhere
// Qt ends the process. This reader follows QSettings' own rules for lines, sections, quoting,
// escapes, line continuations, comments and lists, so every text reads exactly as QSettings
// reads it, and keeps what a stored type holds as its text.
namespace SettingsFile {

struct Value {
    enum class Kind {
        Text,       // `text`
        List,       // `list`: an unquoted comma makes one; "@@" stands for "@" in each item
        Invalid,    // "@Invalid()": present, no data
        StoredType, // "@Variant(...)", "@ByteArray(...)" and the like; `text` is what was stored
    };
    Kind kind = Kind::Text;
    QString text;
    QStringList list;

    // The value as QSettings gives it, where that needs no stored type: a text, a list of
    // texts or an invalid QVariant. A stored type gives an invalid QVariant.
    QVariant toVariant() const;
};

// Every key of the file, as "group/name" (letter case counts, as it does for QSettings here),
// each with the last value the file gives it.
using Values = QHash<QString, Value>;

// `storedTypes`, when given, counts every value QSettings would build as a type while reading
// the file, later lines of the same key and lists included (a list holding an item that begins
// with a single "@" is built item by item).
Values parse(QByteArrayView data, qsizetype* storedTypes = nullptr);

// The value of `key` ("group/name", or "name" for the [General] section), or nullptr.
const Value* find(const Values& values, const QString& key);

} // namespace SettingsFile
