// Settings as lines, KEY=VALUE edits and JSON documents: backups that restore what they saved.
#include "ui/app/SettingsDocument.h"

#include "runtime/ResourceLanguage.h"
#include "tests/protocol/SettingsFixture.h"
#include "ui/app/SettingsKeys.h"

#include <gtest/gtest.h>

namespace {

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

SettingsTexts HeldTexts() { return FormatSettingsTexts(ValidSettings()); }

// Other settings, as a second sensor would have them.
SettingsTexts OtherTexts()
{
    SensorSettings s = ValidSettings();
    s.serialNumber = 999;
    s.networkAddress = 3;
    s.angleThreshold = 42;
    s.outputs[1].valueCode = 5;
    s.outputs[1].conditions.inactive = RangeRecord{kRangeInRange, 0, 0, 0};
    s.outputs[1].conditions.active = RangeRecord{kRangeInRange, 4, 1, 2};
    return FormatSettingsTexts(s);
}

TEST(SettingsDocument, LinesListEveryKeyOnce)
{
    const std::wstring lines = SettingsLines(HeldTexts());
    for (const SettingsKey& key : AllSettingsKeys())
        EXPECT_NE(lines.find(std::wstring(key.name) + L" = " + SettingsValue(key, HeldTexts()) + L"\n"),
                  std::wstring::npos)
            << Narrow(key.name);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), L'\n'), static_cast<long>(AllSettingsKeys().size()));
}

TEST(SettingsDocument, ExportThenImportRestoresEveryKey)
{
    const SettingsTexts other = OtherTexts();
    const std::wstring document = SettingsJson(other, {L"TQS 25-07", L"9"}, true);
    EXPECT_NE(document.find(L"\"info\": {\"model\": \"TQS 25-07\", \"firmware_version\": \"9\"}"), std::wstring::npos);
    EXPECT_NE(document.find(L"\"angle_threshold\": \"42\""), std::wstring::npos);
    EXPECT_NE(document.find(L"\"output2.source\": 5"), std::wstring::npos);

    SettingsTexts texts = HeldTexts();
    std::vector<std::wstring> errors;
    ASSERT_TRUE(ApplySettingsDocument(document, {}, texts, errors));
    EXPECT_TRUE(ChangedSettingsKeys(texts, other).empty());
}

TEST(SettingsDocument, ImportKeepsSerialAndAddressUnlessAsked)
{
    const std::wstring document = SettingsJson(OtherTexts(), {}, false);
    struct Case {
        SettingsImportFilter filter;
        const wchar_t* serial;
        const wchar_t* address;
    };
    const Case cases[] = {
        {{false, false}, L"123456", L"17"},
        {{true, false}, L"999", L"17"},
        {{false, true}, L"123456", L"3"},
    };
    for (const Case& c : cases) {
        SettingsTexts texts = HeldTexts();
        std::vector<std::wstring> errors;
        ASSERT_TRUE(ApplySettingsDocument(document, c.filter, texts, errors));
        EXPECT_EQ(texts.serialNumber, c.serial);
        EXPECT_EQ(texts.networkAddress, c.address);
        EXPECT_EQ(texts.angleThreshold, L"42");
    }
}

TEST(SettingsDocument, AssignmentLinesWithComments)
{
    SettingsTexts texts = HeldTexts();
    std::vector<std::wstring> errors;
    ASSERT_TRUE(ApplySettingsDocument(L"# edits\r\n\r\n  angle_threshold = 33\r\nangle.working.range=40..80\n"
                                      L"output1.frequency_mode=on\n",
                                      {}, texts, errors));
    EXPECT_EQ(texts.angleThreshold, L"33");
    EXPECT_EQ(texts.angle.active.range, L"40..80");
    EXPECT_EQ(texts.outputs[0].frequencyMode, 1);
}

TEST(SettingsDocument, EveryBadEditIsReported)
{
    SettingsTexts texts = HeldTexts();
    std::vector<std::wstring> errors;
    EXPECT_FALSE(ApplySettingsAssignments({L"angle_threshold=20", L"colour=red", L"novalue", L"=5",
                                           L"unsolicited_output=7"},
                                          texts, errors));
    ASSERT_EQ(errors.size(), 4u);
    EXPECT_NE(errors[0].find(L"unknown setting \"colour\""), std::wstring::npos);
    EXPECT_NE(errors[1].find(L"not KEY=VALUE"), std::wstring::npos);
    EXPECT_NE(errors[2].find(L"not KEY=VALUE"), std::wstring::npos);
    EXPECT_NE(errors[3].find(L"unsolicited_output = \"7\""), std::wstring::npos);
    EXPECT_EQ(texts.angleThreshold, L"20");  // the good edits still apply; nothing is written anyway

    errors.clear();
    EXPECT_FALSE(ApplySettingsDocument(L"{\"angle_threshold\": null, \"lls1.source\": 30}", {}, texts, errors));
    EXPECT_EQ(errors.size(), 2u);
    errors.clear();
    EXPECT_FALSE(ApplySettingsDocument(L"{\"angle_threshold\": 3", {}, texts, errors));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].find(L"not a settings document"), 0u);
}

// What is wrong with a document as a whole reaches a person in the interface language, keys,
// values and the document's own text unchanged.
TEST(SettingsDocument, DocumentErrorsAreToldInTheInterfaceLanguage)
{
    const wchar_t* const notTextEnglish = L"not UTF-8 or UTF-16 text (another encoding, or no text at all)";
    const wchar_t* const notTextRussian = L"это не текст в кодировке UTF-8 или UTF-16 (другая кодировка или вовсе не текст)";
    struct Case {
        std::wstring document;
        const wchar_t* english;
        const wchar_t* russian;
    };
    const Case cases[] = {
        {L"colour=red", L"unknown setting \"colour\" (settings get lists the keys)",
         L"неизвестная настройка \"colour\" (список настроек выводит settings get)"},
        {L"{\"colour\": \"red\"}", L"unknown setting \"colour\" (settings get lists the keys)",
         L"неизвестная настройка \"colour\" (список настроек выводит settings get)"},
        {L"# edits\nangle_threshold 20", L"\"angle_threshold 20\" is not KEY=VALUE",
         L"\"angle_threshold 20\" — не запись вида KEY=VALUE"},
        {L"{\"angle_threshold\": null}", L"angle_threshold has no value", L"angle_threshold: значение не задано"},
        {L"{\"angle_threshold\": 3", L"not a settings document: line 1: expected \"}\"",
         L"это не документ настроек: строка 1: ожидается \"}\""},
        {L"{\n\"angle_threshold\": 3,\n\"a\": [1]}",
         L"not a settings document: line 3: expected a string, a number, true, false or null",
         L"это не документ настроек: строка 3: ожидается текст в кавычках, число, true, false или null"},
        // A comment in another encoding, and UTF-16 without its byte-order mark read as UTF-8.
        {L"# \xFFFD\xFFFD\nangle_threshold=20\n", notTextEnglish, notTextRussian},
        {std::wstring(L"a\0=\0\x31\0", 6), notTextEnglish, notTextRussian},
        {L"{\"zero_reference\": \"\\u12\"}",
         L"not a settings document: line 1: expected four hexadecimal digits after \\u",
         L"это не документ настроек: строка 1: после \\u ожидаются четыре шестнадцатеричные цифры"},
    };
    for (const unsigned short language : {kLangEnglish, kLangRussian}) {
        SetResourceLanguage(language);
        for (const Case& c : cases) {
            SettingsTexts texts = HeldTexts();
            std::vector<std::wstring> errors;
            EXPECT_FALSE(ApplySettingsDocument(c.document, {}, texts, errors)) << Narrow(c.document);
            EXPECT_EQ(errors, std::vector<std::wstring>{language == kLangRussian ? c.russian : c.english})
                << language << " " << Narrow(c.document);
        }
    }
    SetResourceLanguage(kLangEnglish);
}

}  // namespace
