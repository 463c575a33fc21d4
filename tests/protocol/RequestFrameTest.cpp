// Tests of request building: the byte examples, every request's layout and the refused arguments.
#include "protocol/RequestFrame.h"

#include "protocol/CrcEngine.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Contents(const CRequestFrame& frame) { return Bytes(frame.Data(), frame.Data() + frame.Length()); }

} // namespace

TEST(RequestFrame, ProtocolExamples)
{
    CRequestFrame frame;
    ASSERT_TRUE(frame.BuildReadIdentification(255));
    EXPECT_EQ(Contents(frame), (Bytes{0x41, 0x00, 0xFF, 0x00, 0xEE}));
    ASSERT_TRUE(frame.BuildReadSettings(255));
    EXPECT_EQ(Contents(frame), (Bytes{0x41, 0x01, 0xFF, 0x2B, 0xFF, 0xAE}));
    ASSERT_TRUE(frame.BuildReadData(255, 7));
    EXPECT_EQ(Contents(frame), (Bytes{0x41, 0x01, 0xFF, 0x28, 0x07, 0x4D}));
    ASSERT_TRUE(frame.BuildReadDownloadStatus(0));
    EXPECT_EQ(Contents(frame), (Bytes{0x41, 0x00, 0x00, 0x02, 0xD3}));
}

TEST(RequestFrame, EveryRequestCarriesItsCodeAndPayload)
{
    SettingsBlock block;
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<uint8_t>(i);
    Bytes settings{0x41, 98, 17, 0x2C, 0xFF, 0x02};
    settings.insert(settings.end(), block.begin(), block.end());
    const uint8_t firmware[3] = {0xAA, 0xBB, 0xCC};

    struct Case {
        const char* name;
        std::function<bool(CRequestFrame&)> build;
        Bytes head; // everything but the checksum
    };
    const Case cases[] = {
        {"Restart", [](CRequestFrame& f) { return f.BuildRestart(17); }, {0x41, 0, 17, 0x01}},
        {"ActivateFirmware", [](CRequestFrame& f) { return f.BuildActivateFirmware(17); }, {0x41, 0, 17, 0x04}},
        {"TestCommand", [](CRequestFrame& f) { return f.BuildTestCommand(17, 0x5A); },
         {0x41, 2, 17, 0x2E, 0x01, 0x5A}},
        {"ReadData 2", [](CRequestFrame& f) { return f.BuildReadData(17, 2); }, {0x41, 1, 17, 0x28, 0x02}},
        {"WriteSettings", [&](CRequestFrame& f) { return f.BuildWriteSettings(17, block); }, settings},
        {"WriteFirmwareBlock",
         [&](CRequestFrame& f) { return f.BuildWriteFirmwareBlock(17, 0x04030201, 0x00000100, firmware, 3); },
         {0x41, 15, 17, 0x03, 1, 2, 3, 4, 0x00, 0x01, 0, 0, 3, 0, 0, 0, 0xAA, 0xBB, 0xCC}},
        {"WriteFirmwareBlock with nothing left",
         [](CRequestFrame& f) { return f.BuildWriteFirmwareBlock(17, 1, 2, nullptr, 0); }, {0x41, 0, 17, 0x03}},
    };
    for (const Case& c : cases) {
        CRequestFrame frame;
        ASSERT_TRUE(c.build(frame)) << c.name;
        const Bytes bytes = Contents(frame);
        ASSERT_EQ(bytes.size(), c.head.size() + 1) << c.name;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.end() - 1), c.head) << c.name;
        // A checksum without final XOR brings the CRC over the whole frame to 0.
        EXPECT_EQ(SensorCrc().Compute(bytes.data(), bytes.size()), 0) << c.name;
    }
}

TEST(RequestFrame, TheLargestFirmwareBlockFillsTheLengthByte)
{
    uint8_t block[244] = {};
    block[242] = 0x77;
    CRequestFrame frame;
    ASSERT_TRUE(frame.BuildWriteFirmwareBlock(0, 0, 0, block, 243));
    EXPECT_EQ(frame.Length(), 260u);
    EXPECT_EQ(frame.Data()[1], 255);
    EXPECT_EQ(frame.Data()[258], 0x77);
    EXPECT_EQ(SensorCrc().Compute(frame.Data(), frame.Length()), 0);
}

TEST(RequestFrame, ArgumentsOutsideTheProtocolAreRefusedAndLeaveNoFrame)
{
    uint8_t block[256] = {};
    struct Case {
        const char* name;
        std::function<bool(CRequestFrame&)> build;
    };
    const Case cases[] = {
        {"firmware block of 244 bytes", [&](CRequestFrame& f) { return f.BuildWriteFirmwareBlock(0, 0, 0, block, 244); }},
        {"firmware block without bytes", [](CRequestFrame& f) { return f.BuildWriteFirmwareBlock(0, 0, 0, nullptr, 5); }},
        {"data subcode 1", [](CRequestFrame& f) { return f.BuildReadData(0, 1); }},
        {"data subcode 8", [](CRequestFrame& f) { return f.BuildReadData(0, 8); }},
        {"payload of 256 bytes", [&](CRequestFrame& f) { return f.Build(0, 0x03, block, 256); }},
    };
    for (const Case& c : cases) {
        CRequestFrame frame;
        ASSERT_TRUE(frame.BuildReadIdentification(255));
        EXPECT_FALSE(c.build(frame)) << c.name;
        EXPECT_EQ(frame.Length(), 0u) << c.name;
    }
}
