// Data-log rows in both forms as the program writes them, and lines that are no rows.
#include "ui/chart/DataLogRow.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float N = NAN;

struct RowCase {
    const char* line;
    bool row;
    std::int32_t elapsed;
    float values[kLogColumns];
    bool longForm;
};

const RowCase kRows[] = {
    // Short rows: "%d" elapsed, "%5.1f" temperature and angle, "%d" LLS parameters.
    {"0,  23.4,  12.5, 100, 10", true, 0, {23.4f, 12.5f, 100, 10, N, N, N, N}, false},
    {"180, -12.0, 179.9, -5, 0", true, 180, {-12, 179.9f, -5, 0, N, N, N, N}, false},
    {"360, ,  12.5, , ", true, 360, {N, 12.5f, N, N, N, N, N, N}, false},
    // Long rows: the vector "%f, %f, %f" and the auxiliary value.
    {"2147483647,  23.4,  12.5, 100, 10, 0.125000, -0.500000, 1.000000,   3.5", true, 2147483647,
     {23.4f, 12.5f, 100, 10, 0.125f, -0.5f, 1, 3.5f}, true},
    // A vector with no text yet is one empty field.
    {"40,  23.4,  12.5, 100, 10, ,   3.5", true, 40, {23.4f, 12.5f, 100, 10, N, N, N, 3.5f}, true},
    {"40,  23.4,  12.5, 100, 10, , ", true, 40, {23.4f, 12.5f, 100, 10, N, N, N, N}, true},
    {"7, 1.0, 2.0, 3, 4, nan, -nan, inf, 0.0", true, 7, {1, 2, 3, 4, N, N, N, 0}, true},
    // Not rows.
    {"", false},
    {"elapsed, temperature, angle, lls1, lls2", false},
    {"0, 23.4, 12.5, 100", false},
    {"0, 23.4, 12.5, 100, 10, 5", false},
    {"0, 23.4, 12.5, 100, 10, 1.0, 2.0, 3.5", false},
    {"0, 23.4, 12.5, 100, 10, 1.0, 3.5", false},
    {"0, 23.4, 12.5, 100, 10, 1.0, 2.0, 3.0, 3.5, 9", false},
    {", 23.4, 12.5, 100, 10", false},
    {"1.5, 23.4, 12.5, 100, 10", false},
    {"+1, 23.4, 12.5, 100, 10", false},
    {"2147483648, 23.4, 12.5, 100, 10", false},
    {"0, 23,4, 12.5, 100, 10", false},
    {"0, 23.4x, 12.5, 100, 10", false},
    {"0, 23.4, 12.5, 1 00, 10", false},
    {"0;23.4;12.5;100;10", false},
};

TEST(DataLogRow, BothFormsAndNothingElse)
{
    for (const RowCase& c : kRows) {
        DataLogRow row;
        ASSERT_EQ(ParseDataLogRow(c.line, row), c.row) << c.line;
        if (!c.row)
            continue;
        EXPECT_EQ(row.elapsed, c.elapsed) << c.line;
        EXPECT_EQ(row.longForm, c.longForm) << c.line;
        for (std::size_t i = 0; i < kLogColumns; ++i) {
            if (std::isnan(c.values[i]))
                EXPECT_TRUE(std::isnan(row.values[i])) << c.line << " column " << i;
            else
                EXPECT_FLOAT_EQ(row.values[i], c.values[i]) << c.line << " column " << i;
        }
    }
}

}  // namespace
