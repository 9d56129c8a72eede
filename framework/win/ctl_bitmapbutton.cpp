#include "win/ctl_bitmapbutton.h"

#include "win/dc.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

BOOL CBitmapButton::LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel,
                                LPCTSTR lpszBitmapResourceFocus, LPCTSTR lpszBitmapResourceDisabled) {
    for (CBitmap* p : {&m_bitmap, &m_bitmapSel, &m_bitmapFocus, &m_bitmapDisabled}) p->DeleteObject();
    if (!m_bitmap.LoadBitmap(lpszBitmapResource)) {
        TRACE("Failed to load the bitmap for a bitmap button.\n");
        return FALSE;
    }
    BOOL bAllLoaded = TRUE;
    if (lpszBitmapResourceSel && !m_bitmapSel.LoadBitmap(lpszBitmapResourceSel)) bAllLoaded = FALSE;
    // The focused and disabled images are optional: their absence is no failure.
    if (lpszBitmapResourceFocus) m_bitmapFocus.LoadBitmap(lpszBitmapResourceFocus);
    if (lpszBitmapResourceDisabled) m_bitmapDisabled.LoadBitmap(lpszBitmapResourceDisabled);
    return bAllLoaded;
}

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel, UINT nIDBitmapResourceFocus,
                                UINT nIDBitmapResourceDisabled) {
    auto name = [](UINT nID) { return nID ? MAKEINTRESOURCEA(nID) : static_cast<LPCTSTR>(nullptr); };
    return LoadBitmaps(name(nIDBitmapResource), name(nIDBitmapResourceSel), name(nIDBitmapResourceFocus),
                       name(nIDBitmapResourceDisabled));
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent) {
    if (!SubclassDlgItem(nID, pParent)) return FALSE;
    CString strButtonName;
    GetWindowText(strButtonName);
    ASSERT(!strButtonName.IsEmpty());  // the caption names the bitmaps
    if (!LoadBitmaps(strButtonName + "U", strButtonName + "D", strButtonName + "F", strButtonName + "X")) return FALSE;
    SizeToContent();
    return TRUE;
}

void CBitmapButton::SizeToContent() {
    ASSERT(m_bitmap.m_hObject != nullptr);
    BITMAP bm;
    if (m_bitmap.m_hObject == nullptr || !m_bitmap.GetObject(sizeof bm, &bm)) return;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    ASSERT(m_bitmap.m_hObject != nullptr);  // LoadBitmaps first
    CBitmap* pBitmap = &m_bitmap;
    UINT state = lpDIS->itemState;
    if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject)
        pBitmap = &m_bitmapSel;
    else if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject)
        pBitmap = &m_bitmapFocus;
    else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject)
        pBitmap = &m_bitmapDisabled;
    if (pBitmap->m_hObject == nullptr) return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC)) return;
    CBitmap* pOld = memDC.SelectObject(pBitmap);
    CRect rect(lpDIS->rcItem);
    pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}
