#pragma once

class QUrl;

namespace skyvarre {

// Hands url to the desktop's default browser through QDesktopServices and
// returns without waiting for it. Whether a browser took it is not looked at,
// and the address never reaches this process's standard error.
void handToBrowser(const QUrl& url);

} // namespace skyvarre
