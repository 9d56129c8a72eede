// Renaming in place: Return and the focus leaving apply the text through
// the owner, Escape and an empty text apply nothing, folders are renamed on
// their buttons, and an item's edit widens as its text grows.
#include "bars/edit_item.h"

#include "outbar_fixture.h"

#include <gtest/gtest.h>

namespace {

using kxtest::OutBarTest;
using Seq = std::vector<std::string>;

// Counts the renames applied.
class RenamingBar : public CKXOutBarCtrl {
public:
    void OnLabelChanged(const KX_OUTBAR_INFO*) override { ++nChanged; }
    int nChanged = 0;
};

class EditItemTest : public OutBarTest {
protected:
    CKXEditItem* Edit() { return DYNAMIC_DOWNCAST(CKXEditItem, m_bar.GetDlgItem(KX_OUTBAR_EDIT_ID)); }
    // Types into the open edit; "\x1b" is Escape.
    void Type(const char* psz) {
        HWND hEdit = Edit()->m_hWnd;
        if (psz[0] == 27) {
            kxtest::PostKeyDown(hEdit, VK_ESCAPE);
            kxtest::PostChar(hEdit, 27, VK_ESCAPE);
        } else {
            kxtest::PostTypeText(hEdit, psz);
        }
        kxtest::PumpUntilIdle();
    }
    CRect EditRect() {
        CRect rc;
        Edit()->GetWindowRect(&rc);
        m_bar.ScreenToClient(&rc);
        return rc;
    }
    RenamingBar m_bar;
};

TEST_F(EditItemTest, ReturnAppliesAChangedTextTheOwnerAccepts) {
    Make(m_bar);
    m_bar.StartItemEdit(1);
    ASSERT_NE(nullptr, Edit());
    EXPECT_EQ(1, Edit()->GetIndex());
    EXPECT_EQ(Edit()->m_hWnd, ::GetFocus());
    EXPECT_EQ(MAKELONG(0, 8), static_cast<LONG>(Edit()->GetSel()));  // "Calendar" selected
    EXPECT_TRUE(Edit()->GetStyle() & ES_CENTER);
    // Centred over the caption, 2 beyond it at each end, 1 up.
    CRect rcLabel;
    m_bar.GetLabelRect(0, 1, rcLabel);
    EXPECT_NEAR(100, EditRect().CenterPoint().x, 1);
    EXPECT_EQ(rcLabel.top - 3, EditRect().top);
    Type("Agenda\n");
    EXPECT_EQ(Seq{"2:1,-1,-1,-1,-1,F,Agenda"}, Notes());
    EXPECT_EQ("Agenda", m_bar.GetItemText(1));
    EXPECT_EQ(nullptr, Edit());
    EXPECT_EQ(m_bar.m_hWnd, ::GetFocus());

    // Refused, or the same text: asked, nothing applied.
    m_replies[OBN_ITEMRENAMED] = 0;
    m_bar.StartItemEdit(0);
    Type("Outbox\n");
    m_replies[OBN_ITEMRENAMED] = 5;
    m_bar.StartItemEdit(0);
    Type("Inbox\n");
    EXPECT_EQ((Seq{"2:0,-1,-1,-1,-1,F,Outbox", "2:0,-1,-1,-1,-1,F,Inbox"}), Notes());
    EXPECT_EQ("Inbox", m_bar.GetItemText(0));
    EXPECT_EQ(1, m_bar.nChanged);
}

TEST_F(EditItemTest, EscapeAndAnEmptyTextApplyNothingTheFocusLeavingApplies) {
    Make(m_bar);
    m_bar.StartItemEdit(2);
    Type("Friends");
    Type("\x1b");
    EXPECT_EQ(nullptr, Edit());
    m_bar.StartItemEdit(2);
    kxtest::PostKeyPress(Edit()->m_hWnd, VK_DELETE);
    Type("\n");
    EXPECT_EQ(nullptr, Edit());
    EXPECT_TRUE(Notes().empty());
    EXPECT_EQ("Contacts", m_bar.GetItemText(2));

    // A click on the bar takes the focus and applies; no hot tracking while open.
    m_bar.StartItemEdit(3);
    Type("Jobs");
    kxtest::PostMouseMove(m_bar.m_hWnd, Center(m_bar, 1));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(-1, m_bar.GetHilightItem());
    kxtest::PostClick(m_bar.m_hWnd, CPoint(10, 200));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(Seq{"2:3,-1,-1,-1,-1,F,Jobs"}, Notes());
    EXPECT_EQ("Jobs", m_bar.GetItemText(3));
    EXPECT_EQ(nullptr, Edit());
}

TEST_F(EditItemTest, FoldersOnTheirButtonsItemsWideningInSmallView) {
    Make(m_bar);
    m_bar.StartGroupEdit(1);
    ASSERT_NE(nullptr, Edit());
    EXPECT_TRUE(Edit()->IsFolder());
    EXPECT_TRUE(Edit()->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(CRect(5, 258, 195, 276), EditRect());  // the button less 2, within the inside less 5
    Type("Short\n");
    EXPECT_EQ(Seq{"3:1,-1,-1,-1,-1,T,Short"}, Notes());
    EXPECT_EQ("Short", m_bar.GetBarFolder(1)->GetName());

    m_bar.SetSelFolder(1);
    m_bar.StartItemEdit(0);
    EXPECT_FALSE(Edit()->GetStyle() & ES_CENTER);
    const CRect rcStart = EditRect();
    CRect rcIcon;
    m_bar.GetIconRect(1, 0, rcIcon);
    EXPECT_EQ(rcIcon.right + 1, rcStart.left);  // right of the icon
    Type("A caption much longer than the first");
    EXPECT_EQ(rcStart.left, EditRect().left);
    EXPECT_GT(EditRect().right, rcStart.right);
    EXPECT_LE(EditRect().right, 195);
}

}  // namespace
