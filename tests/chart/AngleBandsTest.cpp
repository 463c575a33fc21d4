// Bands on the angle axis from the outputs' settings, written and as edited on the page.
#include "ui/chart/AngleBands.h"

#include <gtest/gtest.h>

namespace {

OutputRecord Output(std::uint8_t code, RangeRecord inactive, RangeRecord active)
{
    OutputRecord record;
    record.valueCode = code;
    record.conditions = ConditionPair{inactive, active};
    return record;
}

RangeRecord In(std::int16_t low, std::int16_t high) { return RangeRecord{kRangeInRange, 0, low, high}; }
RangeRecord Out(std::int16_t low, std::int16_t high) { return RangeRecord{kRangeOutOfRange, 0, low, high}; }
RangeRecord Other() { return RangeRecord{kRangeOtherValues, 0, 0, 0}; }

struct BandCase {
    const char* what;
    OutputRecord record;
    std::vector<AngleBand> expected;
};

TEST(AngleBands, FromTheWrittenSettings)
{
    const BandCase cases[] = {
        {"in range, the rest inactive", Output(1, Other(), In(30, 60)),
         {{0, false, {0, 30}}, {0, false, {60, 180}}, {0, true, {30, 60}}}},
        {"two ranges", Output(1, In(0, 20), In(100, 140)), {{0, false, {0, 20}}, {0, true, {100, 140}}}},
        {"out of range active", Output(1, In(80, 100), Out(70, 110)),
         {{0, false, {80, 100}}, {0, true, {0, 70}}, {0, true, {110, 180}}}},
        {"out of range reaching past the axis", Output(1, Out(0, 200), In(10, 20)),
         {{0, true, {10, 20}}}},
        {"clipped to the axis", Output(1, In(150, 300), Other()), {{0, false, {150, 180}}, {0, true, {0, 150}}}},
        {"a single angle draws nothing", Output(1, Other(), In(45, 45)), {{0, false, {0, 180}}}},
        {"not fed by the angle", Output(9, Other(), In(30, 60)), {}},
        {"not used", Output(0, Other(), Other()), {}},
        {"both in other values", Output(1, Other(), Other()), {}},
    };
    for (const BandCase& c : cases)
        EXPECT_EQ(OutputAngleBands(c.record, 0), c.expected) << c.what;
}

OutputTexts Texts(int code, int inactiveKind, const wchar_t* inactive, int activeKind, const wchar_t* active)
{
    OutputTexts texts;
    texts.valueCode = code;
    texts.conditions.inactive = RangeTexts{inactiveKind, inactive, L"0"};
    texts.conditions.active = RangeTexts{activeKind, active, L"0"};
    return texts;
}

TEST(AngleBands, EditsShowBeforeTheyAreWritten)
{
    const OutputRecord written[2] = {Output(1, Other(), In(30, 60)), Output(0, Other(), Other())};
    struct EditCase {
        const char* what;
        OutputTexts edited[2];
        std::vector<AngleBand> expected;
    };
    const EditCase cases[] = {
        {"as written",
         {Texts(1, 0, L"0..0", 1, L"30..60"), Texts(0, 0, L"", 0, L"")},
         {{0, false, {0, 30}}, {0, false, {60, 180}}, {0, true, {30, 60}}}},
        {"range edited",
         {Texts(1, 0, L"0..0", 1, L"40..90"), Texts(0, 0, L"", 0, L"")},
         {{0, false, {0, 40}, true}, {0, false, {90, 180}, true}, {0, true, {40, 90}, true}}},
        {"a lone number is a range of one angle",
         {Texts(1, 1, L"10", 1, L"30..60"), Texts(0, 0, L"", 0, L"")},
         {{0, true, {30, 60}, true}}},
        {"an edit under way keeps the written bands",
         {Texts(1, 0, L"0..0", 1, L"40.."), Texts(0, 0, L"", 0, L"")},
         {{0, false, {0, 30}}, {0, false, {60, 180}}, {0, true, {30, 60}}}},
        {"output 2 given the angle",
         {Texts(1, 0, L"0..0", 1, L"30..60"), Texts(1, 1, L"0..10", 2, L"0..10")},
         {{0, false, {0, 30}}, {0, false, {60, 180}}, {0, true, {30, 60}}, {1, false, {0, 10}, true},
          {1, true, {10, 180}, true}}},
        {"output 1 taken off the angle", {Texts(3, 0, L"0..0", 1, L"30..60"), Texts(0, 0, L"", 0, L"")}, {}},
    };
    for (const EditCase& c : cases)
        EXPECT_EQ(ChartAngleBands(written, c.edited), c.expected) << c.what;
}

}  // namespace
