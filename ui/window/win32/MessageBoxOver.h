// Message boxes that open centred over the window they belong to.
#pragma once

#include <windows.h>

// MessageBoxW, with the box centred over the top-level window of owner and kept inside the
// work area of its screen. The platform centres a box on the screen (Wine) or wherever it
// likes, which on a large screen is far from the window that asks.
int MessageBoxOver(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
