// How a control bar looks: its face, the border lines its style asks for
// and the gripper of a docked bar, in the client area or (for bars whose
// client a control paints) around it.
#include "win/ctlbar.h"
#include "win/dc.h"

namespace {

const int kBorder = 1;  // one line of a border

}  // namespace

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
    const DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY) || (dwStyle & CBRS_FLOATING)) return;
    const AFX_BARDATA& data = AfxGetBarData();
    // A dark line at each bordered side; with CBRS_BORDER_3D a light one
    // inside it, so the bar stands out from what is next to it.
    CRect rectDark = rect;
    if (dwStyle & CBRS_BORDER_3D) {
        rectDark.right -= kBorder;
        rectDark.bottom -= kBorder;
    }
    if (dwStyle & CBRS_BORDER_LEFT) pDC->FillSolidRect(rect.left, rect.top, kBorder, rect.Height(), data.clrBtnShadow);
    if (dwStyle & CBRS_BORDER_TOP) pDC->FillSolidRect(rect.left, rect.top, rect.Width(), kBorder, data.clrBtnShadow);
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rectDark.right - kBorder, rect.top, kBorder, rect.Height(), data.clrBtnShadow);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, rectDark.bottom - kBorder, rect.Width(), kBorder, data.clrBtnShadow);
    if (dwStyle & CBRS_BORDER_3D) {
        if (dwStyle & CBRS_BORDER_LEFT)
            pDC->FillSolidRect(rect.left + kBorder, rect.top, kBorder, rect.Height(), data.clrBtnHilite);
        if (dwStyle & CBRS_BORDER_TOP)
            pDC->FillSolidRect(rect.left, rect.top + kBorder, rect.Width(), kBorder, data.clrBtnHilite);
        if (dwStyle & CBRS_BORDER_RIGHT)
            pDC->FillSolidRect(rect.right - kBorder, rect.top, kBorder, rect.Height(), data.clrBtnHilite);
        if (dwStyle & CBRS_BORDER_BOTTOM)
            pDC->FillSolidRect(rect.left, rect.bottom - kBorder, rect.Width(), kBorder, data.clrBtnHilite);
    }
    if (dwStyle & CBRS_BORDER_LEFT) rect.left += data.cxBorder2;
    if (dwStyle & CBRS_BORDER_TOP) rect.top += data.cyBorder2;
    if (dwStyle & CBRS_BORDER_RIGHT) rect.right -= data.cxBorder2;
    if (dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= data.cyBorder2;
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect) {
    // Only a docked bar has something to grab by.
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER) return;
    const AFX_BARDATA& data = AfxGetBarData();
    // A raised 3-pixel bar, 2 pixels in from the edge, along the bar's thickness.
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + 2, rect.top + m_cyTopBorder, 3, rect.Height() - m_cyTopBorder - m_cyBottomBorder,
                        data.clrBtnHilite, data.clrBtnShadow);
    else
        pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + 2, rect.Width() - m_cyTopBorder - m_cyBottomBorder, 3,
                        data.clrBtnHilite, data.clrBtnShadow);
}

void CControlBar::DoPaint(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CControlBar::OnPaint() {
    CPaintDC dc(this);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, AfxGetBarData().clrBtnFace);
    return TRUE;
}

void CControlBar::CalcNcInsideRect(NCCALCSIZE_PARAMS* lpncsp) {
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    // rect now holds the insets (left, top positive; right, bottom negative).
    CRect& client = *reinterpret_cast<CRect*>(&lpncsp->rgrc[0]);
    client.left += rect.left;
    client.top += rect.top;
    client.right += rect.right;
    client.bottom += rect.bottom;
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;
}

void CControlBar::EraseNonClient() {
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    ScreenToClient(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    CRect rectFace = rectWindow;
    dc.FillSolidRect(&rectFace, AfxGetBarData().clrBtnFace);
    DrawBorders(&dc, rectWindow);
    DrawGripper(&dc, rectWindow);
}
