// Settings keys: reading and setting values by name, and saying which value cannot be written.
#include "ui/app/SettingsKeys.h"

#include "tests/protocol/SettingsFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

constexpr std::uint32_t kVersion = 9;

struct Held {
    SettingsBlock block = EncodeSettings(ValidSettings());
    SettingsTexts texts = FormatSettingsTexts(DecodeSettings(block));
};

TEST(SettingsKeys, NamesAreUniqueAndEveryKeyReadsItsOwnField)
{
    Held held;
    std::set<std::wstring> names;
    for (const SettingsKey& key : AllSettingsKeys()) {
        EXPECT_TRUE(names.insert(key.name).second) << Narrow(key.name);
        EXPECT_EQ(FindSettingsKey(key.name), &key);
        EXPECT_NE((key.text == nullptr), (key.number == nullptr)) << Narrow(key.name);
        // Changing one key changes exactly that key.
        SettingsTexts edited = held.texts;
        std::wstring why;
        ASSERT_TRUE(SetSettingsValue(key, key.text ? L"edited" : L"1", edited, why) ||
                    SetSettingsValue(key, L"0", edited, why));
        const auto changed = ChangedSettingsKeys(held.texts, edited);
        EXPECT_LE(changed.size(), 1u) << Narrow(key.name);
        if (!changed.empty()) {
            EXPECT_EQ(changed[0], &key);
        }
    }
    EXPECT_EQ(FindSettingsKey(L"no_such_key"), nullptr);
    EXPECT_EQ(SettingsValue(*FindSettingsKey(L"network_address"), held.texts), L"17");
    EXPECT_EQ(SettingsValue(*FindSettingsKey(L"output1.not_active.kind"), held.texts), L"2");
    EXPECT_EQ(SettingsValue(*FindSettingsKey(L"angle.working.range"), held.texts), L"30..90");
}

TEST(SettingsKeys, NumberKeysTakeOnlyTheirFormAndRange)
{
    Held held;
    struct Case {
        const wchar_t* key;
        const wchar_t* value;
        bool taken;
        int stored;
    };
    const Case cases[] = {
        {L"unsolicited_output", L" 1 ", true, 1},
        {L"unsolicited_output", L"on", true, 1},
        {L"no_common_address", L"false", true, 0},
        {L"unsolicited_output", L"2", false, 0},
        {L"output1.active.kind", L"2", true, 2},
        {L"output1.active.kind", L"3", false, 0},
        {L"output1.active.kind", L"on", false, 0},
        {L"lls1.source", L"21", true, 21},
        {L"lls1.source", L"22", false, 0},
        {L"lls1.source", L"-1", false, 0},
        {L"lls1.source", L"1.5", false, 0},
        {L"lls1.source", L"99999999", false, 0},
    };
    for (const Case& c : cases) {
        SettingsTexts edited = held.texts;
        std::wstring why;
        const SettingsKey& key = *FindSettingsKey(c.key);
        EXPECT_EQ(SetSettingsValue(key, c.value, edited, why), c.taken) << Narrow(c.key) << "=" << Narrow(c.value);
        if (c.taken)
            EXPECT_EQ(*key.number(edited), c.stored);
        else
            EXPECT_EQ(why, SettingsRule(key));
    }
    SettingsTexts edited = held.texts;
    std::wstring why;
    ASSERT_TRUE(SetSettingsValue(*FindSettingsKey(L"zero_reference"), L"  1, 2, 3 ", edited, why));
    EXPECT_EQ(edited.zeroReference, L"1, 2, 3");
}

TEST(SettingsKeys, DiagnosisNamesTheValueAndItsRule)
{
    Held held;
    EXPECT_TRUE(DiagnoseSettings(held.texts, held.block, kVersion).empty());

    struct Case {
        const wchar_t* key;
        const wchar_t* value;
        std::uint32_t version;
    };
    const Case cases[] = {
        {L"angle_threshold", L"91", kVersion},
        {L"angle_threshold", L"abc", kVersion},
        {L"approximation_interval", L"9", kVersion},
        {L"network_address", L"255", kVersion},
        {L"zero_reference", L"1, 2", kVersion},
        {L"zero_reference", L"9, 0, 0", kVersion},
        {L"angle.working.range", L"100..200", kVersion},
        {L"output1.active.range", L"3..-1", kVersion},
        {L"output_interval", L"0", kVersion},  // LLS output is on in the held settings
        {L"secondary_address", L"1", 6},
        {L"lls2.source", L"14", 6},
    };
    for (const Case& c : cases) {
        SettingsTexts edited = held.texts;
        std::wstring why;
        const SettingsKey& key = *FindSettingsKey(c.key);
        ASSERT_TRUE(SetSettingsValue(key, c.value, edited, why));
        const auto reasons = DiagnoseSettings(edited, held.block, c.version);
        ASSERT_EQ(reasons.size(), 1u) << Narrow(c.key);
        EXPECT_EQ(reasons[0].find(std::wstring(c.key) + L" = \"" + c.value + L"\""), 0u) << Narrow(reasons[0]);
        EXPECT_NE(reasons[0].find(SettingsRule(key)), std::wstring::npos) << Narrow(reasons[0]);
    }
}

TEST(SettingsKeys, DiagnosisOfValuesThatOnlyFailTogether)
{
    Held held;
    SettingsTexts edited = held.texts;
    // Both angle conditions "in range" and overlapping: each alone is fine against the held one.
    edited.angle.inactive.kind = 1;
    edited.angle.inactive.range = L"10..40";
    const auto reasons = DiagnoseSettings(edited, held.block, kVersion);
    ASSERT_EQ(reasons.size(), 1u);
    EXPECT_NE(reasons[0].find(L"do not go together"), std::wstring::npos) << Narrow(reasons[0]);
    EXPECT_NE(reasons[0].find(L"angle.not_working.kind"), std::wstring::npos);
    EXPECT_NE(reasons[0].find(L"angle.not_working.range"), std::wstring::npos);
    // Each named with its value and why such values fail: the rule says how they must relate.
    EXPECT_NE(reasons[0].find(L"angle.not_working.range = \"10..40\""), std::wstring::npos) << Narrow(reasons[0]);
    EXPECT_NE(reasons[0].find(SettingsRule(*FindSettingsKey(L"angle.not_working.range"))), std::wstring::npos);

    // Two independent faults are both named.
    edited = held.texts;
    edited.angleThreshold = L"0";
    edited.approximationInterval = L"501";
    EXPECT_EQ(DiagnoseSettings(edited, held.block, kVersion).size(), 2u);
}

}  // namespace
