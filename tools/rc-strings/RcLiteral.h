// Decoding of one string literal of a resource script into wide text, as windres reads it.
#pragma once

#include <string>
#include <string_view>

namespace rcstrings {

// Appends a code point in the platform's wide form: one unit where wchar_t has 32 bits,
// a surrogate pair above U+FFFF where it has 16.
void AppendCodePoint(std::wstring& text, char32_t codePoint);

// Decodes the characters between the quotes of a literal ("" pairs and escapes included)
// and appends them to text. wide: the literal had the L prefix. utf8Source: the script
// declared code page 65001; without it only ASCII may appear. Escapes that windres handles
// oddly or only with a warning are refused rather than imitated, so a script that passes
// here gives the same text in both builds. On failure error names the cause.
bool DecodeRcLiteral(std::string_view body, bool wide, bool utf8Source, std::wstring& text,
                     std::string& error);

}  // namespace rcstrings
