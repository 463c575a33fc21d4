// The person at the screen, for tests of the interface thread: while an action of that thread
// runs, a second thread finds the message box it shows, reads its text and cancels it.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// The text of the message box action showed (cancelled at once); empty when none came within
// five seconds. host, a dialog of the same thread, is not taken for the box.
inline std::wstring CancelMessageBoxDuring(HWND host, const std::function<void()>& action)
{
    struct Watch {
        HWND host = nullptr;
        std::atomic<bool> found{false};
        std::wstring text;
        static BOOL CALLBACK Answer(HWND window, LPARAM self)
        {
            auto& watch = *reinterpret_cast<Watch*>(self);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (window == watch.host || std::wstring(name) != L"#32770" || !IsWindowVisible(window))
                return TRUE;
            wchar_t shown[512] = {};
            GetDlgItemTextW(window, 0xFFFF, shown, 512);
            watch.text = shown;
            watch.found = true;
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            return FALSE;
        }
    } watch;
    watch.host = host;
    const DWORD thread = GetCurrentThreadId();
    std::thread person([&] {
        for (int i = 0; i < 200 && !watch.found; ++i) {
            Sleep(25);
            EnumThreadWindows(thread, &Watch::Answer, LPARAM(&watch));
        }
    });
    action();
    person.join();
    return watch.text;
}
