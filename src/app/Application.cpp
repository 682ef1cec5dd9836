#include "Application.h"

#include "Program.h"
#include "UpdateReminder.h"
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/ProcessEnd.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstanceGuard.h"
#include "platform/TerminationWatch.h"
#include "ui/Fonts.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/Translator.h"

#include <QApplication>
#include <QLocale>

#include <memory>

namespace skyvarre {

namespace {

// Leaves the event loop. Before the loop runs (a second copy ending during
// the start-up) there is nothing to leave: runProgram sees hasEnded() instead.
class EventLoopEnd final : public ProcessEnd
{
public:
    void endProcess() override { QCoreApplication::exit(0); }
};

} // namespace

int runProgram(QApplication& application, const StartedHook& started)
{
    // Before anything is shown, the already-running message included: every
    // text from here on is in the system's display language, in faces that
    // draw its letters.
    const Translator translator(QLocale::system().uiLanguages());
    installFontSubstitutions(translator.language());
    // Hiding the last visible window (frmMain during a Find) must not
    // end the program: it ends only through CloseAllAndEnd.
    application.setQuitOnLastWindowClosed(false);
    const std::unique_ptr<QObject> browserOpener = routeWebAddressesToOpener();

    MessageBoxPrompts prompts;
    SystemClock clock;
    SystemRandom random;
    EventLoopEnd processEnd;
    SingleInstanceGuard instanceGuard;

    Program program(ProgramServices{
        prompts,
        random,
        processEnd,
        [&instanceGuard] { return !instanceGuard.anotherCopyIsRunning(); },
        [&clock, &prompts] {
            SettingsStore settings;
            UpdateReminder(settings, clock, prompts);
        },
    });
    // A request from outside to end the program ends it the way closing the
    // frmReferFriend does: the lock is released and the exit code is 0.
    const TerminationWatch terminationWatch([&program] { program.CloseAllAndEnd(); });
    program.StartUp();
    if (program.hasEnded())
        return 0;
    if (started)
        started(program);
    return application.exec();
}

} // namespace skyvarre
