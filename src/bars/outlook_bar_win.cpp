#include "bars/outlook_bar.h"

#include "core/aux_data.h"
#include "core/color_manager.h"

IMPLEMENT_DYNCREATE(CKXOutlookBar, CListBox)

BEGIN_MESSAGE_MAP(CKXOutlookBar, CListBox)
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CKXOutlookBar::CKXOutlookBar()
    : m_cxIcon(::GetSystemMetrics(SM_CXICON)), m_cyIcon(::GetSystemMetrics(SM_CYICON)) {}

CKXOutlookBar::~CKXOutlookBar() {
    while (!m_items.IsEmpty()) {
        KX_CONTENT_ITEM* pItem = m_items.RemoveHead();
        if (pItem->hIcon) ::DestroyIcon(pItem->hIcon);
        delete pItem;
    }
}

BOOL CKXOutlookBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!CListBox::Create(dwStyle | LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT, rect, pParentWnd, nID))
        return FALSE;
    SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    return TRUE;
}

// --- rows ---------------------------------------------------------------------------------------

int CKXOutlookBar::AddRecord(int nIndex, UINT nIconID, LPCSTR lpszText) {
    if (nIndex < 0) return nIndex;
    for (POSITION pos = m_items.GetHeadPosition(); pos;) {
        KX_CONTENT_ITEM* pItem = m_items.GetNext(pos);
        if (pItem->nIndex >= nIndex) ++pItem->nIndex;
    }
    HICON hIcon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIconID), IMAGE_ICON,
                                                  m_cxIcon, m_cyIcon, 0));
    m_items.AddTail(new KX_CONTENT_ITEM{nIndex, lpszText ? lpszText : "", hIcon});
    return nIndex;
}

int CKXOutlookBar::AddMenuItem(UINT nIconID, LPCSTR lpszText) {
    return AddRecord(AddString(lpszText ? lpszText : ""), nIconID, lpszText);
}

int CKXOutlookBar::InsertMenuItemA(int nIndex, UINT nIconID, LPCSTR lpszText) {
    return AddRecord(InsertString(nIndex, lpszText ? lpszText : ""), nIconID, lpszText);
}

KX_CONTENT_ITEM* CKXOutlookBar::GetMenuItem(int nIndex) {
    for (POSITION pos = m_items.GetHeadPosition(); pos;) {
        KX_CONTENT_ITEM* pItem = m_items.GetNext(pos);
        if (pItem->nIndex == nIndex) return pItem;
    }
    return nullptr;
}

// --- colours ------------------------------------------------------------------------------------

void CKXOutlookBar::SetColors(COLORREF clrText, COLORREF clrBack) {
    m_clrText = clrText;
    m_clrBack = clrBack;
    m_bUserColors = true;
}

COLORREF CKXOutlookBar::GetBackColor() const {
    if (m_bUserColors) return m_clrBack;
    const CKXAuxData& aux = CKXAuxData::Get();
    return aux.bXPLook ? aux.clrXP[XPCOLOR_TOOLBAR_FACE - XPCOLOR_TOOLBAR_FACE] : aux.clrBtnShadow;
}

COLORREF CKXOutlookBar::GetTextColor() const {
    if (m_bUserColors) return m_clrText;
    const CKXAuxData& aux = CKXAuxData::Get();
    return aux.bXPLook ? aux.clrBtnText : aux.clrWindow;
}

// --- drawing --------------------------------------------------------------------------------------

void CKXOutlookBar::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(2 * ::GetSystemMetrics(SM_CYICON));
}

void CKXOutlookBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (static_cast<int>(lpDrawItemStruct->itemID) < 0) return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcRow = lpDrawItemStruct->rcItem;
    const int cxRow = rcRow.Width();
    const CKXAuxData& aux = CKXAuxData::Get();
    const COLORREF clrBack = GetBackColor();
    const int nSaved = pDC->SaveDC();
    pDC->SetTextColor(GetTextColor());
    pDC->SetBkColor(clrBack);
    pDC->FillSolidRect(rcRow, clrBack);
    pDC->SetBkMode(TRANSPARENT);
    if (CFont* pFont = GetFont()) pDC->SelectObject(pFont);

    const CPoint ptIcon(rcRow.left + (cxRow - m_cxIcon) / 2, rcRow.top + 15);
    CRect rcText = rcRow;
    rcText.DeflateRect(7, 52, 7, 0);
    CRect rcFrame;
    rcFrame.left = rcRow.left + (cxRow - m_cxIcon - 4) / 2;
    rcFrame.right = rcFrame.left + m_cxIcon + 4;
    rcFrame.top = rcRow.top + 13;
    rcFrame.bottom = rcRow.bottom - 14;
    if ((lpDrawItemStruct->itemState & ODS_SELECTED) && m_bMouseInside) {
        const bool bDown = ::GetKeyState(VK_LBUTTON) < 0;
        if (aux.bXPLook) {
            pDC->FillSolidRect(rcFrame, aux.clrXP[(bDown ? XPCOLOR_HIGHLIGHT_PUSHED : XPCOLOR_HIGHLIGHT_CHECKED) -
                                                  XPCOLOR_TOOLBAR_FACE]);
            pDC->Draw3dRect(rcFrame, aux.clrHilite, aux.clrHilite);
        } else {
            pDC->FillSolidRect(rcFrame, clrBack);
            if (bDown) pDC->Draw3dRect(rcFrame, aux.clrBtnDkShadow, aux.clrBtnHilite);  // sunken
            else pDC->Draw3dRect(rcFrame, aux.clrBtnHilite, aux.clrBtnDkShadow);
        }
    }
    // Rows added without a record (plain AddString) show nothing.
    if (const KX_CONTENT_ITEM* pItem = GetMenuItem(static_cast<int>(lpDrawItemStruct->itemID))) {
        if (pItem->hIcon) pDC->DrawIcon(ptIcon, pItem->hIcon);
        pDC->DrawText(pItem->strText, rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    pDC->RestoreDC(nSaved);
}

void CKXOutlookBar::OnNoFlickerPaint(CDC* pDC) {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, rcClient.Width(), rcClient.Height()))
        return;
    memDC.SetMapMode(pDC->GetMapMode());
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(rcClient, GetBackColor());
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
    pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}

void CKXOutlookBar::OnPaint() {
    CPaintDC dc(this);
    OnNoFlickerPaint(&dc);
}

LRESULT CKXOutlookBar::OnPrintClient(WPARAM wParam, LPARAM) {
    if (wParam == 0) return 0;
    OnNoFlickerPaint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

BOOL CKXOutlookBar::OnEraseBkgnd(CDC*) { return FALSE; }

// --- mouse ------------------------------------------------------------------------------------------

void CKXOutlookBar::OnLButtonUp(UINT nFlags, CPoint point) {
    CListBox::OnLButtonUp(nFlags, point);
    if (CWnd* pOwner = GetOwner())
        pOwner->SendMessage(WM_OUTBAR_NOTIFY, static_cast<WPARAM>(GetCurSel()), static_cast<LPARAM>(GetDlgCtrlID()));
}

void CKXOutlookBar::OnMouseMove(UINT nFlags, CPoint point) {
    m_ptLast = point;
    SetTimer(kTimerID, 10);
    CListBox::OnMouseMove(nFlags, point);
}

void CKXOutlookBar::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kTimerID) {
        CListBox::OnTimer(nIDEvent);
        return;
    }
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (rcWindow.PtInRect(ptCursor)) {
        m_bMouseInside = true;
        BOOL bOutside = TRUE;
        const int nItem = static_cast<int>(ItemFromPoint(m_ptLast, bOutside));
        if (!bOutside && nItem < GetCount() && nItem != GetCurSel()) SetCurSel(nItem);
    } else {
        m_bMouseInside = false;
        if (::GetKeyState(VK_LBUTTON) < 0) SetCurSel(-1);
        KillTimer(kTimerID);
    }
    Invalidate();
    UpdateWindow();
}

void CKXOutlookBar::OnWindowPosChanged(WINDOWPOS* lpwndpos) {
    CListBox::OnWindowPosChanged(lpwndpos);
    Invalidate(TRUE);
}
