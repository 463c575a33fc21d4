// A serial channel whose far end is the test: what the manager writes is kept, the sensor's
// answers are staged and handed over on an input event.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "remote/ChannelFactory.h"
#include "runtime/RxBuffer.h"
#include "runtime/ConnectionWrapper.h"

class CScriptedSerial : public CConnectionWrapper {
public:
    CScriptedSerial() : CConnectionWrapper(kSerial) {}

    int Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted) override
    {
        frames.emplace_back(bytes, bytes + length);
        accepted = length;
        return 1;
    }
    intptr_t GetHandle() override { return 7; }
    bool IsConnected() override { return m_connected; }
    void Close() override { m_connected = false; }
    int OnEvent(int code) override
    {
        if (code != kInputSide || m_staged.empty())
            return 0;
        const uint32_t n = std::min(m_rx.FreeSpace(), uint32_t(m_staged.size()));
        m_rx.RestoreTerminators();
        std::copy_n(m_staged.data(), n, m_rx.Data() + m_rx.Length());
        m_staged.erase(m_staged.begin(), m_staged.begin() + n);
        return m_rx.AppendReceived(n) ? 1 : 0;
    }
    CRxBuffer& GetRxBuffer() override { return m_rx; }

    void Stage(const std::vector<uint8_t>& bytes) { m_staged.insert(m_staged.end(), bytes.begin(), bytes.end()); }

    // Every write, one entry each (the session writes one frame at a time).
    std::vector<std::vector<uint8_t>> frames;

private:
    bool m_connected = true;
    std::vector<uint8_t> m_staged;
    CRxBuffer m_rx;
};

class CScriptedSerialFactory : public CChannelFactory {
public:
    int OpenSerial(const std::wstring&, uint32_t, uint32_t, TWindowHandle, unsigned, CRefPtr<CConnectionWrapper>& channel) override
    {
        last = new CScriptedSerial;
        channel = last;
        return 1;
    }
    int ConnectRelay(const std::wstring&, TWindowHandle, unsigned, unsigned, CRefPtr<CConnectionWrapper>&) override
    {
        return -1;
    }

    CScriptedSerial* last = nullptr;
};
