#include "propgrid/property_grid_view.h"

#include "core/aux_data.h"
#include "core/mem_dc.h"
#include "propgrid/property_grid.h"
#include "propgrid/property_grid_layout.h"
#include "propgrid/property_grid_paint.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridView, CListBox)

BEGIN_MESSAGE_MAP(CKXPropertyGridView, CListBox)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_MOUSEWHEEL()
    ON_WM_VSCROLL()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
    ON_WM_DESTROY()
    ON_CONTROL_REFLECT(LBN_SELCHANGE, OnSelChange)
    ON_MESSAGE(WM_SETREDRAW, OnSetRedraw)
END_MESSAGE_MAP()

CKXPropertyGridView::CKXPropertyGridView()
    : m_clrLine(::GetSysColor(COLOR_SCROLLBAR)), m_clrFore(::GetSysColor(COLOR_WINDOWTEXT)),
      m_clrCategoryFore(::GetSysColor(COLOR_GRAYTEXT)), m_clrBack(::GetSysColor(COLOR_WINDOW)),
      m_hCursor(CKXAuxData::Get().hcurSplitH), m_pCategories(new CKXPropertyGridItems) {
    m_pCategories->m_pGrid = this;
    CreateFonts();
}

CKXPropertyGridView::~CKXPropertyGridView() {
    m_bClosing = TRUE;
    m_pCategories->Clear();
    m_pCategories->InternalRelease();
}

void CKXPropertyGridView::CreateFonts() {
    LOGFONTA lf = {};
    if (!::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0))
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfItalic = FALSE;
    lf.lfWeight = FW_NORMAL;
    m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
}

// --- the rows as the tree rules see them ---------------------------------------------

void CKXPropertyGridView::CRowHost::Quiet() {
    if (!m_bQuiet && Live()) m_bQuiet = m_pView->SuspendRedraw();
}

void CKXPropertyGridView::CRowHost::Resume() {
    if (!m_bQuiet) return;
    m_bQuiet = false;
    if (Live()) m_pView->ResumeRedraw();
}

// Rows are read straight from the list box's own procedure: renumbering
// thousands of rows reads each of them, and the framework's dispatch would
// cost more than the reading.
int CKXPropertyGridView::CRowHost::GetRowCount() const {
    return Live() ? static_cast<int>(m_pView->DefWindowProc(LB_GETCOUNT, 0, 0)) : 0;
}

CKXPropertyGridItem* CKXPropertyGridView::CRowHost::GetRow(int nIndex) const {
    return Live() ? m_pView->GetItem(nIndex) : nullptr;
}

int CKXPropertyGridView::CRowHost::InsertRow(int nIndex, CKXPropertyGridItem* pItem) {
    if (!Live()) return -1;
    Quiet();
    const int n = m_pView->InsertString(nIndex, reinterpret_cast<LPCTSTR>(pItem));
    return n < 0 ? -1 : n;
}

void CKXPropertyGridView::CRowHost::DeleteRow(int nIndex) {
    if (!Live()) return;
    Quiet();
    m_pView->DeleteString(static_cast<UINT>(nIndex));
}

int CKXPropertyGridView::CRowHost::GetCurSel() const { return Live() ? m_pView->GetCurSel() : -1; }

void CKXPropertyGridView::CRowHost::SetCurSel(int nIndex) {
    if (Live()) m_pView->SetCurSel(nIndex);
}

void CKXPropertyGridView::CRowHost::ResetRows() {
    if (m_pView == nullptr) return;
    Quiet();
    m_pView->ResetContent();
}

void CKXPropertyGridView::CRowHost::OnSelectionChanged() {
    Resume();
    if (Live()) m_pView->OnSelectionChanged();
}

LRESULT CKXPropertyGridView::OnSetRedraw(WPARAM wParam, LPARAM) {
    m_bRedraw = wParam != 0;
    return Default();
}

// Straight to the list box, so that the application's setting stays.
bool CKXPropertyGridView::SuspendRedraw() {
    if (!m_bRedraw || GetSafeHwnd() == nullptr) return false;
    DefWindowProc(WM_SETREDRAW, FALSE, 0);
    return true;
}

void CKXPropertyGridView::ResumeRedraw() {
    if (GetSafeHwnd() == nullptr) return;
    DefWindowProc(WM_SETREDRAW, TRUE, 0);
    Invalidate(FALSE);
}

// --- rows --------------------------------------------------------------------------

CKXPropertyGridItem* CKXPropertyGridView::GetItem(int nIndex) const {
    if (GetSafeHwnd() == nullptr || nIndex < 0) return nullptr;
    // LB_ERR outside the rows; read from the list box itself (see CRowHost).
    const LRESULT lData = const_cast<CKXPropertyGridView*>(this)->DefWindowProc(LB_GETITEMDATA, nIndex, 0);
    return lData == LB_ERR ? nullptr : reinterpret_cast<CKXPropertyGridItem*>(lData);
}

CKXPropertyGridItem* CKXPropertyGridView::ItemFromPoint(CPoint point) const {
    if (GetSafeHwnd() == nullptr || point.y < 0) return nullptr;
    const LRESULT lResult = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(lResult) != 0) return nullptr;  // outside every row
    return GetItem(LOWORD(lResult));
}

CKXPropertyGridItem* CKXPropertyGridView::GetSelectedItem() const {
    return GetSafeHwnd() != nullptr ? GetItem(GetCurSel()) : nullptr;
}

int CKXPropertyGridView::GetDividerPos() const {
    if (GetSafeHwnd() == nullptr) return 0;
    CRect rc;
    GetWindowRect(&rc);
    return KXDividerPos(rc.Width(), m_dDivider);
}

int CKXPropertyGridView::GetRowHeight() {
    CWindowDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&m_fontNormal);
    const int cy = dc.GetTextExtent(CString(" ")).cy;
    dc.SelectObject(pOld);
    return cy + 3;
}

void CKXPropertyGridView::ResetContent() {
    if (CKXPropertyGridItem* pActive = m_pSelected) {
        pActive->OnDeselect();
        m_pSelected = nullptr;
    }
    CRowHost rows(this);
    CRows::ForgetRows(rows);
    if (GetSafeHwnd() == nullptr) return;
    CListBox::ResetContent();
    SetFont(&m_fontNormal, FALSE);
    SetItemHeight(0, static_cast<UINT>(GetRowHeight()));
}

void CKXPropertyGridView::_RefreshIndexes() {
    CRowHost rows(this);
    CRows::RefreshIndexes(rows);
}

void CKXPropertyGridView::Refresh() {
    _RefreshIndexes();
    SetPropertySort(m_propertySort, TRUE);
}

void CKXPropertyGridView::SetPropertySort(eKX_PROPERTYSORT sort, BOOL bForce) {
    if (GetSafeHwnd() == nullptr || (sort == m_propertySort && !bForce)) return;
    {
        CRowHost rows(this);
        CRows::Rebuild(rows, *m_pCategories, sort);
    }
    if (sort != m_propertySort) {
        m_propertySort = sort;
        if (m_pGrid != nullptr) m_pGrid->OnSortChanged();
    }
}

CKXPropertyGridItem* CKXPropertyGridView::AddCategory(CString strCaption) {
    CKXPropertyGridItem* pCategory = new CKXPropertyGridItem(strCaption.GetString());
    pCategory->m_bCategory = TRUE;
    pCategory->m_nFlags = 0;
    pCategory->Attach(this, 0);
    m_pCategories->AddTail(pCategory);
    SetPropertySort(KX_SORT_CATEGORIZED);
    // A change of order has shown it already.
    if (GetSafeHwnd() != nullptr && !pCategory->m_bVisible) InsertItem(pCategory, -1);
    _RefreshIndexes();
    return pCategory;
}

int CKXPropertyGridView::InsertItem(CKXPropertyGridItem* pItem, int nIndex) {
    CRowHost rows(this);
    return pItem != nullptr ? CRows::InsertItem(rows, pItem, nIndex) : nIndex;
}

int CKXPropertyGridView::_DoExpand(CKXPropertyGridItem* pItem, int nIndex) {
    CRowHost rows(this);
    return pItem != nullptr ? CRows::InsertChildren(rows, pItem, nIndex + 1) : nIndex;
}

void CKXPropertyGridView::_DoCollapse(CKXPropertyGridItem* pItem) {
    CRowHost rows(this);
    if (pItem != nullptr) CRows::DeleteDescendants(rows, pItem);
}

void CKXPropertyGridView::SwitchExpandState(int nIndex) {
    CRowHost rows(this);
    CRows::SwitchExpandState(rows, nIndex);
}

void CKXPropertyGridView::OnSelectionChanged() {
    CKXPropertyGridItem* pItem = GetSelectedItem();
    if (m_pSelected != nullptr) m_pSelected->OnDeselect();
    if (pItem != nullptr) pItem->OnSelect();
    m_pSelected = pItem;
    if (pItem != nullptr && m_pGrid != nullptr) m_pGrid->OnSelectionChanged(pItem);
}

void CKXPropertyGridView::OnSelChange() { OnSelectionChanged(); }

// --- notifications, painting ----------------------------------------------------------

LRESULT CKXPropertyGridView::NotifyOwner(WPARAM nCode, LPARAM lParam) {
    CWnd* pSender = m_pGrid != nullptr ? static_cast<CWnd*>(m_pGrid) : this;
    if (pSender->GetSafeHwnd() == nullptr) return 0;
    CWnd* pOwner = pSender->GetOwner();
    if (pOwner == nullptr || pOwner->GetSafeHwnd() == nullptr) return 0;
    return pOwner->SendMessage(KXWM_PROPERTYGRID_NOTIFY, nCode, lParam);
}

CKXPropertyGridPaintManager* CKXPropertyGridView::GetPaintManager() const {
    return m_pGrid != nullptr ? m_pGrid->GetPaintManager() : nullptr;
}

void CKXPropertyGridView::FocusNextControl(BOOL bPrevious) {
    CWnd* pGrid = m_pGrid != nullptr ? static_cast<CWnd*>(m_pGrid) : this;
    const HWND hParent = pGrid->GetSafeHwnd() != nullptr ? ::GetParent(pGrid->m_hWnd) : nullptr;
    if (hParent == nullptr) return;
    if (const HWND hNext = ::GetNextDlgTabItem(hParent, pGrid->m_hWnd, bPrevious)) ::SetFocus(hNext);
}

void CKXPropertyGridView::FocusGrid() {
    CWnd* pGrid = m_pGrid != nullptr ? static_cast<CWnd*>(m_pGrid) : this;
    if (pGrid->GetSafeHwnd() != nullptr) pGrid->SetFocus();
}

BOOL CKXPropertyGridView::HasFocusWithin() const {
    const HWND hFocus = ::GetFocus();
    if (hFocus == nullptr || GetSafeHwnd() == nullptr) return FALSE;
    if (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus)) return TRUE;
    return ::GetWindow(hFocus, GW_OWNER) == m_hWnd;
}

void CKXPropertyGridView::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (m_pGrid != nullptr && (m_pGrid->GetStyle() & KX_PGS_OWNERDRAW) &&
        NotifyOwner(KX_PGN_DRAWITEM, reinterpret_cast<LPARAM>(lpDrawItemStruct)) == 1)
        return;
    if (CKXPropertyGridPaintManager* pPainter = GetPaintManager()) pPainter->DrawItem(lpDrawItemStruct);
}

void CKXPropertyGridView::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(GetRowHeight());
}

void CKXPropertyGridView::Paint(CDC& dc) {
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(&dc, rc, m_clrBack);
    if (!memDC.IsValid()) return;
    if (CKXPropertyGridPaintManager* pPainter = GetPaintManager()) pPainter->FillPropertyGridView(&memDC, TRUE);
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CKXPropertyGridView::OnPaint() {
    CPaintDC dc(this);
    Paint(dc);
}

LRESULT CKXPropertyGridView::OnPrintClient(WPARAM wParam, LPARAM) {
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) Paint(*pDC);
    return 0;
}

BOOL CKXPropertyGridView::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXPropertyGridView::OnNcPaint() {
    Default();
    CKXPropertyGridPaintManager* pPainter = GetPaintManager();
    if (pPainter == nullptr) return;
    CWindowDC dc(this);
    pPainter->FillPropertyGridView(&dc, FALSE);
}

// --- mouse ---------------------------------------------------------------------------

void CKXPropertyGridView::MoveDivider(double dRatio) {
    m_dDivider = dRatio;
    if (m_pSelected != nullptr) m_pSelected->OnSelect();
    Invalidate(FALSE);
}

void CKXPropertyGridView::OnLButtonDown(UINT nFlags, CPoint point) {
    m_wndTip.Hide();
    if (KXIsOnDivider(point.x, GetDividerPos())) {
        SetFocus();
        SetCapture();
        if (m_pSelected != nullptr) m_pSelected->OnValidateEdit();
        m_bTracking = TRUE;
        return;
    }
    if (CKXPropertyGridItem* pItem = ItemFromPoint(point)) {
        pItem->OnLButtonDown(nFlags, point);
        return;
    }
    CListBox::OnLButtonDown(nFlags, point);
}

void CKXPropertyGridView::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bTracking) {
        m_bTracking = FALSE;
        if (GetCapture() == this) ::ReleaseCapture();
        return;
    }
    CListBox::OnLButtonUp(nFlags, point);
}

void CKXPropertyGridView::OnCaptureChanged(CWnd* pWnd) {
    m_bTracking = FALSE;
    CListBox::OnCaptureChanged(pWnd);
}

void CKXPropertyGridView::OnLButtonDblClk(UINT nFlags, CPoint point) {
    CListBox::OnLButtonDblClk(nFlags, point);
    CKXPropertyGridItem* pItem = ItemFromPoint(point);
    if (pItem == nullptr) return;
    pItem->OnLButtonDblClk();
    NotifyOwner(KX_PGN_DBLCLICK, reinterpret_cast<LPARAM>(pItem));
}

void CKXPropertyGridView::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_bTracking) {
        CRect rc;
        GetWindowRect(&rc);
        MoveDivider(KXDividerRatioAt(point.x, rc.Width(), m_dDivider));
        return;
    }
    TrackToolTip(point);
    CListBox::OnMouseMove(nFlags, point);
}

BOOL CKXPropertyGridView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (nHitTest == HTCLIENT) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (m_bTracking || KXIsOnDivider(pt.x, GetDividerPos())) {
            ::SetCursor(m_hCursor);
            return TRUE;
        }
    }
    return CListBox::OnSetCursor(pWnd, nHitTest, message);
}

void CKXPropertyGridView::ScrollAround(const std::function<void()>& scroll) {
    const bool bSuspended = SuspendRedraw();
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow())
        if (pChild->IsWindowVisible()) pChild->ShowWindow(SW_HIDE);
    scroll();
    if (bSuspended) ResumeRedraw();
}

BOOL CKXPropertyGridView::OnMouseWheel(UINT, short, CPoint) {
    m_wndTip.Hide();
    BOOL bResult = FALSE;
    ScrollAround([&] { bResult = static_cast<BOOL>(Default()); });
    return bResult;
}

void CKXPropertyGridView::OnVScroll(UINT, UINT, CScrollBar* pScrollBar) {
    if (pScrollBar != nullptr) {  // another control's scroll bar
        Default();
        return;
    }
    m_wndTip.Hide();
    ScrollAround([&] { Default(); });
}

void CKXPropertyGridView::OnSize(UINT nType, int cx, int cy) {
    CListBox::OnSize(nType, cx, cy);
    OnSelectionChanged();
}

// --- tooltip -------------------------------------------------------------------------

void CKXPropertyGridView::TrackToolTip(CPoint point) {
    if (m_wndTip.IsShown() && !m_rcTip.PtInRect(point)) {
        m_wndTip.Hide();
        m_strTipText.Empty();
    }
    CKXPropertyGridItem* pItem = ItemFromPoint(point);
    if (pItem == nullptr || pItem->IsCategory()) return;  // a category's caption spans the row
    const CRect rcRow = pItem->GetItemRect();
    const int nDivider = GetDividerPos();
    CString strText;
    int xLeft = 0, xRight = 0;
    if (point.x < nDivider) {
        strText = pItem->GetCaption();
        xLeft = KXLayoutPropertyRow(rcRow, nDivider, pItem->GetIndent()).rcCaptionText.left;
        xRight = nDivider;
    } else {
        if (m_wndEdit.GetItem() == pItem && CWnd::GetFocus() == &m_wndEdit) return;
        strText = pItem->GetValue();
        xLeft = nDivider + 4;
        xRight = rcRow.right;
    }
    if (strText == m_strTipText) return;
    m_strTipText = strText;
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(&m_fontNormal);
    const CSize size = dc.GetTextExtent(strText);
    dc.SelectObject(pOld);
    if (!KXTextNeedsTip(size.cx, xLeft, xRight)) return;
    CPoint ptText(xLeft, rcRow.top);
    ClientToScreen(&ptText);
    m_wndTip.Show(this, strText, &m_fontNormal, ptText, rcRow.Height());
    if (!m_wndTip.IsShown()) return;
    m_wndTip.GetWindowRect(&m_rcTip);
    ScreenToClient(&m_rcTip);
    TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
}

LRESULT CKXPropertyGridView::OnMouseLeave(WPARAM, LPARAM) {
    m_wndTip.Hide();
    m_strTipText.Empty();
    return 0;
}

// --- keyboard --------------------------------------------------------------------------

void CKXPropertyGridView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CKXPropertyGridItem* pItem = GetSelectedItem();
    const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    switch (nChar) {
    case VK_RIGHT:
    case VK_LEFT: {
        const bool bRight = nChar == VK_RIGHT;
        if (bCtrl) {
            CRect rc;
            GetWindowRect(&rc);
            MoveDivider(KXMoveDividerRatio(m_dDivider, bRight ? 2 : -2, rc.Width()));
            return;
        }
        if (pItem != nullptr && pItem->HasChilds() && pItem->IsExpanded() != bRight) {
            if (bRight)
                pItem->Expand();
            else
                pItem->Collapse();
            return;
        }
        break;
    }
    case VK_RETURN:
        SwitchExpandState(GetCurSel());
        return;
    case VK_F4:
        if (m_pSelected != nullptr && (m_pSelected->GetFlags() & KX_ITEM_LIST_BUTTON))
            m_pSelected->OnInplaceButtonDown();
        break;
    default:
        break;
    }
    CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridView::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if ((nChar == VK_DOWN || nChar == VK_UP) && m_pSelected != nullptr &&
        (m_pSelected->GetFlags() & KX_ITEM_LIST_BUTTON))
        m_pSelected->OnInplaceButtonDown();
    CListBox::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CKXPropertyGridItem* pItem = GetSelectedItem();
    const bool bParent = pItem != nullptr && pItem->HasChilds();
    if (nChar == '+' && bParent && !pItem->IsExpanded()) {
        pItem->Expand();
        return;
    }
    if (nChar == '-' && bParent && pItem->IsExpanded()) {
        pItem->Collapse();
        return;
    }
    if (m_bTracking) return;
    if (nChar == VK_RETURN && bParent) {
        CListBox::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    if (pItem != nullptr && pItem->OnChar(nChar)) return;
    CListBox::OnChar(nChar, nRepCnt, nFlags);
}

UINT CKXPropertyGridView::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

// A window made again after a destroyed one starts afresh.
int CKXPropertyGridView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    m_bClosing = FALSE;
    m_bRedraw = TRUE;
    return CListBox::OnCreate(lpCreateStruct);
}

void CKXPropertyGridView::OnDestroy() {
    // The items stay until the view object goes; they lose their rows now,
    // and nothing is committed into a grid that is closing.
    m_bClosing = TRUE;
    m_bTracking = FALSE;
    CRowHost rows(this);
    CRows::ForgetRows(rows);
    m_pSelected = nullptr;
    m_wndTip.DestroyWindow();
    CListBox::OnDestroy();
}
