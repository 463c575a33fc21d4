// Tests of the display texts built from the live values.
#include "protocol/DisplayTexts.h"

#include "protocol/ValueCodes.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kAllGroups = 0x1FF;

TEST(DisplayTexts, FormatsEachValue)
{
    LiveData live;
    live.temperature = 2155;
    live.angle = -450;
    live.auxiliary = 12345;
    live.lls[0] = -32767;
    live.lls[1] = 65535;
    live.outputValue[0] = 0;
    live.outputValue[1] = 17;
    live.magnet[0] = 0;
    live.magnet[1] = -3;
    live.vector[0] = 1.0f;
    live.vector[1] = -0.5f;
    live.diagnosticFlags = 0x6;
    live.sw = 3000000000u;
    DisplayTexts t;
    RebuildDisplayTexts(live, kAllGroups, t);
    EXPECT_EQ(t.temperature, L" 21.6");
    EXPECT_EQ(t.angle, L" -4.5");
    EXPECT_EQ(t.auxiliary, L"123.5");
    EXPECT_EQ(t.vector, L"1.000000, -0.500000, 0.000000");
    EXPECT_EQ(t.lls[0], L"-32767");
    EXPECT_EQ(t.lls[1], L"65535");
    EXPECT_EQ(t.outputValue[0], L"0");
    EXPECT_EQ(t.outputValue[1], L"17");
    EXPECT_EQ(t.outputState[0], 0);
    EXPECT_EQ(t.outputState[1], -1);
    EXPECT_EQ(t.magnetState[0], 1);
    EXPECT_EQ(t.magnetState[1], 0);
    EXPECT_EQ(t.diagnostics, L"C=0,T=1,A=1,Sw=3000000000");
}

TEST(DisplayTexts, MissingValuesShowNoText)
{
    LiveData live;
    live.temperature = live.angle = live.auxiliary = kNoValue;
    live.lls[0] = live.lls[1] = kNoValue;
    live.outputValue[0] = live.outputValue[1] = kNoValue;
    DisplayTexts t;
    t.temperature = L"old";
    RebuildDisplayTexts(live, kAllGroups, t);
    EXPECT_EQ(t.temperature, L"");
    EXPECT_EQ(t.angle, L"");
    EXPECT_EQ(t.auxiliary, L"");
    EXPECT_EQ(t.lls[0], L"");
    EXPECT_EQ(t.outputValue[1], L"");
    EXPECT_EQ(t.outputState[1], -1);  // no reading is not "off"
}

TEST(DisplayTexts, OnlyTheNamedGroupsAreRebuilt)
{
    LiveData live;
    live.temperature = 100;
    live.angle = 200;
    live.lls[0] = 5;
    DisplayTexts t;
    RebuildDisplayTexts(live, DataAnswerTextGroups(3), t);
    EXPECT_EQ(t.temperature, L"");
    EXPECT_EQ(t.diagnostics, L"C=0,T=0,A=0,Sw=0");

    RebuildDisplayTexts(live, kLlsDataTextGroups, t);
    EXPECT_EQ(t.temperature, L"  1.0");
    EXPECT_EQ(t.lls[0], L"5");
    EXPECT_EQ(t.angle, L"");

    RebuildDisplayTexts(live, DataAnswerTextGroups(4), t);
    EXPECT_EQ(t.angle, L"  2.0");
    EXPECT_EQ(t.vector, L"");
    EXPECT_EQ(t.outputState[0], -1);

    RebuildDisplayTexts(live, DataAnswerTextGroups(6), t);
    EXPECT_EQ(t.outputState[0], 0);
    EXPECT_EQ(t.magnetState[0], 1);
    live.magnet[0] = 1;
    RebuildDisplayTexts(live, DataAnswerTextGroups(6), t);
    EXPECT_EQ(t.magnetState[0], 1);
    RebuildDisplayTexts(live, DataAnswerTextGroups(7), t);
    EXPECT_EQ(t.magnetState[0], 0);
}

TEST(DisplayTexts, ExtraValuesNameTheirCodeAndEmptyTheRest)
{
    LiveData live;
    live.extraCount = 3;
    live.extras[0] = ExtraValue{25, -32768};
    live.extras[1] = ExtraValue{9, -12};
    live.extras[2] = ExtraValue{0, 0};
    DisplayTexts t;
    t.extraName[5] = L"stale";
    t.extraValue[3] = L"stale";
    RebuildDisplayTexts(live, kTextExtras, t);
    EXPECT_EQ(t.extraCount, 3u);
    EXPECT_EQ(t.extraName[0], L"25");
    EXPECT_EQ(t.extraValue[0], L"");
    EXPECT_EQ(t.extraName[1], ValueCodeName(9));
    EXPECT_EQ(t.extraValue[1], L"-12");
    EXPECT_EQ(t.extraValue[2], L"0");
    EXPECT_EQ(t.extraValue[3], L"");
    EXPECT_EQ(t.extraName[5], L"");

    live.extraCount = 1;
    RebuildDisplayTexts(live, kTextExtras, t);
    EXPECT_EQ(t.extraCount, 1u);
    EXPECT_EQ(t.extraName[1], L"");
    EXPECT_EQ(t.extraValue[1], L"");
}

} // namespace
