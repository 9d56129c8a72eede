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

int CountNot(const kxtest::Capture& cap, const RECT& r, COLORREF colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (cap.At(x, y) != colour) ++n;
    return n;
}

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
    EXPECT_PIXEL(cap, 2, 8, kWhite);
    EXPECT_PIXEL(cap, 1, 2, kWhite);
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
        EXPECT_EQ(pOldBrush->m_hObject, ::GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(pDC->GetCurrentPen(), &pen);
        EXPECT_EQ(pDC->GetCurrentBrush(), &brush);
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

TEST_F(DCTest, TextIsMeasuredAndDrawn) {
    CSize extent, extentString, calc;
    int height = 0;
    kxtest::Capture cap = kxtest::Render(120, 40, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(100, "Arial", pDC));
        CFont* pOld = pDC->SelectObject(&font);
        extent = pDC->GetTextExtent("Hello", 5);
        extentString = pDC->GetTextExtent(CString("Hello"));
        EXPECT_EQ(pDC->GetOutputTextExtent("Hello", 5), extent);
        EXPECT_EQ(pDC->GetTextExtent("Hello", 0), CSize(0, 0));
        EXPECT_EQ(pDC->GetTextExtent(nullptr, 3), CSize(0, 0));
        CString face;
        EXPECT_GT(pDC->GetTextFace(face), 0);
        EXPECT_FALSE(face.IsEmpty());

        CRect rcCalc(0, 0, 0, 0);
        height = pDC->DrawText(CString("Hello"), &rcCalc, DT_CALCRECT | DT_SINGLELINE);
        calc = rcCalc.Size();
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkMode(TRANSPARENT);
        CRect rc(0, 0, 60, 40);
        pDC->DrawText("Hello", -1, &rc, DT_SINGLELINE | DT_NOPREFIX);
        pDC->TextOut(60, 0, CString("Hi"));
        CBrush grey(RGB(128, 128, 128));
        pDC->DrawState(CPoint(80, 20), CSize(40, 20), "x", DSS_NORMAL, FALSE, 1, &grey);
        EXPECT_EQ(pDC->DrawText(nullptr, 3, &rc, 0), 0);
        pDC->SelectObject(pOld);
    });
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);
    EXPECT_EQ(extentString, extent);
    EXPECT_EQ(calc, extent);
    EXPECT_EQ(height, extent.cy);
    EXPECT_GT(CountNot(cap, CRect(0, 0, 60, 40), kWhite), 0);
    EXPECT_GT(CountNot(cap, CRect(60, 0, 80, 20), kWhite), 0);
    EXPECT_GT(CountNot(cap, CRect(80, 20, 120, 40), kWhite), 0);
    EXPECT_EQ(CountNot(cap, CRect(0, extent.cy + 1, 80, 40), kWhite), 0);
}

TEST_F(DCTest, BlitsCopyAndStretch) {
    kxtest::Capture cap = kxtest::Render(40, 20, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        CBitmap bmp;
        ASSERT_TRUE(bmp.CreateCompatibleBitmap(pDC, 8, 8));
        CDC src;
        ASSERT_TRUE(src.CreateCompatibleDC(pDC));
        CBitmap* pOld = src.SelectObject(&bmp);
        EXPECT_EQ(src.GetCurrentBitmap(), &bmp);
        src.FillSolidRect(0, 0, 8, 8, kRed);
        src.SetPixelV(1, 1, kBlue);
        EXPECT_EQ(src.GetPixel(1, 1), kBlue);
        EXPECT_TRUE(pDC->BitBlt(2, 2, 8, 8, &src, 0, 0, SRCCOPY));
        EXPECT_TRUE(pDC->StretchBlt(20, 0, 16, 16, &src, 0, 0, 8, 8, SRCCOPY));
        pDC->PatBlt(0, 18, 4, 2, BLACKNESS);
        src.SelectObject(pOld);
    });
    EXPECT_PIXEL(cap, 2, 2, kRed);
    EXPECT_PIXEL(cap, 3, 3, kBlue);
    EXPECT_PIXEL(cap, 9, 9, kRed);
    EXPECT_PIXEL(cap, 10, 10, kWhite);
    EXPECT_RECT_COLOUR(cap, CRect(22, 2, 24, 4), kBlue);
    EXPECT_PIXEL(cap, 35, 15, kRed);
    EXPECT_RECT_COLOUR(cap, CRect(0, 18, 4, 20), RGB(0, 0, 0));
}

TEST_F(DCTest, ClippingConfinesDrawing) {
    CRect box;
    kxtest::Capture cap = kxtest::Render(20, 20, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        EXPECT_EQ(pDC->IntersectClipRect(CRect(4, 4, 8, 8)), SIMPLEREGION);
        EXPECT_TRUE(pDC->PtVisible(5, 5));
        EXPECT_FALSE(pDC->PtVisible(CPoint(9, 5)));
        pDC->GetClipBox(&box);
        pDC->FillSolidRect(0, 0, 20, 20, kRed);

        EXPECT_EQ(pDC->SelectClipRgn(nullptr), SIMPLEREGION);  // no clipping again
        CRgn rgn;
        rgn.CreateRectRgn(10, 0, 20, 10);
        EXPECT_EQ(pDC->SelectClipRgn(&rgn), SIMPLEREGION);
        EXPECT_EQ(pDC->ExcludeClipRect(15, 0, 20, 10), SIMPLEREGION);
        EXPECT_FALSE(pDC->RectVisible(CRect(0, 10, 10, 20)));
        CBrush blue(kBlue);
        pDC->FillRect(CRect(0, 0, 20, 20), &blue);

        CRgn lower;
        lower.CreateRectRgn(0, 12, 20, 20);
        EXPECT_EQ(pDC->SelectClipRgn(&lower, RGN_COPY), SIMPLEREGION);
        EXPECT_EQ(pDC->OffsetClipRgn(0, 4), SIMPLEREGION);
        pDC->FillSolidRect(0, 0, 20, 20, kGreen);
        pDC->SelectClipRgn(nullptr);
    });
    EXPECT_EQ(box, CRect(4, 4, 8, 8));
    EXPECT_RECT_COLOUR(cap, CRect(4, 4, 8, 8), kRed);
    EXPECT_PIXEL(cap, 3, 4, kWhite);
    EXPECT_PIXEL(cap, 8, 8, kWhite);
    EXPECT_RECT_COLOUR(cap, CRect(10, 0, 15, 10), kBlue);
    EXPECT_RECT_COLOUR(cap, CRect(15, 0, 20, 10), kWhite);
    EXPECT_RECT_COLOUR(cap, CRect(0, 16, 20, 20), kGreen);
    EXPECT_RECT_COLOUR(cap, CRect(0, 12, 20, 16), kWhite);
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
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->GetSafeHdc(), hLoose);
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
    EXPECT_EQ(::GetObjectType(hLoose), (DWORD)OBJ_MEMDC);
    ::DeleteDC(hLoose);

    CDC* pNull = nullptr;
    EXPECT_EQ(pNull->GetSafeHdc(), nullptr);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);

    // Window contexts of the screen are released with their objects.
    {
        CClientDC warmClient(nullptr);  // the system caches these contexts
        CWindowDC warmWindow(nullptr);
    }
    kxtest::GdiLeakCheck check;
    for (int i = 0; i < 200; ++i) {
        CClientDC client(nullptr);
        CWindowDC window(nullptr);
        ASSERT_NE(client.m_hDC, nullptr);
        ASSERT_NE(window.m_hDC, nullptr);
        EXPECT_GT(client.GetDeviceCaps(LOGPIXELSY), 0);
    }
}

// RestoreDC brings back objects, colours and mapping saved by SaveDC;
// setters return the previous values.
TEST_F(DCTest, SavedStateAndCoordinates) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CPen pen(PS_SOLID, 2, kRed);
    int saved = dc.SaveDC();
    ASSERT_NE(saved, 0);
    dc.SelectObject(&pen);
    EXPECT_EQ(dc.SetBkColor(kBlue), kWhite);
    EXPECT_EQ(dc.SetTextColor(kGreen), RGB(0, 0, 0));
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);

    EXPECT_EQ(dc.SetWindowOrg(10, 20), CPoint(0, 0));
    EXPECT_EQ(dc.SetWindowOrg(CPoint(5, 5)), CPoint(10, 20));
    dc.SetWindowExt(100, 100);
    EXPECT_EQ(dc.SetViewportExt(CSize(200, 50)), CSize(1, 1));
    EXPECT_EQ(dc.SetViewportOrg(1, 1), CPoint(0, 0));
    EXPECT_EQ(dc.OffsetViewportOrg(2, 3), CPoint(1, 1));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(3, 4));
    CPoint pt(3 + 20, 4 + 10);  // device: two units right, two down
    dc.DPtoLP(&pt);
    EXPECT_EQ(pt, CPoint(15, 25));
    dc.LPtoDP(&pt);
    EXPECT_EQ(pt, CPoint(23, 14));
    CSize size(20, 10);
    dc.DPtoLP(&size);
    EXPECT_EQ(size, CSize(10, 20));
    dc.LPtoDP(&size);
    EXPECT_EQ(size, CSize(20, 10));
    EXPECT_EQ(dc.MoveTo(7, 8), CPoint(0, 0));
    EXPECT_EQ(dc.MoveTo(CPoint(1, 2)), CPoint(7, 8));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(1, 2));

    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetCurrentPen()->m_hObject, ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.GetBkColor(), kWhite);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
    EXPECT_FALSE(dc.RestoreDC(saved));  // already consumed
}
