// CKXFlatTabCtrl: creation, the tabs and their windows, selection, layout,
// fonts and colours.  Painting, input and the scroll bar are in the
// flat_tab_*_win.cpp files beside this one.
#include "tabs/flat_tab_ctrl.h"

#include "core/aux_data.h"
#include "core/resource_scope.h"
#include "kxres_ids.h"

#include <new>

IMPLEMENT_DYNAMIC(CKXFlatTabCtrl, CWnd)

BEGIN_MESSAGE_MAP(CKXFlatTabCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_HSCROLL()
    ON_WM_SYSCOLORCHANGE()
    ON_COMMAND(ID_KX_FLATTAB_LEFT, OnScrollLeft)
    ON_COMMAND(ID_KX_FLATTAB_RIGHT, OnScrollRight)
    ON_COMMAND(ID_KX_FLATTAB_HOME, OnScrollHome)
    ON_COMMAND(ID_KX_FLATTAB_END, OnScrollEnd)
END_MESSAGE_MAP()

namespace {

// The scroll-bar child's identifier: the framework's first horizontal bar.
constexpr UINT kScrollBarID = 59904;

}  // namespace

CKXFlatTabCtrl::CKXFlatTabCtrl() {
    m_layout.SetMetrics(::GetSystemMetrics(SM_CXHSCROLL) - 1, ::GetSystemMetrics(SM_CYHSCROLL));
    CKXAuxData& aux = CKXAuxData::Get();
    m_pFontNormal = &aux.fontRegular;
    m_pFontSelected = &aux.fontBold;
    UpdateDefaultColors();
}

CKXFlatTabCtrl::~CKXFlatTabCtrl() {
    while (m_arrItems.GetSize() > 0)
        if (!_DeleteItem(0)) break;
    m_layout.SetSelIndex(-1);
}

BOOL CKXFlatTabCtrl::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(nullptr, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CKXFlatTabCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_layout.SetStyle(static_cast<UINT>(lpCreateStruct->style));
    CRect rc;
    GetClientRect(&rc);
    m_layout.SetClientSize(rc.Width(), rc.Height());

    if (m_layout.HasStyle(KX_FTS_TOOLTIPS) && m_wndToolTip.Create(this)) {
        m_wndToolTip.Activate(TRUE);
        {
            CKXResourceScope scope;
            m_strLastTip.LoadString(IDS_KX_TAB_TOOLTIP);
        }
        m_wndToolTip.AddTool(this, m_strLastTip);
        m_wndToolTip.SetMaxTipWidth(32767);
    }

    // The buttons in the order home, left, right, end, as far as they exist.
    int k = 0;
    auto add = [&](UINT nID, UINT nShape) {
        m_buttons[k].m_nCommand = nID;
        m_buttons[k].m_nShape = nShape;
        return k++;
    };
    if (m_layout.HasStyle(KX_FTS_HASHOMEEND)) m_nHomeButton = add(ID_KX_FLATTAB_HOME, KX_FTB_POINTLEFT | KX_FTB_STOPBAR);
    if (m_layout.HasStyle(KX_FTS_HASARROWS)) {
        m_nLeftButton = add(ID_KX_FLATTAB_LEFT, KX_FTB_POINTLEFT);
        m_nRightButton = add(ID_KX_FLATTAB_RIGHT, 0);
    }
    if (m_layout.HasStyle(KX_FTS_HASHOMEEND)) m_nEndButton = add(ID_KX_FLATTAB_END, KX_FTB_STOPBAR);

    RecalcLayout();

    if (m_layout.HasStyle(KX_FTS_HSCROLL)) {
        if (!m_wndHScroll.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, kScrollBarID)) return -1;
        SetGripperPosition(60, true);
    }
    return 0;
}

void CKXFlatTabCtrl::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    m_layout.SetClientSize(cx, cy);
    RecalcLayout();
    SetGripperPosition(m_layout.GetGripperPercent(), true);
    SyncScrollBar();
}

void CKXFlatTabCtrl::RecalcLayout() {
    if (m_bHasWindows) {
        const CRect rc = m_layout.GetWindowRect();
        for (int i = 0; i < GetItemCount(); ++i)
            if (HWND hWnd = LiveWindow(i))
                ::SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                               SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    }
    for (int k = 0; k < 4; ++k) m_buttons[k].m_rect = m_layout.GetButtonRect(k);
    EnableButtons();
}

void CKXFlatTabCtrl::EnableButtons() {
    if (!m_layout.HasStyle(KX_FTS_HASARROWS)) return;
    const bool bLeft = m_layout.IsLeftEnabled(), bRight = m_layout.IsRightEnabled();
    m_buttons[m_nLeftButton].m_bEnabled = bLeft;
    m_buttons[m_nRightButton].m_bEnabled = bRight;
    if (m_layout.HasStyle(KX_FTS_HASHOMEEND)) {
        m_buttons[m_nHomeButton].m_bEnabled = bLeft;
        m_buttons[m_nEndButton].m_bEnabled = bRight;
    }
    if (m_hWnd != nullptr) {
        const CRect strip = m_layout.GetStripRect();
        const CRect rc(0, strip.top, m_layout.GetArrowAreaWidth(), strip.bottom);
        InvalidateRect(&rc, FALSE);
    }
}

void CKXFlatTabCtrl::InvalidateTabs() {
    if (m_hWnd == nullptr) return;
    const CRect strip = m_layout.GetStripRect();
    InvalidateRect(&strip, FALSE);
}

HWND CKXFlatTabCtrl::LiveWindow(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetItemCount()) return nullptr;
    HWND hWnd = m_arrItems[nIndex]->hWnd;
    return hWnd != nullptr && ::IsWindow(hWnd) ? hWnd : nullptr;
}

// --- tabs ---------------------------------------------------------------------

int CKXFlatTabCtrl::InsertItem(int nIndex, LPCTSTR lpszText, CWnd* pWnd) {
    if (nIndex < 0 || nIndex > GetItemCount() || !::IsWindow(m_hWnd)) return -1;
    auto* pItem = new (std::nothrow) KX_FLATTAB_ITEM;
    if (pItem == nullptr) return -1;
    pItem->pWnd = pWnd;
    pItem->strText = lpszText != nullptr ? lpszText : "";
    pItem->strTip = pItem->strText;
    const INT_PTR nCount = m_arrItems.GetSize();
    m_arrItems.InsertAt(nIndex, pItem);
    if (m_arrItems.GetSize() != nCount + 1) {
        delete pItem;
        return -1;
    }
    int cxNormal = 0, cxSelected = 0;
    MeasureItem(nIndex, cxNormal, cxSelected);
    if (!m_layout.InsertTab(nIndex, cxNormal, cxSelected)) {
        m_arrItems.RemoveAt(nIndex);
        delete pItem;
        return -1;
    }

    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd != nullptr && ::IsWindow(hWnd)) {
        pItem->hWnd = hWnd;
        m_bHasWindows = true;
        ::SetParent(hWnd, m_hWnd);
        const CRect rc = m_layout.GetWindowRect();
        ::MoveWindow(hWnd, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    }
    EnableButtons();
    InvalidateTabs();
    SetCurSel(nIndex);
    return nIndex;
}

int CKXFlatTabCtrl::InsertItem(int nIndex, UINT nTextID, CWnd* pWnd) {
    CString strText;
    strText.LoadString(nTextID);
    return InsertItem(nIndex, static_cast<LPCTSTR>(strText), pWnd);
}

BOOL CKXFlatTabCtrl::_DeleteItem(int nIndex) {
    if (nIndex < 0 || nIndex >= GetItemCount()) return FALSE;
    if (HWND hWnd = LiveWindow(nIndex)) {
        ::ShowWindow(hWnd, SW_HIDE);
        ::SetParent(hWnd, ::GetDesktopWindow());
    }
    delete m_arrItems[nIndex];
    m_arrItems.RemoveAt(nIndex);
    m_layout.RemoveTab(nIndex);
    if (m_arrItems.GetSize() == 0) m_bHasWindows = false;
    return TRUE;
}

BOOL CKXFlatTabCtrl::DeleteItem(int nIndex) {
    if (!_DeleteItem(nIndex)) return FALSE;
    if (m_layout.AfterDelete(nIndex)) SetCurSel(0);
    EnableButtons();
    InvalidateTabs();
    return TRUE;
}

void CKXFlatTabCtrl::DeleteAllItems() {
    while (GetItemCount() > 0)
        if (!_DeleteItem(0)) break;
    m_layout.SetSelIndex(-1);
    EnableButtons();
    InvalidateTabs();
}

int CKXFlatTabCtrl::GetItemCount() const { return static_cast<int>(m_arrItems.GetSize()); }

LPCTSTR CKXFlatTabCtrl::GetItemText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetItemCount()) return nullptr;
    return m_arrItems[nIndex]->strText;
}

bool CKXFlatTabCtrl::SetItemText(int nIndex, LPCTSTR lpszText) {
    if (nIndex < 0 || nIndex >= GetItemCount()) return false;
    m_arrItems[nIndex]->strText = lpszText != nullptr ? lpszText : "";
    int cxNormal = 0, cxSelected = 0;
    MeasureItem(nIndex, cxNormal, cxSelected);
    m_layout.SetCaptionWidths(nIndex, cxNormal, cxSelected);
    RecalcLayout();
    InvalidateTabs();
    return true;
}

CWnd* CKXFlatTabCtrl::GetItemWindow(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetItemCount()) return nullptr;
    const KX_FLATTAB_ITEM* pItem = m_arrItems[nIndex];
    // A window destroyed behind the control's back is no window any more.
    if (pItem->hWnd != nullptr && !::IsWindow(pItem->hWnd)) return nullptr;
    return pItem->pWnd;
}

void CKXFlatTabCtrl::SetTipText(int nIndex, LPCTSTR lpszText) {
    if (nIndex < 0 || nIndex >= GetItemCount()) return;
    m_arrItems[nIndex]->strTip = lpszText != nullptr ? lpszText : "";
}

CString CKXFlatTabCtrl::GetTipText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetItemCount()) return CString();
    return m_arrItems[nIndex]->strTip;
}

// --- selection ----------------------------------------------------------------

int CKXFlatTabCtrl::GetCurSel() const { return m_layout.GetCurSel(); }

int CKXFlatTabCtrl::SetCurSel(int nIndex) {
    if (nIndex < 0 || nIndex >= GetItemCount()) return -1;
    const int nOld = m_layout.Select(nIndex);
    // Hiding and showing the same window again would only flicker.
    if (nOld != nIndex)
        if (HWND hOld = LiveWindow(nOld)) ::ShowWindow(hOld, SW_HIDE);
    if (HWND hNew = LiveWindow(nIndex)) ::ShowWindow(hNew, SW_SHOW);
    SyncScrollBar();
    EnableButtons();
    InvalidateTabs();
    return nOld;
}

// --- geometry -----------------------------------------------------------------

BOOL CKXFlatTabCtrl::GetItemRect(int nIndex, LPRECT lpRect) const {
    CRect rc;
    if (lpRect == nullptr || !m_layout.GetItemRect(nIndex, rc)) return FALSE;
    *lpRect = rc;
    return TRUE;
}

int CKXFlatTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const {
    if (pHitTestInfo == nullptr) return -1;
    const int i = m_layout.HitTest(pHitTestInfo->pt.x);
    pHitTestInfo->flags = i >= 0 ? TCHT_ONITEM : TCHT_NOWHERE;
    return i;
}

int CKXFlatTabCtrl::ButtonHitTest(CPoint& pt) const { return m_layout.ButtonHitTest(pt); }

int CKXFlatTabCtrl::GetOverlap() const { return m_layout.GetOverlap(); }

void CKXFlatTabCtrl::Home() {
    m_layout.ScrollHome();
    AfterScroll();
}

void CKXFlatTabCtrl::SetGripperPosition(int nPos, bool bPercent) {
    if (!m_layout.HasStyle(KX_FTS_HSCROLL)) return;
    m_layout.SetGripperPosition(nPos, bPercent);
    if (::IsWindow(m_wndHScroll.m_hWnd)) {
        const CRect rc = m_layout.GetScrollBarRect();
        m_wndHScroll.MoveWindow(&rc);
    }
    EnableButtons();
    InvalidateTabs();
}

// --- fonts and colours --------------------------------------------------------

void CKXFlatTabCtrl::SetTabFonts(CFont* pNormal, CFont* pSelected) {
    if (pNormal != nullptr) m_pFontNormal = pNormal;
    if (pSelected != nullptr) m_pFontSelected = pSelected;
    RemeasureAll();
    RecalcLayout();
    InvalidateTabs();
}

void CKXFlatTabCtrl::MeasureItem(int nIndex, int& cxNormal, int& cxSelected) const {
    const CString& strText = m_arrItems[nIndex]->strText;
    CClientDC dc(const_cast<CKXFlatTabCtrl*>(this));
    auto measure = [&](CFont* pFont) {
        HGDIOBJ hOld = pFont->GetSafeHandle() ? dc.SelectObject(pFont->GetSafeHandle()) : nullptr;
        const int cx = dc.GetTextExtent(strText).cx;
        if (hOld != nullptr) dc.SelectObject(hOld);
        return cx;
    };
    cxNormal = measure(m_pFontNormal);
    cxSelected = measure(m_pFontSelected);
}

void CKXFlatTabCtrl::RemeasureAll() {
    for (int i = 0; i < GetItemCount(); ++i) {
        int cxNormal = 0, cxSelected = 0;
        MeasureItem(i, cxNormal, cxSelected);
        m_layout.SetCaptionWidths(i, cxNormal, cxSelected);
    }
}

void CKXFlatTabCtrl::UpdateDefaultColors() {
    m_clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrHilight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrBack = ::GetSysColor(COLOR_BTNFACE);
    m_clrText = ::GetSysColor(COLOR_BTNTEXT);
    m_clrSelBack = ::GetSysColor(COLOR_WINDOW);
    m_clrSelText = ::GetSysColor(COLOR_WINDOWTEXT);
    CreatePens();
    m_bUserColors = false;
}

namespace {

void Recreate(CPen& pen, COLORREF clr) {
    pen.DeleteObject();
    pen.CreatePen(PS_SOLID, 1, clr);
}

}  // namespace

void CKXFlatTabCtrl::CreatePens() {
    Recreate(m_penShadow, m_clrShadow);
    Recreate(m_penSelBack, m_clrSelBack);
    Recreate(m_penBack, m_clrBack);
    Recreate(m_penText, m_clrText);
    Recreate(m_penHilight, m_clrHilight);
}

void CKXFlatTabCtrl::SetTabTextColor(COLORREF clr) {
    m_clrText = clr;
    m_bUserColors = true;
}

void CKXFlatTabCtrl::SetSelTabTextColor(COLORREF clr) {
    m_clrSelText = clr;
    m_bUserColors = true;
}

void CKXFlatTabCtrl::SetTabBackColor(COLORREF clr) {
    m_clrBack = clr;
    m_bUserColors = true;
    Recreate(m_penBack, clr);
}

void CKXFlatTabCtrl::SetSelTabBackColor(COLORREF clr) {
    m_clrSelBack = clr;
    m_bUserColors = true;
    Recreate(m_penSelBack, clr);
}

void CKXFlatTabCtrl::SetTabShadowColor(COLORREF clr) {
    m_clrShadow = clr;
    m_bUserColors = true;
    Recreate(m_penShadow, clr);
}

void CKXFlatTabCtrl::SetTabHilightColor(COLORREF clr) {
    m_clrHilight = clr;
    m_bUserColors = true;
    Recreate(m_penHilight, clr);
}

void CKXFlatTabCtrl::OnSysColorChange() {
    CWnd::OnSysColorChange();
    if (!m_bUserColors) UpdateDefaultColors();
    Invalidate(FALSE);
}
