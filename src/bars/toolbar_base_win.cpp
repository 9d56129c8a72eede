#include "bars/toolbar_base.h"

IMPLEMENT_DYNAMIC(CKXToolBarBase, CControlBar)

BEGIN_MESSAGE_MAP(CKXToolBarBase, CControlBar)
    ON_WM_PAINT()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

KX_TOOLBAR_FRAME CKXToolBarBase::GetFrame() const {
    const AFX_BARDATA& data = AfxGetBarData();
    KX_TOOLBAR_FRAME frame;
    frame.dwStyle = m_dwStyle;
    frame.rcBorders = GetBorders();
    frame.cxLine = data.cxBorder2;
    frame.cyLine = data.cyBorder2;
    frame.bFlatStyle = bFlatStyle != 0;
    frame.bInReBar = bInReBar != 0;
    return frame;
}

void CKXToolBarBase::CalcInsideRect(CRect& rect, BOOL bHorz) const { KXToolBarInsideRect(GetFrame(), rect, bHorz != FALSE); }

void CKXToolBarBase::DrawBorders(CDC* pDC, CRect& rect) {
    if (!(m_dwStyle & CBRS_BORDER_ANY) || (m_dwStyle & CBRS_FLOATING)) return;
    if (bInReBar) {
        CControlBar::DrawBorders(pDC, rect);
        return;
    }
    const AFX_BARDATA& data = AfxGetBarData();
    pDC->Draw3dRect(&rect, data.clrBtnHilite, data.clrBtnShadow);
    rect.DeflateRect(1, 1);
}

void CKXToolBarBase::DrawGripper(CDC* pDC, const CRect& rect) {
    CRect arBars[2];
    const int nBars = KXToolBarGripperBars(GetFrame(), rect, arBars);
    const AFX_BARDATA& data = AfxGetBarData();
    for (int i = 0; i < nBars; ++i) {
        const CRect& bar = arBars[i];
        pDC->Draw3dRect(&bar, data.clrBtnHilite, data.clrBtnShadow);
        // The flat bars' light edge runs their whole length.
        if (!bFlatStyle) continue;
        if (m_dwStyle & CBRS_ORIENT_HORZ)
            pDC->SetPixelV(bar.left, bar.bottom - 1, data.clrBtnHilite);
        else
            pDC->SetPixelV(bar.right - 1, bar.top, data.clrBtnHilite);
    }
}

void CKXToolBarBase::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    CControlBar::OnWindowPosChanging(lpwndpos);
    if (lpwndpos->flags & SWP_NOSIZE) return;
    // The right and bottom lines move with the size: repaint where they
    // were and where they go (window coordinates; the lines are non-client).
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect arStrips[4];
    const int nStrips =
        KXToolBarBorderStrips(GetFrame(), rectWindow.Size(), CSize(lpwndpos->cx, lpwndpos->cy), arStrips);
    if (nStrips == 0) return;
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    const CPoint ptOrigin(rectWindow.left - rectClient.left, rectWindow.top - rectClient.top);
    for (int i = 0; i < nStrips; ++i) {
        CRect strip = arStrips[i];
        strip.OffsetRect(ptOrigin);  // to client coordinates
        RedrawWindow(&strip, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}
