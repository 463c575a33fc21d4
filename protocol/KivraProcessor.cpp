// The session's state machine: issuing requests, the manager's calls and the response timer.
#include "protocol/KivraProcessor.h"

#include <algorithm>

#include "protocol/FirmwareMessages.h"
#include "protocol/FrameScanner.h"
#include "protocol/RequestFrame.h"
#include "protocol/SensorCodes.h"
#include "protocol/SessionOwner.h"
#include "protocol/UserPrompt.h"
#include "runtime/RxBuffer.h"
#include "runtime/ProcessClock.h"

namespace
{
// A sensor that has never answered is reported silent only after this long.
constexpr int64_t kFirstAnswerWaitMs = 10000;
// Pauses after the end of a firmware update, before polling or identifying again.
constexpr int32_t kFirmwarePauseMs = 2000;

int32_t PollPauseMs(ELinkKind linkKind, bool fast)
{
    if (linkKind == LinkRelay)
        return fast ? 1000 : 5000;
    return fast ? 100 : 500;
}
}

CKivraProcessor::CKivraProcessor(CSessionOwner& owner) : m_owner(owner), m_status(owner)
{
}

CKivraProcessor::~CKivraProcessor()
{
    CloseDataLog();
}

void CKivraProcessor::Reset()
{
    m_recordFlags = 0;
    m_records.Reset();
    m_lastAcknowledge = 0;
    m_requestType = ReqIdle;
    m_image.Reset();
    m_status.ClearActivity();
    m_status.ClearStatuses();
    m_fastPolling = false;
    m_fullData = false;
    CloseDataLog();
    m_testValue = 0;
}

int CKivraProcessor::Start()
{
    if (CRxBuffer* buffer = m_owner.GetSessionRxBuffer())
        buffer->SetPartialData(true);
    Reset();
    m_owner.Notify(SessionNotify::Everything);
    m_status.SetLink(CSessionStatus::LinkWaiting);
    m_linkTimestamp = NowMilliseconds();
    if (IsPolling())
        Issue(ReqIdentify);
    return 1;
}

int CKivraProcessor::Stop()
{
    m_status.ClearStatuses();
    m_image.Reset();
    CloseDataLog();
    m_owner.Notify(SessionNotify::Status);
    return 1;
}

int CKivraProcessor::OnReceive()
{
    CRxBuffer* buffer = m_owner.GetSessionRxBuffer();
    if (buffer == nullptr)
        return 0;
    CFrameScanner scanner(*this);
    return scanner.Scan(*buffer);
}

int CKivraProcessor::OnTimeout()
{
    m_owner.BeginNotifyBatch();
    switch (m_requestType) {
    case ReqPauseAfterUpdate:
        m_status.SetFirmware(CSessionStatus::FirmwareNone);
        if (IsPolling()) {
            m_status.SetLink(CSessionStatus::LinkWaiting);
            m_linkTimestamp = NowMilliseconds();
            Issue(ReqIdentify);
        }
        break;
    case ReqPauseUpToDate:
        m_status.SetFirmware(CSessionStatus::FirmwareNone);
        IssuePauseOrIdle();
        break;
    case ReqPollPause:
        if (IsPolling())
            Issue(PollingType());
        break;
    case ReqIdle:
        break;
    default:
        // The request went unanswered: say so and send it again, for as long as it takes.
        if (m_status.GetLink() == CSessionStatus::LinkConnected)
            m_status.SetLink(CSessionStatus::LinkLost);
        else if (m_status.GetLink() == CSessionStatus::LinkWaiting &&
                 NowMilliseconds() - m_linkTimestamp >= kFirstAnswerWaitMs)
            m_status.SetLink(CSessionStatus::LinkNeverAnswered);
        m_status.FlagNoAnswer();
        Issue(m_requestType);
        break;
    }
    m_owner.EndNotifyBatch();
    return 1;
}

int CKivraProcessor::PollingType() const
{
    if (m_fullData)
        return ReqPollFull;
    const uint32_t version = m_records.identification.firmwareVersion;
    if (version < 5)
        return ReqPollShort;
    return version <= 7 ? ReqPollOutputs : ReqPollMagnets;
}

int32_t CKivraProcessor::TimerOf(int type) const
{
    switch (type) {
    case ReqPauseAfterUpdate:
    case ReqPauseUpToDate: return kFirmwarePauseMs;
    case ReqPollPause: return PollPauseMs(m_linkKind, m_fastPolling);
    case ReqIdle: return kCancelTimer;
    default: return kDefaultResponseTimer;
    }
}

void CKivraProcessor::IssuePauseOrIdle()
{
    Issue(IsPolling() ? ReqPollPause : ReqIdle);
}

void CKivraProcessor::Continue(int type)
{
    m_status.SetLink(CSessionStatus::LinkConnected);
    Issue(type);
}

void CKivraProcessor::Issue(int type)
{
    CRequestFrame frame;
    m_owner.BeginNotifyBatch();
    const bool send = Prepare(type, frame);
    m_owner.EndNotifyBatch();
    if (type == ReqFirmwareBlock && m_image && m_image->ReadError() != 0) {
        AbandonUnreadableImage();
        return;
    }
    m_requestType = type;
    m_owner.StartSessionTimer(TimerOf(type));
    if (send && frame.Length() > 0) {
        m_owner.TraceFrame(TraceOutgoing, frame.Length(), frame.Data());
        m_owner.SendData(frame.Data(), frame.Length());
    }
}

bool CKivraProcessor::Prepare(int type, CRequestFrame& frame)
{
    using S = CSessionStatus;
    switch (type) {
    case ReqIdentify:
    case ReqIdentifyForUpdate:
        m_status.SetActivity(S::ActivityReadingSettings);
        SetRecordFlag(RecordFlag::Identification, false);
        if (type == ReqIdentifyForUpdate)
            m_status.SetFirmware(S::FirmwareReading);
        return frame.BuildReadIdentification(m_address);
    case ReqReadSettings:
    case ReqReadBack:
    case ReqReadBackAddress:
        m_status.SetActivity(type == ReqReadSettings ? S::ActivityReadingSettings : S::ActivityWritingSettings);
        SetRecordFlag(RecordFlag::Settings, false);
        return frame.BuildReadSettings(m_address);
    case ReqWriteSettings:
    case ReqWriteAddress: {
        m_status.SetActivity(S::ActivityWritingSettings);
        const SettingsPayload payload = MakeSettingsWritePayload(m_records.settings);
        return frame.Build(m_address, uint8_t(ERequestCode::WriteSettings), payload.data(), payload.size());
    }
    case ReqTest:
        m_status.SetActivity(S::ActivityWritingSettings);
        return frame.BuildTestCommand(m_address, uint8_t(m_testValue));
    case ReqZeroSetup:
    case ReqDiagnostics:
    case ReqPollShort:
    case ReqPollFull:
    case ReqPollOutputs:
    case ReqPollMagnets: {
        const int subcode = type - 12;
        m_status.SetActivity(S::ActivityReadingData);
        SetRecordFlag(RecordFlag::DataSubcode(subcode), false);
        return frame.BuildReadData(m_address, uint8_t(subcode));
    }
    case ReqDownloadStatus:
        m_status.SetActivity(S::ActivityReadingFirmware);
        m_status.SetFirmware(S::FirmwareReading);
        return frame.BuildReadDownloadStatus(m_address);
    case ReqFirmwareBlock:
        m_status.SetActivity(S::ActivityDownloading);
        return PrepareFirmwareBlock(frame);
    case ReqActivate:
        m_status.SetFirmware(S::FirmwareActivating);
        return frame.BuildActivateFirmware(m_address);
    case ReqRestart:
        m_status.SetFirmware(S::FirmwareActivating);
        return frame.BuildRestart(m_address);
    default:
        return false;
    }
}

bool CKivraProcessor::PrepareFirmwareBlock(CRequestFrame& frame)
{
    uint8_t block[kMaxFirmwareBlock];
    uint32_t checkValue = 0;
    uint32_t position = 0;
    m_lastBlockLength = 0;
    if (m_image) {
        m_lastBlockLength = m_image->ReadBlock(block, std::min(m_blockLimit, kMaxFirmwareBlock), checkValue, position);
        if (m_image->ReadError() != 0)
            return false;
    }
    m_status.SetFirmware(CSessionStatus::FirmwareDownloading, m_image ? m_image->Position() : 0,
                         m_image ? m_image->Size() : 0);
    return frame.BuildWriteFirmwareBlock(m_address, checkValue, position, block, m_lastBlockLength);
}

void CKivraProcessor::AbandonUnreadableImage()
{
    // Sending empty blocks instead would never end the download.
    const TErrorCode error = m_image->ReadError();
    m_image.Reset();
    m_owner.BeginNotifyBatch();
    m_status.SetFirmware(CSessionStatus::FirmwareUnreadable);
    IssuePauseOrIdle();
    m_owner.EndNotifyBatch();
    // Last, with the session's state settled.
    if (m_prompt != nullptr)
        m_prompt->ShowMessage(UnreadableImageMessage(error));
}

void CKivraProcessor::SetRecordFlag(uint32_t bit, bool on)
{
    const uint32_t old = m_recordFlags;
    m_recordFlags = on ? old | bit : old & ~bit;
    const uint32_t changed = old ^ m_recordFlags;
    uint32_t bits = 0;
    if (changed & 0x7)
        bits |= SessionNotify::Settings;
    if (changed & 0xFF8)
        bits |= SessionNotify::LiveValues;
    if (bits)
        m_owner.Notify(bits);
}
