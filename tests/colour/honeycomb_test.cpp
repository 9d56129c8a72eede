#include "colour/honeycomb.h"

#include <gtest/gtest.h>

namespace {

TEST(Honeycomb, PositionsAndColours) {
    EXPECT_EQ(CPoint(58, 7), KXHoneyCell(0)->pt);
    EXPECT_EQ(0x663300u, KXHoneyCell(0)->clr);
    EXPECT_EQ(CPoint(16, 79), KXHoneyCell(57)->pt);   // first of the 13-cell row
    EXPECT_EQ(0xFFFFFFu, KXHoneyCell(63)->clr);       // its middle
    EXPECT_EQ(CPoint(58, 151), KXHoneyCell(120)->pt);
    EXPECT_EQ(0x2100A5u, KXHoneyCell(126)->clr);
    EXPECT_EQ(CPoint(51, 176), KXHoneyCell(127)->pt);
    EXPECT_EQ(CPoint(142, 188), KXHoneyCell(141)->pt);
    EXPECT_EQ(CPoint(16, 176), KXHoneyCell(KXHONEY_WHITE)->pt);
    EXPECT_EQ(0x000000u, KXHoneyCell(KXHONEY_BLACK)->clr);
    EXPECT_EQ(nullptr, KXHoneyCell(-1));
    EXPECT_EQ(nullptr, KXHoneyCell(KXHONEY_CELLS));
    EXPECT_EQ(63, KXHoneyFindColor(0xFFFFFF));  // first white wins
    EXPECT_EQ(-1, KXHoneyFindColor(0x123456));
}

TEST(Honeycomb, EveryCellHitsItselfAndCellsDoNotOverlap) {
    for (int i = 0; i < KXHONEY_CELLS; ++i)
        EXPECT_EQ(i, KXHoneyCellFromPoint(KXHoneyCell(i)->pt)) << i;
    // Scan the page: no point strictly inside two hexagons.
    const CRect rc = KXHoneyBounds();
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            int n = 0;
            for (int i = 0; i < KXHONEY_CELLS; ++i)
                n += KXHoneyHit(i, CPoint(x, y)) && KXHoneyHit(i, CPoint(x - 1, y)) &&
                     KXHoneyHit(i, CPoint(x + 1, y)) && KXHoneyHit(i, CPoint(x, y - 1)) &&
                     KXHoneyHit(i, CPoint(x, y + 1));
            ASSERT_LE(n, 1) << x << "," << y;
        }
    EXPECT_EQ(-1, KXHoneyCellFromPoint(CPoint(0, 0)));
    EXPECT_EQ(-1, KXHoneyCellFromPoint(CPoint(190, 10)));
    // Rows interlock: a point between two rows belongs to one of them.
    EXPECT_EQ(0, KXHoneyCellFromPoint(CPoint(58, 13)));
    EXPECT_EQ(8, KXHoneyCellFromPoint(CPoint(65, 16)));
}

TEST(Honeycomb, NeighboursAreConsistent) {
    for (int i = 0; i < KXHONEY_CELLS; ++i) {
        const KX_HONEY_CELL* c = KXHoneyCell(i);
        if (c->nNext[KXHONEY_RIGHT] >= 0) {
            EXPECT_EQ(i, KXHoneyCell(c->nNext[KXHONEY_RIGHT])->nNext[KXHONEY_LEFT]) << i;
        }
        for (int k = 0; k < 4; ++k)
            EXPECT_NE(i, c->nNext[k]);
    }
    const KX_HONEY_CELL* c0 = KXHoneyCell(0);
    EXPECT_EQ(-1, c0->nNext[KXHONEY_LEFT]);
    EXPECT_EQ(-1, c0->nNext[KXHONEY_UP]);
    EXPECT_EQ(1, c0->nNext[KXHONEY_RIGHT]);
    EXPECT_EQ(8, c0->nNext[KXHONEY_DOWN]);          // half a step right, one row down
    EXPECT_EQ(0, KXHoneyCell(8)->nNext[KXHONEY_UP]);  // and back
    // The grey rows join the honeycomb and the large cells close the first one.
    EXPECT_EQ(128, KXHoneyCell(120)->nNext[KXHONEY_DOWN]);
    EXPECT_EQ(KXHONEY_WHITE, KXHoneyCell(127)->nNext[KXHONEY_LEFT]);
    EXPECT_EQ(KXHONEY_BLACK, KXHoneyCell(134)->nNext[KXHONEY_RIGHT]);
    EXPECT_EQ(127, KXHoneyCell(135)->nNext[KXHONEY_UP]);
    EXPECT_EQ(-1, KXHoneyCell(KXHONEY_WHITE)->nNext[KXHONEY_DOWN]);
}

}  // namespace
