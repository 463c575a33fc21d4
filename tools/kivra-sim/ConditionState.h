// A two-state output driven by a condition pair with delays, as the sensor evaluates it.
#pragma once
#include "protocol/SettingsBlock.h"

namespace sim {

class ConditionState {
 public:
  // Takes new conditions; the state is kept so a settings write does not flip it.
  void Configure(const ConditionPair& conditions) { conditions_ = conditions; }
  // Feeds the value seen at time t (seconds); a condition must hold for its
  // record's delay before its state is taken.
  void Update(int value, double t);
  bool Active() const { return active_; }
  // Counts the changes into the active state.
  unsigned Activations() const { return activations_; }

 private:
  ConditionPair conditions_;
  bool active_ = false;
  int candidate_ = -1;  // state whose condition currently holds, -1 none
  double since_ = 0;
  unsigned activations_ = 0;
};

}  // namespace sim
