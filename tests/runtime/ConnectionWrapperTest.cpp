// Tests of the byte channel's transmit queue against a scripted transport.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "runtime/RxBuffer.h"
#include "runtime/ConnectionWrapper.h"

namespace {

// Accepts up to a given number of bytes per Write, or answers with scripted results first.
class ScriptedChannel : public CConnectionWrapper {
public:
    explicit ScriptedChannel(uint32_t perWrite) : CConnectionWrapper(kSerial), m_perWrite(perWrite) {}

    int Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted) override
    {
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            if (answer <= 0)
                return answer;
        }
        accepted = length < m_perWrite ? length : m_perWrite;
        pieces.emplace_back(bytes, bytes + accepted);
        return 1;
    }
    intptr_t GetHandle() override { return 0; }
    bool IsConnected() override { return true; }
    void Close() override {}
    int OnEvent(int) override { return 0; }
    CRxBuffer& GetRxBuffer() override { return m_rx; }

    std::deque<int> answers;
    std::vector<std::vector<uint8_t>> pieces;

private:
    uint32_t m_perWrite;
    CRxBuffer m_rx;
};

std::vector<uint8_t> Bytes(std::size_t count, uint8_t first = 0)
{
    std::vector<uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<uint8_t>(first + i);
    return bytes;
}

TEST(ConnectionWrapperTest, FlushOffersTheQueueAndKeepsWhatWasNotTaken)
{
    ScriptedChannel channel(10);
    EXPECT_EQ(channel.Flush(), 1);
    EXPECT_TRUE(channel.pieces.empty());

    const std::vector<uint8_t> bytes = Bytes(25);
    ASSERT_EQ(channel.Enqueue(25, bytes.data()), 1);
    EXPECT_TRUE(channel.pieces.empty());
    EXPECT_EQ(channel.Flush(), 1);
    EXPECT_EQ(channel.QueuedLength(), 15u);
    EXPECT_EQ(channel.Flush(), 1);
    EXPECT_EQ(channel.Flush(), 1);
    EXPECT_EQ(channel.QueuedLength(), 0u);
    ASSERT_EQ(channel.pieces.size(), 3u);
    EXPECT_EQ(channel.pieces[0], Bytes(10, 0));
    EXPECT_EQ(channel.pieces[1], Bytes(10, 10));
    EXPECT_EQ(channel.pieces[2], Bytes(5, 20));
}

TEST(ConnectionWrapperTest, BusyAndFailingTransportsKeepTheQueue)
{
    struct Case {
        int answer;
    };
    for (const Case c : {Case{0}, Case{-1}, Case{-7}}) {
        SCOPED_TRACE(c.answer);
        ScriptedChannel channel(100);
        const std::vector<uint8_t> bytes = Bytes(30);
        ASSERT_EQ(channel.Enqueue(30, bytes.data()), 1);
        channel.answers = {c.answer};
        EXPECT_EQ(channel.Flush(), c.answer);
        EXPECT_EQ(channel.QueuedLength(), 30u);
        EXPECT_EQ(channel.Flush(), 1);
        ASSERT_EQ(channel.pieces.size(), 1u);
        EXPECT_EQ(channel.pieces[0], bytes);
    }
}

TEST(ConnectionWrapperTest, EnqueueBeyondTheQueueFlushesFirstThenGrows)
{
    ScriptedChannel channel(1024);
    const std::vector<uint8_t> head = Bytes(1000);
    ASSERT_EQ(channel.Enqueue(1000, head.data()), 1);
    // Busy transport: the queue grows to hold both parts.
    channel.answers = {0};
    const std::vector<uint8_t> tail = Bytes(100, 0xE8);
    ASSERT_EQ(channel.Enqueue(100, tail.data()), 1);
    EXPECT_EQ(channel.QueuedLength(), 1100u);
    EXPECT_TRUE(channel.pieces.empty());

    // A failing flush is returned and nothing is added.
    channel.answers = {-2};
    EXPECT_EQ(channel.Enqueue(2000, Bytes(2000).data()), -2);
    EXPECT_EQ(channel.QueuedLength(), 1100u);

    // Once the transport takes bytes, the overflow flush sends the head first.
    const std::vector<uint8_t> more = Bytes(50, 0x10);
    ASSERT_EQ(channel.Enqueue(50, more.data()), 1);
    ASSERT_EQ(channel.pieces.size(), 1u);
    EXPECT_EQ(channel.pieces[0], Bytes(1024));
    EXPECT_EQ(channel.QueuedLength(), 76u + 50u);
    EXPECT_EQ(channel.Flush(), 1);
    std::vector<uint8_t> expected = Bytes(76, 1024 % 256);
    expected.insert(expected.end(), more.begin(), more.end());
    EXPECT_EQ(channel.pieces[1], expected);
}

TEST(ConnectionWrapperTest, LongMessageLeavesInTransportSizedPieces)
{
    ScriptedChannel channel(1024);
    const std::vector<uint8_t> message = Bytes(3000);
    ASSERT_EQ(channel.Enqueue(3000, message.data()), 1);
    while (channel.QueuedLength() > 0)
        ASSERT_EQ(channel.Flush(), 1);
    ASSERT_EQ(channel.pieces.size(), 3u);
    EXPECT_EQ(channel.pieces[0].size(), 1024u);
    EXPECT_EQ(channel.pieces[1].size(), 1024u);
    EXPECT_EQ(channel.pieces[2].size(), 952u);
    std::vector<uint8_t> joined;
    for (const auto& piece : channel.pieces)
        joined.insert(joined.end(), piece.begin(), piece.end());
    EXPECT_EQ(joined, message);
}

}  // namespace
