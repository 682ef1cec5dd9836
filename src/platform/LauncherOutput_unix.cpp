#include "LauncherOutput.h"

#include "ExecutableName.h"
#include "NullDevice_unix.h"

#include <QByteArray>

#include <cerrno>
#include <cstddef>

namespace skyvarre {

namespace {

// In the order of kStandardDescriptors.
constexpr std::array kStreamNames = {"standard input", "standard output", "standard error"};

// Puts this process's own stream back. dup2 fails here only when a signal
// interrupts it, or (Linux) while another thread is opening a file into that
// very number, which passes at once.
bool putBack(int saved, int descriptor)
{
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (::dup2(saved, descriptor) >= 0)
            return true;
        if (errno != EINTR && errno != EBUSY)
            return false;
    }
    return false;
}

// One line on the original standard error, through the saved copy of it when
// that is the stream that failed: what the program writes from now on is
// lost, and whoever reads its log must not be left wondering why. The line
// names no address.
void tellOfStreamLeftOnTheNullDevice(int standardError, std::size_t stream)
{
    const QByteArray line = executableBaseName().toLocal8Bit() + ": " + kStreamNames.at(stream) +
                            " stays on the null device since the browser was started\n";
    if (::write(standardError, line.constData(), static_cast<std::size_t>(line.size())) < 0) {
        // Nowhere is left to say it.
    }
}

} // namespace

// The process's streams point at the null device for a moment, on the
// user-interface thread, while Qt starts the launcher. A line that another
// thread writes meanwhile is lost; none of ours writes any. A stream that
// cannot be swapped stays as it is, and the launcher inherits it: that takes
// a process without a free descriptor (in which Qt cannot start the launcher
// either: it needs a pipe for that) or without /dev/null.
SilencedLauncherOutput::SilencedLauncherOutput()
{
    for (std::size_t stream = 0; stream < kStandardDescriptors.size(); ++stream) {
        const int descriptor = kStandardDescriptors.at(stream);
        // Above the standard numbers, and closed in the launcher.
        const int saved = ::fcntl(descriptor, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
        const int null = openNullDeviceAs(descriptor, O_CLOEXEC);
        if (saved >= 0 && null >= 0 && ::dup2(null, descriptor) >= 0)
            m_saved.at(stream) = saved;
        else if (saved >= 0)
            ::close(saved);
        if (null >= 0)
            ::close(null);
    }
}

// Standard error comes back last, so that its saved copy can still tell of
// any stream that could not come back, itself included.
SilencedLauncherOutput::~SilencedLauncherOutput()
{
    const std::size_t error = kStandardDescriptors.size() - 1;
    const int standardError = m_saved.at(error) >= 0 ? m_saved.at(error) : STDERR_FILENO;
    for (std::size_t stream = 0; stream < kStandardDescriptors.size(); ++stream) {
        const int saved = m_saved.at(stream);
        if (saved < 0)
            continue;
        if (!putBack(saved, kStandardDescriptors.at(stream)))
            tellOfStreamLeftOnTheNullDevice(standardError, stream);
        if (stream != error)
            ::close(saved);
    }
    if (m_saved.at(error) >= 0)
        ::close(m_saved.at(error));
}

} // namespace skyvarre
