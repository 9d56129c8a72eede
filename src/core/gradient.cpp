#include "core/gradient.h"

#include <algorithm>

namespace {

int Channel(COLORREF cr, int nShift) { return static_cast<int>((cr >> nShift) & 0xFF); }

int BlendChannel(int n1, int n2, float t) {
    const float f = static_cast<float>(n2) * (1.0f - t) + static_cast<float>(n1) * t;
    // Clamped before the conversion, which is undefined out of int's range.
    return static_cast<int>(std::clamp(f, 0.0f, 255.0f));
}

}  // namespace

COLORREF KXBlendColors(COLORREF c1, COLORREF c2, float t) {
    const int r = BlendChannel(Channel(c1, 0), Channel(c2, 0), t);
    const int g = BlendChannel(Channel(c1, 8), Channel(c2, 8), t);
    const int b = BlendChannel(Channel(c1, 16), Channel(c2, 16), t);
    return static_cast<COLORREF>(r | (g << 8) | (b << 16));
}

COLORREF KXAverageColors(COLORREF c1, COLORREF c2) {
    const int r = (Channel(c1, 0) + Channel(c2, 0)) / 2;
    const int g = (Channel(c1, 8) + Channel(c2, 8)) / 2;
    const int b = (Channel(c1, 16) + Channel(c2, 16)) / 2;
    return static_cast<COLORREF>(r | (g << 8) | (b << 16));
}

CKXGradientBars::CKXGradientBars(const CRect& rect, const CRect& rcClip, COLORREF clrStart, COLORREF clrEnd,
                                 BOOL bHorizontal)
    : m_rect(rect), m_clrStart(clrStart), m_clrEnd(clrEnd), m_bHorizontal(bHorizontal) {
    if (rcClip.IsRectEmpty())
        m_area = m_rect;
    else if (!m_area.IntersectRect(&m_rect, &rcClip))
        m_area.SetRectEmpty();
}

int CKXGradientBars::GetCount() const {
    if (m_area.IsRectEmpty()) return 0;
    const long long n = m_bHorizontal ? static_cast<long long>(m_area.right) - m_area.left
                                      : static_cast<long long>(m_area.bottom) - m_area.top;
    return static_cast<int>(std::min<long long>(n, 0x7FFFFFFF));
}

CRect CKXGradientBars::GetBar(int nBar) const {
    if (m_bHorizontal) return CRect(m_area.left + nBar, m_area.top, m_area.left + nBar + 1, m_area.bottom);
    return CRect(m_area.left, m_area.top + nBar, m_area.right, m_area.top + nBar + 1);
}

COLORREF CKXGradientBars::GetColor(int nBar) const {
    // The position is measured from the whole rectangle, not the visible
    // part, so that a partly clipped gradient matches the unclipped one.
    const long long nSpan = std::max<long long>(1, m_bHorizontal ? static_cast<long long>(m_rect.right) - m_rect.left
                                                                 : static_cast<long long>(m_rect.bottom) - m_rect.top);
    const long long nPos = m_bHorizontal ? static_cast<long long>(m_area.left) + nBar - m_rect.left
                                         : static_cast<long long>(m_area.top) + nBar - m_rect.top;
    const float t = 1.0f - static_cast<float>(nPos) / static_cast<float>(nSpan);
    return KXBlendColors(m_clrStart, m_clrEnd, t);
}
