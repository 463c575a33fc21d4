// A data-log file read for the chart: every row onto one time line, lines that are no rows
// skipped, counted and the first few kept with their line numbers. The file is only read.
#pragma once

#include "ui/chart/DataLogRow.h"
#include "ui/chart/SampleStore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct SkippedLine {
    std::uint64_t number = 0;  // counted from 1
    std::wstring text;         // shortened, bytes outside printable ASCII as '?'
};

// How many skipped lines a reader keeps to name them.
constexpr std::size_t kNamedSkippedLines = 5;

// Logging switched off and on again appends a run whose elapsed time starts at 0 anew; each run
// goes on the time line after the one before, this far apart, with no line drawn across.
constexpr std::int64_t kRunGapMs = 1000;

// Lines in, samples out; fed in pieces of any size.
class DataLogParser {
public:
    DataLogParser();

    // Operations
    void Feed(std::string_view bytes);
    // Takes a last line that has no line end.
    void Finish();

    // Attributes
    std::uint64_t Rows() const { return m_rows; }
    std::uint64_t SkippedCount() const { return m_skipped; }
    const std::vector<SkippedLine>& NamedSkipped() const { return m_named; }
    // The rows on one time line; the series are those some row had a value for.
    SampleStore TakeSamples();

private:
    void Line(std::string_view line);

    std::string m_partial;
    std::uint64_t m_lineNumber = 0;
    std::uint64_t m_rows = 0;
    std::uint64_t m_skipped = 0;
    std::vector<SkippedLine> m_named;
    std::int64_t m_offset = 0;        // added to a row's elapsed time in the current run
    std::int64_t m_lastElapsed = -1;  // of the row before, in its run
    std::vector<std::int64_t> m_times;
    std::vector<float> m_columns[kLogColumns];
    bool m_columnUsed[kLogColumns] = {};
};

enum class DataLogStatus : std::uint8_t { Read, CannotOpen, CannotRead, NoRows, Stopped };

struct DataLogFile {
    DataLogStatus status = DataLogStatus::Read;
    std::uint32_t systemError = 0;  // with CannotOpen and CannotRead
    std::uint64_t rows = 0;
    std::uint64_t skipped = 0;
    std::vector<SkippedLine> namedSkipped;
    std::unique_ptr<SampleStore> samples;  // with Read
};

// progress(bytes read, file size) after each piece; false from it stops the reading.
using DataLogProgress = std::function<bool(std::int64_t done, std::int64_t total)>;
DataLogFile ReadDataLogFile(const std::wstring& path, const DataLogProgress& progress);
