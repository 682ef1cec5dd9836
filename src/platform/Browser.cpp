#include "Browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace skyvarre {

void handToBrowser(const QUrl& url)
{
    // Qt's platform integration does the hand-off: ShellExecute on Windows,
    // Launch Services on macOS, xdg-open (or $BROWSER) started detached on X11.
    // No shell parses the address on the way. Whether a browser opened it is
    // deliberately not looked at: the program goes on as if the page had opened.
    QDesktopServices::openUrl(url);
}

} // namespace skyvarre
