#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace skyvarre {

// A start that the command line ends before the application object exists:
// the exit code and the texts to print.
struct EarlyEnd
{
    int exitCode = 0;
    QString output; // for standard output
    QString error;  // for standard error
};

// Reads arguments (the first is the program itself) once QApplication has
// taken the options of Qt's it knows; nothing when the start goes on.
std::optional<EarlyEnd> earlyEndFor(const QStringList& arguments);

// Before the application object exists: answers a command line that asks for
// the help or the version and holds nothing else, so that these need no
// display, and from then on ends a start whose display cannot be reached with
// one line and exit code 1 instead of Qt's abort(). Returns the exit code
// when the process is to end now.
std::optional<int> answerBeforeStart(int argc, char* argv[]);

// Once QApplication has taken Qt's options from the command line: answers or
// refuses what it left there. Returns the exit code when the process is to
// end now.
std::optional<int> answerWhatQtLeft(const QStringList& arguments);

} // namespace skyvarre
