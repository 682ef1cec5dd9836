// The program's real start-up, from process start to the input window's
// first paint, then the same immediate end as the floor program.

#include "app/Application.h"
#include "app/Program.h"
#include "support/EndAfterFirstPaint.h"
#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return skyvarre::runProgram(application, [](skyvarre::Program& program) {
        if (skyvarre::frmMain* input = program.existingFrmMain())
            new skyvarre::bench::EndAfterFirstPaint(*input);
    });
}
