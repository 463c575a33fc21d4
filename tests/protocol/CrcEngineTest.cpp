// Tests of the CRC engine against catalogued check values and the sensor protocol's table.
#include "protocol/CrcEngine.h"

#include <gtest/gtest.h>

namespace {

const uint8_t kCheckText[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};

} // namespace

TEST(CrcEngine, CheckValuesOfCataloguedConfigurations)
{
    struct Case {
        const char* name;
        unsigned width;
        uint8_t polynomial, initial;
        bool reflectIn, reflectOut;
        uint8_t finalXor, check;
    };
    const Case cases[] = {
        {"CRC-8/MAXIM", 8, 0x31, 0x00, true, true, 0x00, 0xA1},
        {"CRC-8/SMBUS", 8, 0x07, 0x00, false, false, 0x00, 0xF4},
        {"CRC-8/ROHC", 8, 0x07, 0xFF, true, true, 0x00, 0xD0},
        {"CRC-8/DARC", 8, 0x39, 0x00, true, true, 0x00, 0x15},
        {"CRC-7/MMC", 7, 0x09, 0x00, false, false, 0x00, 0x75},
        {"CRC-7/ROHC", 7, 0x4F, 0x7F, true, true, 0x00, 0x53},
        {"CRC-6/CDMA2000-A", 6, 0x27, 0x3F, false, false, 0x00, 0x0D},
        {"CRC-5/USB", 5, 0x05, 0x1F, true, true, 0x1F, 0x19},
        {"CRC-4/G-704", 4, 0x03, 0x00, true, true, 0x00, 0x07},
        {"CRC-4/INTERLAKEN", 4, 0x03, 0x0F, false, false, 0x0F, 0x0B},
        {"CRC-3/GSM", 3, 0x03, 0x00, false, false, 0x07, 0x04},
        {"CRC-3/ROHC", 3, 0x03, 0x07, true, true, 0x00, 0x06},
    };
    for (const Case& c : cases) {
        const CCrcEngine engine(c.width, c.polynomial, c.initial, c.reflectIn, c.reflectOut, c.finalXor);
        EXPECT_EQ(engine.Compute(kCheckText, sizeof kCheckText), c.check) << c.name;
    }
}

TEST(CrcEngine, DifferingReflectionsReflectTheResult)
{
    const CCrcEngine straight(8, 0x07, 0x00, false, false, 0x00);
    const CCrcEngine reflectedOut(8, 0x07, 0x00, false, true, 0x00);
    // CRC-8/SMBUS gives 0xF4 = 11110100b; reflected that is 00101111b.
    EXPECT_EQ(straight.Compute(kCheckText, sizeof kCheckText), 0xF4);
    EXPECT_EQ(reflectedOut.Compute(kCheckText, sizeof kCheckText), 0x2F);
    const CCrcEngine narrow(5, 0x05, 0x1F, true, false, 0x1F);
    // CRC-5/USB is 0x19, its register 0x19 ^ 0x1F = 00110b; left unreflected that reads 01100b,
    // and the final XOR then gives 0x0C ^ 0x1F.
    EXPECT_EQ(narrow.Compute(kCheckText, sizeof kCheckText), 0x13);
}

TEST(CrcEngine, SensorChecksumTableAndProperties)
{
    const CCrcEngine& crc = SensorCrc();
    EXPECT_EQ(crc.TableEntry(0), 0x00);
    EXPECT_EQ(crc.TableEntry(1), 0x5E);
    EXPECT_EQ(crc.TableEntry(2), 0xBC);
    EXPECT_EQ(crc.TableEntry(3), 0xE2);
    EXPECT_EQ(crc.Compute(kCheckText, sizeof kCheckText), 0xA1);
    EXPECT_EQ(crc.Compute(nullptr, 0), 0x00);
    // Without a final XOR, the checksum over data followed by its own checksum is 0.
    const uint8_t frame[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 0xA1};
    EXPECT_EQ(crc.Compute(frame, sizeof frame), 0x00);
}
