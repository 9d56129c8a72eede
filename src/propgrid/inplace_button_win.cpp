#include "core/mem_dc.h"
#include "propgrid/property_grid_inplace.h"
#include "propgrid/property_grid_layout.h"
#include "propgrid/property_grid_paint.h"
#include "propgrid/property_grid_view.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridInplaceButton, CButton)

BEGIN_MESSAGE_MAP(CKXPropertyGridInplaceButton, CButton)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CKXPropertyGridInplaceButton::HideWindow() {
    if (GetSafeHwnd() != nullptr) ShowWindow(SW_HIDE);
}

void CKXPropertyGridInplaceButton::Create(CKXPropertyGridItem* pItem, CRect rect) {
    m_pItem = pItem;
    m_pGrid = pItem != nullptr ? pItem->m_pGrid : nullptr;
    if (m_pGrid == nullptr || m_pGrid->GetSafeHwnd() == nullptr) return;
    const CRect rc = KXInplaceButtonRect(rect);
    // Owner-drawn so that the platform never paints it; the painter does.
    if (GetSafeHwnd() == nullptr && !CButton::Create("", WS_CHILD | BS_OWNERDRAW, rc, m_pGrid, kControlID)) return;
    m_bPressed = m_bOver = FALSE;
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate(FALSE);
}

void CKXPropertyGridInplaceButton::DestroyItem() {
    m_pItem = nullptr;
    m_pGrid = nullptr;
    m_bPressed = m_bOver = FALSE;
    HideWindow();
}

// --- painting ------------------------------------------------------------------------

void CKXPropertyGridInplaceButton::Paint(CDC& dc) {
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(&dc, rc, ::GetSysColor(COLOR_BTNFACE));
    if (!memDC.IsValid() || m_pGrid == nullptr) return;
    if (CKXPropertyGridPaintManager* pPainter = m_pGrid->GetPaintManager()) pPainter->FillInplaceButton(&memDC, this);
}

void CKXPropertyGridInplaceButton::OnPaint() {
    CPaintDC dc(this);
    Paint(dc);
}

LRESULT CKXPropertyGridInplaceButton::OnPrintClient(WPARAM wParam, LPARAM) {
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) Paint(*pDC);
    return 0;
}

BOOL CKXPropertyGridInplaceButton::OnEraseBkgnd(CDC*) { return TRUE; }

// --- mouse and keys --------------------------------------------------------------------

UINT CKXPropertyGridInplaceButton::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

void CKXPropertyGridInplaceButton::OnLButtonDown(UINT, CPoint) {
    m_bPressed = m_bOver = TRUE;
    SetCapture();
    Invalidate(FALSE);
}

void CKXPropertyGridInplaceButton::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void CKXPropertyGridInplaceButton::OnMouseMove(UINT, CPoint point) {
    if (!m_bPressed) return;
    CRect rc;
    GetClientRect(&rc);
    const BOOL bOver = rc.PtInRect(point);
    if (bOver == m_bOver) return;
    m_bOver = bOver;
    Invalidate(FALSE);
}

void CKXPropertyGridInplaceButton::OnLButtonUp(UINT, CPoint) {
    if (!m_bPressed) return;
    const BOOL bRun = m_bOver;
    m_bPressed = FALSE;
    if (GetCapture() == this) ::ReleaseCapture();
    Invalidate(FALSE);
    if (bRun && m_pItem != nullptr) m_pItem->OnInplaceButtonDown();
}

void CKXPropertyGridInplaceButton::OnCaptureChanged(CWnd*) {
    if (!m_bPressed) return;
    m_bPressed = FALSE;
    Invalidate(FALSE);
}

void CKXPropertyGridInplaceButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_pItem == nullptr || m_pGrid == nullptr) {
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar) {
    case VK_SPACE:
    case VK_DOWN:
    case VK_RETURN:
        m_pItem->OnInplaceButtonDown();
        return;
    case VK_TAB:
        if (::GetKeyState(VK_SHIFT) < 0 && (m_pItem->GetFlags() & KX_ITEM_EDIT))
            m_pItem->OnChar(VK_TAB);
        else
            m_pGrid->FocusNextControl(::GetKeyState(VK_SHIFT) < 0);
        return;
    default:
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CKXPropertyGridInplaceButton::OnSetFocus(CWnd*) { Invalidate(FALSE); }

void CKXPropertyGridInplaceButton::OnKillFocus(CWnd*) { Invalidate(FALSE); }
