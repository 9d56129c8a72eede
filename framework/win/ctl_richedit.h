// CRichEditCtrl: the rich edit control (version 2, "RichEdit20A", from
// RICHED20.DLL, which AfxInitRichEdit2 loads once for the process).
#pragma once

#include "base/cstring.h"
#include "win/wnd.h"

#include <richedit.h>

BOOL AfxInitRichEdit2();

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Text and selection
    long GetTextLength() const { return (long)SendMessage(WM_GETTEXTLENGTH); }
    long GetTextLengthEx(DWORD dwFlags, UINT nCodePage = CP_ACP) const;
    void GetSel(CHARRANGE& cr) const { SendMessage(EM_EXGETSEL, 0, (LPARAM)&cr); }
    void GetSel(long& nStartChar, long& nEndChar) const;
    void SetSel(CHARRANGE& cr) { SendMessage(EM_EXSETSEL, 0, (LPARAM)&cr); }
    void SetSel(long nStartChar, long nEndChar);
    CString GetSelText() const;
    long GetTextRange(int nFirst, int nLast, CString& refString) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) {
        SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText);
    }
    WORD GetSelectionType() const { return (WORD)SendMessage(EM_SELECTIONTYPE); }
    void HideSelection(BOOL bHide, BOOL bPerm) { SendMessage(EM_HIDESELECTION, bHide, bPerm); }
    long FindText(DWORD dwFlags, FINDTEXTEXA* pFindText) const {
        return (long)SendMessage(EM_FINDTEXTEX, dwFlags, (LPARAM)pFindText);
    }
    void LimitText(long nChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, nChars); }
    long GetLimitText() const { return (long)SendMessage(EM_GETLIMITTEXT); }

    // Lines
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    // The line's text (without a terminator: the result is its length).
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, nLine); }
    int LineLength(int nLine = -1) const { return (int)SendMessage(EM_LINELENGTH, nLine); }
    long LineFromChar(long nIndex) const { return (long)SendMessage(EM_EXLINEFROMCHAR, 0, nIndex); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    void LineScroll(int nLines, int nChars = 0) { SendMessage(EM_LINESCROLL, nChars, nLines); }

    // Formatting
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr) {
        return (COLORREF)SendMessage(EM_SETBKGNDCOLOR, bSysColor, cr);
    }
    DWORD GetDefaultCharFormat(CHARFORMATA& cf) const;
    BOOL SetDefaultCharFormat(CHARFORMATA& cf);
    DWORD GetSelectionCharFormat(CHARFORMATA& cf) const;
    BOOL SetSelectionCharFormat(CHARFORMATA& cf);
    BOOL SetWordCharFormat(CHARFORMATA& cf);
    DWORD GetParaFormat(PARAFORMAT& pf) const;
    BOOL SetParaFormat(PARAFORMAT& pf);

    // Options, events and state
    DWORD GetEventMask() const { return (DWORD)SendMessage(EM_GETEVENTMASK); }
    DWORD SetEventMask(DWORD dwEventMask) { return (DWORD)SendMessage(EM_SETEVENTMASK, 0, dwEventMask); }
    UINT GetOptions() const { return (UINT)SendMessage(EM_GETOPTIONS); }
    void SetOptions(WORD wOp, DWORD dwFlags) { SendMessage(EM_SETOPTIONS, wOp, dwFlags); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, bReadOnly); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    void GetRect(LPRECT lpRect) const { SendMessage(EM_GETRECT, 0, (LPARAM)lpRect); }
    void SetRect(LPCRECT lpRect) { SendMessage(EM_SETRECT, 0, (LPARAM)lpRect); }
    CPoint GetCharPos(long lChar) const;

    // Editing
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    BOOL CanRedo() const { return (BOOL)SendMessage(EM_CANREDO); }
    BOOL Redo() { return (BOOL)SendMessage(EM_REDO); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    BOOL CanPaste(UINT nFormat = 0) const { return (BOOL)SendMessage(EM_CANPASTE, nFormat); }
    void Clear() { SendMessage(WM_CLEAR); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }

    // Streams: es.pfnCallback moves the text in or out (SF_TEXT, SF_RTF).
    long StreamIn(int nFormat, EDITSTREAM& es) { return (long)SendMessage(EM_STREAMIN, nFormat, (LPARAM)&es); }
    long StreamOut(int nFormat, EDITSTREAM& es) { return (long)SendMessage(EM_STREAMOUT, nFormat, (LPARAM)&es); }
};
