// The runtime's resource texts over the program's own string tables: the interface language
// chooses the table, and arguments fill their places in order.
#include <gtest/gtest.h>

#include <string>

#include "protocol/resources/protocol_ids.h"
#include "remote/resources/remote_ids.h"
#include "runtime/ResourceLanguage.h"
#include "runtime/ResourceText.h"
#include "runtime/TString.h"
#include "ui/resources/resource.h"

namespace {

class TLanguageScope {
public:
    explicit TLanguageScope(unsigned short lang) { SetResourceLanguage(lang); }
    ~TLanguageScope() { SetResourceLanguage(kLangEnglish); }
};

TEST(TStringTest, ResourceTextsFollowTheResourceLanguage)
{
    struct Case {
        unsigned short lang;
        const wchar_t* connected;
        const wchar_t* download;
    };
    const Case cases[] = {
        {kLangEnglish, L"COM3 is connected", L"Downloading firmware (512 bytes of 4096 sent)"},
        {kLangRussian, L"COM3 на связи", L"Загрузка прошивки (передано 512 байт из 4096)"},
    };
    for (const Case& c : cases) {
        TLanguageScope language(c.lang);
        TString text;
        EXPECT_TRUE(text.LoadResource(IDS_CONN_DEVICE_CONNECTED, nullptr, L"COM3"));
        EXPECT_STREQ(text.Get(), c.connected);
        EXPECT_TRUE(text.LoadResource(IDS_FIRMWARE_DOWNLOADING, nullptr, 512u, 4096u));
        EXPECT_STREQ(text.Get(), c.download);
    }
    TLanguageScope russian(kLangRussian);
    EXPECT_EQ(LoadResourceText(IDS_TAB_LOG), L"Лог");
}

TEST(TStringTest, ResourceTextArgumentsFillTheirPlacesInOrder)
{
    TLanguageScope russian(kLangRussian);
    EXPECT_EQ(LoadResourceText(IDS_CONN_DEVICE_CONNECTED, {L"COM3"}), L"COM3 на связи");
    // Longer than any formatting buffer: a person's file name or line comes whole.
    const std::wstring longLine(2000, L'x');
    EXPECT_EQ(LoadResourceText(IDS_CONN_DEVICE_CONNECTED, {longLine}), longLine + L" на связи");
    // A missing argument leaves its place empty rather than reading past the list.
    EXPECT_EQ(LoadResourceText(IDS_CONN_DEVICE_CONNECTED, {}), L" на связи");
    EXPECT_EQ(LoadResourceText(4000, {L"x"}), L"");
}

}  // namespace
