#include "win/gdiobj.h"

#include "win/dc.h"

#include <gtest/gtest.h>

#include "support/gdi_leak.h"

namespace {

bool IsLive(HGDIOBJ h) { return ::GetObjectType(h) != 0; }

size_t TempCount() {
    CHandleMap<CGdiObject>* map = afxMapHGDIOBJ();
    return map ? map->GetTemporaryCount() : 0;
}

class GdiObjectTest : public ::testing::Test {
protected:
    void TearDown() override { AfxDeleteTempMaps(); }
};

}  // namespace

// An owned object is found through the map, deleted by its destructor, and
// once detached is the caller's to delete.
TEST_F(GdiObjectTest, OwnershipFollowsAttachAndDetach) {
    HGDIOBJ hDeleted;
    {
        CBrush brush(RGB(1, 2, 3));
        hDeleted = brush.m_hObject;
        ASSERT_TRUE(IsLive(hDeleted));
        EXPECT_EQ(CBrush::FromHandle((HBRUSH)hDeleted), &brush);
        EXPECT_EQ(TempCount(), 0u);
    }
    EXPECT_FALSE(IsLive(hDeleted));

    CPen pen;
    EXPECT_FALSE(pen.DeleteObject());
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    HGDIOBJ hFirst = pen.m_hObject;
    // A second handle would be lost: refused, the first one kept.
    HPEN hOther = ::CreatePen(PS_SOLID, 1, 0);
    EXPECT_FALSE(pen.Attach(hOther));
    EXPECT_EQ(pen.m_hObject, hFirst);
    ::DeleteObject(hOther);
    EXPECT_FALSE(CPen().Attach(nullptr));

    HGDIOBJ hDetached = pen.Detach();
    EXPECT_EQ(hDetached, hFirst);
    EXPECT_NE(CGdiObject::FromHandle(hDetached), &pen);
    EXPECT_TRUE(IsLive(hDetached));
    ::DeleteObject(hDetached);

    CPen* pNull = nullptr;
    EXPECT_EQ(pNull->GetSafeHandle(), nullptr);  // null-safe, as callers expect
}

// Temporary wrappers are reused, freed by AfxDeleteTempMaps, and never take
// the GDI object with them; attaching replaces a stale temporary.  A stock
// object held by two wrappers keeps the remaining owner's entry.
TEST_F(GdiObjectTest, TemporaryAndSharedWrappersLeaveTheObjectAlive) {
    HBRUSH hBrush = ::CreateSolidBrush(RGB(9, 9, 9));
    CBrush* pBrush = CBrush::FromHandle(hBrush);
    ASSERT_NE(pBrush, nullptr);
    EXPECT_EQ(CBrush::FromHandle(hBrush), pBrush);
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
    EXPECT_EQ(TempCount(), 1u);
    AfxDeleteTempMaps();
    EXPECT_EQ(TempCount(), 0u);
    EXPECT_TRUE(IsLive(hBrush));
    CBrush::FromHandle(hBrush);
    CBrush owner;
    ASSERT_TRUE(owner.Attach(hBrush));
    EXPECT_EQ(TempCount(), 0u);
    EXPECT_EQ(CBrush::FromHandle(hBrush), &owner);

    CBrush first, second;
    ASSERT_TRUE(first.CreateStockObject(WHITE_BRUSH));
    ASSERT_TRUE(second.CreateStockObject(WHITE_BRUSH));
    HGDIOBJ h = first.m_hObject;
    first.Detach();
    EXPECT_EQ(CGdiObject::FromHandle(h), &second);
    EXPECT_EQ(first.GetObjectType(), 0u);
}

// Tenths of a point become logical units of the given context (the screen's
// without one), as a negative character height.
TEST_F(GdiObjectTest, PointFontsConvertThroughTheContext) {
    HDC hScreen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    CFont screenFont;
    ASSERT_TRUE(screenFont.CreatePointFont(120, "Arial"));
    LOGFONT lf = {};
    screenFont.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -::MulDiv(dpi, 120, 720));
    // In twips (y grows upwards) the height is still negative: 12 points.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SetMapMode(MM_TWIPS);
    int memDpi = dc.GetDeviceCaps(LOGPIXELSY);
    CFont twips;
    ASSERT_TRUE(twips.CreatePointFont(120, "Arial", &dc));
    twips.GetLogFont(&lf);
    EXPECT_NEAR(lf.lfHeight, -::MulDiv(::MulDiv(memDpi, 120, 720), 1440, memDpi), 15);
    EXPECT_LT(lf.lfHeight, 0);
}

// Calls on an empty object, or with a missing operand, fail instead of
// reaching the system with nothing.
TEST_F(GdiObjectTest, EmptyObjectsAndMissingOperandsFail) {
    CBitmap empty;
    DWORD bits[4] = {};
    EXPECT_EQ(empty.GetBitmapBits(sizeof(bits), bits), 0u);
    EXPECT_FALSE(empty.LoadBitmap("NO_SUCH_BITMAP"));
    EXPECT_FALSE(empty.CreateCompatibleBitmap(nullptr, 4, 4));
    EXPECT_EQ(empty.m_hObject, nullptr);
    EXPECT_EQ(empty.GetObjectType(), 0u);
    EXPECT_FALSE(CBrush().CreatePatternBrush(&empty));
    EXPECT_FALSE(CFont().CreateFontIndirect(nullptr));
}

// Thousands of create/destroy cycles, temporaries included, leave the
// process's object count unchanged.
TEST_F(GdiObjectTest, RepeatedCreationLeaksNothing) {
    ASSERT_GE(kxtest::GdiObjectCount(), 0) << "GDI objects cannot be counted here";
    auto cycle = [](int i) {
        CBrush brush(RGB(0, i, 0));
        EXPECT_FALSE(brush.CreateSolidBrush(RGB(i, i, 0)));  // refused, not leaked
        CBrush hatch(HS_BDIAGONAL, RGB(0, 0, i));
        CBitmap bmp;
        bmp.CreateBitmap(8, 8, 1, 1, nullptr);
        CBrush pattern(&bmp);
        CRgn rgn;
        rgn.CreateEllipticRgn(0, 0, i % 50 + 1, 10);
        CPen::FromHandle((HPEN)::GetStockObject(BLACK_PEN));
        if (i % 100 == 0) AfxDeleteTempMaps();
    };
    cycle(0);  // the system's lazily made objects come first
    kxtest::GdiLeakCheck check;
    for (int i = 1; i < 2000; ++i) cycle(i);
    AfxDeleteTempMaps();
}
