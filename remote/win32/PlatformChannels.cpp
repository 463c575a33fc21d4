// The Windows transports: serial ports and TCP to the relay server.
#include "remote/ChannelFactory.h"

#include "remote/win32/TCPIPConnection.h"
#include "runtime/win32/CommConnection.h"

namespace
{
class CWin32Channels : public CChannelFactory
{
public:
    int OpenSerial(const std::wstring& port, uint32_t baudRate, uint32_t readGapMs, TWindowHandle window,
                   unsigned message, CRefPtr<CConnectionWrapper>& channel) override
    {
        auto* serial = new CCommConnection;
        channel = serial;
        return serial->Open(port.c_str(), baudRate, readGapMs, static_cast<HWND>(window), message);
    }

    int ConnectRelay(const std::wstring& address, TWindowHandle window, unsigned message, unsigned events,
                     CRefPtr<CConnectionWrapper>& channel) override
    {
        auto* relay = new CTCPIPConnection;
        channel = relay;
        return relay->Connect(address.c_str(), static_cast<HWND>(window), message, static_cast<long>(events));
    }
};
}

CChannelFactory& PlatformChannels()
{
    static CWin32Channels channels;
    return channels;
}
