#include "WindowFrame.h"

#include "Look.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLayout>
#include <QRect>
#include <QScreen>
#include <QWidget>

// Q_INIT_RESOURCE must be used outside any namespace. The library is static,
// so without this reference the linker would drop the compiled resources.
static void initialiseResources()
{
    Q_INIT_RESOURCE(skyvarre);
}

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
    static const bool resourcesReady = (initialiseResources(), true);
    Q_UNUSED(resourcesReady);
    static QIcon icon;
    if (icon.isNull()) {
        icon.addFile(QStringLiteral(":/icons/skyvarre-32.png"));
        icon.addFile(QStringLiteral(":/icons/skyvarre-64.png"));
        // Its pixmaps go with the application, not after it.
        qAddPostRoutine([] { icon = QIcon(); });
    }
    return icon;
}

} // namespace skyvarre
