// Where the connection manager gets its byte channels from: the platform's transports, or a test's.
#pragma once

#include "runtime/RefCount.h"
#include "runtime/WindowLink.h"

#include <cstdint>
#include <string>

class CConnectionWrapper;

class CChannelFactory
{
public:
    // A serial channel on a local port whose reads end after readGapMs of silence (0: a gap
    // sized to the baud rate). The channel is handed out even when opening failed, so that its
    // release is the one way a half-made channel ends. 1 open, 0 nothing changed, -1 failed.
    virtual int OpenSerial(const std::wstring& port, uint32_t baudRate, uint32_t readGapMs, TWindowHandle window,
                           unsigned message, CRefPtr<CConnectionWrapper>& channel) = 0;
    // A TCP channel to the relay server at "host:port", connecting in the background
    // with the given socket events. 1 started, -1 failed.
    virtual int ConnectRelay(const std::wstring& address, TWindowHandle window, unsigned message, unsigned events,
                             CRefPtr<CConnectionWrapper>& channel) = 0;

protected:
    ~CChannelFactory() = default;
};

// The transports of this build.
CChannelFactory& PlatformChannels();
