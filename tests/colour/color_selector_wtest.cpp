// The colour selector as a child window: its size and cells from the
// style, the keyboard, the end of a selection sent to its listeners, bad
// indices, the painted cells, and the colour dialog behind its bottom item
// feeding the user colours.
#include "colour/color_fixture.h"

#include "colour/color_dialog.h"
#include "colour/color_selector.h"
#include "core/aux_data.h"
#include "support/capture.h"
#include "support/dialog_answer.h"
#include "support/input.h"
#include "support/msg_recorder.h"
#include "support/named_lock.h"
#include "support/pixel_assert.h"

#include <gtest/gtest.h>

namespace {

using kxtest::ExpectedMessage;
using kxtest::kSent;
using ColorSelectorTest = kxtest::ColourTest;

ExpectedMessage Host(UINT nMessage, COLORREF clr) {
    return ExpectedMessage("host", nMessage, kSent).WithWParam(clr).WithLParam(0);
}

TEST_F(ColorSelectorTest, SizeAndCellsFollowTheStyle) {
    CKXColorSelectorCtrl small;
    ASSERT_TRUE(small.Create(CRect(10, 0, 10, 5), &m_host, 0, RGB(255, 0, 0), RGB(0, 0, 0)));
    CRect rc;
    small.GetWindowRect(&rc);
    m_host.ScreenToClient(&rc);
    EXPECT_EQ(CRect(10, 5, 154, 87), rc);  // below the bottom edge; 110 - 28 high
    EXPECT_EQ(17, small.GetLastIndex());
    EXPECT_EQ(17, small.GetCellCount());    // no cell for the last index
    EXPECT_EQ(nullptr, small.GetCellFromIndex(17));
    EXPECT_EQ(46, small.GetCellFromIndex(1)->rect.top);
    EXPECT_STREQ("Automatic", small.GetCellFromIndex(0)->szText);
    // Red is the 11th of the 16, and selected.
    EXPECT_TRUE(small.GetCellFromIndex(11)->bSelected);
    EXPECT_EQ((LRESULT)CKXAuxData::Get().fontRegular.GetSafeHandle(), small.SendMessage(WM_GETFONT));

    CKXColorPopup::AddUserColor(RGB(1, 1, 1));
    CKXColorPopup::AddUserColor(RGB(2, 2, 2));
    CKXColorSelectorCtrl big;
    ASSERT_TRUE(big.Create(CRect(200, 0, 200, 0), &m_host, KXCPS_40COLORS | KXCPS_USERCOLORS, RGB(2, 2, 2)));
    big.GetWindowRect(&rc);
    EXPECT_EQ(110 + 34 + 18 + 8, rc.Height());
    EXPECT_EQ(43, big.GetLastIndex());
    EXPECT_EQ(44, big.GetCellCount());
    EXPECT_EQ(27, big.GetCellFromIndex(1)->rect.top);
    EXPECT_EQ(27 + 5 * 18 + 4, big.GetCellFromIndex(41)->rect.top);  // the user row
    EXPECT_TRUE(big.GetCellFromIndex(42)->bSelected);
    EXPECT_EQ(KXCELL_BOTTOM, big.GetCellFromIndex(43)->dwType);
    EXPECT_FALSE(big.GetCellFromIndex(43)->bSelected);  // the colour is a user colour
    EXPECT_STREQ("More Colors...", big.GetCellFromIndex(43)->szText);
}

TEST_F(ColorSelectorTest, KeysMoveTheHighlightAndEndTheSelection) {
    CKXColorSelectorCtrl sel;
    ASSERT_TRUE(sel.Create(CRect(0, 0, 0, 0), &m_host, KXCPS_40COLORS | KXCPS_USERCOLORS, RGB(0, 0, 0)));
    auto key = [&](UINT vk) {
        kxtest::PostKeyDown(sel.m_hWnd, vk);
        kxtest::PumpUntilIdle();
        return sel.GetCurSel();
    };
    EXPECT_EQ(41, key(VK_UP));     // none highlighted: the last index
    EXPECT_EQ(33, key(VK_UP));     // from the last, the first of the last row
    EXPECT_EQ(25, key(VK_UP));
    EXPECT_EQ(33, key(VK_DOWN));
    EXPECT_EQ(41, key(VK_DOWN));
    EXPECT_EQ(0, key(VK_RIGHT));   // wraps
    EXPECT_EQ(41, key(VK_LEFT));   // wraps back
    EXPECT_EQ(0, key(VK_DOWN));

    kxtest::MessageRecorder rec;
    rec.Watch(m_window.hwnd(), "host", kxtest::kColourMessages);
    key(VK_DOWN);                   // index 1: black, the current colour
    key(VK_RETURN);
    key(VK_RIGHT);                  // index 2
    key(VK_SPACE);
    key(VK_ESCAPE);
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        Host(KXCPN_SELCHANGE, RGB(0, 0, 0)),
        Host(KXCPN_SELENDOK, 0x003399),
        Host(KXCPN_SELENDCANCEL, RGB(0, 0, 0)),
    }));
    // The selector's own colour is the caller's business.
    EXPECT_EQ(RGB(0, 0, 0), sel.GetColor());
}

TEST_F(ColorSelectorTest, WithoutTheDialogItemTheLastIndexIsSkipped) {
    CKXColorSelectorCtrl sel;
    ASSERT_TRUE(sel.Create(CRect(0, 0, 0, 0), &m_host, 0, RGB(0, 0, 0)));
    sel.SetCurSel(16);
    kxtest::PostKeyDown(sel.m_hWnd, VK_RIGHT);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(0, sel.GetCurSel());
    kxtest::PostKeyDown(sel.m_hWnd, VK_LEFT);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(16, sel.GetCurSel());
}

TEST_F(ColorSelectorTest, BadIndicesChangeNothingOrCancel) {
    CKXColorSelectorCtrl sel;
    ASSERT_TRUE(sel.Create(CRect(0, 0, 0, 0), &m_host, 0, RGB(0, 0, 255), RGB(9, 9, 9)));
    sel.SetCurSel(3);
    for (int bad : {-2, 17, 18, 1000}) {
        sel.SetCurSel(bad);
        EXPECT_EQ(3, sel.GetCurSel()) << bad;
        EXPECT_EQ(nullptr, sel.GetCellFromIndex(bad)) << bad;
    }
    kxtest::MessageRecorder rec;
    rec.Watch(m_window.hwnd(), "host", kxtest::kColourMessages);
    sel.EndSelection(1000);   // no such cell: a cancel
    sel.EndSelection(17);     // the last index has no dialog item here
    sel.EndSelection(0);      // the automatic item: the default colour
    sel.RemoveListener(m_window.hwnd());
    sel.EndSelection(1);      // nobody listens any more
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        Host(KXCPN_SELENDCANCEL, RGB(0, 0, 255)),
        Host(KXCPN_SELENDCANCEL, RGB(0, 0, 255)),
        Host(KXCPN_SELENDOK, RGB(9, 9, 9)),
    }));
}

TEST_F(ColorSelectorTest, PaintsCellsAndTheirStates) {
    CKXAuxData& aux = CKXAuxData::Get();
    const int bXP = aux.bXPLook;
    aux.bXPLook = FALSE;
    CKXColorSelectorCtrl sel;
    ASSERT_TRUE(sel.Create(CRect(0, 0, 0, 0), &m_host, KXCPS_USERCOLORS, RGB(0, 0, 255), RGB(0, 255, 0)));
    sel.SetCurSel(12);  // yellow, highlighted: a raised frame
    kxtest::Capture cap = kxtest::PrintClient(sel.m_hWnd);
    for (int i = 1; i <= 16; ++i) {
        const RECT& rc = sel.GetCellFromIndex(i)->rect;
        EXPECT_PIXEL(cap, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2, sel.GetCellFromIndex(i)->clr) << i;
        EXPECT_PIXEL(cap, rc.left + 3, rc.top + 3, aux.clrBtnShadow) << i;  // the swatch's frame
    }
    const RECT& rcHot = sel.GetCellFromIndex(12)->rect;
    EXPECT_PIXEL(cap, rcHot.left, rcHot.top, aux.clrBtnHilite);
    EXPECT_PIXEL(cap, rcHot.right - 1, rcHot.bottom - 1, aux.clrBtnShadow);
    const RECT& rcSel = sel.GetCellFromIndex(15)->rect;  // blue, selected: sunken
    EXPECT_PIXEL(cap, rcSel.left, rcSel.top, aux.clrBtnShadow);
    EXPECT_PIXEL(cap, rcSel.right - 1, rcSel.bottom - 1, aux.clrBtnHilite);
    // The automatic item's swatch of the default colour.
    const RECT& rcTop = sel.GetCellFromIndex(0)->rect;
    EXPECT_PIXEL(cap, rcTop.left + 6 + 1 + 3, rcTop.top + 6 + 3, RGB(0, 255, 0));

    // The XP look fills the hot and the selected cells and frames them.
    aux.bXPLook = TRUE;
    cap = kxtest::PrintClient(sel.m_hWnd);
    const CKXColorManager& cm = CKXColorManager::s_managerInstance;
    // A child takes the background its parent gives static controls.
    EXPECT_PIXEL(cap, 0, 0, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_PIXEL(cap, rcHot.left, rcHot.top, aux.clrHilite);
    EXPECT_PIXEL(cap, rcHot.left + 1, rcHot.top + 1, cm.GetColor(XPCOLOR_HIGHLIGHT));
    EXPECT_PIXEL(cap, rcSel.left + 1, rcSel.top + 1, cm.GetColor(XPCOLOR_HIGHLIGHT_CHECKED));
    aux.bXPLook = bXP;
}

// The bottom item runs the colour dialog; its colour joins the user colours,
// the oldest going when a row is full.
TEST_F(ColorSelectorTest, DialogColourJoinsTheUserColours) {
    kxtest::CursorLock lock;
    for (COLORREF c = 1; c <= 8; ++c) CKXColorPopup::AddUserColor(RGB(c, c, c));
    CKXColorSelectorCtrl sel;
    ASSERT_TRUE(sel.Create(CRect(0, 0, 0, 0), &m_host, KXCPS_USERCOLORS, RGB(0, 0, 255)));
    kxtest::MessageRecorder rec;
    rec.Watch(m_window.hwnd(), "host", kxtest::kColourMessages);
    {
        kxtest::DialogAnswer answer("Colors", {[&](HWND hDlg) {
            auto* pDlg = static_cast<CKXColorDialog*>(CWnd::FromHandlePermanent(hDlg));
            ASSERT_NE(nullptr, pDlg);
            EXPECT_EQ(pDlg, sel.GetColorDialog());
            EXPECT_TRUE(sel.IsColorDlgVisible());
            EXPECT_EQ(RGB(0, 0, 255), pDlg->GetCurrentColor());
            pDlg->SetNewColor(RGB(10, 20, 30));
            kxtest::ClickButton(hDlg, IDOK);
        }});
        sel.EndSelection(sel.GetLastIndex());
        EXPECT_TRUE(answer.Done());
    }
    EXPECT_FALSE(sel.IsColorDlgVisible());
    ASSERT_EQ(8, CKXColorSelectorCtrl::m_arUserDefColors.GetSize());
    EXPECT_EQ(RGB(2, 2, 2), CKXColorSelectorCtrl::m_arUserDefColors[0]);
    EXPECT_EQ(RGB(10, 20, 30), CKXColorSelectorCtrl::m_arUserDefColors[7]);
    {
        kxtest::DialogAnswer answer("Colors", {[](HWND hDlg) { kxtest::ClickButton(hDlg, IDCANCEL); }});
        sel.EndSelection(sel.GetLastIndex());
        EXPECT_TRUE(answer.Done());
    }
    EXPECT_EQ(8, CKXColorSelectorCtrl::m_arUserDefColors.GetSize());
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        Host(KXCPN_SELENDOK, RGB(10, 20, 30)),
        Host(KXCPN_SELENDCANCEL, RGB(0, 0, 255)),
    }));
}

}  // namespace
