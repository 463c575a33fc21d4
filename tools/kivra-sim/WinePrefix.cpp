// Wine prefix COM port registration through the prefix's own reg tool.
#include "WinePrefix.h"

#include "SerialDevice.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace sim {

namespace {

const char* kPortsKey = "HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports";
const char* kSerialCommKey = "HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\SERIALCOMM";
const char* kPortsClassDevices = "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Enum\\ROOT\\PORTS\\";
const char* kPortsClassGuid = "{4D36E978-E325-11CE-BFC1-08002BE10318}";

constexpr int kImportAttempts = 3;
constexpr useconds_t kImportRetryMicroseconds = 500000;

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
    return error = "wine reg " + args[2] + " failed (status " + std::to_string(status) + ")", false;
  return true;
}

std::string Quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

// Imports registry text through a file the prefix reaches on its Z: drive.
bool Import(const std::string& prefix, const std::string& text, std::string& error) {
  char path[] = "/tmp/kivra-sim-XXXXXX.reg";
  int fd = mkstemps(path, 4);
  if (fd < 0) return error = std::string("mkstemps: ") + std::strerror(errno), false;
  std::string body = "Windows Registry Editor Version 5.00\r\n\r\n" + text;
  bool written = write(fd, body.data(), body.size()) == ssize_t(body.size());
  close(fd);
  std::string windowsPath = std::string("Z:") + path;
  for (char& c : windowsPath)
    if (c == '/') c = '\\';
  // A prefix whose server is just ending (the last program of the previous run) can refuse the
  // import; the next server takes it.
  bool ok = false;
  for (int attempt = 0; written && !ok && attempt < kImportAttempts; ++attempt) {
    if (attempt > 0) usleep(kImportRetryMicroseconds);
    ok = RunReg(prefix, {"import", windowsPath}, error);
  }
  if (!written) error = std::string(path) + ": write failed";
  unlink(path);
  return ok;
}

std::string PortName(const WinePort& p) { return "COM" + std::to_string(p.com); }
std::string LinkPath(const WinePort& p) { return p.prefix + "/dosdevices/com" + std::to_string(p.com); }
// The value name Wine itself gives the port in the device map.
std::string DeviceMapName(const WinePort& p) { return "\\Device\\Serial" + std::to_string(p.com - 1); }
std::string ClassDeviceKey(const WinePort& p) { return kPortsClassDevices + std::string("KIVRA_SIM_") + PortName(p); }

}  // namespace

bool RegisterWinePort(const WinePort& p, std::string& error) {
  std::string dosdevices = p.prefix + "/dosdevices";
  if (mkdir(p.prefix.c_str(), 0755) != 0 && errno != EEXIST) return error = p.prefix + ": " + std::strerror(errno), false;
  if (mkdir(dosdevices.c_str(), 0755) != 0 && errno != EEXIST)
    return error = dosdevices + ": " + std::strerror(errno), false;
  if (!MakeDeviceLink(p.device, LinkPath(p), error)) return false;
  return Import(p.prefix, WinePortEntries(p), error);
}

std::string WinePortEntries(const WinePort& p) {
  return "[" + std::string(kPortsKey) + "]\r\n" + Quoted(PortName(p)) + "=" + Quoted(p.device) + "\r\n\r\n" + "[" +
         kSerialCommKey + "]\r\n" + Quoted(DeviceMapName(p)) + "=" + Quoted(PortName(p)) + "\r\n\r\n" + "[" +
         ClassDeviceKey(p) + "]\r\n" + "\"ClassGUID\"=" + Quoted(kPortsClassGuid) + "\r\n" + "\"Class\"=\"Ports\"\r\n" +
         "\"FriendlyName\"=" + Quoted(p.description + " (" + PortName(p) + ")") + "\r\n";
}

std::string WinePortRemoval(const WinePort& p) {
  return "[" + std::string(kPortsKey) + "]\r\n" + Quoted(PortName(p)) + "=-\r\n\r\n" + "[-" + ClassDeviceKey(p) + "]\r\n";
}

bool UnregisterWinePort(const WinePort& p, std::string& error) {
  // The device map is rebuilt with every session, so its entry may be gone already;
  // it is deleted on its own, because naming its key in an import would recreate it.
  std::string ignored;
  RunReg(p.prefix, {"delete", "HKLM\\HARDWARE\\DEVICEMAP\\SERIALCOMM", "/v", DeviceMapName(p), "/f"}, ignored);
  bool removed = Import(p.prefix, WinePortRemoval(p), error);
  // Last, because a Wine session starting while the port map still holds the
  // port puts the link back.
  char target[PATH_MAX] = {};
  if (readlink(LinkPath(p).c_str(), target, sizeof target - 1) > 0 && p.device == target) unlink(LinkPath(p).c_str());
  return removed;
}

}  // namespace sim
