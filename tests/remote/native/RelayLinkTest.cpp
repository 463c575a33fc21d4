// Relay connection end to end against a scripted relay server and on-board terminal.
#include "ManagerHarness.h"

#include "protocol/UpdateBits.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
class RelayLink : public ::testing::Test
{
protected:
    RelayLink() { rig.manager().SetConnectionType(ConnectionType::Relay); }

    // Opens and completes the TCP connection.
    void OpenTcp(uint32_t terminalId)
    {
        ASSERT_EQ(rig.manager().SetTerminalId(terminalId), 1);
        ASSERT_EQ(rig.manager().Open(), 1);
        rig.Event(kConnectEvent);
    }

    CManagerRig rig;
};

TEST_F(RelayLink, ConnectsToTheServerAndAsksForTheTerminal)
{
    auto& manager = rig.manager();
    ASSERT_EQ(manager.SetTerminalId(1234), 1);
    ConnectionState stateWhileOpening = ConnectionState::None;
    rig.channels.onOpen = [&] { stateWhileOpening = manager.GetConnectionState(); };
    ASSERT_EQ(manager.Open(), 1);
    EXPECT_EQ(stateWhileOpening, ConnectionState::ServerConnecting);
    EXPECT_EQ(rig.channels.lastTarget, L"localhost:50010");
    EXPECT_EQ(rig.channels.lastEvents, 0x33u);
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::ServerConnecting);
    EXPECT_EQ(manager.GetStateText(), L"Connecting to server");
    EXPECT_EQ(rig.channel().TakeSent(), ""); // nothing is sent while TCP connects

    rig.Event(kConnectEvent);
    EXPECT_EQ(rig.channel().TakeSent(), "@CON=1234\r");
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::ConnectRequested);
    EXPECT_EQ(manager.GetStateText(), L"Connecting to the board terminal");
}

TEST_F(RelayLink, WithoutATerminalIdTheRequestWaits)
{
    ASSERT_EQ(rig.manager().Open(), 1);
    rig.Event(kConnectEvent);
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ServerReady);
    EXPECT_EQ(rig.manager().GetStateText(), L"Server connection is setup");
    EXPECT_EQ(rig.channel().TakeSent(), "");
}

TEST_F(RelayLink, ConnectionCompletedAtOnceGoesOnWithAnyLaterEvent)
{
    // No connect event reports such a connection; the write event that follows does.
    rig.channels.connectAtOnce = true;
    ASSERT_EQ(rig.manager().SetTerminalId(9), 1);
    ASSERT_EQ(rig.manager().Open(), 1);
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ServerConnecting);
    rig.Event(kWriteEvent);
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ConnectRequested);
    EXPECT_EQ(rig.channel().TakeSent(), "@CON=9\r");
}

TEST_F(RelayLink, ServerOkWithTheTerminalsReplyInOneSegment)
{
    OpenTcp(42);
    rig.channel().TakeSent();
    rig.window.TakePosts();
    rig.Receive("  @OK\r\n#DEVID:3051\r\n#OK\r\n");
    // "@OK" started phase 1, whose answer came along: phase 2 is under way.
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ChannelOpen);
    EXPECT_EQ(rig.channel().TakeSent(), "#DEVID?\r#VER?\r#BRDREV?\r#BRD?\r");
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Version);
    EXPECT_EQ(rig.manager().GetTerminalRecord().deviceId, 3051);
    EXPECT_EQ(rig.manager().GetStatusText(), L" - initialization");
    EXPECT_EQ(rig.window.TakePosts(),
              std::vector<uint32_t>{ChangeBits::ChannelOpened | ChangeBits::State | ChangeBits::Terminal});
}

TEST_F(RelayLink, ServerRefusalBelowThreeDrops)
{
    OpenTcp(42);
    rig.window.TakePosts();
    rig.Receive("@ERR:2\r\n@OK\r\n");
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::None);
    EXPECT_EQ(CScriptedChannel::liveChannels, 0);
    EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{ChangeBits::Everything});
}

TEST_F(RelayLink, ServerRefusalFromThreeOnIsAskedAgainEveryTwoSeconds)
{
    OpenTcp(42);
    rig.channel().TakeSent();
    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        rig.Receive("@ERR:3\r\n");
        EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ConnectRequested);
        EXPECT_EQ(rig.window.timerMs, 2000u);
        rig.Advance(1999);
        rig.Tick();
        EXPECT_EQ(rig.channel().TakeSent(), "");
        rig.Advance(1);
        rig.Tick();
        EXPECT_EQ(rig.channel().TakeSent(), "@CON=42\r");
        EXPECT_EQ(rig.window.timerMs, 10000u); // no reply awaited on a timer
    }
    rig.Receive("@OK\r\n");
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ChannelOpen);
}

TEST_F(RelayLink, TerminalListLinesAndOtherLinesChangeNothing)
{
    OpenTcp(42);
    rig.channel().TakeSent();
    rig.window.TakePosts();
    rig.Receive("@LST:1,2,3\r\nhello\r\n\r\n");
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ConnectRequested);
    EXPECT_TRUE(rig.window.TakePosts().empty());
    EXPECT_EQ(rig.channel().TakeSent(), "");
    EXPECT_EQ(rig.channel().GetRxBuffer().Length(), 0u); // handled lines are dropped
}

TEST_F(RelayLink, PeerCloseDrops)
{
    rig.ConnectRelay();
    rig.Event(kCloseEvent);
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::None);
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::None);
    EXPECT_EQ(CScriptedChannel::liveChannels, 0);
}

TEST_F(RelayLink, PhasesRunToTheSessionWithTheExactCommands)
{
    auto& manager = rig.manager();
    rig.ConnectRelay(42);
    EXPECT_EQ(manager.GetTerminalPhase(), TerminalPhase::DeviceId);
    EXPECT_EQ(manager.GetStatus(), ManagerStatus::Initialization);
    EXPECT_EQ(manager.GetChannelMode(), ChannelMode::Command);

    rig.window.TakePosts();
    rig.IdentifyTerminal(121);
    EXPECT_EQ(manager.GetTerminalRecord().softwareVersion, 121);
    EXPECT_EQ(manager.GetTerminalRecord().boardRevision, 0x1A4);
    // Idle phase reached (state 8 with the terminal's name), then the port-open command.
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::Connected);
    EXPECT_EQ(manager.GetStateText(), L"BT-ID 3051,revision 4,SW version 121 is connected");
    EXPECT_EQ(manager.GetTerminalPhase(), TerminalPhase::OpenPort);
    EXPECT_EQ(manager.GetStatusText(), L" - writing");
    EXPECT_EQ(rig.channel().TakeSent(), "#SEROPN=2,19200,0,3,30000\r");
    EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{ChangeBits::State | ChangeBits::Terminal});

    rig.session().calls.clear();
    rig.Receive("#OPEN\r\n\x3E\x05\x01");
    EXPECT_EQ(manager.GetTerminalPhase(), TerminalPhase::Session);
    EXPECT_EQ(manager.GetStatus(), ManagerStatus::Transparent);
    EXPECT_EQ(manager.GetChannelMode(), ChannelMode::Transparent);
    EXPECT_EQ(rig.session().calls, "Start;OnReceive;");
    EXPECT_EQ(rig.session().received, "\x3E\x05\x01"); // the bytes after "#OPEN", in the same event

    // Over the relay the session's default response time is a minute.
    manager.StartSessionTimer(0);
    rig.Event(0x99);
    EXPECT_EQ(rig.window.timerMs, 10000u);
    rig.Advance(59999);
    rig.Tick();
    EXPECT_EQ(rig.session().calls, "Start;OnReceive;");
    rig.Advance(1);
    rig.Tick();
    EXPECT_EQ(rig.session().calls, "Start;OnReceive;OnTimeout;");
}

TEST_F(RelayLink, TerminalErrorsAreAskedAgainEveryFiveSeconds)
{
    rig.ConnectRelay();
    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        rig.Receive("#ERR:5\r\n");
        EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::DeviceId);
        EXPECT_EQ(rig.window.timerMs, 5000u);
        rig.Advance(4999);
        rig.Tick();
        EXPECT_EQ(rig.channel().TakeSent(), "");
        rig.Advance(1);
        rig.Tick();
        EXPECT_EQ(rig.channel().TakeSent(), "#DEVID?\r");
    }
}

TEST_F(RelayLink, UnansweredCommandTimesOutAfterTheRelayAllowance)
{
    rig.ConnectRelay();
    // 500 ms of the command plus 120000 ms for the relay.
    EXPECT_EQ(rig.window.timerMs, 10000u);
    rig.Advance(120499);
    rig.Tick();
    EXPECT_EQ(rig.window.timerMs, 10u);
    EXPECT_EQ(rig.channel().TakeSent(), "");
    rig.Advance(1);
    rig.Tick(); // timed out: retried 5 s later
    EXPECT_EQ(rig.window.timerMs, 5000u);
    rig.Advance(5000);
    rig.Tick();
    EXPECT_EQ(rig.channel().TakeSent(), "#DEVID?\r");
    rig.Receive("#OK\r\n"); // the lists were emptied: the late answer completes the new request only
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Version);
}

TEST_F(RelayLink, OldTerminalVersionStopsInTheIdlePhase)
{
    rig.ConnectRelay();
    rig.IdentifyTerminal(119);
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::Connected);
    EXPECT_EQ(rig.manager().GetStateText(), L" is connected"); // no name was learned
    EXPECT_EQ(rig.channel().TakeSent(), "");
    EXPECT_EQ(rig.session().calls.find("Start;"), std::string::npos);
    EXPECT_EQ(rig.window.timerMs, 10000u); // the minute's keep-alive, in steps of the longest timer
}

TEST_F(RelayLink, IdleTerminalIsPolledEveryMinute)
{
    rig.ConnectRelay();
    rig.IdentifyTerminal(100);
    for (int poll = 0; poll < 2; ++poll) {
        SCOPED_TRACE(poll);
        rig.Advance(59999);
        rig.Tick();
        EXPECT_EQ(rig.channel().TakeSent(), "");
        rig.Advance(1);
        rig.Tick();
        EXPECT_EQ(rig.channel().TakeSent(), "#DIAG?\r");
        EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::KeepAlive);
        rig.Receive("#DIAG:1,2\r\n#ERR:7\r\n"); // the poll moves on whatever the answer
        EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
    }
}

TEST_F(RelayLink, UnansweredKeepAlivePollMovesBackToIdle)
{
    rig.ConnectRelay();
    rig.IdentifyTerminal(100);
    rig.Advance(60000);
    rig.Tick();
    ASSERT_EQ(rig.channel().TakeSent(), "#DIAG?\r");
    // 2000 ms of the command plus the relay's allowance, then no retry of the poll.
    rig.Advance(121999);
    rig.Tick();
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::KeepAlive);
    rig.Advance(1);
    rig.Tick();
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
    EXPECT_EQ(rig.channel().TakeSent(), "");
    rig.Advance(59999);
    rig.Tick();
    EXPECT_EQ(rig.channel().TakeSent(), "");
    rig.Advance(1);
    rig.Tick();
    EXPECT_EQ(rig.channel().TakeSent(), "#DIAG?\r");
}

TEST_F(RelayLink, FailedOrUnansweredPhasesSendTheirCommandsAgainAfterFiveSeconds)
{
    struct Case
    {
        const char* name;
        std::function<void(CManagerRig&)> reachPhase; // leaves the phase's commands sent
        const char* answer;                            // nullptr: no answer, the request times out
        int64_t timeoutMs;
        TerminalPhase phase;
        const char* commands;
    };
    const auto devId = [](CManagerRig&) {};
    const auto version = [](CManagerRig& r) {
        r.Receive("#DEVID:3051\r\n#OK\r\n");
        r.channel().TakeSent();
    };
    const auto openPort = [](CManagerRig& r) {
        r.IdentifyTerminal(121);
        r.channel().TakeSent();
    };
    const Case cases[] = {
        {"device id refused", devId, "#ERR:5\r\n", 0, TerminalPhase::DeviceId, "#DEVID?\r"},
        {"version refused", version, "#VER:T,1,2,130,1A4\r\n#ERR:9\r\n#BRDREV:1A4\r\n#OK\r\n#BRD:V10\r\n#OK\r\n",
         0, TerminalPhase::Version, "#VER?\r#BRDREV?\r#BRD?\r"},
        {"version unanswered", version, nullptr, 120500, TerminalPhase::Version, "#VER?\r#BRDREV?\r#BRD?\r"},
        {"port open unanswered", openPort, nullptr, 122000, TerminalPhase::OpenPort,
         "#SEROPN=2,19200,0,3,30000\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CManagerRig local;
        local.manager().SetConnectionType(ConnectionType::Relay);
        local.ConnectRelay();
        c.reachPhase(local);
        if (c.answer != nullptr) {
            local.Receive(c.answer);
        } else {
            local.Advance(c.timeoutMs - 1);
            local.Tick();
            EXPECT_EQ(local.manager().GetTerminalPhase(), c.phase);
            local.Advance(1);
            local.Tick();
        }
        EXPECT_EQ(local.manager().GetTerminalPhase(), c.phase);
        EXPECT_EQ(local.window.timerMs, 5000u);
        local.Advance(4999);
        local.Tick();
        EXPECT_EQ(local.channel().TakeSent(), "");
        local.Advance(1);
        local.Tick();
        EXPECT_EQ(local.channel().TakeSent(), c.commands);
        EXPECT_EQ(local.manager().GetTerminalPhase(), c.phase);
    }
}

TEST_F(RelayLink, PortOpenedAndClosedInOneReception)
{
    rig.ConnectRelay();
    rig.IdentifyTerminal(121);
    rig.session().calls.clear();
    rig.Receive("#OPEN\r\n\x3E\x02#CLOSED\r\n\x3E\x03");
    EXPECT_EQ(rig.session().received, "\x3E\x02");
    EXPECT_EQ(rig.session().calls, "Start;OnReceive;Stop;");
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
    EXPECT_EQ(rig.manager().GetStatus(), ManagerStatus::Idle);
    EXPECT_EQ(rig.manager().GetChannelMode(), ChannelMode::Command);
    EXPECT_EQ(rig.channel().GetRxBuffer().Length(), 0u);
}

TEST_F(RelayLink, PortOpenRefusedFallsBackToIdle)
{
    rig.ConnectRelay();
    rig.IdentifyTerminal(130);
    rig.channel().TakeSent();
    rig.Receive("#ERR:1\r\n");
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
    EXPECT_EQ(rig.manager().GetChannelMode(), ChannelMode::Command);
    EXPECT_EQ(rig.session().calls.find("Start;"), std::string::npos);
}

TEST_F(RelayLink, ClosedMarkerSplitAcrossReceptions)
{
    rig.ConnectRelay();
    rig.IdentifyTerminal(121);
    rig.channel().TakeSent();
    rig.Receive("#OPEN\r\n");
    rig.session().consume = false;
    rig.session().calls.clear();
    rig.session().received.clear();

    rig.Receive("\x3E\x01#CLO");
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Session);
    rig.Receive("SED\r\n#DIAG");
    // Delivered before the cut, then again without the marker and what followed it.
    EXPECT_EQ(rig.session().received, "\x3E\x01#CLO|\x3E\x01|");
    EXPECT_EQ(rig.session().calls, "OnReceive;OnReceive;Stop;");
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
    EXPECT_EQ(rig.manager().GetStatus(), ManagerStatus::Idle);
    EXPECT_EQ(rig.manager().GetChannelMode(), ChannelMode::Command);
    const CRxBuffer& buffer = rig.channel().GetRxBuffer();
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_FALSE(buffer.IsPartialData());

    // From here the terminal is only polled.
    rig.Advance(60000);
    rig.Tick();
    EXPECT_EQ(rig.channel().TakeSent(), "#DIAG?\r");
}

TEST_F(RelayLink, MonitorIdleMarkerAlsoClosesTheChannel)
{
    rig.ConnectRelay();
    rig.IdentifyTerminal(121);
    rig.Receive("#OPEN\r\n");
    rig.session().received.clear();
    rig.Receive("\x01#MON:IDLE\r\n");
    EXPECT_EQ(rig.session().received, "\x01");
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
}

TEST_F(RelayLink, HashesThatAreNoMarkerReachTheSession)
{
    rig.ConnectRelay();
    rig.IdentifyTerminal(121);
    rig.Receive("#OPEN\r\n");
    rig.session().received.clear();
    rig.Receive("#CLOSE!#MON:BUSY#");
    EXPECT_EQ(rig.session().received, "#CLOSE!#MON:BUSY#");
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Session);
}

TEST_F(RelayLink, SendThatWouldBlockStaysQueuedUntilTheWriteEvent)
{
    OpenTcp(42);
    rig.channel().TakeSent();
    rig.channel().SetWriteLimit(0);
    rig.Receive("@OK\r\n");
    EXPECT_EQ(rig.channel().TakeSent(), "");
    rig.channel().SetWriteLimit(3);
    rig.Event(kWriteEvent);
    EXPECT_EQ(rig.channel().TakeSent(), "#DE");
    rig.channel().SetWriteLimit(100);
    rig.Event(kWriteEvent);
    EXPECT_EQ(rig.channel().TakeSent(), "VID?\r");
}

TEST_F(RelayLink, FailingSendAfterTheServersOkDropsOnTheRetry)
{
    OpenTcp(42);
    rig.channel().SetWriteLimit(-1);
    rig.Receive("@OK\r\n"); // phase 1's send failed, but "@OK" handling does not pass it back
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ChannelOpen);
    rig.Advance(120500);
    rig.Tick();
    rig.Advance(5000);
    rig.Tick(); // the retry fails and drops the connection
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::None);
}

TEST_F(RelayLink, OverlongLineIsDroppedSoTheChannelKeepsReading)
{
    rig.ConnectRelay();
    // More than the buffer holds, without a line end until its very end: its
    // head is dropped when the buffer fills, its tail is a line of its own.
    rig.Receive(std::string(3000, 'x') + "\r\n#DEVID:7\r\n#OK\r\n");
    EXPECT_EQ(rig.manager().GetTerminalRecord().deviceId, 7);
    EXPECT_EQ(rig.manager().GetTerminalPhase(), TerminalPhase::Version);
    EXPECT_EQ(rig.channel().GetRxBuffer().Length(), 0u);
}

TEST_F(RelayLink, OverlongServerLineIsDroppedToo)
{
    OpenTcp(42);
    rig.Receive(std::string(2048, ' '));
    EXPECT_EQ(rig.channel().GetRxBuffer().Length(), 0u);
    rig.Receive("@OK\r\n");
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::ChannelOpen);
}
}
