// A sensor's settings as a document of their own, saved and taken whole or not at all.
#include "ui/app/SettingsProfile.h"

#include "ui/app/SettingsKeys.h"

std::wstring SettingsProfileText(const SensorRecords& records)
{
    const SettingsOrigin origin{records.identificationTexts.model, records.identificationTexts.firmwareVersion};
    return SettingsJson(records.settingsTexts, origin, true) + L"\n";
}

bool ImportSettingsProfile(const std::wstring& document, const SettingsImportFilter& filter,
                           const SensorRecords& records, SettingsTexts& edited, std::vector<std::wstring>& errors)
{
    SettingsTexts texts = records.settingsTexts;
    if (!ApplySettingsDocument(document, filter, texts, errors))
        return false;
    const std::vector<std::wstring> reasons =
        DiagnoseSettings(texts, records.settings, records.identification.firmwareVersion);
    if (!reasons.empty()) {
        errors.insert(errors.end(), reasons.begin(), reasons.end());
        return false;
    }
    edited = texts;
    return true;
}
