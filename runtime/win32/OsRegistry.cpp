// Win32 registry calls.
#include "runtime/OsRegistry.h"

#include <windows.h>

namespace {
HKEY H(TRegHandle key) { return reinterpret_cast<HKEY>(key); }
}

long OsRegOpenKey(TRegHandle parent, const wchar_t* subKey, std::uint32_t access, TRegHandle* key)
{
    HKEY opened = nullptr;
    const LONG r = ::RegOpenKeyExW(H(parent), subKey, 0, access, &opened);
    *key = r == ERROR_SUCCESS ? reinterpret_cast<TRegHandle>(opened) : 0;
    return r;
}

long OsRegCreateKey(TRegHandle parent, const wchar_t* subKey, std::uint32_t access, TRegHandle* key,
                    std::uint32_t* disposition)
{
    HKEY opened = nullptr;
    DWORD how = 0;
    wchar_t noClass[] = L"";
    const LONG r = ::RegCreateKeyExW(H(parent), subKey, 0, noClass, 0, access, nullptr, &opened, &how);
    *key = r == ERROR_SUCCESS ? reinterpret_cast<TRegHandle>(opened) : 0;
    if (disposition)
        *disposition = how;
    return r;
}

long OsRegCloseKey(TRegHandle key) { return ::RegCloseKey(H(key)); }

long OsRegQueryValue(TRegHandle key, const wchar_t* name, std::uint32_t* type, void* data, std::uint32_t* size)
{
    DWORD t = 0;
    DWORD n = size ? *size : 0;
    const LONG r = ::RegQueryValueExW(H(key), name, nullptr, type ? &t : nullptr, static_cast<BYTE*>(data),
                                      size ? &n : nullptr);
    if (type)
        *type = t;
    if (size)
        *size = n;
    return r;
}

long OsRegSetValue(TRegHandle key, const wchar_t* name, std::uint32_t type, const void* data, std::uint32_t size)
{
    return ::RegSetValueExW(H(key), name, 0, type, static_cast<const BYTE*>(data), size);
}

long OsRegDeleteTree(TRegHandle parent, const wchar_t* subKey)
{
    const LONG r = ::RegDeleteTreeW(H(parent), subKey);
    // Some systems leave the emptied key itself behind.
    if (r == ERROR_SUCCESS)
        ::RegDeleteKeyW(H(parent), subKey);
    return r;
}
