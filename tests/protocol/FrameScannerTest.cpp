// Tests of the frame scanner over a receive buffer: what is handed on, traced, kept and dropped.
#include "protocol/FrameScanner.h"

#include "protocol/FrameScannerOwner.h"
#include "runtime/RxBuffer.h"

#include "tests/common/FrameBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Writes down every call as a short text, in order.
class CRecordingOwner : public CFrameScannerOwner
{
public:
    std::vector<std::string> calls;
    std::vector<Bytes> traced;

    void TraceFrame(int direction, unsigned length, const uint8_t* bytes) override
    {
        calls.push_back("trace " + std::to_string(direction));
        traced.emplace_back(bytes, bytes + length);
    }
    void OnAcknowledge(uint8_t status) override { calls.push_back("ack " + std::to_string(status)); }
    void OnIdentification(const uint8_t* record) override { calls.push_back("id " + std::to_string(record[20])); }
    void OnDownloadStatus(const uint8_t* record) override { calls.push_back("status " + std::to_string(record[0])); }
    void OnDataAnswer(uint8_t subcode, const uint8_t* record, unsigned length) override
    {
        calls.push_back("data " + std::to_string(subcode) + " " + std::to_string(length) + " " +
                        std::to_string(length ? record[0] : -1));
    }
    void OnSettings(const uint8_t* block) override { calls.push_back("settings " + std::to_string(block[4])); }
    void OnLlsData(int8_t temperature, uint16_t parameter1, uint16_t parameter2) override
    {
        calls.push_back("lls " + std::to_string(temperature) + " " + std::to_string(parameter1) + " " +
                        std::to_string(parameter2));
    }
};

void Receive(CRxBuffer& buffer, const Bytes& bytes)
{
    std::memcpy(buffer.Data() + buffer.Length(), bytes.data(), bytes.size());
    buffer.AppendReceived(static_cast<uint32_t>(bytes.size()));
}

Bytes Pending(const CRxBuffer& buffer)
{
    return Bytes(buffer.Data() + buffer.ReadPosition(), buffer.Data() + buffer.Length());
}

using Calls = std::vector<std::string>;

Bytes DataAnswer(uint8_t subcode, const Bytes& record)
{
    return Response(9, 0x28, Join({{subcode, 0x01}, record}));
}

} // namespace

TEST(FrameScanner, AnswersAreHandedOnByCode)
{
    Bytes identification(32, 0);
    identification[20] = 8;
    Bytes settings = Join({{0xFF, 0x02}, Bytes(96, 0)});
    settings[2 + 4] = 42;
    struct Case {
        const char* name;
        Bytes frame;
        Calls expected; // after the trace call
    };
    const Case cases[] = {
        {"acknowledge accepted", Response(1, 0x00, {0}), {"ack 0"}},
        {"acknowledge with a second byte", Response(1, 0x00, {3, 9}), {"ack 3"}},
        {"identification", Response(1, 0x01, identification), {"id 8"}},
        {"download status", Response(1, 0x02, Join({{7}, Bytes(31, 0)})), {"status 7"}},
        {"data record", DataAnswer(4, {0x10, 0x20, 0, 0, 0, 0, 0, 0}), {"data 4 8 16"}},
        {"data header only", DataAnswer(6, {}), {"data 6 0 -1"}},
        {"settings", Response(1, 0x2B, settings), {"settings 42"}},
        {"LLS data answer", Lls(1, 6, {0xE7, 0x34, 0x12, 0xFF, 0xFF}), {"lls -25 4660 65535"}},
        {"LLS command 7 second attempt", Lls(1, 7, {25, 1, 0, 2, 0}), {"lls 25 1 2"}},
        {"LLS command 7 short reading carries no values", Lls(1, 7, {0}), {}},
        {"LLS command 2 carries no values", Lls(1, 2, {1, 2, 3, 4}), {}},
        // Consumed without effect:
        {"unknown code", Response(1, 0x2E, {0}), {}},
        {"acknowledge without status", Response(1, 0x00, {}), {}},
        {"identification too short", Response(1, 0x01, Bytes(31, 0)), {}},
        {"download status too short", Response(1, 0x02, Bytes(31, 0)), {}},
        {"data without marker", Response(1, 0x28, {4, 0x02, 0, 0}), {}},
        {"data too short", Response(1, 0x28, {4}), {}},
        {"settings too short", Response(1, 0x2B, Bytes(settings.begin(), settings.end() - 1)), {}},
        {"settings with wrong marker", Response(1, 0x2B, Join({{0xFF, 0x03}, Bytes(96, 0)})), {}},
    };
    for (const Case& c : cases) {
        CRecordingOwner owner;
        CFrameScanner scanner(owner);
        CRxBuffer buffer;
        buffer.SetPartialData(true);
        Receive(buffer, c.frame);
        EXPECT_EQ(scanner.Scan(buffer), 1) << c.name;
        Calls expected{"trace 1"};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(owner.calls, expected) << c.name;
        EXPECT_EQ(buffer.Length(), 0u) << c.name;
    }
}

TEST(FrameScanner, TwoFramesInOneReadAreBothHandledInOrder)
{
    CRecordingOwner owner;
    CFrameScanner scanner(owner);
    CRxBuffer buffer;
    const Bytes both = Join({Response(1, 0x00, {2}), {0x00, 0x13}, Lls(2, 6, {20, 1, 0, 2, 0}), Response(1, 0x00, {0})});
    Receive(buffer, both);
    EXPECT_EQ(scanner.Scan(buffer), 3);
    EXPECT_EQ(owner.calls, (Calls{"trace 1", "ack 2", "lls 20 1 2", "ack 0"}));
    ASSERT_EQ(owner.traced.size(), 1u);
    EXPECT_EQ(owner.traced[0], both);
    EXPECT_EQ(buffer.Length(), 0u);
}

TEST(FrameScanner, APartialFrameIsKeptFromItsFirstByteAndTracedAgain)
{
    CRecordingOwner owner;
    CFrameScanner scanner(owner);
    CRxBuffer buffer;
    const Bytes frame = DataAnswer(4, {1, 2, 3, 4, 5, 6, 7, 8});
    const Bytes head(frame.begin(), frame.begin() + 6);
    const Bytes tail(frame.begin() + 6, frame.end());

    Receive(buffer, Join({{0x55, 0xAA}, head}));
    EXPECT_EQ(scanner.Scan(buffer), 0);
    EXPECT_EQ(Pending(buffer), head);
    EXPECT_EQ(buffer.ReadPosition(), 0u);

    Receive(buffer, tail);
    EXPECT_EQ(scanner.Scan(buffer), 1);
    EXPECT_EQ(owner.calls, (Calls{"trace 1", "trace 1", "data 4 8 1"}));
    ASSERT_EQ(owner.traced.size(), 2u);
    EXPECT_EQ(owner.traced[1], frame);
    EXPECT_EQ(buffer.Length(), 0u);
}

TEST(FrameScanner, IncompleteStartsAreKeptUntilResolved)
{
    struct Case {
        const char* name;
        Bytes bytes;
        Bytes kept;
        Calls answers;
    };
    const Bytes ack = Response(1, 0x00, {0});
    const Case cases[] = {
        {"a lone response prefix at the end", {0x11, 0x42}, {0x42}, {}},
        {"a length announcing more than is there", {0x42, 0x20, 0x01, 0x00, 0x00}, {0x42, 0x20, 0x01, 0x00, 0x00}, {}},
        {"a frame behind a stale start removes it", Join({{0x42, 0xFF, 0x01}, ack}), {}, {"ack 0"}},
        {"a stale start behind a frame is kept", Join({ack, {0x3E, 0x01}}), {0x3E, 0x01}, {"ack 0"}},
        {"a stale start whose checksum fails once complete is dropped",
         Join({{0x42, 0x01, 0x01, 0x00, 0x00, 0x00}, {0x77}}), {}, {}},
        {"the tool's own request coming back", {0x41, 0x00, 0xFF, 0x00, 0xEE}, {}, {}},
    };
    for (const Case& c : cases) {
        CRecordingOwner owner;
        CFrameScanner scanner(owner);
        CRxBuffer buffer;
        Receive(buffer, c.bytes);
        scanner.Scan(buffer);
        Calls expected{"trace 1"};
        expected.insert(expected.end(), c.answers.begin(), c.answers.end());
        EXPECT_EQ(owner.calls, expected) << c.name;
        EXPECT_EQ(Pending(buffer), c.kept) << c.name;
        EXPECT_EQ(buffer.ReadPosition(), 0u) << c.name;
    }
}

TEST(FrameScanner, ScansFromTheReadPositionAndRestoresTerminators)
{
    CRecordingOwner owner;
    CFrameScanner scanner(owner);
    CRxBuffer buffer;
    // Bytes a line consumer has already read, then an answer whose payload holds a line end that
    // AppendReceived has replaced by a terminator.
    const Bytes answer = Response(1, 0x00, {'\r'});
    Receive(buffer, Join({{'#', 'O', 'K', '\r', '\n'}, answer}));
    ASSERT_EQ(buffer.SkipLine(), 1);
    int status = 0;
    buffer.GetLine(status, false);
    ASSERT_EQ(status, CASCIIBuffer::LineComplete);
    EXPECT_EQ(scanner.Scan(buffer), 1);
    EXPECT_EQ(owner.calls, (Calls{"trace 1", "ack 13"}));
    EXPECT_EQ(owner.traced[0], answer);
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.ReadPosition(), 0u);
}

TEST(FrameScanner, NothingPendingIsNotTracedButTheReadBytesAreDropped)
{
    CRecordingOwner owner;
    CFrameScanner scanner(owner);
    CRxBuffer buffer;
    EXPECT_EQ(scanner.Scan(buffer), 0);
    Receive(buffer, {'#', 'O', 'K', '\r'});
    ASSERT_EQ(buffer.SkipLine(), 1);
    EXPECT_EQ(scanner.Scan(buffer), 0);
    EXPECT_TRUE(owner.calls.empty());
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.ReadPosition(), 0u);
}
