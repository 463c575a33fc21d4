// Tests of the settings block's wire layout, answer markers and zero-angle replacement.
#include "protocol/SettingsBlock.h"

#include "PayloadBuilder.h"
#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The fixture's settings laid out by hand, offset by offset.
std::vector<std::uint8_t> FixtureBytes()
{
    PayloadBuilder b;
    b.U32(123456).U8(17).U8(1).U8(5).U8(1).U16(50).U16(0);
    b.F32(0.25f).F32(-1.5f).F32(7.75f);
    b.U8(0).U8(0).U16(3).S16(0).S16(0);      // angle, not working
    b.U8(1).U8(0).U16(10).S16(30).S16(90);   // angle, working
    b.U16(600).U8(15).U8(0).U16(40).U16(0);
    b.U8(1).Zeros(3).U8(9).Zeros(3);
    b.U8(2).U8(0).U16(0);                    // output 1
    b.U8(2).U8(0).U16(1).S16(100).S16(2000);
    b.U8(1).U8(0).U16(2).S16(500).S16(1000);
    b.U8(0).U8(0).U16(0).Zeros(16);          // output 2
    return b.Bytes();
}

SettingsBlock ToBlock(const std::vector<std::uint8_t>& bytes)
{
    SettingsBlock block{};
    std::copy_n(bytes.begin(), block.size(), block.begin());
    return block;
}

TEST(SettingsBlock, EncodesEveryFieldAtItsOffset)
{
    const std::vector<std::uint8_t> bytes = FixtureBytes();
    ASSERT_EQ(bytes.size(), kSettingsBlockSize);
    EXPECT_EQ(EncodeSettings(ValidSettings()), ToBlock(bytes));
}

TEST(SettingsBlock, DecodeThenEncodeKeepsEveryNonReservedByte)
{
    SettingsBlock block;
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const SettingsBlock again = EncodeSettings(DecodeSettings(block));
    // Reserved: 10-11, 43, 46-47, the LLS entries' padding, each output's
    // bytes 2-3 and each range record's byte 1.
    std::vector<std::size_t> reserved = {10, 11, 43, 46, 47, 49, 50, 51, 53, 54, 55};
    for (std::size_t out : {56u, 76u}) {
        reserved.push_back(out + 2);
        reserved.push_back(out + 3);
        reserved.push_back(out + 5);
        reserved.push_back(out + 13);
    }
    reserved.push_back(25);
    reserved.push_back(33);
    for (std::size_t i = 0; i < block.size(); ++i) {
        SCOPED_TRACE(i);
        const bool isReserved = std::find(reserved.begin(), reserved.end(), i) != reserved.end();
        EXPECT_EQ(again[i], isReserved ? 0 : block[i]);
    }
}

TEST(SettingsBlock, DecodesSignedBoundsAndFloatBits)
{
    SensorSettings s;
    s.outputs[1].conditions.active = RangeRecord{kRangeInRange, 32767, -32767, -2};
    s.zeroReference[2] = -0.0f;
    const SensorSettings back = DecodeSettings(EncodeSettings(s));
    EXPECT_EQ(back.outputs[1].conditions.active.low, -32767);
    EXPECT_EQ(back.outputs[1].conditions.active.high, -2);
    EXPECT_EQ(back.outputs[1].conditions.active.delay, 32767);
    EXPECT_TRUE(std::signbit(back.zeroReference[2]));
}

TEST(SettingsBlock, WritePayloadIsMarkersThenBlock)
{
    const SettingsBlock block = EncodeSettings(ValidSettings());
    const SettingsPayload payload = MakeSettingsWritePayload(block);
    EXPECT_EQ(payload[0], 0xFF);
    EXPECT_EQ(payload[1], 0x02);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), payload.begin() + 2));
    EXPECT_EQ(NetworkAddressOf(block), 17);
}

TEST(SettingsBlock, ZeroSetupTakesOnlyAnInRangeCandidate)
{
    SettingsBlock held = EncodeSettings(ValidSettings());
    held[43] = 0x5A;  // a reserved byte the sensor filled stays as it was

    const SettingsBlock taken = TakeZeroReference(held, {1.0f, 2.0f, -8.0f});
    const SensorSettings s = DecodeSettings(taken);
    EXPECT_EQ(s.zeroReference[0], 1.0f);
    EXPECT_EQ(s.zeroReference[1], 2.0f);
    EXPECT_EQ(s.zeroReference[2], -8.0f);
    for (std::size_t i = 0; i < held.size(); ++i) {
        if (i < 12 || i >= 24) {
            EXPECT_EQ(taken[i], held[i]) << i;
        }
    }

    EXPECT_EQ(TakeZeroReference(held, {1.0f, 8.5f, 0.0f}), held);
}

} // namespace
