// Building the mixed stream. Frame starts (the prefixes of answers and LLS frames) occur only
// where a frame, intact or damaged, begins: garbage and payloads never hold one, so the number of
// frames a correct scan finds is known exactly. Damaged answers keep their prefix and length, so
// the scanner waits for their whole length before it steps over them, as it does on a real line.
#include "MixedStream.h"

#include "protocol/CrcEngine.h"
#include "protocol/SensorCodes.h"

#include <random>

namespace {

constexpr uint8_t kSensorAddress = 1;
constexpr uint8_t kLlsDataCommand = 6;
constexpr unsigned kLlsDataLength = 9;

// Payload lengths N of the answers the tool reads: acknowledge, identification, download status,
// data subcodes 4 to 7, settings.
constexpr struct {
    EAnswerCode code;
    unsigned payload;
} kAnswers[] = {
    {EAnswerCode::Acknowledge, 1},         {EAnswerCode::Identification, 32}, {EAnswerCode::ReadDownloadStatus, 32},
    {EAnswerCode::ReadData, 2 + 12},       {EAnswerCode::ReadData, 2 + 24},   {EAnswerCode::ReadData, 2 + 18},
    {EAnswerCode::ReadData, 2 + 26},       {EAnswerCode::ReadSettings, 98},
};

bool IsFrameStart(uint8_t b) { return b == ResponsePrefix || b == LlsPrefix || b == RequestPrefix; }

class CStreamWriter
{
public:
    explicit CStreamWriter(uint32_t seed) : m_random(seed) {}

    uint8_t OrdinaryByte()
    {
        for (;;) {
            const uint8_t b = static_cast<uint8_t>(m_random());
            if (!IsFrameStart(b))
                return b;
        }
    }
    unsigned Below(unsigned n) { return static_cast<unsigned>(m_random() % n); }

    // An answer frame; damaged: one payload byte changed so that the checksum no longer fits.
    std::vector<uint8_t> Answer(bool damaged)
    {
        const auto& kind = kAnswers[Below(sizeof kAnswers / sizeof kAnswers[0])];
        std::vector<uint8_t> frame{ResponsePrefix, static_cast<uint8_t>(kind.payload), kSensorAddress,
                                   static_cast<uint8_t>(kind.code)};
        for (unsigned i = 0; i < kind.payload; ++i)
            frame.push_back(OrdinaryByte());
        if (kind.code == EAnswerCode::ReadData) {
            frame[4] = static_cast<uint8_t>(4 + Below(4));
            frame[5] = 0x01;
        } else if (kind.code == EAnswerCode::ReadSettings) {
            frame[4] = 0xFF;
            frame[5] = 0x02;
        }
        return Sealed(std::move(frame), damaged);
    }

    std::vector<uint8_t> LlsData()
    {
        std::vector<uint8_t> frame{LlsPrefix, kSensorAddress, kLlsDataCommand};
        while (frame.size() < kLlsDataLength - 1)
            frame.push_back(OrdinaryByte());
        return Sealed(std::move(frame), false);
    }

private:
    // Appends the checksum; a frame whose checksum byte would read as a frame start gets another
    // last payload byte, so that no stray start follows a damaged frame.
    std::vector<uint8_t> Sealed(std::vector<uint8_t> frame, bool damaged)
    {
        for (;;) {
            uint8_t crc = SensorCrc().Compute(frame.data(), frame.size());
            if (damaged)
                crc = static_cast<uint8_t>(crc ^ (1 + Below(255)));
            if (!IsFrameStart(crc)) {
                frame.push_back(crc);
                return frame;
            }
            frame.back() = OrdinaryByte();
        }
    }

    std::mt19937 m_random;
};

} // namespace

CMixedStream::CMixedStream(size_t bytes, uint32_t seed)
{
    CStreamWriter writer(seed);
    m_bytes.reserve(bytes + 512);
    while (m_bytes.size() < bytes) {
        std::vector<uint8_t> piece;
        // Mostly answers, as on a polled line; LLS output, damage and noise in between.
        const unsigned pick = writer.Below(20);
        if (pick < 12) {
            piece = writer.Answer(false);
            ++m_frames;
        } else if (pick < 16) {
            piece = writer.LlsData();
            ++m_frames;
        } else if (pick < 18) {
            piece = writer.Answer(true);
        } else {
            piece.resize(1 + writer.Below(40));
            for (uint8_t& b : piece)
                b = writer.OrdinaryByte();
        }
        m_bytes.insert(m_bytes.end(), piece.begin(), piece.end());
    }
}
