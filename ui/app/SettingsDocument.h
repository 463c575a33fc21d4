// Settings texts as printed lines, as KEY=VALUE edits and as JSON documents (backups and imports).
#pragma once

#include "protocol/SettingsTexts.h"

#include <string>
#include <vector>

// What a backup says about the sensor it came from; only informative, an import ignores it.
struct SettingsOrigin {
    std::wstring model;
    std::wstring firmwareVersion;
};

// "key = value" lines, one a key.
std::wstring SettingsLines(const SettingsTexts& texts);
// The JSON form: an "info" object (model, firmware version), then every key as a string
// (free texts) or a number (list indices and switches).
std::wstring SettingsJson(const SettingsTexts& texts, const SettingsOrigin& origin, bool indented);

// Applies "KEY=VALUE" edits in order; errors gets one line for each edit that is not
// of that form, names an unknown key or has a value of the wrong form. False when any.
bool ApplySettingsAssignments(const std::vector<std::wstring>& assignments, SettingsTexts& texts,
                              std::vector<std::wstring>& errors);

// Which keys of a document are taken; the others are left as the sensor has them.
struct SettingsImportFilter {
    bool serialNumber = true;
    bool networkAddress = true;
};

// A settings file: a JSON document as SettingsJson writes (possibly fewer keys), or
// KEY=VALUE lines ('#' starts a comment line). Reports like ApplySettingsAssignments; a text
// with bytes its file's decoding could not read (U+FFFD) or NUL is refused whole.
bool ApplySettingsDocument(const std::wstring& text, const SettingsImportFilter& filter, SettingsTexts& texts,
                           std::vector<std::wstring>& errors);
