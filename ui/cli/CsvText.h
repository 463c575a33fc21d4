// Comma-separated text: the lists of vehicles and the fleet reports a spreadsheet opens.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct CsvRow {
    std::size_t line = 0;  // where the row starts
    std::vector<std::wstring> fields;
};

// Rows of fields separated by commas; a field in double quotes may hold commas, line breaks
// and "" for a quote. Blank lines and lines that start with '#' are left out. False, with
// error naming the line, when a quoted field does not end.
bool ParseCsv(const std::wstring& text, std::vector<CsvRow>& rows, std::wstring& error);

// A field as ParseCsv reads it back: quoted when it holds a comma, a quote, a line break or
// leading blanks.
std::wstring CsvField(const std::wstring& text);
