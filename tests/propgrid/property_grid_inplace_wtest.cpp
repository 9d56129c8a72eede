// The in-place controls as a user drives them: the edit's keys, constraint
// stepping and letter picking, the drop-down list's size, choice and
// cancellation, the button's press, and Tab between them and the dialog.
#include "grid_fixture.h"
#include "support/named_lock.h"

#include <algorithm>

namespace {

using kxtest::Codes;
using kxtest::GridTest;

class InplaceTest : public GridTest {
protected:
    kxtest::CursorLock m_lock;  // the drop-down list needs the foreground
    void SetUp() override {
        GridTest::SetUp();
        Fill();
    }
    CKXPropertyGridInplaceEdit& Edit() { return View().GetInplaceEdit(); }
    // Opens the edit of pItem with the focus in it, as a typed Tab does.
    void Open(CKXPropertyGridItem* pItem) {
        pItem->Select();
        pItem->OnChar(VK_TAB);
        TakeCodes();
    }
    long Commits() {
        const Codes codes = TakeCodes();
        return std::count(codes.begin(), codes.end(), WPARAM(KX_PGN_ITEMVALUE_CHANGED));
    }
};

TEST_F(InplaceTest, EscapeRestoresEnterCommitsOnlyAChange) {
    Open(m_pCaption);
    Type("Typed", Edit());
    EXPECT_EQ("Typed", Text(Edit()));
    kxtest::PostKeyDown(Edit(), VK_ESCAPE);
    kxtest::PostChar(Edit(), '\x1b', VK_ESCAPE);
    kxtest::PumpUntilIdle();
    EXPECT_EQ("Hello", m_pCaption->GetValue());
    EXPECT_EQ(&View(), CWnd::GetFocus());
    EXPECT_EQ(0, Commits());

    Open(m_pCaption);
    Type("New\n", Edit());
    EXPECT_EQ("New", m_pCaption->GetValue());
    EXPECT_EQ(1, Commits());
    EXPECT_EQ(&View(), CWnd::GetFocus());
    Open(m_pCaption);
    Type("\n", Edit());  // nothing changed: nothing to tell
    EXPECT_EQ(0, Commits());
}

TEST_F(InplaceTest, ArrowsStepWithoutWrappingDoubleClickWrapsAndCommits) {
    Open(m_pColour);
    for (const char* pszAfterDown : {"Green", "Blue", "Blue"}) {
        Key(VK_DOWN, Edit());
        EXPECT_EQ(pszAfterDown, Text(Edit()));
    }
    int nStart = -1, nEnd = -1;
    Edit().GetSel(nStart, nEnd);
    EXPECT_EQ(std::make_pair(0, 4), std::make_pair(nStart, nEnd));
    for (const char* pszAfterUp : {"Green", "Red", "Red"}) {
        Key(VK_UP, Edit());
        EXPECT_EQ(pszAfterUp, Text(Edit()));
    }
    EXPECT_EQ(0, Commits());

    // From the last, a double click goes round to the first and commits.
    m_pColour->GetConstraints()->SetCurrent(2);
    Edit().SetWindowText("Blue");
    DoubleClick(CPoint(5, 5), Edit());
    EXPECT_EQ("Red", m_pColour->GetValue());
    EXPECT_EQ(0, m_pColour->GetConstraints()->GetCurrent());
    EXPECT_EQ(&View(), CWnd::GetFocus());
}

TEST_F(InplaceTest, TypedLettersPickConstraintsInAConstraintEditItem) {
    CKXItemConstraints& fruit = *m_pCaption->GetConstraints();
    for (const char* p : {"Apple", "banana", "Berry"}) fruit.AddConstraint(p);
    m_pCaption->SetConstraintEdit(TRUE);
    m_pCaption->SetValue("banana");
    fruit.SetCurrent(1);
    Open(m_pCaption);
    for (auto [psz, pszPicked] : {std::pair{"b", "Berry"}, {"B", "banana"}, {"z", "banana"}, {"a", "Apple"}}) {
        Type(psz, Edit());
        EXPECT_EQ(pszPicked, Text(Edit())) << psz;
    }
    EXPECT_EQ(0, fruit.GetCurrent());

    // An item that takes no typing opens its list instead.
    m_pColour->EnableChar(FALSE);
    Open(m_pColour);
    Type("x", Edit());
    EXPECT_EQ(Codes{KX_PGN_INPLACEBUTTONDOWN}, TakeCodes());
    EXPECT_TRUE(View().GetInplaceList().IsWindowVisible());
}

TEST_F(InplaceTest, ReadOnlyItemsShowAReadOnlyEditAndNoButton) {
    m_pColour->SetReadOnly(TRUE);
    m_pColour->Select();
    EXPECT_TRUE(Edit().GetStyle() & ES_READONLY);
    EXPECT_FALSE(View().GetInplaceButton().IsWindowVisible());
    m_pColour->SetReadOnly(FALSE);  // the controls follow at once
    EXPECT_FALSE(Edit().GetStyle() & ES_READONLY);
    EXPECT_TRUE(View().GetInplaceButton().IsWindowVisible());
    const CRect rcRow = m_pColour->GetItemRect();
    const CRect rcButton = InView(View().GetInplaceButton());
    EXPECT_EQ(CRect(rcRow.right - 15, rcRow.top, rcRow.right, rcRow.bottom - 1), rcButton);
    EXPECT_EQ(rcButton.left, InView(Edit()).right);
}

TEST_F(InplaceTest, TheListShowsUpToTenLinesAndAppliesOrCancels) {
    for (int i = 0; i < 22; ++i) m_pColour->GetConstraints()->AddConstraint(CString("Colour ") + char('A' + i));
    m_pColour->Select();
    m_pColour->OnInplaceButtonDown();
    CKXPropertyGridInplaceList& list = View().GetInplaceList();
    ASSERT_TRUE(list.IsWindowVisible());
    EXPECT_EQ(&list, CWnd::GetFocus());
    const CRect rcList = InView(list), rcRow = m_pColour->GetItemRect();
    EXPECT_EQ(list.GetItemHeight(0) * 10 + 2, rcList.Height());
    EXPECT_TRUE(list.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(CPoint(rcRow.right, rcRow.bottom), CPoint(rcList.right, rcList.top));
    EXPECT_EQ(0, list.GetCurSel());  // the value's line

    // Escape: nothing chosen, the focus back in the view, the list gone.
    Key(VK_DOWN, list);
    Key(VK_ESCAPE, list);
    EXPECT_EQ("Red", m_pColour->GetValue());
    EXPECT_EQ(&View(), CWnd::GetFocus());
    EXPECT_FALSE(list.IsWindowVisible());

    // Three constraints: three lines; Enter applies the line.
    while (m_pColour->GetConstraints()->GetCount() > 3) m_pColour->GetConstraints()->RemoveTail();
    m_pColour->GetConstraints()->SetCurrent(1);
    TakeCodes();
    m_pColour->OnInplaceButtonDown();
    EXPECT_EQ(list.GetItemHeight(0) * 3 + 2, InView(list).Height());
    EXPECT_EQ(1, list.GetCurSel());  // the current index's line
    Key(VK_DOWN, list);
    Key(VK_RETURN, list);
    EXPECT_EQ("Blue", m_pColour->GetValue());
    EXPECT_EQ(2, m_pColour->GetConstraints()->GetCurrent());
    // The open (hidden) edit takes the new text too.
    EXPECT_EQ(Codes({KX_PGN_INPLACEBUTTONDOWN, KX_PGN_EDIT_CHANGED, KX_PGN_ITEMVALUE_CHANGED}), TakeCodes());

    m_pColour->OnInplaceButtonDown();  // a click on a line applies it
    Click(CPoint(5, list.GetItemHeight(0) / 2), list);
    EXPECT_EQ("Red", m_pColour->GetValue());
    EXPECT_FALSE(list.IsWindowVisible());
}

TEST_F(InplaceTest, TheButtonRunsWhenReleasedOverItAndTabMovesOn) {
    CButton next;
    ASSERT_TRUE(next.Create("Next", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(320, 10, 400, 40), &m_parent, 200));
    m_replies[KX_PGN_INPLACEBUTTONDOWN] = 1;
    Open(m_pColour);
    CKXPropertyGridInplaceButton& button = View().GetInplaceButton();
    Click(CPoint(7, 7), button);
    ASSERT_FALSE(m_notes.empty());
    EXPECT_EQ(reinterpret_cast<LPARAM>(m_pColour), m_notes.back().second);
    EXPECT_EQ(Codes{KX_PGN_INPLACEBUTTONDOWN}, TakeCodes());
    EXPECT_FALSE(View().GetInplaceList().IsWindowVisible());  // the owner handled it
    Down(CPoint(7, 7), button);
    Drag(CPoint(40, 7), button);
    Up(CPoint(40, 7), button);
    EXPECT_EQ(Codes{}, TakeCodes());
    EXPECT_FALSE(button.IsPressed());

    // Tab: from the edit to the button, from there out of the grid; Shift+Tab
    // from the button back to the edit, and from the edit to the grid.
    Open(m_pColour);
    Key(VK_TAB, Edit());
    EXPECT_EQ(&button, CWnd::GetFocus());
    {
        kxtest::ScopedKeyState shift({VK_SHIFT});
        Key(VK_TAB, button);
        EXPECT_EQ(&Edit(), CWnd::GetFocus());
        Key(VK_TAB, Edit());
        EXPECT_EQ(&View(), CWnd::GetFocus());
    }
    Open(m_pColour);
    Key(VK_TAB, Edit());
    Key(VK_TAB, button);
    EXPECT_EQ(&next, CWnd::GetFocus());
    next.DestroyWindow();
}

}  // namespace
