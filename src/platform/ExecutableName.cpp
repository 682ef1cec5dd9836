#include "ExecutableName.h"

#include <QFileInfo>

namespace skyvarre {

QString executableBaseName(const QString& path)
{
    // Not QCoreApplication::applicationName(): that one can be renamed at run
    // time, while the stored settings and the lock belong to the file's name.
    return QFileInfo(path).completeBaseName();
}

} // namespace skyvarre
