// One font handle shared by the controls that show it, counted.
#pragma once

#include <windows.h>

#include "runtime/RefCount.h"

class CResizableFont : public CRefCount {
public:
    // owned: the last reference deletes the handle. A dialog's own font belongs to the
    // dialog manager, which deletes it with the dialog; it is wrapped without ownership.
    CResizableFont(HFONT font, bool owned) : m_font(font), m_owned(owned) {}
    ~CResizableFont() override
    {
        if (m_owned && m_font)
            ::DeleteObject(m_font);
    }

    // Attributes
    HFONT GetHandle() const { return m_font; }

private:
    HFONT m_font;
    bool m_owned;
};
