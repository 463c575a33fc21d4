// The connection settings in the application's settings key, as both front ends keep them.
#include "ui/app/ConnectionSettings.h"

#include "remote/ConnectionManagerBase.h"
#include "ui/app/ComPorts.h"

bool LoadConnectionSettings(CConnectionManagerBase& manager, TRegKey1& key)
{
    if (!key.Open(reg::kReadWrite))
        return false;
    const bool loaded = manager.LoadSettings(key);
    key.Close();
    return loaded;
}

void ChooseStartSettings(CConnectionManagerBase& manager, CComPorts& ports, TRegKey1& key)
{
    const bool loaded = LoadConnectionSettings(manager, key);
    if (loaded && ports.PortSettingsValid(manager.GetComPort(), manager.GetBaudRate()))
        return;
    std::wstring port = manager.GetComPort();
    uint32_t baudRate = manager.GetBaudRate();
    ports.ChooseDefault(port, baudRate);
    manager.SetComPort(port);
    manager.SetBaudRate(baudRate);
}

bool SaveConnectionSettings(CConnectionManagerBase& manager, TRegKey1& key)
{
    if (!key.Create(reg::kReadWrite))
        return false;
    manager.SaveSettings(key);
    key.Close();
    return true;
}
