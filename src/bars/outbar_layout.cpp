#include "bars/outbar_layout.h"

#include <algorithm>

namespace {

// Stacked positions saturate here, so a folder of absurd items cannot
// overflow the arithmetic that adds rectangles to them.
constexpr long long kFar = 1 << 29;

int Saturate(long long v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); }

}  // namespace

// --- folder buttons and the inside rectangle ---------------------------------------

BOOL CKXOutBarLayout::GetFolderRect(int nIndex, CRect& rc) const {
    const int nCount = GetFolderCount();
    if (nCount == 0 || nIndex < 0 || nIndex >= nCount) return FALSE;
    CRect rcClient;
    GetBarClientRect(rcClient);
    const int h = m_nFolderHeight;
    if (nIndex <= m_nSelFolder)
        rc.SetRect(rcClient.left, rcClient.top + nIndex * h - 1, rcClient.right, rcClient.top + (nIndex + 1) * h - 1);
    else
        rc.SetRect(rcClient.left, rcClient.bottom - (nCount - nIndex) * h, rcClient.right,
                   rcClient.bottom - (nCount - nIndex - 1) * h);
    return TRUE;
}

void CKXOutBarLayout::GetInsideRect(CRect& rc) const {
    GetBarClientRect(rc);
    const int nCount = GetFolderCount();
    if (nCount == 0) return;
    rc.top += (m_nSelFolder + 1) * m_nFolderHeight - 1;
    rc.bottom -= (nCount - m_nSelFolder - 1) * m_nFolderHeight;
}

// --- measuring ---------------------------------------------------------------------------

CKXBarItem* CKXOutBarLayout::ItemAt(int nFolder, int nIndex) {
    const CKXBarFolder* pFolder = GetBarFolder(nFolder);
    if (pFolder == nullptr || nIndex < 0) return nullptr;
    if (m_key.pFolder == pFolder && m_key.nRevision == KXOutBarRevision())
        return nIndex < static_cast<int>(m_items.size()) ? m_items[static_cast<size_t>(nIndex)] : nullptr;
    return pFolder->GetItemAt(nIndex);
}

CSize CKXOutBarLayout::GetItemSize(int nFolder, int nIndex, int nKind) {
    if (GetFolderCount() == 0 || nKind < 1 || nKind > 3) return CSize(0, 0);
    const CKXBarItem* pItem = ItemAt(nFolder, nIndex);
    if (pItem == nullptr) return CSize(0, 0);
    const BOOL bSmall = IsSmallIconView(nFolder);

    CSize szIcon(0, 0);
    if (pItem->GetImage() >= 0 && nKind != 2) {
        if (CImageList* pList = GetFolderImageList(nFolder, bSmall)) {
            CSize szImage;
            int nImages = 0;
            GetImageListInfo(pList, szImage, nImages);
            if (pItem->GetImage() < nImages) szIcon = szImage;
        }
    }
    CSize szLabel(0, 0);
    if (!pItem->GetName().IsEmpty() && nKind != 1) {
        CRect rcInside;
        GetInsideRect(rcInside);
        szLabel = MeasureLabel(pItem->GetName(), bSmall, rcInside.left, rcInside.right);
    }
    if (nKind == 1) return szIcon;
    if (nKind == 2) return szLabel;
    if (bSmall) return CSize(m_nSmallIconTextGap + szLabel.cx + szIcon.cx, std::max(szLabel.cy, szIcon.cy));
    return CSize(std::max(szLabel.cx, szIcon.cx), szIcon.cy + m_nLargeIconTextGap + m_nLargeItemSpacing + szLabel.cy);
}

CKXOutBarLayout::MeasureKey CKXOutBarLayout::CurrentKey(int nFolder) {
    MeasureKey key;
    key.pFolder = GetBarFolder(nFolder);
    key.nRevision = KXOutBarRevision();
    key.nLayoutRevision = m_nLayoutRevision;
    key.bSmall = IsSmallIconView(nFolder);
    CRect rcInside;
    GetInsideRect(rcInside);
    key.nLeft = rcInside.left;
    key.nRight = rcInside.right;
    key.pList = GetFolderImageList(nFolder, key.bSmall);
    if (key.pList) GetImageListInfo(key.pList, key.szImage, key.nImages);
    key.nGap = ItemGap(nFolder);
    key.nSpacing = m_nLargeItemSpacing;
    key.nTextGap = key.bSmall ? m_nSmallIconTextGap : m_nLargeIconTextGap;
    return key;
}

BOOL CKXOutBarLayout::Measure(int nFolder, int nUpTo) {
    const MeasureKey key = CurrentKey(nFolder);
    if (key.pFolder == nullptr) return FALSE;
    if (!(key == m_key)) {
        m_key = key;
        key.pFolder->GetItems(m_items);
        m_whole.clear();
        m_stack.assign(1, 0);
    }
    const int nCount = static_cast<int>(m_items.size());
    nUpTo = std::min(nUpTo, nCount - 1);
    const int nGap = key.nGap;
    for (int k = static_cast<int>(m_whole.size()); k <= nUpTo; ++k) {
        const CSize sz = GetItemSize(nFolder, k, 3);
        m_whole.push_back(sz);
        m_stack.push_back(Saturate(static_cast<long long>(m_stack.back()) + sz.cy + nGap));
    }
    return TRUE;
}

int CKXOutBarLayout::ScrollOffset(int nIndex) const {
    if (nIndex < m_nFirstItem || m_nFirstItem <= 0) return 0;
    return StackTop(std::min(m_nFirstItem, static_cast<int>(m_stack.size()) - 1));
}

BOOL CKXOutBarLayout::Place(int nFolder, int nIndex, CSize& szWhole, int& y) {
    if (nIndex < 0 || !Measure(nFolder, std::max(nIndex, m_nFirstItem))) return FALSE;
    if (nIndex >= static_cast<int>(m_whole.size())) return FALSE;
    CRect rcInside;
    GetInsideRect(rcInside);
    szWhole = m_whole[static_cast<size_t>(nIndex)];
    y = rcInside.top + StackTop(nIndex) - ScrollOffset(nIndex);
    return TRUE;
}

// --- item rectangles -----------------------------------------------------------------------

BOOL CKXOutBarLayout::GetItemRect(int nFolder, int nIndex, CRect& rc) {
    CSize sz;
    int y = 0;
    if (!Place(nFolder, nIndex, sz, y)) {
        rc.SetRectEmpty();
        return FALSE;
    }
    CRect rcInside;
    GetInsideRect(rcInside);
    rc.SetRect(rcInside.left + m_nItemMarginX, y + m_nItemMarginY, rcInside.left + sz.cx, y + sz.cy + m_nItemMarginY);
    if (!IsSmallIconView(nFolder)) {
        rc.left = rcInside.left;
        rc.right = rcInside.right;
    }
    return TRUE;
}

BOOL CKXOutBarLayout::GetIconRect(int nFolder, int nIndex, CRect& rc) {
    CSize sz;
    int y = 0;
    if (!Place(nFolder, nIndex, sz, y)) {
        rc.SetRectEmpty();
        return FALSE;
    }
    CRect rcInside;
    GetInsideRect(rcInside);
    const CSize szIcon = GetItemSize(nFolder, nIndex, 1);
    y += ItemGap(nFolder);
    if (IsSmallIconView(nFolder)) {
        const int x = rcInside.left + m_nItemMarginX + 2;
        rc.SetRect(x, y - m_nItemMarginY, x + szIcon.cx, y + szIcon.cy - m_nItemMarginY);
    } else {
        const int x = rcInside.left + (rcInside.Width() - szIcon.cx) / 2;
        rc.SetRect(x, y - 3, x + szIcon.cx, y + szIcon.cy - 2);
    }
    return TRUE;
}

BOOL CKXOutBarLayout::GetLabelRect(int nFolder, int nIndex, CRect& rc) {
    CSize sz;
    int y = 0;
    if (!Place(nFolder, nIndex, sz, y)) {
        rc.SetRectEmpty();
        return FALSE;
    }
    CRect rcInside;
    GetInsideRect(rcInside);
    y += ItemGap(nFolder);
    if (IsSmallIconView(nFolder)) {
        const int x = rcInside.left + m_nItemMarginX + 2;
        rc.SetRect(x, y + m_nItemMarginY - 5, x + sz.cx, y + sz.cy + m_nItemMarginY - 5);
    } else {
        const int cyLabel = GetItemSize(nFolder, nIndex, 2).cy;
        const int x = rcInside.left + (rcInside.Width() - sz.cx) / 2;
        rc.right = x + sz.cx;
        rc.bottom = y + sz.cy - 2 - m_nLargeItemSpacing;
        rc.top = rc.bottom - cyLabel;
        rc.left = x;
    }
    return TRUE;
}

void CKXOutBarLayout::GetVisibleRange(int nFolder, int& nFirst, int& nLast) {
    nFirst = m_nFirstItem;
    const CKXBarFolder* pFolder = GetBarFolder(nFolder);
    const int nCount = pFolder ? pFolder->GetItemCount() : 0;
    if (nCount == 0 || m_nFirstItem < 0 || m_nFirstItem >= nCount) return;
    CRect rcInside, rc;
    GetInsideRect(rcInside);
    nLast = m_nFirstItem - 1;
    for (int i = m_nFirstItem; i < nCount; ++i) {
        GetItemRect(nFolder, i, rc);
        if (rc.bottom > rcInside.bottom) break;
        nLast = i;
    }
}

// --- hit testing ------------------------------------------------------------------------------

int CKXOutBarLayout::HitTestEx(const CPoint& pt, int& nIndex) {
    const int nFolders = GetFolderCount();
    if (nFolders == 0) return OBHT_NOWHERE;
    if (m_bUpArrowVisible && m_rcUpArrow.PtInRect(pt)) return OBHT_SCROLLUP;
    if (m_bDownArrowVisible && m_rcDownArrow.PtInRect(pt)) return OBHT_SCROLLDOWN;
    CRect rc;
    for (int i = 0; i < nFolders; ++i) {
        if (GetFolderRect(i, rc) && rc.PtInRect(pt)) {
            nIndex = i;
            return OBHT_FOLDER;
        }
    }
    CRect rcInside;
    GetInsideRect(rcInside);
    const int nCount = GetItemCount();
    const BOOL bSmall = IsSmallIconView(m_nSelFolder);
    for (int i = std::max(m_nFirstItem, 0); i < nCount; ++i) {
        if (bSmall) {
            GetItemRect(m_nSelFolder, i, rc);
            if (rc.top > rcInside.bottom) break;
            if (rc.PtInRect(pt)) {
                nIndex = i;
                return OBHT_ITEM;
            }
            continue;
        }
        GetIconRect(m_nSelFolder, i, rc);
        if (rc.top > rcInside.bottom) break;
        if (rc.PtInRect(pt)) {
            nIndex = i;
            return OBHT_ITEM;
        }
        GetLabelRect(m_nSelFolder, i, rc);
        rc.top -= m_nLargeIconTextGap;
        if (rc.top > rcInside.bottom) break;
        if (rc.PtInRect(pt)) {
            nIndex = i;
            return OBHT_ITEM;
        }
    }
    return OBHT_NOWHERE;
}

// --- scrolling and dragging ---------------------------------------------------------------------

void CKXOutBarLayout::LayoutScrollButtons(int nSide) {
    m_bUpArrowVisible = m_bDownArrowVisible = FALSE;
    if (GetFolderCount() == 0) return;
    CRect rcInside;
    GetInsideRect(rcInside);
    const int x = rcInside.right - nSide - 5;
    m_rcUpArrow.SetRect(x, rcInside.top + 5, x + nSide, rcInside.top + 5 + nSide);
    m_rcDownArrow.SetRect(x, rcInside.bottom - nSide - 5, x + nSide, rcInside.bottom - 5);
    const int nCount = GetItemCount();
    int nFirst = 0, nLast = 0;
    GetVisibleRange(m_nSelFolder, nFirst, nLast);
    // The range has a last item only for a scroll position inside the folder.
    const bool bHasLast = nCount > 0 && m_nFirstItem >= 0 && m_nFirstItem < nCount;
    m_bUpArrowVisible = nFirst > 0;
    m_bDownArrowVisible = bHasLast && nLast < nCount - 1;
}

BOOL CKXOutBarLayout::CanScrollDown() {
    const int nCount = GetItemCount();
    CRect rcLast, rcInside;
    if (nCount == 0 || !GetItemRect(m_nSelFolder, nCount - 1, rcLast)) return FALSE;
    GetInsideRect(rcInside);
    return rcLast.bottom > rcInside.bottom;
}

eKX_OUTBAR_DROP CKXOutBarLayout::GetDropTarget(const CPoint& pt, int& nTarget) {
    int nIndex = -1;
    const int nHit = HitTestEx(pt, nIndex);
    if (nHit == OBHT_ITEM) {
        nTarget = nIndex;
        return KX_DROP_ITEM;
    }
    const int nCount = GetItemCount();
    CRect rcLast, rcInside;
    GetInsideRect(rcInside);
    if (nCount > 0 && GetItemRect(m_nSelFolder, nCount - 1, rcLast) && pt.y >= rcLast.bottom &&
        rcInside.PtInRect(pt)) {
        nTarget = nCount;
        return KX_DROP_END;
    }
    if ((m_dwFlags & OUTBAR_DROPONFOLDERS) && nHit == OBHT_FOLDER && nIndex != m_nSelFolder) {
        nTarget = nIndex;
        return KX_DROP_FOLDER;
    }
    return KX_DROP_NONE;
}

int CKXOutBarLayout::GetDragItemRect(int nIndex, CRect& rc) {
    CRect rcInside;
    GetInsideRect(rcInside);
    const int nLeft = rcInside.left + 2, nRight = rcInside.right - 2;
    const int nCount = GetItemCount();
    const bool bPastEnd = nIndex >= nCount;
    CRect rcItem;
    if (!GetItemRect(m_nSelFolder, bPastEnd ? nCount - 1 : nIndex, rcItem))
        rcItem.SetRect(rcInside.left, rcInside.top, rcInside.right, rcInside.top);
    const int y = bPastEnd ? rcItem.bottom + 6 : rcItem.top - 4;
    if (nIndex == 0 && !bPastEnd) {
        rc.SetRect(nLeft, y + 2, nRight, y + 7);
        return 0;
    }
    if (bPastEnd) {
        rc.SetRect(nLeft, y, nRight, y + 5);
        return 2;
    }
    rc.SetRect(nLeft, y - 9, nRight, y);
    if (IsSmallIconView(m_nSelFolder)) rc.OffsetRect(0, 8);
    return 1;
}

CRect CKXOutBarLayout::DropMarkBounds(const CRect& rcMark) {
    const int yMid = rcMark.top + rcMark.Height() / 2;
    return CRect(rcMark.left, yMid - 3, rcMark.right, yMid + 4);
}

bool CKXOutBarLayout::JiggleStep(int& nStep, int& dx, int& dy) {
    if (++nStep > 10) nStep = -1;
    static const int kMoves[4][2] = {{-1, 1}, {0, 0}, {1, 1}, {0, 0}};
    if (nStep < 0 || nStep > 3) return false;
    dx = kMoves[nStep][0];
    dy = kMoves[nStep][1];
    return true;
}

BOOL CKXOutBarLayout::IsItemWhollyVisible(int nIndex) {
    CRect rcItem, rcInside;
    if (GetFolderCount() == 0 || nIndex < m_nFirstItem || !GetItemRect(m_nSelFolder, nIndex, rcItem)) return FALSE;
    GetInsideRect(rcInside);
    return rcItem.top >= rcInside.top && rcItem.bottom <= rcInside.bottom && rcItem.left >= rcInside.left &&
           rcItem.right <= rcInside.right;
}

// --- renaming and tool box rows ------------------------------------------------------------------

CRect CKXOutBarLayout::GetItemEditRect(int nIndex, int cxText) {
    CRect rc, rcIcon, rcInside;
    GetLabelRect(m_nSelFolder, nIndex, rc);
    GetInsideRect(rcInside);
    if (IsSmallIconView(m_nSelFolder)) {
        GetIconRect(m_nSelFolder, nIndex, rcIcon);
        rc.OffsetRect(rcIcon.Width() + 1, -6);
        rc.InflateRect(0, 1);
    } else {
        rc.left = rcInside.left + (rcInside.Width() - cxText) / 2;
        rc.right = rc.left + cxText;
        rc.InflateRect(6, 2);
        rc.OffsetRect(0, -1);
    }
    return rc;
}

CRect CKXOutBarLayout::ClampEditRect(CRect rc, BOOL bSmallView) const {
    CRect rcLimit;
    GetInsideRect(rcLimit);
    rcLimit.DeflateRect(5, 5);
    if (rc.Width() > rcLimit.Width()) {
        rc.right = rcLimit.right;
        if (!bSmallView) rc.left = rcLimit.left;
    }
    return rc;
}

CRect CKXOutBarLayout::FitEditRect(const CRect& rcStart, int cxText, BOOL bSmallView) const {
    CRect rcLimit;
    GetInsideRect(rcLimit);
    rcLimit.DeflateRect(5, 5);
    CRect rc = rcStart;
    const int cxWanted = std::max<int>(rcStart.Width(), cxText + 12);
    if (bSmallView) {
        rc.right = std::min<int>(rc.left + cxWanted, std::max<int>(rcLimit.right, rc.left));
    } else {
        const int cx = std::min<int>(cxWanted, std::max<int>(rcLimit.Width(), 0));
        rc.left = (rcStart.left + rcStart.right - cx) / 2;
        rc.right = rc.left + cx;
        if (rc.left < rcLimit.left) rc.OffsetRect(rcLimit.left - rc.left, 0);
        if (rc.right > rcLimit.right) rc.OffsetRect(rcLimit.right - rc.right, 0);
    }
    return rc;
}

CRect CKXOutBarLayout::ToolBoxRow(const CRect& rcIcon, const CRect& rcInside, int nInset, int nGrow,
                                  BOOL bUpVisible, const CRect& rcUp, BOOL bDownVisible, const CRect& rcDown,
                                  int cxThumb) {
    CRect rc(rcInside.left + nInset, rcIcon.top - nGrow, rcInside.right - nInset, rcIcon.bottom + nGrow);
    auto beside = [&](const CRect& rcButton) { return rc.top < rcButton.bottom && rcButton.top < rc.bottom; };
    if ((bUpVisible && beside(rcUp)) || (bDownVisible && beside(rcDown))) rc.right -= 6 + cxThumb;
    return rc;
}
