// Settings texts as printed lines, as KEY=VALUE edits and as JSON documents (backups and imports).
#include "ui/app/SettingsDocument.h"

#include "runtime/ResourceText.h"
#include "ui/app/JsonText.h"
#include "ui/app/SettingsKeys.h"
#include "ui/resources/resource.h"

#include <sstream>

namespace {

bool ApplyOne(const std::wstring& name, const std::wstring& value, SettingsTexts& texts,
              std::vector<std::wstring>& errors)
{
    const SettingsKey* key = FindSettingsKey(name);
    if (!key) {
        errors.push_back(LoadResourceText(IDS_SETTINGS_UNKNOWN_KEY, {name}));
        return false;
    }
    std::wstring why;
    if (!SetSettingsValue(*key, value, texts, why)) {
        errors.push_back(name + L" = \"" + value + L"\": " + why);
        return false;
    }
    return true;
}

bool Taken(const std::wstring& name, const SettingsImportFilter& filter)
{
    if (name == L"serial_number")
        return filter.serialNumber;
    if (name == L"network_address")
        return filter.networkAddress;
    return true;
}

std::wstring Stripped(const std::wstring& line)
{
    const std::size_t first = line.find_first_not_of(L" \t\r\xFEFF");
    if (first == std::wstring::npos)
        return std::wstring();
    const std::size_t last = line.find_last_not_of(L" \t\r");
    return line.substr(first, last - first + 1);
}

}  // namespace

std::wstring SettingsLines(const SettingsTexts& texts)
{
    std::wstring out;
    for (const SettingsKey& key : AllSettingsKeys())
        out += std::wstring(key.name) + L" = " + SettingsValue(key, texts) + L"\n";
    return out;
}

std::wstring SettingsJson(const SettingsTexts& texts, const SettingsOrigin& origin, bool indented)
{
    CJsonObject info;
    info.String(L"model", origin.model).String(L"firmware_version", origin.firmwareVersion);
    CJsonObject document;
    document.Raw(L"info", info.Text());
    for (const SettingsKey& key : AllSettingsKeys()) {
        if (key.text)
            document.String(key.name, SettingsValue(key, texts));
        else
            document.Number(key.name, std::stoll(SettingsValue(key, texts)));
    }
    return document.Text(indented);
}

bool ApplySettingsAssignments(const std::vector<std::wstring>& assignments, SettingsTexts& texts,
                              std::vector<std::wstring>& errors)
{
    bool ok = true;
    for (const std::wstring& assignment : assignments) {
        const std::size_t equals = assignment.find(L'=');
        if (equals == std::wstring::npos || equals == 0) {
            errors.push_back(LoadResourceText(IDS_SETTINGS_NOT_ASSIGNMENT, {assignment}));
            ok = false;
            continue;
        }
        ok = ApplyOne(Stripped(assignment.substr(0, equals)), assignment.substr(equals + 1), texts, errors) && ok;
    }
    return ok;
}

bool ApplySettingsDocument(const std::wstring& text, const SettingsImportFilter& filter, SettingsTexts& texts,
                           std::vector<std::wstring>& errors)
{
    // Reading a file leaves U+FFFD for bytes that are no UTF-8 (or UTF-16); NUL comes from UTF-16
    // without its mark or a file that is no text. One line says so, not one for every line of it.
    if (text.find_first_of(std::wstring(L"\xFFFD\0", 2)) != std::wstring::npos) {
        errors.push_back(LoadResourceText(IDS_SETTINGS_NOT_TEXT));
        return false;
    }
    const std::wstring start = Stripped(text.substr(0, text.find_first_not_of(L" \t\r\n\xFEFF") + 1));
    if (start == L"{") {
        std::vector<JsonMember> members;
        std::wstring error;
        if (!ParseFlatJsonObject(text, members, error)) {
            errors.push_back(LoadResourceText(IDS_SETTINGS_NOT_DOCUMENT, {error}));
            return false;
        }
        bool ok = true;
        for (const JsonMember& member : members) {
            if (!Taken(member.key, filter))
                continue;
            if (!member.isString && member.value == L"null") {
                errors.push_back(LoadResourceText(IDS_SETTINGS_NO_VALUE, {member.key}));
                ok = false;
                continue;
            }
            ok = ApplyOne(member.key, member.value, texts, errors) && ok;
        }
        return ok;
    }
    std::vector<std::wstring> assignments;
    std::wistringstream lines(text);
    std::wstring line;
    while (std::getline(lines, line)) {
        line = Stripped(line);
        if (line.empty() || line[0] == L'#')
            continue;
        const std::wstring name = Stripped(line.substr(0, line.find(L'=')));
        if (Taken(name, filter))
            assignments.push_back(line);
    }
    return ApplySettingsAssignments(assignments, texts, errors);
}
