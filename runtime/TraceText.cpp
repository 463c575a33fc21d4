// Bounded trace text.
#include "runtime/TraceText.h"

#include <new>

#include "runtime/CalendarTime.h"
#include "runtime/ProcessClock.h"
#include "runtime/WideFormat.h"

TTraceText::TTraceText(std::uint32_t capacity)
    : m_capacity(capacity), m_chars(capacity ? new (std::nothrow) wchar_t[capacity] : nullptr)
{
    // Without storage the text stays empty and every append is dropped.
    if (!m_chars)
        m_capacity = 0;
    else
        m_chars[0] = 0;
}

TTraceText::~TTraceText() { delete[] m_chars; }

void TTraceText::Clear()
{
    m_count = 0;
    if (m_chars)
        m_chars[0] = 0;
}

void TTraceText::Put(wchar_t c)
{
    m_chars[m_count++] = c;
    m_chars[m_count] = 0;
}

void TTraceText::AppendFormatV(const wchar_t* format, va_list args)
{
    if (Free() <= 1)
        return;
    m_count += static_cast<std::uint32_t>(FormatWideV(m_chars + m_count, Free(), format, args));
}

void TTraceText::AppendFormat(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void TTraceText::AppendHex(const unsigned char* bytes, std::size_t length)
{
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::size_t i = 0;
    for (; i < length && Free() > 4; ++i) {
        Put(digits[bytes[i] >> 4]);
        Put(digits[bytes[i] & 0xF]);
        Put(L' ');
    }
    if (i < length && Free() >= 2)
        Put(L'!');
}

void TTraceText::AppendLineEnd()
{
    if (m_count == 0 || Free() < 3)
        return;
    Put(L'\r');
    Put(L'\n');
}

void TTraceText::AppendTimePrefix(std::uint32_t mode)
{
    if (!(mode & (kSeconds | kMilliseconds)))
        return;
    const TCalendarTime t = CalendarFromFileTime(NowLocal());
    if (mode & kMilliseconds)
        AppendFormat(L"%02d:%02d:%02d.%03d;", t.hour, t.minute, t.second, t.milliseconds);
    else
        AppendFormat(L"%02d:%02d:%02d;", t.hour, t.minute, t.second);
}
