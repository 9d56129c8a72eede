#include "colour/color_dialog_ctrls.h"

#include "core/mem_dc.h"

#include <algorithm>

// --- the honeycomb -------------------------------------------------------------

void KXDrawHoneycomb(CDC* pDC, CPoint ptOrigin, int nSelected) {
    HDC hDC = pDC->GetSafeHdc();
    HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(DC_BRUSH));
    HGDIOBJ hOldPen = ::SelectObject(hDC, ::GetStockObject(DC_PEN));
    const COLORREF clrOldPen = ::SetDCPenColor(hDC, ::GetSysColor(COLOR_BTNSHADOW));
    const COLORREF clrOldBrush = ::GetDCBrushColor(hDC);
    POINT pts[6];
    for (int i = 0; i < KXHONEY_CELLS; ++i) {
        KXHoneyCorners(i, pts);
        for (POINT& pt : pts) pt.x += ptOrigin.x, pt.y += ptOrigin.y;
        ::SetDCBrushColor(hDC, KXHoneyCell(i)->clr);
        ::Polygon(hDC, pts, 6);
    }
    ::SetDCBrushColor(hDC, clrOldBrush);
    ::SetDCPenColor(hDC, clrOldPen);
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
    KXDrawHoneySelection(pDC, ptOrigin, nSelected);
}

// Two black outlines (the hexagon's and one pixel outside it) and a white
// one inside: one-pixel pens, which every device draws fast, where a wide
// pen would be rasterised as a region.
void KXDrawHoneySelection(CDC* pDC, CPoint ptOrigin, int nSelected) {
    const KX_HONEY_CELL* pCell = KXHoneyCell(nSelected);
    if (pCell == nullptr) return;
    POINT pts[6];
    KXHoneyCorners(nSelected, pts);
    HDC hDC = pDC->GetSafeHdc();
    HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
    HGDIOBJ hOldPen = ::SelectObject(hDC, ::GetStockObject(DC_PEN));
    const COLORREF clrOldPen = ::GetDCPenColor(hDC);
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (int d : {1, 0, -1}) {
        POINT ring[6];
        for (int i = 0; i < 6; ++i) {
            ring[i].x = ptOrigin.x + pts[i].x + d * sign(pts[i].x - pCell->pt.x);
            ring[i].y = ptOrigin.y + pts[i].y + d * sign(pts[i].y - pCell->pt.y);
        }
        ::SetDCPenColor(hDC, d < 0 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        ::Polygon(hDC, ring, 6);
    }
    ::SetDCPenColor(hDC, clrOldPen);
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
}

IMPLEMENT_DYNAMIC(CKXHoneycombCtrl, CWnd)

BEGIN_MESSAGE_MAP(CKXHoneycombCtrl, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

BOOL CKXHoneycombCtrl::Create(const CRect& rect, CWnd* pParentWnd, UINT nID) {
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return CWnd::Create(lpszClass, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, pParentWnd, nID);
}

void CKXHoneycombCtrl::SetColor(COLORREF clr) { SetSel(KXHoneyFindColor(clr)); }

void CKXHoneycombCtrl::SetSel(int nIndex) {
    const int nSel = KXHoneyCell(nIndex) != nullptr ? nIndex : -1;
    if (nSel == m_nSel) return;
    m_nSel = nSel;
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

COLORREF CKXHoneycombCtrl::GetSelColor() const {
    const KX_HONEY_CELL* p = KXHoneyCell(m_nSel);
    return p != nullptr ? p->clr : KXCOLOR_UNSET;
}

void CKXHoneycombCtrl::Notify(UINT nCode) {
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
}

void CKXHoneycombCtrl::UpdateCache(CDC* pDC, const CRect& rc, HBRUSH hBrush) {
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    if (m_dcCache.GetSafeHdc() != nullptr && m_sizeCache == rc.Size() && m_hCacheBrush == hBrush &&
        m_clrCache == clrFace)
        return;
    FreeCache();
    if (!m_dcCache.CreateCompatibleDC(pDC) || !m_bmpCache.CreateCompatibleBitmap(pDC, rc.Width(), rc.Height())) {
        FreeCache();
        return;
    }
    m_pOldCache = m_dcCache.SelectObject(&m_bmpCache);
    m_sizeCache = rc.Size();
    m_hCacheBrush = hBrush;
    m_clrCache = clrFace;
    const CRect rcCache(CPoint(0, 0), rc.Size());
    if (hBrush != nullptr)
        ::FillRect(m_dcCache.GetSafeHdc(), &rcCache, hBrush);
    else
        m_dcCache.FillSolidRect(&rcCache, clrFace);
    KXDrawHoneycomb(&m_dcCache, CPoint(kOrigin, kOrigin), -1);
}

void CKXHoneycombCtrl::Paint(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    if (rc.IsRectEmpty()) return;
    // The page's background, as its static controls get it.
    HBRUSH hBrush = nullptr;
    if (CWnd* pParent = GetParent())
        hBrush = reinterpret_cast<HBRUSH>(
            pParent->SendMessage(WM_CTLCOLORSTATIC, (WPARAM)pDC->GetSafeHdc(), (LPARAM)m_hWnd));
    UpdateCache(pDC, rc, hBrush);
    if (m_dcCache.GetSafeHdc() != nullptr) {
        pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &m_dcCache, 0, 0, SRCCOPY);
        KXDrawHoneySelection(pDC, CPoint(kOrigin, kOrigin), m_nSel);
    } else {
        pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
        KXDrawHoneycomb(pDC, CPoint(kOrigin, kOrigin), m_nSel);
    }
    if (::GetFocus() == m_hWnd) pDC->DrawFocusRect(&rc);
}

CKXHoneycombCtrl::~CKXHoneycombCtrl() { FreeCache(); }

void CKXHoneycombCtrl::FreeCache() {
    if (m_pOldCache != nullptr) m_dcCache.SelectObject(m_pOldCache);
    m_pOldCache = nullptr;
    if (m_dcCache.GetSafeHdc() != nullptr) m_dcCache.DeleteDC();
    if (m_bmpCache.GetSafeHandle() != nullptr) m_bmpCache.DeleteObject();
}

void CKXHoneycombCtrl::OnDestroy() {
    FreeCache();
    CWnd::OnDestroy();
}

void CKXHoneycombCtrl::OnSysColorChange() {
    CWnd::OnSysColorChange();
    m_sizeCache = CSize(0, 0);
    Invalidate(FALSE);
}

void CKXHoneycombCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(&dc, rc);
    Paint(&memDC);
}

LRESULT CKXHoneycombCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) Paint(pDC);
    return 0;
}

BOOL CKXHoneycombCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXHoneycombCtrl::OnLButtonDown(UINT, CPoint point) {
    SetFocus();
    const int nHit = KXHoneyCellFromPoint(point - CSize(kOrigin, kOrigin));
    if (nHit < 0) return;
    SetSel(nHit);
    Notify(KXCCN_CHANGED);
}

void CKXHoneycombCtrl::OnLButtonDblClk(UINT, CPoint point) {
    const int nHit = KXHoneyCellFromPoint(point - CSize(kOrigin, kOrigin));
    if (nHit < 0) return;
    SetSel(nHit);
    Notify(KXCCN_CHOSEN);
}

void CKXHoneycombCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    int nDir = -1;
    switch (nChar) {
    case VK_LEFT: nDir = KXHONEY_LEFT; break;
    case VK_UP: nDir = KXHONEY_UP; break;
    case VK_RIGHT: nDir = KXHONEY_RIGHT; break;
    case VK_DOWN: nDir = KXHONEY_DOWN; break;
    default: CWnd::OnKeyDown(nChar, nRepCnt, nFlags); return;
    }
    // Without a selection the keys start in the middle, at white.
    const KX_HONEY_CELL* p = KXHoneyCell(m_nSel);
    const int nNext = p != nullptr ? p->nNext[nDir] : KXHoneyFindColor(RGB(255, 255, 255));
    if (nNext < 0) return;
    SetSel(nNext);
    Notify(KXCCN_CHANGED);
}

UINT CKXHoneycombCtrl::OnGetDlgCode() { return DLGC_WANTARROWS; }

void CKXHoneycombCtrl::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    Invalidate(FALSE);
}

void CKXHoneycombCtrl::OnKillFocus(CWnd* pNewWnd) {
    CWnd::OnKillFocus(pNewWnd);
    Invalidate(FALSE);
}

// --- the hue/saturation field and the luminance bar -------------------------------

IMPLEMENT_DYNAMIC(CKXColorFieldCtrl, CWnd)

BEGIN_MESSAGE_MAP(CKXColorFieldCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void CKXColorFieldCtrl::SetHSL(const KX_HSL& hsl) {
    const bool bRepaintBar = m_bLuminance && (hsl.h != m_hsl.h || hsl.s != m_hsl.s);
    m_hsl = hsl;
    if (bRepaintBar) m_pixels.clear();
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

void CKXColorFieldCtrl::Paint(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    const int cx = rc.Width(), cy = rc.Height();
    if (cx <= 0 || cy <= 0) return;
    if (m_pixels.size() != static_cast<size_t>(cx) * static_cast<size_t>(cy) || m_sizePixels != CSize(cx, cy)) {
        m_pixels.assign(static_cast<size_t>(cx) * static_cast<size_t>(cy), 0);
        m_sizePixels = CSize(cx, cy);
        for (int y = 0; y < cy; ++y) {
            for (int x = 0; x < cx; ++x) {
                KX_HSL hsl = m_hsl;
                if (m_bLuminance) {
                    hsl.l = KXLuminanceFromY(y, cy);
                } else {
                    KXSpectrumFromPoint(CPoint(x, y), cx, cy, hsl.h, hsl.s);
                    hsl.l = KXHSL_MAX / 2;
                }
                const COLORREF clr = KXColorFromHSL(hsl);
                m_pixels[static_cast<size_t>(y) * static_cast<size_t>(cx) + static_cast<size_t>(x)] =
                    (DWORD)GetBValue(clr) | ((DWORD)GetGValue(clr) << 8) | ((DWORD)GetRValue(clr) << 16);
            }
        }
    }
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(pDC->GetSafeHdc(), 0, 0, static_cast<DWORD>(cx), static_cast<DWORD>(cy), 0, 0, 0,
                        static_cast<UINT>(cy), m_pixels.data(), &bmi, DIB_RGB_COLORS);

    // The marker: a cross on the field, a bar across the luminance strip.
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (m_bLuminance) {
        const int y = KXLuminanceY(m_hsl.l, cy);
        pDC->MoveTo(0, y);
        pDC->LineTo(cx, y);
    } else {
        const CPoint pt = KXSpectrumPoint(m_hsl.h, m_hsl.s, cx, cy);
        pDC->MoveTo(pt.x - 6, pt.y);
        pDC->LineTo(pt.x - 1, pt.y);
        pDC->MoveTo(pt.x + 2, pt.y);
        pDC->LineTo(pt.x + 7, pt.y);
        pDC->MoveTo(pt.x, pt.y - 6);
        pDC->LineTo(pt.x, pt.y - 1);
        pDC->MoveTo(pt.x, pt.y + 2);
        pDC->LineTo(pt.x, pt.y + 7);
    }
    pDC->SelectObject(pOldPen);
}

void CKXColorFieldCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(&dc, rc);
    Paint(&memDC);
}

BOOL CKXColorFieldCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXColorFieldCtrl::Track(CPoint point) {
    CRect rc;
    GetClientRect(&rc);
    KX_HSL hsl = m_hsl;
    if (m_bLuminance)
        hsl.l = KXLuminanceFromY(point.y, rc.Height());
    else
        KXSpectrumFromPoint(point, rc.Width(), rc.Height(), hsl.h, hsl.s);
    SetHSL(hsl);
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), KXCCN_CHANGED), reinterpret_cast<LPARAM>(m_hWnd));
}

void CKXColorFieldCtrl::OnLButtonDown(UINT, CPoint point) {
    SetCapture();
    Track(point);
}

void CKXColorFieldCtrl::OnMouseMove(UINT, CPoint point) {
    if (::GetCapture() == m_hWnd) Track(point);
}

void CKXColorFieldCtrl::OnLButtonUp(UINT, CPoint) {
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}
