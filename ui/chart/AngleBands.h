// Where on the angle axis a discrete output that follows the angle is meant to be active and
// where not: shaded bands behind the angle, from the settings written and from the page's edits.
#pragma once

#include "protocol/SettingsBlock.h"
#include "protocol/SettingsTexts.h"
#include "ui/chart/AxisTicks.h"

#include <vector>

struct AngleBand {
    int output = 0;  // 0 or 1
    bool active = false;
    ValueRange range;
    bool unwritten = false;  // comes from edits the sensor does not have yet
    bool operator==(const AngleBand&) const = default;
};

// The value code of an output fed by the inclination angle.
constexpr unsigned kAngleValueCode = 1;

// The bands of one output's settings; none unless its source is the angle.
std::vector<AngleBand> OutputAngleBands(const OutputRecord& record, int output);

// The bands of both outputs as the pages show them: an output whose texts parse takes its
// bands from them, marked unwritten where they differ from what the sensor holds; one whose
// texts do not parse (an edit under way) keeps the bands of the written settings.
std::vector<AngleBand> ChartAngleBands(const OutputRecord (&written)[2], const OutputTexts (&edited)[2]);
