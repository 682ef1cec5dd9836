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
#include <aclapi.h>
#include <sddl.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "uninstall-resources.h"

namespace {

// The uninstaller's exit codes this program gives of its own.
constexpr DWORD kFailed = 2;
constexpr DWORD kBadSwitch = 7;
constexpr DWORD kNeedsAdministrator = 8;
constexpr DWORD kUninstallerMissing = 10;

const wchar_t kUninstaller[] = L"uninstaller.exe";
const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Skyvarre";
// Given to the copy started through UAC, so that it never asks again when
// Windows gave it no administrator rights (UAC turned off for users).
const wchar_t kElevatedSwitch[] = L" /FromUninstall";
// Starts the copy in the temporary folder that removes this program's file
// and the folder once this program has ended: <process handle> <file>.
const wchar_t kRemoveAfterSwitch[] = L"/RemoveAfter";

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

bool contains(const std::wstring &text, const wchar_t *part)
{
    return text.find(part) != std::wstring::npos;
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

// Whether the uninstall entry under root names this folder (Windows
// compares folder names without regard to case or a trailing backslash).
bool entryNames(HKEY root, std::wstring folder)
{
    wchar_t value[MAX_PATH * 4];
    DWORD size = sizeof value;
    if (RegGetValueW(root, kUninstallKey, L"InstallLocation", RRF_RT_REG_SZ, nullptr, value, &size)
        != ERROR_SUCCESS)
        return false;
    std::wstring named = value;
    while (!named.empty() && named.back() == L'\\')
        named.pop_back();
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return !named.empty()
        && CompareStringOrdinal(named.c_str(), -1, folder.c_str(), -1, TRUE) == CSTR_EQUAL;
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

// Whether an account that is not an administrator may change the file or
// folder: own it, or be granted a right to write, delete, or change its
// rights. What cannot be read counts as changeable.
bool changeableByNonAdministrators(const std::wstring &path)
{
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                              nullptr, &dacl, nullptr, &descriptor)
        != ERROR_SUCCESS)
        return true;
    const auto administrative = [](PSID sid) {
        PSID trustedInstaller = nullptr;
        ConvertStringSidToSidW(L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464",
                               &trustedInstaller);
        const bool trusted = IsWellKnownSid(sid, WinLocalSystemSid)
            || IsWellKnownSid(sid, WinBuiltinAdministratorsSid)
            || IsWellKnownSid(sid, WinCreatorOwnerSid)
            || (trustedInstaller != nullptr && EqualSid(sid, trustedInstaller));
        LocalFree(trustedInstaller);
        return trusted;
    };
    constexpr ACCESS_MASK kChanging = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA
        | FILE_DELETE_CHILD | FILE_WRITE_ATTRIBUTES | DELETE | WRITE_DAC | WRITE_OWNER
        | GENERIC_WRITE | GENERIC_ALL;
    bool changeable = dacl == nullptr || !administrative(owner);
    for (DWORD index = 0; !changeable && index < dacl->AceCount; ++index) {
        ACE_HEADER *header = nullptr;
        if (!GetAce(dacl, index, reinterpret_cast<void **>(&header)))
            changeable = true;
        else if (header->AceType == ACCESS_ALLOWED_ACE_TYPE && (header->AceFlags & INHERIT_ONLY_ACE) == 0) {
            auto *ace = reinterpret_cast<ACCESS_ALLOWED_ACE *>(header);
            changeable = (ace->Mask & kChanging) != 0 && !administrative(&ace->SidStart);
        }
    }
    LocalFree(descriptor);
    return changeable;
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
    const std::wstring elevatedParameters = parameters + kElevatedSwitch;
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = L"runas";
    execute.lpFile = self.c_str();
    execute.lpParameters = elevatedParameters.c_str();
    execute.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&execute) || execute.hProcess == nullptr)
        return kNeedsAdministrator; // the user said no to UAC
    return waitForExitCode(execute.hProcess);
}

// Runs the program and waits for it, started in the system folder so that
// no process holds the folder being emptied as its current one.
DWORD run(const std::wstring &program, std::wstring commandLine, BOOL inheritHandles = FALSE)
{
    wchar_t systemFolder[MAX_PATH];
    GetSystemDirectoryW(systemFolder, MAX_PATH);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, inheritHandles, 0,
                        nullptr, systemFolder, &startup, &process))
        return kFailed;
    CloseHandle(process.hThread);
    if (inheritHandles) {
        CloseHandle(process.hProcess);
        return 0;
    }
    return waitForExitCode(process.hProcess);
}

// Deletes the file, giving a virus scanner that still holds it a moment.
void deleteSoon(const std::wstring &file)
{
    for (int attempt = 0; attempt < 50 && !DeleteFileW(file.c_str()) && exists(file); ++attempt)
        Sleep(100);
}

// The second step of removing this program from a folder on another drive
// than the temporary folder: this copy waits for the first to end, then
// deletes its file and the folder once empty.
int removeAfter(const std::wstring &parameters)
{
    wchar_t *rest = nullptr;
    const auto process = reinterpret_cast<HANDLE>(
        static_cast<UINT_PTR>(std::wcstoull(parameters.c_str() + std::wcslen(kRemoveAfterSwitch), &rest, 10)));
    std::wstring file = rest;
    file = file.substr(file.find(L'"') + 1);
    file = file.substr(0, file.find(L'"'));
    WaitForSingleObject(process, 60000);
    deleteSoon(file);
    RemoveDirectoryW(folderOf(file).c_str());
    // Only an administrator may; otherwise this copy stays in the temporary
    // folder, as NSIS's own uninstaller copies do.
    MoveFileExW(ownPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return 0;
}

// Removes the ended uninstaller, this program's file and the folder, once
// empty.
void removeRest(const std::wstring &folder, const std::wstring &uninstaller, const std::wstring &self)
{
    deleteSoon(uninstaller);

    // Out of the folder into the temporary one, where it stays until Windows
    // next starts (as NSIS's own uninstaller copies do).
    wchar_t temporaryFolder[MAX_PATH + 1];
    wchar_t moved[MAX_PATH];
    if (GetTempPathW(MAX_PATH + 1, temporaryFolder) == 0
        || GetTempFileNameW(temporaryFolder, L"sky", 0, moved) == 0)
        return;
    if (MoveFileExW(self.c_str(), moved, MOVEFILE_REPLACE_EXISTING)) {
        // Only an administrator may; otherwise it stays there. Nothing to tell.
        MoveFileExW(moved, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        RemoveDirectoryW(folder.c_str());
        return;
    }
    // The temporary folder lies on another drive, where no running program
    // can move: a copy there removes this file and the folder a moment after
    // this program has ended.
    HANDLE ownProcess = nullptr;
    if (!CopyFileW(self.c_str(), moved, FALSE)
        || !DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &ownProcess,
                            SYNCHRONIZE, TRUE, 0)) {
        DeleteFileW(moved);
        return;
    }
    run(moved, L"\"" + std::wstring(moved) + L"\" " + kRemoveAfterSwitch
            + std::to_wstring(reinterpret_cast<UINT_PTR>(ownProcess)) + L" \"" + self + L"\"",
        TRUE);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    // Load system DLLs (the shell's, for UAC) from the system folder only.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    std::wstring parameters = arguments();
    if (parameters.rfind(kRemoveAfterSwitch, 0) == 0)
        return removeAfter(parameters);

    const std::wstring self = ownPath();
    const std::wstring folder = folderOf(self);
    // NSIS would take /D= as the folder of a copy of the uninstaller that it
    // starts and leaves running: the command would end at once.
    if (parameters.rfind(L"/D=", 0) == 0 || contains(parameters, L" /D="))
        return static_cast<int>(kBadSwitch);
    const std::size_t elevatedSwitch = parameters.find(kElevatedSwitch);
    const bool startedElevated = elevatedSwitch != std::wstring::npos;
    if (startedElevated)
        parameters.erase(elevatedSwitch);

    // An installation for every user is removed with administrator rights,
    // and only from a folder no one else may change.
    if (entryNames(HKEY_LOCAL_MACHINE, folder) && !isElevated()) {
        if (startedElevated || changeableByNonAdministrators(folder)
            || changeableByNonAdministrators(folder + L"\\" + kUninstaller))
            return static_cast<int>(kNeedsAdministrator);
        return static_cast<int>(runElevated(self, parameters));
    }

    const std::wstring uninstaller = folder + L"\\" + kUninstaller;
    if (!exists(uninstaller)) {
        if (!contains(L" " + parameters + L" ", L" /S ")) {
            wchar_t message[1024];
            LoadStringW(instance, IDS_UNINSTALLER_MISSING, message, 1024);
            MessageBoxW(nullptr, message, L"Skyvarre", MB_OK | MB_ICONSTOP);
        }
        return static_cast<int>(kUninstallerMissing);
    }
    // The uninstaller runs in place; NSIS wants _?= last. An installer of
    // 1.15 gives it already.
    const bool usageOnly = contains(parameters, L"/?");
    if (!contains(parameters, L"_?="))
        parameters += (parameters.empty() ? L"_?=" : L" _?=") + folder;
    const DWORD code = run(uninstaller, L"\"" + uninstaller + L"\" " + parameters);
    // Done once no entry names the folder any more.
    if (code == 0 && !usageOnly && !entryNames(HKEY_LOCAL_MACHINE, folder)
        && !entryNames(HKEY_CURRENT_USER, folder))
        removeRest(folder, uninstaller, self);
    return static_cast<int>(code);
}
