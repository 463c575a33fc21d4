// Tests of the logging handle owners: file creation notes, positions, sizes and their log lines.
#include <gtest/gtest.h>

#include <string>

#include "runtime/OsFile.h"
#include "runtime/TCyclicLogFile.h"
#include "runtime/TFileHandleObject.h"
#include "runtime/TLogManager.h"
#include "tests/runtime/LogTestSupport.h"
#include "tests/runtime/TestSupport.h"

namespace {

TFileHandleObject OpenAlways(const std::wstring& path)
{
    return TFileHandleObject(path.c_str(), osfile::kGenericRead | osfile::kGenericWrite, osfile::kShareRead,
                             osfile::kOpenAlways, osfile::kAttributeNormal | osfile::kFlagOverlapped);
}

TEST(FileHandleObjectTest, OpenAlwaysOnAnExistingFileNotes183AndWritesWhereItOpened)
{
    testsupport::TScratchDir dir("handle");
    testsupport::WriteAll(dir.Path("data.txt"), "0123456789ABCDEF");
    TFileHandleObject file(dir.File("data.txt").c_str(), osfile::kGenericRead | osfile::kGenericWrite,
                           osfile::kShareRead, osfile::kOpenAlways, osfile::kAttributeNormal);
    EXPECT_EQ(file.Size(), -1);
    ASSERT_TRUE(file.Create());
    EXPECT_TRUE(file.IsCreated());
    EXPECT_EQ(file.GetError(), errc::kAlreadyExists);
    EXPECT_EQ(file.Size(), 16);
    EXPECT_EQ(file.Position(), 0);
    EXPECT_TRUE(file.WriteAt(-1, 10, "abcdefghij"));
    EXPECT_EQ(file.Position(), 10);
    EXPECT_EQ(file.Size(), 16);
    EXPECT_TRUE(file.WriteAt(14, 4, "WXYZ"));
    EXPECT_EQ(file.Position(), 18);
    EXPECT_EQ(file.Size(), 18);
    EXPECT_TRUE(file.Create());  // already created: nothing more
    EXPECT_TRUE(file.Destroy());
    EXPECT_FALSE(file.IsCreated());
    EXPECT_FALSE(file.HasHandle());
    EXPECT_TRUE(file.Destroy());
    EXPECT_EQ(testsupport::ReadAll(dir.Path("data.txt")), "abcdefghijABCDWXYZ");
}

TEST(FileHandleObjectTest, NewFileHasNoNoteAndTheOverlappedFlagIsDropped)
{
    testsupport::TScratchDir dir("handle-new");
    TFileHandleObject file = OpenAlways(dir.File("new.txt"));
    ASSERT_TRUE(file.Create());
    EXPECT_EQ(file.GetError(), 0u);
    // An overlapped handle would refuse a plain synchronous write.
    EXPECT_TRUE(file.WriteAt(0, 3, "abc"));
    EXPECT_EQ(file.Size(), 3);
}

TEST(FileHandleObjectTest, FailuresAreLoggedWithTheSystemCode)
{
    testsupport::TScratchDir dir("handle-fail");
    TCyclicLogFile* log = new TCyclicLogFile;
    ASSERT_TRUE(log->Open(dir.File("handle.log").c_str(), 65536, 0x100));
    LogManager().Install(log, 1);
    {
        TFileHandleObject missing(dir.File("none/x.txt").c_str(), osfile::kGenericRead, 0, osfile::kOpenExisting, 0);
        EXPECT_FALSE(missing.Create());
        EXPECT_FALSE(missing.HasHandle());
        EXPECT_TRUE(missing.GetError() == 2 || missing.GetError() == 3) << missing.GetError();
        TFileHandleObject closed(dir.File("y.txt").c_str(), osfile::kGenericWrite, 0, osfile::kCreateAlways, 0);
        EXPECT_FALSE(closed.WriteAt(-1, 1, "x"));
        EXPECT_EQ(closed.GetError(), errc::kInvalidHandle);
    }
    LogManager().Install(nullptr, 0);
    const std::string text = testsupport::RingText(testsupport::ReadAll(dir.Path("handle.log")));
    const bool missingLogged = text.find("ERROR;;CreateFile 2\r\n") != std::string::npos ||
                               text.find("ERROR;;CreateFile 3\r\n") != std::string::npos;
    EXPECT_TRUE(missingLogged) << text;
    EXPECT_NE(text.find("ERROR;;WriteFile 6\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("TRACE;"), std::string::npos) << text;
}

}  // namespace
