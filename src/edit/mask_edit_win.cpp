#include "edit/mask_edit.h"

#include "core/aux_data.h"
#include "kxres_ids.h"
#include "util/clipboard_text.h"

IMPLEMENT_DYNCREATE(CKXMaskEdit, CKXFlatEdit)

BEGIN_MESSAGE_MAP(CKXMaskEdit, CKXFlatEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETFOCUS()
    // The other editing commands are CKXEdit's, which send the messages below.
    ON_UPDATE_COMMAND_UI(ID_KX_EDIT_UNDO, OnUpdateEditUndo)
    ON_COMMAND(ID_KX_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_MESSAGE(WM_CUT, OnEditMessage)
    ON_MESSAGE(WM_COPY, OnEditMessage)
    ON_MESSAGE(WM_PASTE, OnEditMessage)
    ON_MESSAGE(WM_CLEAR, OnEditMessage)
    ON_MESSAGE(WM_UNDO, OnEditMessage)
    ON_MESSAGE(EM_UNDO, OnEditMessage)
END_MESSAGE_MAP()

CKXMaskEdit::CKXMaskEdit() { m_bFlat = FALSE; }
CKXMaskEdit::~CKXMaskEdit() = default;

void CKXMaskEdit::SetEditMask(LPCTSTR lpszMask, LPCTSTR lpszLiteral, LPCTSTR lpszDefault) {
    CKXMaskModel::SetEditMask(lpszMask, lpszLiteral, lpszDefault);
    if (::IsWindow(m_hWnd))
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(CKXAuxData::Get().fontRegular.GetSafeHandle()), TRUE);
}

// --- the window's side of the model ------------------------------------------------

CString CKXMaskEdit::GetControlText() const {
    if (!::IsWindow(m_hWnd)) return m_strText;
    CString str;
    GetWindowText(str);
    return str;
}

void CKXMaskEdit::SetControlText(const CString& strText) {
    if (::IsWindow(m_hWnd)) SetWindowText(strText);
}

void CKXMaskEdit::GetControlSel(int& nStart, int& nEnd) const {
    if (::IsWindow(m_hWnd)) {
        GetSel(nStart, nEnd);
    } else {
        nStart = m_nStartChar;
        nEnd = m_nEndChar;
    }
}

void CKXMaskEdit::SetControlSel(int nAnchor, int nCaret) {
    if (!::IsWindow(m_hWnd)) return;
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nAnchor), nCaret);
    SendMessage(EM_SCROLLCARET);
}

void CKXMaskEdit::ControlBeep() { ::MessageBeep(0xFFFFFFFF); }

bool CKXMaskEdit::IsControlReadOnly() const { return ::IsWindow(m_hWnd) && (GetStyle() & ES_READONLY) != 0; }

bool CKXMaskEdit::IsShiftHeld() const { return ::GetKeyState(VK_SHIFT) < 0; }

bool CKXMaskEdit::GetClipboardText(CString& strText) { return KXGetClipboardText(m_hWnd, strText) != FALSE; }

void CKXMaskEdit::DefaultKeyDown() { Default(); }

bool CKXMaskEdit::CopyToClipboard(LPCTSTR lpszText) { return KXSetClipboardText(m_hWnd, lpszText) != FALSE; }

BOOL CKXMaskEdit::SelectionMade() { return ReadSelection(); }

// --- input -------------------------------------------------------------------------

BOOL CKXMaskEdit::PreTranslateMessage(MSG* pMsg) {
    if (m_bUseMask && pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd &&
        MaskTranslateKey(static_cast<UINT>(pMsg->wParam), ::GetKeyState(VK_CONTROL) < 0))
        return TRUE;
    return CKXFlatEdit::PreTranslateMessage(pMsg);
}

void CKXMaskEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bUseMask) {
        CKXFlatEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    MaskKeyDown(nChar);
}

void CKXMaskEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_bUseMask && MaskChar(nChar)) return;
    CKXFlatEdit::OnChar(nChar, nRepCnt, nFlags);
    if (m_bUseMask) SyncText();
}

void CKXMaskEdit::OnLButtonDown(UINT nFlags, CPoint point) {
    CKXFlatEdit::OnLButtonDown(nFlags, point);
    if (m_bUseMask) MaskAfterClick((nFlags & MK_SHIFT) != 0);
}

void CKXMaskEdit::OnLButtonDblClk(UINT nFlags, CPoint point) {
    CKXFlatEdit::OnLButtonDblClk(nFlags, point);
    if (m_bUseMask) MaskAfterDblClk();
}

void CKXMaskEdit::OnSetFocus(CWnd* pOldWnd) {
    CKXFlatEdit::OnSetFocus(pOldWnd);
    if (m_bUseMask) MaskAfterFocus();
}

// --- commands and clipboard messages ----------------------------------------------

void CKXMaskEdit::OnEditSelectAll() {
    if (m_bUseMask) MaskSelectAll();
    else CKXFlatEdit::OnEditSelectAll();
}

void CKXMaskEdit::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    if (IsControlReadOnly()) return;  // left as the menu has it
    pCmdUI->Enable(m_bUseMask ? m_bModified : SendMessage(EM_CANUNDO) != 0);
}

// However they come (the context menu, CEdit::Paste, other code), the
// clipboard and undo messages go through the mask.
LRESULT CKXMaskEdit::OnEditMessage(WPARAM, LPARAM) {
    if (!m_bUseMask) return Default();
    switch (GetCurrentMessage()->message) {
    case WM_CUT: MaskCut(); return 0;
    case WM_COPY: MaskCopy(); return 0;
    case WM_PASTE: MaskPaste(); return 0;
    case WM_CLEAR: MaskClear(); return 0;
    default: MaskUndo(); return TRUE;
    }
}
