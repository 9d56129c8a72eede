#include "tabs/flat_tab_layout.h"

#include <algorithm>
#include <climits>
#include <new>

namespace {

// Metrics and sizes beyond these are no real window's; clamping them keeps
// every sum of a few of them inside int.
constexpr int kMaxMetric = 0x7FFF;
constexpr int kMaxClient = 0x3FFFFFFF;

int Saturate(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

}  // namespace

// --- set-up -------------------------------------------------------------------

void CKXFlatTabLayout::SetMetrics(int cxButton, int cyTab) {
    m_cxButton = std::clamp(cxButton, 0, kMaxMetric);
    m_cyTab = std::clamp(cyTab, 0, kMaxMetric);
}

void CKXFlatTabLayout::SetStyle(UINT nStyle) {
    m_nStyle = nStyle & KX_FTS_ALL;
    if (m_nStyle & KX_FTS_HASHOMEEND) m_nStyle |= KX_FTS_HASARROWS;
}

void CKXFlatTabLayout::SetClientSize(int cx, int cy) {
    m_cxClient = std::clamp(cx, 0, kMaxClient);
    m_cyClient = std::clamp(cy, 0, kMaxClient);
}

// --- tabs ---------------------------------------------------------------------

bool CKXFlatTabLayout::InsertTab(int nIndex, int cxNormal, int cxSelected) {
    if (nIndex < 0 || nIndex > GetCount()) return false;
    try {
        m_cxNormal.reserve(m_cxNormal.size() + 1);
        m_cxSelected.reserve(m_cxSelected.size() + 1);
        m_sumNormal.reserve(m_cxNormal.size() + 1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // Nothing below allocates: the capacity is there.
    if (nIndex <= m_nSel) ++m_nSel;
    m_cxNormal.insert(m_cxNormal.begin() + nIndex, std::max(0, cxNormal));
    m_cxSelected.insert(m_cxSelected.begin() + nIndex, std::max(0, cxSelected));
    m_sumNormal.push_back(0);
    Reindex(nIndex);
    if (m_nSel < 0) m_nSel = 0;
    return true;
}

bool CKXFlatTabLayout::RemoveTab(int nIndex) {
    if (nIndex < 0 || nIndex >= GetCount()) return false;
    m_cxNormal.erase(m_cxNormal.begin() + nIndex);
    m_cxSelected.erase(m_cxSelected.begin() + nIndex);
    m_sumNormal.pop_back();
    Reindex(nIndex);
    return true;
}

bool CKXFlatTabLayout::SetCaptionWidths(int nIndex, int cxNormal, int cxSelected) {
    if (nIndex < 0 || nIndex >= GetCount()) return false;
    m_cxNormal[nIndex] = std::max(0, cxNormal);
    m_cxSelected[nIndex] = std::max(0, cxSelected);
    Reindex(nIndex + 1);
    return true;
}

bool CKXFlatTabLayout::AfterDelete(int nDeleted) {
    if (GetCount() == 0) {
        m_nSel = -1;
    } else if (nDeleted == m_nSel) {
        m_nSel = 0;
        return true;
    } else if (nDeleted < m_nSel) {
        --m_nSel;
    }
    return false;
}

void CKXFlatTabLayout::Reindex(int nFrom) {
    const int n = GetCount();
    if (m_sumNormal.empty()) return;
    long long sum = nFrom > 0 ? m_sumNormal[nFrom - 1] + m_cxNormal[nFrom - 1] : 0;
    for (int i = std::max(nFrom, 0); i < n; ++i) {
        m_sumNormal[i] = sum;
        sum += m_cxNormal[i];
    }
}

// --- measures -----------------------------------------------------------------

long long CKXFlatTabLayout::Cx(int i) const {
    return i == m_nSel ? m_cxSelected[i] : m_cxNormal[i];
}

long long CKXFlatTabLayout::Width(int i) const {
    return Cx(i) + m_cyTab + m_cyTab / 2;
}

long long CKXFlatTabLayout::Start(int i) const {
    // Each tab advances the row by its width less the overlap: cx + h - 2.
    const int n = GetCount();
    long long x = i < n ? m_sumNormal[i] : (n > 0 ? m_sumNormal[n - 1] + m_cxNormal[n - 1] : 0);
    x += static_cast<long long>(i) * (static_cast<long long>(m_cyTab) - 2);
    if (HasSelection() && m_nSel < i) x += m_cxSelected[m_nSel] - m_cxNormal[m_nSel];
    return x;
}

long long CKXFlatTabLayout::HitEnd(int i) const {
    return i + 1 < GetCount() ? Start(i + 1) : Start(i) + Width(i);
}

long long CKXFlatTabLayout::Total() const {
    const int n = GetCount();
    return n == 0 ? 0 : Start(n - 1) + Width(n - 1);
}

int CKXFlatTabLayout::GetCaptionWidth(int i) const {
    return i >= 0 && i < GetCount() ? static_cast<int>(Cx(i)) : 0;
}

int CKXFlatTabLayout::GetTabWidth(int i) const {
    return i >= 0 && i < GetCount() ? Saturate(Width(i)) : 0;
}

int CKXFlatTabLayout::GetTotalTabWidth() const { return Saturate(Total()); }

int CKXFlatTabLayout::GetTabStart(int i) const {
    return i >= 0 && i < GetCount() ? Saturate(Start(i)) : 0;
}

int CKXFlatTabLayout::GetButtonCount() const {
    if (m_nStyle & KX_FTS_HASHOMEEND) return 4;
    return (m_nStyle & KX_FTS_HASARROWS) ? 2 : 0;
}

int CKXFlatTabLayout::GetTabAreaWidth() const {
    const long long right = (m_nStyle & KX_FTS_HSCROLL) ? m_nGripperPos : m_cxClient;
    return Saturate(right - static_cast<long long>(GetArrowAreaWidth()));
}

// --- selection and scrolling --------------------------------------------------

int CKXFlatTabLayout::Select(int nIndex) {
    if (nIndex < 0 || nIndex >= GetCount()) return -1;
    const int nOld = m_nSel;
    m_nSel = nIndex;
    // Bring the tab into view against the arrow area's edge.
    const long long left = Start(nIndex) - m_nOffset;
    const long long right = left + Width(nIndex);
    const long long area = GetTabAreaWidth();
    if (left <= 0)
        m_nOffset = Saturate(m_nOffset + left);
    else if (right > area)
        m_nOffset = Saturate(m_nOffset + right - area);
    return nOld;
}

void CKXFlatTabLayout::ScrollLeft() {
    const int i = HitTest(GetArrowAreaWidth() + GetOverlap() + 1);
    if (i < 0) return;
    m_nOffset = i > 0 ? Saturate(Start(i - 1)) : 0;
}

void CKXFlatTabLayout::ScrollRight() {
    const int i = HitTest(GetArrowAreaWidth() + GetOverlap() + 1);
    if (i >= 0 && i + 1 < GetCount()) m_nOffset = Saturate(Start(i + 1));
}

void CKXFlatTabLayout::ScrollEnd() {
    // The last tab's right end one pixel inside the area; never before the
    // first tab when everything fits.
    m_nOffset = Saturate(std::max<long long>(0, Total() - GetTabAreaWidth() + 1));
}

bool CKXFlatTabLayout::IsRightEnabled() const {
    return Total() - m_nOffset > static_cast<long long>(GetTabAreaWidth()) - 1;
}

// --- rectangles ---------------------------------------------------------------

CRect CKXFlatTabLayout::GetStripRect() const {
    const int top = (m_nStyle & KX_FTS_BOTTOM) ? m_cyClient - m_cyTab : 0;
    return CRect(0, top, m_cxClient, top + m_cyTab);
}

CRect CKXFlatTabLayout::GetWindowRect() const {
    CRect rc = (m_nStyle & KX_FTS_BOTTOM) ? CRect(0, 0, m_cxClient, m_cyClient - m_cyTab)
                                          : CRect(0, m_cyTab, m_cxClient, m_cyClient);
    rc.bottom = std::max(rc.bottom, rc.top);
    return rc;
}

CRect CKXFlatTabLayout::GetButtonRect(int k) const {
    if (k < 0 || k > 3) return CRect();
    const CRect strip = GetStripRect();
    return CRect(k * m_cxButton, strip.top + 1, (k + 1) * m_cxButton, strip.bottom);
}

bool CKXFlatTabLayout::GetItemRect(int i, CRect& rect) const {
    if (i < 0 || i >= GetCount()) return false;
    const CRect strip = GetStripRect();
    const long long x = GetArrowAreaWidth() + Start(i) - m_nOffset;
    rect = CRect(Saturate(x), strip.top, Saturate(x + Width(i)), strip.bottom);
    return true;
}

CRect CKXFlatTabLayout::GetGripperRect() const {
    if (!(m_nStyle & KX_FTS_HSCROLL) || m_nGripperPos < 0) return CRect();
    const CRect strip = GetStripRect();
    return CRect(m_nGripperPos, strip.top, m_nGripperPos + KX_FLATTAB_GRIPPER_WIDTH, strip.bottom);
}

CRect CKXFlatTabLayout::GetScrollBarRect() const {
    if (!(m_nStyle & KX_FTS_HSCROLL) || m_nGripperPos < 0) return CRect();
    CRect rc = GetStripRect();
    if (m_nStyle & KX_FTS_BOTTOM)
        --rc.top;
    else
        ++rc.bottom;
    rc.left = m_nGripperPos + KX_FLATTAB_GRIPPER_WIDTH;
    rc.right = std::max<LONG>(rc.left, m_cxClient - m_cyTab);
    return rc;
}

// --- hit testing --------------------------------------------------------------

int CKXFlatTabLayout::HitTest(int x) const {
    if (x < GetArrowAreaWidth()) return -1;
    if ((m_nStyle & KX_FTS_HSCROLL) && x > m_nGripperPos) return -1;
    const long long xRow = static_cast<long long>(x) - GetArrowAreaWidth() + m_nOffset;
    const int n = GetCount();
    if (!Monotonic()) {
        for (int i = 0; i < n; ++i)
            if (Start(i) <= xRow && xRow <= HitEnd(i)) return i;
        return -1;
    }
    // The hit ranges follow one another: the first whose end reaches x is
    // the only candidate.
    int lo = 0, hi = n;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (HitEnd(mid) >= xRow)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo < n && Start(lo) <= xRow ? lo : -1;
}

int CKXFlatTabLayout::ButtonHitTest(CPoint pt) const {
    for (int k = 0; k < GetButtonCount(); ++k)
        if (GetButtonRect(k).PtInRect(pt)) return k;
    return -1;
}

void CKXFlatTabLayout::GetVisibleTabs(int& nFirst, int& nLast) const {
    const int n = GetCount();
    const long long left = m_nOffset, right = static_cast<long long>(m_nOffset) + GetTabAreaWidth();
    nFirst = nLast = 0;
    if (right <= left || n == 0) return;
    if (!Monotonic()) {
        nFirst = n;
        for (int i = 0; i < n; ++i) {
            if (Start(i) + Width(i) > left && Start(i) < right) {
                nFirst = std::min(nFirst, i);
                nLast = i + 1;
            }
        }
        if (nLast == 0) nFirst = 0;
        return;
    }
    // First tab that ends right of the area's left edge ...
    int lo = 0, hi = n;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (Start(mid) + Width(mid) > left)
            hi = mid;
        else
            lo = mid + 1;
    }
    nFirst = lo;
    // ... up to the first that starts at or beyond its right edge.
    hi = n;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (Start(mid) >= right)
            hi = mid;
        else
            lo = mid + 1;
    }
    nLast = lo;
    if (nLast <= nFirst) nFirst = nLast = 0;
}

// --- gripper ------------------------------------------------------------------

void CKXFlatTabLayout::SetGripperPosition(int nPos, bool bPercent) {
    if (!(m_nStyle & KX_FTS_HSCROLL)) return;
    long long x;
    if (bPercent) {
        x = static_cast<long long>(m_cxClient) * nPos / 100;
        m_nGripperPercent = nPos;
    } else {
        x = nPos;
        // Without a width there is no share to take: the old one stays.
        if (m_cxClient > 0) m_nGripperPercent = Saturate(static_cast<long long>(nPos) * 100 / m_cxClient);
    }
    const long long xMax = static_cast<long long>(m_cxClient) - 4LL * m_cxButton - m_cyTab;
    x = std::min(x, xMax);
    m_nGripperPos = Saturate(std::max<long long>(x, 0));
}
