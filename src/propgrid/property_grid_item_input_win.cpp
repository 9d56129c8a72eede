#include "propgrid/property_grid_item_input.h"

#include "propgrid/property_grid_inplace.h"
#include "propgrid/property_grid_view.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridInplaceHotKey, CHotKeyCtrl)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemHotKey, CKXPropertyGridItem)
IMPLEMENT_DYNAMIC(CKXPropertyGridInplaceMaskEdit, CKXMaskEdit)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemMaskEdit, CKXPropertyGridItem)

namespace {

// The view's shared edit box and button make way for an item's own control.
void HideSharedControls(CKXPropertyGridView* pView) {
    pView->GetInplaceEdit().HideWindow();
    pView->GetInplaceButton().HideWindow();
}

}  // namespace

// --- hot key ---------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CKXPropertyGridInplaceHotKey, CHotKeyCtrl)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CKXPropertyGridInplaceHotKey::OnKillFocus(CWnd* pNewWnd) {
    CHotKeyCtrl::OnKillFocus(pNewWnd);
    if (m_pItem != nullptr && IsWindowVisible()) m_pItem->OnValidateEdit();
}

CKXPropertyGridItemHotKey::CKXPropertyGridItemHotKey(LPCTSTR lpszCaption, WORD wVirtualKeyCode, WORD wModifiers)
    : CKXPropertyGridItem(lpszCaption), m_wndHotKey(this) {
    SetHotKey(wVirtualKeyCode, wModifiers);
}

CKXPropertyGridItemHotKey::CKXPropertyGridItemHotKey(UINT nID, WORD wVirtualKeyCode, WORD wModifiers)
    : CKXPropertyGridItem(nID), m_wndHotKey(this) {
    SetHotKey(wVirtualKeyCode, wModifiers);
}

CKXPropertyGridItemHotKey::~CKXPropertyGridItemHotKey() {
    if (m_wndHotKey.GetSafeHwnd() != nullptr) m_wndHotKey.DestroyWindow();
}

void CKXPropertyGridItemHotKey::SetHotKey(WORD wVirtualKeyCode, WORD wModifiers) {
    m_wVirtualKeyCode = wVirtualKeyCode;
    m_wModifiers = wModifiers;
    CKXPropertyGridItem::SetValue(GetHotKeyName());
}

void CKXPropertyGridItemHotKey::GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const {
    wVirtualKeyCode = m_wVirtualKeyCode;
    wModifiers = m_wModifiers;
}

CString CKXPropertyGridItemHotKey::GetHotKeyName() const {
    // The platform names the keys: a hidden hot-key control of its own.
    CHotKeyCtrl wndTemp;
    CString strName;
    if (!wndTemp.CreateEx(0, HOTKEY_CLASSA, nullptr, WS_POPUP, CRect(0, 0, 0, 0), nullptr, 0)) return strName;
    wndTemp.SetHotKey(m_wVirtualKeyCode, m_wModifiers);
    strName = wndTemp.GetHotKeyName();
    wndTemp.DestroyWindow();
    return strName;
}

BOOL CKXPropertyGridItemHotKey::PlaceField() {
    CKXPropertyGridView* pView = GetLiveView();
    if (pView == nullptr) return FALSE;
    HideSharedControls(pView);
    const CRect rc = GetValueRect();
    if (m_wndHotKey.GetSafeHwnd() == nullptr && !m_wndHotKey.Create(WS_CHILD, rc, pView, 0)) return FALSE;
    m_wndHotKey.SetFont(&pView->m_fontNormal, FALSE);
    m_wndHotKey.SetHotKey(m_wVirtualKeyCode, m_wModifiers);
    m_wndHotKey.SetWindowPos(&CWnd::wndTop, rc.left, rc.top, rc.Width(), rc.Height(),
                             SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_wndHotKey.EnableWindow(!m_bReadOnly);
    return TRUE;
}

void CKXPropertyGridItemHotKey::OnSelect() { PlaceField(); }

BOOL CKXPropertyGridItemHotKey::OnChar(UINT nChar) {
    Select();
    if (!PlaceField() || m_bReadOnly) return TRUE;
    m_wndHotKey.SetFocus();
    if (nChar != VK_TAB) m_wndHotKey.SendMessage(WM_CHAR, nChar);
    return TRUE;
}

void CKXPropertyGridItemHotKey::OnLButtonDblClk() {
    if (PlaceField() && !m_bReadOnly) m_wndHotKey.SetFocus();
}

void CKXPropertyGridItemHotKey::OnValidateEdit() {
    if (m_wndHotKey.GetSafeHwnd() == nullptr || !m_wndHotKey.IsWindowVisible()) return;
    m_wndHotKey.ShowWindow(SW_HIDE);
    WORD wCode = 0, wModifiers = 0;
    m_wndHotKey.GetHotKey(wCode, wModifiers);
    if (wCode == m_wVirtualKeyCode && wModifiers == m_wModifiers) return;
    m_wVirtualKeyCode = wCode;
    m_wModifiers = wModifiers;
    OnValueChanged(GetHotKeyName());
}

// --- masked text -------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CKXPropertyGridInplaceMaskEdit, CKXMaskEdit)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

UINT CKXPropertyGridInplaceMaskEdit::OnGetDlgCode() { return static_cast<UINT>(Default()) | DLGC_WANTALLKEYS; }

void CKXPropertyGridInplaceMaskEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CKXPropertyGridView* pView = m_pItem != nullptr ? static_cast<CKXPropertyGridView*>(m_pItem->GetGrid()) : nullptr;
    if (pView != nullptr) {
        switch (nChar) {
        case VK_ESCAPE: SetWindowText(m_pItem->GetValue()); return;
        case VK_RETURN: pView->SetFocus(); return;  // commits through the loss of focus
        case VK_TAB: pView->FocusNextControl(::GetKeyState(VK_SHIFT) < 0); return;
        default: break;
        }
    }
    CKXMaskEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridInplaceMaskEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_TAB || nChar == VK_ESCAPE || nChar == VK_RETURN) return;
    CKXMaskEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridInplaceMaskEdit::OnKillFocus(CWnd* pNewWnd) {
    CKXMaskEdit::OnKillFocus(pNewWnd);
    if (m_pItem != nullptr && IsWindowVisible()) m_pItem->OnValidateEdit();
}

CKXPropertyGridItemMaskEdit::CKXPropertyGridItemMaskEdit(LPCTSTR lpszCaption, LPCTSTR lpszMask, LPCTSTR lpszLiteral,
                                                         LPCTSTR lpszValue, CString* pBindString)
    : CKXPropertyGridItem(lpszCaption, nullptr, pBindString), m_wndMaskEdit(this) {
    SetEditMask(lpszMask, lpszLiteral, lpszValue);
}

CKXPropertyGridItemMaskEdit::CKXPropertyGridItemMaskEdit(UINT nID, LPCTSTR lpszMask, LPCTSTR lpszLiteral,
                                                         LPCTSTR lpszValue, CString* pBindString)
    : CKXPropertyGridItem(nID, nullptr, pBindString), m_wndMaskEdit(this) {
    SetEditMask(lpszMask, lpszLiteral, lpszValue);
}

CKXPropertyGridItemMaskEdit::~CKXPropertyGridItemMaskEdit() {
    if (m_wndMaskEdit.GetSafeHwnd() != nullptr) m_wndMaskEdit.DestroyWindow();
}

void CKXPropertyGridItemMaskEdit::SetEditMask(LPCTSTR lpszMask, LPCTSTR lpszLiteral, LPCTSTR lpszValue) {
    m_strMask = lpszMask;
    m_strLiteral = lpszLiteral;
    SetValue(lpszValue != nullptr ? lpszValue : lpszLiteral);
}

BOOL CKXPropertyGridItemMaskEdit::PlaceEdit() {
    CKXPropertyGridView* pView = GetLiveView();
    if (pView == nullptr) return FALSE;
    // The button as for any item; the shared edit box gives way.
    CKXPropertyGridItem::OnSelect();
    pView->GetInplaceEdit().HideWindow();
    const CRect rc = GetValueRect();
    if (m_wndMaskEdit.GetSafeHwnd() == nullptr &&
        !m_wndMaskEdit.Create(WS_CHILD | ES_AUTOHSCROLL, rc, pView, 0))
        return FALSE;
    m_wndMaskEdit.SetReadOnly(m_bReadOnly);
    m_wndMaskEdit.SetEditMask(m_strMask, m_strLiteral, m_strValue);
    m_wndMaskEdit.SetPromptChar('_');
    m_wndMaskEdit.SetFont(&pView->m_fontNormal, FALSE);
    m_wndMaskEdit.SetMargins(3, 0);
    m_wndMaskEdit.SetWindowPos(&CWnd::wndTop, rc.left, rc.top, rc.Width(), rc.Height(),
                               SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return TRUE;
}

void CKXPropertyGridItemMaskEdit::OnSelect() { PlaceEdit(); }

BOOL CKXPropertyGridItemMaskEdit::OnChar(UINT nChar) {
    Select();
    if (!PlaceEdit()) return TRUE;
    m_wndMaskEdit.SetFocus();
    if (nChar != VK_TAB) m_wndMaskEdit.SendMessage(WM_CHAR, nChar);
    return TRUE;
}

void CKXPropertyGridItemMaskEdit::OnLButtonDblClk() {
    if (!PlaceEdit()) return;
    m_wndMaskEdit.SetFocus();
}

void CKXPropertyGridItemMaskEdit::OnValidateEdit() {
    if (m_wndMaskEdit.GetSafeHwnd() == nullptr || !m_wndMaskEdit.IsWindowVisible()) return;
    m_wndMaskEdit.ShowWindow(SW_HIDE);
    CString strText;
    m_wndMaskEdit.GetWindowText(strText);
    if (strText != m_strValue) OnValueChanged(strText);
}

void CKXPropertyGridItemMaskEdit::SetEditText(CString strEditText) {
    if (m_wndMaskEdit.GetSafeHwnd() == nullptr || !m_wndMaskEdit.IsWindowVisible()) return;
    CString strText;
    m_wndMaskEdit.GetWindowText(strText);
    if (strText != strEditText) m_wndMaskEdit.SetWindowText(strEditText);
}
