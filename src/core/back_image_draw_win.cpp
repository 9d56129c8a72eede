#include "core/back_image.h"

#include "core/back_image_layout.h"
#include "core/transparent_blt.h"

void KXDrawBkImage(CDC* pDC, const CRect& rect, const tagKX_LVBKIMAGE& image) {
    const HDC hdc = pDC ? pDC->GetSafeHdc() : nullptr;
    BITMAP bm = {};
    if (hdc == nullptr || image.hbm == nullptr || ::GetObject(image.hbm, sizeof bm, &bm) == 0) return;

    // Only what can show is laid out: a small tile over a large area costs
    // the visible tiles, not all of them.
    CRect rcClip;
    const int nClip = pDC->GetClipBox(&rcClip);
    if (nClip == NULLREGION) return;
    const std::vector<KX_BKIMAGE_COPY> copies = KXLayoutBkImage(
        bm.bmWidth, bm.bmHeight, rect, image.ulFlags, image.xOffset, image.yOffset, nClip == ERROR ? nullptr : &rcClip);
    if (copies.empty()) return;

    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pDC)) return;
    const HGDIOBJ hOld = dcMem.SelectObject(static_cast<HGDIOBJ>(image.hbm));
    if (hOld == nullptr) return;  // a bitmap that this target cannot take
    // Colours are copied as they are when stretching, not blended.
    const int nMode = pDC->SetStretchBltMode(COLORONCOLOR);
    const bool bTransparent = (image.ulFlags & KX_LVBKIF_TRANSPARENT) != 0;
    for (const KX_BKIMAGE_COPY& c : copies) {
        const CRect& d = c.rcDest;
        const CRect& s = c.rcSource;
        if (bTransparent)
            KXTransparentBlt(hdc, d.left, d.top, d.Width(), d.Height(), dcMem, s.left, s.top, s.Width(), s.Height(),
                             image.clrTransparent);
        else if (c.bStretch)
            pDC->StretchBlt(d.left, d.top, d.Width(), d.Height(), &dcMem, s.left, s.top, s.Width(), s.Height(),
                            SRCCOPY);
        else
            pDC->BitBlt(d.left, d.top, d.Width(), d.Height(), &dcMem, s.left, s.top, SRCCOPY);
    }
    if (nMode) pDC->SetStretchBltMode(nMode);
    dcMem.SelectObject(hOld);
}
