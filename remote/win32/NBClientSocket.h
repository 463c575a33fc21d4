// Client side of a TCP connection: connecting, and the connect event.
#pragma once

#include "remote/win32/NBSocket.h"

class CNBConnectionSocketBase : public CNBSocket
{
protected:
    CNBConnectionSocketBase() = default;
};

class CNBClientSocketBase : public CNBConnectionSocketBase
{
public:
    // 1 started (pending or already connected), 0 already open, -1 failed.
    int Connect(const wchar_t* address, HWND window, unsigned message, long events);

    // Adds the connect event: 1 when the connection has just completed.
    int OnSocketEvent(unsigned event, int error, uint8_t* buffer, uint32_t size, uint32_t& count) override;

protected:
    CNBClientSocketBase() = default;
};
