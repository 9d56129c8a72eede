// CKXItemEdit: a browse edit that edits one item in place.  It makes its
// window at once over the given rectangle (a bordered edit, id 18048, its
// button, if the style has one, directly against it), shows the text all
// selected and takes the focus.  Enter, the focus going anywhere but its
// own button, or the window being destroyed apply the edit: the text is
// copied into the caller's string and the owner (the parent when no owner
// is set) receives WM_COMMAND with code 0x0DCA.  Escape cancels: code
// 0x0DCB and the caller's string untouched.  The owner hears exactly once,
// whichever comes first; then the editor closes.  Made with auto-delete, it
// deletes itself once its window is gone (so it is made with new).
#pragma once

#include "edit/browse_edit.h"

class CKXItemEdit : public CKXBrowseEdit {
    DECLARE_DYNAMIC(CKXItemEdit)
public:
    static constexpr UINT kControlID = 18048;
    static constexpr WORD kNotifyApplied = 0x0DCA;
    static constexpr WORD kNotifyCancelled = 0x0DCB;

    CKXItemEdit(CWnd* pParent, const CRect& rect, CString& strText, DWORD dwBStyle = 0, bool bAutoDelete = true);
    ~CKXItemEdit() override;

    // Ends the edit and tells the owner; only the first call acts.
    virtual void EndLabelEdit();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;
    void OnKillFocus(CWnd* pNewWnd);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnDestroy();

    BYTE m_bEnded = 0;
    BYTE m_bNotified = 0;
    bool m_bAutoDelete;
    BYTE m_bCancelled = 0;
    CString* m_pText;

    DECLARE_MESSAGE_MAP()
};
