#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <QVariant>

// Reads one value from a registry hive in the text form Wine saves it in (a prefix's
// system.reg holds HKEY_LOCAL_MACHINE). Pure and total: no file access, and any input, however
// damaged, gives an answer in time linear in its size.
namespace WineRegistry {

enum class Status {
    Found,        // data holds the value
    NotARegistry, // the first line is not "WINE REGISTRY Version 2"
    NoKey,        // no section for the key
    NoValue,      // the key has no value of that name
    Malformed,    // the value's line does not parse (Wine drops such a value's data too)
    NotText,      // binary data or a list of texts: no meaning as a folder
    Unexpanded,   // an expandable string that holds "%": it names a variable, not a folder
};

struct Value {
    Status status = Status::NoKey;
    // Found: what the Windows registry read gives for the value: text (QString, up to its
    // first NUL) or a number (int for a DWORD, qlonglong for a QWORD). Otherwise invalid.
    QVariant data;
};

// The value valueName ("" for the key's default value) of the key keyPath, a path below the
// hive's root with "\" between key names ("Software\Pellorwick\NORVO7"). Key and value names
// compare without regard to letter case. When the file names the value more than once, the
// last line wins, as when Wine loads the file.
Value readValue(QByteArrayView hive, QStringView keyPath, QStringView valueName);

} // namespace WineRegistry
