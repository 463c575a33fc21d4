// Recognising trace lines and hexadecimal byte lines.
#include "InputLine.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Digits in the pattern stand for any decimal digit.
bool MatchesDigits(std::string_view text, std::string_view pattern)
{
    if (text.size() < pattern.size())
        return false;
    for (size_t i = 0; i < pattern.size(); ++i)
        if (IsDigit(pattern[i]) ? !IsDigit(text[i]) : text[i] != pattern[i])
            return false;
    return true;
}

void SkipTimePrefix(std::string_view& text)
{
    if (MatchesDigits(text, "00:00:00.000;"))
        text.remove_prefix(13);
    else if (MatchesDigits(text, "00:00:00;"))
        text.remove_prefix(9);
}

// Pairs of hexadecimal digits in groups separated by white space; false on anything else.
bool ParseHex(std::string_view text, std::vector<uint8_t>& bytes)
{
    size_t i = 0;
    while (i < text.size()) {
        if (IsSpace(text[i])) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || HexValue(text[i]) < 0 || HexValue(text[i + 1]) < 0)
            return false;
        bytes.push_back(static_cast<uint8_t>(HexValue(text[i]) * 16 + HexValue(text[i + 1])));
        i += 2;
    }
    return true;
}

} // namespace

CInputLine ParseInputLine(std::string_view line)
{
    CInputLine result;
    std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#')
        return result;

    std::string_view body = text;
    SkipTimePrefix(body);
    const std::string_view tag = body.substr(0, 3);
    if (tag == "Tx;" || tag == "Rx;") {
        result.kind = CInputLine::Trace;
        result.direction = tag == "Tx;" ? EDirection::Tx : EDirection::Rx;
        body.remove_prefix(3);
        body = Trim(body);
        if (!body.empty() && body.back() == '!') // the trace buffer filled up here
            body.remove_suffix(1);
    } else {
        result.kind = CInputLine::Hex;
        body = text;
    }
    if (!ParseHex(body, result.bytes)) {
        result.kind = CInputLine::Invalid;
        result.bytes.clear();
    }
    return result;
}
