// Factory settings of the simulated sensor.
#include "FactorySettings.h"

#include "protocol/SettingsValidation.h"

namespace sim {

SettingsBlock FactorySettings(uint32_t serial, uint8_t address) {
  SensorSettings s;
  s.serialNumber = serial;
  s.networkAddress = address;
  s.outputInterval = 10;
  s.approximationInterval = 20;
  s.zeroReference[2] = 1.0f;
  // Below 30 degrees the gear rests, above 40 it works.
  s.angle = {{kRangeInRange, 5, 0, 30}, {kRangeInRange, 2, 40, 180}};
  s.angularMotionTimeout = 60;
  s.angleThreshold = 5;
  s.pulseSensorTimeout = 30;
  s.llsSource[0] = 1;  // inclination angle
  s.llsSource[1] = 9;  // temperature
  s.outputs[0].valueCode = 3;  // output 1 follows the working state
  s.outputs[0].conditions = {{kRangeInRange, 0, 0, 0}, {kRangeInRange, 0, 1, 1}};
  return EncodeSettings(s);
}

bool SettingsAcceptable(const SettingsBlock& block, uint32_t firmwareVersion) {
  return ValidateSettings(DecodeSettings(block), firmwareVersion);
}

}  // namespace sim
