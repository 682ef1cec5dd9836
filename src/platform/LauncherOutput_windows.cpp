#include "LauncherOutput.h"

namespace skyvarre {

// ShellExecute starts the browser without this process's standard handles.
SilencedLauncherOutput::SilencedLauncherOutput() = default;

SilencedLauncherOutput::~SilencedLauncherOutput() = default;

} // namespace skyvarre
