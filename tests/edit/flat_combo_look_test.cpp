// The flat combo box's frame and button: geometry and the colours of each
// look.
#include "edit/flat_combo_look.h"

#include <gtest/gtest.h>

namespace {

TEST(FlatComboLookTest, TheButtonFillsTheRightEndOfTheInnerRectangle) {
    const KX_COMBO_LAYOUT at = KXFlatComboLayout(CRect(0, 0, 120, 22), 16, false);
    EXPECT_EQ(CRect(0, 0, 120, 22), at.rcOuter);
    EXPECT_EQ(CRect(1, 1, 119, 21), at.rcInner);
    EXPECT_EQ(CRect(119 - 16 - 2, 1, 119, 21), at.rcButton);
    // The arrow is centred in the button and lies inside its frame.
    EXPECT_EQ(5, at.rcArrow.Width());
    EXPECT_EQ(3, at.rcArrow.Height());
    EXPECT_EQ(at.rcButton.CenterPoint().x, at.rcArrow.CenterPoint().x);
    const KX_COMBO_LAYOUT pressed = KXFlatComboLayout(CRect(0, 0, 120, 22), 16, true);
    EXPECT_EQ(at.rcArrow + CPoint(1, 1), pressed.rcArrow);

    // Narrower than a button: the button takes the inside, no more.
    const KX_COMBO_LAYOUT narrow = KXFlatComboLayout(CRect(0, 0, 10, 22), 16, false);
    EXPECT_EQ(narrow.rcInner, narrow.rcButton);
}

constexpr COLORREF kFace = 1, kShadow = 2, kHilite = 3, kWindow = 4, kMenuText = 5, kHl = 31, kHlBorder = 32,
                   kHlPushed = 33, kPushedText = 47, kText = 60, kRoText = 61, kBk = 62, kRoBk = 63;
const KX_COMBO_PALETTE kPal = {kFace, kShadow, kHilite, kWindow, kMenuText, kHl, kHlBorder,
                               kHlPushed, kPushedText, kText, kRoText, kBk, kRoBk};

KX_COMBO_COLORS Colors(int nLook, bool bXP, bool bDropped = false, bool bEnabled = true, bool bReadOnly = false) {
    KX_COMBO_STATE s;
    s.nLook = nLook;
    s.bXPLook = bXP;
    s.bDropped = bDropped;
    s.bEnabled = bEnabled;
    s.bReadOnly = bReadOnly;
    return KXFlatComboColors(kPal, s);
}

TEST(FlatComboLookTest, EachLookTakesItsColours) {
    // Classic: flat in the face colour, raised, sunken (also while dropped).
    EXPECT_EQ(kFace, Colors(1, false).clrButtonTL);
    EXPECT_EQ(kHilite, Colors(2, false).clrButtonTL);
    EXPECT_EQ(kShadow, Colors(3, false).clrButtonTL);
    EXPECT_EQ(kShadow, Colors(2, false, true).clrButtonTL);
    EXPECT_EQ(kHilite, Colors(1, false, false, false).clrInnerTL);  // disabled
    // XP: the highlight over the control's own (read-only) colours.
    const KX_COMBO_COLORS hot = Colors(2, true, false, true, true);
    EXPECT_EQ(kHlBorder, hot.clrOuterTL);
    EXPECT_EQ(kHl, hot.clrButtonFill);
    EXPECT_EQ(kRoBk, hot.clrInnerTL);
    EXPECT_EQ(kRoText, hot.clrArrow);
    EXPECT_EQ(kBk, Colors(1, true).clrInnerTL);
    const KX_COMBO_COLORS dropped = Colors(2, true, true);
    EXPECT_EQ(kHlPushed, dropped.clrButtonFill);
    EXPECT_EQ(kPushedText, dropped.clrArrow);

    EXPECT_EQ(kFace, KXFlatComboBackground(kFace, kBk, kRoBk, false, true));
    EXPECT_EQ(kRoBk, KXFlatComboBackground(kFace, kBk, kRoBk, true, true));
    EXPECT_EQ(kBk, KXFlatComboBackground(kFace, kBk, kRoBk, true, false));
}

}  // namespace
