// The stable names under which the settings texts are printed, set, exported and imported.
#include "ui/app/SettingsKeys.h"

#include "protocol/PlainNumber.h"
#include "runtime/ResourceText.h"
#include "ui/resources/resource.h"

#include <cwctype>

namespace {

std::vector<SettingsKey> MakeKeys()
{
    std::vector<SettingsKey> keys = {
        {L"serial_number", [](SettingsTexts& t) { return &t.serialNumber; }, nullptr, 0, IDS_RULE_SERIAL},
        {L"network_address", [](SettingsTexts& t) { return &t.networkAddress; }, nullptr, 0,
         IDS_RULE_ADDRESS},
        {L"no_common_address", nullptr, [](SettingsTexts& t) { return &t.noCommonAddress; }, 1,
         IDS_RULE_NO_COMMON},
        {L"secondary_address", nullptr, [](SettingsTexts& t) { return &t.secondaryAddress; }, 1,
         IDS_RULE_SECONDARY},
        {L"output_interval", [](SettingsTexts& t) { return &t.outputInterval; }, nullptr, 0,
         IDS_RULE_OUTPUT_INTERVAL},
        {L"unsolicited_output", nullptr, [](SettingsTexts& t) { return &t.unsolicitedOutput; }, 1,
         IDS_RULE_UNSOLICITED},
        {L"approximation_interval", [](SettingsTexts& t) { return &t.approximationInterval; }, nullptr, 0,
         IDS_RULE_APPROXIMATION},
        {L"zero_reference", [](SettingsTexts& t) { return &t.zeroReference; }, nullptr, 0,
         IDS_RULE_ZERO_REFERENCE},
        {L"angle.not_working.kind", nullptr, [](SettingsTexts& t) { return &t.angle.inactive.kind; }, 2, IDS_RULE_KIND},
        {L"angle.not_working.range", [](SettingsTexts& t) { return &t.angle.inactive.range; }, nullptr, 0,
         IDS_RULE_ANGLE_RANGE},
        {L"angle.not_working.delay", [](SettingsTexts& t) { return &t.angle.inactive.delay; }, nullptr, 0,
         IDS_RULE_DELAY},
        {L"angle.working.kind", nullptr, [](SettingsTexts& t) { return &t.angle.active.kind; }, 2, IDS_RULE_KIND},
        {L"angle.working.range", [](SettingsTexts& t) { return &t.angle.active.range; }, nullptr, 0,
         IDS_RULE_ANGLE_RANGE},
        {L"angle.working.delay", [](SettingsTexts& t) { return &t.angle.active.delay; }, nullptr, 0, IDS_RULE_DELAY},
        {L"angular_motion_timeout", [](SettingsTexts& t) { return &t.angularMotionTimeout; }, nullptr, 0,
         IDS_RULE_TIMEOUT},
        {L"angle_threshold", [](SettingsTexts& t) { return &t.angleThreshold; }, nullptr, 0,
         IDS_RULE_THRESHOLD},
        {L"pulse_sensor_timeout", [](SettingsTexts& t) { return &t.pulseSensorTimeout; }, nullptr, 0,
         IDS_RULE_TIMEOUT},
        {L"lls1.source", nullptr, [](SettingsTexts& t) { return &t.llsSource[0]; }, 21, IDS_RULE_SOURCE},
        {L"lls2.source", nullptr, [](SettingsTexts& t) { return &t.llsSource[1]; }, 21, IDS_RULE_SOURCE},
        {L"output1.source", nullptr, [](SettingsTexts& t) { return &t.outputs[0].valueCode; }, 21,
         IDS_RULE_OUTPUT_SOURCE},
        {L"output1.frequency_mode", nullptr, [](SettingsTexts& t) { return &t.outputs[0].frequencyMode; }, 1,
         IDS_RULE_SWITCH},
        {L"output1.not_active.kind", nullptr,
         [](SettingsTexts& t) { return &t.outputs[0].conditions.inactive.kind; }, 2, IDS_RULE_KIND},
        {L"output1.not_active.range", [](SettingsTexts& t) { return &t.outputs[0].conditions.inactive.range; },
         nullptr, 0, IDS_RULE_RANGE},
        {L"output1.not_active.delay", [](SettingsTexts& t) { return &t.outputs[0].conditions.inactive.delay; },
         nullptr, 0, IDS_RULE_DELAY},
        {L"output1.active.kind", nullptr, [](SettingsTexts& t) { return &t.outputs[0].conditions.active.kind; }, 2,
         IDS_RULE_KIND},
        {L"output1.active.range", [](SettingsTexts& t) { return &t.outputs[0].conditions.active.range; }, nullptr,
         0, IDS_RULE_RANGE},
        {L"output1.active.delay", [](SettingsTexts& t) { return &t.outputs[0].conditions.active.delay; }, nullptr,
         0, IDS_RULE_DELAY},
        {L"output2.source", nullptr, [](SettingsTexts& t) { return &t.outputs[1].valueCode; }, 21,
         IDS_RULE_OUTPUT_SOURCE},
        {L"output2.not_active.kind", nullptr,
         [](SettingsTexts& t) { return &t.outputs[1].conditions.inactive.kind; }, 2, IDS_RULE_KIND},
        {L"output2.not_active.range", [](SettingsTexts& t) { return &t.outputs[1].conditions.inactive.range; },
         nullptr, 0, IDS_RULE_RANGE},
        {L"output2.not_active.delay", [](SettingsTexts& t) { return &t.outputs[1].conditions.inactive.delay; },
         nullptr, 0, IDS_RULE_DELAY},
        {L"output2.active.kind", nullptr, [](SettingsTexts& t) { return &t.outputs[1].conditions.active.kind; }, 2,
         IDS_RULE_KIND},
        {L"output2.active.range", [](SettingsTexts& t) { return &t.outputs[1].conditions.active.range; }, nullptr,
         0, IDS_RULE_RANGE},
        {L"output2.active.delay", [](SettingsTexts& t) { return &t.outputs[1].conditions.active.delay; }, nullptr,
         0, IDS_RULE_DELAY},
    };
    return keys;
}

std::wstring Trimmed(const std::wstring& text)
{
    std::size_t first = 0, last = text.size();
    while (first < last && std::iswspace(text[first]))
        ++first;
    while (last > first && std::iswspace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

}  // namespace

const std::vector<SettingsKey>& AllSettingsKeys()
{
    static const std::vector<SettingsKey> keys = MakeKeys();
    return keys;
}

const SettingsKey* FindSettingsKey(const std::wstring& name)
{
    for (const SettingsKey& key : AllSettingsKeys())
        if (name == key.name)
            return &key;
    return nullptr;
}

std::wstring SettingsRule(const SettingsKey& key)
{
    return LoadResourceText(key.rule);
}

std::wstring SettingsValue(const SettingsKey& key, const SettingsTexts& texts)
{
    SettingsTexts& t = const_cast<SettingsTexts&>(texts);  // the accessors only point into it
    return key.text ? *key.text(t) : std::to_wstring(*key.number(t));
}

bool SetSettingsValue(const SettingsKey& key, const std::wstring& value, SettingsTexts& texts, std::wstring& why)
{
    const std::wstring v = Trimmed(value);
    if (key.text) {
        *key.text(texts) = v;
        return true;
    }
    int number = -1;
    if (key.numberLimit == 1 && (v == L"on" || v == L"true"))
        number = 1;
    else if (key.numberLimit == 1 && (v == L"off" || v == L"false"))
        number = 0;
    else if (IsPlainNumber(v, PlainNumberKind::Unsigned) && v.size() <= 6)
        number = std::stoi(v);
    if (number < 0 || number > key.numberLimit) {
        why = SettingsRule(key);
        return false;
    }
    *key.number(texts) = number;
    return true;
}

std::vector<const SettingsKey*> ChangedSettingsKeys(const SettingsTexts& a, const SettingsTexts& b)
{
    std::vector<const SettingsKey*> changed;
    for (const SettingsKey& key : AllSettingsKeys())
        if (SettingsValue(key, a) != SettingsValue(key, b))
            changed.push_back(&key);
    return changed;
}

std::vector<std::wstring> DiagnoseSettings(const SettingsTexts& edited, const SettingsBlock& held,
                                           std::uint32_t firmwareVersion)
{
    SettingsBlock result{};
    if (BuildSettingsBlock(edited, held, firmwareVersion, result))
        return {};
    const SettingsTexts heldTexts = FormatSettingsTexts(DecodeSettings(held));
    const std::vector<const SettingsKey*> changed = ChangedSettingsKeys(heldTexts, edited);
    std::vector<std::wstring> reasons;
    for (const SettingsKey* key : changed) {
        // The key alone over what the sensor holds: if that fails, this value is at fault.
        SettingsTexts single = heldTexts;
        std::wstring unused;  // the value was taken into edited already, so it has the key's form
        SetSettingsValue(*key, SettingsValue(*key, edited), single, unused);
        if (!BuildSettingsBlock(single, held, firmwareVersion, result))
            reasons.push_back(std::wstring(key->name) + L" = \"" + SettingsValue(*key, edited) + L"\": " +
                              SettingsRule(*key));
    }
    if (reasons.empty()) {
        // The rules say how the values must relate, so each comes with its value and rule.
        std::wstring values;
        for (const SettingsKey* key : changed)
            values += (values.empty() ? L"" : L"; ") + std::wstring(key->name) + L" = \"" +
                      SettingsValue(*key, edited) + L"\" (" + SettingsRule(*key) + L")";
        reasons.push_back(changed.empty() ? LoadResourceText(IDS_SETTINGS_HELD_INVALID)
                                          : LoadResourceText(IDS_SETTINGS_NOT_TOGETHER) + L": " + values);
    }
    return reasons;
}
