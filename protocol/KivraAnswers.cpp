// The session's handling of the sensor's answers, as the frame scanner hands them on.
#include "protocol/KivraProcessor.h"

#include "protocol/LittleEndian.h"
#include "protocol/SensorModel.h"
#include "protocol/SessionOwner.h"

void CKivraProcessor::TraceFrame(int direction, unsigned length, const uint8_t* bytes)
{
    m_owner.TraceFrame(direction, length, bytes);
}

void CKivraProcessor::OnAcknowledge(uint8_t status)
{
    const bool accepted = status == 0;
    m_lastAcknowledge = accepted ? 1 : 2;
    switch (m_requestType) {
    case ReqWriteSettings:
        Continue(ReqReadBack);
        break;
    case ReqWriteAddress:
        // The read-back already goes to the address just written.
        if (accepted) {
            m_address = NetworkAddressOf(m_records.settings);
            m_owner.Notify(SessionNotify::Address);
        }
        Continue(ReqReadBackAddress);
        break;
    case ReqTest:
        IssuePauseOrIdle();
        break;
    case ReqFirmwareBlock:
        if (!m_image)
            break;
        if (status == 0) {
            m_image->Advance(m_lastBlockLength);
            Continue(m_image->Position() >= m_image->Size() ? ReqDownloadStatus : ReqFirmwareBlock);
        } else if (status == 2) {
            Continue(ReqFirmwareBlock);
        } else if (status == 3) {
            Continue(ReqDownloadStatus);
        }
        // Any other status: the response timer sends the same block again.
        break;
    case ReqActivate:
        Continue(ReqRestart);
        m_owner.Notify(SessionNotify::Status);
        break;
    case ReqRestart:
        Reset();
        m_status.SetFirmware(CSessionStatus::FirmwareCompleted);
        m_owner.Notify(SessionNotify::Everything);
        Issue(ReqPauseAfterUpdate);
        break;
    default:
        break;
    }
}

void CKivraProcessor::OnIdentification(const uint8_t* record)
{
    m_lastAcknowledge = 1;
    m_records.TakeIdentification(record, kIdentificationRecordSize);
    SetRecordFlag(RecordFlag::Identification, true);
    if (!IsSupportedModel(m_records.identification.deviceType))
        m_linkKind = LinkNoPolling;
    if (m_requestType == ReqIdentify) {
        Continue(IsPolling() ? ReqReadSettings : ReqIdle);
    } else if (m_requestType == ReqIdentifyForUpdate) {
        m_status.SetLink(CSessionStatus::LinkConnected);
        if (m_image && m_image->CompareInstalled(record + kInstalledImageHeaderOffset) && !m_image->IsInstalled()) {
            Issue(ReqDownloadStatus);
        } else {
            m_image.Reset();
            m_status.SetFirmware(CSessionStatus::FirmwareUpToDate);
            m_status.SetActivity(CSessionStatus::ActivityUpdateCompleted);
            Issue(ReqPauseUpToDate);
        }
    }
}

void CKivraProcessor::OnDownloadStatus(const uint8_t* record)
{
    m_lastAcknowledge = 1;
    // Only a stray or repeated answer arrives without an image; there is no download to continue.
    if (!m_image)
        return;
    const uint32_t limit = GetU32(record + 4);
    m_blockLimit = limit != 0 ? limit : kDefaultBlockLimit;
    m_status.SetLink(CSessionStatus::LinkConnected);
    if (!m_image->Resume(record + 8, GetU32(record))) {
        m_owner.Notify(SessionNotify::Status);
        m_image.Reset();
        IssuePauseOrIdle();
        return;
    }
    Issue(m_image->Position() == m_image->Size() ? ReqActivate : ReqFirmwareBlock);
}

void CKivraProcessor::OnSettings(const uint8_t* block)
{
    // A write is out and its acknowledge not yet in: this block answers the read the write
    // replaced (a user's write right after a zero setup or another write). Taken as the write's
    // verdict it would report a good write rejected, put the old block back over the one being
    // written and leave the write unverified; its own acknowledge and read-back follow.
    if (m_requestType == ReqWriteSettings || m_requestType == ReqWriteAddress)
        return;
    m_lastAcknowledge = 1;
    bool changed = false;
    m_records.TakeSettings(block, kSettingsBlockSize, changed);
    const bool same = !changed;
    SetRecordFlag(RecordFlag::Settings, true);
    m_status.SetLink(CSessionStatus::LinkConnected);
    if (!same)
        m_owner.Notify(SessionNotify::Settings);
    if (m_requestType == ReqReadSettings) {
        m_status.SetSettings(CSessionStatus::SettingsRead);
        Issue(IsPolling() ? PollingType() : ReqIdle);
    } else {
        // Outside the plain read every block is the verdict on what was written last.
        m_status.SetSettings(same ? CSessionStatus::SettingsWritten : CSessionStatus::SettingsRejected);
        m_status.SetActivity(CSessionStatus::ActivitySettingsWritten);
        IssuePauseOrIdle();
    }
}

void CKivraProcessor::OnDataAnswer(uint8_t subcode, const uint8_t* record, unsigned length)
{
    if (!m_records.TakeData(subcode, record, length))
        return;
    m_lastAcknowledge = 1;
    SetRecordFlag(RecordFlag::DataSubcode(subcode), true);
    m_status.SetLink(CSessionStatus::LinkConnected);
    if (m_requestType != subcode + 12)
        return;
    m_status.SetActivity(CSessionStatus::ActivityDataRead);
    switch (m_requestType) {
    case ReqZeroSetup: {
        const SettingsBlock next = TakeZeroReference(m_records.settings, m_records.live.vector);
        if (next == m_records.settings) {
            m_status.SetSettings(CSessionStatus::SettingsRead);
            IssuePauseOrIdle();
        } else {
            m_records.HoldSettings(next);
            Issue(ReqWriteSettings);
        }
        break;
    }
    case ReqDiagnostics:
        IssuePauseOrIdle();
        break;
    default:
        WriteDataLogRow(subcode);
        IssuePauseOrIdle();
        break;
    }
}

void CKivraProcessor::OnLlsData(int8_t temperature, uint16_t parameter1, uint16_t parameter2)
{
    m_records.TakeLlsData(temperature, parameter1, parameter2);
    SetRecordFlag(RecordFlag::LlsData, true);
}
