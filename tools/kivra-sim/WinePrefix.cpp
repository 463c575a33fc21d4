// Wine prefix COM port registration through the prefix's own reg tool.
#include "WinePrefix.h"

#include "SerialDevice.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace sim {

namespace {

const char* kPortsKey = "HKLM\\Software\\Wine\\Ports";
const char* kSerialCommKey = "HKLM\\HARDWARE\\DEVICEMAP\\SERIALCOMM";

// Runs "wine reg ARGS" in the prefix; its chatter goes to stderr, not to our stdout.
bool RunReg(const std::string& prefix, std::vector<std::string> args, std::string& error) {
  args.insert(args.begin(), {"wine", "reg"});
  pid_t pid = fork();
  if (pid < 0) return error = std::string("fork: ") + std::strerror(errno), false;
  if (pid == 0) {
    setenv("WINEPREFIX", prefix.c_str(), 1);
    setenv("WINEDEBUG", "-all", 1);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);  // no installer dialogs in a new prefix
    dup2(2, 1);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp("wine", argv.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return error = "wine reg " + args[2] + " " + args[3] + " failed (status " + std::to_string(status) + ")", false;
  return true;
}

std::string PortName(unsigned com) { return "COM" + std::to_string(com); }
std::string LinkPath(const std::string& prefix, unsigned com) { return prefix + "/dosdevices/com" + std::to_string(com); }
// The value name Wine itself gives the port in the device map.
std::string DeviceName(unsigned com) { return "\\Device\\Serial" + std::to_string(com - 1); }

}  // namespace

bool RegisterWinePort(const std::string& prefix, unsigned com, const std::string& device, std::string& error) {
  std::string dosdevices = prefix + "/dosdevices";
  if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return error = prefix + ": " + std::strerror(errno), false;
  if (mkdir(dosdevices.c_str(), 0755) != 0 && errno != EEXIST)
    return error = dosdevices + ": " + std::strerror(errno), false;
  if (!MakeDeviceLink(device, LinkPath(prefix, com), error)) return false;
  return RunReg(prefix, {"add", kPortsKey, "/v", PortName(com), "/t", "REG_SZ", "/d", device, "/f"}, error) &&
         RunReg(prefix, {"add", kSerialCommKey, "/v", DeviceName(com), "/t", "REG_SZ", "/d", PortName(com), "/f"},
                error);
}

bool UnregisterWinePort(const std::string& prefix, unsigned com, const std::string& device, std::string& error) {
  // The device map entry may already be gone with its session; that is no failure.
  std::string ignored;
  RunReg(prefix, {"delete", kSerialCommKey, "/v", DeviceName(com), "/f"}, ignored);
  bool removed = RunReg(prefix, {"delete", kPortsKey, "/v", PortName(com), "/f"}, error);
  // Last, because a Wine session starting while the port map still holds the
  // port puts the link back.
  std::string link = LinkPath(prefix, com);
  char target[PATH_MAX] = {};
  if (readlink(link.c_str(), target, sizeof target - 1) > 0 && device == target) unlink(link.c_str());
  return removed;
}

}  // namespace sim
