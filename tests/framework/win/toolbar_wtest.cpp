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

}  // namespace
