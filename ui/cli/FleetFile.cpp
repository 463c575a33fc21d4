// The list of vehicles a fleet command works through: CSV with a header line, or a JSON array.
#include "ui/cli/FleetFile.h"

#include "ui/app/JsonText.h"
#include "ui/cli/CliArguments.h"
#include "ui/cli/CliText.h"
#include "ui/cli/CsvText.h"
#include "ui/resources/cli_ids.h"

#include <map>
#include <utility>

namespace {

using Fields = std::vector<std::pair<std::wstring, std::wstring>>;

// A row as its key and value texts, from either form.
struct KeyedRow {
    std::size_t line = 0;
    Fields fields;
};

const wchar_t* const kColumns[] = {L"terminal", L"terminal_port", L"terminal_baud", L"address", L"label"};

bool KnownColumn(const std::wstring& name)
{
    for (const wchar_t* column : kColumns)
        if (name == column)
            return true;
    return false;
}

std::wstring AtLine(std::size_t line, const std::wstring& what)
{
    return CliText(IDS_CLI_FLEET_LINE, {std::to_wstring(line), what});
}

std::wstring Trimmed(const std::wstring& text)
{
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::wstring();
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// A row's keys checked against the columns: what is wrong goes to errors.
bool CheckKeys(const KeyedRow& row, std::vector<std::wstring>& errors)
{
    std::map<std::wstring, int> seen;
    bool good = true;
    for (const auto& [key, value] : row.fields) {
        if (!KnownColumn(key)) {
            errors.push_back(AtLine(row.line, CliText(IDS_CLI_FLEET_UNKNOWN_COLUMN, {key})));
            good = false;
        } else if (seen[key]++ == 1) {
            errors.push_back(AtLine(row.line, CliText(IDS_CLI_FLEET_REPEATED_COLUMN, {key})));
            good = false;
        }
    }
    return good;
}

bool CsvRows(const std::wstring& text, std::vector<KeyedRow>& rows, std::vector<std::wstring>& errors)
{
    std::vector<CsvRow> csv;
    std::wstring error;
    if (!ParseCsv(text, csv, error)) {
        errors.push_back(error);
        return false;
    }
    if (csv.empty())
        return true;
    KeyedRow header{csv[0].line, {}};
    for (const std::wstring& name : csv[0].fields)
        header.fields.emplace_back(Trimmed(name), L"");
    if (!CheckKeys(header, errors))
        return false;
    bool terminalColumn = false;
    for (const auto& column : header.fields)
        terminalColumn = terminalColumn || column.first == L"terminal";
    if (!terminalColumn) {
        errors.push_back(AtLine(header.line, CliText(IDS_CLI_FLEET_NO_TERMINAL_COLUMN)));
        return false;
    }
    for (std::size_t r = 1; r < csv.size(); ++r) {
        const CsvRow& row = csv[r];
        if (row.fields.size() != header.fields.size()) {
            errors.push_back(AtLine(row.line, CliText(IDS_CLI_FLEET_FIELD_COUNT, {std::to_wstring(row.fields.size()),
                                                                                  std::to_wstring(header.fields.size())})));
            continue;
        }
        KeyedRow keyed{row.line, {}};
        for (std::size_t i = 0; i < row.fields.size(); ++i)
            keyed.fields.emplace_back(header.fields[i].first, row.fields[i]);
        rows.push_back(std::move(keyed));
    }
    return true;
}

bool JsonRows(const std::wstring& text, std::vector<KeyedRow>& rows, std::vector<std::wstring>& errors)
{
    std::vector<JsonArrayItem> items;
    std::wstring error;
    if (!ParseFlatJsonArray(text, items, error)) {
        errors.push_back(error);
        return false;
    }
    for (const JsonArrayItem& item : items) {
        KeyedRow row{item.line, {}};
        for (const JsonMember& member : item.members)
            row.fields.emplace_back(member.key, member.value == L"null" && !member.isString ? L"" : member.value);
        if (CheckKeys(row, errors))
            rows.push_back(std::move(row));
    }
    return true;
}

// One vehicle from a row whose keys are known; false with its faults in errors.
bool ReadVehicle(const KeyedRow& row, FleetVehicle& vehicle, std::vector<std::wstring>& errors)
{
    vehicle.line = row.line;
    const std::size_t before = errors.size();
    for (const auto& [key, raw] : row.fields) {
        const std::wstring value = key == L"label" ? raw : Trimmed(raw);
        uint32_t number = 0;
        const auto bad = [&](unsigned rule) {
            errors.push_back(AtLine(row.line, CliText(IDS_CLI_FLEET_BAD_FIELD, {key, value, CliText(rule)})));
        };
        if (key == L"label") {
            vehicle.label = value;
        } else if (value.empty() && key != L"terminal") {
            continue;  // the default
        } else if (key == L"terminal") {
            if (!ReadCliNumber(value, vehicle.terminal) || vehicle.terminal == 0)
                bad(IDS_CLI_ARG_TERMINAL);
        } else if (key == L"terminal_port") {
            if (!ReadCliNumber(value, vehicle.terminalPort) || vehicle.terminalPort < 1 || vehicle.terminalPort > 2)
                bad(IDS_CLI_ARG_TERMINAL_PORT);
        } else if (key == L"terminal_baud") {
            if (!ReadCliNumber(value, vehicle.terminalBaud) || !IsCliBaudRate(vehicle.terminalBaud))
                bad(IDS_CLI_ARG_BAUD);
        } else if (key == L"address") {
            if (!ReadCliNumber(value, number) || number > 255)
                bad(IDS_CLI_ARG_ADDRESS);
            vehicle.address = static_cast<int>(number);
        }
    }
    bool named = false;
    for (const auto& field : row.fields)
        named = named || field.first == L"terminal";
    if (!named)
        errors.push_back(AtLine(row.line, CliText(IDS_CLI_FLEET_NO_TERMINAL)));
    return errors.size() == before;
}

}  // namespace

bool ReadFleetText(const std::wstring& text, std::vector<FleetVehicle>& vehicles, std::vector<std::wstring>& errors)
{
    vehicles.clear();
    errors.clear();
    const std::size_t start = text.find_first_not_of(L" \t\r\n\xFEFF");
    const bool json = start != std::wstring::npos && text[start] == L'[';
    std::vector<KeyedRow> rows;
    if (!(json ? JsonRows(text, rows, errors) : CsvRows(text, rows, errors)))
        return false;
    std::map<uint32_t, std::size_t> lineOf;
    for (const KeyedRow& row : rows) {
        FleetVehicle vehicle;
        if (!ReadVehicle(row, vehicle, errors))
            continue;
        const auto [first, isNew] = lineOf.emplace(vehicle.terminal, vehicle.line);
        if (!isNew) {
            errors.push_back(AtLine(vehicle.line, CliText(IDS_CLI_FLEET_DUPLICATE, {std::to_wstring(vehicle.terminal),
                                                                                    std::to_wstring(first->second)})));
            continue;
        }
        vehicles.push_back(vehicle);
    }
    if (errors.empty() && vehicles.empty())
        errors.push_back(CliText(IDS_CLI_FLEET_EMPTY));
    return errors.empty();
}
