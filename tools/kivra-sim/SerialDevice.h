// The simulator's end of the serial line: a new pty pair or an existing tty.
#pragma once
#include <string>

namespace sim {

class SerialDevice {
 public:
  SerialDevice() = default;
  SerialDevice(const SerialDevice&) = delete;
  SerialDevice& operator=(const SerialDevice&) = delete;
  ~SerialDevice();

  // Creates a pty pair; the tool opens Path().
  bool OpenPty(std::string& error);
  // Opens an existing device in raw mode at the given speed.
  bool OpenTty(const std::string& device, unsigned baud, std::string& error);
  int Fd() const { return fd_; }
  const std::string& Path() const { return path_; }

 private:
  int fd_ = -1;
  int keepOpen_ = -1;  // our own hold on the pty's far end, so it never reports a hang-up
  std::string path_;
};

// Makes linkPath a symbolic link to target, replacing an earlier link (never a regular file).
bool MakeDeviceLink(const std::string& target, const std::string& linkPath, std::string& error);

}  // namespace sim
