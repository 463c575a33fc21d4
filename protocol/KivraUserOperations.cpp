// What the windows ask of the session: settings, zero angle, diagnostics, test, firmware, address.
#include "protocol/KivraProcessor.h"

#include "protocol/SensorModel.h"
#include "protocol/SensorCodes.h"
#include "protocol/SessionOwner.h"

bool CKivraProcessor::IsReady() const
{
    return m_owner.GetPhase() == kSessionPhase && IsSupportedModel(m_records.identification.deviceType);
}

bool CKivraProcessor::IsSettingsWritable() const
{
    const int status = m_status.GetSettings();
    return status == CSessionStatus::SettingsModified || status == CSessionStatus::SettingsRejected;
}

void CKivraProcessor::ReadSettings()
{
    if (IsReady())
        Issue(ReqReadSettings);
}

bool CKivraProcessor::WriteSettings()
{
    if (!IsReady())
        return false;
    SettingsBlock next;
    if (!m_records.BuildEditedSettings(next))
        return false;
    const bool addressChanged = NetworkAddressOf(next) != NetworkAddressOf(m_records.settings);
    m_records.settings = next;
    Issue(addressChanged ? ReqWriteAddress : ReqWriteSettings);
    return true;
}

void CKivraProcessor::SetZero()
{
    if (IsReady())
        Issue(ReqZeroSetup);
}

void CKivraProcessor::ReadDiagnostics()
{
    if (IsReady())
        Issue(ReqDiagnostics);
}

void CKivraProcessor::SendTest()
{
    if (IsReady())
        Issue(ReqTest);
}

bool CKivraProcessor::StartFirmwareUpdate(CFirmwareFile* image)
{
    // Taking the reference here means an image refused below is released, not leaked.
    CRefPtr<CFirmwareFile> held(image);
    if (!IsReady())
        return false;
    m_image = held;
    Issue(ReqIdentifyForUpdate);
    return true;
}

void CKivraProcessor::EvaluateSettings()
{
    if (m_owner.GetPhase() != kSessionPhase) {
        m_status.SetSettings(CSessionStatus::SettingsNone);
        return;
    }
    m_status.SetSettings(int(m_records.EvaluateSettings()));
}

bool CKivraProcessor::SetSensorAddress(int index)
{
    const uint8_t address = index < 1 || index > 255 ? CommonAddress : uint8_t(index - 1);
    if (address == m_address)
        return false;
    Reset();
    m_address = address;
    m_owner.Notify(SessionNotify::Everything);
    return true;
}

int CKivraProcessor::GetAddressIndex() const
{
    return m_address == CommonAddress ? 0 : m_address + 1;
}

int CKivraProcessor::GetFirmwareProgress() const
{
    switch (m_status.GetFirmware()) {
    case CSessionStatus::FirmwareDownloading:
        if (!m_image || m_image->Size() == 0)
            return 0;
        return int(uint64_t(m_image->Position()) * 100 / m_image->Size());
    case CSessionStatus::FirmwareActivating:
        return 100;
    default:
        return 0;
    }
}
