// A level shown in a progress bar that can be highlighted.
#include "ui/window/win32/CFuelLevelCtrl.h"

void CFuelLevelCtrl::SetHighlight(bool highlight)
{
    if (highlight == m_highlight)
        return;
    m_highlight = highlight;
    if (IsWindow())
        Invalidate(true);
}
