// The "low..high" text form of a condition's value range.
#include "protocol/RangeText.h"

#include "protocol/FormatText.h"
#include "protocol/NumberScan.h"

namespace {

constexpr wchar_t kRangeSeparator[] = L"..";
constexpr std::int64_t kLargestBound = 32767;

std::int64_t SmallestBound(PlainNumberKind kind)
{
    return kind == PlainNumberKind::Unsigned ? 0 : -kLargestBound;
}

bool ParseBound(const std::wstring& text, PlainNumberKind kind, std::int16_t& value)
{
    std::int64_t bound;
    if (!IsPlainNumber(text, kind) || !ScanInteger(text, SmallestBound(kind), kLargestBound, bound))
        return false;
    value = static_cast<std::int16_t>(bound);
    return true;
}

} // namespace

std::wstring FormatRange(const RangeRecord& range)
{
    return FormatText(L"%d..%d", range.low, range.high);
}

bool ParseRange(const std::wstring& text, PlainNumberKind kind, std::int16_t& low, std::int16_t& high)
{
    const std::size_t separator = text.find(kRangeSeparator);
    std::int16_t first, second;
    if (separator == std::wstring::npos) {
        if (!ParseBound(text, kind, first))
            return false;
        second = first;
    } else if (!ParseBound(text.substr(0, separator), kind, first) ||
               !ParseBound(text.substr(separator + 2), kind, second)) {
        return false;
    }
    low = first;
    high = second;
    return true;
}

bool NormaliseRangeText(std::wstring& text, PlainNumberKind kind)
{
    if (text.find(kRangeSeparator) != std::wstring::npos || !IsPlainNumber(text, kind))
        return false;
    // A number too large for "%d" is left as typed; parsing refuses it anyway.
    std::int64_t value;
    if (!ScanInteger(text, -0x7FFFFFFF, 0x7FFFFFFF, value))
        return false;
    text = FormatText(L"%d..%d", static_cast<int>(value), static_cast<int>(value));
    return true;
}
