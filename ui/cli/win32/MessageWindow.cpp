// The message-only window of kivra-cli: it receives "Conn notify", "Updt notify" and the timer, as the main window does.
#include "ui/cli/win32/MessageWindow.h"

#include "remote/ConnectionManagerBase.h"

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

}  // namespace

CMessageWindow::CMessageWindow()
    : m_channelMessage(RegisterWindowMessageW(L"Conn notify")), m_updateMessage(RegisterWindowMessageW(L"Updt notify"))
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
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

void CMessageWindow::Attach(CConnectionManagerBase* manager, std::function<void(unsigned bits)> onUpdate,
                            std::function<void()> afterEvent)
{
    m_manager = manager;
    m_onUpdate = std::move(onUpdate);
    m_afterEvent = std::move(afterEvent);
}

bool CMessageWindow::PumpOnce(unsigned waitMs)
{
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT) == WAIT_TIMEOUT)
            return false;
    }
    bool any = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
        any = true;
    }
    return any;
}

bool CMessageWindow::Deliver(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!m_manager)
        return false;
    if (message == m_channelMessage || message == WM_TIMER) {
        m_manager->OnWindowMessage(message, wParam, lParam);
        if (m_afterEvent)
            m_afterEvent();
        return true;
    }
    if (message == m_updateMessage) {
        if (m_onUpdate)
            m_onUpdate(static_cast<unsigned>(wParam));
        return true;
    }
    return false;
}
