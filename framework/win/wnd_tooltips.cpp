// Tool tips of windows: EnableToolTips, OnToolHitTest and the filter that
// keeps the thread's one tip on the tool under the mouse.
#include "win/ctl_common.h"
#include "win/wnd.h"

#include <cstdlib>

namespace {

// The tip follows the mouse messages relayed to it, in the coordinates of
// the window under the point.
void RelayToolTipMessage(CToolTipCtrl* pToolTip, const MSG* pMsg) {
    MSG msg = *pMsg;
    msg.hwnd = reinterpret_cast<HWND>(pToolTip->SendMessage(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&msg.pt)));
    CPoint pt = pMsg->pt;
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ::ScreenToClient(msg.hwnd, &pt);
    msg.lParam = MAKELPARAM(pt.x, pt.y);
    pToolTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

bool IsMouseHover(UINT message) {
    return (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
            message == WM_RBUTTONUP || message == WM_MBUTTONUP) &&
           ::GetKeyState(VK_LBUTTON) >= 0 && ::GetKeyState(VK_RBUTTON) >= 0 && ::GetKeyState(VK_MBUTTON) >= 0;
}

bool CancelsToolTip(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_LBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK || message == WM_NCLBUTTONDOWN ||
           message == WM_NCLBUTTONDBLCLK || message == WM_NCRBUTTONDOWN || message == WM_NCRBUTTONDBLCLK ||
           message == WM_NCMBUTTONDOWN || message == WM_NCMBUTTONDBLCLK;
}

}  // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable) {
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (bEnable) {
        m_nFlags |= WF_TOOLTIPS;
        return TRUE;
    }
    if (!(m_nFlags & WF_TOOLTIPS)) return TRUE;
    if (pState->m_pLastHit == this) CancelToolTips(TRUE);
    if (pState->m_pToolTip && pState->m_pToolTip->m_hWnd && pState->m_pLastHit == this) {
        pState->m_pToolTip->SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&pState->m_lastInfo));
        pState->m_lastInfo.cbSize = 0;
    }
    if (pState->m_pLastHit == this) {
        pState->m_pLastHit = nullptr;
        pState->m_nLastHit = -1;
    }
    m_nFlags &= ~WF_TOOLTIPS;
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const {
    // A disabled child is a tool as well (WindowFromPoint would skip it).
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hWndChild == nullptr || hWndChild == m_hWnd) return -1;
    INT_PTR nHit = ::GetDlgCtrlID(hWndChild);
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
        // Over a control that is not a button the tip centres under it.
        if (!(::SendMessageA(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)) pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
    }
    return nHit;
}

void CWnd::CancelToolTips(BOOL) {
    CToolTipCtrl* pToolTip = AfxGetThreadState()->m_pToolTip;
    if (pToolTip != nullptr && pToolTip->m_hWnd != nullptr) pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

void CWnd::FilterToolTipMessage(MSG* pMsg, CWnd* pWnd) {
    if (pWnd == nullptr || !(pWnd->m_nFlags & WF_TOOLTIPS)) return;
    // Only the nearest window with tool tips (from the message's window up)
    // handles the message.
    CWnd* pHandler = FromHandle(pMsg->hwnd);
    while (pHandler != nullptr && !(pHandler->m_nFlags & WF_TOOLTIPS)) pHandler = pHandler->GetParent();
    if (pHandler != pWnd) return;

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (!IsMouseHover(pMsg->message)) {
        if (CancelsToolTip(pMsg->message)) CancelToolTips(pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST);
        return;
    }

    // One tip per thread, owned by the window that owns the tools.
    CWnd* pOwner = pWnd->GetParentOwner();
    if (pOwner == nullptr) pOwner = pWnd;
    CToolTipCtrl* pToolTip = pState->m_pToolTip;
    if (pToolTip != nullptr && (pToolTip->m_hWnd == nullptr || ::GetWindow(pToolTip->m_hWnd, GW_OWNER) != pOwner->m_hWnd)) {
        pState->m_pToolTip = nullptr;
        if (pToolTip->m_hWnd) pToolTip->DestroyWindow();
        delete pToolTip;
        pToolTip = nullptr;
        pState->m_pLastHit = nullptr;
        pState->m_nLastHit = -1;
        pState->m_lastInfo.cbSize = 0;
    }
    if (pToolTip == nullptr) {
        pToolTip = new CToolTipCtrl;
        if (!pToolTip->Create(pOwner, TTS_ALWAYSTIP)) {
            delete pToolTip;
            return;
        }
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        pState->m_pToolTip = pToolTip;
    }

    CPoint point = pMsg->pt;
    pWnd->ScreenToClient(&point);
    TOOLINFOA tiHit = {};
    tiHit.cbSize = TTTOOLINFOA_V2_SIZE;
    INT_PTR nHit = pWnd->OnToolHitTest(point, &tiHit);
    CWnd* pHitWnd = nHit == -1 ? nullptr : pWnd;
    if (pState->m_nLastHit != nHit || pState->m_pLastHit != pHitWnd) {
        if (nHit != -1) {
            TOOLINFOA ti = tiHit;
            ti.uFlags &= ~(TTF_NOTBUTTON | TTF_ALWAYSTIP);
            VERIFY(pToolTip->SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
            pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
            ::SetWindowPos(pToolTip->m_hWnd, HWND_TOP, 0, 0, 0, 0,
                           SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
        } else {
            pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        }
        RelayToolTipMessage(pToolTip, pMsg);
        // The old tool goes only now, after the tip has seen the message.
        if (pState->m_lastInfo.cbSize >= TTTOOLINFOA_V1_SIZE)
            pToolTip->SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&pState->m_lastInfo));
        pState->m_pLastHit = pHitWnd;
        pState->m_nLastHit = nHit;
        pState->m_lastInfo = nHit != -1 ? tiHit : TOOLINFOA{};
    } else if (nHit != -1) {
        RelayToolTipMessage(pToolTip, pMsg);
    }
    // A hit test may hand out a copy of its text for us to free.
    if (tiHit.lpszText != LPSTR_TEXTCALLBACKA && tiHit.hinst == nullptr && tiHit.lpszText != nullptr) {
        if (pState->m_lastInfo.lpszText == tiHit.lpszText) pState->m_lastInfo.lpszText = LPSTR_TEXTCALLBACKA;
        free(tiHit.lpszText);
    }
}
