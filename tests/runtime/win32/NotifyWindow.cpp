// Test helper: receives "Conn notify" on a message-only window and calls the channel's OnEvent.
#include "tests/runtime/win32/NotifyWindow.h"

#include "runtime/ConnectionWrapper.h"

namespace {

const wchar_t kClassName[] = L"KivraTestNotifyWindow";

ATOM RegisterOnce()
{
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc);
    }();
    return atom;
}

}  // namespace

NotifyWindow::NotifyWindow() : m_message(RegisterWindowMessageW(L"Conn notify"))
{
    RegisterOnce();
    m_window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
}

NotifyWindow::~NotifyWindow()
{
    DestroyWindow(m_window);
    // Notifications still queued for the window must not reach the next test.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, m_message, m_message, PM_REMOVE)) {
    }
}

bool NotifyWindow::PumpUntil(CConnectionWrapper& channel, const std::function<bool()>& done, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG msg;
        while (!done() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == m_window && msg.message == m_message) {
                const Notice notice{msg.wParam, msg.lParam, channel.OnEvent(static_cast<int>(msg.lParam))};
                m_notices.push_back(notice);
                if (m_observer)
                    m_observer(notice);
            } else {
                DispatchMessageW(&msg);
            }
        }
    }
    return true;
}

int NotifyWindow::Count(LPARAM side, WPARAM wParam) const
{
    int n = 0;
    for (const Notice& notice : m_notices)
        n += notice.side == side && notice.wParam == wParam;
    return n;
}
