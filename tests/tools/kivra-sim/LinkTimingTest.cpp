// Line pacing and the faults a sensor link injects.
#include "SensorLink.h"
#include "SimTestSupport.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

using namespace simtest;
using sim::Bytes;

namespace {

TEST(PacedLine, BytesTakeTenBitTimes) {
  for (unsigned baud : {4800u, 9600u, 19200u}) {
    sim::PacedLine line(baud);
    const double bt = 10.0 / baud;
    EXPECT_DOUBLE_EQ(line.Arrive(5, 1.0), 1.0 + 5 * bt);
    EXPECT_DOUBLE_EQ(line.Arrive(5, 1.0), 1.0 + 10 * bt);  // queued behind the first five
    double end = line.Send(Bytes(4, 0xAA), 2.0, 7);
    EXPECT_DOUBLE_EQ(end, 2.0 + 4 * bt);
    std::vector<std::pair<int, double>> tags;
    EXPECT_EQ(line.TakeDue(2.0 + 2.5 * bt, tags).size(), 2u);
    EXPECT_TRUE(tags.empty());
    EXPECT_EQ(line.TakeDue(end, tags).size(), 2u);
    ASSERT_EQ(tags.size(), 1u);
    EXPECT_EQ(tags[0].first, 7);
    EXPECT_DOUBLE_EQ(tags[0].second, end);
  }
}

// A sensor link driven in simulated time, its JSON log kept in a file.
struct LinkRig {
  explicit LinkRig(sim::FaultConfig f = {}) : faults(f), sensor(sim::SensorConfig{}) {
    std::string error;
    EXPECT_TRUE(log.Open(path, error)) << error;
    link = std::make_unique<sim::SensorLink>("serial", sensor, faults, line, log, 0.0);
  }
  ~LinkRig() { std::remove(path.c_str()); }

  // Sends the request at time t and runs the line until 2 s later; returns what came back.
  Bytes Exchange(const CRequestFrame& f, double t) {
    link->OnReceived(f.Data(), f.Length(), t);
    Bytes out;
    for (double now = t; now < t + 2; now += 0.0005) {
      link->Process(now);
      Bytes b = link->TakeOutput(now);
      out.insert(out.end(), b.begin(), b.end());
    }
    return out;
  }
  std::vector<std::string> LogLines() {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  }

  std::string path = ::testing::TempDir() + "sim_link_" + std::to_string(reinterpret_cast<uintptr_t>(this)) + ".jsonl";
  sim::FaultConfig faults;
  sim::LineConfig line;
  sim::SimSensor sensor;
  sim::JsonLog log;
  std::unique_ptr<sim::SensorLink> link;
};

double TimeOf(const std::string& line) { return std::stod(line.substr(line.find(':') + 1)); }

TEST(SensorLink, AnswerStartsATurnaroundAfterTheRequestAndIsPaced) {
  LinkRig rig;
  CRequestFrame f;
  f.BuildReadIdentification(255);
  Bytes answer = rig.Exchange(f, 1.0);
  ASSERT_EQ(answer.size(), 37u);
  std::vector<std::string> log = rig.LogLines();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_NE(log[0].find("\"kind\":\"request\",\"addr\":255,\"code\":0,\"bytes\":\"41 00 FF 00 EE\""), std::string::npos);
  EXPECT_NE(log[1].find("\"kind\":\"answer\",\"addr\":1,\"code\":1"), std::string::npos);
  const double bt = 10.0 / 19200;
  EXPECT_NEAR(TimeOf(log[0]), 1.0 + 5 * bt, 1e-6);
  EXPECT_NEAR(TimeOf(log[1]), 1.0 + 5 * bt + 0.005 + 37 * bt, 1e-6);
}

TEST(SensorLink, StrayBytesFromTheMasterAreLoggedAsSkipped) {
  LinkRig rig;
  CRequestFrame f;
  f.BuildReadIdentification(255);
  const uint8_t noise[] = {0x00, 0x42, 0x13};
  rig.link->OnReceived(noise, sizeof noise, 1.0);
  EXPECT_EQ(rig.Exchange(f, 1.0).size(), 37u);
  rig.link->OnReceived(noise, 1, 4.0);
  rig.link->Process(5.0);
  std::vector<std::string> log = rig.LogLines();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_NE(log[0].find("\"kind\":\"skipped\",\"length\":3"), std::string::npos) << log[0];
  EXPECT_NE(log[1].find("\"kind\":\"request\""), std::string::npos) << log[1];
  EXPECT_NE(log[3].find("\"kind\":\"skipped\",\"length\":1"), std::string::npos) << log[3];
}

TEST(SensorLink, DroppedAnswers) {
  CRequestFrame f;
  f.BuildReadIdentification(255);
  sim::FaultConfig every2;
  every2.dropEvery = 2;
  LinkRig rig(every2);
  std::vector<size_t> sizes;
  for (int i = 0; i < 4; ++i) sizes.push_back(rig.Exchange(f, 1.0 + 3 * i).size());
  EXPECT_EQ(sizes, (std::vector<size_t>{37, 0, 37, 0}));

  sim::FaultConfig silent;
  silent.noAnswer = true;
  LinkRig mute(silent);
  EXPECT_TRUE(mute.Exchange(f, 1.0).empty());
  EXPECT_NE(mute.LogLines().back().find("\"fault\":\"no-answer\""), std::string::npos);
}

TEST(SensorLink, GarbageSplitAndDelayKeepTheFrameFindable) {
  sim::FaultConfig f;
  f.garbage = 9;
  f.splitSize = 10;
  f.splitGap = 0.05;
  f.delay = 0.1;
  LinkRig rig(f);
  CRequestFrame req;
  req.BuildReadIdentification(255);
  Bytes out = rig.Exchange(req, 1.0);
  ASSERT_EQ(out.size(), 9u + 37u);
  for (size_t i = 0; i < 9; ++i) EXPECT_TRUE(out[i] != 0x41 && out[i] != 0x42 && out[i] != 0x3E);
  Answer a = Parse(Bytes(out.begin() + 9, out.end()));
  EXPECT_EQ(a.code, 0x01);
  std::string last = rig.LogLines().back();
  EXPECT_NE(last.find("\"pieces\":4"), std::string::npos);
  const double bt = 10.0 / 19200;
  // Four pieces with three gaps, behind the turnaround, the delay and the garbage.
  EXPECT_NEAR(TimeOf(last), 1.0 + 5 * bt + 0.005 + 0.1 + 9 * bt + 37 * bt + 3 * 0.05, 1e-6);
}

TEST(SensorLink, AdapterLatencyHandsAnswersOverInBurstsAtItsTicks) {
  CRequestFrame req;
  req.BuildReadIdentification(255);
  for (unsigned baud : {4800u, 9600u, 19200u}) {
    LinkRig rig;
    rig.line.baud = baud;
    rig.link->SetBaud(baud);
    rig.line.adapterLatency = 0.016;
    rig.link->OnReceived(req.Data(), req.Length(), 1.0);
    Bytes out;
    std::vector<double> bursts;
    for (double now = 1.0; now < 3.0; now += 0.0005) {
      rig.link->Process(now);
      const std::optional<double> wake = rig.link->NextWake();
      if (now > 1.02 && wake && *wake > now) {
        // Once the request is in, the link wakes only at ticks: nothing reaches the computer between them.
        EXPECT_NEAR(std::remainder(*wake, 0.016), 0.0, 1e-9) << baud;
      }
      Bytes b = rig.link->TakeOutput(now);
      if (b.empty()) continue;
      bursts.push_back(now);
      EXPECT_LT(std::remainder(now, 0.016), 0.0005 + 1e-9) << baud << " at " << now;
      EXPECT_GE(std::remainder(now, 0.016), -1e-9) << baud << " at " << now;
      out.insert(out.end(), b.begin(), b.end());
    }
    ASSERT_EQ(out.size(), 37u) << baud;
    EXPECT_EQ(Parse(out).code, 0x01) << baud;
    // 37 bytes take 77 ms at 4800, 39 ms at 9600 and 19 ms at 19200: several ticks each.
    EXPECT_GE(bursts.size(), baud == 19200 ? 2u : 3u) << baud;
  }
}

TEST(SensorLink, CorruptionIsSeededAndLogged) {
  CRequestFrame req;
  req.BuildReadIdentification(255);
  sim::FaultConfig f;
  f.corruptRate = 0.2;
  f.seed = 42;
  LinkRig a(f), b(f);
  Bytes first = a.Exchange(req, 1.0), second = b.Exchange(req, 1.0);
  EXPECT_EQ(first, second);  // same seed, same damage
  EXPECT_NE(first, sim::SimSensor(sim::SensorConfig{}).Handle(RequestOf(req), 1.0).answer.value());
  EXPECT_NE(a.LogLines().back().find("\"fault\":\"corrupt\""), std::string::npos);
}

TEST(SensorLink, CutAfterFirmwareBlockSilencesTheLine) {
  sim::FaultConfig f;
  f.cutAfterBlock = 2;
  f.cutFor = 5;
  LinkRig rig(f);
  Bytes image(300, 0);
  PutU32(&image[0], kFirmwareMagic);
  PutU32(&image[4], 300);
  PutU32(&image[20], 24);
  CRequestFrame block, status;
  status.BuildReadDownloadStatus(255);
  block.BuildWriteFirmwareBlock(255, 0, 0, image.data(), 100);
  EXPECT_EQ(rig.Exchange(block, 1.0).size(), 6u);
  block.BuildWriteFirmwareBlock(255, 0, 100, image.data() + 100, 100);
  EXPECT_TRUE(rig.Exchange(block, 4.0).empty());  // stored, never acknowledged
  EXPECT_TRUE(rig.link->IsCut(6.5));
  EXPECT_TRUE(rig.Exchange(status, 7.0).empty());
  Bytes back = rig.Exchange(status, 10.0);  // the line is back after five seconds
  ASSERT_FALSE(back.empty());
  EXPECT_EQ(GetU32(&Parse(back).payload[0]), 200u);
}

}  // namespace

namespace {

sim::SensorConfig Neighbour(uint8_t address, uint32_t serial, bool refuseCommon) {
  sim::SensorConfig c;
  c.address = address;
  c.serial = serial;
  c.refuseCommonAddress = refuseCommon;
  return c;
}

// Sensors on one line: each answers its own address; answers to the common address that meet
// go out as one collision that no checksum accepts, unless only one sensor takes that address.
TEST(SensorLink, NeighboursAnswerTheirAddressesAndCollideOnTheCommonOne) {
  sim::SimSensor second(Neighbour(77, 7077, false)), third(Neighbour(200, 2200, true));
  struct Case {
    uint8_t address;
    bool withSecond;
    int answeredBy;  // address of the one clean answer; -1 a collision, -2 silence
  };
  const Case cases[] = {{1, true, 1}, {77, true, 77}, {200, true, 200}, {5, true, -2},
                        {255, true, -1}, {255, false, 1}};
  for (const Case& c : cases) {
    LinkRig rig;
    if (c.withSecond) rig.link->AddNeighbour(second);
    rig.link->AddNeighbour(third);
    CRequestFrame f;
    f.BuildReadIdentification(c.address);
    const Bytes out = rig.Exchange(f, 1.0);
    const std::vector<std::string> log = rig.LogLines();
    SCOPED_TRACE(int(c.address));
    if (c.answeredBy == -2) {
      EXPECT_TRUE(out.empty());
    } else if (c.answeredBy == -1) {
      ASSERT_EQ(out.size(), 37u);
      EXPECT_NE(SensorCrc().Compute(out.data(), out.size() - 1), out.back());
      EXPECT_NE(log.back().find("\"kind\":\"collision\",\"addr\":255,\"answers\":2"), std::string::npos) << log.back();
    } else {
      ASSERT_EQ(out.size(), 37u);
      EXPECT_EQ(Parse(out).address, c.answeredBy);
    }
  }
}

}  // namespace
