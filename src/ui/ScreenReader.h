#pragma once

namespace skyvarre {

// Installs the program's accessibility factory, once: the link label's link
// role and the stand-ins for what Qt's own interfaces lack. Called before any
// widget it serves is built, since Qt keeps the first interface it builds for
// an object.
void installAccessibleInterfaces();

} // namespace skyvarre
