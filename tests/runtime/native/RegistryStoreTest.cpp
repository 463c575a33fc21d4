// Tests of the host registry store's persistence: keys, value types and sizes survive a round trip.
#include <gtest/gtest.h>

#include "runtime/native/NativeRegistry.h"
#include "runtime/TRegKey1.h"
#include "tests/runtime/TestSupport.h"

namespace {

TEST(RegistryStoreTest, SavedStoreLoadsBackWithTypesAndSizes)
{
    testsupport::TScratchDir dir("regstore");
    const std::string file = dir.Path("registry.txt").string();
    TRegKey1 root(reg::kLocalMachine);
    {
        TRegKey1 key(root, L"SOFTWARE\\KivraTests\\Store\\Deep");
        ASSERT_TRUE(key.Create(reg::kReadWrite));
        ASSERT_TRUE(key.SetString(L"Path", L"C:\\Логи\\kivra.log"));
        ASSERT_TRUE(key.SetDword(L"Level", 3));
        ASSERT_TRUE(key.SetValue(L"Empty Text", reg::kSz, 0, nullptr));
    }
    ASSERT_TRUE(NativeRegistrySave(file.c_str()));
    ASSERT_EQ(OsRegDeleteTree(reg::kLocalMachine, L"SOFTWARE\\KivraTests\\Store"), 0);
    ASSERT_TRUE(NativeRegistryLoad(file.c_str()));

    TRegKey1 key(root, L"SOFTWARE\\KivraTests\\Store\\Deep");
    ASSERT_TRUE(key.Open(reg::kRead));
    wchar_t path[64];
    std::uint32_t length = 64;
    EXPECT_TRUE(key.GetString(L"path", &length, path));
    EXPECT_STREQ(path, L"C:\\Логи\\kivra.log");
    EXPECT_EQ(length, 18u);
    std::uint32_t level = 0;
    EXPECT_TRUE(key.GetDword(L"Level", &level));
    EXPECT_EQ(level, 3u);
    std::uint32_t type = 0;
    std::uint32_t size = 99;
    TRegHandle raw = 0;
    ASSERT_EQ(OsRegOpenKey(reg::kLocalMachine, L"SOFTWARE\\KivraTests\\Store\\Deep", reg::kRead, &raw), 0);
    EXPECT_EQ(OsRegQueryValue(raw, L"Empty Text", &type, nullptr, &size), 0);
    EXPECT_EQ(type, reg::kSz);
    EXPECT_EQ(size, 0u);
    OsRegCloseKey(raw);
    key.Close();
    OsRegDeleteTree(reg::kLocalMachine, L"SOFTWARE\\KivraTests");
    EXPECT_FALSE(NativeRegistryLoad(dir.Path("absent.txt").string().c_str()));
}

}  // namespace
