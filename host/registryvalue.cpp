#include "host/registryvalue.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include "host/settingsfile.h"
#endif

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

// Far larger than any hand-written settings file; a larger one is passed over unread.
constexpr qint64 MaxSettingsFileSize = qint64(16) << 20;

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
    // The first file that holds the key decides; a stored type never names a folder, so a file
    // holding one is passed over.
    for (const QString& path : std::as_const(read.files)) {
        // Only a regular file: a pipe or a device would never end.
        if (!QFileInfo(path).isFile())
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = file.read(MaxSettingsFileSize + 1);
        if (data.size() > MaxSettingsFileSize)
            continue;
        const SettingsFile::Values values = SettingsFile::parse(data);
        const SettingsFile::Value* value = SettingsFile::find(values, setting);
        if (!value)
            continue;
        if (value->kind == SettingsFile::Value::Kind::StoredType) {
            read.storedTypeFiles.append(path);
            continue;
        }
        read.value = value->toVariant();
        read.file = path;
        break;
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
