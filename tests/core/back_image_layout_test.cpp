#include "core/back_image_layout.h"

#include "core/back_image_flags.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Each copy as {dest left, top, right, bottom, source left, top}; a 1:1
// copy's source has the destination's size.
using Copies = std::vector<std::vector<int>>;

Copies Layout(int cx, int cy, CRect rect, UINT flags, int dx = 0, int dy = 0, const CRect* pClip = nullptr) {
    Copies out;
    for (const KX_BKIMAGE_COPY& c : KXLayoutBkImage(cx, cy, rect, flags, dx, dy, pClip)) {
        const CRect &d = c.rcDest, &s = c.rcSource;
        EXPECT_TRUE(c.bStretch || d.Size() == s.Size());
        EXPECT_TRUE(s.left >= 0 && s.top >= 0 && s.right <= cx && s.bottom <= cy);
        out.push_back({d.left, d.top, d.right, d.bottom, s.left, s.top});
    }
    return out;
}

TEST(BackImageLayout, TilesAreCutToTheAreaAndToTheClip) {
    EXPECT_EQ(Layout(16, 16, CRect(0, 0, 40, 20), KX_LVBKIF_STYLE_TILE | KX_LVBKIF_STYLE_STRETCH),
              (Copies{{0, 0, 16, 16, 0, 0}, {16, 0, 32, 16, 0, 0}, {32, 0, 40, 16, 0, 0},
                      {0, 16, 16, 20, 0, 0}, {16, 16, 32, 20, 0, 0}, {32, 16, 40, 20, 0, 0}}));
    // Offsets inset the area and space the tiles: columns from 4 by 20, rows
    // from 2 by 18, the last of each cut at 96 and 48.
    const Copies spaced = Layout(16, 16, CRect(0, 0, 100, 50), KX_LVBKIF_STYLE_TILE, 4, 2);
    ASSERT_EQ(15u, spaced.size());
    EXPECT_EQ((std::vector<int>{84, 38, 96, 48, 0, 0}), spaced.back());

    const CRect clip(20, 0, 30, 20);  // the second column only
    EXPECT_EQ(Layout(16, 16, CRect(0, 0, 40, 20), KX_LVBKIF_STYLE_TILE, 0, 0, &clip),
              (Copies{{16, 0, 32, 16, 0, 0}, {16, 16, 32, 20, 0, 0}}));
    // Far from the clip the grid stays anchored at the area's corner, and
    // only the visible tiles are visited.
    const CRect visible(5, 5, 11, 11);
    const Copies distant = Layout(3, 3, CRect(-999999, -999999, 999999, 999999), KX_LVBKIF_STYLE_TILE, 0, 0, &visible);
    ASSERT_EQ(9u, distant.size());
    EXPECT_EQ((std::vector<int>{3, 3, 6, 6, 0, 0}), distant[0]);
    const CRect four(0, 0, 4, 4);
    EXPECT_EQ(16u, Layout(1, 1, CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), KX_LVBKIF_STYLE_TILE, 0, 0, &four).size());
}

TEST(BackImageLayout, StretchAndPlacedOnce) {
    const std::vector<KX_BKIMAGE_COPY> s = KXLayoutBkImage(10, 20, CRect(0, 0, 100, 50), KX_LVBKIF_STYLE_STRETCH, 5, 7);
    ASSERT_EQ(1u, s.size());
    EXPECT_TRUE(s[0].bStretch);
    EXPECT_EQ(CRect(5, 7, 95, 43), s[0].rcDest);
    EXPECT_EQ(CRect(0, 0, 10, 20), s[0].rcSource);
    EXPECT_TRUE(Layout(10, 20, CRect(0, 0, 100, 50), KX_LVBKIF_STYLE_STRETCH, 50, 0).empty());

    const CRect rect(10, 10, 110, 60);
    EXPECT_EQ(Layout(30, 20, rect, KX_LVBKIF_STYLE_NORMAL, 5, 3), (Copies{{15, 13, 45, 33, 0, 0}}));
    // Right and bottom: the inset edge minus the size plus the offset.
    EXPECT_EQ(Layout(30, 20, rect, KX_LVBKIF_ALIGN_RIGHT | KX_LVBKIF_ALIGN_BOTTOM, 5, 3),
              (Copies{{80, 40, 110, 60, 0, 0}}));
    // Centred: half the spare room from the inset edge, plus the offset again;
    // centring wins over the far edge.
    EXPECT_EQ(Layout(20, 10, CRect(0, 0, 100, 40),
                     KX_LVBKIF_ALIGN_HCENTER | KX_LVBKIF_ALIGN_RIGHT | KX_LVBKIF_ALIGN_VCENTER, 10, 0),
              (Copies{{50, 15, 70, 25, 0, 0}}));
    EXPECT_EQ(Layout(300, 200, rect, 0), (Copies{{10, 10, 110, 60, 0, 0}}));  // cut to the area
}

TEST(BackImageLayout, NegativeOriginsStartInsideTheBitmap) {
    // 100 wide centred in 60: x is -20, so column 20 lands at 0; the half is
    // taken toward zero, so 101 wide gives -20 too.
    EXPECT_EQ(Layout(100, 10, CRect(0, 0, 60, 40), KX_LVBKIF_ALIGN_HCENTER), (Copies{{0, 0, 60, 10, 20, 0}}));
    EXPECT_EQ(Layout(101, 10, CRect(0, 0, 60, 40), KX_LVBKIF_ALIGN_HCENTER), (Copies{{0, 0, 60, 10, 20, 0}}));
    // With an offset the copy moves to the offset: (50 - 100) / 2 + 5 + 5.
    EXPECT_EQ(Layout(100, 10, CRect(0, 0, 60, 40), KX_LVBKIF_ALIGN_HCENTER, 5, 0), (Copies{{5, 0, 55, 10, 15, 0}}));
    EXPECT_EQ(Layout(10, 50, CRect(0, 0, 40, 30), KX_LVBKIF_ALIGN_BOTTOM), (Copies{{0, 0, 10, 30, 0, 20}}));
    // The source never runs past the bitmap.
    EXPECT_EQ(Layout(100, 10, CRect(-95, 0, 55, 10), 0), (Copies{{0, 0, 5, 10, 95, 0}}));
    EXPECT_TRUE(Layout(10, 10, CRect(-100, 0, -40, 10), 0).empty());
}

TEST(BackImageLayout, DegenerateAndExtremeInput) {
    EXPECT_TRUE(Layout(0, 16, CRect(0, 0, 40, 20), KX_LVBKIF_STYLE_TILE).empty());
    EXPECT_TRUE(Layout(16, 16, CRect(40, 0, 0, 20), KX_LVBKIF_STYLE_STRETCH).empty());
    // Negative offsets count as 0 (and cannot make the tiling step vanish).
    EXPECT_EQ(Layout(16, 16, CRect(0, 0, 40, 20), KX_LVBKIF_STYLE_TILE, -16, -16),
              Layout(16, 16, CRect(0, 0, 40, 20), KX_LVBKIF_STYLE_TILE));
    // The whole coordinate range overflows nothing (the sanitizers watch).
    const CRect huge(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    for (UINT flags : {0u, KX_LVBKIF_ALIGN_RIGHT | KX_LVBKIF_ALIGN_BOTTOM, KX_LVBKIF_ALIGN_HCENTER,
                       KX_LVBKIF_STYLE_STRETCH})
        for (int off : {0, INT_MAX}) Layout(INT_MAX, INT_MAX, huge, flags, off, off);
}

}  // namespace
