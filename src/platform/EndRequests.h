#pragma once

#include <functional>
#include <memory>

namespace skyvarre {

// Calls end from the event loop when the process is asked from outside to end:
// SIGTERM (a session that ends, `kill`) and SIGINT (Ctrl+C in a terminal) on
// Unix. Where the platform has no such request, it never calls end. One at a
// time; needs the QCoreApplication.
class EndRequests final
{
public:
    explicit EndRequests(std::function<void()> end);
    ~EndRequests();

    EndRequests(const EndRequests&) = delete;
    EndRequests& operator=(const EndRequests&) = delete;

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};

} // namespace skyvarre
