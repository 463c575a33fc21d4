// Tests of the three frame recognisers on complete, incomplete and damaged frames.
#include "protocol/FrameRecognisers.h"

#include "tests/common/FrameBytes.h"

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int match;
    unsigned length;
};

Outcome Recognise(int (*recognise)(const uint8_t*, unsigned, unsigned&), const Bytes& bytes)
{
    unsigned length = 0;
    const int match = recognise(bytes.data(), static_cast<unsigned>(bytes.size()), length);
    return {match, match == FrameFound ? length : 0};
}

Bytes Corrupt(Bytes bytes)
{
    bytes.back() ^= 0x01;
    return bytes;
}

} // namespace

TEST(FrameRecognisers, ResponseFrames)
{
    const Bytes empty = Response(3, 0x00, {});
    const Bytes settings = Response(3, 0x2B, Bytes(98, 0x11));
    struct Case {
        const char* name;
        Bytes bytes;
        Outcome expected;
    };
    const Case cases[] = {
        {"N = 0 is five bytes", empty, {FrameFound, 5}},
        {"trailing bytes are not part of it", Join({empty, {0x42, 0x42}}), {FrameFound, 5}},
        {"the largest", Response(0, 0x03, Bytes(255, 0)), {FrameFound, 260}},
        {"a lone prefix", {0x42}, {FrameIncomplete, 0}},
        {"three bytes", {0x42, 0x00, 0x03}, {FrameIncomplete, 0}},
        {"length announces more", Bytes(settings.begin(), settings.end() - 1), {FrameIncomplete, 0}},
        {"checksum differs", Corrupt(empty), {NotAFrame, 0}},
        {"another prefix", {0x41, 0x00, 0xFF, 0x00, 0xEE}, {NotAFrame, 0}},
        {"nothing", {}, {NotAFrame, 0}},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Recognise(RecogniseResponse, c.bytes);
        EXPECT_EQ(outcome.match, c.expected.match) << c.name;
        EXPECT_EQ(outcome.length, c.expected.length) << c.name;
    }
}

TEST(FrameRecognisers, RequestFramesAreOnlyRecognisedAsRequests)
{
    const Bytes echo{0x41, 0x00, 0xFF, 0x00, 0xEE};
    EXPECT_EQ(Recognise(RecogniseRequest, echo).match, FrameFound);
    EXPECT_EQ(Recognise(RecogniseRequest, echo).length, 5u);
    EXPECT_EQ(Recognise(RecogniseRequest, Corrupt(echo)).match, NotAFrame);
    EXPECT_EQ(Recognise(RecogniseRequest, {0x41, 0x01, 0xFF, 0x2B, 0xFF}).match, FrameIncomplete);
    EXPECT_EQ(Recognise(RecogniseRequest, Response(255, 0, {})).match, NotAFrame);
    EXPECT_EQ(Recognise(RecogniseLls, echo).match, NotAFrame);
}

TEST(FrameRecognisers, LlsLengthFollowsTheCommand)
{
    const struct {
        uint8_t command;
        unsigned length;
    } cases[] = {
        {0, 4}, {1, 5}, {2, 8}, {3, 5}, {4, 5}, {5, 18}, {6, 9}, {7, 5}, {15, 5}, {16, 4}, {17, 5},
        {21, 5}, {22, 4}, {23, 5}, {24, 4}, {33, 4}, {34, 5}, {35, 69}, {36, 4}, {255, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LlsFrameLength(c.command), c.length) << int(c.command);
}

TEST(FrameRecognisers, LlsFrames)
{
    const Bytes data6 = Lls(1, 6, {0xE7, 0x10, 0x00, 0x20, 0x00});
    const Bytes short7 = Lls(1, 7, {0x00});
    const Bytes long7 = Lls(1, 7, {0x19, 0x01, 0x00, 0x02, 0x00});
    struct Case {
        const char* name;
        Bytes bytes;
        Outcome expected;
    };
    const Case cases[] = {
        {"command 6 data answer", data6, {FrameFound, 9}},
        {"command 0 is four bytes", Lls(1, 0, {}), {FrameFound, 4}},
        {"command 35 is 69 bytes", Lls(1, 35, Bytes(65, 0x5A)), {FrameFound, 69}},
        {"command 7 as five bytes", short7, {FrameFound, 5}},
        {"command 7 as nine bytes", long7, {FrameFound, 9}},
        {"command 7, five bytes fail, nine not there yet", Bytes(long7.begin(), long7.end() - 1), {FrameIncomplete, 0}},
        {"command 7 failing both ways", Corrupt(long7), {NotAFrame, 0}},
        {"command 6 damaged", Corrupt(data6), {NotAFrame, 0}},
        {"three bytes", {0x3E, 0x01, 0x06}, {FrameIncomplete, 0}},
        {"command 5 short of bytes", Join({{0x3E, 0x01, 0x05}, Bytes(14, 0)}), {FrameIncomplete, 0}},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Recognise(RecogniseLls, c.bytes);
        EXPECT_EQ(outcome.match, c.expected.match) << c.name;
        EXPECT_EQ(outcome.length, c.expected.length) << c.name;
    }
}
