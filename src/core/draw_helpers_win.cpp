#include "core/draw_helpers.h"

#include "core/back_image.h"
#include "core/gradient.h"
#include "core/load_library.h"
#include "core/theme_wrapper.h"

CKXDrawHelpers::CKXDrawHelpers() : m_hMsimg32(::LoadLibraryA("msimg32.dll")) {
    m_pfnGradientFill = KXGetProcAddress<PFNGRADIENTFILL>(m_hMsimg32, "GradientFill");
}

CKXDrawHelpers::~CKXDrawHelpers() {
    if (m_hMsimg32) ::FreeLibrary(m_hMsimg32);
}

void CKXDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal) {
    if (!pDC || !pDC->GetSafeHdc() || !lpRect || ::IsRectEmpty(lpRect)) return;
    if (clrStart == clrEnd || IsLowResolution(pDC->GetSafeHdc())) {
        pDC->FillSolidRect(lpRect, clrStart);
        return;
    }
    if (m_pfnGradientFill)
        GradientFillFast(pDC, lpRect, clrStart, clrEnd, bHorizontal);
    else
        GradientFillSlow(pDC, lpRect, clrStart, clrEnd, bHorizontal);
}

void CKXDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, const KX_GRADIENT_COLOR& grc, BOOL bHorizontal) {
    GradientFill(pDC, lpRect, grc.clrStart, grc.clrEnd, bHorizontal);
}

void CKXDrawHelpers::GradientFillFast(CDC* pDC, LPCRECT lpRect, COLORREF clrStart, COLORREF clrEnd,
                                      BOOL bHorizontal) {
    if (!m_pfnGradientFill) return GradientFillSlow(pDC, lpRect, clrStart, clrEnd, bHorizontal);
    if (!pDC || !pDC->GetSafeHdc() || !lpRect) return;
    TRIVERTEX vertices[2] = {
        {lpRect->left, lpRect->top, static_cast<COLOR16>(GetRValue(clrStart) << 8),
         static_cast<COLOR16>(GetGValue(clrStart) << 8), static_cast<COLOR16>(GetBValue(clrStart) << 8), 0},
        {lpRect->right, lpRect->bottom, static_cast<COLOR16>(GetRValue(clrEnd) << 8),
         static_cast<COLOR16>(GetGValue(clrEnd) << 8), static_cast<COLOR16>(GetBValue(clrEnd) << 8), 0},
    };
    GRADIENT_RECT gradientRect = {0, 1};
    m_pfnGradientFill(pDC->GetSafeHdc(), vertices, 2, &gradientRect, 1,
                      bHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void CKXDrawHelpers::GradientFillSlow(CDC* pDC, LPCRECT lpRect, COLORREF clrStart, COLORREF clrEnd,
                                      BOOL bHorizontal) {
    if (!pDC || !pDC->GetSafeHdc() || !lpRect) return;
    CRect rcClip;
    if (pDC->GetClipBox(&rcClip) == ERROR) rcClip.SetRectEmpty();
    const CKXGradientBars bars(*lpRect, rcClip, clrStart, clrEnd, bHorizontal);
    const HDC hDC = pDC->GetSafeHdc();
    const COLORREF clrOldBk = ::GetBkColor(hDC);
    for (int i = 0, n = bars.GetCount(); i < n; ++i) {
        // ExtTextOut with an opaque rectangle is the cheapest solid fill.
        const CRect rcBar = bars.GetBar(i);
        ::SetBkColor(hDC, bars.GetColor(i));
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rcBar, nullptr, 0, nullptr);
    }
    ::SetBkColor(hDC, clrOldBk);
}

COLORREF CKXDrawHelpers::BlendColors(COLORREF c1, COLORREF c2, float t) const { return KXBlendColors(c1, c2, t); }

void CKXDrawHelpers::ExcludeCorners(CDC* pDC, CRect rect) const {
    if (!pDC || !pDC->GetSafeHdc()) return;
    pDC->ExcludeClipRect(rect.left, rect.top, rect.left + 1, rect.top + 1);
    pDC->ExcludeClipRect(rect.right - 1, rect.top, rect.right, rect.top + 1);
    pDC->ExcludeClipRect(rect.left, rect.bottom - 1, rect.left + 1, rect.bottom + 1);
    pDC->ExcludeClipRect(rect.right - 1, rect.bottom - 1, rect.right, rect.bottom + 1);
}

void CKXDrawHelpers::BlurPoints(CDC* pDC, LPPOINT pPoints, int nCount) const {
    if (!pDC || !pDC->GetSafeHdc() || !pPoints) return;
    // A trailing point without its offset is ignored: (nCount + 1) / 2
    // pairs would read past the array.
    for (int i = 0; i + 1 < nCount; i += 2) {
        const POINT pt = pPoints[i], off = pPoints[i + 1];
        const COLORREF clr = KXAverageColors(pDC->GetPixel(pt), pDC->GetPixel(pt.x + off.x, pt.y + off.y));
        pDC->SetPixelV(pt, clr);
    }
}

void CKXDrawHelpers::Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr) {
    if (!pDC || !pDC->GetSafeHdc()) return;
    CPen pen(PS_SOLID, 1, clr);
    CBrush brush(clr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const POINT apt[3] = {pt0, pt1, pt2};
    pDC->Polygon(apt, 3);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

namespace {

int CALLBACK FindFaceProc(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM lParam) {
    // 0 stops the enumeration: found.
    return ::lstrcmpiA(pLogFont->lfFaceName, reinterpret_cast<LPCSTR>(lParam)) == 0 ? 0 : 1;
}

}  // namespace

BOOL CKXDrawHelpers::FontExists(LPCTSTR lpszFaceName) {
    if (!lpszFaceName || !*lpszFaceName) return FALSE;
    const HDC hDC = ::GetDC(nullptr);
    if (!hDC) return FALSE;
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;  // every character set
    const int nResult = ::EnumFontFamiliesExA(hDC, &lf, FindFaceProc, reinterpret_cast<LPARAM>(lpszFaceName), 0);
    ::ReleaseDC(nullptr, hDC);
    return nResult == 0;
}

BOOL CKXDrawHelpers::IsLowResolution(HDC hDC) {
    const HDC hQuery = hDC ? hDC : ::GetDC(::GetDesktopWindow());
    if (!hQuery) return FALSE;
    const int nBits = ::GetDeviceCaps(hQuery, BITSPIXEL);
    if (!hDC) ::ReleaseDC(::GetDesktopWindow(), hQuery);
    return nBits >= 1 && nBits <= 8;
}

eKXCURRENTSYSTEMTHEME CKXDrawHelpers::GetCurrentSystemTheme() const {
    const CKXWinThemeWrapper wrapper;
    WCHAR szFile[260] = {}, szColor[260] = {};
    if (FAILED(wrapper.GetCurrentThemeName(szFile, 260, szColor, 260, nullptr, 0))) return KXTHEME_UNKNOWN;
    char szFileA[520] = {}, szColorA[520] = {};
    ::WideCharToMultiByte(CP_ACP, 0, szFile, -1, szFileA, sizeof szFileA - 1, nullptr, nullptr);
    ::WideCharToMultiByte(CP_ACP, 0, szColor, -1, szColorA, sizeof szColorA - 1, nullptr, nullptr);
    return KXThemeFromNames(szFileA, szColorA);
}

void CKXDrawHelpers::DrawBkImage(CDC* pDC, CRect rect, const tagKX_LVBKIMAGE& image) {
    KXDrawBkImage(pDC, rect, image);
}
