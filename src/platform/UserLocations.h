#pragma once

#include <QSettings>
#include <QString>

namespace skyvarre {

// Where this platform keeps the program's per-user state, each named after
// the executable. Both need the QCoreApplication.

struct SettingsLocation
{
    QString path;
    QSettings::Format format;
};

// The per-user settings store: an INI file in the user's configuration folder,
// or the registry under HKEY_CURRENT_USER on Windows.
SettingsLocation userSettingsLocation();

// The single-instance lock file, in a folder of this user's own.
QString userLockFilePath();

} // namespace skyvarre
