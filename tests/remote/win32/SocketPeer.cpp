// Loopback TCP peer and a message-only window for the socket tests.
#include "SocketPeer.h"

#include <ws2tcpip.h>

CLoopbackPeer::CLoopbackPeer()
{
    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(m_listener, 1);
    int length = sizeof address;
    getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
}

CLoopbackPeer::~CLoopbackPeer()
{
    CloseConnection();
    StopListening();
}

void CLoopbackPeer::StopListening()
{
    if (m_listener != INVALID_SOCKET)
        closesocket(m_listener);
    m_listener = INVALID_SOCKET;
}

bool CLoopbackPeer::Accept(unsigned timeoutMs)
{
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(m_listener, &readable);
    timeval timeout{static_cast<long>(timeoutMs / 1000), static_cast<long>(timeoutMs % 1000) * 1000};
    if (select(0, &readable, nullptr, nullptr, &timeout) != 1)
        return false;
    m_connection = accept(m_listener, nullptr, nullptr);
    return m_connection != INVALID_SOCKET;
}

bool CLoopbackPeer::Send(const std::string& bytes)
{
    return send(m_connection, bytes.data(), static_cast<int>(bytes.size()), 0) == static_cast<int>(bytes.size());
}

std::string CLoopbackPeer::Receive(std::size_t count, unsigned timeoutMs)
{
    std::string received;
    const DWORD end = GetTickCount() + timeoutMs;
    char chunk[4096];
    while (received.size() < count && GetTickCount() < end) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(m_connection, &readable);
        timeval timeout{0, 50000};
        if (select(0, &readable, nullptr, nullptr, &timeout) != 1)
            continue;
        const int n = recv(m_connection, chunk, sizeof chunk, 0);
        if (n <= 0)
            break;
        received.append(chunk, static_cast<std::size_t>(n));
    }
    return received;
}

void CLoopbackPeer::CloseConnection()
{
    if (m_connection != INVALID_SOCKET)
        closesocket(m_connection);
    m_connection = INVALID_SOCKET;
}

CEventWindow::CEventWindow()
{
    m_window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

CEventWindow::~CEventWindow()
{
    DestroyWindow(m_window);
}

bool CEventWindow::Next(std::intptr_t& lParam, unsigned timeoutMs)
{
    const DWORD end = GetTickCount() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, m_window, 0, 0, PM_REMOVE)) {
            if (message.message == kMessage) {
                lParam = message.lParam;
                return true;
            }
            DispatchMessageW(&message);
        }
        if (GetTickCount() >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

bool CEventWindow::WaitFor(unsigned event, std::intptr_t& lParam, unsigned timeoutMs)
{
    const DWORD end = GetTickCount() + timeoutMs;
    while (GetTickCount() < end) {
        if (!Next(lParam, end - GetTickCount()))
            return false;
        if ((lParam & 0xFFFF) == static_cast<std::intptr_t>(event))
            return true;
    }
    return false;
}
