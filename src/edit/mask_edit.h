// CKXMaskEdit: a single-line edit whose text has a fixed shape (literals
// the user cannot change, slots that accept one character each by their
// mask character).  The editing rules are CKXMaskModel's; the window passes
// its keystrokes, clicks, focus and clipboard commands on to them and gives
// the model its text, selection, beep and clipboard.  With the mask off it
// behaves as CKXFlatEdit.
//
//   CKXMaskEdit m_wndPhone;
//   m_wndPhone.SubclassDlgItem(IDC_PHONE, this);
//   m_wndPhone.SetEditMask("(999) 999-9999", "(___) ___-____", nullptr);
//
// Ctrl+C, V, X and Z and the keypad's minus and plus are taken in
// PreTranslateMessage (the framework's message loop and dialogs call it);
// the same clipboard characters reaching WM_CHAR, and WM_CUT, WM_COPY,
// WM_PASTE, WM_CLEAR, WM_UNDO and EM_UNDO sent to the control (which is how
// the context menu's commands act), go through the mask too, so that
// nothing puts unmasked text into the control.
#pragma once

#include "edit/flat_edit.h"
#include "edit/mask_model.h"

class CKXMaskEdit : public CKXFlatEdit, public CKXMaskModel {
    DECLARE_DYNCREATE(CKXMaskEdit)
public:
    CKXMaskEdit();
    ~CKXMaskEdit() override;

    // CKXMaskModel's, then the shared font.
    void SetEditMask(LPCTSTR lpszMask, LPCTSTR lpszLiteral, LPCTSTR lpszDefault) override;

    // The Win32 clipboard sequence: open for this window, empty, one
    // movable block with the text and its NUL as CF_TEXT, close.
    bool CopyToClipboard(LPCTSTR lpszText) override;
    // Reads the selection; whether it is not empty.
    BOOL SelectionMade() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnUpdateEditUndo(CCmdUI* pCmdUI);

protected:
    CString GetControlText() const override;
    void SetControlText(const CString& strText) override;
    void GetControlSel(int& nStart, int& nEnd) const override;
    void SetControlSel(int nAnchor, int nCaret) override;
    void ControlBeep() override;
    bool IsControlReadOnly() const override;
    bool IsShiftHeld() const override;
    bool GetClipboardText(CString& strText) override;
    void DefaultKeyDown() override;

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnEditSelectAll();
    LRESULT OnEditMessage(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};
