#include "core/cursor_art.h"

#include "core/kx_core_res.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

char Pixel(const KX_CURSOR_IMAGE& img, int x, int y) { return img.pixels[static_cast<size_t>(y * img.cx + x)]; }

TEST(CursorArt, SevenCursorsWithTheirSizesAndHotSpots) {
    const std::vector<KX_CURSOR_ART> art = KXDrawCursorArt();
    ASSERT_EQ(7u, art.size());
    struct Expect {
        unsigned id;
        size_t images;
        int x, y;
    } expect[] = {
        {IDC_KX_SPLITH, 2, 15, 15}, {IDC_KX_SPLITV, 2, 15, 15}, {IDC_KX_DRAGCOPY, 1, 6, 3},
        {IDC_KX_DRAGMOVE, 1, 6, 3}, {IDC_KX_HAND, 1, 5, 0},     {IDC_KX_DRAGNONE, 1, 6, 3},
        {IDC_KX_HANDNONE, 1, 5, 0},
    };
    for (size_t i = 0; i < art.size(); ++i) {
        EXPECT_EQ(expect[i].id, art[i].nID);
        const KX_CURSOR_IMAGE& big = art[i].images[0];
        ASSERT_EQ(expect[i].images, art[i].images.size()) << art[i].nID;
        EXPECT_TRUE(big.cx == 32 && big.cy == 32 && big.pixels.size() == 1024u) << art[i].nID;
        EXPECT_EQ(expect[i].x, big.xHotSpot) << art[i].nID;
        EXPECT_EQ(expect[i].y, big.yHotSpot) << art[i].nID;
        // The hot spot is on the drawing (a tip or the gap between the bars).
        EXPECT_NE(' ', Pixel(big, big.xHotSpot, big.yHotSpot)) << art[i].nID;
        if (art[i].images.size() == 2) {
            const KX_CURSOR_IMAGE& small = art[i].images[1];
            EXPECT_TRUE(small.cx == 16 && small.cy == 16 && small.xHotSpot == 7 && small.yHotSpot == 7);
        }
    }
    // The vertical split cursor is the horizontal one turned on its side.
    const KX_CURSOR_IMAGE& h = art[0].images[0];
    const KX_CURSOR_IMAGE& v = art[1].images[0];
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_EQ(Pixel(h, x, y), Pixel(v, y, x)) << x << "," << y;
    // The drag variants differ only in their badge.
    EXPECT_NE(art[2].images[0].pixels, art[3].images[0].pixels);
    EXPECT_NE(art[2].images[0].pixels, art[5].images[0].pixels);
}

TEST(CursorArt, EncodedFileLayout) {
    const std::vector<KX_CURSOR_ART> art = KXDrawCursorArt();
    const std::vector<unsigned char> b = KXEncodeCursorFile(art[0].images);
    // Directory: reserved 0, type 2 (cursor), two entries; then the first
    // entry: 32 x 32 in two colours, hot spot (15, 15), image right after the directory.
    ASSERT_GE(b.size(), 38u);
    EXPECT_EQ(std::vector<unsigned char>(b.begin(), b.begin() + 14),
              (std::vector<unsigned char>{0, 0, 2, 0, 2, 0, 32, 32, 2, 0, 15, 0, 15, 0}));
    const unsigned size0 = b[14] | b[15] << 8 | b[16] << 16 | static_cast<unsigned>(b[17]) << 24;
    const unsigned off0 = b[18] | b[19] << 8 | b[20] << 16 | static_cast<unsigned>(b[21]) << 24;
    EXPECT_EQ(38u, off0);
    EXPECT_EQ(40u + 8u + 128u + 128u, size0);  // header, two colours, XOR and AND planes
    // The bitmap header says 1 bit per pixel and twice the height.
    EXPECT_EQ(64, b[off0 + 8]);
    EXPECT_EQ(1, b[off0 + 14]);
    EXPECT_EQ(off0 + size0 + 40 + 8 + 64 + 64, b.size());
}

#ifndef _WIN32
// The committed files are what the generator writes today.
TEST(CursorArt, CommittedFilesMatchTheGenerator) {
    std::string src = __FILE__;
    src = src.substr(0, src.rfind("/tests/")) + "/src/core/cursors/";
    char tmpl[] = "/tmp/kx_cursorgen_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(tmpl));
    const std::string tmp = tmpl;
    ASSERT_TRUE(KXWriteCursorFiles(tmp.c_str()));
    auto slurp = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    for (const KX_CURSOR_ART& art : KXDrawCursorArt()) {
        const std::string fresh = slurp(tmp + "/" + art.pszFileName);
        EXPECT_FALSE(fresh.empty()) << art.pszFileName;
        EXPECT_EQ(fresh, slurp(src + art.pszFileName))
            << art.pszFileName << " differs: run kx_cursorgen src/core/cursors";
        std::remove((tmp + "/" + art.pszFileName).c_str());
    }
    std::remove(tmp.c_str());
}
#endif

}  // namespace
