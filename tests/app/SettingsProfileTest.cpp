// Settings profiles: saved with their origin, and every value checked before the session's texts change at all.
#include "ui/app/SettingsProfile.h"

#include "runtime/ResourceLanguage.h"
#include "tests/protocol/SettingsFixture.h"
#include "ui/app/SettingsKeys.h"

#include <gtest/gtest.h>

namespace {

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

SensorRecords HeldRecords()
{
    SensorRecords records;
    records.identification.firmwareVersion = 9;
    records.HoldSettings(EncodeSettings(ValidSettings()));
    return records;
}

// A backup of another sensor: other serial number and address, other thresholds.
std::wstring OtherSensorsDocument()
{
    SensorSettings s = ValidSettings();
    s.serialNumber = 999;
    s.networkAddress = 3;
    s.angleThreshold = 42;
    s.approximationInterval = 120;
    return SettingsJson(FormatSettingsTexts(s), {L"TQS 25-07", L"9"}, true);
}

std::wstring Replaced(std::wstring text, const std::wstring& from, const std::wstring& to)
{
    const std::size_t at = text.find(from);
    return at == std::wstring::npos ? text : text.replace(at, from.size(), to);
}

TEST(SettingsProfile, SavedWithItsOriginAndReadBackAsItself)
{
    SensorRecords records = HeldRecords();
    records.identificationTexts.model = L"TQS 25-07";
    records.identificationTexts.firmwareVersion = L"9";
    records.settingsTexts.angleThreshold = L"33";  // an edit on a page is saved too
    const std::wstring text = SettingsProfileText(records);
    EXPECT_NE(text.find(L"\"info\": {\"model\": \"TQS 25-07\", \"firmware_version\": \"9\"}"), std::wstring::npos);
    EXPECT_EQ(text.back(), L'\n');

    SettingsTexts edited;
    std::vector<std::wstring> errors;
    ASSERT_TRUE(ImportSettingsProfile(text, {true, true}, HeldRecords(), edited, errors));
    EXPECT_TRUE(ChangedSettingsKeys(edited, records.settingsTexts).empty());
}

TEST(SettingsProfile, TakesTheDocumentButKeepsSerialAndAddress)
{
    const SensorRecords records = HeldRecords();
    SettingsTexts edited;
    std::vector<std::wstring> errors;
    ASSERT_TRUE(ImportSettingsProfile(OtherSensorsDocument(), {false, false}, records, edited, errors));
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(edited.angleThreshold, L"42");
    EXPECT_EQ(edited.approximationInterval, L"120");
    EXPECT_EQ(edited.serialNumber, records.settingsTexts.serialNumber);
    EXPECT_EQ(edited.networkAddress, records.settingsTexts.networkAddress);
}

TEST(SettingsProfile, OneBadValueChangesNothingAndIsNamedWithItsRule)
{
    const std::wstring good = OtherSensorsDocument();
    struct Case {
        const wchar_t* from;
        const wchar_t* to;
        const wchar_t* named;  // the start of the error that names the fault
    };
    const Case cases[] = {
        // Out of the key's range: only the block's validation finds it.
        {L"\"angle_threshold\": \"42\"", L"\"angle_threshold\": \"91\"", L"angle_threshold = \"91\": "},
        {L"\"approximation_interval\": \"120\"", L"\"approximation_interval\": \"9\"",
         L"approximation_interval = \"9\": "},
        // Not of the key's form: the document's reading finds it.
        {L"\"unsolicited_output\": 1", L"\"unsolicited_output\": 7", L"unsolicited_output = \"7\": "},
        {L"\"angle_threshold\": \"42\"", L"\"colour\": \"red\"", L"unknown setting \"colour\""},
        {L"\"angle_threshold\": \"42\"", L"\"angle_threshold\": null", L"angle_threshold has no value"},
        {L"\"angle_threshold\": \"42\",", L"\"angle_threshold\": \"42\"", L"not a settings document"},
    };
    for (const Case& c : cases) {
        const std::wstring document = Replaced(good, c.from, c.to);
        ASSERT_NE(document, good) << Narrow(c.from);
        const SensorRecords records = HeldRecords();
        SettingsTexts edited = records.settingsTexts;
        edited.angleThreshold = L"untouched";
        std::vector<std::wstring> errors;
        EXPECT_FALSE(ImportSettingsProfile(document, {false, false}, records, edited, errors)) << Narrow(c.to);
        EXPECT_EQ(edited.angleThreshold, L"untouched") << Narrow(c.to);
        ASSERT_EQ(errors.size(), 1u) << Narrow(c.to);
        EXPECT_EQ(errors[0].find(c.named), 0u) << Narrow(errors[0]);
    }
}

TEST(SettingsProfile, ValuesCheckedAgainstTheSensorsFirmware)
{
    // The secondary address exists from firmware 7 on: the same document fails on an older sensor.
    const std::wstring document = Replaced(OtherSensorsDocument(), L"\"secondary_address\": 0",
                                           L"\"secondary_address\": 1");
    SensorRecords records = HeldRecords();
    SettingsTexts edited;
    std::vector<std::wstring> errors;
    EXPECT_TRUE(ImportSettingsProfile(document, {false, false}, records, edited, errors));
    records.identification.firmwareVersion = 6;
    EXPECT_FALSE(ImportSettingsProfile(document, {false, false}, records, edited, errors));
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors[0].find(L"secondary_address = \"1\""), 0u) << Narrow(errors[0]);
}

TEST(SettingsProfile, WrongValuesAreToldInTheInterfaceLanguage)
{
    const std::wstring document = Replaced(OtherSensorsDocument(), L"\"angle_threshold\": \"42\"",
                                           L"\"angle_threshold\": \"95\"");
    struct Case {
        unsigned short language;
        const wchar_t* error;
    };
    const Case cases[] = {
        {kLangEnglish, L"angle_threshold = \"95\": a whole number of degrees 1..90"},
        {kLangRussian, L"angle_threshold = \"95\": целое число градусов 1..90"},
    };
    for (const Case& c : cases) {
        SetResourceLanguage(c.language);
        SettingsTexts edited;
        std::vector<std::wstring> errors;
        EXPECT_FALSE(ImportSettingsProfile(document, {false, false}, HeldRecords(), edited, errors));
        EXPECT_EQ(errors, std::vector<std::wstring>{c.error}) << c.language;
    }
    SetResourceLanguage(kLangEnglish);
}

}  // namespace
