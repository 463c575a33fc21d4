// The value list's rows: names and values of the live extra values, alternating down one column.
#pragma once

#include <cstddef>
#include <string>

class CValueRows
{
public:
    // Row 2k takes the name of pair k and row 2k+1 its value. A row that holds its text
    // already is left alone (no flicker, the selection stays), missing rows are appended
    // and rows from 2 * count on are deleted. count above the session's 16 pairs is cut.
    void Fill(std::size_t count, const std::wstring* names, const std::wstring* values);

protected:
    ~CValueRows() = default;

    virtual int RowCount() const = 0;
    virtual std::wstring RowText(int row) const = 0;
    virtual void SetRowText(int row, const std::wstring& text) = 0;
    virtual void AppendRow(const std::wstring& text) = 0;
    virtual void DeleteRow(int row) = 0;
};
