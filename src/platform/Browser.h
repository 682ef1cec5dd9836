#pragma once

class QUrl;

namespace skyvarre {

// Hands url to the desktop's default browser and returns without waiting for it.
void handToBrowser(const QUrl& url);

} // namespace skyvarre
