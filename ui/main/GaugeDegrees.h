// The whole degrees the inclination gauge shows for the sensor's angle.
#pragma once

#include <cstdint>

constexpr int kGaugeMinDegrees = 0;
constexpr int kGaugeMaxDegrees = 180;

// The angle in hundredths of a degree, rounded half up to whole degrees by truncating
// (angle + 50) / 100, then held within the gauge's 0..180.
int GaugeDegrees(std::int32_t hundredths);
