// uninstall.exe: the command that Apps and Features, package managers and
// administrators run to remove Skyvarre. It runs the installer's uninstaller
// (uninstaller.exe, beside it) in place and waits for it, so that the command
// ends only when the uninstallation has, with the uninstaller's exit code.
//
// An NSIS uninstaller cannot do that alone: started normally it copies itself
// to the temporary folder, starts the copy and ends at once; run in place
// (_?=) it keeps its own file open and so can remove neither that file nor
// the folder. This program removes both once the uninstaller has ended, and
// moves its own file out of the folder, which Windows allows a running
// program (deleting it, Windows does not).

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

// The uninstaller's exit codes this program gives of its own.
constexpr DWORD kFailed = 2;
constexpr DWORD kNeedsAdministrator = 8;

const wchar_t kUninstaller[] = L"uninstaller.exe";
// Gone from the folder once the uninstaller has removed the program: an
// exit code of 0 alone may also mean it only showed its usage.
const wchar_t kProgram[] = L"skyvarre.exe";

std::wstring ownPath()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::wstring folderOf(const std::wstring &path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

bool exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The command line after this program's own name, as given: the switches
// pass on to the uninstaller unchanged.
std::wstring arguments()
{
    const wchar_t *line = GetCommandLineW();
    bool quoted = false;
    for (; *line != L'\0'; ++line) {
        if (*line == L'"')
            quoted = !quoted;
        else if (!quoted && (*line == L' ' || *line == L'\t'))
            break;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

bool isElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool elevated = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size)
        && elevation.TokenIsElevated != 0;
    CloseHandle(token);
    return elevated;
}

// Whether this process may change the folder: an installation for every
// user lies where only administrators may write.
bool canWrite(const std::wstring &folder)
{
    const std::wstring probe = folder + L"\\uninstall-write-test.tmp";
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() != ERROR_ACCESS_DENIED;
    CloseHandle(file);
    return true;
}

DWORD waitForExitCode(HANDLE process)
{
    WaitForSingleObject(process, INFINITE);
    DWORD code = kFailed;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
}

// This program again, elevated through UAC, and its exit code.
DWORD runElevated(const std::wstring &self, const std::wstring &parameters)
{
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS;
    execute.lpVerb = L"runas";
    execute.lpFile = self.c_str();
    execute.lpParameters = parameters.c_str();
    execute.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&execute) || execute.hProcess == nullptr)
        return kNeedsAdministrator; // the user said no to UAC
    return waitForExitCode(execute.hProcess);
}

DWORD run(const std::wstring &program, std::wstring commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return kFailed;
    CloseHandle(process.hThread);
    return waitForExitCode(process.hProcess);
}

// Removes the ended uninstaller, this program's file and the folder, once
// empty. A file a virus scanner still holds gets a moment.
void removeRest(const std::wstring &folder, const std::wstring &uninstaller, const std::wstring &self)
{
    for (int attempt = 0; attempt < 20 && !DeleteFileW(uninstaller.c_str()) && exists(uninstaller); ++attempt)
        Sleep(100);

    // Out of the folder into the temporary one, where it stays until Windows
    // next starts (as NSIS's own uninstaller copies do). That folder may be
    // on another drive, where no running program can move; then this file
    // and the folder go when Windows next starts.
    wchar_t temporaryFolder[MAX_PATH + 1];
    wchar_t moved[MAX_PATH];
    const bool movedOut = GetTempPathW(MAX_PATH + 1, temporaryFolder) != 0
        && GetTempFileNameW(temporaryFolder, L"sky", 0, moved) != 0
        && MoveFileExW(self.c_str(), moved, MOVEFILE_REPLACE_EXISTING);
    if (movedOut) {
        // Only an administrator may; otherwise it stays there. Nothing to tell.
        MoveFileExW(moved, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        RemoveDirectoryW(folder.c_str());
    } else {
        MoveFileExW(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        MoveFileExW(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring self = ownPath();
    const std::wstring folder = folderOf(self);
    std::wstring parameters = arguments();
    if (!canWrite(folder) && !isElevated())
        return static_cast<int>(runElevated(self, parameters));

    // The uninstaller runs in place; NSIS wants _?= last. An installer of
    // 1.15 gives it already.
    if (parameters.find(L"_?=") == std::wstring::npos)
        parameters += (parameters.empty() ? L"_?=" : L" _?=") + folder;
    const std::wstring uninstaller = folder + L"\\" + kUninstaller;
    const DWORD code = run(uninstaller, L"\"" + uninstaller + L"\" " + parameters);
    if (code == 0 && !exists(folder + L"\\" + kProgram))
        removeRest(folder, uninstaller, self);
    return static_cast<int>(code);
}
