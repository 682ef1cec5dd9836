#include "Browser.h"

#include <QDesktopServices>
#include <QUrl>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace skyvarre {

namespace {

// Addresses carry what the user typed (names, e-mail addresses), and whatever
// reaches standard error ends up in the desktop session's journal. Qt names
// the address in its warnings when it finds no browser or cannot start one,
// and so do the launchers it starts (xdg-open: "no method available for
// opening '...'"), which inherit this process's standard error.
void dropMessage(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                 const QString& /*message*/)
{
}

// Points standard error at the null device for as long as it exists, so that
// a launcher started meanwhile inherits that instead. Qt starts the launcher
// before openUrl returns.
class SilencedStandardError
{
public:
    SilencedStandardError()
    {
#ifdef Q_OS_UNIX
        m_saved = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && null >= 0) {
            ::dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            ::close(null);
        }
#endif
    }

    ~SilencedStandardError()
    {
#ifdef Q_OS_UNIX
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
        }
#endif
    }

    SilencedStandardError(const SilencedStandardError&) = delete;
    SilencedStandardError& operator=(const SilencedStandardError&) = delete;

private:
    int m_saved = -1;
};

} // namespace

void handToBrowser(const QUrl& url)
{
    // Qt's platform integration does the hand-off: ShellExecute on Windows,
    // Launch Services on macOS, xdg-open (or $BROWSER) started detached on X11.
    // No shell parses the address on the way. Whether a browser opened it is
    // deliberately not looked at: the program goes on as if the page had opened,
    // and the messages of a failed hand-off are dropped with the address in them.
    const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
    {
        const SilencedStandardError silenced;
        QDesktopServices::openUrl(url);
    }
    qInstallMessageHandler(previous);
}

} // namespace skyvarre
