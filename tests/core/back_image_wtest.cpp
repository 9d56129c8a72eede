#include "core/back_image.h"

#include "core/dib_block.h"
#include "core/gfx_picture.h"
#include "core/resource_scope.h"
#include "core/transparent_blt.h"
#include "support/capture.h"
#include "support/gdi_leak.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include "kxres_ids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace kxtest;
using Bytes = std::vector<BYTE>;
const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

HBITMAP MakeDib(int w, int h, WORD bits, void** ppv, const DWORD* masks = nullptr, const RGBQUAD* table = nullptr) {
    BYTE info[sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)] = {};
    auto& bih = *reinterpret_cast<BITMAPINFOHEADER*>(info);
    bih = {sizeof bih, w, h, 1, bits, DWORD(masks ? BI_BITFIELDS : BI_RGB), 0, 0, 0, 0, 0};
    if (masks) std::memcpy(info + sizeof bih, masks, 12);
    if (table) std::memcpy(info + sizeof bih, table, 256 * sizeof(RGBQUAD));
    return ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info), DIB_RGB_COLORS, ppv, nullptr, 0);
}

// n x n, top-down, in quadrants: red, green / blue, white.
HBITMAP Quadrants(int n) {
    void* pv = nullptr;
    HBITMAP hbm = MakeDib(n, -n, 32, &pv);
    for (int i = 0; i < n * n; ++i)
        static_cast<DWORD*>(pv)[i] = (i / n < n / 2) ? (i % n < n / 2 ? 0xFF0000 : 0x00FF00)
                                                     : (i % n < n / 2 ? 0x0000FF : 0xFFFFFF);
    return hbm;
}

// Top-down 32-bit pixels; empty when hbm is no bitmap.
std::vector<DWORD> Pixels(HBITMAP hbm) {
    BITMAP bm = {};
    if (!::GetObject(hbm, sizeof bm, &bm)) return {};
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<DWORD> px(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC hdc = ::GetDC(nullptr);
    ::GetDIBits(hdc, hbm, 0, bm.bmHeight, px.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    return px;
}

Capture Draw(int w, int h, const std::function<void(CDC*)>& draw) {
    return Render(w, h, [&](HDC hdc) {
        CDC dc;
        dc.Attach(hdc);
        draw(&dc);
        dc.Detach();
    });
}

Bytes Store(CKXBackImage& image) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        image.SerializeImage(ar);
    }
    Bytes out(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(out.data(), static_cast<UINT>(out.size()));
    return out;
}

int Load(CKXBackImage& image, Bytes bytes) {  // the archive exception's cause, or -1
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        image.SerializeImage(ar);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

// A .bmp file of hbm made from its device-independent copy.
std::string WriteBmpFile(HBITMAP hbm) {
    void* pBits = nullptr;
    BITMAPINFO* pInfo = nullptr;
    KX_DIBFORMAT f;
    EXPECT_TRUE(GfxGetDIBBitmap(hbm, &pBits, &pInfo));
    EXPECT_TRUE(KXMeasureDIBHeader(reinterpret_cast<BYTE*>(pInfo), &f));
    BITMAPFILEHEADER bfh = {0x4D42, 14 + f.cbInfo + f.cbImage, 0, 0, 14 + f.cbInfo};
    char dir[MAX_PATH], path[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    ::GetTempFileNameA(dir, "kxb", 0, path);
    HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done;
    for (auto [p, cb] : {std::pair<const void*, DWORD>{&bfh, 14}, {pInfo, f.cbInfo}, {pBits, f.cbImage}})
        ::WriteFile(h, p, cb, &done, nullptr);
    ::CloseHandle(h);
    ::GlobalFree(pBits);
    ::GlobalFree(pInfo);
    return path;
}

TEST(CKXBackImage, FlagSettersAndOwnership) {
    CKXBackImage image;
    EXPECT_EQ(KX_LVBKIF_STYLE_NORMAL, image.GetImageFlags());
    image.SetImageOffset(-5, 3);
    EXPECT_EQ(CSize(0, 3), image.GetImageOffset());

    image.SetImageFlags(KX_LVBKIF_SOURCE_FILE);
    image.SetImageTile(FALSE);  // neither tiled nor stretched: normal
    EXPECT_EQ(KX_LVBKIF_SOURCE_FILE | KX_LVBKIF_STYLE_NORMAL, image.GetImageFlags());
    image.SetImageTile(TRUE);
    image.SetImageStretch(TRUE);
    EXPECT_EQ(KX_LVBKIF_SOURCE_FILE | KX_LVBKIF_STYLE_STRETCH, image.GetImageFlags());
    image.ModifyImageFlags(0, KX_LVBKIF_STYLE_TILE | KX_LVBKIF_TRANSPARENT);
    image.SetImageTile(FALSE);  // still stretched: no normal bit
    EXPECT_EQ(0u, image.GetImageAlign());
    image.SetImageAlign(KX_LVBKIF_SOURCE_HBITMAP | KX_LVBKIF_STYLE_NORMAL | KX_LVBKIF_ALIGN_RIGHT);
    EXPECT_EQ(KX_LVBKIF_SOURCE_FILE | KX_LVBKIF_TRANSPARENT | KX_LVBKIF_STYLE_NORMAL | KX_LVBKIF_ALIGN_RIGHT,
              image.GetImageFlags());
    EXPECT_EQ(KX_LVBKIF_ALIGN_RIGHT, image.GetImageAlign());

    HBITMAP first = Quadrants(4), second = Quadrants(4);
    EXPECT_TRUE(image.SetBkImage(first));
    EXPECT_TRUE(image.SetBkImage(first));  // the held bitmap again stays alive
    EXPECT_EQ(KX_LVBKIF_SOURCE_HBITMAP, image.GetImageFlags() & KX_LVBKIF_SOURCE_MASK);
    image.SetBkImage(second);
    EXPECT_TRUE(Pixels(first).empty());  // deleted
    tagKX_LVBKIMAGE rec = image.GetImage();
    rec.hbm = Quadrants(4);
    image.SetImage(rec);  // keeps the bitmap held before
    EXPECT_FALSE(Pixels(second).empty());
    ::DeleteObject(second);

    CKXResourceScope scope;
    EXPECT_TRUE(image.SetBkImage(static_cast<UINT>(IDB_KX_CAPTION_STRIP)));
    EXPECT_FALSE(image.SetBkImage(static_cast<UINT>(0x7123)));  // no such resource
    EXPECT_EQ(0u, image.GetImageFlags() & KX_LVBKIF_SOURCE_MASK);
}

TEST(CKXBackImage, DrawsTiledStretchedPlacedAndTransparent) {
    CKXBackImage image;
    image.SetBkImage(Quadrants(16));
    image.SetImageTile(TRUE);
    const Capture tiled = Draw(40, 20, [&](CDC* pDC) { image.DrawBkImage(pDC, CRect(0, 0, 40, 20)); });
    WritePng(tiled, "tiled");
    for (int x : {0, 16, 32}) {
        EXPECT_PIXEL(tiled, x + 7, 8, kBlue);
        EXPECT_PIXEL(tiled, x, 16, kRed);  // the second row
    }
    image.SetImageStretch(TRUE);
    const Capture stretched = Draw(32, 32, [&](CDC* pDC) { image.DrawBkImage(pDC, CRect(0, 0, 32, 32)); });
    EXPECT_RECT_COLOUR(stretched, (RECT{0, 0, 16, 16}), kRed);
    EXPECT_RECT_COLOUR(stretched, (RECT{16, 0, 32, 16}), kGreen);

    image.SetImageAlign(KX_LVBKIF_STYLE_NORMAL | KX_LVBKIF_ALIGN_HCENTER | KX_LVBKIF_ALIGN_VCENTER);
    const Capture centred = Draw(40, 8, [&](CDC* pDC) { image.DrawBkImage(pDC, CRect(0, 0, 40, 8)); });
    EXPECT_RECT_COLOUR(centred, (RECT{0, 0, 12, 8}), kWhite);
    // 16 high centred in 8: y is -4, so rows 4 to 11 show.
    EXPECT_RECT_COLOUR(centred, (RECT{20, 0, 28, 4}), kGreen);
    EXPECT_RECT_COLOUR(centred, (RECT{12, 4, 20, 8}), kBlue);

    // Transparent in every style, and through the mask copy used where
    // msimg32 is missing; nothing without a bitmap or a context.
    tagKX_LVBKIMAGE rec = image.GetImage();
    rec.clrTransparent = kRed;
    for (UINT style : {KX_LVBKIF_STYLE_NORMAL, KX_LVBKIF_STYLE_TILE, KX_LVBKIF_STYLE_STRETCH}) {
        rec.ulFlags = style | KX_LVBKIF_TRANSPARENT;
        const Capture cap = Draw(32, 32, [&](CDC* pDC) { KXDrawBkImage(pDC, CRect(0, 0, 32, 32), rec); });
        const int q = style == KX_LVBKIF_STYLE_STRETCH ? 16 : 8;
        EXPECT_RECT_COLOUR(cap, (RECT{0, 0, q, q}), kWhite) << style;
        EXPECT_RECT_COLOUR(cap, (RECT{q, 0, 2 * q, q}), kGreen) << style;
    }
    const Capture masked = Render(40, 40, [&](HDC hdc) {
        CDC src;
        src.CreateCompatibleDC(nullptr);
        HGDIOBJ old = src.SelectObject(static_cast<HGDIOBJ>(image.GetBkImage()));
        EXPECT_TRUE(KXMaskedTransparentBlt(hdc, 4, 4, 32, 32, src, 0, 0, 16, 16, kRed));
        src.SelectObject(old);
        KXDrawBkImage(nullptr, CRect(0, 0, 8, 8), rec);
        rec.hbm = nullptr;
        CDC dc;
        dc.Attach(hdc);
        KXDrawBkImage(&dc, CRect(0, 0, 40, 40), rec);
        dc.Detach();
    });
    EXPECT_RECT_COLOUR(masked, (RECT{0, 0, 20, 20}), kWhite);
    EXPECT_RECT_COLOUR(masked, (RECT{20, 4, 36, 20}), kGreen);
    EXPECT_RECT_COLOUR(masked, (RECT{4, 20, 20, 36}), kBlue);
}

TEST(CKXBackImage, ArchiveRoundTripsKeepThePixels) {
    const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    RGBQUAD table[256];
    for (int i = 0; i < 256; ++i) table[i] = {BYTE(i), BYTE(255 - i), BYTE(i * 3), 0};
    for (auto [bits, pMasks, pTable] : {std::tuple<WORD, const DWORD*, const RGBQUAD*>{24, nullptr, nullptr},
                                        {8, nullptr, table}, {16, masks, nullptr}}) {
        void* pv = nullptr;
        HBITMAP hbm = MakeDib(5, 3, bits, &pv, pMasks, pTable);  // 5 wide: padded rows
        for (int i = 0; i < 48; ++i) static_cast<BYTE*>(pv)[i] = static_cast<BYTE>(i * 37 + 1);
        CKXBackImage original, loaded;
        original.SetBkImage(hbm);
        original.SetImageTile(TRUE);
        ASSERT_EQ(-1, Load(loaded, Store(original))) << bits;
        EXPECT_EQ(original.GetImageFlags(), loaded.GetImageFlags());
        EXPECT_EQ(Pixels(hbm), Pixels(loaded.GetBkImage())) << bits;
        DIBSECTION ds = {};
        ::GetObject(loaded.GetBkImage(), sizeof ds, &ds);
        EXPECT_EQ(bits, ds.dsBmih.biBitCount);
        EXPECT_TRUE(!pMasks || ds.dsBitfields[1] == 0x07E0);
        EXPECT_TRUE(!pTable || std::memcmp(pv, ds.dsBm.bmBits, 5) == 0) << "the same indices";
    }
}

TEST(CKXBackImage, ArchiveLayoutAndFailedLoads) {
    CKXBackImage image;  // a bitmap source without a bitmap: four integers, then 0
    image.ModifyImageFlags(0, KX_LVBKIF_SOURCE_HBITMAP);
    image.SetImageOffset(3, 4);
    EXPECT_EQ(Bytes({0x11, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0}), Store(image));

    CKXBackImage source;
    source.SetBkImage(Quadrants(4));  // 32 bits: 40 + 64 bytes
    source.SetImageStretch(TRUE);
    const Bytes stored = Store(source);
    ASSERT_EQ(16u + 4 + 40 + 4 + 64, stored.size());

    HBITMAP kept = Quadrants(8);
    image.SetBkImage(kept);
    const UINT flags = image.GetImageFlags();
    Bytes badBits = stored, badSize = stored;
    badBits[16 + 4 + 14] = 7;   // the bit count
    badSize[16 + 4 + 40] ^= 1;  // the pixel-block size
    for (const Bytes& bad : {Bytes(stored.begin(), stored.end() - 1), badBits, badSize}) {
        EXPECT_NE(-1, Load(image, bad));
        EXPECT_EQ(kept, image.GetBkImage());
        EXPECT_EQ(flags, image.GetImageFlags());
        EXPECT_EQ(CSize(3, 4), image.GetImageOffset());
    }
    // A stored 0 takes flags and offsets but keeps the bitmap.
    Bytes zero(stored.begin(), stored.begin() + 20);
    zero[16] = 0;
    EXPECT_EQ(-1, Load(image, zero));
    EXPECT_EQ(kept, image.GetBkImage());
    EXPECT_EQ(source.GetImageFlags(), image.GetImageFlags());
}

TEST(CKXBackImage, ImageFiles) {
    HBITMAP hbm = Quadrants(6);
    const std::string path = WriteBmpFile(hbm);
    CKXBackImage image, loaded;
    EXPECT_TRUE(image.SetBkImageFile(path.c_str()));
    EXPECT_EQ(Pixels(hbm), Pixels(image.GetBkImage()));
    ASSERT_EQ(-1, Load(loaded, Store(image)));  // the name is stored and the file read again
    EXPECT_STREQ(path.c_str(), loaded.GetBkImageFile());
    EXPECT_EQ(Pixels(hbm), Pixels(loaded.GetBkImage()));

    // Garbage, a cut file, no file: no bitmap, but the name and source stay.
    const Bytes junk(300, 0x5A);
    const char cut[] = "BM\x40\0\0\0\0\0\0\0\x36\0\0\0(\0\0\0\x08\0";  // headers of 8 x 8, no pixels
    for (DWORD cb : {300u, 20u, 0u}) {
        HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD done;
        ::WriteFile(h, cb == 20 ? static_cast<const void*>(cut) : junk.data(), cb, &done, nullptr);
        ::CloseHandle(h);
        EXPECT_EQ(nullptr, GfxLoadImageFile(path.c_str())) << cb;
    }
    ::DeleteFileA(path.c_str());
    EXPECT_FALSE(image.SetBkImageFile(path.c_str()));
    EXPECT_EQ(KX_LVBKIF_SOURCE_FILE, image.GetImageFlags() & KX_LVBKIF_SOURCE_MASK);
    EXPECT_STREQ(path.c_str(), image.GetBkImageFile());
    EXPECT_EQ(nullptr, GfxLoadImageFile(nullptr));
    image.SetBkImageFile(nullptr);
    EXPECT_EQ(0u, image.GetImageFlags() & KX_LVBKIF_SOURCE_MASK);
    ::DeleteObject(hbm);
}

TEST(CKXBackImage, NoGdiLeakOverDrawsAndLoads) {
    CKXBackImage image;
    image.SetBkImage(Quadrants(16));
    const std::string path = WriteBmpFile(image.GetBkImage());
    tagKX_LVBKIMAGE rec = image.GetImage();
    auto work = [&] {
        Draw(48, 48, [&](CDC* pDC) {
            for (UINT flags : {KX_LVBKIF_STYLE_TILE, KX_LVBKIF_STYLE_STRETCH, KX_LVBKIF_ALIGN_HCENTER,
                               KX_LVBKIF_STYLE_TILE | KX_LVBKIF_TRANSPARENT}) {
                rec.ulFlags = flags;
                KXDrawBkImage(pDC, CRect(0, 0, 48, 48), rec);
            }
        });
        CKXBackImage copy;
        Bytes stored = Store(image);
        Load(copy, stored);
        stored.pop_back();
        Load(copy, stored);
        copy.SetBkImageFile(path.c_str());
    };
    work();  // what the system makes once (COM, the picture loader)
    EXPECT_NO_GDI_LEAK(for (int i = 0; i < 50; ++i) work());
    ::DeleteFileA(path.c_str());
}

}  // namespace
