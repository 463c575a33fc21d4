// The process-wide diagnostic log manager: reads the registry configuration once and hands the
// log file and the level to every new logging object.
#pragma once

#include "runtime/TCriticalSection.h"
#include "runtime/TLogFile.h"

class TLogManager {
public:
    // Reads the configuration kept for the running executable's file name.
    TLogManager();
    // Reads the configuration kept for the given executable file name.
    explicit TLogManager(const wchar_t* exeName);
    TLogManager(const TLogManager&) = delete;
    TLogManager& operator=(const TLogManager&) = delete;

    TRef<TLogFile> CurrentFile();
    int Level();
    // Replaces the log file and level for objects made from now on (a tool's own logging set-up).
    void Install(TLogFile* file, int level);

    // The registry key of the configuration, below HKEY_LOCAL_MACHINE.
    static void KeyPath(const wchar_t* exeName, wchar_t* out, std::size_t cap);

private:
    void Configure(const wchar_t* exeName);

    TCriticalSection m_lock;
    TRef<TLogFile> m_file;
    int m_level = 0;
};

// The one manager, created during static initialisation after the process clock.
TLogManager& LogManager();
