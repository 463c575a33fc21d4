// The fonts every zooming dialog shares, one set per process: the base font (the font
// of the sizable dialog that initialised last, in practice the main window), its
// description, the current font scale, and three fonts scaled from it (index k at
// base height × scale × 1.5^k).
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/RefCount.h"
#include "ui/window/FontHeights.h"
#include "ui/window/win32/CResizableFont.h"

class CResizableFontSet {
public:
    static CResizableFontSet& Instance();

    // Attributes
    bool HasBase() const { return static_cast<bool>(m_base); }
    float GetScale() const { return m_scale; }
    // The character height (lfHeight) of a scaled font; the base height for other indexes.
    int GetHeight(unsigned index) const;
    // The font that layout flags choose (font index 0..2: scaled; others: the base font);
    // null while there is no base font.
    CResizableFont* FontFor(std::uint32_t flags) const;

    // Operations
    // Rebuilds the set from a dialog's font at scale 1: font 0 is that font itself,
    // fonts 1 and 2 are made at 1.5 and 2.25 times its height.
    void BuildFrom(HFONT dialogFont);
    // Remakes the scaled fonts whose height changes with the scale.
    void Rescale(float scale);
    // Lets go of every font (their last users delete them).
    void Release();

private:
    CResizableFontSet() = default;
    void SetHeights(const ScaledFontHeights& heights);

    CRefPtr<CResizableFont> m_base;
    LOGFONTW m_description{};
    float m_scale = 1.0f;
    CRefPtr<CResizableFont> m_scaled[kScaledFontCount];
    ScaledFontHeights m_heights{};
};
