// A fleet behind the relay server: each terminal with a sensor of its own and its own faults.
#pragma once
#include "SimConfig.h"
#include "SimSensor.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// The relay server's answer to a terminal it cannot reach now: the tool asks again.
constexpr int kTerminalOfflineCode = 3;
// Its answer to a terminal it will not join, when the vehicle names no code of its own.
constexpr int kTerminalRefusedCode = 2;

const char* FaultName(VehicleFault fault);
// "offline", "refused", ... as FaultName spells them; nullopt for another word.
std::optional<VehicleFault> FaultNamed(const std::string& name);

struct Vehicle {
  Vehicle(const VehicleConfig& config, const FaultConfig& lineFaults);
  VehicleConfig config;
  SimSensor sensor;
  FaultConfig faults;  // of the line to its sensor
};

class SimFleet {
 public:
  // imageDir: where each sensor's image is saved once complete (image-<terminal>.fw); empty for nowhere.
  SimFleet(const SimConfig& config, const std::string& imageDir);
  bool Empty() const { return vehicles_.empty(); }
  Vehicle* Find(unsigned terminal);
  // The relay server's error code for a connect request to this vehicle, nullopt to join it.
  std::optional<int> Refusal(const Vehicle& vehicle) const;
  void LiftFaults();
  // True when a sensor's settings or firmware changed since the last call.
  bool Changed();
  // One JSON object a line per vehicle: terminal, fault, serial, address, firmware_version,
  // device_type, settings (hex), profile (the settings without serial number and address, hex),
  // image_received (bytes of a download held), installed_check.
  std::string StateText() const;
  std::vector<std::unique_ptr<Vehicle>>& Vehicles() { return vehicles_; }

 private:
  std::vector<std::unique_ptr<Vehicle>> vehicles_;
  unsigned long long seen_ = 0;
};

// Writes text to path through a file beside it, so that a reader never sees half of it.
bool ReplaceFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace sim
