// String-table entries from the module's resources in the chosen language.
#include "runtime/ResourceText.h"

#include <windows.h>

#include "runtime/ResourceLanguage.h"

namespace {
// An RT_STRING block holds 16 entries, each a length followed by that many characters.
std::wstring_view EntryOfBlock(HMODULE module, unsigned id, WORD language)
{
    HRSRC found = ::FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
    if (!found)
        return {};
    HGLOBAL loaded = ::LoadResource(module, found);
    const WORD* p = loaded ? static_cast<const WORD*>(::LockResource(loaded)) : nullptr;
    if (!p)
        return {};
    const WORD* end = p + ::SizeofResource(module, found) / sizeof(WORD);
    for (unsigned i = 0; i < id % 16 && p < end; ++i)
        p += 1 + *p;
    if (p >= end || *p == 0 || p + 1 + *p > end)
        return {};
    return std::wstring_view(reinterpret_cast<const wchar_t*>(p + 1), *p);
}
}  // namespace

std::wstring_view FindResourceString(THandle module, unsigned id)
{
    HMODULE m = module ? static_cast<HMODULE>(module) : ::GetModuleHandleW(nullptr);
    const std::wstring_view chosen = EntryOfBlock(m, id, GetResourceLanguage());
    if (!chosen.empty())
        return chosen;
    // A zero buffer size hands back a pointer into the mapped resource.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(m, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return std::wstring_view(text, static_cast<std::size_t>(length));
}
