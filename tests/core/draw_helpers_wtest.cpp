#include "core/draw_helpers.h"

#include "core/aux_data.h"
#include "core/gfx_image.h"
#include "core/gradient.h"
#include "core/mem_dc.h"
#include "support/capture.h"
#include "support/gdi_leak.h"
#include "support/pixel_assert.h"

#include <gtest/gtest.h>

#include <string>

using kxtest::Render;

namespace {

CKXDrawHelpers& Helpers() { return CKXDrawHelpers::m_instanceDrawManager; }

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

TEST(DrawHelpers, PlatformGradientEndsAndMiddle) {
    ASSERT_TRUE(Helpers().HasPlatformGradient());
    const auto cap = Render(101, 101, [](HDC hdc) {
        Helpers().GradientFill(CDC::FromHandle(hdc), CRect(0, 0, 101, 50), kRed, kBlue, TRUE);
        Helpers().GradientFill(CDC::FromHandle(hdc), CRect(0, 50, 101, 101), KX_GRADIENT_COLOR{kRed, kBlue}, FALSE);
    });
    EXPECT_PIXEL_NEAR(cap, 0, 10, kRed, 4);
    EXPECT_PIXEL_NEAR(cap, 50, 10, RGB(128, 0, 128), 4);
    EXPECT_PIXEL_NEAR(cap, 50, 50, kRed, 4);
    EXPECT_PIXEL_NEAR(cap, 50, 75, RGB(128, 0, 128), 8);
    EXPECT_PIXEL_NEAR(cap, 50, 100, kBlue, 8);
}

TEST(DrawHelpers, FallbackGradientColoursAndClipping) {
    const CRect rect(0, 0, 100, 10);
    const CKXGradientBars bars(rect, CRect(), kRed, kBlue, TRUE);
    const auto cap = Render(100, 20, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        Helpers().GradientFillSlow(pDC, rect, kRed, kBlue, TRUE);
        pDC->IntersectClipRect(30, 10, 60, 20);
        Helpers().GradientFillSlow(pDC, CRect(0, 10, 100, 20), kRed, kBlue, TRUE);
    });
    for (int x : {0, 1, 50, 99}) EXPECT_PIXEL(cap, x, 5, bars.GetColor(x));
    // The clipped one matches the whole one where it shows, and only there.
    EXPECT_PIXEL(cap, 30, 15, bars.GetColor(30));
    EXPECT_PIXEL(cap, 59, 15, bars.GetColor(59));
    EXPECT_PIXEL(cap, 29, 15, kWhite);
    EXPECT_PIXEL(cap, 60, 15, kWhite);

    const auto vertical = Render(4, 10, [](HDC hdc) {
        Helpers().GradientFillSlow(CDC::FromHandle(hdc), CRect(0, 0, 4, 10), kRed, kBlue, FALSE);
    });
    EXPECT_PIXEL(vertical, 3, 0, kRed);
    EXPECT_PIXEL(vertical, 3, 5, KXBlendColors(kRed, kBlue, 0.5f));
}

TEST(DrawHelpers, EqualColoursFillSolidAndEmptyRectanglesDrawNothing) {
    const auto cap = Render(20, 20, [](HDC hdc) {
        Helpers().GradientFill(CDC::FromHandle(hdc), CRect(0, 0, 10, 10), kRed, kRed, TRUE);
        Helpers().GradientFill(CDC::FromHandle(hdc), CRect(15, 15, 15, 20), kRed, kBlue, TRUE);
        Helpers().GradientFill(CDC::FromHandle(hdc), nullptr, kRed, kBlue, TRUE);
        Helpers().GradientFill(nullptr, CRect(0, 0, 5, 5), kRed, kBlue, TRUE);
    });
    EXPECT_RECT_COLOUR(cap, CRect(0, 0, 10, 10), kRed);
    EXPECT_RECT_COLOUR(cap, CRect(10, 0, 20, 20), kWhite);
}

TEST(DrawHelpers, CornersTriangleAndBlur) {
    const auto cap = Render(30, 20, [](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        const int nSaved = pDC->SaveDC();
        Helpers().ExcludeCorners(pDC, CRect(0, 0, 10, 10));
        pDC->FillSolidRect(0, 0, 10, 10, kRed);
        pDC->RestoreDC(nSaved);

        CBrush brush(RGB(0, 255, 0));
        CBrush* pOld = pDC->SelectObject(&brush);
        CKXDrawHelpers::Triangle(pDC, CPoint(12, 0), CPoint(22, 0), CPoint(12, 10), kBlue);
        EXPECT_EQ(brush.GetSafeHandle(), ::GetCurrentObject(hdc, OBJ_BRUSH));
        pDC->SelectObject(pOld);

        pDC->SetPixelV(25, 15, RGB(0, 0, 0));
        POINT apt[3] = {{25, 14}, {0, 1}, {26, 14}};  // the third has no offset: ignored
        Helpers().BlurPoints(pDC, apt, 3);
    });
    for (POINT pt : {POINT{0, 0}, POINT{9, 0}, POINT{0, 9}, POINT{9, 9}}) EXPECT_PIXEL(cap, pt.x, pt.y, kWhite);
    EXPECT_PIXEL(cap, 1, 0, kRed);
    EXPECT_PIXEL(cap, 0, 8, kRed);
    EXPECT_PIXEL(cap, 9, 8, kRed);
    EXPECT_PIXEL(cap, 14, 2, kBlue);  // inside
    EXPECT_PIXEL(cap, 12, 0, kBlue);  // outline
    EXPECT_PIXEL(cap, 21, 9, kWhite);
    EXPECT_PIXEL(cap, 25, 14, RGB(127, 127, 127));
    EXPECT_PIXEL(cap, 26, 14, kWhite);
}

int CALLBACK FirstFace(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM lParam) {
    *reinterpret_cast<std::string*>(lParam) = pLogFont->lfFaceName;
    return 0;
}

TEST(DrawHelpers, FontsResolutionAndVisualStyle) {
    std::string strFace;
    HDC hdc = ::GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(hdc, &lf, FirstFace, reinterpret_cast<LPARAM>(&strFace), 0);
    ::ReleaseDC(nullptr, hdc);
    ASSERT_FALSE(strFace.empty());
    EXPECT_TRUE(CKXDrawHelpers::FontExists(strFace.c_str()));
    ::CharUpperA(strFace.data());
    EXPECT_TRUE(CKXDrawHelpers::FontExists(strFace.c_str()));  // whatever the case
    EXPECT_FALSE(CKXDrawHelpers::FontExists("No Such Face Anywhere"));
    EXPECT_FALSE(CKXDrawHelpers::FontExists(""));
    EXPECT_FALSE(CKXDrawHelpers::FontExists(nullptr));

    EXPECT_FALSE(CKXDrawHelpers::IsLowResolution());  // the test display has true colour
    // The tests run without a visual style.
    EXPECT_EQ(KXTHEME_UNKNOWN, Helpers().GetCurrentSystemTheme());
}

TEST(GfxImages, ShadedRectIsACheckerboard) {
    const CKXAuxData& aux = CKXAuxData::Get();
    ASSERT_NE(aux.clrBtnFace, aux.clrBtnHilite);
    const auto cap = Render(12, 12, [](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        pDC->SetTextColor(kRed);
        GfxDrawShadedRect(pDC, CRect(0, 0, 10, 10));
        EXPECT_EQ(kRed, pDC->GetTextColor());
    });
    EXPECT_PIXEL(cap, 0, 0, aux.clrBtnFace);
    EXPECT_PIXEL(cap, 1, 0, aux.clrBtnHilite);
    EXPECT_PIXEL(cap, 9, 9, aux.clrBtnFace);
    EXPECT_PIXEL(cap, 10, 10, kWhite);
}

// A 16 x 16 white image with a black 4 x 4 square at (4, 4).
void MakeSquareImage(CImageList& images) {
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 0));
    CBitmap bitmap;
    CClientDC screen(nullptr);
    bitmap.CreateCompatibleBitmap(&screen, 16, 16);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 16, 16, kWhite);
    dc.FillSolidRect(4, 4, 4, 4, RGB(0, 0, 0));
    dc.SelectObject(pOld);
    images.Add(&bitmap, static_cast<CBitmap*>(nullptr));
}

TEST(GfxImages, EmbossedShowsHighlightBelowShadow) {
    CImageList images;
    MakeSquareImage(images);
    const CKXAuxData& aux = CKXAuxData::Get();
    const COLORREF kGrey = RGB(0x40, 0x80, 0x40);
    for (int bColor : {0, 1}) {
        const auto cap = Render(40, 40, [&](HDC hdc) {
            CDC::FromHandle(hdc)->FillSolidRect(0, 0, 40, 40, kGrey);
            GfxDrawEmbossed(CDC::FromHandle(hdc), images, 0, CPoint(10, 10), bColor);
        });
        EXPECT_PIXEL(cap, 14, 14, aux.clrBtnShadow) << bColor;
        EXPECT_PIXEL(cap, 17, 17, aux.clrBtnShadow) << bColor;
        EXPECT_PIXEL(cap, 18, 18, aux.clrBtnHilite) << bColor;
        EXPECT_PIXEL(cap, 18, 15, aux.clrBtnHilite) << bColor;
        EXPECT_PIXEL(cap, 13, 13, kGrey) << bColor;
        EXPECT_PIXEL(cap, 19, 19, kGrey) << bColor;
    }
}

TEST(DrawHelpers, ThousandsOfPaintsLeakNothing) {
    CImageList images;
    MakeSquareImage(images);
    CClientDC screen(nullptr);
    CBitmap target;
    target.CreateCompatibleBitmap(&screen, 64, 64);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* pOld = dc.SelectObject(&target);
    auto paint = [&] {
        CKXMemDC memDC(&dc, CRect(0, 0, 64, 64), kWhite);
        Helpers().GradientFill(&memDC, CRect(0, 0, 64, 32), kRed, kBlue, TRUE);
        Helpers().GradientFillSlow(&memDC, CRect(0, 32, 64, 64), kRed, kBlue, FALSE);
        CKXDrawHelpers::Triangle(&memDC, CPoint(0, 0), CPoint(8, 0), CPoint(4, 4), kRed);
        GfxDrawShadedRect(&memDC, CRect(0, 0, 8, 8));
        GfxDrawEmbossed(&memDC, images, 0, CPoint(20, 20), 0);
    };
    paint();
    EXPECT_NO_GDI_LEAK({
        for (int i = 0; i < 2000; ++i) paint();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
    });
    dc.SelectObject(pOld);
}

}  // namespace
