#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <array>

namespace skyvarre {

// Standard input, output and error, in the order of their numbers.
inline constexpr std::array kStandardDescriptors = {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO};

// Opens the null device the way the standard stream numbered descriptor is
// used: for reading as standard input, for writing as standard output and
// error. flags adds to the mode (O_CLOEXEC). Returns the descriptor, or -1.
inline int openNullDeviceAs(int descriptor, int flags)
{
    return ::open("/dev/null", (descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY) | flags);
}

} // namespace skyvarre
