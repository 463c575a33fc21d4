// Diagnostic log manager and its registry configuration.
#include "runtime/TLogManager.h"

#include <atomic>
#include <new>

#include "runtime/LogExcept.h"
#include "runtime/OsRegistry.h"
#include "runtime/ProcessClock.h"
#include "runtime/TCyclicLogFile.h"
#include "runtime/TNotCyclicLogFile.h"
#include "runtime/Utf16.h"
#include "runtime/WideFormat.h"

namespace {
constexpr std::size_t kPathChars = 260;
constexpr std::uint32_t kChainType = 1;

std::atomic<std::uint32_t> s_except{0};

// A 32-bit value read into a 4-byte buffer whatever its stored type.
bool QueryNumber(TRegHandle key, const wchar_t* name, std::uint32_t* value)
{
    std::uint32_t size = sizeof *value;
    return OsRegQueryValue(key, name, nullptr, value, &size) == 0;
}

bool QueryPath(TRegHandle key, wchar_t* out, std::size_t cap)
{
    char16_t units[kPathChars + 1] = {};
    std::uint32_t size = kPathChars * sizeof(char16_t);
    if (OsRegQueryValue(key, L"Path", nullptr, units, &size) != 0)
        return false;
    Utf16ToWide(units, size / sizeof(char16_t), out, cap);
    return true;
}

std::uint32_t LimitBytes(std::uint32_t kib)
{
    constexpr std::uint32_t kMaxKib = 0xFFFFFFFFu / 1024;
    return (kib > kMaxKib ? kMaxKib : kib) * 1024;
}

// Made during static initialisation, so the log is ready before the application's objects.
const bool s_managerReady = (LogManager(), true);
}  // namespace

std::uint32_t LogExceptValue() { return s_except.load(); }

void SetLogExceptValue(std::uint32_t value) { s_except = value; }

TLogManager& LogManager()
{
    ProcessClock();
    static TLogManager manager;
    return manager;
}

TLogManager::TLogManager() { Configure(ProcessClock().ModuleFileName()); }

TLogManager::TLogManager(const wchar_t* exeName) { Configure(exeName); }

void TLogManager::KeyPath(const wchar_t* exeName, wchar_t* out, std::size_t cap)
{
    FormatWide(out, cap, L"SOFTWARE\\K5W\\Log\\%ls", exeName ? exeName : L"");
}

void TLogManager::Configure(const wchar_t* exeName)
{
    wchar_t keyPath[kPathChars + 32];
    KeyPath(exeName, keyPath, sizeof keyPath / sizeof *keyPath);
    TRegHandle key = 0;
    if (OsRegOpenKey(reg::kLocalMachine, keyPath, reg::kRead, &key) != 0)
        return;
    std::uint32_t except = 0;
    if (QueryNumber(key, L"Except", &except))
        SetLogExceptValue(except);
    wchar_t path[kPathChars + 1] = {};
    std::uint32_t level = 0;
    std::uint32_t limit = 0;
    std::uint32_t flags = 0;
    std::uint32_t type = 0;
    const bool complete = QueryPath(key, path, kPathChars + 1) && QueryNumber(key, L"Level", &level) &&
                          QueryNumber(key, L"Limit", &limit);
    if (complete) {
        QueryNumber(key, L"Flags", &flags);
        QueryNumber(key, L"Type", &type);
    }
    OsRegCloseKey(key);
    if (!complete)
        return;
    TLogFile* file = type == kChainType ? static_cast<TLogFile*>(new (std::nothrow) TNotCyclicLogFile)
                                        : static_cast<TLogFile*>(new (std::nothrow) TCyclicLogFile);
    if (!file)
        return;
    if (!file->IsOk() || !file->Open(path, LimitBytes(limit), flags)) {
        delete file;
        return;
    }
    Install(file, static_cast<int>(level));
}

TRef<TLogFile> TLogManager::CurrentFile()
{
    TScopedLock hold(&m_lock);
    return m_file;
}

int TLogManager::Level()
{
    TScopedLock hold(&m_lock);
    return m_level;
}

void TLogManager::Install(TLogFile* file, int level)
{
    TRef<TLogFile> taken(file);
    TRef<TLogFile> old;
    {
        TScopedLock hold(&m_lock);
        old = m_file;
        m_file = taken;
        m_level = file ? level : 0;
    }
    // The old file may close here, outside the manager's lock.
}
