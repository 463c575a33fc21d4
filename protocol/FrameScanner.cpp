// The sensor session's view of received bytes: answers by code and LLS data answers.
#include "protocol/FrameScanner.h"

#include "protocol/FrameScannerOwner.h"
#include "protocol/SensorAnswer.h"
#include "runtime/RxBuffer.h"

int CFrameScanner::Scan(CRxBuffer& buffer)
{
    buffer.RestoreTerminators();
    const uint8_t* pending = buffer.Data() + buffer.ReadPosition();
    const unsigned n = buffer.Length() - buffer.ReadPosition();
    m_found = 0;
    if (n > 0) {
        m_owner.TraceFrame(TraceIncoming, n, pending);
        const unsigned cut = ScanFrames(pending, n, FamilyLls | FamilyResponse, *this);
        if (cut > 0)
            buffer.SkipLine(pending + cut);
    }
    buffer.RestoreTerminators();
    buffer.Compact();
    return m_found;
}

void CFrameScanner::OnFrame(EFrameFamily family, unsigned, const uint8_t* frame, unsigned length)
{
    ++m_found;
    if (family == FamilyLls) {
        CLlsData data;
        if (InterpretLlsData(frame, length, data))
            m_owner.OnLlsData(data.temperature, data.parameter1, data.parameter2);
        return;
    }
    CSensorAnswer answer;
    if (!InterpretAnswer(frame, length, answer))
        return;
    switch (answer.code) {
    case EAnswerCode::Acknowledge: m_owner.OnAcknowledge(answer.status); break;
    case EAnswerCode::Identification: m_owner.OnIdentification(answer.record); break;
    case EAnswerCode::ReadDownloadStatus: m_owner.OnDownloadStatus(answer.record); break;
    case EAnswerCode::ReadData: m_owner.OnDataAnswer(answer.subcode, answer.record, answer.recordLength); break;
    case EAnswerCode::ReadSettings: m_owner.OnSettings(answer.record); break;
    }
}
