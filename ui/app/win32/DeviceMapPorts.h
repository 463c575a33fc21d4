// The serial ports the system's device map names (HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM).
#pragma once

#include <string>
#include <vector>

std::vector<std::wstring> DeviceMapPortNames();
