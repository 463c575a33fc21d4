// What the script runner needs from the windows it drives: the Win32 driver in the Windows
// build, scripted stand-ins in the tests.
#pragma once

#include "DriverCommand.h"
#include "QueryValue.h"

#include <stdexcept>
#include <string>

// A command that was understood but could not be done (no such window, a disabled button, a
// timeout...); the message says what was found instead.
class CDriverFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class IDriverTarget
{
public:
    virtual ~IDriverTarget() = default;

    // A query command's value, read once. Throws CDriverFailure.
    virtual CQueryValue Query(const CDriverCommand& command) = 0;
    // Any other command of the windows; waits at most timeoutMs where it waits at all. Returns
    // what the result line shows after "ok" (may be empty). Throws CDriverFailure.
    virtual std::string Act(const CDriverCommand& command, int timeoutMs) = 0;
    virtual void Pause(int ms) = 0;
    virtual long long NowMs() = 0;
};
