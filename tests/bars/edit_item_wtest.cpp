// Renaming in place: the edit over a caption or a folder button, Return and
// the focus leaving apply the text through the owner, Escape and an empty
// text apply nothing, and an item's edit widens as its text grows.
#include "bars/edit_item.h"

#include "outbar_fixture.h"

#include <gtest/gtest.h>

namespace {

using kxtest::OutBarTest;
using Seq = std::vector<std::string>;

// Counts the renames applied.
class RenamingBar : public CKXOutBarCtrl {
public:
    void OnLabelChanged(const KX_OUTBAR_INFO* pInfo) override {
        ++nChanged;
        strLast = pInfo->lpszText;
    }
    int nChanged = 0;
    CString strLast;
};

class EditItemTest : public OutBarTest {
protected:
    CKXEditItem* Edit(CWnd& bar) { return DYNAMIC_DOWNCAST(CKXEditItem, bar.GetDlgItem(KX_OUTBAR_EDIT_ID)); }
    void Type(CWnd* pEdit, const char* psz) {
        kxtest::PostTypeText(pEdit->m_hWnd, psz);
        kxtest::PumpUntilIdle();
    }
    void Escape(CWnd* pEdit) {
        kxtest::PostKeyDown(pEdit->m_hWnd, VK_ESCAPE);
        kxtest::PostChar(pEdit->m_hWnd, 27, VK_ESCAPE);
        kxtest::PostKeyUp(pEdit->m_hWnd, VK_ESCAPE);
        kxtest::PumpUntilIdle();
    }
};

TEST_F(EditItemTest, ReturnAppliesTheTextTheOwnerAccepts) {
    RenamingBar bar;
    Make(bar);
    bar.StartItemEdit(1);
    CKXEditItem* pEdit = Edit(bar);
    ASSERT_NE(nullptr, pEdit);
    EXPECT_EQ(1, pEdit->GetIndex());
    EXPECT_EQ("Calendar", pEdit->GetText());
    EXPECT_EQ(pEdit->m_hWnd, ::GetFocus());
    EXPECT_EQ(MAKELONG(0, 8), static_cast<LONG>(pEdit->GetSel()));
    EXPECT_EQ(static_cast<DWORD>(ES_AUTOHSCROLL | ES_CENTER), pEdit->GetStyle() & (ES_AUTOHSCROLL | ES_CENTER));
    // Centred over the caption, 6 wider at each side and 2 at each end, 1 up.
    CRect rcEdit, rcLabel;
    pEdit->GetWindowRect(&rcEdit);
    bar.ScreenToClient(&rcEdit);
    bar.GetLabelRect(0, 1, rcLabel);
    EXPECT_NEAR(100, rcEdit.CenterPoint().x, 1);
    EXPECT_EQ(rcLabel.top - 3, rcEdit.top);
    EXPECT_EQ(rcLabel.bottom + 1, rcEdit.bottom);

    Type(pEdit, "Agenda\n");
    EXPECT_EQ(Seq{"2:1,-1,-1,-1,-1,F,Agenda"}, Notes());
    EXPECT_EQ("Agenda", bar.GetItemText(1));
    EXPECT_EQ(1, bar.nChanged);
    EXPECT_EQ(nullptr, Edit(bar));
    EXPECT_EQ(bar.m_hWnd, ::GetFocus());

    // Refused, or the same text: asked, nothing applied.
    m_replies[OBN_ITEMRENAMED] = 0;
    bar.StartItemEdit(0);
    Type(Edit(bar), "Outbox\n");
    EXPECT_EQ(Seq{"2:0,-1,-1,-1,-1,F,Outbox"}, Notes());
    EXPECT_EQ("Inbox", bar.GetItemText(0));
    m_replies[OBN_ITEMRENAMED] = 5;
    bar.StartItemEdit(0);
    Type(Edit(bar), "Inbox\n");
    EXPECT_EQ(Seq{"2:0,-1,-1,-1,-1,F,Inbox"}, Notes());
    EXPECT_EQ(1, bar.nChanged);
    bar.StartItemEdit(4);  // no such item
    EXPECT_EQ(nullptr, Edit(bar));
}

TEST_F(EditItemTest, EscapeAndAnEmptyTextApplyNothing) {
    RenamingBar bar;
    Make(bar);
    bar.StartItemEdit(2);
    Type(Edit(bar), "Friends");
    Escape(Edit(bar));
    EXPECT_EQ(nullptr, Edit(bar));
    bar.StartItemEdit(2);
    kxtest::PostKeyPress(Edit(bar)->m_hWnd, VK_DELETE);
    Type(Edit(bar), "\n");
    EXPECT_EQ(nullptr, Edit(bar));
    EXPECT_TRUE(Notes().empty());
    EXPECT_EQ("Contacts", bar.GetItemText(2));
    EXPECT_EQ(0, bar.nChanged);
}

TEST_F(EditItemTest, TheFocusLeavingAppliesTheText) {
    RenamingBar bar;
    Make(bar);
    bar.StartItemEdit(3);
    Type(Edit(bar), "Jobs");
    kxtest::PostClick(bar.m_hWnd, CPoint(10, 200));  // the bar takes the focus
    kxtest::PumpUntilIdle();
    EXPECT_EQ(Seq{"2:3,-1,-1,-1,-1,F,Jobs"}, Notes());
    EXPECT_EQ("Jobs", bar.GetItemText(3));
    EXPECT_EQ("Jobs", bar.strLast);
    EXPECT_EQ(nullptr, Edit(bar));
    // Hovering does nothing while an edit is open.
    bar.StartItemEdit(0);
    kxtest::PostMouseMove(bar.m_hWnd, Center(bar, 1));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(-1, bar.GetHilightItem());
    EXPECT_TRUE(Notes().empty());
    // Asked when the focus goes, but the same text changes nothing.
    m_parent.SetFocus();
    kxtest::PumpUntilIdle();
    EXPECT_EQ(nullptr, Edit(bar));
    EXPECT_EQ(Seq{"2:0,-1,-1,-1,-1,F,Inbox"}, Notes());
    EXPECT_EQ(1, bar.nChanged);
}

TEST_F(EditItemTest, FoldersAreRenamedOnTheirButtons) {
    RenamingBar bar;
    Make(bar);
    bar.StartGroupEdit(1);
    CKXEditItem* pEdit = Edit(bar);
    ASSERT_NE(nullptr, pEdit);
    EXPECT_TRUE(pEdit->IsFolder());
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_CENTER), pEdit->GetStyle() & 0xFFFF00FF);
    EXPECT_TRUE(pEdit->GetExStyle() & WS_EX_CLIENTEDGE);
    // The button less 2 at each side, kept within the inside rectangle less 5.
    CRect rcEdit;
    pEdit->GetWindowRect(&rcEdit);
    bar.ScreenToClient(&rcEdit);
    EXPECT_EQ(CRect(5, 258, 195, 276), rcEdit);
    Type(pEdit, "Short\n");
    EXPECT_EQ(Seq{"3:1,-1,-1,-1,-1,T,Short"}, Notes());
    EXPECT_EQ("Short", bar.GetBarFolder(1)->GetName());
    EXPECT_EQ(1, bar.nChanged);
}

TEST_F(EditItemTest, AnItemEditWidensWithItsTextInSmallView) {
    RenamingBar bar;
    Make(bar);
    bar.SetSelFolder(1);
    Notes();
    bar.StartItemEdit(0);
    CKXEditItem* pEdit = Edit(bar);
    ASSERT_NE(nullptr, pEdit);
    EXPECT_FALSE(pEdit->GetStyle() & ES_CENTER);
    CRect rcStart, rcIcon, rcNow;
    pEdit->GetWindowRect(&rcStart);
    bar.ScreenToClient(&rcStart);
    bar.GetIconRect(1, 0, rcIcon);
    EXPECT_EQ(rcIcon.right + 1, rcStart.left);  // right of the icon
    Type(pEdit, "A caption much longer than the first");
    pEdit->GetWindowRect(&rcNow);
    bar.ScreenToClient(&rcNow);
    EXPECT_EQ(rcStart.left, rcNow.left);
    EXPECT_GT(rcNow.right, rcStart.right);
    EXPECT_LE(rcNow.right, 195);
    Escape(pEdit);
    EXPECT_TRUE(Notes().empty());
}

}  // namespace
