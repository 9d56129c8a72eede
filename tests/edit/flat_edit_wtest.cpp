// The flat look: the edge follows the real mouse and the focus, with its
// timer running only while one of them is there, and switching the look
// off and on restores the saved styles.
#include "edit/flat_edit.h"

#include "edit_fixture.h"
#include "support/capture.h"
#include "support/input.h"
#include "support/msg_recorder.h"
#include "support/named_lock.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

namespace {

using kxtest::EditTest;

class FlatEditTest : public EditTest {
protected:
    kxtest::CursorLock m_cursorLock;  // the edge follows the real cursor

    void SetUp() override {
        EditTest::SetUp();
        Make(m_edit, m_rcEdit);
        m_edit.SetWindowText("flat");
        Away();
    }

    // The cursor over the host, away from the control.
    void Away() {
        ASSERT_TRUE(kxtest::MoveCursorTo(m_window.hwnd(), POINT{350, 250}));
        kxtest::PumpFor(60);
    }
    void Over() {
        ASSERT_TRUE(kxtest::MoveCursorTo(m_edit.m_hWnd, POINT{60, 8}));
        kxtest::PumpFor(60);
    }

    // The two rings around the client area, as host pixels: top, bottom,
    // left and right of the outer ring, then the top of the inner one.
    std::string Edge(const kxtest::Capture& shot) const {
        const CRect& r = m_rcEdit;  // the window; the client area is 2 pixels in
        const COLORREF sides[5] = {shot.At(100, r.top), shot.At(100, r.bottom - 1), shot.At(r.left, 30),
                                   shot.At(r.right - 1, 30), shot.At(100, r.top + 1)};
        const CKXAuxData& aux = CKXAuxData::Get();
        std::string s;
        for (COLORREF c : sides)
            s += c == aux.clrBtnShadow ? 'S' : c == aux.clrBtnHilite ? 'H' : c == aux.clrBtnFace ? 'F' : '?';
        return s;
    }
    std::string Edge() const { return Edge(kxtest::GrabClient(m_window.hwnd())); }

    bool TimerRuns() {
        kxtest::MessageRecorder rec;
        rec.Watch(m_edit.m_hWnd, "edit", {WM_TIMER});
        kxtest::PumpFor(80);
        for (const kxtest::RecordedMessage& m : rec.Take())
            if (m.wParam == CKXFlatEdit::kTimerID) return true;
        return false;
    }

    const CRect m_rcEdit{20, 20, 220, 44};
    CKXFlatEdit m_edit;
};

constexpr const char* kFlat = "FFFFF";    // no edge at all on the dialog colour
constexpr const char* kRaised = "SHSHF";  // a thin sunken edge

TEST_F(FlatEditTest, TheEdgeFollowsTheMouseAndTheTimerStopsWhenItLeaves) {
    EXPECT_EQ(kFlat, Edge());
    EXPECT_FALSE(TimerRuns());

    Over();
    const kxtest::Capture hot = kxtest::GrabClient(m_window.hwnd());
    EXPECT_EQ(kRaised, Edge(hot));
    kxtest::WritePng(hot, "hot");
    EXPECT_TRUE(TimerRuns());

    Away();
    EXPECT_EQ(kFlat, Edge());
    EXPECT_FALSE(TimerRuns());
    EXPECT_FALSE(::KillTimer(m_edit.m_hWnd, CKXFlatEdit::kTimerID));  // it was killed already

    // Disabled, the inner ring takes the window colour.
    m_edit.EnableWindow(FALSE);
    const kxtest::Capture shot = kxtest::GrabClient(m_window.hwnd());
    EXPECT_PIXEL(shot, 100, m_rcEdit.top + 1, CKXAuxData::Get().clrWindow);
    EXPECT_PIXEL(shot, 100, m_rcEdit.top, CKXAuxData::Get().clrBtnFace);
}

TEST_F(FlatEditTest, TheFocusKeepsTheEdgeRaisedUntilItGoes) {
    m_edit.SetFocus();
    kxtest::PumpUntilIdle();
    EXPECT_EQ(kRaised, Edge());

    // Hovered while focused, the timer keeps going after the mouse leaves...
    Over();
    Away();
    EXPECT_TRUE(TimerRuns());
    EXPECT_EQ(kRaised, Edge());

    // ...and the first tick after the focus has gone paints flat and stops.
    m_parent.SetFocus();
    kxtest::PumpFor(60);
    EXPECT_EQ(kFlat, Edge());
    EXPECT_FALSE(TimerRuns());
}

TEST_F(FlatEditTest, SwitchingTheLookRestoresTheSavedStyles) {
    m_edit.ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
    m_edit.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED);
    const DWORD dwExEdges = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
    ASSERT_EQ(dwExEdges, m_edit.GetExStyle() & dwExEdges);

    m_edit.DisableFlatLook(TRUE);
    EXPECT_FALSE(m_edit.IsFlat());
    EXPECT_FALSE(TimerRuns());
    EXPECT_EQ(dwExEdges, m_edit.GetExStyle() & dwExEdges);

    m_edit.DisableFlatLook(FALSE);
    EXPECT_TRUE(m_edit.IsFlat());
    EXPECT_EQ(0u, m_edit.GetStyle() & WS_BORDER);
    EXPECT_EQ(0u, m_edit.GetExStyle() & dwExEdges);
    CRect rcClient, rcWindow;
    m_edit.GetClientRect(&rcClient);
    m_edit.GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Size(), rcClient.Size());  // the frame was recomputed

    m_edit.DisableFlatLook(TRUE);
    EXPECT_EQ(static_cast<DWORD>(WS_BORDER), m_edit.GetStyle() & WS_BORDER);
    EXPECT_EQ(dwExEdges, m_edit.GetExStyle() & dwExEdges);

    // With the look off, the mouse over the control starts nothing.
    Over();
    EXPECT_FALSE(TimerRuns());
}

}  // namespace
