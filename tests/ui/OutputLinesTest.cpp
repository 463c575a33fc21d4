// The lines kivra-cli prints: live values, download progress, and poll counting.
#include "protocol/KivraProcessor.h"
#include "protocol/SessionOwner.h"
#include "protocol/UpdateBits.h"
#include "ui/cli/LiveLine.h"
#include "ui/cli/MessageLine.h"
#include "ui/cli/PollCounter.h"
#include "ui/cli/ProgressLine.h"

#include <gtest/gtest.h>

namespace {

TEST(LiveLine, TextAndJsonCarryTheTrimmedValues)
{
    DisplayTexts t;
    t.temperature = L" 21.5";
    t.angle = L"  45.0";
    t.lls[0] = L"4500";
    t.lls[1] = L"";
    t.outputValue[0] = L"1";
    t.outputValue[1] = L"0";
    t.magnetState[0] = 0;
    t.extraCount = 1;
    t.extraName[0] = L"Rotation counter (0..32767)";
    t.extraValue[0] = L"12";
    LiveLineFacts facts{&t, true, 1500};
    EXPECT_EQ(LiveTextLine(facts), L"t=1.5s temperature=21.5 angle=45.0 lls1=4500 lls2= output1=1 output2=0 "
                                   L"magnets=1,0 [Rotation counter (0..32767)]=12");
    EXPECT_EQ(LiveJsonLine(facts), L"{\"t_ms\": 1500, \"temperature\": \"21.5\", \"angle\": \"45.0\", \"lls1\": "
                                   L"\"4500\", \"lls2\": \"\", \"output1\": \"1\", \"output2\": \"0\", \"magnet1\": "
                                   L"true, \"magnet2\": false, \"extra\": {\"Rotation counter (0..32767)\": \"12\"}}");
    facts.magnetDetectors = false;
    EXPECT_EQ(LiveTextLine(facts).find(L"magnets"), std::wstring::npos);
    EXPECT_EQ(TrimBlanks(L"   "), L"");
}

TEST(MessageLine, LineBreaksBecomeOneBlankAndTheEndsAreTrimmed)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* line;
    };
    const Case cases[] = {
        {L"Connection via COM7 failed!\r\nPort may be unavailable or busy.",
         L"Connection via COM7 failed! Port may be unavailable or busy."},
        {L"File not found.\r\n", L"File not found."},
        {L"one\ntwo\rthree", L"one two three"},
        {L"\r\n", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageLine(c.text), c.line);
}

TEST(ProgressLine, BarPercentBytesRateAndTimeLeft)
{
    // No rate until a second has passed.
    EXPECT_EQ(ProgressBarText({243, 1000, 0, 500}), L"[####................]  24%  243/1000 bytes");
    // Resumed at 200: 300 bytes in 2 s is 150 B/s, 500 left take 3 s.
    EXPECT_EQ(ProgressBarText({500, 1000, 200, 2000}), L"[##########..........]  50%  500/1000 bytes  150 B/s  0:03 left");
    EXPECT_EQ(ProgressPlainLine({1000, 1000, 0, 125000}), L"firmware: 100%  1000/1000 bytes  8 B/s  0:00 left");
    EXPECT_EQ(ProgressBarText({0, 0, 0, 0}), L"[....................]   0%  0/0 bytes");
}

TEST(ProgressLine, PlainLinesComeAtEachTenth)
{
    CPlainProgressPacer pacer;
    int lines = 0;
    for (uint32_t position = 0; position <= 1000; position += 50)
        lines += pacer.Due({position, 1000, 0, 0});
    EXPECT_EQ(lines, 11);  // 0%, 10% .. 100%
    EXPECT_FALSE(pacer.Due({1000, 1000, 0, 0}));
}

TEST(PollCounter, AnAnswerIsAPollFollowedByThePause)
{
    using K = CKivraProcessor;
    CPollCounter counter;
    const int course[] = {K::ReqIdentify, K::ReqReadSettings, K::ReqPollMagnets, K::ReqPollPause,
                          K::ReqPollMagnets, K::ReqPollMagnets,  // resent after a time-out
                          K::ReqPollPause,   K::ReqPollPause,    // a second look at the same pause
                          K::ReqZeroSetup,   K::ReqPollPause,    // a user request in between is not a poll
                          K::ReqPollFull,    K::ReqIdle};
    int answered = 0;
    for (int type : course)
        answered += counter.Answered(type, SessionNotify::LiveValues);
    EXPECT_EQ(answered, 3);
}

TEST(PollCounter, ADroppedConnectionAnswersNoPoll)
{
    using K = CKivraProcessor;
    CPollCounter counter;
    EXPECT_FALSE(counter.Answered(K::ReqPollMagnets, SessionNotify::LiveValues));
    // The drop stops the session: idle, yet nothing was answered.
    EXPECT_FALSE(counter.Answered(K::ReqIdle, ChangeBits::Everything));
    EXPECT_FALSE(counter.Answered(K::ReqPollPause, SessionNotify::LiveValues));
}

}  // namespace
