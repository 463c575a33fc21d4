// Messages to and facts about windows of another process. A window that does not answer
// within the limit fails the command instead of hanging the driver.
#pragma once

#include <windows.h>

#include <string>

constexpr UINT WindowAnswerLimitMs = 5000;

// SendMessageTimeout; throws CDriverFailure when the window is gone or does not answer within
// the limit (a window that has just opened may still be busy making itself ready).
LRESULT CallWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT limitMs = WindowAnswerLimitMs);
// PostMessage; throws CDriverFailure when it cannot be posted.
void PostToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// A control's text by WM_GETTEXT (GetWindowText reads only captions across processes).
std::string ControlText(HWND window);
// A top-level window's caption.
std::string Caption(HWND window);
std::string ClassOf(HWND window);
bool IsClass(HWND window, const wchar_t* className);
// "control 1006 \"Connect sensor\"" or "the window \"Vextora KIVRA 2.6\"", for messages.
std::string Describe(HWND window);
