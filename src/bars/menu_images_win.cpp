// CKXMenu: item images from toolbar resources and image lists, and the
// optional check-mark images.
#include "bars/menu.h"

namespace {

// A toolbar loaded from a resource only to read its buttons.  Its parent is
// the given window, else the main window, else a hidden window of its own
// (a program without a main window still gets its images).
class CKXScratchToolBar {
public:
    BOOL Load(UINT nToolBar, CWnd* pParent) {
        if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr) pParent = AfxGetMainWnd();
        if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr) {
            if (!m_wndHost.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr)) return FALSE;
            pParent = &m_wndHost;
        }
        return m_bar.Create(pParent, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) &&
               m_bar.LoadToolBar(nToolBar);
    }
    CToolBar& Bar() { return m_bar; }

private:
    CWnd m_wndHost;  // declared first: it outlives the bar
    CToolBar m_bar;
};

}  // namespace

BOOL CKXMenu::LoadToolbar(UINT nToolBar, CWnd* pParent) {
    CKXScratchToolBar scratch;
    if (!scratch.Load(nToolBar, pParent)) return FALSE;
    return AddFromToolBar(&scratch.Bar(), static_cast<int>(nToolBar));
}

BOOL CKXMenu::LoadToolbars(const UINT* arID, int n) {
    if (arID == nullptr || n < 0) return FALSE;
    BOOL bAll = TRUE;
    for (int i = 0; i < n; ++i) bAll &= LoadToolbar(arID[i]);
    return bAll;
}

BOOL CKXMenu::AddFromToolBar(CToolBar* pToolBar, int nResourceID) {
    if (pToolBar == nullptr || pToolBar->GetSafeHwnd() == nullptr || m_hMenu == nullptr) return FALSE;
    const int nCount = pToolBar->GetCount();
    for (int i = 0; i < nCount; ++i) {
        const UINT nID = pToolBar->GetItemID(i);
        if (nID != 0 && GetMenuState(nID, MF_BYCOMMAND) != static_cast<UINT>(-1))
            ModifyODMenuA(nullptr, nID, nResourceID);
    }
    return TRUE;
}

BOOL CKXMenu::LoadFromToolBar(UINT_PTR nID, UINT nToolBar, int& nImage) {
    if (nToolBar == 0) return FALSE;
    CKXScratchToolBar scratch;
    if (!scratch.Load(nToolBar, nullptr)) return FALSE;
    const int nIndex = scratch.Bar().CommandToIndex(static_cast<UINT>(nID));
    if (nIndex < 0) return FALSE;
    UINT nButtonID = 0, nStyle = 0;
    int iImage = 0;
    scratch.Bar().GetButtonInfo(nIndex, nButtonID, nStyle, iImage);
    nImage = iImage;
    return TRUE;
}

HBITMAP CKXMenu::LoadSysColorBitmap(int nResourceID) {
    if (nResourceID <= 0) return nullptr;
    const HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nResourceID), RT_BITMAP);
    // Black, greys and white become the current button colours.
    return ::CreateMappedBitmap(hInst, nResourceID, 0, nullptr, 0);
}

BOOL CKXMenu::AddBitmapToImageList(CImageList* pList, UINT nResourceID) {
    if (pList == nullptr || pList->GetSafeHandle() == nullptr) return FALSE;
    const HBITMAP hbm = LoadSysColorBitmap(static_cast<int>(nResourceID));
    if (hbm == nullptr) return FALSE;
    CBitmap bmp;
    bmp.Attach(hbm);
    return pList->Add(&bmp, BitmapMaskColor()) >= 0;
}

void CKXMenu::GetBitmapFromImageList(CDC* pDC, CImageList* pList, int nIndex, CBitmap& bmp) {
    bmp.DeleteObject();
    if (pDC == nullptr || pList == nullptr || !bmp.CreateCompatibleBitmap(pDC, m_nIconWidth, m_nIconHeight)) return;
    CDC dc;
    if (!dc.CreateCompatibleDC(pDC)) return;
    CBitmap* pOld = dc.SelectObject(&bmp);
    // Button face where the image is transparent: the disabled look's
    // mask takes that colour for background.
    dc.FillSolidRect(0, 0, m_nIconWidth, m_nIconHeight, ::GetSysColor(COLOR_BTNFACE));
    pList->Draw(&dc, nIndex, CPoint(0, 0), ILD_TRANSPARENT);
    dc.SelectObject(pOld);
}

BOOL CKXMenu::LoadCheckmarkBitmap(int nNormal, int nSelected) {
    if (nNormal <= 0 || nSelected <= 0) return FALSE;
    m_nCheckNormal = nNormal;
    m_nCheckSelected = nSelected;
    if (!m_bCheckImagesShared) delete m_pCheckImages;
    m_bCheckImagesShared = FALSE;
    m_pCheckImages = new CImageList;
    if (m_pCheckImages->Create(m_nIconWidth, m_nIconHeight, ILC_COLORDDB | ILC_MASK, 2, 1) &&
        AddBitmapToImageList(m_pCheckImages, static_cast<UINT>(nNormal)) &&
        AddBitmapToImageList(m_pCheckImages, static_cast<UINT>(nSelected)))
        return TRUE;
    delete m_pCheckImages;
    m_pCheckImages = nullptr;
    return FALSE;
}
