#include "win/dc.h"

#include "win/wnd.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {

// Applies a setter to the output context (when it is a separate one) and to
// the attribute context; the attribute context's answer is returned.
template <class R, class F>
R ToBoth(HDC hDC, HDC hAttribDC, R failure, F set) {
    R result = failure;
    if (hDC != nullptr && hDC != hAttribDC) result = set(hDC);
    if (hAttribDC != nullptr) result = set(hAttribDC);
    return result;
}

}  // namespace

// --- Handle map ----------------------------------------------------------------

CDC::~CDC() {
    if (m_hDC != nullptr) ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const { return m_hDC ? CWnd::FromHandle(::WindowFromDC(m_hDC)) : nullptr; }

CDC* CDC::FromHandle(HDC hDC) {
    if (hDC == nullptr) return nullptr;
    return afxMapHDC(TRUE)->FromHandle(hDC);
}

void CDC::DeleteTempMap() {
    if (CHandleMap<CDC>* map = afxMapHDC()) map->DeleteTemp();
}

BOOL CDC::Attach(HDC hDC) {
    // One context at a time: attaching over a held one would lose it.
    if (hDC == nullptr || m_hDC != nullptr) return FALSE;
    m_hDC = hDC;
    afxMapHDC(TRUE)->SetPermanent(hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC != nullptr) {
        CHandleMap<CDC>* map = afxMapHDC();
        if (map && map->LookupPermanent(hDC) == this) map->RemoveHandle(hDC);
    }
    ReleaseAttribDC();
    m_hDC = nullptr;
    return hDC;
}

void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
void CDC::SetOutputDC(HDC hDC) { m_hDC = hDC; }
void CDC::ReleaseAttribDC() { m_hAttribDC = nullptr; }
void CDC::ReleaseOutputDC() { m_hDC = nullptr; }

// --- Creation ------------------------------------------------------------------

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData) {
    if (m_hDC != nullptr) return FALSE;
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData) {
    if (m_hDC != nullptr) return FALSE;
    return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    if (m_hDC != nullptr) return FALSE;
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr) return FALSE;
    return ::DeleteDC(Detach());
}

// --- State ---------------------------------------------------------------------

int CDC::SaveDC() {
    int nSaved = 0;
    if (m_hAttribDC != nullptr) nSaved = ::SaveDC(m_hAttribDC);
    // With two contexts only the most recent state (-1) can be restored.
    if (m_hDC != nullptr && m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0) nSaved = -1;
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC) {
    BOOL bOK = TRUE;
    if (m_hDC != nullptr && m_hDC != m_hAttribDC) bOK = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != nullptr) bOK = ::RestoreDC(m_hAttribDC, nSavedDC) && bOK;
    return bOK;
}

CPoint CDC::GetBrushOrg() const {
    CPoint point(0, 0);
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

CPoint CDC::SetBrushOrg(int x, int y) {
    CPoint point(0, 0);
    ::SetBrushOrgEx(m_hDC, x, y, &point);
    return point;
}

// --- Selection -----------------------------------------------------------------

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    if (hObject == nullptr) return nullptr;
    return ToBoth<HGDIOBJ>(m_hDC, m_hAttribDC, nullptr, [&](HDC h) { return ::SelectObject(h, hObject); });
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    HGDIOBJ hObject = pObject->GetSafeHandle();
    HGDIOBJ hOld = SelectObject(hObject);
    // A region answers its kind, not a previous object.
    if (::GetObjectType(hObject) == OBJ_REGION) return nullptr;
    return CGdiObject::FromHandle(hOld);
}

CPen* CDC::SelectObject(CPen* pPen) { return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen))); }

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont) { return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont))); }

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

int CDC::SelectObject(CRgn* pRgn) {
    HGDIOBJ hRgn = pRgn->GetSafeHandle();
    if (hRgn == nullptr) return ERROR;
    // A region is copied into the clipping region; the answer is its kind.
    return ToBoth<int>(m_hDC, m_hAttribDC, ERROR,
                       [&](HDC h) { return (int)(INT_PTR)::SelectObject(h, hRgn); });
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE hPalette = (HPALETTE)pPalette->GetSafeHandle();
    if (hPalette == nullptr || m_hDC == nullptr) return nullptr;
    return CPalette::FromHandle(::SelectPalette(m_hDC, hPalette, bForceBackground));
}

CPen* CDC::GetCurrentPen() const { return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN)); }
CBrush* CDC::GetCurrentBrush() const { return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH)); }
CFont* CDC::GetCurrentFont() const { return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT)); }
CBitmap* CDC::GetCurrentBitmap() const {
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}
CPalette* CDC::GetCurrentPalette() const {
    return CPalette::FromHandle((HPALETTE)::GetCurrentObject(m_hDC, OBJ_PAL));
}

// --- Colours and modes ---------------------------------------------------------

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return ToBoth<COLORREF>(m_hDC, m_hAttribDC, CLR_INVALID, [&](HDC h) { return ::SetBkColor(h, crColor); });
}

int CDC::SetBkMode(int nBkMode) {
    return ToBoth<int>(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetBkMode(h, nBkMode); });
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return ToBoth<COLORREF>(m_hDC, m_hAttribDC, CLR_INVALID, [&](HDC h) { return ::SetTextColor(h, crColor); });
}

int CDC::SetROP2(int nDrawMode) {
    return ToBoth<int>(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::SetPolyFillMode(int nPolyFillMode) {
    return ToBoth<int>(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetPolyFillMode(h, nPolyFillMode); });
}

int CDC::SetStretchBltMode(int nStretchMode) {
    return ToBoth<int>(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

UINT CDC::SetTextAlign(UINT nFlags) {
    return ToBoth<UINT>(m_hDC, m_hAttribDC, GDI_ERROR, [&](HDC h) { return ::SetTextAlign(h, nFlags); });
}

int CDC::SetTextCharacterExtra(int nCharExtra) {
    return ToBoth<int>(m_hDC, m_hAttribDC, 0x80000000,
                       [&](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
}

// --- Coordinates ---------------------------------------------------------------

int CDC::SetMapMode(int nMapMode) {
    return ToBoth<int>(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetMapMode(h, nMapMode); });
}

CPoint CDC::GetViewportOrg() const {
    CPoint point(0, 0);
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetViewportOrg(int x, int y) {
    CPoint point(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetViewportOrgEx(h, x, y, &point); });
    return point;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    CPoint point(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &point); });
    return point;
}

CSize CDC::GetViewportExt() const {
    CSize size(0, 0);
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    CSize size(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetViewportExtEx(h, cx, cy, &size); });
    return size;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
    CSize size(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                 [&](HDC h) { return ::ScaleViewportExtEx(h, xNum, xDenom, yNum, yDenom, &size); });
    return size;
}

CPoint CDC::GetWindowOrg() const {
    CPoint point(0, 0);
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    CPoint point(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetWindowOrgEx(h, x, y, &point); });
    return point;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
    CPoint point(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &point); });
    return point;
}

CSize CDC::GetWindowExt() const {
    CSize size(0, 0);
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy) {
    CSize size(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetWindowExtEx(h, cx, cy, &size); });
    return size;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
    CSize size(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                 [&](HDC h) { return ::ScaleWindowExtEx(h, xNum, xDenom, yNum, yDenom, &size); });
    return size;
}

// Sizes convert as vectors: through the two corners of a rectangle at the origin.
void CDC::DPtoLP(LPSIZE lpSize) const {
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    if (sizeVpExt.cx == 0 || sizeVpExt.cy == 0) return;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs((int)sizeWinExt.cx), std::abs((int)sizeVpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs((int)sizeWinExt.cy), std::abs((int)sizeVpExt.cy));
}

void CDC::LPtoDP(LPSIZE lpSize) const {
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    if (sizeWinExt.cx == 0 || sizeWinExt.cy == 0) return;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs((int)sizeVpExt.cx), std::abs((int)sizeWinExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs((int)sizeVpExt.cy), std::abs((int)sizeWinExt.cy));
}

namespace {
const int kHimetricInch = 2540;  // HIMETRIC units in an inch
}

void CDC::DPtoHIMETRIC(LPSIZE lpSize) const {
    int nMapMode = GetMapMode();
    if (nMapMode < MM_ISOTROPIC && nMapMode != MM_TEXT) {
        CDC* self = const_cast<CDC*>(this);
        self->SetMapMode(MM_HIMETRIC);
        DPtoLP(lpSize);
        self->SetMapMode(nMapMode);
    } else {
        lpSize->cx = ::MulDiv(lpSize->cx, kHimetricInch, GetDeviceCaps(LOGPIXELSX));
        lpSize->cy = ::MulDiv(lpSize->cy, kHimetricInch, GetDeviceCaps(LOGPIXELSY));
    }
}

void CDC::HIMETRICtoDP(LPSIZE lpSize) const {
    int nMapMode = GetMapMode();
    if (nMapMode < MM_ISOTROPIC && nMapMode != MM_TEXT) {
        CDC* self = const_cast<CDC*>(this);
        self->SetMapMode(MM_HIMETRIC);
        LPtoDP(lpSize);
        self->SetMapMode(nMapMode);
    } else {
        lpSize->cx = ::MulDiv(lpSize->cx, GetDeviceCaps(LOGPIXELSX), kHimetricInch);
        lpSize->cy = ::MulDiv(lpSize->cy, GetDeviceCaps(LOGPIXELSY), kHimetricInch);
    }
}

// --- Paths ----------------------------------------------------------------------
// Drawing that moves the current position moves it in both contexts.

int CDC::SetArcDirection(int nArcDirection) {
    return ToBoth<int>(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetArcDirection(h, nArcDirection); });
}

BOOL CDC::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    BOOL bResult = ::ArcTo(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    if (m_hDC != m_hAttribDC) {
        CPoint pt;
        ::GetCurrentPositionEx(m_hDC, &pt);
        ::MoveToEx(m_hAttribDC, pt.x, pt.y, nullptr);
    }
    return bResult;
}

BOOL CDC::AngleArc(int x, int y, int nRadius, float fStartAngle, float fSweepAngle) {
    BOOL bResult = ::AngleArc(m_hDC, x, y, static_cast<DWORD>(nRadius), fStartAngle, fSweepAngle);
    if (m_hDC != m_hAttribDC) {
        CPoint pt;
        ::GetCurrentPositionEx(m_hDC, &pt);
        ::MoveToEx(m_hAttribDC, pt.x, pt.y, nullptr);
    }
    return bResult;
}

BOOL CDC::PolylineTo(const POINT* lpPoints, int nCount) {
    BOOL bResult = ::PolylineTo(m_hDC, lpPoints, static_cast<DWORD>(nCount));
    if (m_hDC != m_hAttribDC && nCount > 0) ::MoveToEx(m_hAttribDC, lpPoints[nCount - 1].x, lpPoints[nCount - 1].y, nullptr);
    return bResult;
}

BOOL CDC::PolyBezierTo(const POINT* lpPoints, int nCount) {
    BOOL bResult = ::PolyBezierTo(m_hDC, lpPoints, static_cast<DWORD>(nCount));
    if (m_hDC != m_hAttribDC && nCount > 0) ::MoveToEx(m_hAttribDC, lpPoints[nCount - 1].x, lpPoints[nCount - 1].y, nullptr);
    return bResult;
}

BOOL CDC::PolyDraw(const POINT* lpPoints, const BYTE* lpTypes, int nCount) {
    BOOL bResult = ::PolyDraw(m_hDC, lpPoints, lpTypes, nCount);
    if (m_hDC != m_hAttribDC) {
        CPoint pt;
        ::GetCurrentPositionEx(m_hDC, &pt);
        ::MoveToEx(m_hAttribDC, pt.x, pt.y, nullptr);
    }
    return bResult;
}

// --- Clipping ------------------------------------------------------------------

int CDC::SelectClipRgn(CRgn* pRgn) {
    HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
    return ToBoth<int>(m_hDC, m_hAttribDC, ERROR, [&](HDC h) { return ::SelectClipRgn(h, hRgn); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
    HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
    return ToBoth<int>(m_hDC, m_hAttribDC, ERROR, [&](HDC h) { return ::ExtSelectClipRgn(h, hRgn, nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return ToBoth<int>(m_hDC, m_hAttribDC, ERROR, [&](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect) {
    if (lpRect == nullptr) return ERROR;
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd) {
    HWND hWnd = pWnd->GetSafeHwnd();
    return ToBoth<int>(m_hDC, m_hAttribDC, ERROR, [&](HDC h) { return ::ExcludeUpdateRgn(h, hWnd); });
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    return ToBoth<int>(m_hDC, m_hAttribDC, ERROR, [&](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
    if (lpRect == nullptr) return ERROR;
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y) {
    return ToBoth<int>(m_hDC, m_hAttribDC, ERROR, [&](HDC h) { return ::OffsetClipRgn(h, x, y); });
}

// --- Lines ---------------------------------------------------------------------

CPoint CDC::GetCurrentPosition() const {
    CPoint point(0, 0);
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y) {
    CPoint point(0, 0);
    ToBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::MoveToEx(h, x, y, &point); });
    return point;
}

BOOL CDC::LineTo(int x, int y) {
    // The attribute context's current position follows the output's.
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC) ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

// --- Filled rectangles ---------------------------------------------------------

// An opaque ExtTextOut without text is the cheapest solid fill: no brush.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

// Top and left in one colour, right and bottom in the other; the two
// corners they share (top right, bottom left) take the second colour.
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

// --- States --------------------------------------------------------------------

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush) {
    return ::DrawStateA(m_hDC, hBrush, nullptr, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush) {
    return DrawState(pt, size, (HBITMAP)pBitmap->GetSafeHandle(), nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush) {
    return ::DrawStateA(m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush) {
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush) {
    return ::DrawStateA(m_hDC, hBrush, nullptr, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx, size.cy,
                        nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush) {
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, HBRUSH hBrush) {
    return ::DrawStateA(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_COMPLEX);
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, CBrush* pBrush) {
    return DrawState(pt, size, lpDrawProc, lData, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

// --- Text ----------------------------------------------------------------------

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
    if (lpszString == nullptr || nCount < 0) return FALSE;
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths) {
    if (lpszString == nullptr) nCount = 0;
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin) {
    if (lpszString == nullptr || nCount < 0) return CSize(0, 0);
    return CSize((DWORD)::TabbedTextOutA(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions,
                                         nTabOrigin));
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    if (lpszString == nullptr || lpRect == nullptr) return 0;
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawTextEx(LPTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat, LPDRAWTEXTPARAMS lpDTParams) {
    if (lpszString == nullptr || lpRect == nullptr) return 0;
    return ::DrawTextExA(m_hDC, lpszString, nCount, lpRect, nFormat, lpDTParams);
}

BOOL CDC::GrayString(CBrush* pBrush, BOOL(CALLBACK* lpfnOutput)(HDC, LPARAM, int), LPARAM lpData, int nCount, int x,
                     int y, int nWidth, int nHeight) {
    return ::GrayStringA(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), (GRAYSTRINGPROC)lpfnOutput, lpData, nCount, x, y,
                         nWidth, nHeight);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    CSize size(0, 0);
    if (lpszString != nullptr && nCount > 0) ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const {
    CSize size(0, 0);
    if (lpszString != nullptr && nCount > 0) ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const {
    if (lpszString == nullptr || nCount <= 0) return CSize(0, 0);
    return CSize(::GetTabbedTextExtentA(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions));
}

int CDC::GetTextFace(CString& rString) const {
    int nResult = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return nResult;
}

// --- Window contexts -----------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
    if (m_hWnd != nullptr) Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
    if (m_hDC != nullptr) {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC() {
    if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC() {
    if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, Detach());
}
