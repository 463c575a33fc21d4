// Tests of the model names, the firmware capabilities and the value-code names.
#include "protocol/SensorModel.h"
#include "protocol/ValueCodes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SensorModel, NamesAndSupportByDeviceType)
{
    struct Case {
        std::uint32_t type;
        const wchar_t* name;
        bool supported;
    } cases[] = {
        {3001, L"Vextora T3", false},
        {3002, L"FNX 40-01", false},
        {3102, L"FNX 40-02", false},
        {3201, L"TQS 25-07", true},
        {3200, nullptr, false},
        {0, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const wchar_t* name = ModelName(c.type);
        if (c.name == nullptr)
            EXPECT_EQ(name, nullptr);
        else
            EXPECT_EQ(std::wstring(name ? name : L"(none)"), c.name);
        EXPECT_EQ(IsSupportedModel(c.type), c.supported);
    }
}

TEST(SensorModel, CapabilitiesByFirmwareVersion)
{
    struct Case {
        std::uint32_t version;
        bool frequency, magnets;
        unsigned flagsLimit, codeLimit, listCount;
    } cases[] = {
        {0, false, false, 1, 14, 14},
        {5, false, false, 1, 14, 14},
        {6, false, false, 1, 14, 14},
        {7, true, false, 3, 21, 20},
        {8, true, true, 3, 21, 20},
        {9, true, true, 3, 21, 21},
        {0xFFFFFFFFu, true, true, 3, 21, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        EXPECT_EQ(HasFrequencyMode(c.version), c.frequency);
        EXPECT_EQ(HasSecondaryAddress(c.version), c.frequency);
        EXPECT_EQ(HasMagnetDetectors(c.version), c.magnets);
        EXPECT_EQ(AddressFlagsLimit(c.version), c.flagsLimit);
        EXPECT_EQ(ValueCodeLimit(c.version), c.codeLimit);
        EXPECT_EQ(ValueCodeListCount(c.version), c.listCount);
    }
}

TEST(ValueCodes, NamedCodesShowTheirStringAndOthersTheirNumber)
{
    // The codes whose strings are out of numeric order are the ones a slip
    // would break first.
    struct Case {
        unsigned code;
        const wchar_t* name;
    } cases[] = {
        {0, L"<Not used>"},
        {1, L"Inclination angle (0..180°)"},
        {3, L"Gear working state"},
        {4, L"Working cycle counter"},
        {5, L"Angular motion (0-none, 1-down, 2-up)"},
        {12, L"1st magnet detector pulse counter (0..32767)"},
        {13, L"1st magnet detector pulse frequency (0..32767 mHz)"},
        {14, L"Rotation  (0-none, 1-right, 2-left)"},
        {20, L"Sensor serial number (0..32767)"},
        {21, L"21"},
        {25, L"25"},
        {65535, L"65535"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(ValueCodeName(c.code), c.name);
    }
    EXPECT_EQ(ValueCodeStringId(21), 0u);
}

} // namespace
