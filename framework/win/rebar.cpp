#include "win/rebar.h"

#include "win/dc.h"
#include "win/frame.h"
#include "win/gdiobj.h"

IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)
IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BOOL CReBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(REBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

CReBar::CReBar() { m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0; }

CReBar::~CReBar() {
    // The object is going already: the window's end must not delete it again.
    m_bAutoDelete = FALSE;
    DestroyWindow();
}

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr) return FALSE;
    m_dwStyle = dwStyle & CBRS_ALL;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    // The bar places itself: the control must not size itself to its parent.
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE |
                             ((m_dwStyle & CBRS_ORIENT_VERT) ? CCS_VERT : 0);
    return CWnd::Create(REBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CReBar::AddBand(CWnd* pBar, REBARBANDINFOA& rbbi) {
    if (GetSafeHwnd() == nullptr || pBar == nullptr || pBar->GetSafeHwnd() == nullptr) return FALSE;
    pBar->SetParent(this);
    // Its owner stays the frame, so that its commands and updates get there.
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr) pBar->SetOwner(pFrame);
    CSize size(0, 0);
    if (pBar->IsKindOf(RUNTIME_CLASS(CControlBar))) {
        CControlBar* pControlBar = static_cast<CControlBar*>(pBar);
        // Borders and gripper are the band's.
        pControlBar->SetBarStyle(pControlBar->GetBarStyle() & ~(CBRS_BORDER_ANY | CBRS_GRIPPER | CBRS_FLOATING));
        size = pControlBar->CalcFixedLayout(FALSE, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    } else {
        CRect rect;
        pBar->GetWindowRect(&rect);
        size = rect.Size();
    }
    rbbi.cbSize = REBARBANDINFOA_V3_SIZE;
    rbbi.fMask |= RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
    rbbi.hwndChild = pBar->m_hWnd;
    rbbi.cxMinChild = size.cx;
    rbbi.cyMinChild = size.cy;
    rbbi.cx = size.cx;
    if (!GetReBarCtrl().InsertBand(static_cast<UINT>(-1), &rbbi)) return FALSE;
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr) pFrame->RecalcLayout();
    return TRUE;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, CBitmap* pbmp, DWORD dwStyle) {
    REBARBANDINFOA rbbi = {};
    rbbi.fStyle = dwStyle;
    if (pszText != nullptr) {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(pszText);
    }
    if (pbmp != nullptr) {
        rbbi.fMask |= RBBIM_BACKGROUND;
        rbbi.hbmBack = static_cast<HBITMAP>(pbmp->GetSafeHandle());
    }
    return AddBand(pBar, rbbi);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText, DWORD dwStyle) {
    REBARBANDINFOA rbbi = {};
    rbbi.fStyle = dwStyle;
    rbbi.fMask = RBBIM_COLORS;
    rbbi.clrFore = clrFore;
    rbbi.clrBack = clrBack;
    if (pszText != nullptr) {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(pszText);
    }
    return AddBand(pBar, rbbi);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    const int nHeight = GetSafeHwnd() != nullptr ? static_cast<int>(GetReBarCtrl().GetBarHeight()) : 0;
    if (bHorz) return CSize(bStretch ? 32767 : 0, nHeight);
    return CSize(nHeight, bStretch ? 32767 : 0);
}

void CReBar::OnHeightChange(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr) pFrame->DelayRecalcLayout();
}
