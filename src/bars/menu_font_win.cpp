#include "bars/menu_font.h"

static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the metrics record of the targeted platform version");

CKXMenuFont::CKXMenuFont() {
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof ncm;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) CreateFontIndirect(&ncm.lfMenuFont);
}

CKXMenuMeasureDC::CKXMenuMeasureDC(BOOL bSelectFont) {
    CWnd* pMain = AfxGetMainWnd();
    m_hWnd = pMain ? pMain->GetSafeHwnd() : nullptr;
    m_hDC = ::GetDC(m_hWnd);
    if (m_hDC && bSelectFont && m_font.GetSafeHandle()) m_hOldFont = ::SelectObject(m_hDC, m_font);
}

CKXMenuMeasureDC::~CKXMenuMeasureDC() {
    if (m_hDC == nullptr) return;
    if (m_hOldFont) ::SelectObject(m_hDC, m_hOldFont);
    ::ReleaseDC(m_hWnd, m_hDC);
}
