#pragma once

#include <functional>

class QApplication;

namespace skyvarre {

class Program;

// Called once the start-up has finished with frmMain shown, before
// the event loop runs; not called when the start-up ended the program.
using StartedHook = std::function<void(Program&)>;

// Runs Skyvarre in application with the real message boxes, clock, random
// generator, settings store and single-instance lock: the start-up, then the
// event loop until the program ends. Returns the process's exit code.
int runProgram(QApplication& application, const StartedHook& started = {});

} // namespace skyvarre
