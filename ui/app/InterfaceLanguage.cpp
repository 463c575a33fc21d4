// The choice of the interface language: command line, stored "Lang" value, the user's default language.
#include "ui/app/InterfaceLanguage.h"

#include <cwctype>
#include <iterator>

namespace {

constexpr uint32_t kPrimaryLanguageMask = 0x3FF;

bool EqualsIgnoringCase(const std::wstring& text, const wchar_t* word)
{
    std::size_t i = 0;
    for (; i < text.size() && word[i] != L'\0'; ++i)
        if (std::towlower(text[i]) != std::towlower(word[i]))
            return false;
    return i == text.size() && word[i] == L'\0';
}

unsigned UserDefaultLanguage(uint32_t userDefaultLcid)
{
    for (unsigned i = 0; i < std::size(kLanguages); ++i)
        if ((userDefaultLcid & kPrimaryLanguageMask) == (kLanguages[i].lcid & kPrimaryLanguageMask))
            return i;
    return InterfaceLanguage::NotChosen;
}

}  // namespace

unsigned LanguageFromCommandLine(const std::wstring& commandLine)
{
    unsigned index = InterfaceLanguage::NotChosen;
    std::wstring rest = commandLine;
    while (!rest.empty() && rest.front() == L'/') {
        if (EqualsIgnoringCase(rest, L"/rus"))
            index = InterfaceLanguage::Russian;
        else if (EqualsIgnoringCase(rest, L"/eng"))
            index = InterfaceLanguage::English;
        const std::size_t blank = rest.find(L' ');
        rest = blank == std::wstring::npos ? std::wstring() : rest.substr(blank + 1);
    }
    return index;
}

unsigned SettleInterfaceLanguage(unsigned chosen, LanguageStore store, uint32_t userDefaultLcid, TRegKey1& key)
{
    unsigned index = chosen;
    if (key.Open(reg::kReadWrite)) {
        if (index == InterfaceLanguage::NotChosen) {
            std::uint32_t stored = InterfaceLanguage::NotChosen;
            if (key.GetDword(L"Lang", &stored))
                index = stored;
        } else if (store == LanguageStore::Store) {
            key.SetDword(L"Lang", index);
        }
        key.Close();
    }
    if (index > InterfaceLanguage::NotChosen)
        index = InterfaceLanguage::NotChosen;
    if (index == InterfaceLanguage::NotChosen)
        index = UserDefaultLanguage(userDefaultLcid);
    return index;
}
