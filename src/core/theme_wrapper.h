// CKXWinThemeWrapper: the visual-styles library bound at run time.  Without
// "UxTheme.dll" (or without one of its functions) every call gives the
// neutral answer: no theme, FALSE, E_FAIL, nothing drawn.
//
// A wrapper owns its module reference and its theme handle, so it cannot be
// copied: a copy would close the same theme twice.
#pragma once

#include "win/afxwin.h"

#include <uxtheme.h>

class CKXWinThemeWrapper {
public:
    CKXWinThemeWrapper();
    virtual ~CKXWinThemeWrapper();
    CKXWinThemeWrapper(const CKXWinThemeWrapper&) = delete;
    CKXWinThemeWrapper& operator=(const CKXWinThemeWrapper&) = delete;

    // Closes the open theme and opens pszClassList's theme for hWnd.
    void OpenTheme(HWND hWnd, LPCWSTR pszClassList);
    // Closes the open theme; the handle is 0 afterwards in every case.
    void CloseTheme();
    HTHEME GetTheme() const { return m_hTheme; }

    // Draws the open theme's part in its state; nothing without a theme.
    HRESULT DrawBackground(HDC hDC, int nPartID, int nStateID, const RECT* pRect, const RECT* pClipRect);
    // FALSE unless a theme is open; then whether the application is themed.
    BOOL IsAppThemed() const;
    // The active style's file, colour scheme and size names, or E_FAIL.
    HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars) const;

    // Raised while the library is being unloaded: from then on no wrapper
    // calls into the visual-styles library (it may be gone already).
    static BOOL m_bDllDetached;

protected:
    using PFNOPENTHEMEDATA = HTHEME(WINAPI*)(HWND, LPCWSTR);
    using PFNDRAWTHEMEBACKGROUND = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    using PFNISAPPTHEMED = BOOL(WINAPI*)();
    using PFNGETCURRENTTHEMENAME = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);

    HTHEME m_hTheme = nullptr;
    HMODULE m_hThemeDll = nullptr;
    PFNOPENTHEMEDATA m_pfnOpenThemeData = nullptr;
    PFNDRAWTHEMEBACKGROUND m_pfnDrawThemeBackground = nullptr;
    PFNISAPPTHEMED m_pfnIsAppThemed = nullptr;
    PFNGETCURRENTTHEMENAME m_pfnGetCurrentThemeName = nullptr;
};
