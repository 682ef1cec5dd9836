#include "TerminationWatch.h"

namespace skyvarre {

struct TerminationWatch::Listener
{
};

// No request from outside reaches a program here but through its windows.
TerminationWatch::TerminationWatch(std::function<void()> /*end*/)
{
}

TerminationWatch::~TerminationWatch() = default;

} // namespace skyvarre
