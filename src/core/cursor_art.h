// The library's own cursors as drawings: the tool in cursors/ writes them as
// .cur files, which the module's resource script embeds (resources 18009 to
// 18015).  Kept in the library so the test can regenerate and compare them.
#pragma once

#include <string>
#include <vector>

// One monochrome image: cx * cy characters, row by row from the top;
// ' ' transparent, '#' black, '.' white.
struct KX_CURSOR_IMAGE {
    int cx = 0;
    int cy = 0;
    int xHotSpot = 0;
    int yHotSpot = 0;
    std::string pixels;
};

struct KX_CURSOR_ART {
    unsigned nID;              // resource number
    const char* pszFileName;   // file name under cursors/
    std::vector<KX_CURSOR_IMAGE> images;  // largest first
};

// The seven cursors in resource order.
std::vector<KX_CURSOR_ART> KXDrawCursorArt();

// The bytes of a .cur file holding the images (1 bit per pixel, colour
// table black and white, AND mask after the XOR image).
std::vector<unsigned char> KXEncodeCursorFile(const std::vector<KX_CURSOR_IMAGE>& images);

// Writes every cursor into the folder pszDir (which must exist); false when a
// file cannot be written.
bool KXWriteCursorFiles(const char* pszDir);
