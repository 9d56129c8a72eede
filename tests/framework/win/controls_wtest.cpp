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

class CountingButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        ++m_nDraws;
        m_last = *lpDIS;
        ::FillRect(lpDIS->hDC, &lpDIS->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
    int m_nDraws = 0;
    DRAWITEMSTRUCT m_last = {};
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
    CountingButton button;
    ASSERT_TRUE(button.Create("owner", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &m_parent, 11));
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CButton)));
    button.UpdateWindow();
    kxtest::PumpUntilIdle();
    EXPECT_GT(button.m_nDraws, 0);
    EXPECT_EQ(button.m_last.CtlType, (UINT)ODT_BUTTON);
    EXPECT_EQ(button.m_last.hwndItem, button.m_hWnd);

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

TEST_F(ControlsTest, EditLinesSelectionAndUndo) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL, kRect, &m_parent, 20));
    edit.SetWindowText("alpha\r\nbeta\r\ngamma");
    EXPECT_EQ(edit.GetLineCount(), 3);
    EXPECT_EQ(edit.LineIndex(1), 7);
    EXPECT_EQ(edit.LineLength(edit.LineIndex(1)), 4);
    EXPECT_EQ(edit.LineFromChar(8), 1);

    char buf[10];
    std::fill(buf, buf + 10, '#');
    EXPECT_EQ(edit.GetLine(2, buf, 10), 5);
    EXPECT_STREQ(buf, "gamma");
    std::fill(buf, buf + 10, '#');
    EXPECT_EQ(edit.GetLine(2, buf, 3), 3);  // cut, no room for a terminator
    EXPECT_EQ(std::string(buf, 4), "gam#");
    EXPECT_EQ(edit.GetLine(1, buf, 1), 1);
    EXPECT_EQ(buf[0], 'b');
    EXPECT_EQ(edit.GetLine(1, buf, 0), 0);
    EXPECT_EQ(edit.GetLine(1, nullptr, 5), 0);

    edit.SetSel(7, 11);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 7);
    EXPECT_EQ(nEnd, 11);
    EXPECT_EQ(edit.GetSel(), (DWORD)MAKELONG(7, 11));
    edit.SetModify(FALSE);
    edit.EmptyUndoBuffer();
    edit.ReplaceSel("BETA", TRUE);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "alpha\r\nBETA\r\ngamma");
    EXPECT_TRUE(edit.GetModify());
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "alpha\r\nbeta\r\ngamma");
    edit.EmptyUndoBuffer();
    EXPECT_FALSE(edit.CanUndo());

    // A point from a character position maps back to that character.
    CPoint pt = edit.PosFromChar(8);
    EXPECT_EQ(LOWORD(edit.CharFromPos(pt)), 8);
    EXPECT_EQ(HIWORD(edit.CharFromPos(pt)), 1);

    edit.SetMargins(3, 7);
    EXPECT_EQ(LOWORD(edit.GetMargins()), 3);
    EXPECT_EQ(HIWORD(edit.GetMargins()), 7);
    edit.LimitText(5);
    EXPECT_EQ(edit.GetLimitText(), 5u);
    edit.SetLimitText(100);
    EXPECT_EQ(edit.GetLimitText(), 100u);
    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);

    CEdit password;
    ASSERT_TRUE(password.Create(WS_VISIBLE | ES_PASSWORD, CRect(10, 170, 100, 190), &m_parent, 21));
    password.SetPasswordChar('*');
    EXPECT_EQ(password.GetPasswordChar(), '*');
}

TEST_F(ControlsTest, ListBoxItemsDataAndSelections) {
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | WS_BORDER | LBS_NOTIFY, kRect, &m_parent, 30));
    list.AddString("apple");
    list.AddString("banana");
    list.AddString("cherry");
    EXPECT_EQ(list.InsertString(1, "apricot"), 1);
    EXPECT_EQ(list.GetCount(), 4);
    CString s;
    list.GetText(1, s);
    EXPECT_STREQ(s, "apricot");
    EXPECT_EQ(list.GetTextLen(3), 6);
    list.GetText(99, s);  // no such item
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(list.FindStringExact(-1, "cherry"), 3);
    EXPECT_EQ(list.FindString(-1, "ban"), 2);
    EXPECT_NE(list.SetItemData(2, 77), LB_ERR);
    EXPECT_EQ(list.GetItemData(2), 77u);
    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.DeleteString(0), 3);
    EXPECT_EQ(list.SelectString(-1, "che"), 2);

    CListBox multi;
    ASSERT_TRUE(multi.Create(WS_VISIBLE | LBS_EXTENDEDSEL, CRect(220, 10, 320, 150), &m_parent, 31));
    for (const char* t : {"a", "b", "c", "d", "e"}) multi.AddString(t);
    multi.SelItemRange(TRUE, 1, 3);
    EXPECT_EQ(multi.GetSelCount(), 3);
    multi.SelItemRange(FALSE, 3, 3);
    int sel[5] = {};
    ASSERT_EQ(multi.GetSelItems(5, sel), 2);
    EXPECT_EQ(sel[0], 1);
    EXPECT_EQ(sel[1], 2);
    EXPECT_EQ(multi.GetSel(3), 0);
    multi.SetSel(4);
    EXPECT_GT(multi.GetSel(4), 0);
}

TEST_F(ControlsTest, ScrollBarSliderSpinAndProgressRanges) {
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(10, 10, 200, 30), &m_parent, 60));
    bar.SetScrollRange(0, 100, FALSE);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_PAGE;
    si.nPage = 10;
    bar.SetScrollInfo(&si);
    EXPECT_EQ(bar.GetScrollLimit(), 91);
    bar.SetScrollPos(200);
    EXPECT_EQ(bar.GetScrollPos(), 91);
    EXPECT_FALSE(bar.GetScrollInfo(nullptr));

    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_VISIBLE | TBS_ENABLESELRANGE, CRect(10, 40, 200, 70), &m_parent, 61));
    slider.SetRange(0, 100000);  // beyond the 16 bits of the packed form
    int lo = -1, hi = -1;
    slider.GetRange(lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 100000);
    slider.SetPos(70000);
    EXPECT_EQ(slider.GetPos(), 70000);
    slider.SetPos(200000);
    EXPECT_EQ(slider.GetPos(), 100000);
    slider.SetSelection(10, 20);
    slider.GetSelection(lo, hi);
    EXPECT_EQ(lo, 10);
    EXPECT_EQ(hi, 20);
    slider.SetPageSize(50);
    EXPECT_EQ(slider.GetPageSize(), 50);

    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_VISIBLE | WS_BORDER, CRect(10, 80, 80, 100), &m_parent, 62));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, CRect(80, 80, 96, 100), &m_parent, 63));
    spin.SetRange(1, 10);
    spin.GetRange(lo, hi);
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 10);
    spin.SetRange32(-5, 500);
    spin.GetRange32(lo, hi);
    EXPECT_EQ(lo, -5);
    EXPECT_EQ(hi, 500);
    spin.SetBuddy(&buddy);
    EXPECT_EQ(spin.GetBuddy()->GetSafeHwnd(), buddy.m_hWnd);
    spin.SetPos32(300);
    BOOL bError = TRUE;
    EXPECT_EQ(spin.GetPos32(&bError), 300);
    EXPECT_FALSE(bError);
    CString text;
    buddy.GetWindowText(text);
    EXPECT_STREQ(text, "300");

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(10, 110, 200, 130), &m_parent, 64));
    progress.SetRange32(0, 1000);
    progress.GetRange(lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 1000);
    EXPECT_EQ(progress.SetPos(250), 0);
    EXPECT_EQ(progress.OffsetPos(50), 250);
    progress.SetStep(100);
    EXPECT_EQ(progress.StepIt(), 300);
    EXPECT_EQ(progress.GetPos(), 400);
}

TEST_F(ControlsTest, TreeItemsWithParentsTextAndData) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            CRect(10, 10, 300, 300), &m_parent, 80));
    HTREEITEM hRoot = tree.InsertItem("Root");
    HTREEITEM hA = tree.InsertItem("A", hRoot);
    HTREEITEM hB = tree.InsertItem("B", 1, 2, hRoot);
    std::string longText(400, 'x');
    longText.back() = 'Y';
    HTREEITEM hA1 = tree.InsertItem(longText.c_str(), hA);
    ASSERT_TRUE(hRoot && hA && hB && hA1);
    EXPECT_EQ(tree.GetCount(), 4u);
    EXPECT_EQ(tree.GetRootItem(), hRoot);
    EXPECT_EQ(tree.GetParentItem(hA1), hA);
    EXPECT_EQ(tree.GetChildItem(hRoot), hA);
    EXPECT_EQ(tree.GetNextSiblingItem(hA), hB);
    EXPECT_EQ(tree.GetPrevSiblingItem(hB), hA);
    EXPECT_EQ(tree.GetNextSiblingItem(hB), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(hA));
    EXPECT_FALSE(tree.ItemHasChildren(hB));
    EXPECT_EQ(std::string((LPCTSTR)tree.GetItemText(hA1)), longText);
    EXPECT_TRUE(tree.GetItemText(nullptr).IsEmpty());

    int nImage = -1, nSelected = -1;
    ASSERT_TRUE(tree.GetItemImage(hB, nImage, nSelected));
    EXPECT_EQ(nImage, 1);
    EXPECT_EQ(nSelected, 2);
    EXPECT_TRUE(tree.SetItemData(hB, 42));
    EXPECT_EQ(tree.GetItemData(hB), 42u);
    EXPECT_TRUE(tree.SetItemText(hB, "Bee"));
    EXPECT_STREQ(tree.GetItemText(hB), "Bee");

    tree.Expand(hRoot, TVE_EXPAND);
    EXPECT_TRUE(tree.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(tree.SelectItem(hB));
    EXPECT_EQ(tree.GetSelectedItem(), hB);
    CRect rc;
    ASSERT_TRUE(tree.GetItemRect(hB, &rc, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(rc.CenterPoint(), &flags), hB);
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);
    EXPECT_FALSE(tree.GetItemRect(hB, nullptr, TRUE));

    EXPECT_TRUE(tree.DeleteItem(hA));  // takes its child along
    EXPECT_EQ(tree.GetCount(), 2u);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);

    CTreeCtrl checks;
    ASSERT_TRUE(checks.Create(WS_VISIBLE | TVS_CHECKBOXES, CRect(310, 10, 460, 200), &m_parent, 81));
    HTREEITEM hItem = checks.InsertItem("option");
    EXPECT_FALSE(checks.GetCheck(hItem));
    EXPECT_TRUE(checks.SetCheck(hItem));
    EXPECT_TRUE(checks.GetCheck(hItem));
}

TEST_F(ControlsTest, ListCtrlColumnsItemsAndSelection) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(10, 10, 400, 300), &m_parent, 90));
    EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 120), 0);
    EXPECT_EQ(list.InsertColumn(1, "Size", LVCFMT_RIGHT, 60, 1), 1);
    ASSERT_NE(list.GetHeaderCtrl(), nullptr);
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);
    EXPECT_EQ(list.GetColumnWidth(1), 60);
    LVCOLUMNA col = {};
    col.mask = LVCF_FMT;
    ASSERT_TRUE(list.GetColumn(1, &col));
    EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    int order[2] = {-1, -1};
    ASSERT_TRUE(list.GetColumnOrderArray(order));
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(order[1], 1);

    std::string longText(600, 'n');
    longText.back() = 'Z';
    EXPECT_EQ(list.InsertItem(0, "one"), 0);
    EXPECT_EQ(list.InsertItem(1, "two"), 1);
    EXPECT_EQ(list.InsertItem(2, longText.c_str()), 2);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_TRUE(list.SetItemText(0, 1, "1 KB"));
    EXPECT_STREQ(list.GetItemText(0, 1), "1 KB");
    EXPECT_EQ(std::string((LPCTSTR)list.GetItemText(2, 0)), longText);
    EXPECT_TRUE(list.GetItemText(9, 0).IsEmpty());
    char buf[3];
    EXPECT_EQ(list.GetItemText(0, 0, buf, 3), 2);
    EXPECT_STREQ(buf, "on");
    EXPECT_TRUE(list.SetItemData(1, 99));
    EXPECT_EQ(list.GetItemData(1), 99u);

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != nullptr;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, std::vector<int>({0, 2}));
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), (UINT)LVIS_SELECTED);

    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = "two";
    EXPECT_EQ(list.FindItem(&find), 1);
    CRect rc;
    ASSERT_TRUE(list.GetItemRect(1, &rc, LVIR_LABEL));
    EXPECT_EQ(list.HitTest(rc.CenterPoint()), 1);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_STREQ(list.GetItemText(0, 0), "two");
}

TEST_F(ControlsTest, ToolTipToolsAndTheirText) {
    CButton target;
    ASSERT_TRUE(target.Create("target", WS_VISIBLE, CRect(10, 10, 100, 40), &m_parent, 110));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_parent));
    ASSERT_TRUE(tip.AddTool(&target, "Press me"));
    ASSERT_TRUE(tip.AddTool(&m_parent, "Corner", CRect(0, 0, 10, 10), 5));
    EXPECT_EQ(tip.GetToolCount(), 2);
    CString s;
    tip.GetText(s, &target);
    EXPECT_STREQ(s, "Press me");
    tip.UpdateTipText("Changed", &target);
    tip.GetText(s, &target);
    EXPECT_STREQ(s, "Changed");
    TOOLINFOA ti;
    ASSERT_TRUE(tip.GetToolInfo(ti, &m_parent, 5));
    EXPECT_EQ(ti.rect.right, 10);
    tip.SetToolRect(&m_parent, 5, CRect(0, 0, 20, 20));
    ASSERT_TRUE(tip.GetToolInfo(ti, &m_parent, 5));
    EXPECT_EQ(ti.rect.right, 20);
    tip.DelTool(&target);
    EXPECT_EQ(tip.GetToolCount(), 1);
    EXPECT_FALSE(tip.AddTool(nullptr, "nobody"));
    tip.SetMaxTipWidth(150);
    EXPECT_EQ(tip.GetMaxTipWidth(), 150);
    tip.SetDelayTime(TTDT_INITIAL, 321);
    EXPECT_EQ(tip.GetDelayTime(TTDT_INITIAL), 321);
}
