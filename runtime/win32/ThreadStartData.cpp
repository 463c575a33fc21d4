// The start handshake record: two manual-reset events, the failure flag and the creator's locale.
#include "runtime/win32/ThreadStartData.h"

#include <clocale>
#include <cwchar>

TThreadStartData::TThreadStartData(TThread* owner) : m_owner(owner)
{
    m_started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_started)
        m_go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_started || !m_go)
        MarkFailed(GetLastError());
}

TThreadStartData::~TThreadStartData()
{
    CloseStarted();
    if (m_go)
        CloseHandle(m_go);
}

void TThreadStartData::CloseStarted()
{
    if (m_started) {
        CloseHandle(m_started);
        m_started = nullptr;
    }
}

TThreadStartDataExt::TThreadStartDataExt(TThread* owner) : TThreadStartData(owner), m_locale(GetThreadLocale())
{
    if (const wchar_t* name = _wsetlocale(LC_CTYPE, nullptr))
        std::wcsncpy(m_localeName, name, sizeof m_localeName / sizeof m_localeName[0] - 1);
}
