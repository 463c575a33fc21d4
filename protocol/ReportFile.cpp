// The data log file: rows of live values appended as single-byte text lines.
#include "protocol/ReportFile.h"

#include <algorithm>
#include <climits>

#include "runtime/AnsiText.h"
#include "runtime/OsFile.h"
#include "runtime/ProcessClock.h"

namespace
{
void AppendField(std::string& row, const std::wstring& text)
{
    char bytes[256];
    row += ", ";
    row.append(bytes, WideToAnsi(text.c_str(), text.size(), bytes, sizeof bytes));
}
}

CReportFile::CReportFile(const wchar_t* path)
    : TFileHandleObject(path, osfile::kGenericRead | osfile::kGenericWrite, osfile::kShareRead,
                        osfile::kOpenAlways, osfile::kAttributeNormal)
{
}

std::wstring CReportFile::FileName(const std::wstring& folder, uint32_t serialNumber)
{
    return folder + L"GearLog_" + std::to_wstring(serialNumber) + L".txt";
}

bool CReportFile::WriteRow(const DisplayTexts& texts, bool longForm)
{
    const int64_t now = NowMilliseconds();
    const bool first = m_firstRowTime == kNotYet;
    if (first)
        m_firstRowTime = now;
    const int64_t elapsed = std::clamp<int64_t>(now - m_firstRowTime, INT_MIN, INT_MAX);

    std::string row = std::to_string(elapsed);
    AppendField(row, texts.temperature);
    AppendField(row, texts.angle);
    AppendField(row, texts.lls[0]);
    AppendField(row, texts.lls[1]);
    if (longForm) {
        AppendField(row, texts.vector);
        AppendField(row, texts.auxiliary);
    }
    row += "\r\n";
    // The first row goes after the content found at opening, the others after the row before.
    const int64_t rowStart = first ? Size() : Position();
    if (WriteAt(first ? rowStart : -1, uint32_t(row.size()), row.data())) {
        ++m_rows;
        return true;
    }
    // A full disk may have taken part of the row; a reader of the file must find whole rows only.
    const TErrorCode reason = GetError();
    CutAt(rowStart);
    SetError(reason);
    return false;
}
