// One line to the simulated sensor: pacing, request handling, faults and frame log.
#pragma once
#include "JsonLog.h"
#include "PacedLine.h"
#include "SimConfig.h"

#include <map>
#include <random>
#include <string>
#include <vector>

namespace sim {

class SensorLink {
 public:
  SensorLink(std::string name, SimSensor& sensor, const FaultConfig& faults, const LineConfig& line, JsonLog& log,
             double now);
  void SetBaud(unsigned baud) { line_.SetBaud(baud); }
  // Another sensor that hears the same requests; it must outlive the link.
  void AddNeighbour(SimSensor& sensor) { neighbours_.push_back(&sensor); }

  // Bytes from the master, handed over at time now.
  void OnReceived(const uint8_t* data, size_t length, double now);
  void SendUnsolicited(const Bytes& frame, double now);
  // Answers the requests that have fully arrived by now.
  void Process(double now);
  // The sensor's bytes that are on the wire by now.
  Bytes TakeOutput(double now);
  std::optional<double> NextWake() const;
  bool IsCut(double now) const { return now < cutUntil_; }
  // A cut that does not heal: a relay connection is closed over it.
  bool CutForGood() const;

 private:
  struct Arrival {
    double at;
    Bytes bytes;
  };
  struct PendingLog {
    JsonLine line;
    size_t pieces;
  };
  void Answer(const SensorOutcome& outcome, double seenAt);
  // The answers of the neighbours to a request; the first sensor's outcome takes their one answer,
  // or false when several answers met on the line and went out as one collision.
  bool HearNeighbours(const Request& request, SensorOutcome& outcome, double seenAt);
  void Emit(Bytes frame, double start, JsonLine line);
  void Cut(double now, const std::string& reason);
  bool Chance(double p);

  std::string name_;
  SimSensor& sensor_;
  std::vector<SimSensor*> neighbours_;
  const FaultConfig& faults_;
  const LineConfig& lineConfig_;
  JsonLog& log_;
  PacedLine line_;
  RequestScanner scanner_;
  std::deque<Arrival> arrivals_;
  std::map<int, PendingLog> pending_;
  int nextTag_ = 0;
  unsigned answers_ = 0;
  double createdAt_;
  double cutUntil_ = -1;
  bool timedCutDone_ = false;
  std::mt19937 rng_;
};

}  // namespace sim
