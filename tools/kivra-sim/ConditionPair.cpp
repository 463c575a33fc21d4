// Condition pair evaluation with hold-off delays.
#include "ConditionPair.h"

namespace sim {

void ConditionPair::Configure(const RangeRecord& inactive, const RangeRecord& active) {
  records_[0] = inactive;
  records_[1] = active;
}

bool ConditionPair::Holds(const RangeRecord& r, const RangeRecord& other, int value) const {
  switch (r.kind) {
    case 1: return value >= r.low && value <= r.high;
    case 2: return value < r.low || value > r.high;
    case 0: return other.kind != 0 && !Holds(other, r, value);
    default: return false;
  }
}

void ConditionPair::Update(int value, double t) {
  int holding = -1;
  if (Holds(records_[1], records_[0], value)) holding = 1;
  else if (Holds(records_[0], records_[1], value)) holding = 0;
  if (holding != candidate_) {
    candidate_ = holding;
    since_ = t;
  }
  if (holding < 0 || (holding == 1) == active_) return;
  if (t - since_ >= records_[holding].delaySeconds) {
    active_ = holding == 1;
    if (active_) ++activations_;
  }
}

}  // namespace sim
