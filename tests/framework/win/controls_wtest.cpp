#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/pump.h"
#include "win/ctl_basic.h"
#include "win/ctl_common.h"
#include "win/ctl_listtree.h"

namespace {

const RECT kRect = {10, 10, 210, 160};

// Controls live in a framework window, so its children's owner-draw
// messages come back to them.  A frameless popup shown without activation
// stays away from the (absent) window manager, which makes destroying it quick.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        ASSERT_TRUE(m_parent.CreateEx(0, cls, "controls", WS_POPUP | WS_CLIPCHILDREN, 100, 100, 480, 360, nullptr,
                                      nullptr));
        m_parent.ShowWindow(SW_SHOWNOACTIVATE);
        m_parent.SetForegroundWindow();
        m_parent.UpdateWindow();
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        kxtest::PumpUntilIdle();
        AfxDeleteTempMaps();
    }
    CWnd m_parent;
};

// An owner-drawn list of numbers (item data), sorted by value.
class NumberList : public CListBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_nDraws; }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override {
        ++m_nMeasures;
        lpMIS->itemHeight = 21;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override {
        ++m_nCompares;
        return lpCIS->itemData1 < lpCIS->itemData2 ? -1 : lpCIS->itemData1 > lpCIS->itemData2 ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDIS) override { m_deleted.push_back(lpDIS->itemData); }
    int m_nDraws = 0, m_nMeasures = 0, m_nCompares = 0;
    std::vector<ULONG_PTR> m_deleted;
};

}  // namespace

TEST_F(ControlsTest, OwnerDrawMessagesReachTheControlsVirtuals) {
    NumberList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT, CRect(100, 10, 200, 150), &m_parent, 12));
    EXPECT_GT(list.m_nMeasures, 0);
    EXPECT_EQ(list.GetItemHeight(0), 21);
    for (ULONG_PTR v : {30, 10, 20}) list.AddString((LPCTSTR)v);
    EXPECT_GT(list.m_nCompares, 0);
    EXPECT_EQ(list.GetItemData(0), 10u);
    EXPECT_EQ(list.GetItemData(2), 30u);
    list.UpdateWindow();
    kxtest::PumpUntilIdle();
    EXPECT_GT(list.m_nDraws, 0);
    list.DeleteString(1);
    EXPECT_EQ(list.m_deleted, std::vector<ULONG_PTR>({20}));
}

// Reading text into a caller's buffer or a CString: cut to the buffer, and
// long texts read whole.
TEST_F(ControlsTest, TextReadsFitTheBufferOrGrowTheString) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL, kRect, &m_parent, 20));
    edit.SetWindowText("alpha\r\nbeta\r\ngamma");
    char buf[10];
    std::fill(buf, buf + 10, '#');
    EXPECT_EQ(edit.GetLine(2, buf, 10), 5);
    EXPECT_STREQ(buf, "gamma");
    std::fill(buf, buf + 10, '#');
    EXPECT_EQ(edit.GetLine(2, buf, 3), 3);  // cut, no room for a terminator
    EXPECT_EQ(std::string(buf, 4), "gam#");
    EXPECT_EQ(edit.GetLine(1, buf, 0), 0);
    EXPECT_EQ(edit.GetLine(1, nullptr, 5), 0);

    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | WS_BORDER, CRect(220, 10, 320, 150), &m_parent, 31));
    list.AddString("apple");
    CString s;
    list.GetText(0, s);
    EXPECT_STREQ(s, "apple");
    list.GetText(99, s);  // no such item
    EXPECT_TRUE(s.IsEmpty());

    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASLINES, CRect(10, 170, 300, 300), &m_parent, 80));
    std::string longText(400, 'x');
    longText.back() = 'Y';
    HTREEITEM hLong = tree.InsertItem(longText.c_str());
    EXPECT_EQ(std::string((LPCTSTR)tree.GetItemText(hLong)), longText);
    EXPECT_TRUE(tree.GetItemText(nullptr).IsEmpty());
}

// A slider's range goes beyond the 16 bits of the packed message form.
TEST_F(ControlsTest, SliderRangeBeyondSixteenBits) {
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_VISIBLE, CRect(10, 40, 200, 70), &m_parent, 61));
    slider.SetRange(0, 100000);
    int lo = -1, hi = -1;
    slider.GetRange(lo, hi);
    EXPECT_TRUE(lo == 0 && hi == 100000) << lo << " " << hi;
    slider.SetPos(200000);
    EXPECT_EQ(slider.GetPos(), 100000);
}

TEST_F(ControlsTest, ListCtrlItemsTextAndSelection) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(10, 10, 400, 300), &m_parent, 90));
    EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 120), 0);
    std::string longText(600, 'n');
    longText.back() = 'Z';
    list.InsertItem(0, "one");
    list.InsertItem(1, "two");
    list.InsertItem(2, longText.c_str());
    EXPECT_EQ(std::string((LPCTSTR)list.GetItemText(2, 0)), longText);
    EXPECT_TRUE(list.GetItemText(9, 0).IsEmpty());
    char buf[3];
    EXPECT_EQ(list.GetItemText(0, 0, buf, 3), 2);
    EXPECT_STREQ(buf, "on");

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != nullptr;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, std::vector<int>({0, 2}));
}

TEST_F(ControlsTest, ToolTipToolsAndTheirText) {
    CButton target;
    ASSERT_TRUE(target.Create("target", WS_VISIBLE, CRect(10, 10, 100, 40), &m_parent, 110));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_parent));
    ASSERT_TRUE(tip.AddTool(&target, "Press me"));
    ASSERT_TRUE(tip.AddTool(&m_parent, "Corner", CRect(0, 0, 10, 10), 5));
    EXPECT_EQ(tip.GetToolCount(), 2);
    tip.UpdateTipText("Changed", &target);
    CString s;
    tip.GetText(s, &target);
    EXPECT_STREQ(s, "Changed");
    tip.DelTool(&target);
    EXPECT_EQ(tip.GetToolCount(), 1);
    EXPECT_FALSE(tip.AddTool(nullptr, "nobody"));
}
