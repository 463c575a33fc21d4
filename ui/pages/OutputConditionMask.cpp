// Which of a discrete output's condition controls can be used.
#include "ui/pages/OutputConditionMask.h"

#include "protocol/SensorModel.h"
#include "protocol/SettingsTexts.h"
#include "ui/resources/page_ids.h"

const int kOutputConditionIds[2][kOutputConditionControls] = {
    {IDC_OUT1_ACTIVE_LABEL, IDC_OUT1_ACTIVE_KIND, IDC_OUT1_ACTIVE_DELAY_LABEL, IDC_OUT1_INACTIVE_LABEL,
     IDC_OUT1_INACTIVE_KIND, IDC_OUT1_INACTIVE_DELAY_LABEL, IDC_OUT1_ACTIVE_DELAY, IDC_OUT1_INACTIVE_DELAY,
     IDC_OUT1_INACTIVE_RANGE, IDC_OUT1_ACTIVE_RANGE},
    {IDC_OUT2_ACTIVE_LABEL, IDC_OUT2_ACTIVE_KIND, IDC_OUT2_ACTIVE_DELAY_LABEL, IDC_OUT2_INACTIVE_LABEL,
     IDC_OUT2_INACTIVE_KIND, IDC_OUT2_INACTIVE_DELAY_LABEL, IDC_OUT2_ACTIVE_DELAY, IDC_OUT2_INACTIVE_DELAY,
     IDC_OUT2_INACTIVE_RANGE, IDC_OUT2_ACTIVE_RANGE},
};

unsigned OutputConditionMask(const OutputTexts& texts, int output, std::uint32_t firmwareVersion)
{
    if (texts.valueCode == 0)
        return ConditionMask::None;
    if (output == 0 && HasFrequencyMode(firmwareVersion) && texts.frequencyMode != 0)
        return ConditionMask::None;
    unsigned mask = ConditionMask::LabelsKindsDelays;
    if (texts.conditions.inactive.kind != 0)
        mask |= ConditionMask::InactiveRange;
    if (texts.conditions.active.kind != 0)
        mask |= ConditionMask::ActiveRange;
    return mask;
}
