#include "win/dc.h"

#include <gtest/gtest.h>

#include "support/capture.h"
#include "support/gdi_leak.h"
#include "support/pixel_assert.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);

class DCTest : public ::testing::Test {
protected:
    void TearDown() override { AfxDeleteTempMaps(); }
};

}  // namespace

// The solid fill leaves the background colour set to the fill colour, and
// the 3D frame puts the shared corners in the bottom-right colour.
TEST_F(DCTest, SolidFillsAnd3dFramesHitExactPixels) {
    COLORREF bkAfter = 0;
    kxtest::Capture cap = kxtest::Render(16, 12, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        pDC->FillSolidRect(CRect(12, 0, 16, 2), kGreen);
        pDC->Draw3dRect(CRect(2, 2, 10, 8), kRed, kBlue);
        bkAfter = pDC->GetBkColor();
        pDC->Draw3dRect(11, 9, 1, 1, kRed, kGreen);
    });
    EXPECT_RECT_COLOUR(cap, CRect(12, 0, 16, 2), kGreen);
    EXPECT_EQ(bkAfter, kBlue);

    EXPECT_RECT_COLOUR(cap, CRect(2, 2, 9, 3), kRed);    // top, up to the last column
    EXPECT_RECT_COLOUR(cap, CRect(2, 2, 3, 7), kRed);    // left, up to the last row
    EXPECT_RECT_COLOUR(cap, CRect(9, 2, 10, 8), kBlue);  // right, corner included
    EXPECT_RECT_COLOUR(cap, CRect(2, 7, 10, 8), kBlue);  // bottom, corner included
    EXPECT_RECT_COLOUR(cap, CRect(3, 3, 9, 7), kWhite);
    EXPECT_PIXEL(cap, 10, 2, kWhite);
    EXPECT_PIXEL(cap, 11, 9, kGreen);  // a one-pixel frame is all bottom-right
}

// Selecting returns the previous object's wrapper (the owner itself when
// the program attached it); shapes use the selected pen and brush.
TEST_F(DCTest, SelectedPenAndBrushDrawAndComeBack) {
    kxtest::Capture cap = kxtest::Render(20, 16, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        CPen* pOldPen = pDC->SelectObject(&pen);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        ASSERT_NE(pOldPen, nullptr);
        EXPECT_EQ(pOldPen->m_hObject, ::GetStockObject(BLACK_PEN));
        EXPECT_EQ(pDC->GetCurrentPen(), &pen);
        pDC->Rectangle(2, 2, 12, 10);
        EXPECT_EQ(pDC->SelectObject(pOldPen), &pen);
        EXPECT_EQ(pDC->SelectStockObject(NULL_BRUSH), &brush);
        pDC->SelectObject(pOldBrush);
        CPen* pNoPen = nullptr;
        EXPECT_EQ(pDC->SelectObject(pNoPen), nullptr);
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 20, 16);
        EXPECT_EQ(pDC->SelectObject(&rgn), SIMPLEREGION);
        EXPECT_EQ(pDC->SelectObject(static_cast<CGdiObject*>(&rgn)), nullptr);
    });
    EXPECT_PIXEL(cap, 2, 2, kRed);
    EXPECT_PIXEL(cap, 11, 9, kRed);
    EXPECT_RECT_COLOUR(cap, CRect(3, 3, 11, 9), kBlue);
    EXPECT_PIXEL(cap, 12, 10, kWhite);

    // The whole cycle, repeated, leaves no object behind.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    auto cycle = [&dc](int i) {
        CPen pen(PS_DOT, 1, RGB(i, 0, 0));
        CBrush brush(RGB(0, i, 0));
        CFont font;
        font.CreatePointFont(90, "Arial");
        CBitmap bmp;
        bmp.CreateBitmap(4, 4, 1, 1, nullptr);
        CPen* p1 = dc.SelectObject(&pen);
        CBrush* p2 = dc.SelectObject(&brush);
        CFont* p3 = dc.SelectObject(&font);
        CBitmap* p4 = dc.SelectObject(&bmp);
        dc.Rectangle(0, 0, 4, 4);
        dc.TextOut(0, 0, "x", 1);
        dc.SelectObject(p1);
        dc.SelectObject(p2);
        dc.SelectObject(p3);
        dc.SelectObject(p4);
    };
    cycle(0);  // the system's lazily made objects come first
    kxtest::GdiLeakCheck check;
    for (int i = 1; i < 1000; ++i) cycle(i);
    AfxDeleteTempMaps();
}

// Measuring and drawing text agree; empty or missing text measures and
// draws nothing.
TEST_F(DCTest, TextIsMeasuredAsItIsDrawn) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Arial", &dc));
    CFont* pOld = dc.SelectObject(&font);
    const CSize extent = dc.GetTextExtent(CString("Hello"));
    EXPECT_GT(extent.cx, 0);
    CRect rcCalc(0, 0, 0, 0);
    EXPECT_EQ(dc.DrawText(CString("Hello"), &rcCalc, DT_CALCRECT | DT_SINGLELINE), extent.cy);
    EXPECT_EQ(rcCalc.Size(), extent);
    EXPECT_EQ(dc.GetTextExtent("Hello", 0), CSize(0, 0));
    EXPECT_EQ(dc.GetTextExtent(nullptr, 3), CSize(0, 0));
    EXPECT_EQ(dc.DrawText(nullptr, 3, &rcCalc, 0), 0);
    dc.SelectObject(pOld);
}

// The map finds attached contexts; temporaries go at idle without taking
// the context with them; the destructor deletes an owned context only.
TEST_F(DCTest, ContextOwnershipAndTemporaries) {
    HDC hOwned;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        hOwned = dc.m_hDC;
        EXPECT_EQ(dc.m_hAttribDC, dc.m_hDC);
        EXPECT_EQ(CDC::FromHandle(hOwned), &dc);
        EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));  // already holds one
        EXPECT_EQ(dc.m_hDC, hOwned);
    }
    EXPECT_EQ(::GetObjectType(hOwned), 0u);

    HDC hLoose = ::CreateCompatibleDC(nullptr);
    CDC* pTemp = CDC::FromHandle(hLoose);
    EXPECT_EQ(CDC::FromHandle(hLoose), pTemp);
    EXPECT_EQ(afxMapHDC()->GetTemporaryCount(), 1u);
    AfxDeleteTempMaps();
    EXPECT_EQ(afxMapHDC()->GetTemporaryCount(), 0u);
    EXPECT_EQ(::GetObjectType(hLoose), (DWORD)OBJ_MEMDC);

    CDC attached;
    ASSERT_TRUE(attached.Attach(hLoose));
    EXPECT_EQ(CDC::FromHandle(hLoose), &attached);
    EXPECT_EQ(attached.Detach(), hLoose);
    EXPECT_EQ(attached.m_hAttribDC, nullptr);
    EXPECT_NE(CDC::FromHandle(hLoose), &attached);
    EXPECT_FALSE(attached.DeleteDC());
    EXPECT_TRUE(::DeleteDC(hLoose));
    CDC* pNull = nullptr;
    EXPECT_EQ(pNull->GetSafeHdc(), nullptr);

    // Window contexts of the screen are released with their objects.
    {
        CClientDC warmClient(nullptr);  // the system caches these contexts
        CWindowDC warmWindow(nullptr);
    }
    kxtest::GdiLeakCheck check;
    for (int i = 0; i < 200; ++i) {
        CClientDC client(nullptr);
        CWindowDC window(nullptr);
        ASSERT_TRUE(client.m_hDC && window.m_hDC);
    }
}
