#pragma once

#include <QSettings>
#include <QString>

// The window keeps the last picture's folder in the user's own settings: a test keeps them in
// `folder` instead, on every platform (an INI file there rather than the registry).
inline void keepSettingsIn(const QString& folder) {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
