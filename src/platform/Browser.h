#pragma once

class QUrl;

namespace skyvarre {

// Hands url to the desktop's default browser through QDesktopServices and
// returns without waiting for it. Whether a browser took it is not looked at.
void handToBrowser(const QUrl& url);

// Has QDesktopServices hand web addresses to the platform's browser launcher
// in a way that keeps them out of this process's standard error. Run once at
// start; a test that records the addresses instead replaces it.
void installBrowserLauncher();

} // namespace skyvarre
