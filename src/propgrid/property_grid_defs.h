// The numbers a property grid shares with the application: the item flags,
// the sort orders, the private notification message and its codes.
#pragma once

#include "base/wintypes.h"

// Which in-place controls an item uses (its flags).
enum {
    KX_ITEM_EDIT = 1,            // the value is edited in the in-place edit box
    KX_ITEM_BROWSE_BUTTON = 2,   // a small button runs the item's own action
    KX_ITEM_LIST_BUTTON = 4,     // a small button drops down the constraints
};

// The order of the rows of a grid view.
enum eKX_PROPERTYSORT {
    KX_SORT_CATEGORIZED = 0,
    KX_SORT_ALPHABETICAL = 1,
    KX_SORT_NOSORT = 2,
};

// Sent (never posted) to the owner of the grid control: the code in the first
// parameter, a pointer in the second.
#define KXWM_PROPERTYGRID_NOTIFY 0x89E5

#define KX_PGN_SORTORDER_CHANGED 1   // second parameter: the grid's control identifier
#define KX_PGN_SELECTION_CHANGED 2   // the newly selected item
#define KX_PGN_ITEMVALUE_CHANGED 3   // the item whose value the user changed
#define KX_PGN_EDIT_CHANGED 4        // the in-place control whose content changed
#define KX_PGN_INPLACEBUTTONDOWN 5   // the item; a reply of 1 means handled
#define KX_PGN_DRAWITEM 6            // the row's DRAWITEMSTRUCT; 1 means the owner drew it
#define KX_PGN_DBLCLICK 8            // the item

// The grid control's style bit that offers every row to the owner first.
#define KX_PGS_OWNERDRAW 0x0010

// The width of one indentation step, of the left margin and of the expand
// box band; and the width of the in-place button.
const int KX_PG_INDENT = 14;
const int KX_PG_BUTTON_WIDTH = 15;
