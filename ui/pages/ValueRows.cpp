// The value list's rows.
#include "ui/pages/ValueRows.h"

#include "protocol/LiveData.h"

void CValueRows::Fill(std::size_t count, const std::wstring* names, const std::wstring* values)
{
    if (count > kMaxExtraValues)
        count = kMaxExtraValues;
    const int wanted = int(2 * count);
    for (int row = 0; row < wanted; ++row) {
        const std::wstring& text = row % 2 ? values[row / 2] : names[row / 2];
        if (row >= RowCount())
            AppendRow(text);
        else if (RowText(row) != text)
            SetRowText(row, text);
    }
    // From the end, so that no row moves while the surplus goes.
    for (int row = RowCount() - 1; row >= wanted; --row)
        DeleteRow(row);
}
