// The message-only window of kivra-cli: it receives "Conn notify", "Updt notify" and the timer, as the main window does.
#include "ui/cli/win32/MessageWindow.h"

#include "ui/app/win32/ManagerMessages.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kClassName = L"KivraCliMessages";

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CMessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->Deliver(message, wParam, lParam))
        return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Once for the process: a fleet run opens its links' windows on several threads at once, and a
// registration still under way on one thread fails the window another thread creates meanwhile.
void RegisterOnce()
{
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass);
    }();
    (void)registered;
}

}  // namespace

CMessageWindow::CMessageWindow() : m_router(MakeManagerMessageRouter())
{
    RegisterOnce();
    m_window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    if (m_window)
        SetWindowLongPtrW(static_cast<HWND>(m_window), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CMessageWindow::~CMessageWindow()
{
    if (m_window)
        DestroyWindow(static_cast<HWND>(m_window));
}

void CMessageWindow::Attach(CConnectionManagerBase& manager, std::function<void(unsigned bits)> onUpdate,
                            std::function<void()> afterEvent)
{
    m_router.Attach(manager, m_window, std::move(onUpdate), std::move(afterEvent));
}

bool CMessageWindow::PumpOnce(unsigned waitMs, void* wake)
{
    // Every look into the queue is a round trip to the window system under Wine: the wait
    // returns at once when messages are queued, and the queue is then emptied in one go.
    HANDLE handles[1] = {static_cast<HANDLE>(wake)};
    const DWORD count = wake ? 1 : 0;
    if (MsgWaitForMultipleObjectsEx(count, handles, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_OBJECT_0 + count)
        return false;
    MSG message;
    bool any = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
        any = true;
    }
    return any;
}
