// UTF-8 to and from wide text, for 16-bit (Windows) and 32-bit (host) wchar_t alike.
#pragma once

#include <string>

std::string ToUtf8(const std::wstring& text);
// Invalid sequences become U+FFFD; false tells that there were any.
bool FromUtf8(const std::string& bytes, std::wstring& text);
