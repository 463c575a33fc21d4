// The "low..high" text form of a condition's value range.
#include "protocol/RangeText.h"

#include "protocol/FormatText.h"
#include "protocol/NumberScan.h"
#include "protocol/PlainNumber.h"

namespace {

constexpr wchar_t kRangeSeparator[] = L"..";

bool ParseBound(const std::wstring& text, std::int16_t& value)
{
    std::uint32_t bound;
    if (!IsPlainNumber(text, PlainNumberKind::Unsigned) || !ScanUnsigned(text, 32767, bound))
        return false;
    value = static_cast<std::int16_t>(bound);
    return true;
}

} // namespace

std::wstring FormatRange(const RangeRecord& range)
{
    return FormatText(L"%d..%d", range.low, range.high);
}

bool ParseRange(const std::wstring& text, std::int16_t& low, std::int16_t& high)
{
    const std::size_t separator = text.find(kRangeSeparator);
    std::int16_t first, second;
    if (separator == std::wstring::npos) {
        if (!ParseBound(text, first))
            return false;
        second = first;
    } else if (!ParseBound(text.substr(0, separator), first) ||
               !ParseBound(text.substr(separator + 2), second)) {
        return false;
    }
    low = first;
    high = second;
    return true;
}

bool NormaliseRangeText(std::wstring& text)
{
    if (text.find(kRangeSeparator) != std::wstring::npos || !IsPlainNumber(text, PlainNumberKind::Unsigned))
        return false;
    // A number too large for "%d" is left as typed; parsing refuses it anyway.
    std::uint32_t value;
    if (!ScanUnsigned(text, 0x7FFFFFFF, value))
        return false;
    text = FormatText(L"%d..%d", static_cast<int>(value), static_cast<int>(value));
    return true;
}
