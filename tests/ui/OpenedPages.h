#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace skyvarre::test {

// Stands in for the browser while it lives: every http or https address the
// program opens is recorded here instead of reaching a browser. A test that
// uses it includes "moc_OpenedPages.cpp" once.
class OpenedPages : public QObject
{
    Q_OBJECT

public:
    OpenedPages()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~OpenedPages() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    QStringList addresses;

public slots:
    void open(const QUrl& url) { addresses.append(url.toString(QUrl::FullyEncoded)); }
};

} // namespace skyvarre::test
