#include "QueryValue.h"

#include "ScriptWords.h"

CQueryValue CQueryValue::OfText(const std::string& text)
{
    CQueryValue value;
    value.text = text;
    return value;
}

CQueryValue CQueryValue::OfNumber(long number)
{
    CQueryValue value;
    value.kind = Number;
    value.text = std::to_string(number);
    return value;
}

CQueryValue CQueryValue::OfList(const std::vector<std::string>& items)
{
    CQueryValue value;
    value.kind = List;
    value.items = items;
    return value;
}

std::string CQueryValue::Display() const
{
    switch (kind) {
    case Text:
        return QuoteText(text);
    case Number:
        return text;
    case List:
        break;
    }
    std::string shown;
    for (const std::string& item : items) {
        if (!shown.empty())
            shown += ' ';
        shown += QuoteText(item);
    }
    return shown;
}

std::string CQueryValue::Compared() const
{
    return kind == List ? Display() : text;
}
