#include "win/ctl_listtree.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

// Item text is read into a growing buffer until it fits; past this size the
// text is cut rather than the buffer grown further.
const int kMaxItemText = 1 << 20;

CImageList* AdoptImageList(HIMAGELIST hImageList) {
    if (hImageList == nullptr) return nullptr;
    CImageList* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

}  // namespace

// --- CListCtrl --------------------------------------------------------------

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::CreateEx(dwExStyle, WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    int nOldPos = (int)(DWORD_PTR)pos - 1;
    pos = (POSITION)(DWORD_PTR)(1 + GetNextItem(nOldPos, LVNI_SELECTED));
    return nOldPos;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    if (lpRect == nullptr) return FALSE;
    lpRect->left = (LONG)nCode;
    return (BOOL)SendMessage(LVM_GETITEMRECT, nItem, (LPARAM)lpRect);
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const {
    RECT rect = {};
    rect.top = iSubItem;
    rect.left = nArea;
    BOOL bRet = (BOOL)SendMessage(LVM_GETSUBITEMRECT, iItem, (LPARAM)&rect);
    if (bRet) ref = rect;
    return bRet;
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam) {
    LVITEMA lvi = {};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = (LPSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return SetItem(&lvi);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEMA lvi = {};
    lvi.stateMask = nMask;
    lvi.state = nState;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, nItem, (LPARAM)&lvi);
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
    if (lpszText == nullptr || nLen <= 0) return 0;
    LVITEMA lvi = {};
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    lpszText[0] = '\0';
    // A cut text is not terminated by every implementation: terminate it here.
    int n = (int)SendMessage(LVM_GETITEMTEXTA, nItem, (LPARAM)&lvi);
    n = std::clamp(n, 0, nLen - 1);
    lpszText[n] = '\0';
    return n;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    CString str;
    LVITEMA lvi = {};
    lvi.iSubItem = nSubItem;
    int nLen = 128;
    int nRes;
    do {
        nLen *= 2;
        lvi.cchTextMax = nLen;
        lvi.pszText = str.GetBufferSetLength(nLen);
        lvi.pszText[0] = '\0';
        nRes = (int)SendMessage(LVM_GETITEMTEXTA, nItem, (LPARAM)&lvi);
    } while (nRes >= nLen - 1 && nLen < kMaxItemText);
    str.ReleaseBuffer(std::clamp(nRes, 0, nLen - 1));
    return str;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    LVITEMA lvi = {};
    lvi.iSubItem = nSubItem;
    lvi.pszText = (LPSTR)lpszText;
    return (BOOL)SendMessage(LVM_SETITEMTEXTA, nItem, (LPARAM)&lvi);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, (LPARAM)dwData);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEMA lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = nItem;
    return GetItem(&lvi) ? (DWORD_PTR)lvi.lParam : 0;
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
    LVITEMA lvi = {};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.state = nState;
    lvi.stateMask = nStateMask;
    lvi.pszText = (LPSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return InsertItem(&lvi);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LVHITTESTINFO hti = {};
    hti.pt = pt;
    int nRes = (int)SendMessage(LVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != nullptr) *pFlags = hti.flags;
    return nRes;
}

CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint) {
    return AdoptImageList((HIMAGELIST)SendMessage(LVM_CREATEDRAGIMAGE, nItem, (LPARAM)lpPoint));
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) {
    if (piArray == nullptr) return FALSE;
    // -1: as many as the header has columns.
    if (iCount == -1) {
        CHeaderCtrl* pHeader = GetHeaderCtrl();
        if (pHeader == nullptr) return FALSE;
        iCount = pHeader->GetItemCount();
    }
    if (iCount < 0) return FALSE;
    return (BOOL)SendMessage(LVM_GETCOLUMNORDERARRAY, iCount, (LPARAM)piArray);
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

// --- CTreeCtrl --------------------------------------------------------------

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CTreeCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::CreateEx(dwExStyle, WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                        UINT nStateMask, LPARAM lParam) {
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = nMask;
    item.pszText = (LPSTR)lpszItem;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    CString str;
    if (hItem == nullptr) return str;
    int nLen = 128;
    for (;;) {
        nLen *= 2;
        LPSTR pBuf = str.GetBufferSetLength(nLen);
        pBuf[0] = '\0';
        TVITEMA item = {};
        item.hItem = hItem;
        item.mask = TVIF_TEXT;
        item.pszText = pBuf;
        item.cchTextMax = nLen;
        if (!GetItem(&item)) {
            str.ReleaseBuffer(0);
            return str;
        }
        // The control may answer with a pointer to its own copy.
        if (item.pszText != pBuf && item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKA) {
            CString own(item.pszText);
            str.ReleaseBuffer(0);
            return own;
        }
        pBuf[nLen - 1] = '\0';
        int nRes = (int)std::strlen(pBuf);
        if (nRes < nLen - 1 || nLen >= kMaxItemText) {
            str.ReleaseBuffer(nRes);
            return str;
        }
    }
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    if (!GetItem(&item)) return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    return GetItem(&item) && item.cChildren != 0;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    if (lpRect == nullptr) return FALSE;
    // The control reads the item from the rectangle's first bytes.
    *(HTREEITEM*)lpRect = hItem;
    return (BOOL)SendMessage(TVM_GETITEMRECT, bTextOnly, (LPARAM)lpRect);
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = (LPSTR)lpszItem;
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TVHITTESTINFO hti = {};
    hti.pt = pt;
    HTREEITEM h = (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != nullptr) *pFlags = hti.flags;
    return h;
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem) {
    return AdoptImageList((HIMAGELIST)SendMessage(TVM_CREATEDRAGIMAGE, 0, (LPARAM)hItem));
}
