// The language of the texts kivra-cli prints, chosen as the window program chooses it.
#include "ui/cli/win32/InterfaceLanguage.h"

#include "runtime/ResourceLanguage.h"
#include "runtime/TRegKey1.h"

#include <windows.h>

#include <clocale>

namespace {

struct Language {
    LCID lcid;
    const wchar_t* localeName;
};
constexpr Language kLanguages[] = {{kLangEnglish, L"english"}, {kLangRussian, L"russian"}};
constexpr DWORD kNotChosen = 2;
constexpr REGSAM kSettingsAccess = 0x2001F;

DWORD StoredLanguage()
{
    DWORD index = kNotChosen;
    TRegKey1& key = ApplicationRegKey();
    if (key.Open(kSettingsAccess)) {
        std::uint32_t value = kNotChosen;
        if (key.GetDword(L"Lang", &value))
            index = value;
        key.Close();
    }
    return index > kNotChosen ? kNotChosen : index;
}

DWORD UserDefaultLanguage()
{
    const LCID user = GetUserDefaultLCID();
    for (DWORD i = 0; i < 2; ++i)
        if ((user & 0x3FF) == (kLanguages[i].lcid & 0x3FF))
            return i;
    return kNotChosen;
}

}  // namespace

void ApplyInterfaceLanguage(const std::wstring& choice)
{
    DWORD index = choice == L"en" ? 0 : choice == L"ru" ? 1 : StoredLanguage();
    if (index == kNotChosen)
        index = UserDefaultLanguage();
    if (index == kNotChosen)
        return;
    SetThreadLocale(kLanguages[index].lcid);
    _wsetlocale(LC_CTYPE, kLanguages[index].localeName);
    SetThreadUILanguage(static_cast<LANGID>(kLanguages[index].lcid));
    SetResourceLanguage(static_cast<unsigned short>(kLanguages[index].lcid));
}
