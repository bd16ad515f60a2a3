#include "app/registryvalue.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>

namespace Module2 {

namespace {

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

// The user's <Org>/<App>.conf, then the same name in each system-wide folder; the first
// file that holds the key decides. Exactly these files: QSettings would also read the
// organisation-wide <Org>.conf beside each of them.
QVariant readHostSettings(const QString& org, const QString& app, const QString& key) {
    QSettings user(QSettings::NativeFormat, QSettings::UserScope, org, app);
    user.setFallbacksEnabled(false);
    if (settingsFileSafeToRead(user.fileName()) && user.contains(key))
        return user.value(key);
    // The folders QSettings searches for the system scope on this platform, in its order.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (!folders.isEmpty())
        folders.removeFirst(); // the user's own folder, read above
    for (const QString& folder : std::as_const(folders)) {
        const QString path = folder + u'/' + org + u'/' + app + QStringLiteral(".conf");
        if (!settingsFileSafeToRead(path))
            continue;
        const QSettings system(path, QSettings::NativeFormat);
        if (system.contains(key))
            return system.value(key);
    }
    return {};
}

QVariant readValue(const QString& key, const QString& name) {
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

    return readHostSettings(parts[2], parts[3], groups.join(QLatin1Char('/')));
}

#endif

} // namespace

bool settingsFileSafeToRead(const QString& path) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // QSettings finds nothing in it either
    return !file.readAll().contains("@Variant(");
}

QVariant ReadRegistryValue(const QVariant& keyPath, const QVariant& valueName) {
    try {
        const QString path = keyPath.toString() + valueName.toString();
        // A path not ending in a separator names a value of the key above it.
        const qsizetype split = path.lastIndexOf(QLatin1Char('\\'));
        if (split < 0)
            return {};
        return readValue(path.left(split), path.mid(split + 1));
    } catch (...) {
        return {};
    }
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
