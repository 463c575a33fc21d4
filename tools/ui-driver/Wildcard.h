// Caption and text patterns: '*' any run of characters, '?' one character, everything else
// itself (case-sensitive). Characters, not bytes: '?' matches one Cyrillic letter of UTF-8 text.
#pragma once

#include <string>

bool WildcardMatch(const std::string& pattern, const std::string& text);
// Whether the text holds a '*' or '?', i.e. means more than itself as a pattern.
bool IsWildcardPattern(const std::string& text);
