#include "Browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace skyvarre {

void handToBrowser(const QUrl& url)
{
    // A failure is ignored: the program goes on as if the page had opened.
    QDesktopServices::openUrl(url);
}

} // namespace skyvarre
