// The report of a fleet run: one record per vehicle, as CSV or JSON, and read back to resume.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

enum class FleetOutcome {
    Done,     // the work is on the sensor, checked
    Failed,   // it is not (or not known to be): the message says why
    Skipped,  // done in an earlier run, taken from its report
};

struct FleetRecord {
    uint32_t terminal = 0;
    std::wstring label;
    std::wstring serialNumber;
    std::wstring firmwareBefore;
    std::wstring firmwareAfter;
    FleetOutcome outcome = FleetOutcome::Failed;
    unsigned tries = 0;
    std::wstring message;  // the product's own words, and the system's reason where there is one
    std::wstring start;    // UTC, "2026-12-10T14:05:31Z"; empty when it never started
    std::wstring end;
};

// The outcome's word in the report: "done", "failed", "skipped" in every language, for scripts.
const wchar_t* FleetOutcomeWord(FleetOutcome outcome);

enum class FleetReportForm { Csv, Json };

// The form a report's file name asks for (".json" in any case is JSON, anything else CSV).
FleetReportForm FleetReportFormOf(const std::wstring& path);

// CSV with a header line, or a JSON array of objects, one record a line; the keys are terminal,
// label, serial_number, firmware_before, firmware_after, outcome, tries, message, start, end.
std::wstring FleetReportText(const std::vector<FleetRecord>& records, FleetReportForm form);

// An earlier report in either form. False with error (naming the line) when it is not one.
bool ReadFleetReport(const std::wstring& text, std::vector<FleetRecord>& records, std::wstring& error);

// A time of the report: the system time (100-ns steps since 1601, UTC) as "2026-12-10T14:05:31Z".
std::wstring FleetTimeText(uint64_t systemTime);

// The terminals a resumed run leaves alone: done then, or already skipped as done before.
std::set<uint32_t> FinishedTerminals(const std::vector<FleetRecord>& records);
