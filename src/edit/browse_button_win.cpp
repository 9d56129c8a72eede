#include "edit/browse_button.h"

#include "core/resource_scope.h"
#include "edit/browse_edit.h"
#include "kxres_ids.h"

IMPLEMENT_DYNAMIC(CKXBrowseButton, CKXButton)

BEGIN_MESSAGE_MAP(CKXBrowseButton, CKXButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace {

constexpr int kBrowseImage = 4;      // the strip's "browse" picture
constexpr int kStripImageWidth = 11;
constexpr COLORREF kStripMask = RGB(255, 0, 255);

}  // namespace

CKXBrowseButton::CKXBrowseButton(CKXBrowseEdit* pEdit, DWORD dwStyle, UINT nMenuID, int nSubMenu)
    : m_pEdit(pEdit), m_dwStyle(dwStyle), m_nMenuID(nMenuID), m_nSubMenu(nSubMenu) {
    CKXResourceScope scope;
    CImageList images;
    if (images.Create(IDB_KX_BROWSE_STRIP, kStripImageWidth, 0, kStripMask) && images.GetImageCount() > kBrowseImage)
        m_hBrowseIcon = images.ExtractIcon(kBrowseImage);
}

CKXBrowseButton::~CKXBrowseButton() {
    if (::IsWindow(m_hWnd)) DestroyWindow();
    if (m_hBrowseIcon) ::DestroyIcon(m_hBrowseIcon);
}

BOOL CKXBrowseButton::Create(CWnd* pParent, BOOL bVisible) {
    const eKXBROWSEACTION action = KXBrowseAction(m_dwStyle);
    if (action == KX_BROWSE_NONE || pParent == nullptr) return FALSE;
    CString strCaption;
    if (action != KX_BROWSE_MENU) {
        CKXResourceScope scope;
        if (!strCaption.LoadString(IDS_KX_BROWSE_BUTTON)) strCaption.Empty();
    }
    const DWORD dwStyle = WS_CHILD | WS_TABSTOP | (bVisible ? WS_VISIBLE : 0);
    if (!CKXButton::Create(strCaption, dwStyle, CRect(0, 0, 0, 0), pParent, CKXBrowseEdit::kButtonID)) return FALSE;
    if (action == KX_BROWSE_MENU) SetIcon(m_hBrowseIcon);
    return TRUE;
}

BOOL CKXBrowseButton::OnClicked() {
    if (m_pEdit && ::IsWindow(m_pEdit->GetSafeHwnd())) m_pEdit->OnBrowse();
    return TRUE;
}

void CKXBrowseButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_RETURN || nChar == VK_SPACE) {
        if (m_pEdit && ::IsWindow(m_pEdit->GetSafeHwnd())) m_pEdit->OnBrowse();
        return;  // not passed on: the platform button would click on the key-up
    }
    CKXButton::OnKeyDown(nChar, nRepCnt, nFlags);
}
