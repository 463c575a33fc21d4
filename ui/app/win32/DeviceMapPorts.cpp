// The serial ports the system's device map names (HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM).
#include "ui/app/win32/DeviceMapPorts.h"

#include <windows.h>

#include <iterator>

std::vector<std::wstring> DeviceMapPortNames()
{
    std::vector<std::wstring> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return ports;
    // Each value names a device; its data is the port name.
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = static_cast<DWORD>(std::size(name));
        wchar_t data[64] = {};
        DWORD dataSize = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataSize);
        // A value too long for a port name is no port this list can show; the next one may be.
        if (result == ERROR_MORE_DATA)
            continue;
        if (result != ERROR_SUCCESS)
            break;
        if (type == REG_SZ)
            ports.emplace_back(data, wcsnlen(data, dataSize / sizeof(wchar_t)));
    }
    RegCloseKey(key);
    return ports;
}
