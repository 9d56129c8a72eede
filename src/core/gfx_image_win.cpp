#include "core/gfx_image.h"

#include "core/aux_data.h"

namespace {

// PSDPxax: the brush where the source is black, the target where it is white.
constexpr DWORD kRopBrushWhereBlack = 0x00B8074A;

}  // namespace

void GfxDrawEmbossed(CDC* pDC, CImageList& imageList, int nImage, CPoint pt, int bColor) {
    IMAGEINFO info = {};
    if (!pDC || !pDC->GetSafeHdc() || !imageList.GetImageInfo(nImage, &info)) return;
    const int cx = info.rcImage.right - info.rcImage.left, cy = info.rcImage.bottom - info.rcImage.top;

    CDC maskDC;
    CBitmap maskBitmap;
    if (!maskDC.CreateCompatibleDC(pDC)) return;
    const BOOL bMade = bColor ? maskBitmap.CreateCompatibleBitmap(pDC, cx, cy)
                              : maskBitmap.CreateBitmap(cx, cy, 1, 1, nullptr);
    if (!bMade) return;
    CBitmap* pOldMask = maskDC.SelectObject(&maskBitmap);
    maskDC.PatBlt(0, 0, cx, cy, WHITENESS);
    // Into a monochrome mask every pixel that is not white turns black.
    maskDC.SetBkColor(RGB(255, 255, 255));
    imageList.Draw(&maskDC, nImage, CPoint(0, 0), ILD_TRANSPARENT);

    const CKXAuxData& aux = CKXAuxData::Get();
    GfxDrawEngravedMask(pDC, pt, cx, cy, &maskDC, aux.clrBtnHilite, aux.clrBtnShadow);
    maskDC.SelectObject(pOldMask);
}

void GfxDrawEngravedMask(CDC* pDC, CPoint pt, int cx, int cy, CDC* pMaskDC, COLORREF clrHilite, COLORREF clrShadow) {
    if (!pDC || !pDC->GetSafeHdc() || !pMaskDC) return;
    // A monochrome source maps 0 to the text colour and 1 to the background.
    const COLORREF clrOldText = pDC->SetTextColor(RGB(0, 0, 0));
    const COLORREF clrOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    CBrush brushHilite(clrHilite), brushShadow(clrShadow);
    CBrush* pOldBrush = pDC->SelectObject(&brushHilite);
    pDC->BitBlt(pt.x + 1, pt.y + 1, cx, cy, pMaskDC, 0, 0, kRopBrushWhereBlack);
    pDC->SelectObject(&brushShadow);
    pDC->BitBlt(pt.x, pt.y, cx, cy, pMaskDC, 0, 0, kRopBrushWhereBlack);
    pDC->SelectObject(pOldBrush);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBk);
}

void GfxDrawShadedRect(CDC* pDC, const CRect& rect) {
    if (!pDC || !pDC->GetSafeHdc() || rect.IsRectEmpty()) return;
    // Rows alternate 01010101 and 10101010; the pattern is one word per row.
    static const WORD s_awPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap bitmap;
    if (!bitmap.CreateBitmap(8, 8, 1, 1, s_awPattern)) return;
    CBrush brush;
    if (!brush.CreatePatternBrush(&bitmap)) return;
    const CKXAuxData& aux = CKXAuxData::Get();
    // A monochrome pattern paints 0 bits in the text colour, 1 bits in the
    // background colour.
    const COLORREF clrOldText = pDC->SetTextColor(aux.clrBtnFace);
    const COLORREF clrOldBk = pDC->SetBkColor(aux.clrBtnHilite);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATCOPY);
    pDC->SelectObject(pOldBrush);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBk);
}
