// What the window tests read back from live windows.
#pragma once

#include <windows.h>

#include "runtime/ResourceLanguage.h"
#include "ui/window/LayoutRect.h"

inline LayoutRect ToLayout(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The character height of the font a control shows (WM_GETFONT, then the font's record).
inline int FontHeightOf(HWND control)
{
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    if (!font || ::GetObjectW(font, sizeof(description), &description) != sizeof(description))
        return 0;
    return description.lfHeight;
}

// Sizes a window so that its client area gets the given size.
inline void ResizeClientTo(HWND window, int width, int height)
{
    RECT outer{};
    RECT client{};
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &client);
    ::SetWindowPos(window, nullptr, 0, 0, (outer.right - outer.left) + width - client.right,
                   (outer.bottom - outer.top) + height - client.bottom, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

// Wine reports a drop-down list's dropped rectangle without its selection field; Windows
// reports field and list.
inline bool RunsOnWine()
{
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Runs the thread's pending messages.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Switches the interface language for one test.
class CLanguageForTest {
public:
    explicit CLanguageForTest(unsigned short language) : m_previous(GetResourceLanguage())
    {
        SetResourceLanguage(language);
    }
    ~CLanguageForTest() { SetResourceLanguage(m_previous); }
    CLanguageForTest(const CLanguageForTest&) = delete;
    CLanguageForTest& operator=(const CLanguageForTest&) = delete;

private:
    unsigned short m_previous;
};
