// The fleet report in both forms, read back for a resumed run, and the run's counts and texts.
#include "ui/cli/FleetReport.h"
#include "ui/cli/FleetTally.h"

#include "runtime/CalendarTime.h"

#include <gtest/gtest.h>

namespace {

std::string Narrow(const std::wstring& w)
{
    std::string n;
    for (wchar_t c : w)
        n += c < 128 ? static_cast<char>(c) : '?';
    return n;
}

std::vector<FleetRecord> Records()
{
    FleetRecord done;
    done.terminal = 1204;
    done.label = L"Bus 12, north";
    done.serialNumber = L"5001";
    done.firmwareBefore = L"8";
    done.firmwareAfter = L"9";
    done.outcome = FleetOutcome::Done;
    done.tries = 1;
    done.start = L"2026-12-10T14:05:31Z";
    done.end = L"2026-12-10T14:05:40Z";
    FleetRecord failed = done;
    failed.terminal = 1205;
    failed.label = L"Автобус \"7\"";
    failed.serialNumber.clear();
    failed.outcome = FleetOutcome::Failed;
    failed.tries = 3;
    failed.message = L"Connection via 127.0.0.1:50010 is lost.\nConnection reset.";
    FleetRecord skipped = done;
    skipped.terminal = 1206;
    skipped.outcome = FleetOutcome::Skipped;
    return {done, failed, skipped};
}

void ExpectSame(const FleetRecord& a, const FleetRecord& b)
{
    EXPECT_EQ(a.terminal, b.terminal);
    EXPECT_EQ(a.label, b.label);
    EXPECT_EQ(a.serialNumber, b.serialNumber);
    EXPECT_EQ(a.firmwareBefore, b.firmwareBefore);
    EXPECT_EQ(a.firmwareAfter, b.firmwareAfter);
    EXPECT_EQ(a.outcome, b.outcome);
    EXPECT_EQ(a.tries, b.tries);
    EXPECT_EQ(a.message, b.message);
    EXPECT_EQ(a.start, b.start);
    EXPECT_EQ(a.end, b.end);
}

TEST(FleetReport, BothFormsReadBackAsWritten)
{
    for (FleetReportForm form : {FleetReportForm::Csv, FleetReportForm::Json}) {
        const std::wstring text = FleetReportText(Records(), form);
        std::vector<FleetRecord> back;
        std::wstring error;
        ASSERT_TRUE(ReadFleetReport(text, back, error)) << Narrow(error) << "\n" << Narrow(text);
        ASSERT_EQ(back.size(), 3u);
        for (std::size_t i = 0; i < back.size(); ++i)
            ExpectSame(back[i], Records()[i]);
        EXPECT_EQ(FinishedTerminals(back), (std::set<uint32_t>{1204, 1206}));
    }
    const std::wstring csv = FleetReportText(Records(), FleetReportForm::Csv);
    EXPECT_EQ(csv.substr(0, csv.find(L"north")),
              L"terminal,label,serial_number,firmware_before,firmware_after,outcome,tries,message,start,end\r\n"
              L"1204,\"Bus 12, ");
    EXPECT_EQ(FleetReportText(Records(), FleetReportForm::Json).substr(0, 40), L"[\n  {\"terminal\": 1204, \"label\": \"Bus 12,");
    EXPECT_EQ(FleetReportFormOf(L"C:\\runs\\apply.JSON"), FleetReportForm::Json);
    EXPECT_EQ(FleetReportFormOf(L"apply.csv"), FleetReportForm::Csv);
}

TEST(FleetReport, TimesAreUtcToTheSecond)
{
    TCalendarTime t;
    t.year = 2026, t.month = 12, t.day = 10, t.hour = 14, t.minute = 5, t.second = 31, t.milliseconds = 999;
    EXPECT_EQ(FleetTimeText(FileTimeFromCalendar(t)), L"2026-12-10T14:05:31Z");
}

TEST(FleetReport, WhatIsNotAReportIsRefusedWithItsLine)
{
    const std::wstring good = FleetReportText(Records(), FleetReportForm::Csv);
    struct Case {
        std::wstring text;
        const char* says;
    } cases[] = {
        {L"terminal,label\r\n7,x\r\n", "line 2: not a fleet report: no serial_number"},
        {L"terminal,colour\r\n7,x\r\n", "line 2: not a fleet report: unknown column \"colour\""},
        {good.substr(0, good.find(L"done")) + L"finished" + good.substr(good.find(L"done") + 4),
         "line 2: outcome \"finished\""},
        {L"[{\"terminal\": 0}]", "line 1: terminal \"0\""},
        {L"[{\"terminal\": 7,\n \"tries\": -1}]", "line 1: tries \"-1\""},
        {L"[{\"terminal\": 7", "line 1"},
    };
    for (const Case& c : cases) {
        std::vector<FleetRecord> records;
        std::wstring error;
        EXPECT_FALSE(ReadFleetReport(c.text, records, error)) << Narrow(c.text);
        EXPECT_NE(Narrow(error).find(c.says), std::string::npos) << Narrow(error);
    }
}

TEST(FleetTally, CountsTimeLeftAndTexts)
{
    CFleetTally tally(10);
    tally.Settled(FleetOutcome::Skipped);
    EXPECT_EQ(tally.SecondsLeft(4), -1);
    for (int i = 0; i < 4; ++i)
        tally.Started();
    tally.Finished(FleetOutcome::Done, 20000);
    tally.Finished(FleetOutcome::Failed, 40000);
    // 5 waiting and 2 half through, 4 at a time, 30 s each: two more rounds and a half.
    EXPECT_EQ(tally.SecondsLeft(4), 75);
    EXPECT_EQ(Narrow(tally.ProgressText(4)), "done 1, failed 1, running 2, left 5, 1:15 left");
    EXPECT_FALSE(tally.AllDone());
    EXPECT_EQ(Narrow(tally.SummaryText(L"fleet apply", 3723000)),
              "fleet apply: 1 done, 1 failed, 1 skipped of 10 vehicles in 1:02:03");
}

TEST(FleetTally, RetryPausesGrowToACeiling)
{
    const int64_t expected[] = {5000, 10000, 20000, 40000, 60000, 60000};
    for (unsigned next = 2; next < 8; ++next)
        EXPECT_EQ(RetryPauseMs(next), expected[next - 2]) << next;
}

TEST(FleetTally, RecordLinesSayWhoAndHowItEnded)
{
    const std::vector<FleetRecord> r = Records();
    EXPECT_EQ(Narrow(FleetRecordLine(r[0])), "terminal 1204 (Bus 12, north): done, serial number 5001");
    FleetRecord unlabelled = r[1];
    unlabelled.label.clear();
    unlabelled.message = L"NO ANSWER FROM SENSOR!";
    EXPECT_EQ(Narrow(FleetRecordLine(unlabelled)), "terminal 1205: failed after 3 tries: NO ANSWER FROM SENSOR!");
    EXPECT_EQ(Narrow(FleetRecordLine(r[2])), "terminal 1206 (Bus 12, north): skipped, done in an earlier run");
    FleetRecord applied = r[0];
    applied.message = L"Settings are written into sensor";
    EXPECT_EQ(Narrow(FleetRecordLine(applied)),
              "terminal 1204 (Bus 12, north): done, serial number 5001: Settings are written into sensor");
}

}  // namespace
