// The report of a fleet run: one record per vehicle, as CSV or JSON, and read back to resume.
#include "ui/cli/FleetReport.h"

#include "runtime/CalendarTime.h"
#include "ui/app/JsonText.h"
#include "ui/cli/CliArguments.h"
#include "ui/cli/CliText.h"
#include "ui/cli/CsvText.h"
#include "ui/resources/cli_ids.h"

#include <cwchar>
#include <cwctype>
#include <functional>
#include <map>

namespace {

struct OutcomeWord {
    FleetOutcome outcome;
    const wchar_t* word;
};

constexpr OutcomeWord kOutcomeWords[] = {
    {FleetOutcome::Done, L"done"}, {FleetOutcome::Failed, L"failed"}, {FleetOutcome::Skipped, L"skipped"}};

// Each column: its key, how a record gives its text, and how the text goes back in.
struct Column {
    const wchar_t* key;
    bool number;  // a JSON number rather than a string
    std::function<std::wstring(const FleetRecord&)> get;
    std::function<bool(FleetRecord&, const std::wstring&)> set;
};

std::function<bool(FleetRecord&, const std::wstring&)> Text(std::wstring FleetRecord::*field)
{
    return [field](FleetRecord& r, const std::wstring& v) {
        r.*field = v;
        return true;
    };
}

const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns = {
        {L"terminal", true, [](const FleetRecord& r) { return std::to_wstring(r.terminal); },
         [](FleetRecord& r, const std::wstring& v) { return ReadCliNumber(v, r.terminal) && r.terminal != 0; }},
        {L"label", false, [](const FleetRecord& r) { return r.label; }, Text(&FleetRecord::label)},
        {L"serial_number", false, [](const FleetRecord& r) { return r.serialNumber; }, Text(&FleetRecord::serialNumber)},
        {L"firmware_before", false, [](const FleetRecord& r) { return r.firmwareBefore; },
         Text(&FleetRecord::firmwareBefore)},
        {L"firmware_after", false, [](const FleetRecord& r) { return r.firmwareAfter; }, Text(&FleetRecord::firmwareAfter)},
        {L"outcome", false, [](const FleetRecord& r) { return std::wstring(FleetOutcomeWord(r.outcome)); },
         [](FleetRecord& r, const std::wstring& v) {
             for (const OutcomeWord& w : kOutcomeWords)
                 if (v == w.word)
                     return r.outcome = w.outcome, true;
             return false;
         }},
        {L"tries", true, [](const FleetRecord& r) { return std::to_wstring(r.tries); },
         [](FleetRecord& r, const std::wstring& v) {
             uint32_t n = 0;
             return ReadCliNumber(v, n) ? (r.tries = n, true) : false;
         }},
        {L"message", false, [](const FleetRecord& r) { return r.message; }, Text(&FleetRecord::message)},
        {L"start", false, [](const FleetRecord& r) { return r.start; }, Text(&FleetRecord::start)},
        {L"end", false, [](const FleetRecord& r) { return r.end; }, Text(&FleetRecord::end)},
    };
    return columns;
}

const Column* ColumnOf(const std::wstring& key)
{
    for (const Column& c : Columns())
        if (key == c.key)
            return &c;
    return nullptr;
}

std::wstring AtLine(std::size_t line, const std::wstring& what)
{
    return CliText(IDS_CLI_FLEET_LINE, {std::to_wstring(line), what});
}

// One record from its keys and texts; every column must be there once.
bool ReadRecord(std::size_t line, const std::vector<std::pair<std::wstring, std::wstring>>& fields, FleetRecord& record,
                std::wstring& error)
{
    std::map<std::wstring, bool> seen;
    for (const auto& [key, value] : fields) {
        const Column* column = ColumnOf(key);
        if (!column || seen[key]) {
            error = AtLine(line, CliText(column ? IDS_CLI_FLEET_REPEATED_COLUMN : IDS_CLI_REPORT_UNKNOWN_COLUMN, {key}));
            return false;
        }
        seen[key] = true;
        if (!column->set(record, value)) {
            error = AtLine(line, CliText(IDS_CLI_FLEET_BAD_FIELD, {key, value, CliText(IDS_CLI_REPORT_NOT_ITS_VALUE)}));
            return false;
        }
    }
    for (const Column& c : Columns()) {
        if (!seen[c.key]) {
            error = AtLine(line, CliText(IDS_CLI_REPORT_MISSING_COLUMN, {c.key}));
            return false;
        }
    }
    return true;
}

}  // namespace

const wchar_t* FleetOutcomeWord(FleetOutcome outcome)
{
    for (const OutcomeWord& w : kOutcomeWords)
        if (w.outcome == outcome)
            return w.word;
    return L"failed";
}

FleetReportForm FleetReportFormOf(const std::wstring& path)
{
    std::wstring tail = path.size() >= 5 ? path.substr(path.size() - 5) : path;
    for (wchar_t& c : tail)
        c = static_cast<wchar_t>(std::towlower(c));
    return tail == L".json" ? FleetReportForm::Json : FleetReportForm::Csv;
}

std::wstring FleetReportText(const std::vector<FleetRecord>& records, FleetReportForm form)
{
    std::wstring text;
    if (form == FleetReportForm::Csv) {
        for (const Column& c : Columns())
            text += (text.empty() ? L"" : L",") + std::wstring(c.key);
        text += L"\r\n";
        for (const FleetRecord& r : records) {
            std::wstring line;
            for (const Column& c : Columns())
                line += (line.empty() ? L"" : L",") + CsvField(c.get(r));
            text += line + L"\r\n";
        }
        return text;
    }
    text = L"[";
    for (std::size_t i = 0; i < records.size(); ++i) {
        CJsonObject object;
        for (const Column& c : Columns()) {
            if (c.number)
                object.Raw(c.key, c.get(records[i]));
            else
                object.String(c.key, c.get(records[i]));
        }
        text += (i ? L",\n  " : L"\n  ") + object.Text();
    }
    return text + (records.empty() ? L"]\n" : L"\n]\n");
}

bool ReadFleetReport(const std::wstring& text, std::vector<FleetRecord>& records, std::wstring& error)
{
    records.clear();
    const std::size_t start = text.find_first_not_of(L" \t\r\n\xFEFF");
    std::vector<std::pair<std::size_t, std::vector<std::pair<std::wstring, std::wstring>>>> rows;
    if (start != std::wstring::npos && text[start] == L'[') {
        std::vector<JsonArrayItem> items;
        if (!ParseFlatJsonArray(text, items, error))
            return false;
        for (const JsonArrayItem& item : items) {
            rows.emplace_back(item.line, std::vector<std::pair<std::wstring, std::wstring>>{});
            for (const JsonMember& m : item.members)
                rows.back().second.emplace_back(m.key, m.value);
        }
    } else {
        std::vector<CsvRow> csv;
        if (!ParseCsv(text, csv, error))
            return false;
        for (std::size_t r = 1; r < csv.size(); ++r) {
            if (csv[r].fields.size() != csv[0].fields.size()) {
                error = AtLine(csv[r].line, CliText(IDS_CLI_FLEET_FIELD_COUNT, {std::to_wstring(csv[r].fields.size()),
                                                                                std::to_wstring(csv[0].fields.size())}));
                return false;
            }
            rows.emplace_back(csv[r].line, std::vector<std::pair<std::wstring, std::wstring>>{});
            for (std::size_t i = 0; i < csv[r].fields.size(); ++i)
                rows.back().second.emplace_back(csv[0].fields[i], csv[r].fields[i]);
        }
    }
    for (const auto& [line, fields] : rows) {
        FleetRecord record;
        if (!ReadRecord(line, fields, record, error))
            return false;
        records.push_back(record);
    }
    return true;
}

std::wstring FleetTimeText(uint64_t systemTime)
{
    const TCalendarTime t = CalendarFromFileTime(systemTime);
    wchar_t text[32];
    std::swprintf(text, 32, L"%04u-%02u-%02uT%02u:%02u:%02uZ", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return text;
}

std::set<uint32_t> FinishedTerminals(const std::vector<FleetRecord>& records)
{
    std::set<uint32_t> finished;
    for (const FleetRecord& r : records)
        if (r.outcome != FleetOutcome::Failed)
            finished.insert(r.terminal);
    return finished;
}
