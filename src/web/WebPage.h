#pragma once

#include <QString>

namespace skyvarre {

// Hands address to the desktop's default browser and returns at once. A
// failure to open it is not reported: the program goes on as if it had opened.
void OpenWebPage(const QString& address);

// The link entry points: each opens one page of the link table.
void OpenHomePage();
void OpenSoftwareCataloguePage();
void OpenOnlineHelpPage();
void OpenDownloadPage();
void OpenDonationPage();
void OpenFullBrandPage();
void OpenCoBrandPage();

// Opens whatever TellAFriendAddress holds at the moment of the call.
void OpenTellAFriendAddress();

} // namespace skyvarre
