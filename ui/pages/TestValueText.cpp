// The log page's test value field.
#include "ui/pages/TestValueText.h"

#include <limits>

std::uint32_t ParseTestValue(std::wstring_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t'))
        ++i;
    if (i < text.size() && text[i] == L'+')
        ++i;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + std::uint64_t(text[i] - L'0');
        if (value > kMax)
            return std::uint32_t(kMax);
    }
    return std::uint32_t(value);
}

std::wstring TestValueText(std::uint32_t value)
{
    return std::to_wstring(value);
}
