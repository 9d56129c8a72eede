// Rasterising the character art and encoding it as BMP (resources) and PNG
// (preview sheet).  Output is byte-for-byte deterministic.
#include "image_set.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace kximg {
namespace {

// The standard 16-colour palette in its usual order.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr int kSilver = 7;
constexpr int kFuchsia = 13;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void Put32BE(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t Crc32(const std::uint8_t* p, std::size_t n) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c ^ 0xFFFFFFFFu;
}

void PngChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    Put32BE(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32BE(out, Crc32(body.data(), body.size()));
}

// A zlib stream of stored (uncompressed) blocks: enough for a preview.
std::vector<std::uint8_t> ZlibStored(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> z = {0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(raw.size() - pos, 65535);
        const bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        Put16(z, static_cast<std::uint32_t>(n));
        Put16(z, static_cast<std::uint32_t>(~n & 0xFFFF));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                 raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    Put32BE(z, (b << 16) | a);
    return z;
}

}  // namespace

int PaletteIndex(char c, bool magentaBack) {
    static const std::string kKeys = "krgybmcsKRGYBMCw";
    if (c == '.') return magentaBack ? kFuchsia : kSilver;
    const auto pos = kKeys.find(c);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

std::uint32_t PaletteRgb(int index) {
    return index >= 0 && index < 16 ? kPalette[static_cast<std::size_t>(index)] : 0;
}

std::vector<std::uint8_t> Rasterize(const Strip& strip, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = strip.file + ": " + why;
        return std::vector<std::uint8_t>();
    };
    if (strip.glyphs.empty() || strip.cellWidth <= 0 || strip.cellHeight <= 0) return fail("empty strip");
    const int width = strip.cellWidth * static_cast<int>(strip.glyphs.size());
    const int back = strip.magentaBack ? kFuchsia : kSilver;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * strip.cellHeight));
    for (std::size_t g = 0; g < strip.glyphs.size(); ++g) {
        const Glyph& glyph = strip.glyphs[g];
        const std::string where = "glyph " + std::to_string(g);
        if (static_cast<int>(glyph.size()) != strip.cellHeight) return fail(where + " has the wrong height");
        for (int y = 0; y < strip.cellHeight; ++y) {
            const std::string& row = glyph[static_cast<std::size_t>(y)];
            if (static_cast<int>(row.size()) != strip.cellWidth)
                return fail(where + " row " + std::to_string(y) + " has the wrong width");
            for (int x = 0; x < strip.cellWidth; ++x) {
                const char c = row[static_cast<std::size_t>(x)];
                const int index = PaletteIndex(c, strip.magentaBack);
                if (index < 0) return fail(where + ": unknown colour '" + std::string(1, c) + "'");
                // A visible pixel in the background colour would turn transparent.
                if (c != '.' && index == back) return fail(where + " uses the background colour");
                pixels[static_cast<std::size_t>(y * width + static_cast<int>(g) * strip.cellWidth + x)] =
                    static_cast<std::uint8_t>(index);
            }
        }
    }
    return pixels;
}

std::vector<std::uint8_t> EncodeBmp(const Strip& strip, std::string* error) {
    const std::vector<std::uint8_t> pixels = Rasterize(strip, error);
    if (pixels.empty()) return {};
    const int width = strip.cellWidth * static_cast<int>(strip.glyphs.size());
    const int height = strip.cellHeight;
    const int stride = ((width + 1) / 2 + 3) / 4 * 4;
    const std::uint32_t headers = 14 + 40 + 16 * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);

    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, headers + imageSize);
    Put32(out, 0);
    Put32(out, headers);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);   // planes
    Put16(out, 4);   // bits per pixel
    Put32(out, 0);   // BI_RGB
    Put32(out, imageSize);
    Put32(out, 3780);  // 96 dpi
    Put32(out, 3780);
    Put32(out, 16);
    Put32(out, 0);
    for (std::uint32_t rgb : kPalette) {
        out.push_back(static_cast<std::uint8_t>(rgb));
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t v = pixels[static_cast<std::size_t>(y * width + x)];
            row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? v : v << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::uint8_t> EncodePreviewPng(int scale, std::string* error) {
    if (scale < 1 || scale > 32) {
        if (error) *error = "scale out of range";
        return {};
    }
    constexpr int kGap = 2;               // between cells, in enlarged pixels
    constexpr std::uint32_t kSheet = 0xF0F0F0, kLine = 0x606060;
    int sheetWidth = 0, sheetHeight = kGap;
    for (const Strip& s : Strips()) {
        const int w = static_cast<int>(s.glyphs.size()) * (s.cellWidth * scale + kGap) + kGap;
        sheetWidth = std::max(sheetWidth, w);
        sheetHeight += s.cellHeight * scale + 4 * kGap;
    }
    std::vector<std::uint32_t> rgb(static_cast<std::size_t>(sheetWidth * sheetHeight), kSheet);
    int top = kGap;
    for (const Strip& s : Strips()) {
        const std::vector<std::uint8_t> px = Rasterize(s, error);
        if (px.empty()) return {};
        const int stripWidth = s.cellWidth * static_cast<int>(s.glyphs.size());
        const int cells = static_cast<int>(s.glyphs.size());
        const int bandHeight = s.cellHeight * scale + 2 * kGap;
        for (int y = top; y < top + bandHeight; ++y)
            for (int x = 0; x < cells * (s.cellWidth * scale + kGap) + kGap; ++x)
                rgb[static_cast<std::size_t>(y * sheetWidth + x)] = kLine;
        for (int g = 0; g < cells; ++g) {
            const int left = kGap + g * (s.cellWidth * scale + kGap);
            for (int y = 0; y < s.cellHeight * scale; ++y)
                for (int x = 0; x < s.cellWidth * scale; ++x) {
                    const int sx = g * s.cellWidth + x / scale, sy = y / scale;
                    rgb[static_cast<std::size_t>((top + kGap + y) * sheetWidth + left + x)] =
                        kPalette[px[static_cast<std::size_t>(sy * stripWidth + sx)]];
                }
        }
        top += bandHeight + 2 * kGap;
    }

    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>((sheetWidth * 3 + 1) * sheetHeight));
    for (int y = 0; y < sheetHeight; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < sheetWidth; ++x) {
            const std::uint32_t c = rgb[static_cast<std::size_t>(y * sheetWidth + x)];
            raw.push_back(static_cast<std::uint8_t>(c >> 16));
            raw.push_back(static_cast<std::uint8_t>(c >> 8));
            raw.push_back(static_cast<std::uint8_t>(c));
        }
    }
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<std::uint8_t> ihdr;
    Put32BE(ihdr, static_cast<std::uint32_t>(sheetWidth));
    Put32BE(ihdr, static_cast<std::uint32_t>(sheetHeight));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    PngChunk(png, "IHDR", ihdr);
    PngChunk(png, "IDAT", ZlibStored(raw));
    PngChunk(png, "IEND", {});
    return png;
}

bool WriteImages(const std::string& dir, std::string* error) {
    for (const Strip& s : Strips()) {
        const std::vector<std::uint8_t> bmp = EncodeBmp(s, error);
        if (bmp.empty()) return false;
        const std::string path = dir + "/" + s.file;
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
        if (!f) {
            if (error) *error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

}  // namespace kximg
