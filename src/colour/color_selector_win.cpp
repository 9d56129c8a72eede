// CKXColorSelectorCtrl: creation, the cells, selection, input and the end
// of a selection.  Painting is in color_selector_draw_win.cpp.
#include "colour/color_selector.h"

#include "colour/color_dialog.h"
#include "colour/color_grid_nav.h"
#include "core/aux_data.h"
#include "core/resource_scope.h"

#include <cstring>
#include <new>
#include <vector>

IMPLEMENT_DYNAMIC(CKXColorSelectorCtrl, CWnd)

BEGIN_MESSAGE_MAP(CKXColorSelectorCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CKXColorSelectorCtrl::CKXColorSelectorCtrl() { m_arCells.SetSize(0, 10); }

CKXColorSelectorCtrl::~CKXColorSelectorCtrl() {
    // A window still open goes with the object (a popup deletes the object
    // only after its window is gone).
    if (m_hWnd != nullptr) DestroyWindow();
    DeleteCells();
}

void CKXColorSelectorCtrl::DeleteCells() {
    for (INT_PTR i = 0; i < m_arCells.GetSize(); ++i) delete m_arCells[i];
    m_arCells.RemoveAll();
}

namespace {

std::vector<COLORREF> UserColors() {
    const CUIntArray& ar = CKXColorSelectorCtrl::m_arUserDefColors;
    std::vector<COLORREF> v;
    for (INT_PTR i = 0; i < ar.GetSize(); ++i) v.push_back(ar[i]);
    return v;
}

}  // namespace

BOOL CKXColorSelectorCtrl::Create(CRect rect, CWnd* pParentWnd, DWORD dwStyle, COLORREF clrColor,
                                  COLORREF clrDefault) {
    ASSERT(m_hWnd == nullptr);  // one window per object
    if (m_hWnd != nullptr) return FALSE;
    m_pParentWnd = pParentWnd;
    m_dwStyle = dwStyle;
    m_clrColor = clrColor;
    m_clrDefault = clrDefault;
    if (pParentWnd->GetSafeHwnd() != nullptr) AddListener(pParentWnd->GetSafeHwnd());

    const KX_COLOR_MARGINS margins{m_nMarginLeft, m_nMarginTop, m_nMarginRight, m_nMarginBottom};
    const KX_COLOR_GRID_SIZE size =
        KXColorGridSize(rect, margins, dwStyle, static_cast<int>(m_arUserDefColors.GetSize()), m_cyCell);
    m_rcWnd = size.rcWindow;
    m_nRows = size.nRows;
    m_nLastIndex = size.nLast;

    const bool bPopup = (dwStyle & KXCPS_POPUP) != 0;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(nullptr, IDC_ARROW));
    BOOL bCreated;
    if (bPopup) {
        bCreated = CreateEx(WS_EX_TOOLWINDOW, lpszClass, nullptr, WS_POPUP | WS_CLIPSIBLINGS,
                            m_rcWnd.left, m_rcWnd.top, m_rcWnd.Width(), m_rcWnd.Height(),
                            pParentWnd->GetSafeHwnd(), nullptr);
    } else {
        bCreated = CreateEx(0, lpszClass, nullptr, WS_CHILD | WS_CLIPSIBLINGS, m_rcWnd.left, m_rcWnd.top,
                            m_rcWnd.Width(), m_rcWnd.Height(), pParentWnd->GetSafeHwnd(), nullptr);
    }
    if (!bCreated || m_hWnd == nullptr) return FALSE;
    ShowWindow(SW_SHOWNA);
    SendMessage(WM_SETFONT, (WPARAM)CKXAuxData::Get().fontRegular.GetSafeHandle(), TRUE);
    return TRUE;
}

int CKXColorSelectorCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CKXResourceScope scope;
    if (m_tooltip.Create(this)) m_tooltip.Activate(TRUE);
    BuildCells();
    return 0;
}

void CKXColorSelectorCtrl::BuildCells() {
    DeleteCells();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const KX_COLOR_MARGINS margins{m_nMarginLeft, m_nMarginTop, m_nMarginRight, m_nMarginBottom};
    const std::vector<KX_COLOR_CELL_LAYOUT> cells = KXLayoutColorCells(
        rcWindow.Width(), margins, m_dwStyle, m_clrColor, m_clrDefault, UserColors(), m_cyCell);
    for (const KX_COLOR_CELL_LAYOUT& c : cells) {
        auto* pCell = new (std::nothrow) KX_COLOR_CELL;
        if (pCell == nullptr) break;
        std::memset(pCell, 0, sizeof *pCell);
        pCell->nID = c.nTipID;
        pCell->nIndex = c.nIndex;
        pCell->bSelected = c.bSelected;
        pCell->rect = c.rc;
        pCell->dwType = c.dwType;
        pCell->clr = c.clr;
        if (c.nTextID != 0) {
            CString str;
            str.LoadString(c.nTextID);
            lstrcpynA(pCell->szText, str, sizeof pCell->szText);
        }
        m_arCells.Add(pCell);
        if (m_tooltip.m_hWnd != nullptr && c.nTipID != 0)
            m_tooltip.AddTool(this, c.nTipID, &pCell->rect, static_cast<UINT_PTR>(c.nIndex) + 1);
    }
    m_nCurSel = -1;
    m_strCaption.LoadString(IDS_KXCOLOR_CAPTION);
}

void CKXColorSelectorCtrl::OnDestroy() {
    if (m_tooltip.m_hWnd != nullptr) m_tooltip.DestroyWindow();
    CWnd::OnDestroy();
}

// --- selection ---------------------------------------------------------------

void CKXColorSelectorCtrl::SelectColor(COLORREF clr) {
    m_clrColor = clr;
    for (INT_PTR i = 0; i < m_arCells.GetSize(); ++i)
        if (m_arCells[i]->dwType == KXCELL_COLOR) m_arCells[i]->bSelected = m_arCells[i]->clr == clr;
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

void CKXColorSelectorCtrl::SelectColorCell(KX_COLOR_CELL* pCell) {
    m_nCurSel = pCell != nullptr ? pCell->nIndex : -1;
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

void CKXColorSelectorCtrl::SetCurSel(int nIndex) {
    if (KX_COLOR_CELL* pCell = GetCellFromIndex(nIndex)) SelectColorCell(pCell);
}

int CKXColorSelectorCtrl::GetCurSel(KX_COLOR_CELL*) const { return m_nCurSel; }

KX_COLOR_CELL* CKXColorSelectorCtrl::GetCellFromIndex(int nIndex) const {
    for (INT_PTR i = 0; i < m_arCells.GetSize(); ++i)
        if (m_arCells[i]->nIndex == nIndex) return m_arCells[i];
    return nullptr;
}

BOOL CKXColorSelectorCtrl::IsColorDlgVisible() const {
    return m_pColorDlg != nullptr && m_pColorDlg->GetSafeHwnd() != nullptr;
}

void CKXColorSelectorCtrl::AddListener(HWND hWnd) {
    if (hWnd != nullptr && m_listListeners.Find(hWnd) == nullptr) m_listListeners.AddTail(hWnd);
}

void CKXColorSelectorCtrl::RemoveListener(HWND hWnd) {
    if (POSITION pos = m_listListeners.Find(hWnd)) m_listListeners.RemoveAt(pos);
}

// --- the end of a selection --------------------------------------------------

void CKXColorSelectorCtrl::EndSelection(int nIndex) { EndSelectionWithTag(nIndex, 0); }

void CKXColorSelectorCtrl::EndSelectionWithTag(int nIndex, long lTag) {
    CKXResourceScope scope;
    // The listeners may change while they are told (one may close us).
    std::vector<HWND> listeners;
    for (POSITION pos = m_listListeners.GetHeadPosition(); pos != nullptr;)
        listeners.push_back(m_listListeners.GetNext(pos));

    KX_COLOR_SELECTION sel;
    if (nIndex == m_nLastIndex && (m_dwStyle & KXCPS_USERCOLORS)) {
        CKXColorDialog dlg(m_clrColor, m_clrColor, m_dwStyle & KXCPS_DIALOGSTYLE, m_pParentWnd);
        m_pColorDlg = &dlg;
        const bool bOK = dlg.DoModal() == IDOK;
        m_pColorDlg = nullptr;
        sel = KXEndColorDialog(bOK, dlg.GetColor(), m_clrColor);
        if (bOK) {
            std::vector<COLORREF> user = UserColors();
            KXAppendDialogColor(user, dlg.GetColor());
            m_arUserDefColors.RemoveAll();
            for (COLORREF clr : user) m_arUserDefColors.Add(clr);
        }
    } else {
        // An index without a cell (beyond the grid without the dialog item,
        // or out of range) cancels.
        const KX_COLOR_CELL* pCell = nIndex > 0 ? GetCellFromIndex(nIndex) : nullptr;
        const int i = nIndex == 0 || pCell != nullptr ? nIndex : -1;
        sel = KXEndColorSelection(i, (m_dwStyle & KXCPS_NOFILL) != 0, m_clrColor, m_clrDefault,
                                  pCell != nullptr ? pCell->clr : 0);
    }
    for (HWND hWnd : listeners)
        if (::IsWindow(hWnd)) ::SendMessageA(hWnd, sel.nMessage, (WPARAM)sel.clr, (LPARAM)lTag);
}

// --- input ---------------------------------------------------------------------

void CKXColorSelectorCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    CWnd::OnMouseMove(nFlags, point);
    if (IsColorDlgVisible() || point == m_ptLast) return;
    m_ptLast = point;
    int nHit = -1;
    for (INT_PTR i = 0; i < m_arCells.GetSize() && nHit < 0; ++i)
        if (::PtInRect(&m_arCells[i]->rect, point)) nHit = m_arCells[i]->nIndex;
    if (nHit != m_nCurSel) SelectColorCell(GetCellFromIndex(nHit));
    if (nHit >= 0) {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
}

void CKXColorSelectorCtrl::OnMouseLeave() {
    if (IsColorDlgVisible()) return;
    m_nCurSel = -1;
    m_nPressed = -1;
    Invalidate(FALSE);
}

void CKXColorSelectorCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    CWnd::OnLButtonDown(nFlags, point);
    if (IsColorDlgVisible()) return;
    CRect rc;
    GetClientRect(&rc);
    if (!rc.PtInRect(point)) return;
    if (!(m_dwStyle & KXCPS_POPUP) && ::GetFocus() != m_hWnd) SetFocus();
    m_nPressed = m_nCurSel;
    Invalidate(FALSE);
}

void CKXColorSelectorCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    CWnd::OnLButtonUp(nFlags, point);
    if (IsColorDlgVisible()) return;
    const int nPressed = m_nPressed;
    m_nPressed = -1;
    if (nPressed != -1 && nPressed == m_nCurSel) EndSelection(nPressed);
    if (::IsWindow(m_hWnd)) Invalidate(FALSE);
}

void CKXColorSelectorCtrl::MoveHighlight(UINT nChar) {
    KXColorKey key;
    switch (nChar) {
    case VK_LEFT: key = KXColorKey::Left; break;
    case VK_RIGHT: key = KXColorKey::Right; break;
    case VK_UP: key = KXColorKey::Up; break;
    default: key = KXColorKey::Down; break;
    }
    const int nUser = (m_dwStyle & KXCPS_USERCOLORS) ? static_cast<int>(m_arUserDefColors.GetSize()) : 0;
    // Without the dialog item the last index has no cell: the move goes on
    // past it, so the highlight never sticks there.
    int nNext = KXColorGridMove(key, m_nCurSel, m_nLastIndex, m_nRows, nUser, m_nCols);
    if (GetCellFromIndex(nNext) == nullptr) nNext = KXColorGridMove(key, nNext, m_nLastIndex, m_nRows, nUser, m_nCols);
    SetCurSel(nNext);
}

void CKXColorSelectorCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (IsColorDlgVisible()) return;
    switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        MoveHighlight(nChar);
        break;
    case VK_RETURN:
    case VK_SPACE:
        EndSelection(m_nCurSel);
        return;
    case VK_ESCAPE:
        EndSelection(-1);
        return;
    default:
        break;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CKXColorSelectorCtrl::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam)) Invalidate(FALSE);
    return 0;
}

LRESULT CKXColorSelectorCtrl::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hFont); }

UINT CKXColorSelectorCtrl::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

LRESULT CKXColorSelectorCtrl::OnNcHitTest(CPoint point) {
    if (m_tooltip.m_hWnd != nullptr)
        ::SetWindowPos(m_tooltip.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return CWnd::OnNcHitTest(point);
}

BOOL CKXColorSelectorCtrl::PreTranslateMessage(MSG* pMsg) {
    if (m_tooltip.m_hWnd != nullptr) m_tooltip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}
