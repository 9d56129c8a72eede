// The picker button with its popup under synthetic input: the popup opens
// on a click, follows the arrow keys, ends with Enter, Escape, a click on
// a cell or outside, or the application's deactivation; the owner gets the
// notifications in order; the popup never outlives its picker.
#include "colour/color_fixture.h"

#include "colour/color_picker.h"
#include "support/capture.h"
#include "support/input.h"
#include "support/msg_recorder.h"
#include "support/named_lock.h"
#include "support/pixel_assert.h"

#include <gtest/gtest.h>

namespace {

using kxtest::ExpectedMessage;
using kxtest::kSent;

constexpr UINT kID = 100;

class ColorPickerTest : public kxtest::ColourTest {
protected:
    void SetUp() override {
        ColourTest::SetUp();
        ASSERT_TRUE(m_picker.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 110, 30), &m_host, kID));
    }
    void TearDown() override {
        if (m_picker.m_hWnd) m_picker.DestroyWindow();
        ColourTest::TearDown();
    }

    // Clicks the picker and waits for its popup.
    CKXColorPopup* Open() {
        kxtest::PostClick(m_picker.m_hWnd, CPoint(20, 8));
        kxtest::PumpUntil([&] { return m_picker.IsPopupOpen() == TRUE; });
        kxtest::PumpUntilIdle();
        return static_cast<CKXColorPopup*>(CWnd::FromHandlePermanent(m_picker.GetPopupWindow()));
    }
    void Keys(std::initializer_list<UINT> keys) {
        for (UINT vk : keys) kxtest::PostKeyDown(m_picker.m_hWnd, vk);
        kxtest::PumpUntilIdle();
    }
    void Watch(kxtest::MessageRecorder& rec) {
        rec.Watch(m_picker.m_hWnd, "picker", kxtest::kColourMessages);
        rec.Watch(m_window.hwnd(), "owner", {WM_COMMAND});
    }
    static ExpectedMessage Owner(UINT nCode) {
        return ExpectedMessage("owner", WM_COMMAND, kSent, static_cast<int>(nCode)).WithWParam(MAKEWPARAM(kID, nCode));
    }
    // The button's own click, which the owner reflects back to it.
    static ExpectedMessage Clicked() { return Owner(BN_CLICKED); }
    static ExpectedMessage Picker(UINT nMessage, COLORREF clr) {
        return ExpectedMessage("picker", nMessage, kSent).WithWParam(clr).WithLParam(0);
    }

    CKXColorPicker m_picker;
};

TEST_F(ColorPickerTest, ArrowsAndEnterChooseAColour) {
    kxtest::CursorLock lock;
    m_picker.SetColor(RGB(0, 0, 0));
    kxtest::MessageRecorder rec;
    Watch(rec);
    CKXColorPopup* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pPopup->m_hWnd, ::GetCapture());
    EXPECT_TRUE(::IsWindowVisible(pPopup->m_hWnd));
    // It opens under the picker, the picker's left edge aligned.
    CRect rcPicker, rcPopup;
    m_picker.GetWindowRect(&rcPicker);
    pPopup->GetWindowRect(&rcPopup);
    EXPECT_EQ(rcPicker.left, rcPopup.left);
    EXPECT_EQ(rcPicker.bottom, rcPopup.top);

    // None, then the automatic item, black, grey.
    Keys({VK_RIGHT, VK_RIGHT, VK_RIGHT});
    EXPECT_EQ(2, pPopup->GetCurSel());
    Keys({VK_RETURN});
    EXPECT_FALSE(m_picker.IsPopupOpen());
    EXPECT_EQ(RGB(128, 128, 128), m_picker.GetColor());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        Clicked(),
        Picker(KXCPN_DROPDOWN, RGB(0, 0, 0)),
        Owner(KXCPN_DROPDOWN),
        Picker(KXCPN_SELENDOK, RGB(128, 128, 128)),
        Owner(KXCPN_CLOSEUP),
        Owner(KXCPN_SELENDOK),
        Picker(KXCPN_CLOSEUP, RGB(0, 0, 0)),
        Owner(KXCPN_CLOSEUP),
    }));
}

// Opened from the keyboard (Alt+Down), closed with Escape.
TEST_F(ColorPickerTest, EscapeCancelsAndTheColourStays) {
    kxtest::CursorLock lock;
    m_picker.SetColor(RGB(255, 0, 0));
    kxtest::MessageRecorder rec;
    Watch(rec);
    kxtest::PostKeyDown(m_picker.m_hWnd, VK_DOWN, true);
    kxtest::PumpUntilIdle();
    ASSERT_TRUE(m_picker.IsPopupOpen());
    Keys({VK_DOWN, VK_DOWN, VK_ESCAPE});
    EXPECT_FALSE(m_picker.IsPopupOpen());
    EXPECT_EQ(RGB(255, 0, 0), m_picker.GetColor());
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        Picker(KXCPN_DROPDOWN, RGB(255, 0, 0)),
        Owner(KXCPN_DROPDOWN),
        Picker(KXCPN_SELENDCANCEL, RGB(255, 0, 0)),
        Owner(KXCPN_CLOSEUP),
        Owner(KXCPN_SELENDCANCEL),
        Picker(KXCPN_CLOSEUP, RGB(255, 0, 0)),
        Owner(KXCPN_CLOSEUP),
    }));
}

TEST_F(ColorPickerTest, ClickingTheCurrentColourChangesNothing) {
    kxtest::CursorLock lock;
    const COLORREF clrMaroon = 0x000080;  // the third cell of the 16
    m_picker.SetColor(clrMaroon);
    kxtest::MessageRecorder rec;
    Watch(rec);
    CKXColorPopup* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    const KX_COLOR_CELL* pCell = pPopup->GetCellFromIndex(3);
    ASSERT_NE(nullptr, pCell);
    EXPECT_TRUE(pCell->bSelected);
    EXPECT_EQ(clrMaroon, pCell->clr);
    kxtest::PostClick(pPopup->m_hWnd, kxtest::Centre(pCell->rect));
    kxtest::PumpUntilIdle();
    EXPECT_FALSE(m_picker.IsPopupOpen());
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        Clicked(),
        Picker(KXCPN_DROPDOWN, clrMaroon),
        Owner(KXCPN_DROPDOWN),
        Picker(KXCPN_SELCHANGE, clrMaroon),
        Owner(KXCPN_SELCHANGE),
        Picker(KXCPN_CLOSEUP, clrMaroon),
        Owner(KXCPN_CLOSEUP),
    }));
}

TEST_F(ColorPickerTest, ClickOutsideOrLeavingTheApplicationCancels) {
    kxtest::CursorLock lock;
    for (int nWay = 0; nWay < 2; ++nWay) {
        m_picker.SetColor(RGB(0, 128, 0));
        CKXColorPopup* pPopup = Open();
        ASSERT_NE(nullptr, pPopup);
        kxtest::MessageRecorder rec;
        Watch(rec);
        if (nWay == 0) {
            // The captured mouse goes down beside the popup.
            kxtest::PostMouseDown(pPopup->m_hWnd, CPoint(-30, 5));
        } else {
            ::SendMessageA(pPopup->m_hWnd, WM_ACTIVATEAPP, FALSE, 0);
        }
        kxtest::PumpUntilIdle();
        EXPECT_FALSE(m_picker.IsPopupOpen()) << nWay;
        EXPECT_EQ(RGB(0, 128, 0), m_picker.GetColor());
        EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
            Picker(KXCPN_SELENDCANCEL, RGB(0, 128, 0)),
            Owner(KXCPN_CLOSEUP),
            Owner(KXCPN_SELENDCANCEL),
            Picker(KXCPN_CLOSEUP, RGB(0, 128, 0)),
            Owner(KXCPN_CLOSEUP),
        })) << nWay;
    }
}

TEST_F(ColorPickerTest, NoFillItemGivesTheEmptyColour) {
    kxtest::CursorLock lock;
    m_picker.SetPopupStyle(KXCPS_NOFILL | KXCPS_40COLORS);
    m_picker.SetColor(RGB(1, 2, 3));
    CKXColorPopup* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(41, pPopup->GetLastIndex());
    EXPECT_STREQ("No Fill", pPopup->GetCellFromIndex(0)->szText);
    kxtest::MessageRecorder rec;
    Watch(rec);
    Keys({VK_RIGHT, VK_SPACE});
    EXPECT_EQ(KXCOLOR_NOFILL, m_picker.GetColor());
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        Picker(KXCPN_SELNOFILL, KXCOLOR_NOFILL),
        Owner(KXCPN_SELNOFILL),
        Picker(KXCPN_CLOSEUP, RGB(1, 2, 3)),
        Owner(KXCPN_CLOSEUP),
    }));
}

TEST_F(ColorPickerTest, ThePopupNeverOutlivesItsPicker) {
    kxtest::CursorLock lock;
    CKXColorPopup* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    const HWND hPopup = pPopup->m_hWnd;
    kxtest::MessageRecorder rec;
    rec.Watch(m_window.hwnd(), "owner", {WM_COMMAND});
    m_picker.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPopup));
    EXPECT_NE(hPopup, ::GetCapture());
    kxtest::PumpUntilIdle();
    // The owner hears that it closed, nothing else.
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {Owner(KXCPN_CLOSEUP)}));
}

// The popup's frame: a dialog frame in the classic look, a one-pixel line
// in the XP look (with the margins that go with each).
TEST_F(ColorPickerTest, PopupFrameFollowsTheLook) {
    kxtest::CursorLock lock;
    CKXAuxData& aux = CKXAuxData::Get();
    const int bXP = aux.bXPLook;
    for (int bLook : {FALSE, TRUE}) {
        aux.bXPLook = bLook;
        CKXColorPopup* pPopup = Open();
        ASSERT_NE(nullptr, pPopup);
        CRect rcWindow, rcClient;
        pPopup->GetWindowRect(&rcWindow);
        pPopup->GetClientRect(&rcClient);
        const DWORD dwStyle = pPopup->GetStyle();
        EXPECT_EQ(bLook ? 4 + 6 + 144 : 4 + 10 + 144, rcWindow.Width());
        if (bLook) {
            EXPECT_EQ(0u, dwStyle & 0x00C40000);
            EXPECT_EQ(rcWindow.Width() - 2, rcClient.Width());
            EXPECT_EQ(rcWindow.Height() - 2, rcClient.Height());
        } else {
            EXPECT_EQ(static_cast<DWORD>(WS_DLGFRAME), dwStyle & WS_DLGFRAME);
            EXPECT_EQ(rcWindow.Width() - 2 * ::GetSystemMetrics(SM_CXDLGFRAME), rcClient.Width());
        }
        Keys({VK_ESCAPE});
        EXPECT_FALSE(m_picker.IsPopupOpen());
    }
    aux.bXPLook = bXP;
}

TEST_F(ColorPickerTest, FaceShowsTheColourSwatch) {
    CRect rc;
    m_picker.GetClientRect(&rc);
    const int y = rc.Height() / 2;
    m_picker.SetColor(RGB(200, 0, 0));
    kxtest::Capture cap = kxtest::PrintClient(m_picker.m_hWnd);
    EXPECT_PIXEL(cap, 20, y, RGB(200, 0, 0));
    EXPECT_PIXEL(cap, 60, y, RGB(200, 0, 0));
    // Text in colour: the swatch takes the contrast colour.
    m_picker.ShowText(TRUE);
    m_picker.SetTextInColor(TRUE);
    m_picker.SetFlatLook(TRUE);
    cap = kxtest::PrintClient(m_picker.m_hWnd);
    EXPECT_PIXEL(cap, 8, y, RGB(255, 255, 255));
    // Disabled: the face colour.
    m_picker.ShowText(FALSE);
    m_picker.EnableWindow(FALSE);
    cap = kxtest::PrintClient(m_picker.m_hWnd);
    EXPECT_PIXEL(cap, 20, y, CKXAuxData::Get().clrBtnFace);
}

TEST_F(ColorPickerTest, DataExchangeOfTheColour) {
    COLORREF clr = RGB(10, 20, 30);
    CDataExchange load(&m_host, FALSE);
    DDX_KXColorPicker(&load, kID, clr);
    EXPECT_EQ(RGB(10, 20, 30), m_picker.GetColor());
    m_picker.SetColor(RGB(40, 50, 60));
    CDataExchange save(&m_host, TRUE);
    DDX_KXColorPicker(&save, kID, clr);
    EXPECT_EQ(RGB(40, 50, 60), clr);
}

TEST_F(ColorPickerTest, ContrastColourAndSize) {
    m_picker.SetColor(RGB(128, 128, 128));
    EXPECT_EQ(RGB(255, 255, 255), m_picker.GetContrastColor());
    m_picker.SetColor(RGB(129, 129, 129));
    EXPECT_EQ(RGB(0, 0, 0), m_picker.GetContrastColor());
    // The picker takes its arrow's height whatever it was given.
    CRect rc;
    m_picker.GetClientRect(&rc);
    const int w = std::max(std::max(::GetSystemMetrics(SM_CXVSCROLL), 5 * ::GetSystemMetrics(SM_CXEDGE)),
                           std::max(::GetSystemMetrics(SM_CYVTHUMB), 5 * ::GetSystemMetrics(SM_CYEDGE)));
    EXPECT_EQ(w + 2 * ::GetSystemMetrics(SM_CYEDGE), rc.Height());
    EXPECT_EQ(100, rc.Width());
}

}  // namespace
