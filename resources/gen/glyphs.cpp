// The glyphs of the library's toolbars and image strips.
//
// Colour keys: k black, r maroon, g green, y olive, b navy, m purple, c teal,
// s silver, K grey, R red, G lime, Y yellow, B blue, M fuchsia, C aqua, w white;
// '.' is the background (toolbar grey, which the framework maps to the button
// face, or magenta for the masked strips).
#include "image_set.h"

#include <algorithm>

namespace kximg {
namespace {

Glyph FlipVertical(Glyph g) {
    std::reverse(g.begin(), g.end());
    return g;
}

// ---- edit commands (toolbar 17453): undo, cut, copy, paste, delete, select all

const Glyph kUndo = {
    "................",
    "................",
    "....k...........",
    "...kk...........",
    "..kBkkkkkkk.....",
    ".kBBBBBBBBBkk...",
    "kBBBBBBBBBBBBk..",
    ".kBBkkkkkkkBBBk.",
    "..kBk......kBBk.",
    "...kk.......kBk.",
    "....k.......kBk.",
    "...........kBBk.",
    ".........kkBBk..",
    ".........kkkk...",
    "................",
};

const Glyph kCut = {
    "................",
    "...K.......K....",
    "...kK.....Kk....",
    "....k.....k.....",
    "....kK...Kk.....",
    ".....k...k......",
    ".....kK.Kk......",
    "......kKk.......",
    ".......k........",
    "......b.b.......",
    "..bbbb...bbbb...",
    ".bB..bb.bb..Bb..",
    ".b....b.b....b..",
    ".bB..bb.bb..Bb..",
    "..bbbb...bbbb...",
};

const Glyph kCopy = {
    "................",
    ".kkkkkkkk.......",
    ".kwwwwwwk.......",
    ".kwbbbbwk.......",
    ".kwwwwkkkkkkkkk.",
    ".kwbbbkwwwwwwwk.",
    ".kwwwwkwbbbbbwk.",
    ".kwbbbkwwwwwwwk.",
    ".kwwwwkwbbbbbwk.",
    ".kkkkkkwwwwwwwk.",
    "......kwbbbbbwk.",
    "......kwwwwwwwk.",
    "......kwbbbbwwk.",
    "......kwwwwwwwk.",
    "......kkkkkkkkk.",
};

const Glyph kPaste = {
    "................",
    ".....kkkkk......",
    ".kkkkKwwwKkkkk..",
    "kyyykkkkkkkyyyk.",
    "kyYYYYYYYYYYYyk.",
    "kyYyyyykkkkkkkkk",
    "kyYyyyykwwwwwwwk",
    "kyYyyyykwbbbbbwk",
    "kyYyyyykwwwwwwwk",
    "kyYyyyykwbbbbbwk",
    "kyYyyyykwwwwwwwk",
    "kyYyyyykwbbbbwwk",
    "kyyyyyykwwwwwwwk",
    ".kkkkkkkkkkkkkkk",
    "................",
};

const Glyph kDelete = {
    "................",
    "................",
    "..rr.......rr...",
    "..rRr.....rRr...",
    "...rRr...rRr....",
    "....rRr.rRr.....",
    ".....rRrRr......",
    "......rRr.......",
    ".....rRrRr......",
    "....rRr.rRr.....",
    "...rRr...rRr....",
    "..rRr.....rRr...",
    "..rr.......rr...",
    "................",
    "................",
};

const Glyph kSelectAll = {
    "................",
    "..kkkkkkkkkkk...",
    "..kwwwwwwwwwk...",
    "..kbbbbbbbbbk...",
    "..kbwwbwwwbbk...",
    "..kbbbbbbbbbk...",
    "..kbbwwbwwbbk...",
    "..kbbbbbbbbbk...",
    "..kbwwwbwwbbk...",
    "..kbbbbbbbbbk...",
    "..kbwwbwwwbbk...",
    "..kbbbbbbbbbk...",
    "..kwwwwwwwwwk...",
    "..kkkkkkkkkkk...",
    "................",
};

// ---- header commands (toolbar 17452): sort ascending, descending, align left, centre, right

const Glyph kSortAscending = {
    "................",
    "...k............",
    "..kBk...........",
    ".kBBBk..bbb.....",
    "kBBBBBk.bbb.....",
    "kkkBkkk.........",
    "..kBk...........",
    "..kBk...bbbbb...",
    "..kBk...bbbbb...",
    "..kBk...........",
    "..kBk...........",
    "..kBk...bbbbbbb.",
    "..kBk...bbbbbbb.",
    "..kkk...........",
    "................",
};

const Glyph kAlignLeft = {
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkk......",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkk......",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkk......",
    "................",
    "................",
};

const Glyph kAlignCenter = {
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "....kkkkkkkk....",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "....kkkkkkkk....",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "....kkkkkkkk....",
    "................",
    "................",
};

const Glyph kAlignRight = {
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "......kkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "......kkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "......kkkkkkkk..",
    "................",
    "................",
};

// ---- outlook bar commands (toolbar 17454): small icons, large icons

const Glyph kSmallIcons = {
    "................",
    ".kkkk....kkkk...",
    ".kwBk.kk.kwBk.kk",
    ".kBbk....kBbk...",
    ".kkkk....kkkk...",
    "................",
    ".kkkk....kkkk...",
    ".kwGk.kk.kwGk.kk",
    ".kGgk....kGgk...",
    ".kkkk....kkkk...",
    "................",
    ".kkkk....kkkk...",
    ".kwRk.kk.kwRk.kk",
    ".kRrk....kRrk...",
    ".kkkk....kkkk...",
};

const Glyph kLargeIcons = {
    "................",
    ".kkkkkk..kkkkkk.",
    ".kwBBBk..kwGGGk.",
    ".kBBBBk..kGGGGk.",
    ".kBBBbk..kGGGgk.",
    ".kBbbbk..kGgggk.",
    ".kkkkkk..kkkkkk.",
    "................",
    ".kkkkkk..kkkkkk.",
    ".kwYYYk..kwRRRk.",
    ".kYYYYk..kRRRRk.",
    ".kYYYyk..kRRRrk.",
    ".kYyyyk..kRrrrk.",
    ".kkkkkk..kkkkkk.",
    "................",
};

// ---- property grid (toolbar 17455): categorized, alphabetical

const Glyph kCategorized = {
    "................",
    ".kkkkk..........",
    ".kwwwk..........",
    ".kbbbk.bbbbbbbb.",
    ".kwwwk..........",
    ".kkkkk..........",
    "........KKKKKKK.",
    "................",
    "........KKKKK...",
    ".kkkkk..........",
    ".kwwwk..........",
    ".kbbbk.bbbbbbbb.",
    ".kwwwk..........",
    ".kkkkk..........",
    "........KKKKKK..",
};

const Glyph kAlphabetical = {
    "................",
    "..bb.......k....",
    ".b..b......k....",
    ".bbbb......k....",
    ".b..b......k....",
    ".b..b......k....",
    "...........k....",
    "...........k....",
    ".bbbb......k....",
    "....b......k....",
    "...b.....kkkkk..",
    "..b.......kkk...",
    ".bbbb......k....",
    "................",
    "................",
};

// ---- caption strip (bitmap 17002, 16 wide on magenta): pin in, pin out, caption button

const Glyph kPinIn = {
    "................",
    "................",
    ".....kkkkk......",
    ".....kwwKk......",
    ".....kwwKk......",
    ".....kwwKk......",
    ".....kwwKk......",
    "....kkkkkkk.....",
    "...kkkkkkkkk....",
    ".......k........",
    ".......k........",
    ".......k........",
    ".......k........",
    "................",
    "................",
};

const Glyph kPinOut = {
    "................",
    "................",
    "................",
    "....k...........",
    "....kk..........",
    "....kkkkkkkkk...",
    "....kkkwwwwwk...",
    ".kkkkkkwwwwwk...",
    "....kkkKKKKKk...",
    "....kkkkkkkkk...",
    "....kk..........",
    "....k...........",
    "................",
    "................",
    "................",
};

const Glyph kCaptionClose = {
    "................",
    "................",
    "................",
    "....kk....kk....",
    ".....kk..kk.....",
    "......kkkk......",
    ".......kk.......",
    ".......kk.......",
    "......kkkk......",
    ".....kk..kk.....",
    "....kk....kk....",
    "................",
    "................",
    "................",
    "................",
};

// ---- browse strip (bitmap 17010, 11 wide on magenta): folder, file, down, right, browse

const Glyph kFolder = {
    "...........",
    ".kkk.......",
    "kYYYkkkkk..",
    "kYwwwwwwYk.",
    "kYYYYYYYYk.",
    "kYYYYYYYYk.",
    "kYYYYYYYYk.",
    "kYYYYYYYYk.",
    "kyyyyyyyyk.",
    "kkkkkkkkkk.",
    "...........",
};

const Glyph kFile = {
    ".kkkkkk....",
    ".kwwwwkk...",
    ".kwwwwkwk..",
    ".kwwwwkkkk.",
    ".kwbbbbbwk.",
    ".kwwwwwwwk.",
    ".kwbbbbbwk.",
    ".kwwwwwwwk.",
    ".kwbbbbwwk.",
    ".kwwwwwwwk.",
    ".kkkkkkkkk.",
};

const Glyph kDown = {
    "...........",
    "...........",
    "...........",
    "...........",
    "..kkkkkkk..",
    "...kkkkk...",
    "....kkk....",
    ".....k.....",
    "...........",
    "...........",
    "...........",
};

const Glyph kRight = {
    "...........",
    "...........",
    "....k......",
    "....kk.....",
    "....kkk....",
    "....kkkk...",
    "....kkk....",
    "....kk.....",
    "....k......",
    "...........",
    "...........",
};

const Glyph kBrowse = {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    ".kk.kk.kk..",
    ".kk.kk.kk..",
    "...........",
    "...........",
    "...........",
    "...........",
};

}  // namespace

const std::vector<Strip>& Strips() {
    // Toolbar images follow the order of the commands in their toolbar records.
    static const std::vector<Strip> strips = {
        {"header.bmp", 17452, 16, 15, false,
         {kSortAscending, FlipVertical(kSortAscending), kAlignLeft, kAlignCenter, kAlignRight}},
        {"edit.bmp", 17453, 16, 15, false, {kUndo, kCut, kCopy, kPaste, kDelete, kSelectAll}},
        {"outlook.bmp", 17454, 16, 15, false, {kSmallIcons, kLargeIcons}},
        {"propgrid.bmp", 17455, 16, 15, false, {kCategorized, kAlphabetical}},
        {"caption.bmp", 17002, 16, 15, true, {kPinIn, kPinOut, kCaptionClose}},
        {"browse.bmp", 17010, 11, 11, true, {kFolder, kFile, kDown, kRight, kBrowse}},
    };
    return strips;
}

}  // namespace kximg
