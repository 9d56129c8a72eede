// The status bar's pane records, which derived bars read and write in
// place: their layout, and that the bar's operations keep them current.
#include "win/afxwin.h"

#include <afxext.h>

#include "frame_test_res.h"
#include "support/host_window.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace {

// Derived bars reach the records the way the library's status bar does.
class CPaneBar : public CStatusBar {
public:
    AFX_STATUSPANE* Pane(int nIndex) const { return _GetPanePtr(nIndex); }
};

TEST(StatusBarPanes, RecordsAreTheBarsOwnInAFixedLayout) {
    // nID, cxText, nStyle, nFlags, strText: four 32-bit fields, then the text.
    EXPECT_EQ(0u, offsetof(AFX_STATUSPANE, nID));
    EXPECT_EQ(4u, offsetof(AFX_STATUSPANE, cxText));
    EXPECT_EQ(8u, offsetof(AFX_STATUSPANE, nStyle));
    EXPECT_EQ(12u, offsetof(AFX_STATUSPANE, nFlags));
    EXPECT_EQ(16u, offsetof(AFX_STATUSPANE, strText));

    kxtest::HostWindow host;
    CWnd* pHost = CWnd::FromHandle(host.hwnd());
    CPaneBar bar;
    ASSERT_TRUE(bar.Create(pHost));
    const UINT ids[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_TEST_CMD};  // indicators with strings
    ASSERT_TRUE(bar.SetIndicators(ids, 3));
    bar.SetPaneInfo(2, ID_TEST_CMD, SBPS_POPOUT, 77);
    bar.SetPaneText(1, "CAPS");
    EXPECT_EQ(static_cast<UINT>(ID_TEST_CMD), bar.Pane(2)->nID);
    EXPECT_EQ(77, bar.Pane(2)->cxText);
    EXPECT_EQ(static_cast<UINT>(SBPS_POPOUT), bar.Pane(2)->nStyle);
    EXPECT_STREQ("CAPS", bar.Pane(1)->strText);
    // Consecutive records, one per pane.
    EXPECT_EQ(bar.Pane(0) + 1, bar.Pane(1));
    // Written in place, read through the bar.
    bar.Pane(1)->cxText = 40;
    UINT nID, nStyle;
    int cx;
    bar.GetPaneInfo(1, nID, nStyle, cx);
    EXPECT_EQ(40, cx);

    // The control itself: a part per pane, the texts shown; no grip in a window that cannot be sized.
    CStatusBarCtrl& ctrl = bar.GetStatusBarCtrl();
    EXPECT_EQ(3, ctrl.GetParts(0, nullptr));
    EXPECT_STREQ("CAPS", ctrl.GetText(1));
    EXPECT_FALSE(bar.GetStyle() & SBARS_SIZEGRIP);
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Grip", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CStatusBar gripBar;
    ASSERT_TRUE(gripBar.Create(pFrame));
    EXPECT_TRUE(gripBar.GetStyle() & SBARS_SIZEGRIP);
    pFrame->DestroyWindow();
}

}  // namespace
