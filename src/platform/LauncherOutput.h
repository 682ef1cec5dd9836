#pragma once

#include <array>

namespace skyvarre {

// While it exists, a program that this process starts gets the null device
// as its standard input, output and error instead of this process's. On
// freedesktop systems Qt starts the browser launcher with ours: xdg-open names
// the address on standard error when it finds no browser ("no method
// available for opening '...'"), a browser writes to standard output
// ("Opening in existing browser session.") and keeps it open, so that a
// caller reading our output to its end would wait for the browser, and
// neither has anything to read. On Windows the shell starts the browser, and
// nothing needs silencing.
class SilencedLauncherOutput
{
public:
    SilencedLauncherOutput();
    ~SilencedLauncherOutput();

    SilencedLauncherOutput(const SilencedLauncherOutput&) = delete;
    SilencedLauncherOutput& operator=(const SilencedLauncherOutput&) = delete;

private:
    // This process's own standard input, output and error while the null
    // device takes their place; -1 for one left as it was.
    std::array<int, 3> m_saved{-1, -1, -1};
};

} // namespace skyvarre
