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

TEST_F(ImageListTest, MaskedStripSplitsIntoImagesOfTheListSize) {
    CImageList il;
    ASSERT_TRUE(il.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_FALSE(il.Create(16, 16, ILC_COLOR24, 0, 4));  // already holds one
    CBitmap strip;
    MakeStrip(strip);
    EXPECT_EQ(il.Add(&strip, kMagenta), 0);  // index of the first image added
    EXPECT_EQ(il.GetImageCount(), 3);
    int cx = 0, cy = 0;
    ASSERT_TRUE(il.GetIconSize(&cx, &cy));
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    EXPECT_FALSE(il.GetIconSize(nullptr, &cy));

    IMAGEINFO info = {};
    ASSERT_TRUE(il.GetImageInfo(2, &info));
    EXPECT_EQ(info.rcImage.right - info.rcImage.left, 16);
    EXPECT_NE(info.hbmMask, nullptr);
    EXPECT_FALSE(il.GetImageInfo(3, &info));
    EXPECT_FALSE(il.GetImageInfo(0, nullptr));

    EXPECT_TRUE(il.Remove(1));
    EXPECT_EQ(il.GetImageCount(), 2);
    EXPECT_FALSE(il.Remove(5));
    EXPECT_TRUE(il.Remove(-1));  // all of them
    EXPECT_EQ(il.GetImageCount(), 0);

    // Resizing empties the list.
    il.Add(&strip, kMagenta);
    ASSERT_TRUE(il.SetIconSize(8, 8));
    EXPECT_EQ(il.GetImageCount(), 0);
}

TEST_F(ImageListTest, DrawsImagesWithTheMaskColourTransparent) {
    CImageList il;
    ASSERT_TRUE(il.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0));
    CBitmap strip;
    MakeStrip(strip);
    ASSERT_EQ(il.Add(&strip, kMagenta), 0);

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
    EXPECT_PIXEL(cap, 1, 1, kWhite);

    // Through DrawIndirect, the list is always this one.
    cap = kxtest::Render(20, 20, [&](HDC hdc) {
        IMAGELISTDRAWPARAMS p = {};
        p.himl = nullptr;
        p.i = 0;
        p.hdcDst = hdc;
        p.x = 4;
        p.y = 4;
        p.rgbBk = CLR_NONE;
        p.rgbFg = CLR_DEFAULT;
        p.fStyle = ILD_TRANSPARENT;
        bDrawn = il.DrawIndirect(&p);
    });
    EXPECT_TRUE(bDrawn);
    EXPECT_PIXEL(cap, 4 + 8, 4 + 8, kRed);
    EXPECT_PIXEL(cap, 4 + 1, 4 + 1, kWhite);
    EXPECT_FALSE(il.DrawIndirect(nullptr));
}

TEST_F(ImageListTest, CopyIsIndependentOfTheOriginal) {
    CImageList il, copy;
    ASSERT_TRUE(il.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    CBitmap strip;
    MakeStrip(strip);
    il.Add(&strip, kMagenta);
    ASSERT_TRUE(copy.Create(&il));
    EXPECT_NE(copy.m_hImageList, il.m_hImageList);
    EXPECT_EQ(copy.GetImageCount(), 3);
    copy.Remove(0);
    EXPECT_EQ(copy.GetImageCount(), 2);
    EXPECT_EQ(il.GetImageCount(), 3);

    CImageList none, target;
    EXPECT_FALSE(target.Create(&none));
    EXPECT_FALSE(target.Create((CImageList*)nullptr));
}

TEST_F(ImageListTest, IconsGoInAndComeBackOut) {
    CImageList il;
    ASSERT_TRUE(il.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 2));
    HICON hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ(il.Add(hIcon), 0);
    EXPECT_EQ(il.Add(hIcon), 1);
    EXPECT_EQ(il.Replace(1, hIcon), 1);
    EXPECT_EQ(il.GetImageCount(), 2);
    HICON hOut = il.ExtractIcon(1);
    ASSERT_NE(hOut, nullptr);
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(hOut, &ii));
    BITMAP bm = {};
    ::GetObjectA(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    ::DestroyIcon(hOut);
    EXPECT_EQ(il.ExtractIcon(7), nullptr);
}

TEST_F(ImageListTest, HandleMapOwnershipAndTemporaries) {
    HIMAGELIST hRaw = ::ImageList_Create(8, 8, ILC_COLOR24, 0, 1);
    CImageList* pTemp = CImageList::FromHandle(hRaw);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->GetSafeHandle(), hRaw);
    EXPECT_EQ(CImageList::FromHandlePermanent(hRaw), nullptr);
    EXPECT_EQ(TempCount(), 1u);
    AfxDeleteTempMaps();  // frees the wrapper only
    EXPECT_EQ(TempCount(), 0u);
    EXPECT_EQ(::ImageList_GetImageCount(hRaw), 0);

    {
        CImageList owner;
        ASSERT_TRUE(owner.Attach(hRaw));
        EXPECT_EQ(CImageList::FromHandle(hRaw), &owner);
        EXPECT_FALSE(owner.Attach(hRaw));
        EXPECT_EQ(owner.Detach(), hRaw);
        EXPECT_EQ(CImageList::FromHandlePermanent(hRaw), nullptr);
        ASSERT_TRUE(owner.Attach(hRaw));
    }  // destroyed with its owner
    EXPECT_EQ(CImageList::FromHandlePermanent(hRaw), nullptr);

    CImageList empty;
    EXPECT_EQ(empty.Add((HICON) nullptr), -1);
    EXPECT_FALSE(empty.DeleteImageList());
    EXPECT_FALSE(empty.Create(31999, 16, 0, kMagenta));  // no such bitmap
    EXPECT_EQ(empty.m_hImageList, nullptr);
}

// The owner's destructor frees the list's bitmaps, whether it created the
// list or copied it; a temporary wrapper frees nothing.
TEST_F(ImageListTest, OwnersFreeTheirBitmaps) {
    CBitmap strip;
    MakeStrip(strip);
    auto fill = [&strip](CImageList& il) {
        il.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4);
        il.Add(&strip, kMagenta);
    };
    {
        CImageList warmUp;
        fill(warmUp);
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
