#pragma once

class QApplication;

namespace skyvarre {

// Runs Skyvarre in application with the real message boxes, clock, random
// generator, settings store and single-instance lock: the start-up, then the
// event loop until the program ends. Returns the process's exit code.
int runProgram(QApplication& application);

} // namespace skyvarre
