// The outlook bar as a window: what it paints, what its operations tell the
// owner and in which order, child windows on folders, and a folder of
// 10,000 items.
#include "bars/outbar.h"

#include "outbar_fixture.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using kxtest::OutBarTest;
using Seq = std::vector<std::string>;

const CKXAuxData& Aux() { return CKXAuxData::Get(); }

TEST_F(OutBarTest, CreationSetsTheFlagsAndTheDefaults) {
    CKXOutBarCtrl bar;
    EXPECT_EQ(static_cast<DWORD>(OUTBAR_DEFAULTFLAGS), bar.GetFlag());
    EXPECT_EQ(10, bar.GetAnimationTickCount());
    EXPECT_EQ(-1, bar.GetCurSel());
    EXPECT_EQ(-1, bar.GetHilightItem());
    LOGFONTA lfStock = {}, lfBar = {};
    CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)))->GetLogFont(&lfStock);
    ASSERT_NE(nullptr, bar.GetFontX()->GetSafeHandle());
    bar.GetFontX()->GetLogFont(&lfBar);
    EXPECT_STREQ(lfStock.lfFaceName, lfBar.lfFaceName);
    EXPECT_NE(::GetStockObject(DEFAULT_GUI_FONT), bar.GetFontX()->GetSafeHandle());  // a copy

    // The flags word is replaced, not merged; a failed creation keeps it.
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &m_parent, 7, OUTBAR_SMALLICONS));
    EXPECT_EQ(static_cast<DWORD>(OUTBAR_SMALLICONS), bar.GetFlag());
    EXPECT_EQ(7, bar.GetDlgCtrlID());
    EXPECT_EQ(0, bar.GetWindowTextLength());
    bar.ModifyFlag(OUTBAR_SMALLICONS, OUTBAR_DRAGITEMS | OUTBAR_DROPONFOLDERS, true);
    EXPECT_EQ(static_cast<DWORD>(OUTBAR_DRAGITEMS | OUTBAR_DROPONFOLDERS), bar.GetFlag());
    std::unique_ptr<CObject> pMade(RUNTIME_CLASS(CKXOutBarCtrl)->CreateObject());
    EXPECT_TRUE(pMade && pMade->IsKindOf(RUNTIME_CLASS(CKXOutBarCtrl)));
    CKXOutBarCtrl orphan;
    EXPECT_FALSE(orphan.CreateEx(0, WS_CHILD, CRect(0, 0, 10, 10), nullptr, 1, 0));
    EXPECT_EQ(static_cast<DWORD>(OUTBAR_DEFAULTFLAGS), orphan.GetFlag());
}

TEST_F(OutBarTest, PaintShowsButtonsFrameIconsAndCaptions) {
    CKXOutBarCtrl bar;
    Make(bar);
    const kxtest::Capture shot = kxtest::PrintClient(bar.m_hWnd);
    kxtest::WritePng(shot, "large");
    const CKXAuxData& aux = Aux();
    // Folder 0's button: white top and left, shadow right and bottom, face inside.
    EXPECT_PIXEL(shot, 1, 0, aux.clrBtnHilite);
    EXPECT_PIXEL(shot, 0, 10, aux.clrBtnHilite);
    EXPECT_PIXEL(shot, 199, 10, aux.clrBtnShadow);
    EXPECT_PIXEL(shot, 10, 20, aux.clrBtnShadow);
    EXPECT_PIXEL(shot, 5, 10, aux.clrBtnFace);
    EXPECT_RECT_CONTAINS(shot, CRect(60, 3, 140, 18), RGB(0, 0, 0));  // "Mail"
    // The inside: shadow grey in a frame of the window frame colour.
    EXPECT_PIXEL(shot, 100, 21, aux.clrWindowFrame);
    EXPECT_PIXEL(shot, 0, 100, aux.clrWindowFrame);
    EXPECT_PIXEL(shot, 199, 100, aux.clrBtnShadow);
    EXPECT_PIXEL(shot, 10, 100, aux.clrBtnShadow);
    // Item 0: its 32-pixel icon centred below the button, caption under it in the window colour.
    CRect rcIcon;
    bar.GetIconRect(0, 0, rcIcon);
    EXPECT_EQ(CRect(84, 26, 116, 59), rcIcon);
    EXPECT_RECT_COLOUR(shot, CRect(84, 26, 116, 58), kxtest::kIconColors[0]);
    EXPECT_PIXEL(shot, 83, 40, aux.clrBtnShadow);
    EXPECT_RECT_CONTAINS(shot, CRect(60, 61, 140, 80), aux.clrWindow);
    // The other buttons at the bottom, no scroll buttons (everything fits).
    EXPECT_PIXEL(shot, 5, 267, aux.clrBtnFace);
    EXPECT_PIXEL(shot, 1, 257, aux.clrBtnHilite);
    EXPECT_PIXEL(shot, 1, 279, aux.clrBtnHilite);
    int nIndex = -1;
    EXPECT_EQ(OBHT_FOLDER, bar.HitTestEx(CPoint(100, 290), nIndex));
    EXPECT_EQ(2, nIndex);

    // Small icons: beside their captions, two pixels in from the button's edge.
    bar.SetSelFolder(1);
    kxtest::PumpUntilIdle();
    const kxtest::Capture small = kxtest::PrintClient(bar.m_hWnd);
    kxtest::WritePng(small, "small");
    CRect rcItem;
    bar.GetItemRect(1, 0, rcItem);
    const int yIcon = rcItem.top + (rcItem.Height() - 16) / 2;
    EXPECT_RECT_COLOUR(small, CRect(6, yIcon, 22, yIcon + 16), kxtest::kIconColors[4]);
    EXPECT_RECT_CONTAINS(small, CRect(26, rcItem.top, 120, rcItem.bottom), aux.clrWindow);

    // Without folders: the background everywhere, in its frame.
    CKXOutBarCtrl empty;
    ASSERT_TRUE(empty.Create(WS_CHILD | WS_VISIBLE, CRect(210, 0, 310, 100), &m_parent, 101));
    const kxtest::Capture none = kxtest::PrintClient(empty.m_hWnd);
    EXPECT_RECT_COLOUR(none, CRect(1, 1, 99, 99), aux.clrBtnShadow);
}

TEST_F(OutBarTest, DisabledItemsAndColours) {
    CKXOutBarCtrl bar;
    Make(bar);
    bar.EnableItem(0, 0, false);
    bar.SetBackColor(RGB(250, 240, 200));
    bar.SetTextColor(RGB(0, 0, 128));
    bar.SetItemText(1, "Calendar");
    const kxtest::Capture shot = kxtest::PrintClient(bar.m_hWnd);
    kxtest::WritePng(shot, "disabled");
    CRect rcIcon, rcLabel;
    bar.GetIconRect(0, 0, rcIcon);
    bar.GetLabelRect(0, 1, rcLabel);
    EXPECT_PIXEL(shot, 10, 100, RGB(250, 240, 200));
    // Classic look: an embossed icon, no longer red; an engraved caption
    // (a window-coloured copy under a shadow-coloured one).
    EXPECT_NE(kxtest::kIconColors[0], shot.At(rcIcon.CenterPoint().x, rcIcon.CenterPoint().y));
    EXPECT_RECT_CONTAINS(shot, CRect(0, rcIcon.bottom, 200, rcIcon.bottom + 20), Aux().clrBtnShadow);
    EXPECT_RECT_CONTAINS(shot, CRect(0, rcIcon.bottom, 200, rcIcon.bottom + 20), Aux().clrWindow);
    // An enabled caption in the application's colour.
    EXPECT_RECT_CONTAINS(shot, rcLabel, RGB(0, 0, 128));
}

TEST_F(OutBarTest, FolderChangesAskTheOwnerAndMoveChildWindows) {
    CKXOutBarCtrl bar;
    Make(bar);
    m_replies[OBN_FOLDERCHANGE] = 0;
    bar.SetSelFolder(2);
    EXPECT_EQ(Seq{"5:2,-1,-1,-1,-1,T,Tree"}, Notes());
    EXPECT_EQ(0, bar.GetSelFolder());
    EXPECT_FALSE(m_child.IsWindowVisible());

    m_replies[OBN_FOLDERCHANGE] = 1;
    bar.SetSelFolder(2);
    kxtest::PumpUntilIdle();
    Notes();
    EXPECT_EQ(2, bar.GetSelFolder());
    EXPECT_TRUE(m_child.IsWindowVisible());
    CRect rcChild, rcInside;
    m_child.GetWindowRect(&rcChild);
    bar.ScreenToClient(&rcChild);
    bar.GetInsideRect(rcInside);
    EXPECT_EQ(rcInside, rcChild);
    EXPECT_EQ(&m_child, bar.GetFolderChild(-1));
    EXPECT_EQ(12u, bar.GetFolderData(-1));

    // Resizing puts every child on the new inside rectangle.
    bar.MoveWindow(0, 0, 180, 260);
    m_child.GetWindowRect(&rcChild);
    bar.ScreenToClient(&rcChild);
    bar.GetInsideRect(rcInside);
    EXPECT_EQ(rcInside, rcChild);

    // Back to an item folder: the child hides; asking for the current folder
    // asks again and resets the selection.
    bar.SetSelItem(0, 2);
    EXPECT_FALSE(m_child.IsWindowVisible());
    EXPECT_EQ(2, bar.GetCurSel());
    EXPECT_EQ(2, bar.GetBarFolder(0)->GetSelIndex());
    bar.SetSelFolder(0);
    EXPECT_EQ(-1, bar.GetCurSel());
    EXPECT_EQ((Seq{"5:0,-1,-1,-1,-1,T,Mail", "5:0,-1,-1,-1,-1,T,Mail"}), Notes());
    // A refused change selects nothing in the folder shown.
    m_replies[OBN_FOLDERCHANGE] = 2;
    bar.SetSelItem(1, 0);
    EXPECT_EQ(0, bar.GetSelFolder());
    EXPECT_EQ(-1, bar.GetCurSel());
}

TEST_F(OutBarTest, RemovalsAskTheOwnerInOrder) {
    CKXOutBarCtrl bar;
    Make(bar);
    m_replies[OBN_ITEMDELETE] = 0;
    bar.RemoveItem(1);
    bar.RemoveItem(4);  // no such item: not even asked
    EXPECT_EQ(4, bar.GetItemCount());
    m_replies[OBN_ITEMDELETE] = 1;
    bar.SetSelItem(0, 1);
    Notes();
    bar.RemoveItem(1);
    EXPECT_EQ(Seq{"7:1,-1,-1,-1,-1,F,Calendar"}, Notes());
    EXPECT_EQ("Contacts", bar.GetItemText(1));
    EXPECT_EQ(-1, bar.GetCurSel());

    // Every item from the last, replies ignored; nothing else changes.
    m_replies[OBN_ITEMDELETE] = 0;
    bar.RemoveAllItems(0, true);
    EXPECT_EQ((Seq{"7:2,-1,-1,-1,-1,F,Tasks", "7:1,-1,-1,-1,-1,F,Contacts", "7:0,-1,-1,-1,-1,F,Inbox"}), Notes());
    EXPECT_EQ(0, bar.GetItemCount());
    bar.InsertItem(0, -1, "again", 0);
    bar.RemoveAllItems(0, false);
    EXPECT_TRUE(Notes().empty());

    // Folders: the selection moves to the folder before the removed one.
    m_replies[OBN_FOLDERDELETE] = 0;
    bar.RemoveFolder(0);
    EXPECT_EQ(3, bar.GetFolderCount());
    m_replies[OBN_FOLDERDELETE] = 1;
    bar.SetSelFolder(2);
    Notes();
    bar.RemoveFolder(1);
    EXPECT_EQ(Seq{"8:1,-1,-1,-1,-1,T,Small"}, Notes());
    EXPECT_EQ(0, bar.GetSelFolder());
    EXPECT_TRUE(::IsWindow(m_child.m_hWnd));  // the child window is the application's
    bar.RemoveFolder(0);  // the selected one
    EXPECT_EQ(0, bar.GetSelFolder());
    EXPECT_EQ("Tree", bar.GetBarFolder(0)->GetName());
}

TEST_F(OutBarTest, DestroyingTellsOfEveryItemAndFolder) {
    CKXOutBarCtrl bar;
    Make(bar);
    m_replies[OBN_ITEMDELETE] = 0;
    bar.DestroyWindow();
    EXPECT_EQ((Seq{"7:0,-1,-1,-1,-1,F,Inbox", "7:1,-1,-1,-1,-1,F,Calendar", "7:2,-1,-1,-1,-1,F,Contacts",
                     "7:3,-1,-1,-1,-1,F,Tasks", "8:0,-1,-1,-1,-1,T,Mail", "7:0,-1,-1,-1,-1,F,Notes",
                     "7:1,-1,-1,-1,-1,F,Journal", "8:1,-1,-1,-1,-1,T,Small", "8:2,-1,-1,-1,-1,T,Tree"}),
              Notes());
    EXPECT_EQ(3, bar.GetFolderCount());  // the objects live on with the bar
    EXPECT_EQ(4, bar.GetBarFolder(0)->GetItemCount());
}

TEST_F(OutBarTest, ViewsImageListsAndFonts) {
    CKXOutBarCtrl bar;
    Make(bar);
    bar.SetSmallIconView(TRUE, 0);
    EXPECT_TRUE(bar.IsSmallIconView(0));
    EXPECT_FALSE(bar.IsSmallIconView(-1));
    CSize sz = bar.GetItemSize(0, 0, 1);
    EXPECT_EQ(CSize(16, 16), sz);
    bar.SetSmallIconView(FALSE, -1);
    EXPECT_FALSE(bar.IsSmallIconView(1));
    EXPECT_EQ(CSize(32, 32), bar.GetItemSize(0, 0, 1));

    // A folder's own list wins over the bar's.
    CImageList own;
    kxtest::FillImageList(own, 24);
    EXPECT_EQ(nullptr, bar.SetFolderImageList(0, &own, OUTBAR_IMAGE_LARGE));
    EXPECT_EQ(&own, bar.GetFolderImageList(0, FALSE));
    EXPECT_EQ(CSize(24, 24), bar.GetItemSize(0, 0, 1));

    // A bigger font makes taller captions; the caller keeps its font.
    const int cyBefore = bar.GetItemSize(0, 0, 2).cy;
    CFont big;
    big.CreatePointFont(200, "Arial");
    bar.SetFontX(&big);
    EXPECT_NE(big.GetSafeHandle(), bar.GetFontX()->GetSafeHandle());
    EXPECT_GT(bar.GetItemSize(0, 0, 2).cy, cyBefore);
    CRect rc;
    bar.GetItemRect(0, 1, rc);
    EXPECT_EQ(21 + 5 + 24 + 3 + 8 + bar.GetItemSize(0, 0, 2).cy + 8, rc.top);
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
        int n = 0, nFirst = 0, nLast = 0;
        GetVisibleRange(m_nSelFolder, nFirst, nLast);
        for (int i = nFirst; i < GetItemCount() && GetItemRect(m_nSelFolder, i, rc) && rc.top <= rcInside.bottom; ++i)
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
    const int nShowing = bar.Showing();
    EXPECT_GE(nShowing, 3);
    EXPECT_LE(nShowing, 5);
    EXPECT_EQ(nShowing, painted());
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
    EXPECT_EQ(bar.Showing(), painted());
}

}  // namespace
