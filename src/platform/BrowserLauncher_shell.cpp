#include "Browser.h"

namespace skyvarre {

// Qt hands the address to the system shell (ShellExecute on Windows, Launch
// Services on macOS), which writes nothing to this process's standard error.
void installBrowserLauncher()
{
}

} // namespace skyvarre
