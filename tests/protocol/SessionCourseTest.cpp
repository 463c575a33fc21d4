// Tests of the session's course: identification, settings, polling, pauses, resends and link status.
#include "SessionFixture.h"

#include "protocol/resources/protocol_ids.h"

using Req = CKivraProcessor;

TEST_F(SessionTest, DirectCourseIdentifiesReadsSettingsAndPolls)
{
    session.Start();
    EXPECT_TRUE(owner.rx.IsPartialData());
    EXPECT_EQ(LastSent(), (Bytes{0x41, 0x00, 0xFF, 0x00, 0xEE}));
    EXPECT_EQ(owner.tracedOut.back(), LastSent());
    EXPECT_EQ(owner.timer, kDefaultResponseTimer);
    EXPECT_EQ(session.Status().GetLinkText(), Text(IDS_LINK_WAITING));
    EXPECT_EQ(owner.TakePosted() & SessionNotify::Everything, SessionNotify::Everything);

    Answer(0x01, IdentificationPayload(8, kSupportedType));
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkConnected);
    EXPECT_EQ(session.Status().GetLinkText(), Text(IDS_LINK_CONNECTED));
    EXPECT_EQ(session.Records().identificationTexts.model, L"TQS 25-07");
    EXPECT_EQ(LastCode(), 0x2B);
    EXPECT_TRUE(owner.TakePosted() & SessionNotify::Settings);

    Answer(0x2B, SettingsAnswer(ValidSettings()));
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_READ));
    EXPECT_EQ(session.GetRecordFlags() & 0x6u, 0x6u);
    EXPECT_TRUE(session.IsReady());
    EXPECT_EQ(LastSent(), (Bytes{0x41, 0x01, 0xFF, 0x28, 0x07, 0x4D}));

    Answer(0x28, DataAnswer(7, {2150, 4500, 1, 2, 0, 7, 0, 1, 0, 0}));
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
    EXPECT_EQ(owner.timer, 500);
    EXPECT_TRUE(owner.TakePosted() & SessionNotify::LiveValues);
    const size_t sent = SentCount();
    Expire();
    EXPECT_EQ(SentCount(), sent + 1);
    EXPECT_EQ(LastPayload(), Bytes{7});
}

TEST_F(SessionTest, PollingTypeFollowsFirmwareVersionAndFullData)
{
    struct Case { uint32_t version; bool fullData; uint8_t subcode; };
    const Case cases[] = {{0, false, 4}, {4, false, 4}, {5, false, 6}, {7, false, 6},
                          {8, false, 7}, {30, false, 7}, {4, true, 5}, {9, true, 5}};
    for (const Case& c : cases) {
        Connect(c.version);
        if (c.fullData) {
            session.SetDataLog(DataLogMode::FullData);
            ASSERT_TRUE(session.IsFullData());
            Answer(0x28, DataAnswer(LastPayload()[0], {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
            Expire();
        }
        EXPECT_EQ(LastCode(), 0x28);
        EXPECT_EQ(LastPayload(), Bytes{c.subcode}) << "version " << c.version << " full " << c.fullData;
        session.SetDataLog(DataLogMode::Off);
    }
}

TEST_F(SessionTest, PollPauseDependsOnLinkKindAndFastPolling)
{
    struct Case { ELinkKind linkKind; bool fast; int32_t pause; };
    const Case cases[] = {{LinkDirect, false, 500}, {LinkDirect, true, 100},
                          {LinkRelay, false, 5000}, {LinkRelay, true, 1000}};
    for (const Case& c : cases) {
        session.SetLinkKind(c.linkKind);
        Connect(4);
        session.SetFastPolling(c.fast);
        Answer(0x28, DataAnswer(4, {100, 200, 3, 4}));
        EXPECT_EQ(owner.timer, c.pause) << "link " << c.linkKind << " fast " << c.fast;
    }
}

TEST_F(SessionTest, SilentSensorIsAskedAgainAndReportedOnlyAfterTenSeconds)
{
    session.Start();
    for (int i = 0; i < 4; ++i) {
        Expire();  // 2, 4, 6, 8 seconds after the start
        EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkWaiting) << i;
        EXPECT_EQ(session.Status().GetLinkText(), Text(IDS_LINK_WAITING));
    }
    clock.AdvanceMilliseconds(1999);
    session.OnTimeout();
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkWaiting);
    Expire();
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkNeverAnswered);
    EXPECT_EQ(session.Status().GetLinkText(), Text(IDS_LINK_NO_ANSWER));
    EXPECT_EQ(session.Status().GetActivity(), CSessionStatus::ActivityReadingSettings | CSessionStatus::kNoAnswerFlag);
    EXPECT_EQ(SentCount(), 7u);
    for (const Bytes& frame : owner.sent)
        EXPECT_EQ(frame, (Bytes{0x41, 0x00, 0xFF, 0x00, 0xEE}));
}

TEST_F(SessionTest, TimeoutAfterAnAnswerMeansTheLinkIsLost)
{
    Connect();
    Expire();  // the poll request goes out
    const Bytes poll = LastSent();
    Expire();  // and gets no answer
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkLost);
    EXPECT_EQ(session.Status().GetLinkText(), Text(IDS_LINK_NO_ANSWER));
    EXPECT_EQ(LastSent(), poll);
    EXPECT_TRUE(session.Status().GetActivity() & CSessionStatus::kNoAnswerFlag);
    Answer(0x28, DataAnswer(7, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkConnected);
    EXPECT_EQ(session.Status().GetActivity(), uint32_t(CSessionStatus::ActivityDataRead));
}

TEST_F(SessionTest, RelayLinkUsesItsOwnPausesAndDefaultResponseTimer)
{
    owner.relay = true;
    session.SetLinkKind(LinkRelay);
    session.Start();
    EXPECT_EQ(owner.timer, kDefaultResponseTimer);
    Expire();  // 60 s without an answer: already past the first ten seconds
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkNeverAnswered);
    Answer(0x01, IdentificationPayload(4, kSupportedType));
    Answer(0x2B, SettingsAnswer(ValidSettings()));
    EXPECT_EQ(LastPayload(), Bytes{4});
    Answer(0x28, DataAnswer(4, {100, 200, 3, 4}));
    EXPECT_EQ(owner.timer, 5000);
    Expire();
    Expire();
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkLost);
}

TEST_F(SessionTest, UnsupportedModelIsShownButNeverPolled)
{
    session.Start();
    Answer(0x01, IdentificationPayload(8, 3002));
    EXPECT_EQ(session.Records().identificationTexts.model, L"FNX 40-01");
    EXPECT_EQ(session.GetLinkKind(), uint32_t(LinkNoPolling));
    EXPECT_EQ(session.GetRequestType(), Req::ReqIdle);
    EXPECT_EQ(owner.timer, kCancelTimer);
    EXPECT_FALSE(session.IsReady());
    const size_t sent = SentCount();
    session.ReadSettings();
    session.SetZero();
    session.SendTest();
    EXPECT_FALSE(session.WriteSettings());
    session.OnTimeout();
    EXPECT_EQ(SentCount(), sent);

    // Connecting again stays idle until the window sets a link kind.
    session.Start();
    EXPECT_EQ(SentCount(), sent);
}

TEST_F(SessionTest, ReadinessNeedsTheSessionPhase)
{
    Connect();
    EXPECT_TRUE(session.IsReady());
    owner.phase = 4;
    EXPECT_FALSE(session.IsReady());
}

TEST_F(SessionTest, StrayAnswersUpdateRecordsWithoutMovingTheMachine)
{
    Connect(4);
    Answer(0x28, DataAnswer(4, {100, 200, 3, 4}));
    ASSERT_EQ(session.GetRequestType(), Req::ReqPollPause);
    const size_t sent = SentCount();
    Answer(0x28, DataAnswer(4, {-32768, 300, 5, 6}), 17);  // another address, not asked for
    Answer(0x00, {0});
    Answer(0x02, Bytes(32, 0));  // a download status with no image held
    EXPECT_EQ(SentCount(), sent);
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
    EXPECT_EQ(session.Records().displayTexts.temperature, L"");
    EXPECT_EQ(session.Records().displayTexts.lls[0], L"5");

    owner.Receive(Lls(1, 6, {25, 0x10, 0x00, 0x20, 0x00}));
    session.OnReceive();
    EXPECT_EQ(session.Records().live.temperature, 2500);
    EXPECT_EQ(session.Records().live.lls[1], 0x20);
    EXPECT_TRUE(session.GetRecordFlags() & RecordFlag::LlsData);
    EXPECT_EQ(SentCount(), sent);
}

TEST_F(SessionTest, StopClearsStatusesAndResetForgetsTheSensor)
{
    Connect();
    session.SetDataLog(DataLogMode::Data);
    ASSERT_TRUE(session.IsDataLogOpen());
    owner.TakePosted();
    session.Stop();
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkNone);
    EXPECT_EQ(session.Status().GetSettingsText(), L"");
    EXPECT_FALSE(session.IsDataLogOpen());
    EXPECT_EQ(owner.TakePosted(), SessionNotify::Status);

    session.SetFastPolling(true);
    session.SetTestValue(9);
    session.Reset();
    EXPECT_EQ(session.GetRecordFlags(), 0u);
    EXPECT_EQ(session.Records().identification.deviceType, 0u);
    EXPECT_EQ(session.GetRequestType(), Req::ReqIdle);
    EXPECT_FALSE(session.IsFastPolling());
    EXPECT_EQ(session.GetTestValue(), 0u);
    EXPECT_EQ(session.GetLastAcknowledge(), 0);
    EXPECT_EQ(owner.TakePosted(), 0u);
}

TEST_F(SessionTest, SensorAddressSelectionAndIndex)
{
    struct Case { int index; uint8_t address; int backIndex; };
    const Case cases[] = {{0, 255, 0}, {300, 255, 0}, {-1, 255, 0}, {1, 0, 1}, {255, 254, 255}, {17, 16, 17}};
    for (const Case& c : cases) {
        session.SetSensorAddress(c.index);
        EXPECT_EQ(session.GetSensorAddress(), c.address) << c.index;
        EXPECT_EQ(session.GetAddressIndex(), c.backIndex) << c.index;
    }
    Connect();
    owner.TakePosted();
    EXPECT_FALSE(session.SetSensorAddress(17));
    EXPECT_EQ(owner.TakePosted(), 0u);
    EXPECT_TRUE(session.SetSensorAddress(3));
    EXPECT_EQ(owner.TakePosted(), SessionNotify::Everything);
    EXPECT_EQ(session.GetRecordFlags(), 0u);
    session.Start();
    EXPECT_EQ(LastSent()[2], 2);
}
