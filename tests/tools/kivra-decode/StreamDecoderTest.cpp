// Tests of one direction's decoding: kept bytes across trace lines, damaged frames, families.
#include "StreamDecoder.h"

#include "tests/common/FrameBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Reports = std::vector<std::string>;

// Writes each report as "family length" with " bad" for a failed checksum.
class CListSink : public CReportSink
{
public:
    Reports reports;

    void Report(const CFrameReport& report) override
    {
        static const char* const names[] = {"request", "response", "lls", "skipped"};
        reports.push_back(std::string(names[static_cast<int>(report.family)]) + ' ' + std::to_string(report.length) +
                          (report.family != EReportFamily::Skipped && !report.crcOk ? " bad" : ""));
    }
};

Bytes Damaged(Bytes frame)
{
    frame.back() ^= 0x5A;
    return frame;
}

const Bytes kAck = Response(1, 0x00, {0});
const Bytes kRequest{0x41, 0x00, 0xFF, 0x00, 0xEE};

} // namespace

TEST(StreamDecoder, TraceLinesRepeatingKeptBytesDecodeThemOnce)
{
    CListSink sink;
    CStreamDecoder rx(EDirection::Rx, sink);
    const Bytes noisyStart = Join({{0x00}, Bytes(kAck.begin(), kAck.begin() + 4)});
    rx.TakeSnapshot(noisyStart.data(), noisyStart.size());
    EXPECT_EQ(sink.reports, (Reports{"skipped 1"}));
    rx.TakeSnapshot(kAck.data(), kAck.size());
    rx.Finish();
    EXPECT_EQ(sink.reports, (Reports{"skipped 1", "response 6"}));
}

TEST(StreamDecoder, KeptBytesATraceLineDoesNotRepeatNeverCompleted)
{
    CListSink sink;
    CStreamDecoder rx(EDirection::Rx, sink);
    const Bytes stale{0x42, 0x10, 0x01};
    rx.TakeSnapshot(stale.data(), stale.size());
    rx.TakeSnapshot(kAck.data(), kAck.size());
    EXPECT_EQ(sink.reports, (Reports{"skipped 3", "response 6"}));

    rx.TakeSnapshot(stale.data(), stale.size());
    rx.Finish();
    rx.Finish();
    EXPECT_EQ(sink.reports, (Reports{"skipped 3", "response 6", "skipped 3"}));
}

TEST(StreamDecoder, PlainBytesContinueTheStream)
{
    CListSink sink;
    CStreamDecoder any(EDirection::None, sink);
    any.TakeBytes(kAck.data(), 2);
    any.TakeBytes(kAck.data() + 2, kAck.size() - 2);
    EXPECT_EQ(sink.reports, (Reports{"response 6"}));
}

TEST(StreamDecoder, DamagedFramesAreReportedWhereTheyEndTheSkippedRun)
{
    struct Case {
        const char* name;
        Bytes bytes;
        Reports expected;
    };
    const Case cases[] = {
        {"noise, a damaged answer, a good one", Join({{0xFF}, Damaged(kAck), kAck}),
         {"skipped 1", "response 6 bad", "response 6"}},
        {"a damaged answer at the end", Join({kAck, Damaged(kAck)}), {"response 6", "response 6 bad"}},
        {"a damaged nine-byte LLS reading", Damaged(Lls(1, 7, {1, 2, 3, 4, 5})), {"lls 9 bad"}},
        {"a damaged LLS frame of its command's length", Damaged(Lls(1, 2, {1, 2, 3, 4})), {"lls 8 bad"}},
        {"noise behind a damaged answer", Join({Damaged(kAck), {0x00, 0x13}}), {"skipped 8"}},
    };
    for (const Case& c : cases) {
        CListSink sink;
        CStreamDecoder rx(EDirection::Rx, sink);
        rx.TakeSnapshot(c.bytes.data(), c.bytes.size());
        rx.Finish();
        EXPECT_EQ(sink.reports, c.expected) << c.name;
    }
}

TEST(StreamDecoder, EachDirectionRecognisesItsOwnFamilies)
{
    const Bytes lls = Lls(1, 6, {20, 1, 0, 2, 0});
    const Bytes all = Join({kRequest, kAck, lls});
    struct Case {
        EDirection direction;
        Reports expected;
    };
    const Case cases[] = {
        {EDirection::Tx, {"request 5", "skipped 15"}},
        {EDirection::Rx, {"skipped 5", "response 6", "lls 9"}},
        {EDirection::None, {"request 5", "response 6", "lls 9"}},
    };
    for (const Case& c : cases) {
        CListSink sink;
        CStreamDecoder stream(c.direction, sink);
        stream.TakeBytes(all.data(), all.size());
        stream.Finish();
        EXPECT_EQ(sink.reports, c.expected) << static_cast<int>(c.direction);
    }
}
