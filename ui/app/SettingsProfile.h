// A sensor's settings as a document of their own (a profile): saved by kivra-cli's export and the
// window's, and taken over a sensor's settings whole or not at all by their imports.
#pragma once

#include "protocol/SensorRecords.h"
#include "ui/app/SettingsDocument.h"

#include <string>
#include <vector>

// The session's settings texts as an indented JSON document, with the model and firmware
// version it came from.
std::wstring SettingsProfileText(const SensorRecords& records);

// The session's settings texts with the document's keys (those filter takes) over them, in
// edited, when every value has its key's form and all of them together build a block the
// sensor's firmware takes. Else false, edited untouched, and errors naming each wrong value
// with why ("angle_threshold = "91": a whole number of degrees 1..90").
bool ImportSettingsProfile(const std::wstring& document, const SettingsImportFilter& filter,
                           const SensorRecords& records, SettingsTexts& edited, std::vector<std::wstring>& errors);
