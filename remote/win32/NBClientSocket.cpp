// Client side of a TCP connection: connecting, and the connect event.
#include "remote/win32/NBClientSocket.h"

int CNBClientSocketBase::Connect(const wchar_t* address, HWND window, unsigned message, long events)
{
    if (m_open)
        return 0;
    if (address == nullptr)
        return -1;
    // The new hold on the library is kept only when the connection is under way;
    // dropping it on a failure stops the library again.
    CRefPtr<CNBWSAInit> library = m_library;
    if (!library) {
        library = new CNBWSAInit;
        if (library->Startup() < 0)
            return -1;
    }
    if (ParseAddress(address, m_address) != 1) {
        LogError(L"Listen KO(invalid address)");
        return -1;
    }
    m_handle = socket(AF_INET, SOCK_STREAM, 0);
    if (m_handle == INVALID_SOCKET) {
        m_lastError = WSAGetLastError();
        LogSocketError(L"socket", m_lastError);
        return -1;
    }
    m_open = true;
    if (AsyncSelect(window, message, events) < 0) {
        Close(false);
        return -1;
    }
    if (connect(m_handle, reinterpret_cast<const sockaddr*>(&m_address), sizeof m_address) != 0) {
        const int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK)
            return FailAndClose(L"connect", error);
        m_connected = false;
    } else {
        m_connected = true;
        if (SetHardClose() < 0) {
            Close(false);
            return -1;
        }
    }
    m_library = library;
    return 1;
}

int CNBClientSocketBase::OnSocketEvent(unsigned event, int error, uint8_t* buffer, uint32_t size, uint32_t& count)
{
    if (event != SocketEvent::Connect)
        return CNBSocket::OnSocketEvent(event, error, buffer, size, count);
    TraceEvent(event, error);
    if (error != 0)
        return FailAndClose(L"FD_CONNECT", error);
    if (m_connected)
        return 0;
    if (SetHardClose() < 0) {
        Close(false);
        return -1;
    }
    m_connected = true;
    count = 0;
    return 1;
}
