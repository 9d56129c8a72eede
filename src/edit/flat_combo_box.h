// CKXFlatComboBox: the platform combo box in the library's flat look.  At
// rest a one-pixel frame in the dialog colour and a plain drop button; under
// the mouse or with the focus a raised (or highlighted, in the XP look)
// frame and button; pressed while the left button is down.  Hover is polled
// with a 10 ms timer, started by mouse movement over the control and
// stopped by the first tick that finds neither the cursor nor the focus.
//
// A read-only combo box swallows clicks (its list never drops) and shows its
// own colours.  Type-ahead completion (EnableAutoCompletion) fills the edit
// from the first list item that begins with what was typed and selects the
// rest; the rules are the portable KXComboComplete.
//
// The parent reflects the combo box's notifications and colour messages
// back to it (the framework does this for CWnd parents); the notifications
// still reach the parent afterwards.
#pragma once

#include "win/afxwin.h"

class CKXFlatComboBox : public CComboBox {
    DECLARE_DYNCREATE(CKXFlatComboBox)
public:
    enum eSTATE { STATE_NORMAL = 1, STATE_RAISED = 2, STATE_PRESSED = 3 };

    static constexpr UINT_PTR kTimerID = 1000;
    static constexpr UINT kTimerPeriod = 10;

    CKXFlatComboBox();
    ~CKXFlatComboBox() override;

    // Stores, then repaints.  Read-only also makes the edit part read-only.
    void SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL IsReadOnly() const { return m_bReadOnly; }
    virtual void SetBkColor(COLORREF clrBk);
    void SetReadOnlyColor(COLORREF clrText, COLORREF clrBk);

    void EnableAutoCompletion(BOOL bEnable = TRUE) { m_bAutoComp = bEnable; }
    BOOL IsAutoCompletion() const { return m_bAutoComp; }

    // Off (non-zero): the styles saved at creation (or by the last
    // ModifyStyle or ModifyStyleEx) come back.  On: the border and the
    // client and static edges go.
    void DisableFlatLook(BOOL bDisable);
    BOOL IsFlat() const { return m_bFlat; }

    using CComboBox::ModifyStyle;
    using CComboBox::ModifyStyleEx;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Whether the cursor lies in the window rectangle.
    virtual BOOL PointInRect();
    // Paints the frame and the drop button in the given look.
    virtual void DrawCombo(CDC* pDC, eSTATE eState);
    // The look the control has now, painted by DrawCombo (flat look only).
    virtual void RenderContent(CDC* pDC);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    // The whole picture into pDC through an off-screen context: the
    // platform's painting over the background colour, then the flat frame.
    void Paint(CDC* pDC);
    COLORREF CurrentBkColor() const;
    COLORREF CurrentTextColor() const;
    // The flat look's one step: pressed, back to flat, or raised.
    void Tick();

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKillFocus(CWnd* pNewWnd);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    BOOL OnSetFocusReflect();
    BOOL OnKillFocusReflect();
    BOOL OnEditUpdate();
    BOOL OnCloseUp();

    BOOL m_bLBtnDown = FALSE;
    BOOL m_bPainted = FALSE;     // the raised frame is drawn
    BOOL m_bHasFocus = FALSE;
    BOOL m_bAutoComp = FALSE;
    BOOL m_bFlat = TRUE;
    BOOL m_bAutoCompSuppressed = FALSE;  // Backspace or Delete is down
    BOOL m_bReadOnly = FALSE;
    COLORREF m_clrText;
    COLORREF m_clrReadOnlyText;
    COLORREF m_clrBk;
    COLORREF m_clrReadOnlyBk;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    HBRUSH m_hBrush = nullptr;  // owned: the background the colour messages hand out

    DECLARE_MESSAGE_MAP()
};
