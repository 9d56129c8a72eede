// The browse edit's arithmetic: the action of each style and how the edit
// and its button share the edit's rectangle.
#include "edit/browse_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowseLayoutTest, OnlyStylesOneTwoAndFourMakeAButtonThatActs) {
    const eKXBROWSEACTION expected[8] = {KX_BROWSE_NONE, KX_BROWSE_DIRECTORY, KX_BROWSE_FILE, KX_BROWSE_NONE,
                                         KX_BROWSE_MENU, KX_BROWSE_NONE,      KX_BROWSE_NONE, KX_BROWSE_NONE};
    for (DWORD dw = 0; dw < 8; ++dw) {
        EXPECT_EQ(expected[dw], KXBrowseAction(dw)) << dw;
        EXPECT_EQ(expected[dw], KXBrowseAction(dw | 0xFFF0)) << "only the low three bits count";
    }
}

TEST(BrowseLayoutTest, TheEditGivesUpTheButtonAndAnEdge) {
    const int cxButton = KXBrowseButtonWidth(16, 2);
    EXPECT_EQ(20, cxButton);
    EXPECT_EQ(200 - 2 - 20, KXBrowseEditWidth(200, 2, cxButton));
    EXPECT_EQ(0, KXBrowseEditWidth(10, 2, cxButton));  // never negative

    // The pair fills the rectangle the edit was given.
    const CRect rcGiven(30, 40, 230, 62);
    const CRect rcEdit(rcGiven.left, rcGiven.top, rcGiven.left + KXBrowseEditWidth(rcGiven.Width(), 2, cxButton),
                       rcGiven.bottom);
    const CRect rcButton = KXBrowseButtonRect(rcEdit, 2, cxButton);
    EXPECT_EQ(CRect(rcEdit.right + 2, 40, rcGiven.right, 62), rcButton);
    EXPECT_EQ(CRect(rcEdit.right, 40, rcEdit.right + 20, 62), KXBrowseButtonRect(rcEdit, 0, cxButton));
}

}  // namespace
