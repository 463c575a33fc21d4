// Button, check box and radio button: one message per method.
#pragma once

#include "ui/window/win32/CWindow.h"

class CButton : public CWindow {
public:
    using CWindow::CWindow;

    // Attributes
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    bool IsChecked() const { return GetCheck() == BST_CHECKED; }

    // Operations
    void SetCheck(int state) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    void Click() const { SendMessage(BM_CLICK); }
};
