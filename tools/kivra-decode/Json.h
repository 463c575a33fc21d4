// A small JSON value: built by the decoder, written as one compact line.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CJson
{
public:
    CJson() = default; // null

    static CJson Boolean(bool value);
    static CJson Integer(long long value);
    // NaN and infinities have no JSON form and become null.
    static CJson Real(double value);
    // Written with the digits a float needs, not those of its double widening.
    static CJson Real(float value);
    static CJson Text(std::string value);
    static CJson Array();
    static CJson Object();

    // Object member, kept in insertion order.
    CJson& Set(std::string key, CJson value);
    // Array element.
    CJson& Append(CJson value);

    bool IsNull() const { return m_kind == Kind::Null; }
    bool IsObject() const { return m_kind == Kind::Object; }
    const std::vector<std::pair<std::string, CJson>>& Members() const { return m_members; }

    std::string Serialise() const;

private:
    enum class Kind { Null, Literal, Text, Array, Object };

    Kind m_kind = Kind::Null;
    std::string m_text; // the literal's JSON text, or the string value
    std::vector<CJson> m_items;
    std::vector<std::pair<std::string, CJson>> m_members;
};
