#include "propgrid/property_grid.h"

#include "base/format_strings.h"
#include "core/aux_data.h"
#include "core/mem_dc.h"
#include "core/resource_scope.h"
#include "propgrid/property_grid_layout.h"
#include "propgrid/property_grid_themes.h"
#include "kxres_ids.h"

IMPLEMENT_DYNAMIC(CKXPropertyGrid, CWnd)

BEGIN_MESSAGE_MAP(CKXPropertyGrid, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_COMMAND(ID_KX_PROPGRID_CATEGORIZED, OnSortCategorized)
    ON_COMMAND(ID_KX_PROPGRID_ALPHABETIC, OnSortAlphabetical)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

namespace {

// The view's styles: child, visible, clipping, vertical scroll bar, tab stop,
// rows of one height drawn by the grid, no integral height, notifications.
const DWORD kViewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_TABSTOP |
                         LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NOTIFY;
static_assert(kViewStyle == 0x56210111);

}  // namespace

CKXPropertyGrid::CKXPropertyGrid() : m_hCursorSplit(CKXAuxData::Get().hcurSplitV) {
    m_wndView.m_pGrid = this;
    m_pPaintManager = new CKXPropertyGridPaintManager(this);
}

CKXPropertyGrid::~CKXPropertyGrid() {
    if (GetSafeHwnd() != nullptr) DestroyWindow();
    delete m_pPaintManager;
}

BOOL CKXPropertyGrid::Create(const RECT& rect, CWnd* pParentWnd, UINT nID) {
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW));
    if (!CWnd::Create(lpszClass, nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_GROUP | WS_TABSTOP,
                      CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    if (!m_wndView.CreateEx(WS_EX_STATICEDGE, "LISTBOX", nullptr, kViewStyle, CRect(0, 0, 0, 0), this, 0)) {
        DestroyWindow();
        return FALSE;
    }
    m_wndView.ResetContent();
    MoveWindow(&rect);
    ShowWindow(SW_SHOW);
    SetStandardColors();
    return TRUE;
}

// --- layout ------------------------------------------------------------------------------

KX_PROPERTY_GRID_LAYOUT CKXPropertyGrid::GetLayout() const {
    CRect rc(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr) GetClientRect(&rc);
    return KXLayoutPropertyGrid(rc.Width(), rc.Height(), m_bHelpVisible != FALSE, m_nHelpHeight,
                                m_bToolBarVisible && m_wndToolBar.GetSafeHwnd() != nullptr);
}

CRect CKXPropertyGrid::GetHelpRect() const { return GetLayout().rcHelp; }

void CKXPropertyGrid::Reposition(int, int) {
    if (m_wndView.GetSafeHwnd() == nullptr) return;
    const KX_PROPERTY_GRID_LAYOUT l = GetLayout();
    if (m_wndToolBar.GetSafeHwnd() != nullptr) {
        if (m_bToolBarVisible)
            m_wndToolBar.SetWindowPos(nullptr, l.rcToolBar.left, l.rcToolBar.top, l.rcToolBar.Width(),
                                      l.rcToolBar.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        else
            m_wndToolBar.ShowWindow(SW_HIDE);
    }
    m_wndView.MoveWindow(&l.rcView);
    Invalidate(FALSE);
}

void CKXPropertyGrid::ShowHelp(BOOL bShow) {
    m_bHelpVisible = bShow;
    if (GetSafeHwnd() == nullptr) return;
    CRect rc;
    GetClientRect(&rc);
    Reposition(rc.Width(), rc.Height());
}

void CKXPropertyGrid::SetHelpHeight(int nHeight) {
    m_nHelpHeight = nHeight;
    ShowHelp(m_bHelpVisible);
}

void CKXPropertyGrid::SetViewDivider(double dRatio) {
    m_wndView.SetDividerRatio(dRatio);
    ShowHelp(m_bHelpVisible);
    if (m_wndView.GetSafeHwnd() != nullptr) m_wndView.Invalidate(FALSE);
}

void CKXPropertyGrid::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    Reposition(cx, cy);
}

void CKXPropertyGrid::OnSetFocus(CWnd*) {
    if (m_wndView.GetSafeHwnd() != nullptr) m_wndView.SetFocus();
}

// --- painting, themes, colours ---------------------------------------------------------------

void CKXPropertyGrid::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(&dc, rc);
    if (memDC.IsValid()) m_pPaintManager->FillPropertyGrid(&memDC);
}

LRESULT CKXPropertyGrid::OnPrintClient(WPARAM wParam, LPARAM) {
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) m_pPaintManager->FillPropertyGrid(pDC);
    return 0;
}

BOOL CKXPropertyGrid::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXPropertyGrid::RedrawAll() {
    if (GetSafeHwnd() != nullptr) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

void CKXPropertyGrid::SetTheme(eKXPROPERTYGRIDPAINTTHEME eTheme) {
    CKXPropertyGridPaintManager* pPainter = nullptr;
    switch (eTheme) {
    case KX_GRIDTHEME_DEFAULT: pPainter = new CKXPropertyGridPaintManager(this); break;
    case KX_GRIDTHEME_NATIVEXP: pPainter = new CKXPropertyGridNativeXPTheme(this); break;
    case KX_GRIDTHEME_OFFICE2003: pPainter = new CKXPropertyGridOffice2003Theme(this); break;
    case KX_GRIDTHEME_COOL: pPainter = new CKXPropertyGridCoolTheme(this); break;
    case KX_GRIDTHEME_SIMPLE: pPainter = new CKXPropertyGridSimpleTheme(this); break;
    case KX_GRIDTHEME_DELPHI: pPainter = new CKXPropertyGridDelphiTheme(this); break;
    default: return;  // the painter stays
    }
    delete m_pPaintManager;
    m_pPaintManager = pPainter;
    m_eTheme = eTheme;
    RedrawAll();
}

void CKXPropertyGrid::SetCustomTheme(CKXPropertyGridPaintManager* pPaintManager) {
    if (pPaintManager == nullptr || pPaintManager == m_pPaintManager) return;
    delete m_pPaintManager;
    m_pPaintManager = pPaintManager;
    RedrawAll();
}

void CKXPropertyGrid::SetStandardColors() {
    m_pPaintManager->RefreshMetrics();
    RedrawAll();
}

void CKXPropertyGrid::SetCustomColors(COLORREF clrHelpBack, COLORREF clrHelpFore, COLORREF clrViewLine,
                                      COLORREF clrViewBack, COLORREF clrViewFore, COLORREF clrCategoryFore) {
    m_clrHelpBack = clrHelpBack;
    m_clrHelpFore = clrHelpFore;
    m_wndView.m_clrLine = clrViewLine;
    m_wndView.m_clrBack = clrViewBack;
    m_wndView.m_clrFore = clrViewFore;
    m_wndView.m_clrCategoryFore = clrCategoryFore;
    RedrawAll();
}

void CKXPropertyGrid::OnSysColorChange() {
    CWnd::OnSysColorChange();
    m_pPaintManager->RefreshMetrics();
}

// --- events of the view -------------------------------------------------------------------

void CKXPropertyGrid::OnSelectionChanged(CKXPropertyGridItem* pItem) {
    if (pItem != nullptr) m_wndView.NotifyOwner(KX_PGN_SELECTION_CHANGED, reinterpret_cast<LPARAM>(pItem));
    if (GetSafeHwnd() != nullptr && m_bHelpVisible) {
        const CRect rc = GetHelpRect();
        InvalidateRect(&rc, FALSE);
    }
}

void CKXPropertyGrid::OnSortChanged() {
    RefreshToolBarButtons();
    OnSelectionChanged(nullptr);
    if (GetSafeHwnd() != nullptr) m_wndView.NotifyOwner(KX_PGN_SORTORDER_CHANGED, static_cast<LPARAM>(GetDlgCtrlID()));
}
