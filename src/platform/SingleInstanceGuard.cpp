#include "SingleInstanceGuard.h"

#include "UserLocations.h"

#include <chrono>

namespace skyvarre {

namespace {

// A copy creates its lock file and takes the native lock on it a moment
// later; in between, the file looks as if nobody held it. A file younger than
// this is left to the copy that is taking it.
constexpr std::chrono::milliseconds kTakingTime{1000};

} // namespace

SingleInstanceGuard::SingleInstanceGuard() : SingleInstanceGuard(userLockFilePath())
{
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockFilePath) : m_lockFile(lockFilePath)
{
    // A copy holds its lock for as long as it runs, often for days, so the
    // file's age cannot tell a running copy from a file left behind. The native
    // lock can (flock on Unix, the open handle on Windows): only a running copy
    // holds it, and QLockFile removes a file that looks stale only once it has
    // taken that lock itself. With a short stale time every file that nobody
    // holds counts as stale after that time, whatever it contains: one left
    // empty by a copy killed while writing it, one written on another host or
    // in another form. A running copy's file is never taken.
    m_lockFile.setStaleLockTime(kTakingTime);
}

bool SingleInstanceGuard::anotherCopyIsRunning()
{
    if (m_lockFile.tryLock(0))
        return false;
    // A file with no readable record is either being taken by a copy that
    // has not written it yet, or was left so by a copy that died doing it.
    // Waiting until it is older than the taking time tells them apart: by
    // then a live copy has written its record and holds the native lock,
    // while a dead one's file counts as stale and is taken over. A readable
    // record names a running copy (QLockFile takes a dead one's at once), so
    // that start is refused without waiting.
    qint64 pid = 0;
    QString host;
    QString program;
    if (m_lockFile.error() == QLockFile::LockFailedError &&
        !m_lockFile.getLockInfo(&pid, &host, &program) && m_lockFile.tryLock(2 * kTakingTime))
        return false;
    // A folder that cannot be written lets this copy run rather than keep the
    // user out for good.
    return m_lockFile.error() == QLockFile::LockFailedError;
}

} // namespace skyvarre
