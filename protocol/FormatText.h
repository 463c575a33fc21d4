// printf-style formatting into a wide string.
#pragma once

#include <string>

std::wstring FormatText(const wchar_t* format, ...);
