#include "UserLocations.h"

#include "ExecutableName.h"

#include <QDir>
#include <QStandardPaths>

namespace skyvarre {

using namespace Qt::StringLiterals;

SettingsLocation userSettingsLocation()
{
    // A file of its own named after the program, with no organisation folder:
    // QSettings' organisation/application form refuses an empty organisation.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return {folder + u'/' + executableBaseName() + u".ini"_s, QSettings::IniFormat};
}

QString userLockFilePath()
{
    const QString runtimeFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtimeFolder.isEmpty())
        return runtimeFolder + u'/' + executableBaseName() + u".lock"_s;
    // The temporary folder may be shared by every user of the machine (/tmp),
    // so the user's name goes into the file name there.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + u'/' +
           executableBaseName() + u'-' + QDir::home().dirName() + u".lock"_s;
}

} // namespace skyvarre
