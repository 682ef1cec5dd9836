#pragma once

namespace skyvarre {

// Tells installers that this program runs, for as long as it exists: on
// Windows a named mutex, which the installer and the uninstaller look for
// before they replace or remove the program's files. The single-instance
// lock stays with SingleInstanceGuard. Nothing elsewhere: a package manager
// replaces the files of a running program without harm.
class RunningMarker
{
public:
    RunningMarker();
    ~RunningMarker();

    RunningMarker(const RunningMarker&) = delete;
    RunningMarker& operator=(const RunningMarker&) = delete;

private:
    // The mutex on Windows; elsewhere nothing is held.
    [[maybe_unused]] void* m_handle = nullptr;
};

} // namespace skyvarre
