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
}

} // namespace skyvarre::test
