// CKXMenu: building a menu bar from a menu resource, and lining up the
// accelerators of a drop-down.
#include "bars/menu.h"

#include "bars/menu_font.h"
#include "bars/menu_template.h"
#include "bars/menu_text.h"

#include <string>
#include <vector>

BOOL CKXMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }

BOOL CKXMenu::LoadMenu(LPCTSTR lpszResourceName) {
    if (m_hMenu != nullptr || lpszResourceName == nullptr) return FALSE;
    const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    const HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_MENU);
    if (hRsrc == nullptr) return FALSE;
    const HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const void* pTemplate = hGlobal ? ::LockResource(hGlobal) : nullptr;
    return pTemplate && LoadMenuTemplate(pTemplate, ::SizeofResource(hInst, hRsrc));
}

BOOL CKXMenu::LoadMenuTemplate(const void* pTemplate, UINT cbTemplate) {
    if (m_hMenu != nullptr) return FALSE;
    std::vector<KX_MENU_TEMPLATE_ITEM> items;
    if (!KXParseMenuTemplate(pTemplate, cbTemplate, items) || !CreateMenu()) return FALSE;

    // The levels being filled: the bar first, then each open drop-down.
    std::vector<CKXMenu*> levels{this};
    for (KX_MENU_TEMPLATE_ITEM& item : items) {
        CKXMenu* pLevel = levels.back();
        BOOL bDone;
        if (item.nFlags & MF_POPUP) {
            CKXMenu* pSub = pLevel->NewSubMenu();
            bDone = pSub && pLevel->AppendODMenuW(item.strText.data(), item.nFlags,
                                                  reinterpret_cast<UINT_PTR>(pSub->m_hMenu), -1);
            if (bDone) levels.push_back(pSub);
            else delete pSub;
        } else {
            bDone = pLevel->AppendODMenuW(item.strText.data(), item.nFlags, item.nID, -1);
        }
        if (!bDone) {
            DestroyMenu();
            return FALSE;
        }
        for (int n = 0; n < item.nLevelsClosed && !levels.empty(); ++n) {
            levels.back()->InsertSpaces();
            levels.pop_back();
        }
    }

    // The bar's own items are drawn by the system, as plain text.
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) {
        CKXMenuData* pData = m_arrMenuData[i];
        const UINT nFlags = MF_BYPOSITION | (pData->m_nFlags & MF_POPUP);
        ::ModifyMenuA(m_hMenu, static_cast<UINT>(i), nFlags, pData->m_nID, pData->GetString());
        pData->m_nFlags = nFlags;
    }
    return TRUE;
}

void CKXMenu::InsertSpaces() {
    if (m_arrMenuData.GetSize() == 0) return;
    CKXMenuMeasureDC dc(TRUE);
    if (dc.GetSafeHdc() == nullptr) return;
    std::vector<std::wstring> texts;
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) {
        const wchar_t* psz = m_arrMenuData[i]->m_pszText;
        texts.emplace_back(psz ? psz : L"");
    }
    // Measured as the narrow text the system would show.
    CKXMenuData narrow;
    auto cxText = [&](const std::wstring& text) {
        narrow.SetWideString(text.c_str());
        const CString str = narrow.GetString();
        SIZE size = {};
        ::GetTextExtentPoint32A(dc.GetSafeHdc(), str, str.GetLength(), &size);
        return static_cast<int>(size.cx);
    };
    if (!KXPadMenuCommandParts(texts, cxText)) return;
    for (INT_PTR i = 0; i < m_arrMenuData.GetSize(); ++i) m_arrMenuData[i]->SetWideString(texts[i].c_str());
}
