#include "win/afxwin.h"

#include "kxres_ids.h"
#include "support/companion_fixture.h"
#include "support/host_window.h"
#include "support/pump.h"

#include <gtest/gtest.h>

namespace {

// The library's companion module holds real toolbar resources.
using ToolBarTest = kxtest::CompanionModuleTest;

TEST_F(ToolBarTest, LoadsButtonsSizesAndImagesFromTheResource) {
    CToolBar bar;
    ASSERT_TRUE(bar.Create(&m_host));
    EXPECT_EQ(static_cast<DWORD>(CBRS_TOP), bar.GetBarStyle());
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_TOOLBAR), static_cast<UINT>(::GetDlgCtrlID(bar.m_hWnd)));
    ASSERT_TRUE(bar.LoadToolBar(IDR_KX_EDIT_TOOLBAR));
    ASSERT_EQ(6, bar.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_EDIT_UNDO), bar.GetItemID(0));
    EXPECT_EQ(static_cast<UINT>(ID_EDIT_SELECT_ALL), bar.GetItemID(5));
    EXPECT_EQ(3, bar.CommandToIndex(ID_EDIT_PASTE));
    EXPECT_EQ(-1, bar.CommandToIndex(1));
    EXPECT_EQ(0u, bar.GetItemID(6));
    UINT nID, nStyle;
    int iImage;
    bar.GetButtonInfo(2, nID, nStyle, iImage);
    EXPECT_EQ(static_cast<UINT>(ID_EDIT_COPY), nID);
    EXPECT_EQ(static_cast<UINT>(TBBS_BUTTON), nStyle);
    EXPECT_EQ(2, iImage);
    CRect rc;
    bar.GetItemRect(0, &rc);
    EXPECT_EQ(CSize(16 + 7, 15 + 7), rc.Size());
    EXPECT_FALSE(bar.LoadToolBar(12345));  // no such resource: the buttons stay
    EXPECT_EQ(6, bar.GetCount());

    // Separators, styles and text.
    const UINT ids[] = {101, 0, 102};
    ASSERT_TRUE(bar.SetButtons(ids, 3));
    EXPECT_EQ(3, bar.GetCount());
    EXPECT_EQ(0u, bar.GetItemID(1));
    EXPECT_EQ(static_cast<UINT>(TBBS_SEPARATOR), bar.GetButtonStyle(1) & TBBS_SEPARATOR);
    bar.SetButtonStyle(2, TBBS_CHECKBOX | TBBS_CHECKED);
    EXPECT_EQ(static_cast<UINT>(TBBS_CHECKBOX | TBBS_CHECKED), bar.GetButtonStyle(2));
    EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonChecked(102));
    bar.SetButtonStyle(0, TBBS_BUTTON | TBBS_DISABLED);
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(101));
    EXPECT_TRUE(bar.SetButtonText(0, "Go"));
    EXPECT_EQ("Go", bar.GetButtonText(0));
    const CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_GT(size.cx, 2 * 23);
    EXPECT_EQ(32767, bar.CalcFixedLayout(TRUE, TRUE).cx);
}

// Routes the bar's update requests: 101 disabled and 102 checked.
class CUpdatingWnd : public CWnd {
public:
    void OnUpdate101(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdate102(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void On102() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdatingWnd, CWnd)
    ON_UPDATE_COMMAND_UI(101, OnUpdate101)
    ON_UPDATE_COMMAND_UI(102, OnUpdate102)
    ON_COMMAND(102, On102)
END_MESSAGE_MAP()

TEST(ToolBar, IdleUpdateFollowsCommandRouting) {
    kxtest::HostWindow window;
    CUpdatingWnd owner;
    owner.SubclassWindow(window.hwnd());
    CToolBar* pBar = new CToolBar;
    pBar->m_bAutoDelete = TRUE;  // goes with its window
    ASSERT_TRUE(pBar->Create(&owner));
    const UINT ids[] = {101, 102, 103};
    pBar->SetButtons(ids, 3);
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(pBar->GetToolBarCtrl().IsButtonEnabled(101));
    EXPECT_TRUE(pBar->GetToolBarCtrl().IsButtonChecked(102));
    EXPECT_TRUE(pBar->GetToolBarCtrl().IsButtonEnabled(102));
    EXPECT_FALSE(pBar->GetToolBarCtrl().IsButtonEnabled(103));  // no handler: disabled
    pBar->DestroyWindow();
    owner.UnsubclassWindow();
}

TEST(ToolBar, RowsFollowTheLayoutModeAndHitTestsFindButtons) {
    kxtest::HostWindow window(600, 400);
    CWnd* pHost = CWnd::FromHandle(window.hwnd());
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(pHost, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC));
    const UINT ids[] = {101, 102, 0, 103, 104, 105};
    ASSERT_TRUE(bar.SetButtons(ids, 6));
    bar.SetSizes(CSize(24, 22), CSize(16, 15));
    CRect rcButton;
    bar.GetItemRect(0, &rcButton);
    ASSERT_EQ(24, rcButton.Width());

    // Along a horizontal edge: one row; the gripper and borders come on top.
    const CSize sizeHorz = bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    CRect rc3;
    bar.GetItemRect(3, &rc3);
    EXPECT_EQ(rcButton.top, rc3.top);
    EXPECT_GT(sizeHorz.cx, 5 * 24);
    EXPECT_LT(sizeHorz.cy, 2 * 22);
    // Along a vertical edge: one column.
    const CSize sizeVert = bar.CalcDynamicLayout(-1, LM_VERTDOCK | LM_COMMIT);
    bar.GetItemRect(3, &rc3);
    EXPECT_EQ(rcButton.left, rc3.left);
    EXPECT_GT(rc3.top, rcButton.bottom);
    EXPECT_GT(sizeVert.cy, 5 * 22);
    EXPECT_LT(sizeVert.cx, 2 * 24);
    // Floating with room for about three buttons: the row breaks at the separator.
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLOATING);
    const CSize sizeFloat = bar.CalcDynamicLayout(3 * 24 + 4, LM_HORZ | LM_COMMIT);
    EXPECT_EQ(72, bar.m_nMRUWidth);  // the wider row: the three buttons after the separator
    EXPECT_LE(sizeFloat.cx, 3 * 24 + 4);
    bar.GetItemRect(3, &rc3);
    EXPECT_EQ(rcButton.left, rc3.left);  // the third button starts the second row
    // The floating width is what the bar comes back with.
    EXPECT_EQ(sizeFloat, bar.CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
    // A query changes nothing on the bar.
    bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    bar.GetItemRect(3, &rc3);
    EXPECT_EQ(rcButton.left, rc3.left);

    // Hit tests: a button's command and rectangle; nothing over the separator or past the end.
    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_FLOATING);
    bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    CRect rc1, rcSep;
    bar.GetItemRect(1, &rc1);
    bar.GetItemRect(2, &rcSep);
    EXPECT_EQ(102, bar.OnToolHitTest(rc1.CenterPoint(), &ti));
    EXPECT_EQ(bar.m_hWnd, ti.hwnd);
    EXPECT_EQ(102u, ti.uId);
    EXPECT_EQ(rc1, CRect(ti.rect));
    EXPECT_EQ(LPSTR_TEXTCALLBACKA, ti.lpszText);
    EXPECT_EQ(-1, bar.OnToolHitTest(rcSep.CenterPoint(), nullptr));
    EXPECT_EQ(-1, bar.OnToolHitTest(CPoint(-4, 5), nullptr));  // the gripper
    EXPECT_EQ(-1, bar.OnToolHitTest(CPoint(590, 5), nullptr));

    // SetHeight: the borders make up the rest.
    bar.SetHeight(40);
    EXPECT_EQ(40, bar.CalcFixedLayout(FALSE, TRUE).cy);
}

}  // namespace
