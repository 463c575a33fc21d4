// Firmware reception: status record, block limit, acknowledge statuses, resume, install, saving.
#include "SimTestSupport.h"

#include <cstdio>
#include <fstream>
#include <iterator>

using namespace simtest;
using sim::Bytes;
using sim::SimSensor;

namespace {

// A well-formed image: header, body, trailer equal to the check value.
Bytes MakeImage(size_t size, uint32_t check, uint32_t version) {
  Bytes image(size);
  for (size_t i = 24; i < size - 4; ++i) image[i] = uint8_t(i * 7 + 3);
  FirmwareHeader h;
  h.magic = kFirmwareMagic;
  h.bodyOffset = 24;
  h.size = uint32_t(size);
  h.check = check;
  h.version = version;
  h.deviceType = 3201;
  sim::HeaderBytes bytes = sim::EncodeFirmwareHeader(h);
  std::copy(bytes.begin(), bytes.end(), image.begin());
  PutU32(&image[size - 4], check);
  return image;
}

struct Status {
  uint32_t received;
  uint32_t limit;
  uint32_t check;
};

Status ReadStatus(SimSensor& sensor, double t = 1.0) {
  CRequestFrame f;
  f.BuildReadDownloadStatus(255);
  Answer a = Ask(sensor, f, t);
  EXPECT_EQ(a.code, 0x02);
  if (a.payload.size() != 32) return {};
  return {GetU32(&a.payload[0]), GetU32(&a.payload[4]), GetU32(&a.payload[16])};
}

uint8_t SendBlock(SimSensor& sensor, const Bytes& image, uint32_t offset, unsigned n) {
  CRequestFrame f;
  EXPECT_TRUE(f.BuildWriteFirmwareBlock(255, GetU32(&image[8]), offset, image.data() + offset, n));
  Answer a = Ask(sensor, f);
  EXPECT_EQ(a.code, 0x00);
  return a.payload.empty() ? 0xFF : a.payload[0];
}

uint8_t Simple(SimSensor& sensor, uint8_t code) {
  CRequestFrame f;
  f.Build(255, code, nullptr, 0);
  Answer a = Ask(sensor, f);
  return a.payload.empty() ? 0xFF : a.payload[0];
}

TEST(FirmwareDownload, WholeImageInstallsAndIsSavedByteForByte) {
  std::string saved = ::testing::TempDir() + "sim_received.fw";
  std::remove(saved.c_str());
  sim::SensorConfig c;
  c.blockLimit = 64;
  c.saveImagePath = saved;
  SimSensor sensor(c);
  Bytes image = MakeImage(64 * 5 + 10, 0xA5A50001, 12);

  EXPECT_EQ(ReadStatus(sensor).limit, 64u);
  EXPECT_EQ(Simple(sensor, 0x04), 1);  // nothing to activate yet
  for (uint32_t at = 0; at < image.size(); at += 64) {
    unsigned n = unsigned(std::min<size_t>(64, image.size() - at));
    ASSERT_EQ(SendBlock(sensor, image, at, n), 0) << at;
    EXPECT_EQ(ReadStatus(sensor).received, at + n);
  }
  EXPECT_EQ(ReadStatus(sensor).check, 0xA5A50001u);
  std::ifstream in(saved, std::ios::binary);
  EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), image);

  EXPECT_EQ(Simple(sensor, 0x04), 0);
  EXPECT_EQ(Simple(sensor, 0x01), 0);
  CRequestFrame f;
  f.BuildReadIdentification(255);
  EXPECT_FALSE(sensor.Handle(RequestOf(f), 1.5).answer.has_value());  // still restarting
  Answer id = Ask(sensor, f, 3.0);
  EXPECT_TRUE(std::equal(image.begin(), image.begin() + 24, id.payload.begin() + 8));
  EXPECT_EQ(sensor.FirmwareVersion(), 12u);
  EXPECT_EQ(ReadStatus(sensor, 3.0).received, 0u);
}

TEST(FirmwareDownload, BlocksOutOfStepAreAnsweredForResume) {
  SimSensor sensor{sim::SensorConfig{}};
  Bytes image = MakeImage(400, 0x11112222, 10);
  ASSERT_EQ(SendBlock(sensor, image, 0, 100), 0);
  EXPECT_EQ(SendBlock(sensor, image, 0, 100), 0);    // a repeated block whose acknowledge was lost
  EXPECT_EQ(SendBlock(sensor, image, 200, 100), 3);  // a gap: ask for the status again
  EXPECT_EQ(SendBlock(sensor, image, 100, 129), 1);  // above the reported limit of 128
  Bytes other = MakeImage(400, 0x33334444, 10);
  EXPECT_EQ(SendBlock(sensor, other, 100, 100), 3);  // another image in mid-stream
  EXPECT_EQ(ReadStatus(sensor).received, 100u);
  EXPECT_EQ(SendBlock(sensor, other, 0, 100), 0);    // which starts over from its beginning
  EXPECT_EQ(ReadStatus(sensor).check, 0x33334444u);
}

TEST(FirmwareDownload, BadImagesAreNotTaken) {
  Bytes image = MakeImage(200, 0x55, 10);
  Bytes wrongMagic = image;
  wrongMagic[0] = 'X';
  Bytes wrongCheck = image;
  PutU32(&wrongCheck[8], 0x56);  // the blocks carry 0x56 too, but the trailer says 0x55
  // A wrong magic is refused with the first block; a trailer that differs from
  // the check value shows only when the image is complete: it cannot be activated.
  SimSensor magic{sim::SensorConfig{}};
  EXPECT_EQ(SendBlock(magic, wrongMagic, 0, 100), 1);
  EXPECT_EQ(ReadStatus(magic).received, 0u);
  SimSensor trailer{sim::SensorConfig{}};
  EXPECT_EQ(SendBlock(trailer, wrongCheck, 0, 100), 0);
  EXPECT_EQ(SendBlock(trailer, wrongCheck, 100, 100), 0);
  EXPECT_EQ(Simple(trailer, 0x04), 1);
}

TEST(FirmwareDownload, InterruptedDownloadReportsItsCount) {
  Bytes image = MakeImage(300, 0x77, 10);
  sim::SensorConfig c;
  c.partialImage = image;
  c.partialCount = 150;
  SimSensor sensor(c);
  Status s = ReadStatus(sensor);
  EXPECT_EQ(s.received, 150u);
  EXPECT_EQ(s.check, 0x77u);
  EXPECT_EQ(SendBlock(sensor, image, 150, 128), 0);
  EXPECT_EQ(SendBlock(sensor, image, 278, 22), 0);
  EXPECT_EQ(Simple(sensor, 0x04), 0);
}

TEST(FirmwareDownload, ForcedStatusesReplaceTheBlockHandling) {
  sim::SensorConfig c;
  c.forcedBlockStatus = {{2, 2}, {3, 3}};
  SimSensor sensor(c);
  Bytes image = MakeImage(300, 0x99, 10);
  EXPECT_EQ(SendBlock(sensor, image, 0, 100), 0);
  EXPECT_EQ(SendBlock(sensor, image, 100, 100), 2);
  EXPECT_EQ(SendBlock(sensor, image, 100, 100), 3);
  EXPECT_EQ(ReadStatus(sensor).received, 100u);  // forced answers store nothing
  EXPECT_EQ(SendBlock(sensor, image, 100, 100), 0);
  EXPECT_EQ(ReadStatus(sensor).received, 200u);
}

}  // namespace
