#include "propgrid/property_grid_item_icon.h"

#include "propgrid/property_grid_view.h"
#include "win/commdlg.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridItemIcon, CKXPropertyGridItem)

CKXPropertyGridItemIcon::CKXPropertyGridItemIcon(LPCTSTR lpszCaption, HICON hIcon)
    : CKXPropertyGridItem(lpszCaption) {
    m_nFlags = KX_ITEM_BROWSE_BUTTON;
    SetIcon(hIcon);
}

CKXPropertyGridItemIcon::CKXPropertyGridItemIcon(UINT nID, HICON hIcon) : CKXPropertyGridItem(nID) {
    m_nFlags = KX_ITEM_BROWSE_BUTTON;
    SetIcon(hIcon);
}

CKXPropertyGridItemIcon::~CKXPropertyGridItemIcon() {
    if (m_hIcon != nullptr) ::DestroyIcon(m_hIcon);
}

void CKXPropertyGridItemIcon::SetIcon(HICON hIcon) {
    HICON hCopy = hIcon != nullptr ? ::CopyIcon(hIcon) : nullptr;
    if (m_hIcon != nullptr) ::DestroyIcon(m_hIcon);
    m_hIcon = hCopy;
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
}

BOOL CKXPropertyGridItemIcon::OnDrawItemValue(CDC& dc, CRect rcValue) {
    CRect rcBox(rcValue.left - 2, rcValue.top + 1, rcValue.left + 18, rcValue.bottom - 1);
    if (m_hIcon != nullptr)
        ::DrawIconEx(dc.GetSafeHdc(), rcBox.left, rcBox.top, m_hIcon, rcBox.Width(), rcBox.Height(), 0, nullptr,
                     DI_NORMAL);
    CBrush brFrame(dc.GetTextColor());
    dc.FrameRect(&rcBox, &brFrame);
    CRect rcText = rcValue;
    rcText.left += 25;
    dc.DrawText("(Icon)", &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return TRUE;
}

void CKXPropertyGridItemIcon::OnInplaceButtonDown() {
    if (NotifyOwner(KX_PGN_INPLACEBUTTONDOWN, reinterpret_cast<LPARAM>(this)) == 1) return;
    CFileDialog dlg(TRUE, "ico", "*.ico", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                    "Icon files (*.ico)|*.ico|All Files (*.*)|*.*||", m_pGrid);
    if (dlg.DoModal() != IDOK) return;
    HICON hNew = static_cast<HICON>(
        ::LoadImageA(nullptr, dlg.GetPathName(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (m_hIcon != nullptr) ::DestroyIcon(m_hIcon);
    m_hIcon = hNew;
    OnValueChanged("");
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
}
