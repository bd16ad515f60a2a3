#include "host/registryvalue.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <memory>

namespace Module2 {

namespace {

// Splits a value's path into its key and name and reads it with `read`; anything that goes
// wrong reads nothing.
template <typename Read>
auto readAt(const QVariant& keyPath, const QVariant& valueName, Read read)
    -> decltype(read(QString(), QString())) {
    try {
        const QString path = keyPath.toString() + valueName.toString();
        // A path not ending in a separator names a value of the key above it.
        const qsizetype split = path.lastIndexOf(QLatin1Char('\\'));
        if (split < 0)
            return {};
        return read(path.left(split), path.mid(split + 1));
    } catch (...) {
        return {};
    }
}

#ifdef Q_OS_WIN

QVariant readValue(const QString& key, const QString& name) {
    // An empty name reads the key's default value.
    const QString valueName = name.isEmpty() ? QStringLiteral(".") : name;
    for (const auto format : {QSettings::Registry32Format, QSettings::Registry64Format}) {
        const QVariant value = QSettings(key, format).value(valueName);
        if (value.isValid())
            return value;
    }
    return {};
}

#else

// A copy of a settings file without the lines that hold a value stored as "@Variant(...)",
// or nothing when no copy can be made.
std::unique_ptr<QTemporaryFile> withoutStoredValues(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    auto copy = std::make_unique<QTemporaryFile>();
    if (!copy->open())
        return nullptr;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.contains("@Variant("))
            copy->write(line + '\n');
    if (!copy->flush())
        return nullptr;
    copy->close();
    return copy;
}

SettingsValue readValue(const QString& key, const QString& name) {
    const QStringList parts = key.split(QLatin1Char('\\'));
    if (parts.size() < 4 || name.isEmpty())
        return {};
    // Hive and "Software" are case-insensitive as in the registry; the organisation and
    // application names are file names here and stay as written.
    if (parts[0].compare(QLatin1String("HKEY_LOCAL_MACHINE"), Qt::CaseInsensitive) != 0 ||
        parts[1].compare(QLatin1String("Software"), Qt::CaseInsensitive) != 0 ||
        parts[2].isEmpty() || parts[3].isEmpty())
        return {};

    QStringList groups = parts.mid(4);
    if (groups.contains(QString()))
        return {};
    groups.append(name);
    return readSettingsValue(parts[2], parts[3], groups.join(QLatin1Char('/')));
}

#endif

} // namespace

#ifndef Q_OS_WIN

SettingsValue readSettingsValue(const QString& org, const QString& app, const QString& setting) {
    SettingsValue read;
    read.files = settingsFiles(org, app);
    // The first file that holds the key decides.
    for (const QString& file : std::as_const(read.files)) {
        // Where the file cannot be read whole, the same file without its stored values is:
        // the other keys read as the window reads them.
        std::unique_ptr<QTemporaryFile> withoutStored;
        if (!settingsFileSafeToRead(file)) {
            withoutStored = withoutStoredValues(file);
            if (!withoutStored)
                continue;
        }
        const QSettings settings(withoutStored ? withoutStored->fileName() : file,
                                 QSettings::NativeFormat);
        if (settings.contains(setting)) {
            read.value = settings.value(setting);
            read.file = file;
            break;
        }
    }
    return read;
}

QStringList settingsFiles(const QString& org, const QString& app) {
    // The user's file first, then the same name in each system-wide folder, in the order
    // QSettings searches them. Exactly these files: QSettings would also read the organisation-wide
    // <Org>.conf beside each of them. The user's file as QSettings names it (QSettings::setPath
    // moves it).
    QStringList files{
        QSettings(QSettings::NativeFormat, QSettings::UserScope, org, app).fileName()};
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (!folders.isEmpty())
        folders.removeFirst(); // the user's own folder
    for (const QString& folder : std::as_const(folders)) {
        const QString file = folder + u'/' + org + u'/' + app + QStringLiteral(".conf");
        if (!files.contains(file))
            files.append(file);
    }
    return files;
}

#endif

bool settingsFileSafeToRead(const QString& path) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // QSettings finds nothing in it either
    return !file.readAll().contains("@Variant(");
}

QVariant ReadRegistryValue(const QVariant& keyPath, const QVariant& valueName) {
#ifdef Q_OS_WIN
    return readAt(keyPath, valueName, readValue);
#else
    return readAt(keyPath, valueName, readValue).value;
#endif
}

QString registryValueText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    default:
        return QString();
    }
}

} // namespace Module2
