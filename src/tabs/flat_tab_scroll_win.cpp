// CKXFlatTabCtrl: the embedded scroll bar, standing in for the horizontal
// scroll bar of the selected tab's window.
#include "tabs/flat_tab_ctrl.h"

CScrollBar* CKXFlatTabCtrl::GetScrollBarCtrl(int nBar) const {
    if (nBar == SB_HORZ && ::IsWindow(m_wndHScroll.m_hWnd)) return const_cast<CScrollBar*>(&m_wndHScroll);
    return CWnd::GetScrollBarCtrl(nBar);
}

void CKXFlatTabCtrl::SyncScrollBar() {
    if (!::IsWindow(m_wndHScroll.m_hWnd)) return;
    HWND hWnd = LiveWindow(GetCurSel());
    if (hWnd == nullptr) return;
    // The window's own bar goes: ours shows its state instead.
    ::ShowScrollBar(hWnd, SB_HORZ, FALSE);
    CWnd::ModifyStyle(hWnd, WS_HSCROLL, 0, SWP_FRAMECHANGED);
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!::GetScrollInfo(hWnd, SB_HORZ, &si)) si = SCROLLINFO{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    if (si.nPage != 0 && static_cast<long long>(si.nMin) + si.nPage < si.nMax) {
        m_wndHScroll.EnableWindow(TRUE);
        si.fMask = SIF_ALL;
        m_wndHScroll.SetScrollInfo(&si, TRUE);
    } else {
        m_wndHScroll.EnableWindow(FALSE);
    }
}

void CKXFlatTabCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar->GetSafeHwnd() == nullptr || pScrollBar->GetSafeHwnd() != m_wndHScroll.m_hWnd) {
        CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    HWND hWnd = LiveWindow(GetCurSel());
    if (hWnd == nullptr) return;
    const int nNewPos = static_cast<int>(nPos);
    if (nSBCode == SB_THUMBPOSITION || nSBCode == SB_THUMBTRACK) {
        // A list view moves by pixels through LVM_SCROLL and ignores a thumb
        // position; other windows ignore the request and take the message.
        const int nDelta = nNewPos - ::GetScrollPos(hWnd, SB_HORZ);
        ::SendMessageA(hWnd, LVM_SCROLL, static_cast<WPARAM>(nDelta), 0);
    }
    // As if from the window's own bar.
    ::SendMessageA(hWnd, WM_HSCROLL, MAKEWPARAM(nSBCode, nNewPos), 0);
    SyncScrollBar();
}

BOOL CKXFlatTabCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    // A column of the selected list view changed width: its range did too.
    if (pNMHDR != nullptr && pNMHDR->code == static_cast<UINT>(HDN_ITEMCHANGEDA)) SyncScrollBar();
    return CWnd::OnNotify(wParam, lParam, pResult);
}
