// The option table: one entry per option serves parsing, scenarios and --help.
#include "Options.h"

#include "Fleet.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

namespace sim {

namespace {

using Setter = std::function<bool(SimConfig&, const std::string&)>;

struct Option {
  const char* name;
  const char* argument;  // nullptr for a switch
  bool live;             // may change while running (scenario "at" lines)
  const char* help;
  Setter set;
};

bool ToUnsigned(const std::string& s, unsigned long max, unsigned long& out, int base = 10) {
  if (s.empty() || s[0] == '-' || s[0] == '+') return false;
  char* end = nullptr;
  errno = 0;
  out = std::strtoul(s.c_str(), &end, base);
  return errno == 0 && *end == 0 && out <= max;
}

bool ToDouble(const std::string& s, double min, double max, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return *end == 0 && std::isfinite(out) && out >= min && out <= max;
}

bool ToSwitch(const std::string& s, bool& out) {
  if (s.empty() || s == "on" || s == "1" || s == "yes") return out = true, true;
  if (s == "off" || s == "0" || s == "no") return out = false, true;
  return false;
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::stringstream in(s);
  for (std::string part; std::getline(in, part, sep);) parts.push_back(part);
  return parts;
}

Setter Number(std::function<double&(SimConfig&)> field, double min, double max, double scale = 1) {
  return [=](SimConfig& c, const std::string& v) {
    double d;
    if (!ToDouble(v, min, max, d)) return false;
    field(c) = d * scale;
    return true;
  };
}

Setter Switch(std::function<bool&(SimConfig&)> field) {
  return [=](SimConfig& c, const std::string& v) { return ToSwitch(v, field(c)); };
}

// A "no-..." switch: on clears the field.
Setter Without(std::function<bool&(SimConfig&)> field) {
  return [=](SimConfig& c, const std::string& v) {
    bool on;
    if (!ToSwitch(v, on)) return false;
    field(c) = !on;
    return true;
  };
}

template <typename T>
Setter Count(std::function<T&(SimConfig&)> field, unsigned long max, int base = 10) {
  return [=](SimConfig& c, const std::string& v) {
    unsigned long n;
    if (!ToUnsigned(v, max, n, base)) return false;
    field(c) = T(n);
    return true;
  };
}

Setter Text(std::function<std::string&(SimConfig&)> field) {
  return [=](SimConfig& c, const std::string& v) {
    field(c) = v;
    return !v.empty();
  };
}

Setter ImageFile(std::function<std::optional<Bytes>&(SimConfig&)> field) {
  return [=](SimConfig& c, const std::string& v) {
    Bytes image;
    std::string error;
    if (!ReadImageFile(v, image, error)) return false;
    field(c) = std::move(image);
    return true;
  };
}

bool SetSettingsFile(SimConfig& c, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  SettingsBlock block;
  if (!in.read(reinterpret_cast<char*>(block.data()), block.size())) return false;
  c.sensor.settings = block;
  return true;
}

bool AddNeighbour(SimConfig& c, const std::string& v) {
  std::vector<std::string> parts = Split(v, ',');
  unsigned long address, serial;
  if (parts.size() < 2 || parts.size() > 3 || !ToUnsigned(parts[0], 254, address) ||
      !ToUnsigned(parts[1], 0xFFFFFFFF, serial) || (parts.size() == 3 && parts[2] != "no-common"))
    return false;
  c.neighbours.push_back({uint8_t(address), uint32_t(serial), parts.size() == 3});
  return true;
}

// "ID[,serial=N][,address=A][,fw-version=V][,device-type=T][,fault=NAME[:N]]"; the sensor starts
// from the sensor options given so far, with a serial number of its own.
bool AddVehicle(SimConfig& c, const std::string& v) {
  std::vector<std::string> parts = Split(v, ',');
  unsigned long id;
  if (parts.empty() || !ToUnsigned(parts[0], 0xFFFFFFFF, id) || id == 0) return false;
  for (const VehicleConfig& other : c.vehicles)
    if (other.terminal == id) return false;
  VehicleConfig vehicle;
  vehicle.terminal = unsigned(id);
  vehicle.sensor = c.sensor;
  vehicle.sensor.serial = uint32_t(100000 + id);
  for (size_t i = 1; i < parts.size(); ++i) {
    std::vector<std::string> kv = Split(parts[i], '=');
    unsigned long n = 0;
    if (kv.size() != 2) return false;
    const std::string& key = kv[0];
    if (key == "fault") {
      std::vector<std::string> fault = Split(kv[1], ':');
      std::optional<VehicleFault> named = fault.empty() ? std::nullopt : FaultNamed(fault[0]);
      if (!named || fault.size() > 2 || (fault.size() == 2 && !ToUnsigned(fault[1], 0x7FFFFFFF, n))) return false;
      if (*named == VehicleFault::CutInUpdate && n == 0) return false;  // which block request is needed
      vehicle.fault = *named;
      vehicle.faultValue = unsigned(n);
    } else if (key == "serial" && ToUnsigned(kv[1], 0xFFFFFFFF, n)) {
      vehicle.sensor.serial = uint32_t(n);
    } else if (key == "address" && ToUnsigned(kv[1], 254, n)) {
      vehicle.sensor.address = uint8_t(n);
    } else if (key == "fw-version" && ToUnsigned(kv[1], 0xFFFFFFFF, n)) {
      vehicle.sensor.firmwareVersion = uint32_t(n);
    } else if (key == "device-type" && ToUnsigned(kv[1], 0xFFFFFFFF, n)) {
      vehicle.sensor.deviceType = uint32_t(n);
    } else {
      return false;
    }
  }
  c.vehicles.push_back(vehicle);
  return true;
}

bool SetCandidate(SimConfig& c, const std::string& v) {
  std::vector<std::string> parts = Split(v, ',');
  if (parts.size() != 3) return false;
  for (int i = 0; i < 3; ++i) {
    double d;
    if (!ToDouble(parts[i], -1e6, 1e6, d)) return false;
    c.sensor.motion.candidateOverride[i] = float(d);
  }
  c.sensor.motion.forceCandidate = true;
  return true;
}

bool SetFirmwareAcks(SimConfig& c, const std::string& v) {
  std::map<unsigned, uint8_t> statuses;
  for (const std::string& item : Split(v, ',')) {
    std::vector<std::string> kv = Split(item, '=');
    unsigned long block, status;
    if (kv.size() != 2 || !ToUnsigned(kv[0], 0xFFFFFFFF, block) || block == 0 || !ToUnsigned(kv[1], 255, status))
      return false;
    statuses[unsigned(block)] = uint8_t(status);
  }
  c.sensor.forcedBlockStatus = statuses;
  return true;
}

bool SetTerminalIds(SimConfig& c, const std::string& v) {
  std::vector<unsigned> ids;
  for (const std::string& item : Split(v, ',')) {
    unsigned long id;
    if (!ToUnsigned(item, 0xFFFFFFFF, id)) return false;
    ids.push_back(unsigned(id));
  }
  if (ids.empty()) return false;
  c.terminal.ids = ids;
  return true;
}

bool SetTerminalError(SimConfig& c, const std::string& v) {
  std::vector<std::string> kv = Split(v, '=');
  unsigned long code;
  if (kv.size() != 2 || kv[0].empty() || !ToUnsigned(kv[1], 0x7FFFFFFF, code)) return false;
  std::string command = kv[0][0] == '#' ? kv[0].substr(1) : kv[0];
  while (!command.empty() && (command.back() == '?' || command.back() == '=')) command.pop_back();
  c.terminal.errors.emplace_back(command, int(code));
  return true;
}

bool SetRelayError(SimConfig& c, const std::string& v) {
  std::vector<std::string> parts = Split(v, ':');
  unsigned long code, count = 0;
  if (parts.empty() || parts.size() > 2 || !ToUnsigned(parts[0], 0x7FFFFFFF, code) ||
      (parts.size() == 2 && !ToUnsigned(parts[1], 0x7FFFFFFF, count)))
    return false;
  c.relay.errorCode = int(code);
  c.relay.errorCount = parts.size() == 2 ? int(count) : -1;
  return true;
}

const std::vector<Option>& Options() {
  static const std::vector<Option> table = {
      // Transports
      {"tty", "DEVICE", false, "serve an existing serial device instead of creating a pty pair",
       Text([](SimConfig& c) -> std::string& { return c.serial.tty; })},
      {"link", "PATH", false, "make PATH a symbolic link to the serial device (replaced if it is a link)",
       Text([](SimConfig& c) -> std::string& { return c.serial.linkPath; })},
      {"wine-prefix", "DIR", false, "link the serial device into this Wine prefix (needs --com)",
       Text([](SimConfig& c) -> std::string& { return c.serial.winePrefix; })},
      {"com", "N", false, "COM port number for --wine-prefix: dosdevices/comN, SERIALCOMM and a ports-class device COMN",
       Count<unsigned>([](SimConfig& c) -> unsigned& { return c.serial.com; }, 256)},
      {"port-description", "TEXT", false,
       "name port lists show before \"(COMN)\" for --wine-prefix (default \"Simulated sensor line\")",
       Text([](SimConfig& c) -> std::string& { return c.serial.portDescription; })},
      {"no-serial", nullptr, false, "no serial line (relay only)",
       Without([](SimConfig& c) -> bool& { return c.serial.enabled; })},
      {"relay", nullptr, false, "run the relay server on 127.0.0.1 (port 50010 unless --relay-port)",
       Switch([](SimConfig& c) -> bool& { return c.relay.enabled; })},
      {"relay-port", "PORT", false, "relay server port, 0 for any free one (implies --relay; default 50010)",
       [](SimConfig& c, const std::string& v) {
         unsigned long p;
         if (!ToUnsigned(v, 65535, p)) return false;
         c.relay.port = unsigned(p);
         c.relay.enabled = true;
         return true;
       }},
      // Line
      {"baud", "RATE", false, "serial line speed; every byte takes 10 bit times (default 19200)",
       Count<unsigned>([](SimConfig& c) -> unsigned& { return c.line.baud; }, 4000000)},
      {"turnaround", "MS", true, "time from a request's last byte to the answer (default 5)",
       Number([](SimConfig& c) -> double& { return c.line.turnaround; }, 0, 600000, 0.001)},
      {"adapter-latency", "MS", true, "the answers reach the computer in bursts, every MS (a USB adapter's latency timer)",
       Number([](SimConfig& c) -> double& { return c.line.adapterLatency; }, 0, 1000, 0.001)},
      // Sensor
      {"address", "A", false, "network address 0..254 of the factory settings (default 1)",
       Count<uint8_t>([](SimConfig& c) -> uint8_t& { return c.sensor.address; }, 254)},
      {"serial", "N", false, "serial number of the factory settings (default 12345)",
       Count<uint32_t>([](SimConfig& c) -> uint32_t& { return c.sensor.serial; }, 0xFFFFFFFF)},
      {"device-type", "T", false, "device type: 3001, 3002, 3102 or 3201 (default 3201, the supported one)",
       Count<uint32_t>([](SimConfig& c) -> uint32_t& { return c.sensor.deviceType; }, 0xFFFFFFFF)},
      {"fw-version", "V", false, "firmware version of the installed image (default 9)",
       Count<uint32_t>([](SimConfig& c) -> uint32_t& { return c.sensor.firmwareVersion; }, 0xFFFFFFFF)},
      {"installed", "FILE", false, "take the installed image header from this .fw file",
       ImageFile([](SimConfig& c) -> std::optional<Bytes>& { return c.sensor.installedImage; })},
      {"settings", "FILE", false, "start with this 96-byte settings block instead of the factory one",
       SetSettingsFile},
      {"lls-output", "S", false, "start with unsolicited LLS output every S seconds (1..255)",
       [](SimConfig& c, const std::string& v) {
         unsigned long s;
         if (!ToUnsigned(v, 255, s) || s == 0) return false;
         c.sensor.llsInterval = int(s);
         return true;
       }},
      {"no-common-address", nullptr, false, "start with address 255 refused",
       Switch([](SimConfig& c) -> bool& { return c.sensor.refuseCommonAddress; })},
      {"neighbour", "A,N[,no-common]", false,
       "another sensor on the serial line at address A with serial number N (repeatable); "
       "no-common: it refuses address 255. Answers that meet on the line collide",
       AddNeighbour},
      {"block-limit", "N", false, "largest firmware block reported, 0 meaning 128 (default 0)",
       Count<uint32_t>([](SimConfig& c) -> uint32_t& { return c.sensor.blockLimit; }, 0xFFFFFFFF)},
      {"extra-mask", "HEX", false, "value codes sent as extra values in data subcodes 6 and 7 (default 801C)",
       Count<uint32_t>([](SimConfig& c) -> uint32_t& { return c.sensor.extraMask; }, 0xFFFFFFFF, 16)},
      {"reboot-ms", "MS", false, "silence after a restart (default 1000)",
       Number([](SimConfig& c) -> double& { return c.sensor.rebootSeconds; }, 0, 600000, 0.001)},
      {"partial-image", "FILE", false, "start as if a download of this image had been interrupted",
       ImageFile([](SimConfig& c) -> std::optional<Bytes>& { return c.sensor.partialImage; })},
      {"partial-count", "N", false, "bytes of --partial-image already received (default 0)",
       Count<size_t>([](SimConfig& c) -> size_t& { return c.sensor.partialCount; }, 0xFFFFFFFF)},
      {"save-image", "FILE", false, "write the received image here as soon as it is complete",
       Text([](SimConfig& c) -> std::string& { return c.sensor.saveImagePath; })},
      // Gear
      {"tilt", "DEG", true, "centre of the gear's swing, degrees (default 45)",
       Number([](SimConfig& c) -> double& { return c.sensor.motion.tiltCenter; }, -360, 360)},
      {"swing", "DEG", true, "amplitude of the swing, degrees (default 30)",
       Number([](SimConfig& c) -> double& { return c.sensor.motion.tiltSwing; }, 0, 180)},
      {"swing-period", "S", true, "duration of one swing, 0 holds the tilt (default 40)",
       Number([](SimConfig& c) -> double& { return c.sensor.motion.swingPeriod; }, 0, 1e6)},
      {"rpm", "R", true, "rotation, negative to the left, 0 none (default 30)",
       Number([](SimConfig& c) -> double& { return c.sensor.motion.rotationRpm; }, -6000, 6000)},
      {"temperature", "C", true, "temperature the sensor drifts around (default 21.5)",
       Number([](SimConfig& c) -> double& { return c.sensor.motion.temperature; }, -72, 100)},
      {"zero-candidate", "X,Y,Z", true, "zero-angle candidate vector to report instead of the measured one",
       SetCandidate},
      // Terminal and relay server
      {"terminal-id", "ID[,ID..]", false, "ids of the terminals behind the relay server (default 1)", SetTerminalIds},
      {"terminal-version", "V", true, "terminal software version (default 125; below 120 is refused by the tool)",
       Count<unsigned>([](SimConfig& c) -> unsigned& { return c.terminal.version; }, 0x7FFFFFFF)},
      {"board-revision", "HEX", true, "terminal board revision (default 190)",
       Count<unsigned>([](SimConfig& c) -> unsigned& { return c.terminal.boardRevision; }, 0xFFFFFFFF, 16)},
      {"terminal-error", "CMD=CODE", true, "answer terminal command CMD (DEVID, VER, BRDREV, BRD, DIAG, SEROPN) with #ERR:CODE; repeatable",
       SetTerminalError},
      {"close-marker", "TEXT", true, "line the terminal sends when its port closes (default #CLOSED)",
       Text([](SimConfig& c) -> std::string& { return c.terminal.closeMarker; })},
      {"close-port-after", "S", true, "the terminal closes its transparent port S seconds after opening it, traffic or not",
       Number([](SimConfig& c) -> double& { return c.terminal.closePortAfter; }, 0, 1e9)},
      {"relay-error", "CODE[:COUNT]", true, "answer connect requests with @ERR:CODE (only the first COUNT)",
       SetRelayError},
      // Fleet
      {"vehicle", "ID[,KEY=VALUE..]", false,
       "a vehicle of a fleet behind the relay server: terminal ID with a sensor of its own (repeatable; "
       "then only these terminals are there). Keys: serial (default 100000 + ID), address, fw-version, "
       "device-type (defaults: the sensor options given before it), fault: offline (the server answers "
       "@ERR:3, ask later), refused[:CODE] (@ERR:CODE, default 2), silent (the sensor never answers), "
       "cut-write (the line drops when a settings write arrives), cut-update:K (it drops when firmware "
       "block request K arrives). SIGUSR1 lifts every vehicle's fault",
       AddVehicle},
      {"state-dir", "DIR", false,
       "describe the fleet's sensors in DIR/sensors.jsonl whenever one changes, one JSON object a line "
       "(terminal, fault, serial, address, firmware_version, device_type, settings, profile: the settings "
       "without serial number and address, image_received, installed_check); each sensor's image, once "
       "complete, goes to DIR/image-ID.fw",
       Text([](SimConfig& c) -> std::string& { return c.stateDir; })},
      // Faults
      {"no-answer", nullptr, true, "the sensor hears but never answers",
       Switch([](SimConfig& c) -> bool& { return c.faults.noAnswer; })},
      {"drop-every", "N", true, "drop every N-th answer",
       Count<unsigned>([](SimConfig& c) -> unsigned& { return c.faults.dropEvery; }, 0xFFFFFFFF)},
      {"corrupt", "P", true, "damage each sent byte with probability P (0..1)",
       Number([](SimConfig& c) -> double& { return c.faults.corruptRate; }, 0, 1)},
      {"seed", "S", false, "seed of the fault generator (default 1)",
       Count<uint32_t>([](SimConfig& c) -> uint32_t& { return c.faults.seed; }, 0xFFFFFFFF)},
      {"garbage", "N", true, "send N stray bytes before every answer",
       Count<unsigned>([](SimConfig& c) -> unsigned& { return c.faults.garbage; }, 4096)},
      {"split", "N", true, "send frames in pieces of N bytes",
       Count<unsigned>([](SimConfig& c) -> unsigned& { return c.faults.splitSize; }, 4096)},
      {"split-gap", "MS", true, "pause between pieces (default 20)",
       Number([](SimConfig& c) -> double& { return c.faults.splitGap; }, 0, 600000, 0.001)},
      {"delay", "MS", true, "extra delay before every answer",
       Number([](SimConfig& c) -> double& { return c.faults.delay; }, 0, 600000, 0.001)},
      {"reject-writes", nullptr, true, "refuse every settings write and keep the block",
       Switch([](SimConfig& c) -> bool& { return c.sensor.rejectWrites; })},
      {"fw-ack", "K=S[,K=S..]", true, "acknowledge firmware block request K (from 1) with status S", SetFirmwareAcks},
      {"cut-after-block", "K", true, "cut the link when firmware block request K arrives (it is stored, not answered)",
       Count<unsigned>([](SimConfig& c) -> unsigned& { return c.faults.cutAfterBlock; }, 0xFFFFFFFF)},
      {"cut-at", "S", false, "cut the link S seconds after it came up",
       Number([](SimConfig& c) -> double& { return c.faults.cutAt; }, 0, 1e9)},
      {"cut-for", "S", true, "a cut serial line comes back after S seconds (default never; relay links close)",
       Number([](SimConfig& c) -> double& { return c.faults.cutFor; }, 0, 1e9)},
      // Run
      {"log", "FILE", false, "JSON lines of every frame and event (default stderr)",
       Text([](SimConfig& c) -> std::string& { return c.logPath; })},
      {"exit-after", "S", false, "stop after S seconds (otherwise on SIGTERM or SIGINT)",
       Number([](SimConfig& c) -> double& { return c.exitAfter; }, 0, 1e9)},
      {"scenario", "FILE", false, "read options and timed changes from FILE (see below)",
       [](SimConfig& c, const std::string& v) {
         std::string error;
         return LoadScenario(v, c, error);
       }},
  };
  return table;
}

const Option* Find(const std::string& name) {
  for (const Option& o : Options())
    if (name == o.name) return &o;
  return nullptr;
}

}  // namespace

bool ApplyOption(SimConfig& config, const std::string& name, const std::string& value, bool live, std::string& error) {
  const Option* o = Find(name);
  if (!o) {
    error = "unknown option: " + name;
    return false;
  }
  if (live && !o->live) {
    error = name + " cannot change while running";
    return false;
  }
  if (o->argument && value.empty()) {
    error = name + " needs " + o->argument;
    return false;
  }
  if (!o->set(config, value)) {
    error = "bad value for " + name + ": " + value;
    return false;
  }
  return true;
}

ParseResult ParseCommandLine(int argc, char** argv, SimConfig& config, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") return ParseResult::kHelp;
    if (arg.rfind("--", 0) != 0) {
      error = "unexpected argument: " + arg;
      return ParseResult::kError;
    }
    std::string name = arg.substr(2), value;
    const Option* o = Find(name);
    if (o && o->argument) {
      if (i + 1 >= argc) {
        error = name + " needs " + o->argument;
        return ParseResult::kError;
      }
      value = argv[++i];
    }
    if (name == "scenario") {
      if (!LoadScenario(value, config, error)) return ParseResult::kError;
      continue;
    }
    if (!ApplyOption(config, name, value, false, error)) return ParseResult::kError;
  }
  if (!config.serial.winePrefix.empty() && config.serial.com == 0) {
    error = "--wine-prefix needs --com N";
    return ParseResult::kError;
  }
  if (!config.serial.enabled && !config.relay.enabled) {
    error = "nothing to serve: --no-serial without --relay";
    return ParseResult::kError;
  }
  return ParseResult::kRun;
}

bool LoadScenario(const std::string& path, SimConfig& config, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string first;
    if (!(words >> first)) continue;
    std::string where = path + ":" + std::to_string(number) + ": ";
    TimedOption timed;
    bool isTimed = first == "at";
    if (isTimed) {
      std::string when;
      if (!(words >> when) || !ToDouble(when, 0, 1e9, timed.at) || !(words >> first)) {
        error = where + "expected: at SECONDS option [value]";
        return false;
      }
    }
    std::string value;
    std::getline(words >> std::ws, value);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r')) value.pop_back();
    // Timed lines are checked on a copy now so that mistakes show before the run.
    SimConfig probe = config;
    if (!ApplyOption(isTimed ? probe : config, first, value, isTimed, error)) {
      error = where + error;
      return false;
    }
    if (isTimed) config.timeline.push_back({timed.at, first, value});
  }
  return true;
}

std::string HelpText() {
  std::string text =
      "kivra-sim: plays the sensor, the relay server and the on-board terminal for the tool.\n"
      "\n"
      "usage: kivra-sim [options]\n"
      "\n"
      "By default it creates a pty pair, prints \"serial: DEVICE\" and answers there as a sensor.\n"
      "With --relay (or --relay-port) it also runs the relay server on 127.0.0.1 and prints\n"
      "\"relay: 127.0.0.1:PORT\"; behind it the on-board terminals take the tool's commands and\n"
      "pass bytes on to the same sensor.\n"
      "Every frame and event goes to the JSON log, one object a line:\n"
      "  t (seconds on the line since start), link, dir (rx into the simulator, tx out of it),\n"
      "  kind (request, answer, lls, garbage, dropped, skipped, lost, cut, command, reply, server,\n"
      "  connected, closed, scenario, error, start, stop),\n"
      "  addr, code, bytes (hex), text, note, fault, block, pieces.\n"
      "\n"
      "options:\n";
  for (const Option& o : Options()) {
    std::string left = std::string("  --") + o.name + (o.argument ? std::string(" ") + o.argument : "");
    if (left.size() < 30) left.resize(30, ' ');
    else left += "\n" + std::string(30, ' ');
    text += left + o.help + (o.live ? " [live]" : "") + "\n";
  }
  text +=
      "  --help                      this text\n"
      "\n"
      "Scenario file: one option a line, without the dashes (\"baud 9600\", \"no-answer\").\n"
      "\"at SECONDS option [value]\" changes an option marked [live] at that time after start;\n"
      "switches then take on or off (\"at 10 no-answer on\", \"at 20 no-answer off\").\n"
      "A \"#\" starts a comment.\n";
  return text;
}

}  // namespace sim
