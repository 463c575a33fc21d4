// The keys of the main window: what a key code (a press is the virtual-key code plus the
// press bit) does, with Ctrl held or not.
#pragma once

enum class MainKeyAction
{
    None,
    ConnectOrDisconnect,  // F4
    OpenIpDialog,         // Ctrl+F4
    NextTab,              // F6
    PreviousTab,          // Ctrl+F6
    ToggleLogTab,         // Ctrl+F12
};

struct MainKey
{
    // Consumed: the key goes no further, even when it does nothing (F12 without Ctrl).
    bool handled = false;
    MainKeyAction action = MainKeyAction::None;
};

MainKey MainKeyOf(unsigned keyCode, bool ctrlHeld);
