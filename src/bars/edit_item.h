// CKXEditItem: the edit that renames an outlook bar's folder or item in
// place.  Return (or the focus going elsewhere) applies the text through
// the bar's EndLabelEdit; Escape closes it without a word; an empty text
// applies nothing.  While an item's caption is typed (not a folder's, and
// not in a tool box) the edit widens to its text within the bar's inside
// rectangle.  The object deletes itself when its window is destroyed, so
// it is created with new.
#pragma once

#include "edit/edit.h"

class CKXOutBarCtrl;

class CKXEditItem : public CKXEdit {
    DECLARE_DYNAMIC(CKXEditItem)
public:
    CKXEditItem() = default;

    using CKXEdit::Create;
    // pParent is the bar.  A rectangle wider than the bar's inside
    // rectangle shrunk by 5 is narrowed to it (in small view at the right
    // only).  FALSE when the window cannot be made.
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, UINT nIndex,
                bool bFolder, bool bSmallView);

    int GetIndex() const { return m_nIndex; }
    CString GetText() const { return m_strText; }
    bool IsFolder() const { return m_bFolder; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;
    void OnKillFocus(CWnd* pNewWnd);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    // Return (bCancel false) or Escape: the rename is decided once, the
    // focus goes back to the bar and the edit closes.
    void EndEditing(bool bCancel);
    // Applies the text through the bar unless cancelled or empty; once.
    void Finish();

    int m_nIndex = -1;           // the folder or item renamed
    bool m_bCancelled = false;   // Escape was pressed
    bool m_bSmallView = false;   // the item shows small icons: the edit keeps its left edge
    bool m_bFolder = false;      // a folder caption is renamed
    CRect m_rcStart;             // where the edit was made
    CString m_strText;           // the text it started with
    CKXOutBarCtrl* m_pOwner = nullptr;
    bool m_bFinished = false;

    DECLARE_MESSAGE_MAP()
};
