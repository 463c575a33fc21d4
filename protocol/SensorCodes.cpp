// Names of the sensor protocol's request and answer codes.
#include "protocol/SensorCodes.h"

const char* RequestName(uint8_t code)
{
    switch (static_cast<ERequestCode>(code)) {
    case ERequestCode::ReadIdentification: return "ReadIdentification";
    case ERequestCode::Restart: return "Restart";
    case ERequestCode::ReadDownloadStatus: return "ReadDownloadStatus";
    case ERequestCode::WriteFirmwareBlock: return "WriteFirmwareBlock";
    case ERequestCode::ActivateFirmware: return "ActivateFirmware";
    case ERequestCode::ReadData: return "ReadData";
    case ERequestCode::ReadSettings: return "ReadSettings";
    case ERequestCode::WriteSettings: return "WriteSettings";
    case ERequestCode::TestCommand: return "TestCommand";
    }
    return nullptr;
}

const char* AnswerName(uint8_t code)
{
    switch (static_cast<EAnswerCode>(code)) {
    case EAnswerCode::Acknowledge: return "Acknowledge";
    case EAnswerCode::Identification: return "Identification";
    case EAnswerCode::ReadDownloadStatus: return "ReadDownloadStatus";
    case EAnswerCode::ReadData: return "ReadData";
    case EAnswerCode::ReadSettings: return "ReadSettings";
    }
    return nullptr;
}
