#include "RunningMarker.h"

#include <windows.h>

#include <sddl.h>

namespace skyvarre {

namespace {

// Who may do what with the mutex. Every copy, the installer and the
// uninstaller only ever wait on it, so waiting (SYNCHRONIZE) is all that
// Everyone gets: a copy started by another user, in another session, opens
// the object the first copy made instead of being refused, and nobody else
// can take it, release it or change who may open it. Local System and the
// Administrators get every right, as on the objects Windows makes itself, so
// that their tools can inspect or remove it. The creator needs no entry of
// its own: it asks for no more than any other copy, and as the owner it may
// still read and change the list.
constexpr wchar_t kEveryoneMayWait[] = L"D:(A;;0x00100000;;;WD)(A;;GA;;;SY)(A;;GA;;;BA)";

// Creates the named mutex, or opens it where another copy has, asking only
// for the right to wait on it, which every user has.
HANDLE openForWaiting(SECURITY_ATTRIBUTES& attributes, const wchar_t* name)
{
    return CreateMutexExW(&attributes, name, 0, SYNCHRONIZE);
}

} // namespace

// In the global namespace, so that a copy running in another session (another
// user's, or this user's over Remote Desktop) is seen too: an installation for
// every user is run from the same files by all of them. Creating a mutex
// there needs no privilege. Only where the global one can be neither made nor
// opened (an object of that name that this user may not wait on, made by
// something else) does the session's own namespace take its place; it still
// shows this session's copies. Without either the program runs all the same:
// the mark only keeps installers away, and refusing to start would be worse.
RunningMarker::RunningMarker()
{
    PSECURITY_DESCRIPTOR security = nullptr;
    // The string is fixed, so only a lack of memory can make this fail; the
    // mutex then gets the default rights, which serve this user's copies.
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(kEveryoneMayWait, SDDL_REVISION_1,
                                                              &security, nullptr))
        security = nullptr;
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), security, FALSE};
    m_handle = openForWaiting(attributes, L"Global\\" SKYVARRE_RUNNING_MUTEX);
    if (m_handle == nullptr)
        m_handle = openForWaiting(attributes, SKYVARRE_RUNNING_MUTEX);
    LocalFree(security);
}

RunningMarker::~RunningMarker()
{
    if (m_handle != nullptr)
        CloseHandle(m_handle);
}

} // namespace skyvarre
