// One command of a driver script, read from its words and checked before anything is done:
// a wrong command is reported as written, not half carried out.
#pragma once

#include "ControlName.h"
#include "Expectation.h"
#include "ItemChoice.h"
#include "KeyChord.h"

#include <string>
#include <vector>

enum class EVerb {
    // the current window
    WaitWindow, WaitClosed, Close, Zoom, Move, MessageDialog, Answer, FileDialog, SystemCommand,
    // input
    Click, Key, Hold, Release, SetText, Type, Focus, Select, TabSelect,
    // the script itself
    Sleep, Timeout, Expect,
    // queries: each prints a value, and expect compares it
    Text, Enabled, Visible, Checked, Selection, ComboItems, TabItems, ListItems, GaugePos, Rect,
    Focused, MessageText, WorkArea, Tooltip,
};

struct CDriverCommand
{
    EVerb verb = EVerb::Sleep;
    std::vector<std::string> args; // the words after the verb (of expect: after the query)
    // Filled as the verb needs them:
    CControlName control;
    CKeyChord chord;
    CItemChoice item;
    int number = 0;      // Sleep and Timeout milliseconds; Answer button id; Zoom percent; system menu command
    int x = 0, y = 0;    // Move: where the window's top-left corner goes on the screen
    int timeoutMs = -1;  // an explicit wait limit; -1: the script's current timeout
    EVerb query = EVerb::Text; // Expect
    CExpectation expectation;  // Expect
};

bool IsQuery(EVerb verb);
// Throws CScriptError naming what is wrong and how the command is written.
CDriverCommand ParseDriverCommand(const std::vector<std::string>& words);
// The usage lines of every command (for --help and error messages).
std::string DriverCommandUsage();
