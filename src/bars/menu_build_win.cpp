// CKXMenu: adding and changing owner-drawn items and their images.
#include "bars/menu.h"

#include <string>
#include <vector>

namespace {

// Narrow text in the ANSI code page as wide text.
std::wstring Widen(LPCSTR psz) {
    if (psz == nullptr || *psz == '\0') return std::wstring();
    const int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    if (n <= 1) return std::wstring();
    std::vector<wchar_t> wide(static_cast<size_t>(n));
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, wide.data(), n);
    return std::wstring(wide.data(), static_cast<size_t>(n - 1));
}

// The narrow forms hand their converted text on; null stays null.
struct CWide {
    explicit CWide(LPCSTR psz) : bNull(psz == nullptr), str(Widen(psz)) {}
    wchar_t* Get() { return bNull ? nullptr : str.data(); }
    bool bNull;
    std::wstring str;
};

}  // namespace

// --- item creation ------------------------------------------------------------

BOOL CKXMenu::AddItem(UINT nPosition, BOOL bInsert, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID,
                      int nIconSource, CImageList* pList, int nImage, CBitmap* pBmp) {
    if (m_hMenu == nullptr) return FALSE;
    if (bInsert && !(nFlags & MF_BYPOSITION)) {
        // Before a command: in the menu (maybe a sub-menu) that holds it.
        int nLoc = -1;
        CKXMenu* pHolder = FindMenuOption(nPosition, nLoc);
        return pHolder && pHolder->AddItem(static_cast<UINT>(nLoc), TRUE, lpstrText, nFlags | MF_BYPOSITION, nID,
                                           nIconSource, pList, nImage, pBmp);
    }
    const int nCount = GetMenuItemCount();
    if (nCount < 0) return FALSE;
    if (m_arrMenuData.GetSize() != nCount) SynchronizeMenu();
    const int nIndex = (bInsert && nPosition < static_cast<UINT>(nCount)) ? static_cast<int>(nPosition) : nCount;

    UINT nItemFlags = nFlags & ~MF_BYPOSITION;
    nItemFlags = nID == 0 ? (MF_OWNERDRAW | MF_SEPARATOR) : (nItemFlags | MF_OWNERDRAW);

    CKXMenuData* pData = new CKXMenuData;
    pData->SetWideString(lpstrText);
    pData->m_nFlags = nItemFlags;
    pData->m_nID = nID;
    if (pBmp) SetImageFromBitmap(pData, pBmp);
    else if (pList) SetImageFromList(pData, pList, nImage);
    else if (nIconSource >= 0) SetImageFromResource(pData, nID, nIconSource);

    const LPCSTR lpItem = reinterpret_cast<LPCSTR>(pData);
    const BOOL bDone = bInsert ? ::InsertMenuA(m_hMenu, static_cast<UINT>(nIndex), nItemFlags | MF_BYPOSITION, nID,
                                               lpItem)
                               : ::AppendMenuA(m_hMenu, nItemFlags, nID, lpItem);
    if (!bDone) {
        delete pData;
        return FALSE;
    }
    if (nItemFlags & MF_POPUP) {
        m_AllSubMenus.Add(reinterpret_cast<HMENU>(nID));
        m_arrSubMenus.Add(reinterpret_cast<HMENU>(nID));
    }
    m_arrMenuData.InsertAt(nIndex, pData);
    return TRUE;
}

BOOL CKXMenu::AppendODMenuW(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, int nIconSource) {
    return AddItem(0, FALSE, lpstrText, nFlags, nID, nIconSource, nullptr, -1, nullptr);
}

BOOL CKXMenu::AppendODMenuW(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* pList, int nImage) {
    // A null list is no image at all, as the -1 of the other form.
    return AddItem(0, FALSE, lpstrText, nFlags, nID, -1, pList, nImage, nullptr);
}

BOOL CKXMenu::AppendODMenuA(LPCSTR lpstrText, UINT nFlags, UINT_PTR nID, int nIconSource) {
    return AppendODMenuW(CWide(lpstrText).Get(), nFlags, nID, nIconSource);
}

BOOL CKXMenu::AppendODMenuA(LPCSTR lpstrText, UINT nFlags, UINT_PTR nID, CImageList* pList, int nImage) {
    return AppendODMenuW(CWide(lpstrText).Get(), nFlags, nID, pList, nImage);
}

BOOL CKXMenu::InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, int nIconSource) {
    return AddItem(nPosition, TRUE, lpstrText, nFlags, nID, nIconSource, nullptr, -1, nullptr);
}

BOOL CKXMenu::InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* pList,
                            int nImage) {
    return AddItem(nPosition, TRUE, lpstrText, nFlags, nID, -1, pList, nImage, nullptr);
}

BOOL CKXMenu::InsertODMenuA(UINT nPosition, LPCSTR lpstrText, UINT nFlags, UINT_PTR nID, int nIconSource) {
    return InsertODMenuW(nPosition, CWide(lpstrText).Get(), nFlags, nID, nIconSource);
}

BOOL CKXMenu::InsertODMenuA(UINT nPosition, LPCSTR lpstrText, UINT nFlags, UINT_PTR nID, CImageList* pList,
                            int nImage) {
    return InsertODMenuW(nPosition, CWide(lpstrText).Get(), nFlags, nID, pList, nImage);
}

// --- the platform-shaped forms ----------------------------------------------------

BOOL CKXMenu::AppendMenuW(UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, int nIconSource) {
    return AppendODMenuW(lpstrText, nFlags, nID, nIconSource);
}

BOOL CKXMenu::AppendMenuW(UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, CImageList* pList, int nImage) {
    return AppendODMenuW(lpstrText, nFlags, nID, pList, nImage);
}

BOOL CKXMenu::AppendMenuW(UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, CBitmap* pBmp) {
    return AddItem(0, FALSE, lpstrText, nFlags, nID, -1, nullptr, -1, pBmp);
}

BOOL CKXMenu::AppendMenuA(UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, int nIconSource) {
    return AppendODMenuA(lpstrText, nFlags, nID, nIconSource);
}

BOOL CKXMenu::AppendMenuA(UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, CImageList* pList, int nImage) {
    return AppendODMenuA(lpstrText, nFlags, nID, pList, nImage);
}

BOOL CKXMenu::AppendMenuA(UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, CBitmap* pBmp) {
    return AppendMenuW(nFlags, nID, CWide(lpstrText).Get(), pBmp);
}

BOOL CKXMenu::InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, int nIconSource) {
    return InsertODMenuW(nPosition, lpstrText, nFlags, nID, nIconSource);
}

BOOL CKXMenu::InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, CImageList* pList,
                          int nImage) {
    return InsertODMenuW(nPosition, lpstrText, nFlags, nID, pList, nImage);
}

BOOL CKXMenu::InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, CBitmap* pBmp) {
    return AddItem(nPosition, TRUE, lpstrText, nFlags, nID, -1, nullptr, -1, pBmp);
}

BOOL CKXMenu::InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, int nIconSource) {
    return InsertODMenuA(nPosition, lpstrText, nFlags, nID, nIconSource);
}

BOOL CKXMenu::InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, CImageList* pList,
                          int nImage) {
    return InsertODMenuA(nPosition, lpstrText, nFlags, nID, pList, nImage);
}

BOOL CKXMenu::InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, CBitmap* pBmp) {
    return InsertMenuW(nPosition, nFlags, nID, CWide(lpstrText).Get(), pBmp);
}

// --- changing items -----------------------------------------------------------------

BOOL CKXMenu::ModifyItem(const wchar_t* lpstrText, CKXMenu* pMenu, int nLoc, int nIconSource, CImageList* pList,
                         int nImage, CBitmap* pBmp) {
    CKXMenuData* pData = pMenu ? pMenu->RecordAt(nLoc) : nullptr;
    if (pData == nullptr) return FALSE;
    if (lpstrText) pData->SetWideString(lpstrText);
    if (pBmp) SetImageFromBitmap(pData, pBmp);
    else if (pList) SetImageFromList(pData, pList, nImage);
    else if (nIconSource >= 0) SetImageFromResource(pData, pData->m_nID, nIconSource);
    else pData->FreeImageList();
    return pMenu->MakeOwnerDrawn(nLoc, pData);
}

BOOL CKXMenu::ModifyByCommand(const wchar_t* lpstrText, UINT_PTR nID, int nIconSource, CImageList* pList,
                              int nImage, CBitmap* pBmp) {
    int nLoc = -1;
    CKXMenu* pMenu = FindMenuOption(nID, nLoc);
    return ModifyItem(lpstrText, pMenu, nLoc, nIconSource, pList, nImage, pBmp);
}

BOOL CKXMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT_PTR nID, int nIconSource) {
    return ModifyByCommand(lpstrText, nID, nIconSource, nullptr, -1, nullptr);
}

BOOL CKXMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT_PTR nID, CImageList* pList, int nImage) {
    // A null list takes the image away, as -1 does in the other form.
    return ModifyByCommand(lpstrText, nID, -1, pList, nImage, nullptr);
}

BOOL CKXMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT_PTR nID, CBitmap* pBmp) {
    return ModifyByCommand(lpstrText, nID, -1, nullptr, -1, pBmp);
}

BOOL CKXMenu::ModifyODMenuA(LPCSTR lpstrText, UINT_PTR nID, int nIconSource) {
    return ModifyODMenuW(CWide(lpstrText).Get(), nID, nIconSource);
}

BOOL CKXMenu::ModifyODMenuA(LPCSTR lpstrText, UINT_PTR nID, CImageList* pList, int nImage) {
    return ModifyODMenuW(CWide(lpstrText).Get(), nID, pList, nImage);
}

BOOL CKXMenu::ModifyODMenuA(LPCSTR lpstrText, UINT_PTR nID, CBitmap* pBmp) {
    return ModifyODMenuW(CWide(lpstrText).Get(), nID, pBmp);
}

BOOL CKXMenu::ModifyODMenuW(const wchar_t* lpstrText, const wchar_t* lpstrOption, int nIconSource) {
    CKXMenu* pMenu = nullptr;
    int nLoc = -1;
    if (!FindTextItem(lpstrOption, pMenu, nLoc, 0)) return FALSE;
    return ModifyItem(lpstrText, pMenu, nLoc, nIconSource, nullptr, -1, nullptr);
}

BOOL CKXMenu::ModifyODMenuA(LPCSTR lpstrText, LPCSTR lpstrOption, int nIconSource) {
    CWide option(lpstrOption);
    return ModifyODMenuW(CWide(lpstrText).Get(), option.Get(), nIconSource);
}

BOOL CKXMenu::MakeOwnerDrawn(int nPos, CKXMenuData* pData) {
    // Only the type and the data change: state, radio look and check
    // bitmaps stay as the item had them.
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    if (!::GetMenuItemInfoA(m_hMenu, static_cast<UINT>(nPos), TRUE, &mii)) return FALSE;
    mii.fMask = MIIM_FTYPE | MIIM_DATA;
    mii.fType |= MFT_OWNERDRAW;
    mii.dwItemData = reinterpret_cast<ULONG_PTR>(pData);
    if (!::SetMenuItemInfoA(m_hMenu, static_cast<UINT>(nPos), TRUE, &mii)) return FALSE;
    pData->m_nFlags |= MF_OWNERDRAW;
    return TRUE;
}

// --- popups and records made for existing items -----------------------------------

CKXMenu* CKXMenu::AppendODPopupMenuW(const wchar_t* lpstrText) {
    if (m_hMenu == nullptr) return nullptr;
    CKXMenu* pSub = NewSubMenu();
    if (pSub == nullptr) return nullptr;
    if (!AppendODMenuW(lpstrText, MF_POPUP, reinterpret_cast<UINT_PTR>(pSub->m_hMenu), -1)) {
        delete pSub;
        return nullptr;
    }
    return pSub;
}

CKXMenu* CKXMenu::AppendODPopupMenuA(LPCSTR lpstrText) { return AppendODPopupMenuW(CWide(lpstrText).Get()); }

CKXMenuData* CKXMenu::NewODMenu(UINT nPosition, UINT nFlags, UINT_PTR nID, CString string) {
    CKXMenuData* pData = new CKXMenuData;
    pData->SetAnsiString(string);
    pData->m_nFlags = nFlags & ~MF_BYPOSITION;
    pData->m_nID = nID;
    if (nFlags & MF_POPUP) m_AllSubMenus.Add(reinterpret_cast<HMENU>(nID));
    const LPCSTR lpItem = (nFlags & MF_OWNERDRAW) ? reinterpret_cast<LPCSTR>(pData) : static_cast<LPCSTR>(string);
    ::ModifyMenuA(m_hMenu, nPosition, nFlags, nID, lpItem);
    return pData;
}

// --- images -----------------------------------------------------------------------------

void CKXMenu::SetImageFromResource(CKXMenuData* pData, UINT_PTR nID, int nIconSource) {
    pData->FreeImageList();
    pData->m_nIconSource = nIconSource;
    pData->m_nImageIndex = 0;
    LoadFromToolBar(nID, static_cast<UINT>(nIconSource), pData->m_nImageIndex);
    pData->m_pImageList = new CImageList;
    if (!pData->m_pImageList->Create(m_nIconWidth, m_nIconHeight, ILC_COLORDDB | ILC_MASK, 1, 1) ||
        !AddBitmapToImageList(pData->m_pImageList, static_cast<UINT>(nIconSource)))
        pData->FreeImageList();
}

void CKXMenu::SetImageFromList(CKXMenuData* pData, CImageList* pList, int nImage) {
    pData->FreeImageList();
    if (pList == nullptr || pList->GetSafeHandle() == nullptr || nImage < 0 || nImage >= pList->GetImageCount())
        return;
    const HIMAGELIST hCopy = ::ImageList_Duplicate(pList->GetSafeHandle());
    if (hCopy == nullptr) return;
    pData->m_pImageList = new CImageList;
    pData->m_pImageList->Attach(hCopy);
    pData->m_nIconSource = 0;
    pData->m_nImageIndex = nImage;
}

void CKXMenu::SetImageFromBitmap(CKXMenuData* pData, CBitmap* pBmp) {
    pData->FreeImageList();
    if (pBmp == nullptr || pBmp->GetSafeHandle() == nullptr) return;
    pData->m_pImageList = new CImageList;
    if (!pData->m_pImageList->Create(m_nIconWidth, m_nIconHeight, ILC_COLORDDB | ILC_MASK, 1, 1) ||
        pData->m_pImageList->Add(pBmp, BitmapMaskColor()) < 0) {
        pData->FreeImageList();
        return;
    }
    pData->m_nIconSource = 0;
    pData->m_nImageIndex = 0;
}
