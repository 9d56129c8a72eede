// The list-box variant: rows of large icons, colours by look or by the
// application, the selection following the mouse and the owner told on
// release.
#include "bars/outlook_bar.h"

#include "outbar_fixture.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

namespace {

using kxtest::OutBarTest;

class OutlookBarTest : public OutBarTest {
protected:
    void SetUp() override {
        OutBarTest::SetUp();
        // The platform's shell module lends its icons, as an application's
        // own resources would.
        m_hIcons = ::LoadLibraryExA("shell32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, m_hIcons);
        m_hOld = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hIcons);
        m_window.SetMessageHandler([this](HWND, UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT*) {
            if (nMsg == WM_OUTBAR_NOTIFY) m_told.push_back({static_cast<int>(wParam), static_cast<int>(lParam)});
            return false;
        });
    }
    void TearDown() override {
        AfxSetResourceHandle(m_hOld);
        ::FreeLibrary(m_hIcons);
        OutBarTest::TearDown();
    }
    void Fill(CKXOutlookBar& bar) {
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 280), &m_parent, 42));
        EXPECT_EQ(0, bar.AddMenuItem(3, "Folder"));
        EXPECT_EQ(1, bar.AddMenuItem(4, "Open"));
        EXPECT_EQ(0, bar.InsertMenuItemA(0, 1, "First"));
        kxtest::PumpUntilIdle();
    }

    HINSTANCE m_hIcons = nullptr, m_hOld = nullptr;
    std::vector<std::pair<int, int>> m_told;  // selection, control identifier
};

TEST_F(OutlookBarTest, RowsOfLargeIconsInTheLooksColours) {
    CKXOutlookBar bar;
    Fill(bar);
    EXPECT_EQ(::GetStockObject(DEFAULT_GUI_FONT), bar.GetFont()->GetSafeHandle());
    const int cyRow = 2 * ::GetSystemMetrics(SM_CYICON);
    EXPECT_EQ(cyRow, bar.GetItemHeight(0));
    // The records follow the list box's indices.
    ASSERT_NE(nullptr, bar.GetMenuItem(2));
    EXPECT_EQ("Open", bar.GetMenuItem(2)->strText);
    EXPECT_NE(nullptr, bar.GetMenuItem(1)->hIcon);
    EXPECT_EQ(nullptr, bar.GetMenuItem(3));

    const CKXAuxData& aux = CKXAuxData::Get();
    EXPECT_EQ(aux.clrBtnShadow, bar.GetBackColor());
    EXPECT_EQ(aux.clrWindow, bar.GetTextColor());
    kxtest::Capture shot = kxtest::PrintClient(bar.m_hWnd);
    kxtest::WritePng(shot, "rows");
    EXPECT_PIXEL(shot, 50, 3 * cyRow + 10, aux.clrBtnShadow);  // below the rows too
    EXPECT_RECT_CONTAINS(shot, CRect(7, cyRow + 52, 93, 2 * cyRow), aux.clrWindow);  // "Folder"

    bar.SetColors(RGB(0, 0, 128), RGB(255, 255, 224));
    shot = kxtest::PrintClient(bar.m_hWnd);
    EXPECT_PIXEL(shot, 2, 2, RGB(255, 255, 224));
    EXPECT_RECT_CONTAINS(shot, CRect(7, 52, 93, cyRow), RGB(0, 0, 128));
}

TEST_F(OutlookBarTest, TheSelectionFollowsTheMouseAndTheOwnerHearsOfIt) {
    CKXOutlookBar bar;
    Fill(bar);
    const int cyRow = 2 * ::GetSystemMetrics(SM_CYICON);
    // Over the second row: it becomes the selection, framed raised.
    ASSERT_TRUE(kxtest::MoveCursorTo(bar.m_hWnd, POINT{50, cyRow + 20}));
    kxtest::PumpFor(80);
    EXPECT_EQ(1, bar.GetCurSel());
    const CKXAuxData& aux = CKXAuxData::Get();
    const int xFrame = (100 - ::GetSystemMetrics(SM_CXICON) - 4) / 2;
    kxtest::Capture shot = kxtest::PrintClient(bar.m_hWnd);
    kxtest::WritePng(shot, "hover");
    EXPECT_PIXEL(shot, xFrame, cyRow + 13, aux.clrBtnHilite);
    EXPECT_PIXEL(shot, xFrame + ::GetSystemMetrics(SM_CXICON) + 3, 2 * cyRow - 15, aux.clrBtnDkShadow);

    // Released: the owner gets the selection and the control's identifier.
    kxtest::PostMouseDown(bar.m_hWnd, POINT{50, cyRow + 20});
    kxtest::PostMouseUp(bar.m_hWnd, POINT{50, cyRow + 20});
    kxtest::PumpUntilIdle();
    ASSERT_EQ(1u, m_told.size());
    EXPECT_EQ(std::make_pair(1, 42), m_told[0]);

    // Leaving with the button held clears the selection; without it, not.
    {
        kxtest::ScopedKeyState held({VK_LBUTTON});
        kxtest::MoveCursorTo(m_window.hwnd(), POINT{300, 150});
        kxtest::PumpFor(80);
    }
    EXPECT_EQ(-1, bar.GetCurSel());
    kxtest::MoveCursorTo(bar.m_hWnd, POINT{50, 20});
    kxtest::PumpFor(80);
    EXPECT_EQ(0, bar.GetCurSel());
    kxtest::MoveCursorTo(m_window.hwnd(), POINT{300, 150});
    kxtest::PumpFor(80);
    EXPECT_EQ(0, bar.GetCurSel());
    EXPECT_FALSE(::KillTimer(bar.m_hWnd, CKXOutlookBar::kTimerID));  // stopped once outside
    kxtest::PostMouseUp(bar.m_hWnd, POINT{50, 3 * cyRow + 10});
    kxtest::PumpUntilIdle();
    EXPECT_EQ(std::make_pair(0, 42), m_told.back());
}

}  // namespace
