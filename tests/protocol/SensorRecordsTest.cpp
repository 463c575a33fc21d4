// Tests of the sensor records kept together with their texts.
#include "protocol/SensorRecords.h"

#include "PayloadBuilder.h"
#include "SettingsFixture.h"


#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> IdentificationPayload(std::uint32_t version, std::uint32_t type)
{
    PayloadBuilder b;
    b.U32(0xAAAAAAAA).U32(0xBBBBBBBB);
    b.U32(0x31305746).U32(1000).U32(0x12345678).U32(version).U32(type).U32(24);
    return b.Bytes();
}

TEST(SensorRecords, StartsInTheResetState)
{
    const SensorRecords r;
    EXPECT_EQ(r.identification.firmwareVersion, 0u);
    EXPECT_EQ(r.settings, SettingsBlock{});
    EXPECT_EQ(r.identificationTexts.model, L"");
    EXPECT_EQ(r.identificationTexts.firmwareVersion, L"");
    EXPECT_FALSE(r.identificationTexts.supportedModel);
    EXPECT_EQ(r.identificationTexts.outputOneLabel, L"Discrete output 1:");
    EXPECT_EQ(r.settingsTexts.networkAddress, L"");
    EXPECT_EQ(r.displayTexts.outputState[0], -1);
    EXPECT_EQ(r.displayTexts.magnetState[1], 1);
    EXPECT_EQ(r.displayTexts.extraCount, 0u);
}

TEST(SensorRecords, IdentificationFillsItsTexts)
{
    SensorRecords r;
    const auto payload = IdentificationPayload(8, 3201);
    EXPECT_FALSE(r.TakeIdentification(payload.data(), 31));
    EXPECT_EQ(r.identificationTexts.firmwareVersion, L"");
    ASSERT_TRUE(r.TakeIdentification(payload.data(), payload.size()));
    EXPECT_EQ(r.identification.firmwareVersion, 8u);
    EXPECT_EQ(r.identification.deviceType, 3201u);
    EXPECT_EQ(r.identificationTexts.model, L"TQS 25-07");
    EXPECT_EQ(r.identificationTexts.firmwareVersion, L"8");
    EXPECT_TRUE(r.identificationTexts.supportedModel);
    EXPECT_TRUE(r.identificationTexts.frequencyModePossible);
    EXPECT_TRUE(r.identificationTexts.magnetDetectors);
}

TEST(SensorRecords, UnknownDeviceTypeKeepsTheModelText)
{
    SensorRecords r;
    const auto known = IdentificationPayload(6, 3002);
    ASSERT_TRUE(r.TakeIdentification(known.data(), known.size()));
    const auto unknown = IdentificationPayload(7, 4711);
    ASSERT_TRUE(r.TakeIdentification(unknown.data(), unknown.size()));
    EXPECT_EQ(r.identificationTexts.model, L"FNX 40-01");
    EXPECT_EQ(r.identificationTexts.firmwareVersion, L"7");
    EXPECT_FALSE(r.identificationTexts.supportedModel);

    r.Reset();
    ASSERT_TRUE(r.TakeIdentification(unknown.data(), unknown.size()));
    EXPECT_EQ(r.identificationTexts.model, L"");
}

TEST(SensorRecords, OutputOneIsAFrequencyOutputOnlyWhenAllConditionsHold)
{
    struct Case {
        std::uint32_t version;
        std::uint8_t frequency, code;
        bool expected;
    } cases[] = {
        {7, 1, 2, true}, {6, 1, 2, false}, {7, 0, 2, false}, {7, 1, 0, false}, {9, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << "/" << int(c.frequency) << "/" << int(c.code));
        SensorRecords r;
        const auto id = IdentificationPayload(c.version, 3201);
        ASSERT_TRUE(r.TakeIdentification(id.data(), id.size()));
        SensorSettings s = ValidSettings();
        s.outputs[0].frequencyMode = c.frequency;
        s.outputs[0].valueCode = c.code;
        const SettingsBlock payload = EncodeSettings(s);
        bool changed = false;
        ASSERT_TRUE(r.TakeSettings(payload.data(), payload.size(), changed));
        EXPECT_EQ(r.identificationTexts.outputOneFrequency, c.expected);
        EXPECT_EQ(r.identificationTexts.outputOneLabel,
                  c.expected ? L"Frequency output 1:" : L"Discrete output 1:");
    }
}

TEST(SensorRecords, SettingsAnswerReportsWhetherTheBlockChanged)
{
    SensorRecords r;
    const SettingsBlock payload = EncodeSettings(ValidSettings());
    bool changed = false;
    ASSERT_TRUE(r.TakeSettings(payload.data(), payload.size(), changed));
    EXPECT_TRUE(changed);
    EXPECT_EQ(r.settingsTexts.networkAddress, L"17");
    ASSERT_TRUE(r.TakeSettings(payload.data(), payload.size(), changed));
    EXPECT_FALSE(changed);

    changed = true;
    EXPECT_FALSE(r.TakeSettings(payload.data(), 95, changed));
    EXPECT_TRUE(changed);  // untouched by a refused answer
}

TEST(SensorRecords, EditingAndEditingBackChangesTheVerdict)
{
    SensorRecords r;
    const auto id = IdentificationPayload(9, 3201);
    ASSERT_TRUE(r.TakeIdentification(id.data(), id.size()));
    SensorSettings s = ValidSettings();
    s.zeroReference[1] = 1.0f / 3.0f;
    const SettingsBlock payload = EncodeSettings(s);
    bool changed;
    ASSERT_TRUE(r.TakeSettings(payload.data(), payload.size(), changed));
    EXPECT_EQ(r.EvaluateSettings(), kSettingsUnchanged);

    r.settingsTexts.outputs[1].valueCode = 3;
    r.settingsTexts.outputs[1].conditions.inactive = RangeTexts{1, L"0", L"1"};
    r.settingsTexts.outputs[1].conditions.active = RangeTexts{1, L"1", L"1"};
    EXPECT_EQ(r.EvaluateSettings(), kSettingsModified);
    SettingsBlock edited{};
    ASSERT_TRUE(r.BuildEditedSettings(edited));
    EXPECT_EQ(DecodeSettings(edited).outputs[1].valueCode, 3);
    EXPECT_EQ(DecodeSettings(edited).zeroReference[1], 1.0f / 3.0f);

    r.NormaliseRangeTexts();
    EXPECT_EQ(r.settingsTexts.outputs[1].conditions.inactive.range, L"0..0");
    r.settingsTexts.outputs[1].conditions.active.range = L"0";  // overlaps now
    EXPECT_EQ(r.EvaluateSettings(), kSettingsInvalid);
    EXPECT_FALSE(r.BuildEditedSettings(edited));

    r.settingsTexts.outputs[1].valueCode = 0;
    EXPECT_EQ(r.EvaluateSettings(), kSettingsUnchanged);
}

TEST(SensorRecords, ZeroSetupBlockRebuildsTheTexts)
{
    SensorRecords r;
    const SettingsBlock payload = EncodeSettings(ValidSettings());
    bool changed;
    ASSERT_TRUE(r.TakeSettings(payload.data(), payload.size(), changed));
    r.HoldSettings(TakeZeroReference(r.settings, {0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(r.settingsTexts.zeroReference, L"0.000000, 0.000000, 1.000000");
    EXPECT_EQ(r.EvaluateSettings(), kSettingsUnchanged);
}

TEST(SensorRecords, DataAnswersRebuildTheirTextsAndResetClearsThem)
{
    SensorRecords r;
    PayloadBuilder b;
    b.S16s({2500, 1000, 1, 2, 0, 5}).U32(1u << 25).S16(-32768);
    const auto record = b.Bytes();
    ASSERT_TRUE(r.TakeData(6, record.data(), record.size()));
    EXPECT_EQ(r.displayTexts.temperature, L" 25.0");
    EXPECT_EQ(r.displayTexts.outputState[0], 0);
    ASSERT_EQ(r.displayTexts.extraCount, 1u);
    EXPECT_EQ(r.displayTexts.extraName[0], L"25");
    EXPECT_EQ(r.displayTexts.extraValue[0], L"");
    EXPECT_EQ(r.displayTexts.vector, L"");  // subcode 6 carries no vector

    EXPECT_FALSE(r.TakeData(6, record.data(), record.size() - 1));

    r.TakeLlsData(-5, 7, 8);
    EXPECT_EQ(r.displayTexts.temperature, L" -5.0");
    EXPECT_EQ(r.displayTexts.lls[1], L"8");

    r.Reset();
    EXPECT_EQ(r.live.temperature, 0);
    EXPECT_EQ(r.displayTexts.temperature, L"");
    EXPECT_EQ(r.displayTexts.outputState[0], -1);
    EXPECT_EQ(r.displayTexts.extraCount, 0u);
}

} // namespace
