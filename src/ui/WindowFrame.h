#pragma once

class QIcon;
class QWidget;

namespace skyvarre {

// Caption, program icon, and a fixed border with a close box but no minimise
// or maximise button, centred on the screen when first shown. The window keeps
// its type: a window of its own (Qt::Window) or one over its owner
// (Qt::Dialog). A window with a layout is fixed at the size the layout asks
// for (the menu bar plus the client area that its form fixes); any other at
// the size its form gives it. In a right-to-left language the controls that
// the form places take the mirrored places, as a layout's do.
void setUpFixedWindow(QWidget& window);

// Sizes a control to its text, its text keeping the place where it starts:
// the left edge, or in a right-to-left language the right edge.
void fitToText(QWidget& control);

// The program's icon, in the sizes drawn for it.
QIcon programIcon();

} // namespace skyvarre
