// The browse edit's arithmetic: what its button does for each browse style,
// how wide the button is, and how edit and button share the room the edit
// was given.  The button sits on the edit's right, an edge width away, as
// tall as the edit; the edit gives up that much of its width.
#pragma once

#include "base/geometry.h"

// What the button does: the low three bits of the browse style.
enum eKXBROWSEACTION {
    KX_BROWSE_NONE = 0,       // style 0 (no button) and 3, 5, 6, 7 (no button window)
    KX_BROWSE_DIRECTORY = 1,  // a folder through the folder dialog
    KX_BROWSE_FILE = 2,       // a file through the open or save dialog
    KX_BROWSE_MENU = 4,       // a command from a popup menu
};

eKXBROWSEACTION KXBrowseAction(DWORD dwBrowseStyle);

// The button's width: a horizontal scroll-bar thumb and an edge each side.
int KXBrowseButtonWidth(int cxHThumb, int cxEdge);

// The width the edit keeps when it is given cxGiven with a button beside it
// (never below 0).
int KXBrowseEditWidth(int cxGiven, int nEdgeWidth, int cxButton);

// The button's rectangle beside the edit's (both in the parent's client
// coordinates).
CRect KXBrowseButtonRect(const CRect& rcEdit, int nEdgeWidth, int cxButton);
