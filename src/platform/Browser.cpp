#include "Browser.h"

#include "LauncherOutput.h"

#include <QDesktopServices>
#include <QUrl>

namespace skyvarre {

namespace {

// Qt's warnings name the address when no browser takes it, and addresses
// carry what the user typed (names, e-mail addresses): they stay out of the
// log. The program goes on as if the page had opened.
void dropMessage(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                 const QString& /*message*/)
{
}

} // namespace

void handToBrowser(const QUrl& url)
{
    const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
    {
        // Qt finds the browser as on any desktop (a portal, xdg-open, $BROWSER,
        // the desktop's own opener or a known browser) and starts it before
        // openUrl returns.
        const SilencedLauncherOutput silenced;
        QDesktopServices::openUrl(url);
    }
    qInstallMessageHandler(previous);
}

} // namespace skyvarre
