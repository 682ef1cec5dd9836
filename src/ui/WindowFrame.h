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
// or maximise button, centred on the screen when first shown. A main window's
// size is fixed at its menu bar plus its central widget, whose size its form
// fixes as the client area.
void setUpFixedWindow(QWidget& window, WindowKind kind);

// The program's icon, in the sizes drawn for it.
QIcon programIcon();

} // namespace skyvarre
