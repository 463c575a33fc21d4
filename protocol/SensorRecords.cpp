// Everything known about the connected sensor, as records and as the texts the windows show.
#include "protocol/SensorRecords.h"

#include <algorithm>

SensorRecords::SensorRecords()
{
    Reset();
}

void SensorRecords::Reset()
{
    identification = SensorIdentification{};
    settings.fill(0);
    live = LiveData{};
    identificationTexts = MakeResetIdentificationTexts();
    settingsTexts = SettingsTexts{};
    displayTexts = DisplayTexts{};
}

bool SensorRecords::TakeIdentification(const std::uint8_t* record, std::size_t length)
{
    if (!ParseIdentification(record, length, identification))
        return false;
    RebuildIdentificationTexts(identification, settings, identificationTexts);
    return true;
}

bool SensorRecords::TakeSettings(const std::uint8_t* block, std::size_t length, bool& changed)
{
    if (block == nullptr || length < kSettingsBlockSize)
        return false;
    SettingsBlock received;
    std::copy_n(block, kSettingsBlockSize, received.begin());
    changed = received != settings;
    HoldSettings(received);
    return true;
}

bool SensorRecords::TakeData(std::uint8_t subcode, const std::uint8_t* record, std::size_t length)
{
    if (!ApplyDataRecord(subcode, record, length, live))
        return false;
    RebuildDisplayTexts(live, DataAnswerTextGroups(subcode), displayTexts);
    return true;
}

void SensorRecords::TakeLlsData(std::int8_t temperature, std::uint16_t parameter1, std::uint16_t parameter2)
{
    ApplyLlsData(temperature, parameter1, parameter2, live);
    RebuildDisplayTexts(live, kLlsDataTextGroups, displayTexts);
}

void SensorRecords::HoldSettings(const SettingsBlock& block)
{
    settings = block;
    RebuildSettingsTexts();
}

bool SensorRecords::BuildEditedSettings(SettingsBlock& result) const
{
    return BuildSettingsBlock(settingsTexts, settings, identification.firmwareVersion, result);
}

SettingsVerdict SensorRecords::EvaluateSettings() const
{
    return EvaluateSettingsTexts(settingsTexts, settings, identification.firmwareVersion);
}

void SensorRecords::NormaliseRangeTexts()
{
    ::NormaliseRangeTexts(settingsTexts);
}

void SensorRecords::RebuildSettingsTexts()
{
    RebuildIdentificationTexts(identification, settings, identificationTexts);
    settingsTexts = FormatSettingsTexts(DecodeSettings(settings));
}
