// JSON for the settings files and the machine-readable output: a writer, and a reader of flat objects.
#include "ui/app/JsonText.h"

#include "runtime/ResourceText.h"
#include "ui/resources/resource.h"

#include <cwchar>
#include <cwctype>

std::wstring JsonQuoted(const std::wstring& text)
{
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        switch (c) {
        case L'"': out += L"\\\""; break;
        case L'\\': out += L"\\\\"; break;
        case L'\n': out += L"\\n"; break;
        case L'\r': out += L"\\r"; break;
        case L'\t': out += L"\\t"; break;
        default:
            if (static_cast<unsigned>(c) < 0x20) {
                wchar_t escape[8];
                std::swprintf(escape, 8, L"\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + L"\"";
}

CJsonObject& CJsonObject::String(const std::wstring& key, const std::wstring& value)
{
    return Raw(key, JsonQuoted(value));
}

CJsonObject& CJsonObject::Number(const std::wstring& key, long long value)
{
    return Raw(key, std::to_wstring(value));
}

CJsonObject& CJsonObject::Bool(const std::wstring& key, bool value)
{
    return Raw(key, value ? L"true" : L"false");
}

CJsonObject& CJsonObject::Raw(const std::wstring& key, const std::wstring& value)
{
    m_members.emplace_back(key, value);
    return *this;
}

std::wstring CJsonObject::Text(bool indented) const
{
    std::wstring out = L"{";
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        if (i > 0)
            out += L",";
        out += indented ? L"\n  " : (i > 0 ? L" " : L"");
        out += JsonQuoted(m_members[i].first) + L": " + m_members[i].second;
    }
    out += indented && !m_members.empty() ? L"\n}" : L"}";
    return out;
}

namespace {

class CJsonReader
{
public:
    CJsonReader(const std::wstring& text, std::wstring& error) : m_text(text), m_error(error) {}

    bool Object(std::vector<JsonMember>& members) { return ObjectBody(members) && End(); }

    bool Array(std::vector<JsonArrayItem>& items)
    {
        Blanks();
        if (!Expect(L'['))
            return false;
        Blanks();
        if (Peek() == L']') {
            ++m_at;
            return End();
        }
        for (;;) {
            Blanks();
            JsonArrayItem item;
            item.line = Line();
            if (!ObjectBody(item.members))
                return false;
            items.push_back(std::move(item));
            Blanks();
            if (Peek() == L',') {
                ++m_at;
                continue;
            }
            if (!Expect(L']'))
                return false;
            return End();
        }
    }

private:
    // An object, where the text may go on after it.
    bool ObjectBody(std::vector<JsonMember>& members)
    {
        Blanks();
        if (!Expect(L'{'))
            return false;
        Blanks();
        if (Peek() == L'}') {
            ++m_at;
            return true;
        }
        for (;;) {
            JsonMember member;
            Blanks();
            if (Peek() != L'"')
                return Fail(IDS_JSON_EXPECTED_KEY);
            if (!String(member.key))
                return false;
            Blanks();
            if (!Expect(L':'))
                return false;
            Blanks();
            if (Peek() == L'{' && member.key == L"info") {
                if (!SkipObject())
                    return false;
            } else {
                if (!Value(member))
                    return false;
                members.push_back(member);
            }
            Blanks();
            if (Peek() == L',') {
                ++m_at;
                continue;
            }
            return Expect(L'}');
        }
    }

    wchar_t Peek() const { return m_at < m_text.size() ? m_text[m_at] : L'\0'; }

    void Blanks()
    {
        while (m_at < m_text.size() && (m_text[m_at] == L' ' || m_text[m_at] == L'\t' || m_text[m_at] == L'\r' ||
                                        m_text[m_at] == L'\n' || m_text[m_at] == 0xFEFF))
            ++m_at;
    }

    // message: a string-table entry with the line number, then mark (when there is one), for its "%s".
    bool Fail(unsigned message, const std::wstring& mark = std::wstring())
    {
        m_error = LoadResourceText(message, {std::to_wstring(Line()), mark});
        return false;
    }

    std::size_t Line() const
    {
        std::size_t line = 1;
        for (std::size_t i = 0; i < m_at && i < m_text.size(); ++i)
            line += m_text[i] == L'\n';
        return line;
    }

    bool Expect(wchar_t c)
    {
        if (Peek() != c)
            return Fail(IDS_JSON_EXPECTED_MARK, std::wstring(1, c));
        ++m_at;
        return true;
    }

    bool End()
    {
        Blanks();
        return m_at == m_text.size() ? true : Fail(IDS_JSON_EXPECTED_END);
    }

    bool String(std::wstring& out)
    {
        ++m_at;  // the opening quote
        while (m_at < m_text.size()) {
            const wchar_t c = m_text[m_at++];
            if (c == L'"')
                return true;
            if (static_cast<unsigned>(c) < 0x20)
                return Fail(IDS_JSON_CONTROL_CHARACTER);
            if (c != L'\\') {
                out += c;
                continue;
            }
            const wchar_t e = Peek();
            ++m_at;
            switch (e) {
            case L'"': out += L'"'; break;
            case L'\\': out += L'\\'; break;
            case L'/': out += L'/'; break;
            case L'b': out += L'\b'; break;
            case L'f': out += L'\f'; break;
            case L'n': out += L'\n'; break;
            case L'r': out += L'\r'; break;
            case L't': out += L'\t'; break;
            case L'u': {
                unsigned value = 0;
                for (int i = 0; i < 4; ++i, ++m_at) {
                    const wchar_t h = Peek();
                    const int digit = h >= L'0' && h <= L'9' ? h - L'0'
                                      : h >= L'a' && h <= L'f' ? h - L'a' + 10
                                      : h >= L'A' && h <= L'F' ? h - L'A' + 10
                                                               : -1;
                    if (digit < 0)
                        return Fail(IDS_JSON_EXPECTED_HEX_DIGITS);
                    value = value * 16 + static_cast<unsigned>(digit);
                }
                out += static_cast<wchar_t>(value);
                break;
            }
            default:
                --m_at;
                return Fail(IDS_JSON_EXPECTED_ESCAPE);
            }
        }
        return Fail(IDS_JSON_EXPECTED_CLOSING_QUOTE);
    }

    bool Value(JsonMember& member)
    {
        if (Peek() == L'"') {
            member.isString = true;
            return String(member.value);
        }
        const std::size_t start = m_at;
        while (m_at < m_text.size() && (std::iswalnum(m_text[m_at]) || m_text[m_at] == L'-' ||
                                        m_text[m_at] == L'+' || m_text[m_at] == L'.'))
            ++m_at;
        member.value = m_text.substr(start, m_at - start);
        if (member.value == L"true" || member.value == L"false" || member.value == L"null")
            return true;
        wchar_t* end = nullptr;
        if (member.value.empty() || (std::wcstod(member.value.c_str(), &end), *end != L'\0')) {
            m_at = start;
            return Fail(IDS_JSON_EXPECTED_VALUE);
        }
        return true;
    }

    // Skips a nested object (strings included) without keeping anything of it.
    bool SkipObject()
    {
        int depth = 0;
        while (m_at < m_text.size()) {
            const wchar_t c = m_text[m_at];
            if (c == L'"') {
                std::wstring ignored;
                if (!String(ignored))
                    return false;
                continue;
            }
            ++m_at;
            if (c == L'{')
                ++depth;
            else if (c == L'}' && --depth == 0)
                return true;
        }
        return Fail(IDS_JSON_EXPECTED_NESTED_END);
    }

    const std::wstring& m_text;
    std::wstring& m_error;
    std::size_t m_at = 0;
};

}  // namespace

bool ParseFlatJsonObject(const std::wstring& text, std::vector<JsonMember>& members, std::wstring& error)
{
    members.clear();
    return CJsonReader(text, error).Object(members);
}

bool ParseFlatJsonArray(const std::wstring& text, std::vector<JsonArrayItem>& items, std::wstring& error)
{
    items.clear();
    return CJsonReader(text, error).Array(items);
}
