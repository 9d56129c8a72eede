#include "propgrid/constraint_rules.h"
#include "propgrid/property_grid_inplace.h"
#include "propgrid/property_grid_view.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridInplaceEdit, CKXEdit)

BEGIN_MESSAGE_MAP(CKXPropertyGridInplaceEdit, CKXEdit)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDBLCLK()
    ON_CONTROL_REFLECT_EX(EN_SETFOCUS, OnSetFocusReflect)
    ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, OnKillFocusReflect)
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChangeReflect)
END_MESSAGE_MAP()

void CKXPropertyGridInplaceEdit::SetValue(LPCTSTR lpszValue) { m_strValue = lpszValue; }

void CKXPropertyGridInplaceEdit::HideWindow() {
    if (GetSafeHwnd() != nullptr) ShowWindow(SW_HIDE);
}

void CKXPropertyGridInplaceEdit::Create(CKXPropertyGridItem* pItem, CRect rect) {
    m_pItem = pItem;
    m_pGrid = pItem != nullptr ? pItem->m_pGrid : nullptr;
    if (m_pGrid == nullptr || m_pGrid->GetSafeHwnd() == nullptr) return;
    if (GetSafeHwnd() == nullptr && !CKXEdit::Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), m_pGrid, 0)) return;
    // The font each time: the grid may have made new ones since.
    SetFont(&m_pGrid->m_fontNormal, FALSE);
    SyncColors();
    SetWindowText(m_strValue);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetMargins(3, 0);
}

void CKXPropertyGridInplaceEdit::SyncColors() {
    if (m_pGrid == nullptr) return;
    const COLORREF clrGray = ::GetSysColor(COLOR_GRAYTEXT);
    if (m_clrText == m_pGrid->m_clrFore && m_clrReadOnlyText == clrGray && m_clrBk == m_pGrid->m_clrBack &&
        m_clrReadOnlyBk == m_pGrid->m_clrBack)
        return;
    m_clrText = m_pGrid->m_clrFore;
    m_clrReadOnlyText = clrGray;
    m_clrBk = m_clrReadOnlyBk = m_pGrid->m_clrBack;
    CreateBrushType();
}

HBRUSH CKXPropertyGridInplaceEdit::CtlColor(CDC* pDC, UINT nCtlColor) {
    SyncColors();
    return CKXEdit::CtlColor(pDC, nCtlColor);
}

void CKXPropertyGridInplaceEdit::OnPaint() {
    SyncColors();
    CKXEdit::OnPaint();
}

void CKXPropertyGridInplaceEdit::DestroyItem() {
    m_pItem = nullptr;
    m_pGrid = nullptr;
    m_strValue.Empty();
    if (GetSafeHwnd() == nullptr) return;
    SetWindowText("");
    ShowWindow(SW_HIDE);
}

BOOL CKXPropertyGridInplaceEdit::SelectConstraint(int nStep, BOOL bCycle) {
    if (m_pItem == nullptr || GetSafeHwnd() == nullptr) return FALSE;
    CKXItemConstraints& constraints = *m_pItem->GetConstraints();
    const int nCount = static_cast<int>(constraints.GetCount());
    if (nCount == 0) return FALSE;
    CString strText;
    GetWindowText(strText);
    const int i = KXStepConstraint(constraints.GetCurrent(), constraints.FindConstaint(strText), nStep, bCycle != FALSE,
                                   nCount);
    SetWindowText(KXConstraintAt(constraints, i));
    constraints.SetCurrent(i);
    return TRUE;
}

BOOL CKXPropertyGridInplaceEdit::IsItemEditable() const {
    return m_pItem != nullptr && (m_pItem->GetFlags() & KX_ITEM_EDIT) && !m_pItem->GetReadOnly();
}

UINT CKXPropertyGridInplaceEdit::OnGetDlgCode() { return static_cast<UINT>(Default()) | DLGC_WANTALLKEYS; }

void CKXPropertyGridInplaceEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_pItem == nullptr || m_pGrid == nullptr) {
        CKXEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar) {
    case VK_TAB:
        if (::GetKeyState(VK_SHIFT) < 0) {
            m_pGrid->FocusGrid();
        } else {
            CKXPropertyGridInplaceButton& button = m_pGrid->GetInplaceButton();
            if (button.GetSafeHwnd() != nullptr && button.IsWindowVisible() && button.GetItem() == m_pItem)
                button.SetFocus();
            else
                m_pGrid->FocusNextControl(FALSE);
        }
        return;
    case VK_ESCAPE:
        SetWindowText(m_strValue);
        return;
    case VK_RETURN:
        return;
    case VK_F4:
        if (m_pItem->GetFlags() & KX_ITEM_LIST_BUTTON) m_pItem->OnInplaceButtonDown();
        break;
    case VK_DOWN:
    case VK_UP:
        if (IsItemEditable() && SelectConstraint(nChar == VK_DOWN ? 1 : -1, FALSE)) {
            SetSel(0, -1);
            return;
        }
        break;
    default:
        break;
    }
    CKXEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridInplaceEdit::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if ((nChar == VK_DOWN || nChar == VK_UP) && m_pItem != nullptr &&
        (m_pItem->GetFlags() & KX_ITEM_LIST_BUTTON)) {
        m_pItem->OnInplaceButtonDown();
        return;
    }
    CKXEdit::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridInplaceEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_pItem == nullptr || m_pGrid == nullptr) {
        CKXEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    // Typing opens the list or the dialog of an item that takes no text.
    if (!m_pItem->IsEnableChar() && (m_pItem->GetFlags() & (KX_ITEM_BROWSE_BUTTON | KX_ITEM_LIST_BUTTON))) {
        m_pGrid->SetFocus();
        if (nChar != VK_TAB) m_pItem->OnInplaceButtonDown();
        return;
    }
    if (nChar == VK_TAB) return;
    if (nChar == VK_ESCAPE || nChar == VK_RETURN) {
        m_pGrid->SetFocus();  // commits through the loss of focus
        return;
    }
    CKXItemConstraints& constraints = *m_pItem->GetConstraints();
    if (IsItemEditable() && m_pItem->GetConstraintEdit() && constraints.GetCount() > 0) {
        int nStart = constraints.GetCurrent();
        if (nStart == -1) {
            CString strText;
            GetWindowText(strText);
            nStart = constraints.FindConstaint(strText);
        }
        const int i = KXFindConstraintByLetter(constraints, nStart, nChar);
        if (i >= 0) {
            SetWindowText(KXConstraintAt(constraints, i));
            SetSel(0, -1);
            constraints.SetCurrent(i);
        }
        return;
    }
    CKXEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridInplaceEdit::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (IsItemEditable() && SelectConstraint(1, TRUE)) {
        m_pGrid->SetFocus();
        return;
    }
    CKXEdit::OnLButtonDblClk(nFlags, point);
}

BOOL CKXPropertyGridInplaceEdit::OnSetFocusReflect() {
    if (m_pGrid != nullptr) m_pGrid->Invalidate(FALSE);
    return FALSE;
}

BOOL CKXPropertyGridInplaceEdit::OnKillFocusReflect() {
    if (m_pGrid == nullptr || m_pGrid->IsClosing()) return FALSE;
    CKXPropertyGridView* pGrid = m_pGrid;
    if (m_pItem != nullptr) m_pItem->OnValidateEdit();
    if (pGrid->GetSafeHwnd() != nullptr) pGrid->Invalidate(FALSE);
    return FALSE;
}

BOOL CKXPropertyGridInplaceEdit::OnChangeReflect() {
    if (m_pGrid != nullptr) m_pGrid->NotifyOwner(KX_PGN_EDIT_CHANGED, reinterpret_cast<LPARAM>(this));
    return FALSE;
}
