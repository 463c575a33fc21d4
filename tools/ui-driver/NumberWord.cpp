#include "NumberWord.h"

long ParseNumberWord(const std::string& word, long min, long max)
{
    if (word.empty() || word.size() > 9)
        return -1;
    long value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value >= min && value <= max ? value : -1;
}

bool ParseCoordinateWord(const std::string& word, int& value)
{
    const bool negative = !word.empty() && word[0] == '-';
    const long magnitude = ParseNumberWord(negative ? word.substr(1) : word, 0, negative ? 32768 : 32767);
    if (magnitude < 0)
        return false;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}
