// Tests of loading, checking and reading firmware image files.
#include "ImageFiles.h"

#include <gtest/gtest.h>

#include <cstring>

#include "protocol/FirmwareFile.h"
#include "protocol/FirmwareMessages.h"
#include "runtime/ResourceText.h"
#include "protocol/resources/protocol_ids.h"

namespace
{
Bytes WithU32(Bytes bytes, size_t offset, uint32_t value)
{
    PutU32(bytes.data() + offset, value);
    return bytes;
}
}

TEST(FirmwareFile, RefusesEveryKindOfBadImageWithItsReason)
{
    Bytes shortHeader = MakeImage(100);
    shortHeader.resize(23);
    Bytes claims27 = MakeImage(28);
    claims27.resize(27);
    PutU32(claims27.data() + 4, 27);
    struct Case { const char* what; Bytes bytes; unsigned reason; };
    const Case cases[] = {
        {"empty file", {}, IDS_FIRMWARE_TOO_SHORT},
        {"shorter than a header", shortHeader, IDS_FIRMWARE_TOO_SHORT},
        {"27 bytes claiming 27", claims27, IDS_FIRMWARE_TOO_SHORT},
        {"wrong magic", WithU32(MakeImage(100), 0, 0x31305747), IDS_FIRMWARE_NOT_IMAGE},
        {"size above the file", WithU32(MakeImage(100), 4, 101), IDS_FIRMWARE_SIZE_MISMATCH},
        {"size below the file", WithU32(MakeImage(100), 4, 99), IDS_FIRMWARE_SIZE_MISMATCH},
        {"body inside the header", WithU32(MakeImage(100), 20, 23), IDS_FIRMWARE_BAD_BODY_OFFSET},
        {"body at the end", WithU32(MakeImage(100), 20, 100), IDS_FIRMWARE_BAD_BODY_OFFSET},
        {"trailer differs", WithU32(MakeImage(100), 96, 0x5A5A1235), IDS_FIRMWARE_DAMAGED_TRAILER},
        {"check value differs", WithU32(MakeImage(100), 8, 0x1234), IDS_FIRMWARE_DAMAGED_TRAILER},
    };
    for (const Case& c : cases) {
        TempFile file(c.bytes);
        CRecordingPrompt prompt;
        CFirmwareFile image;
        EXPECT_FALSE(image.Load(file.Path().c_str(), prompt)) << c.what;
        EXPECT_FALSE(image.IsOpen()) << c.what;
        EXPECT_EQ(image.Size(), 0u) << c.what;
        ASSERT_EQ(prompt.messages.size(), 1u) << c.what;
        const std::wstring& message = prompt.messages[0];
        EXPECT_NE(message.find(LoadResourceText(IDS_FIRMWARE_BAD_IMAGE)), std::wstring::npos) << c.what;
        EXPECT_NE(message.find(LoadResourceText(c.reason)), std::wstring::npos) << c.what;
    }
}

TEST(FirmwareFile, MissingFileShowsTheSystemText)
{
    CRecordingPrompt prompt;
    CFirmwareFile image;
    const std::wstring path = (std::filesystem::temp_directory_path() / "kivra_no_such_image.fw").wstring();
    EXPECT_FALSE(image.Load(path.c_str(), prompt));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_FALSE(prompt.messages[0].empty());
    EXPECT_EQ(prompt.messages[0], SystemErrorMessage(2));
    EXPECT_FALSE(image.Load(nullptr, prompt));
    EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST(FirmwareFile, BadLoadAfterAGoodOneHoldsNothing)
{
    TempFile good(MakeImage(300));
    TempFile bad(WithU32(MakeImage(300), 0, 0));
    CRecordingPrompt prompt;
    CFirmwareFile image;
    ASSERT_TRUE(image.Load(good.Path().c_str(), prompt));
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(image.Size(), 300u);
    ASSERT_TRUE(image.Advance(100));
    EXPECT_FALSE(image.Load(bad.Path().c_str(), prompt));
    EXPECT_FALSE(image.IsOpen());
    EXPECT_EQ(image.Position(), 0u);
    uint8_t buffer[16];
    uint32_t check = 0, position = 0;
    EXPECT_EQ(image.ReadBlock(buffer, sizeof buffer, check, position), 0u);
    EXPECT_FALSE(image.CompareInstalled(MakeImage(300).data()));
    EXPECT_FALSE(image.Resume(MakeImage(300).data(), 0));
    EXPECT_FALSE(image.Advance(0));
}

TEST(FirmwareFile, ComparesAndResumesAgainstTheSensorsHeader)
{
    const Bytes bytes = MakeImage(500);
    const Bytes other = MakeImage(500, 0x77);
    TempFile file(bytes);
    CRecordingPrompt prompt;
    CFirmwareFile image;
    ASSERT_TRUE(image.Load(file.Path().c_str(), prompt));

    ASSERT_TRUE(image.CompareInstalled(other.data()));
    EXPECT_FALSE(image.IsInstalled());
    ASSERT_TRUE(image.CompareInstalled(bytes.data()));
    EXPECT_TRUE(image.IsInstalled());

    struct Case { const Bytes* header; uint32_t received; bool ok; uint32_t position; };
    const Case cases[] = {
        {&bytes, 0, true, 0}, {&bytes, 321, true, 321}, {&bytes, 500, true, 500},
        {&bytes, 501, false, 500}, {&other, 321, true, 0}, {&other, 9999, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(image.Resume(c.header->data(), c.received), c.ok) << c.received;
        EXPECT_EQ(image.Position(), c.position) << c.received;
    }
}

TEST(FirmwareFile, HandsOutBlocksUpToTheEnd)
{
    const Bytes bytes = MakeImage(300);
    TempFile file(bytes);
    CRecordingPrompt prompt;
    CFirmwareFile image;
    ASSERT_TRUE(image.Load(file.Path().c_str(), prompt));
    uint8_t buffer[243];
    uint32_t check = 0, position = 99;
    ASSERT_EQ(image.ReadBlock(buffer, 243, check, position), 243u);
    EXPECT_EQ(check, 0x5A5A1234u);
    EXPECT_EQ(position, 0u);
    EXPECT_EQ(std::memcmp(buffer, bytes.data(), 243), 0);
    EXPECT_EQ(image.Position(), 0u);
    ASSERT_TRUE(image.Advance(243));
    ASSERT_EQ(image.ReadBlock(buffer, 243, check, position), 57u);
    EXPECT_EQ(position, 243u);
    EXPECT_EQ(std::memcmp(buffer, bytes.data() + 243, 57), 0);
    EXPECT_EQ(image.ReadBlock(nullptr, 243, check, position), 0u);
    EXPECT_EQ(image.ReadBlock(buffer, 0, check, position), 0u);
    EXPECT_FALSE(image.Advance(58));
    ASSERT_TRUE(image.Advance(57));
    EXPECT_EQ(image.ReadBlock(buffer, 243, check, position), 0u);
}

TEST(FirmwareFile, AnImageOfAnotherDeviceTypeIsRefusedWithBothTypes)
{
    FirmwareHeader image;
    SensorIdentification sensor;
    sensor.deviceType = 3201;
    struct Case { uint32_t imageType; bool refused; };
    const Case cases[] = {{3201, false}, {3001, true}, {0, true}, {0xFFFFFFFF, true}};
    for (const Case& c : cases) {
        image.deviceType = c.imageType;
        const std::wstring message = ForeignImageMessage(image, sensor);
        EXPECT_EQ(!message.empty(), c.refused) << c.imageType;
        if (c.refused) {
            EXPECT_NE(message.find(L"type " + std::to_wstring(c.imageType)), std::wstring::npos) << message;
            EXPECT_NE(message.find(L"type 3201"), std::wstring::npos) << message;
            EXPECT_NE(message.find(L"nothing was sent"), std::wstring::npos) << message;
        }
    }
}
