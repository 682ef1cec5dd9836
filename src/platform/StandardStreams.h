#pragma once

namespace skyvarre {

// Opens the null device (where there is none, a harmless stand-in) in place
// of any of the standard input, output and error that the caller left closed
// (`skyvarre 2>&-`), so that no file the program opens later takes that
// number. First thing in main, before anything
// else opens a file. Nothing to do on Windows.
void openClosedStandardStreams();

} // namespace skyvarre
