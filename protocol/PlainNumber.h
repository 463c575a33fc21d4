// The plain-number rule: what the input fields accept as "just a number".
#pragma once

#include <string>

enum class PlainNumberKind {
    Unsigned,  // digits only
    Signed,    // a "-" is allowed as well
    Real,      // signed, with at most one decimal separator of the locale
};

// Optional leading blanks, an optional "+" (or "-" where the kind allows it),
// at least one digit, optional trailing blanks, nothing else.
bool IsPlainNumber(const std::wstring& text, PlainNumberKind kind);

// The separator "%f" writes under the current C locale.
wchar_t LocaleDecimalSeparator();
