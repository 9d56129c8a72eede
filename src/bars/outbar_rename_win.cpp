// CKXOutBarCtrl: renaming folders and items in place.
#include "bars/outbar.h"

#include "bars/edit_item.h"

#include <cstring>

namespace {

// Focus, then the whole text selected, as the rename starts.
void Activate(CKXEditItem* pEdit) {
    pEdit->SetFocus();
    pEdit->SendMessage(EM_SETSEL, 0, -1);
    pEdit->SendMessage(EM_SCROLLCARET);
}

}  // namespace

void CKXOutBarCtrl::StartItemEdit(int nIndex) {
    if (!::IsWindow(m_hWnd) || !IsValidItem(nIndex)) return;
    const CString strText = GetItemText(nIndex);
    const BOOL bSmall = IsSmallIconView(m_nSelFolder);
    const CRect rc = GetItemEditRect(nIndex, MeasureLabel(strText, TRUE, 0, 0).cx);
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | (bSmall ? 0 : ES_CENTER);
    CKXEditItem* pEdit = new CKXEditItem;
    if (!pEdit->Create(strText, dwStyle, rc, this, KX_OUTBAR_EDIT_ID, static_cast<UINT>(nIndex), false,
                       bSmall != FALSE)) {
        delete pEdit;
        return;
    }
    Activate(pEdit);
}

void CKXOutBarCtrl::StartGroupEdit(int nFolder) {
    CRect rc;
    const CKXBarFolder* pFolder = GetBarFolder(nFolder);
    if (!::IsWindow(m_hWnd) || pFolder == nullptr || !GetFolderRect(nFolder, rc)) return;
    rc.DeflateRect(2, 2);
    CKXEditItem* pEdit = new CKXEditItem;
    if (!pEdit->Create(pFolder->GetName(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_CENTER, rc, this,
                       KX_OUTBAR_EDIT_ID, static_cast<UINT>(nFolder), true, false)) {
        delete pEdit;
        return;
    }
    pEdit->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    Activate(pEdit);
}

void CKXOutBarCtrl::EndLabelEdit(CKXEditItem* pEdit, bool bFolder) {
    if (pEdit == nullptr) return;
    CString strText;
    pEdit->GetWindowText(strText);
    const int nIndex = pEdit->GetIndex();
    KX_OUTBAR_INFO info = {nIndex, -1, -1, -1, -1, bFolder, strText};
    if (Notify(bFolder ? OBN_FOLDERRENAMED : OBN_ITEMRENAMED, info) == 0 || GetFolderCount() == 0) return;
    CRect rc;
    if (bFolder) {
        const CKXBarFolder* pFolder = GetBarFolder(nIndex);
        if (pFolder == nullptr || std::strcmp(pFolder->GetName(), strText) == 0) return;
        SetFolderText(nIndex, strText);
        OnLabelChanged(&info);
        if (GetFolderRect(nIndex, rc)) InvalidateRect(rc, TRUE);
        return;
    }
    const CKXBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex);
    if (pItem == nullptr || std::strcmp(pItem->GetName(), strText) == 0) return;
    SetItemText(nIndex, strText);
    OnLabelChanged(&info);
    GetInsideRect(rc);
    InvalidateRect(rc, TRUE);
}

void CKXOutBarCtrl::OnLabelChanged(const KX_OUTBAR_INFO*) {}
