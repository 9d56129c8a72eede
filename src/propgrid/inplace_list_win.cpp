#include "core/aux_data.h"
#include "core/work_area.h"
#include "propgrid/constraint_rules.h"
#include "propgrid/property_grid_inplace.h"
#include "propgrid/property_grid_layout.h"
#include "propgrid/property_grid_view.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridInplaceList, CListBox)

BEGIN_MESSAGE_MAP(CKXPropertyGridInplaceList, CListBox)
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CKXPropertyGridInplaceList::Create(CKXPropertyGridItem* pItem, CRect rect) {
    m_pItem = pItem;
    CKXPropertyGridView* pView = pItem != nullptr ? pItem->m_pGrid : nullptr;
    if (pView == nullptr || pView->GetSafeHwnd() == nullptr) return;
    if (GetSafeHwnd() == nullptr &&
        !CreateEx(WS_EX_TOOLWINDOW, "LISTBOX", nullptr, WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 0, 0, 0, 0,
                  pView->m_hWnd, nullptr))
        return;
    SetFont(&pView->m_fontNormal, FALSE);
    CListBox::ResetContent();

    CKXItemConstraints& constraints = *pItem->GetConstraints();
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&pView->m_fontNormal);
    KX_CONSTRAINT_LIST_METRICS m;
    for (POSITION pos = constraints.GetHeadPosition(); pos != nullptr;) {
        const CString& str = constraints.GetNext(pos);
        AddString(str);
        m.cxWidestText = std::max(m.cxWidestText, static_cast<int>(dc.GetTextExtent(str).cx));
    }
    dc.SelectObject(pOldFont);
    const int nCurrent = constraints.GetCurrent();
    SetCurSel(nCurrent == -1 ? constraints.FindConstaint(pItem->GetValue()) : nCurrent);

    m.rcRow = rect;
    pView->ClientToScreen(&m.rcRow);
    CPoint ptValue(pItem->GetValueRect().left, 0);
    pView->ClientToScreen(&ptValue);
    m.xValueLeft = ptValue.x;
    m.cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    m.cyLine = GetItemHeight(0);
    m.nCount = GetCount();
    m.rcWork = KXGetWorkArea(m.rcRow);
    const CRect rc = KXPlaceConstraintList(m);
    SetWindowPos(&wndTop, rc.left, rc.top, rc.Width(), rc.Height(), SWP_SHOWWINDOW);
    SetFocus();
}

void CKXPropertyGridInplaceList::DestroyItem() {
    m_pItem = nullptr;
    if (GetSafeHwnd() != nullptr && IsWindowVisible()) ShowWindow(SW_HIDE);
}

void CKXPropertyGridInplaceList::ReturnFocus() {
    CKXPropertyGridView* pView = m_pItem != nullptr ? m_pItem->m_pGrid : nullptr;
    if (pView != nullptr && pView->GetSafeHwnd() != nullptr)
        pView->SetFocus();
    else if (GetSafeHwnd() != nullptr)
        ShowWindow(SW_HIDE);
}

void CKXPropertyGridInplaceList::Cancel() { ReturnFocus(); }

void CKXPropertyGridInplaceList::Apply() {
    const int nLine = GetSafeHwnd() != nullptr ? GetCurSel() : LB_ERR;
    if (m_pItem != nullptr && nLine >= 0) {
        m_pItem->GetConstraints()->SetCurrent(nLine);
        CString strText;
        GetText(nLine, strText);
        if (strText != m_pItem->GetValue()) m_pItem->OnValueChanged(strText);
    }
    ReturnFocus();
}

UINT CKXPropertyGridInplaceList::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

void CKXPropertyGridInplaceList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
    case VK_ESCAPE: Cancel(); return;
    case VK_RETURN:
    case VK_F4: Apply(); return;
    default: CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CKXPropertyGridInplaceList::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_DOWN || nChar == VK_UP) {
        Apply();
        return;
    }
    CListBox::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridInplaceList::OnLButtonUp(UINT nFlags, CPoint point) {
    CListBox::OnLButtonUp(nFlags, point);
    CRect rc;
    GetClientRect(&rc);
    if (rc.PtInRect(point))
        Apply();
    else
        Cancel();
}

void CKXPropertyGridInplaceList::OnKillFocus(CWnd* pNewWnd) {
    CListBox::OnKillFocus(pNewWnd);
    ShowWindow(SW_HIDE);
}
