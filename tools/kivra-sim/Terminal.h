// The vehicle's on-board terminal: its text command language and its transparent serial port.
#pragma once
#include "LineAssembler.h"
#include "SensorLink.h"

#include <memory>

namespace sim {

class Terminal {
 public:
  // sensor and faults: the sensor behind the terminal's port and what goes wrong on that line.
  Terminal(unsigned id, const SimConfig& config, SimSensor& sensor, const FaultConfig& faults, JsonLog& log,
           std::string name, double now);

  void OnReceived(const uint8_t* data, size_t length, double now);
  // Runs the transparent port: sensor answers, forwarding, the idle close.
  void Poll(double now);
  std::optional<double> NextWake() const;
  // Bytes for the master.
  Bytes TakeOutput();
  SensorLink* Port() { return port_.get(); }
  SimSensor& Sensor() { return sensor_; }
  bool Transparent() const { return port_ != nullptr; }

 private:
  void OnLine(const std::string& line, double now);
  std::string Reply(const std::string& command, double now);
  bool OpenPort(const std::string& arguments, double now);
  void Send(const std::string& text, double now);
  bool ForcedCloseDue(double now) const;

  unsigned id_;
  const SimConfig& config_;
  SimSensor& sensor_;
  const FaultConfig& faults_;
  JsonLog& log_;
  std::string name_;
  double startedAt_;
  LineAssembler lines_;
  Bytes out_;
  // Transparent mode.
  std::unique_ptr<SensorLink> port_;
  double shortTime_ = 0;
  double longTime_ = 0;
  double lastTraffic_ = 0;
  double openedAt_ = 0;
  Bytes held_;            // sensor bytes waiting for the short gap
  double forwardAt_ = 0;
};

}  // namespace sim
