#include "base/dock_layout.h"

#include <algorithm>

namespace {

// The across extent a row took in the last layout (empty when none of its
// bars showed).
bool RowExtent(const std::vector<CDockRows::Slot>& row, int& top, int& bottom) {
    bool bAny = false;
    for (const CDockRows::Slot& s : row) {
        if (!s.bVisible || s.rect.IsRectEmpty()) continue;
        top = bAny ? std::min(top, static_cast<int>(s.rect.top)) : static_cast<int>(s.rect.top);
        bottom = bAny ? std::max(bottom, static_cast<int>(s.rect.bottom)) : static_cast<int>(s.rect.bottom);
        bAny = true;
    }
    return bAny;
}

}  // namespace

void CDockRows::Insert(void* pBar, CSize size, const CRect* pRect) {
    Remove(pBar);
    Slot slot;
    slot.pBar = pBar;
    slot.size = size;
    if (pRect == nullptr) {
        rows.push_back({slot});
        return;
    }
    slot.nPos = std::max(0, static_cast<int>(pRect->left));
    const int mid = (pRect->top + pRect->bottom) / 2;
    for (size_t r = 0; r < rows.size(); ++r) {
        int top = 0, bottom = 0;
        if (!RowExtent(rows[r], top, bottom)) continue;
        if (mid < top) {
            // Before this row (and after the one before, if any): a row of its own.
            rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(r), std::vector<Slot>{slot});
            return;
        }
        if (mid < bottom) {
            std::vector<Slot>& row = rows[r];
            auto it = std::find_if(row.begin(), row.end(), [&](const Slot& s) {
                const int start = s.bVisible && !s.rect.IsRectEmpty() ? static_cast<int>(s.rect.left) : s.nPos;
                return start >= slot.nPos;
            });
            row.insert(it, slot);
            return;
        }
    }
    rows.push_back({slot});
}

bool CDockRows::Remove(void* pBar) {
    for (size_t r = 0; r < rows.size(); ++r) {
        std::vector<Slot>& row = rows[r];
        auto it = std::find_if(row.begin(), row.end(), [&](const Slot& s) { return s.pBar == pBar; });
        if (it == row.end()) continue;
        row.erase(it);
        if (row.empty()) rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(r));
        return true;
    }
    return false;
}

CDockRows::Slot* CDockRows::Find(void* pBar) {
    for (std::vector<Slot>& row : rows)
        for (Slot& s : row)
            if (s.pBar == pBar) return &s;
    return nullptr;
}

int CDockRows::GetCount() const {
    int n = 0;
    for (const std::vector<Slot>& row : rows) n += static_cast<int>(row.size());
    return n;
}

int CDockRows::GetVisibleCount() const {
    int n = 0;
    for (const std::vector<Slot>& row : rows)
        for (const Slot& s : row) n += s.bVisible ? 1 : 0;
    return n;
}

int CDockRows::Layout(int nLength) {
    int across = 0;
    for (std::vector<Slot>& row : rows) {
        int thickness = 0, end = 0;
        std::vector<Slot*> shown;
        for (Slot& s : row) {
            s.rect.SetRectEmpty();
            if (!s.bVisible) continue;
            const int start = std::max(s.nPos, end);
            s.rect = CRect(start, across, start + s.size.cx, across + s.size.cy);
            end = s.rect.right;
            thickness = std::max(thickness, static_cast<int>(s.size.cy));
            shown.push_back(&s);
        }
        // Past the end: pull the bars back from the last, no further than the
        // bars before them need.
        int minStart = 0;
        std::vector<int> minStarts;
        for (Slot* s : shown) {
            minStarts.push_back(minStart);
            minStart += s->size.cx;
        }
        int limit = std::max(nLength, minStart);
        for (size_t i = shown.size(); i-- > 0;) {
            Slot* s = shown[i];
            if (s->rect.right > limit) {
                const int start = std::max(minStarts[i], limit - static_cast<int>(s->size.cx));
                s->rect.OffsetRect(start - s->rect.left, 0);
            }
            limit = s->rect.left;
        }
        across += thickness;
    }
    return across;
}

DWORD AfxChooseDockEdge(const CRect rectEdges[4], DWORD dwAllowed, const CRect& rectHorz, const CRect& rectVert) {
    static const DWORD kEdges[4] = {0x2000 /*top*/, 0x8000 /*bottom*/, 0x1000 /*left*/, 0x4000 /*right*/};
    for (int i = 0; i < 4; ++i) {
        if (!(dwAllowed & kEdges[i])) continue;
        CRect edge = rectEdges[i];
        if (edge.Width() <= 0) edge.right = edge.left + 1;
        if (edge.Height() <= 0) edge.bottom = edge.top + 1;
        const CRect& outline = i < 2 ? rectHorz : rectVert;
        CRect meet;
        if (meet.IntersectRect(&edge, &outline)) return kEdges[i];
    }
    return 0;
}

namespace {

// A rectangle of `size` with its corner where the bar's is, moved so that
// pt falls inside it (at its centre along each side that is too short).
CRect OutlineAround(CPoint pt, const CRect& rectBar, CSize size) {
    CRect rect(rectBar.TopLeft(), size);
    if (pt.x < rect.left || pt.x >= rect.right) rect.OffsetRect(pt.x - size.cx / 2 - rect.left, 0);
    if (pt.y < rect.top || pt.y >= rect.bottom) rect.OffsetRect(0, pt.y - size.cy / 2 - rect.top);
    return rect;
}

}  // namespace

void CDockDragTracker::Start(CPoint ptStart, const CRect& rectBar, CSize sizeHorz, CSize sizeVert, CSize sizeFloat) {
    m_ptLast = ptStart;
    m_rectHorz = OutlineAround(ptStart, rectBar, sizeHorz);
    m_rectVert = OutlineAround(ptStart, rectBar, sizeVert);
    m_rectFloat = OutlineAround(ptStart, rectBar, sizeFloat);
    m_dwEdge = 0;
}

void CDockDragTracker::Move(CPoint pt, bool bNoDock, const CRect rectEdges[4], DWORD dwAllowed) {
    const CSize delta = pt - m_ptLast;
    m_ptLast = pt;
    m_rectHorz.OffsetRect(delta.cx, delta.cy);
    m_rectVert.OffsetRect(delta.cx, delta.cy);
    m_rectFloat.OffsetRect(delta.cx, delta.cy);
    m_dwEdge = bNoDock ? 0 : AfxChooseDockEdge(rectEdges, dwAllowed, m_rectHorz, m_rectVert);
}

CRect CDockDragTracker::GetOutline() const {
    if (m_dwEdge & 0xA000) return m_rectHorz;  // top or bottom
    if (m_dwEdge & 0x5000) return m_rectVert;  // left or right
    return m_rectFloat;
}

namespace {

enum : unsigned { kSideLeft = 1, kSideRight, kSideTop, kSideTopLeft, kSideTopRight, kSideBottom, kSideBottomLeft,
                  kSideBottomRight };

}  // namespace

bool AfxSizingByHeight(unsigned fwSide) { return fwSide == kSideTop || fwSide == kSideBottom; }

CRect AfxFitSizingRect(const CRect& rectAsked, CSize sizeFrame, unsigned fwSide) {
    CRect rect = rectAsked;
    const bool bLeft = fwSide == kSideLeft || fwSide == kSideTopLeft || fwSide == kSideBottomLeft;
    const bool bTop = fwSide == kSideTop || fwSide == kSideTopLeft || fwSide == kSideTopRight;
    if (bLeft)
        rect.left = rect.right - sizeFrame.cx;
    else
        rect.right = rect.left + sizeFrame.cx;
    if (bTop)
        rect.top = rect.bottom - sizeFrame.cy;
    else
        rect.bottom = rect.top + sizeFrame.cy;
    return rect;
}
