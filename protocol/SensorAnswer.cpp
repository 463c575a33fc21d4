// Minimum lengths and marker bytes of the answers the tool interprets.
#include "protocol/SensorAnswer.h"

#include "protocol/IdentificationRecord.h"
#include "protocol/LittleEndian.h"
#include "protocol/SettingsBlock.h"

namespace {

constexpr unsigned LlsDataLength = 9;

} // namespace

bool InterpretAnswer(const uint8_t* frame, unsigned length, CSensorAnswer& answer)
{
    if (length < 5 || frame[1] + 5u != length)
        return false;
    const unsigned n = frame[1];
    const uint8_t* payload = frame + 4;
    answer = CSensorAnswer{static_cast<EAnswerCode>(frame[3]), frame[2], 0, 0, payload, n};
    switch (answer.code) {
    case EAnswerCode::Acknowledge:
        if (n < 1)
            return false;
        answer.status = payload[0];
        return true;
    case EAnswerCode::Identification:
    case EAnswerCode::ReadDownloadStatus:
        return n >= kIdentificationRecordSize; // the download-status record has the same size
    case EAnswerCode::ReadData:
        if (n < 2 || payload[1] != 0x01)
            return false;
        answer.subcode = payload[0];
        answer.record = payload + 2;
        answer.recordLength = n - 2;
        return true;
    case EAnswerCode::ReadSettings:
        if (n < kSettingsPayloadSize || payload[0] != kSettingsMarker0 || payload[1] != kSettingsMarker1)
            return false;
        answer.record = payload + 2;
        answer.recordLength = kSettingsBlockSize;
        return true;
    }
    return false;
}

bool InterpretLlsData(const uint8_t* frame, unsigned length, CLlsData& data)
{
    if (length != LlsDataLength || (frame[2] != 6 && frame[2] != 7))
        return false;
    data = CLlsData{frame[1], static_cast<int8_t>(frame[3]), GetU16(frame + 4), GetU16(frame + 6)};
    return true;
}
