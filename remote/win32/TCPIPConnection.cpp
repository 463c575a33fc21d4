// Byte channel to the relay server over a non-blocking TCP socket.
#include "remote/win32/TCPIPConnection.h"

CTCPIPConnection::CTCPIPConnection()
    : CConnectionWrapper(CConnectionWrapper::kRelay)
{
}

CTCPIPConnection::~CTCPIPConnection()
{
    m_socket.Close(false);
}

int CTCPIPConnection::Connect(const wchar_t* address, HWND window, unsigned message, long events)
{
    SetFailureCode(0);
    const int result = m_socket.Connect(address, window, message, events);
    if (result < 0)
        SetFailureCode(static_cast<TErrorCode>(m_socket.GetLastSocketError()));
    return result;
}

int CTCPIPConnection::Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted)
{
    return m_socket.Send(bytes, length, accepted);
}

intptr_t CTCPIPConnection::GetHandle()
{
    return static_cast<intptr_t>(m_socket.GetHandle());
}

bool CTCPIPConnection::IsConnected()
{
    return m_socket.IsConnected();
}

void CTCPIPConnection::Close()
{
    m_socket.Close(false);
}

int CTCPIPConnection::OnEvent(int code)
{
    int result = m_socket.OnNetworkEvent(code);
    if ((code & 0xFFFF) == SocketEvent::Write && result >= 0) {
        const int flushed = Flush();
        result = flushed < 0 ? flushed : 0;
    }
    if (result < 0)
        SetFailureCode(static_cast<TErrorCode>(m_socket.GetLastSocketError()));
    return result;
}

CRxBuffer& CTCPIPConnection::GetRxBuffer()
{
    return m_socket;
}
