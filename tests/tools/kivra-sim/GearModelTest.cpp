// The simulated gear: condition delays, zero reference, counters and detectors.
#include "GearModel.h"

#include "FactorySettings.h"

#include <gtest/gtest.h>

namespace {

using sim::ConditionState;
using sim::GearModel;
using sim::GearMotion;

TEST(ConditionState, StatesAreTakenAfterTheirDelays) {
  ConditionState s;
  s.Configure({{kRangeInRange, 5, 0, 30}, {kRangeInRange, 2, 40, 180}});
  struct Step {
    int value;
    double t;
    bool active;
  } steps[] = {{50, 0, false}, {50, 1.9, false}, {50, 2.0, true}, {35, 3, true},  // 35 belongs to neither
               {10, 4, true},  {10, 8.9, true},  {10, 9.0, false}, {50, 10, false}, {10, 11, false}, {50, 12, false},
               {50, 14, true}};
  for (const Step& step : steps) {
    s.Update(step.value, step.t);
    EXPECT_EQ(s.Active(), step.active) << step.value << " at " << step.t;
  }
  EXPECT_EQ(s.Activations(), 2u);
}

TEST(ConditionState, OtherValuesAndOutOfRange) {
  struct Case {
    ConditionPair pair;
    int value;
    bool active;
  } cases[] = {
      {{{kRangeOtherValues, 0, 0, 0}, {kRangeInRange, 0, 10, 20}}, 15, true},
      {{{kRangeOtherValues, 0, 0, 0}, {kRangeInRange, 0, 10, 20}}, 25, false},
      {{{kRangeInRange, 0, 10, 20}, {kRangeOtherValues, 0, 0, 0}}, 25, true},
      {{{kRangeInRange, 0, 20, 30}, {kRangeOutOfRange, 0, 10, 100}}, 101, true},
      {{{kRangeInRange, 0, 20, 30}, {kRangeOutOfRange, 0, 10, 100}}, 25, false},
  };
  for (const Case& c : cases) {
    ConditionState s;
    s.Configure(c.pair);
    s.Update(c.value, 0);
    EXPECT_EQ(s.Active(), c.active) << c.value;
  }
}

TEST(GearModel, AngleIsMeasuredAgainstTheZeroReference) {
  GearMotion m;
  m.swingPeriod = 0;
  m.tiltCenter = 40;
  GearModel gear(m);
  gear.Configure(sim::FactorySettings(1, 1));
  gear.Update(1);
  EXPECT_NEAR(gear.AngleCenti(), 4000, 2);
  // Taking the candidate as the new zero makes the current tilt read as 0.
  SensorSettings s = DecodeSettings(sim::FactorySettings(1, 1));
  std::array<float, 3> z = gear.ZeroCandidate();
  std::copy(z.begin(), z.end(), s.zeroReference);
  gear.Configure(EncodeSettings(s));
  EXPECT_NEAR(gear.AngleCenti(), 0, 2);
  gear.Motion().tiltCenter = 50;
  EXPECT_NEAR(gear.AngleCenti(), 1000, 2);
}

TEST(GearModel, WorkingStateOutputsAndCounters) {
  GearMotion m;
  m.swingPeriod = 0;
  m.tiltCenter = 60;  // in the working range of the factory block
  m.rotationRpm = 60;
  GearModel gear(m);
  gear.Configure(sim::FactorySettings(77, 1));
  gear.Update(0);
  EXPECT_EQ(gear.Value(3), 0);
  for (int i = 1; i <= 100; ++i) gear.Update(i / 10.0);
  EXPECT_EQ(gear.Value(3), 1);
  EXPECT_EQ(gear.Value(4), 1);
  EXPECT_EQ(gear.OutputValue(0), 1);  // output 1 follows the working state
  EXPECT_EQ(gear.OutputValue(1), 0);  // output 2 unused
  EXPECT_EQ(gear.Value(15), 10);      // one turn a second
  EXPECT_EQ(gear.Value(16), 10);
  EXPECT_EQ(gear.Value(18), 0);
  EXPECT_EQ(gear.Value(17), 1000);
  EXPECT_EQ(gear.Value(14), 1);
  EXPECT_EQ(gear.Value(20), 77);
  EXPECT_EQ(gear.Value(21), kNoValue);
}

TEST(GearModel, MagnetDetectorsPulseInTurnWithTheRotation) {
  for (double rpm : {60.0, -60.0}) {
    GearMotion m;
    m.rotationRpm = rpm;
    GearModel gear(m);
    gear.Configure(sim::FactorySettings(1, 1));
    std::vector<int> states;
    for (double t = 0; t < 1; t += 0.01) {
      gear.Update(t);
      int s = gear.Value(10);
      if (states.empty() || states.back() != s) states.push_back(s);
      EXPECT_EQ(gear.Magnet(0), s == 1 || s == 2);
      EXPECT_EQ(gear.Magnet(1), s == 2 || s == 3);
    }
    std::vector<int> right{1, 2, 3, 0}, left{0, 3, 2, 1, 0};
    EXPECT_EQ(states, rpm > 0 ? right : left);
  }
}

}  // namespace
