#include "app/Application.h"
#include "app/CommandLine.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    // --help, --version, a mistyped option and a missing display end here,
    // before any window, lock or settings file is touched.
    if (const std::optional<int> exitCode = skyvarre::handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    return skyvarre::runProgram(application);
}
