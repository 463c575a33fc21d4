// The stable names under which the settings texts are printed, set, exported and imported.
#pragma once

#include "protocol/SettingsTexts.h"

#include <cstdint>
#include <string>
#include <vector>

// One settings text: a free text the sensor's parser reads, or a list index / switch.
struct SettingsKey {
    const wchar_t* name;
    std::wstring* (*text)(SettingsTexts&);  // null for a number
    int* (*number)(SettingsTexts&);         // null for a text
    int numberLimit;                        // largest number accepted (1 for a switch)
    unsigned rule;                          // string id of what a valid value looks like
};

// Every key, in the order they are printed and exported.
const std::vector<SettingsKey>& AllSettingsKeys();
const SettingsKey* FindSettingsKey(const std::wstring& name);

// What a valid value looks like, in the interface language.
std::wstring SettingsRule(const SettingsKey& key);

// The key's current value as text ("%d" for numbers).
std::wstring SettingsValue(const SettingsKey& key, const SettingsTexts& texts);
// Stores value (blanks around it dropped); a number key takes a plain non-negative
// integer up to its limit, a switch also on/off/true/false. False, with nothing
// changed and why set, when the value is not of the key's form.
bool SetSettingsValue(const SettingsKey& key, const std::wstring& value, SettingsTexts& texts, std::wstring& why);

// The keys whose value differs between two sets of texts.
std::vector<const SettingsKey*> ChangedSettingsKeys(const SettingsTexts& a, const SettingsTexts& b);

// Why edited cannot be written over held (firmware version given): for each key
// that fails on its own, "key = value: rule"; when only a combination fails, one
// line naming the changed keys. Empty when the edited texts build a valid block.
std::vector<std::wstring> DiagnoseSettings(const SettingsTexts& edited, const SettingsBlock& held,
                                           std::uint32_t firmwareVersion);
