#include "ScriptWords.h"

#include <cstdio>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the escape after the backslash at line[i]; i is left on its last character.
char ReadEscape(const std::string& line, size_t& i)
{
    if (i + 1 >= line.size())
        throw CScriptError("a backslash ends the line inside a quoted text");
    const char c = line[++i];
    switch (c) {
    case '"':
    case '\\':
        return c;
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'x':
        if (i + 2 < line.size() && HexDigit(line[i + 1]) >= 0 && HexDigit(line[i + 2]) >= 0) {
            const char value = static_cast<char>(HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]));
            i += 2;
            return value;
        }
        throw CScriptError("\\x needs two hexadecimal digits");
    default:
        throw CScriptError(std::string("unknown escape \\") + c + " in a quoted text (write \\\\ for a backslash, or use '...')");
    }
}

} // namespace

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n'))
            ++i;
        if (i == line.size())
            break;
        if (words.empty() && line[i] == '#')
            return {};
        std::string word;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '\n') {
            const char quote = line[i];
            if (quote != '"' && quote != '\'') {
                word += line[i++];
                continue;
            }
            ++i;
            while (true) {
                if (i >= line.size())
                    throw CScriptError(std::string("a quoted text is not closed (") + quote + " missing)");
                if (line[i] == quote)
                    break;
                word += (quote == '"' && line[i] == '\\') ? ReadEscape(line, i) : line[i];
                ++i;
            }
            ++i;
        }
        words.push_back(word);
    }
    return words;
}

std::string QuoteText(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
                quoted += hex;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}
