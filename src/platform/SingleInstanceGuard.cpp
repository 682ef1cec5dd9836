#include "SingleInstanceGuard.h"

#include "ExecutableName.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include <chrono>
#include <thread>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

// A copy creates its lock file and takes the native lock on it a moment
// later; in between, the file looks as if nobody held it. A file younger than
// this is given the time to be taken before it counts as left behind.
constexpr std::chrono::milliseconds kTakingTime{1000};

// How often a start looks again when lock files come and go under it.
constexpr int kAttempts = 3;

// A lock file of another user (possible in a temporary folder shared by every
// user) can neither be removed nor say anything about this user's copies.
bool belongsToThisUser(const QFileInfo& file)
{
#ifdef Q_OS_UNIX
    if (file.ownerId() != ::getuid()) {
        return false;
    }
#endif
    return file.isWritable();
}

void giveAStartingCopyTime(const QFileInfo& file)
{
    const qint64 age = file.lastModified().msecsTo(QDateTime::currentDateTime());
    if (age >= 0 && age < kTakingTime.count()) {
        std::this_thread::sleep_for(kTakingTime - std::chrono::milliseconds(age));
    }
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard() : SingleInstanceGuard(defaultLockFilePath())
{
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockFilePath)
    : m_lockFile(lockFilePath), m_lockFilePath(lockFilePath)
{
    // A copy holds the lock for as long as it runs, often for days, so the age
    // of the lock file says nothing: 0 switches QLockFile's age test off.
    // Whether a lock is left behind is decided in anotherCopyIsRunning().
    m_lockFile.setStaleLockTime(0);
}

bool SingleInstanceGuard::anotherCopyIsRunning()
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (m_lockFile.tryLock(0)) {
            return false;
        }
        // A folder that cannot be written lets this copy run rather than keep
        // the user out for good.
        if (m_lockFile.error() != QLockFile::LockFailedError) {
            return false;
        }
        const QFileInfo file(m_lockFilePath);
        if (file.exists() && !belongsToThisUser(file)) {
            return false;
        }
        // Only a running copy holds the file's native lock (flock on Unix, the
        // open handle on Windows), whatever the file holds: a copy killed while
        // writing it leaves it empty, and another host or program version may
        // have written it in a form QLockFile cannot read. A file with nobody
        // holding it is removed; one held by a running copy cannot be.
        // QLockFile writes its record only once it holds the native lock, so
        // a readable record needs no waiting.
        qint64 pid = 0;
        QString host;
        QString program;
        if (!m_lockFile.getLockInfo(&pid, &host, &program)) {
            giveAStartingCopyTime(file);
        }
        if (!m_lockFile.removeStaleLockFile() && QFileInfo::exists(m_lockFilePath)) {
            return true;
        }
    }
    // Lock files keep appearing and going: other copies are starting and ending.
    return true;
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
