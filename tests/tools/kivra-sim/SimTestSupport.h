// Helpers shared by the simulator tests: requests from the product's builder, answers taken apart.
#pragma once
#include "SimSensor.h"

#include "protocol/CrcEngine.h"
#include "protocol/RequestFrame.h"

#include <gtest/gtest.h>

namespace simtest {

inline sim::Bytes BytesOf(const CRequestFrame& f) { return sim::Bytes(f.Data(), f.Data() + f.Length()); }

inline sim::Request RequestOf(const CRequestFrame& f) {
  sim::RequestScanner scanner;
  scanner.Feed(f.Data(), f.Length());
  std::optional<sim::Request> r = scanner.Next();
  EXPECT_TRUE(r.has_value());
  return r.value_or(sim::Request{});
}

struct Answer {
  uint8_t address = 0;
  uint8_t code = 0;
  sim::Bytes payload;
};

// A response frame checked for prefix, length and checksum.
inline Answer Parse(const sim::Bytes& frame) {
  Answer a;
  EXPECT_GE(frame.size(), 5u);
  if (frame.size() < 5) return a;
  EXPECT_EQ(frame[0], 0x42);
  EXPECT_EQ(frame.size(), frame[1] + 5u);
  EXPECT_EQ(SensorCrc().Compute(frame.data(), frame.size() - 1), frame.back());
  a.address = frame[2];
  a.code = frame[3];
  a.payload.assign(frame.begin() + 4, frame.end() - 1);
  return a;
}

// The sensor's answer to one request; fails the test when it stays silent.
inline Answer Ask(sim::SimSensor& sensor, const CRequestFrame& f, double t = 1.0) {
  sim::SensorOutcome o = sensor.Handle(RequestOf(f), t);
  EXPECT_TRUE(o.answer.has_value()) << o.note;
  return o.answer ? Parse(*o.answer) : Answer{};
}

}  // namespace simtest
