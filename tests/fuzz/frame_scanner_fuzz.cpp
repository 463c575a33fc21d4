// Fuzz target: the sensor frame scanner over the receive buffer, fed in chunks of any size.
#include "FuzzInput.h"

#include "protocol/FrameScanner.h"
#include "protocol/FrameScannerOwner.h"
#include "runtime/RxBuffer.h"

#include <cstring>

namespace {

// Touches every byte it is handed, so that a record reported too short shows up under ASan.
class TouchingOwner : public CFrameScannerOwner
{
public:
    void TraceFrame(int, unsigned length, const uint8_t* bytes) override { Touch(bytes, length); }
    void OnAcknowledge(uint8_t status) override { sum += status; }
    void OnIdentification(const uint8_t* record) override { Touch(record, 32); }
    void OnDownloadStatus(const uint8_t* record) override { Touch(record, 32); }
    void OnDataAnswer(uint8_t subcode, const uint8_t* record, unsigned length) override
    {
        sum += subcode;
        Touch(record, length);
    }
    void OnSettings(const uint8_t* block) override { Touch(block, 96); }
    void OnLlsData(int8_t temperature, uint16_t p1, uint16_t p2) override { sum += temperature + p1 + p2; }

    unsigned sum = 0;

private:
    void Touch(const uint8_t* bytes, unsigned length)
    {
        for (unsigned i = 0; i < length; ++i)
            sum += bytes[i];
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    CRxBuffer buffer;
    TouchingOwner owner;
    CFrameScanner scanner(owner);
    while (!input.Empty()) {
        const std::vector<uint8_t> chunk = input.Run(255);
        const uint32_t n = std::min<uint32_t>(buffer.FreeSpace(), static_cast<uint32_t>(chunk.size()));
        if (n == 0) {
            // A scanner that never frees room would stall the channel for good.
            if (scanner.Scan(buffer) == 0 && buffer.FreeSpace() == 0)
                __builtin_trap();
            continue;
        }
        buffer.RestoreTerminators();
        std::memcpy(buffer.Data() + buffer.Length(), chunk.data(), n);
        buffer.AppendReceived(n);
        scanner.Scan(buffer);
    }
    return 0;
}
