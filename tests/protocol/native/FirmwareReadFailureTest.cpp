// An image file that cannot be read in the middle of a download ends the update (host only: the file is cut short).
#include "../FirmwareFixture.h"

#include <filesystem>

#include "protocol/FirmwareMessages.h"
#include "runtime/SystemReason.h"

TEST_F(FirmwareTest, UnreadableImageEndsTheUpdateAndPollingResumes)
{
    struct Case
    {
        const char* name;
        uint32_t keptBytes; // the file's length after it was cut
        bool byTimeout;     // the block is resent after a timeout, else the next one follows an acknowledge
    };
    const Case cases[] = {
        {"next block past the cut", 200, false},
        {"resent block past the cut", 100, true},
        {"file emptied", 0, false},
    };
    CRecordingPrompt told;
    session.SetUserPrompt(&told);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        told.messages.clear();
        StartUpdate(600);
        IdentifyInstalled(kOtherImage);
        Answer(0x02, DownloadStatus(0, 128, kOtherImage));
        ASSERT_EQ(LastCode(), 0x03);
        std::filesystem::resize_file(std::filesystem::path(file->Path()), c.keptBytes);
        const size_t sent = SentCount();
        if (c.byTimeout)
            Expire();
        else
            Acknowledge(0);

        EXPECT_EQ(SentCount(), sent) << "no block goes out";
        EXPECT_EQ(session.GetFirmwareImage(), nullptr);
        EXPECT_EQ(session.Status().GetFirmware(), CSessionStatus::FirmwareUnreadable);
        EXPECT_EQ(session.Status().GetFirmwareText(), Text(IDS_FIRMWARE_UNREADABLE));
        // The file is shorter than its header says: the system's text for reading past its end.
        ASSERT_EQ(told.messages.size(), 1u);
        EXPECT_EQ(told.messages[0], Text(IDS_FIRMWARE_UNREADABLE) + L"\r\n" + SystemReasonText(errc::kHandleEof));
        EXPECT_EQ(session.GetFirmwareProgress(), 0);
        EXPECT_EQ(session.GetRequestType(), CKivraProcessor::ReqPollPause);
        Expire();
        EXPECT_EQ(LastCode(), 0x28) << "polling resumed";
    }
}

TEST_F(FirmwareTest, WithoutAPromptTheStatusTextAloneTellsOfTheUnreadableImage)
{
    StartUpdate(600);
    IdentifyInstalled(kOtherImage);
    Answer(0x02, DownloadStatus(0, 128, kOtherImage));
    std::filesystem::resize_file(std::filesystem::path(file->Path()), 50);
    Acknowledge(0);
    EXPECT_EQ(session.GetFirmwareImage(), nullptr);
    EXPECT_EQ(session.Status().GetFirmwareText(), Text(IDS_FIRMWARE_UNREADABLE));
    EXPECT_EQ(session.GetRequestType(), CKivraProcessor::ReqPollPause);
}

TEST(FirmwareFileRead, ReadErrorTellsAFailedReadFromTheEndOfTheImage)
{
    const Bytes bytes = MakeImage(300);
    TempFile file(bytes);
    CRecordingPrompt prompt;
    CFirmwareFile image;
    ASSERT_TRUE(image.Load(file.Path().c_str(), prompt));
    uint8_t block[128];
    uint32_t check = 0;
    uint32_t position = 0;
    EXPECT_EQ(image.ReadBlock(block, sizeof block, check, position), 128u);
    EXPECT_EQ(image.ReadError(), 0u);

    std::filesystem::resize_file(std::filesystem::path(file.Path()), 100);
    EXPECT_EQ(image.ReadBlock(block, sizeof block, check, position), 0u);
    EXPECT_EQ(image.ReadError(), errc::kHandleEof);

    // Nothing left to read is no error, and clears the one before.
    ASSERT_TRUE(image.Resume(bytes.data(), 300));
    EXPECT_EQ(image.ReadBlock(block, sizeof block, check, position), 0u);
    EXPECT_EQ(image.ReadError(), 0u);
}
