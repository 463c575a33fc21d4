// A slowly swinging, rotating gear with drifting temperature.
#include "GearModel.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {
constexpr double kPi = 3.14159265358979323846;
int Clamp15(double v) { return int(std::clamp(v, 0.0, 32767.0)); }
}  // namespace

void GearModel::Configure(const SettingsBlock& block) {
  settings_ = DecodeSettings(block);
  working_.Configure(settings_.angle);
  for (int i = 0; i < 2; ++i) outputs_[i].Configure(settings_.outputs[i].conditions);
}

void GearModel::Update(double t) {
  t_ = std::max(t_, t);
  working_.Update(AngleCenti() / 100, t_);
  for (int i = 0; i < 2; ++i) {
    unsigned code = settings_.outputs[i].valueCode;
    if (code != 0) outputs_[i].Update(Value(code), t_);
  }
}

double GearModel::TiltDegrees() const {
  if (motion_.swingPeriod <= 0) return motion_.tiltCenter;
  return motion_.tiltCenter + motion_.tiltSwing * std::sin(2 * kPi * t_ / motion_.swingPeriod);
}

std::array<float, 3> GearModel::Gravity() const {
  double a = TiltDegrees() * kPi / 180;
  return {float(std::sin(a)), 0.02f, float(std::cos(a))};
}

std::array<float, 3> GearModel::ZeroCandidate() const { return motion_.forceCandidate ? motion_.candidateOverride : Gravity(); }

int GearModel::AngleCenti() const {
  const float (&z)[3] = settings_.zeroReference;
  double zn = std::sqrt(double(z[0]) * z[0] + double(z[1]) * z[1] + double(z[2]) * z[2]);
  if (zn < 1e-6) return int(std::lround(std::clamp(TiltDegrees(), 0.0, 180.0) * 100));
  std::array<float, 3> g = Gravity();
  double gn = std::sqrt(double(g[0]) * g[0] + double(g[1]) * g[1] + double(g[2]) * g[2]);
  double c = (g[0] * z[0] + g[1] * z[1] + g[2] * z[2]) / (gn * zn);
  return int(std::lround(std::acos(std::clamp(c, -1.0, 1.0)) * 180 / kPi * 100));
}

int GearModel::TemperatureCenti() const { return int(std::lround((motion_.temperature + 1.5 * std::sin(2 * kPi * t_ / 900)) * 100)); }

int GearModel::Auxiliary() const { return motion_.swingPeriod > 0 ? int(std::lround(100.0 / motion_.swingPeriod)) : 0; }

double GearModel::Revolutions() const { return std::abs(motion_.rotationRpm) / 60 * t_; }

int GearModel::MagnetState() const {
  if (motion_.rotationRpm == 0) return 0;
  double phase = Revolutions() - std::floor(Revolutions());
  if (motion_.rotationRpm < 0) phase = 0.375 - phase;  // the other detector comes first
  if (phase >= 0 && phase < 0.125) return 1;
  if (phase >= 0.125 && phase < 0.25) return 2;
  if (phase >= 0.25 && phase < 0.375) return 3;
  return 0;
}

int GearModel::Magnet(int index) const {
  int s = MagnetState();
  return index == 0 ? (s == 1 || s == 2) : (s == 2 || s == 3);
}

int GearModel::Value(unsigned code) const {
  bool moving = motion_.swingPeriod > 0 && 2 * motion_.tiltSwing >= settings_.angleThreshold;
  double swingRate = motion_.swingPeriod > 0 ? std::cos(2 * kPi * t_ / motion_.swingPeriod) : 0;
  bool turning = motion_.rotationRpm != 0;
  bool right = motion_.rotationRpm > 0;
  int revolutions = int(std::fmod(std::floor(Revolutions()), 32768));
  int turnMilliHz = Clamp15(std::abs(motion_.rotationRpm) / 60 * 1000);
  switch (code) {
    case 1: return AngleCenti() / 100;
    case 2: return working_.Active() ? 350 + int(std::lround(80 * std::sin(t_ * 7))) : 15;
    case 3: return working_.Active() ? 1 : 0;
    case 4: return int(working_.Activations() % 32768);
    case 5: return !moving ? 0 : swingRate >= 0 ? 2 : 1;
    case 6: return moving ? int(std::lround(2 * motion_.tiltSwing)) : 0;
    case 7: return moving ? int(std::fmod(std::floor(2 * t_ / motion_.swingPeriod), 32768)) : 0;
    case 8: return moving ? Clamp15(1000 / motion_.swingPeriod) : 0;
    case 9: return int(std::lround(TemperatureCenti() / 100.0));
    case 10: return MagnetState();
    case 11: return turning && 60 / std::abs(motion_.rotationRpm) <= settings_.pulseSensorTimeout ? 1 : 0;
    case 12: return turning ? revolutions : 0;
    case 13: return turning ? turnMilliHz : 0;
    case 14: return !turning ? 0 : right ? 1 : 2;
    case 15: return turning ? revolutions : 0;
    case 16: return turning && right ? revolutions : 0;
    case 17: return turning && right ? turnMilliHz : 0;
    case 18: return turning && !right ? revolutions : 0;
    case 19: return turning && !right ? turnMilliHz : 0;
    case 20: return int(settings_.serialNumber & 0x7FFF);
    default: return kNoValue;
  }
}

int GearModel::OutputValue(int index) const {
  const OutputRecord& out = settings_.outputs[index];
  if (out.valueCode == 0) return 0;
  if (index == 0 && out.frequencyMode == 1) return std::clamp(Value(out.valueCode), 0, 32767);
  return outputs_[index].Active() ? 1 : 0;
}

}  // namespace sim
