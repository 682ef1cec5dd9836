// The floor of start-up cost: the least a Qt Widgets program with a main
// window and a menu bar does before its first paint. The start-up benchmark
// is measured against it.

#include "support/EndAfterFirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("&File"));
    new skyvarre::bench::EndAfterFirstPaint(window);
    window.show();
    return application.exec();
}
