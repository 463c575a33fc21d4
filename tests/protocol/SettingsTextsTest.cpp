// Tests of the settings texts: their form, parsing back, and the settings verdict.
#include "protocol/SettingsTexts.h"

#include "SettingsFixture.h"
#include "SettingsRoundTrip.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

TEST(SettingsTexts, FormatsEveryField)
{
    const SettingsTexts t = FormatSettingsTexts(ValidSettings());
    EXPECT_EQ(t.serialNumber, L"123456");
    EXPECT_EQ(t.networkAddress, L"17");
    EXPECT_EQ(t.noCommonAddress, 1);
    EXPECT_EQ(t.secondaryAddress, 0);
    EXPECT_EQ(t.outputInterval, L"5");
    EXPECT_EQ(t.unsolicitedOutput, 1);
    EXPECT_EQ(t.approximationInterval, L"50");
    EXPECT_EQ(t.zeroReference, L"0.250000, -1.500000, 7.750000");
    EXPECT_EQ(t.angle.inactive.kind, 0);
    EXPECT_EQ(t.angle.inactive.delay, L"3");
    EXPECT_EQ(t.angle.active.kind, 1);
    EXPECT_EQ(t.angle.active.range, L"30..90");
    EXPECT_EQ(t.angle.active.delay, L"10");
    EXPECT_EQ(t.angularMotionTimeout, L"600");
    EXPECT_EQ(t.angleThreshold, L"15");
    EXPECT_EQ(t.pulseSensorTimeout, L"40");
    EXPECT_EQ(t.llsSource[0], 1);
    EXPECT_EQ(t.llsSource[1], 9);
    EXPECT_EQ(t.outputs[0].valueCode, 2);
    EXPECT_EQ(t.outputs[0].conditions.inactive.kind, 2);
    EXPECT_EQ(t.outputs[0].conditions.inactive.range, L"100..2000");
    EXPECT_EQ(t.outputs[0].conditions.active.range, L"500..1000");
    EXPECT_EQ(t.outputs[1].valueCode, 0);
}

TEST(SettingsTexts, SerialNumberAboveTheSignedRangeReadsBack)
{
    SensorSettings s = ValidSettings();
    s.serialNumber = 3000000000u;
    const SettingsTexts t = FormatSettingsTexts(s);
    EXPECT_EQ(t.serialNumber, L"3000000000");
    SensorSettings back;
    ASSERT_TRUE(ParseSettingsTexts(t, back));
    EXPECT_EQ(back.serialNumber, 3000000000u);
}

TEST(SettingsTexts, FormattedTextsParseBackToTheSameBlock)
{
    SensorSettings s = ValidSettings();
    s.zeroReference[0] = 0.123456789f;  // more digits than "%f" shows
    const SettingsBlock held = EncodeSettings(s);
    SettingsBlock built{};
    ASSERT_TRUE(BuildSettingsBlock(FormatSettingsTexts(s), held, 9, built));
    EXPECT_EQ(built, held);
}

struct Edit {
    const char* name;
    std::function<void(SettingsTexts&)> change;
    bool parses;
};

TEST(SettingsTexts, EachFieldFailsOnItsOwnRule)
{
    const Edit cases[] = {
        {"serial number empty", [](SettingsTexts& t) { t.serialNumber = L""; }, false},
        {"serial number negative", [](SettingsTexts& t) { t.serialNumber = L"-1"; }, true},
        {"serial number too large", [](SettingsTexts& t) { t.serialNumber = L"4294967296"; }, false},
        {"address 254", [](SettingsTexts& t) { t.networkAddress = L"254"; }, true},
        {"address 255", [](SettingsTexts& t) { t.networkAddress = L"255"; }, false},
        {"address with letters", [](SettingsTexts& t) { t.networkAddress = L"x"; }, false},
        {"interval 255", [](SettingsTexts& t) { t.outputInterval = L"255"; }, true},
        {"interval 256", [](SettingsTexts& t) { t.outputInterval = L"256"; }, false},
        {"interval 0 with LLS output", [](SettingsTexts& t) { t.outputInterval = L"0"; }, false},
        {"interval 0 without output",
         [](SettingsTexts& t) { t.outputInterval = L"0"; t.unsolicitedOutput = 0; }, true},
        {"no output mode selected", [](SettingsTexts& t) { t.unsolicitedOutput = -1; }, false},
        {"approximation 9", [](SettingsTexts& t) { t.approximationInterval = L"9"; }, false},
        {"approximation 501", [](SettingsTexts& t) { t.approximationInterval = L"501"; }, false},
        {"approximation wrapping past 16 bits",
         [](SettingsTexts& t) { t.approximationInterval = L"65546"; }, false},
        {"zero reference with two numbers", [](SettingsTexts& t) { t.zeroReference = L"1,2"; }, false},
        {"zero reference typed", [](SettingsTexts& t) { t.zeroReference = L"1,2,3"; }, true},
        {"angle range negative", [](SettingsTexts& t) { t.angle.active.range = L"-5"; }, false},
        {"angle delay 65535", [](SettingsTexts& t) { t.angle.active.delay = L"65535"; }, true},
        {"angle delay 65536", [](SettingsTexts& t) { t.angle.active.delay = L"65536"; }, false},
        {"angle kind unselected", [](SettingsTexts& t) { t.angle.inactive.kind = -1; }, false},
        {"motion timeout 65536", [](SettingsTexts& t) { t.angularMotionTimeout = L"65536"; }, false},
        {"motion timeout negative", [](SettingsTexts& t) { t.angularMotionTimeout = L"-1"; }, false},
        {"threshold 0", [](SettingsTexts& t) { t.angleThreshold = L"0"; }, false},
        {"threshold 90", [](SettingsTexts& t) { t.angleThreshold = L"90"; }, true},
        {"threshold 91", [](SettingsTexts& t) { t.angleThreshold = L"91"; }, false},
        {"pulse timeout empty", [](SettingsTexts& t) { t.pulseSensorTimeout = L""; }, false},
        {"LLS source 21", [](SettingsTexts& t) { t.llsSource[0] = 21; }, true},
        {"LLS source 22", [](SettingsTexts& t) { t.llsSource[0] = 22; }, false},
        {"LLS source unselected", [](SettingsTexts& t) { t.llsSource[1] = -1; }, false},
        {"output code 22", [](SettingsTexts& t) { t.outputs[0].valueCode = 22; }, false},
        {"output range with letters", [](SettingsTexts& t) { t.outputs[0].conditions.active.range = L"5a"; }, false},
        {"output range negative for vibration",
         [](SettingsTexts& t) { t.outputs[0].conditions.active.range = L"-5..10"; }, false},
        {"output range negative for temperature",
         [](SettingsTexts& t) {
             t.outputs[0].valueCode = 9;
             t.outputs[0].conditions.active.range = L"-5..10";
         },
         true},
        {"angle range negative whatever the outputs watch",
         [](SettingsTexts& t) {
             t.outputs[0].valueCode = 9;
             t.angle.active.range = L"-5..10";
         },
         false},
        {"unused output with rubbish texts",
         [](SettingsTexts& t) {
             t.outputs[1].conditions.active.range = L"rubbish";
             t.outputs[1].conditions.inactive.delay = L"";
         },
         true},
    };
    for (const Edit& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsTexts t = FormatSettingsTexts(ValidSettings());
        c.change(t);
        const SensorSettings before = ValidSettings();
        SensorSettings s = before;
        EXPECT_EQ(ParseSettingsTexts(t, s), c.parses);
        if (!c.parses) {
            EXPECT_EQ(EncodeSettings(s), EncodeSettings(before));  // left as it was
        }
    }
}

TEST(SettingsTexts, ParsedValuesLandInTheirFields)
{
    SettingsTexts t = FormatSettingsTexts(ValidSettings());
    t.networkAddress = L" 200";
    t.noCommonAddress = 0;
    t.secondaryAddress = 1;
    t.zeroReference = L"1.5,-2,3";
    t.angle.inactive.range = L"7";
    t.outputs[0].frequencyMode = 1;
    t.outputs[1].valueCode = 4;
    t.outputs[1].conditions.inactive = RangeTexts{1, L"0..10", L"4"};
    t.outputs[1].conditions.active = RangeTexts{1, L"11..20", L"5"};
    SensorSettings s = ValidSettings();
    ASSERT_TRUE(ParseSettingsTexts(t, s));
    EXPECT_EQ(s.networkAddress, 200);
    EXPECT_EQ(s.addressFlags, kAddressFlagSecondary);
    EXPECT_EQ(s.zeroReference[0], 1.5f);
    EXPECT_EQ(s.zeroReference[1], -2.0f);
    EXPECT_EQ(s.angle.inactive.low, 7);
    EXPECT_EQ(s.angle.inactive.high, 7);
    EXPECT_EQ(s.outputs[0].frequencyMode, 1);
    EXPECT_EQ(s.outputs[1].valueCode, 4);
    EXPECT_EQ(s.outputs[1].conditions.inactive.high, 10);
    EXPECT_EQ(s.outputs[1].conditions.active.low, 11);
    EXPECT_EQ(s.outputs[1].conditions.active.delay, 5);
}

TEST(SettingsTexts, AddressFlagBitsTheTextsDoNotCoverAreKept)
{
    SensorSettings s = ValidSettings();
    s.addressFlags = 0x84;
    SettingsTexts t = FormatSettingsTexts(s);
    t.noCommonAddress = 1;
    ASSERT_TRUE(ParseSettingsTexts(t, s));
    EXPECT_EQ(s.addressFlags, 0x85);
}

TEST(SettingsTexts, UnusedOutputHasItsConditionsZeroed)
{
    SensorSettings s = ValidSettings();
    SettingsTexts t = FormatSettingsTexts(s);
    t.outputs[0].valueCode = 0;
    ASSERT_TRUE(ParseSettingsTexts(t, s));
    EXPECT_EQ(s.outputs[0].conditions.inactive.kind, 0);
    EXPECT_EQ(s.outputs[0].conditions.inactive.high, 0);
    EXPECT_EQ(s.outputs[0].conditions.active.delay, 0);
}

TEST(SettingsTexts, NormalisationTouchesTheOutputRangesOnly)
{
    SettingsTexts t;
    t.angle.active.range = L"5";
    t.outputs[0].conditions.inactive.range = L"12";
    t.outputs[0].conditions.active.range = L"12..20";
    t.outputs[1].conditions.inactive.range = L"-3";
    t.outputs[1].conditions.active.range = L" 9";
    NormaliseRangeTexts(t);
    EXPECT_EQ(t.angle.active.range, L"5");
    EXPECT_EQ(t.outputs[0].conditions.inactive.range, L"12..12");
    EXPECT_EQ(t.outputs[0].conditions.active.range, L"12..20");
    EXPECT_EQ(t.outputs[1].conditions.inactive.range, L"-3");
    EXPECT_EQ(t.outputs[1].conditions.active.range, L"9..9");
}

TEST(SettingsTexts, NegativeLoneBoundsAreNormalisedForTheTemperatureOnly)
{
    SettingsTexts t;
    t.outputs[0].valueCode = 9;
    t.outputs[0].conditions.inactive.range = L"-3";
    t.outputs[1].valueCode = 2;
    t.outputs[1].conditions.inactive.range = L"-3";
    NormaliseRangeTexts(t);
    EXPECT_EQ(t.outputs[0].conditions.inactive.range, L"-3..-3");
    EXPECT_EQ(t.outputs[1].conditions.inactive.range, L"-3");
}

// A sensor whose output watches the temperature below zero: its settings must
// read as unchanged, not as invalid, or nothing could be written to it.
SensorSettings FrostWatch()
{
    SensorSettings s = ValidSettings();
    s.outputs[1].valueCode = 9;
    s.outputs[1].conditions.inactive = RangeRecord{kRangeOtherValues, 0, 0, 0};
    s.outputs[1].conditions.active = RangeRecord{kRangeInRange, 30, -20, 0};
    return s;
}

TEST(SettingsTexts, HeldNegativeBoundsReadBackUnchanged)
{
    const SettingsBlock held = EncodeSettings(FrostWatch());
    SettingsTexts t = FormatSettingsTexts(FrostWatch());
    EXPECT_EQ(t.outputs[1].conditions.active.range, L"-20..0");
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsUnchanged);

    t.angleThreshold = L"20";  // another field edited: the output keeps its range
    SettingsBlock built{};
    ASSERT_TRUE(BuildSettingsBlock(t, held, 9, built));
    EXPECT_EQ(DecodeSettings(built).outputs[1].conditions.active.low, -20);
    EXPECT_EQ(DecodeSettings(built).angleThreshold, 20);

    t.outputs[1].conditions.active.range = L"-25..-1";  // typed anew
    ASSERT_TRUE(BuildSettingsBlock(t, held, 9, built));
    EXPECT_EQ(DecodeSettings(built).outputs[1].conditions.active.low, -25);
    EXPECT_EQ(DecodeSettings(built).outputs[1].conditions.active.high, -1);
}

TEST(SettingsTexts, HeldNegativeBoundsOfAnUnsignedCodeAreKeptButNotTyped)
{
    SensorSettings s = FrostWatch();
    s.outputs[1].valueCode = 4;  // a counter, held with a range below zero
    const SettingsBlock held = EncodeSettings(s);
    SettingsTexts t = FormatSettingsTexts(s);
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsUnchanged);
    t.outputs[1].conditions.active.range = L"-21..0";
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsInvalid);
}

TEST(SettingsTexts, FrequencyModeByteIsKeptWhileTheBoxSaysTheSame)
{
    SensorSettings s = ValidSettings();
    s.outputs[0].frequencyMode = 2;
    const SettingsBlock held = EncodeSettings(s);
    SettingsTexts t = FormatSettingsTexts(s);
    EXPECT_EQ(t.outputs[0].frequencyMode, 1);
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsUnchanged);
    t.outputs[0].frequencyMode = 0;
    SettingsBlock built{};
    ASSERT_TRUE(BuildSettingsBlock(t, held, 9, built));
    EXPECT_EQ(DecodeSettings(built).outputs[0].frequencyMode, 0);
    t.outputs[0].frequencyMode = 1;
    ASSERT_TRUE(BuildSettingsBlock(t, EncodeSettings(DecodeSettings(built)), 9, built));
    EXPECT_EQ(DecodeSettings(built).outputs[0].frequencyMode, 1);
}

// Condition records drawn around the edges the validation rules care about.
RangeRecord RandomRange(std::mt19937& random, int lowest, int highest)
{
    std::uniform_int_distribution<int> bound(lowest, highest);
    int low = bound(random), high = bound(random);
    if (low > high)
        std::swap(low, high);
    return RangeRecord{static_cast<std::uint8_t>(random() % 3), static_cast<std::uint16_t>(random() % 40000),
                       static_cast<std::int16_t>(low), static_cast<std::int16_t>(high)};
}

TEST(SettingsTexts, EveryValidBlockReadsBackAsItIsWritten)
{
    std::mt19937 random(20261209);
    int valid = 0;
    for (int i = 0; i < 20000; ++i) {
        SensorSettings s = ValidSettings();
        s.serialNumber = static_cast<std::uint32_t>(random());
        s.networkAddress = static_cast<std::uint8_t>(random() % 255);
        s.addressFlags = static_cast<std::uint8_t>(random() % 4);
        s.unsolicitedOutput = static_cast<std::uint8_t>(random() % 2);
        s.outputInterval = static_cast<std::uint8_t>(random() % 256);
        s.approximationInterval = static_cast<std::uint16_t>(10 + random() % 491);
        for (float& component : s.zeroReference)
            component = std::uniform_real_distribution<float>(-8.0f, 8.0f)(random);
        s.angle.inactive = RandomRange(random, 0, 180);
        s.angle.active = RandomRange(random, 0, 180);
        s.angularMotionTimeout = static_cast<std::uint16_t>(random());
        s.angleThreshold = static_cast<std::uint8_t>(1 + random() % 90);
        s.pulseSensorTimeout = static_cast<std::uint16_t>(random());
        for (int k = 0; k < 2; ++k) {
            s.llsSource[k] = static_cast<std::uint8_t>(random() % 21);
            s.outputs[k].valueCode = static_cast<std::uint8_t>(random() % 21);
            s.outputs[k].frequencyMode = static_cast<std::uint8_t>(random() % 3);
            s.outputs[k].conditions.inactive = RandomRange(random, -32767, 32767);
            s.outputs[k].conditions.active = RandomRange(random, -32767, 32767);
        }
        const std::uint32_t firmware = 5 + random() % 6;
        const SettingsBlock held = EncodeSettings(s);
        if (!ValidateSettings(s, firmware))
            continue;
        ++valid;
        SCOPED_TRACE(i);
        ASSERT_TRUE(SettingsTextsRoundTrip(held, firmware));
    }
    EXPECT_GT(valid, 500);  // the draw must reach valid blocks to prove anything
}

TEST(SettingsTexts, VerdictAgainstTheHeldBlock)
{
    const SettingsBlock held = EncodeSettings(ValidSettings());
    SettingsTexts t = FormatSettingsTexts(ValidSettings());
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsUnchanged);

    t.angleThreshold = L"16";
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsModified);
    t.angleThreshold = L"+15 ";  // back to what was read, typed differently
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsUnchanged);

    t.outputs[0].conditions.active.range = L"10..5";  // parses, fails validation
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsInvalid);
    t.outputs[0].conditions.active.range = L"500..1000";

    t.secondaryAddress = 1;
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 6), kSettingsInvalid);
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 7), kSettingsModified);
}

TEST(SettingsTexts, ReservedBytesFromTheSensorCountAsADifference)
{
    SettingsBlock held = EncodeSettings(ValidSettings());
    held[10] = 1;
    const SettingsTexts t = FormatSettingsTexts(DecodeSettings(held));
    EXPECT_EQ(EvaluateSettingsTexts(t, held, 9), kSettingsModified);
    SettingsBlock built{};
    ASSERT_TRUE(BuildSettingsBlock(t, held, 9, built));
    EXPECT_EQ(built[10], 0);
}

} // namespace
