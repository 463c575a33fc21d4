// What the state of the manager and the session says about getting to a usable sensor.
#pragma once

#include "remote/ManagerStates.h"
#include "ui/cli/ExitCode.h"

// What is seen after one event; the manager's and the session's numbers as they report them.
struct LinkSnapshot {
    bool relay = false;
    ConnectionState connectionState = ConnectionState::None;
    TerminalPhase phase = TerminalPhase::None;
    ManagerStatus managerStatus = ManagerStatus::None;
    unsigned bits = 0;        // change bits of this update
    int linkStatus = 0;       // the session's link status
    bool identified = false;
    bool supportedModel = false;
    bool settingsRead = false;
};

enum class LinkVerdict {
    Pending,
    Ready,  // the supported sensor answered and its settings are read
    ServerUnreachable,
    TerminalRefused,
    SensorSilent,
    UnsupportedModel,
    Lost,  // it was working and then dropped
};

// Remembers what the link went through since the connection was opened, so that a
// drop can be told apart: refused before the session, lost after it.
class CLinkWatch
{
public:
    LinkVerdict Update(const LinkSnapshot& now);
    // The wait for the sensor ran out.
    LinkVerdict TimedOut(const LinkSnapshot& now) const;
    bool SessionStarted() const { return m_sessionStarted; }

private:
    bool m_serverAnswered = false;
    bool m_requestSent = false;
    bool m_terminalAsked = false;
    bool m_sessionStarted = false;
};

ExitCode ExitCodeOf(LinkVerdict verdict);
