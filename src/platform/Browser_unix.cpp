#include "Browser.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace skyvarre {

namespace {

const QString kSchemes[] = {QStringLiteral("http"), QStringLiteral("https")};

// Starts xdg-open, which the package depends on, with the address as its one
// argument and the null device as its standard input, output and error.
// Qt's own way would give the launcher this process's streams: xdg-open names
// the address on standard error when it finds no browser, and a browser
// writes to standard output and keeps it open, so that a caller reading our
// output to its end would wait for the browser. Qt 6.5 and later on Wayland
// also start the launcher only after openUrl has returned, and warn with the
// address when they find none; the address carries what the user typed
// (names, e-mail addresses).
class XdgOpener final : public QObject
{
    Q_OBJECT

public:
    XdgOpener()
    {
        for (const QString& scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~XdgOpener() override
    {
        for (const QString& scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

public slots:
    void open(const QUrl& url)
    {
        QProcess opener;
        opener.setProgram(QStringLiteral("xdg-open"));
        opener.setArguments({QString::fromUtf8(url.toEncoded())});
        opener.setStandardInputFile(QProcess::nullDevice());
        opener.setStandardOutputFile(QProcess::nullDevice());
        opener.setStandardErrorFile(QProcess::nullDevice());
        // A launcher that cannot be started is a hand-off that failed, which
        // is not reported; Qt writes nothing about it either.
        opener.startDetached();
    }
};

} // namespace

std::unique_ptr<QObject> routeWebAddressesToOpener()
{
    return std::make_unique<XdgOpener>();
}

} // namespace skyvarre

#include "Browser_unix.moc"
