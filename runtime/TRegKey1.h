// One registry key: a predefined root, or a sub key below a parent opened on demand.
#pragma once

#include <cstdint>

#include "runtime/OsRegistry.h"
#include "runtime/TLogObject.h"

class TRegKey1 : public TFriendlyLogObject {
public:
    // A predefined root, never opened, created or closed.
    explicit TRegKey1(TRegHandle predefined);
    // A sub key below the parent's key as it is now; a parent that is not ok or a null path
    // give error 87.
    TRegKey1(const TRegKey1& parent, const wchar_t* subKey);
    ~TRegKey1() override;

    bool Create(std::uint32_t access);
    bool Open(std::uint32_t access);
    bool Close();

    bool SetValue(const wchar_t* name, std::uint32_t type, std::uint32_t size, const void* data);
    bool SetDword(const wchar_t* name, std::uint32_t value);
    // A null text writes the empty string.
    bool SetString(const wchar_t* name, const wchar_t* text);

    // size: in the buffer's size in bytes, out the value's.
    bool QueryValue(const wchar_t* name, std::uint32_t* type, std::uint32_t* size, void* data);
    // A value of another type is error 0x2000000A.
    bool GetDword(const wchar_t* name, std::uint32_t* value);
    // length: in the buffer's length in characters, out the characters needed with the
    // terminator; a buffer too short is error 234.
    bool GetString(const wchar_t* name, std::uint32_t* length, wchar_t* text);

    TRegHandle Handle() const { return m_key; }
    bool IsRoot() const { return (m_flags & kRoot) != 0; }
    bool IsOpen() const { return IsRoot() || m_key != 0; }
    bool CreatedNew() const { return (m_flags & kCreatedNew) != 0; }
    const wchar_t* DisplayPath() const { return m_displayPath.Get(); }

private:
    static constexpr std::uint32_t kRoot = 1;
    static constexpr std::uint32_t kCreatedNew = 2;

    bool FailWith(long result, const wchar_t* call);

    TRegHandle m_key = 0;
    TRegHandle m_parent = 0;
    std::uint32_t m_flags = 0;
    TOwnedWString m_displayPath;
};

// The application's settings key, HKEY_CURRENT_USER\SOFTWARE\Vextora\KIVRA (closed until used).
TRegKey1& ApplicationRegKey();
