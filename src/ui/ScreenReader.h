#pragma once

class QComboBox;
class QWidget;

namespace skyvarre {

// Presents window to assistive tools as a dialog. Screen readers read out the
// texts of a dialog when it opens, those in its titled frames included; of
// any other window only its title.
void readTextsOnOpening(QWidget& window);

// Has screen readers speak the entry a drop-down list shows: when the list
// takes the focus, when Up, Down or a typed letter changes it while it is
// closed, and when the focus comes back to it after a choice from its popup.
void speakShownEntry(QComboBox& list);

} // namespace skyvarre
