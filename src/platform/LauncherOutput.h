#pragma once

namespace skyvarre {

// While it exists, a program that this process starts gets the null device
// as its standard error instead of this process's. On freedesktop systems Qt
// starts the browser launcher with ours, and xdg-open names the address there
// when it finds no browser ("no method available for opening '...'"). On
// Windows the shell starts the browser, and nothing needs silencing.
class SilencedLauncherOutput
{
public:
    SilencedLauncherOutput();
    ~SilencedLauncherOutput();

    SilencedLauncherOutput(const SilencedLauncherOutput&) = delete;
    SilencedLauncherOutput& operator=(const SilencedLauncherOutput&) = delete;

private:
    int m_savedStandardError = -1;
};

} // namespace skyvarre
