#include "propgrid/property_grid_tooltip.h"

#include "core/mem_dc.h"
#include "core/work_area.h"
#include "propgrid/property_grid_layout.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridToolTip, CWnd)

BEGIN_MESSAGE_MAP(CKXPropertyGridToolTip, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

void CKXPropertyGridToolTip::Show(CWnd* pOwner, const CString& strText, CFont* pFont, CPoint ptText, int cyRow) {
    if (GetSafeHwnd() == nullptr) {
        if (pOwner == nullptr || pOwner->GetSafeHwnd() == nullptr) return;
        LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW));
        if (!CreateEx(WS_EX_TOOLWINDOW, lpszClass, nullptr, WS_POPUP, 0, 0, 0, 0, pOwner->m_hWnd, nullptr)) return;
    }
    m_pFont = pFont;
    SetWindowText(strText);
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(m_pFont);
    const int cx = dc.GetTextExtent(strText).cx;
    dc.SelectObject(pOld);
    CRect rc(ptText.x - kTextInset, ptText.y, ptText.x + cx + kTextInset, ptText.y + cyRow);
    rc = KXFitTipToWorkArea(rc, KXGetWorkArea(rc));
    SetWindowPos(&wndTop, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate(FALSE);
}

void CKXPropertyGridToolTip::Hide() {
    if (IsShown()) ShowWindow(SW_HIDE);
}

void CKXPropertyGridToolTip::Paint(CDC& dc) {
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(&dc, rc, ::GetSysColor(COLOR_INFOBK));
    if (!memDC.IsValid()) return;
    CBrush frame(::GetSysColor(COLOR_INFOTEXT));
    memDC.FrameRect(&rc, &frame);
    CString strText;
    GetWindowText(strText);
    CFont* pOld = m_pFont != nullptr ? memDC.SelectObject(m_pFont) : nullptr;
    memDC.SetBkMode(TRANSPARENT);
    memDC.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    CRect rcText(kTextInset, 0, rc.right, rc.bottom);
    memDC.DrawText(strText, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    if (pOld != nullptr) memDC.SelectObject(pOld);
}

void CKXPropertyGridToolTip::OnPaint() {
    CPaintDC dc(this);
    Paint(dc);
}

LRESULT CKXPropertyGridToolTip::OnPrintClient(WPARAM wParam, LPARAM) {
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) Paint(*pDC);
    return 0;
}

BOOL CKXPropertyGridToolTip::OnEraseBkgnd(CDC*) { return TRUE; }

// The mouse goes through to the view under the tip.
LRESULT CKXPropertyGridToolTip::OnNcHitTest(CPoint) { return HTTRANSPARENT; }
