// Tests of the registry key wrapper against the platform's registry (the test prefix's under Wine).
#include <gtest/gtest.h>

#include <string>

#include "runtime/TRegKey1.h"

namespace {

const wchar_t* const kTestKey = L"SOFTWARE\\KivraTests\\RegKey";

class RegKeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OsRegDeleteTree(reg::kCurrentUser, kTestKey);
        ASSERT_TRUE(key.Create(reg::kReadWrite));
    }
    void TearDown() override
    {
        key.Close();
        OsRegDeleteTree(reg::kCurrentUser, kTestKey);
    }

    TRegKey1 root{reg::kCurrentUser};
    TRegKey1 key{root, kTestKey};
};

TEST_F(RegKeyTest, CreateReportsANewKeyOnlyTheFirstTime)
{
    EXPECT_TRUE(key.CreatedNew());
    EXPECT_TRUE(key.Create(reg::kReadWrite));  // already open
    EXPECT_TRUE(key.Close());
    EXPECT_FALSE(key.CreatedNew());
    EXPECT_TRUE(key.Close());  // not open
    EXPECT_TRUE(key.Create(reg::kReadWrite));
    EXPECT_FALSE(key.CreatedNew());
    EXPECT_STREQ(key.DisplayPath(), L"HKEY_CURRENT_USER\\SOFTWARE\\KivraTests\\RegKey");
    EXPECT_STREQ(key.LogPrefix(), key.DisplayPath());
    EXPECT_EQ(key.LogLevel(), 0);
}

TEST_F(RegKeyTest, NumbersAndStringsRoundTrip)
{
    EXPECT_TRUE(key.SetDword(L"Lang", 2));
    EXPECT_TRUE(key.SetString(L"COM Port", L"COM7"));
    EXPECT_TRUE(key.SetString(L"Empty", nullptr));
    ASSERT_TRUE(key.Close());
    ASSERT_TRUE(key.Open(reg::kReadWrite));
    std::uint32_t lang = 0;
    EXPECT_TRUE(key.GetDword(L"lang", &lang));  // value names ignore case
    EXPECT_EQ(lang, 2u);
    wchar_t port[64];
    std::uint32_t length = 64;
    EXPECT_TRUE(key.GetString(L"COM Port", &length, port));
    EXPECT_EQ(length, 5u);
    EXPECT_STREQ(port, L"COM7");
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_TRUE(key.QueryValue(L"Empty", &type, &size, nullptr));
    EXPECT_EQ(type, reg::kSz);
    EXPECT_EQ(size, 2u);
}

TEST_F(RegKeyTest, StringLongerThanTheBufferReportsTheNeededLength)
{
    const std::wstring seventy(70, L'x');
    ASSERT_TRUE(key.SetString(L"COM Port", seventy.c_str()));
    wchar_t text[64] = L"untouched";
    std::uint32_t length = 64;
    EXPECT_FALSE(key.GetString(L"COM Port", &length, text));
    EXPECT_EQ(key.GetError(), errc::kMoreData);
    EXPECT_EQ(length, 71u);
    EXPECT_STREQ(text, L"untouched");

    std::uint32_t needed = 0;
    EXPECT_TRUE(key.GetString(L"COM Port", &needed, nullptr));
    EXPECT_EQ(needed, 71u);
}

TEST_F(RegKeyTest, EmptyStringStoredWithoutTerminatorReadsAsEmpty)
{
    ASSERT_TRUE(key.SetValue(L"IP Address", reg::kSz, 0, nullptr));
    wchar_t text[8] = L"junk";
    std::uint32_t length = 8;
    EXPECT_TRUE(key.GetString(L"IP Address", &length, text));
    EXPECT_EQ(length, 1u);
    EXPECT_STREQ(text, L"");

    std::uint32_t size = 1;
    char16_t one[1];
    EXPECT_FALSE(key.QueryValue(L"IP Address", nullptr, &size, one));
    EXPECT_EQ(key.GetError(), errc::kMoreData);
    EXPECT_EQ(size, 2u);
}

TEST_F(RegKeyTest, StringStoredWithoutTerminatorComesBackTerminated)
{
    const char16_t abc[] = {u'a', u'b', u'c'};
    ASSERT_TRUE(key.SetValue(L"Raw", reg::kSz, sizeof abc, abc));
    wchar_t text[4] = L"zzz";
    std::uint32_t length = 3;
    EXPECT_FALSE(key.GetString(L"Raw", &length, text));
    EXPECT_EQ(length, 4u);
    EXPECT_TRUE(key.GetString(L"Raw", &length, text));
    EXPECT_STREQ(text, L"abc");
}

TEST_F(RegKeyTest, WrongTypesAreReportedAsSuch)
{
    ASSERT_TRUE(key.SetString(L"Text", L"12"));
    ASSERT_TRUE(key.SetString(L"Short", L"1"));  // 4 bytes, as long as a number
    ASSERT_TRUE(key.SetDword(L"Number", 7));
    const std::string big(3000, 'b');
    ASSERT_TRUE(key.SetValue(L"Big", reg::kSz, static_cast<std::uint32_t>(big.size()), big.data()));
    ASSERT_TRUE(key.SetValue(L"Blob", reg::kBinary, 8, "12345678"));
    struct Case {
        const wchar_t* name;
        bool asNumber;
        TErrorCode code;
    };
    const Case cases[] = {
        {L"Text", true, errc::kWrongType},   {L"Short", true, errc::kWrongType},
        {L"Blob", true, errc::kWrongType},   {L"Number", false, errc::kWrongType},
        {L"Big", false, errc::kWrongType},   {L"Blob", false, errc::kWrongType},
        {L"Missing", true, 2},               {L"Missing", false, 2},
    };
    for (const Case& c : cases) {
        std::uint32_t number = 99;
        wchar_t text[64];
        std::uint32_t length = 64;
        const bool ok = c.asNumber ? key.GetDword(c.name, &number) : key.GetString(c.name, &length, text);
        EXPECT_FALSE(ok);
        EXPECT_EQ(key.GetError(), c.code);
        EXPECT_EQ(number, 99u);
    }
}

TEST_F(RegKeyTest, MissingKeyFailsToOpenWithTheRegistryCode)
{
    TRegKey1 missing(root, L"SOFTWARE\\KivraTests\\RegKey\\Absent");
    EXPECT_FALSE(missing.Open(reg::kRead));
    EXPECT_EQ(missing.GetError(), 2u);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_TRUE(missing.Close());
}

TEST_F(RegKeyTest, SubKeyOfAnOpenKeyUsesItsHandle)
{
    TRegKey1 child(key, L"Child");
    EXPECT_STREQ(child.DisplayPath(), L"HKEY_CURRENT_USER\\SOFTWARE\\KivraTests\\RegKey\\Child");
    ASSERT_TRUE(child.Create(reg::kReadWrite));
    EXPECT_TRUE(child.SetDword(L"x", 1));
    child.Close();
    TRegKey1 again(root, L"SOFTWARE\\KivraTests\\RegKey\\Child");
    std::uint32_t x = 0;
    ASSERT_TRUE(again.Open(reg::kRead));
    EXPECT_TRUE(again.GetDword(L"x", &x));
    EXPECT_EQ(x, 1u);
}

TEST(RegKeyRootTest, RootsAreNamedAndNeverClosed)
{
    struct Case {
        TRegHandle value;
        const wchar_t* name;
    };
    const Case cases[] = {
        {reg::kClassesRoot, L"HKEY_CLASSES_ROOT"},
        {reg::kCurrentUser, L"HKEY_CURRENT_USER"},
        {reg::kLocalMachine, L"HKEY_LOCAL_MACHINE"},
        {reg::kUsers, L"HKEY_USERS"},
        {reg::Predefined(0x80000005u), L"80000005"},
        {0x1234ABCD, L"1234ABCD"},
    };
    for (const Case& c : cases) {
        TRegKey1 root(c.value);
        EXPECT_STREQ(root.DisplayPath(), c.name);
        EXPECT_TRUE(root.IsRoot());
        EXPECT_TRUE(root.Open(reg::kRead));
        EXPECT_TRUE(root.Close());
        EXPECT_EQ(root.Handle(), c.value);
    }
}

TEST(RegKeyRootTest, BadParentOrPathMakesTheKeyUnusable)
{
    TRegKey1 root(reg::kCurrentUser);
    TRegKey1 noPath(root, nullptr);
    EXPECT_FALSE(noPath.IsOk());
    EXPECT_EQ(noPath.GetError(), errc::kInvalidParameter);
    EXPECT_FALSE(noPath.Create(reg::kReadWrite));
    EXPECT_FALSE(noPath.Open(reg::kRead));
    TRegKey1 orphan(noPath, L"Below");
    EXPECT_FALSE(orphan.IsOk());
    EXPECT_EQ(orphan.GetError(), errc::kInvalidParameter);
}

TEST(RegKeyRootTest, ApplicationKeyIsBelowTheCurrentUser)
{
    EXPECT_STREQ(ApplicationRegKey().DisplayPath(), L"HKEY_CURRENT_USER\\SOFTWARE\\Vextora\\KIVRA");
    EXPECT_FALSE(ApplicationRegKey().IsOpen());
}

}  // namespace
