// pty and tty setup in raw mode.
#include "SerialDevice.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

bool MakeRaw(int fd, speed_t speed) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  t.c_cflag |= CLOCAL | CREAD;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  if (speed) {
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
  }
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

speed_t SpeedOf(unsigned baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return 0;
  }
}

std::string Failure(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

SerialDevice::~SerialDevice() {
  if (fd_ >= 0) close(fd_);
  if (keepOpen_ >= 0) close(keepOpen_);
}

bool SerialDevice::OpenPty(std::string& error) {
  fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) return error = Failure("posix_openpt"), false;
  if (grantpt(fd_) != 0 || unlockpt(fd_) != 0) return error = Failure("unlockpt"), false;
  char name[128];
  if (ptsname_r(fd_, name, sizeof name) != 0) return error = Failure("ptsname"), false;
  path_ = name;
  keepOpen_ = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (keepOpen_ < 0) return error = Failure(path_), false;
  if (!MakeRaw(keepOpen_, 0)) return error = Failure("tcsetattr " + path_), false;
  return true;
}

bool SerialDevice::OpenTty(const std::string& device, unsigned baud, std::string& error) {
  speed_t speed = SpeedOf(baud);
  if (!speed) return error = "no such line speed for a tty: " + std::to_string(baud), false;
  fd_ = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) return error = Failure(device), false;
  if (!MakeRaw(fd_, speed)) return error = Failure("tcsetattr " + device), false;
  path_ = device;
  return true;
}

bool MakeDeviceLink(const std::string& target, const std::string& linkPath, std::string& error) {
  struct stat st;
  if (lstat(linkPath.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) return error = linkPath + ": exists and is not a symbolic link", false;
    if (unlink(linkPath.c_str()) != 0) return error = Failure(linkPath), false;
  }
  if (symlink(target.c_str(), linkPath.c_str()) != 0) return error = Failure(linkPath), false;
  return true;
}

}  // namespace sim
