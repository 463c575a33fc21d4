// Runs driver script lines one at a time against the windows: each command line gives one
// result line, "ok[ VALUE]" or "FAILED COMMAND: REASON". Expectations are retried until they
// hold or their time is up, since a window shows the effect of an action a little later.
#pragma once

#include "DriverTarget.h"

#include <string>

class CScriptRunner
{
public:
    static constexpr int DefaultTimeoutMs = 5000;
    static constexpr int RetryIntervalMs = 50;

    explicit CScriptRunner(IDriverTarget& target);

    // The result line of one script line; empty for a blank or comment line.
    std::string RunLine(const std::string& line);
    int Failures() const { return failures; }

private:
    std::string Run(const CDriverCommand& command);
    std::string Expect(const CDriverCommand& command);

    IDriverTarget& target;
    int timeoutMs = DefaultTimeoutMs;
    int failures = 0;
};
