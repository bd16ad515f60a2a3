#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace Module2 {

// Reads one registry value. keyPath and valueName are joined as they are, key path first,
// so a key path ending in "\" followed by a name reads that named value of the key.
// Returns the value's data, or an invalid QVariant (Empty) when anything fails; never
// throws.
//
// Windows: the registry itself, the 32-bit view first (where 32-bit installers write),
// then the 64-bit view.
// Elsewhere: "HKEY_LOCAL_MACHINE\Software\<Org>\<App>[\<Group>...]\<Value>" is read from
// the settings file of <Org>/<App>: $XDG_CONFIG_HOME/<Org>/<App>.conf (by default
// ~/.config), falling back to the same name under $XDG_CONFIG_DIRS (by default /etc/xdg).
// Sub-keys below <App> become groups. Other hives read nothing.
QVariant ReadRegistryValue(const QVariant& keyPath, const QVariant& valueName);

#ifndef Q_OS_WIN
// The settings files a value of <Org>/<App> is read from, in the order they are read.
QStringList settingsFiles(const QString& org, const QString& app);

// A value read as ReadRegistryValue reads it, with where it came from.
struct SettingsValue {
    QVariant value;              // invalid when no file holds it
    QString file;                // the file that held it
    QStringList files;           // every file that was looked at, in order
    QStringList storedTypeFiles; // files passed over: their value is a stored type, not text
};
// The setting (groups and name joined by "/") of <Org>/<App>, from the first of
// settingsFiles that holds it.
SettingsValue readSettingsValue(const QString& org, const QString& app, const QString& setting);
#endif

// The text of a registry value: Empty gives the empty text, text passes unchanged (no
// trimming), a whole number gives its decimal digits. Every other kind of data (a list of
// texts, raw bytes, a Boolean) has no meaning as a folder and gives the empty text, so it
// counts as a missing value. In a settings file an unquoted value containing a comma is read as a
// list: quote it.
QString registryValueText(const QVariant& value);

} // namespace Module2
