// Tests of the serial byte channel against a pseudo terminal with the native peer at its far end.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/RxBuffer.h"
#include "runtime/ProcessResources.h"
#include "runtime/RefCount.h"
#include "runtime/SerialReadGap.h"
#include "runtime/win32/CommConnection.h"
#include "runtime/win32/Communication.h"
#include "tests/runtime/win32/CapturedLog.h"
#include "tests/runtime/win32/NotifyWindow.h"
#include "tests/runtime/win32/SerialPeer.h"

namespace {

std::vector<unsigned char> Pattern(std::size_t count)
{
    std::vector<unsigned char> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + i / 256);
    return bytes;
}

// Open handles of the process, found by probing (Wine does not report a handle count).
int OpenHandles()
{
    return static_cast<int>(ProbeOpenHandles(0x1000));
}

std::string Unread(CRxBuffer& rx)
{
    rx.RestoreTerminators();
    return std::string(reinterpret_cast<const char*>(rx.Data() + rx.ReadPosition()), rx.Length() - rx.ReadPosition());
}

class CommConnectionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(peer.Start(142)); }

    int Open(CCommConnection& c, DWORD baud = 19200, DWORD readGapMs = kReadGapSizedToLine)
    {
        return c.Open(peer.PortName().c_str(), baud, readGapMs, window.Handle(), window.Message());
    }

    // Sends an answer of count bytes and a line end in pieces of piece bytes, with gapMs of
    // silence after each while the channel goes on reading; true once all of it is unread in
    // the receive buffer, in order.
    bool SendInPieces(CCommConnection& c, std::size_t count, std::size_t piece, DWORD gapMs)
    {
        std::vector<unsigned char> answer = Pattern(count);
        for (unsigned char& b : answer)
            b = static_cast<unsigned char>('A' + b % 26);
        answer.push_back('\r');
        for (std::size_t at = 0; at < answer.size(); at += piece) {
            const std::size_t end = std::min(answer.size(), at + piece);
            if (!peer.Send(std::vector<unsigned char>(answer.begin() + at, answer.begin() + end)))
                return false;
            window.PumpUntil(c, [] { return false; }, gapMs);
        }
        const std::string whole(answer.begin(), answer.end());
        return window.PumpUntil(c, [&] { return Unread(c.GetRxBuffer()) == whole; });
    }

    SerialPeer peer;
    NotifyWindow window;
};

TEST_F(CommConnectionTest, OpensWithTheSensorLineAndKeepsAnOpenPort)
{
    CRefPtr<CCommConnection> channel(new CCommConnection);
    EXPECT_EQ(channel->Kind(), CConnectionWrapper::kSerial);
    EXPECT_EQ(channel->GetHandle(), 1);
    EXPECT_FALSE(channel->IsConnected());
    ASSERT_EQ(Open(*channel), 1);
    EXPECT_TRUE(channel->IsConnected());
    SerialLineSettings line;
    ASSERT_TRUE(peer.Settings(line));
    EXPECT_EQ(line.baud, 19200u);
    EXPECT_EQ(line.dataBits, 8);
    EXPECT_FALSE(line.parity);
    EXPECT_FALSE(line.twoStopBits);
    EXPECT_FALSE(line.rtsCtsFlow);
    EXPECT_FALSE(line.xonOutput);
    EXPECT_FALSE(line.xonInput);

    // Open while open changes nothing.
    EXPECT_EQ(Open(*channel, 9600), 0);
    ASSERT_TRUE(peer.Settings(line));
    EXPECT_EQ(line.baud, 19200u);

    channel->Close();
    EXPECT_FALSE(channel->IsConnected());
    ASSERT_EQ(Open(*channel, 9600), 1);
    ASSERT_TRUE(peer.Settings(line));
    EXPECT_EQ(line.baud, 9600u);
}

TEST_F(CommConnectionTest, MissingPortFailsAndLeavesNoThread)
{
    CapturedLog log("channel-missing", 1);
    CRefPtr<CCommConnection> channel(new CCommConnection);
    EXPECT_EQ(channel->Open(L"COM199", 19200, kReadGapSizedToLine, window.Handle(), window.Message()), -1);
    EXPECT_FALSE(channel->IsConnected());
    EXPECT_TRUE(log.HasLine("ERROR;COM199;CreateFile 2"));
    ASSERT_EQ(Open(*channel), 1);
    EXPECT_TRUE(channel->IsConnected());
}

TEST_F(CommConnectionTest, LongMessageLeavesInPiecesOfTheStagingBuffer)
{
    CapturedLog log("channel-tx", 2);
    CRefPtr<CCommConnection> channel(new CCommConnection);
    ASSERT_EQ(Open(*channel), 1);
    uint32_t accepted = 99;
    EXPECT_EQ(channel->Write(nullptr, 0, accepted), 0);
    EXPECT_EQ(accepted, 99u);

    const std::vector<unsigned char> message = Pattern(3000);
    ASSERT_EQ(channel->Enqueue(3000, message.data()), 1);
    ASSERT_EQ(channel->Flush(), 1);
    EXPECT_EQ(channel->QueuedLength(), 3000u - 1024u);
    // A write is pending: the queue waits for the output event.
    EXPECT_EQ(channel->Flush(), 0);
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return window.Count(CConnectionWrapper::kOutputSide, 1) == 3; }));
    EXPECT_EQ(channel->QueuedLength(), 0u);
    for (const NotifyWindow::Notice& n : window.Notices()) {
        if (n.side == CConnectionWrapper::kOutputSide) {
            EXPECT_EQ(n.result, 0);
        }
    }
    EXPECT_EQ(peer.Receive(3000, 5000), message);
    EXPECT_EQ(log.CountLines("DEBUG;;Tx[1024]:"), 2);
    EXPECT_EQ(log.CountLines("DEBUG;;Tx[952]:"), 1);
    EXPECT_EQ(log.CountLines("DEBUG;;Tx["), 3);
}

TEST_F(CommConnectionTest, ByteTracesOnlyFromTheDebugLevel)
{
    struct Case {
        int level;
        int traceLines;
    };
    for (const Case c : {Case{1, 0}, Case{2, 1}, Case{3, 1}}) {
        SCOPED_TRACE(c.level);
        CapturedLog log("channel-levels", c.level);
        CRefPtr<CCommConnection> channel(new CCommConnection);
        ASSERT_EQ(Open(*channel), 1);
        ASSERT_TRUE(peer.Send({0x41, 0x42, 0x0D}));
        ASSERT_TRUE(window.PumpUntil(*channel, [&] { return Unread(channel->GetRxBuffer()) == "AB\r"; }));
        const unsigned char reply[] = {0x01, 0xA0, 0xFF};
        const int written = window.Count(CConnectionWrapper::kOutputSide, 1);
        ASSERT_EQ(channel->Enqueue(3, reply), 1);
        ASSERT_EQ(channel->Flush(), 1);
        ASSERT_TRUE(window.PumpUntil(*channel, [&] { return window.Count(CConnectionWrapper::kOutputSide, 1) > written; }));
        EXPECT_EQ(peer.Receive(3, 2000), std::vector<unsigned char>(reply, reply + 3));
        channel->Close();
        EXPECT_EQ(log.CountLines("DEBUG;;Rx[3]:41 42 0D "), c.traceLines) << log.Text();
        EXPECT_EQ(log.CountLines("DEBUG;;Tx[3]:01 A0 FF "), c.traceLines);
        EXPECT_EQ(log.CountLines("Rx["), c.traceLines);
    }
}

// Reads end after a short silence, so an answer that comes in pieces (a slow sensor, an adapter
// handing bytes over in packets) is read in several parts: the receive buffer must join them.
TEST_F(CommConnectionTest, AnswerInPiecesWithGapsArrivesWholeAtEveryBaudRate)
{
    struct Case {
        DWORD baud;
        const char* gapLine;
    };
    const Case cases[] = {{19200, "DEBUG;COM142;read gap 5 ms (sized to the baud rate)"},
                          {9600, "DEBUG;COM142;read gap 10 ms (sized to the baud rate)"},
                          {4800, "DEBUG;COM142;read gap 21 ms (sized to the baud rate)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.baud);
        CapturedLog log("channel-gaps", 2);
        CRefPtr<CCommConnection> channel(new CCommConnection);
        ASSERT_EQ(Open(*channel, c.baud), 1);
        EXPECT_TRUE(log.HasLine(c.gapLine)) << log.Text();
        // Six pieces, each followed by twice the longest line gap of silence.
        ASSERT_TRUE(SendInPieces(*channel, 34, 6, 45)) << Unread(channel->GetRxBuffer());
        channel->Close();
        // Every gap ended a read: the answer came in as many reads as it had pieces, or more.
        EXPECT_GE(log.CountLines("DEBUG;;Rx["), 6) << log.Text();
    }
}

TEST_F(CommConnectionTest, TheReadGapSettingHoldsAtEveryBaudRate)
{
    for (DWORD baud : {19200u, 9600u, 4800u}) {
        SCOPED_TRACE(baud);
        CapturedLog log("channel-gap-setting", 2);
        CRefPtr<CCommConnection> channel(new CCommConnection);
        ASSERT_EQ(Open(*channel, baud, kFixedReadGapMs), 1);
        EXPECT_TRUE(log.HasLine("DEBUG;COM142;read gap 50 ms (setting)")) << log.Text();
        EXPECT_EQ(log.CountLines("read gap"), 1);
        ASSERT_TRUE(SendInPieces(*channel, 34, 6, 10)) << Unread(channel->GetRxBuffer());
        channel->Close();
        // Gaps of 10 ms no longer end a read: pieces were joined.
        EXPECT_LT(log.CountLines("DEBUG;;Rx["), 6) << log.Text();
    }
}

TEST_F(CommConnectionTest, InputBeyondTheFreeSpaceIsHandedOverInParts)
{
    CRefPtr<CCommConnection> channel(new CCommConnection);
    CRxBuffer& rx = channel->GetRxBuffer();
    rx.SetPartialData(true);
    // Leave room for 10 bytes only.
    const uint32_t filler = rx.Capacity() - 10;
    std::memset(rx.Data(), 'x', filler);
    rx.Commit(filler);
    ASSERT_EQ(Open(*channel), 1);

    const std::vector<unsigned char> first = Pattern(300);
    const std::vector<unsigned char> second(200, 0xEE);
    std::vector<unsigned char> consumed;
    auto consume = [&](uint32_t from) {
        rx.RestoreTerminators();
        consumed.insert(consumed.end(), rx.Data() + from, rx.Data() + rx.Length());
        rx.Clear();
    };
    // The consumer first leaves the buffer full while more bytes arrive on the line: they must
    // wait on the line until the first read is handed over completely.
    int stage = 0;
    int offers = 0;
    window.OnNotice([&](const NotifyWindow::Notice& n) {
        if (n.side != CConnectionWrapper::kInputSide)
            return;
        if (stage == 0 && n.result > 0) {
            ASSERT_EQ(rx.FreeSpace(), 0u);
            ASSERT_TRUE(peer.Send(second));
            Sleep(100);
            stage = 1;
        } else if (stage == 1 && n.wParam == 0 && ++offers == 20) {
            consume(filler);
            stage = 2;
        } else if (stage == 2 && n.result > 0) {
            consume(0);
        }
    });
    ASSERT_TRUE(peer.Send(first));
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return consumed.size() >= first.size() + second.size(); }));
    std::vector<unsigned char> expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(consumed, expected);
    EXPECT_GE(window.Count(CConnectionWrapper::kInputSide, 0), 20);
    EXPECT_TRUE(channel->IsConnected());
}

TEST_F(CommConnectionTest, EmptyReadsKeepTheInputCycleGoing)
{
    CRefPtr<CCommConnection> channel(new CCommConnection);
    ASSERT_EQ(Open(*channel), 1);
    // Each read ends after its total timeout without a byte and is still reported.
    int empty = 0;
    window.OnNotice([&](const NotifyWindow::Notice& n) {
        empty += n.side == CConnectionWrapper::kInputSide && n.wParam == 1 && n.result == 0;
    });
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return empty >= 2; }, 2 * CCommConnection::kReadTotalMs + 2000));
    ASSERT_TRUE(peer.Send({'o', 'k', '\r'}));
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return Unread(channel->GetRxBuffer()) == "ok\r"; }));
    EXPECT_TRUE(channel->IsConnected());
}

TEST_F(CommConnectionTest, PeerClosingItsEndLeaksNothingAndTheNextOpenWorks)
{
    SerialPeer spare;
    ASSERT_TRUE(spare.Start(143));
    CRefPtr<CCommConnection> channel(new CCommConnection);
    // One round first, so that one-time allocations of the process do not count.
    ASSERT_EQ(channel->Open(spare.PortName().c_str(), 19200, kReadGapSizedToLine, window.Handle(), window.Message()), 1);
    channel->Close();
    const int handlesBefore = OpenHandles();

    ASSERT_EQ(Open(*channel), 1);
    ASSERT_TRUE(peer.Send({'h', 'i', '\r'}));
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return Unread(channel->GetRxBuffer()) == "hi\r"; }));
    ASSERT_TRUE(peer.Hangup());
    // The next write fails on the dead line, which closes the channel.
    const unsigned char byte = 0x55;
    ASSERT_EQ(channel->Enqueue(1, &byte), 1);
    channel->Flush();
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return !channel->IsConnected(); }));
    bool failureSeen = false;
    for (const NotifyWindow::Notice& n : window.Notices())
        failureSeen |= n.result < 0;
    EXPECT_TRUE(failureSeen);
    channel->Close();

    const int handlesAfter = OpenHandles();
    EXPECT_EQ(handlesAfter, handlesBefore);

    ASSERT_EQ(channel->Open(spare.PortName().c_str(), 19200, kReadGapSizedToLine, window.Handle(), window.Message()), 1);
    ASSERT_TRUE(spare.Send({'y', 'e', 's', '\r'}));
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return Unread(channel->GetRxBuffer()).find("yes\r") != std::string::npos; }));
}

// An adapter pulled out while the port is open: the read fails, and the channel
// closes at once with the port's reason, without waiting for a write.
TEST_F(CommConnectionTest, PulledAdapterClosesTheChannelAtOnceWithItsReason)
{
    CRefPtr<CCommConnection> channel(new CCommConnection);
    // One round first, so that one-time allocations of the process do not count.
    ASSERT_EQ(Open(*channel), 1);
    channel->Close();
    const int handlesBefore = OpenHandles();

    ASSERT_EQ(Open(*channel), 1);
    EXPECT_EQ(channel->FailureCode(), 0u);
    ASSERT_TRUE(peer.Send({'u', 'p', '\r'}));
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return Unread(channel->GetRxBuffer()) == "up\r"; }));
    const ULONGLONG pulled = GetTickCount64();
    ASSERT_TRUE(peer.Hangup());
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return !channel->IsConnected(); }, 3000));
    EXPECT_LT(GetTickCount64() - pulled, 1000u);
    int inputFailures = 0;
    for (const NotifyWindow::Notice& n : window.Notices())
        inputFailures += n.side == CConnectionWrapper::kInputSide && n.result < 0;
    EXPECT_EQ(inputFailures, 1);
    EXPECT_NE(channel->FailureCode(), 0u);
    EXPECT_EQ(OpenHandles(), handlesBefore);

    // The adapter is plugged in again: the same port opens and works.
    SerialPeer back;
    ASSERT_TRUE(back.Start(142));
    ASSERT_EQ(Open(*channel), 1);
    EXPECT_EQ(channel->FailureCode(), 0u);
    ASSERT_TRUE(back.Send({'b', 'a', 'c', 'k', '\r'}));
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return Unread(channel->GetRxBuffer()).find("back\r") != std::string::npos; }));
}

// A port that cannot be opened keeps the system's reason for the message shown: missing,
// or a device that is no serial line. (Busy and denied ports cannot be made under Wine run
// as root: a second open of a port succeeds and permissions do not hold.)
TEST_F(CommConnectionTest, OpenFailureKeepsTheSystemsReason)
{
    CRefPtr<CCommConnection> channel(new CCommConnection);
    EXPECT_EQ(channel->Open(L"COM199", 19200, kReadGapSizedToLine, window.Handle(), window.Message()), -1);
    EXPECT_EQ(channel->FailureCode(), static_cast<TErrorCode>(ERROR_FILE_NOT_FOUND));

    ASSERT_TRUE(peer.LinkToNonSerialDevice());
    EXPECT_EQ(Open(*channel), -1);
    const TErrorCode notSerial = channel->FailureCode();
    EXPECT_NE(notSerial, 0u);
    EXPECT_NE(notSerial, static_cast<TErrorCode>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(channel->IsConnected());
}

TEST_F(CommConnectionTest, ReleasingTheLastReferenceEndsTheWorkerAndClosesThePort)
{
    // One round first, so that one-time allocations of the process do not count.
    CRefPtr<CCommConnection> channel(new CCommConnection);
    ASSERT_EQ(Open(*channel), 1);
    channel.Reset();
    const int handlesBefore = OpenHandles();

    channel = CRefPtr<CCommConnection>(new CCommConnection);
    ASSERT_EQ(Open(*channel), 1);
    ASSERT_TRUE(peer.Send({'a', '\r'}));
    ASSERT_TRUE(window.PumpUntil(*channel, [&] { return Unread(channel->GetRxBuffer()) == "a\r"; }));
    const int handlesOpen = OpenHandles();
    EXPECT_GT(handlesOpen, handlesBefore);
    // The manager drops a serial channel this way, without Close.
    channel.Reset();
    const int handlesAfter = OpenHandles();
    EXPECT_EQ(handlesAfter, handlesBefore);
}

}  // namespace
