// The flat combo box's frame and drop button: where they lie and in which
// colours, for each look (1 flat, 2 raised, 3 pressed), in the XP palette or
// the classic three-dimensional colours.  Painting and the tests read the
// same answers.
//
// Two one-pixel rings cover the platform's own sunken edge: the outer one on
// the client rectangle, the inner one a pixel in.  The drop button fills the
// right end of the inner rectangle, a scroll-bar thumb wide plus 2.  Each
// ring and the button's frame carry a top-left and a bottom-right colour, so
// that one description serves flat, raised and sunken edges.
#pragma once

#include "base/geometry.h"

struct KX_COMBO_LAYOUT {
    CRect rcOuter;   // the outer ring's rectangle (the client rectangle)
    CRect rcInner;   // the inner ring's
    CRect rcButton;  // the drop button, its frame included
    CRect rcArrow;   // the downward triangle: rows of 5, 3 and 1 pixels
};

// cxThumb: the system's horizontal scroll-bar thumb width.  bPressed moves
// the arrow a pixel down and to the right, as a sunken button shows it.
KX_COMBO_LAYOUT KXFlatComboLayout(const CRect& rcClient, int cxThumb, bool bPressed);

// What the look is painted from: the shared colours and the control's own.
struct KX_COMBO_PALETTE {
    COLORREF clrBtnFace, clrBtnShadow, clrBtnHilite, clrWindow;
    COLORREF clrMenuText;                            // the shared text colour
    COLORREF clrHighlight, clrHighlightBorder;       // palette 31 and 32
    COLORREF clrHighlightPushed, clrPushedText;      // palette 33 and 47
    COLORREF clrText, clrReadOnlyText;               // the control's
    COLORREF clrBk, clrReadOnlyBk;
};

struct KX_COMBO_COLORS {
    COLORREF clrOuterTL, clrOuterBR;
    COLORREF clrInnerTL, clrInnerBR;
    COLORREF clrButtonTL, clrButtonBR;  // the drop button's frame
    COLORREF clrButtonFill;
    COLORREF clrArrow;
};

struct KX_COMBO_STATE {
    int nLook = 1;          // 1 flat, 2 raised, 3 pressed
    bool bXPLook = false;
    bool bDropped = false;  // the list is showing
    bool bEnabled = true;
    bool bReadOnly = false;
};

KX_COMBO_COLORS KXFlatComboColors(const KX_COMBO_PALETTE& pal, const KX_COMBO_STATE& state);

// The background behind the control's content: the face colour when
// disabled, else the read-only or the normal background.
COLORREF KXFlatComboBackground(COLORREF clrBtnFace, COLORREF clrBk, COLORREF clrReadOnlyBk, bool bEnabled,
                               bool bReadOnly);
