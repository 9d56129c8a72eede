// CKXPropertyGridToolTip: the pop-up that shows a caption or value of the
// grid view whole when it does not fit its column.  It lies exactly over the
// truncated text and lets the mouse through to the view.
#pragma once

#include "win/afxwin.h"

class CKXPropertyGridToolTip : public CWnd {
    DECLARE_DYNAMIC(CKXPropertyGridToolTip)
public:
    CKXPropertyGridToolTip() = default;

    // Shows strText in pFont with its text's top-left corner at ptText
    // (screen), as high as cyRow, kept inside the work area; made the first
    // time as a pop-up owned by pOwner.
    void Show(CWnd* pOwner, const CString& strText, CFont* pFont, CPoint ptText, int cyRow);
    void Hide();
    BOOL IsShown() const { return GetSafeHwnd() != nullptr && IsWindowVisible(); }

    // The border between the window's edge and the text.
    static constexpr int kTextInset = 2;

protected:
    void Paint(CDC& dc);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnNcHitTest(CPoint point);

    CFont* m_pFont = nullptr;

    DECLARE_MESSAGE_MAP()
};
