// Tests of handing a finished serial read over to the receive buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/RxBuffer.h"
#include "runtime/ReadHandOver.h"

namespace {

// Fills the receive buffer so that only free bytes remain.
void LeaveFree(CRxBuffer& rx, uint32_t free)
{
    const uint32_t fill = rx.Capacity() - free;
    std::memset(rx.Data(), '.', fill);
    rx.Commit(fill);
}

std::string Tail(CRxBuffer& rx, uint32_t count)
{
    rx.RestoreTerminators();
    return std::string(reinterpret_cast<const char*>(rx.Data() + rx.Length() - count), count);
}

TEST(ReadHandOverTest, MovesWhatFitsAndKeepsTheRest)
{
    struct Case {
        const char* name;
        const char* read;
        uint32_t free;
        bool partialData;
        uint32_t moved;
        int result;
    };
    const Case cases[] = {
        {"complete line", "ab\rcd", 2048, false, 5, 1},
        {"no line end", "abcde", 2048, false, 5, 0},
        {"no line end, raw bytes wanted", "abcde", 2048, true, 5, 1},
        {"only three fit", "abcde", 3, true, 3, 1},
        {"line end beyond the free space", "abc\r", 3, false, 3, 0},
        {"full buffer", "abcde", 0, true, 0, 0},
        {"nothing read", "", 2048, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRxBuffer rx;
        rx.SetPartialData(c.partialData);
        LeaveFree(rx, c.free);
        uint8_t read[16] = {};
        uint32_t count = static_cast<uint32_t>(std::strlen(c.read));
        std::memcpy(read, c.read, count);
        const uint32_t before = rx.Length();

        EXPECT_EQ(HandOverRead(read, count, rx), c.result);
        EXPECT_EQ(rx.Length() - before, c.moved);
        EXPECT_EQ(Tail(rx, c.moved), std::string(c.read, c.moved));
        // What did not fit waits at the front of the read buffer.
        EXPECT_EQ(count, std::strlen(c.read) - c.moved);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(read), count), std::string(c.read + c.moved));
    }
}

TEST(ReadHandOverTest, ConsumersTerminatorsAreRestoredFirst)
{
    CRxBuffer rx;
    uint8_t first[] = {'x', '\r'};
    uint32_t count = 2;
    ASSERT_EQ(HandOverRead(first, count, rx), 1);
    // The line end of the current line now reads as a 0 terminator.
    int status = 0;
    rx.GetLine(status, false);
    ASSERT_EQ(status, 2);
    uint8_t second[] = {'y', '\n'};
    count = 2;
    EXPECT_EQ(HandOverRead(second, count, rx), 1);
    rx.RestoreTerminators();
    EXPECT_EQ(std::string(reinterpret_cast<char*>(rx.Data()), rx.Length()), "x\ry\n");
}

}  // namespace
