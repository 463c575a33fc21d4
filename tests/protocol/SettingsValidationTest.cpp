// Tests of the rules a settings block must meet before it is written.
#include "protocol/SettingsValidation.h"

#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

RangeRecord Range(std::uint8_t kind, int low, int high, std::uint16_t delay = 0)
{
    return RangeRecord{kind, delay, static_cast<std::int16_t>(low), static_cast<std::int16_t>(high)};
}

TEST(SettingsValidation, RangeRecordRules)
{
    EXPECT_TRUE(IsRangeRecordValid(Range(kRangeInRange, -32767, 32767, 32767)));
    EXPECT_TRUE(IsRangeRecordValid(Range(kRangeOutOfRange, 5, 5)));
    EXPECT_FALSE(IsRangeRecordValid(Range(3, 0, 1)));
    EXPECT_FALSE(IsRangeRecordValid(Range(kRangeInRange, 0, 1, 32768)));
    EXPECT_FALSE(IsRangeRecordValid(Range(kRangeInRange, -32768, 0)));
    EXPECT_FALSE(IsRangeRecordValid(Range(kRangeInRange, 10, 5)));
}

TEST(SettingsValidation, ConditionPairKindsMustFitTheirRanges)
{
    struct Case {
        const char* name;
        RangeRecord inactive, active;
        bool valid;
    } cases[] = {
        {"both other values", Range(0, 0, 0), Range(0, 0, 0), false},
        {"both out of range", Range(2, 0, 10), Range(2, 20, 30), false},
        {"other values and in range", Range(0, 0, 0), Range(1, 10, 20), true},
        {"out of range and other values", Range(2, 10, 20), Range(0, 0, 0), true},
        {"in ranges touching", Range(1, 10, 20), Range(1, 20, 30), false},
        {"in ranges apart", Range(1, 10, 19), Range(1, 20, 30), true},
        {"in ranges apart, reversed", Range(1, 20, 30), Range(1, 10, 19), true},
        {"in range inside the other", Range(1, 0, 100), Range(1, 40, 50), false},
        {"out 10..100 with in 20..30", Range(2, 10, 100), Range(1, 20, 30), true},
        {"in 20..30 with out 10..100", Range(1, 20, 30), Range(2, 10, 100), true},
        {"out 10..100 with in 5..30", Range(2, 10, 100), Range(1, 5, 30), false},
        {"out 10..100 with in 20..101", Range(2, 10, 100), Range(1, 20, 101), false},
        {"out 10..100 with in 10..100", Range(2, 10, 100), Range(1, 10, 100), true},
        {"out over the whole scale", Range(2, -32767, 32767), Range(1, -500, 500), true},
        {"an invalid record", Range(1, 10, 5), Range(0, 0, 0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsConditionPairValid(ConditionPair{c.inactive, c.active}), c.valid);
    }
}

TEST(SettingsValidation, ZeroReferenceWithinEightInclusive)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(IsZeroReferenceInRange({-8.0f, 0.0f, 8.0f}));
    EXPECT_FALSE(IsZeroReferenceInRange({-8.001f, 0.0f, 0.0f}));
    EXPECT_FALSE(IsZeroReferenceInRange({0.0f, 0.0f, 8.001f}));
    EXPECT_FALSE(IsZeroReferenceInRange({0.0f, nan, 0.0f}));
    EXPECT_FALSE(IsZeroReferenceInRange({0.0f, 0.0f, -inf}));
}

struct Mutation {
    const char* name;
    std::function<void(SensorSettings&)> change;
    std::uint32_t version;
    bool valid;
};

TEST(SettingsValidation, EachRuleOfTheBlock)
{
    const Mutation cases[] = {
        {"fixture, version 0", [](SensorSettings&) {}, 0, true},
        {"fixture, version 9", [](SensorSettings&) {}, 9, true},
        {"address 254", [](SensorSettings& s) { s.networkAddress = 254; }, 9, true},
        {"address 255", [](SensorSettings& s) { s.networkAddress = 255; }, 9, false},
        {"flags 2, version 6", [](SensorSettings& s) { s.addressFlags = 2; }, 6, false},
        {"flags 2, version 7", [](SensorSettings& s) { s.addressFlags = 2; }, 7, true},
        {"flags 3, version 7", [](SensorSettings& s) { s.addressFlags = 3; }, 7, true},
        {"flags 4, version 7", [](SensorSettings& s) { s.addressFlags = 4; }, 7, false},
        {"flags 1, version 6", [](SensorSettings& s) { s.addressFlags = 1; }, 6, true},
        {"output mode 2", [](SensorSettings& s) { s.unsolicitedOutput = 2; }, 9, false},
        {"LLS output, interval 0", [](SensorSettings& s) { s.outputInterval = 0; }, 9, false},
        {"no output, interval 0",
         [](SensorSettings& s) { s.unsolicitedOutput = 0; s.outputInterval = 0; }, 9, true},
        {"approximation 9", [](SensorSettings& s) { s.approximationInterval = 9; }, 9, false},
        {"approximation 10", [](SensorSettings& s) { s.approximationInterval = 10; }, 9, true},
        {"approximation 500", [](SensorSettings& s) { s.approximationInterval = 500; }, 9, true},
        {"approximation 501", [](SensorSettings& s) { s.approximationInterval = 501; }, 9, false},
        {"zero reference -9", [](SensorSettings& s) { s.zeroReference[1] = -9.0f; }, 9, false},
        {"angle pair both other values",
         [](SensorSettings& s) { s.angle.active.kind = kRangeOtherValues; }, 9, false},
        {"angle above 180", [](SensorSettings& s) { s.angle.active.high = 181; }, 9, false},
        {"angle 180", [](SensorSettings& s) { s.angle.active.high = 180; }, 9, true},
        {"angle below 0 in an other-values record",
         [](SensorSettings& s) { s.angle.inactive.low = -1; }, 9, false},
        {"threshold 0", [](SensorSettings& s) { s.angleThreshold = 0; }, 9, false},
        {"threshold 90", [](SensorSettings& s) { s.angleThreshold = 90; }, 9, true},
        {"threshold 91", [](SensorSettings& s) { s.angleThreshold = 91; }, 9, false},
        {"LLS code 13, version 6", [](SensorSettings& s) { s.llsSource[1] = 13; }, 6, true},
        {"LLS code 14, version 6", [](SensorSettings& s) { s.llsSource[1] = 14; }, 6, false},
        {"LLS code 20, version 7", [](SensorSettings& s) { s.llsSource[0] = 20; }, 7, true},
        {"LLS code 21, version 9", [](SensorSettings& s) { s.llsSource[0] = 21; }, 9, false},
        {"output code 14, version 6", [](SensorSettings& s) { s.outputs[1].valueCode = 14; }, 6, false},
        {"output code 21, version 9", [](SensorSettings& s) { s.outputs[0].valueCode = 21; }, 9, false},
        {"unused output with an invalid pair",
         [](SensorSettings& s) { s.outputs[1].conditions.active = Range(7, 9, 1); }, 9, true},
        {"used output with both other values",
         [](SensorSettings& s) { s.outputs[1].valueCode = 4; }, 9, false},
        {"used output with overlapping in ranges",
         [](SensorSettings& s) {
             s.outputs[0].conditions.inactive = Range(kRangeInRange, 0, 600);
         },
         9, false},
    };
    for (const Mutation& c : cases) {
        SCOPED_TRACE(c.name);
        SensorSettings s = ValidSettings();
        c.change(s);
        EXPECT_EQ(ValidateSettings(s, c.version), c.valid);
    }
}

} // namespace
