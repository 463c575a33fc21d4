// Runtime string with string-table loading.
#include "runtime/TString.h"

#include <cwchar>
#include <new>

#include "runtime/OsSystemMessage.h"
#include "runtime/ResourceText.h"
#include "runtime/WideFormat.h"

namespace {
constexpr std::size_t kResourceChars = 256;
constexpr std::size_t kFormattedChars = 512;
constexpr unsigned kUnknownErrorId = 257;
constexpr TErrorCode kLastOwnTextCode = 0x200000FF;

wchar_t* CopyOf(const wchar_t* text)
{
    const std::size_t n = std::wcslen(text);
    wchar_t* copy = new (std::nothrow) wchar_t[n + 1];
    if (copy)
        std::wmemcpy(copy, text, n + 1);
    return copy;
}
}  // namespace

TString::TString(const wchar_t* text, std::size_t capacity, wchar_t* buffer) : m_capacity(capacity)
{
    if (!text)
        text = L"";
    if (buffer && capacity) {
        m_text = buffer;
        m_text[0] = 0;
        Assign(text);
        return;
    }
    m_owns = true;
    if (capacity) {
        m_text = new (std::nothrow) wchar_t[capacity];
        if (m_text)
            m_text[0] = 0;
    } else {
        m_text = CopyOf(text);
    }
    if (!m_text) {
        MarkFailed(errc::kOutOfMemory);
        return;
    }
    if (capacity)
        Assign(text);
}

TString::~TString()
{
    if (m_owns)
        delete[] m_text;
}

std::size_t TString::Length() const { return m_text ? std::wcslen(m_text) : 0; }

bool TString::Assign(const wchar_t* text)
{
    if (!text)
        text = L"";
    if (m_text && std::wcscmp(m_text, text) == 0)
        return true;
    if (m_capacity == 0) {
        // The copy is made before the old text goes, so a part of it may be assigned.
        wchar_t* copy = CopyOf(text);
        if (!copy) {
            MarkFailed(errc::kOutOfMemory);
            return false;
        }
        delete[] m_text;
        m_text = copy;
        return true;
    }
    if (!m_text)
        return false;
    std::size_t n = std::wcslen(text);
    if (n > m_capacity - 1)
        n = m_capacity - 1;
    std::wmemmove(m_text, text, n);
    m_text[n] = 0;
    return true;
}

void TString::Clear()
{
    if (Length() != 0)
        Assign(L"");
}

bool TString::LoadResource(unsigned id, THandle module, ...)
{
    va_list args;
    va_start(args, module);
    const bool ok = LoadResourceV(id, module, args);
    va_end(args);
    return ok;
}

bool TString::LoadResourceV(unsigned id, THandle module, va_list args)
{
    const std::wstring_view entry = FindResourceString(module, id);
    if (entry.empty()) {
        SetError(errc::kNotFound);
        Clear();
        return false;
    }
    wchar_t loaded[kResourceChars];
    const std::size_t n = entry.size() < kResourceChars - 1 ? entry.size() : kResourceChars - 1;
    entry.copy(loaded, n);
    loaded[n] = 0;
    // The tables write %s for a wide text, as the platform's own formatter reads it.
    wchar_t format[kResourceChars * 2];
    if (!PortableWideFormat(loaded, format, kResourceChars * 2))
        return false;
    wchar_t text[kFormattedChars];
    FormatWideV(text, kFormattedChars, format, args);
    return Assign(text);
}

TWin32ErrorString::TWin32ErrorString(TErrorCode code, std::size_t capacity, wchar_t* buffer)
    : TString(nullptr, capacity, buffer)
{
    if (!IsOk())
        return;
    if (code < errc::kOwnBase) {
        wchar_t text[kFormattedChars];
        OsSystemMessage(code, text, kFormattedChars);
        Assign(text);
    } else if (code <= kLastOwnTextCode) {
        LoadResource(code - (errc::kOwnBase - 1), nullptr, static_cast<unsigned>(code));
    }
    if (Length() == 0)
        LoadResource(kUnknownErrorId, nullptr, static_cast<unsigned>(code));
}
