// The process-wide COM-port list over the system's present ports.
#pragma once

#include "ui/app/ComPorts.h"

// Present ports: those of the ports device class with their friendly names, then those only the
// serial device map names.
CComPorts& TheComPorts();
