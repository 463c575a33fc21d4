// The simulator's event loop: serial line, relay connections, timers, stop signals.
#pragma once
#include "Fleet.h"
#include "JsonLog.h"
#include "RelaySession.h"
#include "SensorLink.h"
#include "SerialDevice.h"
#include "WinePrefix.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace sim {

class SimLoop {
 public:
  SimLoop(SimConfig& config, JsonLog& log);
  ~SimLoop();
  // Opens the serial device and the relay port and prints where they are.
  bool Start(std::string& error);
  // Runs until --exit-after has passed or SIGTERM/SIGINT arrives.
  void Run();

 private:
  struct Client {
    int fd;
    RelaySession session;
    Bytes out;
  };
  double Now() const;
  WinePort WinePortOf() const;
  void ApplyTimeline(double now);
  void Step(double now);
  void Accept(double now);
  bool ServeClient(Client& client, bool readable, double now);
  void CloseClient(size_t index, const char* why, double now);
  double NextWake(double now) const;
  // Hands LLS frames due from a sensor to the links that reach it.
  void SendUnsolicited(SimSensor& sensor, double now);
  // The fleet's sensors as they are now, into --state-dir.
  void WriteFleetState(double now);

  SimConfig& config_;
  JsonLog& log_;
  std::chrono::steady_clock::time_point start_;
  SimSensor sensor_;
  SimFleet fleet_;
  std::vector<std::unique_ptr<SimSensor>> neighbours_;  // further sensors on the serial line
  SerialDevice serial_;
  std::unique_ptr<SensorLink> serialLink_;
  int listenFd_ = -1;
  RelayPolicy policy_;
  std::vector<std::unique_ptr<Client>> clients_;
  unsigned connections_ = 0;
  size_t nextTimed_ = 0;
  bool winePortRegistered_ = false;
};

// Set by SIGTERM and SIGINT; SIGUSR1 lifts the faults of the fleet's vehicles.
void InstallStopSignals();

}  // namespace sim
