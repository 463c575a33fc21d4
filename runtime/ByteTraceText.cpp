// The "Rx[n]:" / "Tx[n]:" debug text, built in the same bounded trace text as the log page's lines.
#include "runtime/ByteTraceText.h"

#include <cwchar>

#include "runtime/TraceText.h"

std::size_t FormatByteTrace(wchar_t (&text)[kByteTraceChars], const char* direction, const uint8_t* bytes,
                            std::size_t count)
{
    // The direction is a short ASCII word; widened here so that one format serves every platform.
    wchar_t name[8] = {};
    for (std::size_t i = 0; i + 1 < sizeof name / sizeof name[0] && direction[i]; ++i)
        name[i] = static_cast<wchar_t>(static_cast<unsigned char>(direction[i]));
    TTraceText trace(kByteTraceChars);
    trace.AppendFormat(L"%ls[%d]:", name, static_cast<int>(count));
    trace.AppendHex(bytes, count);
    std::wmemcpy(text, trace.Text(), trace.Count() + 1);
    return trace.Count();
}
