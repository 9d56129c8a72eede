// CKXDrawHelpers: gradients, colour blending, corner exclusion, triangles,
// pixel blurring, font look-up and the detection of low-colour screens and of
// the active visual style.  One instance, m_instanceDrawManager, lives as long
// as the library.
//
// Gradients go through the platform's GradientFill (bound at run time from
// "msimg32.dll") and, where that is missing, through a fallback that draws
// one solid bar per visible column or row.
#pragma once

#include "core/theme_types.h"
#include "win/afxwin.h"

struct tagKX_LVBKIMAGE;

class CKXDrawHelpers {
public:
    CKXDrawHelpers();
    ~CKXDrawHelpers();
    CKXDrawHelpers(const CKXDrawHelpers&) = delete;
    CKXDrawHelpers& operator=(const CKXDrawHelpers&) = delete;

    // Fills lpRect from clrStart to clrEnd, left to right when bHorizontal,
    // else top to bottom; solid in clrStart when the colours are equal or
    // the device shows 256 colours or fewer.  Nothing for an empty rectangle.
    void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal);
    void GradientFill(CDC* pDC, LPCRECT lpRect, const KX_GRADIENT_COLOR& grc, BOOL bHorizontal);

    // Per channel c2 * (1 - t) + c1 * t, integer part, at most 255.
    COLORREF BlendColors(COLORREF c1, COLORREF c2, float t) const;
    // Clips away single pixels at the top corners and two-pixel-high ones at
    // the bottom corners of rect, so that a box drawn next looks rounded.
    void ExcludeCorners(CDC* pDC, CRect rect) const;
    // pPoints holds pairs (pixel, offset): each pixel becomes the average of
    // itself and the pixel at the offset from it.
    void BlurPoints(CDC* pDC, LPPOINT pPoints, int nCount) const;

    // A filled triangle, outline and inside in clr.
    static void Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);
    // Whether a screen font family has this face name (any case).
    static BOOL FontExists(LPCTSTR lpszFaceName);
    // Whether hDC (the desktop's when null) shows 1 to 8 bits per pixel.
    static BOOL IsLowResolution(HDC hDC = nullptr);
    // The luna colour scheme in use, or KXTHEME_UNKNOWN.
    eKXCURRENTSYSTEMTHEME GetCurrentSystemTheme() const;
    // Draws a background-image record into rect; nothing without a bitmap.
    static void DrawBkImage(CDC* pDC, CRect rect, const tagKX_LVBKIMAGE& image);

    // Whether the platform's gradient function was found.
    BOOL HasPlatformGradient() const { return m_pfnGradientFill != nullptr; }

    // The two ways of drawing a gradient, for callers that want one of them
    // whatever the device: through the platform function (which must be
    // there) and by bars over the clip box.
    void GradientFillFast(CDC* pDC, LPCRECT lpRect, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal);
    void GradientFillSlow(CDC* pDC, LPCRECT lpRect, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal);

    static CKXDrawHelpers m_instanceDrawManager;

protected:

    using PFNGRADIENTFILL = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    PFNGRADIENTFILL m_pfnGradientFill = nullptr;
    HMODULE m_hMsimg32 = nullptr;
};
