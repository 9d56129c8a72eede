#include "colour/color_picker_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorPickerLayout, ArrowSizeAndWindow) {
    KX_PICKER_METRICS m;  // edges 2, scroll bar 16, thumb 16
    EXPECT_EQ(16, KXPickerArrowSize(m));
    // Five edges win over narrow scroll bars; the thumb over the width.
    m.cxEdge = 4;
    m.cxVScroll = 10;
    m.cyVThumb = 12;
    EXPECT_EQ(20, KXPickerArrowSize(m));
    m = KX_PICKER_METRICS{};
    m.cyVThumb = 22;
    EXPECT_EQ(22, KXPickerArrowSize(m));

    m = KX_PICKER_METRICS{};
    // Keeps the corner; w + 2 edges high; at least 2 (w + edge) wide.
    EXPECT_EQ(CRect(10, 20, 46, 40), KXPickerWindowRect(CRect(10, 20, 15, 90), m));
    EXPECT_EQ(CRect(10, 20, 110, 40), KXPickerWindowRect(CRect(10, 20, 110, 21), m));
    EXPECT_EQ(CRect(82, 2, 98, 18), KXPickerArrowRect(CRect(0, 0, 100, 20), m));
}

TEST(ColorPickerLayout, SwatchLeavesRoomForTheArrow) {
    const KX_PICKER_METRICS m;
    const CRect rcItem(0, 0, 100, 20), rcArrow = KXPickerArrowRect(rcItem, m);
    // Classic: the face as given (already inside the button's edge).
    EXPECT_EQ(CRect(4, 4, 78, 16), KXPickerSwatchRect(CRect(2, 2, 98, 18), rcArrow, false, false, m));
    EXPECT_EQ(CRect(5, 5, 78, 17), KXPickerSwatchRect(CRect(2, 2, 98, 18), rcArrow, false, true, m));
    // Flat: the edges and the arrow's width come off first.
    EXPECT_EQ(CRect(4, 4, 78, 16), KXPickerSwatchRect(rcItem, rcArrow, true, false, m));
    // Too narrow a button gives an empty swatch, never an inverted one.
    const CRect rcTiny(0, 0, 20, 20), rcTinyArrow = KXPickerArrowRect(rcTiny, m);
    const CRect rc = KXPickerSwatchRect(rcTiny, rcTinyArrow, true, false, m);
    EXPECT_GE(rc.Width(), 0);
    EXPECT_GE(rc.Height(), 0);
}

}  // namespace
