// Fixture of the firmware update tests: a ready session, an image file written for the test, download-status answers.
#pragma once

#include "ImageFiles.h"
#include "SessionFixture.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "protocol/resources/protocol_ids.h"

inline Bytes DownloadStatus(uint32_t received, uint32_t limit, const Bytes& header)
{
    Bytes payload(32);
    PutU32(payload.data(), received);
    PutU32(payload.data() + 4, limit);
    std::copy(header.begin(), header.begin() + 24, payload.begin() + 8);
    return payload;
}

// The header of an image other than the test's own.
inline const Bytes kOtherImage = ImageHeader(4000, 0x1111);

class FirmwareTest : public SessionTest
{
protected:
    // A ready session that has been asked to update to an image of the given size.
    void StartUpdate(uint32_t size)
    {
        session.Reset();  // lets go of the previous image before its file is removed
        bytes = MakeImage(size);
        file = std::make_unique<TempFile>(bytes);
        CRefPtr<CFirmwareFile> image(new CFirmwareFile);
        ASSERT_TRUE(image->Load(file->Path().c_str(), prompt));
        Connect();
        ASSERT_TRUE(session.StartFirmwareUpdate(image.Get()));
        ASSERT_EQ(LastCode(), 0x00);
        ASSERT_EQ(session.Status().GetFirmwareText(), Text(IDS_FIRMWARE_READING_INFO));
    }
    void IdentifyInstalled(const Bytes& installed) { Answer(0x01, IdentificationPayload(0, 0, installed)); }

    // Acknowledges every block until the session asks for the download status; returns the block lengths.
    std::vector<uint32_t> AcceptBlocks()
    {
        std::vector<uint32_t> lengths;
        while (LastCode() == 0x03 && lengths.size() < 1000) {
            const Bytes payload = LastPayload();
            const uint32_t position = GetU32(payload.data() + 4);
            const uint32_t n = GetU32(payload.data() + 8);
            EXPECT_EQ(GetU32(payload.data()), 0x5A5A1234u);
            EXPECT_EQ(payload.size(), 12 + n);
            EXPECT_TRUE(std::equal(payload.begin() + 12, payload.end(), bytes.begin() + position));
            lengths.push_back(n);
            Acknowledge(0);
        }
        return lengths;
    }

    Bytes bytes;
    std::unique_ptr<TempFile> file;
    CRecordingPrompt prompt;
};
