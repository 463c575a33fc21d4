// The program's start-up and teardown.
#include "ui/main/win32/CKivraApp.h"

#include <gdiplus.h>

#include <memory>

#include "remote/DeviceCommandProcessor.h"
#include "runtime/RefCount.h"
#include "ui/app/InterfaceLanguage.h"
#include "ui/app/win32/ThreadLanguage.h"
#include "ui/main/win32/CKivraDlg.h"
#include "ui/window/KeyCode.h"
#include "ui/window/win32/MessagePreFilter.h"

bool CKivraApp::InitInstance(const std::wstring& commandLine)
{
    // A switch on the command line is stored as the language of later starts.
    StartInterfaceLanguage(LanguageFromCommandLine(commandLine), LanguageStore::Store);

    // The image buttons decode their pictures when the window object is made.
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    const bool gdiplus = Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr) == Gdiplus::Ok;

    CRefPtr<CDeviceCommandProcessor> manager(new CDeviceCommandProcessor);
    auto window = std::make_unique<CKivraDlg>(*manager);
    const MessagePreFilter previous = SetMessagePreFilter(&CKivraApp::PreTranslateMessage);
    window->DoModal();
    SetMessagePreFilter(previous);

    if (gdiplus)
        Gdiplus::GdiplusShutdown(gdiplusToken);
    window.reset();
    manager.Reset();
    return false;
}

bool CKivraApp::PreTranslateMessage(MSG& message)
{
    const std::optional<unsigned> key = KeyCodeOfMessage(message.message, message.wParam);
    if (!key)
        return false;
    CResizableDialog* main = CResizableDialog::MainDialog();
    return main != nullptr && main->DispatchKey(*key);
}
