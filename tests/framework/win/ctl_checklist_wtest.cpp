// CCheckListBox: clicks on the box move the check on and tell the parent,
// disabled items take no clicks, checks follow sorted insertions and
// deletions, and the box is drawn before the text.
#include <afxwin.h>

#include "support/capture.h"
#include "support/host_window.h"
#include "support/input.h"
#include "support/pump.h"

#include <gtest/gtest.h>

namespace {

class CCheckParent : public CWnd {
public:
    int m_nChanges = 0;
    void OnCheckChange() { ++m_nChanges; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCheckParent, CWnd)
    ON_CLBN_CHKCHANGE(9, OnCheckChange)
END_MESSAGE_MAP()

class CheckListTest : public kxtest::HostWindowTest {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        ASSERT_TRUE(m_parent.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 300, 200), CWnd::FromHandle(hwnd()), 1));
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY,
                                  CRect(10, 10, 200, 150), &m_parent, 9));
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        HostWindowTest::TearDown();
    }
    // A click in the check box of item nIndex.
    void ClickBox(int nIndex) {
        CRect rect;
        m_list.GetItemRect(nIndex, rect);
        LPARAM lParam = MAKELPARAM(rect.left + 5, rect.top + 5);
        m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        m_list.SendMessage(WM_LBUTTONUP, 0, lParam);
    }
    CCheckParent m_parent;
    CCheckListBox m_list;
};

}  // namespace

TEST_F(CheckListTest, ClicksOnTheBoxCheckAndTellTheParent) {
    m_list.AddString("beta");
    m_list.AddString("alpha");
    m_list.SetItemData(1, 77);
    ClickBox(1);
    EXPECT_EQ(m_list.GetCheck(1), 1);
    EXPECT_EQ(m_list.GetCheck(0), 0);
    EXPECT_EQ(m_parent.m_nChanges, 1);
    ClickBox(1);
    EXPECT_EQ(m_list.GetCheck(1), 0);

    m_list.SetCheckStyle(BS_AUTO3STATE);
    ClickBox(0);
    ClickBox(0);
    EXPECT_EQ(m_list.GetCheck(0), 2);  // then indeterminate
    ClickBox(0);
    EXPECT_EQ(m_list.GetCheck(0), 0);

    m_list.Enable(0, FALSE);
    ClickBox(0);
    EXPECT_EQ(m_list.GetCheck(0), 0);
    EXPECT_EQ(m_parent.m_nChanges, 5);
    EXPECT_EQ(m_list.GetItemData(1), 77u);  // the program's data is its own

    m_list.SetCheckStyle(BS_CHECKBOX);  // not automatic: a click only selects
    ClickBox(1);
    EXPECT_EQ(m_list.GetCheck(1), 0);
    EXPECT_EQ(m_list.GetCurSel(), 1);
}

TEST_F(CheckListTest, ChecksFollowTheirItems) {
    m_list.AddString("b");
    m_list.AddString("d");
    m_list.SetCheck(1, 1);  // "d"
    m_list.AddString("a");  // sorted in front
    m_list.AddString("c");
    EXPECT_EQ(m_list.GetCheck(3), 1);  // "d" is now last
    m_list.DeleteString(0);
    EXPECT_EQ(m_list.GetCheck(2), 1);
    CString text;
    m_list.GetText(2, text);
    EXPECT_EQ(text, "d");
    m_list.ResetContent();
    m_list.AddString("x");
    EXPECT_EQ(m_list.GetCheck(0), 0);
}

TEST_F(CheckListTest, TheBoxIsDrawnBeforeTheText) {
    m_list.AddString("item");
    m_list.SetCheck(0, 1);
    kxtest::PumpUntilIdle();
    kxtest::Capture cap = kxtest::PrintClient(m_list.m_hWnd, false);
    CRect rect;
    m_list.GetItemRect(0, rect);
    // A check mark is dark pixels inside the box; the box's edge is there too.
    int nDark = 0;
    for (int y = rect.top + 1; y < rect.top + 1 + CCheckListBox::kCheckSize; ++y)
        for (int x = rect.left + 1; x < rect.left + 1 + CCheckListBox::kCheckSize; ++x)
            if (GetRValue(cap.At(x, y)) < 100) ++nDark;
    EXPECT_GT(nDark, 10);
}
