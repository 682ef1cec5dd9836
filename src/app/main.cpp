#include "app/Application.h"
#include "app/CommandLine.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
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
