// Tests of the serial port against a pseudo terminal with the native peer at its far end.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "runtime/ErrorCodes.h"
#include "runtime/win32/Communication.h"
#include "tests/runtime/win32/CapturedLog.h"
#include "tests/runtime/win32/SerialPeer.h"

namespace {

constexpr DWORD kAllAccess = TCommunication::kRead | TCommunication::kWrite | TCommunication::kCommEvent;

// Waits for an operation's event; false when it did not fire in time.
bool Fired(HANDLE event, DWORD timeoutMs = 5000) { return WaitForSingleObject(event, timeoutMs) == WAIT_OBJECT_0; }

class CommunicationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(peer.Start(141));
        event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    void TearDown() override { CloseHandle(event); }

    // Reads once with the port's current timeouts and returns what arrived.
    std::vector<unsigned char> ReadOnce(TCommunication& port, bool& ok)
    {
        std::vector<unsigned char> buffer(1024);
        TCommReport report{};
        ok = port.ReadBegin({1024, buffer.data()}, event) && Fired(event) && port.ReadEnd(report);
        buffer.resize(ok ? report.transferred : 0);
        return buffer;
    }

    SerialPeer peer;
    HANDLE event = nullptr;
};

TEST_F(CommunicationTest, OpensAndLogsPropertiesSettingsAndTimeouts)
{
    CapturedLog log("port-open", 3);
    TCommunication port(peer.PortName().c_str(), 1024, 1024, kAllAccess);
    ASSERT_TRUE(port.Create()) << log.Text();
    EXPECT_TRUE(port.IsCreated());
    EXPECT_TRUE(port.Create());
    EXPECT_EQ(log.CountLines("TRACE;COM141;Create OK"), 1);
    EXPECT_EQ(log.CountLines("TRACE;COM141;COMMPROP:"), 12);
    EXPECT_EQ(log.CountLines("TRACE;COM141;DCB:"), 14);
    EXPECT_EQ(log.CountLines("TRACE;COM141;COMMTIMEOUTS:"), 5);
    EXPECT_TRUE(log.HasLine("TRACE;COM141;DCB:Flags=1"));
    EXPECT_TRUE(port.Destroy());
    EXPECT_FALSE(port.IsCreated());
    EXPECT_TRUE(port.Destroy());
}

TEST_F(CommunicationTest, BelowTraceOnlyErrorsAreLogged)
{
    CapturedLog log("port-quiet", 1);
    TCommunication port(peer.PortName().c_str(), 1024, 1024, kAllAccess);
    ASSERT_TRUE(port.Create());
    TCommunication missing(L"COM199:", 1024, 1024, kAllAccess);
    EXPECT_FALSE(missing.Create());
    EXPECT_EQ(missing.GetError(), 2u);
    EXPECT_FALSE(missing.IsCreated());
    // The prefix drops the colon; the device path keeps it.
    EXPECT_EQ(log.Text(), "ERROR;COM199;CreateFile 2\r\n");
}

TEST_F(CommunicationTest, ReadsAndWritesOneOperationEachAtATime)
{
    CapturedLog log("port-io", 3);
    TCommunication port(peer.PortName().c_str(), 1024, 1024, kAllAccess);
    ASSERT_TRUE(port.Create());
    COMMTIMEOUTS& t = port.WorkingTimeouts();
    t.ReadIntervalTimeout = 50;
    t.ReadTotalTimeoutConstant = 2000;
    ASSERT_TRUE(port.SetTimeouts(t));

    std::vector<unsigned char> buffer(1024);
    ASSERT_TRUE(port.ReadBegin({1024, buffer.data()}, event));
    std::vector<unsigned char> other(16);
    EXPECT_FALSE(port.ReadBegin({16, other.data()}, event));
    EXPECT_EQ(port.GetError(), errc::kAlreadyActive);
    EXPECT_TRUE(log.HasLine("ERROR;COM141;ARead_Begin KO(active)"));

    // The active read is unaffected and gets the peer's bytes.
    ASSERT_TRUE(peer.Send({0x01, 0xA0, 0xFF}));
    ASSERT_TRUE(Fired(event));
    TCommReport report{};
    ASSERT_TRUE(port.ReadEnd(report));
    ASSERT_EQ(report.transferred, 3u);
    EXPECT_EQ(std::vector<unsigned char>(buffer.begin(), buffer.begin() + 3), (std::vector<unsigned char>{1, 0xA0, 0xFF}));
    EXPECT_FALSE(port.ReadEnd(report));
    EXPECT_EQ(port.GetError(), errc::kNotActive);

    HANDLE writeEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    unsigned char text[] = {'h', 'e', 'l', 'l', 'o'};
    ASSERT_TRUE(port.WriteBegin({5, text}, writeEvent));
    ASSERT_TRUE(Fired(writeEvent));
    ASSERT_TRUE(port.WriteEnd(report));
    EXPECT_EQ(report.transferred, 5u);
    EXPECT_EQ(report.second, 5u);
    EXPECT_EQ(peer.Receive(5, 2000), std::vector<unsigned char>(text, text + 5));
    EXPECT_FALSE(port.WriteEnd(report));
    EXPECT_EQ(port.GetError(), errc::kNotActive);
    CloseHandle(writeEvent);
}

TEST_F(CommunicationTest, ReadsEndingByTheirTimeoutAreEmptyCompletions)
{
    TCommunication port(peer.PortName().c_str(), 1024, 1024, kAllAccess);
    ASSERT_TRUE(port.Create());
    COMMTIMEOUTS& t = port.WorkingTimeouts();
    t.ReadIntervalTimeout = 50;
    t.ReadTotalTimeoutConstant = 10;
    ASSERT_TRUE(port.SetTimeouts(t));
    for (int i = 0; i < 25; ++i) {
        bool ok = false;
        EXPECT_TRUE(ReadOnce(port, ok).empty());
        ASSERT_TRUE(ok) << "read " << i << " error " << port.GetError();
    }
    // And the next bytes still arrive.
    ASSERT_TRUE(peer.Send({'o', 'k'}));
    std::vector<unsigned char> got;
    for (int i = 0; i < 50 && got.empty(); ++i) {
        bool ok = false;
        got = ReadOnce(port, ok);
        ASSERT_TRUE(ok);
    }
    EXPECT_EQ(got, (std::vector<unsigned char>{'o', 'k'}));

    // Bytes already waiting may complete the read at once; the event fires all the same.
    ASSERT_TRUE(peer.Send({'g', 'o'}));
    Sleep(100);
    bool ok = false;
    EXPECT_EQ(ReadOnce(port, ok), (std::vector<unsigned char>{'g', 'o'}));
    EXPECT_TRUE(ok);
}

TEST_F(CommunicationTest, AccessFlagsDenyOperations)
{
    CapturedLog log("port-denied", 1);
    TCommunication readOnly(peer.PortName().c_str(), 1024, 1024, TCommunication::kRead);
    ASSERT_TRUE(readOnly.Create());
    unsigned char byte = 0;
    EXPECT_FALSE(readOnly.WriteBegin({1, &byte}, event));
    EXPECT_EQ(readOnly.GetError(), errc::kAccessDenied);
    TCommReport report{};
    EXPECT_FALSE(readOnly.WriteEnd(report));
    EXPECT_EQ(readOnly.GetError(), errc::kAccessDenied);
    EXPECT_TRUE(log.HasLine("ERROR;COM141;AWrite_Begin KO(denied)"));
    EXPECT_TRUE(log.HasLine("ERROR;COM141;AWrite_End KO(denied)"));
}

TEST_F(CommunicationTest, ClosingAbortsAnActiveRead)
{
    TCommunication port(peer.PortName().c_str(), 1024, 1024, kAllAccess);
    ASSERT_TRUE(port.Create());
    COMMTIMEOUTS& t = port.WorkingTimeouts();
    t.ReadIntervalTimeout = 0;
    t.ReadTotalTimeoutConstant = 0;  // the read would wait for ever
    ASSERT_TRUE(port.SetTimeouts(t));
    std::vector<unsigned char> buffer(1024);
    ASSERT_TRUE(port.ReadBegin({1024, buffer.data()}, event));
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(port.Destroy());
    EXPECT_LT(GetTickCount64() - start, 2000u);
    TCommReport report{};
    EXPECT_FALSE(port.ReadEnd(report));
    EXPECT_EQ(port.GetError(), errc::kNotActive);
    // The port can be opened again at once.
    EXPECT_TRUE(port.Create());
}

}  // namespace
