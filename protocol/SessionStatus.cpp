// Status setters of the sensor session; each text is a string-table entry.
#include "protocol/SessionStatus.h"

#include "protocol/SessionOwner.h"
#include "runtime/ResourceText.h"
#include "runtime/TString.h"
#include "protocol/resources/protocol_ids.h"

namespace
{
// String ids of the texts, indexed by status; 0 means no text.
constexpr unsigned kLinkTexts[] = {0, IDS_LINK_WAITING, IDS_LINK_NO_ANSWER, IDS_LINK_CONNECTED,
                                   IDS_LINK_NO_ANSWER};
constexpr unsigned kSettingsTexts[] = {0, IDS_SETTINGS_READ, IDS_SETTINGS_MODIFIED, IDS_SETTINGS_INVALID,
                                       IDS_SETTINGS_WRITTEN, IDS_SETTINGS_REJECTED};
constexpr unsigned kFirmwareTexts[] = {0, IDS_FIRMWARE_READING_INFO, IDS_FIRMWARE_DOWNLOADING,
                                       IDS_FIRMWARE_ACTIVATING, IDS_FIRMWARE_UP_TO_DATE,
                                       IDS_FIRMWARE_COMPLETED, IDS_FIRMWARE_UNREADABLE};

template <std::size_t N>
std::wstring TextOf(const unsigned (&ids)[N], int status)
{
    if (status <= 0 || status >= int(N))
        return std::wstring();
    return LoadResourceText(ids[status]);
}
}

void CSessionStatus::Announce()
{
    m_owner.Notify(SessionNotify::Status);
}

void CSessionStatus::SetLink(int status)
{
    if (status == m_link)
        return;
    m_link = status;
    m_linkText = TextOf(kLinkTexts, status);
    Announce();
}

void CSessionStatus::SetSettings(int status)
{
    if (status == m_settings)
        return;
    m_settings = status;
    m_settingsText = TextOf(kSettingsTexts, status);
    Announce();
}

void CSessionStatus::SetFirmware(int status, uint32_t position, uint32_t size)
{
    if (status == m_firmware && status != FirmwareDownloading)
        return;
    m_firmware = status;
    if (status == FirmwareDownloading) {
        TString text;
        text.LoadResource(IDS_FIRMWARE_DOWNLOADING, nullptr, unsigned(position), unsigned(size));
        m_firmwareText = text.Get();
    } else {
        m_firmwareText = TextOf(kFirmwareTexts, status);
    }
    Announce();
}

void CSessionStatus::SetActivity(uint32_t activity)
{
    // Resending keeps the activity, so the no-answer flag stays until the activity changes.
    if (activity == (m_activity & ~kNoAnswerFlag))
        return;
    m_activity = activity;
    Announce();
}

void CSessionStatus::FlagNoAnswer()
{
    if (m_activity & kNoAnswerFlag)
        return;
    m_activity |= kNoAnswerFlag;
    Announce();
}

void CSessionStatus::ClearStatuses()
{
    m_link = LinkNone;
    m_settings = SettingsNone;
    m_firmware = FirmwareNone;
    m_linkText.clear();
    m_settingsText.clear();
    m_firmwareText.clear();
}
