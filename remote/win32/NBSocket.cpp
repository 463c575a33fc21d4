// Non-blocking IPv4 TCP socket whose events arrive as window messages.
#include "remote/win32/NBSocket.h"

#include "runtime/TraceText.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

namespace
{
constexpr std::size_t kAddressLimit = 64;
constexpr uint32_t kDumpChars = 2048;
}

CNBSocket::~CNBSocket()
{
    Close(true);
}

void CNBSocket::Close(bool releaseLibrary)
{
    if (m_open) {
        m_open = false;
        closesocket(m_handle);
        m_handle = INVALID_SOCKET;
    }
    m_connected = false;
    if (releaseLibrary)
        m_library = nullptr;
}

int CNBSocket::AsyncSelect(HWND window, unsigned message, long events)
{
    if (!m_open)
        return -1;
    if (WSAAsyncSelect(m_handle, window, message, events) != 0) {
        m_lastError = WSAGetLastError();
        LogSocketError(L"WSAAsyncSelect", m_lastError);
        return -1;
    }
    return 1;
}

int CNBSocket::SetHardClose()
{
    if (!m_open)
        return -1;
    linger option{};
    option.l_onoff = 1;
    option.l_linger = 0;
    if (setsockopt(m_handle, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&option), sizeof option) != 0) {
        m_lastError = WSAGetLastError();
        LogSocketError(L"setsockopt", m_lastError);
        return -1;
    }
    return 1;
}

int CNBSocket::ParseAddress(const wchar_t* text, sockaddr_in& address)
{
    address.sin_family = AF_INET;
    if (std::wcslen(text) >= kAddressLimit)
        return -1;
    char host[kAddressLimit];
    if (WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, host, sizeof host, nullptr, nullptr) == 0)
        return -1;
    char* colon = std::strchr(host, ':');
    int port = 0;
    if (colon == nullptr || std::sscanf(colon + 1, "%d", &port) != 1)
        return -1;
    *colon = 0;
    address.sin_port = htons(static_cast<u_short>(port));
    if (host[0] == 0) {
        address.sin_addr.s_addr = INADDR_ANY;
        return 1;
    }
    const hostent* entry = gethostbyname(host);
    if (entry == nullptr || entry->h_addr_list[0] == nullptr) {
        m_lastError = WSAGetLastError();
        LogSocketError(L"gethostbyname", m_lastError);
        return -1;
    }
    std::memcpy(&address.sin_addr, entry->h_addr_list[0], sizeof address.sin_addr);
    return 1;
}

int CNBSocket::Receive(uint8_t* buffer, uint32_t size, uint32_t& count)
{
    count = 0;
    if (!m_open)
        return -1;
    if (buffer == nullptr || size == 0)
        return 0;
    const int received = recv(m_handle, reinterpret_cast<char*>(buffer), static_cast<int>(size), 0);
    if (received > 0) {
        count = static_cast<uint32_t>(received);
        DumpBytes("Rx", buffer, count);
        return 1;
    }
    if (received == 0) {
        m_lastError = 0;  // closed in order: no reason to report
        Close(false);
        return -1;
    }
    // "Would block" is no failure: kept out of the last error, which tells why a socket closed.
    const int error = WSAGetLastError();
    if (error == WSAEWOULDBLOCK)
        return 0;
    return FailAndClose(L"recv", error);
}

int CNBSocket::Send(const uint8_t* bytes, uint32_t length, uint32_t& count)
{
    count = 0;
    if (!m_open)
        return -1;
    if (bytes == nullptr || length == 0)
        return 0;
    const int sent = send(m_handle, reinterpret_cast<const char*>(bytes), static_cast<int>(length), 0);
    if (sent >= 0) {
        count = static_cast<uint32_t>(sent);
        DumpBytes("Tx", bytes, count);
        return 1;
    }
    const int error = WSAGetLastError();
    if (error == WSAEWOULDBLOCK)
        return 0;
    return FailAndClose(L"send", error);
}

int CNBSocket::OnSocketEvent(unsigned event, int error, uint8_t* buffer, uint32_t size, uint32_t& count)
{
    TraceEvent(event, error);
    if (!m_open)
        return -1;
    switch (event) {
    case SocketEvent::Read:
        if (error == 0)
            return Receive(buffer, size, count);
        return FailAndClose(L"FD_READ", error);
    case SocketEvent::Write:
        if (error == 0)
            return 0;
        return FailAndClose(L"FD_WRITE", error);
    case SocketEvent::Close:
        // A peer that closes in order, or an abort we caused, is no failure worth a line.
        m_lastError = error;
        if (error != 0 && error != WSAECONNABORTED)
            LogSocketError(L"FD_CLOSE", error);
        Close(false);
        return -1;
    default:
        LogError(L"Unknown Event(%d)", static_cast<int>(event));
        return 0;
    }
}

void CNBSocket::TraceEvent(unsigned event, int error)
{
    LogTrace(L"OnSocketEvent (x%08X,%d,%d)", static_cast<unsigned>(m_handle), static_cast<int>(event), error);
}

int CNBSocket::FailAndClose(const wchar_t* what, int error)
{
    m_lastError = error;
    LogSocketError(what, error);
    Close(false);
    return -1;
}

void CNBSocket::DumpBytes(const char* direction, const uint8_t* bytes, uint32_t count)
{
    if (!LogEnabled(logging::kDebug))
        return;
    TTraceText line(kDumpChars);
    line.AppendFormat(L"%hs[%d]:", direction, static_cast<int>(count));
    line.AppendHex(bytes, count);
    LogDebug(L"%ls", line.Text());
}
