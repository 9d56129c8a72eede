// The image strips of KXRes.dll, drawn as character art and written as
// 16-colour BMP files.  Portable: the generator and its test use it on any host.
#ifndef KX_RESOURCES_GEN_IMAGE_SET_H
#define KX_RESOURCES_GEN_IMAGE_SET_H

#include <cstdint>
#include <string>
#include <vector>

namespace kximg {

// A glyph is one string per pixel row; each character names a colour of the
// standard 16-colour palette (see PaletteIndex), '.' is the strip's background.
using Glyph = std::vector<std::string>;

struct Strip {
    std::string file;       // file name in resources/images
    int resourceId;         // bitmap (and toolbar) identifier in KXRes.dll
    int cellWidth;
    int cellHeight;
    bool magentaBack;       // true: 0xFF00FF mask; false: toolbar grey 0xC0C0C0
    std::vector<Glyph> glyphs;
};

// Every strip of the module, in a fixed order.
const std::vector<Strip>& Strips();

// Palette index (0..15) of a glyph character, or -1 for an unknown one.
int PaletteIndex(char c, bool magentaBack);

// RGB (0xRRGGBB) of a palette entry.
std::uint32_t PaletteRgb(int index);

// The strip as palette indices, row-major, top row first.  Empty (and the
// reason in *error) when a glyph is malformed or uses the background colour
// as a visible pixel.
std::vector<std::uint8_t> Rasterize(const Strip& strip, std::string* error);

// A complete 4-bit BMP file of the strip (bottom-up rows, 16-entry palette).
std::vector<std::uint8_t> EncodeBmp(const Strip& strip, std::string* error);

// A PNG contact sheet of every strip, enlarged, for looking at the set.
std::vector<std::uint8_t> EncodePreviewPng(int scale, std::string* error);

// Writes every strip's BMP into dir.  Returns false (and the reason) on failure.
bool WriteImages(const std::string& dir, std::string* error);

}  // namespace kximg

#endif
