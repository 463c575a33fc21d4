// Command line, scenario file and help text.
#include "Options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

sim::ParseResult Parse(std::vector<std::string> args, sim::SimConfig& c, std::string& error) {
  args.insert(args.begin(), "kivra-sim");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  return sim::ParseCommandLine(int(argv.size()), argv.data(), c, error);
}

TEST(Options, ValuesReachTheConfiguration) {
  sim::SimConfig c;
  std::string error;
  ASSERT_EQ(Parse({"--baud", "9600", "--turnaround", "12", "--relay-port", "0", "--terminal-id", "3,4", "--fw-ack",
                   "2=3,5=2", "--relay-error", "3:2", "--extra-mask", "ff", "--no-answer", "--device-type", "3102",
                   "--terminal-error", "#SEROPN=7", "--exit-after", "1.5"},
                  c, error),
            sim::ParseResult::kRun)
      << error;
  EXPECT_EQ(c.line.baud, 9600u);
  EXPECT_DOUBLE_EQ(c.line.turnaround, 0.012);
  EXPECT_TRUE(c.relay.enabled);
  EXPECT_EQ(c.relay.port, 0u);
  EXPECT_EQ(c.terminal.ids, (std::vector<unsigned>{3, 4}));
  EXPECT_EQ(c.sensor.forcedBlockStatus, (std::map<unsigned, uint8_t>{{2, 3}, {5, 2}}));
  EXPECT_EQ(c.relay.errorCode, 3);
  EXPECT_EQ(c.relay.errorCount, 2);
  EXPECT_EQ(c.sensor.extraMask, 0xFFu);
  EXPECT_TRUE(c.faults.noAnswer);
  EXPECT_EQ(c.sensor.deviceType, 3102u);
  ASSERT_EQ(c.terminal.errors.size(), 1u);
  EXPECT_EQ(c.terminal.errors[0], (std::pair<std::string, int>{"SEROPN", 7}));
  EXPECT_DOUBLE_EQ(c.exitAfter, 1.5);
}

TEST(Options, NeighboursAddUp) {
  sim::SimConfig c;
  std::string error;
  ASSERT_EQ(Parse({"--neighbour", "77,7077", "--neighbour", "200,2200,no-common"}, c, error), sim::ParseResult::kRun)
      << error;
  ASSERT_EQ(c.neighbours.size(), 2u);
  EXPECT_EQ(c.neighbours[0].address, 77);
  EXPECT_EQ(c.neighbours[0].serial, 7077u);
  EXPECT_FALSE(c.neighbours[0].refuseCommonAddress);
  EXPECT_EQ(c.neighbours[1].address, 200);
  EXPECT_TRUE(c.neighbours[1].refuseCommonAddress);
}

TEST(Options, VehiclesTakeTheSensorOptionsBeforeThemAndTheirOwn) {
  sim::SimConfig c;
  std::string error;
  ASSERT_EQ(Parse({"--relay", "--no-serial", "--fw-version", "8", "--vehicle", "101", "--vehicle",
                   "102,serial=5002,address=7,fw-version=9,device-type=3102,fault=cut-update:12", "--vehicle",
                   "103,fault=refused:7", "--vehicle", "104,fault=offline", "--state-dir", "/tmp/fleet"},
                  c, error),
            sim::ParseResult::kRun)
      << error;
  ASSERT_EQ(c.vehicles.size(), 4u);
  EXPECT_EQ(c.vehicles[0].terminal, 101u);
  EXPECT_EQ(c.vehicles[0].sensor.serial, 100101u);
  EXPECT_EQ(c.vehicles[0].sensor.firmwareVersion, 8u);
  EXPECT_EQ(c.vehicles[0].fault, sim::VehicleFault::None);
  EXPECT_EQ(c.vehicles[1].sensor.serial, 5002u);
  EXPECT_EQ(c.vehicles[1].sensor.address, 7);
  EXPECT_EQ(c.vehicles[1].sensor.firmwareVersion, 9u);
  EXPECT_EQ(c.vehicles[1].sensor.deviceType, 3102u);
  EXPECT_EQ(c.vehicles[1].fault, sim::VehicleFault::CutInUpdate);
  EXPECT_EQ(c.vehicles[1].faultValue, 12u);
  EXPECT_EQ(c.vehicles[2].fault, sim::VehicleFault::Refused);
  EXPECT_EQ(c.vehicles[2].faultValue, 7u);
  EXPECT_EQ(c.vehicles[3].fault, sim::VehicleFault::Offline);
  EXPECT_EQ(c.stateDir, "/tmp/fleet");
}

TEST(Options, MistakesAreReported) {
  struct Case {
    std::vector<std::string> args;
    const char* mentions;
  } cases[] = {
      {{"--baud"}, "baud needs"},
      {{"--baud", "fast"}, "bad value for baud"},
      {{"--address", "255"}, "bad value for address"},
      {{"--corrupt", "1.5"}, "bad value for corrupt"},
      {{"--fw-ack", "0=2"}, "bad value for fw-ack"},
      {{"--neighbour", "255,7"}, "bad value for neighbour"},
      {{"--neighbour", "7"}, "bad value for neighbour"},
      {{"--neighbour", "7,1,common"}, "bad value for neighbour"},
      {{"--vehicle", "0"}, "bad value for vehicle"},
      {{"--vehicle", "5,fault=sleepy"}, "bad value for vehicle"},
      {{"--vehicle", "5,fault=cut-update"}, "bad value for vehicle"},
      {{"--vehicle", "5,address=255"}, "bad value for vehicle"},
      {{"--vehicle", "5,colour=red"}, "bad value for vehicle"},
      {{"--vehicle", "5", "--vehicle", "5,serial=2"}, "bad value for vehicle"},
      {{"--frobnicate"}, "unknown option"},
      {{"stray"}, "unexpected argument"},
      {{"--wine-prefix", "/tmp/x"}, "needs --com"},
      {{"--no-serial"}, "nothing to serve"},
      {{"--installed", "/nonexistent/image.fw"}, "bad value for installed"},
  };
  for (const Case& c : cases) {
    sim::SimConfig config;
    std::string error;
    EXPECT_EQ(Parse(c.args, config, error), sim::ParseResult::kError) << c.args[0];
    EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
  }
}

TEST(Options, ScenarioSetsNowAndLater) {
  std::string path = ::testing::TempDir() + "sim_scenario.txt";
  {
    std::ofstream out(path);
    out << "# a rehearsal\nbaud 4800\nreject-writes\n\nat 2.5 no-answer on  # the line goes dead\nat 4 no-answer off\n";
  }
  sim::SimConfig c;
  std::string error;
  ASSERT_TRUE(sim::LoadScenario(path, c, error)) << error;
  EXPECT_EQ(c.line.baud, 4800u);
  EXPECT_TRUE(c.sensor.rejectWrites);
  EXPECT_FALSE(c.faults.noAnswer);  // only later
  ASSERT_EQ(c.timeline.size(), 2u);
  EXPECT_DOUBLE_EQ(c.timeline[0].at, 2.5);
  EXPECT_EQ(c.timeline[0].name, "no-answer");
  EXPECT_EQ(c.timeline[0].value, "on");

  {
    std::ofstream out(path);
    out << "at 3 baud 9600\n";  // the line speed is fixed once running
  }
  EXPECT_FALSE(sim::LoadScenario(path, c, error));
  EXPECT_NE(error.find(":1: baud cannot change while running"), std::string::npos) << error;
  std::remove(path.c_str());
}

TEST(Options, ShippedScenarioLoads) {
  sim::SimConfig c;
  std::string error;
  ASSERT_TRUE(sim::LoadScenario(KIVRA_SIM_SOURCE_DIR "/rehearsal.scenario", c, error)) << error;
  EXPECT_EQ(c.sensor.blockLimit, 64u);
  EXPECT_EQ(c.faults.dropEvery, 7u);
  EXPECT_EQ(c.timeline.size(), 4u);
}

TEST(Options, HelpNamesEveryOption) {
  std::string help = sim::HelpText();
  for (const char* name : {"--tty", "--wine-prefix", "--com", "--relay-port", "--baud", "--turnaround", "--device-type",
                           "--fw-version", "--block-limit", "--save-image", "--terminal-version", "--relay-error",
                           "--no-answer", "--drop-every", "--corrupt", "--seed", "--garbage", "--split", "--delay",
                           "--reject-writes", "--fw-ack", "--cut-after-block", "--cut-at", "--log", "--exit-after",
                           "--scenario", "--help"})
    EXPECT_NE(help.find(name), std::string::npos) << name;
}

}  // namespace
