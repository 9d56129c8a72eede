// CKXEdit: the library's single-line edit control, the base of its edit
// controls and in-place editors.  The platform edit with its own text and
// background colours for the normal and the read-only state, painting
// through an off-screen context (no flicker), the library's shared font,
// and a context menu of the six editing commands (an owner-drawn menu from
// the companion module) enabled by the edit's state.
//
// Created by Create, it initialises from WM_CREATE; subclassed from a dialog
// item, from PreSubclassWindow.  A class that creates the window by another
// route calls InitOnCreate(true) first.  The parent reflects the colour
// messages back to the control (the framework does this for CWnd parents).
#pragma once

#include "win/afxwin.h"

class CKXEdit : public CEdit {
    DECLARE_DYNCREATE(CKXEdit)
public:
    CKXEdit();
    ~CKXEdit() override;

    using CEdit::Create;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void InitOnCreate(bool bInitOnCreate) { m_bInitOnCreate = bInitOnCreate; }

    void SetTextColor(COLORREF clrText);
    void SetBkColor(COLORREF clrBk);
    void SetReadOnlyColor(COLORREF clrText, COLORREF clrBk);

    // CWnd's style change; a change of ES_READONLY switches the background.
    using CEdit::ModifyStyle;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // The reflected colour message: sets the context's colours by the rules
    // and returns the background brush, rebuilt for the current state.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnEnable(BOOL bEnable);

    // Whether the clipboard holds text.
    virtual BOOL CanPaste();
    // Whether some text is selected.
    virtual BOOL SelectionMade();

    // The enabling rules of the context menu.
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditCut(CCmdUI* pCmdUI);  // cut, copy and delete
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnUpdateEditClear(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);

protected:
    // The shared font, then the brush; once per window.
    virtual void Init();
    // The brush of the current background colour.
    void CreateBrushType();
    void PreSubclassWindow() override;
    // The colours the control has now: disabled, read-only or normal.
    COLORREF CurrentBkColor() const;
    COLORREF CurrentTextColor() const;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnEditUndo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditClear();
    void OnEditSelectAll();

    // The platform edit's text, painted into pDC over the background colour.
    void PaintText(CDC* pDC, const CRect& rcClient);

    bool m_bInitOnCreate = false;
    COLORREF m_clrText;
    COLORREF m_clrReadOnlyText;
    COLORREF m_clrBk;
    COLORREF m_clrReadOnlyBk;
    HBRUSH m_hBrush = nullptr;  // owned

    DECLARE_MESSAGE_MAP()
};
