// The fleet's vehicles, their faults and the description of their sensors for the tests.
#include "Fleet.h"

#include "JsonLog.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace sim {

namespace {

struct FaultWord {
  VehicleFault fault;
  const char* name;
};

constexpr FaultWord kFaultWords[] = {
    {VehicleFault::None, "none"},           {VehicleFault::Offline, "offline"},
    {VehicleFault::Refused, "refused"},     {VehicleFault::Silent, "silent"},
    {VehicleFault::CutAtWrite, "cut-write"}, {VehicleFault::CutInUpdate, "cut-update"},
};

// The line faults a vehicle's own fault stands for, over those every line has.
FaultConfig LineFaultsOf(const VehicleConfig& v, const FaultConfig& every) {
  FaultConfig faults = every;
  faults.noAnswer = every.noAnswer || v.fault == VehicleFault::Silent;
  faults.cutAtWrite = every.cutAtWrite || v.fault == VehicleFault::CutAtWrite;
  if (v.fault == VehicleFault::CutInUpdate) faults.cutAfterBlock = v.faultValue;
  return faults;
}

// The block as it would be on any sensor given the same profile: its own serial number and
// address taken out.
SettingsBlock ProfileOf(const SettingsBlock& block) {
  SensorSettings s = DecodeSettings(block);
  s.serialNumber = 0;
  s.networkAddress = 0;
  return EncodeSettings(s);
}

}  // namespace

const char* FaultName(VehicleFault fault) {
  for (const FaultWord& w : kFaultWords)
    if (w.fault == fault) return w.name;
  return "none";
}

std::optional<VehicleFault> FaultNamed(const std::string& name) {
  for (const FaultWord& w : kFaultWords)
    if (name == w.name) return w.fault;
  return std::nullopt;
}

Vehicle::Vehicle(const VehicleConfig& c, const FaultConfig& lineFaults)
    : config(c), sensor(c.sensor), faults(LineFaultsOf(c, lineFaults)) {}

SimFleet::SimFleet(const SimConfig& config, const std::string& imageDir) {
  for (VehicleConfig v : config.vehicles) {
    if (!imageDir.empty()) v.sensor.saveImagePath = imageDir + "/image-" + std::to_string(v.terminal) + ".fw";
    vehicles_.push_back(std::make_unique<Vehicle>(v, config.faults));
  }
}

Vehicle* SimFleet::Find(unsigned terminal) {
  for (auto& v : vehicles_)
    if (v->config.terminal == terminal) return v.get();
  return nullptr;
}

std::optional<int> SimFleet::Refusal(const Vehicle& v) const {
  if (v.config.fault == VehicleFault::Offline) return kTerminalOfflineCode;
  if (v.config.fault == VehicleFault::Refused) return v.config.faultValue ? int(v.config.faultValue) : kTerminalRefusedCode;
  return std::nullopt;
}

void SimFleet::LiftFaults() {
  for (auto& v : vehicles_) {
    VehicleConfig lifted = v->config;
    lifted.fault = VehicleFault::None;
    FaultConfig every = v->faults;
    every.noAnswer = false;
    every.cutAtWrite = false;
    every.cutAfterBlock = 0;
    v->config.fault = VehicleFault::None;
    v->faults = LineFaultsOf(lifted, every);
  }
}

bool SimFleet::Changed() {
  unsigned long long changes = 0;
  for (auto& v : vehicles_) changes += v->sensor.Changes();
  if (changes == seen_) return false;
  seen_ = changes;
  return true;
}

std::string SimFleet::StateText() const {
  std::string text;
  for (const auto& v : vehicles_) {
    const SimSensor& s = v->sensor;
    const HeaderBytes& installed = s.InstalledHeader();
    JsonLine line;
    line.Add("terminal", (long long)v->config.terminal)
        .Add("fault", FaultName(v->config.fault))
        .Add("serial", (long long)DecodeSettings(s.Settings()).serialNumber)
        .Add("address", (long long)s.Address())
        .Add("firmware_version", (long long)s.FirmwareVersion())
        .Add("device_type", (long long)v->config.sensor.deviceType)
        .AddHex("settings", Bytes(s.Settings().begin(), s.Settings().end()))
        .AddHex("profile", [&] {
          SettingsBlock p = ProfileOf(s.Settings());
          return Bytes(p.begin(), p.end());
        }())
        .Add("image_received", (long long)s.FirmwareHeld().Received().size())
        .Add("installed_check", (long long)ParseFirmwareHeader(installed.data()).check);
    text += "{" + line.Text().substr(1) + "}\n";
  }
  return text;
}

bool ReplaceFile(const std::string& path, const std::string& text, std::string& error) {
  const std::string next = path + ".new";
  {
    std::ofstream out(next, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) return error = next + ": " + std::strerror(errno), false;
  }
  if (std::rename(next.c_str(), path.c_str()) != 0) return error = path + ": " + std::strerror(errno), false;
  return true;
}

}  // namespace sim
