// Helpers of the diagnostic log tests: writing lines with arguments and reading a ring back.
#pragma once

#include <cstdarg>
#include <string>

#include "runtime/TLogFile.h"

namespace testsupport {

inline void Line(TLogFile& log, int index, const wchar_t* prefix, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    log.WriteLine(index, prefix, format, args);
    va_end(args);
}

// The text of a ring file in writing order: the older text after the zero byte (without the
// blank fill at its end), then the newer text up to the zero byte.
inline std::string RingText(const std::string& file)
{
    const std::size_t zero = file.find('\0');
    if (zero == std::string::npos)
        return file;
    std::string older = file.substr(zero + 1);
    older.erase(older.find_last_not_of(' ') + 1);
    return older + file.substr(0, zero);
}

}  // namespace testsupport
