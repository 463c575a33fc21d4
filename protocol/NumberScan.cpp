// Reading the settings fields' numbers the lenient scanf way, minus its wrap-arounds.
#include "protocol/NumberScan.h"

#include "protocol/FormatText.h"

#include <cwchar>
#include <cwctype>

bool ScanInteger(const std::wstring& text, std::int64_t min, std::int64_t max, std::int64_t& value)
{
    // Past this many digits the value is out of every range the fields use.
    constexpr std::int64_t kTooLarge = std::int64_t{1} << 40;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && std::iswspace(static_cast<std::wint_t>(text[i])))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    std::int64_t magnitude = 0;
    bool anyDigit = false;
    for (; i < n && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        anyDigit = true;
        if (magnitude < kTooLarge)
            magnitude = magnitude * 10 + (text[i] - L'0');
    }
    if (!anyDigit)
        return false;
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result < min || result > max)
        return false;
    value = result;
    return true;
}

bool ScanUnsigned(const std::wstring& text, std::uint32_t max, std::uint32_t& value)
{
    std::int64_t result;
    if (!ScanInteger(text, 0, max, result))
        return false;
    value = static_cast<std::uint32_t>(result);
    return true;
}

bool ScanVector(const std::wstring& text, float (&vector)[3])
{
    float result[3];
    const wchar_t* p = text.c_str();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (*p != L',')
                return false;
            ++p;
        }
        wchar_t* end = nullptr;
        result[i] = std::wcstof(p, &end);
        if (end == p)
            return false;
        p = end;
    }
    for (int i = 0; i < 3; ++i)
        vector[i] = result[i];
    return true;
}

std::wstring FormatVector(const float (&vector)[3])
{
    return FormatText(L"%f, %f, %f", vector[0], vector[1], vector[2]);
}
