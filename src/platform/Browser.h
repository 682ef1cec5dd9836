#pragma once

#include <QObject>

#include <memory>

class QUrl;

namespace skyvarre {

// Hands url to QDesktopServices, whose handler for the address's scheme
// opens it, and returns without waiting for a browser. Whether a browser took
// it is not looked at: the program goes on as if the page had opened.
void handToBrowser(const QUrl& url);

// Until the returned object is destroyed, web addresses (http, https) handed
// to QDesktopServices go to the desktop's opener as this program starts it
// itself; nullptr where Qt's own way is kept. A test puts its own handler in
// place instead and so reaches no browser.
[[nodiscard]] std::unique_ptr<QObject> routeWebAddressesToOpener();

} // namespace skyvarre
