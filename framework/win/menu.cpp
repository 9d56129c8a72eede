#include "win/menu.h"

#include "win/gdiobj.h"
#include "win/wnd.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {

// The bitmap handle an MF_BITMAP item carries in place of its text.
LPCSTR BitmapItem(const CBitmap* pBmp) { return (LPCSTR)(HBITMAP)pBmp->GetSafeHandle(); }

}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

// --- handle map -------------------------------------------------------------

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (hMenu == nullptr) return nullptr;
    return afxMapHMENU(TRUE)->FromHandle((HANDLE)hMenu);
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu) {
    CHandleMap<CMenu>* pMap = afxMapHMENU(FALSE);
    return (pMap && hMenu) ? pMap->LookupPermanent((HANDLE)hMenu) : nullptr;
}

void CMenu::DeleteTempMap() {
    if (CHandleMap<CMenu>* pMap = afxMapHMENU(FALSE)) pMap->DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu) {
    // One object holds one menu: attaching over a held menu would leak it.
    if (hMenu == nullptr || m_hMenu != nullptr) return FALSE;
    // Nor may two objects own one handle: both would destroy it.
    CHandleMap<CMenu>* pMap = afxMapHMENU(TRUE);
    if (CMenu* pOther = pMap->LookupPermanent((HANDLE)hMenu); pOther && pOther != this) return FALSE;
    m_hMenu = hMenu;
    pMap->SetPermanent((HANDLE)hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr) {
        CHandleMap<CMenu>* pMap = afxMapHMENU(FALSE);
        if (pMap && pMap->LookupPermanent((HANDLE)hMenu) == this) pMap->RemoveHandle((HANDLE)hMenu);
    }
    m_hMenu = nullptr;
    return hMenu;
}

// --- creation ---------------------------------------------------------------

BOOL CMenu::CreateMenu() {
    if (m_hMenu != nullptr) return FALSE;
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu() {
    if (m_hMenu != nullptr) return FALSE;
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
    if (m_hMenu != nullptr || lpszResourceName == nullptr) return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCTSTR)RT_MENU);
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) {
    if (m_hMenu != nullptr || lpMenuTemplate == nullptr) return FALSE;
    return Attach(::LoadMenuIndirectA(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) return FALSE;
    return ::DestroyMenu(Detach());
}

// --- items ------------------------------------------------------------------

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
    return ::InsertMenuItemA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked) {
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, (HBITMAP)pBmpUnchecked->GetSafeHandle(),
                                (HBITMAP)pBmpChecked->GetSafeHandle());
}

// --- queries ----------------------------------------------------------------

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }

UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
    if (lpString == nullptr || nMaxCount <= 0) return 0;
    lpString[0] = '\0';
    // A cut string is not terminated by every implementation: terminate it here.
    int n = ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    n = n < 0 ? 0 : (n > nMaxCount - 1 ? nMaxCount - 1 : n);
    lpString[n] = '\0';
    return n;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    rString.Empty();
    // The item's text length comes from its item information, so the text
    // is read whole whatever its size.
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_STRING;
    if (!::GetMenuItemInfoA(m_hMenu, nIDItem, (nFlags & MF_BYPOSITION) != 0, &mii) || mii.cch == 0) return 0;
    int nLen = (int)mii.cch;
    LPTSTR p = rString.GetBuffer(nLen + 1);
    int n = ::GetMenuStringA(m_hMenu, nIDItem, p, nLen + 1, nFlags);
    rString.ReleaseBuffer(n < 0 ? 0 : (n > nLen ? nLen : n));
    return rString.GetLength();
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) const {
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::GetMenuInfo(LPMENUINFO lpcmi) const { return ::GetMenuInfo(m_hMenu, lpcmi); }

BOOL CMenu::SetMenuInfo(LPCMENUINFO lpcmi) { return ::SetMenuInfo(m_hMenu, lpcmi); }

DWORD CMenu::GetMenuContextHelpId() const { return ::GetMenuContextHelpId(m_hMenu); }

BOOL CMenu::SetMenuContextHelpId(DWORD dwContextHelpId) {
    return ::SetMenuContextHelpId(m_hMenu, dwContextHelpId);
}

// --- state ------------------------------------------------------------------

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return (UINT)::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return (UINT)::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) { return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos); }

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) {
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

BOOL CMenu::HiliteMenuItem(CWnd* pWnd, UINT uIDHiliteItem, UINT uHilite) {
    return ::HiliteMenuItem(pWnd->GetSafeHwnd(), m_hMenu, uIDHiliteItem, uHilite);
}

// --- popups -----------------------------------------------------------------

namespace {

// Records the menu being tracked and its owner for the owner's
// WM_MEASUREITEM (menus nest: the previous pair comes back).
class CTrackingScope {
public:
    CTrackingScope(HWND hWnd, HMENU hMenu) : m_pState(AfxGetThreadState()) {
        m_hOldWnd = m_pState->m_hTrackingWindow;
        m_hOldMenu = m_pState->m_hTrackingMenu;
        m_pState->m_hTrackingWindow = hWnd;
        m_pState->m_hTrackingMenu = hMenu;
    }
    ~CTrackingScope() {
        m_pState->m_hTrackingWindow = m_hOldWnd;
        m_pState->m_hTrackingMenu = m_hOldMenu;
    }
    CTrackingScope(const CTrackingScope&) = delete;
    CTrackingScope& operator=(const CTrackingScope&) = delete;

private:
    AFX_THREAD_STATE* m_pState;
    HWND m_hOldWnd;
    HMENU m_hOldMenu;
};

}  // namespace

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    CTrackingScope scope(pWnd->GetSafeHwnd(), m_hMenu);
    // With TPM_RETURNCMD the result is the chosen command, as the API gives it.
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm) {
    CTrackingScope scope(pWnd->GetSafeHwnd(), m_hMenu);
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}

// --- owner drawing ----------------------------------------------------------

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
