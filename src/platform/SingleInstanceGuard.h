#pragma once

#include <QLockFile>
#include <QString>

namespace skyvarre {

// Tells whether another copy of the program runs for this user, through a
// lock file that the first copy holds for as long as it runs.
class SingleInstanceGuard
{
public:
    // A guard over this program's per-user lock file. Needs the QCoreApplication.
    SingleInstanceGuard();

    // A guard over the lock file at lockFilePath.
    explicit SingleInstanceGuard(const QString& lockFilePath);

    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // Takes the lock; true when another running copy holds it. A lock file that
    // no running copy holds is taken over whatever it contains, and one of
    // another user lets this copy run. Waits (a second at most) only when a
    // copy started at the same moment may be taking the lock just then.
    // The lock stays taken until this guard is destroyed or the process ends.
    bool anotherCopyIsRunning();

    // This program's per-user lock file: in the runtime folder, else the temporary folder.
    static QString defaultLockFilePath();

private:
    QLockFile m_lockFile;
    QString m_lockFilePath;
};

} // namespace skyvarre
