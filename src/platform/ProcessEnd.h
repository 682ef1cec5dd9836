#pragma once

namespace skyvarre {

// Ends the process. Behind an interface so that tests can observe the end
// without ending the test process.
class ProcessEnd
{
public:
    virtual ~ProcessEnd() = default;
    virtual void endProcess() = 0;
};

} // namespace skyvarre
