#include "TerminationWatch.h"

#include <QObject>
#include <QSocketNotifier>

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace skyvarre {

namespace {

// The socket end the signal handler writes to; -1 while nothing watches.
int g_writeEnd = -1;

// A signal handler may do next to nothing: it writes one byte into a socket
// that the event loop watches.
void signalled(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t count = ::write(g_writeEnd, &byte, 1);
}

} // namespace

struct TerminationWatch::Listener
{
    int sockets[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction previousTerm = {};
    struct sigaction previousInt = {};
};

TerminationWatch::TerminationWatch(std::function<void()> end)
{
    auto listener = std::make_unique<Listener>();
    // Without the socket the signals keep their default action: they end the
    // process at once, and the next start recovers the lock.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, listener->sockets) != 0)
        return;
    g_writeEnd = listener->sockets[0];
    const int readEnd = listener->sockets[1];
    listener->notifier = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
    QObject::connect(listener->notifier.get(), &QSocketNotifier::activated,
                     [readEnd, end = std::move(end)] {
                         char byte = 0;
                         [[maybe_unused]] const ssize_t count = ::read(readEnd, &byte, 1);
                         end();
                     });
    struct sigaction action = {};
    action.sa_handler = &signalled;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &listener->previousTerm);
    ::sigaction(SIGINT, &action, &listener->previousInt);
    m_listener = std::move(listener);
}

TerminationWatch::~TerminationWatch()
{
    if (!m_listener)
        return;
    ::sigaction(SIGTERM, &m_listener->previousTerm, nullptr);
    ::sigaction(SIGINT, &m_listener->previousInt, nullptr);
    m_listener->notifier.reset();
    g_writeEnd = -1;
    ::close(m_listener->sockets[0]);
    ::close(m_listener->sockets[1]);
}

} // namespace skyvarre
