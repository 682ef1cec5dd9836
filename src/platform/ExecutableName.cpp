#include "ExecutableName.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace skyvarre {

QString executableBaseName()
{
    // Not QCoreApplication::applicationName(): that one can be renamed at run
    // time, while the stored settings and the lock belong to the file's name.
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace skyvarre
