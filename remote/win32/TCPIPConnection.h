// Byte channel to the relay server over a non-blocking TCP socket.
#pragma once

#include "runtime/RxBuffer.h"
#include "remote/win32/NBClientSocket.h"
#include "remote/win32/NBConnectionSocketTempl.h"
#include "runtime/ConnectionWrapper.h"

class CTCPIPConnection : public CConnectionWrapper
{
public:
    CTCPIPConnection();
    ~CTCPIPConnection() override;

    // Starts connecting to "host:port"; events go to window as message. 1 started, -1 failed.
    int Connect(const wchar_t* address, HWND window, unsigned message, long events);

    int Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted) override;
    intptr_t GetHandle() override;
    bool IsConnected() override;
    void Close() override;
    int OnEvent(int code) override;
    CRxBuffer& GetRxBuffer() override;

private:
    class CSocket : public CNBConnectionSocketTempl<CRxBuffer, CNBClientSocketBase>
    {
    };
    CSocket m_socket;
};
