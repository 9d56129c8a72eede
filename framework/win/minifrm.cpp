#include "win/minifrm.h"

#include "win/dockcont.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

namespace {

const DWORD kFloatStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
const DWORD kFloatExStyle = WS_EX_TOOLWINDOW;

}  // namespace

CMiniFrameWnd::CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT) {
    // The small caption is the system's tool-window caption.
    return CFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nullptr,
                             dwExStyle | WS_EX_TOOLWINDOW);
}

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_SIZING()
    ON_WM_GETMINMAXINFO()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_DESTROYFLOATFRAME, OnDestroyFloatFrame)
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

void CMiniDockFrameWnd::CalcFrameRect(CRect& rect, BOOL bSizable) {
    ::AdjustWindowRectEx(&rect, kFloatStyle | (bSizable ? WS_THICKFRAME : 0), FALSE, kFloatExStyle);
}

BOOL CMiniDockFrameWnd::IsSizable() {
    CControlBar* pBar = GetFirstBar();
    return pBar != nullptr && (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) != 0;
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
    if (!CMiniFrameWnd::CreateEx(kFloatExStyle, nullptr, "", kFloatStyle, CRect(0, 0, 0, 0), pParent)) return FALSE;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | (dwBarStyle & CBRS_ALIGN_ANY), AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    // The bar works for the frame it floats from, not for this one.
    m_wndDockBar.SetOwner(pParent);
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() {
    if (m_wndDockBar.m_rows.rows.empty() || m_wndDockBar.m_rows.rows[0].empty()) return nullptr;
    return static_cast<CControlBar*>(m_wndDockBar.m_rows.rows[0][0].pBar);
}

void CMiniDockFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout || m_wndDockBar.m_hWnd == nullptr) return;
    m_bInRecalcLayout = TRUE;
    CControlBar* pBar = GetFirstBar();
    if (pBar != nullptr && pBar->IsVisible()) {
        // Sizing borders go with the bar's shape.
        const BOOL bSizable = IsSizable();
        if (bSizable != ((GetStyle() & WS_THICKFRAME) != 0))
            ModifyStyle(bSizable ? 0 : WS_THICKFRAME, bSizable ? WS_THICKFRAME : 0, SWP_FRAMECHANGED);
        // The frame fits the bar as it last floated.
        const CSize size = pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
        CRect rect(0, 0, size.cx, size.cy);
        CalcFrameRect(rect, bSizable);
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        m_wndDockBar.m_rectLayout = CRect(0, 0, size.cx, size.cy);
        if (!IsWindowVisible()) ShowWindow(SW_SHOWNOACTIVATE);
    } else if (IsWindowVisible()) {
        ShowWindow(SW_HIDE);  // its bar is hidden: so is the frame
    }
    m_bInRecalcLayout = FALSE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
}

void CMiniDockFrameWnd::OnClose() {
    // Closing a floating bar hides it; the application may show it again.
    if (CControlBar* pBar = GetFirstBar(); pBar != nullptr && pBar->m_pDockSite != nullptr) {
        pBar->m_pDockSite->ShowControlBar(pBar, FALSE, FALSE);
        return;
    }
    ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point) {
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr) {
        pBar->m_pDockContext->StartDrag(point);
        return;
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point) {
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

void CMiniDockFrameWnd::OnSizing(UINT fwSide, LPRECT pRect) {
    CControlBar* pBar = GetFirstBar();
    if (pBar == nullptr || !IsSizable()) {
        CMiniFrameWnd::OnSizing(fwSide, pRect);
        return;
    }
    // The bar's shape for the length the border is dragged to; the frame
    // takes that shape, its other edges staying where they are.
    CRect rectAsked(pRect);
    CRect rectInsets(0, 0, 0, 0);
    CalcFrameRect(rectInsets, TRUE);
    const CSize sizeInsets(rectInsets.Width(), rectInsets.Height());
    const BOOL bByHeight = AfxSizingByHeight(fwSide);
    const int nLength = bByHeight ? rectAsked.Height() - sizeInsets.cy : rectAsked.Width() - sizeInsets.cx;
    const CSize size = pBar->CalcDynamicLayout(std::max(nLength, 0), LM_HORZ | LM_COMMIT | (bByHeight ? LM_LENGTHY : 0));
    *pRect = AfxFitSizingRect(rectAsked, size + sizeInsets, fwSide);
}

void CMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
    CMiniFrameWnd::OnGetMinMaxInfo(lpMMI);
    CRect rect(0, 0, 0, 0);
    CalcFrameRect(rect, (GetStyle() & WS_THICKFRAME) != 0);
    lpMMI->ptMinTrackSize = CPoint(rect.Width(), rect.Height());
}

int CMiniDockFrameWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    // The frame the bar works for stays the active one.
    return MA_NOACTIVATE;
}

LRESULT CMiniDockFrameWnd::OnDestroyFloatFrame(WPARAM, LPARAM) {
    if (m_wndDockBar.GetDockedCount() == 0) DestroyWindow();
    return 0;
}
