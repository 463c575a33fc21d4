// Tests of the data answers: record layouts, minimum lengths and extra values.
#include "protocol/LiveData.h"

#include "PayloadBuilder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool Apply(std::uint8_t subcode, const std::vector<std::uint8_t>& record, LiveData& live)
{
    return ApplyDataRecord(subcode, record.data(), record.size(), live);
}

TEST(LiveData, Subcode2CarriesTemperatureAngleAndVector)
{
    const auto record = PayloadBuilder().S16s({2150, -4500}).F32(0.5f).F32(-1.0f).F32(9.5f).Bytes();
    LiveData live;
    live.lls[0] = 77;
    ASSERT_TRUE(Apply(2, record, live));
    EXPECT_EQ(live.temperature, 2150);
    EXPECT_EQ(live.angle, -4500);
    EXPECT_EQ(live.vector[0], 0.5f);
    EXPECT_EQ(live.vector[1], -1.0f);
    EXPECT_EQ(live.vector[2], 9.5f);
    EXPECT_EQ(live.lls[0], 77);  // fields the record does not carry stay
}

TEST(LiveData, Subcode3CarriesTheDiagnostics)
{
    const auto record = PayloadBuilder().U8(0x05).U32(0xDEADBEEF).U32(4000000000u).Bytes();
    LiveData live;
    ASSERT_TRUE(Apply(3, record, live));
    EXPECT_EQ(live.diagnosticFlags, 5);
    EXPECT_EQ(live.diagnosticWord, 0xDEADBEEFu);
    EXPECT_EQ(live.sw, 4000000000u);
}

TEST(LiveData, Subcodes4And5CarryTheShortAndLongPolls)
{
    const auto four = PayloadBuilder().S16s({100, 200, -32768, 65}).Bytes();
    LiveData live;
    ASSERT_TRUE(Apply(4, four, live));
    EXPECT_EQ(live.temperature, 100);
    EXPECT_EQ(live.angle, 200);
    EXPECT_EQ(live.lls[0], kNoValue);
    EXPECT_EQ(live.lls[1], 65);

    const auto five = PayloadBuilder().S16s({1, 2, 3, 4}).F32(1.0f).F32(2.0f).F32(3.0f).S16(-250).U16(0xFFFF).Bytes();
    ASSERT_TRUE(Apply(5, five, live));
    EXPECT_EQ(live.lls[1], 4);
    EXPECT_EQ(live.vector[2], 3.0f);
    EXPECT_EQ(live.auxiliary, -250);
}

TEST(LiveData, Subcode6MapsExtraValuesToTheMaskBits)
{
    const auto record = PayloadBuilder().S16s({1, 2, 3, 4, 0, -7}).U32((1u << 1) | (1u << 9) | (1u << 20))
                             .S16s({11, -32768, 20}).Bytes();
    ASSERT_EQ(record.size(), 22u);
    LiveData live;
    ASSERT_TRUE(Apply(6, record, live));
    EXPECT_EQ(live.outputValue[0], 0);
    EXPECT_EQ(live.outputValue[1], -7);
    ASSERT_EQ(live.extraCount, 3u);
    EXPECT_EQ(live.extras[0].code, 1);
    EXPECT_EQ(live.extras[0].value, 11);
    EXPECT_EQ(live.extras[1].code, 9);
    EXPECT_EQ(live.extras[1].value, -32768);
    EXPECT_EQ(live.extras[2].code, 20);
    EXPECT_EQ(live.extras[2].value, 20);
}

TEST(LiveData, Subcode7AddsTheMagnetDetectors)
{
    const auto record = PayloadBuilder().S16s({1, 2, 3, 4, 5, 6, 0, 9}).U32(1u << 31).S16(-1).Bytes();
    LiveData live;
    ASSERT_TRUE(Apply(7, record, live));
    EXPECT_EQ(live.outputValue[1], 6);
    EXPECT_EQ(live.magnet[0], 0);
    EXPECT_EQ(live.magnet[1], 9);
    ASSERT_EQ(live.extraCount, 1u);
    EXPECT_EQ(live.extras[0].code, 31);
    EXPECT_EQ(live.extras[0].value, -1);
}

TEST(LiveData, AFullMaskKeepsOnlySixteenExtraValues)
{
    PayloadBuilder b;
    b.S16s({0, 0, 0, 0, 0, 0}).U32(0xFFFFFFFFu);
    for (int i = 0; i < 32; ++i)
        b.S16(static_cast<std::int16_t>(100 + i));
    LiveData live;
    ASSERT_TRUE(Apply(6, b.Bytes(), live));
    ASSERT_EQ(live.extraCount, kMaxExtraValues);
    EXPECT_EQ(live.extras[15].code, 15);
    EXPECT_EQ(live.extras[15].value, 115);
}

TEST(LiveData, ShortRecordsAndUnknownSubcodesAreIgnored)
{
    struct Case {
        std::uint8_t subcode;
        std::uint32_t mask;
        std::size_t minimum;  // record bytes behind the answer's two header bytes
    } cases[] = {
        {2, 0, 16}, {3, 0, 9}, {4, 0, 8}, {5, 0, 24},
        {6, 0, 16}, {6, 0x7, 22}, {7, 0, 20}, {7, 0x80000001u, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "subcode " << int(c.subcode) << " mask " << c.mask);
        std::vector<std::uint8_t> record(c.minimum, 0x11);
        if (c.subcode >= 6)
            PutU32(record.data() + (c.subcode == 6 ? 12 : 16), c.mask);
        LiveData live;
        EXPECT_FALSE(ApplyDataRecord(c.subcode, record.data(), record.size() - 1, live));
        EXPECT_EQ(live.temperature, 0);
        EXPECT_EQ(live.diagnosticFlags, 0);
        EXPECT_TRUE(ApplyDataRecord(c.subcode, record.data(), record.size(), live));
    }
    const std::vector<std::uint8_t> record(40, 0x11);
    LiveData live;
    for (std::uint8_t subcode : {0, 1, 8, 255})
        EXPECT_FALSE(ApplyDataRecord(subcode, record.data(), record.size(), live)) << int(subcode);
    EXPECT_FALSE(ApplyDataRecord(4, nullptr, 8, live));
    EXPECT_EQ(live.temperature, 0);
}

TEST(LiveData, LlsDataGivesWholeDegreesAndUnsignedParameters)
{
    LiveData live;
    ApplyLlsData(-40, 65535, 1234, live);
    EXPECT_EQ(live.temperature, -4000);
    EXPECT_EQ(live.lls[0], 65535);
    EXPECT_EQ(live.lls[1], 1234);
}

} // namespace
