// What the viewer and kivra-cli say about a data-log file they read.
#include "ui/chart/DataLogReport.h"

#include "runtime/ResourceText.h"
#include "ui/resources/chart_ids.h"

std::vector<std::wstring> SkippedLinesReport(const DataLogFile& file)
{
    std::vector<std::wstring> lines;
    if (file.skipped == 0)
        return lines;
    lines.push_back(LoadResourceText(IDS_CHART_LOG_SKIPPED, {std::to_wstring(file.skipped)}));
    for (const SkippedLine& line : file.namedSkipped)
        lines.push_back(LoadResourceText(IDS_CHART_LOG_SKIPPED_LINE, {std::to_wstring(line.number), line.text}));
    return lines;
}

std::wstring NoRowsText(const std::wstring& path) { return LoadResourceText(IDS_CHART_LOG_NO_ROWS, {path}); }
