// Request handling of the simulated sensor.
#include "SimSensor.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

namespace sim {

namespace {
constexpr uint8_t kAccepted = 0, kRefused = 1;
constexpr uint8_t kDataMarker = 0x01;
constexpr uint8_t kLlsOutput = 1;

int16_t Clamp16(int v) { return int16_t(std::clamp(v, -32768, 32767)); }

HeaderBytes SynthesizedHeader(const SensorConfig& c) {
  FirmwareHeader h;
  h.magic = kFirmwareMagic;
  h.bodyOffset = kFirmwareHeaderSize;
  h.size = 0x8000;
  h.check = 0x5EED0000u | (c.firmwareVersion & 0xFFFF);
  h.version = c.firmwareVersion;
  h.deviceType = c.deviceType;
  return EncodeFirmwareHeader(h);
}
}  // namespace

SimSensor::SimSensor(const SensorConfig& config)
    : config_(config),
      installed_(SynthesizedHeader(config)),
      gear_(config.motion),
      firmware_(config.blockLimit) {
  if (config.installedImage) std::copy_n(config.installedImage->begin(), kFirmwareHeaderSize, installed_.begin());
  SettingsBlock block = config.settings.value_or(FactorySettings(config.serial, config.address));
  if (config.llsInterval > 0 || config.refuseCommonAddress) {
    SensorSettings s = DecodeSettings(block);
    if (config.llsInterval > 0) {
      s.outputInterval = uint8_t(config.llsInterval);
      s.unsolicitedOutput = kLlsOutput;
    }
    if (config.refuseCommonAddress) s.addressFlags |= kAddressFlagNoCommon;
    block = EncodeSettings(s);
  }
  ApplySettings(block);
  if (config.partialImage) firmware_.Preload(*config.partialImage, config.partialCount);
}

uint32_t SimSensor::FirmwareVersion() const { return GetU32(&installed_[12]); }

bool SimSensor::Addressed(uint8_t address) const {
  return address == Address() || (address == CommonAddress && !(decoded_.addressFlags & kAddressFlagNoCommon));
}

Bytes SimSensor::Answer(EAnswerCode answerCode, const Bytes& payload) const {
  return BuildResponse(Address(), uint8_t(answerCode), payload);
}

Bytes SimSensor::Acknowledge(uint8_t status) const { return Answer(EAnswerCode::Acknowledge, {status}); }

Bytes SimSensor::Identification() const {
  Bytes r;
  AppendU32(r, decoded_.serialNumber);
  AppendU32(r, 1);  // boot loader revision
  r.insert(r.end(), installed_.begin(), installed_.end());
  return r;
}

void SimSensor::ApplySettings(const SettingsBlock& block) {
  SensorSettings next = DecodeSettings(block);
  // A changed output setting starts its interval over.
  if (next.unsolicitedOutput != decoded_.unsolicitedOutput || next.outputInterval != decoded_.outputInterval)
    nextOutput_ = 0;
  settings_ = block;
  decoded_ = next;
  ++changes_;
  gear_.Configure(settings_);
}

int SimSensor::LlsParameter(int index) const {
  unsigned source = decoded_.llsSource[index];
  return source == 0 ? 0 : gear_.Value(source);
}

std::optional<Bytes> SimSensor::DataRecord(uint8_t subcode, double t) {
  if (subcode < 2 || subcode > 7) return std::nullopt;
  gear_.Update(t);
  Bytes r{subcode, kDataMarker};
  auto put16 = [&r](int v) { AppendU16(r, uint16_t(Clamp16(v))); };
  auto putVector = [&r](const std::array<float, 3>& v) { for (float c : v) AppendF32(r, c); };
  if (subcode == 3) {
    r.push_back(0x07);  // calibration, temperature and accelerometer all fine
    AppendU32(r, uint32_t(t));
    AppendU32(r, uint32_t(gear_.Value(4)));
    return r;
  }
  put16(gear_.TemperatureCenti());
  put16(gear_.AngleCenti());
  if (subcode == 2) {
    putVector(gear_.ZeroCandidate());
    return r;
  }
  put16(LlsParameter(0));
  put16(LlsParameter(1));
  if (subcode == 4) return r;
  if (subcode == 5) {
    putVector(gear_.Gravity());
    put16(gear_.Auxiliary());
    AppendU16(r, 0);
    return r;
  }
  put16(gear_.OutputValue(0));
  put16(gear_.OutputValue(1));
  if (subcode == 7) {
    put16(gear_.Magnet(0));
    put16(gear_.Magnet(1));
  }
  AppendU32(r, config_.extraMask);
  for (unsigned bit = 0; bit < 32; ++bit)
    if (config_.extraMask & (1u << bit)) put16(gear_.Value(bit));
  return r;
}

SensorOutcome SimSensor::Handle(const Request& req, double t) {
  if (t < rebootUntil_) return {std::nullopt, "restarting", 0};
  if (!Addressed(req.address)) return {std::nullopt, "not addressed", 0};
  gear_.Update(t);
  const Bytes& p = req.payload;
  switch (ERequestCode(req.code)) {
    case ERequestCode::ReadIdentification: return {Answer(EAnswerCode::Identification, Identification()), "", 0};
    case ERequestCode::ReadDownloadStatus: return {Answer(EAnswerCode::ReadDownloadStatus, firmware_.StatusRecord()), "", 0};
    case ERequestCode::WriteFirmwareBlock: return OnFirmwareBlock(req);
    case ERequestCode::ActivateFirmware: {
      bool ok = firmware_.Activate();
      return {Acknowledge(ok ? kAccepted : kRefused), ok ? "image activated" : "no complete image to activate", 0};
    }
    case ERequestCode::Restart: {
      Bytes ack = Acknowledge(kAccepted);
      bool installed = firmware_.TakeActivated(installed_);
      changes_ += installed;
      rebootUntil_ = t + config_.rebootSeconds;
      return {ack, installed ? "restart, new image installed" : "restart", 0};
    }
    case ERequestCode::ReadData: {
      std::optional<Bytes> record = p.size() == 1 ? DataRecord(p[0], t) : std::nullopt;
      if (!record) return {Acknowledge(kRefused), "unknown data subcode", 0};
      return {Answer(EAnswerCode::ReadData, *record), "", 0};
    }
    case ERequestCode::ReadSettings: {
      if (p.size() != 1 || p[0] != kSettingsMarker0) return {Acknowledge(kRefused), "bad settings request", 0};
      Bytes r{kSettingsMarker0, kSettingsMarker1};
      r.insert(r.end(), settings_.begin(), settings_.end());
      return {Answer(EAnswerCode::ReadSettings, r), "", 0};
    }
    case ERequestCode::WriteSettings: {
      if (p.size() != kSettingsPayloadSize || p[0] != kSettingsMarker0 || p[1] != kSettingsMarker1)
        return {Acknowledge(kRefused), "bad settings write", 0};
      SettingsBlock block;
      std::copy(p.begin() + 2, p.end(), block.begin());
      Bytes ack = Acknowledge(kAccepted);  // sent from the old address
      if (config_.rejectWrites) return {Acknowledge(kRefused), "settings write rejected on demand", 0};
      if (!SettingsAcceptable(block, FirmwareVersion())) return {Acknowledge(kRefused), "invalid settings kept out", 0};
      ApplySettings(block);
      return {ack, "settings replaced", 0};
    }
    case ERequestCode::TestCommand:
      if (p.size() != 2 || p[0] != 0x01) return {Acknowledge(kRefused), "bad test command", 0};
      return {Acknowledge(kAccepted), "test byte " + std::to_string(p[1]), 0};
    default: return {Acknowledge(kRefused), "unknown request code", 0};
  }
}

SensorOutcome SimSensor::OnFirmwareBlock(const Request& req) {
  unsigned number = ++blockRequests_;
  auto forced = config_.forcedBlockStatus.find(number);
  if (forced != config_.forcedBlockStatus.end())
    return {Acknowledge(forced->second), "block status forced", number};
  bool wasComplete = firmware_.Complete();
  uint8_t status = firmware_.OnBlock(req.payload);
  ++changes_;
  std::string note = "block status " + std::to_string(status);
  std::string error;
  if (!wasComplete && firmware_.Complete() && !config_.saveImagePath.empty())
    note += SaveImage(error) ? ", image saved" : ", image not saved: " + error;
  return {Acknowledge(status), note, number};
}

bool SimSensor::SaveImage(std::string& error) const {
  std::ofstream out(config_.saveImagePath, std::ios::binary | std::ios::trunc);
  const Bytes& image = firmware_.Received();
  out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
  out.close();
  if (!out) error = config_.saveImagePath + ": " + std::strerror(errno);
  return bool(out);
}

std::optional<Bytes> SimSensor::UnsolicitedDue(double t) {
  if (decoded_.unsolicitedOutput != kLlsOutput || decoded_.outputInterval == 0 || t < rebootUntil_) return std::nullopt;
  if (t < nextOutput_) return std::nullopt;
  nextOutput_ = t + decoded_.outputInterval;
  gear_.Update(t);
  auto lls = [](int v) { return uint16_t(std::clamp(v, 0, 65535)); };
  int8_t temperature = int8_t(std::clamp(int(std::lround(gear_.TemperatureCenti() / 100.0)), -128, 127));
  return BuildLlsData(Address(), temperature, lls(LlsParameter(0)), lls(LlsParameter(1)));
}

}  // namespace sim
