// Holder of one start of the socket library; stopping it again when released.
#include "remote/win32/NBWSAInit.h"

CNBWSAInit::~CNBWSAInit()
{
    Cleanup();
}

int CNBWSAInit::Startup()
{
    if (m_started)
        return m_lastError == 0 ? 0 : -1;
    m_lastError = WSAStartup(MAKEWORD(2, 2), &m_data);
    if (m_lastError != 0)
        LogSocketError(L"WSAStartup", m_lastError);
    m_started = true;
    return m_lastError == 0 ? 1 : -1;
}

void CNBWSAInit::Cleanup()
{
    if (m_started && m_lastError == 0 && WSACleanup() != 0) {
        const int error = WSAGetLastError();
        if (error != WSANOTINITIALISED)
            LogSocketError(L"WSACleanup", error);
    }
    m_started = false;
}
