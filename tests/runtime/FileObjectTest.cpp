// Tests of the log files' plain file wrapper: parameters locked while open, fill and silent failures.
#include <gtest/gtest.h>

#include "runtime/OsFile.h"
#include "runtime/TFileObject.h"
#include "tests/runtime/TestSupport.h"

namespace {

TEST(FileObjectTest, PathAndParametersAreLockedWhileOpen)
{
    testsupport::TScratchDir dir("fileobject");
    THFileObject file;
    ASSERT_TRUE(file.SetPath(dir.File("a.bin").c_str()));
    ASSERT_TRUE(file.SetParameters(osfile::kGenericRead | osfile::kGenericWrite, 0, osfile::kCreateAlways,
                                   osfile::kAttributeNormal));
    ASSERT_TRUE(file.Open());
    EXPECT_EQ(file.GetError(), 0u);
    EXPECT_FALSE(file.SetPath(dir.File("b.bin").c_str()));
    EXPECT_EQ(file.GetError(), errc::kParametersLocked);
    EXPECT_FALSE(file.SetParameters(0, 0, osfile::kOpenExisting, 0));
    EXPECT_EQ(file.GetError(), errc::kParametersLocked);
    EXPECT_STREQ(file.Path(), dir.File("a.bin").c_str());

    // 600 blanks from offset 2 go out in pieces; the end is then cut at 300.
    EXPECT_TRUE(file.Fill(' ', 600, 2));
    std::int64_t size = 0;
    EXPECT_TRUE(file.GetSize(&size));
    EXPECT_EQ(size, 602);
    EXPECT_TRUE(file.SetEnd(300));
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(testsupport::ReadAll(dir.Path("a.bin")), std::string(2, '\0') + std::string(298, ' '));
    EXPECT_TRUE(file.SetPath(dir.File("b.bin").c_str()));
}

TEST(FileObjectTest, FailuresKeepTheSystemCode)
{
    testsupport::TScratchDir dir("fileobject-fail");
    THFileObject file;
    file.SetPath(dir.File("missing.bin").c_str());
    file.SetParameters(osfile::kGenericRead, 0, osfile::kOpenExisting, 0);
    EXPECT_FALSE(file.Open());
    EXPECT_EQ(file.GetError(), errc::kFileNotFound);
    std::uint32_t moved = 7;
    EXPECT_FALSE(file.Write("x", 1, &moved));
    EXPECT_EQ(file.GetError(), errc::kInvalidHandle);
    EXPECT_EQ(moved, 0u);
    EXPECT_TRUE(file.Close());
}

TEST(FileObjectTest, TakeOverMovesTheOpenFile)
{
    testsupport::TScratchDir dir("fileobject-move");
    THFileObject from;
    TFileObject to;
    from.SetPath(dir.File("moved.bin").c_str());
    from.SetParameters(osfile::kGenericWrite, 0, osfile::kCreateNew, 0);
    ASSERT_TRUE(from.Open());
    ASSERT_TRUE(to.TakeOver(from));
    EXPECT_FALSE(from.IsOpen());
    EXPECT_TRUE(to.IsOpen());
    EXPECT_STREQ(to.Path(), dir.File("moved.bin").c_str());
    std::uint32_t moved = 0;
    EXPECT_TRUE(to.Write("abc", 3, &moved));
    EXPECT_EQ(moved, 3u);
    to.Close();
    EXPECT_EQ(testsupport::ReadAll(dir.Path("moved.bin")), "abc");
}

}  // namespace
