#include "win/toolbar.h"

#include "base/toolbar_wrap.h"
#include "win/dc.h"
#include "win/frame.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CToolBar::CToolBar() {
    m_cxLeftBorder = m_cxRightBorder = 1;
    m_cyTopBorder = m_cyBottomBorder = 1;
}

CToolBar::~CToolBar() {
    // The control draws from the image well: it goes first.  The object is
    // going already, so the window's end must not delete it again.
    m_bAutoDelete = FALSE;
    DestroyWindow();
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder),
                    nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr) return FALSE;
    SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    m_dwStyle = dwStyle & CBRS_ALL;
    // The bar places itself: the control must not move or size itself.
    // With CBRS_TOOLTIPS the buttons' tips come from their commands' strings
    // (the frame answers TTN_NEEDTEXT).
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                             CCS_NORESIZE | ((dwStyle & CBRS_TOOLTIPS) ? TBSTYLE_TOOLTIPS : 0);
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_buttons.m_sizeButton, m_buttons.m_sizeImage);
    return TRUE;
}

void CToolBar::OnSysColorChange() {
    CControlBar::OnSysColorChange();
    m_buttons.ReloadBitmap();
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    const DWORD dwMode = (bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    return CalcLayout(dwMode | LM_COMMIT);
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode) { return CalcLayout(dwMode, nLength); }

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength) {
    const int nCount = GetCount();
    const CSize sizeButton = m_buttons.m_sizeButton;
    std::vector<AFX_TBLAYOUTBUTTON> buttons(static_cast<size_t>(nCount));
    m_buttons.ReadLayout(buttons.data(), nCount);
    for (int i = 0; i < nCount; ++i) {
        AFX_TBLAYOUTBUTTON& lb = buttons[static_cast<size_t>(i)];
        TBBUTTON b;
        GetButton(i, &b);
        CRect rc;
        GetItemRect(i, &rc);
        // A separator is as wide as its image index says; a button as the
        // control made it (text makes it wider).
        lb.size.cx = (b.fsStyle & TBSTYLE_SEP) ? b.iBitmap : (rc.Width() > 0 ? rc.Width() : sizeButton.cx);
        lb.size.cy = sizeButton.cy;
        if (!(b.fsStyle & TBSTYLE_SEP) && rc.Height() > 0) lb.size.cy = rc.Height();
    }
    const bool bVert = (dwMode & LM_VERTDOCK) != 0 || (!(dwMode & (LM_HORZ | LM_HORZDOCK)) && nLength < 0);
    CRect rectInset(0, 0, 0, 0);
    CalcInsideRect(rectInset, !bVert);
    const CSize sizeInset(-rectInset.Width(), -rectInset.Height());
    AFX_TBLAYOUTBUTTON* p = buttons.data();
    if (dwMode & LM_HORZDOCK)
        AfxWrapToolBar(p, nCount, 32767);
    else if (bVert)
        AfxWrapToolBar(p, nCount, 0);
    else if ((dwMode & LM_MRUWIDTH) || nLength < 0)
        AfxWrapToolBar(p, nCount, m_nMRUWidth);
    else if (dwMode & LM_LENGTHY)
        AfxFitToolBar(p, nCount, nLength - sizeInset.cy, false);
    else
        AfxFitToolBar(p, nCount, nLength - sizeInset.cx, true);
    CSize sizeButtons = AfxToolBarLayoutSize(p, nCount);

    if ((dwMode & LM_COMMIT) && GetSafeHwnd() != nullptr) {
        m_buttons.CommitLayout(p, nCount);
        // What the control made of the rows is the truth (its separators
        // between rows are its own height).
        const CSize sizeExtent = m_buttons.GetButtonsExtent();
        if (sizeExtent.cx > 0 && sizeExtent.cy > 0) sizeButtons = sizeExtent;
        if (!(dwMode & (LM_HORZDOCK | LM_VERTDOCK)) && !bVert) m_nMRUWidth = sizeButtons.cx;
    }
    return AfxToolBarOuterSize(sizeButtons, sizeInset, sizeButton, bVert, (dwMode & LM_STRETCH) != 0);
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const { return m_buttons.ToolHitTest(point, pTI); }

void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) { CalcNcInsideRect(lpncsp); }

void CToolBar::OnNcPaint() { EraseNonClient(); }

LRESULT CToolBar::OnNcHitTest(CPoint) {
    // Borders and gripper are part of the bar to grab: presses there come
    // as client messages (with coordinates outside the client area).
    return HTCLIENT;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    OnUpdateCmdUIOutsideFrame(pTarget, bDisableIfNoHndler);
}

void CToolBar::OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    m_buttons.UpdateCmdUI(pTarget, bDisableIfNoHndler);
}
