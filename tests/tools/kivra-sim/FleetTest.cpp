// A fleet behind the relay server: each terminal reaches a sensor of its own, with its own faults.
#include "RelaySession.h"
#include "SimTestSupport.h"

#include "protocol/RequestFrame.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

using namespace simtest;

namespace {

struct FleetRig {
  explicit FleetRig(std::vector<sim::VehicleConfig> vehicles) {
    config.vehicles = std::move(vehicles);
    fleet = std::make_unique<sim::SimFleet>(config, "");
    policy = std::make_unique<sim::RelayPolicy>(config, *fleet);
    std::string error;
    EXPECT_TRUE(log.Open(path, error));
  }
  ~FleetRig() { std::remove(path.c_str()); }

  std::unique_ptr<sim::RelaySession> Session() {
    return std::make_unique<sim::RelaySession>(*policy, config, lone, *fleet, log, "relay" + std::to_string(++links));
  }
  static std::string Say(sim::RelaySession& s, const std::string& text, double t) {
    s.OnReceived(reinterpret_cast<const uint8_t*>(text.data()), text.size(), t);
    sim::Bytes out = s.TakeOutput();
    return std::string(out.begin(), out.end());
  }
  // Runs the line until an answer frame has come through the terminal, or 2 s have passed.
  static sim::Bytes Exchange(sim::RelaySession& s, const CRequestFrame& f, double& t) {
    s.OnReceived(f.Data(), f.Length(), t);
    sim::Bytes got;
    for (double until = t + 2; t < until && !s.Broken(); t += 0.001) {
      s.Poll(t);
      sim::Bytes out = s.TakeOutput();
      got.insert(got.end(), out.begin(), out.end());
      if (got.size() >= 5 && got[0] == 0x42 && got.size() >= got[1] + 5u) break;
    }
    return got;
  }

  static sim::VehicleConfig Vehicle(unsigned terminal, uint32_t serial, uint8_t address,
                                    sim::VehicleFault fault = sim::VehicleFault::None, unsigned value = 0) {
    sim::VehicleConfig v;
    v.terminal = terminal;
    v.sensor.serial = serial;
    v.sensor.address = address;
    v.fault = fault;
    v.faultValue = value;
    return v;
  }

  std::string path = ::testing::TempDir() + "sim_fleet_" + std::to_string(reinterpret_cast<uintptr_t>(this));
  sim::SimConfig config;
  sim::SimSensor lone{config.sensor};
  std::unique_ptr<sim::SimFleet> fleet;
  std::unique_ptr<sim::RelayPolicy> policy;
  sim::JsonLog log;
  int links = 0;
};

const std::string kOpenPort = "#SEROPN=2,19200,0,3,30000\r";

TEST(Fleet, TheServerAnswersEachTerminalByItsVehicle) {
  using F = sim::VehicleFault;
  FleetRig rig({FleetRig::Vehicle(11, 5011, 3), FleetRig::Vehicle(12, 5012, 4, F::Offline),
                FleetRig::Vehicle(13, 5013, 5, F::Refused), FleetRig::Vehicle(14, 5014, 6, F::Refused, 7),
                FleetRig::Vehicle(15, 5015, 7, F::Silent)});
  struct Case {
    unsigned terminal;
    const char* reply;
  } cases[] = {
      {11, "@OK\r\n"}, {12, "@ERR:3\r\n"}, {13, "@ERR:2\r\n"}, {14, "@ERR:7\r\n"}, {15, "@OK\r\n"},
      {1, "@ERR:1\r\n"},  // the lone sensor's terminal is not part of a fleet
  };
  for (const Case& c : cases) {
    auto s = rig.Session();
    EXPECT_EQ(FleetRig::Say(*s, "@CON=" + std::to_string(c.terminal) + "\r", 1.0), c.reply) << c.terminal;
  }
  rig.fleet->LiftFaults();
  for (unsigned terminal : {12u, 13u, 14u}) {
    auto s = rig.Session();
    EXPECT_EQ(FleetRig::Say(*s, "@CON=" + std::to_string(terminal) + "\r", 2.0), "@OK\r\n") << terminal;
  }
}

TEST(Fleet, EachTerminalReachesItsOwnSensorAndASilentOneStaysSilentUntilLifted) {
  FleetRig rig({FleetRig::Vehicle(21, 7021, 3), FleetRig::Vehicle(22, 7022, 9),
                FleetRig::Vehicle(23, 7023, 4, sim::VehicleFault::Silent)});
  CRequestFrame read;
  read.BuildReadSettings(255);
  double t = 1;
  for (auto [terminal, serial, address] : {std::tuple{21u, 7021u, 3}, std::tuple{22u, 7022u, 9}}) {
    auto s = rig.Session();
    ASSERT_EQ(FleetRig::Say(*s, "@CON=" + std::to_string(terminal) + "\r" + kOpenPort, t), "@OK\r\n#OPEN\r\n");
    Answer a = Parse(FleetRig::Exchange(*s, read, t));
    ASSERT_EQ(a.code, 0x2B);
    SensorSettings got = DecodeSettings(*reinterpret_cast<const SettingsBlock*>(a.payload.data() + 2));
    EXPECT_EQ(got.serialNumber, serial);
    EXPECT_EQ(got.networkAddress, address);
    EXPECT_EQ(a.address, address);
  }
  auto silent = rig.Session();
  ASSERT_EQ(FleetRig::Say(*silent, "@CON=23\r" + kOpenPort, t), "@OK\r\n#OPEN\r\n");
  EXPECT_TRUE(FleetRig::Exchange(*silent, read, t).empty());
  rig.fleet->LiftFaults();  // on the open link too
  EXPECT_EQ(Parse(FleetRig::Exchange(*silent, read, t)).code, 0x2B);
}

// A write that meets a cut line is lost with the link; after the faults are lifted it goes in.
TEST(Fleet, ACutAtAWriteLeavesTheSensorAsItWas) {
  FleetRig rig({FleetRig::Vehicle(31, 8031, 3, sim::VehicleFault::CutAtWrite), FleetRig::Vehicle(32, 8032, 4)});
  sim::Vehicle& cut = *rig.fleet->Find(31);
  const SettingsBlock before = cut.sensor.Settings();
  SensorSettings changed = DecodeSettings(before);
  changed.angleThreshold = changed.angleThreshold == 33 ? 34 : 33;
  CRequestFrame write;
  ASSERT_TRUE(write.BuildWriteSettings(3, EncodeSettings(changed)));
  double t = 1;
  auto s = rig.Session();
  ASSERT_EQ(FleetRig::Say(*s, "@CON=31\r" + kOpenPort, t), "@OK\r\n#OPEN\r\n");
  EXPECT_TRUE(FleetRig::Exchange(*s, write, t).empty());
  EXPECT_TRUE(s->Broken());
  EXPECT_EQ(cut.sensor.Settings(), before);

  rig.fleet->LiftFaults();
  auto again = rig.Session();
  ASSERT_EQ(FleetRig::Say(*again, "@CON=31\r" + kOpenPort, t), "@OK\r\n#OPEN\r\n");
  EXPECT_EQ(Parse(FleetRig::Exchange(*again, write, t)).payload, sim::Bytes{0});
  EXPECT_EQ(DecodeSettings(cut.sensor.Settings()).angleThreshold, changed.angleThreshold);
  EXPECT_NE(rig.fleet->Find(32)->sensor.Settings(), cut.sensor.Settings());
}

// The state the tests read: one line a vehicle; the profile leaves out what makes each sensor itself.
TEST(Fleet, StateDescribesEverySensorAndTellsWhenOneChanged) {
  FleetRig rig({FleetRig::Vehicle(41, 9041, 3), FleetRig::Vehicle(42, 9042, 200, sim::VehicleFault::Offline)});
  EXPECT_TRUE(rig.fleet->Changed());  // the factory settings
  EXPECT_FALSE(rig.fleet->Changed());
  std::istringstream lines(rig.fleet->StateText());
  std::string first, second, none;
  ASSERT_TRUE(std::getline(lines, first));
  ASSERT_TRUE(std::getline(lines, second));
  EXPECT_FALSE(std::getline(lines, none));
  const auto field = [](const std::string& line, const std::string& key) {
    size_t at = line.find("\"" + key + "\":");
    EXPECT_NE(at, std::string::npos) << key << " in " << line;
    at += key.size() + 3;
    return line.substr(at, line.find_first_of(",}", line[at] == '"' ? line.find('"', at + 1) : at) - at);
  };
  EXPECT_EQ(first.front(), '{');
  EXPECT_EQ(field(first, "terminal"), "41");
  EXPECT_EQ(field(first, "serial"), "9041");
  EXPECT_EQ(field(first, "address"), "3");
  EXPECT_EQ(field(first, "fault"), "\"none\"");
  EXPECT_EQ(field(second, "address"), "200");
  EXPECT_EQ(field(second, "fault"), "\"offline\"");
  EXPECT_EQ(field(second, "image_received"), "0");
  EXPECT_NE(field(first, "settings"), field(second, "settings"));
  EXPECT_EQ(field(first, "profile"), field(second, "profile"));

  CRequestFrame write;
  SensorSettings s = DecodeSettings(rig.fleet->Find(41)->sensor.Settings());
  s.angleThreshold = 44;
  ASSERT_TRUE(write.BuildWriteSettings(3, EncodeSettings(s)));
  Ask(rig.fleet->Find(41)->sensor, write);
  EXPECT_TRUE(rig.fleet->Changed());
  std::istringstream after(rig.fleet->StateText());
  ASSERT_TRUE(std::getline(after, first));
  ASSERT_TRUE(std::getline(after, second));
  EXPECT_NE(field(first, "profile"), field(second, "profile"));
}

}  // namespace
