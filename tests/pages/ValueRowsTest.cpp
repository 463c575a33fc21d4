// The value list's row rewrite rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/pages/ValueRows.h"

namespace {

// Rows in memory, counting what the rule did to them.
class RecordingRows : public CValueRows
{
public:
    std::vector<std::wstring> rows;
    int rewrites = 0;
    int appends = 0;
    std::vector<int> deleted;

protected:
    int RowCount() const override { return int(rows.size()); }
    std::wstring RowText(int row) const override { return rows.at(row); }
    void SetRowText(int row, const std::wstring& text) override
    {
        rows.at(row) = text;
        ++rewrites;
    }
    void AppendRow(const std::wstring& text) override
    {
        rows.push_back(text);
        ++appends;
    }
    void DeleteRow(int row) override
    {
        rows.erase(rows.begin() + row);
        deleted.push_back(row);
    }
};

const std::wstring kNames[16] = {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H",
                                 L"I", L"J", L"K", L"L", L"M", L"N", L"O", L"P"};

} // namespace

TEST(ValueRows, FewerPairsKeepTheirRowsRewriteOnlyChangesAndDeleteTheRest)
{
    RecordingRows list;
    const std::wstring five[] = {L"1", L"2", L"3", L"4", L"5"};
    list.Fill(5, kNames, five);
    EXPECT_EQ(list.appends, 10);
    EXPECT_EQ(list.rows, (std::vector<std::wstring>{L"A", L"1", L"B", L"2", L"C", L"3", L"D", L"4", L"E", L"5"}));

    list.appends = 0;
    const std::wstring three[] = {L"1", L"9", L"3"};
    list.Fill(3, kNames, three);
    EXPECT_EQ(list.rows, (std::vector<std::wstring>{L"A", L"1", L"B", L"9", L"C", L"3"}));
    EXPECT_EQ(list.rewrites, 1);  // only row 3 changed
    EXPECT_EQ(list.appends, 0);
    EXPECT_EQ(list.deleted, (std::vector<int>{9, 8, 7, 6}));
}

TEST(ValueRows, NoPairsEmptiesAndMoreThanSixteenAreCut)
{
    RecordingRows list;
    const std::wstring values[17] = {};
    list.Fill(17, kNames, values);
    EXPECT_EQ(list.rows.size(), 32u);
    list.Fill(0, kNames, values);
    EXPECT_TRUE(list.rows.empty());
}
