// The common line format of the diagnostic log files.
#include "runtime/TLogFile.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <cwctype>

#include "runtime/AnsiText.h"
#include "runtime/CalendarTime.h"
#include "runtime/LogLevels.h"
#include "runtime/ProcessClock.h"
#include "runtime/WideFormat.h"

namespace {
constexpr std::size_t kFormatChars = 1024;
constexpr std::size_t kTextRoom = TLogFile::kLineSize - 2;  // CR LF close every line
}

const wchar_t* logging::LevelName(int index)
{
    static const wchar_t* const names[] = {L";", L"ERROR;", L"DEBUG;", L"TRACE;"};
    return index >= 0 && index < 4 ? names[index] : names[0];
}

TLogFile::TLogFile(const wchar_t* name)
    : TObject(name), m_line(kLineSize), m_format(kFormatChars * sizeof(wchar_t))
{
    if (AdoptStatus(&m_line))
        AdoptStatus(&m_format);
}

bool TLogFile::SamePath(const wchar_t* a, const wchar_t* b)
{
    a = a ? a : L"";
    b = b ? b : L"";
    for (; *a && *b; ++a, ++b) {
        if (std::towlower(static_cast<wint_t>(*a)) != std::towlower(static_cast<wint_t>(*b)))
            return false;
    }
    return *a == *b;
}

std::size_t TLogFile::BeforeStamp(std::uint64_t, char*, std::size_t) { return 0; }

std::size_t TLogFile::Stamp(char* out, std::size_t cap)
{
    const std::uint64_t now = NowLocal();
    const std::size_t before = BeforeStamp(now, out, cap);
    if (!m_stampValid || now != m_stampTime) {
        const TCalendarTime t = CalendarFromFileTime(now);
        const int n = std::snprintf(m_stampText, sizeof m_stampText, "%04hu/%02hu/%02hu %02hu:%02hu:%02hu.%03hu;",
                                    t.year, t.month, t.day, t.hour, t.minute, t.second, t.milliseconds);
        m_stampLength = n > 0 ? static_cast<std::size_t>(n) : 0;
        m_stampTime = now;
        m_stampValid = true;
    }
    const std::size_t n = m_stampLength < cap - before ? m_stampLength : cap - before;
    std::memcpy(out + before, m_stampText, n);
    return before + n;
}

void TLogFile::Compose(bool withHeader, int index, const wchar_t* prefix, const wchar_t* format, va_list args)
{
    char* line = reinterpret_cast<char*>(m_line.Data());
    wchar_t* text = reinterpret_cast<wchar_t*>(m_format.Data());
    const std::size_t t = (m_flags & logging::kNoStamp) ? 0 : Stamp(line, kTextRoom);

    std::size_t h = 0;
    if (withHeader) {
        if (!(m_flags & logging::kNoLevel))
            h = FormatWide(text, kFormatChars, L"%ls", logging::LevelName(index));
        if (!(m_flags & logging::kNoPrefix))
            h += FormatWide(text + h, kFormatChars - h, L"%ls;", prefix ? prefix : L"");
    }
    const std::size_t room = kTextRoom > t + h ? kTextRoom - t - h : 0;
    const std::size_t m = FormatWideV(text + h, room + 1, format, args);

    std::size_t n = t + WideToAnsi(text, h + m, line + t, kTextRoom - t);
    line[n++] = '\r';
    line[n++] = '\n';
    WriteRecord(m_line.Data(), n);
}

void TLogFile::WriteLine(int index, const wchar_t* prefix, const wchar_t* format, va_list args)
{
    TScopedLock hold(&m_lock);
    if (!IsOk() || !m_file.IsOpen())
        return;
    Compose(true, index, prefix, format, args);
}

void TLogFile::WriteRaw(const wchar_t* format, va_list args)
{
    TScopedLock hold(&m_lock);
    if (!IsOk() || !m_file.IsOpen())
        return;
    Compose(false, 0, nullptr, format, args);
}

void TLogFile::WriteRawF(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    WriteRaw(format, args);
    va_end(args);
}
