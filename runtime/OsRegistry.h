// Registry calls with Win32 semantics; win32/ uses the system registry, native/ an in-process store.
#pragma once

#include <cstdint>

using TRegHandle = std::uintptr_t;

namespace reg {
// Predefined roots, sign-extended as the platform defines them.
constexpr TRegHandle Predefined(std::uint32_t value) { return static_cast<TRegHandle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value))); }
constexpr TRegHandle kClassesRoot = Predefined(0x80000000u);
constexpr TRegHandle kCurrentUser = Predefined(0x80000001u);
constexpr TRegHandle kLocalMachine = Predefined(0x80000002u);
constexpr TRegHandle kUsers = Predefined(0x80000003u);

constexpr std::uint32_t kQueryValue = 0x0001;
constexpr std::uint32_t kSetValue = 0x0002;
constexpr std::uint32_t kRead = 0x20019;
constexpr std::uint32_t kWrite = 0x20006;
constexpr std::uint32_t kReadWrite = 0x2001F;

constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kExpandSz = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDword = 4;
constexpr std::uint32_t kMultiSz = 7;

constexpr std::uint32_t kCreatedNewKey = 1;
constexpr std::uint32_t kOpenedExistingKey = 2;
}  // namespace reg

// All return the Win32 result code (0 = success). Value names and texts are wide strings;
// string data is stored as 16-bit units, as the platform does.
long OsRegOpenKey(TRegHandle parent, const wchar_t* subKey, std::uint32_t access, TRegHandle* key);
long OsRegCreateKey(TRegHandle parent, const wchar_t* subKey, std::uint32_t access, TRegHandle* key,
                    std::uint32_t* disposition);
long OsRegCloseKey(TRegHandle key);
long OsRegQueryValue(TRegHandle key, const wchar_t* name, std::uint32_t* type, void* data, std::uint32_t* size);
long OsRegSetValue(TRegHandle key, const wchar_t* name, std::uint32_t type, const void* data, std::uint32_t size);
// Removes a key with everything below it.
long OsRegDeleteTree(TRegHandle parent, const wchar_t* subKey);
