#include "bars/toolbox.h"

#include "core/aux_data.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKXToolBox, CKXOutBarCtrl)

BEGIN_MESSAGE_MAP(CKXToolBox, CKXOutBarCtrl)
    ON_WM_PAINT()
    ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

namespace {

const CKXAuxData& Aux() { return CKXAuxData::Get(); }

}  // namespace

BOOL CKXToolBox::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          DWORD dwFlag) {
    if (!CKXOutBarCtrl::CreateEx(dwExStyle, dwStyle, rect, pParentWnd, nID,
                                 dwFlag | OUTBAR_ANIMATEFOLDERS | OUTBAR_SHOWSELECTION))
        return FALSE;
    SetSmallIconView((m_dwFlags & OUTBAR_SMALLICONS) ? TRUE : FALSE, -1);
    return TRUE;
}

void CKXToolBox::SetSelFolder(int nIndex) {
    if (m_bEditOnRow && ChildHasFocus()) SetFocus();
    m_bEditOnRow = false;
    CKXOutBarCtrl::SetSelFolder(nIndex);
}

void CKXToolBox::StartItemEdit(int nIndex) {
    CKXOutBarCtrl::StartItemEdit(nIndex);
    CWnd* pEdit = GetDlgItem(KX_OUTBAR_EDIT_ID);
    CRect rcRow;
    if (pEdit == nullptr || !GetItemRect(m_nSelFolder, nIndex, rcRow)) return;
    CRect rcEdit;
    pEdit->GetWindowRect(&rcEdit);
    const int cyEdit = std::min<int>(rcEdit.Height(), rcRow.Height());
    const int xText = rcRow.left + 4 + GetItemSize(m_nSelFolder, nIndex, 1).cx + 4;
    const int yTop = rcRow.top + (rcRow.Height() - cyEdit) / 2;
    pEdit->MoveWindow(xText, yTop, std::max<int>(rcRow.right - 2 - xText, 8), cyEdit);
    m_bEditOnRow = true;
}

// --- rows --------------------------------------------------------------------------------------

BOOL CKXToolBox::GetIconRect(int nFolder, int nIndex, CRect& rc) {
    if (!CKXOutBarCtrl::GetIconRect(nFolder, nIndex, rc)) return FALSE;
    CRect rcInside;
    GetInsideRect(rcInside);
    rc = ToolBoxRow(rc, rcInside, m_nRowInset, m_nRowGrow, m_bUpArrowVisible, m_rcUpArrow, m_bDownArrowVisible,
                    m_rcDownArrow, Aux().cxHThumb);
    return TRUE;
}

BOOL CKXToolBox::GetItemRect(int nFolder, int nIndex, CRect& rc) { return GetIconRect(nFolder, nIndex, rc); }

COLORREF CKXToolBox::RowBackColor() const { return m_bCustomBackColor ? m_clrBack : Aux().clrBtnLight; }

void CKXToolBox::FillInside(CDC* pDC, const CRect& rcInside) { pDC->FillSolidRect(rcInside, RowBackColor()); }

void CKXToolBox::DrawRow(CDC* pDC, int nFolder, int nIndex, const CRect& rcRow, bool bHot) {
    const CKXBarItem* pItem = ItemAt(nFolder, nIndex);
    if (pItem == nullptr) return;
    const CKXAuxData& aux = Aux();
    const int nSaved = pDC->SaveDC();
    if (m_bUpArrowVisible) pDC->ExcludeClipRect(m_rcUpArrow);
    if (m_bDownArrowVisible) pDC->ExcludeClipRect(m_rcDownArrow);
    const bool bSelected = (m_dwFlags & OUTBAR_SHOWSELECTION) && nIndex == m_nSelItem && nFolder == m_nSelFolder;
    if (bSelected) {
        pDC->FillSolidRect(rcRow, aux.clrWindow);
        pDC->Draw3dRect(rcRow, aux.clrBtnShadow, aux.clrBtnHilite);
    } else if (bHot) {
        pDC->FillSolidRect(rcRow, m_bHotPressed ? aux.clrBtnLight : aux.clrBtnHilite);
        if (m_bHotPressed) pDC->Draw3dRect(rcRow, aux.clrBtnShadow, aux.clrBtnHilite);
        else pDC->Draw3dRect(rcRow, aux.clrBtnHilite, aux.clrBtnShadow);
    } else {
        pDC->FillSolidRect(rcRow, RowBackColor());
    }
    const CSize szIcon = GetItemSize(nFolder, nIndex, 1);
    const int nPress = bHot && m_bHotPressed ? 1 : 0;
    DrawItemImage(pDC, nFolder, nIndex,
                  CPoint(rcRow.left + 4 + nPress, rcRow.top + (rcRow.Height() - szIcon.cy) / 2 + nPress));
    if (m_font.GetSafeHandle()) pDC->SelectObject(&m_font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_bCustomTextColor ? m_clrText : aux.clrBtnText);
    CRect rcText(rcRow.left + 4 + szIcon.cx + 6 + nPress, rcRow.top + nPress, rcRow.right - 4, rcRow.bottom + nPress);
    DrawItemText(pDC, rcText, pItem->GetName(), DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, pItem->IsEnabled());
    pDC->RestoreDC(nSaved);
}

void CKXToolBox::DrawItem(CDC* pDC, int nFolder, CRect rc, int nIndex, BOOL) { DrawRow(pDC, nFolder, nIndex, rc, false); }

void CKXToolBox::DrawIcon(CDC* pDC, int nFolder, int nIndex, bool bFrame) {
    CRect rcRow;
    if (GetItemRect(nFolder, nIndex, rcRow)) DrawRow(pDC, nFolder, nIndex, rcRow, bFrame);
}

void CKXToolBox::DrawFolder(CDC* pDC, int nIndex, CRect rect, eFOLDER_HILIGHT eHilight) {
    const CKXBarFolder* pFolder = GetBarFolder(nIndex);
    if (pFolder == nullptr || eHilight < FOLDER_NORMAL || eHilight > FOLDER_HOT) return;
    const CKXAuxData& aux = Aux();
    const int nSaved = pDC->SaveDC();
    CRect rc = rect;
    rc.top += 1;
    pDC->FillSolidRect(rc, eHilight == FOLDER_NORMAL ? aux.clrBtnFace : aux.clrBtnLight);
    if (eHilight == FOLDER_PUSHED) pDC->Draw3dRect(rc, aux.clrBtnShadow, aux.clrBtnHilite);
    else pDC->Draw3dRect(rc, aux.clrBtnHilite, aux.clrBtnShadow);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(aux.clrBtnText);
    if (m_font.GetSafeHandle()) pDC->SelectObject(&m_font);
    CRect rcText = rc;
    rcText.DeflateRect(8, 0, 4, 0);
    if (eHilight == FOLDER_PUSHED) rcText.OffsetRect(1, 1);
    pDC->DrawText(pFolder->GetName(), rcText, DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->RestoreDC(nSaved);
}

void CKXToolBox::DrawScrollButton(CDC* pDC, CRect rc, UINT nType, UINT nState) {
    pDC->FillSolidRect(rc, Aux().clrBtnFace);
    pDC->DrawFrameControl(rc, nType, nState | DFCS_FLAT);
}

void CKXToolBox::OnPaint() { CKXOutBarCtrl::OnPaint(); }

void CKXToolBox::OnRButtonUp(UINT nFlags, CPoint point) { CKXOutBarCtrl::OnRButtonUp(nFlags, point); }
