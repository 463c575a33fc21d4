// JSON for the settings files and the machine-readable output: a writer, and a reader of flat objects.
#pragma once

#include <string>
#include <vector>

// Builds one JSON object member by member, in the order given.
class CJsonObject
{
public:
    CJsonObject& String(const std::wstring& key, const std::wstring& value);
    CJsonObject& Number(const std::wstring& key, long long value);
    CJsonObject& Bool(const std::wstring& key, bool value);
    // value must already be JSON (a nested object, for example).
    CJsonObject& Raw(const std::wstring& key, const std::wstring& value);
    // One line, or one member a line when indented (for files people read and edit).
    std::wstring Text(bool indented = false) const;

private:
    std::vector<std::pair<std::wstring, std::wstring>> m_members;
};

std::wstring JsonQuoted(const std::wstring& text);

// One member of a flat object: numbers and booleans keep their JSON spelling,
// strings are unescaped; isString tells them apart.
struct JsonMember {
    std::wstring key;
    std::wstring value;
    bool isString = false;
};

// Reads an object whose values are strings, numbers, booleans or null (nested
// objects are accepted and skipped only under the key "info"). False with
// error saying where and what, in the interface language, when the text is not such an object.
bool ParseFlatJsonObject(const std::wstring& text, std::vector<JsonMember>& members, std::wstring& error);

// One object of an array, with the line its "{" stands on.
struct JsonArrayItem {
    std::size_t line = 0;
    std::vector<JsonMember> members;
};

// Reads an array of such objects (lists of vehicles, reports); errors as ParseFlatJsonObject.
bool ParseFlatJsonArray(const std::wstring& text, std::vector<JsonArrayItem>& items, std::wstring& error);
