// Runtime string: owned text that grows, or text held in a fixed block (own or the caller's);
// can load string-table texts as formats.
#pragma once

#include <cstdarg>
#include <cstddef>

#include "runtime/OsHandle.h"
#include "runtime/TObject.h"

class TString : public TObject {
public:
    // capacity 0 and no buffer: the text grows as needed. Otherwise the text lives in
    // capacity characters (the caller's buffer if given) and is cut to capacity - 1.
    explicit TString(const wchar_t* text = nullptr, std::size_t capacity = 0, wchar_t* buffer = nullptr);
    ~TString() override;

    bool Assign(const wchar_t* text);
    void Clear();
    // The string-table entry id of the module (null: the executable) used as a format with
    // the arguments; a missing entry is error 0x20000006 and clears the text.
    bool LoadResource(unsigned id, THandle module, ...);
    bool LoadResourceV(unsigned id, THandle module, va_list args);

    const wchar_t* Get() const { return m_text ? m_text : L""; }
    std::size_t Length() const;
    std::size_t Capacity() const { return m_capacity; }

private:
    wchar_t* m_text = nullptr;
    bool m_owns = false;
    std::size_t m_capacity = 0;
};

// The system's or the library's text for an error code.
class TWin32ErrorString : public TString {
public:
    explicit TWin32ErrorString(TErrorCode code, std::size_t capacity = 0, wchar_t* buffer = nullptr);
};
