// kivra.exe: the window program.
#include <windows.h>

#include "ui/main/win32/CKivraApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    CKivraApp app;
    app.InitInstance(commandLine ? commandLine : L"");
    return 0;
}
