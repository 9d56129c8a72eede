// The grid control around the view: the toolbar's sort buttons, the help
// pane's splitter dragged by the mouse, finding items, exchanging values
// with the application's variables, and the expanded state kept and
// brought back.
#include "grid_fixture.h"
#include "kxres_ids.h"
#include "propgrid/property_grid_items.h"
#include "support/named_lock.h"

namespace {

using kxtest::Codes;
using kxtest::GridTest;

class ControlTest : public GridTest {
protected:
    CRect InGrid(CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        m_grid.ScreenToClient(&rc);
        return rc;
    }
    int GridHeight() {
        CRect rc;
        m_grid.GetClientRect(&rc);
        return rc.Height();
    }
};

TEST_F(ControlTest, ToolBarTakesTheTopAndItsButtonsSortOnce) {
    m_grid.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(0, 0, 300, 139), InGrid(View()));
    m_grid.ShowToolBar(TRUE);
    ASSERT_TRUE(m_grid.IsBarVisible());
    CToolBar& bar = m_grid.GetToolBar();
    ASSERT_NE(nullptr, bar.GetSafeHwnd());
    EXPECT_EQ(CRect(1, 1, 299, 24), InGrid(bar));
    EXPECT_EQ(CRect(0, 25, 300, 139), InGrid(View()));
    EXPECT_EQ(2, bar.GetCount());
    EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonChecked(ID_KX_PROPGRID_CATEGORIZED));

    Fill();
    TakeCodes();
    CRect rcButton;
    bar.GetItemRect(bar.CommandToIndex(ID_KX_PROPGRID_ALPHABETIC), &rcButton);
    for (int i = 0; i < 2; ++i) Click(rcButton.CenterPoint(), bar.m_hWnd);
    EXPECT_EQ(KX_SORT_ALPHABETICAL, m_grid.GetPropertySort());
    EXPECT_EQ(Codes{KX_PGN_SORTORDER_CHANGED}, TakeCodes());
    EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonChecked(ID_KX_PROPGRID_ALPHABETIC));
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonChecked(ID_KX_PROPGRID_CATEGORIZED));

    m_grid.ShowToolBar(FALSE);
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(0, InGrid(View()).top);
}

TEST_F(ControlTest, SplitterDragsWithinItsLimitsAndEscapeKeepsThePane) {
    kxtest::CursorLock lock;  // the drag holds the mouse capture
    const int cy = GridHeight();
    // The whole drag is posted first: the press starts a loop of the grid's
    // own that reads the rest.
    auto drag = [&](int yFrom, int yTo, bool bEscape) {
        kxtest::PostMouseDown(m_grid.m_hWnd, CPoint(100, yFrom));
        ::PostMessageA(m_grid.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, yTo));
        if (bEscape) ::PostMessageA(m_grid.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        ::PostMessageA(m_grid.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(100, yTo));
        kxtest::PumpUntilIdle();
    };
    // Dragged to the top: the bar stops at 45.
    drag(cy - 58 - 2, 3, false);
    EXPECT_EQ(cy - 45 - 2, m_grid.m_nHelpHeight);
    EXPECT_EQ(cy - m_grid.m_nHelpHeight - 3, InGrid(View()).bottom);
    EXPECT_TRUE(m_grid.GetStyle() & WS_CLIPCHILDREN);
    // Dragged past the bottom: it stops 20 above it.
    drag(cy - m_grid.m_nHelpHeight - 2, cy + 50, false);
    EXPECT_EQ(18, m_grid.m_nHelpHeight);
    // Escape: nothing changes.
    drag(cy - 18 - 2, 100, true);
    EXPECT_EQ(18, m_grid.m_nHelpHeight);
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST_F(ControlTest, FindReadOnlyAndReset) {
    Fill();
    m_pWidth->SetID(7);
    EXPECT_EQ(m_pWidth, m_grid.FindItem(7));
    EXPECT_EQ(m_pCaption, m_grid.FindItem(CString("Caption")));
    EXPECT_EQ(nullptr, m_grid.FindItem(99));
    EXPECT_TRUE(m_grid.SetItemReadOnly(7, TRUE));
    EXPECT_TRUE(m_pWidth->GetReadOnly());
    EXPECT_FALSE(m_grid.SetItemReadOnly(99, TRUE));
    m_grid.ResetContent();
    EXPECT_EQ(0, View().GetCount());
    EXPECT_EQ(0, m_grid.GetCategories()->GetCount());
    EXPECT_EQ(nullptr, m_grid.FindItem(7));
}

TEST_F(ControlTest, ValuesGoToShownRowsAndByIdentifier) {
    long nShown = 1, nHidden = 2;
    CKXPropertyGridItem* pOpen = m_grid.AddCategory("Open");
    CKXPropertyGridItem* pClosed = m_grid.AddCategory("Closed");
    auto* pShown = new CKXPropertyGridItemNumber("Shown", 0, &nShown);
    auto* pHidden = new CKXPropertyGridItemNumber("Hidden", 0, &nHidden);
    pOpen->AddChildItem(pShown);
    pClosed->AddChildItem(pHidden);
    pOpen->Expand();
    pShown->SetNumber(10);
    pHidden->SetNumber(20);
    nShown = nHidden = 0;
    EXPECT_TRUE(m_grid.UpdateData(TRUE));
    EXPECT_EQ(10, nShown);
    EXPECT_EQ(0, nHidden);  // its category is collapsed

    pShown->SetID(1);
    auto* pColor = new CKXPropertyGridItemColor("Colour", RGB(1, 2, 3));
    pColor->SetID(2);
    pOpen->AddChildItem(pColor);
    long n = 0;
    DWORD clr = 0;
    EXPECT_TRUE(m_grid.UpdateItemValue(n, 1, TRUE));
    EXPECT_EQ(10, n);
    n = 33;
    EXPECT_TRUE(m_grid.UpdateItemValue(n, 1, FALSE));
    EXPECT_EQ("33", pShown->GetValue());
    EXPECT_TRUE(m_grid.UpdateItemValue(clr, 2, TRUE));
    EXPECT_EQ(RGB(1, 2, 3), clr);
    CString str;
    EXPECT_TRUE(m_grid.UpdateItemValue(str, 2, TRUE));
    EXPECT_EQ("1; 2; 3", str);
    EXPECT_FALSE(m_grid.UpdateItemValue(n, 99, TRUE));
}

TEST_F(ControlTest, ExpandedStateComesBackForItemsWithIdentifiers) {
    Fill();
    m_pAppearance->SetID(1);
    m_pLayout->SetID(2);
    m_pMargins->SetID(3);
    m_pMargins->Expand();
    m_pWidth->SetID(4);
    m_pWidth->Select();
    int nSelected = 0;
    m_grid.SaveExpandingState(nSelected);
    EXPECT_EQ(4, nSelected);

    m_pAppearance->Collapse();
    m_pMargins->Collapse();
    m_pCaption->Select();
    m_pColour->Expand();  // no identifier: left as it is
    m_notes.clear();
    m_grid.RestoreExpandingState(nSelected);
    EXPECT_TRUE(m_pAppearance->IsExpanded());
    EXPECT_TRUE(m_pMargins->IsExpanded());
    EXPECT_EQ(m_pWidth, m_grid.GetSelectedItem());
    ASSERT_FALSE(m_notes.empty());
    EXPECT_EQ(WPARAM(KX_PGN_SELECTION_CHANGED), m_notes.back().first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(m_pWidth), m_notes.back().second);
}

TEST_F(ControlTest, FontMakesRowsOfItsHeight) {
    Fill();
    const int cyBefore = View().GetItemHeight(0);
    LOGFONT lf = {};
    lf.lfHeight = -24;
    lstrcpyA(lf.lfFaceName, "Arial");
    CFont font;
    font.CreateFontIndirect(&lf);
    m_grid.SetFont(&font);
    EXPECT_GT(View().GetItemHeight(0), cyBefore);
    LOGFONT bold = {};
    View().m_fontBold.GetLogFont(&bold);
    EXPECT_EQ(FW_BOLD, bold.lfWeight);
    EXPECT_EQ(-24, bold.lfHeight);
}

}  // namespace
