// CBitmapButton: the bitmap drawn follows the button's state, falling back
// to the normal one; SizeToContent takes the bitmap's size.
#include <afxext.h>

#include "support/capture.h"
#include "support/host_window.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Bitmaps made in memory instead of loaded from resources.
class CTestBitmapButton : public CBitmapButton {
public:
    void Fill(CBitmap& bitmap, COLORREF clr) {
        CClientDC screen(nullptr);
        bitmap.CreateCompatibleBitmap(&screen, 24, 16);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(CRect(0, 0, 24, 16), clr);
        dc.SelectObject(pOld);
    }
    void Make() {
        Fill(m_bitmap, kRed);
        Fill(m_bitmapDisabled, kBlue);
    }
};

class CButtonParent : public CWnd {};

}  // namespace

TEST(CBitmapButton, DrawsTheBitmapOfItsState) {
    kxtest::HostWindow host;
    CButtonParent parent;
    ASSERT_TRUE(parent.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 200, 100), CWnd::FromHandle(host.hwnd()), 1));
    CTestBitmapButton button;
    ASSERT_TRUE(button.Create("pic", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 60), &parent, 5));
    button.Make();
    button.SizeToContent();
    CRect rect;
    button.GetClientRect(rect);
    EXPECT_EQ(rect.Size(), CSize(24, 16));

    kxtest::Capture normal = kxtest::PrintClient(button.m_hWnd, false);
    EXPECT_EQ(normal.At(12, 8), kRed);
    button.EnableWindow(FALSE);
    kxtest::Capture disabled = kxtest::PrintClient(button.m_hWnd, false);
    EXPECT_EQ(disabled.At(12, 8), kBlue);
    button.EnableWindow(TRUE);
    button.SendMessage(BM_SETSTATE, TRUE);  // pressed, no pressed bitmap: the normal one
    EXPECT_EQ(kxtest::PrintClient(button.m_hWnd, false).At(12, 8), kRed);
    parent.DestroyWindow();
}
