#include "win/ctlbar.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
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

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    // Only a visible bar is worth updating.
    if (IsWindowVisible()) OnUpdateCmdUI(reinterpret_cast<CFrameWnd*>(GetRoutingTarget()), static_cast<BOOL>(wParam));
    return 0;
}
