// CKXMenu: measuring and drawing owner-drawn items, check marks, radio dots
// and the two disabled looks of an image.
#include "bars/menu.h"

#include "bars/menu_check_glyph.h"
#include "bars/menu_font.h"
#include "bars/menu_item_layout.h"
#include "bars/menu_text.h"
#include "core/gfx_image.h"

#include <string>

namespace {

// Paints the selected brush where the source is set (white), keeps the
// destination elsewhere: with a monochrome mask whose shape is black and
// text colour white, the brush lands on the shape.
constexpr DWORD kRopBrushOnSource = 0x00E20746;

COLORREF Sys(int nIndex) { return ::GetSysColor(nIndex); }

void DrawTextPart(HDC hDC, const std::wstring& str, CRect rc, UINT nFormat) {
    ::DrawTextW(hDC, str.c_str(), static_cast<int>(str.size()), &rc, nFormat);
}

}  // namespace

// --- measuring -------------------------------------------------------------------

void CKXMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
    if (lpMIS == nullptr) return;
    const CKXMenuData* pData = reinterpret_cast<const CKXMenuData*>(lpMIS->itemData);
    // Item data that is not one of this menu's records is left alone.
    if (!OwnsRecord(pData)) return;
    const int cyMenu = ::GetSystemMetrics(SM_CYMENU);
    if (pData->m_nFlags & MF_SEPARATOR) {
        const CSize size = KXMeasureMenuItem(true, 0, cyMenu, m_nIconWidth, m_nIconHeight);
        lpMIS->itemWidth = static_cast<UINT>(size.cx);
        lpMIS->itemHeight = static_cast<UINT>(size.cy);
        return;
    }
    const wchar_t* psz = pData->m_pszText ? pData->m_pszText : L"";
    const int nLen = static_cast<int>(std::wstring(psz).size());
    int cxText = 0;
    if (IsNewShell()) {
        CKXMenuMeasureDC dc(TRUE);
        SIZE size = {};
        if (dc.GetSafeHdc()) ::GetTextExtentPoint32W(dc.GetSafeHdc(), psz, nLen, &size);
        cxText = size.cx;
    } else {
        // The first shell generation measures the narrow text with DrawText.
        CKXMenuMeasureDC dc(FALSE);
        const CString str = pData->GetString();
        CRect rc(0, 0, 0, 0);
        if (dc.GetSafeHdc())
            ::DrawTextA(dc.GetSafeHdc(), str, str.GetLength(), &rc, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        cxText = KXWidenOldShellTextWidth(rc.Width(), nLen);
    }
    const CSize size = KXMeasureMenuItem(false, cxText, cyMenu, m_nIconWidth, m_nIconHeight);
    lpMIS->itemWidth = static_cast<UINT>(size.cx);
    lpMIS->itemHeight = static_cast<UINT>(size.cy);
}

// --- drawing an item --------------------------------------------------------------

void CKXMenu::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    if (lpDIS == nullptr || lpDIS->CtlType != ODT_MENU) return;
    const CKXMenuData* pData = reinterpret_cast<const CKXMenuData*>(lpDIS->itemData);
    if (!OwnsRecord(pData)) return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    if (pDC == nullptr) return;
    CRect rc(lpDIS->rcItem);

    if (pData->m_nFlags & MF_SEPARATOR) {
        rc.top += rc.Height() / 2;
        pDC->DrawEdge(&rc, EDGE_ETCHED, BF_TOP);
        return;
    }

    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bGrayed = (lpDIS->itemState & ODS_GRAYED) != 0;
    const BOOL bChecked = (lpDIS->itemState & ODS_CHECKED) != 0;
    const BOOL bHasImage = pData->m_nIconSource >= 0;
    const int nCheckImage = bSelected ? m_nCheckSelected : m_nCheckNormal;
    const BOOL bCustomCheck = bChecked && !bHasImage && nCheckImage > 0 && m_pCheckImages != nullptr;
    const BOOL bHot = bHasImage && bSelected && !bGrayed;
    const BOOL bDisabledImage = bHasImage && bGrayed;
    const COLORREF clrMenu = Sys(COLOR_MENU);
    const int W = m_nIconWidth, H = m_nIconHeight;

    const std::wstring strText = pData->m_pszText ? pData->m_pszText : L"";
    const KX_MENU_TEXT_PARTS parts = KXSplitMenuText(strText);
    const KX_MENU_ITEM_LAYOUT lay = KXLayoutMenuItem(rc, W, H, bHasImage || bCustomCheck || bChecked, parts.bHasTab);

    COLORREF clrText;
    if (bSelected) {
        pDC->FillSolidRect(&lay.rcHighlight, Sys(COLOR_HIGHLIGHT));
        clrText = Sys(COLOR_HIGHLIGHTTEXT);
    } else {
        pDC->FillSolidRect(&rc, clrMenu);
        pDC->Draw3dRect(&rc, clrMenu, clrMenu);
        clrText = Sys(COLOR_MENUTEXT);
    }
    CKXMenuFont font;
    CFont* pOldFont = font.GetSafeHandle() ? pDC->SelectObject(&font) : nullptr;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);

    CImageList* pImages = pData->m_pImageList;
    const int nImage = pData->m_nImageIndex;
    if (bHasImage || bCustomCheck) {
        pDC->Draw3dRect(&lay.rcImageInside, clrMenu, clrMenu);
        if (bCustomCheck) {
            pDC->FillSolidRect(&lay.rcImageInside, clrMenu);
            pDC->Draw3dRect(&lay.rcImageCell, clrMenu, clrMenu);
            m_pCheckImages->Draw(pDC, bSelected ? 1 : 0, lay.ptImage, ILD_TRANSPARENT);
        } else if (bDisabledImage) {
            CBitmap bmp;
            if (pImages) GetBitmapFromImageList(pDC, pImages, nImage, bmp);
            pDC->Draw3dRect(&lay.rcImageCell, clrMenu, clrMenu);
            if (bmp.GetSafeHandle()) {
                if (m_bDisableOldStyle)
                    DitherBlt(pDC->GetSafeHdc(), lay.ptImage.x, lay.ptImage.y, W, H, bmp, 0, 0);
                else
                    DitherBlt2(pDC, lay.ptImage.x, lay.ptImage.y, W, H, bmp, 0, 0);
            }
        } else if (bHot) {
            pDC->FillSolidRect(&lay.rcImageInside, clrMenu);
            if (IsNewShell()) {
                if (bChecked) pDC->Draw3dRect(&lay.rcImageCell, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
                else pDC->Draw3dRect(&lay.rcImageCell, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));
            }
            if (pImages) pImages->Draw(pDC, nImage, lay.ptImage, ILD_TRANSPARENT);
        } else {
            if (bChecked) {
                pDC->FillSolidRect(&lay.rcImageInside, Sys(COLOR_3DLIGHT));
                if (IsNewShell())
                    pDC->Draw3dRect(&lay.rcImageCell, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
            } else {
                pDC->FillSolidRect(&lay.rcImageInside, clrMenu);
                pDC->Draw3dRect(&lay.rcImageCell, clrMenu, clrMenu);
            }
            if (pImages) pImages->Draw(pDC, nImage, lay.ptImage, ILD_TRANSPARENT);
        }
    } else if (bChecked) {
        // The framework gives radio items a check bitmap: it picks the dot.
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_CHECKMARKS;
        ::GetMenuItemInfoA(reinterpret_cast<HMENU>(lpDIS->hwndItem), lpDIS->itemID, FALSE, &mii);
        Draw3DCheckmark(pDC, lay.rcCheck, bSelected, mii.hbmpChecked);
    }

    const HDC hDC = pDC->GetSafeHdc();
    auto drawText = [&](const CRect& rcText, COLORREF clr) {
        pDC->SetTextColor(clr);
        if (parts.bHasTab) {
            DrawTextPart(hDC, parts.strCommand, rcText, DT_SINGLELINE | DT_VCENTER);
            DrawTextPart(hDC, parts.strAccelerator, rcText, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        } else {
            DrawTextPart(hDC, strText, rcText, DT_SINGLELINE | DT_VCENTER);
        }
    };
    if (!bGrayed) {
        drawText(lay.rcText, clrText);
    } else if (!bSelected) {
        CRect rcEngraved = lay.rcText;
        rcEngraved.OffsetRect(1, 1);
        drawText(rcEngraved, Sys(COLOR_BTNHIGHLIGHT));
        drawText(lay.rcText, Sys(COLOR_GRAYTEXT));
    } else {
        drawText(lay.rcText, clrMenu);
    }

    pDC->SetBkMode(nOldMode);
    if (pOldFont) pDC->SelectObject(pOldFont);
}

// --- check marks ----------------------------------------------------------------

BOOL CKXMenu::Draw3DCheckmark(CDC* pDC, const CRect& rc, BOOL bSelected, HBITMAP hbmCheck) {
    if (pDC == nullptr) return FALSE;
    const BOOL bNewShell = IsNewShell();
    pDC->FillSolidRect(&rc, (!bSelected && bNewShell) ? Sys(COLOR_3DLIGHT) : Sys(COLOR_MENU));
    if (bNewShell) {
        CRect rcEdge = rc;
        pDC->DrawEdge(&rcEdge, BDR_SUNKENOUTER, BF_RECT);
    }
    if (hbmCheck == nullptr) DrawCheckMark(pDC, rc.left + 4, rc.top + 4, Sys(COLOR_MENUTEXT));
    else DrawRadioDot(pDC, rc.left + 5, rc.top + 4, Sys(COLOR_MENUTEXT));
    return TRUE;
}

void CKXMenu::DrawCheckMark(CDC* pDC, int x, int y, COLORREF clr) {
    if (pDC == nullptr) return;
    POINT pts[KX_CHECK_GLYPH_PIXELS];
    KXCheckGlyphPixels(x, y, pts);
    for (const POINT& pt : pts) pDC->SetPixelV(pt.x, pt.y, clr);
}

void CKXMenu::DrawRadioDot(CDC* pDC, int x, int y, COLORREF clr) {
    if (pDC == nullptr) return;
    CBrush brush(clr);
    CPen pen(PS_SOLID, 1, clr);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Ellipse(x, y, x + 6, y + 6);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

// --- disabled images --------------------------------------------------------------

void CKXMenu::DitherBlt2(CDC* pDC, int nXDest, int nYDest, int nWidth, int nHeight, CBitmap& bmp, int nXSrc,
                         int nYSrc) {
    if (pDC == nullptr || bmp.GetSafeHandle() == nullptr || nWidth <= 0 || nHeight <= 0) return;
    CDC dcImage, dcMask, dcCompose;
    if (!dcImage.CreateCompatibleDC(pDC) || !dcMask.CreateCompatibleDC(pDC) || !dcCompose.CreateCompatibleDC(pDC))
        return;
    CBitmap bmpMask, bmpCompose;
    if (!bmpMask.CreateBitmap(nWidth, nHeight, 1, 1, nullptr) ||
        !bmpCompose.CreateCompatibleBitmap(pDC, nWidth, nHeight))
        return;
    CBitmap* pOldImage = dcImage.SelectObject(&bmp);
    CBitmap* pOldMask = dcMask.SelectObject(&bmpMask);
    CBitmap* pOldCompose = dcCompose.SelectObject(&bmpCompose);

    // The mask: white where the image shows button face or highlight, black
    // on its shape.
    dcMask.PatBlt(0, 0, nWidth, nHeight, WHITENESS);
    dcImage.SetBkColor(Sys(COLOR_BTNFACE));
    dcMask.BitBlt(0, 0, nWidth, nHeight, &dcImage, nXSrc, nYSrc, SRCCOPY);
    dcImage.SetBkColor(Sys(COLOR_BTNHIGHLIGHT));
    dcMask.BitBlt(0, 0, nWidth, nHeight, &dcImage, nXSrc, nYSrc, SRCPAINT);

    // The engraving: the shape in highlight one pixel down and right, then
    // in shadow in place.
    dcCompose.FillSolidRect(0, 0, nWidth, nHeight, IsNewShell() ? Sys(COLOR_BTNFACE) : Sys(COLOR_MENU));
    dcCompose.SetBkColor(RGB(0, 0, 0));
    dcCompose.SetTextColor(RGB(255, 255, 255));
    CBrush brHilite(Sys(COLOR_BTNHIGHLIGHT)), brShadow(Sys(COLOR_BTNSHADOW));
    CBrush* pOldBrush = dcCompose.SelectObject(&brHilite);
    dcCompose.BitBlt(1, 1, nWidth, nHeight, &dcMask, 0, 0, kRopBrushOnSource);
    dcCompose.SelectObject(&brShadow);
    dcCompose.BitBlt(0, 0, nWidth, nHeight, &dcMask, 0, 0, kRopBrushOnSource);
    dcCompose.SelectObject(pOldBrush);

    pDC->BitBlt(nXDest, nYDest, nWidth, nHeight, &dcCompose, 0, 0, SRCCOPY);

    dcCompose.SelectObject(pOldCompose);
    dcMask.SelectObject(pOldMask);
    dcImage.SelectObject(pOldImage);
}

void CKXMenu::DitherBlt(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HBITMAP hbm, int nXSrc,
                        int nYSrc) {
    if (hdcDest == nullptr || hbm == nullptr || nWidth <= 0 || nHeight <= 0) return;
    const HDC hdcImage = ::CreateCompatibleDC(hdcDest);
    const HDC hdcMono = ::CreateCompatibleDC(hdcDest);
    struct {
        BITMAPINFOHEADER bmiHeader;
        RGBQUAD bmiColors[2];
    } bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 1;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiColors[1] = RGBQUAD{255, 255, 255, 0};
    void* pBits = nullptr;
    const HBITMAP hMono = ::CreateDIBSection(hdcDest, reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS, &pBits,
                                             nullptr, 0);
    if (hdcImage && hdcMono && hMono) {
        const HGDIOBJ hOldImage = ::SelectObject(hdcImage, hbm);
        const HGDIOBJ hOldMono = ::SelectObject(hdcMono, hMono);
        // The image's background colour turns white in the copy.
        ::SetBkColor(hdcImage, Sys(COLOR_BTNFACE));
        ::BitBlt(hdcMono, 0, 0, nWidth, nHeight, hdcImage, nXSrc, nYSrc, SRCCOPY);

        if (IsNewShell()) {
            const RECT rc = {nXDest, nYDest, nXDest + nWidth, nYDest + nHeight};
            const HBRUSH hbrMenu = ::CreateSolidBrush(Sys(COLOR_MENU));
            ::FillRect(hdcDest, &rc, hbrMenu);
            ::DeleteObject(hbrMenu);
        }
        GfxDrawEngravedMask(CDC::FromHandle(hdcDest), CPoint(nXDest, nYDest), nWidth, nHeight,
                            CDC::FromHandle(hdcMono), Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));

        ::SelectObject(hdcMono, hOldMono);
        ::SelectObject(hdcImage, hOldImage);
    }
    if (hMono) ::DeleteObject(hMono);
    if (hdcMono) ::DeleteDC(hdcMono);
    if (hdcImage) ::DeleteDC(hdcImage);
}
