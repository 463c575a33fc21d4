// A key with the modifiers held while it is pressed, as a script writes it: "F4", "ctrl+F12",
// "ctrl+alt+shift" (modifiers alone, for hold). Names compare without regard to case.
#pragma once

#include <string>
#include <vector>

struct CKeyChord
{
    std::vector<unsigned short> modifiers; // virtual-key codes, pressed in this order
    unsigned short key = 0;                // virtual-key code; 0: modifiers only
};

// Modifiers: ctrl, alt, shift. Keys: F1..F24, A..Z, 0..9, tab, enter, esc, space, backspace,
// delete, insert, home, end, pgup, pgdn, left, right, up, down. Throws CScriptError otherwise.
CKeyChord ParseKeyChord(const std::string& text);
