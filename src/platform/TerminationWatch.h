#pragma once

#include <functional>
#include <memory>

namespace skyvarre {

// Calls end from the event loop when the process is asked from outside to end:
// SIGTERM (a session that ends, `kill`) and SIGINT (Ctrl+C in a terminal) on
// Unix. Where the platform has no such request, it never calls end. One at a
// time; needs the QCoreApplication.
class TerminationWatch final
{
public:
    explicit TerminationWatch(std::function<void()> end);
    ~TerminationWatch();

    TerminationWatch(const TerminationWatch&) = delete;
    TerminationWatch& operator=(const TerminationWatch&) = delete;

private:
    struct Listener;
    std::unique_ptr<Listener> m_listener;
};

} // namespace skyvarre
