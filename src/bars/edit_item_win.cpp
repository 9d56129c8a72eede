#include "bars/edit_item.h"

#include "bars/outbar.h"
#include "bars/toolbox.h"

IMPLEMENT_DYNAMIC(CKXEditItem, CKXEdit)

BEGIN_MESSAGE_MAP(CKXEditItem, CKXEdit)
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

BOOL CKXEditItem::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, UINT nIndex,
                         bool bFolder, bool bSmallView) {
    m_pOwner = DYNAMIC_DOWNCAST(CKXOutBarCtrl, pParent);
    m_nIndex = static_cast<int>(nIndex);
    m_bFolder = bFolder;
    m_bSmallView = bSmallView;
    m_rcStart = rect;
    m_strText = lpszText ? lpszText : "";
    if (m_pOwner) m_rcStart = m_pOwner->ClampEditRect(m_rcStart, bSmallView);
    if (!CKXEdit::Create(dwStyle, m_rcStart, pParent, nID)) return FALSE;
    if (m_pOwner && m_pOwner->GetFontX()->GetSafeHandle()) SetFont(m_pOwner->GetFontX());
    SetWindowText(m_strText);
    return TRUE;
}

void CKXEditItem::PostNcDestroy() { delete this; }

BOOL CKXEditItem::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->hwnd == m_hWnd && pMsg->message == WM_KEYDOWN &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        EndEditing(pMsg->wParam == VK_ESCAPE);
        return TRUE;
    }
    return CKXEdit::PreTranslateMessage(pMsg);
}

void CKXEditItem::Finish() {
    if (m_bFinished) return;
    m_bFinished = true;
    if (!m_bCancelled && GetWindowTextLength() > 0 && m_pOwner && ::IsWindow(m_pOwner->GetSafeHwnd()))
        m_pOwner->EndLabelEdit(this, m_bFolder);
}

void CKXEditItem::EndEditing(bool bCancel) {
    if (bCancel) m_bCancelled = true;
    Finish();
    if (::GetFocus() == m_hWnd && m_pOwner && ::IsWindow(m_pOwner->GetSafeHwnd())) m_pOwner->SetFocus();
    PostMessage(WM_CLOSE);
}

void CKXEditItem::OnKillFocus(CWnd* pNewWnd) {
    CKXEdit::OnKillFocus(pNewWnd);
    PostMessage(WM_CLOSE);
    Finish();
}

void CKXEditItem::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // Return and Escape come here when no message loop pre-translated them.
    if (nChar == VK_RETURN || nChar == VK_ESCAPE) {
        EndEditing(nChar == VK_ESCAPE);
        return;
    }
    CKXEdit::OnChar(nChar, nRepCnt, nFlags);
    if (m_bFolder || m_pOwner == nullptr || m_pOwner->IsKindOf(RUNTIME_CLASS(CKXToolBox))) return;
    CString strText;
    GetWindowText(strText);
    CClientDC dc(this);
    CFont* pOld = m_pOwner->GetFontX()->GetSafeHandle() ? dc.SelectObject(m_pOwner->GetFontX()) : nullptr;
    const int cxText = dc.GetTextExtent(strText).cx;
    if (pOld) dc.SelectObject(pOld);
    MoveWindow(m_pOwner->FitEditRect(m_rcStart, cxText, m_bSmallView));
}

BOOL CKXEditItem::OnSetCursor(CWnd*, UINT, UINT) {
    ::SetCursor(::LoadCursorA(nullptr, IDC_IBEAM));
    return TRUE;
}
