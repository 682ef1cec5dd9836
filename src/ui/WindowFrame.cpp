#include "WindowFrame.h"

#include "Look.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLayout>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace skyvarre {

namespace {

// Moves window so that its frame is centred on its screen.
void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

// Centres its window when the program first shows it; after that the window
// stays where the user puts it (frmMain after Back, for one).
class CentreOnFirstShow final : public QObject
{
public:
    explicit CentreOnFirstShow(QWidget& window) : QObject(&window)
    {
        window.installEventFilter(this);
    }

private:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A spontaneous show is the desktop restoring the window, not the program.
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            centreOnScreen(static_cast<QWidget&>(*watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

// Whether layout, or a layout within it, places widget.
bool placesWidget(const QLayout& layout, const QWidget* widget)
{
    for (int index = 0; index < layout.count(); ++index) {
        QLayoutItem* item = layout.itemAt(index);
        if (item->widget() == widget || (item->layout() != nullptr && placesWidget(*item->layout(), widget)))
            return true;
    }
    return false;
}

// The forms place their controls at fixed points, which no layout mirrors:
// in a right-to-left language each control that no layout places moves to
// the same distance from its container's right edge as the form gives it
// from the left edge, in the window and in the frames the form draws. The
// children of Qt's own composite widgets (a scroll area's bars) are theirs
// to place, and they mirror themselves.
void mirrorPlacedControls(QWidget& container)
{
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (container.layout() == nullptr || !placesWidget(*container.layout(), child))
            child->move(container.width() - child->x() - child->width(), child->y());
        const QMetaObject* type = child->metaObject();
        if (type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
            type == &QGroupBox::staticMetaObject)
            mirrorPlacedControls(*child);
    }
}

} // namespace

void setUpFixedWindow(QWidget& window)
{
    window.setWindowFlags(window.windowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    window.setWindowTitle(look::kCaption);
    window.setWindowIcon(programIcon());
    if (QLayout* layout = window.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    else
        window.setFixedSize(window.size());
    if (window.isRightToLeft())
        mirrorPlacedControls(window);
    new CentreOnFirstShow(window); // owned by window
}

void fitToText(QWidget& control)
{
    const int end = control.geometry().right();
    control.adjustSize();
    if (control.isRightToLeft())
        control.move(end - control.width() + 1, control.y());
}

QIcon programIcon()
{
    // One icon for every window: the pixmap cache keys each drawn size by the
    // icon's own pixmaps, so an icon loaded afresh for every window built (a
    // frmDisplay at every Find) would add its sizes to the cache each time.
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
