// Non-blocking IPv4 TCP socket whose events arrive as window messages.
#pragma once

#include "remote/win32/NBWSAInit.h"
#include "runtime/RefCount.h"

#include <cstdint>

#include <winsock2.h>

// Event codes of the asynchronous selection.
namespace SocketEvent
{
constexpr unsigned Read = FD_READ;
constexpr unsigned Write = FD_WRITE;
constexpr unsigned Connect = FD_CONNECT;
constexpr unsigned Close = FD_CLOSE;
}

class CNBSocket : public CNBWSAObject
{
public:
    ~CNBSocket() override;

    // Closes the handle; with releaseLibrary the hold on the socket library goes too.
    virtual void Close(bool releaseLibrary);

    int AsyncSelect(HWND window, unsigned message, long events);
    // Makes closing reset the connection at once.
    int SetHardClose();
    // "host:port" into an IPv4 address; an empty host is the any-address.
    int ParseAddress(const wchar_t* text, sockaddr_in& address);

    // 1 data (count set), 0 nothing now, -1 closed or failed.
    int Receive(uint8_t* buffer, uint32_t size, uint32_t& count);
    // 1 sent (count may be below length), 0 would block, -1 failed.
    int Send(const uint8_t* bytes, uint32_t length, uint32_t& count);

    virtual int OnSocketEvent(unsigned event, int error, uint8_t* buffer, uint32_t size, uint32_t& count);

    SOCKET GetHandle() const { return m_handle; }
    bool IsOpen() const { return m_open; }
    bool IsConnected() const { return m_connected; }

protected:
    CNBSocket() = default;

    void TraceEvent(unsigned event, int error);
    // Keeps the error of a failed call, logs it and closes the socket; -1.
    int FailAndClose(const wchar_t* what, int error);

    CRefPtr<CNBWSAInit> m_library;
    SOCKET m_handle = INVALID_SOCKET;
    sockaddr_in m_address{};
    bool m_open = false;
    bool m_connected = false;

private:
    void DumpBytes(const char* direction, const uint8_t* bytes, uint32_t count);
};
