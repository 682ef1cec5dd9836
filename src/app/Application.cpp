#include "Application.h"

#include "Program.h"
#include "UpdateReminder.h"
#include "platform/Clock.h"
#include "platform/ProcessEnd.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstanceGuard.h"
#include "ui/Fonts.h"
#include "ui/MessageBoxPrompts.h"

#include <QApplication>
#include <QSocketNotifier>

#include <functional>
#include <memory>

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace skyvarre {

namespace {

// Leaves the event loop. Before the loop runs (a second copy ending during
// the start-up) there is nothing to leave: runProgram sees hasEnded() instead.
class EventLoopEnd final : public ProcessEnd
{
public:
    void endProcess() override { QCoreApplication::exit(0); }
};

// A request from outside to end (SIGTERM from a session that ends or from
// `kill`, SIGINT from Ctrl+C in a terminal) ends the program the way the
// user's Exit does, through CloseAllAndEnd: the lock is released and the exit
// code is 0. A signal handler may do next to nothing, so it writes one byte
// into a socket that the event loop watches.
class EndOnRequest final
{
public:
    explicit EndOnRequest(std::function<void()> end)
    {
        // Without the socket the signals keep their default action: they end
        // the process at once, and the next start recovers the lock.
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_sockets) != 0)
            return;
        s_writeEnd = m_sockets[0];
        m_notifier = std::make_unique<QSocketNotifier>(m_sockets[1], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this, end] {
            char byte = 0;
            [[maybe_unused]] const ssize_t count = ::read(m_sockets[1], &byte, 1);
            end();
        });
        struct sigaction action = {};
        action.sa_handler = &EndOnRequest::signalled;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, &m_previousTerm);
        ::sigaction(SIGINT, &action, &m_previousInt);
    }

    ~EndOnRequest()
    {
        if (!m_notifier)
            return;
        ::sigaction(SIGTERM, &m_previousTerm, nullptr);
        ::sigaction(SIGINT, &m_previousInt, nullptr);
        m_notifier.reset();
        s_writeEnd = -1;
        ::close(m_sockets[0]);
        ::close(m_sockets[1]);
    }

    EndOnRequest(const EndOnRequest&) = delete;
    EndOnRequest& operator=(const EndOnRequest&) = delete;

private:
    static void signalled(int)
    {
        const char byte = 1;
        [[maybe_unused]] const ssize_t count = ::write(s_writeEnd, &byte, 1);
    }

    static inline int s_writeEnd = -1;
    int m_sockets[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previousTerm = {};
    struct sigaction m_previousInt = {};
};

} // namespace

int runProgram(QApplication& application, const StartedHook& started)
{
    installFontSubstitutions();
    // Hiding the last visible window (the input window during a Find) must not
    // end the program: it ends only through CloseAllAndEnd.
    application.setQuitOnLastWindowClosed(false);

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
    const EndOnRequest endOnRequest([&program] { program.CloseAllAndEnd(); });
    program.StartUp();
    if (program.hasEnded())
        return 0;
    if (started)
        started(program);
    return application.exec();
}

} // namespace skyvarre
