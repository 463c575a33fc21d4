// The connection settings in the application's settings key, as both front ends keep them.
#pragma once

#include "runtime/TRegKey1.h"

class CComPorts;
class CConnectionManagerBase;

// Reads "COM Port" and "IP Address" into the manager when the settings key exists; true
// when the port was read.
bool LoadConnectionSettings(CConnectionManagerBase& manager, TRegKey1& key = ApplicationRegKey());

// The port and baud rate to start with: the stored ones when they were read, the port is
// present and the rate is one of the list's, else the default choice of the port list.
void ChooseStartSettings(CConnectionManagerBase& manager, CComPorts& ports, TRegKey1& key = ApplicationRegKey());

// Writes "COM Port" and "IP Address", creating the settings key on the first successful
// connection; false when the key cannot be created.
bool SaveConnectionSettings(CConnectionManagerBase& manager, TRegKey1& key = ApplicationRegKey());
