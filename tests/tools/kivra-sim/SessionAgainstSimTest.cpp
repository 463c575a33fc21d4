// The product's own sensor session run against the simulated sensor over a simulated line.
#include "SensorLink.h"
#include "SimTestSupport.h"

#include "protocol/KivraProcessor.h"
#include "protocol/SessionOwner.h"
#include "protocol/UserPrompt.h"
#include "runtime/RxBuffer.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

using sim::Bytes;

namespace {

constexpr double kNever = std::numeric_limits<double>::infinity();

// The connection manager's part, played in simulated time over a paced line.
class LineOwner : public CSessionOwner {
 public:
  LineOwner(sim::SimSensor& sensor, const sim::FaultConfig& faults) : faults_(faults) {
    std::string error;
    EXPECT_TRUE(log_.Open(logPath_, error));
    link_ = std::make_unique<sim::SensorLink>("serial", sensor, faults_, line_, log_, 0.0);
  }
  ~LineOwner() { std::remove(logPath_.c_str()); }

  void BeginNotifyBatch() override {}
  void EndNotifyBatch() override {}
  void Notify(uint32_t) override {}
  void StartSessionTimer(int32_t ms) override {
    timerAt_ = ms == kCancelTimer ? kNever : now_ + (ms <= 0 ? 2.0 : ms / 1000.0);
  }
  void TraceFrame(int, uint32_t, const uint8_t*) override {}
  int SendData(const uint8_t* bytes, uint32_t length) override {
    link_->OnReceived(bytes, length, now_);
    return 1;
  }
  int GetPhase() const override { return kSessionPhase; }
  CRxBuffer* GetSessionRxBuffer() override { return &rx_; }

  // Runs line, answers and timers for the given simulated seconds.
  void Run(CKivraProcessor& session, double seconds) {
    for (double end = now_ + seconds; now_ < end; now_ += 0.0005) {
      link_->Process(now_);
      Bytes out = link_->TakeOutput(now_);
      if (!out.empty()) {
        uint32_t n = std::min<uint32_t>(uint32_t(out.size()), rx_.FreeSpace());
        std::memcpy(rx_.Data() + rx_.Length(), out.data(), n);
        if (rx_.AppendReceived(n)) session.OnReceive();
      }
      if (now_ >= timerAt_) {
        timerAt_ = kNever;
        session.OnTimeout();
      }
    }
  }

 private:
  std::string logPath_ = ::testing::TempDir() + "sim_session_" + std::to_string(reinterpret_cast<uintptr_t>(this));
  const sim::FaultConfig& faults_;
  sim::LineConfig line_;
  sim::JsonLog log_;
  std::unique_ptr<sim::SensorLink> link_;
  CRxBuffer rx_;
  double now_ = 0;
  double timerAt_ = kNever;
};

struct NoPrompt : CUserPrompt {
  void ShowMessage(const std::wstring& text) override { ADD_FAILURE() << "message shown"; (void)text; }
};

struct Rig {
  explicit Rig(sim::SensorConfig c = {}, sim::FaultConfig f = {}) : faults(f), sensor(c), owner(sensor, faults) {}
  ~Rig() { session->Release(); }
  sim::FaultConfig faults;
  sim::SimSensor sensor;
  LineOwner owner;
  CKivraProcessor* session = [this] {
    auto* s = new CKivraProcessor(owner);
    s->AddRef();
    return s;
  }();
};

TEST(SessionAgainstSim, IdentifiesReadsSettingsAndPolls) {
  Rig rig;
  rig.session->Start();
  rig.owner.Run(*rig.session, 3);
  EXPECT_TRUE(rig.session->IsReady());
  EXPECT_EQ(rig.session->Status().GetLink(), CSessionStatus::LinkConnected);
  EXPECT_EQ(rig.session->Status().GetSettings(), CSessionStatus::SettingsRead);
  EXPECT_EQ(rig.session->Records().settings, rig.sensor.Settings());
  EXPECT_EQ(rig.session->Records().identification.firmwareVersion, 9u);
  // Version 9 polls subcode 7: magnets and extra values come in.
  EXPECT_TRUE(rig.session->GetRecordFlags() & RecordFlag::DataSubcode(7));
  EXPECT_EQ(rig.session->Records().live.extraCount, 4u);
}

TEST(SessionAgainstSim, ZeroAngleSetupIsWrittenUnlessTheSensorRefuses) {
  for (bool refuse : {false, true}) {
    sim::SensorConfig c;
    c.rejectWrites = refuse;
    Rig rig(c);
    rig.session->Start();
    rig.owner.Run(*rig.session, 2);
    SettingsBlock before = rig.sensor.Settings();
    rig.session->SetZero();
    rig.owner.Run(*rig.session, 2);
    EXPECT_EQ(rig.session->Status().GetSettings(),
              refuse ? CSessionStatus::SettingsRejected : CSessionStatus::SettingsWritten);
    EXPECT_EQ(rig.sensor.Settings() == before, refuse);
    EXPECT_EQ(rig.session->Records().settings, rig.sensor.Settings());  // the read-back shows the truth
  }
}

TEST(SessionAgainstSim, AddressChangeIsFollowedByTheNextRequests) {
  Rig rig;
  rig.session->Start();
  rig.owner.Run(*rig.session, 2);
  rig.session->Records().settingsTexts.networkAddress = L"42";
  ASSERT_TRUE(rig.session->WriteSettings());
  rig.owner.Run(*rig.session, 3);
  EXPECT_EQ(rig.sensor.Address(), 42);
  EXPECT_EQ(rig.session->GetSensorAddress(), 42);
  EXPECT_EQ(rig.session->Status().GetSettings(), CSessionStatus::SettingsWritten);
  EXPECT_EQ(rig.session->Status().GetLink(), CSessionStatus::LinkConnected);
}

Bytes WriteImage(const std::string& path, size_t size, uint32_t version) {
  Bytes image(size);
  for (size_t i = 24; i < size - 4; ++i) image[i] = uint8_t(i * 13 + 1);
  FirmwareHeader h{kFirmwareMagic, uint32_t(size), 0xC0FFEE00u + version, version, 3201, 24};
  sim::HeaderBytes header = sim::EncodeFirmwareHeader(h);
  std::copy(header.begin(), header.end(), image.begin());
  PutU32(&image[size - 4], h.check);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), std::streamsize(size));
  return image;
}

TEST(SessionAgainstSim, FirmwareUpdateThroughFaultsInstallsTheImage) {
  std::string path = ::testing::TempDir() + "sim_session_image.fw";
  std::string saved = ::testing::TempDir() + "sim_session_saved.fw";
  Bytes image = WriteImage(path, 1500, 11);
  sim::SensorConfig c;
  c.blockLimit = 100;
  c.saveImagePath = saved;
  c.forcedBlockStatus = {{3, 2}, {6, 3}};  // resend one block, re-read the status once
  sim::FaultConfig f;
  f.dropEvery = 9;
  f.cutAfterBlock = 10;  // interrupted: the session has to resume from the count
  f.cutFor = 3;
  Rig rig(c, f);
  rig.session->Start();
  rig.owner.Run(*rig.session, 2);
  NoPrompt prompt;
  CRefPtr<CFirmwareFile> file(new CFirmwareFile);
  std::wstring wpath(path.begin(), path.end());
  ASSERT_TRUE(file->Load(wpath.c_str(), prompt));
  ASSERT_TRUE(rig.session->StartFirmwareUpdate(file.Get()));
  rig.owner.Run(*rig.session, 60);
  EXPECT_TRUE(std::equal(image.begin(), image.begin() + 24, rig.sensor.InstalledHeader().begin()));
  EXPECT_EQ(rig.sensor.FirmwareVersion(), 11u);
  std::ifstream in(saved, std::ios::binary);
  EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), image);
  // After the restart the session starts over and finds the new version.
  EXPECT_EQ(rig.session->Records().identification.firmwareVersion, 11u);
  EXPECT_EQ(rig.session->Status().GetLink(), CSessionStatus::LinkConnected);
  std::remove(path.c_str());
  std::remove(saved.c_str());
}

TEST(SessionAgainstSim, SameImageIsFoundUpToDate) {
  std::string path = ::testing::TempDir() + "sim_session_same.fw";
  Bytes image = WriteImage(path, 300, 9);
  sim::SensorConfig c;
  c.installedImage = image;
  Rig rig(c);
  rig.session->Start();
  rig.owner.Run(*rig.session, 2);
  NoPrompt prompt;
  CRefPtr<CFirmwareFile> file(new CFirmwareFile);
  std::wstring wpath(path.begin(), path.end());
  ASSERT_TRUE(file->Load(wpath.c_str(), prompt));
  ASSERT_TRUE(rig.session->StartFirmwareUpdate(file.Get()));
  rig.owner.Run(*rig.session, 1);
  EXPECT_EQ(rig.session->Status().GetFirmware(), CSessionStatus::FirmwareUpToDate);
  EXPECT_EQ(rig.sensor.Firmware().Received().size(), 0u);  // nothing was sent
  std::remove(path.c_str());
}

}  // namespace
