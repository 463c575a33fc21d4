// Makes a serial device appear as a COM port inside a Wine prefix.
#pragma once
#include <string>

namespace sim {

// dosdevices/comN becomes a link to device; the port is entered in the prefix's
// registry (the persistent port map and HARDWARE\DEVICEMAP\SERIALCOMM) so that
// port lists inside the prefix show it.
bool RegisterWinePort(const std::string& prefix, unsigned com, const std::string& device, std::string& error);

}  // namespace sim
