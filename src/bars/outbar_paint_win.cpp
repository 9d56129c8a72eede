// CKXOutBarCtrl: painting, the hover look, the selection jiggle, the drop
// mark and the sliding folder change.
#include "bars/outbar.h"

#include "core/aux_data.h"
#include "core/color_manager.h"
#include "core/mem_dc.h"

#include <algorithm>

namespace {

const CKXAuxData& Aux() { return CKXAuxData::Get(); }
COLORREF XP(int nIndex) { return Aux().clrXP[nIndex - XPCOLOR_TOOLBAR_FACE]; }

// The longest a frame of the slide may keep the thread: a stored delay is
// not trusted to be sane.
constexpr int kMaxFrameDelay = 1000;

}  // namespace

// --- the whole bar ------------------------------------------------------------------------------

void CKXOutBarCtrl::UpdateColors() {
    const CKXAuxData& aux = Aux();
    if (!m_bCustomBackColor) m_clrBack = aux.bXPLook ? XP(XPCOLOR_TOOLBAR_FACE) : aux.clrBtnShadow;
    if (!m_bCustomTextColor) m_clrText = aux.bXPLook ? aux.clrBtnText : aux.clrWindow;
}

void CKXOutBarCtrl::FillInside(CDC* pDC, const CRect& rcInside) {
    pDC->FillSolidRect(rcInside, m_clrBack);
    if (!Aux().bXPLook) pDC->Draw3dRect(rcInside, Aux().clrWindowFrame, Aux().clrBtnShadow);
}

void CKXOutBarCtrl::DrawBar(CDC* pDC) {
    CRect rcInside, rc;
    GetInsideRect(rcInside);
    const BOOL bItems = GetFolderChild(-1) == nullptr;
    if (bItems) FillInside(pDC, rcInside);
    for (int i = 0; i < GetFolderCount(); ++i)
        if (GetFolderRect(i, rc)) DrawFolder(pDC, i, rc, FOLDER_NORMAL);
    if (!bItems) return;
    LayoutScrollButtons(::GetSystemMetrics(SM_CXVSCROLL));
    if (m_bUpArrowVisible) {
        DrawScrollButton(pDC, m_rcUpArrow, DFC_SCROLL, DFCS_SCROLLUP | (m_bUpArrowPressed ? DFCS_PUSHED : 0));
        pDC->ExcludeClipRect(m_rcUpArrow);
    }
    if (m_bDownArrowVisible) {
        DrawScrollButton(pDC, m_rcDownArrow, DFC_SCROLL, DFCS_SCROLLDOWN | (m_bDownArrowPressed ? DFCS_PUSHED : 0));
        pDC->ExcludeClipRect(m_rcDownArrow);
    }
    if (GetFolderCount() > 0) PaintItems(pDC, m_nSelFolder, rcInside);
}

void CKXOutBarCtrl::PaintInto(CDC* pDC) {
    UpdateColors();
    CRect rcClient;
    GetClientRect(&rcClient);
    CKXMemDC memDC(pDC, rcClient, Aux().clrBtnFace);
    if (!memDC.IsValid()) return;
    const int nSaved = memDC.SaveDC();
    DrawBar(&memDC);
    memDC.RestoreDC(nSaved);
}

void CKXOutBarCtrl::OnPaint() {
    CPaintDC dc(this);
    PaintInto(&dc);
    // The hover look goes on again over the new picture.
    if (m_nHotFolder >= 0) {
        const int n = m_nHotFolder;
        m_nHotFolder = -1;
        HighlightFolder(n);
    }
    if (m_nHotItem >= 0) {
        const int n = m_nHotItem;
        m_nHotItem = -1;
        HighlightItem(n, m_bHotItemDown);
    }
}

LRESULT CKXOutBarCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    if (wParam == 0) return 0;
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    PaintInto(pDC);
    DrawHoverInto(pDC);
    return 0;
}

void CKXOutBarCtrl::DrawHoverInto(CDC* pDC) {
    CRect rc;
    if (m_nHotFolder >= 0 && GetFolderRect(m_nHotFolder, rc)) DrawFolder(pDC, m_nHotFolder, rc, FOLDER_HOT);
    if (!IsValidItem(m_nHotItem)) return;
    const int nSaved = pDC->SaveDC();
    GetInsideRect(rc);
    pDC->IntersectClipRect(rc);
    if (m_bUpArrowVisible) pDC->ExcludeClipRect(m_rcUpArrow);
    if (m_bDownArrowVisible) pDC->ExcludeClipRect(m_rcDownArrow);
    DrawIcon(pDC, m_nSelFolder, m_nHotItem, true);
    pDC->RestoreDC(nSaved);
}

void CKXOutBarCtrl::PaintItems(CDC* pDC, int nFolder, CRect rc) {
    const int nSaved = pDC->SaveDC();
    CRect rcInside, rcItem;
    GetInsideRect(rcInside);
    pDC->IntersectClipRect(rcInside);
    const CKXBarFolder* pFolder = GetBarFolder(nFolder);
    const int nCount = pFolder ? pFolder->GetItemCount() : 0;
    for (int i = std::max(m_nFirstItem, 0); i < nCount; ++i) {
        if (!GetItemRect(nFolder, i, rcItem) || rcItem.top > rc.bottom) break;
        DrawItem(pDC, nFolder, rcItem, i, FALSE);
    }
    pDC->RestoreDC(nSaved);
}

// --- folder buttons -------------------------------------------------------------------------------

void CKXOutBarCtrl::DrawFolder(CDC* pDC, int nIndex, CRect rect, eFOLDER_HILIGHT eHilight) {
    const CKXBarFolder* pFolder = GetBarFolder(nIndex);
    if (pFolder == nullptr || eHilight < FOLDER_NORMAL || eHilight > FOLDER_HOT) return;
    const CKXAuxData& aux = Aux();
    const int nSaved = pDC->SaveDC();
    CPen pen(PS_SOLID, 1, aux.clrBtnShadow);
    pDC->SelectObject(&pen);
    CRect rc = rect;
    pDC->MoveTo(eHilight == FOLDER_PUSHED ? rc.left + 1 : rc.left, rc.top);
    pDC->LineTo(rc.right, rc.top);
    rc.top += 1;
    switch (eHilight) {
    case FOLDER_NORMAL: pDC->Draw3dRect(rc, aux.clrBtnHilite, aux.clrBtnShadow); break;
    case FOLDER_PUSHED: pDC->Draw3dRect(rc, aux.clrWindowFrame, aux.clrBtnHilite); break;
    case FOLDER_HOT: pDC->Draw3dRect(rc, aux.clrBtnHilite, aux.clrWindowFrame); break;
    }
    rc.DeflateRect(1, 1);
    if (eHilight == FOLDER_PUSHED && !aux.bXPLook) {
        pDC->Draw3dRect(rc, aux.clrBtnShadow, aux.clrBtnFace);
        rc.DeflateRect(1, 1);
    }
    pDC->FillSolidRect(rc, aux.clrBtnFace);
    pDC->SetBkMode(TRANSPARENT);
    if (m_font.GetSafeHandle()) pDC->SelectObject(&m_font);
    CRect rcText = rect;
    rcText.DeflateRect(4, 0);
    pDC->DrawText(pFolder->GetName(), rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->RestoreDC(nSaved);
}

// --- items --------------------------------------------------------------------------------------------

CPoint CKXOutBarCtrl::IconOrigin(int nFolder, int nIndex, const CRect& rcItem) {
    CRect rcButton;
    if (!GetFolderRect(nFolder, rcButton)) GetBarClientRect(rcButton);
    const int x0 = rcButton.left + 4, xRight = rcButton.right - 4;
    const CSize szIcon = GetItemSize(nFolder, nIndex, 1);
    if (IsSmallIconView(nFolder)) return CPoint(x0 + 2, rcItem.top + (rcItem.Height() - szIcon.cy) / 2);
    return CPoint(x0 + (xRight - szIcon.cx - x0) / 2, rcItem.top);
}

void CKXOutBarCtrl::DrawItemImage(CDC* pDC, int nFolder, int nIndex, CPoint pt) {
    CImageList* pList = ItemImageList(nFolder);
    const CKXBarItem* pItem = ItemAt(nFolder, nIndex);
    if (pList == nullptr || pItem == nullptr || pItem->GetImage() < 0 || pItem->GetImage() >= pList->GetImageCount())
        return;
    DrawItemIcon(pDC, pt, CKXIconHandle(::ImageList_GetIcon(pList->GetSafeHandle(), pItem->GetImage(), 0)),
                 pItem->IsEnabled());
}

void CKXOutBarCtrl::DrawItem(CDC* pDC, int nFolder, CRect rc, int nIndex, BOOL bOnlyImage) {
    const CKXBarItem* pItem = ItemAt(nFolder, nIndex);
    CImageList* pList = ItemImageList(nFolder);
    if (pItem == nullptr || pList == nullptr) return;  // without an image list nothing shows
    const int nSaved = pDC->SaveDC();
    if (m_font.GetSafeHandle()) pDC->SelectObject(&m_font);
    pDC->SetBkMode(TRANSPARENT);
    if (m_bUpArrowVisible) pDC->ExcludeClipRect(m_rcUpArrow);
    if (m_bDownArrowVisible) pDC->ExcludeClipRect(m_rcDownArrow);
    pDC->SetTextColor(m_clrText);

    CRect rcButton;
    if (!GetFolderRect(nFolder, rcButton)) GetBarClientRect(rcButton);
    const int x0 = rcButton.left + 4, xRight = rcButton.right - 4;
    const CSize szIcon = GetItemSize(nFolder, nIndex, 1);
    DrawItemImage(pDC, nFolder, nIndex, IconOrigin(nFolder, nIndex, rc));
    if (!bOnlyImage) {
        if (IsSmallIconView(nFolder))
            DrawItemText(pDC, CRect(x0 + m_nSmallIconTextGap + szIcon.cx, rc.top, xRight, rc.bottom), pItem->GetName(),
                         DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, pItem->IsEnabled());
        else
            DrawItemText(pDC, CRect(x0, rc.top + szIcon.cy + m_nLargeIconTextGap, xRight, rc.bottom + 4),
                         pItem->GetName(), DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS,
                         pItem->IsEnabled());
    }
    if ((m_dwFlags & OUTBAR_SHOWSELECTION) && nIndex == m_nSelItem && nIndex >= 0 && nFolder == m_nSelFolder) {
        CRect rcIcon;
        GetIconRect(nFolder, nIndex, rcIcon);
        rcIcon.InflateRect(1, 1);
        const CKXAuxData& aux = Aux();
        if (aux.bXPLook) pDC->Draw3dRect(rcIcon, aux.clrHilite, aux.clrHilite);
        else pDC->Draw3dRect(rcIcon, aux.clrWindowFrame, aux.clrBtnFace);
    }
    pDC->RestoreDC(nSaved);
}

void CKXOutBarCtrl::DrawItemIcon(CDC* pDC, CPoint pt, CKXIconHandle hIcon, BOOL bEnabled) {
    if (static_cast<HICON>(hIcon) == nullptr) return;
    if (bEnabled) {
        pDC->DrawState(pt, CSize(0, 0), static_cast<HICON>(hIcon), DSS_NORMAL, static_cast<HBRUSH>(nullptr));
    } else if (Aux().bXPLook) {
        CBrush brush(Aux().clrBtnShadow);
        pDC->DrawState(pt, CSize(0, 0), static_cast<HICON>(hIcon), DSS_MONO, &brush);
    } else {
        pDC->DrawState(pt, CSize(0, 0), static_cast<HICON>(hIcon), DSS_DISABLED, static_cast<HBRUSH>(nullptr));
    }
}

void CKXOutBarCtrl::DrawItemText(CDC* pDC, CRect rc, CString strText, UINT nFormat, BOOL bEnabled) {
    if (!bEnabled) {
        if (!Aux().bXPLook) {  // engraved: a light copy one pixel down and right
            pDC->SetTextColor(Aux().clrWindow);
            CRect rcLight = rc;
            rcLight.OffsetRect(1, 1);
            pDC->DrawText(strText, rcLight, nFormat);
        }
        pDC->SetTextColor(Aux().clrBtnShadow);
    }
    pDC->DrawText(strText, rc, nFormat);
}

void CKXOutBarCtrl::DrawIcon(CDC* pDC, int nFolder, int nIndex, bool bFrame) {
    CRect rc, rcItem;
    if (!GetIconRect(nFolder, nIndex, rc) || !GetItemRect(nFolder, nIndex, rcItem)) return;
    if (IsSmallIconView(nFolder)) rc.InflateRect(1, 1, 0, 0);
    else rc.InflateRect(1, 1);
    pDC->FillSolidRect(rc, m_clrBack);
    if (bFrame) {
        const CKXAuxData& aux = Aux();
        if (aux.bXPLook) {
            pDC->FillSolidRect(rc, XP(m_bHotPressed ? XPCOLOR_HIGHLIGHT_PUSHED : XPCOLOR_HIGHLIGHT));
            pDC->Draw3dRect(rc, aux.clrHilite, aux.clrHilite);
        } else if (m_bHotPressed) {
            pDC->Draw3dRect(rc, aux.clrWindowFrame, aux.clrBtnFace);
        } else {
            pDC->Draw3dRect(rc, aux.clrBtnFace, aux.clrWindowFrame);
        }
    }
    DrawItemImage(pDC, nFolder, nIndex, IconOrigin(nFolder, nIndex, rcItem));
}

void CKXOutBarCtrl::DrawScrollButton(CDC* pDC, CRect rc, UINT nType, UINT nState) {
    pDC->DrawFrameControl(rc, nType, nState);
}

// --- hover ----------------------------------------------------------------------------------------------

BOOL CKXOutBarCtrl::ChildHasFocus() const {
    HWND hFocus = ::GetFocus();
    return hFocus && ::IsChild(m_hWnd, hFocus);
}

void CKXOutBarCtrl::HighlightFolder(int nIndex) {
    if (!::IsWindow(m_hWnd) || ChildHasFocus() || nIndex == m_nHotFolder) return;
    CClientDC dc(this);
    CRect rc;
    if (m_nHotFolder >= 0 && GetFolderRect(m_nHotFolder, rc)) DrawFolder(&dc, m_nHotFolder, rc, FOLDER_NORMAL);
    if (nIndex >= 0 && GetFolderRect(nIndex, rc)) DrawFolder(&dc, nIndex, rc, FOLDER_HOT);
    m_nHotFolder = nIndex;
}

void CKXOutBarCtrl::HighlightItem(int nIndex, BOOL bPressed) {
    if (!::IsWindow(m_hWnd) || ChildHasFocus()) return;
    if (nIndex == m_nHotItem && bPressed == s_bLastPressed) return;
    if (nIndex >= 0) {
        const CKXBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex);
        if (pItem && !pItem->IsEnabled()) return;
    }
    s_bLastPressed = bPressed;
    m_bHotPressed = FALSE;
    // Only an item about to be drawn hot is announced; leaving is not.
    if (nIndex >= 0 && Notify(OBN_ITEMHOVER, nIndex, false, GetItemText(nIndex)) != 1) return;

    CClientDC dc(this);
    CRect rcInside;
    GetInsideRect(rcInside);
    dc.IntersectClipRect(rcInside);
    if (m_bUpArrowVisible) dc.ExcludeClipRect(m_rcUpArrow);
    if (m_bDownArrowVisible) dc.ExcludeClipRect(m_rcDownArrow);
    UpdateColors();
    if (IsValidItem(m_nHotItem)) DrawIcon(&dc, m_nSelFolder, m_nHotItem, false);
    const bool bSelected = nIndex == m_nSelItem;
    if (bSelected && (m_nSelAnimPeriod > 0 || (m_dwFlags & OUTBAR_SHOWSELECTION))) {
        m_nHotItem = -1;  // the selected item is not hot-tracked
        return;
    }
    m_nHotItem = nIndex;
    m_bHotPressed = bPressed;
    if (IsValidItem(nIndex)) DrawIcon(&dc, m_nSelFolder, nIndex, true);
}

// --- selection jiggle ----------------------------------------------------------------------------------------

void CKXOutBarCtrl::DrawAnimItem(int dx, int dy, int nIndex) {
    if (!::IsWindow(m_hWnd) || !IsItemWhollyVisible(nIndex)) return;
    CRect rcIcon, rcItem;
    GetIconRect(m_nSelFolder, nIndex, rcIcon);
    GetItemRect(m_nSelFolder, nIndex, rcItem);
    CClientDC dc(this);
    CRect rcCell = rcIcon;
    rcCell.InflateRect(1, 1, 2, 2);
    dc.FillSolidRect(rcCell, Aux().clrBtnShadow);
    DrawItemImage(&dc, m_nSelFolder, nIndex, IconOrigin(m_nSelFolder, nIndex, rcItem) + CPoint(dx, dy));
}

// --- drop mark ---------------------------------------------------------------------------------------------------

void CKXOutBarCtrl::DrawDragArrow(CDC* pDC, int, int nTo) {
    if (nTo == m_nDropMarkIndex) return;
    CRect rc;
    if (m_nDropMarkIndex >= 0) {
        GetDragItemRect(m_nDropMarkIndex, rc);
        InvalidateRect(DropMarkBounds(rc), TRUE);
        UpdateWindow();
    }
    m_nDropMarkIndex = nTo;
    if (nTo < 0 || pDC == nullptr) return;
    m_nDropMarkKind = GetDragItemRect(nTo, rc);
    const int nSaved = pDC->SaveDC();
    pDC->SelectObject(&m_penDropMark);
    const int y = DropMarkBounds(rc).top + 3;
    pDC->MoveTo(rc.left, y);
    pDC->LineTo(rc.right, y);
    for (int k = 0; k < 3; ++k) {  // arrow heads of 7, 5 and 3 pixels, pointing inward
        const int h = 3 - k;
        pDC->MoveTo(rc.left + k, y - h);
        pDC->LineTo(rc.left + k, y + h + 1);
        pDC->MoveTo(rc.right - 1 - k, y - h);
        pDC->LineTo(rc.right - 1 - k, y + h + 1);
    }
    pDC->RestoreDC(nSaved);
}

// --- sliding folder change ------------------------------------------------------------------------------------

void CKXOutBarCtrl::RenderState(CDC* pDC, const CRect& rcClient) {
    pDC->FillSolidRect(rcClient, Aux().clrBtnFace);
    const int nSaved = pDC->SaveDC();
    DrawBar(pDC);
    pDC->RestoreDC(nSaved);
    CWnd* pChild = GetFolderChild(-1);
    if (pChild == nullptr || !::IsWindow(pChild->GetSafeHwnd())) return;
    // The child draws itself where it will show, at the size it will have.
    CRect rcInside, rcChild;
    GetInsideRect(rcInside);
    pChild->GetWindowRect(&rcChild);
    if (rcChild.Size() != rcInside.Size())
        pChild->SetWindowPos(nullptr, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    const int nChildSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rcInside);
    pDC->SetViewportOrg(rcInside.left, rcInside.top);
    pChild->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()));
    pChild->SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()));
    pDC->RestoreDC(nChildSaved);
}

void CKXOutBarCtrl::AnimateFolderScroll(int nFrom, int nTo) {
    const int nCount = GetFolderCount();
    if (!::IsWindow(m_hWnd) || !IsWindowVisible() || nFrom == nTo || nFrom < 0 || nTo < 0 || nFrom >= nCount ||
        nTo >= nCount)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    CClientDC dc(this);
    CDC dcOld, dcNew;
    CBitmap bmOld, bmNew;
    if (!dcOld.CreateCompatibleDC(&dc) || !dcNew.CreateCompatibleDC(&dc) ||
        !bmOld.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height()) ||
        !bmNew.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height()))
        return;
    CBitmap* pOldOld = dcOld.SelectObject(&bmOld);
    CBitmap* pOldNew = dcNew.SelectObject(&bmNew);

    UpdateColors();
    const int nSel = m_nSelFolder, nFirst = m_nFirstItem, nSelItem = m_nSelItem;
    const BOOL bUp = m_bUpArrowVisible, bDown = m_bDownArrowVisible;
    m_nSelFolder = nFrom;
    RenderState(&dcOld, rcClient);
    m_nSelFolder = nTo;
    m_nFirstItem = 0;
    m_nSelItem = -1;
    RenderState(&dcNew, rcClient);
    m_nSelFolder = nSel;
    m_nFirstItem = nFirst;
    m_nSelItem = nSelItem;
    m_bUpArrowVisible = bUp;
    m_bDownArrowVisible = bDown;

    // The band that moves: the buttons between the two folders and the
    // content under them.  It travels the inside rectangle's height.
    const int h = std::max(m_nFolderHeight, 1), cx = rcClient.Width();
    const int nDistance = rcClient.Height() - nCount * m_nFolderHeight + 1;
    const int nDelay = std::min(m_nAnimationTickCount, kMaxFrameDelay);
    const BOOL bRising = nTo > nFrom;  // the new folder lies below: its band rises
    const int yTop = rcClient.top + ((bRising ? nFrom : nTo) + 1) * m_nFolderHeight - 1;
    const int yBottom = rcClient.bottom - (nCount - (bRising ? nTo : nFrom) - 1) * m_nFolderHeight;
    for (int nMoved = h;; nMoved += h) {
        const int p = std::min(nMoved, std::max(nDistance, 0));
        if (bRising) {
            const int d = nDistance - p;  // how far the new band still is from its place
            dc.BitBlt(0, yTop, cx, d, &dcOld, 0, yTop, SRCCOPY);
            dc.BitBlt(0, yTop + d, cx, yBottom - yTop - d, &dcNew, 0, yTop, SRCCOPY);
        } else {
            dc.BitBlt(0, yTop, cx, p, &dcNew, 0, yTop, SRCCOPY);
            dc.BitBlt(0, yTop + p, cx, yBottom - yTop - p, &dcOld, 0, yTop, SRCCOPY);
        }
        ::GdiFlush();
        if (p >= nDistance) break;
        if (nDelay > 0) ::Sleep(static_cast<DWORD>(nDelay));
    }
    dcOld.SelectObject(pOldOld);
    dcNew.SelectObject(pOldNew);
}
