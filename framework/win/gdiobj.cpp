#include "win/gdiobj.h"

#include "win/dc.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

// --- CGdiObject --------------------------------------------------------------

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    if (hObject == nullptr) return nullptr;
    return afxMapHGDIOBJ(TRUE)->FromHandle(hObject);
}

void CGdiObject::DeleteTempMap() {
    if (CHandleMap<CGdiObject>* map = afxMapHGDIOBJ()) map->DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    // An object holds one handle at a time; attaching over it would lose it.
    if (hObject == nullptr || m_hObject != nullptr) return FALSE;
    m_hObject = hObject;
    afxMapHGDIOBJ(TRUE)->SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr) {
        // Stock objects may be attached by several wrappers: leave another
        // wrapper's entry alone.
        CHandleMap<CGdiObject>* map = afxMapHGDIOBJ();
        if (map && map->LookupPermanent(hObject) == this) map->RemoveHandle(hObject);
    }
    m_hObject = nullptr;
    return hObject;
}

// A creation function's new object is deleted when it cannot be attached
// (the wrapper already holds one), so a refused creation leaks nothing.
BOOL CGdiObject::AttachNew(HGDIOBJ hObject) {
    if (Attach(hObject)) return TRUE;
    if (hObject != nullptr) ::DeleteObject(hObject);
    return FALSE;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr) return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

BOOL CGdiObject::UnrealizeObject() { return m_hObject ? ::UnrealizeObject(m_hObject) : FALSE; }

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    if (m_hObject == nullptr) return 0;
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const { return m_hObject ? (UINT)::GetObjectType(m_hObject) : 0; }

// --- CPen --------------------------------------------------------------------

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle) {
    CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return AttachNew(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle) {
    if (pLogBrush == nullptr) return FALSE;
    return AttachNew(::ExtCreatePen((DWORD)nPenStyle, (DWORD)nWidth, pLogBrush, (DWORD)nStyleCount, lpStyle));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen) {
    return lpLogPen ? AttachNew(::CreatePenIndirect(lpLogPen)) : FALSE;
}

int CPen::GetLogPen(LOGPEN* pLogPen) { return GetObject(sizeof(LOGPEN), pLogPen); }

int CPen::GetExtLogPen(EXTLOGPEN* pLogPen) { return GetObject(sizeof(EXTLOGPEN), pLogPen); }

// --- CBrush ------------------------------------------------------------------

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

CBrush::CBrush(int nIndex, COLORREF crColor) { CreateHatchBrush(nIndex, crColor); }

CBrush::CBrush(CBitmap* pBitmap) { CreatePatternBrush(pBitmap); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return AttachNew(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) { return AttachNew(::CreateHatchBrush(nIndex, crColor)); }

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
    return lpLogBrush ? AttachNew(::CreateBrushIndirect(lpLogBrush)) : FALSE;
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    HBITMAP hBitmap = (HBITMAP)pBitmap->GetSafeHandle();
    return hBitmap ? AttachNew(::CreatePatternBrush(hBitmap)) : FALSE;
}

BOOL CBrush::CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage) {
    return lpPackedDIB ? AttachNew(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage)) : FALSE;
}

// The system's colour brushes are shared; deleting one does nothing, so the
// object may own it like any other.
BOOL CBrush::CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) { return GetObject(sizeof(LOGBRUSH), pLogBrush); }

// --- CFont -------------------------------------------------------------------

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    return lpLogFont ? AttachNew(::CreateFontIndirectA(lpLogFont)) : FALSE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
    return AttachNew(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                                nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
    LOGFONT logFont;
    std::memset(&logFont, 0, sizeof(logFont));
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName) {
        std::strncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
        logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    }
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
    if (lpLogFont == nullptr) return FALSE;
    HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(nullptr);

    // 72 points to the inch, ten tenths to the point; then into the
    // context's logical units, measured from its origin.
    LOGFONT logFont = *lpLogFont;
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720)};
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    logFont.lfHeight = -std::abs(pt.y - ptOrg.y);

    if (pDC == nullptr) ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) { return GetObject(sizeof(LOGFONT), pLogFont); }

// --- CBitmap -----------------------------------------------------------------

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    return AttachNew(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) { return AttachNew(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap))); }

BOOL CBitmap::LoadMappedBitmap(UINT nIDBitmap, UINT nFlags, LPCOLORMAP lpColorMap, int nMapSize) {
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nIDBitmap), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    return AttachNew(::CreateMappedBitmap(hInst, (INT_PTR)nIDBitmap, nFlags, lpColorMap, nMapSize));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
    return AttachNew(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap) {
    return lpBitmap ? AttachNew(::CreateBitmapIndirect(lpBitmap)) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    HDC hDC = pDC->GetSafeHdc();
    return hDC ? AttachNew(::CreateCompatibleBitmap(hDC, nWidth, nHeight)) : FALSE;
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight) {
    HDC hDC = pDC->GetSafeHdc();
    return hDC ? AttachNew(::CreateDiscardableBitmap(hDC, nWidth, nHeight)) : FALSE;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) { return GetObject(sizeof(BITMAP), pBitMap); }

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits) {
    if (m_hObject == nullptr || lpBits == nullptr) return 0;
    return (DWORD)::SetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
    if (m_hObject == nullptr || lpBits == nullptr) return 0;
    return (DWORD)::GetBitmapBits((HBITMAP)m_hObject, (LONG)dwCount, lpBits);
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight) {
    CSize size(0, 0);
    if (m_hObject) ::SetBitmapDimensionEx((HBITMAP)m_hObject, nWidth, nHeight, &size);
    return size;
}

CSize CBitmap::GetBitmapDimension() const {
    CSize size(0, 0);
    if (m_hObject) ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

// --- CPalette ----------------------------------------------------------------

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette) {
    return lpLogPalette ? AttachNew(::CreatePalette(lpLogPalette)) : FALSE;
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
    HDC hDC = pDC->GetSafeHdc();
    return hDC ? AttachNew(::CreateHalftonePalette(hDC)) : FALSE;
}

int CPalette::GetEntryCount() {
    WORD nEntries = 0;
    return GetObject(sizeof(WORD), &nEntries) ? nEntries : 0;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const {
    if (m_hObject == nullptr) return 0;
    return ::GetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) {
    if (m_hObject == nullptr) return 0;
    return ::SetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const {
    if (m_hObject == nullptr) return CLR_INVALID;
    return ::GetNearestPaletteIndex((HPALETTE)m_hObject, crColor);
}

// --- CRgn --------------------------------------------------------------------

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return AttachNew(::CreateRectRgn(x1, y1, x2, y2)); }

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) { return lpRect ? AttachNew(::CreateRectRgnIndirect(lpRect)) : FALSE; }

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) { return AttachNew(::CreateEllipticRgn(x1, y1, x2, y2)); }

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect) {
    return lpRect ? AttachNew(::CreateEllipticRgnIndirect(lpRect)) : FALSE;
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
    return lpPoints ? AttachNew(::CreatePolygonRgn(lpPoints, nCount, nMode)) : FALSE;
}

BOOL CRgn::CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount, int nPolyFillMode) {
    if (lpPoints == nullptr || lpPolyCounts == nullptr) return FALSE;
    return AttachNew(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
    return AttachNew(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData) {
    return pRgnData ? AttachNew(::ExtCreateRegion(lpXForm, (DWORD)nCount, pRgnData)) : FALSE;
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
    if (m_hObject) ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect) {
    if (lpRect) SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
    HRGN h1 = (HRGN)pRgn1->GetSafeHandle();
    // RGN_COPY uses the first operand only.
    HRGN h2 = nCombineMode == RGN_COPY ? h1 : (HRGN)pRgn2->GetSafeHandle();
    if (m_hObject == nullptr || h1 == nullptr || h2 == nullptr) return ERROR;
    return ::CombineRgn((HRGN)m_hObject, h1, h2, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc) {
    HRGN hSrc = (HRGN)pRgnSrc->GetSafeHandle();
    if (m_hObject == nullptr || hSrc == nullptr) return ERROR;
    return ::CombineRgn((HRGN)m_hObject, hSrc, nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const {
    HRGN hOther = (HRGN)pRgn->GetSafeHandle();
    if (m_hObject == nullptr || hOther == nullptr) return FALSE;
    return ::EqualRgn((HRGN)m_hObject, hOther);
}

int CRgn::OffsetRgn(int x, int y) { return m_hObject ? ::OffsetRgn((HRGN)m_hObject, x, y) : ERROR; }

int CRgn::GetRgnBox(LPRECT lpRect) const {
    return (m_hObject && lpRect) ? ::GetRgnBox((HRGN)m_hObject, lpRect) : ERROR;
}

BOOL CRgn::PtInRegion(int x, int y) const { return m_hObject ? ::PtInRegion((HRGN)m_hObject, x, y) : FALSE; }

BOOL CRgn::RectInRegion(LPCRECT lpRect) const {
    return (m_hObject && lpRect) ? ::RectInRegion((HRGN)m_hObject, lpRect) : FALSE;
}

int CRgn::GetRegionData(LPRGNDATA lpRgnData, int nCount) const {
    return m_hObject ? (int)::GetRegionData((HRGN)m_hObject, (DWORD)nCount, lpRgnData) : 0;
}
