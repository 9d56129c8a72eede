// CKXMenu: construction, destruction and the process-wide queries.
#include "bars/menu.h"

#include "core/module_state.h"

IMPLEMENT_DYNAMIC(CKXMenu, CMenu)

namespace {

// The ANSI code page's record, read again by every new menu.
CPINFO g_cpInfo;

// Sub-menu nesting deeper than this is not followed (a menu made to contain
// itself would otherwise never end a walk).
constexpr int kMaxNesting = 32;

void RemoveOne(CTypedPtrArray<CPtrArray, HMENU>& arr, HMENU hMenu) {
    for (INT_PTR i = arr.GetSize() - 1; i >= 0; --i) {
        if (arr[i] == hMenu) {
            arr.RemoveAt(i);
            return;
        }
    }
}

}  // namespace

CKXMenu::CKXMenu() { ::GetCPInfo(CP_ACP, &g_cpInfo); }

CKXMenu::~CKXMenu() { DestroyMenu(); }

BOOL CKXMenu::DestroyMenu() {
    if (m_hMenu) RemoveOne(m_AllSubMenus, m_hMenu);
    // Popups that synchronising found were listed without being made here.
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) {
        const CKXMenuData* pData = m_arrMenuData[i];
        const HMENU hSub = reinterpret_cast<HMENU>(pData->m_nID);
        if (!(pData->m_nFlags & MF_POPUP)) continue;
        bool bMade = false;
        for (INT_PTR j = 0; j < m_arrSubMenus.GetSize() && !bMade; ++j) bMade = m_arrSubMenus[j] == hSub;
        if (!bMade) RemoveOne(m_AllSubMenus, hSub);
    }
    for (INT_PTR i = m_arrSubMenus.GetSize() - 1; i >= 0; --i) {
        const HMENU hSub = m_arrSubMenus[i];
        RemoveOne(m_AllSubMenus, hSub);
        CKXMenu* pSub = FromSubMenu(hSub);
        if (pSub && pSub->m_pCreator == this) delete pSub;
    }
    m_arrSubMenus.RemoveAll();
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) delete m_arrMenuData[i];
    m_arrMenuData.RemoveAll();
    if (!m_bCheckImagesShared) delete m_pCheckImages;
    m_pCheckImages = nullptr;
    return CMenu::DestroyMenu();
}

void CKXMenu::AssertValid() const {
    CMenu::AssertValid();
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) ASSERT(m_arrMenuData[i] != nullptr);
    for (INT_PTR i = 0; i < m_arrSubMenus.GetSize(); ++i) ASSERT(m_arrSubMenus[i] != nullptr);
}

void CKXMenu::ForgetSubMenu(HMENU hSub) {
    RemoveOne(m_AllSubMenus, hSub);
    RemoveOne(m_arrSubMenus, hSub);
}

CKXMenu* CKXMenu::FromSubMenu(HMENU hMenu) {
    return DYNAMIC_DOWNCAST(CKXMenu, CMenu::FromHandlePermanent(hMenu));
}

CKXMenu* CKXMenu::NewSubMenu() {
    CKXMenu* pSub = new CKXMenu;
    if (!pSub->CreatePopupMenu()) {
        delete pSub;
        return nullptr;
    }
    pSub->m_pCreator = this;
    pSub->m_nIconWidth = m_nIconWidth;
    pSub->m_nIconHeight = m_nIconHeight;
    pSub->m_clrBitmapBack = m_clrBitmapBack;
    pSub->m_bUseBitmapBack = m_bUseBitmapBack;
    pSub->m_bDisableOldStyle = m_bDisableOldStyle;
    return pSub;
}

BOOL CKXMenu::OwnsRecord(const CKXMenuData* pData, int nDepth) const {
    if (pData == nullptr || nDepth > kMaxNesting) return FALSE;
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) {
        const CKXMenuData* p = m_arrMenuData[i];
        if (p == pData) return TRUE;
        if (p->m_nFlags & MF_POPUP) {
            const CKXMenu* pSub = FromSubMenu(reinterpret_cast<HMENU>(p->m_nID));
            if (pSub && pSub != this && pSub->OwnsRecord(pData, nDepth + 1)) return TRUE;
        }
    }
    return FALSE;
}

void CKXMenu::SetIconSize(int cx, int cy) {
    m_nIconWidth = cx;
    m_nIconHeight = cy;
}

void CKXMenu::SetBitmapBackground(COLORREF clr) {
    m_clrBitmapBack = clr;
    m_bUseBitmapBack = TRUE;
}

void CKXMenu::UnSetBitmapBackground() { m_bUseBitmapBack = FALSE; }

COLORREF CKXMenu::BitmapMaskColor() const {
    return m_bUseBitmapBack ? m_clrBitmapBack : ::GetSysColor(COLOR_BTNFACE);
}

BOOL CKXMenu::IsMenu(CMenu* pMenu) { return pMenu ? IsMenu(pMenu->GetSafeHmenu()) : FALSE; }

BOOL CKXMenu::IsMenu(HMENU hMenu) {
    if (hMenu == nullptr) return FALSE;
    for (INT_PTR i = 0; i < m_AllSubMenus.GetSize(); ++i)
        if (m_AllSubMenus[i] == hMenu) return TRUE;
    return FALSE;
}

int CKXMenu::ComputeShellLevel() {
    const DWORD dwVersion = ::GetVersion();
    if ((dwVersion & 0x80000000u) == 0) {
        OSVERSIONINFOA osvi = {};
        osvi.dwOSVersionInfoSize = sizeof osvi;
        return (::GetVersionExA(&osvi) && osvi.dwMajorVersion >= 4) ? 3 : 2;
    }
    return LOBYTE(LOWORD(dwVersion)) >= 4 ? 1 : 0;
}

BOOL CKXMenu::IsNewShell() {
    const int nLevel = KXGetMenuShellLevel();
    return nLevel == 1 || nLevel == 3;
}
