#include "Browser.h"

namespace skyvarre {

// The shell starts the browser (Qt calls ShellExecute), without this
// process's standard handles: Qt's own way is kept.
std::unique_ptr<QObject> routeWebAddressesToOpener()
{
    return nullptr;
}

} // namespace skyvarre
