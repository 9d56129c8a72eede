// The grid view under the mouse and the keyboard: what a click does and what
// the owner hears in which order, the divider, the keys, the sort orders,
// scrolling, the tooltip, and ten thousand items.
#include "grid_fixture.h"

#include "support/named_lock.h"

namespace {

using kxtest::Codes;
using kxtest::GridTest;
using kxtest::kPosted;

TEST_F(GridTest, AClickSelectsTheRowAndPressesIntoTheEditPlacedUnderIt) {
    Fill();
    m_pWidth->Select();  // the edit exists from here on
    CKXPropertyGridInplaceEdit& edit = View().GetInplaceEdit();
    kxtest::MessageRecorder rec;
    rec.Watch(View().m_hWnd, "view", {WM_LBUTTONDOWN});
    rec.Watch(edit.m_hWnd, "edit", {WM_LBUTTONDOWN});
    rec.Watch(m_window.hwnd(), "owner", {KXWM_PROPERTYGRID_NOTIFY});
    Click(ValuePoint(m_pCaption));
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
                                                   {"view", WM_LBUTTONDOWN, kPosted},
                                                   Note(KX_PGN_EDIT_CHANGED),
                                                   Note(KX_PGN_SELECTION_CHANGED),
                                                   {"edit", WM_LBUTTONDOWN, kPosted},
                                               }));
    EXPECT_EQ(m_pCaption, View().GetSelectedItem());
    EXPECT_EQ(&edit, CWnd::GetFocus());
    EXPECT_EQ(m_pCaption->GetValueRect(), InView(edit));
    EXPECT_EQ(View().GetDividerPos() + 1, InView(edit).left);

    // A click in the band of the expand box toggles (x = 14 still, 15 no
    // more); a double click toggles, and the owner hears of it last.
    Click(CPoint(14, CaptionPoint(m_pMargins).y));
    EXPECT_TRUE(m_pMargins->IsExpanded());
    Click(CPoint(15, CaptionPoint(m_pWidth).y));
    EXPECT_FALSE(m_pWidth->IsExpanded());
    DoubleClick(CaptionPoint(m_pMargins));
    EXPECT_FALSE(m_pMargins->IsExpanded());
    ASSERT_FALSE(m_notes.empty());
    EXPECT_EQ(std::make_pair(WPARAM(KX_PGN_DBLCLICK), reinterpret_cast<LPARAM>(m_pMargins)), m_notes.back());
}

TEST_F(GridTest, TheDividerMovesWithTheMouseAndTheKeysWithinItsLimits) {
    Fill();
    m_grid.MoveWindow(10, 10, 300, 300);
    ASSERT_EQ(150, View().GetDividerPos());
    m_pCaption->Select();
    const int y = CaptionPoint(m_pCaption).y;
    for (int x : {146, 153}) {  // outside the zone a press goes to the row
        Down(CPoint(x, y));
        EXPECT_FALSE(View().IsDividerTracking()) << x;
        Up(CPoint(x, y));
    }
    for (int x : {147, 152}) {
        Down(CPoint(x, y));
        EXPECT_TRUE(View().IsDividerTracking()) << x;
        EXPECT_EQ(&View(), CWnd::GetCapture());
        Drag(CPoint(10, y));
        EXPECT_EQ(30, View().GetDividerPos());
        Drag(CPoint(290, y));
        EXPECT_EQ(255, View().GetDividerPos());
        EXPECT_EQ(256, InView(View().GetInplaceEdit()).left);  // the edit follows
        Drag(CPoint(150, y));
        Up(CPoint(150, y));
        EXPECT_FALSE(View().IsDividerTracking());
        EXPECT_EQ(nullptr, CWnd::GetCapture());
    }

    // Ctrl+Right and Ctrl+Left: two pixels a step.
    View().SetFocus();
    {
        kxtest::ScopedKeyState ctrl({VK_CONTROL});
        Key(VK_RIGHT);
        EXPECT_EQ(152, View().GetDividerPos());
        Key(VK_LEFT);
        Key(VK_LEFT);
        EXPECT_EQ(148, View().GetDividerPos());
    }

    // Over the zone the cursor is the splitter's.
    kxtest::CursorLock lock;
    if (kxtest::MoveCursorTo(View().m_hWnd, CPoint(148, y))) {
        View().SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(View().m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(CKXAuxData::Get().hcurSplitH, ::GetCursor());
    }
}

TEST_F(GridTest, KeysExpandCollapseToggleAndOpenTheList) {
    Fill();
    m_pLayout->Collapse();
    m_pLayout->Select();
    View().SetFocus();
    Key(VK_RIGHT);
    EXPECT_TRUE(m_pLayout->IsExpanded());
    Key(VK_LEFT);
    EXPECT_FALSE(m_pLayout->IsExpanded());
    Type("+");
    EXPECT_TRUE(m_pLayout->IsExpanded());
    Type("-");
    EXPECT_FALSE(m_pLayout->IsExpanded());
    Key(VK_RETURN);
    EXPECT_EQ("Appearance Colour Caption Fixed Layout Width Margins", Rows());
    m_pWidth->Select();  // Enter toggles an item without children too
    View().SetFocus();
    Key(VK_RETURN);
    EXPECT_TRUE(m_pWidth->IsExpanded());

    // F4 and Alt+Down open the list of a list item, after the owner is asked.
    m_pColour->Select();
    View().SetFocus();
    TakeCodes();
    Key(VK_F4);
    EXPECT_EQ(Codes{KX_PGN_INPLACEBUTTONDOWN}, TakeCodes());
    EXPECT_TRUE(View().GetInplaceList().IsWindowVisible());
    View().SetFocus();
    EXPECT_FALSE(View().GetInplaceList().IsWindowVisible());
    m_replies[KX_PGN_INPLACEBUTTONDOWN] = 1;  // the owner handles it
    Key(VK_DOWN, nullptr, true);
    EXPECT_EQ(Codes{KX_PGN_INPLACEBUTTONDOWN}, TakeCodes());
    EXPECT_FALSE(View().GetInplaceList().IsWindowVisible());

    // A character starts editing with it.
    m_pCaption->Select();
    View().SetFocus();
    Type("Q");
    EXPECT_EQ("Q", Text(View().GetInplaceEdit()));
    EXPECT_EQ(&View().GetInplaceEdit(), CWnd::GetFocus());
}

TEST_F(GridTest, EachNewSortOrderRebuildsTheRowsAndIsAnnouncedOnce) {
    Fill();
    m_pWidth->Select();
    m_grid.SetPropertySort(KX_SORT_ALPHABETICAL);
    EXPECT_EQ("Caption Colour Fixed Margins Width", Rows());
    EXPECT_EQ(m_pWidth, View().GetSelectedItem());
    ASSERT_FALSE(m_notes.empty());
    EXPECT_EQ(std::make_pair(WPARAM(KX_PGN_SORTORDER_CHANGED), LPARAM(kGridID)), m_notes.back());
    TakeCodes();
    m_grid.SetPropertySort(KX_SORT_ALPHABETICAL);
    View().Refresh();
    for (WPARAM code : TakeCodes()) EXPECT_NE(WPARAM(KX_PGN_SORTORDER_CHANGED), code);

    m_grid.SetPropertySort(KX_SORT_NOSORT);
    m_pMargins->Expand();  // children show under their parent in any order
    EXPECT_EQ("Colour Caption Fixed Width Margins Left Right", Rows());
    m_grid.AddCategory("Extra");  // back to the categorized order, shown once
    EXPECT_EQ(KX_SORT_CATEGORIZED, m_grid.GetPropertySort());
    EXPECT_EQ("Appearance Colour Caption Fixed Layout Width Margins Left Right Extra", Rows());
}

TEST_F(GridTest, ScrollingHidesTheInPlaceControlsUntilTheNextSelection) {
    CKXPropertyGridItem* pCategory = m_grid.AddCategory("Many");
    for (int i = 0; i < 60; ++i) Add(pCategory, "Item", "v");
    pCategory->Expand();
    CKXPropertyGridItem* pItem = pCategory->GetChilds()->GetAt(1);
    pItem->Select();
    CKXPropertyGridInplaceEdit& edit = View().GetInplaceEdit();
    ASSERT_TRUE(edit.IsWindowVisible());
    View().SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_FALSE(edit.IsWindowVisible());
    EXPECT_EQ(1, View().GetTopIndex());
    pItem->Select();
    EXPECT_TRUE(edit.IsWindowVisible());
    kxtest::PostWheel(View().m_hWnd, CPoint(50, 50), -WHEEL_DELTA);
    kxtest::PumpUntilIdle();
    EXPECT_FALSE(edit.IsWindowVisible());
    EXPECT_GT(View().GetTopIndex(), 1);
}

TEST_F(GridTest, TheTooltipShowsWhatDoesNotFitAndGoesWithThePointer) {
    Fill();
    m_pCaption->SetCaption("A caption far too long for its column");
    m_pCaption->SetValue("A value much too long to be read whole in its column");
    CKXPropertyGridToolTip& tip = View().GetToolTip();
    // The real cursor: the tip asks to hear when it leaves the view.
    kxtest::CursorLock lock;
    auto hover = [&](CPoint pt) {
        ASSERT_TRUE(kxtest::MoveCursorTo(View().m_hWnd, pt));
        kxtest::PumpUntilIdle();
    };
    hover(CaptionPoint(m_pCaption));
    ASSERT_TRUE(tip.IsShown());
    EXPECT_EQ(m_pCaption->GetCaption(), Text(tip));
    const CRect rcTip = InView(tip);  // whole, over the text
    EXPECT_EQ(m_pCaption->GetIndent() * KX_PG_INDENT + 3 - CKXPropertyGridToolTip::kTextInset, rcTip.left);
    EXPECT_EQ(m_pCaption->GetItemRect().top, rcTip.top);
    EXPECT_GT(rcTip.right, View().GetDividerPos());

    hover(CaptionPoint(m_pWidth));  // a caption that fits
    EXPECT_FALSE(tip.IsShown());
    hover(ValuePoint(m_pCaption));
    ASSERT_TRUE(tip.IsShown());
    EXPECT_EQ(m_pCaption->GetValue(), Text(tip));
    View().SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(tip.IsShown());
    m_pCaption->OnChar(VK_TAB);  // not over the value being edited
    hover(ValuePoint(m_pCaption));
    EXPECT_FALSE(tip.IsShown());
}

TEST_F(GridTest, TenThousandItemsInTwoHundredCategories) {
    std::vector<CKXPropertyGridItem*> categories;
    CString strName;
    for (int c = 0; c < 200; ++c) {
        categories.push_back(m_grid.AddCategory("Category"));
        for (int i = 0; i < 50; ++i) {
            strName.Format("Item %05d", (i * 7919 + c) % 10000);
            Add(categories.back(), strName, "value");
        }
    }
    // In bulk, with redrawing off: the view keeps it off meanwhile.
    View().SetRedraw(FALSE);
    for (CKXPropertyGridItem* p : categories) p->Expand();
    View().SetRedraw(TRUE);
    ASSERT_EQ(10200, View().GetCount());
    // Every row's item is shown and knows its row.
    auto indexesAgree = [&] {
        for (int i = 0; i < View().GetCount(); ++i) {
            CRect rc;
            View().GetItemRect(i, &rc);
            if (!View().GetItem(i)->IsVisible() || View().GetItem(i)->GetItemRect() != rc) return false;
        }
        return true;
    };
    EXPECT_TRUE(indexesAgree());
    View().SendMessage(WM_VSCROLL, SB_BOTTOM);
    CKXPropertyGridItem* pLast = View().GetItem(View().GetCount() - 1);
    pLast->Select();
    EXPECT_TRUE(pLast->IsSelected());

    m_grid.SetPropertySort(KX_SORT_ALPHABETICAL);
    ASSERT_EQ(10000, View().GetCount());
    for (int i = 1; i < View().GetCount(); ++i)
        ASSERT_LE(std::strcmp(View().GetItem(i - 1)->GetCaption(), View().GetItem(i)->GetCaption()), 0) << i;
    EXPECT_TRUE(pLast->IsSelected());
    m_grid.SetPropertySort(KX_SORT_CATEGORIZED);
    categories[0]->Collapse();
    View().SetRedraw(FALSE);
    for (CKXPropertyGridItem* p : categories) p->Collapse();
    View().SetRedraw(TRUE);
    EXPECT_EQ(200, View().GetCount());
    EXPECT_TRUE(indexesAgree());
}

}  // namespace
