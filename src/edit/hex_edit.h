// CKXHexEdit: a window that shows and edits a block of bytes in three
// columns: addresses, two hexadecimal digits per byte, the bytes as
// characters.  The caret stands in the address column, on either nibble of a
// byte or on a character; typing overwrites, Insert, Delete and Backspace
// insert and remove bytes, the block grows when typing past its end, and a
// selection goes to the clipboard as text and as the library's "BinaryData"
// block.  The application owns the data: SetData hands a copy in, GetData
// reads it back.
//
//   CKXHexEdit hex;
//   hex.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
//              rc, pParent, IDC_HEX);
//   hex.SetData(bytes, nBytes, 4096);   // may grow to 4 KB; -1: no limit
//
// The editing itself lives in CKXHexEditModel (portable, tested natively),
// whose state the control carries as its own; this class adds the window:
// painting, the caret, scroll bars, mouse, clipboard and context menu.  It
// is a multi-line edit control ("EDIT" class, ES_MULTILINE, which keeps its
// scroll bars) that draws and edits everything itself; an edit control of a
// dialog template that it subclasses wants ES_MULTILINE for the same reason.
#pragma once

#include "edit/hex_edit_model.h"
#include "win/afxwin.h"

class CKXHexEdit : public CEdit, public CKXHexEditModel {
    DECLARE_DYNAMIC(CKXHexEdit)
public:
    CKXHexEdit();
    ~CKXHexEdit() override;

    // Creates the window through the base class (the "EDIT" class when none
    // is given) and gives it the display font.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return Create(nullptr, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // --- data ----------------------------------------------------------------
    // A copy of len bytes; the limit is maxLen (at least len), or none when
    // negative.  Caret on byte 0's high nibble, view on top.  FALSE for a
    // null p with a length, or a negative length: nothing changes.
    BOOL SetData(BYTE* p, int len, int maxLen);
    // CKXHexEditModel::GetData(p, maxLen): min(maxLen, length) bytes out,
    // returns the length.

    // --- layout and options ------------------------------------------------------
    void SetOptions(int address, int hex, int ascii, int wideAddress);
    void SetBPR(int nBPR);  // 1 to KX_HEX_MAX_BPR; anything else is ignored
    DWORD SetAddressBase(DWORD dwBase);
    // Fit the bytes per row to the width on every resize.
    void SetAutoBPR(BOOL bAuto);
    void EnableCaret(bool bEnable);
    bool SetAllowDeletes(bool bAllow);
    bool GetAllowDeletes() const { return m_bAllowDeletes; }
    void EnableScrollBars(bool, bool) {}
    void SetHexFont(LOGFONT* pLogFont);
    void SetHexFont(CFont* pFont);
    void RestoreDefaultFont();

    // --- selection ----------------------------------------------------------------
    // [start, end) in bytes (either order); a negative end clears it, ends
    // past the data are cut to its length.
    void SetSel(int start, int end);
    CSize GetSel() const { return CSize(m_nSelStart, m_nSelEnd); }

    // --- colours --------------------------------------------------------------------
    void SetBackColor(COLORREF clr) { m_clrBack = clr; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    void SetDisabledBackColor(COLORREF clr) { m_clrDisabledBack = clr; }
    void SetDisabledTextColor(COLORREF clr) { m_clrDisabledText = clr; }
    void SetHighlightTextColor(COLORREF clr) { m_clrHighlightText = clr; }
    void SetHighlightBackColor(COLORREF clr) { m_clrHighlightBack = clr; }
    void SetDisabledHighlightTextColor(COLORREF clr) { m_clrDisabledHighlightText = clr; }
    void SetDisabledHighlightBackColor(COLORREF clr) { m_clrDisabledHighlightBack = clr; }
    COLORREF GetTextColor() const { return m_clrText; }
    COLORREF GetDisabledTextColor() const { return m_clrDisabledText; }
    COLORREF GetActualBackColor() const;
    COLORREF GetActualTextColor() const;
    COLORREF GetActualHighlightBackColor() const;
    COLORREF GetActualHighlightTextColor() const;

    // --- what the handlers use ---------------------------------------------------------
    // The caret for nAddress in the current column, while the control has
    // the focus; shown where it meets the client area.
    void RepositionCaret(int nAddress);
    void Move(int dx, int dy) { Apply(CKXHexEditModel::Move(dx, dy)); }
    // Vertical scrolling in rows (a scroll-bar code); with bMoveCaret the
    // caret follows the view.
    void DoVScroll(UINT nSBCode, bool bMoveCaret, int nTrackPos = 0);
    void UpdateScrollbars();
    // Paints the whole client area into pDC (WM_PAINT and WM_PRINTCLIENT).
    void Draw(CDC* pDC);

    CFont m_Font;
    COLORREF m_clrBack;
    COLORREF m_clrText;
    COLORREF m_clrDisabledBack;
    COLORREF m_clrDisabledText;
    COLORREF m_clrHighlightText;
    COLORREF m_clrHighlightBack;
    COLORREF m_clrDisabledHighlightText;
    COLORREF m_clrDisabledHighlightBack;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnEditClear();
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditSelectAll();
    void OnEditUndo();

    DECLARE_MESSAGE_MAP()

private:
    // Enabled and not read-only.
    bool IsEditable() const;
    // Does what a model operation asked for (KX_HEX_* bits).
    void Apply(UINT nEffects);
    // Measures the font and lays the columns out when m_bUpdate is set.
    void RecalcLayout(CDC* pDC);
    void EnsureLayout();
    void FocusSibling(bool bNext);
    // The scroll-bar position of a thumb message, 32 bits wide.
    int TrackPos(int nBar, UINT nPos);
};
