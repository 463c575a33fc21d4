// One master's connection to the relay server: the connect request, then its terminal.
#pragma once
#include "Fleet.h"
#include "Terminal.h"

namespace sim {

// Decides the server's reply to a connect request; shared by all connections so
// that "answer the first n requests with an error" counts across reconnects.
class RelayPolicy {
 public:
  RelayPolicy(const SimConfig& config, SimFleet& fleet) : config_(config), fleet_(fleet) {}
  // Empty for "@OK", else the error code.
  std::optional<int> Refusal(unsigned terminalId);

 private:
  const SimConfig& config_;
  SimFleet& fleet_;
  int errorsSent_ = 0;
};

class RelaySession {
 public:
  // sensor: the one behind every terminal, unless the fleet has a vehicle of the terminal's id.
  RelaySession(RelayPolicy& policy, const SimConfig& config, SimSensor& sensor, SimFleet& fleet, JsonLog& log,
               std::string name);
  void OnReceived(const uint8_t* data, size_t length, double now);
  void Poll(double now);
  std::optional<double> NextWake() const;
  Bytes TakeOutput();
  void SendUnsolicited(const Bytes& frame, double now);
  const std::string& Name() const { return name_; }
  // The sensor joined by the server, null before.
  SimSensor* Joined() { return terminal_ ? &terminal_->Sensor() : nullptr; }
  // The link to the sensor was cut for good: the connection is to be closed.
  bool Broken() const;

 private:
  void OnServerLine(const std::string& line, double now);

  RelayPolicy& policy_;
  const SimConfig& config_;
  SimSensor& sensor_;
  SimFleet& fleet_;
  JsonLog& log_;
  std::string name_;
  LineAssembler lines_;
  Bytes out_;
  std::unique_ptr<Terminal> terminal_;
};

}  // namespace sim
