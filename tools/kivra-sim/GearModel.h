// The watched gear and what the sensor measures on it, as functions of time.
#pragma once
#include "ConditionState.h"

#include "protocol/LiveData.h"

#include <array>

namespace sim {

struct GearMotion {
  double tiltCenter = 45.0;   // degrees from the vertical
  double tiltSwing = 30.0;    // amplitude, degrees
  double swingPeriod = 40.0;  // seconds
  double rotationRpm = 30.0;  // positive turns right, negative left, 0 stands still
  double temperature = 21.5;  // degrees Celsius around which it drifts
  std::array<float, 3> candidateOverride{};  // zero-angle candidate when forced
  bool forceCandidate = false;
};

class GearModel {
 public:
  explicit GearModel(const GearMotion& motion) : motion_(motion) {}
  GearMotion& Motion() { return motion_; }

  // Applies a settings block; condition states carry over.
  void Configure(const SettingsBlock& block);
  // Moves everything to time t (seconds since the start); t never goes back.
  void Update(double t);

  double TiltDegrees() const;                // physical tilt
  std::array<float, 3> Gravity() const;      // measured vector, in g
  std::array<float, 3> ZeroCandidate() const;
  int AngleCenti() const;                    // angle against the zero reference
  int TemperatureCenti() const;
  int Auxiliary() const;                     // swing frequency, hundredths of Hz
  // Value of one value code as the outputs and LLS parameters see it;
  // kNoValue for codes the sensor does not know.
  int Value(unsigned code) const;
  int OutputValue(int index) const;
  int Magnet(int index) const;               // 1 while the detector sees the magnet

 private:
  double Revolutions() const;
  int MagnetState() const;

  GearMotion motion_;
  SensorSettings settings_;
  double t_ = 0;
  ConditionState working_;
  ConditionState outputs_[2];
};

}  // namespace sim
