// The interface language: command-line switches, the stored "Lang" value and the user's default.
#include "ui/app/InterfaceLanguage.h"

#include <gtest/gtest.h>

namespace {

namespace L = InterfaceLanguage;

const wchar_t* const kTestKey = L"SOFTWARE\\KivraTests\\AppLanguage";
constexpr uint32_t kUserEnglishUs = 0x0409;
constexpr uint32_t kUserEnglishUk = 0x0809;  // same primary language
constexpr uint32_t kUserRussian = 0x0419;
constexpr uint32_t kUserGerman = 0x0407;

TEST(InterfaceLanguage, CommandLineSwitches)
{
    struct Case {
        const wchar_t* line;
        unsigned index;
    };
    const Case cases[] = {
        {L"", L::NotChosen},
        {L"/rus", L::Russian},
        {L"/RUS", L::Russian},
        {L"/Eng", L::English},
        {L"/eng /rus", L::Russian},
        {L"/rus /eng", L::English},
        {L"/rus /x", L::NotChosen},  // neither the whole line nor the last word is a switch
        {L"/rus ", L::NotChosen},    // the blank belongs to the rest
        {L"/russian", L::NotChosen},
        {L"x /rus", L::NotChosen},   // the first character is not "/"
        {L"/x /rus", L::Russian},
        {L"/rus file", L::NotChosen},
        {L"/eng /rus file", L::NotChosen},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageFromCommandLine(c.line), c.index) << testing::PrintToString(std::wstring(c.line));
}

class LanguageStoreTest : public ::testing::Test {
protected:
    void SetUp() override { OsRegDeleteTree(reg::kCurrentUser, kTestKey); }
    void TearDown() override
    {
        key.Close();
        OsRegDeleteTree(reg::kCurrentUser, kTestKey);
    }
    void Store(uint32_t lang)
    {
        ASSERT_TRUE(key.Create(reg::kReadWrite));
        ASSERT_TRUE(key.SetDword(L"Lang", lang));
        key.Close();
    }
    bool Stored(uint32_t* lang)
    {
        if (!key.Open(reg::kReadWrite))
            return false;
        const bool read = key.GetDword(L"Lang", lang);
        key.Close();
        return read;
    }

    TRegKey1 root{reg::kCurrentUser};
    TRegKey1 key{root, kTestKey};
};

TEST_F(LanguageStoreTest, WithoutTheKeyNothingIsReadOrStored)
{
    EXPECT_EQ(SettleInterfaceLanguage(L::NotChosen, LanguageStore::Store, kUserRussian, key), L::Russian);
    EXPECT_EQ(SettleInterfaceLanguage(L::NotChosen, LanguageStore::Store, kUserGerman, key), L::NotChosen);
    // A first run: the switch holds for this run but is not stored.
    EXPECT_EQ(SettleInterfaceLanguage(L::Russian, LanguageStore::Store, kUserEnglishUs, key), L::Russian);
    EXPECT_FALSE(key.Open(reg::kReadWrite));
}

TEST_F(LanguageStoreTest, StoredValueAndUserDefault)
{
    struct Case {
        const char* what;
        uint32_t stored;
        uint32_t user;
        unsigned index;
    };
    const Case cases[] = {
        {"stored English", 0, kUserRussian, L::English},
        {"stored Russian", 1, kUserEnglishUs, L::Russian},
        {"stored none: the user's primary language", 2, kUserEnglishUk, L::English},
        {"out of range counts as none", 5, kUserRussian, L::Russian},
        {"out of range, unknown user language", 0xFFFFFFFF, kUserGerman, L::NotChosen},
    };
    for (const Case& c : cases) {
        Store(c.stored);
        EXPECT_EQ(SettleInterfaceLanguage(L::NotChosen, LanguageStore::Store, c.user, key), c.index) << c.what;
    }
    // A value of another type is no value.
    ASSERT_TRUE(key.Create(reg::kReadWrite));
    ASSERT_TRUE(key.SetString(L"Lang", L"1"));
    key.Close();
    EXPECT_EQ(SettleInterfaceLanguage(L::NotChosen, LanguageStore::Store, kUserEnglishUs, key), L::English);
}

TEST_F(LanguageStoreTest, AChoiceIsStoredOnlyWhenAsked)
{
    Store(L::English);
    EXPECT_EQ(SettleInterfaceLanguage(L::Russian, LanguageStore::Keep, kUserEnglishUs, key), L::Russian);
    uint32_t lang = 99;
    ASSERT_TRUE(Stored(&lang));
    EXPECT_EQ(lang, L::English);
    EXPECT_EQ(SettleInterfaceLanguage(L::Russian, LanguageStore::Store, kUserEnglishUs, key), L::Russian);
    ASSERT_TRUE(Stored(&lang));
    EXPECT_EQ(lang, L::Russian);
    // The next start without a switch is Russian again.
    EXPECT_EQ(SettleInterfaceLanguage(LanguageFromCommandLine(L""), LanguageStore::Store, kUserEnglishUs, key),
              L::Russian);
}

}  // namespace
