// The relay server's connect exchange and the terminal's command language, driven in-process.
#include "RelaySession.h"

#include "protocol/RequestFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

namespace {

struct Rig {
  Rig() : sensor(config.sensor), fleet(config, ""), policy(config, fleet) {
    std::string error;
    EXPECT_TRUE(log.Open(path, error));
  }
  ~Rig() { std::remove(path.c_str()); }

  std::string Say(sim::RelaySession& s, const std::string& text, double t = 1.0) {
    s.OnReceived(reinterpret_cast<const uint8_t*>(text.data()), text.size(), t);
    sim::Bytes out = s.TakeOutput();
    return std::string(out.begin(), out.end());
  }
  sim::RelaySession Session() { return sim::RelaySession(policy, config, sensor, fleet, log, "relay1"); }

  std::string path = ::testing::TempDir() + "sim_terminal_" + std::to_string(reinterpret_cast<uintptr_t>(this));
  sim::SimConfig config;
  sim::SimSensor sensor;
  sim::SimFleet fleet;
  sim::RelayPolicy policy;
  sim::JsonLog log;
};

TEST(TerminalDialogue, QueriesAnsweredInTheFormsTheToolReads) {
  Rig rig;
  rig.config.terminal.ids = {5, 9};
  rig.config.terminal.version = 131;
  rig.config.terminal.boardRevision = 0x1A4;
  sim::RelaySession s = rig.Session();
  struct Step {
    const char* sent;
    const char* reply;
  } steps[] = {
      {"@CON=9\r", "@OK\r\n"},
      {"#DEVID?\r", "#DEVID:9\r\n#OK\r\n"},
      {"  #VER?\r", "#VER:KVT-SIM,2,1,131,1A4\r\n#OK\r\n"},
      {"#BRDREV?\r", "#BRDREV:1A4\r\n#OK\r\n"},
      {"#BRD?\r", "#BRD:KVT-SIM\r\n#OK\r\n"},
      {"#NOSUCH?\r", "#ERR:1\r\n"},
      {"hello\r", ""},
      {"#SEROPN=2,19200,0\r", "#ERR:2\r\n"},
  };
  for (const Step& step : steps) EXPECT_EQ(rig.Say(s, step.sent), step.reply) << step.sent;
  EXPECT_EQ(rig.Say(s, "#DIAG?\r", 4.5).rfind("#DIAG:3,", 0), 0u);
}

TEST(TerminalDialogue, OverlongLinesAreCutNotKept) {
  Rig rig;
  sim::RelaySession s = rig.Session();
  EXPECT_EQ(rig.Say(s, "@CON=1\r"), "@OK\r\n");
  EXPECT_EQ(rig.Say(s, "#DEVID?" + std::string(100000, 'x') + "\r"), "#ERR:1\r\n");
  EXPECT_EQ(rig.Say(s, "#DEVID?\r"), "#DEVID:1\r\n#OK\r\n");
  std::ifstream in(rig.path);
  for (std::string line; std::getline(in, line);) EXPECT_LT(line.size(), 400u);
}

TEST(TerminalDialogue, ConfiguredErrorsAndRelayRefusals) {
  Rig rig;
  rig.config.terminal.errors = {{"DEVID", 5}};
  rig.config.relay.errorCode = 3;
  rig.config.relay.errorCount = 2;
  sim::RelaySession s = rig.Session();
  EXPECT_EQ(rig.Say(s, "@CON=1\r"), "@ERR:3\r\n");
  EXPECT_EQ(rig.Say(s, "@CON=1\r"), "@ERR:3\r\n");
  EXPECT_EQ(rig.Say(s, "@CON=2\r"), "@ERR:1\r\n");  // no such terminal
  EXPECT_EQ(rig.Say(s, "@LST?\r"), "@ERR:4\r\n");
  EXPECT_EQ(rig.Say(s, "@CON=1\r#DEVID?\r"), "@OK\r\n#ERR:5\r\n");
}

TEST(TerminalDialogue, TransparentPortCarriesSensorFramesAndClosesWhenIdle) {
  Rig rig;
  sim::RelaySession s = rig.Session();
  CRequestFrame f;
  f.BuildReadIdentification(255);
  // The sensor request rides in the same segment as the port-open command.
  std::string opening = "@CON=1\r#SEROPN=2,9600,0,3,200\r" + std::string(f.Data(), f.Data() + f.Length());
  EXPECT_EQ(rig.Say(s, opening, 0.0), "@OK\r\n#OPEN\r\n");
  sim::Bytes got;
  double firstByte = -1;
  std::string closed;
  for (double t = 0; t < 3; t += 0.001) {
    s.Poll(t);
    sim::Bytes out = s.TakeOutput();
    if (!out.empty() && out[0] == '#') closed.assign(out.begin(), out.end());
    else if (!out.empty()) {
      if (firstByte < 0) firstByte = t;
      got.insert(got.end(), out.begin(), out.end());
    }
  }
  ASSERT_EQ(got.size(), 37u);
  EXPECT_EQ(got[3], 0x01);
  // The answer takes 42 byte times at 9600 baud plus the turnaround, then the terminal
  // waits its short time (30 ms) before passing it on in one piece.
  EXPECT_NEAR(firstByte, 42 * 10.0 / 9600 + 0.005 + 0.03, 0.003);
  EXPECT_EQ(closed, "#CLOSED\r\n");  // 2 s without traffic
  EXPECT_EQ(rig.Say(s, "#DEVID?\r", 3.1), "#DEVID:1\r\n#OK\r\n");  // back in command mode
}

TEST(TerminalDialogue, PortClosesOnTimeDespiteTraffic) {
  Rig rig;
  rig.config.terminal.closePortAfter = 1.0;
  rig.config.terminal.closeMarker = "#MON:IDLE";
  sim::RelaySession s = rig.Session();
  CRequestFrame f;
  f.BuildReadIdentification(255);
  const std::string request(f.Data(), f.Data() + f.Length());
  EXPECT_EQ(rig.Say(s, "@CON=1\r#SEROPN=2,19200,0,3,30000\r", 0.0), "@OK\r\n#OPEN\r\n");
  size_t answered = 0;
  double closedAt = -1;
  // A request every 100 ms keeps the port busy, far inside its long time of 300 s.
  for (double t = 0; t < 2 && closedAt < 0; t += 0.001) {
    if (std::fmod(t, 0.1) < 0.001) s.OnReceived(reinterpret_cast<const uint8_t*>(request.data()), request.size(), t);
    s.Poll(t);
    sim::Bytes out = s.TakeOutput();
    if (!out.empty() && out[0] == '#') {
      EXPECT_EQ(std::string(out.begin(), out.end()), "#MON:IDLE\r\n");
      closedAt = t;
    } else answered += out.size();
  }
  EXPECT_GT(answered, 37u * 5);
  EXPECT_NEAR(closedAt, 1.0, 0.05);
  EXPECT_EQ(rig.Say(s, "#DEVID?\r", 2.1), "#DEVID:1\r\n#OK\r\n");
}

}  // namespace
