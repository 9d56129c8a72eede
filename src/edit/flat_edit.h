// CKXFlatEdit: CKXEdit with the flat look.  The control's sunken edge is
// painted over in the dialog colour while the mouse is elsewhere, and as a
// thin sunken edge while the mouse is over it or it has the focus.  Mouse
// movement over the control starts a 10 ms timer that keeps the raised look
// up; the first tick that finds neither the cursor nor the focus paints the
// flat look back and kills the timer.
//
// The edge lies outside the client area, so it is painted on a context of
// the whole window (after the frame's own painting, WM_NCPAINT, too).
#pragma once

#include "edit/edit.h"

class CKXFlatEdit : public CKXEdit {
    DECLARE_DYNCREATE(CKXFlatEdit)
public:
    enum eSTATE { STATE_NORMAL = 1, STATE_RAISED = 2 };

    // The hot-tracking timer.
    static constexpr UINT_PTR kTimerID = 1000;
    static constexpr UINT kTimerPeriod = 10;

    CKXFlatEdit();
    ~CKXFlatEdit() override;

    // Off (non-zero): the style bits saved at creation (or by the last
    // ModifyStyle or ModifyStyleEx) come back.  On: the border and the
    // client and static edges go.
    void DisableFlatLook(BOOL bDisable);
    BOOL IsFlat() const { return m_bFlat; }

    using CKXEdit::ModifyStyle;
    using CKXEdit::ModifyStyleEx;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Whether the cursor lies in the window rectangle.
    virtual BOOL PointInRect();

protected:
    // pDC reaches the whole window and takes client coordinates.
    virtual void DrawEdit(CDC* pDC, eSTATE eState);
    virtual void RenderContent(CDC* pDC);
    void PreSubclassWindow() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnNcPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);

    // RenderContent on a context of the whole window.
    void RenderEdge();

    BOOL m_bLBtnDown = FALSE;
    BOOL m_bHasFocus = FALSE;
    BOOL m_bFlat = TRUE;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;

    DECLARE_MESSAGE_MAP()
};

// Whether the cursor lies in pWnd's window rectangle: the hover test of the
// flat controls.
BOOL KXCursorInWindow(const CWnd* pWnd);

// Takes a flat control's frame away (bFlat: border and edges off, the timer
// that follows the cursor on and run once) or gives back the frame it was
// made with (the border and edge bits of dwStyle and dwExStyle; the timer
// off), and has the frame measured and painted again.
void KXSetFlatFrame(CWnd* pWnd, BOOL bFlat, DWORD dwStyle, DWORD dwExStyle, UINT_PTR nTimerID, UINT nPeriod);
