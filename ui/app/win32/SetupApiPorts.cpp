// The friendly names of the present serial ports, from the setup API's ports class.
#include "ui/app/win32/SetupApiPorts.h"

#include <windows.h>
#include <devguid.h>
#include <setupapi.h>

std::vector<std::wstring> PresentPortFriendlyNames()
{
    std::vector<std::wstring> names;
    HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return names;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        BYTE buffer[260] = {};
        DWORD type = 0;
        if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_FRIENDLYNAME, &type, buffer,
                                               sizeof buffer - sizeof(wchar_t), nullptr))
            continue;
        names.emplace_back(reinterpret_cast<const wchar_t*>(buffer));
    }
    SetupDiDestroyDeviceInfoList(devices);
    return names;
}
