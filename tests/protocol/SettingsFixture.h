// A settings record that passes validation on every firmware version.
#pragma once

#include "protocol/SettingsBlock.h"

inline SensorSettings ValidSettings()
{
    SensorSettings s;
    s.serialNumber = 123456;
    s.networkAddress = 17;
    s.addressFlags = 1;
    s.outputInterval = 5;
    s.unsolicitedOutput = 1;
    s.approximationInterval = 50;
    s.zeroReference[0] = 0.25f;
    s.zeroReference[1] = -1.5f;
    s.zeroReference[2] = 7.75f;
    s.angle.inactive = RangeRecord{kRangeOtherValues, 3, 0, 0};
    s.angle.active = RangeRecord{kRangeInRange, 10, 30, 90};
    s.angularMotionTimeout = 600;
    s.angleThreshold = 15;
    s.pulseSensorTimeout = 40;
    s.llsSource[0] = 1;
    s.llsSource[1] = 9;
    s.outputs[0].valueCode = 2;
    s.outputs[0].conditions.inactive = RangeRecord{kRangeOutOfRange, 1, 100, 2000};
    s.outputs[0].conditions.active = RangeRecord{kRangeInRange, 2, 500, 1000};
    s.outputs[1].valueCode = 0;
    return s;
}
