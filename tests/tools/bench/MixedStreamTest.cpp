#include "MixedStream.h"

#include "protocol/FrameScan.h"

#include <gtest/gtest.h>

namespace {

struct CFamilyCount : CFrameVisitor {
    void OnFrame(EFrameFamily family, unsigned, const uint8_t*, unsigned length) override
    {
        (family == FamilyLls ? lls : answers)++;
        frameBytes += length;
    }
    size_t lls = 0;
    size_t answers = 0;
    size_t frameBytes = 0;
};

TEST(MixedStream, HoldsExactlyTheFramesItCountsAmongDamageAndGarbage)
{
    for (uint32_t seed : {1u, 7u, 20261209u}) {
        const CMixedStream stream(200000, seed);
        const auto& bytes = stream.Bytes();
        ASSERT_GE(bytes.size(), 200000u);
        CFamilyCount count;
        const unsigned cut =
            ScanFrames(bytes.data(), static_cast<unsigned>(bytes.size()), FamilyLls | FamilyResponse, count);
        EXPECT_EQ(count.lls + count.answers, stream.Frames()) << "seed " << seed;
        // Both families, and a good share of bytes that are no frame at all.
        EXPECT_GT(count.lls, stream.Frames() / 10);
        EXPECT_GT(count.answers, stream.Frames() / 2);
        EXPECT_LT(count.frameBytes, bytes.size() * 9 / 10);
        EXPECT_GT(count.frameBytes, bytes.size() / 2);
        EXPECT_LE(cut, bytes.size());
    }
}

TEST(MixedStream, IsTheSameForTheSameSeed)
{
    EXPECT_EQ(CMixedStream(5000, 3).Bytes(), CMixedStream(5000, 3).Bytes());
    EXPECT_NE(CMixedStream(5000, 3).Bytes(), CMixedStream(5000, 4).Bytes());
}

} // namespace
