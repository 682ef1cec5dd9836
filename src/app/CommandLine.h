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

// Reads arguments (the first is the program itself); nothing when the start
// goes on. Qt's own options are left for QApplication to take.
std::optional<EarlyEnd> earlyEndFor(const QStringList& arguments);

// Runs earlyEndFor on the process's command line and prints its texts. When
// the start goes on, a display that cannot be reached ends the process with
// one line and exit code 1 instead of Qt's abort(). Returns the exit code
// when the process is to end now.
std::optional<int> handleCommandLine(int argc, char* argv[]);

} // namespace skyvarre
