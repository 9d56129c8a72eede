#include "core/theme_wrapper.h"

#include "core/load_library.h"

BOOL CKXWinThemeWrapper::m_bDllDetached = FALSE;

CKXWinThemeWrapper::CKXWinThemeWrapper() : m_hThemeDll(::LoadLibraryA("UxTheme.dll")) {
    m_pfnOpenThemeData = KXGetProcAddress<PFNOPENTHEMEDATA>(m_hThemeDll, "OpenThemeData");
    m_pfnDrawThemeBackground = KXGetProcAddress<PFNDRAWTHEMEBACKGROUND>(m_hThemeDll, "DrawThemeBackground");
    m_pfnIsAppThemed = KXGetProcAddress<PFNISAPPTHEMED>(m_hThemeDll, "IsAppThemed");
    m_pfnGetCurrentThemeName = KXGetProcAddress<PFNGETCURRENTTHEMENAME>(m_hThemeDll, "GetCurrentThemeName");
}

CKXWinThemeWrapper::~CKXWinThemeWrapper() {
    CloseTheme();
    // During unload the module may already be unmapped with the process.
    if (m_hThemeDll && !m_bDllDetached) ::FreeLibrary(m_hThemeDll);
    m_hThemeDll = nullptr;
}

void CKXWinThemeWrapper::OpenTheme(HWND hWnd, LPCWSTR pszClassList) {
    CloseTheme();
    if (m_pfnOpenThemeData && !m_bDllDetached) m_hTheme = m_pfnOpenThemeData(hWnd, pszClassList);
}

void CKXWinThemeWrapper::CloseTheme() {
    if (m_hThemeDll && m_hTheme && !m_bDllDetached) {
        using PFNCLOSETHEMEDATA = HRESULT(WINAPI*)(HTHEME);
        if (const auto pfnClose = KXGetProcAddress<PFNCLOSETHEMEDATA>(m_hThemeDll, "CloseThemeData"))
            pfnClose(m_hTheme);  // a failure here leaves nothing to undo
    }
    m_hTheme = nullptr;
}

HRESULT CKXWinThemeWrapper::DrawBackground(HDC hDC, int nPartID, int nStateID, const RECT* pRect,
                                           const RECT* pClipRect) {
    if (!m_hTheme || !m_pfnDrawThemeBackground || m_bDllDetached) return E_FAIL;
    return m_pfnDrawThemeBackground(m_hTheme, hDC, nPartID, nStateID, pRect, pClipRect);
}

BOOL CKXWinThemeWrapper::IsAppThemed() const {
    if (!m_hTheme || !m_pfnIsAppThemed || m_bDllDetached) return FALSE;
    return m_pfnIsAppThemed();
}

HRESULT CKXWinThemeWrapper::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                                int cchMaxColorChars, LPWSTR pszSizeBuff,
                                                int cchMaxSizeChars) const {
    if (!m_pfnGetCurrentThemeName || m_bDllDetached) return E_FAIL;
    return m_pfnGetCurrentThemeName(pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars, pszSizeBuff,
                                    cchMaxSizeChars);
}
