#pragma once

#include <QCoreApplication>
#include <QString>

namespace skyvarre {

// The name of the executable file at path without its folder and extension;
// by default the running program's, which needs the QCoreApplication.
QString executableBaseName(const QString& path = QCoreApplication::applicationFilePath());

} // namespace skyvarre
