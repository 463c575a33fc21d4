// Registry key wrapper with type and size checks.
#include "runtime/TRegKey1.h"

#include <new>

#include "runtime/TLogManager.h"
#include "runtime/Utf16.h"
#include "runtime/WideFormat.h"

namespace {
constexpr std::uint32_t kStringBufferBytes = 2048;

bool IsStringType(std::uint32_t type) { return type == reg::kSz || type == reg::kExpandSz || type == reg::kMultiSz; }

void RootName(TRegHandle key, wchar_t* out, std::size_t cap)
{
    switch (key) {
    case reg::kClassesRoot: FormatWide(out, cap, L"HKEY_CLASSES_ROOT"); break;
    case reg::kCurrentUser: FormatWide(out, cap, L"HKEY_CURRENT_USER"); break;
    case reg::kLocalMachine: FormatWide(out, cap, L"HKEY_LOCAL_MACHINE"); break;
    case reg::kUsers: FormatWide(out, cap, L"HKEY_USERS"); break;
    default: FormatWide(out, cap, L"%08X", static_cast<unsigned>(key & 0xFFFFFFFFu)); break;
    }
}
}  // namespace

TRegKey1::TRegKey1(TRegHandle predefined) : m_key(predefined), m_flags(kRoot)
{
    wchar_t name[24];
    RootName(predefined, name, 24);
    if (!m_displayPath.Assign(name) || !SetLogPrefix(name))
        MarkFailed(errc::kOutOfMemory);
    // The key's narration is kept out of the diagnostic log.
    SetLogLevel(0);
}

TRegKey1::TRegKey1(const TRegKey1& parent, const wchar_t* subKey)
    : TFriendlyLogObject(subKey), m_parent(parent.m_key)
{
    SetLogLevel(0);
    if (!IsOk())
        return;
    if (!parent.IsOk() || !subKey) {
        MarkFailed(errc::kInvalidParameter);
        return;
    }
    if (!m_displayPath.Assign(parent.DisplayPath()) || !m_displayPath.Append(L"\\") || !m_displayPath.Append(subKey) ||
        !SetLogPrefix(m_displayPath.Get()))
        MarkFailed(errc::kOutOfMemory);
}

TRegKey1::~TRegKey1() { Close(); }

bool TRegKey1::FailWith(long result, const wchar_t* call)
{
    SetError(static_cast<TErrorCode>(result));
    LogError(L"%ls %u", call, static_cast<unsigned>(result));
    return false;
}

bool TRegKey1::Create(std::uint32_t access)
{
    if (!IsOk()) {
        LogTrace(L"Create KO(not Ok)");
        return false;
    }
    if (IsOpen())
        return true;
    std::uint32_t disposition = 0;
    const long r = OsRegCreateKey(m_parent, GetName(), access, &m_key, &disposition);
    SetError(static_cast<TErrorCode>(r));
    if (r != 0)
        return FailWith(r, L"RegCreateKeyEx");
    if (disposition == reg::kCreatedNewKey)
        m_flags |= kCreatedNew;
    else
        m_flags &= ~kCreatedNew;
    return true;
}

bool TRegKey1::Open(std::uint32_t access)
{
    if (!IsOk()) {
        LogTrace(L"Open KO(not Ok)");
        return false;
    }
    if (IsOpen())
        return true;
    const long r = OsRegOpenKey(m_parent, GetName(), access, &m_key);
    SetError(static_cast<TErrorCode>(r));
    if (r != 0)
        return FailWith(r, L"RegOpenKeyEx");
    m_flags &= ~kCreatedNew;
    return true;
}

bool TRegKey1::Close()
{
    if (IsRoot() || m_key == 0)
        return true;
    const TRegHandle key = m_key;
    m_flags &= ~kCreatedNew;
    m_key = 0;
    const long r = OsRegCloseKey(key);
    return r == 0 || FailWith(r, L"RegCloseKey");
}

bool TRegKey1::SetValue(const wchar_t* name, std::uint32_t type, std::uint32_t size, const void* data)
{
    const long r = OsRegSetValue(m_key, name, type, data, size);
    return r == 0 || FailWith(r, L"RegSetValueEx");
}

bool TRegKey1::SetDword(const wchar_t* name, std::uint32_t value) { return SetValue(name, reg::kDword, 4, &value); }

bool TRegKey1::SetString(const wchar_t* name, const wchar_t* text)
{
    const std::size_t units = Utf16Length(text) + 1;
    char16_t* data = new (std::nothrow) char16_t[units];
    if (!data)
        return Fail(errc::kOutOfMemory);
    WideToUtf16(text, data, units);
    const bool ok = SetValue(name, reg::kSz, static_cast<std::uint32_t>(units * 2), data);
    delete[] data;
    return ok;
}

bool TRegKey1::QueryValue(const wchar_t* name, std::uint32_t* type, std::uint32_t* size, void* data)
{
    const std::uint32_t given = size ? *size : 0;
    std::uint32_t found = 0;
    const long r = OsRegQueryValue(m_key, name, &found, data, size);
    if (type)
        *type = found;
    if (r != 0)
        return FailWith(r, L"RegQueryValueEx");
    // An empty text stored without its terminator reads as one wide zero.
    if (IsStringType(found) && size && *size == 0) {
        *size = 2;
        if (!data || given < 2)
            return FailWith(errc::kMoreData, L"RegQueryValueEx");
        *static_cast<char16_t*>(data) = 0;
    }
    return true;
}

bool TRegKey1::GetDword(const wchar_t* name, std::uint32_t* value)
{
    std::uint32_t number = 0;
    std::uint32_t type = 0;
    std::uint32_t size = sizeof number;
    if (!QueryValue(name, &type, &size, &number)) {
        if (GetError() == errc::kMoreData)
            SetError(errc::kWrongType);
        return false;
    }
    if (type != reg::kDword)
        return Fail(errc::kWrongType);
    *value = number;
    return true;
}

bool TRegKey1::GetString(const wchar_t* name, std::uint32_t* length, wchar_t* text)
{
    char16_t units[kStringBufferBytes / 2];
    std::uint32_t type = 0;
    std::uint32_t size = kStringBufferBytes;
    if (!QueryValue(name, &type, &size, units)) {
        if (GetError() == errc::kMoreData)
            SetError(errc::kWrongType);
        return false;
    }
    if (type != reg::kSz)
        return Fail(errc::kWrongType);
    std::uint32_t count = size / 2;
    // A text stored without its terminator needs one more character for it.
    if (count == 0 || units[count - 1] != 0)
        ++count;
    const std::uint32_t room = *length;
    *length = count;
    if (!text)
        return true;
    if (room < count)
        return Fail(errc::kMoreData);
    Utf16ToWide(units, size / 2, text, room);
    return true;
}

TRegKey1& ApplicationRegKey()
{
    LogManager();
    // Made from a passing root object; only its handle value stays as the parent.
    static TRegKey1 key(TRegKey1(reg::kCurrentUser), L"SOFTWARE\\Vextora\\KIVRA");
    return key;
}

namespace {
// Made during static initialisation, after the log manager.
const bool s_applicationKeyReady = (ApplicationRegKey(), true);
}
