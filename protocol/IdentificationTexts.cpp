// What the windows show of the sensor's identity and of output 1's mode.
#include "protocol/IdentificationTexts.h"

#include "protocol/FormatText.h"
#include "protocol/SensorModel.h"
#include "runtime/ResourceText.h"
#include "protocol/resources/protocol_ids.h"

IdentificationTexts MakeResetIdentificationTexts()
{
    IdentificationTexts texts;
    texts.outputOneLabel = LoadResourceText(IDS_OUTPUT1_DISCRETE);
    return texts;
}

void RebuildIdentificationTexts(const SensorIdentification& identification, const SettingsBlock& settings,
                                IdentificationTexts& texts)
{
    const std::uint32_t version = identification.firmwareVersion;
    if (const wchar_t* model = ModelName(identification.deviceType))
        texts.model = model;
    texts.firmwareVersion = FormatText(L"%d", static_cast<int>(version));
    texts.supportedModel = IsSupportedModel(identification.deviceType);
    texts.frequencyModePossible = HasFrequencyMode(version);
    texts.magnetDetectors = HasMagnetDetectors(version);
    const OutputRecord& output1 = DecodeSettings(settings).outputs[0];
    texts.outputOneFrequency = HasFrequencyMode(version) && output1.frequencyMode != 0 && output1.valueCode > 0;
    texts.outputOneLabel =
        LoadResourceText(texts.outputOneFrequency ? IDS_OUTPUT1_FREQUENCY : IDS_OUTPUT1_DISCRETE);
}
