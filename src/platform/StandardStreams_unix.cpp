#include "StandardStreams.h"

#include "NullDevice_unix.h"

#include <cerrno>

namespace skyvarre {

// A standard descriptor that the caller closed is the next number any open()
// returns: Qt's display connection or one of its event descriptors would
// become "standard error", a message would be written into it, and the
// browser hand-off, which points standard error at the null device for a
// moment, would cut the program off from its display. Where even the null
// device cannot be opened or put in place (no /dev/null, or no descriptor
// left before the program has opened any), the program runs as it was
// started: there is no stream to say so on.
void openClosedStandardStreams()
{
    for (const int descriptor : kStandardDescriptors) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // Inheritable, as a standard stream is. It is the lowest free number,
        // so this one, unless a lower one could not be opened either.
        const int null = openNullDeviceAs(descriptor, 0);
        if (null > descriptor) {
            ::dup2(null, descriptor);
            ::close(null);
        }
    }
}

} // namespace skyvarre
