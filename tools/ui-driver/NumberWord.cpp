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
