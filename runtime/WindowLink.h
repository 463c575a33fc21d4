// Posting notifications to a window and running its timers, behind one seam for both builds.
#pragma once

#include <cstdint>

// The window that receives posted notifications and owns timers: an HWND on
// Windows, a TNativeWindow (runtime/native/NativeWindow.h) in the host build.
using TWindowHandle = void*;

// Message number of a window timer tick; wParam carries the timer id.
constexpr unsigned kTimerMessage = 0x113;

bool PostWindowMessage(TWindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
void SetWindowTimer(TWindowHandle window, std::uintptr_t id, unsigned milliseconds);
