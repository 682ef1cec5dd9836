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

    // Takes the lock; true when another running copy holds it. Answers at once
    // unless the lock file holds no readable record: then it waits out the
    // second a copy takes to write one, so that a copy still taking the lock
    // is refused and a file left half-written by a dead one is taken over. A
    // folder where no lock can be written lets this copy run. The lock stays
    // taken until this guard is destroyed or the process ends.
    bool anotherCopyIsRunning();

private:
    QLockFile m_lockFile;
};

} // namespace skyvarre
