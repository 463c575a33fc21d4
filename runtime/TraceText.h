// Bounded wide text that trace lines are appended to: formatted text, hexadecimal byte dumps,
// line ends and time prefixes; a full buffer cuts or drops, it never fails.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

class TTraceText {
public:
    // Time prefix modes: seconds, or seconds with milliseconds.
    static constexpr std::uint32_t kSeconds = 0x1;
    static constexpr std::uint32_t kMilliseconds = 0x2;

    explicit TTraceText(std::uint32_t capacity);
    TTraceText(const TTraceText&) = delete;
    TTraceText& operator=(const TTraceText&) = delete;
    ~TTraceText();

    // Text that does not fit is cut so that the count becomes capacity - 1.
    void AppendFormat(const wchar_t* format, ...);
    void AppendFormatV(const wchar_t* format, va_list args);
    // Two upper-case digits and a blank per byte while more than 4 characters are free;
    // a single "!" marks bytes left out.
    void AppendHex(const unsigned char* bytes, std::size_t length);
    // CR LF, when the text is not empty and at least 3 characters are free.
    void AppendLineEnd();
    // The local time as "hh:mm:ss;" or "hh:mm:ss.mmm;" as the mode asks; nothing for mode 0.
    void AppendTimePrefix(std::uint32_t mode);
    void Clear();

    const wchar_t* Text() const { return m_chars ? m_chars : L""; }
    std::uint32_t Count() const { return m_count; }
    std::uint32_t Capacity() const { return m_capacity; }
    bool IsEmpty() const { return m_count == 0; }
    std::uint32_t Free() const { return m_capacity - m_count; }

private:
    void Put(wchar_t c);

    std::uint32_t m_count = 0;
    std::uint32_t m_capacity;
    wchar_t* m_chars;
};
