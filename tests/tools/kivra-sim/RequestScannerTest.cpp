// Finding requests in the received byte stream.
#include "SimTestSupport.h"

using namespace simtest;
using sim::Bytes;
using sim::RequestScanner;

namespace {

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(RequestScanner, FindsRequestsBetweenGarbageAndAcrossFeeds) {
  CRequestFrame a, b;
  a.BuildReadSettings(255);
  b.BuildReadData(255, 7);
  ASSERT_EQ(BytesOf(a), (Bytes{0x41, 0x01, 0xFF, 0x2B, 0xFF, 0xAE}));
  ASSERT_EQ(BytesOf(b), (Bytes{0x41, 0x01, 0xFF, 0x28, 0x07, 0x4D}));
  Bytes stream = Concat({{0x00, 0x13, 0x42}, BytesOf(a), {0x55}, BytesOf(b)});
  // However the stream is cut into reads, the same two requests come out.
  for (size_t piece : {size_t(1), size_t(2), size_t(5), stream.size()}) {
    RequestScanner scanner;
    std::vector<uint8_t> codes;
    for (size_t at = 0; at < stream.size(); at += piece) {
      scanner.Feed(stream.data() + at, std::min(piece, stream.size() - at));
      while (std::optional<sim::Request> r = scanner.Next()) codes.push_back(r->code);
    }
    EXPECT_EQ(codes, (std::vector<uint8_t>{0x2B, 0x28})) << piece;
    EXPECT_EQ(scanner.Pending(), 0u);
  }
}

TEST(RequestScanner, StaleStartIsDroppedOnceAFrameFollows) {
  CRequestFrame f;
  f.BuildReadIdentification(255);
  RequestScanner scanner;
  Bytes stale{0x41, 0x40};  // announces 64 payload bytes that never come
  scanner.Feed(stale.data(), stale.size());
  EXPECT_FALSE(scanner.Next().has_value());
  EXPECT_EQ(scanner.Pending(), 2u);  // kept: it might still complete
  scanner.Feed(f.Data(), f.Length());
  std::optional<sim::Request> r = scanner.Next();
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->code, 0x00);
  EXPECT_EQ(scanner.TakeSkipped(), 2u);
}

TEST(RequestScanner, AnswersAndBadChecksumsAreNotRequests) {
  Bytes answer = sim::BuildResponse(1, 0x00, {0});
  Bytes damaged{0x41, 0x00, 0xFF, 0x00, 0xEF};
  for (const Bytes& noise : {answer, damaged}) {
    RequestScanner scanner;
    scanner.Feed(noise.data(), noise.size());
    EXPECT_FALSE(scanner.Next().has_value());
    EXPECT_EQ(scanner.TakeSkipped(), noise.size());
  }
}

TEST(ResponseFrames, BuiltWithTheSensorChecksum) {
  // The smallest answer: N = 0, the checksum over four bytes.
  Bytes empty = sim::BuildResponse(0, 0x00, {});
  ASSERT_EQ(empty.size(), 5u);
  EXPECT_EQ(empty[4], SensorCrc().Compute(empty.data(), 4));
  Bytes lls = sim::BuildLlsData(9, -5, 300, 65535);
  EXPECT_EQ(lls, (Bytes{0x3E, 9, 6, 0xFB, 0x2C, 0x01, 0xFF, 0xFF, SensorCrc().Compute(lls.data(), 8)}));
}

}  // namespace
