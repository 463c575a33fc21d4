// The trace sink of the connection manager: a 2048-character text emptied by the log page.
#pragma once

#include "runtime/CLogger.h"
#include "runtime/TraceText.h"

class CTempLogger : public CLogger {
public:
    static constexpr std::uint32_t kCapacity = 2048;

    CTempLogger() = default;

    void Clear() override { m_text.Clear(); }
    void SetMode(std::uint32_t mode) override { m_mode = mode; }
    bool AddText(bool received, const char* text) override;
    bool AddFrame(bool received, std::uint32_t length, const unsigned char* bytes) override;
    bool TakeText(std::wstring& out) override;

    const TTraceText& Text() const { return m_text; }

private:
    std::uint32_t m_mode = 0;
    TTraceText m_text{kCapacity};
};
