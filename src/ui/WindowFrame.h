#pragma once

class QIcon;
class QWidget;

namespace skyvarre {

enum class WindowKind
{
    Main,
    Dialog
};

// Caption, program icon, and a fixed border with a close box but no minimise
// or maximise button. A main window's size is fixed at its menu bar plus its
// central widget, whose size its form fixes as the client area.
void setUpFixedWindow(QWidget& window, WindowKind kind);

// Moves window so that its frame is centred on its screen.
void centreOnScreen(QWidget& window);

// The program's icon, in the sizes drawn for it.
QIcon programIcon();

} // namespace skyvarre
