// Everything known about the connected sensor, as records and as the texts the windows show.
#pragma once

#include "protocol/DisplayTexts.h"
#include "protocol/IdentificationRecord.h"
#include "protocol/IdentificationTexts.h"
#include "protocol/LiveData.h"
#include "protocol/SettingsBlock.h"
#include "protocol/SettingsTexts.h"

#include <cstddef>
#include <cstdint>

// Each Take* gets the record of an interpreted answer (the bytes behind the
// answer's marker bytes) and keeps records and texts in step; a record too
// short for its kind changes nothing and returns false.
struct SensorRecords {
    SensorRecords();

    // Forget everything: records zeroed, texts back to their empty state.
    void Reset();

    bool TakeIdentification(const std::uint8_t* record, std::size_t length);

    // The received block replaces the held one; changed tells whether it differed.
    bool TakeSettings(const std::uint8_t* block, std::size_t length, bool& changed);

    bool TakeData(std::uint8_t subcode, const std::uint8_t* record, std::size_t length);

    void TakeLlsData(std::int8_t temperature, std::uint16_t parameter1, std::uint16_t parameter2);

    // The block becomes the held one and the identification and settings
    // texts are rebuilt from it (a received block, the zero-angle setup).
    void HoldSettings(const SettingsBlock& block);

    // The settings texts parsed over the held block and validated.
    bool BuildEditedSettings(SettingsBlock& result) const;
    SettingsVerdict EvaluateSettings() const;

    void NormaliseRangeTexts();

    SensorIdentification identification;
    SettingsBlock settings{};
    LiveData live;
    IdentificationTexts identificationTexts;
    SettingsTexts settingsTexts;
    DisplayTexts displayTexts;

private:
    void RebuildSettingsTexts();
};
