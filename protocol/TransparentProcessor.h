// Interface of a protocol that runs over the connection manager's transparent channel.
#pragma once

#include "runtime/RefCount.h"

// The manager drives the protocol through these; all run on the interface thread.
// Results follow the protocol convention: > 0 done, 0 nothing to do, < 0 failure.
class CTransparentProcessor : public CRefCount
{
public:
    // Forget everything learned from the device; posts nothing.
    virtual void Reset() = 0;
    // The channel to the device is open: begin talking.
    virtual int Start() = 0;
    // The channel has closed.
    virtual int Stop() = 0;
    // Bytes have arrived in the owner's receive buffer.
    virtual int OnReceive() = 0;
    // The timer armed through the owner's StartSessionTimer expired.
    virtual int OnTimeout() = 0;
};
