// The choice of the interface language: command line, stored "Lang" value, the user's default language.
#pragma once

#include "runtime/TRegKey1.h"

#include <cstdint>
#include <string>

// Language indices: the two languages of the resources, and "follow the user's default".
namespace InterfaceLanguage
{
constexpr unsigned English = 0;
constexpr unsigned Russian = 1;
constexpr unsigned NotChosen = 2;
}

struct LanguageEntry {
    uint32_t lcid;
    const wchar_t* localeName;  // the run-time library's name for the locale
};
// Indexed by English and Russian, searched in this order.
constexpr LanguageEntry kLanguages[] = {{0x0409, L"english"}, {0x0419, L"russian"}};

// The switches of the command line (the text after the program name): while the rest of the
// line starts with "/", a rest that is exactly "/rus" or "/eng" (case ignored) chooses, then
// the rest is cut after its first blank. A switch counts only as the whole rest of the line.
unsigned LanguageFromCommandLine(const std::wstring& commandLine);

// What a chosen language does to the stored "Lang" value.
enum class LanguageStore { Keep, Store };

// The language after the command line: without a choice the stored "Lang" (an unknown value
// counts as none), with one it is stored when asked to; then, still without one, the user's
// default language when it is one of the two. The settings key is neither read nor written
// while it does not exist.
unsigned SettleInterfaceLanguage(unsigned chosen, LanguageStore store, uint32_t userDefaultLcid,
                                 TRegKey1& key = ApplicationRegKey());
