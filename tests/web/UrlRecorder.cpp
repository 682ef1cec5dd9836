#include "UrlRecorder.h"

#include <QDesktopServices>

namespace skyvarre::test {

UrlRecorder::UrlRecorder()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "record");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "record");
}

UrlRecorder::~UrlRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlRecorder::record(const QUrl& url)
{
    m_opened.append(url.toEncoded());
    if (m_onOpen)
        m_onOpen();
}

} // namespace skyvarre::test
