// Tests of the user's writes: settings with read-back, address change, zero angle, diagnostics, test.
#include "SessionFixture.h"

#include "protocol/resources/protocol_ids.h"

using Req = CKivraProcessor;

namespace
{
constexpr size_t kAngleThresholdOffset = 42;
constexpr size_t kZeroReferenceOffset = 12;

SettingsBlock WithByte(SettingsBlock block, size_t offset, uint8_t value)
{
    block[offset] = value;
    return block;
}

// The settings block a WriteSettings request carries.
SettingsBlock WrittenBlock(const Bytes& payload)
{
    SettingsBlock block{};
    EXPECT_EQ(payload.size(), 98u);
    EXPECT_EQ(payload[0], 0xFF);
    EXPECT_EQ(payload[1], 0x02);
    std::copy(payload.begin() + 2, payload.end(), block.begin());
    return block;
}
}

TEST_F(SessionTest, AcceptedWriteIsReadBackAndReportedWritten)
{
    Connect();
    session.EvaluateSettings();
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_READ));
    session.Records().settingsTexts.angleThreshold = L"7";
    session.EvaluateSettings();
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_MODIFIED));
    EXPECT_TRUE(session.IsSettingsWritable());

    ASSERT_TRUE(session.WriteSettings());
    ASSERT_EQ(LastCode(), 0x2C);
    const SettingsBlock written = WrittenBlock(LastPayload());
    EXPECT_EQ(written, WithByte(ValidSettings(), kAngleThresholdOffset, 7));
    Acknowledge(0);
    ASSERT_EQ(LastCode(), 0x2B);
    Answer(0x2B, SettingsAnswer(written));
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_WRITTEN));
    EXPECT_EQ(session.Status().GetActivity(), uint32_t(CSessionStatus::ActivitySettingsWritten));
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
    EXPECT_FALSE(session.IsSettingsWritable());
}

TEST_F(SessionTest, RejectedWriteShowsTheSensorsBlock)
{
    Connect();
    session.Records().settingsTexts.angleThreshold = L"9";
    ASSERT_TRUE(session.WriteSettings());
    Acknowledge(1);  // a refusal is not examined: the read-back decides
    EXPECT_EQ(session.GetLastAcknowledge(), 2);
    ASSERT_EQ(LastCode(), 0x2B);
    owner.TakePosted();
    Answer(0x2B, SettingsAnswer(ValidSettings()));
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_REJECTED));
    EXPECT_TRUE(owner.TakePosted() & SessionNotify::Settings);
    EXPECT_EQ(session.Records().settings, ValidSettings());
    EXPECT_EQ(session.Records().settingsTexts.angleThreshold, L"5");
    EXPECT_TRUE(session.IsSettingsWritable());
}

TEST_F(SessionTest, InvalidTextsAreNeitherWrittenNorWritable)
{
    Connect();
    const size_t sent = SentCount();
    session.Records().settingsTexts.angleThreshold = L"95";
    EXPECT_FALSE(session.WriteSettings());
    session.Records().settingsTexts.angleThreshold = L"x";
    EXPECT_FALSE(session.WriteSettings());
    EXPECT_EQ(SentCount(), sent);
    session.EvaluateSettings();
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_INVALID));
    EXPECT_FALSE(session.IsSettingsWritable());
    owner.phase = 4;
    session.EvaluateSettings();
    EXPECT_EQ(session.Status().GetSettings(), CSessionStatus::SettingsNone);
    EXPECT_EQ(session.Status().GetSettingsText(), L"");
}

TEST_F(SessionTest, AddressChangingWriteMovesTheSessionToTheNewAddress)
{
    Connect();
    session.Records().settingsTexts.networkAddress = L"9";
    ASSERT_TRUE(session.WriteSettings());
    EXPECT_EQ(session.GetRequestType(), Req::ReqWriteAddress);
    EXPECT_EQ(LastSent()[2], 255);
    owner.TakePosted();
    Acknowledge(0);
    EXPECT_EQ(session.GetSensorAddress(), 9);
    EXPECT_TRUE(owner.TakePosted() & SessionNotify::Address);
    EXPECT_EQ(LastCode(), 0x2B);
    EXPECT_EQ(LastSent()[2], 9);
    Answer(0x2B, SettingsAnswer(ValidSettings(kTestSerial, 9)), 9);
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_WRITTEN));
}

TEST_F(SessionTest, RefusedAddressChangeKeepsTheAddress)
{
    Connect();
    session.Records().settingsTexts.networkAddress = L"9";
    ASSERT_TRUE(session.WriteSettings());
    owner.TakePosted();
    Acknowledge(1);
    EXPECT_EQ(session.GetSensorAddress(), 255);
    EXPECT_FALSE(owner.TakePosted() & SessionNotify::Address);
    EXPECT_EQ(LastCode(), 0x2B);
    Answer(0x2B, SettingsAnswer(ValidSettings()));
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_REJECTED));
}

TEST_F(SessionTest, ZeroAngleSetupWritesTheSensorsVector)
{
    Connect();
    session.SetZero();
    ASSERT_EQ(LastPayload(), Bytes{2});
    Answer(0x28, DataAnswer(2, {2000, 150}, {0.5f, -8.0f, 8.0f}));
    ASSERT_EQ(LastCode(), 0x2C);
    const SettingsBlock written = WrittenBlock(LastPayload());
    EXPECT_EQ(GetF32(written.data() + kZeroReferenceOffset), 0.5f);
    EXPECT_EQ(GetF32(written.data() + kZeroReferenceOffset + 4), -8.0f);
    EXPECT_EQ(GetF32(written.data() + kZeroReferenceOffset + 8), 8.0f);
    EXPECT_EQ(session.Records().settings, written);
    EXPECT_NE(session.Records().settingsTexts.zeroReference.find(L"0.5"), std::wstring::npos);
    Acknowledge(0);
    Answer(0x2B, SettingsAnswer(written));
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_WRITTEN));
}

TEST_F(SessionTest, ZeroAngleOutsideTheRangeWritesNothing)
{
    Connect();
    const float candidates[][3] = {{8.5f, 0, 0}, {0, -9, 0}, {0, 0, 100}};
    for (const auto& v : candidates) {
        session.SetZero();
        const size_t sent = SentCount();
        Answer(0x28, DataAnswer(2, {2000, 150}, {v[0], v[1], v[2]}));
        EXPECT_EQ(SentCount(), sent);
        EXPECT_EQ(session.Records().settings, ValidSettings());
        EXPECT_EQ(session.Status().GetSettings(), CSessionStatus::SettingsRead);
        EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
    }
}

TEST_F(SessionTest, DiagnosticsAreShownThenPollingResumes)
{
    Connect();
    session.ReadDiagnostics();
    ASSERT_EQ(LastPayload(), Bytes{3});
    Bytes payload{3, 0x01, 0x05, 0, 0, 0, 0, 77, 0, 0, 0};
    Answer(0x28, payload);
    EXPECT_EQ(session.Records().displayTexts.diagnostics, L"C=1,T=0,A=1,Sw=77");
    EXPECT_TRUE(session.GetRecordFlags() & RecordFlag::DataSubcode(3));
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
}

TEST_F(SessionTest, TestCommandSendsTheLowByteOfTheTestValue)
{
    Connect();
    session.SetTestValue(0x1234);
    session.SendTest();
    EXPECT_EQ(LastCode(), 0x2E);
    EXPECT_EQ(LastPayload(), (Bytes{0x01, 0x34}));
    Expire();  // unanswered: sent again
    EXPECT_EQ(LastPayload(), (Bytes{0x01, 0x34}));
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkLost);
    Acknowledge(0);
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkLost);
}

TEST_F(SessionTest, SettingsBlockOutsideAReadIsAVerdictOnTheLastWrite)
{
    Connect(4);
    Answer(0x28, DataAnswer(4, {100, 200, 3, 4}));
    ASSERT_EQ(session.GetRequestType(), Req::ReqPollPause);

    // Unasked, equal to the held block: taken as written; the pause starts again.
    owner.timer = kCancelTimer;
    owner.TakePosted();
    Answer(0x2B, SettingsAnswer(ValidSettings()));
    EXPECT_FALSE(owner.TakePosted() & SessionNotify::Settings);
    EXPECT_EQ(session.Status().GetSettings(), CSessionStatus::SettingsWritten);
    EXPECT_EQ(session.Status().GetActivity(), uint32_t(CSessionStatus::ActivitySettingsWritten));
    EXPECT_EQ(owner.timer, 500);

    // Unasked and different: rejected, and the sensor's block is the one held from now on.
    const SettingsBlock other = WithByte(ValidSettings(), kAngleThresholdOffset, 12);
    owner.TakePosted();
    Answer(0x2B, SettingsAnswer(other));
    EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_REJECTED));
    EXPECT_EQ(session.Records().settings, other);
    EXPECT_EQ(session.Records().settingsTexts.angleThreshold, L"12");
    EXPECT_TRUE(owner.TakePosted() & SessionNotify::Settings);
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
}

// The engineer writes right after a zero setup or another write: that write's read-back answer
// is still on its way when the new write goes out, and must not be taken as the new write's verdict.
class EarlyBlockTest : public SessionTest {
protected:
    void WriteWithAnEarlierAnswerBetween(bool addressWrite)
    {
        Connect();
        if (addressWrite)
            session.Records().settingsTexts.networkAddress = L"7";
        else
            session.Records().settingsTexts.angleThreshold = L"7";
        ASSERT_TRUE(session.WriteSettings());
        const SettingsBlock written = WrittenBlock(LastPayload());
        const size_t sent = SentCount();

        Answer(0x2B, SettingsAnswer(ValidSettings()));
        EXPECT_NE(session.Status().GetSettings(), CSessionStatus::SettingsRejected);
        EXPECT_EQ(session.Records().settings, written) << "the block being written stays held";
        EXPECT_EQ(session.GetRequestType(), addressWrite ? Req::ReqWriteAddress : Req::ReqWriteSettings);
        EXPECT_EQ(SentCount(), sent) << "nothing is sent for the earlier read's answer";

        Acknowledge(0);
        ASSERT_EQ(LastCode(), 0x2B) << "the write is read back as ever";
        if (addressWrite) {
            EXPECT_EQ(session.GetSensorAddress(), 7);
        }
        Answer(0x2B, SettingsAnswer(written), addressWrite ? 7 : 255);
        EXPECT_EQ(session.Status().GetSettingsText(), Text(IDS_SETTINGS_WRITTEN));
    }
};

TEST_F(EarlyBlockTest, SettingsWriteIsVerifiedByItsOwnReadBack) { WriteWithAnEarlierAnswerBetween(false); }
TEST_F(EarlyBlockTest, AddressWriteIsVerifiedByItsOwnReadBack) { WriteWithAnEarlierAnswerBetween(true); }

TEST_F(SessionTest, NothingIsWrittenBeforeTheSettingsWereRead)
{
    // The network dialog may be opened between the identification and the settings' arrival:
    // an address typed there must not go out with a settings block the sensor never sent.
    session.Start();
    Answer(0x01, IdentificationPayload(8, kSupportedType));
    ASSERT_TRUE(session.IsReady());
    const size_t sent = SentCount();
    session.Records().settingsTexts.networkAddress = L"7";
    session.EvaluateSettings();
    EXPECT_FALSE(session.WriteSettings());
    EXPECT_EQ(SentCount(), sent);
}
