#include "win/imagelist.h"

#include <gtest/gtest.h>

#include "support/capture.h"
#include "support/gdi_leak.h"
#include "support/pixel_assert.h"
#include "win/dc.h"
#include "win/gdiobj.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

class ImageListTest : public ::testing::Test {
protected:
    void TearDown() override { AfxDeleteTempMaps(); }

    // A strip of three 16x16 images (red, green, blue); the red one has a
    // 4x4 magenta corner that the mask colour makes transparent.
    void MakeStrip(CBitmap& bmp) {
        CDC screen;
        screen.Attach(::GetDC(nullptr));
        CDC mem;
        ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
        ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 48, 16));
        ::ReleaseDC(nullptr, screen.Detach());
        CBitmap* pOld = mem.SelectObject(&bmp);
        mem.FillSolidRect(0, 0, 16, 16, kRed);
        mem.FillSolidRect(16, 0, 16, 16, kGreen);
        mem.FillSolidRect(32, 0, 16, 16, kBlue);
        mem.FillSolidRect(0, 0, 4, 4, kMagenta);
        mem.SelectObject(pOld);
    }

    size_t TempCount() {
        CHandleMap<CImageList>* pMap = afxMapHIMAGELIST(FALSE);
        return pMap ? pMap->GetTemporaryCount() : 0;
    }
};

}  // namespace

TEST_F(ImageListTest, MaskedStripSplitsIntoImagesDrawnWithTheMaskColourTransparent) {
    CImageList il;
    ASSERT_TRUE(il.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_FALSE(il.Create(16, 16, ILC_COLOR24, 0, 4));  // already holds one
    CBitmap strip;
    MakeStrip(strip);
    EXPECT_EQ(il.Add(&strip, kMagenta), 0);  // index of the first image added
    EXPECT_EQ(il.GetImageCount(), 3);

    BOOL bDrawn = FALSE, bOutOfRange = TRUE;
    kxtest::Capture cap = kxtest::Render(40, 20, [&](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        bDrawn = il.Draw(pDC, 0, CPoint(2, 2), ILD_TRANSPARENT);
        il.Draw(pDC, 2, CPoint(20, 2), ILD_NORMAL);
        bOutOfRange = il.Draw(pDC, 9, CPoint(0, 0), ILD_NORMAL);
    });
    EXPECT_TRUE(bDrawn);
    EXPECT_FALSE(bOutOfRange);
    EXPECT_PIXEL(cap, 2 + 10, 2 + 10, kRed);
    EXPECT_PIXEL(cap, 2 + 1, 2 + 1, kWhite);  // masked corner shows the background
    EXPECT_PIXEL(cap, 2 + 5, 2 + 1, kRed);
    EXPECT_PIXEL(cap, 20 + 8, 2 + 8, kBlue);
}

TEST_F(ImageListTest, HandleMapOwnershipAndTemporaries) {
    HIMAGELIST hRaw = ::ImageList_Create(8, 8, ILC_COLOR24, 0, 1);
    CImageList::FromHandle(hRaw);
    AfxDeleteTempMaps();  // frees the wrapper only
    EXPECT_EQ(::ImageList_GetImageCount(hRaw), 0);
    {
        CImageList owner;
        ASSERT_TRUE(owner.Attach(hRaw));
        EXPECT_EQ(CImageList::FromHandle(hRaw), &owner);
        EXPECT_FALSE(owner.Attach(hRaw));
    }  // destroyed with its owner
    EXPECT_EQ(CImageList::FromHandlePermanent(hRaw), nullptr);

    CImageList empty, target;
    EXPECT_EQ(empty.Add((HICON) nullptr), -1);
    EXPECT_FALSE(empty.DeleteImageList());
    EXPECT_FALSE(empty.Create(31999, 16, 0, kMagenta));  // no such bitmap
    EXPECT_FALSE(target.Create(&empty));
    EXPECT_FALSE(target.Create((CImageList*)nullptr));
}

// A copy is independent of its original; the owner's destructor frees the
// list's bitmaps, whether it created the list or copied it; a temporary
// wrapper frees nothing.
TEST_F(ImageListTest, CopiesAreIndependentAndOwnersFreeTheirBitmaps) {
    CBitmap strip;
    MakeStrip(strip);
    auto fill = [&strip](CImageList& il) {
        il.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4);
        il.Add(&strip, kMagenta);
    };
    {
        CImageList il, copy;
        fill(il);
        ASSERT_TRUE(copy.Create(&il));
        EXPECT_NE(copy.m_hImageList, il.m_hImageList);
        copy.Remove(0);
        EXPECT_EQ(copy.GetImageCount(), 2);
        EXPECT_EQ(il.GetImageCount(), 3);
    }
    EXPECT_NO_GDI_LEAK({
        CImageList il, copy;
        fill(il);
        copy.Create(&il);
        HIMAGELIST hRaw = ::ImageList_Duplicate(il.m_hImageList);
        CImageList::FromHandle(hRaw);
        AfxDeleteTempMaps();
        EXPECT_EQ(::ImageList_GetImageCount(hRaw), 3);
        ::ImageList_Destroy(hRaw);
    });
}
