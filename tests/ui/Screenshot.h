#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace skyvarre::test {

// The folder that window tests render their screenshots into, or empty when
// no screenshots are wanted (SKYVARRE_SCREENSHOT_DIR unset).
inline QString screenshotFolder()
{
    return qEnvironmentVariable("SKYVARRE_SCREENSHOT_DIR");
}

// Renders window, menu bar included, into folder/fileName; true when written.
inline bool saveScreenshot(QWidget& window, const QString& folder, const QString& fileName)
{
    const QPixmap image = window.grab();
    return !image.isNull() && QDir().mkpath(folder) && image.save(QDir(folder).filePath(fileName));
}

} // namespace skyvarre::test
