// Makes a serial device appear as a COM port inside a Wine prefix, for as long as the simulator runs.
#pragma once
#include <string>

namespace sim {

struct WinePort {
  std::string prefix;
  unsigned com = 0;
  std::string device;       // the tty the port leads to
  std::string description;  // shown before "(COMn)" in port lists
};

// dosdevices/comN becomes a link to the device, and the prefix's registry gets the
// port: in Wine's persistent port map (from which Wine rebuilds its device map on
// every start), in HARDWARE\DEVICEMAP\SERIALCOMM of a session already running, and
// as a present device of the ports setup class, which is what port lists enumerate.
bool RegisterWinePort(const WinePort& port, std::string& error);
// Takes it all out again so a later session does not offer a vanished device.
bool UnregisterWinePort(const WinePort& port, std::string& error);

// The registry file texts (after their version line) the two operations import.
std::string WinePortEntries(const WinePort& port);
std::string WinePortRemoval(const WinePort& port);

}  // namespace sim
