// The outlook bar as a window: what it paints, what its operations tell the
// owner and in which order, child windows on folders, fonts, and a folder
// of 10,000 items.
#include "bars/outbar.h"

#include "outbar_fixture.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

namespace {

using kxtest::OutBarTest;
using Seq = std::vector<std::string>;

TEST_F(OutBarTest, PaintShowsButtonsFrameIconsAndCaptions) {
    CKXOutBarCtrl bar;
    Make(bar, OUTBAR_SMALLICONS | OUTBAR_DRAGITEMS);
    EXPECT_EQ(static_cast<DWORD>(OUTBAR_SMALLICONS | OUTBAR_DRAGITEMS), bar.GetFlag());  // replaced, not merged
    bar.GetBarFolder(0)->SetSmallIcons(FALSE);
    bar.EnableItem(0, 1, false);
    kxtest::Capture shot = kxtest::PrintClient(bar.m_hWnd);
    kxtest::WritePng(shot, "large");
    const CKXAuxData& aux = CKXAuxData::Get();
    // Folder 0's button: light top and left, shadow right and bottom, face inside.
    EXPECT_PIXEL(shot, 1, 0, aux.clrBtnHilite);
    EXPECT_PIXEL(shot, 199, 10, aux.clrBtnShadow);
    EXPECT_PIXEL(shot, 5, 10, aux.clrBtnFace);
    EXPECT_RECT_CONTAINS(shot, CRect(60, 3, 140, 18), RGB(0, 0, 0));  // "Mail"
    // The inside: shadow grey framed by the window frame colour.
    EXPECT_PIXEL(shot, 0, 100, aux.clrWindowFrame);
    EXPECT_PIXEL(shot, 10, 100, aux.clrBtnShadow);
    // Item 0's icon centred below the button, its caption under it.
    CRect rcIcon;
    bar.GetIconRect(0, 0, rcIcon);
    EXPECT_EQ(CRect(84, 26, 116, 59), rcIcon);
    EXPECT_RECT_COLOUR(shot, CRect(84, 26, 116, 58), kxtest::kIconColors[0]);
    EXPECT_RECT_CONTAINS(shot, CRect(60, 61, 140, 80), aux.clrWindow);
    // Item 1 disabled: an embossed icon, an engraved caption.
    bar.GetIconRect(0, 1, rcIcon);
    EXPECT_NE(kxtest::kIconColors[1], shot.At(rcIcon.CenterPoint().x, rcIcon.CenterPoint().y));
    // The other buttons at the bottom.
    EXPECT_PIXEL(shot, 1, 257, aux.clrBtnHilite);
    EXPECT_PIXEL(shot, 1, 279, aux.clrBtnHilite);

    // Small icons beside their captions, in the application's colours.
    bar.SetSelFolder(1);
    bar.SetBackColor(RGB(250, 240, 200));
    bar.SetTextColor(RGB(0, 0, 128));
    kxtest::PumpUntilIdle();
    shot = kxtest::PrintClient(bar.m_hWnd);
    kxtest::WritePng(shot, "small");
    CRect rcItem;
    bar.GetItemRect(1, 0, rcItem);
    const int yIcon = rcItem.top + (rcItem.Height() - 16) / 2;
    EXPECT_RECT_COLOUR(shot, CRect(6, yIcon, 22, yIcon + 16), kxtest::kIconColors[4]);
    EXPECT_RECT_CONTAINS(shot, CRect(26, rcItem.top, 120, rcItem.bottom), RGB(0, 0, 128));
    EXPECT_PIXEL(shot, 150, 200, RGB(250, 240, 200));

    // Without folders: the background everywhere.
    CKXOutBarCtrl empty;
    ASSERT_TRUE(empty.Create(WS_CHILD | WS_VISIBLE, CRect(210, 0, 310, 100), &m_parent, 101));
    EXPECT_RECT_COLOUR(kxtest::PrintClient(empty.m_hWnd), CRect(1, 1, 99, 99), aux.clrBtnShadow);
}

TEST_F(OutBarTest, FolderChangesAskTheOwnerAndMoveChildWindows) {
    CKXOutBarCtrl bar;
    Make(bar);
    m_replies[OBN_FOLDERCHANGE] = 0;
    bar.SetSelFolder(2);
    EXPECT_EQ(Seq{"5:2,-1,-1,-1,-1,T,Tree"}, Notes());
    EXPECT_EQ(0, bar.GetSelFolder());

    m_replies[OBN_FOLDERCHANGE] = 1;
    bar.SetSelFolder(2);
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(m_child.IsWindowVisible());
    CRect rcChild, rcInside;
    auto childOnInside = [&] {
        m_child.GetWindowRect(&rcChild);
        bar.ScreenToClient(&rcChild);
        bar.GetInsideRect(rcInside);
        return rcChild == rcInside;
    };
    EXPECT_TRUE(childOnInside());
    bar.MoveWindow(0, 0, 180, 260);  // resizing moves the children too
    EXPECT_TRUE(childOnInside());

    // Back to an item folder: the child hides; the current folder is asked
    // for again and its selection reset; a refused change selects nothing.
    bar.SetSelItem(0, 2);
    EXPECT_FALSE(m_child.IsWindowVisible());
    EXPECT_EQ(2, bar.GetCurSel());
    Notes();
    bar.SetSelFolder(0);
    EXPECT_EQ(Seq{"5:0,-1,-1,-1,-1,T,Mail"}, Notes());
    EXPECT_EQ(-1, bar.GetCurSel());
    m_replies[OBN_FOLDERCHANGE] = 2;
    bar.SetSelItem(1, 0);
    EXPECT_EQ(0, bar.GetSelFolder());
    EXPECT_EQ(-1, bar.GetCurSel());
}

TEST_F(OutBarTest, RemovalsAndDestructionTellTheOwnerInOrder) {
    CKXOutBarCtrl bar;
    Make(bar);
    m_replies[OBN_ITEMDELETE] = 0;
    bar.RemoveItem(1);
    bar.RemoveItem(4);  // no such item: not even asked
    EXPECT_EQ(Seq{"7:1,-1,-1,-1,-1,F,Calendar"}, Notes());
    EXPECT_EQ(4, bar.GetItemCount());
    m_replies[OBN_ITEMDELETE] = 1;
    bar.SetSelItem(0, 1);
    bar.RemoveItem(1);
    EXPECT_EQ("Contacts", bar.GetItemText(1));
    EXPECT_EQ(-1, bar.GetCurSel());
    // Every item from the last, replies ignored.
    m_replies[OBN_ITEMDELETE] = 0;
    Notes();
    bar.RemoveAllItems(1, true);
    EXPECT_EQ((Seq{"7:1,-1,-1,-1,-1,F,Journal", "7:0,-1,-1,-1,-1,F,Notes"}), Notes());
    EXPECT_EQ(0, bar.GetBarFolder(1)->GetItemCount());

    // Folders: the selection moves to the folder before the removed one;
    // the child window is the application's.
    bar.SetSelFolder(2);
    Notes();
    bar.RemoveFolder(1);
    EXPECT_EQ(Seq{"8:1,-1,-1,-1,-1,T,Small"}, Notes());
    EXPECT_EQ(0, bar.GetSelFolder());
    EXPECT_TRUE(::IsWindow(m_child.m_hWnd));

    // Destroyed: every item, then its folder, in order; the objects stay.
    bar.DestroyWindow();
    EXPECT_EQ((Seq{"7:0,-1,-1,-1,-1,F,Inbox", "7:1,-1,-1,-1,-1,F,Contacts", "7:2,-1,-1,-1,-1,F,Tasks",
                   "8:0,-1,-1,-1,-1,T,Mail", "8:1,-1,-1,-1,-1,T,Tree"}),
              Notes());
    EXPECT_EQ(2, bar.GetFolderCount());
}

TEST_F(OutBarTest, AFontChangeMovesTheItems) {
    CKXOutBarCtrl bar;
    Make(bar);
    const int cyBefore = bar.GetItemSize(0, 0, 2).cy;
    CFont big;
    big.CreatePointFont(200, "Arial");
    bar.SetFontX(&big);
    EXPECT_NE(big.GetSafeHandle(), bar.GetFontX()->GetSafeHandle());  // a copy
    const int cyLabel = bar.GetItemSize(0, 0, 2).cy;
    EXPECT_GT(cyLabel, cyBefore);
    CRect rc;
    bar.GetItemRect(0, 1, rc);
    EXPECT_EQ(21 + 32 + 3 + 8 + cyLabel + 8 + 5, rc.top);
}

// Counts the items painted, and scrolls at will.
class CountingBar : public CKXOutBarCtrl {
public:
    void DrawItem(CDC* pDC, int nFolder, CRect rc, int nIndex, BOOL bOnlyImage) override {
        ++nDrawn;
        nLastDrawn = nIndex;
        CKXOutBarCtrl::DrawItem(pDC, nFolder, rc, nIndex, bOnlyImage);
    }
    void ScrollTo(int nFirst) { m_nFirstItem = nFirst; }
    BOOL DownShown() const { return m_bDownArrowVisible; }
    CPoint DownButton() const { return m_rcDownArrow.CenterPoint(); }
    // Items from the first shown whose top is not below the inside rectangle.
    int Showing() {
        CRect rcInside, rc;
        GetInsideRect(rcInside);
        int n = 0;
        for (int i = m_nFirstItem; i < GetItemCount() && GetItemRect(m_nSelFolder, i, rc) && rc.top <= rcInside.bottom; ++i)
            ++n;
        return n;
    }
    int nDrawn = 0;
    int nLastDrawn = -1;
};

TEST_F(OutBarTest, TenThousandItemsScrollAndPaintOnlyWhatShows) {
    CountingBar bar;
    Make(bar);
    bar.RemoveAllItems(0, false);
    for (int i = 0; i < 10000; ++i) {
        CString s;
        s.Format("Item %d", i);
        bar.InsertItem(0, -1, s, i % kxtest::kIconCount);
    }
    auto painted = [&] {
        bar.nDrawn = 0;
        kxtest::PrintClient(bar.m_hWnd);
        return bar.nDrawn;
    };
    EXPECT_LE(bar.Showing(), 5);
    EXPECT_EQ(bar.Showing(), painted());
    bar.ScrollTo(9990);
    EXPECT_EQ(bar.Showing(), painted());
    EXPECT_EQ(9990 + bar.Showing() - 1, bar.nLastDrawn);

    // The down button takes it to the end one item a click, then goes.
    int nClicks = 0;
    for (; bar.DownShown() && nClicks < 20; ++nClicks) {
        kxtest::PostMouseDown(bar.m_hWnd, bar.DownButton());
        kxtest::PostMouseUp(bar.m_hWnd, bar.DownButton());
        kxtest::PumpUntilIdle();
    }
    int nFirst = 0, nLast = 0;
    bar.GetVisibleRange(0, nFirst, nLast);
    EXPECT_GT(nClicks, 0);
    EXPECT_EQ(9990 + nClicks, nFirst);
    EXPECT_EQ(9999, nLast);
}

}  // namespace
