// Settings block layout helpers and the factory block of a simulated sensor.
#include "SettingsBlock.h"

namespace sim {

using namespace settings;

RangeRecord ReadRange(const uint8_t* p) { return {p[0], GetU16(p + 2), GetS16(p + 4), GetS16(p + 6)}; }

void WriteRange(uint8_t* p, const RangeRecord& r) {
  p[0] = r.kind;
  p[1] = 0;
  PutU16(p + 2, r.delaySeconds);
  PutU16(p + 4, uint16_t(r.low));
  PutU16(p + 6, uint16_t(r.high));
}

SettingsBytes FactorySettings(uint32_t serial, uint8_t address) {
  SettingsBytes b{};
  PutU32(&b[kSerial], serial);
  b[kAddress] = address;
  b[kOutputInterval] = 10;
  PutU16(&b[kApproxInterval], 20);
  PutF32(&b[kZeroVector + 8], 1.0f);
  // Below 30 degrees the gear rests, above 40 it works.
  WriteRange(&b[kAnglePair], {1, 5, 0, 30});
  WriteRange(&b[kAnglePair + 8], {1, 2, 40, 180});
  PutU16(&b[kMotionTimeout], 60);
  b[kAngleThreshold] = 5;
  PutU16(&b[kPulseTimeout], 30);
  b[kLlsSource] = 1;                           // inclination angle
  b[kLlsSource + kLlsEntrySize] = 9;           // temperature
  uint8_t* out1 = &b[kOutputs];
  out1[0] = 3;                                 // follows the working state
  WriteRange(out1 + kOutputPair, {1, 0, 0, 0});
  WriteRange(out1 + kOutputPair + 8, {1, 0, 1, 1});
  return b;
}

namespace {

bool RangeValid(const RangeRecord& r) { return r.kind <= 2 && r.delaySeconds <= 32767 && r.low > -32768 && r.low <= r.high; }

bool Overlap(int lo1, int hi1, int lo2, int hi2) { return !(hi1 < lo2 || hi2 < lo1); }

bool PairValid(const uint8_t* p) {
  RangeRecord a = ReadRange(p), b = ReadRange(p + 8);
  if (!RangeValid(a) || !RangeValid(b)) return false;
  if (a.kind == b.kind && a.kind != 1) return false;
  if (a.kind == 0 || b.kind == 0) return true;
  if (a.kind == 1 && b.kind == 1) return !Overlap(a.low, a.high, b.low, b.high);
  const RangeRecord& out = a.kind == 2 ? a : b;
  const RangeRecord& in = a.kind == 2 ? b : a;
  if (out.low > -32767 && Overlap(-32767, out.low - 1, in.low, in.high)) return false;
  if (out.high < 32767 && Overlap(out.high + 1, 32767, in.low, in.high)) return false;
  return true;
}

}  // namespace

bool SettingsAcceptable(const SettingsBytes& b, uint32_t v) {
  const unsigned codeLimit = v < 7 ? 14 : 21;
  if (b[kAddress] >= 255 || b[kAddressFlags] > (v < 7 ? 1 : 3)) return false;
  if (b[kOutputMode] > 1 || (b[kOutputMode] == 1 && b[kOutputInterval] == 0)) return false;
  uint16_t approx = GetU16(&b[kApproxInterval]);
  if (approx < 10 || approx > 500) return false;
  for (int i = 0; i < 3; ++i) {
    float c = GetF32(&b[kZeroVector + 4 * i]);
    if (!(c >= -8.0f && c <= 8.0f)) return false;
  }
  if (!PairValid(&b[kAnglePair])) return false;
  for (int i = 0; i < 2; ++i) {
    RangeRecord r = ReadRange(&b[kAnglePair + 8 * i]);
    if (r.low < 0 || r.high > 180) return false;
  }
  if (b[kAngleThreshold] < 1 || b[kAngleThreshold] > 90) return false;
  for (int i = 0; i < 2; ++i)
    if (b[kLlsSource + kLlsEntrySize * i] >= codeLimit) return false;
  for (int i = 0; i < 2; ++i) {
    const uint8_t* out = &b[kOutputs + kOutputRecordSize * i];
    if (out[0] >= codeLimit || (out[0] != 0 && !PairValid(out + kOutputPair))) return false;
  }
  return true;
}

}  // namespace sim
