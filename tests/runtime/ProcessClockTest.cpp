// Tests of the process clock: calibration, the time scale, calendar fields and the program's folder.
#include <gtest/gtest.h>

#include <cwchar>
#include <deque>
#include <string>

#include "runtime/CalendarTime.h"
#include "runtime/ProcessClock.h"
#include "runtime/SettableClockSource.h"
#include "tests/runtime/TestSupport.h"

namespace {

// System times are handed out from a script; the counter moves by 10 per reading.
class TScriptedSource : public TClockSource {
public:
    std::deque<std::uint64_t> times;
    std::int64_t counter = 1000;
    std::int64_t frequency = 1000000;  // 1 MHz: one count is 10 units of 100 ns
    int systemReads = 0;

    std::uint64_t SystemTime() override
    {
        ++systemReads;
        const std::uint64_t t = times.front();
        if (times.size() > 1)
            times.pop_front();
        return t;
    }
    bool CounterFrequency(std::int64_t* f) override
    {
        *f = frequency;
        return frequency != 0;
    }
    std::int64_t Counter() override { return counter += 10; }
    std::uint64_t ToLocal(std::uint64_t utc) override { return utc + 36000000000ULL; }
};

class ProcessClockTest : public ::testing::Test {
protected:
    void TearDown() override { ProcessClock().UseSource(nullptr); }
};

TEST_F(ProcessClockTest, CalibratesAtTheTickOfTheSystemTime)
{
    TScriptedSource source;
    source.times = {500, 500, 500, 800};
    ProcessClock().UseSource(&source);
    ASSERT_TRUE(ProcessClock().IsCalibrated());
    // Base: system time 800 with the counter read right after it (1030).
    EXPECT_EQ(source.systemReads, 4);
    source.counter = 1030 + 500;  // next reading is 1540: 510 counts = 5100 units
    EXPECT_EQ(Now(), 800u + 5100u);
    EXPECT_EQ(ProcessClock().LastCounter(), 1540);
    EXPECT_EQ(ProcessClock().Frequency(), 1000000);
    // Later system time changes are not seen once calibrated.
    source.times = {999999999};
    source.counter = 1030 + 100000 - 10;
    EXPECT_EQ(Now(), 800u + 1000000u);
    EXPECT_EQ(NowLocal(), 800u + 1000000u + 100u + 36000000000ULL);
}

TEST_F(ProcessClockTest, WithoutCounterFollowsTheSystemTime)
{
    TScriptedSource source;
    source.frequency = 0;
    source.times = {123450000, 123460000};
    ProcessClock().UseSource(&source);
    EXPECT_FALSE(ProcessClock().IsCalibrated());
    EXPECT_EQ(NowMilliseconds(), 12345);
    EXPECT_EQ(NowMilliseconds(), 12346);
}

TEST_F(ProcessClockTest, SettableSourceDrivesTheMillisecondBase)
{
    TSettableClockSource source;
    ProcessClock().UseSource(&source);
    source.SetMilliseconds(1000);
    EXPECT_EQ(NowMilliseconds(), 1000);
    source.AdvanceMilliseconds(2500);
    EXPECT_EQ(NowMilliseconds(), 3500);
    source.SetLocalOffset(3 * 3600 * 10000000LL);
    EXPECT_EQ(NowLocal() - Now(), 3 * 3600 * 10000000ULL);
}

TEST_F(ProcessClockTest, SystemClockIsOnThe1601Scale)
{
    // 2020-01-01 is 13222224000 seconds after 1601-01-01.
    EXPECT_GT(Now(), 13222224000ULL * 10000000ULL);
    const std::uint64_t a = Now();
    EXPECT_LE(a, Now());
}

TEST(CalendarTimeTest, FieldsOfKnownInstants)
{
    struct Case {
        std::uint64_t fileTime;
        int y, mo, d, h, mi, s, ms;
    };
    const Case cases[] = {
        {0, 1601, 1, 1, 0, 0, 0, 0},
        {116444736000000000ULL, 1970, 1, 1, 0, 0, 0, 0},
        {116444736000000000ULL + 951782400ULL * 10000000ULL + 12345678, 2000, 2, 29, 0, 0, 1, 234},
        {116444736000000000ULL + 1735689599ULL * 10000000ULL + 9990000, 2024, 12, 31, 23, 59, 59, 999},
    };
    for (const Case& c : cases) {
        const TCalendarTime t = CalendarFromFileTime(c.fileTime);
        EXPECT_EQ(t.year, c.y);
        EXPECT_EQ(t.month, c.mo);
        EXPECT_EQ(t.day, c.d);
        EXPECT_EQ(t.hour, c.h);
        EXPECT_EQ(t.minute, c.mi);
        EXPECT_EQ(t.second, c.s);
        EXPECT_EQ(t.milliseconds, c.ms);
        EXPECT_EQ(FileTimeFromCalendar(t), c.fileTime - c.fileTime % 10000);
    }
}

TEST(ModuleDirectoryTest, ReportsTheNeededSizeThenTheFolder)
{
    std::uint32_t size = 0;
    EXPECT_FALSE(GetModuleDirectory(&size, nullptr));
    ASSERT_GT(size, 1u);
    std::wstring dir(size, L'#');
    std::uint32_t small = size - 1;
    EXPECT_FALSE(GetModuleDirectory(&small, dir.data()));
    EXPECT_EQ(small, size);
    EXPECT_TRUE(GetModuleDirectory(&size, dir.data()));
    EXPECT_EQ(dir[size - 1], L'\0');
    const wchar_t last = dir[size - 2];
    EXPECT_TRUE(last == L'\\' || last == L'/');
    const std::wstring path = ProcessClock().ModulePath();
    EXPECT_EQ(path.compare(0, size - 1, dir.c_str()), 0);
    EXPECT_STREQ(ProcessClock().ModuleFileName(), path.c_str() + size - 1);
    EXPECT_NE(std::wcsstr(ProcessClock().ModuleFileName(), L"runtime_tests"), nullptr);
}

}  // namespace
