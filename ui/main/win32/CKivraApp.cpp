// The program's start-up and teardown.
#include "ui/main/win32/CKivraApp.h"

#include <gdiplus.h>

#include <memory>

#include "remote/DeviceCommandProcessor.h"
#include "runtime/OsHandle.h"
#include "runtime/RefCount.h"
#include "runtime/ResourceLog.h"
#include "runtime/ResourceText.h"
#include "runtime/SystemReason.h"
#include "ui/app/InterfaceLanguage.h"
#include "ui/app/win32/ThreadLanguage.h"
#include "ui/main/ResourcesSwitch.h"
#include "ui/main/win32/CKivraDlg.h"
#include "ui/resources/resource.h"
#include "ui/window/KeyCode.h"
#include "ui/window/win32/MessagePreFilter.h"

namespace {

// Samples for the whole run, from before the main window exists until after it is gone.
void StartResourceLog(CResourceLog& log, const std::wstring& path)
{
    if (path.empty() || log.Start(path))
        return;
    const TErrorCode error = OsLastError();
    std::wstring message = LoadResourceText(IDS_RESOURCES_FILE_FAILED);
    const std::size_t at = message.find(L"%s");
    if (at != std::wstring::npos)
        message.replace(at, 2, path);
    MessageBoxW(nullptr, WithSystemReason(message, error).c_str(), L"Vextora KIVRA", MB_OK | MB_ICONWARNING);
}

}  // namespace

bool CKivraApp::InitInstance(const std::wstring& commandLine)
{
    // A switch on the command line is stored as the language of later starts.
    StartInterfaceLanguage(LanguageFromCommandLine(commandLine), LanguageStore::Store);
    // Samples for the whole run; a file that cannot be written is told in the interface language.
    CResourceLog resourceLog;
    StartResourceLog(resourceLog, ResourcesFileFromCommandLine(commandLine));

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
