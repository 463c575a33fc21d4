// A message-box text as one console line.
#pragma once

#include <string>

// Each line break ("\r\n", "\r" or "\n") becomes one blank; blanks at both ends are dropped.
std::wstring MessageLine(const std::wstring& text);
