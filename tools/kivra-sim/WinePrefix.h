// Makes a serial device appear as a COM port inside a Wine prefix, for as long as the simulator runs.
#pragma once
#include <string>

namespace sim {

// dosdevices/comN becomes a link to device, and the port goes into the prefix's
// registry: the persistent port map, from which Wine rebuilds its device map on
// every start, and HARDWARE\DEVICEMAP\SERIALCOMM of a session already running.
bool RegisterWinePort(const std::string& prefix, unsigned com, const std::string& device, std::string& error);
// Takes the port out again so a later session does not map COMN to a vanished device.
bool UnregisterWinePort(const std::string& prefix, unsigned com, const std::string& device, std::string& error);

}  // namespace sim
