#include "edit/edit_menu.h"

#include "kxres_ids.h"

CKXMenu* KXLoadEditContextMenu(CKXMenu& menu) {
    if (!menu.LoadMenu(IDR_KX_CONTEXT_MENUS)) return nullptr;
    CKXMenu* pPopup = DYNAMIC_DOWNCAST(CKXMenu, menu.GetSubMenu(1));
    if (pPopup == nullptr) return nullptr;
    pPopup->LoadToolbar(IDR_KX_EDIT_TOOLBAR);
    return pPopup;
}
