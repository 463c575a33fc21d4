// kivra-scanner-bench: throughput of the receive path's frame scanner. A long mixed stream goes
// through it the way serial reads deliver it: pieces of at most one read (1024 bytes) handed
// over into the channel's receive buffer, then one scan. Prints one line:
//   scanner MB/s=123.4 bytes=33554432 frames=… found=… cpu_s=…
// and fails (status 1) when the scan found other frames than were put into the stream.
#include "MixedStream.h"

#include "protocol/FrameScanner.h"
#include "protocol/FrameScannerOwner.h"
#include "runtime/RxBuffer.h"
#include "runtime/ReadHandOver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr uint32_t kReadSize = 1024;  // one serial read, as the channel asks for it
constexpr size_t kDefaultBytes = size_t(32) << 20;
constexpr int kDefaultRounds = 5;

// The session's side of the scanner, reduced to counting what it is handed.
class CCountingOwner : public CFrameScannerOwner
{
public:
    void TraceFrame(int, unsigned, const uint8_t*) override {}
    void OnAcknowledge(uint8_t) override { ++answers; }
    void OnIdentification(const uint8_t*) override { ++answers; }
    void OnDownloadStatus(const uint8_t*) override { ++answers; }
    void OnDataAnswer(uint8_t, const uint8_t*, unsigned) override { ++answers; }
    void OnSettings(const uint8_t*) override { ++answers; }
    void OnLlsData(int8_t, uint16_t, uint16_t) override { ++lls; }

    size_t answers = 0;
    size_t lls = 0;
};

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// One pass over the stream; gives the frames the scanner reported.
size_t ScanOnce(const std::vector<uint8_t>& stream)
{
    CCountingOwner owner;
    CFrameScanner scanner(owner);
    CRxBuffer rx;
    rx.SetPartialData(true);
    uint8_t read[kReadSize];
    size_t found = 0;
    for (size_t at = 0; at < stream.size();) {
        uint32_t count = static_cast<uint32_t>(std::min<size_t>(kReadSize, stream.size() - at));
        std::memcpy(read, stream.data() + at, count);
        at += count;
        // What does not fit waits in the read buffer, as in the channel.
        while (count > 0) {
            HandOverRead(read, count, rx);
            found += static_cast<size_t>(scanner.Scan(rx));
        }
    }
    return found;
}

} // namespace

int main(int argc, char** argv)
{
    size_t bytes = kDefaultBytes;
    int rounds = kDefaultRounds;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--bytes"))
            bytes = std::strtoull(argv[i + 1], nullptr, 10);
        else if (!std::strcmp(argv[i], "--rounds"))
            rounds = std::atoi(argv[i + 1]);
    }
    if (bytes == 0 || rounds <= 0 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: kivra-scanner-bench [--bytes N] [--rounds R]\n");
        return 2;
    }
    const CMixedStream stream(bytes, 20261209);
    double best = 0;
    size_t found = 0;
    for (int round = 0; round < rounds; ++round) {
        const double start = CpuSeconds();
        found = ScanOnce(stream.Bytes());
        const double used = CpuSeconds() - start;
        if (round == 0 || used < best)
            best = used;
    }
    const double size = double(stream.Bytes().size());
    std::printf("scanner MB/s=%.1f bytes=%zu frames=%zu found=%zu cpu_s=%.4f\n", best > 0 ? size / best / 1e6 : 0.0,
                stream.Bytes().size(), stream.Frames(), found, best);
    if (found != stream.Frames()) {
        std::fprintf(stderr, "kivra-scanner-bench: the scan found %zu frames, the stream holds %zu\n", found,
                     stream.Frames());
        return 1;
    }
    return 0;
}
