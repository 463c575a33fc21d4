// Tests of the firmware update as the session drives it against a scripted sensor.
#include "FirmwareFixture.h"

#include <cwchar>

using Req = CKivraProcessor;

TEST_F(FirmwareTest, InstalledImageIsReportedUpToDate)
{
    StartUpdate(600);
    const size_t sent = SentCount();
    IdentifyInstalled(bytes);
    EXPECT_EQ(session.Status().GetFirmwareText(), Text(IDS_FIRMWARE_UP_TO_DATE));
    EXPECT_EQ(session.Status().GetActivity(), uint32_t(CSessionStatus::ActivityUpdateCompleted));
    EXPECT_EQ(session.GetFirmwareImage(), nullptr);
    EXPECT_EQ(owner.timer, 2000);
    EXPECT_EQ(SentCount(), sent);
    Expire();
    EXPECT_EQ(session.Status().GetFirmware(), CSessionStatus::FirmwareNone);
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
    Expire();
    EXPECT_EQ(LastCode(), 0x28);
}

TEST_F(FirmwareTest, FreshDownloadGoesInBlocksOfTheSensorsLimit)
{
    struct Case { uint32_t limit; uint32_t size; uint32_t block; size_t blocks; };
    const Case cases[] = {{0, 600, 128, 5}, {64, 600, 64, 10}, {243, 486, 243, 2}, {1000, 729, 243, 3}};
    for (const Case& c : cases) {
        StartUpdate(c.size);
        IdentifyInstalled(kOtherImage);
        ASSERT_EQ(LastCode(), 0x02);
        Answer(0x02, DownloadStatus(0, c.limit, kOtherImage));
        EXPECT_EQ(session.GetBlockLimit(), c.limit ? c.limit : 128u);
        const std::vector<uint32_t> lengths = AcceptBlocks();
        EXPECT_EQ(lengths.size(), c.blocks) << "limit " << c.limit;
        EXPECT_EQ(lengths.front(), c.block) << "limit " << c.limit;
        EXPECT_EQ(LastCode(), 0x02) << "limit " << c.limit;
    }
}

TEST_F(FirmwareTest, CompletedDownloadIsActivatedRestartedAndIdentifiedAgain)
{
    StartUpdate(300);
    IdentifyInstalled(kOtherImage);
    Answer(0x02, DownloadStatus(0, 243, kOtherImage));
    EXPECT_EQ(session.GetFirmwareProgress(), 0);
    Acknowledge(0);
    EXPECT_EQ(session.Status().GetFirmware(), CSessionStatus::FirmwareDownloading);
    EXPECT_EQ(session.GetFirmwareProgress(), 81);  // 243 of 300
    Acknowledge(0);
    ASSERT_EQ(LastCode(), 0x02);

    // Only a count equal to the image size leads to activation.
    Answer(0x02, DownloadStatus(300, 243, bytes));
    ASSERT_EQ(LastCode(), 0x04);
    EXPECT_EQ(session.Status().GetFirmwareText(), Text(IDS_FIRMWARE_ACTIVATING));
    EXPECT_EQ(session.GetFirmwareProgress(), 100);
    Acknowledge(0);
    ASSERT_EQ(LastCode(), 0x01);
    owner.TakePosted();
    Acknowledge(0);
    EXPECT_EQ(session.Status().GetFirmwareText(), Text(IDS_FIRMWARE_COMPLETED));
    EXPECT_EQ(owner.TakePosted() & SessionNotify::Everything, SessionNotify::Everything);
    EXPECT_EQ(session.GetFirmwareImage(), nullptr);
    EXPECT_EQ(session.GetRecordFlags(), 0u);
    EXPECT_EQ(session.GetRequestType(), Req::ReqPauseAfterUpdate);
    EXPECT_EQ(owner.timer, 2000);

    const size_t sent = SentCount();
    Expire();
    EXPECT_EQ(SentCount(), sent + 1);
    EXPECT_EQ(LastCode(), 0x00);
    EXPECT_EQ(session.Status().GetFirmware(), CSessionStatus::FirmwareNone);
    EXPECT_EQ(session.Status().GetLinkText(), Text(IDS_LINK_WAITING));
    Answer(0x01, IdentificationPayload(0, 0, bytes));
    EXPECT_EQ(LastCode(), 0x2B);
}

TEST_F(FirmwareTest, BlockAcknowledgeStatusesDecideTheNextStep)
{
    StartUpdate(600);
    IdentifyInstalled(kOtherImage);
    Answer(0x02, DownloadStatus(0, 100, kOtherImage));
    Acknowledge(0);
    const Bytes second = LastSent();
    EXPECT_EQ(GetU32(LastPayload().data() + 4), 100u);

    Acknowledge(2);  // send the same block again
    EXPECT_EQ(LastSent(), second);
    EXPECT_EQ(session.GetLastAcknowledge(), 2);

    const size_t sent = SentCount();
    Acknowledge(7);  // no reaction: the timer resends
    EXPECT_EQ(SentCount(), sent);
    Expire();
    EXPECT_EQ(LastSent(), second);

    Acknowledge(3);  // ask for the status again
    EXPECT_EQ(LastCode(), 0x02);
    Answer(0x02, DownloadStatus(0, 100, kOtherImage));
    EXPECT_EQ(GetU32(LastPayload().data() + 4), 0u);
}

TEST_F(FirmwareTest, DownloadResumesFromTheSensorsCount)
{
    StartUpdate(600);
    IdentifyInstalled(kOtherImage);
    Answer(0x02, DownloadStatus(300, 0, bytes));
    ASSERT_EQ(LastCode(), 0x03);
    EXPECT_EQ(GetU32(LastPayload().data() + 4), 300u);
    EXPECT_EQ(session.GetFirmwareProgress(), 50);
    const std::vector<uint32_t> lengths = AcceptBlocks();
    EXPECT_EQ(lengths, (std::vector<uint32_t>{128, 128, 44}));
}

TEST_F(FirmwareTest, CountPastTheImageEndAbandonsTheUpdate)
{
    StartUpdate(600);
    IdentifyInstalled(kOtherImage);
    const std::wstring text = session.Status().GetFirmwareText();
    Answer(0x02, DownloadStatus(601, 0, bytes));
    EXPECT_EQ(session.GetFirmwareImage(), nullptr);
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
    EXPECT_EQ(session.Status().GetFirmwareText(), text);
    EXPECT_EQ(LastCode(), 0x02);
    Answer(0x02, DownloadStatus(0, 0, bytes));  // with no image left it is not acted on
    EXPECT_EQ(session.GetRequestType(), Req::ReqPollPause);
}

TEST_F(FirmwareTest, DownloadingTextCarriesPositionAndSize)
{
    StartUpdate(600);
    IdentifyInstalled(kOtherImage);
    owner.TakePosted();
    Answer(0x02, DownloadStatus(128, 0, bytes));
    wchar_t expected[256];
    std::swprintf(expected, 256, Text(IDS_FIRMWARE_DOWNLOADING).c_str(), 128u, 600u);
    EXPECT_EQ(session.Status().GetFirmwareText(), expected);
    Acknowledge(0);
    std::swprintf(expected, 256, Text(IDS_FIRMWARE_DOWNLOADING).c_str(), 256u, 600u);
    EXPECT_EQ(session.Status().GetFirmwareText(), expected);
    EXPECT_TRUE(owner.TakePosted() & SessionNotify::Status);
}

TEST_F(FirmwareTest, UpdateNeedsAReadySession)
{
    CRefPtr<CFirmwareFile> image(new CFirmwareFile);
    owner.phase = 4;
    EXPECT_FALSE(session.StartFirmwareUpdate(image.Get()));
    EXPECT_EQ(image->RefCount(), 1);
    EXPECT_TRUE(owner.sent.empty());
}

TEST_F(FirmwareTest, RefusedImageFileStartsNoDownload)
{
    TempFile bad(ImageHeader(24, 1));
    CRefPtr<CFirmwareFile> image(new CFirmwareFile);
    EXPECT_FALSE(image->Load(bad.Path().c_str(), prompt));
    EXPECT_EQ(prompt.messages.size(), 1u);
    Connect();
    session.StartFirmwareUpdate(image.Get());
    IdentifyInstalled(kOtherImage);
    EXPECT_EQ(session.Status().GetFirmware(), CSessionStatus::FirmwareUpToDate);
    for (const Bytes& frame : owner.sent) {
        EXPECT_NE(frame[3], 0x02);
        EXPECT_NE(frame[3], 0x03);
    }
}

TEST_F(FirmwareTest, DownloadStatusContinuesTheDownloadWhateverWasAsked)
{
    StartUpdate(600);
    IdentifyInstalled(kOtherImage);
    Answer(0x02, DownloadStatus(0, 0, kOtherImage));
    ASSERT_EQ(LastCode(), 0x03);
    Acknowledge(9);  // no reaction: the block stays outstanding

    // A status that arrives now moves the download as an asked-for one would.
    Answer(0x02, DownloadStatus(400, 0, bytes));
    ASSERT_EQ(LastCode(), 0x03);
    EXPECT_EQ(GetU32(LastPayload().data() + 4), 400u);
    Answer(0x02, DownloadStatus(600, 0, bytes));
    EXPECT_EQ(LastCode(), 0x04);
    EXPECT_EQ(session.GetRequestType(), Req::ReqActivate);
}

TEST_F(FirmwareTest, RefusedActivationAndRestartAreNotExamined)
{
    StartUpdate(300);
    IdentifyInstalled(kOtherImage);
    Answer(0x02, DownloadStatus(300, 0, bytes));
    ASSERT_EQ(LastCode(), 0x04);
    owner.TakePosted();
    Acknowledge(1);
    EXPECT_EQ(LastCode(), 0x01);
    EXPECT_EQ(session.Status().GetFirmware(), CSessionStatus::FirmwareActivating);
    EXPECT_TRUE(owner.TakePosted() & SessionNotify::Status);
    Acknowledge(1);
    EXPECT_EQ(session.GetRequestType(), Req::ReqPauseAfterUpdate);
    EXPECT_EQ(session.Status().GetFirmwareText(), Text(IDS_FIRMWARE_COMPLETED));
}

TEST_F(FirmwareTest, PauseAfterUpdateWithoutPollingIdentifiesNothing)
{
    StartUpdate(300);
    IdentifyInstalled(kOtherImage);
    Answer(0x02, DownloadStatus(300, 0, bytes));
    Acknowledge(0);
    Acknowledge(0);
    ASSERT_EQ(session.GetRequestType(), Req::ReqPauseAfterUpdate);
    session.SetLinkKind(LinkNoPolling);
    const size_t sent = SentCount();
    Expire();
    EXPECT_EQ(SentCount(), sent);
    EXPECT_EQ(session.Status().GetFirmware(), CSessionStatus::FirmwareNone);
    EXPECT_EQ(session.Status().GetLink(), CSessionStatus::LinkNone);
}
