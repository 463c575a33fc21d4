// Finding windows: the shown top-level windows of the desktop, and a control of a window by the
// script's name for it.
#pragma once

#include "ControlName.h"

#include <windows.h>

#include <vector>

// Visible top-level windows, topmost first.
std::vector<HWND> ShownTopLevelWindows();
// The first descendant with that id and window class (any case), or null.
HWND FindDescendant(HWND parent, int id, const wchar_t* className);
// Throws CDriverFailure naming what is missing.
HWND FindControl(HWND window, const CControlName& wanted);
