#include "edit/item_edit.h"

#include "core/aux_data.h"
#include "core/button.h"

IMPLEMENT_DYNAMIC(CKXItemEdit, CKXBrowseEdit)

BEGIN_MESSAGE_MAP(CKXItemEdit, CKXBrowseEdit)
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKXItemEdit::CKXItemEdit(CWnd* pParent, const CRect& rect, CString& strText, DWORD dwBStyle, bool bAutoDelete)
    : m_bAutoDelete(bAutoDelete), m_pText(&strText) {
    m_dwBrowseStyle = dwBStyle;
    m_nEdgeWidth = 0;  // the button sits right against the edit
    if (!Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, pParent, kControlID)) return;
    SetFont(&CKXAuxData::Get().fontRegular);
    SetWindowText(strText);
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    SetFocus();
    m_pDlgOwner = this;
}

CKXItemEdit::~CKXItemEdit() = default;

void CKXItemEdit::PostNcDestroy() {
    CKXBrowseEdit::PostNcDestroy();
    if (m_bAutoDelete) delete this;
}

BOOL CKXItemEdit::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->hwnd == m_hWnd && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        if (pMsg->wParam == VK_ESCAPE) m_bCancelled = 1;
        EndLabelEdit();
        return TRUE;
    }
    return CKXBrowseEdit::PreTranslateMessage(pMsg);
}

void CKXItemEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // Enter and Escape come here when no message loop pre-translated them.
    if (nChar == VK_RETURN || nChar == VK_ESCAPE) {
        if (nChar == VK_ESCAPE) m_bCancelled = 1;
        EndLabelEdit();
        return;
    }
    CKXBrowseEdit::OnChar(nChar, nRepCnt, nFlags);
}

UINT CKXItemEdit::OnGetDlgCode() { return CKXBrowseEdit::OnGetDlgCode() | DLGC_WANTALLKEYS; }

void CKXItemEdit::OnKillFocus(CWnd* pNewWnd) {
    CKXBrowseEdit::OnKillFocus(pNewWnd);
    // The focus passing to our own button, or to the dialog or menu it
    // opened, is part of the edit.
    if (m_bBrowsing) return;
    if (pNewWnd && m_pButton && pNewWnd->GetSafeHwnd() == m_pButton->GetSafeHwnd()) return;
    EndLabelEdit();
}

void CKXItemEdit::OnDestroy() {
    // Destroyed with its owner (or by anyone) before it ended: that ends it.
    EndLabelEdit();
    CKXBrowseEdit::OnDestroy();
}

void CKXItemEdit::EndLabelEdit() {
    if (m_bEnded) return;
    m_bEnded = 1;
    if (m_pButton && ::IsWindow(m_pButton->GetSafeHwnd())) m_pButton->PostMessage(WM_CLOSE);
    if (::IsWindow(m_hWnd)) PostMessage(WM_CLOSE);
    if (m_bNotified) return;
    CWnd* pOwner = GetOwner();
    const UINT nID = static_cast<UINT>(GetDlgCtrlID());
    if (!m_bCancelled) {
        m_bNotified = 1;
        GetWindowText(*m_pText);
        if (pOwner) pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(nID, kNotifyApplied), reinterpret_cast<LPARAM>(m_hWnd));
    } else if (pOwner) {
        pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(nID, kNotifyCancelled), reinterpret_cast<LPARAM>(m_hWnd));
    }
}
