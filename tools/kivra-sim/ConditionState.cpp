// Condition pair evaluation with hold-off delays.
#include "ConditionState.h"

namespace sim {

namespace {

// "In other values" holds where the other record does not.
bool Holds(const RangeRecord& r, const RangeRecord& other, int value) {
  switch (r.kind) {
    case kRangeInRange: return value >= r.low && value <= r.high;
    case kRangeOutOfRange: return value < r.low || value > r.high;
    case kRangeOtherValues: return other.kind != kRangeOtherValues && !Holds(other, r, value);
    default: return false;
  }
}

}  // namespace

void ConditionState::Update(int value, double t) {
  const RangeRecord& inactive = conditions_.inactive;
  const RangeRecord& active = conditions_.active;
  int holding = Holds(active, inactive, value) ? 1 : Holds(inactive, active, value) ? 0 : -1;
  if (holding != candidate_) {
    candidate_ = holding;
    since_ = t;
  }
  if (holding < 0 || (holding == 1) == active_) return;
  if (t - since_ >= (holding ? active.delay : inactive.delay)) {
    active_ = holding == 1;
    if (active_) ++activations_;
  }
}

}  // namespace sim
