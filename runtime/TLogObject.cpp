// Logging interface of the runtime objects.
#include "runtime/TLogObject.h"

#include "runtime/TLogManager.h"

TLogObject::TLogObject(const wchar_t* name)
    : TObject(name), m_logFile(LogManager().CurrentFile())
{
    m_logLevel = m_logFile ? LogManager().Level() : 0;
}

void TLogObject::LogV(int index, const wchar_t* format, va_list args)
{
    if (LogEnabled(index))
        m_logFile->WriteLine(index, m_logPrefix.Get(), format, args);
}

void TLogObject::LogError(const wchar_t* format, ...)
{
    if (!LogEnabled(logging::kError))
        return;
    va_list args;
    va_start(args, format);
    m_logFile->WriteLine(logging::kError, m_logPrefix.Get(), format, args);
    va_end(args);
}

void TLogObject::LogDebug(const wchar_t* format, ...)
{
    if (!LogEnabled(logging::kDebug))
        return;
    va_list args;
    va_start(args, format);
    m_logFile->WriteLine(logging::kDebug, m_logPrefix.Get(), format, args);
    va_end(args);
}

void TLogObject::LogTrace(const wchar_t* format, ...)
{
    if (!LogEnabled(logging::kTrace))
        return;
    va_list args;
    va_start(args, format);
    m_logFile->WriteLine(logging::kTrace, m_logPrefix.Get(), format, args);
    va_end(args);
}

void TLogObject::LogProcess(const wchar_t* format, ...)
{
    TRef<TLogFile> file = LogManager().CurrentFile();
    if (!file)
        return;
    va_list args;
    va_start(args, format);
    file->WriteLine(logging::kError, L"", format, args);
    va_end(args);
}

bool TLogObject::SetLogPrefix(const wchar_t* prefix)
{
    if (m_logPrefix.Assign(prefix))
        return true;
    return Fail(errc::kOutOfMemory);
}
