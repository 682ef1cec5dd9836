#include "StandardStreams.h"

namespace skyvarre {

// A Windows program gets handles, not descriptors, and the C runtime keeps
// 0 to 2 for the standard streams even when it was started without them, so
// no file the program opens can take their place; the browser is started by
// the shell, without this process's handles.
void openClosedStandardStreams()
{
}

} // namespace skyvarre
