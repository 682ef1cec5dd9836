#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace skyvarre {

// Gives a main window the Enter and Esc keys of a dialog, which QMainWindow
// lacks: Esc anywhere presses the cancel button; Enter presses the focused
// button, or the default button while the focus is on anything else (a text
// box, a drop-down list); a focused link takes Enter itself. Text boxes and
// lists never see these two keys.
class DialogKeys final : public QObject
{
public:
    // Watches window and every control it holds now; owned by window.
    DialogKeys(QWidget& window, QAbstractButton& defaultButton, QAbstractButton& cancelButton);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    QAbstractButton& m_defaultButton;
    QAbstractButton& m_cancelButton;
};

} // namespace skyvarre
