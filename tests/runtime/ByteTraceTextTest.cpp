// Tests of the "Rx[n]:" / "Tx[n]:" debug text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/ByteTraceText.h"

namespace {

std::wstring Trace(const char* direction, const std::vector<uint8_t>& bytes)
{
    wchar_t text[kByteTraceChars];
    const std::size_t length = FormatByteTrace(text, direction, bytes.data(), bytes.size());
    EXPECT_EQ(length, std::wstring(text).size());
    return text;
}

TEST(ByteTraceTextTest, HeaderThenTwoDigitsAndABlankPerByte)
{
    struct Case {
        const char* direction;
        std::vector<uint8_t> bytes;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"Rx", {0x01, 0xA0, 0xFF}, L"Rx[3]:01 A0 FF "},
        {"Tx", {}, L"Tx[0]:"},
        {"Rx", {0x0A}, L"Rx[1]:0A "},
        {"Tx", {0x00, 0x7F, 0x80}, L"Tx[3]:00 7F 80 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Trace(c.direction, c.bytes), c.text);
}

TEST(ByteTraceTextTest, BytesThatDoNotFitEndInAnExclamationMark)
{
    // Behind a 9-character header, 1361 groups of 3 leave exactly 4 characters free: the limit.
    const std::wstring full = Trace("Rx", std::vector<uint8_t>(1361, 0x5A));
    EXPECT_EQ(full.size(), 9u + 3u * 1361u);
    EXPECT_EQ(full.back(), L' ');

    const std::wstring cut = Trace("Rx", std::vector<uint8_t>(1362, 0x5A));
    EXPECT_EQ(cut.substr(0, 9), L"Rx[1362]:");
    EXPECT_EQ(cut.substr(9), full.substr(9) + L"!");

    const std::wstring far = Trace("Tx", std::vector<uint8_t>(5000, 0x5A));
    EXPECT_LT(far.size(), kByteTraceChars);
    EXPECT_EQ(far.back(), L'!');
    EXPECT_EQ(far.find(L"5A 5A 5A"), 9u);
}

}  // namespace
