#include "Browser.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace skyvarre {

namespace {

// The launcher Qt itself would pick on a freedesktop system: xdg-open, else
// the browser command the environment names.
QStringList launcherCommand()
{
    if (const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        !xdgOpen.isEmpty())
        return {xdgOpen};
    for (const char* variable : {"DEFAULT_BROWSER", "BROWSER"})
        if (const QString browser = qEnvironmentVariable(variable); !browser.isEmpty())
            return QProcess::splitCommand(browser);
    return {};
}

// Qt starts the launcher with this process's standard error, and xdg-open
// names the address there when it finds no browser ("no method available for
// opening '...'"). This one starts it the same way, detached and with the
// encoded address as its one argument, but with nowhere to write.
class QuietLauncher final : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl& url)
    {
        QStringList arguments = launcherCommand();
        if (arguments.isEmpty())
            return;
        QProcess launcher;
        launcher.setProgram(arguments.takeFirst());
        launcher.setArguments(arguments << QString::fromLatin1(url.toEncoded()));
        launcher.setStandardInputFile(QProcess::nullDevice());
        launcher.setStandardOutputFile(QProcess::nullDevice());
        launcher.setStandardErrorFile(QProcess::nullDevice());
        launcher.startDetached();
    }
};

} // namespace

void installBrowserLauncher()
{
    auto* launcher = new QuietLauncher;
    launcher->setParent(QCoreApplication::instance());
    QDesktopServices::setUrlHandler(QStringLiteral("http"), launcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), launcher, "open");
}

} // namespace skyvarre

#include "BrowserLauncher_xdg.moc"
