// Comma-separated text: the lists of vehicles and the fleet reports a spreadsheet opens.
#include "ui/cli/CsvText.h"

#include "ui/cli/CliText.h"
#include "ui/resources/cli_ids.h"

namespace {

bool Blank(const CsvRow& row)
{
    return row.fields.size() == 1 && row.fields[0].find_first_not_of(L" \t") == std::wstring::npos;
}

}  // namespace

bool ParseCsv(const std::wstring& text, std::vector<CsvRow>& rows, std::wstring& error)
{
    rows.clear();
    std::size_t line = 1;
    std::size_t at = text.size() && text[0] == 0xFEFF ? 1 : 0;
    while (at < text.size()) {
        if (text[at] == L'#') {
            const std::size_t end = text.find(L'\n', at);
            at = end == std::wstring::npos ? text.size() : end + 1;
            ++line;
            continue;
        }
        CsvRow row;
        row.line = line;
        std::wstring field;
        for (;;) {
            if (at < text.size() && text[at] == L'"' && field.find_first_not_of(L" \t") == std::wstring::npos) {
                field.clear();
                const std::size_t openedOn = line;
                for (++at;; ++at) {
                    if (at >= text.size()) {
                        error = CliText(IDS_CLI_FLEET_LINE, {std::to_wstring(openedOn), CliText(IDS_CLI_FLEET_OPEN_QUOTE)});
                        return false;
                    }
                    if (text[at] == L'"' && at + 1 < text.size() && text[at + 1] == L'"') {
                        field += L'"';
                        ++at;
                    } else if (text[at] == L'"') {
                        ++at;
                        break;
                    } else {
                        line += text[at] == L'\n';
                        field += text[at];
                    }
                }
            }
            while (at < text.size() && text[at] != L',' && text[at] != L'\n')
                field += text[at++];
            if (!field.empty() && field.back() == L'\r')
                field.pop_back();
            row.fields.push_back(field);
            field.clear();
            if (at >= text.size() || text[at] == L'\n')
                break;
            ++at;  // the comma
        }
        if (at < text.size()) {
            ++at;
            ++line;
        }
        if (!Blank(row))
            rows.push_back(std::move(row));
    }
    return true;
}

std::wstring CsvField(const std::wstring& text)
{
    if (text.find_first_of(L",\"\r\n") == std::wstring::npos && (text.empty() || (text[0] != L' ' && text[0] != L'#')))
        return text;
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        if (c == L'"')
            quoted += L'"';
        quoted += c;
    }
    return quoted + L"\"";
}
