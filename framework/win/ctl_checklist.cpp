#include "win/ctl_checklist.h"

#include "win/dc.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_REFLECT_BASE + WM_DRAWITEM, OnReflectDrawItem)
    ON_MESSAGE(WM_REFLECT_BASE + WM_MEASUREITEM, OnReflectMeasureItem)
    ON_MESSAGE(LB_ADDSTRING, OnLBAddString)
    ON_MESSAGE(LB_INSERTSTRING, OnLBInsertString)
    ON_MESSAGE(LB_DELETESTRING, OnLBDeleteString)
    ON_MESSAGE(LB_RESETCONTENT, OnLBResetContent)
END_MESSAGE_MAP()

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    ASSERT((dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && (dwStyle & LBS_HASSTRINGS));
    return CListBox::Create(dwStyle, rect, pParentWnd, nID);
}

void CCheckListBox::PreSubclassWindow() {
    CListBox::PreSubclassWindow();
    // A list box from a dialog template measured its items before it was ours.
    if (m_hWnd && (GetStyle() & LBS_OWNERDRAWFIXED)) SetItemHeight(0, CalcMinimumItemHeight());
}

void CCheckListBox::SetCheckStyle(UINT nStyle) {
    ASSERT(nStyle == BS_CHECKBOX || nStyle == BS_AUTOCHECKBOX || nStyle == BS_3STATE || nStyle == BS_AUTO3STATE);
    m_nStyle = nStyle;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck) {
    ASSERT(nIndex >= 0 && nIndex < GetCount());
    ASSERT(nCheck >= 0 && nCheck <= 2);
    if (nIndex < 0 || nIndex >= GetCount() || nCheck < 0 || nCheck > 2) return;
    if (static_cast<size_t>(nIndex) >= m_states.size()) m_states.resize(static_cast<size_t>(nIndex) + 1);
    m_states[static_cast<size_t>(nIndex)].nCheck = nCheck;
    CRect rect;
    if (GetItemRect(nIndex, rect) != LB_ERR) InvalidateRect(rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) const {
    return nIndex >= 0 && static_cast<size_t>(nIndex) < m_states.size() ? m_states[static_cast<size_t>(nIndex)].nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled) {
    ASSERT(nIndex >= 0 && nIndex < GetCount());
    if (nIndex < 0 || nIndex >= GetCount()) return;
    if (static_cast<size_t>(nIndex) >= m_states.size()) m_states.resize(static_cast<size_t>(nIndex) + 1);
    m_states[static_cast<size_t>(nIndex)].bEnabled = bEnabled;
    CRect rect;
    if (GetItemRect(nIndex, rect) != LB_ERR) InvalidateRect(rect, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const {
    return nIndex < 0 || static_cast<size_t>(nIndex) >= m_states.size() || m_states[static_cast<size_t>(nIndex)].bEnabled;
}

CRect CCheckListBox::OnGetCheckPosition(CRect, CRect rectCheckBox) { return rectCheckBox; }

int CCheckListBox::CalcMinimumItemHeight() {
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetFont());
    TEXTMETRICA tm;
    dc.GetTextMetrics(&tm);
    if (pOldFont) dc.SelectObject(pOldFont);
    m_cyText = tm.tmHeight;
    return std::max(m_cyText, kCheckSize + 2);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(CalcMinimumItemHeight());
}

LRESULT CCheckListBox::OnReflectMeasureItem(WPARAM, LPARAM lParam) {
    MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    return TRUE;
}

LRESULT CCheckListBox::OnReflectDrawItem(WPARAM, LPARAM lParam) {
    DRAWITEMSTRUCT drawItem = *reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
    int nIndex = static_cast<int>(drawItem.itemID);
    if (nIndex >= 0 && (drawItem.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        CDC* pDC = CDC::FromHandle(drawItem.hDC);
        int cyItem = drawItem.rcItem.bottom - drawItem.rcItem.top;
        CRect rectCheck(drawItem.rcItem.left + 1, drawItem.rcItem.top + 1 + std::max(0, (cyItem - kCheckSize) / 2),
                        0, 0);
        rectCheck.right = rectCheck.left + kCheckSize;
        rectCheck.bottom = rectCheck.top + kCheckSize;
        rectCheck = OnGetCheckPosition(drawItem.rcItem, rectCheck);
        // The check column keeps the window's colour when the item is selected.
        CRect rectColumn(drawItem.rcItem);
        rectColumn.right = rectColumn.left + kCheckSize + 3;
        pDC->FillSolidRect(rectColumn, ::GetSysColor(COLOR_WINDOW));
        UINT nState = DFCS_BUTTONCHECK;
        int nCheck = GetCheck(nIndex);
        if (nCheck == 1) nState |= DFCS_CHECKED;
        if (nCheck == 2) nState = DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (!IsEnabled(nIndex) || !IsWindowEnabled()) nState |= DFCS_INACTIVE;
        pDC->DrawFrameControl(rectCheck, DFC_BUTTON, nState | DFCS_FLAT);
        drawItem.rcItem.left += kCheckSize + 3;
    }
    DrawItem(&drawItem);
    return TRUE;
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    if (nIndex >= 0 && (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        BOOL bDisabled = !IsWindowEnabled() || !IsEnabled(nIndex);
        COLORREF crText = bDisabled ? ::GetSysColor(COLOR_GRAYTEXT) : ::GetSysColor(COLOR_WINDOWTEXT);
        COLORREF crBack = ::GetSysColor(COLOR_WINDOW);
        if (!bDisabled && (lpDrawItemStruct->itemState & ODS_SELECTED)) {
            crText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
            crBack = ::GetSysColor(COLOR_HIGHLIGHT);
        }
        COLORREF crOldText = pDC->SetTextColor(crText);
        COLORREF crOldBack = pDC->SetBkColor(crBack);
        CString strText;
        GetText(nIndex, strText);
        int cyItem = lpDrawItemStruct->rcItem.bottom - lpDrawItemStruct->rcItem.top;
        if (m_cyText == 0) CalcMinimumItemHeight();
        pDC->ExtTextOut(lpDrawItemStruct->rcItem.left, lpDrawItemStruct->rcItem.top + std::max(0, (cyItem - m_cyText) / 2),
                        ETO_OPAQUE, &lpDrawItemStruct->rcItem, strText, nullptr);
        pDC->SetTextColor(crOldText);
        pDC->SetBkColor(crOldBack);
    }
    if (lpDrawItemStruct->itemAction & ODA_FOCUS) pDC->DrawFocusRect(&lpDrawItemStruct->rcItem);
}

int CCheckListBox::CheckFromPoint(CPoint point, BOOL& bInCheck) const {
    bInCheck = FALSE;
    BOOL bOutside = TRUE;
    int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
    if (bOutside) return -1;
    CRect rectItem;
    GetItemRect(nIndex, rectItem);
    bInCheck = point.x < rectItem.left + kCheckSize + 3;
    return nIndex;
}

void CCheckListBox::ToggleFromUser(int nIndex) {
    int nModulo = m_nStyle == BS_AUTO3STATE ? 3 : 2;
    int nCheck = GetCheck(nIndex);
    if (nCheck >= nModulo) nCheck = nModulo - 1;
    int nNewCheck = (nCheck + 1) % nModulo;
    // In a multiple-selection box a selected item takes the others along.
    if ((GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) && GetSel(nIndex) > 0) {
        for (int i = 0; i < GetCount(); ++i)
            if (GetSel(i) > 0 && IsEnabled(i)) SetCheck(i, nNewCheck);
    } else {
        SetCheck(nIndex, nNewCheck);
    }
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point) {
    SetFocus();
    BOOL bInCheck = FALSE;
    int nIndex = CheckFromPoint(point, bInCheck);
    if (nIndex >= 0 && !IsEnabled(nIndex)) return;  // a disabled item takes no clicks
    if (nIndex >= 0 && bInCheck && (m_nStyle == BS_AUTOCHECKBOX || m_nStyle == BS_AUTO3STATE)) {
        ToggleFromUser(nIndex);
        return;
    }
    CListBox::OnLButtonDown(nFlags, point);
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point) {
    BOOL bInCheck = FALSE;
    CheckFromPoint(point, bInCheck);
    if (bInCheck)
        OnLButtonDown(nFlags, point);  // a second click on the box
    else
        CListBox::OnLButtonDblClk(nFlags, point);
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_SPACE && (m_nStyle == BS_AUTOCHECKBOX || m_nStyle == BS_AUTO3STATE)) {
        int nIndex = (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) ? GetCaretIndex() : GetCurSel();
        if (nIndex >= 0 && IsEnabled(nIndex)) ToggleFromUser(nIndex);
    }
    CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

// The checks follow the items: each string message moves them as the list
// box moves its items.
LRESULT CCheckListBox::OnLBAddString(WPARAM, LPARAM) {
    LRESULT nIndex = Default();
    if (nIndex >= 0) {
        if (m_states.size() < static_cast<size_t>(nIndex)) m_states.resize(static_cast<size_t>(nIndex));
        m_states.insert(m_states.begin() + nIndex, CheckState());
    }
    return nIndex;
}

LRESULT CCheckListBox::OnLBInsertString(WPARAM, LPARAM) { return OnLBAddString(0, 0); }

LRESULT CCheckListBox::OnLBDeleteString(WPARAM wParam, LPARAM) {
    LRESULT nCount = Default();
    size_t nIndex = static_cast<size_t>(wParam);
    if (nCount != LB_ERR && nIndex < m_states.size()) m_states.erase(m_states.begin() + static_cast<ptrdiff_t>(nIndex));
    return nCount;
}

LRESULT CCheckListBox::OnLBResetContent(WPARAM, LPARAM) {
    m_states.clear();
    return Default();
}
