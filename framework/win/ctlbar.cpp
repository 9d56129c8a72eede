#include "win/ctlbar.h"

#include "base/bar_layout.h"
#include "win/dockbar.h"
#include "win/dockcont.h"
#include "win/dc.h"
#include "win/frame.h"

#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

// While a flyby prompt shows, the bar looks every so often whether the
// mouse has left it.
const UINT_PTR kFlybyTimer = 0xE000;
const UINT kFlybyPeriod = 200;

}  // namespace

void AFX_BARDATA::UpdateSysColors() {
    clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
}

AFX_BARDATA& AfxGetBarData() {
    static AFX_BARDATA data = [] {
        AFX_BARDATA d;
        d.UpdateSysColors();
        return d;
    }();
    return data;
}

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() {
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
    const DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle & CBRS_ALL;
    if (dwOld != m_dwStyle) OnBarStyleChange(dwOld, m_dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
    // Borders and gripper follow the style: the non-client area is measured again.
    const DWORD dwLook = CBRS_BORDER_ANY | CBRS_BORDER_3D | CBRS_GRIPPER | CBRS_FLOATING | CBRS_ALIGN_ANY;
    if (m_hWnd != nullptr && ((dwOldStyle ^ dwNewStyle) & dwLook))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_DRAWFRAME);
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize size;
    if (bStretch) {
        // As long as the screen along the edge, as thick as the borders.
        size.cx = bHorz ? 32767 : m_cxLeftBorder + m_cxRightBorder;
        size.cy = bHorz ? m_cyTopBorder + m_cyBottomBorder : 32767;
    } else {
        size.cx = m_cxLeftBorder + m_cxRightBorder;
        size.cy = m_cyTopBorder + m_cyBottomBorder;
    }
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode) {
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
    const AFX_BARDATA& data = AfxGetBarData();
    const BOOL bFloating = (m_dwStyle & CBRS_FLOATING) != 0;
    // A floating bar's frame is its mini frame: no border lines of its own.
    if (!bFloating) {
        if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += data.cxBorder2;
        if (m_dwStyle & CBRS_BORDER_TOP) rect.top += data.cyBorder2;
        if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= data.cxBorder2;
        if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= data.cyBorder2;
    }
    // The border widths are given for a horizontal bar; a vertical one turns them.
    const int kGripper = 7;  // 2 + 3-pixel bar + 2
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
        if ((m_dwStyle & CBRS_GRIPPER) && !bFloating) rect.left += kGripper;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
        if ((m_dwStyle & CBRS_GRIPPER) && !bFloating) rect.top += kGripper;
    }
}

BOOL CControlBar::IsFloating() const { return m_pDockBar != nullptr && m_pDockBar->m_bFloating; }

BOOL CControlBar::IsVisible() const {
    if (m_nStateFlags & delayHide) return FALSE;
    if ((m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE)) return TRUE;
    return FALSE;
}

CFrameWnd* CControlBar::GetDockingFrame() const {
    if (m_pDockSite != nullptr) return m_pDockSite;
    return GetParentFrame();
}

void CControlBar::DelayShow(BOOL bShow) {
    m_nStateFlags &= ~(delayHide | delayShow);
    if (bShow && !(GetStyle() & WS_VISIBLE))
        m_nStateFlags |= delayShow;
    else if (!bShow && (GetStyle() & WS_VISIBLE))
        m_nStateFlags |= delayHide;
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    // Only the edges and CBRS_FLOAT_MULTI mean anything here.
    ASSERT((dwDockStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) == 0);
    m_dwDockStyle = dwDockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    if (m_pDockContext == nullptr && m_dwDockStyle != 0) m_pDockContext = new CDockContext(this);
    if (m_hWnd != nullptr && m_pDockSite == nullptr) {
        m_pDockSite = GetParentFrame();
        if (m_pDockSite != nullptr) m_pDockSite->AddControlBar(this);
    }
}

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete) delete this;
}

void CControlBar::OnDestroy() {
    // Out of its dock bar and its frame's list before the window goes.
    if (m_pDockBar != nullptr) m_pDockBar->RemoveControlBar(this);
    m_pDockBar = nullptr;
    if (m_pDockSite != nullptr) m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
    CWnd::OnDestroy();
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // What a bar's controls tell their parent goes on to the bar's owner
    // (the frame) unless the bar handles it itself: the bar may sit in a
    // dock bar or a floating frame, far from the window that acts on it.
    switch (message) {
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult)) return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner == nullptr || pOwner->m_hWnd == nullptr || pOwner == this) break;
        lResult = pOwner->SendMessage(message, wParam, lParam);
        // A tip text the owner left empty is the bar's own to give.
        if (message == WM_NOTIFY) {
            const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
            if (pNMHDR->code == TTN_NEEDTEXTA) {
                const TOOLTIPTEXTA* pTTT = reinterpret_cast<const TOOLTIPTEXTA*>(lParam);
                if (pTTT->lpszText == nullptr || (pTTT->lpszText != LPSTR_TEXTCALLBACKA && *pTTT->lpszText == 0))
                    lResult = CWnd::WindowProc(message, wParam, lParam);
            } else if (pNMHDR->code == TTN_NEEDTEXTW) {
                const TOOLTIPTEXTW* pTTT = reinterpret_cast<const TOOLTIPTEXTW*>(lParam);
                if (pTTT->lpszText == nullptr || (pTTT->lpszText != LPSTR_TEXTCALLBACKW && *pTTT->lpszText == 0))
                    lResult = CWnd::WindowProc(message, wParam, lParam);
            }
        }
        return lResult;
    }
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CWnd* CControlBar::GetRoutingTarget() const {
    if (CWnd* pOwner = GetOwner()) return pOwner;
    return GetParent();
}

void CControlBar::OnUpdateCmdUIOutsideFrame(CCmdTarget*, BOOL) {}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    // Shows and hides asked for with DelayShow happen now.
    if (m_nStateFlags & (delayHide | delayShow)) {
        const UINT nFlags = (m_nStateFlags & delayHide) ? SWP_HIDEWINDOW : SWP_SHOWWINDOW;
        const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
        m_nStateFlags &= ~(delayHide | delayShow);
        if ((nFlags == SWP_HIDEWINDOW) == (bVisible != FALSE))
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         nFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Only a visible bar is worth updating (a docked one in a visible dock bar).
    if (!IsWindowVisible()) return 0;
    if (m_pDockBar != nullptr && !m_pDockBar->IsWindowVisible()) return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = pOwner != nullptr && pOwner->IsFrameWnd() ? static_cast<CFrameWnd*>(pOwner) : nullptr;
    if (pTarget == nullptr && m_pDockSite != nullptr) pTarget = m_pDockSite;
    if (pTarget == nullptr) pTarget = GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    else if (CWnd* pWnd = GetRoutingTarget())
        OnUpdateCmdUIOutsideFrame(pWnd, static_cast<BOOL>(wParam));
    return 0;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
    if (!IsVisible() || dwAlign == 0) return 0;  // a hidden bar (or one hidden at idle) takes no space
    CRect avail(lpLayout->rect);
    CSize total(lpLayout->sizeTotal);
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && !IsDockBar()) dwMode |= bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK;
    else if (bHorz) dwMode |= LM_HORZ;
    CSize size = CalcDynamicLayout(-1, dwMode | LM_COMMIT);
    CRect rect = AfxTakeBarEdge(avail, total, size, dwAlign);
    lpLayout->rect = avail;
    lpLayout->sizeTotal = total;
    if (lpLayout->hDWP != nullptr) AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point) {
    // A press away from every item grabs the bar.
    if (m_pDockContext != nullptr && m_pDockSite != nullptr && OnToolHitTest(point, nullptr) == -1) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (m_pDockContext != nullptr && m_pDockSite != nullptr && OnToolHitTest(point, nullptr) == -1) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

int CControlBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    // A floating bar does not take the activation from the frame it works for.
    if (IsFloating()) return MA_NOACTIVATE;
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CControlBar::SetHeightAround(int cyHeight, int cyContent) {
    const AFX_BARDATA& data = AfxGetBarData();
    if (m_dwStyle & CBRS_BORDER_TOP) cyHeight -= data.cyBorder2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) cyHeight -= data.cyBorder2;
    const int cySpace = cyHeight > cyContent ? cyHeight - cyContent : 0;
    m_cyBottomBorder = cySpace / 2;
    m_cyTopBorder = cySpace - m_cyBottomBorder;
    if (GetSafeHwnd() != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    if ((m_dwStyle & CBRS_FLYBY) && pMsg->message == WM_MOUSEMOVE && !(pMsg->wParam & (MK_LBUTTON | MK_RBUTTON))) {
        CPoint point = pMsg->pt;
        ScreenToClient(&point);
        ShowFlyby(OnToolHitTest(point, nullptr));
    }
    return FALSE;
}

void CControlBar::ShowFlyby(INT_PTR nHit) {
    if (nHit == m_nFlybyHit) return;
    m_nFlybyHit = nHit;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != nullptr && pFrame->GetTopLevelFrame() != nullptr) pFrame = pFrame->GetTopLevelFrame();
    if (pFrame != nullptr)
        pFrame->SendMessage(WM_SETMESSAGESTRING, nHit > 0 ? static_cast<WPARAM>(nHit) : AFX_IDS_IDLEMESSAGE);
    if (nHit > 0)
        SetTimer(kFlybyTimer, kFlybyPeriod);
    else
        KillTimer(kFlybyTimer);
}

void CControlBar::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kFlybyTimer) {
        CWnd::OnTimer(nIDEvent);  // the control's own timers
        return;
    }
    CPoint point;
    ::GetCursorPos(&point);
    const HWND hWndUnder = ::WindowFromPoint(point);
    if (hWndUnder != m_hWnd && !::IsChild(m_hWnd, hWndUnder)) ShowFlyby(-1);
}
