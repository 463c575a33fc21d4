// UTF-8 to and from wide text, for 16-bit (Windows) and 32-bit (host) wchar_t alike.
#pragma once

#include <string>

std::string ToUtf8(const std::wstring& text);
// Invalid sequences become U+FFFD; false tells that there were any.
bool FromUtf8(const std::string& bytes, std::wstring& text);
// The text of a file: UTF-16 (little or big endian) when it starts with that byte-order mark,
// as Windows editors and shells write "Unicode" files, else UTF-8; the mark is not kept.
// Reports like FromUtf8.
bool DecodeFileText(const std::string& bytes, std::wstring& text);
