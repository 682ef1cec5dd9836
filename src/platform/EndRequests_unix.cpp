#include "EndRequests.h"

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

struct EndRequests::Watch
{
    int sockets[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction previousTerm = {};
    struct sigaction previousInt = {};
};

EndRequests::EndRequests(std::function<void()> end)
{
    auto watch = std::make_unique<Watch>();
    // Without the socket the signals keep their default action: they end the
    // process at once, and the next start recovers the lock.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, watch->sockets) != 0)
        return;
    g_writeEnd = watch->sockets[0];
    const int readEnd = watch->sockets[1];
    watch->notifier = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
    QObject::connect(watch->notifier.get(), &QSocketNotifier::activated,
                     [readEnd, end = std::move(end)] {
                         char byte = 0;
                         [[maybe_unused]] const ssize_t count = ::read(readEnd, &byte, 1);
                         end();
                     });
    struct sigaction action = {};
    action.sa_handler = &signalled;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &watch->previousTerm);
    ::sigaction(SIGINT, &action, &watch->previousInt);
    m_watch = std::move(watch);
}

EndRequests::~EndRequests()
{
    if (!m_watch)
        return;
    ::sigaction(SIGTERM, &m_watch->previousTerm, nullptr);
    ::sigaction(SIGINT, &m_watch->previousInt, nullptr);
    m_watch->notifier.reset();
    g_writeEnd = -1;
    ::close(m_watch->sockets[0]);
    ::close(m_watch->sockets[1]);
}

} // namespace skyvarre
