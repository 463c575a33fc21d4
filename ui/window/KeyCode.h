// Key codes handed to a window's key dispatch: the virtual-key code, with
// kKeyPressBit added for a press; a release is the bare code.
#pragma once

#include <cstdint>
#include <optional>

constexpr unsigned kKeyPressBit = 0x10000;
constexpr unsigned kMessageKeyDown = 0x100;  // WM_KEYDOWN
constexpr unsigned kMessageKeyUp = 0x101;    // WM_KEYUP

constexpr unsigned KeyPress(unsigned virtualKey) { return virtualKey | kKeyPressBit; }

// The key code of a key message (from the low 16 bits of wParam); none for other messages.
std::optional<unsigned> KeyCodeOfMessage(unsigned message, std::uintptr_t wParam);
