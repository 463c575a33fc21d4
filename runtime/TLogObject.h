// Logging interface of the runtime objects: error, debug and trace lines with the object's name prefix.
#pragma once

#include <cstdarg>

#include "runtime/LogLevels.h"
#include "runtime/TLogFile.h"

class TLogObject : public TObject {
public:
    // Takes the log manager's current file and level; the name prefix starts null.
    explicit TLogObject(const wchar_t* name = nullptr);

    // Each tests the level before any formatting. Formats take wide texts as %ls, narrow as %hs.
    void LogError(const wchar_t* format, ...);
    void LogDebug(const wchar_t* format, ...);
    void LogTrace(const wchar_t* format, ...);
    void LogV(int index, const wchar_t* format, va_list args);
    bool LogEnabled(int index) const { return m_logLevel >= index && m_logFile; }
    int LogLevel() const { return m_logLevel; }
    const wchar_t* LogPrefix() const { return m_logPrefix.Get(); }

    // Writes at error level with an empty prefix to the current log file, whatever the level.
    static void LogProcess(const wchar_t* format, ...);

protected:
    bool SetLogPrefix(const wchar_t* prefix);
    // For objects that keep themselves out of the log.
    void SetLogLevel(int level) { m_logLevel = level; }

private:
    TRef<TLogFile> m_logFile;
    int m_logLevel = 0;
    TOwnedWString m_logPrefix;
};

// The base of the handle owners and the registry key.
class TFriendlyLogObject : public TLogObject {
public:
    using TLogObject::TLogObject;
};
