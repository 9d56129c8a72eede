// CKXOutBarCtrl: creation, the operations that need the window, the
// measurements, notifications and the plain window messages.
#include "bars/outbar.h"

#include "bars/edit_item.h"
#include "core/aux_data.h"
#include "kxres_ids.h"

IMPLEMENT_DYNCREATE(CKXOutBarCtrl, CWnd)

BEGIN_MESSAGE_MAP(CKXOutBarCtrl, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_DESTROY()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUCHAR()
    ON_COMMAND(ID_KX_OUTBAR_SMALLICON, OnSmallIcon)
    ON_UPDATE_COMMAND_UI(ID_KX_OUTBAR_SMALLICON, OnUpdateSmallIcon)
    ON_COMMAND(ID_KX_OUTBAR_LARGEICON, OnLargeIcon)
    ON_UPDATE_COMMAND_UI(ID_KX_OUTBAR_LARGEICON, OnUpdateLargeIcon)
    ON_COMMAND(ID_KX_OUTBAR_REMOVE, OnRemoveItem)
    ON_COMMAND(ID_KX_OUTBAR_RENAME, OnRenameItem)
END_MESSAGE_MAP()

BOOL CKXOutBarCtrl::s_bLastPressed = FALSE;

CKXOutBarCtrl::CKXOutBarCtrl() : m_penDropMark(PS_SOLID, 1, RGB(0, 0, 0)) {
    const CKXAuxData& aux = CKXAuxData::Get();
    m_clrBack = aux.clrBtnShadow;
    m_clrText = aux.clrWindow;
    SetFontX(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
}

CKXOutBarCtrl::~CKXOutBarCtrl() = default;

// --- creation and flags ----------------------------------------------------------------

BOOL CKXOutBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwFlag) {
    return CreateEx(0, dwStyle, rect, pParentWnd, nID, dwFlag);
}

BOOL CKXOutBarCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                             DWORD dwFlag) {
    if (!CWnd::CreateEx(dwExStyle, nullptr, nullptr, dwStyle, rect, pParentWnd, nID, nullptr)) return FALSE;
    m_dwFlags = dwFlag;
    return TRUE;
}

void CKXOutBarCtrl::ModifyFlag(const DWORD& dwRemove, const DWORD& dwAdd, bool bRedraw) {
    if (dwRemove) m_dwFlags &= ~dwRemove;
    if (dwAdd) m_dwFlags |= dwAdd;
    if (bRedraw && ::IsWindow(m_hWnd)) {
        Invalidate(TRUE);
        UpdateWindow();
    }
}

// --- measurements and notifications --------------------------------------------------------

void CKXOutBarCtrl::GetBarClientRect(CRect& rc) const {
    if (::IsWindow(m_hWnd)) GetClientRect(&rc);
    else rc.SetRectEmpty();
}

void CKXOutBarCtrl::GetImageListInfo(CImageList* pList, CSize& szImage, int& nCount) {
    int cx = 0, cy = 0;
    HIMAGELIST hList = pList->GetSafeHandle();
    if (hList == nullptr || !::ImageList_GetIconSize(hList, &cx, &cy)) cx = cy = 0;
    szImage = CSize(cx, cy);
    nCount = hList ? ::ImageList_GetImageCount(hList) : 0;
}

CSize CKXOutBarCtrl::MeasureLabel(const CString& strText, BOOL bSmall, int nLeft, int nRight) {
    CClientDC dc(::IsWindow(m_hWnd) ? this : nullptr);
    CFont* pOldFont = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
    CSize sz;
    if (bSmall) {
        sz = dc.GetTextExtent(strText);
    } else {
        CRect rc(nLeft, 0, nRight, 0);
        dc.DrawText(strText, &rc, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
        sz = rc.Size();
    }
    if (pOldFont) dc.SelectObject(pOldFont);
    return sz;
}

LRESULT CKXOutBarCtrl::Notify(int nCode, KX_OUTBAR_INFO& info) {
    if (!::IsWindow(m_hWnd)) return 0;
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr || !::IsWindow(pOwner->GetSafeHwnd())) return 0;
    return pOwner->SendMessage(WM_OUTBAR_NOTIFY, static_cast<WPARAM>(nCode), reinterpret_cast<LPARAM>(&info));
}

LRESULT CKXOutBarCtrl::Notify(int nCode, int nIndex, bool bFolder, LPCTSTR lpszText) {
    KX_OUTBAR_INFO info = {nIndex, -1, -1, -1, -1, bFolder, lpszText};
    return Notify(nCode, info);
}

// --- folders and items ------------------------------------------------------------------------

void CKXOutBarCtrl::SetSelFolder(int nIndex) {
    CKXBarFolder* pFolder = GetBarFolder(nIndex);
    if (pFolder == nullptr) return;
    if (Notify(OBN_FOLDERCHANGE, nIndex, true, pFolder->GetName()) != 1) return;
    // The owner may have changed the bar while it was asked.
    pFolder = GetBarFolder(nIndex);
    if (pFolder == nullptr) return;
    if (CWnd* pOld = GetFolderChild(m_nSelFolder); pOld && ::IsWindow(pOld->GetSafeHwnd())) pOld->ShowWindow(SW_HIDE);
    if (nIndex != m_nSelFolder && m_nSelFolder >= 0 && (m_dwFlags & OUTBAR_ANIMATEFOLDERS) &&
        m_nAnimationTickCount >= 0)
        AnimateFolderScroll(m_nSelFolder, nIndex);
    m_nSelFolder = nIndex;
    m_nFirstItem = 0;
    m_nSelItem = -1;
    m_nHotItem = -1;  // an index of the folder that went
    if (!::IsWindow(m_hWnd)) return;
    if (CWnd* pChild = pFolder->GetChild(); pChild && ::IsWindow(pChild->GetSafeHwnd())) {
        CRect rcInside;
        GetInsideRect(rcInside);
        pChild->MoveWindow(rcInside, TRUE);
        pChild->ShowWindow(SW_SHOW);
    }
    Invalidate(TRUE);
}

void CKXOutBarCtrl::RemoveFolder(int nIndex) {
    CKXBarFolder* pFolder = GetBarFolder(nIndex);
    if (pFolder == nullptr) return;
    if (Notify(OBN_FOLDERDELETE, nIndex, true, pFolder->GetName()) != 1) return;
    pFolder = GetBarFolder(nIndex);
    if (pFolder == nullptr) return;
    const int nOldSel = m_nSelFolder;
    if (m_nSelFolder >= nIndex) m_nSelFolder = nIndex - 1;
    if (m_nSelFolder < 0 && GetFolderCount() > 0) m_nSelFolder = 0;
    // The folder shown is another one now: its scroll position and selection start afresh.
    if (nOldSel >= nIndex) {
        m_nFirstItem = 0;
        m_nSelItem = -1;
    }
    m_arrFolder.RemoveAt(nIndex);
    delete pFolder;
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

void CKXOutBarCtrl::RemoveItem(int nIndex) {
    if (!IsValidItem(nIndex)) return;
    if (Notify(OBN_ITEMDELETE, nIndex, false, GetItemText(nIndex)) != 1) return;
    CKXBarFolder* pFolder = GetBarFolder(m_nSelFolder);
    CKXBarItem* pItem = pFolder ? pFolder->RemoveItemAt(nIndex) : nullptr;
    if (pItem == nullptr) return;
    delete pItem;
    if (nIndex == m_nSelItem) m_nSelItem = -1;
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

void CKXOutBarCtrl::RemoveAllItems(int nFolder, bool bNotify) {
    CKXBarFolder* pFolder = GetBarFolder(nFolder);
    if (pFolder == nullptr) return;
    for (int i = pFolder->GetItemCount() - 1; i >= 0; --i) {
        if (bNotify) {
            CKXBarItem* pItem = pFolder->GetItemAt(i);
            if (pItem) Notify(OBN_ITEMDELETE, i, false, pItem->GetName());
            pFolder = GetBarFolder(nFolder);  // the owner may have changed the bar
            if (pFolder == nullptr) break;
        }
        delete pFolder->RemoveItemAt(i);
    }
    if (::IsWindow(m_hWnd)) {
        Invalidate(TRUE);
        UpdateWindow();
    }
}

void CKXOutBarCtrl::SetSelItem(int nFolder, int nIndex) {
    if (GetBarFolder(nFolder) == nullptr) return;
    SetSelFolder(nFolder);
    // A folder change the owner refused selects nothing in the folder shown.
    CKXBarFolder* pFolder = GetBarFolder(nFolder);
    if (m_nSelFolder != nFolder || pFolder == nullptr || nIndex < 0 || nIndex >= pFolder->GetItemCount()) return;
    pFolder->SetSelItem(nIndex);
    m_nSelItem = nIndex;
}

void CKXOutBarCtrl::SetSmallIconView(BOOL bSmall, int nFolder) {
    m_nFirstItem = 0;
    if (nFolder == -1) {
        for (int i = 0; i < GetFolderCount(); ++i) m_arrFolder[i]->SetSmallIcons(bSmall);
        if (bSmall) m_dwFlags |= OUTBAR_SMALLICONS;
        else m_dwFlags &= ~static_cast<DWORD>(OUTBAR_SMALLICONS);
    } else if (CKXBarFolder* pFolder = GetBarFolder(nFolder)) {
        pFolder->SetSmallIcons(bSmall);
    }
    if (::IsWindow(m_hWnd)) {
        CRect rcInside;
        GetInsideRect(rcInside);
        InvalidateRect(rcInside, FALSE);
    }
}

void CKXOutBarCtrl::SetFontX(CFont* pFont) {
    LOGFONTA lf;
    const BOOL bRead = pFont && pFont->GetSafeHandle() && pFont->GetLogFont(&lf) == sizeof(LOGFONTA);
    m_font.DeleteObject();
    if (bRead) m_font.CreateFontIndirect(&lf);
    InvalidateLayout();
}

void CKXOutBarCtrl::SetAnimSelHighlight(int nPeriod) {
    m_nSelAnimPeriod = nPeriod;
    if (!::IsWindow(m_hWnd)) return;
    if (nPeriod <= 0) KillTimer(KX_OUTBAR_TIMER_JIGGLE);
    else SetTimer(KX_OUTBAR_TIMER_JIGGLE, static_cast<UINT>(nPeriod));
}

void CKXOutBarCtrl::SerializeState(CArchive& ar) {
    SerializeModel(ar);
    if (ar.IsLoading() && ::IsWindow(m_hWnd)) Invalidate(TRUE);
}

// --- plain messages -------------------------------------------------------------------------------

BOOL CKXOutBarCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXOutBarCtrl::OnSize(UINT nType, int cx, int cy) {
    m_bUpArrowVisible = m_bDownArrowVisible = FALSE;
    CWnd::OnSize(nType, cx, cy);
    CRect rcInside;
    GetInsideRect(rcInside);
    for (int i = 0; i < GetFolderCount(); ++i) {
        CWnd* pChild = m_arrFolder[i]->GetChild();
        if (pChild && ::IsWindow(pChild->GetSafeHwnd()))
            pChild->SetWindowPos(nullptr, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL CKXOutBarCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_hTrackCursor) {
        ::SetCursor(m_hTrackCursor);
        return TRUE;
    }
    if (pWnd == this && nHitTest == HTCLIENT) {
        const DWORD dwPos = ::GetMessagePos();
        CPoint pt(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
        ScreenToClient(&pt);
        int nIndex = -1;
        if (HitTestEx(pt, nIndex) == OBHT_FOLDER && CKXAuxData::Get().hcurHand) {
            ::SetCursor(CKXAuxData::Get().hcurHand);
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CKXOutBarCtrl::OnDestroy() {
    // The owner hears of every item and folder going; the objects stay
    // until the bar itself is destroyed.
    for (int f = 0; f < GetFolderCount(); ++f) {
        m_nSelFolder = f;
        CKXBarFolder* pFolder = m_arrFolder[f];
        for (int i = 0; i < pFolder->GetItemCount(); ++i)
            Notify(OBN_ITEMDELETE, i, false, pFolder->GetItemAt(i)->GetName());
        Notify(OBN_FOLDERDELETE, f, true, pFolder->GetName());
        if (f >= GetFolderCount() || m_arrFolder[f] != pFolder) break;  // the owner changed the bar
    }
    m_hTrackCursor = nullptr;
    CWnd::OnDestroy();
}

void CKXOutBarCtrl::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == KX_OUTBAR_TIMER_HOVER) {
        const DWORD dwPos = ::GetMessagePos();
        CPoint pt(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
        ScreenToClient(&pt);
        CRect rcClient;
        GetClientRect(&rcClient);
        if (!rcClient.PtInRect(pt)) {
            HighlightFolder(-1);
            HighlightItem(-1, FALSE);
            KillTimer(KX_OUTBAR_TIMER_HOVER);
        }
        return;
    }
    if (nIDEvent == KX_OUTBAR_TIMER_JIGGLE) {
        int dx = 0, dy = 0;
        if (m_nSelItem >= 0 && JiggleStep(m_nAnimStep, dx, dy)) DrawAnimItem(dx, dy, m_nSelItem);
        return;
    }
    CWnd::OnTimer(nIDEvent);
}

// --- context menu commands --------------------------------------------------------------------------

void CKXOutBarCtrl::OnSmallIcon() {
    SetSmallIconView(TRUE, m_nSelFolder);
    Invalidate(TRUE);
}

void CKXOutBarCtrl::OnUpdateSmallIcon(CCmdUI* pCmdUI) { pCmdUI->Enable(!IsSmallIconView(m_nSelFolder)); }

void CKXOutBarCtrl::OnLargeIcon() {
    SetSmallIconView(FALSE, m_nSelFolder);
    Invalidate(TRUE);
}

void CKXOutBarCtrl::OnUpdateLargeIcon(CCmdUI* pCmdUI) { pCmdUI->Enable(IsSmallIconView(m_nSelFolder)); }

void CKXOutBarCtrl::OnRemoveItem() {
    if (m_nMenuHitKind == OBHT_FOLDER) RemoveFolder(m_nMenuHitIndex);
    else if (m_nMenuHitKind == OBHT_ITEM) RemoveItem(m_nMenuHitIndex);
}

void CKXOutBarCtrl::OnRenameItem() {
    if (m_nMenuHitKind == OBHT_FOLDER) StartGroupEdit(m_nMenuHitIndex);
    else if (m_nMenuHitKind == OBHT_ITEM) StartItemEdit(m_nMenuHitIndex);
}
