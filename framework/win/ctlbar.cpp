#include "win/ctlbar.h"

#include "base/bar_layout.h"
#include "win/frame.h"

#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CControlBar::CControlBar() = default;

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
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

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete) delete this;
}

CWnd* CControlBar::GetRoutingTarget() const {
    if (CWnd* pOwner = GetOwner()) return pOwner;
    return GetParent();
}

void CControlBar::OnUpdateCmdUIOutsideFrame(CCmdTarget*, BOOL) {}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    // Only a visible bar is worth updating.
    if (!IsWindowVisible()) return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = pOwner != nullptr && pOwner->IsFrameWnd() ? static_cast<CFrameWnd*>(pOwner) : GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    else if (CWnd* pWnd = GetRoutingTarget())
        OnUpdateCmdUIOutsideFrame(pWnd, static_cast<BOOL>(wParam));
    return 0;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
    if (!(GetStyle() & WS_VISIBLE) || dwAlign == 0) return 0;  // a hidden bar takes no space
    CRect avail(lpLayout->rect);
    CSize total(lpLayout->sizeTotal);
    CSize size = CalcFixedLayout(lpLayout->bStretch, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    CRect rect = AfxTakeBarEdge(avail, total, size, dwAlign);
    lpLayout->rect = avail;
    lpLayout->sizeTotal = total;
    if (lpLayout->hDWP != nullptr) AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}
