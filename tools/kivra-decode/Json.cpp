// JSON values and their compact serialisation.
#include "Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

void AppendQuoted(std::string& out, const std::string& text)
{
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

} // namespace

CJson CJson::Boolean(bool value)
{
    CJson json;
    json.m_kind = Kind::Literal;
    json.m_text = value ? "true" : "false";
    return json;
}

CJson CJson::Integer(long long value)
{
    CJson json;
    json.m_kind = Kind::Literal;
    json.m_text = std::to_string(value);
    return json;
}

namespace {

// Shortest digits that read back as the same value; false for NaN and infinities.
template <typename Number>
bool ShortestDigits(Number value, std::string& text)
{
    if (!std::isfinite(value))
        return false;
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.assign(digits, result.ptr);
    return true;
}

} // namespace

CJson CJson::Real(double value)
{
    CJson json;
    if (ShortestDigits(value, json.m_text))
        json.m_kind = Kind::Literal;
    return json;
}

CJson CJson::Real(float value)
{
    CJson json;
    if (ShortestDigits(value, json.m_text))
        json.m_kind = Kind::Literal;
    return json;
}

CJson CJson::Text(std::string value)
{
    CJson json;
    json.m_kind = Kind::Text;
    json.m_text = std::move(value);
    return json;
}

CJson CJson::Array()
{
    CJson json;
    json.m_kind = Kind::Array;
    return json;
}

CJson CJson::Object()
{
    CJson json;
    json.m_kind = Kind::Object;
    return json;
}

CJson& CJson::Set(std::string key, CJson value)
{
    m_members.emplace_back(std::move(key), std::move(value));
    return *this;
}

CJson& CJson::Append(CJson value)
{
    m_items.push_back(std::move(value));
    return *this;
}

std::string CJson::Serialise() const
{
    std::string out;
    switch (m_kind) {
    case Kind::Null: out = "null"; break;
    case Kind::Literal: out = m_text; break;
    case Kind::Text: AppendQuoted(out, m_text); break;
    case Kind::Array:
        out += '[';
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (i)
                out += ',';
            out += m_items[i].Serialise();
        }
        out += ']';
        break;
    case Kind::Object:
        out += '{';
        for (size_t i = 0; i < m_members.size(); ++i) {
            if (i)
                out += ',';
            AppendQuoted(out, m_members[i].first);
            out += ':';
            out += m_members[i].second.Serialise();
        }
        out += '}';
        break;
    }
    return out;
}
