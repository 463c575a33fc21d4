// Loopback TCP peer and a message-only window for the socket tests.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Starts the socket library for the test's own blocking sockets.
class CSocketLibrary
{
public:
    CSocketLibrary() { WSAStartup(MAKEWORD(2, 2), &m_data); }
    ~CSocketLibrary() { WSACleanup(); }

private:
    WSADATA m_data{};
};

// A listening socket on 127.0.0.1 with an ephemeral port, and the one connection it accepts.
class CLoopbackPeer
{
public:
    CLoopbackPeer();
    ~CLoopbackPeer();

    unsigned short Port() const { return m_port; }
    std::wstring Address() const { return L"127.0.0.1:" + std::to_wstring(m_port); }
    // Stops listening, so that connecting to the port is refused.
    void StopListening();
    bool Accept(unsigned timeoutMs = 5000);
    bool Send(const std::string& bytes);
    // Receives until count bytes arrived or the time is up.
    std::string Receive(std::size_t count, unsigned timeoutMs = 5000);
    void CloseConnection();

private:
    SOCKET m_listener = INVALID_SOCKET;
    SOCKET m_connection = INVALID_SOCKET;
    unsigned short m_port = 0;
};

// A message-only window that collects the socket notifications posted to it.
class CEventWindow
{
public:
    static constexpr unsigned kMessage = WM_APP + 7;

    CEventWindow();
    ~CEventWindow();

    HWND Handle() const { return m_window; }
    // The lParam of the next notification, pumping messages for at most timeoutMs.
    bool Next(std::intptr_t& lParam, unsigned timeoutMs = 5000);
    // Waits for a notification carrying this event, dropping others; false on time-out.
    bool WaitFor(unsigned event, std::intptr_t& lParam, unsigned timeoutMs = 5000);

private:
    HWND m_window = nullptr;
};
