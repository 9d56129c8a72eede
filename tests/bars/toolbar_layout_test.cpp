#include "bars/toolbar_layout.h"

#include "base/toolbar_resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

AFX_TBLAYOUTBUTTON Button(int cx = 23, int cy = 22, int id = 1) {
    AFX_TBLAYOUTBUTTON b;
    b.size = CSize(cx, cy);
    b.idCommand = id;
    return b;
}

AFX_TBLAYOUTBUTTON Separator(int id = 0) {
    AFX_TBLAYOUTBUTTON b = Button(8, 22, id);
    b.fsStyle = kAfxTbSep;
    return b;
}

AFX_TBLAYOUTBUTTON Wrapped(AFX_TBLAYOUTBUTTON b) {
    b.fsState |= kAfxTbWrap;
    return b;
}

std::vector<int> Breaks(const std::vector<AFX_TBLAYOUTBUTTON>& buttons) {
    std::vector<int> breaks;
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].fsState & kAfxTbWrap) breaks.push_back(static_cast<int>(i));
    return breaks;
}

const KX_TBMEASUREFN kMeasure = KXToolBarMeasure(0x00050051, false);  // 5.81

}  // namespace

TEST(KXToolBarLayout, WrappedButtonsMeasureByVersion) {
    const AFX_TBLAYOUTBUTTON sep = Wrapped(Separator());
    EXPECT_EQ(CSize(0, 19), KXToolBarButtonSize(sep, KX_COMCTL_470, false));
    EXPECT_EQ(CSize(0, 19), KXToolBarButtonSize(sep, KX_COMCTL_400, false));
    AFX_TBLAYOUTBUTTON flat = sep;
    flat.size.cy = 2;
    EXPECT_EQ(CSize(0, 0), KXToolBarButtonSize(flat, KX_COMCTL_470, false));
    EXPECT_EQ(CSize(0, 22), KXToolBarButtonSize(sep, KX_COMCTL_471, false));
    EXPECT_EQ(CSize(0, 8), KXToolBarButtonSize(sep, 0x00050050, false));  // across the bar: its width
    EXPECT_EQ(CSize(8, 22), KXToolBarButtonSize(Separator(), KX_COMCTL_470, false));

    AFX_TBLAYOUTBUTTON drop = Button(35, 22);
    drop.fsStyle = kKXTbDropDown;
    EXPECT_EQ(CSize(35, 22), KXToolBarButtonSize(drop, KX_COMCTL_470, false));
    EXPECT_EQ(CSize(0, 22), KXToolBarButtonSize(Wrapped(drop), KX_COMCTL_470, false));
    EXPECT_EQ(CSize(35, 22), KXToolBarButtonSize(Wrapped(drop), KX_COMCTL_470, true));
    EXPECT_EQ(CSize(23, 22), KXToolBarButtonSize(Wrapped(Button()), KX_COMCTL_470, false));
}

TEST(KXToolBarLayout, RowsBreakAtSeparatorsThenAtButtons) {
    // Four buttons, a separator, three buttons: 4 * 23 + 8 + 3 * 23 = 169.
    std::vector<AFX_TBLAYOUTBUTTON> bar = {Button(), Button(), Button(), Button(), Separator(),
                                           Button(), Button(), Button()};
    bar[6].fsState |= kAfxTbWrap;  // stale states are cleared
    EXPECT_EQ(1, KXWrapToolBar(bar.data(), 8, 169, kMeasure));
    EXPECT_TRUE(Breaks(bar).empty());

    // 120 wide: the sixth button overflows; the separator before it ends the row.
    EXPECT_EQ(2, KXWrapToolBar(bar.data(), 8, 120, kMeasure));
    EXPECT_EQ(std::vector<int>{4}, Breaks(bar));

    // 60 wide: the third button overflows with no separator in reach: the
    // second ends the row; then the separator, then the seventh button.
    EXPECT_EQ(4, KXWrapToolBar(bar.data(), 8, 60, kMeasure));
    EXPECT_EQ((std::vector<int>{1, 4, 6}), Breaks(bar));

    // No room at all: a button a row, but the separator ends the row of the
    // button before it (it is found first, searching back).
    EXPECT_EQ(7, KXWrapToolBar(bar.data(), 8, 0, kMeasure));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 4, 5, 6}), Breaks(bar));
}

TEST(KXToolBarLayout, HiddenButtonsAndControlsAreNoBreaks) {
    // A control's separator (it keeps its command) never ends a row, nor
    // does a hidden button; a hidden button takes no room.
    std::vector<AFX_TBLAYOUTBUTTON> bar = {Button(), Separator(70), Button(), Button()};
    bar[1].size.cx = 100;
    EXPECT_EQ(3, KXWrapToolBar(bar.data(), 4, 130, kMeasure));
    EXPECT_EQ((std::vector<int>{0, 2}), Breaks(bar));

    std::vector<AFX_TBLAYOUTBUTTON> hidden = {Button(), Button(), Button(), Button()};
    hidden[1].fsState = kAfxTbHidden | kAfxTbWrap;
    EXPECT_EQ(1, KXWrapToolBar(hidden.data(), 4, 69, kMeasure));
    EXPECT_TRUE(Breaks(hidden).empty());
    // A row that cannot break at all keeps its buttons.
    std::vector<AFX_TBLAYOUTBUTTON> lone = {Button(200)};
    EXPECT_EQ(1, KXWrapToolBar(lone.data(), 1, 50, kMeasure));
    EXPECT_EQ(1, KXWrapToolBar(nullptr, 0, 50, kMeasure));
}

TEST(KXToolBarLayout, SizeAddsRowsAndTheSeparatorsBetweenThem) {
    // Two rows of two buttons with a separator between them, version 4.70:
    // 22 + 19 + 22 high, as wide as the wider row.
    std::vector<AFX_TBLAYOUTBUTTON> bar = {Button(), Button(30), Wrapped(Separator()), Button(), Button()};
    const KX_TBMEASUREFN m470 = KXToolBarMeasure(KX_COMCTL_470, false);
    EXPECT_EQ(CSize(53, 63), KXToolBarCalcSize(bar.data(), 5, m470));
    EXPECT_EQ(CSize(53, 52), KXToolBarCalcSize(bar.data(), 5, kMeasure));  // above 4.71: its width, 8
    // A break at a button: rows only.
    bar[2].fsState = 0;
    bar[1].fsState = kAfxTbWrap;
    EXPECT_EQ(CSize(54, 44), KXToolBarCalcSize(bar.data(), 5, m470));
    // The tallest button sets the row's height; hidden ones count nothing.
    bar[3].size.cy = 30;
    bar[4].fsState = kAfxTbHidden;
    EXPECT_EQ(CSize(53, 52), KXToolBarCalcSize(bar.data(), 5, m470));
    EXPECT_EQ(CSize(0, 0), KXToolBarCalcSize(nullptr, 0, m470));
}

TEST(KXToolBarLayout, InsideRectTakesBordersAndGripper) {
    KX_TOOLBAR_FRAME frame;
    frame.dwStyle = 0x2000 | 0x0800 | 0x00400000;  // top, bottom border line, gripper
    frame.rcBorders = CRect(1, 3, 2, 3);
    frame.bFlatStyle = true;
    CRect rect(0, 0, 200, 40);
    KXToolBarInsideRect(frame, rect, true);
    EXPECT_EQ(CRect(1 + 10, 3, 198, 40 - 2 - 3), rect);
    // Classic: 7 - 5; in a rebar: 7.
    frame.bFlatStyle = false;
    EXPECT_EQ(2, KXToolBarGripperWidth(frame));
    frame.bInReBar = true;
    EXPECT_EQ(7, KXToolBarGripperWidth(frame));
    // Vertical: the widths turn and the gripper goes on top.
    rect = CRect(0, 0, 40, 200);
    KXToolBarInsideRect(frame, rect, false);
    EXPECT_EQ(CRect(3, 1 + 7, 40 - 3, 198 - 2), rect);
    // Floating: no lines, no gripper.
    frame.dwStyle |= 0x0001;
    rect = CRect(0, 0, 200, 40);
    KXToolBarInsideRect(frame, rect, true);
    EXPECT_EQ(CRect(1, 3, 198, 37), rect);
    EXPECT_EQ(0, KXToolBarGripperWidth(frame));
}

TEST(KXToolBarLayout, GripperBarsForEachLook) {
    KX_TOOLBAR_FRAME frame;
    frame.dwStyle = 0x2000 | 0x00400000;
    frame.rcBorders = CRect(0, 3, 0, 4);
    frame.bFlatStyle = true;
    CRect bars[2];
    ASSERT_EQ(2, KXToolBarGripperBars(frame, CRect(10, 0, 300, 30), bars));
    EXPECT_EQ(CRect(13, 2, 16, 28), bars[0]);
    EXPECT_EQ(CRect(16, 2, 19, 28), bars[1]);
    frame.dwStyle = 0x1000 | 0x00400000;  // docked left: bars across the top
    ASSERT_EQ(2, KXToolBarGripperBars(frame, CRect(0, 10, 30, 300), bars));
    EXPECT_EQ(CRect(2, 13, 28, 16), bars[0]);
    EXPECT_EQ(CRect(2, 16, 28, 19), bars[1]);

    frame.dwStyle = 0x2000 | 0x00400000;
    frame.bFlatStyle = false;
    ASSERT_EQ(2, KXToolBarGripperBars(frame, CRect(0, 0, 300, 30), bars));
    EXPECT_EQ(CRect(1, 3, 4, 26), bars[0]);
    EXPECT_EQ(CRect(5, 3, 8, 26), bars[1]);
    frame.bInReBar = true;
    ASSERT_EQ(1, KXToolBarGripperBars(frame, CRect(0, 0, 300, 30), bars));
    EXPECT_EQ(CRect(2, 3, 5, 26), bars[0]);
    frame.dwStyle |= 0x0001;
    EXPECT_EQ(0, KXToolBarGripperBars(frame, CRect(0, 0, 300, 30), bars));
}

TEST(KXToolBarLayout, ControlsAreCentredOnTheirButtons) {
    EXPECT_EQ(CRect(46, 1, 166, 21), KXToolBarControlRect(CRect(46, 0, 166, 22), 20));
    EXPECT_EQ(CRect(46, 2, 166, 19), KXToolBarControlRect(CRect(46, 0, 166, 22), 17));  // the odd pixel below
    // Taller than the row: from the button's top down.
    EXPECT_EQ(CRect(0, 22, 80, 52), KXToolBarControlRect(CRect(0, 22, 80, 44), 30));
}

TEST(ToolBarResource, ReadsCommandsAndRejectsShortData) {
    const unsigned char data[] = {1, 0, 16, 0, 15, 0, 3, 0, 0x01, 0xE1, 0, 0, 0x03, 0xE1};
    AFX_TOOLBAR_RESOURCE res;
    ASSERT_TRUE(AfxReadToolBarResource(data, sizeof data, res));
    EXPECT_EQ(16, res.cxImage);
    EXPECT_EQ(15, res.cyImage);
    ASSERT_EQ(3, res.nItems);
    EXPECT_EQ(0xE101u, res.GetItem(0));
    EXPECT_EQ(0u, res.GetItem(1));
    EXPECT_EQ(0xE103u, res.GetItem(2));

    AFX_TOOLBAR_RESOURCE untouched;
    EXPECT_FALSE(AfxReadToolBarResource(data, sizeof data - 1, untouched));  // one word short
    EXPECT_FALSE(AfxReadToolBarResource(data, 7, untouched));
    unsigned char v2[sizeof data];
    std::copy(data, data + sizeof data, v2);
    v2[0] = 2;
    EXPECT_FALSE(AfxReadToolBarResource(v2, sizeof v2, untouched));
    EXPECT_EQ(0, untouched.nItems);
    EXPECT_EQ(nullptr, untouched.pItems);
}
