// A data-log file read for the chart.
#include "ui/chart/DataLogReader.h"

#include "runtime/OsFile.h"
#include "runtime/OsHandle.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kShownLineLength = 60;
// Big enough that a million-row file takes few calls, small enough for a live progress bar.
constexpr std::uint32_t kReadPiece = 1 << 20;

const SeriesKind kColumnSeries[kLogColumns] = {
    SeriesKind::Temperature, SeriesKind::Angle,   SeriesKind::Lls1,    SeriesKind::Lls2,
    SeriesKind::VectorX,     SeriesKind::VectorY, SeriesKind::VectorZ, SeriesKind::Auxiliary,
};

std::wstring Shown(std::string_view line)
{
    std::wstring text;
    for (char c : line.substr(0, kShownLineLength))
        text += c >= 0x20 && c < 0x7F ? wchar_t(c) : L'?';
    if (line.size() > kShownLineLength)
        text += L"...";
    return text;
}

}  // namespace

DataLogParser::DataLogParser() = default;

void DataLogParser::Feed(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        if (end == std::string_view::npos) {
            m_partial.append(bytes);
            return;
        }
        if (m_partial.empty()) {
            Line(bytes.substr(0, end));
        } else {
            m_partial.append(bytes.substr(0, end));
            Line(m_partial);
            m_partial.clear();
        }
        bytes.remove_prefix(end + 1);
    }
}

void DataLogParser::Finish()
{
    if (!m_partial.empty())
        Line(m_partial);
    m_partial.clear();
}

void DataLogParser::Line(std::string_view line)
{
    ++m_lineNumber;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    DataLogRow row;
    if (!ParseDataLogRow(line, row)) {
        ++m_skipped;
        if (m_named.size() < kNamedSkippedLines)
            m_named.push_back(SkippedLine{m_lineNumber, Shown(line)});
        return;
    }
    if (row.elapsed < m_lastElapsed && !m_times.empty()) {
        // A new logging run: after the last row, with a sample of no values between them.
        m_offset = m_times.back() + kRunGapMs;
        m_times.push_back(m_times.back() + kRunGapMs / 2);
        for (std::vector<float>& column : m_columns)
            column.push_back(std::nanf(""));
    }
    m_lastElapsed = row.elapsed;
    m_times.push_back(m_offset + row.elapsed);
    for (std::size_t c = 0; c < kLogColumns; ++c) {
        m_columns[c].push_back(row.values[c]);
        m_columnUsed[c] = m_columnUsed[c] || !std::isnan(row.values[c]);
    }
    ++m_rows;
}

SampleStore DataLogParser::TakeSamples()
{
    SampleStore samples(m_times.size());
    std::size_t series[kLogColumns] = {};
    for (std::size_t c = 0; c < kLogColumns; ++c)
        if (m_columnUsed[c])
            series[c] = samples.AddSeries(SeriesId{kColumnSeries[c], 0});
    for (std::size_t i = 0; i < m_times.size(); ++i) {
        samples.Append(m_times[i]);
        for (std::size_t c = 0; c < kLogColumns; ++c)
            if (m_columnUsed[c] && !std::isnan(m_columns[c][i]))
                samples.Set(series[c], m_columns[c][i]);
    }
    m_times = {};
    for (std::vector<float>& column : m_columns)
        column = {};
    return samples;
}

DataLogFile ReadDataLogFile(const std::wstring& path, const DataLogProgress& progress)
{
    DataLogFile result;
    const THandle file = OsCreateFile(path.c_str(), osfile::kGenericRead, osfile::kShareRead | osfile::kShareWrite,
                                      osfile::kOpenExisting, osfile::kAttributeNormal);
    if (file == InvalidHandleValue()) {
        result.status = DataLogStatus::CannotOpen;
        result.systemError = OsLastError();
        return result;
    }
    std::int64_t total = 0;
    OsGetFileSize(file, &total);
    DataLogParser parser;
    std::vector<char> piece(kReadPiece);
    std::int64_t done = 0;
    for (;;) {
        std::uint32_t got = 0;
        if (!OsReadFile(file, piece.data(), kReadPiece, &got)) {
            result.status = DataLogStatus::CannotRead;
            result.systemError = OsLastError();
            OsCloseHandle(file);
            return result;
        }
        if (got == 0)
            break;
        parser.Feed(std::string_view(piece.data(), got));
        done += got;
        if (progress && !progress(done, std::max(total, done))) {
            result.status = DataLogStatus::Stopped;
            OsCloseHandle(file);
            return result;
        }
    }
    OsCloseHandle(file);
    parser.Finish();
    result.rows = parser.Rows();
    result.skipped = parser.SkippedCount();
    result.namedSkipped = parser.NamedSkipped();
    if (result.rows == 0) {
        result.status = DataLogStatus::NoRows;
        return result;
    }
    result.samples = std::make_unique<SampleStore>(parser.TakeSamples());
    return result;
}
