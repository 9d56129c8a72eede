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

// A drag frame is drawn by inverting; drawn again with the last rectangle it
// moves: what the two frames do not share is inverted back.
TEST_F(DCTest, DragFrameMovesWithoutLeavingATrace) {
    CBrush white(kWhite);
    kxtest::Capture first, moved;
    kxtest::Capture cap = kxtest::Render(40, 30, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        pDC->FillSolidRect(CRect(0, 0, 40, 30), RGB(0, 0, 0));
        const CRect a(4, 4, 20, 16), b(8, 6, 30, 24);
        pDC->DrawDragRect(a, CSize(2, 2), nullptr, CSize(0, 0), &white);
        first = kxtest::CaptureDC(hdc, CRect(0, 0, 40, 30));
        pDC->DrawDragRect(b, CSize(2, 2), a, CSize(2, 2), &white);
    });
    EXPECT_RECT_COLOUR(first, CRect(4, 4, 20, 6), kWhite);  // the top of the frame, 2 thick
    EXPECT_RECT_COLOUR(first, CRect(6, 6, 18, 14), RGB(0, 0, 0));
    // Only the second frame is left.
    EXPECT_RECT_COLOUR(cap, CRect(8, 6, 30, 8), kWhite);
    EXPECT_RECT_COLOUR(cap, CRect(28, 6, 30, 24), kWhite);
    EXPECT_RECT_COLOUR(cap, CRect(4, 4, 8, 16), RGB(0, 0, 0));    // the old left edge is gone
    EXPECT_RECT_COLOUR(cap, CRect(10, 14, 20, 16), RGB(0, 0, 0));  // the old bottom edge inside the new frame
    EXPECT_RECT_COLOUR(cap, CRect(10, 8, 28, 22), RGB(0, 0, 0));

    // The default brush is the halftone checkerboard.
    kxtest::Capture half = kxtest::Render(8, 8, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        pDC->FillRect(CRect(0, 0, 8, 8), CDC::GetHalftoneBrush());
    });
    EXPECT_NE(half.At(0, 0), half.At(1, 0));
    EXPECT_EQ(half.At(0, 0), half.At(1, 1));
    EXPECT_EQ(CDC::GetHalftoneBrush()->m_hObject, CDC::GetHalftoneBrush()->m_hObject);
}

TEST_F(DCTest, HimetricSizesAndPaths) {
    kxtest::Capture cap = kxtest::Render(20, 20, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        const int dpi = pDC->GetDeviceCaps(LOGPIXELSX);
        CSize size(dpi, dpi / 2);
        pDC->DPtoHIMETRIC(&size);
        EXPECT_EQ(size, CSize(2540, 1270));  // an inch, half an inch
        pDC->HIMETRICtoDP(&size);
        EXPECT_EQ(size, CSize(dpi, dpi / 2));
        pDC->SetMapMode(MM_LOMETRIC);  // constrained: through the physical inch
        CSize lometric(100, 100);      // 10 mm
        pDC->LPtoHIMETRIC(&lometric);
        EXPECT_NEAR(lometric.cx, 1000, 20);
        pDC->SetMapMode(MM_TEXT);

        CBrush red(kRed);
        CBrush* pOld = pDC->SelectObject(&red);
        CPen* pOldPen = static_cast<CPen*>(pDC->SelectStockObject(NULL_PEN));
        ASSERT_TRUE(pDC->BeginPath());
        POINT triangle[] = {{2, 2}, {18, 2}, {2, 18}};
        pDC->Polygon(triangle, 3);
        ASSERT_TRUE(pDC->EndPath());
        EXPECT_GT(pDC->GetPath(nullptr, nullptr, 0), 0);
        ASSERT_TRUE(pDC->FillPath());
        pDC->SelectObject(pOld);
        pDC->SelectObject(pOldPen);
    });
    EXPECT_PIXEL(cap, 4, 4, kRed);
    EXPECT_PIXEL(cap, 16, 16, kWhite);
}
