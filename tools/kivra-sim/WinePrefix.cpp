// Wine prefix COM port registration through the prefix's own reg tool.
#include "WinePrefix.h"

#include "SerialDevice.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace sim {

namespace {

bool RunRegAdd(const std::string& prefix, const std::string& key, const std::string& name, const std::string& data,
               std::string& error) {
  pid_t pid = fork();
  if (pid < 0) return error = std::string("fork: ") + std::strerror(errno), false;
  if (pid == 0) {
    setenv("WINEPREFIX", prefix.c_str(), 1);
    setenv("WINEDEBUG", "-all", 1);
    std::vector<const char*> argv{"wine", "reg", "add", key.c_str(), "/v", name.c_str(), "/t", "REG_SZ",
                                  "/d", data.c_str(), "/f", nullptr};
    execvp("wine", const_cast<char* const*>(argv.data()));
    _exit(127);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return error = "wine reg add " + key + " failed (status " + std::to_string(status) + ")", false;
  return true;
}

}  // namespace

bool RegisterWinePort(const std::string& prefix, unsigned com, const std::string& device, std::string& error) {
  std::string dosdevices = prefix + "/dosdevices";
  if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return error = prefix + ": " + std::strerror(errno), false;
  if (mkdir(dosdevices.c_str(), 0755) != 0 && errno != EEXIST)
    return error = dosdevices + ": " + std::strerror(errno), false;
  std::string port = "COM" + std::to_string(com);
  if (!MakeDeviceLink(device, dosdevices + "/com" + std::to_string(com), error)) return false;
  return RunRegAdd(prefix, "HKLM\\Software\\Wine\\Ports", port, device, error) &&
         RunRegAdd(prefix, "HKLM\\HARDWARE\\DEVICEMAP\\SERIALCOMM", port, port, error);
}

}  // namespace sim
