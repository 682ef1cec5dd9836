#include "StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace skyvarre {

// A standard descriptor that the caller closed is the next number any open()
// returns: Qt's display connection or one of its event descriptors would
// become "standard error", and every warning would be written into it. Where
// /dev/null is missing (a minimal chroot, some sandboxes), the root folder
// holds the number instead: reading it fails with EISDIR, writing with EBADF.
// Where neither can be opened (no descriptor left before the program has
// opened any), the program runs as it was started: there is no stream to say
// so on.
void openClosedStandardStreams()
{
    int placeholder = -1;
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // Inheritable, as a standard stream is.
        if (placeholder < 0)
            placeholder = ::open("/dev/null", O_RDWR);
        if (placeholder < 0)
            placeholder = ::open("/", O_RDONLY | O_DIRECTORY);
        if (placeholder < 0)
            return;
        // The lowest free number: this one, and then kept there.
        if (placeholder != descriptor)
            ::dup2(placeholder, descriptor);
    }
    if (placeholder > STDERR_FILENO)
        ::close(placeholder);
}

} // namespace skyvarre
