// Terminal command layer: requests and their answers, reply fields, time-outs and the port-open command.
#include "ManagerHarness.h"

#include "remote/V10CommandProcessor.h"

#include <gtest/gtest.h>

namespace
{
// The command layer alone, recording every completion it reports upwards.
class CTerminalProbe : public CV10CommandProcessor
{
public:
    int OnRequestsDone() override
    {
        std::string line = HasPendingRequests() ? "timeout" : "done";
        for (const TTerminalRequest& request : CompletedRequests())
            line += " " + std::to_string(request.code) + ":" + std::to_string(request.status);
        done.push_back(line);
        ClearRequests();
        return 0;
    }
    // As after a new "@OK": record and lists emptied, command mode.
    void Restart() { OnConnected(); }
    void OnChannelOpened() override { events += "opened;"; }
    void OnChannelClosed() override { events += "closed;"; }
    void OnChannelData() override { events += "data;"; }

    std::vector<std::string> done;
    std::string events;
};

class TerminalProtocol : public ::testing::Test
{
protected:
    TerminalProtocol()
    {
        ProcessClock().UseSource(&clock);
        probe = new CTerminalProbe;
        probe->SetNotifyTarget(static_cast<TNativeWindow*>(&window), kTimerId, kChannelMessage, kUpdateMessage);
        probe->SetChannelFactory(channels);
        probe->SetConnectionType(ConnectionType::Relay);
        probe->SetTerminalId(1);
        probe->Open();
        Event(kConnectEvent);
        Receive("@OK\r\n");
        channels.last->TakeSent();
    }
    ~TerminalProtocol() override
    {
        probe.Reset();
        ProcessClock().UseSource(nullptr);
    }

    void Event(std::intptr_t lParam) { probe->OnWindowMessage(kChannelMessage, 0, lParam); }
    void Receive(const std::string& bytes)
    {
        channels.last->Stage(bytes);
        Event(kReadEvent);
    }
    std::string Sent() { return channels.last->TakeSent(); }

    TSettableClockSource clock{static_cast<uint64_t>(13000000000000) * 10000};
    CFakeWindow window;
    CScriptedChannels channels;
    CRefPtr<CTerminalProbe> probe;
};

TEST_F(TerminalProtocol, ClosingLinesCompleteTheOldestRequest)
{
    struct Case
    {
        const char* answer;
        const char* done;
    };
    const Case cases[] = {
        {"#ERR:5\r\n", "done 2:5"},
        {"#ERR: 12 \r\n", "done 2:12"},
        {"#OK\r\n", "done 2:0"},
        {"  \t#OK\r\n", "done 2:0"},     // blanks before "#" are skipped
        {"#ERR:\r\n", ""},               // no code: not a closing line
        {"x#OK\r\n", ""},                // a line that starts otherwise is ignored
        {"#DEVID:77\r\n", ""},           // the data line alone completes nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        probe->done.clear();
        ASSERT_EQ(probe->QueryDeviceId(), 1);
        EXPECT_EQ(Sent(), "#DEVID?\r");
        Receive(c.answer);
        if (*c.done == 0)
            EXPECT_TRUE(probe->done.empty());
        else
            EXPECT_EQ(probe->done, std::vector<std::string>{c.done});
        probe->done.clear();
        Receive("#OK\r\n"); // whatever is left pending completes now
    }
}

TEST_F(TerminalProtocol, AnswersWithNothingPendingAreIgnored)
{
    Receive("#OK\r\n#ERR:3\r\n#DEVID:5\r\n");
    EXPECT_TRUE(probe->done.empty());
    EXPECT_EQ(probe->GetTerminalRecord().deviceId, 0);
    EXPECT_EQ(channels.last->GetRxBuffer().Length(), 0u);
}

TEST_F(TerminalProtocol, RequestsCompleteInOrderAndReportOnceAllAreDone)
{
    probe->QueryVersion();
    probe->QueryBoardRevision();
    probe->QueryBoard();
    EXPECT_EQ(Sent(), "#VER?\r#BRDREV?\r#BRD?\r");
    Receive("#VER:a,b,c,125,2B\r\n#OK\r\n#BRDREV:2B\r\n#ERR:4\r\n");
    EXPECT_TRUE(probe->done.empty());
    Receive("#BRD:X\r\n#OK\r\n");
    EXPECT_EQ(probe->done, std::vector<std::string>{"done 0:0 4:4 3:0"});
    EXPECT_EQ(probe->GetTerminalRecord().softwareVersion, 125);
    EXPECT_EQ(probe->GetTerminalRecord().boardRevision, 0x2B);
}

TEST_F(TerminalProtocol, VersionFieldsAreReadWhereTheyAre)
{
    struct Case
    {
        const char* line;
        int32_t version;
        int32_t revision;
    };
    const Case cases[] = {
        {"#VER:a,b,c,130\r\n", 130, 0},            // four fields match; no revision
        {"#VER:a,b,c,130,1A\r\n", 130, 0x1A},
        {"#VER: a , b , c , 99 , ff \r\n", 99, 0xFF},
        {"#VER:a,b,c\r\n", 0, 0},                   // too few fields: no match
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        probe->QueryVersion();
        Receive(c.line);
        Receive("#OK\r\n");
        EXPECT_EQ(probe->GetTerminalRecord().softwareVersion, c.version);
        EXPECT_EQ(probe->GetTerminalRecord().boardRevision, c.revision);
        probe->Restart();
    }
}

TEST_F(TerminalProtocol, OnlyTheOldestRequestsDeadlineCounts)
{
    probe->QueryBoard();   // 2000 ms
    probe->QueryVersion(); // 500 ms, but not the oldest
    clock.AdvanceMilliseconds(120000 + 1999);
    probe->OnWindowMessage(kTimerMessage, kTimerId, 0);
    EXPECT_TRUE(probe->done.empty());
    clock.AdvanceMilliseconds(1);
    probe->OnWindowMessage(kTimerMessage, kTimerId, 0);
    EXPECT_EQ(probe->done, std::vector<std::string>{"timeout"});
}

TEST_F(TerminalProtocol, PortOpenCommandCarriesTheTimesInTensOfMilliseconds)
{
    struct Case
    {
        TTerminalPortParameters parameters;
        const char* text;
    };
    const Case cases[] = {
        {{2, 19200, 30, 300000}, "#SEROPN=2,19200,0,3,30000\r"},
        {{1, 9600, 35, 1005}, "#SEROPN=1,9600,0,3,100\r"},
        {{0, 0, 0, 0}, "#SEROPN=0,0,0,0,0\r"},
    };
    for (const Case& c : cases) {
        probe->SetPortParameters(c.parameters);
        probe->OpenTerminalPort();
        EXPECT_EQ(Sent(), c.text);
    }
}

TEST_F(TerminalProtocol, CommandTextsAreExact)
{
    probe->QueryDiagnostics();
    probe->QueryDeviceId();
    probe->QueryVersion();
    probe->QueryBoardRevision();
    probe->QueryBoard();
    EXPECT_EQ(Sent(), "#DIAG?\r#DEVID?\r#VER?\r#BRDREV?\r#BRD?\r");
}

TEST_F(TerminalProtocol, PortOpenedSwitchesToTransparentInTheSameReception)
{
    probe->OpenTerminalPort();
    Receive("#OPEN\r\nAB#CLOSED\r\nrest");
    EXPECT_EQ(probe->done, std::vector<std::string>{"done 66:0"});
    EXPECT_EQ(probe->events, "opened;data;closed;");
    EXPECT_EQ(probe->GetChannelMode(), ChannelMode::Command);
    EXPECT_EQ(channels.last->GetRxBuffer().Length(), 0u);
}

TEST_F(TerminalProtocol, TransparentBytesWithoutMarkerStayForTheSession)
{
    probe->OpenTerminalPort();
    channels.last->GetRxBuffer().SetPartialData(true);
    Receive("#OPEN\r\n");
    probe->events.clear();
    Receive("#MON:IDL");
    EXPECT_EQ(probe->events, "data;");
    EXPECT_EQ(probe->GetChannelMode(), ChannelMode::Transparent);
    Receive("E");
    EXPECT_EQ(probe->events, "data;data;closed;");
    EXPECT_EQ(probe->GetChannelMode(), ChannelMode::Command);
}
}
