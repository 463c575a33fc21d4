// A level shown in a progress bar that can be highlighted.
#pragma once

#include <windows.h>

#include "ui/window/win32/CProgressBarCtrl.h"
#include "ui/window/win32/CSubclassedCtrl.h"

class CFuelLevelCtrl : public CSubclassedCtrl<CProgressBarCtrl> {
public:
    // Attributes
    bool GetHighlight() const { return m_highlight; }

    // Operations
    // Repaints the whole control (erasing it) when the flag changes.
    void SetHighlight(bool highlight);

private:
    bool m_highlight = false;
};
