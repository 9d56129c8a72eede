#include "colour/color_selection.h"

#include "colour/color_grid_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorSelection, EndingsAndTheirColours) {
    const COLORREF cur = 0x00FF00, def = 0x000000;
    auto r = KXEndColorSelection(5, false, cur, def, 0x00FF00);  // the current colour again
    EXPECT_EQ(KXCPN_SELCHANGE, r.nMessage);
    r = KXEndColorSelection(5, false, cur, def, 0x0000FF);
    EXPECT_EQ(KXCPN_SELENDOK, r.nMessage);
    EXPECT_EQ(0x0000FFu, r.clr);
    r = KXEndColorSelection(-1, false, cur, def, 0);
    EXPECT_EQ(KXCPN_SELENDCANCEL, r.nMessage);
    EXPECT_EQ(cur, r.clr);
    r = KXEndColorSelection(0, true, cur, def, 0);
    EXPECT_EQ(KXCPN_SELNOFILL, r.nMessage);
    EXPECT_EQ(KXCOLOR_NOFILL, r.clr);
    r = KXEndColorSelection(0, false, cur, def, 0);
    EXPECT_EQ(KXCPN_SELENDOK, r.nMessage);
    EXPECT_EQ(def, r.clr);
    EXPECT_EQ(KXCPN_SELCHANGE, KXEndColorSelection(0, false, def, def, 0).nMessage);

    EXPECT_EQ(KXCPN_SELENDCANCEL, KXEndColorDialog(false, 0x123456, cur).nMessage);
    EXPECT_EQ(cur, KXEndColorDialog(false, 0x123456, cur).clr);
    EXPECT_EQ(KXCPN_SELCHANGE, KXEndColorDialog(true, cur, cur).nMessage);
    EXPECT_EQ(KXCPN_SELENDOK, KXEndColorDialog(true, 0x123456, cur).nMessage);
}

TEST(ColorSelection, PickerRelayOrder) {
    bool bTake = true;
    EXPECT_EQ((std::vector<UINT>{KXCPN_CLOSEUP, KXCPN_SELENDOK}), KXPickerRelay(KXCPN_SELENDOK, &bTake));
    EXPECT_TRUE(bTake);
    EXPECT_EQ((std::vector<UINT>{KXCPN_CLOSEUP, KXCPN_SELENDCANCEL}), KXPickerRelay(KXCPN_SELENDCANCEL, &bTake));
    EXPECT_FALSE(bTake);  // a cancel keeps the picker's colour
    EXPECT_EQ((std::vector<UINT>{KXCPN_SELNOFILL}), KXPickerRelay(KXCPN_SELNOFILL, &bTake));
    EXPECT_TRUE(bTake);
    for (UINT m : {KXCPN_SELCHANGE, KXCPN_DROPDOWN, KXCPN_CLOSEUP}) {
        EXPECT_EQ(std::vector<UINT>{m}, KXPickerRelay(m, &bTake));
        EXPECT_FALSE(bTake);
    }
    EXPECT_TRUE(KXPickerRelay(0x0DCA, nullptr).empty());
}

}  // namespace
