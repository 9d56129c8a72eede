// The in-place controls of a grid view: the edit box over the value, the
// small button at the right of the row, and the drop-down list of an item's
// constraints.  One of each exists per view, created as a window the first
// time an item needs it and then attached to one item at a time; each
// records the item it serves and forgets it when the item goes (DestroyItem).
#pragma once

#include "edit/edit.h"
#include "win/afxwin.h"

class CKXPropertyGridItem;
class CKXPropertyGridView;

// The edit box: the library's edit with the view's font and colours, grey
// text while read-only.  Tab, Escape, Enter and the arrows work as a grid
// user expects (Escape restores the text it was opened with); typing a
// letter in an item limited to its constraints picks the next constraint
// with that first letter.
class CKXPropertyGridInplaceEdit : public CKXEdit {
    DECLARE_DYNAMIC(CKXPropertyGridInplaceEdit)
public:
    CKXPropertyGridInplaceEdit() = default;

    // The text the next Create shows and Escape restores.
    virtual void SetValue(LPCTSTR lpszValue);
    virtual void HideWindow();
    // Attaches to pItem and shows over rect (view coordinates); the window
    // is made the first time.
    using CKXEdit::Create;
    virtual void Create(CKXPropertyGridItem* pItem, CRect rect);
    // Forgets the item, empties and hides.
    virtual void DestroyItem();
    // Steps through the item's constraints (see KXStepConstraint); FALSE
    // when it has none.
    virtual BOOL SelectConstraint(int nStep, BOOL bCycle);

    CKXPropertyGridItem* GetItem() const { return m_pItem; }
    CKXPropertyGridView* GetView() const { return m_pGrid; }

    // The colour message: the view's colours first, when they changed.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

protected:
    // Whether the item takes typed text (an edit box that is not read-only).
    BOOL IsItemEditable() const;
    // Takes the view's text and background colours (grey text while
    // read-only); the brush is made again when they changed.
    void SyncColors();
    void OnPaint();

    UINT OnGetDlgCode();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnSetFocusReflect();
    BOOL OnKillFocusReflect();
    BOOL OnChangeReflect();

    CString m_strValue;
    CKXPropertyGridView* m_pGrid = nullptr;
    CKXPropertyGridItem* m_pItem = nullptr;

    DECLARE_MESSAGE_MAP()
};

// The button: dots for an item's own action, an arrow for its list.
// Painted by the grid's painter (FillInplaceButton).
class CKXPropertyGridInplaceButton : public CButton {
    DECLARE_DYNAMIC(CKXPropertyGridInplaceButton)
public:
    CKXPropertyGridInplaceButton() = default;

    virtual void HideWindow();
    // Attaches to pItem over the last 15 pixels of rect (the item's row).
    using CButton::Create;
    virtual void Create(CKXPropertyGridItem* pItem, CRect rect);
    virtual void DestroyItem();

    CKXPropertyGridItem* GetItem() const { return m_pItem; }
    CKXPropertyGridView* GetView() const { return m_pGrid; }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsOver() const { return m_bOver; }

    static constexpr UINT kControlID = 0xFFFF;

protected:
    void Paint(CDC& dc);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    UINT OnGetDlgCode();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);

    BOOL m_bPressed = FALSE;
    BOOL m_bOver = FALSE;
    CKXPropertyGridView* m_pGrid = nullptr;
    CKXPropertyGridItem* m_pItem = nullptr;

    DECLARE_MESSAGE_MAP()
};

// The drop-down list: a pop-up list box owned by the view, under (or above)
// the row, up to ten lines high.
class CKXPropertyGridInplaceList : public CListBox {
    DECLARE_DYNAMIC(CKXPropertyGridInplaceList)
public:
    CKXPropertyGridInplaceList() = default;

    // Fills with pItem's constraints and drops down under rect (the row,
    // view coordinates), taking the focus.
    using CListBox::Create;
    virtual void Create(CKXPropertyGridItem* pItem, CRect rect);
    virtual void DestroyItem();
    // The focus back to the view, nothing chosen.
    virtual void Cancel();
    // The selected line becomes the item's value; the focus back to the view.
    virtual void Apply();

    CKXPropertyGridItem* GetItem() const { return m_pItem; }

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode();
    void ReturnFocus();

    CKXPropertyGridItem* m_pItem = nullptr;

    DECLARE_MESSAGE_MAP()
};
