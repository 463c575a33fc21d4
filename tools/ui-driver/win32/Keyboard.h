// Key presses as a person makes them, through the system's input queue (SendInput): they reach
// the focused control of the foreground window and change the key state the program samples.
#pragma once

#include "KeyChord.h"

#include <string>
#include <vector>

class CKeyboard
{
public:
    // How long modifiers stay down after the key: the program samples GetAsyncKeyState when it
    // handles the key, and that state changes as soon as input is sent, not when it is read.
    static constexpr int ModifierHoldMs = 400;
    // Time given to the program to take in sent input before the next command; posted
    // messages (click, select) would otherwise overtake keys still queued.
    static constexpr int SettleMs = 150;

    ~CKeyboard();

    void Press(const CKeyChord& chord);
    void Hold(const CKeyChord& chord);
    void ReleaseHeld();
    void Type(const std::wstring& text);

private:
    std::vector<unsigned short> held;
};
