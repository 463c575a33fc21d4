// String-table texts loaded from the program's own resources.
#include "runtime/ResourceText.h"

#include <windows.h>

std::wstring LoadResourceText(unsigned id)
{
    // A zero buffer size hands back a pointer into the mapped resource, so no
    // entry is ever cut short by a fixed buffer.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr)
        return std::wstring();
    return std::wstring(text, static_cast<std::size_t>(length));
}
