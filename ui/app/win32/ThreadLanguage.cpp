// Makes the chosen interface language current for the interface thread.
#include "ui/app/win32/ThreadLanguage.h"

#include "runtime/ResourceLanguage.h"

#include <windows.h>

#include <clocale>

namespace {

// Not exported by every system version: looked up, and skipped where it is missing.
void SetThreadUILanguageWhereOffered(LANGID language)
{
    HMODULE kernel = LoadLibraryW(L"Kernel32.dll");
    if (!kernel)
        return;
    using SetLanguage = LANGID(WINAPI*)(LANGID);
    auto set = reinterpret_cast<SetLanguage>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetThreadUILanguage")));
    if (set)
        set(language);
    FreeLibrary(kernel);
}

}  // namespace

unsigned StartInterfaceLanguage(unsigned chosen, LanguageStore store)
{
    const unsigned index = SettleInterfaceLanguage(chosen, store, GetUserDefaultLCID());
    if (index == InterfaceLanguage::NotChosen)
        return index;
    const LanguageEntry& language = kLanguages[index];
    SetThreadLocale(language.lcid);
    _wsetlocale(LC_CTYPE, language.localeName);
    SetThreadUILanguageWhereOffered(static_cast<LANGID>(language.lcid));
    SetResourceLanguage(static_cast<unsigned short>(language.lcid));
    return index;
}
