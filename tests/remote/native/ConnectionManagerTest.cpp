// Connection manager: connection states, notification batching, the one timer, direct connections.
#include "ManagerHarness.h"

#include "protocol/UpdateBits.h"
#include "runtime/ResourceLanguage.h"
#include "runtime/TRegKey1.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace
{
const std::wstring kSensor = L"\u0414\u0430\u0442\u0447\u0438\u043A";

class ConnectionManager : public ::testing::Test
{
protected:
    ~ConnectionManager() override { SetResourceLanguage(1033); }
    CManagerRig rig;
};

TEST_F(ConnectionManager, StartsUnconnectedWithTheDefaults)
{
    auto& manager = rig.manager();
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::None);
    EXPECT_EQ(manager.GetStateText(), L"Connection is not set");
    EXPECT_EQ(manager.GetConnectionType(), ConnectionType::Sensor);
    EXPECT_EQ(manager.GetServerAddress(), L"localhost:50010");
    EXPECT_EQ(manager.GetComPort(), L"COM1");
    EXPECT_EQ(manager.GetBaudRate(), 19200u);
    EXPECT_EQ(manager.GetReadGap(), 0u);
    EXPECT_EQ(manager.GetTerminalId(), 0u);
    EXPECT_EQ(manager.GetTerminalPhase(), TerminalPhase::None);
}

TEST_F(ConnectionManager, DirectLinkStartsTheSessionAtOnce)
{
    auto& manager = rig.manager();
    rig.session().calls.clear();
    manager.SetComPort(L"COM7");
    manager.SetReadGap(50);
    ConnectionState stateWhileOpening = ConnectionState::None;
    rig.channels.onOpen = [&] { stateWhileOpening = manager.GetConnectionState(); };
    ASSERT_EQ(manager.Open(), 1);
    EXPECT_EQ(stateWhileOpening, ConnectionState::ChannelOpen);
    EXPECT_EQ(rig.channels.lastTarget, L"COM7");
    EXPECT_EQ(rig.channels.lastReadGap, 50u);
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::Connected);
    EXPECT_EQ(manager.GetStateText(), kSensor + L" is connected");
    EXPECT_EQ(manager.GetTerminalPhase(), TerminalPhase::Session);
    EXPECT_EQ(manager.GetStatus(), ManagerStatus::Transparent);
    EXPECT_EQ(manager.GetStatusText(), L"- transparent connection");
    EXPECT_EQ(manager.GetChannelMode(), ChannelMode::Direct);
    EXPECT_EQ(rig.session().calls, "Reset;Start;");
    EXPECT_EQ(rig.channel().TakeSent(), ""); // no terminal command on a direct line
    // States 6 and 8, the channel and the status: one post for the whole Open.
    EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{ChangeBits::State | ChangeBits::ChannelOpened |
                                                            ChangeBits::Terminal});

    manager.Disconnect();
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::None);
    EXPECT_EQ(manager.GetStateText(), L"Connection is not set");
    EXPECT_EQ(manager.GetTerminalPhase(), TerminalPhase::None);
    EXPECT_EQ(manager.GetStatus(), ManagerStatus::None);
    EXPECT_EQ(CScriptedChannel::liveChannels, 0);
    EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{ChangeBits::Everything});
    EXPECT_EQ(rig.session().calls, "Reset;Start;Reset;");
}

TEST_F(ConnectionManager, DirectLinkNamesTheSensorTheSameInRussian)
{
    SetResourceLanguage(1049);
    ASSERT_EQ(rig.manager().Open(), 1);
    EXPECT_EQ(rig.manager().GetStateText(), kSensor + L" \u043D\u0430 \u0441\u0432\u044F\u0437\u0438");
    EXPECT_EQ(rig.manager().GetStatusText(),
              L"- \u043F\u0440\u043E\u0437\u0440\u0430\u0447\u043D\u043E\u0435 "
              L"\u0441\u043E\u0435\u0434\u0438\u043D\u0435\u043D\u0438\u0435");
}

TEST_F(ConnectionManager, FailedOpenReleasesTheHalfMadeChannel)
{
    for (ConnectionType type : {ConnectionType::Sensor, ConnectionType::Relay}) {
        SCOPED_TRACE(static_cast<int>(type));
        rig.manager().SetConnectionType(type);
        rig.channels.result = -1;
        EXPECT_EQ(rig.manager().Open(), -1);
        EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::None);
        EXPECT_EQ(CScriptedChannel::liveChannels, 0);
        EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{ChangeBits::Everything});
    }
}

TEST_F(ConnectionManager, OpenDoesNothingWithAChannel)
{
    ASSERT_EQ(rig.manager().Open(), 1);
    CScriptedChannel* first = rig.channels.last;
    rig.window.TakePosts();
    EXPECT_EQ(rig.manager().Open(), 0);
    EXPECT_EQ(rig.channels.last, first);
    EXPECT_TRUE(rig.window.TakePosts().empty());
}

TEST_F(ConnectionManager, DisconnectTwiceDropsNothingTheSecondTime)
{
    ASSERT_EQ(rig.manager().Open(), 1);
    rig.manager().Disconnect();
    rig.window.TakePosts();
    rig.session().calls.clear();
    rig.manager().Disconnect();
    EXPECT_TRUE(rig.window.TakePosts().empty());
    EXPECT_EQ(rig.session().calls, "");
}

TEST_F(ConnectionManager, TerminalIdChangesOnlyWhileUnconnected)
{
    struct Case
    {
        bool connected;
        uint32_t stored;
        uint32_t asked;
        int result;
        uint32_t after;
    };
    const Case cases[] = {
        {false, 0, 0, 1, 0},    {false, 0, 42, 1, 42},  {false, 42, 42, 0, 42},
        {false, 42, 43, 1, 43}, {true, 42, 42, 0, 42},  {true, 42, 43, -1, 42},
        {true, 0, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.connected << " " << c.stored << " " << c.asked);
        CManagerRig local;
        auto& manager = local.manager();
        if (c.stored != 0) {
            ASSERT_EQ(manager.SetTerminalId(c.stored), 1);
        }
        if (c.connected) {
            ASSERT_EQ(manager.Open(), 1);
        }
        EXPECT_EQ(manager.SetTerminalId(c.asked), c.result);
        EXPECT_EQ(manager.GetTerminalId(), c.after);
    }
}

TEST_F(ConnectionManager, TimerIsArmedForTheEarliestDeadlineWithinItsLimits)
{
    auto& manager = rig.manager();
    ASSERT_EQ(manager.Open(), 1);
    struct Case
    {
        int32_t sessionMs;
        unsigned timerMs;
    };
    // The session timer is the phase deadline of a direct link.
    const Case cases[] = {
        {0x7FFFFFFF, 10000}, // nothing pending
        {250, 250},
        {3, 10},             // below the shortest timer
        {0, 2000},           // the default on a direct link
        {45000, 10000},      // beyond the longest timer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sessionMs);
        manager.StartSessionTimer(c.sessionMs);
        rig.Event(0x99); // an event the channel has nothing to say about
        EXPECT_TRUE(rig.window.timerArmed);
        EXPECT_EQ(rig.window.timerMs, c.timerMs);
    }
    manager.StartSessionTimer(100);
    rig.Advance(5000); // the deadline is long past when the next event comes
    rig.Event(0x99);
    EXPECT_EQ(rig.window.timerMs, 10u);
    EXPECT_TRUE(rig.window.foreignTimerIds.empty());
}

TEST_F(ConnectionManager, TimerIsSetAgainOnlyWhenItsDeadlineMovesOrItTicked)
{
    auto& manager = rig.manager();
    ASSERT_EQ(manager.Open(), 1);
    manager.StartSessionTimer(500);
    rig.Event(0x99);
    const unsigned sets = rig.window.timerSets;
    rig.Advance(100);
    rig.Event(0x99); // the deadline stands: the armed timer still fires on it
    EXPECT_EQ(rig.window.timerSets, sets);
    EXPECT_EQ(rig.window.timerMs, 500u);
    manager.StartSessionTimer(300);
    rig.Event(0x99);
    EXPECT_EQ(rig.window.timerSets, sets + 1);
    EXPECT_EQ(rig.window.timerMs, 300u);
    rig.Advance(300);
    rig.Tick(); // a ticked timer repeats with its old period
    EXPECT_EQ(rig.window.timerSets, sets + 2);
    rig.Event(0x99); // nothing pending: the longest timer, set at every event
    rig.Event(0x99);
    EXPECT_EQ(rig.window.timerSets, sets + 4);
    EXPECT_EQ(rig.window.timerMs, 10000u);
}

TEST_F(ConnectionManager, TimerTicksReachTheSessionOnlyWhenItsTimeHasCome)
{
    ASSERT_EQ(rig.manager().Open(), 1);
    rig.session().calls.clear();
    rig.manager().StartSessionTimer(500);
    rig.Advance(499);
    rig.Tick();
    EXPECT_EQ(rig.session().calls, "");
    rig.Advance(1);
    rig.Tick();
    EXPECT_EQ(rig.session().calls, "OnTimeout;");
    rig.Advance(100000);
    rig.Tick();
    EXPECT_EQ(rig.session().calls, "OnTimeout;"); // fires once per arming
    EXPECT_EQ(rig.window.timerMs, 10000u);
}

TEST_F(ConnectionManager, ForeignMessagesAndTimerIdsAreIgnored)
{
    ASSERT_EQ(rig.manager().Open(), 1);
    rig.manager().StartSessionTimer(10);
    rig.Advance(20);
    rig.session().calls.clear();
    rig.window.TakePosts();
    const unsigned setsBefore = rig.window.timerSets;
    rig.manager().OnWindowMessage(kTimerMessage, kTimerId + 1, 0);
    rig.manager().OnWindowMessage(0x0400, kTimerId, kReadEvent);
    rig.manager().OnWindowMessage(kUpdateMessage, 0, kReadEvent);
    EXPECT_EQ(rig.session().calls, "");
    EXPECT_TRUE(rig.window.TakePosts().empty());
    EXPECT_EQ(rig.window.timerSets, setsBefore);
}

TEST_F(ConnectionManager, ChangesOfOneEventArePostedOnce)
{
    auto& manager = rig.manager();
    manager.BeginNotifyBatch();
    manager.Notify(0x200);
    manager.BeginNotifyBatch();
    manager.Notify(0x800);
    manager.EndNotifyBatch();
    EXPECT_TRUE(rig.window.posts.empty());
    manager.Notify(0x100);
    manager.EndNotifyBatch();
    EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{0xB00});
    manager.BeginNotifyBatch();
    manager.EndNotifyBatch();
    EXPECT_TRUE(rig.window.posts.empty()); // nothing collected, nothing posted
    manager.Notify(0x400);
    EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{0x400}); // outside a batch: at once
}

TEST_F(ConnectionManager, ChannelFailureDropsTheConnectionWithOnePost)
{
    ASSERT_EQ(rig.manager().Open(), 1);
    rig.window.TakePosts();
    rig.manager().StartSessionTimer(500);
    rig.Event(kCloseEvent);
    EXPECT_EQ(rig.manager().GetConnectionState(), ConnectionState::None);
    EXPECT_EQ(CScriptedChannel::liveChannels, 0);
    EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{ChangeBits::Everything});
    rig.Event(kReadEvent); // a late event of the released channel
    EXPECT_TRUE(rig.window.TakePosts().empty());
}

// What the manager hands up after each way a connection can end: the system's
// reason, whether it was a drop, and the words both front ends show for a drop.
TEST_F(ConnectionManager, FailureReasonsAreKeptUntilTheNextOpen)
{
    struct Case {
        const char* name;
        ConnectionType type;
        std::function<void(CManagerRig&)> run;
        TErrorCode code;
        bool lost;
        const wchar_t* lostText;
    } cases[] = {
        {"port missing", ConnectionType::Sensor,
         [](CManagerRig& r) {
             r.channels.result = -1;
             r.channels.failure = errc::kFileNotFound;
             EXPECT_EQ(r.manager().Open(), -1);
         },
         errc::kFileNotFound, false, L"Connection via COM4 is lost.\r\nNo such file or directory."},
        {"adapter pulled out", ConnectionType::Sensor,
         [](CManagerRig& r) {
             ASSERT_EQ(r.manager().Open(), 1);
             r.channel().FailWith(errc::kAccessDenied);
             r.Event(kCloseEvent);
         },
         errc::kAccessDenied, true, L"Connection via COM4 is lost.\r\nPermission denied."},
        {"line closed without a reason", ConnectionType::Sensor,
         [](CManagerRig& r) {
             ASSERT_EQ(r.manager().Open(), 1);
             r.Event(kCloseEvent);
         },
         0, true, L"Connection via COM4 is lost."},
        {"disconnected by the user", ConnectionType::Sensor,
         [](CManagerRig& r) {
             ASSERT_EQ(r.manager().Open(), 1);
             r.manager().Disconnect();
         },
         0, false, L"Connection via COM4 is lost."},
        {"server refuses while connecting", ConnectionType::Relay,
         [](CManagerRig& r) {
             r.manager().SetTerminalId(42);
             ASSERT_EQ(r.manager().Open(), 1);
             r.channel().FailWith(errc::kAccessDenied);
             r.Event(kCloseEvent);
         },
         errc::kAccessDenied, false, L"Connection via relay:1 is lost.\r\nPermission denied."},
        {"relay dropped after its handshake", ConnectionType::Relay,
         [](CManagerRig& r) {
             r.ConnectRelay();
             r.channel().FailWith(errc::kInvalidHandle);
             r.Event(kCloseEvent);
         },
         errc::kInvalidHandle, true, L"Connection via relay:1 is lost.\r\nBad file descriptor."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CManagerRig r;
        r.manager().SetConnectionType(c.type);
        r.manager().SetComPort(L"COM4");
        r.manager().SetServerAddress(L"relay:1");
        c.run(r);
        EXPECT_EQ(r.manager().GetConnectionState(), ConnectionState::None);
        EXPECT_EQ(r.manager().GetFailureCode(), c.code);
        EXPECT_EQ(r.manager().WasConnectionLost(), c.lost);
        EXPECT_EQ(r.manager().GetConnectionLostText(), c.lostText);
        // The next Open starts with a clean slate.
        r.channels.result = 1;
        ASSERT_EQ(r.manager().Open(), 1);
        EXPECT_EQ(r.manager().GetFailureCode(), 0u);
        EXPECT_FALSE(r.manager().WasConnectionLost());
    }
}

TEST_F(ConnectionManager, LostConnectionIsToldInRussianToo)
{
    SetResourceLanguage(1049);
    rig.manager().SetComPort(L"COM4");
    ASSERT_EQ(rig.manager().Open(), 1);
    rig.Event(kCloseEvent);
    EXPECT_EQ(rig.manager().GetConnectionLostText(), L"\u0421\u043e\u0435\u0434\u0438\u043d\u0435\u043d\u0438\u0435 "
                                                     L"\u0447\u0435\u0440\u0435\u0437 COM4 "
                                                     L"\u043f\u043e\u0442\u0435\u0440\u044f\u043d\u043e.");
}

TEST_F(ConnectionManager, DirectBytesGoToTheSessionAsTheyArrive)
{
    ASSERT_EQ(rig.manager().Open(), 1);
    rig.session().calls.clear();
    rig.Receive(std::string("\x3E\x01\x23\x00", 4)); // the session reads raw bytes: no line ends needed
    EXPECT_EQ(rig.session().received, std::string("\x3E\x01\x23\x00", 4));
    EXPECT_EQ(rig.session().calls, "OnReceive;");
}

TEST_F(ConnectionManager, SessionSendsAndTracesThroughTheManager)
{
    ASSERT_EQ(rig.manager().Open(), 1);
    rig.window.TakePosts();
    const uint8_t frame[] = {0x01, 0x03, 0x0F};
    EXPECT_EQ(rig.manager().SendData(frame, 3), 1);
    EXPECT_EQ(rig.channel().TakeSent(), "\x01\x03\x0F");
    rig.channel().SetWriteLimit(0);
    EXPECT_EQ(rig.manager().SendData(frame, 3), 0); // stays queued
    rig.channel().SetWriteLimit(100);
    rig.Event(kWriteEvent);
    EXPECT_EQ(rig.channel().TakeSent(), "\x01\x03\x0F");

    rig.manager().TraceFrame(0, 3, frame);
    EXPECT_EQ(rig.window.TakePosts(), std::vector<uint32_t>{ChangeBits::Trace});
    std::wstring text;
    ASSERT_TRUE(rig.manager().TakeTraceText(text));
    EXPECT_EQ(text, L"Tx;01 03 0F \r\n");
    EXPECT_FALSE(rig.manager().TakeTraceText(text));
}

TEST_F(ConnectionManager, WithoutAChannelTheSessionCannotSend)
{
    const uint8_t frame[] = {0x01};
    EXPECT_LT(rig.manager().SendData(frame, 1), 0);
    EXPECT_EQ(rig.manager().GetSessionRxBuffer(), nullptr);
}
}

namespace
{
const wchar_t* const kSettingsKey = L"SOFTWARE\\KivraTests\\ConnectionSettings";

class ConnectionSettings : public ::testing::Test
{
protected:
    ConnectionSettings()
    {
        OsRegDeleteTree(reg::kCurrentUser, kSettingsKey);
        key.Create(reg::kReadWrite);
    }
    ~ConnectionSettings() override
    {
        key.Close();
        OsRegDeleteTree(reg::kCurrentUser, kSettingsKey);
    }

    TRegKey1 root{reg::kCurrentUser};
    TRegKey1 key{root, kSettingsKey};
    CManagerRig rig;
};

TEST_F(ConnectionSettings, RoundTripThePortAndTheServerOnly)
{
    auto& manager = rig.manager();
    manager.SetComPort(L"COM12");
    manager.SetServerAddress(L"relay.example:6000");
    manager.SetBaudRate(9600);
    manager.SaveSettings(key);

    CManagerRig other;
    EXPECT_TRUE(other.manager().LoadSettings(key));
    EXPECT_EQ(other.manager().GetComPort(), L"COM12");
    EXPECT_EQ(other.manager().GetServerAddress(), L"relay.example:6000");
    EXPECT_EQ(other.manager().GetBaudRate(), 19200u); // not stored
}

TEST_F(ConnectionSettings, MissingOrOverlongValuesKeepTheCurrentOnes)
{
    struct Case
    {
        std::optional<std::wstring> port;
        std::optional<std::wstring> address;
        bool loaded;
        std::wstring expectPort;
        std::wstring expectAddress;
    };
    const std::wstring port63(63, L'P');
    const std::wstring address127(127, L'a');
    const Case cases[] = {
        {std::nullopt, std::nullopt, false, L"COM1", L"localhost:50010"},
        {std::nullopt, L"h:1", false, L"COM1", L"h:1"},
        {L"COM3", std::nullopt, true, L"COM3", L"localhost:50010"},
        {port63, address127, true, port63, address127}, // the longest that fit
        {port63 + L"P", address127 + L"a", false, L"COM1", L"localhost:50010"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expectPort);
        key.Close();
        OsRegDeleteTree(reg::kCurrentUser, kSettingsKey);
        ASSERT_TRUE(key.Create(reg::kReadWrite));
        if (c.port)
            key.SetString(L"COM Port", c.port->c_str());
        if (c.address)
            key.SetString(L"IP Address", c.address->c_str());
        CManagerRig local;
        EXPECT_EQ(local.manager().LoadSettings(key), c.loaded);
        EXPECT_EQ(local.manager().GetComPort(), c.expectPort);
        EXPECT_EQ(local.manager().GetServerAddress(), c.expectAddress);
    }
}
}

namespace
{
TEST(SensorSessionHosting, DirectLinkStartsTheSensorSessionInTheOpen)
{
    CFakeWindow window;
    CScriptedChannels channels;
    TSettableClockSource clock{static_cast<uint64_t>(13000000000000) * 10000};
    ProcessClock().UseSource(&clock);
    {
        CRefPtr<CDeviceCommandProcessor> manager(new CDeviceCommandProcessor);
        manager->SetNotifyTarget(static_cast<TNativeWindow*>(&window), kTimerId, kChannelMessage, kUpdateMessage);
        manager->SetChannelFactory(channels);
        ASSERT_NE(manager->GetSession(), nullptr);
        ASSERT_EQ(manager->Open(), 1);
        EXPECT_EQ(manager->GetTerminalPhase(), TerminalPhase::Session);
        // The session's first request went out through the channel and into the trace.
        const std::string sent = channels.last->TakeSent();
        EXPECT_FALSE(sent.empty());
        std::wstring trace;
        ASSERT_TRUE(manager->TakeTraceText(trace));
        EXPECT_EQ(trace.rfind(L"Tx;", 0), 0u);
        // Everything the open changed, the session's bits included, came in one post.
        const std::vector<uint32_t> posts = window.TakePosts();
        ASSERT_EQ(posts.size(), 1u);
        EXPECT_EQ(posts[0] & (ChangeBits::State | ChangeBits::ChannelOpened | ChangeBits::Trace),
                  ChangeBits::State | ChangeBits::ChannelOpened | ChangeBits::Trace);
        manager->Disconnect();
    }
    ProcessClock().UseSource(nullptr);
}
}
