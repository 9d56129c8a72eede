// The editing context menu the edit controls share: popup 1 of the library's
// context menus, with the images of the edit toolbar.
#pragma once

#include "bars/menu.h"

// Loads the menu into menu and answers its editing popup, or NULL when the
// companion module does not hold it.  Call inside a CKXResourceScope.
CKXMenu* KXLoadEditContextMenu(CKXMenu& menu);
