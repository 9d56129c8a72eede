#include "edit/browse_layout.h"

eKXBROWSEACTION KXBrowseAction(DWORD dwBrowseStyle) {
    switch (dwBrowseStyle & 7) {
    case 1: return KX_BROWSE_DIRECTORY;
    case 2: return KX_BROWSE_FILE;
    case 4: return KX_BROWSE_MENU;
    default: return KX_BROWSE_NONE;
    }
}

int KXBrowseButtonWidth(int cxHThumb, int cxEdge) { return cxHThumb + 2 * cxEdge; }

int KXBrowseEditWidth(int cxGiven, int nEdgeWidth, int cxButton) {
    const int cx = cxGiven - nEdgeWidth - cxButton;
    return cx > 0 ? cx : 0;
}

CRect KXBrowseButtonRect(const CRect& rcEdit, int nEdgeWidth, int cxButton) {
    const int x = rcEdit.right + nEdgeWidth;
    return CRect(x, rcEdit.top, x + cxButton, rcEdit.bottom);
}
