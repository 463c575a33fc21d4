// Tests of the data answers: record layouts, minimum lengths and extra values.
#include "protocol/LiveData.h"

#include "PayloadBuilder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

PayloadBuilder Answer(std::uint8_t subcode)
{
    PayloadBuilder b;
    b.U8(subcode).U8(0x01);
    return b;
}

TEST(LiveData, Subcode2CarriesTemperatureAngleAndVector)
{
    const auto payload = Answer(2).S16s({2150, -4500}).F32(0.5f).F32(-1.0f).F32(9.5f).Bytes();
    LiveData live;
    live.lls[0] = 77;
    ASSERT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), 2);
    EXPECT_EQ(live.temperature, 2150);
    EXPECT_EQ(live.angle, -4500);
    EXPECT_EQ(live.vector[0], 0.5f);
    EXPECT_EQ(live.vector[1], -1.0f);
    EXPECT_EQ(live.vector[2], 9.5f);
    EXPECT_EQ(live.lls[0], 77);  // fields the record does not carry stay
}

TEST(LiveData, Subcode3CarriesTheDiagnostics)
{
    const auto payload = Answer(3).U8(0x05).U32(0xDEADBEEF).U32(4000000000u).Bytes();
    LiveData live;
    ASSERT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), 3);
    EXPECT_EQ(live.diagnosticFlags, 5);
    EXPECT_EQ(live.diagnosticWord, 0xDEADBEEFu);
    EXPECT_EQ(live.sw, 4000000000u);
}

TEST(LiveData, Subcodes4And5CarryTheShortAndLongPolls)
{
    const auto four = Answer(4).S16s({100, 200, -32768, 65}).Bytes();
    LiveData live;
    ASSERT_EQ(ApplyDataAnswer(four.data(), four.size(), live), 4);
    EXPECT_EQ(live.temperature, 100);
    EXPECT_EQ(live.angle, 200);
    EXPECT_EQ(live.lls[0], kNoValue);
    EXPECT_EQ(live.lls[1], 65);

    const auto five = Answer(5).S16s({1, 2, 3, 4}).F32(1.0f).F32(2.0f).F32(3.0f).S16(-250).U16(0xFFFF).Bytes();
    ASSERT_EQ(ApplyDataAnswer(five.data(), five.size(), live), 5);
    EXPECT_EQ(live.lls[1], 4);
    EXPECT_EQ(live.vector[2], 3.0f);
    EXPECT_EQ(live.auxiliary, -250);
}

TEST(LiveData, Subcode6MapsExtraValuesToTheMaskBits)
{
    const auto payload = Answer(6).S16s({1, 2, 3, 4, 0, -7}).U32((1u << 1) | (1u << 9) | (1u << 20))
                             .S16s({11, -32768, 20}).Bytes();
    ASSERT_EQ(payload.size(), 24u);
    LiveData live;
    ASSERT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), 6);
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
    const auto payload = Answer(7).S16s({1, 2, 3, 4, 5, 6, 0, 9}).U32(1u << 31).S16(-1).Bytes();
    LiveData live;
    ASSERT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), 7);
    EXPECT_EQ(live.outputValue[1], 6);
    EXPECT_EQ(live.magnet[0], 0);
    EXPECT_EQ(live.magnet[1], 9);
    ASSERT_EQ(live.extraCount, 1u);
    EXPECT_EQ(live.extras[0].code, 31);
    EXPECT_EQ(live.extras[0].value, -1);
}

TEST(LiveData, AFullMaskKeepsOnlySixteenExtraValues)
{
    PayloadBuilder b = Answer(6);
    b.S16s({0, 0, 0, 0, 0, 0}).U32(0xFFFFFFFFu);
    for (int i = 0; i < 32; ++i)
        b.S16(static_cast<std::int16_t>(100 + i));
    const auto payload = b.Bytes();
    LiveData live;
    ASSERT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), 6);
    ASSERT_EQ(live.extraCount, kMaxExtraValues);
    EXPECT_EQ(live.extras[15].code, 15);
    EXPECT_EQ(live.extras[15].value, 115);
}

TEST(LiveData, ShortAnswersAreIgnored)
{
    struct Case {
        std::uint8_t subcode;
        std::uint32_t mask;
        std::size_t minimum;  // N, with the two header bytes
    } cases[] = {
        {2, 0, 18}, {3, 0, 11}, {4, 0, 10}, {5, 0, 26},
        {6, 0, 18}, {6, 0x7, 24}, {7, 0, 22}, {7, 0x80000001u, 26},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "subcode " << int(c.subcode) << " mask " << c.mask);
        std::vector<std::uint8_t> payload(c.minimum, 0x11);
        payload[0] = c.subcode;
        payload[1] = 0x01;
        if (c.subcode >= 6) {
            const std::size_t maskAt = c.subcode == 6 ? 14 : 18;
            PutU32(payload.data() + maskAt, c.mask);
        }
        LiveData live;
        EXPECT_EQ(ApplyDataAnswer(payload.data(), payload.size() - 1, live), 0);
        EXPECT_EQ(live.temperature, 0);
        EXPECT_EQ(live.diagnosticFlags, 0);
        EXPECT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), c.subcode);
    }
}

TEST(LiveData, WrongMarkerOrUnknownSubcodeIsIgnored)
{
    LiveData live;
    auto payload = Answer(4).S16s({1, 2, 3, 4}).Bytes();
    payload[1] = 0x00;
    EXPECT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), 0);
    payload[1] = 0x01;
    payload[0] = 8;
    EXPECT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), 0);
    payload[0] = 1;
    EXPECT_EQ(ApplyDataAnswer(payload.data(), payload.size(), live), 0);
    EXPECT_EQ(ApplyDataAnswer(payload.data(), 1, live), 0);
    EXPECT_EQ(ApplyDataAnswer(nullptr, 20, live), 0);
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
