#include "WindowFrame.h"

#include "IconPixels.h"
#include "Look.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QLayout>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace skyvarre {

void setUpFixedWindow(QWidget& window, WindowKind kind)
{
    const Qt::WindowFlags type = kind == WindowKind::Main ? Qt::Window : Qt::Dialog;
    window.setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    window.setWindowTitle(look::kCaption);
    window.setWindowIcon(programIcon());
    if (QLayout* layout = window.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    else
        window.setFixedSize(window.size());
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

QIcon programIcon()
{
    // One icon for every window: the pixmap cache keys each drawn size by the
    // icon's own pixmaps, so an icon loaded afresh for every window built (a
    // result window at every Find) would add its sizes to the cache each time.
    static QIcon icon;
    if (icon.isNull()) {
        for (const IconPixels& size : programIconPixels()) {
            // The pixels lie decoded in the program's read-only data.
            const QImage image(reinterpret_cast<const uchar*>(size.argb), size.width, size.height,
                               QImage::Format_ARGB32_Premultiplied);
            icon.addPixmap(QPixmap::fromImage(image));
        }
        // Its pixmaps go with the application, not after it.
        qAddPostRoutine([] { icon = QIcon(); });
    }
    return icon;
}

} // namespace skyvarre
