// Holder of one start of the socket library; stopping it again when released.
#pragma once

#include "remote/win32/NBWSAObject.h"

#include <winsock2.h>

class CNBWSAInit : public CNBWSAObject
{
public:
    ~CNBWSAInit() override;

    // 1 started now, 0 started by an earlier call (that succeeded), -1 failed.
    int Startup();
    void Cleanup();

private:
    bool m_started = false;
    WSADATA m_data{};
};
