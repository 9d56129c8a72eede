// CStatusBarCtrl: the common status bar control as a plain child window:
// parts, their texts, borders, the simple (one-part) mode.  CStatusBar is
// the control bar around the same control (GetStatusBarCtrl).
#pragma once

#include "win/wnd.h"

class CStatusBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CStatusBarCtrl)
public:
    CStatusBarCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    // nType: 0, SBT_NOBORDERS, SBT_POPOUT, SBT_RTLREADING, SBT_OWNERDRAW.
    BOOL SetText(LPCTSTR lpszText, int nPane, int nType) {
        return static_cast<BOOL>(SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nPane | nType),
                                             reinterpret_cast<LPARAM>(lpszText)));
    }
    CString GetText(int nPane, int* pType = nullptr) const {
        const LRESULT lInfo = SendMessage(SB_GETTEXTLENGTHA, nPane);
        CString str;
        const int nLength = LOWORD(lInfo);
        if (nLength > 0) {
            SendMessage(SB_GETTEXTA, nPane, reinterpret_cast<LPARAM>(str.GetBuffer(nLength + 1)));
            str.ReleaseBuffer(nLength);
        }
        if (pType != nullptr) *pType = HIWORD(lInfo);
        return str;
    }
    int GetTextLength(int nPane, int* pType = nullptr) const {
        const LRESULT lInfo = SendMessage(SB_GETTEXTLENGTHA, nPane);
        if (pType != nullptr) *pType = HIWORD(lInfo);
        return LOWORD(lInfo);
    }
    BOOL SetParts(int nParts, int* pWidths) {
        return static_cast<BOOL>(SendMessage(SB_SETPARTS, nParts, reinterpret_cast<LPARAM>(pWidths)));
    }
    int GetParts(int nParts, int* pParts) const {
        return static_cast<int>(SendMessage(SB_GETPARTS, nParts, reinterpret_cast<LPARAM>(pParts)));
    }
    // Horizontal border, vertical border and the gap between parts.
    BOOL GetBorders(int* pBorders) const {
        return static_cast<BOOL>(SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(pBorders)));
    }
    BOOL GetBorders(int& nHorz, int& nVert, int& nSpacing) const {
        int borders[3] = {};
        const BOOL bResult = GetBorders(borders);
        nHorz = borders[0];
        nVert = borders[1];
        nSpacing = borders[2];
        return bResult;
    }
    void SetMinHeight(int nMin) { SendMessage(SB_SETMINHEIGHT, nMin); }
    BOOL SetSimple(BOOL bSimple = TRUE) { return static_cast<BOOL>(SendMessage(SB_SIMPLE, bSimple)); }
    BOOL IsSimple() const { return static_cast<BOOL>(SendMessage(SB_ISSIMPLE)); }
    BOOL GetRect(int nPane, LPRECT lpRect) const {
        return static_cast<BOOL>(SendMessage(SB_GETRECT, nPane, reinterpret_cast<LPARAM>(lpRect)));
    }
    BOOL SetIcon(int nPane, HICON hIcon) {
        return static_cast<BOOL>(SendMessage(SB_SETICON, nPane, reinterpret_cast<LPARAM>(hIcon)));
    }
    void SetTipText(int nPane, LPCTSTR pszTipText) {
        SendMessage(SB_SETTIPTEXTA, nPane, reinterpret_cast<LPARAM>(pszTipText));
    }
    COLORREF SetBkColor(COLORREF clr) { return static_cast<COLORREF>(SendMessage(SB_SETBKCOLOR, 0, clr)); }
};
