#include "WebPage.h"

#include "LinkTable.h"
#include "TellAFriend.h"
#include "platform/Browser.h"

#include <QByteArray>
#include <QUrl>
#include <QtGlobal>

namespace skyvarre {

void OpenWebPage(const QString& address)
{
    // Every address the program builds is already in its final encoded form,
    // so parsing it strictly and encoding it again must give the same bytes:
    // the browser receives exactly the address that was built.
    const QByteArray encoded = address.toUtf8();
    const QUrl url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    const bool handedOverUnchanged = url.isValid() && url.toEncoded() == encoded;
    // The address stays out of the message: it may carry names and e-mail addresses.
    Q_ASSERT_X(handedOverUnchanged, "OpenWebPage", "not a URL in its encoded form");
    if (!handedOverUnchanged) {
        // A programming error; a release build opens nothing rather than a
        // guess at what was meant.
        return;
    }
    handToBrowser(url);
}

void OpenHomePage()
{
    OpenWebPage(pageAddress(Page::Home));
}

void OpenSoftwareCataloguePage()
{
    OpenWebPage(pageAddress(Page::SoftwareCatalogue));
}

void OpenOnlineHelpPage()
{
    OpenWebPage(pageAddress(Page::OnlineHelp));
}

void OpenDownloadPage()
{
    OpenWebPage(pageAddress(Page::Download));
}

void OpenDonationPage()
{
    OpenWebPage(pageAddress(Page::Donation));
}

void OpenFullBrandPage()
{
    OpenWebPage(pageAddress(Page::FullBrand));
}

void OpenCoBrandPage()
{
    OpenWebPage(pageAddress(Page::CoBrand));
}

void OpenTellAFriendAddress()
{
    OpenWebPage(TellAFriendAddress);
}

} // namespace skyvarre
