#pragma once

#include <QByteArrayList>
#include <QObject>
#include <QUrl>

namespace skyvarre::test {

// While it exists, every http or https address handed to QDesktopServices is
// recorded here, in its encoded form, instead of reaching a browser.
class UrlRecorder final : public QObject
{
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    // The encoded addresses opened so far, oldest first.
    const QByteArrayList& opened() const { return m_opened; }

public slots:
    // Called by QDesktopServices::openUrl in place of the browser.
    void record(const QUrl& url);

private:
    QByteArrayList m_opened;
};

} // namespace skyvarre::test
