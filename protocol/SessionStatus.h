// The session's link, settings and firmware status with their texts, and its activity.
#pragma once

#include <cstdint>
#include <string>

class CSessionOwner;

class CSessionStatus
{
public:
    // Link status: what the sensor's answers say about the channel.
    enum Link { LinkNone = 0, LinkWaiting = 1, LinkNeverAnswered = 2, LinkConnected = 3, LinkLost = 4 };
    // Settings status: the held block against the sensor and the page texts.
    enum Settings { SettingsNone = 0, SettingsRead = 1, SettingsModified = 2, SettingsInvalid = 3,
                    SettingsWritten = 4, SettingsRejected = 5 };
    // Firmware status: the steps of an update, and how it ended when the image file failed.
    enum Firmware { FirmwareNone = 0, FirmwareReading = 1, FirmwareDownloading = 2,
                    FirmwareActivating = 3, FirmwareUpToDate = 4, FirmwareCompleted = 5,
                    FirmwareUnreadable = 6 };
    // Activity: what the session is doing right now.
    enum Activity { ActivityNone = 0, ActivityReadingSettings = 2, ActivityWritingSettings = 3,
                    ActivityReadingData = 4, ActivityReadingFirmware = 5, ActivityDownloading = 6,
                    ActivityDataRead = 7, ActivitySettingsWritten = 9, ActivityUpdateCompleted = 10 };
    static constexpr uint32_t kNoAnswerFlag = 0x100;

    explicit CSessionStatus(CSessionOwner& owner) : m_owner(owner) {}

    // Each setter posts a status change when the value changes.
    void SetLink(int status);
    void SetSettings(int status);
    // The downloading text carries the image position and size, so it is rebuilt and
    // announced on every call.
    void SetFirmware(int status, uint32_t position = 0, uint32_t size = 0);
    // Setting the activity it already has leaves the no-answer flag in place.
    void SetActivity(uint32_t activity);
    void FlagNoAnswer();

    // Back to no status, or no activity, without posting anything.
    void ClearStatuses();
    void ClearActivity() { m_activity = ActivityNone; }

    int GetLink() const { return m_link; }
    int GetSettings() const { return m_settings; }
    int GetFirmware() const { return m_firmware; }
    uint32_t GetActivity() const { return m_activity; }
    const std::wstring& GetLinkText() const { return m_linkText; }
    const std::wstring& GetSettingsText() const { return m_settingsText; }
    const std::wstring& GetFirmwareText() const { return m_firmwareText; }

private:
    void Announce();

    CSessionOwner& m_owner;
    int m_link = LinkNone;
    int m_settings = SettingsNone;
    int m_firmware = FirmwareNone;
    uint32_t m_activity = ActivityNone;
    std::wstring m_linkText;
    std::wstring m_settingsText;
    std::wstring m_firmwareText;
};
