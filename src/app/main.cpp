#include "app/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return skyvarre::runProgram(application);
}
