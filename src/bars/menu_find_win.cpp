// CKXMenu: finding items and records, removing items, and bringing the
// records back in step with the menu after plain menu operations.
#include "bars/menu.h"

#include "bars/menu_text.h"

#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kMaxNesting = 32;  // as deep as a walk over sub-menus goes

// The state bits an item keeps when it is made owner-drawn.
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK;

// Whether the item is owner-drawn (for a popup, GetMenuState gives its item
// count where the owner-draw bit would be).
bool IsOwnerDrawn(HMENU hMenu, int nPos) {
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    return ::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPos), TRUE, &mii) && (mii.fType & MFT_OWNERDRAW);
}

}  // namespace

// --- finding ----------------------------------------------------------------------

CKXMenu* CKXMenu::FindMenuOption(UINT_PTR nID, int& nLoc) {
    nLoc = -1;
    return FindCommand(nID, nLoc, 0);
}

CKXMenu* CKXMenu::FindCommand(UINT_PTR nID, int& nLoc, int nDepth) {
    if (m_hMenu == nullptr || nDepth > kMaxNesting) return nullptr;
    const int nCount = GetMenuItemCount();
    for (int i = 0; i < nCount; ++i) {
        if (const HMENU hSub = ::GetSubMenu(m_hMenu, i)) {
            CKXMenu* pSub = FromSubMenu(hSub);
            if (CKXMenu* pFound = pSub ? pSub->FindCommand(nID, nLoc, nDepth + 1) : nullptr) return pFound;
        } else if (static_cast<UINT_PTR>(::GetMenuItemID(m_hMenu, i)) == nID) {
            nLoc = i;
            return this;
        }
    }
    return nullptr;
}

CKXMenuData* CKXMenu::FindMenuOption(const wchar_t* lpstrText) {
    CKXMenu* pMenu = nullptr;
    int nLoc = -1;
    return FindTextItem(lpstrText, pMenu, nLoc, 0) ? pMenu->m_arrMenuData[nLoc] : nullptr;
}

BOOL CKXMenu::FindTextItem(const wchar_t* lpstrText, CKXMenu*& pMenu, int& nLoc, int nDepth) {
    if (lpstrText == nullptr || m_hMenu == nullptr || nDepth > kMaxNesting) return FALSE;
    if (m_arrMenuData.GetSize() != GetMenuItemCount()) SynchronizeMenu();
    ASSERT_VALID(this);
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) {
        const CKXMenuData* pData = m_arrMenuData[i];
        if (pData->m_nFlags & MF_POPUP) {
            CKXMenu* pSub = FromSubMenu(reinterpret_cast<HMENU>(pData->m_nID));
            if (pSub && pSub->FindTextItem(lpstrText, pMenu, nLoc, nDepth + 1)) return TRUE;
        } else if (pData->m_pszText && std::wcscmp(pData->m_pszText, lpstrText) == 0) {
            pMenu = this;
            nLoc = static_cast<int>(i);
            return TRUE;
        }
    }
    return FALSE;
}

CKXMenuData* CKXMenu::RecordAt(int nPos) {
    if (m_hMenu == nullptr) return nullptr;
    if (m_arrMenuData.GetSize() != GetMenuItemCount()) SynchronizeMenu();
    ASSERT_VALID(this);
    return (nPos >= 0 && nPos < m_arrMenuData.GetSize()) ? m_arrMenuData[nPos] : nullptr;
}

CKXMenuData* CKXMenu::FindMenuList(UINT_PTR nID) {
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) {
        CKXMenuData* pData = m_arrMenuData[i];
        if (pData->m_nID == nID && pData->m_nSync == 0) {
            pData->m_nSync = 1;
            return pData;
        }
    }
    return nullptr;
}

void CKXMenu::InitializeMenuList(int nValue) {
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) m_arrMenuData[i]->m_nSync = nValue;
}

void CKXMenu::DeleteMenuList() {
    for (INT_PTR i = m_arrMenuData.GetSize() - 1; i >= 0; --i) {
        if (m_arrMenuData[i]->m_nSync == 0) {
            delete m_arrMenuData[i];
            m_arrMenuData.RemoveAt(i);
        }
    }
}

BOOL CKXMenu::GetMenuText(UINT nPos, CString& strText, UINT nFlags) {
    if (nFlags & MF_BYPOSITION) {
        if (nPos >= static_cast<UINT>(m_arrMenuData.GetSize())) return FALSE;
        strText = m_arrMenuData[nPos]->GetString();
        return TRUE;
    }
    int nLoc = -1;
    CKXMenu* pMenu = FindMenuOption(nPos, nLoc);
    if (pMenu == nullptr || nLoc >= pMenu->m_arrMenuData.GetSize()) return FALSE;
    strText = pMenu->m_arrMenuData[nLoc]->GetString();
    return TRUE;
}

// --- removing -------------------------------------------------------------------------

BOOL CKXMenu::RemoveMenu(UINT nPosition, UINT nFlags) { return RemoveItem(nPosition, nFlags, FALSE); }

BOOL CKXMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return RemoveItem(nPosition, nFlags, TRUE); }

BOOL CKXMenu::RemoveItem(UINT nPosition, UINT nFlags, BOOL bDelete) {
    if (m_hMenu == nullptr) return FALSE;
    if (!(nFlags & MF_BYPOSITION)) {
        int nLoc = -1;
        CKXMenu* pHolder = FindMenuOption(nPosition, nLoc);
        return pHolder && pHolder->RemoveItem(static_cast<UINT>(nLoc), MF_BYPOSITION, bDelete);
    }
    const int nCount = GetMenuItemCount();
    if (nCount <= 0 || nPosition >= static_cast<UINT>(nCount)) return FALSE;
    if (m_arrMenuData.GetSize() != nCount) SynchronizeMenu();

    BOOL bSubGone = FALSE;
    if (const HMENU hSub = ::GetSubMenu(m_hMenu, static_cast<int>(nPosition))) {
        CKXMenu* pSub = FromSubMenu(hSub);
        if (pSub) {
            for (int n = pSub->GetMenuItemCount(); n > 0; --n)
                if (!pSub->RemoveItem(0, MF_BYPOSITION, bDelete)) break;
        }
        ForgetSubMenu(hSub);
        if (pSub && pSub->m_pCreator == this) {
            delete pSub;  // its handle goes with it
            bSubGone = TRUE;
        }
    }
    delete m_arrMenuData[nPosition];
    m_arrMenuData.RemoveAt(nPosition);
    // A sub-menu destroyed with its object must not be destroyed again.
    return (bDelete && !bSubGone) ? ::DeleteMenu(m_hMenu, nPosition, MF_BYPOSITION)
                                  : ::RemoveMenu(m_hMenu, nPosition, MF_BYPOSITION);
}

// --- synchronising -----------------------------------------------------------------------

void CKXMenu::SynchronizeMenu() {
    if (m_hMenu == nullptr) return;
    InitializeMenuList(0);
    CTypedPtrArray<CPtrArray, CKXMenuData*> arrNew;
    const int nCount = GetMenuItemCount();
    for (int i = 0; i < nCount; ++i) {
        const UINT nState = GetMenuState(static_cast<UINT>(i), MF_BYPOSITION);
        const HMENU hSub = ::GetSubMenu(m_hMenu, i);
        UINT_PTR nID = 0;
        if (hSub) nID = reinterpret_cast<UINT_PTR>(hSub);
        else if (!(nState & MF_SEPARATOR)) nID = ::GetMenuItemID(m_hMenu, i);

        CString strText;
        GetMenuString(static_cast<UINT>(i), strText, MF_BYPOSITION);
        CKXMenuData* pData = FindMenuList(nID);
        if (pData == nullptr) {
            // Popup states carry the item count in their high byte.
            UINT nFlags = (hSub ? (nState & 0xFF) : nState) & (kStateBits | MF_SEPARATOR);
            nFlags |= MF_BYPOSITION | MF_OWNERDRAW | (hSub ? MF_POPUP : 0);
            pData = NewODMenu(static_cast<UINT>(i), nFlags, nID, strText);
            pData->m_nSync = 1;
        } else {
            // An owner-drawn item shows its record's text; a plain one its own.
            if (!IsOwnerDrawn(m_hMenu, i)) pData->SetAnsiString(strText);
            if (!hSub) MakeOwnerDrawn(i, pData);
        }
        arrNew.Add(pData);
    }
    DeleteMenuList();
    m_arrMenuData.RemoveAll();
    m_arrMenuData.Append(arrNew);
}

void CKXMenu::UpdateMenu(CMenu* pMenu) {
    if (CKXMenu* pKX = pMenu ? FromSubMenu(pMenu->GetSafeHmenu()) : nullptr) pKX->SynchronizeMenu();
}

LRESULT CKXMenu::FindKeyboardShortcut(UINT nChar, UINT nFlags, CMenu* pMenu) {
    if (pMenu == nullptr || !(nFlags & MF_POPUP)) return 0;
    // WM_MENUCHAR names the menu by handle: the object is the one attached to it.
    CKXMenu* pKX = FromSubMenu(pMenu->GetSafeHmenu());
    if (pKX == nullptr) return 0;
    if (pKX->GetMenuItemCount() != pKX->m_arrMenuData.GetSize()) pKX->SynchronizeMenu();
    std::vector<std::wstring> texts;
    for (INT_PTR i = 0; i < pKX->m_arrMenuData.GetSize(); ++i) {
        const wchar_t* psz = pKX->m_arrMenuData[i]->m_pszText;
        texts.emplace_back(psz ? psz : L"");
    }
    const int nPos = KXFindMnemonicItem(texts, nChar);
    return nPos < 0 ? 0 : MAKELRESULT(nPos, MNC_EXECUTE);
}
