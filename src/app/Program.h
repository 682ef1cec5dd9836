#pragma once

#include "WindowInstance.h"
#include "ui/WindowHost.h"

#include <functional>

namespace skyvarre {

class Clock;
class ProcessEnd;
class frmMain;
class frmDisplay;
class frmReferFriend;

// What the program needs from the world around it. main() hands in the real
// ones; tests hand in fakes.
struct ProgramServices
{
    Prompts& prompts;
    RandomSource& random;
    ProcessEnd& processEnd;
    // True when no other copy of the program is running (and this one now counts as running).
    std::function<bool()> becomeOnlyInstance;
    // The update reminder, given its chance at every start.
    std::function<void()> updateReminder;
};

// The program: its start-up, its three working windows, the moves between
// them and its end. The windows reach it through WindowHost.
class Program final : public WindowHost
{
public:
    explicit Program(ProgramServices services);
    ~Program() override;

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs once at launch, before the event loop.
    void StartUp();

    // True once the program has ended (through CloseAllAndEnd).
    bool hasEnded() const { return m_ended; }

    // The program-wide windows, built at their first use.
    frmMain& frmMainInstance();
    frmReferFriend& frmReferFriendInstance();

    // The windows that exist now, without building them; nullptr if they don't.
    frmMain* existingFrmMain() const;
    frmDisplay* existingFrmDisplay() const;
    frmReferFriend* existingFrmReferFriend() const;

    // WindowHost
    Prompts& prompts() override;
    RandomSource& random() override;
    frmDisplay& frmDisplayInstance() override;
    void showResult() override;
    void goBack() override;
    void showFarewell() override;
    void showAbout(QWidget* owner) override;
    void CloseAllAndEnd() override;

private:
    void endProcessOnce();

    ProgramServices m_services;
    WindowInstance<frmMain> m_frmMain;
    WindowInstance<frmDisplay> m_frmDisplay;
    WindowInstance<frmReferFriend> m_frmReferFriend;
    bool m_goingBack = false;
    bool m_ending = false;
    bool m_ended = false;
};

} // namespace skyvarre
