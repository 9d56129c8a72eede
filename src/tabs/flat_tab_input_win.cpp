// CKXFlatTabCtrl: the mouse, the scroll commands, the gripper drag, the
// cursor, the owner's notifications and the tooltip.
#include "tabs/flat_tab_ctrl.h"

#include "core/aux_data.h"

// --- notifications --------------------------------------------------------------

LRESULT CKXFlatTabCtrl::Notify(UINT nCode) {
    HWND hOwner = GetOwner()->GetSafeHwnd();
    if (hOwner == nullptr) return 0;
    NMHDR nmh = {};
    nmh.hwndFrom = m_hWnd;
    nmh.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nmh.code = nCode;
    return ::SendMessageA(hOwner, WM_NOTIFY, nmh.idFrom, reinterpret_cast<LPARAM>(&nmh));
}

void CKXFlatTabCtrl::SelectByUser(int nIndex) {
    if (nIndex == GetCurSel()) return;
    if (Notify(TCN_SELCHANGING) != 0) return;
    // The owner may have changed the tabs while it was asked.
    if (nIndex >= GetItemCount()) return;
    SetCurSel(nIndex);
    Notify(TCN_SELCHANGE);
}

// --- mouse ----------------------------------------------------------------------

void CKXFlatTabCtrl::OnLButtonDown(UINT, CPoint point) {
    if (m_layout.HasStyle(KX_FTS_HSCROLL) && m_layout.GetGripperRect().PtInRect(point)) {
        SetCapture();
        m_bTracking = true;
        m_nDragOffset = m_layout.GetGripperPosition() - point.x;
        m_hWndPrevFocus = ::SetFocus(m_hWnd);
        return;
    }
    const int k = ButtonHitTest(point);
    if (k >= 0) {
        PressButton(k);
        return;
    }
    // Only the strip holds tabs; the area of the windows is not theirs.
    if (!m_layout.GetStripRect().PtInRect(point)) return;
    const int i = m_layout.HitTest(point.x);
    if (i >= 0) SelectByUser(i);
}

void CKXFlatTabCtrl::OnLButtonDblClk(UINT, CPoint point) {
    const int k = ButtonHitTest(point);
    if (k >= 0) PressButton(k);
}

void CKXFlatTabCtrl::PressButton(int k) {
    if (!m_buttons[k].m_bEnabled) return;
    m_buttons[k].m_bPressed = true;
    InvalidateRect(&m_buttons[k].m_rect, FALSE);
    UpdateWindow();
    SetCapture();
}

void CKXFlatTabCtrl::OnLButtonUp(UINT, CPoint) {
    if (m_bTracking) {
        EndGripperDrag();
        return;
    }
    bool bPressed = false, bPosted = false;
    for (int k = 0; k < m_layout.GetButtonCount(); ++k) {
        CKXFTButtonState& button = m_buttons[k];
        if (!button.m_bPressed) continue;
        bPressed = true;
        if (button.m_bEnabled && !bPosted) {
            PostMessage(WM_COMMAND, MAKEWPARAM(button.m_nCommand, 0), 0);
            bPosted = true;
        }
        button.m_bPressed = false;
        InvalidateRect(&button.m_rect, FALSE);
    }
    if (bPressed && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CKXFlatTabCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_bTracking)
        SetGripperPosition(m_nDragOffset + point.x, false);
    else
        CWnd::OnMouseMove(nFlags, point);
}

void CKXFlatTabCtrl::EndGripperDrag() {
    m_bTracking = false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_hWndPrevFocus != nullptr && ::IsWindow(m_hWndPrevFocus)) ::SetFocus(m_hWndPrevFocus);
    m_hWndPrevFocus = nullptr;
}

BOOL CKXFlatTabCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    // A drag whose capture was taken away ends here.
    if (m_bTracking && ::GetCapture() != m_hWnd) m_bTracking = false;
    if (pWnd->GetSafeHwnd() == m_hWnd && nHitTest == HTCLIENT) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        HCURSOR hSplit = CKXAuxData::Get().hcurSplitH;
        if (hSplit != nullptr && (m_bTracking || m_layout.GetGripperRect().PtInRect(pt))) {
            ::SetCursor(hSplit);
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

// --- scroll commands ------------------------------------------------------------

void CKXFlatTabCtrl::AfterScroll() {
    EnableButtons();
    InvalidateTabs();
}

void CKXFlatTabCtrl::OnScrollLeft() {
    m_layout.ScrollLeft();
    AfterScroll();
}

void CKXFlatTabCtrl::OnScrollRight() {
    m_layout.ScrollRight();
    AfterScroll();
}

void CKXFlatTabCtrl::OnScrollHome() { Home(); }

void CKXFlatTabCtrl::OnScrollEnd() {
    m_layout.ScrollEnd();
    AfterScroll();
}

// --- pre-translation: Escape and the tooltip -----------------------------------

BOOL CKXFlatTabCtrl::PreTranslateMessage(MSG* pMsg) {
    if (::IsWindow(m_wndToolTip.m_hWnd)) UpdateToolTip(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        if (m_bTracking) EndGripperDrag();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CKXFlatTabCtrl::UpdateToolTip(MSG* pMsg) {
    // The tip's own messages (its timers) are its business.
    if (pMsg->hwnd == m_wndToolTip.m_hWnd) return;
    if (pMsg->message == WM_MOUSEMOVE && pMsg->hwnd == m_hWnd) {
        const CPoint pt(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        const int i = m_layout.GetStripRect().PtInRect(pt) ? m_layout.HitTest(pt.x) : -1;
        if (i >= 0) {
            const CString& strTip = m_arrItems[i]->strTip;
            if (strTip != m_strLastTip) {
                m_wndToolTip.UpdateTipText(strTip, this);
                m_strLastTip = strTip;
            }
            m_wndToolTip.RelayEvent(pMsg);
            return;
        }
    }
    m_wndToolTip.Pop();
}
