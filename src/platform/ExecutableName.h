#pragma once

#include <QString>

namespace skyvarre {

// The program's executable file name without its extension; needs the QCoreApplication.
QString executableBaseName();

} // namespace skyvarre
