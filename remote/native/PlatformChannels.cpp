// The host build has neither serial ports nor the socket library: every open fails.
#include "remote/ChannelFactory.h"

namespace
{
class CHostChannels : public CChannelFactory
{
public:
    int OpenSerial(const std::wstring&, uint32_t, uint32_t, TWindowHandle, unsigned, CRefPtr<CConnectionWrapper>&) override
    {
        return -1;
    }

    int ConnectRelay(const std::wstring&, TWindowHandle, unsigned, unsigned, CRefPtr<CConnectionWrapper>&) override
    {
        return -1;
    }
};
}

CChannelFactory& PlatformChannels()
{
    static CHostChannels channels;
    return channels;
}
