#include "DialogKeys.h"

#include "LinkLabel.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace skyvarre {

namespace {

bool isEnter(const QKeyEvent& key)
{
    // The same keys QDialog takes for its default button.
    return (key.key() == Qt::Key_Return && key.modifiers() == Qt::NoModifier) ||
           (key.key() == Qt::Key_Enter && (key.modifiers() & ~Qt::KeypadModifier) == 0);
}

bool isEscape(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier;
}

} // namespace

DialogKeys::DialogKeys(QWidget& window, QAbstractButton& defaultButton,
                       QAbstractButton& cancelButton)
    : QObject(&window), m_defaultButton(defaultButton), m_cancelButton(cancelButton)
{
    window.installEventFilter(this);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // The menu bar and its menus handle Enter and Esc themselves (Esc leaves
        // the menu), and a drop-down list's open list is a window of its own.
        const bool ownKeys = qobject_cast<QMenuBar*>(control) != nullptr ||
                             qobject_cast<QMenu*>(control) != nullptr ||
                             control->window() != &window;
        if (!ownKeys)
            control->installEventFilter(this);
    }
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isEscape(key)) {
        m_cancelButton.click();
        return true;
    }
    if (isEnter(key)) {
        // A link under the focus opens its page itself.
        if (qobject_cast<LinkLabel*>(watched) != nullptr)
            return false;
        // A button under the focus takes Enter for itself, as in a dialog.
        auto* focusedButton = qobject_cast<QAbstractButton*>(watched);
        (focusedButton != nullptr ? *focusedButton : m_defaultButton).click();
        return true;
    }
    return false;
}

} // namespace skyvarre
