// The process-wide COM-port list over the system's present ports.
#include "ui/app/win32/SystemComPorts.h"

#include "ui/app/win32/DeviceMapPorts.h"
#include "ui/app/win32/SetupApiPorts.h"

CComPorts& TheComPorts()
{
    static CComPorts ports([] { return PresentPorts{PresentPortFriendlyNames(), DeviceMapPortNames()}; });
    return ports;
}
