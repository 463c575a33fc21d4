// The keys of the main window.
#include "ui/main/MainKeys.h"

#include "ui/window/KeyCode.h"

namespace {
constexpr unsigned kVirtualKeyF4 = 0x73;
constexpr unsigned kVirtualKeyF6 = 0x75;
constexpr unsigned kVirtualKeyF12 = 0x7B;
}

MainKey MainKeyOf(unsigned keyCode, bool ctrlHeld)
{
    switch (keyCode) {
    case KeyPress(kVirtualKeyF4):
        return {true, ctrlHeld ? MainKeyAction::OpenIpDialog : MainKeyAction::ConnectOrDisconnect};
    case KeyPress(kVirtualKeyF6):
        return {true, ctrlHeld ? MainKeyAction::PreviousTab : MainKeyAction::NextTab};
    case KeyPress(kVirtualKeyF12):
        return {true, ctrlHeld ? MainKeyAction::ToggleLogTab : MainKeyAction::None};
    default:
        return {};
    }
}
