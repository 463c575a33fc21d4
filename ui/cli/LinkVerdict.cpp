// What the state of the manager and the session says about getting to a usable sensor.
#include "ui/cli/LinkVerdict.h"

#include "protocol/UpdateBits.h"

LinkVerdict CLinkWatch::Update(const LinkSnapshot& now)
{
    // The relay answers the connect request with bit 0x8, "@OK" and "@ERR:" alike; a refusal
    // that drops the link comes in the same update as the drop, so the request having gone
    // out is what tells it from a server that was never reached.
    if (now.relay && (now.bits & ChangeBits::ChannelOpened) &&
        now.connectionState >= ConnectionState::ConnectRequested)
        m_serverAnswered = true;
    if (now.connectionState >= ConnectionState::ConnectRequested)
        m_requestSent = true;
    if (now.phase >= TerminalPhase::DeviceId && now.phase <= TerminalPhase::OpenPort)
        m_terminalAsked = true;
    if (now.phase == TerminalPhase::Session)
        m_sessionStarted = true;

    if (now.connectionState == ConnectionState::None) {
        if (m_sessionStarted)
            return LinkVerdict::Lost;
        if (now.relay)
            return m_requestSent ? LinkVerdict::TerminalRefused : LinkVerdict::ServerUnreachable;
        return LinkVerdict::Lost;
    }
    // Back to an idle terminal: it refused the version check or the port, or closed the channel.
    if (now.relay && now.phase == TerminalPhase::Idle && now.managerStatus == ManagerStatus::Idle && m_terminalAsked)
        return m_sessionStarted ? LinkVerdict::Lost : LinkVerdict::TerminalRefused;
    if (now.identified && !now.supportedModel)
        return LinkVerdict::UnsupportedModel;
    if (now.phase == TerminalPhase::Session && now.supportedModel && now.settingsRead)
        return LinkVerdict::Ready;
    return LinkVerdict::Pending;
}

LinkVerdict CLinkWatch::TimedOut(const LinkSnapshot& now) const
{
    if (now.relay && now.connectionState <= ConnectionState::ConnectRequested && now.phase < TerminalPhase::Idle)
        return m_serverAnswered ? LinkVerdict::TerminalRefused : LinkVerdict::ServerUnreachable;
    if (now.relay && now.phase != TerminalPhase::Session)
        return LinkVerdict::TerminalRefused;
    return LinkVerdict::SensorSilent;
}

ExitCode ExitCodeOf(LinkVerdict verdict)
{
    switch (verdict) {
    case LinkVerdict::Pending:
    case LinkVerdict::Ready: return ExitCode::Ok;
    case LinkVerdict::ServerUnreachable: return ExitCode::ServerUnreachable;
    case LinkVerdict::TerminalRefused: return ExitCode::TerminalRefused;
    case LinkVerdict::SensorSilent: return ExitCode::SensorSilent;
    case LinkVerdict::UnsupportedModel: return ExitCode::UnsupportedModel;
    case LinkVerdict::Lost: return ExitCode::ConnectionLost;
    }
    return ExitCode::ConnectionLost;
}
