// The serial channel a scan talks through, with a message-only window of its own for the channel's events.
#pragma once

#include "runtime/ErrorCodes.h"
#include "runtime/RefCount.h"

#include <cstdint>
#include <string>
#include <vector>

class CConnectionWrapper;
class CRequestFrame;

class CScanLine
{
public:
    enum class Result { Done, Lost, Interrupted };

    CScanLine();
    ~CScanLine();
    CScanLine(const CScanLine&) = delete;
    CScanLine& operator=(const CScanLine&) = delete;

    // False when the port cannot be opened; FailureCode then holds the system's reason.
    bool Open(const std::wstring& port, uint32_t baud);
    void Close();
    TErrorCode FailureCode() const { return m_failure; }

    // Sends the request, then gathers every byte received until waitMs after the port took it.
    Result Exchange(const CRequestFrame& request, unsigned waitMs, std::vector<uint8_t>& received);

    // Called by the window procedure with the channel's side that has news.
    void OnChannelEvent(std::intptr_t side);

private:
    void* m_window = nullptr;
    CRefPtr<CConnectionWrapper> m_channel;
    TErrorCode m_failure = 0;
    bool m_failed = false;
    bool m_written = false;
    std::vector<uint8_t>* m_received = nullptr;
};
