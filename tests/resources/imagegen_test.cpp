// The committed images of KXRes.dll must be exactly what the generator
// draws, so an edited glyph without regenerated files fails here.
#include "image_set.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>

namespace {

std::vector<char> ReadFile(const std::filesystem::path& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

TEST(ImageGen, RegeneratedImagesMatchTheCommittedOnes) {
    // Its own folder: other build trees may run this test at the same time.
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kx_imagegen_test_" + std::to_string(std::random_device{}()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::string error;
    ASSERT_TRUE(kximg::WriteImages(dir.string(), &error)) << error;
    for (const kximg::Strip& s : kximg::Strips()) {
        const auto fresh = ReadFile(dir / s.file);
        const auto committed = ReadFile(std::filesystem::path(KX_RESOURCE_IMAGES) / s.file);
        ASSERT_FALSE(fresh.empty()) << s.file;
        EXPECT_TRUE(fresh == committed)
            << s.file << " is stale: rebuild the kx_images target of the native tree";
    }
    std::filesystem::remove_all(dir);
}

// The header fields that the resource loader and the toolbar rely on.
TEST(ImageGen, BmpHeadersDescribeA16ColourStripOfWholeCells) {
    for (const kximg::Strip& s : kximg::Strips()) {
        std::string error;
        const auto bmp = kximg::EncodeBmp(s, &error);
        ASSERT_FALSE(bmp.empty()) << error;
        auto u32 = [&](std::size_t at) {
            return std::uint32_t(bmp[at]) | std::uint32_t(bmp[at + 1]) << 8 |
                   std::uint32_t(bmp[at + 2]) << 16 | std::uint32_t(bmp[at + 3]) << 24;
        };
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(u32(2), bmp.size()) << s.file;
        const std::uint32_t width = u32(18), height = u32(22);
        EXPECT_EQ(width % std::uint32_t(s.cellWidth), 0u) << s.file;
        EXPECT_EQ(width / std::uint32_t(s.cellWidth), s.glyphs.size()) << s.file;
        EXPECT_EQ(height, std::uint32_t(s.cellHeight)) << s.file;
        EXPECT_EQ(bmp[28], 4) << s.file;  // bits per pixel
        // Top-left pixel of the image (last stored row, high nibble) is background.
        const std::size_t stride = ((width + 1) / 2 + 3) / 4 * 4;
        const std::size_t topRow = u32(10) + stride * (height - 1);
        const int index = bmp[topRow] >> 4;
        EXPECT_EQ(kximg::PaletteRgb(index), s.magentaBack ? 0xFF00FFu : 0xC0C0C0u) << s.file;
    }
}

// Every glyph draws something, and no two glyphs of a strip are the same.
TEST(ImageGen, GlyphsAreDistinctAndNotBlank) {
    for (const kximg::Strip& s : kximg::Strips()) {
        std::set<kximg::Glyph> seen;
        for (const kximg::Glyph& g : s.glyphs) {
            bool ink = false;
            for (const std::string& row : g) ink = ink || row.find_first_not_of('.') != std::string::npos;
            EXPECT_TRUE(ink) << s.file;
            EXPECT_TRUE(seen.insert(g).second) << s.file << ": duplicate glyph";
        }
    }
}

TEST(ImageGen, MalformedGlyphsAreRejected) {
    std::string error;
    kximg::Strip s{"bad.bmp", 1, 3, 2, false, {{"k.k", "..."}}};
    EXPECT_FALSE(kximg::Rasterize(s, &error).empty());
    // A short row, a missing row, an unknown colour; silver on the toolbar
    // grey and fuchsia on magenta would vanish.
    const std::pair<kximg::Glyph, bool> bad[] = {
        {{"k.k", ".."}, false}, {{"k.k"}, false}, {{"k?k", "..."}, false}, {{"ksk", "..."}, false},
        {{"kMk", "..."}, true}};
    for (const auto& [glyph, magenta] : bad) {
        s.glyphs = {glyph};
        s.magentaBack = magenta;
        EXPECT_TRUE(kximg::Rasterize(s, &error).empty()) << glyph[0];
    }
    s.glyphs = {{"ksk", "..."}};
    EXPECT_FALSE(kximg::Rasterize(s, &error).empty());  // silver shows on magenta
}

}  // namespace
