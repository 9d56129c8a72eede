#include "bars/outbar_layout.h"

#include "outbar_fake.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kxtest::FakeOutBar;

// Three folders, the second selected, in a 200 x 300 client area: the
// inside rectangle spans y = 43 to 278.  Folder 1 (large icons) holds
// "Inbox", "Item 1", ...; folder 2 (small icons) "Calendars!" (50 pixels).
void Fill(FakeOutBar& bar, int nItems) {
    bar.AddFolder("Zero", 0);
    bar.AddFolder("One", 0);
    bar.AddFolder("Two", 0);
    bar.GetBarFolder(2)->SetSmallIcons(TRUE);
    bar.SelFolderField() = 1;
    for (int i = 0; i < nItems; ++i) {
        CString s;
        s.Format("Item %d", i);
        bar.InsertItem(1, -1, i == 0 ? CString("Inbox") : s, i);
        bar.InsertItem(2, -1, "Calendars!", i);
    }
}

CRect Rect(BOOL (CKXOutBarLayout::*fn)(int, int, CRect&), CKXOutBarLayout& bar, int nFolder, int nIndex) {
    CRect rc;
    (bar.*fn)(nFolder, nIndex, rc);
    return rc;
}

TEST(OutBarLayout, ButtonsStackAroundTheInsideRectangle) {
    FakeOutBar bar;
    CRect rc(1, 2, 3, 4);
    EXPECT_FALSE(bar.GetFolderRect(0, rc));
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    bar.GetInsideRect(rc);
    EXPECT_EQ(bar.rcClient, rc);  // no folders: all of it
    int n = 7;
    EXPECT_EQ(OBHT_NOWHERE, bar.HitTestEx(CPoint(10, 10), n));

    Fill(bar, 0);
    const CRect expected[] = {CRect(0, -1, 200, 21), CRect(0, 21, 200, 43), CRect(0, 278, 200, 300)};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bar.GetFolderRect(i, rc));
        EXPECT_EQ(expected[i], rc);
    }
    EXPECT_FALSE(bar.GetFolderRect(3, rc));
    bar.GetInsideRect(rc);
    EXPECT_EQ(CRect(0, 43, 200, 278), rc);
    // Buttons are hit first; their edges are half open.
    EXPECT_EQ(OBHT_FOLDER, bar.HitTestEx(CPoint(199, 21), n));
    EXPECT_EQ(1, n);
    EXPECT_EQ(OBHT_NOWHERE, bar.HitTestEx(CPoint(200, 30), n));
}

TEST(OutBarLayout, ItemsOfBothViews) {
    FakeOutBar bar;
    Fill(bar, 5);
    // Large: 32 + 3 + 8 + 13 = 56 high, 64 from one item to the next; the
    // icon one pixel taller than the image; the caption 3 below it.
    EXPECT_EQ(CSize(32, 56), bar.GetItemSize(1, 0, 3));
    EXPECT_EQ(CSize(0, 0), bar.GetItemSize(1, 0, 4));
    EXPECT_EQ(CRect(0, 48, 200, 104), Rect(&CKXOutBarLayout::GetItemRect, bar, 1, 0));
    EXPECT_EQ(CRect(84, 48, 116, 81), Rect(&CKXOutBarLayout::GetIconRect, bar, 1, 0));
    EXPECT_EQ(CRect(84, 84, 116, 97), Rect(&CKXOutBarLayout::GetLabelRect, bar, 1, 0));
    EXPECT_EQ(CRect(0, 112, 200, 168), Rect(&CKXOutBarLayout::GetItemRect, bar, 1, 1));
    CRect rc;
    EXPECT_FALSE(bar.GetItemRect(1, 5, rc));
    int n = -1;
    EXPECT_EQ(OBHT_ITEM, bar.HitTestEx(CPoint(100, 82), n));     // the gap above the caption
    EXPECT_EQ(OBHT_NOWHERE, bar.HitTestEx(CPoint(10, 60), n));   // the margin left of the icon
    EXPECT_EQ(OBHT_NOWHERE, bar.HitTestEx(CPoint(100, 100), n)); // the spacing below the caption
    // A caption wider than the column wraps; an empty one measures nothing;
    // no image (or one past the list's end) no icon; without an image list
    // the caption still counts.
    bar.SetItemText(1, CString('x', 50));
    EXPECT_EQ(CSize(200, 26), bar.GetItemSize(1, 1, 2));
    bar.SetItemText(1, "");
    EXPECT_EQ(CSize(32, 32 + 11), bar.GetItemSize(1, 1, 3));
    bar.nImages = 1;
    EXPECT_EQ(CSize(0, 11), bar.GetItemSize(1, 1, 3));
    bar.SetImageList(nullptr, OUTBAR_IMAGE_LARGE);
    EXPECT_EQ(CSize(25, 24), bar.GetItemSize(1, 0, 3));

    // Small: (4 + 50 + 16, 16), 26 apart; the whole row hits.
    bar.nImages = 1000;
    bar.SelFolderField() = 2;  // inside 65 to 300
    EXPECT_EQ(CSize(70, 16), bar.GetItemSize(2, 0, 3));
    EXPECT_EQ(CRect(5, 70, 70, 86), Rect(&CKXOutBarLayout::GetItemRect, bar, 2, 0));
    EXPECT_EQ(CRect(7, 70, 23, 86), Rect(&CKXOutBarLayout::GetIconRect, bar, 2, 0));
    EXPECT_EQ(CRect(7, 75, 77, 91), Rect(&CKXOutBarLayout::GetLabelRect, bar, 2, 0));
    EXPECT_EQ(CRect(5, 96, 70, 112), Rect(&CKXOutBarLayout::GetItemRect, bar, 2, 1));
    EXPECT_EQ(OBHT_ITEM, bar.HitTestEx(CPoint(69, 100), n));
    EXPECT_EQ(1, n);
    EXPECT_EQ(OBHT_NOWHERE, bar.HitTestEx(CPoint(70, 100), n));
    EXPECT_EQ(OBHT_NOWHERE, bar.HitTestEx(CPoint(30, 90), n));  // between two rows
}

TEST(OutBarLayout, ScrollingMovesLaterItemsAndTheButtonsFollow) {
    FakeOutBar bar;
    Fill(bar, 5);
    int nFirst = -1, nLast = -1, n = -1;
    bar.GetVisibleRange(1, nFirst, nLast);
    EXPECT_EQ(2, nLast);  // item 3 ends at 296, below 278
    bar.LayoutScrollButtons(16);
    EXPECT_FALSE(bar.UpVisible());
    EXPECT_TRUE(bar.DownVisible());
    EXPECT_EQ(CRect(179, 48, 195, 64), bar.UpRect());
    EXPECT_EQ(CRect(179, 257, 195, 273), bar.DownRect());

    bar.FirstItem() = 1;  // later items one item up; earlier ones stay
    EXPECT_EQ(CRect(0, 48, 200, 104), Rect(&CKXOutBarLayout::GetItemRect, bar, 1, 1));
    EXPECT_EQ(CRect(0, 48, 200, 104), Rect(&CKXOutBarLayout::GetItemRect, bar, 1, 0));
    bar.LayoutScrollButtons(16);
    EXPECT_EQ(OBHT_SCROLLUP, bar.HitTestEx(CPoint(180, 50), n));  // before the item under it
    EXPECT_EQ(OBHT_SCROLLDOWN, bar.HitTestEx(CPoint(194, 272), n));
    EXPECT_EQ(-1, n);

    bar.FirstItem() = 2;  // the last item fits: no down button
    EXPECT_FALSE(bar.CanScrollDown());
    bar.LayoutScrollButtons(16);
    EXPECT_TRUE(bar.UpVisible());
    EXPECT_FALSE(bar.DownVisible());

    // A first item that sticks out leaves the range empty; a position past
    // the end leaves nLast alone.
    bar.rcClient.bottom = 100;
    bar.FirstItem() = 0;
    bar.GetVisibleRange(1, nFirst, nLast);
    EXPECT_EQ(-1, nLast);
    bar.FirstItem() = 5;
    bar.GetVisibleRange(1, nFirst, nLast);
    EXPECT_EQ(-1, nLast);
    bar.LayoutScrollButtons(16);
    EXPECT_FALSE(bar.DownVisible());
}

TEST(OutBarLayout, DropTargetsAndMarks) {
    FakeOutBar bar;
    Fill(bar, 2);  // items end at y = 168
    int n = -1;
    EXPECT_EQ(KX_DROP_ITEM, bar.GetDropTarget(CPoint(100, 120), n));
    EXPECT_EQ(1, n);
    EXPECT_EQ(KX_DROP_END, bar.GetDropTarget(CPoint(100, 200), n));
    EXPECT_EQ(2, n);
    EXPECT_EQ(KX_DROP_NONE, bar.GetDropTarget(CPoint(250, 200), n));  // beside the bar
    EXPECT_EQ(KX_DROP_NONE, bar.GetDropTarget(CPoint(100, 290), n));  // no OUTBAR_DROPONFOLDERS
    bar.Flags() |= OUTBAR_DROPONFOLDERS;
    EXPECT_EQ(KX_DROP_FOLDER, bar.GetDropTarget(CPoint(100, 290), n));
    EXPECT_EQ(2, n);
    EXPECT_EQ(KX_DROP_NONE, bar.GetDropTarget(CPoint(100, 30), n));  // the selected folder

    CRect rc;
    EXPECT_EQ(0, bar.GetDragItemRect(0, rc));  // above item 0 (at 48)
    EXPECT_EQ(CRect(2, 46, 198, 51), rc);
    EXPECT_EQ(1, bar.GetDragItemRect(1, rc));  // above item 1 (at 112)
    EXPECT_EQ(CRect(2, 99, 198, 108), rc);
    EXPECT_EQ(2, bar.GetDragItemRect(7, rc));  // below the last (ending at 168)
    EXPECT_EQ(CRect(2, 174, 198, 179), rc);
    EXPECT_EQ(CRect(2, 173, 198, 180), CKXOutBarLayout::DropMarkBounds(rc));
    bar.SelFolderField() = 2;
    EXPECT_EQ(1, bar.GetDragItemRect(1, rc));  // small view: 8 lower
    EXPECT_EQ(CRect(2, 91, 198, 100), rc);
}

TEST(OutBarLayout, EachItemIsMeasuredOnceUntilSomethingMovesIt) {
    FakeOutBar bar;
    bar.AddFolder("Many", 0);  // inside from y = 21
    for (int i = 0; i < 10000; ++i) bar.InsertItem(0, -1, "Item", i % 5);
    bar.FirstItem() = 9990;
    CRect rc;
    ASSERT_TRUE(bar.GetItemRect(0, 9995, rc));
    EXPECT_EQ(CRect(0, 21 + 5 * 64 + 5, 200, 21 + 5 * 64 + 5 + 56), rc);
    EXPECT_EQ(9996, bar.nMeasured);
    // Laying out what shows measures nothing more; scrolling measures the rest once.
    int nFirst = 0, nLast = 0;
    bar.GetVisibleRange(0, nFirst, nLast);
    bar.LayoutScrollButtons(16);
    EXPECT_EQ(9993, nLast);
    EXPECT_EQ(9996, bar.nMeasured);
    EXPECT_TRUE(bar.CanScrollDown());
    EXPECT_TRUE(bar.CanScrollDown());
    EXPECT_EQ(10000, bar.nMeasured);
    // A caption changed through the item itself (two lines now), a new font,
    // a narrower column: measured again.
    bar.FirstItem() = 0;
    bar.GetBarFolderItem(0, 3)->SetName("A much longer caption than before that wraps");
    bar.GetItemRect(0, 5, rc);
    EXPECT_EQ(21 + 5 * 64 + 13 + 5, rc.top);
    EXPECT_EQ(10006, bar.nMeasured);
    bar.InvalidateLayout();
    bar.GetItemRect(0, 100, rc);
    EXPECT_EQ(10107, bar.nMeasured);
    bar.rcClient.right = 150;
    bar.GetItemRect(0, 100, rc);
    EXPECT_EQ(10208, bar.nMeasured);
}

TEST(OutBarLayout, JiggleRenameAndToolBoxGeometry) {
    int nStep = -1, dx = 9, dy = 9;
    std::string seq;
    for (int t = 0; t < 13; ++t)
        seq += CKXOutBarLayout::JiggleStep(nStep, dx, dy) ? "(" + std::to_string(dx) + "," + std::to_string(dy) + ")" : ".";
    EXPECT_EQ("(-1,1)(0,0)(1,1)(0,0)........(-1,1)", seq);

    FakeOutBar bar;
    Fill(bar, 2);
    // Large view: centred on the column, 6 wider each side, 2 taller, 1 up;
    // small view: right of the icon, 6 up, 1 taller at each end.
    EXPECT_EQ(CRect(79, 81, 121, 98), bar.GetItemEditRect(0, 30));
    bar.SelFolderField() = 2;
    EXPECT_EQ(CRect(24, 68, 94, 86), bar.GetItemEditRect(0, 50));
    // Kept within the inside rectangle less 5 (x 5 to 195); while typing
    // never narrower than at the start, centred or growing right.
    EXPECT_EQ(CRect(-10, 0, 195, 20), bar.ClampEditRect(CRect(-10, 0, 250, 20), TRUE));
    const CRect rcStart(80, 10, 120, 30);
    EXPECT_EQ(rcStart, bar.FitEditRect(rcStart, 10, FALSE));
    EXPECT_EQ(CRect(56, 10, 144, 30), bar.FitEditRect(rcStart, 76, FALSE));
    EXPECT_EQ(CRect(5, 10, 195, 30), bar.FitEditRect(rcStart, 500, FALSE));

    // Tool box rows: full width less 2, 4 taller, short of a shown button beside them.
    const CRect rcInside(0, 43, 200, 278), rcUp(179, 48, 195, 64), rcDown(179, 257, 195, 273);
    auto row = [&](int top, int bottom, BOOL bUp, BOOL bDown) {
        return CKXOutBarLayout::ToolBoxRow(CRect(7, top, 23, bottom), rcInside, 2, 4, bUp, rcUp, bDown, rcDown, 16);
    };
    EXPECT_EQ(CRect(2, 96, 198, 124), row(100, 120, TRUE, TRUE));
    EXPECT_EQ(CRect(2, 46, 176, 66), row(50, 62, TRUE, FALSE));
    EXPECT_EQ(CRect(2, 46, 198, 66), row(50, 62, FALSE, TRUE));
    EXPECT_EQ(CRect(2, 250, 176, 270), row(254, 266, FALSE, TRUE));
}

}  // namespace
