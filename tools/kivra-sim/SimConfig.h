// Everything the simulator is told by its command line and scenario file.
#pragma once
#include "SimSensor.h"

#include <string>
#include <vector>

namespace sim {

struct FaultConfig {
  bool noAnswer = false;
  unsigned dropEvery = 0;      // every n-th answer is not sent
  double corruptRate = 0;      // probability that a sent byte is damaged
  unsigned garbage = 0;        // stray bytes sent before every answer
  unsigned splitSize = 0;      // answers go out in pieces of this many bytes
  double splitGap = 0.02;      // seconds between pieces
  double delay = 0;            // extra seconds before every answer
  unsigned cutAfterBlock = 0;  // link cut when this firmware block request arrives
  bool cutAtWrite = false;     // link cut when a settings write arrives (it is lost, not applied)
  double cutAt = 0;            // link cut this many seconds after it came up
  double cutFor = 0;           // a cut serial line comes back after this long; 0 never
  uint32_t seed = 1;
};

struct LineConfig {
  unsigned baud = 19200;
  double turnaround = 0.005;  // seconds between a request's last byte and the answer
  double adapterLatency = 0;  // seconds between the adapter's hand-overs to the computer; 0 none
};

struct TerminalConfig {
  std::vector<unsigned> ids{1};
  unsigned version = 125;
  unsigned boardRevision = 0x190;
  std::vector<std::pair<std::string, int>> errors;  // command keyword -> "#ERR:" code
  std::string closeMarker = "#CLOSED";
  double closePortAfter = 0;  // seconds after opening that the port closes despite traffic; 0 never
};

struct RelayConfig {
  bool enabled = false;
  unsigned port = 50010;
  int errorCode = 0;    // "@ERR:" code for connect requests, 0 none
  int errorCount = -1;  // how many connect requests get it; -1 all
};

struct SerialConfig {
  bool enabled = true;
  std::string tty;       // an existing device instead of a new pty pair
  std::string linkPath;  // symlink made to the device
  std::string winePrefix;
  unsigned com = 0;
  std::string portDescription = "Simulated sensor line";
};

// Another sensor on the same serial line: the first one's model and firmware, an address and
// serial number of its own.
struct LineNeighbour {
  uint8_t address = 0;
  uint32_t serial = 0;
  bool refuseCommonAddress = false;
};

// What goes wrong with one vehicle of a fleet, until the faults are lifted.
enum class VehicleFault {
  None,
  Offline,     // the relay server has no line to the terminal: "ask again later", every time
  Refused,     // the relay server refuses the terminal with a final code
  Silent,      // the terminal opens its port, the sensor never answers
  CutAtWrite,  // the line drops when a settings write arrives
  CutInUpdate, // the line drops when a given firmware block request arrives
};

// One vehicle of a fleet: its on-board terminal and the sensor behind it.
struct VehicleConfig {
  unsigned terminal = 0;
  SensorConfig sensor;
  VehicleFault fault = VehicleFault::None;
  unsigned faultValue = 0;  // the refusal code, or the block request the update is cut at
};

struct TimedOption {
  double at = 0;
  std::string name;
  std::string value;
};

struct SimConfig {
  SensorConfig sensor;
  std::vector<LineNeighbour> neighbours;
  std::vector<VehicleConfig> vehicles;  // a fleet behind the relay server instead of one sensor
  std::string stateDir;                 // where the fleet's sensors are described as they change
  FaultConfig faults;
  LineConfig line;
  TerminalConfig terminal;
  RelayConfig relay;
  SerialConfig serial;
  std::string logPath;  // JSON lines; empty or "-" for stderr
  double exitAfter = 0;
  std::vector<TimedOption> timeline;
};

}  // namespace sim
