#include "RunningMarker.h"

#include <windows.h>

namespace skyvarre {

// In the global namespace, so that a copy running in another session (another
// user's, or this user's over Remote Desktop) is seen too: an installation for
// every user is run from the same files by all of them. Creating a mutex
// there needs no privilege. Where it cannot be made, the session's own
// namespace still shows this session's copies.
RunningMarker::RunningMarker()
{
    m_handle = CreateMutexW(nullptr, FALSE, L"Global\\" SKYVARRE_RUNNING_MUTEX);
    if (m_handle == nullptr)
        m_handle = CreateMutexW(nullptr, FALSE, SKYVARRE_RUNNING_MUTEX);
}

RunningMarker::~RunningMarker()
{
    if (m_handle != nullptr)
        CloseHandle(m_handle);
}

} // namespace skyvarre
