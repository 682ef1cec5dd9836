#pragma once

#include <QString>

namespace skyvarre {

enum class AnswerStream
{
    Output,
    Error
};

// Gives the answer to a command line (--help, --version, a mistyped option)
// where its user reads it: standard output or standard error. A Windows GUI
// program has neither unless its caller redirected it, and shows the answer
// in a message box then. Needs no application object.
void giveConsoleAnswer(AnswerStream stream, const QString& text);

// Whether argument is how this platform's users ask a program for its help
// besides --help: "/?" on Windows.
bool isPlatformHelpRequest(const QString& argument);

} // namespace skyvarre
