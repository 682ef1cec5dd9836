#pragma once

#include <QByteArrayList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <utility>

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

    // Runs whenever an address is opened, after it is recorded.
    void setOnOpen(std::function<void()> onOpen) { m_onOpen = std::move(onOpen); }

public slots:
    // Called by QDesktopServices::openUrl in place of the browser.
    void record(const QUrl& url);

private:
    QByteArrayList m_opened;
    std::function<void()> m_onOpen;
};

} // namespace skyvarre::test
