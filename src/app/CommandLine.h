#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace skyvarre {

// What the command line and the environment decide before the application
// object exists: go on with the start, or end at once with an exit code and
// the texts to print.
struct Launch
{
    // Empty to go on with the start.
    std::optional<int> exitCode;
    QString output; // for standard output
    QString error;  // for standard error
};

// Reads arguments (the first is the program itself) and, for a plain start,
// looks in environment for a display that a window could open on.
Launch launchFor(const QStringList& arguments, const QProcessEnvironment& environment);

// Runs launchFor on the process's own command line and environment and
// prints its texts. When the start goes on, a display that cannot be reached
// after all ends the process with one line and exit code 1 instead of Qt's
// abort(). Returns the exit code when the process is to end now.
std::optional<int> handleCommandLine(int argc, char* argv[]);

} // namespace skyvarre
