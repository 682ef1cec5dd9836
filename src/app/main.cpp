#include "app/Application.h"
#include "app/CommandLine.h"
#include "platform/RunningMarker.h"
#include "platform/StandardStreams.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    // Before anything opens a file that could take a closed stream's number.
    skyvarre::openClosedStandardStreams();
    // From the first moment, even under a --help message box: the program's
    // files are in use, and an installer must not replace them.
    const skyvarre::RunningMarker running;
    // --help and --version end here, before any window, lock or settings file
    // is touched; a missing display ends in QApplication.
    if (const std::optional<int> exitCode = skyvarre::answerBeforeStart(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    // QApplication has taken Qt's own options; what it left is ours to judge.
    if (const std::optional<int> exitCode = skyvarre::answerWhatQtLeft(application.arguments()))
        return *exitCode;
    return skyvarre::runProgram(application);
}
