#include "win/imagelist.h"

#include "win/dc.h"
#include "win/gdiobj.h"
#include "win/wnd.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

CImageList::~CImageList() { DeleteImageList(); }

// --- handle map -------------------------------------------------------------

CImageList* CImageList::FromHandle(HIMAGELIST hImageList) {
    if (hImageList == nullptr) return nullptr;
    return afxMapHIMAGELIST(TRUE)->FromHandle((HANDLE)hImageList);
}

CImageList* CImageList::FromHandlePermanent(HIMAGELIST hImageList) {
    CHandleMap<CImageList>* pMap = afxMapHIMAGELIST(FALSE);
    return (pMap && hImageList) ? pMap->LookupPermanent((HANDLE)hImageList) : nullptr;
}

void CImageList::DeleteTempMap() {
    if (CHandleMap<CImageList>* pMap = afxMapHIMAGELIST(FALSE)) pMap->DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
    // One object holds one list: attaching over a held list would leak it.
    if (hImageList == nullptr || m_hImageList != nullptr) return FALSE;
    // Nor may two objects own one handle: both would destroy it.
    CHandleMap<CImageList>* pMap = afxMapHIMAGELIST(TRUE);
    if (CImageList* pOther = pMap->LookupPermanent((HANDLE)hImageList); pOther && pOther != this) return FALSE;
    m_hImageList = hImageList;
    pMap->SetPermanent((HANDLE)hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr) {
        CHandleMap<CImageList>* pMap = afxMapHIMAGELIST(FALSE);
        if (pMap && pMap->LookupPermanent((HANDLE)hImageList) == this) pMap->RemoveHandle((HANDLE)hImageList);
    }
    m_hImageList = nullptr;
    return hImageList;
}

// --- creation ---------------------------------------------------------------

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    if (m_hImageList != nullptr) return FALSE;
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
    if (m_hImageList != nullptr || lpszBitmapID == nullptr) return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, (LPCTSTR)RT_BITMAP);
    return Attach(::ImageList_LoadImageA(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, 0));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy) {
    if (m_hImageList != nullptr) return FALSE;
    return Attach(::ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList) {
    if (m_hImageList != nullptr || pImageList->GetSafeHandle() == nullptr) return FALSE;
    return Attach(::ImageList_Duplicate(pImageList->m_hImageList));
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr) return FALSE;
    return ::ImageList_Destroy(Detach());
}

// --- images -----------------------------------------------------------------

int CImageList::GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }

BOOL CImageList::SetImageCount(UINT uNewCount) { return ::ImageList_SetImageCount(m_hImageList, uNewCount); }

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
    return ::ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    return ::ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

int CImageList::Add(HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
    return ::ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                               (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Replace(int nImage, HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }

BOOL CImageList::Remove(int nImage) { return ::ImageList_Remove(m_hImageList, nImage); }

BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags) {
    return ::ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}

BOOL CImageList::Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags) {
    return ::ImageList_Copy(m_hImageList, iDst, pSrc->GetSafeHandle(), iSrc, uFlags);
}

HICON CImageList::ExtractIcon(int nImage) { return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
    if (pImageInfo == nullptr) return FALSE;
    return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

BOOL CImageList::GetIconSize(int* cx, int* cy) const {
    if (cx == nullptr || cy == nullptr) return FALSE;
    return ::ImageList_GetIconSize(m_hImageList, cx, cy);
}

BOOL CImageList::SetIconSize(int cx, int cy) { return ::ImageList_SetIconSize(m_hImageList, cx, cy); }

COLORREF CImageList::SetBkColor(COLORREF cr) { return ::ImageList_SetBkColor(m_hImageList, cr); }

COLORREF CImageList::GetBkColor() const { return ::ImageList_GetBkColor(m_hImageList); }

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay) {
    return ::ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

// --- drawing ----------------------------------------------------------------

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    return ::ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle) {
    return ::ImageList_DrawEx(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg,
                              nStyle);
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp) {
    if (pimldp == nullptr) return FALSE;
    // The list is this one, whatever the caller left in the structure; the
    // size is that of the version-5 structure, which every COMCTL32 accepts.
    pimldp->cbSize = IMAGELISTDRAWPARAMS_V3_SIZE;
    pimldp->himl = m_hImageList;
    return ::ImageList_DrawIndirect(pimldp);
}

// --- dragging ---------------------------------------------------------------

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot) {
    return ::ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}

void PASCAL CImageList::EndDrag() { ::ImageList_EndDrag(); }

BOOL PASCAL CImageList::DragMove(CPoint pt) { return ::ImageList_DragMove(pt.x, pt.y); }

BOOL CImageList::SetDragCursorImage(int nDrag, CPoint ptHotSpot) {
    return ::ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y);
}

BOOL PASCAL CImageList::DragShowNolock(BOOL bShow) { return ::ImageList_DragShowNolock(bShow); }

CImageList* PASCAL CImageList::GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot) {
    return FromHandle(::ImageList_GetDragImage(lpPoint, lpPointHotSpot));
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point) {
    return ::ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock) { return ::ImageList_DragLeave(pWndLock->GetSafeHwnd()); }
