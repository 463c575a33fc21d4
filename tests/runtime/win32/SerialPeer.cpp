// Test fixture: starts the native serial peer through Wine and talks to it over loopback TCP.
#include "SerialPeer.h"

#include <winsock2.h>
#include <windows.h>

#include <cstdio>

#ifndef KIVRA_SERIAL_PEER
#error "KIVRA_SERIAL_PEER must name the native peer program"
#endif

namespace {

// The peer is a Linux program; Wine starts it from its path on the Z: drive.
std::wstring PeerCommandLine(unsigned short controlPort, int com)
{
    std::wstring path = L"Z:";
    for (const char* p = KIVRA_SERIAL_PEER; *p; ++p)
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    return path + L" --control-port " + std::to_wstring(controlPort) + L" --com " + std::to_wstring(com);
}

std::string Hex(const std::vector<unsigned char>& bytes)
{
    std::string text;
    char pair[3];
    for (unsigned char b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", b);
        text += pair;
    }
    return text;
}

struct WinsockUser {
    WinsockUser()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUser() { WSACleanup(); }
};

}  // namespace

SerialPeer::~SerialPeer()
{
    if (m_socket == ~0ULL)
        return;
    // The peer removes its COM link before it closes the connection; waiting for that keeps it
    // from removing the link of the next test's peer.
    send(static_cast<SOCKET>(m_socket), "Q\n", 2, 0);
    std::string ignored;
    while (ReadLine(ignored, 5000)) {
    }
    closesocket(static_cast<SOCKET>(m_socket));
}

bool SerialPeer::Start(int comNumber)
{
    static WinsockUser winsock;
    m_com = comNumber;
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof a;
    if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        listen(listener, 1) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&a), &size) != 0) {
        closesocket(listener);
        return false;
    }
    std::wstring command = PeerCommandLine(ntohs(a.sin_port), comNumber);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        closesocket(listener);
        return false;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    fd_set set;
    FD_ZERO(&set);
    FD_SET(listener, &set);
    timeval wait{10, 0};
    if (select(0, &set, nullptr, nullptr, &wait) == 1)
        m_socket = accept(listener, nullptr, nullptr);
    closesocket(listener);
    std::string ready;
    return m_socket != INVALID_SOCKET && m_socket != ~0ULL && ReadLine(ready, 10000) && ready.rfind("READY ", 0) == 0;
}

bool SerialPeer::Send(const std::vector<unsigned char>& bytes)
{
    std::string answer;
    return Command("W " + Hex(bytes), answer) && answer == "OK";
}

std::vector<unsigned char> SerialPeer::Receive(std::size_t count, int timeoutMs)
{
    std::string answer;
    std::vector<unsigned char> bytes;
    if (!Command("R " + std::to_string(count) + " " + std::to_string(timeoutMs), answer, timeoutMs + 10000) ||
        answer.rfind("D ", 0) != 0)
        return bytes;
    for (std::size_t i = 2; i + 1 < answer.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(std::stoul(answer.substr(i, 2), nullptr, 16)));
    return bytes;
}

bool SerialPeer::Settings(SerialLineSettings& out)
{
    std::string answer;
    int flags[6] = {};
    if (!Command("T", answer) ||
        std::sscanf(answer.c_str(), "T %u %d %d %d %d %d %d", &out.baud, &out.dataBits, &flags[0], &flags[1],
                    &flags[2], &flags[3], &flags[4]) != 7)
        return false;
    out.parity = flags[0];
    out.twoStopBits = flags[1];
    out.rtsCtsFlow = flags[2];
    out.xonOutput = flags[3];
    out.xonInput = flags[4];
    return true;
}

bool SerialPeer::Hangup()
{
    std::string answer;
    return Command("H", answer) && answer == "OK";
}

bool SerialPeer::LinkToNonSerialDevice()
{
    std::string answer;
    return Command("N", answer) && answer == "OK";
}

bool SerialPeer::Command(const std::string& line, std::string& answer, int timeoutMs)
{
    const std::string text = line + "\n";
    if (m_socket == ~0ULL ||
        send(static_cast<SOCKET>(m_socket), text.data(), static_cast<int>(text.size()), 0) != static_cast<int>(text.size()))
        return false;
    return ReadLine(answer, timeoutMs);
}

bool SerialPeer::ReadLine(std::string& line, int timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        const std::size_t eol = m_pending.find('\n');
        if (eol != std::string::npos) {
            line = m_pending.substr(0, eol);
            m_pending.erase(0, eol + 1);
            return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return false;
        fd_set set;
        FD_ZERO(&set);
        FD_SET(static_cast<SOCKET>(m_socket), &set);
        const ULONGLONG left = end - now;
        timeval wait{static_cast<long>(left / 1000), static_cast<long>(left % 1000) * 1000};
        if (select(0, &set, nullptr, nullptr, &wait) != 1)
            return false;
        char buf[8192];
        const int n = recv(static_cast<SOCKET>(m_socket), buf, sizeof buf, 0);
        if (n <= 0)
            return false;
        m_pending.append(buf, n);
    }
}
