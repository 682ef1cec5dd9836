#pragma once

namespace skyvarre {

// Maps the families the windows ask for ("Verdana", "MS Sans Serif") onto a
// face that every machine has, for machines that lack them. Run once at start.
void installFontSubstitutions();

} // namespace skyvarre
