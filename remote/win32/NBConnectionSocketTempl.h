// A connection socket that receives straight into its own buffer.
#pragma once

#include <cstdint>

// Buffer is a CRxBuffer-like class (free space at data + length, AppendReceived);
// Socket is the socket class whose events it handles.
template <class Buffer, class Socket>
class CNBConnectionSocketTempl : public Buffer, public Socket
{
public:
    // lParam as the asynchronous selection posts it: event low, error high.
    // 1 data available or connection completed, 0 nothing to do, -1 closed or failed.
    int OnNetworkEvent(std::intptr_t lParam)
    {
        const unsigned event = static_cast<unsigned>(lParam) & 0xFFFF;
        const int error = static_cast<int>((static_cast<uint32_t>(lParam) >> 16) & 0xFFFF);
        Buffer& buffer = *this;
        const uint32_t freeSpace = buffer.FreeSpace();
        buffer.RestoreTerminators();
        uint32_t count = 0;
        const int result = Socket::OnSocketEvent(event, error, buffer.Data() + buffer.Length(), freeSpace, count);
        if (result == 1 && count > 0)
            return buffer.AppendReceived(count) ? 1 : 0;
        return result;
    }
};
