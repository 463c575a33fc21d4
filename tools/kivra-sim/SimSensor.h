// The simulated sensor: one answer per addressed request, live data, settings, firmware.
#pragma once
#include "FirmwareReceiver.h"
#include "GearModel.h"
#include "SensorFrames.h"

#include "protocol/SensorCodes.h"
#include "FactorySettings.h"

#include <map>
#include <optional>
#include <string>

namespace sim {

struct SensorConfig {
  uint32_t serial = 12345;
  uint8_t address = 1;
  uint32_t firmwareVersion = 9;
  uint32_t deviceType = 3201;
  std::optional<Bytes> installedImage;  // its header becomes the installed header
  uint32_t blockLimit = 0;              // as reported; 0 means 128
  uint32_t extraMask = 0x0000801C;      // value codes sent as extra values
  double rebootSeconds = 1.0;
  GearMotion motion;
  std::optional<SettingsBlock> settings;  // instead of the factory block
  int llsInterval = 0;                    // above 0: start with LLS output at this interval
  bool refuseCommonAddress = false;
  std::optional<Bytes> partialImage;      // an interrupted download to resume
  size_t partialCount = 0;
  std::string saveImagePath;
  // Faults of the sensor itself.
  bool rejectWrites = false;
  std::map<unsigned, uint8_t> forcedBlockStatus;  // block request number (from 1) -> status
};

struct SensorOutcome {
  std::optional<Bytes> answer;  // none: the sensor stays silent
  std::string note;             // what happened, for the log
  unsigned firmwareBlock = 0;   // number of the block request this was, 0 for others
};

class SimSensor {
 public:
  explicit SimSensor(const SensorConfig& config);

  SensorOutcome Handle(const Request& request, double t);
  // LLS frames due by time t when unsolicited output is on.
  std::optional<Bytes> UnsolicitedDue(double t);

  const SettingsBlock& Settings() const { return settings_; }
  uint8_t Address() const { return NetworkAddressOf(settings_); }
  uint32_t FirmwareVersion() const;
  const HeaderBytes& InstalledHeader() const { return installed_; }
  GearModel& Gear() { return gear_; }
  SensorConfig& Config() { return config_; }
  FirmwareReceiver& Firmware() { return firmware_; }
  const FirmwareReceiver& FirmwareHeld() const { return firmware_; }
  // Counts every change of the settings or of the firmware held or installed.
  unsigned long long Changes() const { return changes_; }

 private:
  bool Addressed(uint8_t address) const;
  Bytes Acknowledge(uint8_t status) const;
  Bytes Answer(EAnswerCode code, const Bytes& payload) const;
  Bytes Identification() const;
  std::optional<Bytes> DataRecord(uint8_t subcode, double t);
  int LlsParameter(int index) const;
  void ApplySettings(const SettingsBlock& block);
  SensorOutcome OnFirmwareBlock(const Request& request);
  bool SaveImage(std::string& error) const;

  SensorConfig config_;
  SettingsBlock settings_{};
  SensorSettings decoded_;
  HeaderBytes installed_;
  GearModel gear_;
  FirmwareReceiver firmware_;
  unsigned blockRequests_ = 0;
  double rebootUntil_ = -1;
  double nextOutput_ = 0;
  unsigned long long changes_ = 0;
};

}  // namespace sim
