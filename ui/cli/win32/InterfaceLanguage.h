// The language of the texts kivra-cli prints, chosen as the window program chooses it.
#pragma once

#include <string>

// "en" or "ru" chooses; empty follows the stored "Lang" value, then the user's default.
void ApplyInterfaceLanguage(const std::wstring& choice);
