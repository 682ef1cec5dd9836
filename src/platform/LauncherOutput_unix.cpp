#include "LauncherOutput.h"

#include <fcntl.h>
#include <unistd.h>

namespace skyvarre {

// The process's standard error points at the null device for a moment, on
// the user-interface thread, while Qt starts the launcher. A line that
// another thread writes meanwhile is lost; none of ours writes any.
SilencedLauncherOutput::SilencedLauncherOutput()
{
    m_savedStandardError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (m_savedStandardError >= 0 && null >= 0)
        ::dup2(null, STDERR_FILENO);
    if (null >= 0)
        ::close(null);
}

SilencedLauncherOutput::~SilencedLauncherOutput()
{
    if (m_savedStandardError < 0)
        return;
    ::dup2(m_savedStandardError, STDERR_FILENO);
    ::close(m_savedStandardError);
}

} // namespace skyvarre
