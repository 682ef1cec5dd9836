#include "EndRequests.h"

namespace skyvarre {

struct EndRequests::Watch
{
};

// No request from outside reaches a program here but through its windows.
EndRequests::EndRequests(std::function<void()> /*end*/)
{
}

EndRequests::~EndRequests() = default;

} // namespace skyvarre
