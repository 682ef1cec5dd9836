// One copy of a program guarded by SingleInstanceGuard, driven over its
// standard streams by the single-instance tests:
//   prints "ready" once it is up, waits for a line on stdin, asks the guard,
//   prints "running" (it is the only copy) or "refused", then keeps its lock
//   until stdin closes.
#include "platform/SingleInstanceGuard.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    skyvarre::SingleInstanceGuard guard;
    std::puts("ready");
    std::fflush(stdout);

    std::string line;
    if (!std::getline(std::cin, line))
        return 1;
    std::puts(guard.anotherCopyIsRunning() ? "refused" : "running");
    std::fflush(stdout);

    while (std::getline(std::cin, line)) {
    }
    return 0;
}
