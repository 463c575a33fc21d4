// The whole degrees the inclination gauge shows for the sensor's angle.
#include "ui/main/GaugeDegrees.h"

#include <algorithm>

int GaugeDegrees(std::int32_t hundredths)
{
    // Widened first: the sensor's largest value plus the rounding half must not overflow.
    const std::int64_t degrees = (std::int64_t(hundredths) + 50) / 100;
    return int(std::clamp<std::int64_t>(degrees, kGaugeMinDegrees, kGaugeMaxDegrees));
}
