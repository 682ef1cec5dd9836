#include "platform/RunningMarker.h"

#include <windows.h>

#include <aclapi.h>

#include <gtest/gtest.h>

#include <memory>

namespace skyvarre {
namespace {

const wchar_t* const kGlobalName = L"Global\\" SKYVARRE_RUNNING_MUTEX;

struct HandleCloser
{
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// As the installer looks for a running copy, asking only to wait.
Handle openMutex(const wchar_t* name, DWORD access = SYNCHRONIZE)
{
    return Handle(OpenMutexW(access, FALSE, name));
}

// What the mutex's access list allows the World SID (every user), or 0 where
// it cannot be read.
ACCESS_MASK allowedToEveryone(HANDLE mutex)
{
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR security = nullptr;
    if (GetSecurityInfo(mutex, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &list,
                        nullptr, &security) != ERROR_SUCCESS)
        return 0;
    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(everyone);
    ACCESS_MASK allowed = 0;
    if (list != nullptr && CreateWellKnownSid(WinWorldSid, nullptr, everyone, &size)) {
        for (DWORD index = 0; index < list->AceCount; ++index) {
            void* entry = nullptr;
            if (GetAce(list, index, &entry) &&
                static_cast<ACE_HEADER*>(entry)->AceType == ACCESS_ALLOWED_ACE_TYPE) {
                auto* allowedEntry = static_cast<ACCESS_ALLOWED_ACE*>(entry);
                if (EqualSid(&allowedEntry->SidStart, everyone))
                    allowed |= allowedEntry->Mask;
            }
        }
    }
    LocalFree(security);
    return allowed;
}

TEST(RunningMarker, letsEveryUserWaitOnItAndNothingMore)
{
    const RunningMarker running;
    const Handle seen = openMutex(kGlobalName, SYNCHRONIZE | READ_CONTROL);
    ASSERT_NE(seen, nullptr) << "no global mutex, error " << GetLastError();
    EXPECT_EQ(allowedToEveryone(seen.get()), static_cast<ACCESS_MASK>(SYNCHRONIZE));
}

TEST(RunningMarker, aSecondCopyHoldsTheSameGlobalMutexAsTheFirst)
{
    auto first = std::make_unique<RunningMarker>();
    {
        const RunningMarker second;
        first.reset();
        EXPECT_NE(openMutex(kGlobalName), nullptr)
            << "once the first copy ended, an installer no longer sees the second";
    }
    EXPECT_EQ(openMutex(kGlobalName), nullptr) << "something else holds the mutex";
}

TEST(RunningMarker, fallsBackToTheSessionWhereTheGlobalNameIsTaken)
{
    // Another kind of object under the name: no mutex can be made or opened
    // there, as where an access list refuses waiting (which Wine does not
    // enforce, so it cannot stand in here).
    const Handle squatter(CreateEventW(nullptr, TRUE, FALSE, kGlobalName));
    ASSERT_NE(squatter, nullptr);

    const RunningMarker running;
    EXPECT_NE(openMutex(SKYVARRE_RUNNING_MUTEX), nullptr);
}

} // namespace
} // namespace skyvarre
