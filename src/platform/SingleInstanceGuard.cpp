#include "SingleInstanceGuard.h"

#include "ExecutableName.h"

#include <QDir>
#include <QStandardPaths>

namespace skyvarre {

using namespace Qt::StringLiterals;

SingleInstanceGuard::SingleInstanceGuard() : SingleInstanceGuard(defaultLockFilePath())
{
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockFilePath) : m_lockFile(lockFilePath)
{
    // A copy holds the lock for as long as it runs, often for days, so the age
    // of the lock file says nothing: 0 switches the age test off. A lock left
    // by a copy that crashed or was killed is still recovered, because QLockFile
    // finds that the process recorded in it (same host, same program name, so a
    // reused process id does not count) no longer runs. While the owner runs,
    // its native lock on the file (flock on Unix, the open handle on Windows)
    // keeps anyone else from removing it.
    m_lockFile.setStaleLockTime(0);
}

bool SingleInstanceGuard::anotherCopyIsRunning()
{
    if (m_lockFile.tryLock(0)) {
        return false;
    }
    // Only a lock held by someone else means another copy. A folder that cannot
    // be written lets this copy run rather than keep the user out for good.
    return m_lockFile.error() == QLockFile::LockFailedError;
}

QString SingleInstanceGuard::defaultLockFilePath()
{
    const QString runtimeFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtimeFolder.isEmpty()) {
        return runtimeFolder + u'/' + executableBaseName() + u".lock"_s;
    }
    // The temporary folder may be shared by every user of the machine (/tmp),
    // so the user's name goes into the file name there.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + u'/' +
           executableBaseName() + u'-' + QDir::home().dirName() + u".lock"_s;
}

} // namespace skyvarre
