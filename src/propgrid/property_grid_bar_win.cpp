// The grid's toolbar with the two sort buttons, its fonts, and the help
// pane's splitter.
#include "propgrid/property_grid.h"

#include "base/format_strings.h"
#include "core/resource_scope.h"
#include "kxres_ids.h"
#include "propgrid/property_grid_layout.h"

// --- toolbar --------------------------------------------------------------------------------

BOOL CKXPropertyGrid::CreateToolbar(UINT nIDResource) {
    if (GetSafeHwnd() == nullptr) return FALSE;
    if (m_wndToolBar.GetSafeHwnd() != nullptr) m_wndToolBar.DestroyWindow();
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP | CBRS_TOOLTIPS, CRect(0, 0, 0, 0),
                               AFX_IDW_TOOLBAR))
        return FALSE;
    BOOL bLoaded;
    if (nIDResource != 0) {
        bLoaded = m_wndToolBar.LoadToolBar(nIDResource);
    } else {
        CKXResourceScope scope;
        bLoaded = m_wndToolBar.LoadToolBar(IDR_KX_PROPGRID_TOOLBAR);
    }
    if (!bLoaded) {
        m_wndToolBar.DestroyWindow();
        return FALSE;
    }
    m_wndToolBar.SetOwner(this);
    RefreshToolBarButtons();
    return TRUE;
}

void CKXPropertyGrid::ShowToolBar(BOOL bShow) {
    if (bShow && m_wndToolBar.GetSafeHwnd() == nullptr && !CreateToolbar(0)) bShow = FALSE;
    m_bToolBarVisible = bShow;
    if (GetSafeHwnd() == nullptr) return;
    Reposition(0, 0);
    RefreshToolBarButtons();
}

void CKXPropertyGrid::RefreshToolBarButtons() {
    if (m_wndToolBar.GetSafeHwnd() == nullptr) return;
    const eKX_PROPERTYSORT sort = GetPropertySort();
    CToolBarCtrl& ctrl = m_wndToolBar.GetToolBarCtrl();
    ctrl.CheckButton(ID_KX_PROPGRID_CATEGORIZED, sort == KX_SORT_CATEGORIZED);
    ctrl.CheckButton(ID_KX_PROPGRID_ALPHABETIC, sort == KX_SORT_ALPHABETICAL);
}

void CKXPropertyGrid::OnSortCategorized() { m_wndView.SetPropertySort(KX_SORT_CATEGORIZED); }

void CKXPropertyGrid::OnSortAlphabetical() { m_wndView.SetPropertySort(KX_SORT_ALPHABETICAL); }

BOOL CKXPropertyGrid::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    // The sort buttons' tips are the second lines of the library's strings.
    TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    const UINT nID = static_cast<UINT>(pNMHDR->idFrom);
    if ((pTTT->uFlags & TTF_IDISHWND) || nID == 0) return FALSE;
    CString strFull, strTip;
    {
        CKXResourceScope scope;
        strFull.LoadString(nID);
    }
    AfxExtractSubString(strTip, strFull, 1);
    lstrcpynA(pTTT->szText, strTip, static_cast<int>(sizeof pTTT->szText));
    pTTT->lpszText = pTTT->szText;
    *pResult = 0;
    return TRUE;
}

// --- fonts ---------------------------------------------------------------------------------------

void CKXPropertyGrid::SetFont(CFont* pFont, BOOL) {
    LOGFONT lf;
    if (pFont == nullptr || !pFont->GetLogFont(&lf)) return;
    m_wndView.m_fontNormal.DeleteObject();
    m_wndView.m_fontBold.DeleteObject();
    lf.lfWeight = FW_NORMAL;
    m_wndView.m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_wndView.m_fontBold.CreateFontIndirect(&lf);
    if (m_wndView.GetSafeHwnd() == nullptr) return;
    m_wndView.SetFont(&m_wndView.m_fontNormal, FALSE);
    // Rebuilt in the same order: the rows take the new height.
    m_wndView.SetItemHeight(0, static_cast<UINT>(m_wndView.GetRowHeight()));
    m_wndView.SetPropertySort(GetPropertySort(), TRUE);
    RedrawAll();
}

// --- the help pane's splitter -------------------------------------------------------------------

BOOL CKXPropertyGrid::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (nHitTest == HTCLIENT && m_bHelpVisible) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (GetLayout().rcSplitter.PtInRect(pt) && m_hCursorSplit != nullptr) {
            ::SetCursor(m_hCursorSplit);
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CKXPropertyGrid::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bHelpVisible && GetLayout().rcSplitter.PtInRect(point)) {
        TrackHelpSplitter(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CKXPropertyGrid::TrackHelpSplitter(CPoint) {
    CRect rcClient;
    GetClientRect(&rcClient);
    SetCapture();
    // The bar is drawn over the view: children are not clipped meanwhile.
    const DWORD dwClip = GetStyle() & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    ModifyStyle(dwClip, 0);
    int yBar = -1;  // where the bar is drawn; -1 while none is
    auto invertBar = [&](int y) {
        CClientDC dc(this);
        dc.PatBlt(0, y, rcClient.Width(), 3, DSTINVERT);
    };
    BOOL bApply = FALSE;
    for (BOOL bTracking = TRUE; bTracking;) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (GetCapture() != this) break;  // lost: nothing changes
        switch (msg.message) {
        case WM_MOUSEMOVE: {
            const int y = KXClampHelpSplitter(static_cast<short>(HIWORD(msg.lParam)), rcClient.Height());
            if (msg.hwnd != m_hWnd) break;
            if (yBar >= 0) invertBar(yBar);
            yBar = y;
            invertBar(yBar);
            break;
        }
        case WM_LBUTTONUP:
            bApply = msg.hwnd == m_hWnd && yBar >= 0;
            bTracking = FALSE;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) bTracking = FALSE;
            break;
        case WM_CAPTURECHANGED:
            ::DispatchMessageA(&msg);
            bTracking = FALSE;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (yBar >= 0) invertBar(yBar);
    if (GetCapture() == this) ::ReleaseCapture();
    if (bApply) {
        m_nHelpHeight = KXHelpHeightFromSplitter(yBar, rcClient.Height());
        Reposition(0, 0);
    }
    ModifyStyle(0, dwClip);
    Invalidate(FALSE);
}
