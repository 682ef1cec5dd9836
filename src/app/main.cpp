#include "app/Application.h"
#include "app/CommandLine.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    // --help, --version and a mistyped option end here, before any window,
    // lock or settings file is touched; a missing display ends in QApplication.
    if (const std::optional<int> exitCode = skyvarre::handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    return skyvarre::runProgram(application);
}
