// The communication trace sink.
#include "runtime/CTempLogger.h"

namespace {
const wchar_t* Direction(bool received) { return received ? L"Rx" : L"Tx"; }
}

bool CTempLogger::AddFrame(bool received, std::uint32_t length, const unsigned char* bytes)
{
    m_text.AppendTimePrefix(m_mode);
    if (length == 0)
        return true;
    m_text.AppendFormat(L"%ls;", Direction(received));
    m_text.AppendHex(bytes, length);
    m_text.AppendLineEnd();
    return true;
}

bool CTempLogger::AddText(bool received, const char* text)
{
    m_text.AppendTimePrefix(m_mode);
    m_text.AppendFormat(L"%ls;%hs", Direction(received), text ? text : "");
    const wchar_t* all = m_text.Text();
    const std::uint32_t n = m_text.Count();
    const wchar_t last = n ? all[n - 1] : 0;
    if (last == L'\n')
        return true;
    if (last == L'\r') {
        if (m_text.Free() >= 2)
            m_text.AppendFormat(L"\n");
        return true;
    }
    m_text.AppendLineEnd();
    return true;
}

bool CTempLogger::TakeText(std::wstring& out)
{
    if (m_text.IsEmpty())
        return false;
    out.assign(m_text.Text(), m_text.Count());
    m_text.Clear();
    return true;
}
