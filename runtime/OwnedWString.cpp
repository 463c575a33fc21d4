// Owned wide string.
#include "runtime/OwnedWString.h"

#include <cwchar>
#include <new>

TOwnedWString::~TOwnedWString() { delete[] m_text; }

bool TOwnedWString::Assign(const wchar_t* text)
{
    // The copy is made before the old text goes, so a part of the old text may be assigned.
    wchar_t* copy = nullptr;
    if (text) {
        const std::size_t n = std::wcslen(text);
        copy = new (std::nothrow) wchar_t[n + 1];
        if (copy)
            std::wmemcpy(copy, text, n + 1);
    }
    delete[] m_text;
    m_text = copy;
    return copy || !text;
}

bool TOwnedWString::Append(const wchar_t* text)
{
    if (!text)
        return true;
    const std::size_t have = Length();
    const std::size_t add = std::wcslen(text);
    wchar_t* joined = new (std::nothrow) wchar_t[have + add + 1];
    if (!joined)
        return false;
    if (have)
        std::wmemcpy(joined, m_text, have);
    std::wmemcpy(joined + have, text, add + 1);
    delete[] m_text;
    m_text = joined;
    return true;
}

std::size_t TOwnedWString::Length() const { return m_text ? std::wcslen(m_text) : 0; }
