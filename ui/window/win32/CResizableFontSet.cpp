// The shared font set.
#include "ui/window/win32/CResizableFontSet.h"

#include "ui/window/LayoutTable.h"

CResizableFontSet& CResizableFontSet::Instance()
{
    static CResizableFontSet set;
    return set;
}

int CResizableFontSet::GetHeight(unsigned index) const
{
    return IsScaledFontIndex(index) ? m_heights[index] : m_description.lfHeight;
}

CResizableFont* CResizableFontSet::FontFor(std::uint32_t flags) const
{
    const unsigned index = LayoutFontIndex(flags);
    return IsScaledFontIndex(index) ? m_scaled[index].Get() : m_base.Get();
}

void CResizableFontSet::BuildFrom(HFONT dialogFont)
{
    Release();
    if (!dialogFont || ::GetObjectW(dialogFont, sizeof(m_description), &m_description) != sizeof(m_description))
        return;
    m_base = CRefPtr<CResizableFont>(new CResizableFont(dialogFont, false));
    m_scale = 1.0f;
    m_scaled[0] = m_base;
    m_heights[0] = m_description.lfHeight;
    // Fonts 1 and 2 are made by the rescale, against font 0 at the base height.
    const ScaledFontHeights wanted = ComputeScaledFontHeights(m_description.lfHeight, 1.0f);
    SetHeights(wanted);
}

void CResizableFontSet::Rescale(float scale)
{
    if (!m_base)
        return;
    m_scale = scale;
    SetHeights(ComputeScaledFontHeights(m_description.lfHeight, scale));
}

void CResizableFontSet::SetHeights(const ScaledFontHeights& wanted)
{
    for (unsigned i = 0; i < kScaledFontCount; ++i) {
        if (m_scaled[i] && m_heights[i] == wanted[i])
            continue;
        if (wanted[i] == m_description.lfHeight) {
            m_scaled[i] = m_base;
            m_heights[i] = wanted[i];
            continue;
        }
        LOGFONTW description = m_description;
        description.lfHeight = wanted[i];
        HFONT made = ::CreateFontIndirectW(&description);
        // Without a new font the controls keep showing text, in the base font.
        m_scaled[i] = made ? CRefPtr<CResizableFont>(new CResizableFont(made, true)) : m_base;
        m_heights[i] = made ? wanted[i] : m_description.lfHeight;
    }
}

void CResizableFontSet::Release()
{
    for (auto& font : m_scaled)
        font.Reset();
    m_base.Reset();
    m_heights = {};
    m_scale = 1.0f;
}
