// The embedded scroll bar standing in for the selected window's own: its
// state copied over, its messages passed on, real clicks on it scrolling a
// real list view.
#include "tabs/flat_tab_fixture.h"

#include "support/input.h"
#include "support/msg_recorder.h"

#include <gtest/gtest.h>

namespace {

using kxtest::kSent;
using FlatTabScrollTest = kxtest::FlatTabTest;

// A window with a horizontal scroll bar of its own that scrolls by ten on a
// line and to the thumb on a thumb message.
class CScrolledWnd : public CWnd {
public:
    BOOL Create(CWnd* pParent, int nMax, UINT nPage, int nPos) {
        if (!CWnd::Create(AfxRegisterWndClass(0), "scrolled", WS_CHILD | WS_VISIBLE | WS_HSCROLL, CRect(0, 0, 50, 50),
                          pParent, 0))
            return FALSE;
        SCROLLINFO si = {sizeof si, SIF_ALL, 0, nMax, nPage, nPos, 0};
        ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
        return TRUE;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HSCROLL) {
            int nPos = ::GetScrollPos(m_hWnd, SB_HORZ);
            if (LOWORD(wParam) == SB_LINERIGHT) nPos += 10;
            if (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION) nPos = HIWORD(wParam);
            ::SetScrollPos(m_hWnd, SB_HORZ, nPos, TRUE);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

SCROLLINFO InfoOf(HWND hWnd, int nBar) {
    SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(hWnd, nBar, &si);
    return si;
}

bool HasHScroll(HWND hWnd) { return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_HSCROLL) != 0; }

TEST_F(FlatTabScrollTest, TheBarTakesOverTheSelectedWindowsBar) {
    Create(KX_FTS_HASARROWS | KX_FTS_HSCROLL);
    CScrolledWnd wide, narrow;
    ASSERT_TRUE(wide.Create(&m_host, 999, 100, 50));
    ASSERT_TRUE(narrow.Create(&m_host, 99, 100, 0));  // the page covers the range
    m_tabs.InsertItem(0, "Wide", &wide);
    CScrollBar* pBar = m_tabs.GetScrollBarCtrl(SB_HORZ);
    ASSERT_NE(nullptr, pBar);

    EXPECT_FALSE(HasHScroll(wide.m_hWnd));
    SCROLLINFO si = InfoOf(pBar->m_hWnd, SB_CTL);
    EXPECT_EQ(0, si.nMin);
    EXPECT_EQ(999, si.nMax);
    EXPECT_EQ(100u, si.nPage);
    EXPECT_EQ(50, si.nPos);
    EXPECT_TRUE(pBar->IsWindowEnabled());
    // The control's own scroll members reach the embedded bar.
    EXPECT_EQ(50, m_tabs.GetScrollPos(SB_HORZ));

    m_tabs.InsertItem(1, "Narrow", &narrow);
    EXPECT_FALSE(HasHScroll(narrow.m_hWnd));
    EXPECT_FALSE(pBar->IsWindowEnabled());
    m_tabs.SetCurSel(0);
    EXPECT_TRUE(pBar->IsWindowEnabled());

    // A thumb message: first the distance as a list-view scroll request,
    // then the message itself as if from the window's own bar.
    kxtest::MessageRecorder rec;
    rec.Watch(wide.m_hWnd, "wide", {LVM_SCROLL, WM_HSCROLL});
    m_tabs.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300), reinterpret_cast<LPARAM>(pBar->m_hWnd));
    m_tabs.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(pBar->m_hWnd));
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        kxtest::ExpectedMessage("wide", LVM_SCROLL, kSent).WithWParam(250).WithLParam(0),
        kxtest::ExpectedMessage("wide", WM_HSCROLL, kSent).WithWParam(MAKEWPARAM(SB_THUMBTRACK, 300)).WithLParam(0),
        kxtest::ExpectedMessage("wide", WM_HSCROLL, kSent).WithWParam(MAKEWPARAM(SB_LINERIGHT, 0)).WithLParam(0),
    }));
    // The window moved and took its bar back; the sync took it away again.
    EXPECT_EQ(310, InfoOf(pBar->m_hWnd, SB_CTL).nPos);
    EXPECT_FALSE(HasHScroll(wide.m_hWnd));

    // A scroll message from any other bar is not the control's to pass on.
    m_tabs.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
    EXPECT_EQ(310, ::GetScrollPos(wide.m_hWnd, SB_HORZ));
}

TEST_F(FlatTabScrollTest, ClicksOnTheBarScrollAListView) {
    Create(KX_FTS_HASARROWS | KX_FTS_HSCROLL);
    AfxInitCommonControls();
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 100, 100), &m_host, 300));
    list.InsertColumn(0, "Wide column", LVCFMT_LEFT, 2000);
    list.InsertItem(0, "Row");
    m_tabs.InsertItem(0, "List", &list);
    kxtest::PumpUntilIdle();
    CScrollBar* pBar = m_tabs.GetScrollBarCtrl(SB_HORZ);
    ASSERT_TRUE(pBar->IsWindowEnabled());
    EXPECT_FALSE(HasHScroll(list.m_hWnd));
    const int nMax = InfoOf(pBar->m_hWnd, SB_CTL).nMax;
    EXPECT_GE(nMax, 1999);

    // The bar's right arrow, clicked: the list moves, the bar follows it.
    CRect rcBar;
    pBar->GetClientRect(&rcBar);
    kxtest::PostClick(pBar->m_hWnd, CPoint(rcBar.right - 3, rcBar.Height() / 2));
    kxtest::PumpUntilIdle();
    const int nLine = ::GetScrollPos(list.m_hWnd, SB_HORZ);
    EXPECT_GT(nLine, 0);
    EXPECT_EQ(nLine, pBar->GetScrollPos());

    // The thumb dragged to 500: the list shows from pixel 500.
    m_tabs.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 500), reinterpret_cast<LPARAM>(pBar->m_hWnd));
    m_tabs.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 500), reinterpret_cast<LPARAM>(pBar->m_hWnd));
    EXPECT_EQ(500, ::GetScrollPos(list.m_hWnd, SB_HORZ));
    EXPECT_EQ(500, pBar->GetScrollPos());

    // A column changes width: the header's notification re-reads the range.
    list.SetColumnWidth(0, 3000);
    NMHEADERA nmh = {};
    nmh.hdr.hwndFrom = list.m_hWnd;
    nmh.hdr.idFrom = 300;
    nmh.hdr.code = static_cast<UINT>(HDN_ITEMCHANGEDA);
    m_tabs.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&nmh));
    EXPECT_GE(InfoOf(pBar->m_hWnd, SB_CTL).nMax, 2999);
    EXPECT_FALSE(HasHScroll(list.m_hWnd));
}

TEST_F(FlatTabScrollTest, WithoutTheStyleThereIsNoBar) {
    Create(KX_FTS_HASARROWS);
    CScrolledWnd wide;
    ASSERT_TRUE(wide.Create(&m_host, 999, 100, 50));
    m_tabs.InsertItem(0, "Wide", &wide);
    EXPECT_EQ(nullptr, m_tabs.GetScrollBarCtrl(SB_HORZ));
    EXPECT_TRUE(HasHScroll(wide.m_hWnd));  // its own bar stays
    EXPECT_EQ(-1, m_tabs.GetGripperPosition());
    m_tabs.SetGripperPosition(50, true);
    EXPECT_EQ(-1, m_tabs.GetGripperPosition());
    m_tabs.SyncScrollBar();
    EXPECT_TRUE(HasHScroll(wide.m_hWnd));
}

}  // namespace
