// Tests of the data log file's rows.
#include "protocol/ReportFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/ProcessClock.h"
#include "runtime/SettableClockSource.h"

TEST(ReportFile, RowsCarryTheClampedElapsedTimeAndEmptyFields)
{
    TSettableClockSource clock(0);
    ProcessClock().UseSource(&clock);
    clock.SetMilliseconds(1'000'000);
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kivra_report_test.txt";
    std::filesystem::remove(path);
    {
        CReportFile file(path.wstring().c_str());
        ASSERT_TRUE(file.Create());
        DisplayTexts texts;
        texts.temperature = L"  1.0";
        texts.lls[1] = L"7";
        ASSERT_TRUE(file.WriteRow(texts, false));
        clock.AdvanceMilliseconds(3'000'000'000LL);
        ASSERT_TRUE(file.WriteRow(texts, true));
        file.Destroy();
    }
    ProcessClock().UseSource(nullptr);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "0,   1.0, , , 7\r\n2147483647,   1.0, , , 7, , \r\n");
    in.close();
    std::filesystem::remove(path);
    EXPECT_EQ(CReportFile::FileName(L"dir/", 0), L"dir/GearLog_0.txt");
}
