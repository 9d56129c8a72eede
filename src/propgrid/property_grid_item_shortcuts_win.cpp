// The typed AddChildItem shortcuts of CKXPropertyGridItem.
#include "propgrid/property_grid_items.h"

namespace {

CKXPropertyGridItem* WithFlags(CKXPropertyGridItem* pItem, int nFlags) {
    if (nFlags != 0) pItem->SetFlags(static_cast<UINT>(nFlags));
    return pItem;
}

}  // namespace

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, BOOL bValue, UINT nCheckBoxStyle) {
    return AddChildItem(new CKXPropertyGridItemBool(nID, bValue, nullptr, nCheckBoxStyle));
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, long nValue, long nMin, long nMax, int nFlags) {
    return AddChildItem(WithFlags(new CKXPropertyGridItemNumberSpin(nID, nValue, nullptr, nMin, nMax), nFlags));
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, double dValue, LPCTSTR lpszFormat, int nFlags) {
    return AddChildItem(WithFlags(new CKXPropertyGridItemDouble(nID, dValue, nullptr, lpszFormat), nFlags));
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, COLORREF clr, int nFlags) {
    return AddChildItem(WithFlags(new CKXPropertyGridItemColor(nID, clr), nFlags));
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, CSize size, int nFlags) {
    return AddChildItem(WithFlags(new CKXPropertyGridItemSize(nID, size), nFlags));
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, CRect rect, int nFlags) {
    return AddChildItem(WithFlags(new CKXPropertyGridItemRect(nID, rect), nFlags));
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, LOGFONT& font, int nFlags) {
    return AddChildItem(WithFlags(new CKXPropertyGridItemFont(nID, font), nFlags));
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, HICON hIcon, int nFlags) {
    return AddChildItem(WithFlags(new CKXPropertyGridItemIcon(nID, hIcon), nFlags));
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, LPCTSTR lpszValue, LPCTSTR lpszFilter,
                                                       DWORD dwFlags, BOOL bOpen, int nFlags) {
    return AddChildItem(
        WithFlags(new CKXPropertyGridItemFileDialog(nID, lpszValue, lpszFilter, dwFlags, bOpen), nFlags));
}
