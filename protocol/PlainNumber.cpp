// The plain-number rule: what the input fields accept as "just a number".
#include "protocol/PlainNumber.h"

#include "protocol/FormatText.h"

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

} // namespace

bool IsPlainNumber(const std::wstring& text, PlainNumberKind kind)
{
    const wchar_t separator = kind == PlainNumberKind::Real ? LocaleDecimalSeparator() : L'\0';
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    if (i < n && (text[i] == L'+' || (text[i] == L'-' && kind != PlainNumberKind::Unsigned)))
        ++i;
    int digits = 0;
    bool separatorSeen = false;
    for (; i < n; ++i) {
        if (text[i] >= L'0' && text[i] <= L'9')
            ++digits;
        else if (separator != L'\0' && text[i] == separator && !separatorSeen)
            separatorSeen = true;
        else
            break;
    }
    while (i < n && IsBlank(text[i]))
        ++i;
    return digits > 0 && i == n;
}

wchar_t LocaleDecimalSeparator()
{
    const std::wstring sample = FormatText(L"%f", 1.1);
    return sample.size() > 1 ? sample[1] : L'.';
}
