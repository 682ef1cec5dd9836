#include "UserLocations.h"

#include "ExecutableName.h"

#include <QStandardPaths>

namespace skyvarre {

using namespace Qt::StringLiterals;

SettingsLocation userSettingsLocation()
{
    // Section "Settings" becomes a subkey of this key, and each value is
    // named by its scrambled key.
    return {u"HKEY_CURRENT_USER\\Software\\"_s + executableBaseName(), QSettings::NativeFormat};
}

QString userLockFilePath()
{
    // The user's own temporary folder: Qt's runtime location on Windows is
    // the profile folder itself, where a lock file would show among the
    // user's documents.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + u'/' +
           executableBaseName() + u".lock"_s;
}

} // namespace skyvarre
