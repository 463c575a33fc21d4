// The simulated sensor's answers on the wire: codes, lengths, addresses and settings writes.
#include "SimTestSupport.h"

#include "protocol/LiveData.h"
#include "protocol/SettingsValidation.h"

#include <bit>

using namespace simtest;
using sim::SimSensor;

namespace {

sim::SensorConfig Config() {
  sim::SensorConfig c;
  c.address = 7;
  c.serial = 4242;
  return c;
}

TEST(SensorAnswers, IdentificationCarriesTypeVersionAndInstalledHeader) {
  for (uint32_t type : {3001u, 3002u, 3102u, 3201u}) {
    sim::SensorConfig c = Config();
    c.deviceType = type;
    c.firmwareVersion = 6;
    SimSensor sensor(c);
    CRequestFrame f;
    f.BuildReadIdentification(255);
    ASSERT_EQ(BytesOf(f), (sim::Bytes{0x41, 0x00, 0xFF, 0x00, 0xEE}));
    Answer a = Ask(sensor, f);
    EXPECT_EQ(a.code, 0x01);
    EXPECT_EQ(a.address, 7);
    ASSERT_EQ(a.payload.size(), 32u);
    EXPECT_EQ(GetU32(&a.payload[8]), 0x31305746u);  // the header starts with its magic
    EXPECT_EQ(GetU32(&a.payload[20]), 6u);
    EXPECT_EQ(GetU32(&a.payload[24]), type);
  }
}

TEST(SensorAnswers, EveryRequestCodeGetsOneAnswerOfItsKind) {
  SimSensor sensor(Config());
  CRequestFrame f;
  const unsigned extras = std::popcount(sensor.Config().extraMask);
  struct Case {
    std::function<void()> build;
    uint8_t code;
    size_t length;
  } cases[] = {
      {[&] { f.BuildReadIdentification(7); }, 0x01, 32},
      {[&] { f.BuildReadDownloadStatus(0xFF); }, 0x02, 32},
      {[&] { f.BuildReadData(7, 2); }, 0x28, 18},
      {[&] { f.BuildReadData(7, 3); }, 0x28, 11},
      {[&] { f.BuildReadData(7, 4); }, 0x28, 10},
      {[&] { f.BuildReadData(7, 5); }, 0x28, 26},
      {[&] { f.BuildReadData(7, 6); }, 0x28, 18 + 2 * extras},
      {[&] { f.BuildReadData(7, 7); }, 0x28, 22 + 2 * extras},
      {[&] { f.BuildReadSettings(7); }, 0x2B, 98},
      {[&] { f.BuildWriteSettings(7, sensor.Settings()); }, 0x00, 1},
      {[&] { f.BuildTestCommand(7, 0x5A); }, 0x00, 1},
      {[&] { f.BuildWriteFirmwareBlock(7, 0, 0, nullptr, 0); }, 0x00, 1},
      {[&] { f.BuildActivateFirmware(7); }, 0x00, 1},
      {[&] { f.BuildRestart(7); }, 0x00, 1},
  };
  double t = 1;
  for (const Case& c : cases) {
    c.build();
    Answer a = Ask(sensor, f, t += 0.1);
    EXPECT_EQ(a.code, c.code) << "request " << int(f.Data()[3]);
    EXPECT_EQ(a.payload.size(), c.length) << "request " << int(f.Data()[3]);
  }
}

TEST(SensorAnswers, DataRecordsAreWhatTheToolDecodes) {
  sim::SensorConfig c = Config();
  c.motion.swingPeriod = 0;  // hold the tilt so the values are known
  c.motion.tiltCenter = 30;
  SimSensor sensor(c);
  CRequestFrame f;
  for (uint8_t subcode = 2; subcode <= 7; ++subcode) {
    f.BuildReadData(7, subcode);
    Answer a = Ask(sensor, f);
    LiveData live;
    ASSERT_GE(a.payload.size(), 2u);
    EXPECT_EQ(a.payload[0], subcode);
    EXPECT_EQ(a.payload[1], 0x01);
    ASSERT_TRUE(ApplyDataRecord(subcode, a.payload.data() + 2, a.payload.size() - 2, live)) << int(subcode);
    if (subcode == 3) {
      EXPECT_EQ(live.diagnosticFlags, 7);
      continue;
    }
    EXPECT_NEAR(live.angle, 3000, 2) << int(subcode);  // zero reference is the vertical
    EXPECT_NEAR(live.temperature, 2150, 160);
    if (subcode >= 4) {
      EXPECT_EQ(live.lls[0], 30);  // factory source: the angle in degrees
      EXPECT_NEAR(live.lls[1], 22, 2);
    }
    if (subcode >= 6) {
      EXPECT_EQ(live.extraCount, unsigned(std::popcount(sensor.Config().extraMask)));
    }
  }
}

TEST(SensorAnswers, UnknownSubcodeAndMalformedRequestsAreRefused) {
  SimSensor sensor(Config());
  CRequestFrame f;
  uint8_t badSubcode = 9, badMarker = 0x00;
  struct Case {
    uint8_t code;
    const uint8_t* payload;
    unsigned length;
  } cases[] = {{0x28, &badSubcode, 1}, {0x2B, &badMarker, 1}, {0x2C, &badMarker, 1}, {0x2E, &badMarker, 1}, {0x77, nullptr, 0}};
  for (const Case& c : cases) {
    f.Build(7, c.code, c.payload, c.length);
    Answer a = Ask(sensor, f);
    EXPECT_EQ(a.code, 0x00);
    ASSERT_EQ(a.payload.size(), 1u);
    EXPECT_NE(a.payload[0], 0) << "code " << int(c.code);
  }
}

TEST(SensorAnswers, AddressesAccepted) {
  struct Case {
    bool refuseCommon;
    uint8_t asked;
    bool answers;
  } cases[] = {{false, 7, true}, {false, 255, true}, {false, 8, false}, {false, 0, false},
               {true, 255, false}, {true, 7, true}};
  for (const Case& c : cases) {
    sim::SensorConfig config = Config();
    config.refuseCommonAddress = c.refuseCommon;
    SimSensor sensor(config);
    CRequestFrame f;
    f.BuildReadIdentification(c.asked);
    EXPECT_EQ(sensor.Handle(RequestOf(f), 1).answer.has_value(), c.answers) << int(c.asked);
  }
}

SensorSettings Decoded(SimSensor& sensor) { return DecodeSettings(sensor.Settings()); }

TEST(SensorAnswers, ValidWriteReplacesBlockAndNewAddressTakesEffectNext) {
  SimSensor sensor(Config());
  SensorSettings s = Decoded(sensor);
  s.networkAddress = 20;
  s.angleThreshold = 12;
  SettingsBlock written = EncodeSettings(s);
  CRequestFrame f;
  f.BuildWriteSettings(7, written);
  Answer ack = Ask(sensor, f);
  EXPECT_EQ(ack.address, 7);  // still from the old address
  EXPECT_EQ(ack.payload, sim::Bytes{0});

  f.BuildReadSettings(7);
  EXPECT_FALSE(sensor.Handle(RequestOf(f), 2).answer.has_value());
  f.BuildReadSettings(20);
  Answer read = Ask(sensor, f, 2);
  EXPECT_EQ(read.address, 20);
  ASSERT_EQ(read.payload.size(), 98u);
  EXPECT_TRUE(std::equal(written.begin(), written.end(), read.payload.begin() + 2));
}

TEST(SensorAnswers, InvalidOrRejectedWriteKeepsBlock) {
  SimSensor probe(Config());
  SensorSettings invalid = Decoded(probe);
  invalid.angleThreshold = 0;  // must be 1..90
  ASSERT_FALSE(ValidateSettings(invalid, 9));
  SensorSettings valid = Decoded(probe);
  valid.angleThreshold = 33;
  struct Case {
    SettingsBlock block;
    bool rejectWrites;
  } cases[] = {{EncodeSettings(invalid), false}, {EncodeSettings(valid), true}};
  for (const Case& c : cases) {
    SimSensor sensor(Config());
    sensor.Config().rejectWrites = c.rejectWrites;
    SettingsBlock before = sensor.Settings();
    CRequestFrame f;
    f.BuildWriteSettings(7, c.block);
    Answer ack = Ask(sensor, f);
    ASSERT_EQ(ack.payload.size(), 1u);
    EXPECT_NE(ack.payload[0], 0);
    f.BuildReadSettings(7);
    Answer read = Ask(sensor, f);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), read.payload.begin() + 2));
  }
}

TEST(SensorAnswers, SecondaryAddressFlagDependsOnFirmwareVersion) {
  for (uint32_t version : {6u, 7u}) {
    sim::SensorConfig c = Config();
    c.firmwareVersion = version;
    SimSensor sensor(c);
    SettingsBlock block = sensor.Settings();
    block[5] = kAddressFlagSecondary;
    CRequestFrame f;
    f.BuildWriteSettings(7, block);
    EXPECT_EQ(Ask(sensor, f).payload, sim::Bytes{uint8_t(version < 7 ? 1 : 0)}) << version;
  }
}

TEST(SensorAnswers, UnsolicitedLlsOutputAtTheConfiguredInterval) {
  sim::SensorConfig c = Config();
  c.llsInterval = 2;
  SimSensor sensor(c);
  std::vector<double> sent;
  for (double t = 0; t < 7; t += 0.05)
    if (std::optional<sim::Bytes> frame = sensor.UnsolicitedDue(t)) {
      sent.push_back(t);
      ASSERT_EQ(frame->size(), 9u);
      EXPECT_EQ((*frame)[0], 0x3E);
      EXPECT_EQ((*frame)[1], 7);
      EXPECT_EQ((*frame)[2], 6);
      EXPECT_EQ(SensorCrc().Compute(frame->data(), 8), (*frame)[8]);
    }
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_NEAR(sent[1] - sent[0], 2, 0.06);
  EXPECT_FALSE(SimSensor(Config()).UnsolicitedDue(5).has_value());  // off in the factory block
}

}  // namespace
