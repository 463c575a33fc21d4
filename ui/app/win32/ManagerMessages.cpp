// The two registered messages between the connection manager and its window.
#include "ui/app/win32/ManagerMessages.h"

#include <windows.h>

CManagerMessageRouter MakeManagerMessageRouter()
{
    static const unsigned channelMessage = RegisterWindowMessageW(L"Conn notify");
    static const unsigned updateMessage = RegisterWindowMessageW(L"Updt notify");
    return CManagerMessageRouter(channelMessage, updateMessage);
}
