// What the viewer and kivra-cli say about a data-log file they read, in the interface language.
#pragma once

#include "ui/chart/DataLogReader.h"

#include <string>
#include <vector>

// Nothing for a file whose every line is a row; else how many lines were skipped, then the
// first few, each with its line number.
std::vector<std::wstring> SkippedLinesReport(const DataLogFile& file);

// The one line that refuses a file without a single row.
std::wstring NoRowsText(const std::wstring& path);
