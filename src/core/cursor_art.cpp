#include "core/cursor_art.h"

#include "core/kx_core_res.h"

#include <cstdio>
#include <cstdlib>

namespace {

class CCanvas {
public:
    CCanvas(int cx, int cy) : m_cx(cx), m_cy(cy), m_px(static_cast<size_t>(cx * cy), ' ') {}

    void Set(int x, int y, char c) {
        if (x >= 0 && y >= 0 && x < m_cx && y < m_cy) m_px[static_cast<size_t>(y * m_cx + x)] = c;
    }
    char At(int x, int y) const {
        return (x >= 0 && y >= 0 && x < m_cx && y < m_cy) ? m_px[static_cast<size_t>(y * m_cx + x)] : ' ';
    }
    // Copies a picture whose top-left corner goes to (x, y); blanks stay clear.
    void Blit(int x, int y, const char* const* rows) {
        for (int r = 0; rows[r]; ++r)
            for (int c = 0; rows[r][c]; ++c)
                if (rows[r][c] != ' ') Set(x + c, y + r, rows[r][c]);
    }
    // A black-edged white box.
    void Box(int l, int t, int r, int b) {
        for (int y = t; y <= b; ++y)
            for (int x = l; x <= r; ++x) Set(x, y, (x == l || x == r || y == t || y == b) ? '#' : '.');
    }
    // Rings every black shape with white so it shows on dark backgrounds too.
    void Halo() {
        std::string out = m_px;
        for (int y = 0; y < m_cy; ++y)
            for (int x = 0; x < m_cx; ++x)
                if (At(x, y) == ' ' && (At(x - 1, y) == '#' || At(x + 1, y) == '#' || At(x, y - 1) == '#' ||
                                        At(x, y + 1) == '#'))
                    out[static_cast<size_t>(y * m_cx + x)] = '.';
        m_px = out;
    }
    KX_CURSOR_IMAGE Image(int xHot, int yHot) const { return {m_cx, m_cy, xHot, yHot, m_px}; }

private:
    int m_cx, m_cy;
    std::string m_px;
};

// The pointer shared by the drag cursors; its tip is the hot spot.
const char* const kArrow[] = {
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#.....#",
    "#......#",
    "#.......#",
    "#........#",
    "#.....#####",
    "#..#..#",
    "#.# #..#",
    "##  #..#",
    "#    #..#",
    "     #..#",
    "      ##",
    nullptr,
};

// A hand pointing up; the index fingertip is the hot spot.
const char* const kHand[] = {
    "    ##",
    "   #..#",
    "   #..#",
    "   #..#",
    "   #..#",
    "   #..###",
    "   #..#..###",
    "   #..#..#..##",
    "## #..#..#..#.#",
    "#..#..........#",
    "#...#.........#",
    " #............#",
    "  #...........#",
    "  #..........#",
    "   #.........#",
    "   #........#",
    "    #.......#",
    "    #.......#",
    "    #########",
    nullptr,
};

constexpr int kDragHotX = 6, kDragHotY = 3;
constexpr int kHandHotX = 5, kHandHotY = 0;  // on the right pixel of the fingertip

// A sheet of paper with a folded corner, to the lower right of the pointer.
void DrawDocument(CCanvas& cv) {
    const int l = 15, t = 15, r = 25, b = 28, fold = 3;
    cv.Box(l, t, r, b);
    for (int i = 0; i < fold; ++i)
        for (int j = 0; j < fold - i; ++j) cv.Set(r - j, t + i, ' ');
    for (int i = 0; i <= fold; ++i) cv.Set(r - fold + i, t + i, '#');  // the fold's edge
    for (int y = t; y <= t + fold; ++y) cv.Set(r - fold, y, '#');
    for (int x = r - fold; x <= r; ++x) cv.Set(x, t + fold, '#');
    for (int y = t + 5; y <= b - 3; y += 2)  // lines of text
        for (int x = l + 2; x <= r - 3; ++x) cv.Set(x, y, '#');
}

// A small framed badge at the lower right for the plus sign or the cross.
void DrawBadge(CCanvas& cv, bool bCross) {
    const int l = 21, t = 21, r = 31, b = 31, c = 26;
    cv.Box(l, t, r, b);
    for (int k = -3; k <= 3; ++k) {
        if (bCross) {
            cv.Set(c + k, c + k, '#');
            cv.Set(c + k, c - k, '#');
        } else {
            cv.Set(c + k, c, '#');
            cv.Set(c, c + k, '#');
        }
    }
}

// A circle with a slash (no entry) centred at the lower right.
void DrawNoEntry(CCanvas& cv) {
    const int cx = 24, cy = 24, r2out = 7 * 7, r2in = 5 * 5;
    for (int y = cy - 8; y <= cy + 8; ++y)
        for (int x = cx - 8; x <= cx + 8; ++x) {
            const int dx = x - cx, dy = y - cy, d2 = dx * dx + dy * dy;
            if (d2 > r2out + 3) continue;
            const bool ring = d2 >= r2in;
            const bool slash = std::abs(dx - dy) <= 1;  // top-left to bottom-right
            cv.Set(x, y, (ring || slash) ? '#' : '.');
        }
}

KX_CURSOR_IMAGE DragCursor(int badge) {  // 0 none, 1 plus, 2 cross
    CCanvas cv(32, 32);
    DrawDocument(cv);
    if (badge) DrawBadge(cv, badge == 2);
    cv.Blit(kDragHotX, kDragHotY, kArrow);
    return cv.Image(kDragHotX, kDragHotY);
}

KX_CURSOR_IMAGE HandCursor(bool bNoEntry) {
    CCanvas cv(32, 32);
    cv.Blit(kHandHotX - 5, kHandHotY, kHand);
    if (bNoEntry) DrawNoEntry(cv);
    return cv.Image(kHandHotX, kHandHotY);
}

// Two bars across the split line with arrows pointing away from it.  Drawn
// for a horizontal drag; the vertical one is the same image transposed.
KX_CURSOR_IMAGE SplitCursor(int n, bool bVertical) {
    CCanvas cv(n, n);
    const int c = n / 2 - 1;                  // 15 at 32 pixels, 7 at 16
    const int half = n == 32 ? 7 : 4;         // half the bar length
    const int reach = n == 32 ? 11 : 6;       // arrow tip distance from the centre
    const int head = n == 32 ? 4 : 3;         // arrowhead size
    const int bar = n == 32 ? 2 : 1;          // bar thickness
    auto put = [&](int x, int y) { bVertical ? cv.Set(y, x, '#') : cv.Set(x, y, '#'); };
    for (int t = 0; t < bar; ++t)
        for (int y = c - half; y <= c + half; ++y) {
            put(c - 1 - t, y);
            put(c + 1 + t, y);
        }
    for (int x = c - reach; x <= c - 1 - bar; ++x) put(x, c);
    for (int x = c + 1 + bar; x <= c + reach; ++x) put(x, c);
    for (int k = 1; k < head; ++k) {
        for (int y = c - k; y <= c + k; ++y) {
            put(c - reach + k, y);
            put(c + reach - k, y);
        }
    }
    cv.Halo();
    return cv.Image(c, c);
}

void PutWord(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
void PutDword(std::vector<unsigned char>& out, unsigned v) {
    PutWord(out, v & 0xFFFF);
    PutWord(out, v >> 16);
}

// One image's bitmap: header, two-colour table, XOR bits, AND bits, bottom-up.
std::vector<unsigned char> EncodeImage(const KX_CURSOR_IMAGE& img) {
    const int stride = ((img.cx + 31) / 32) * 4;
    std::vector<unsigned char> xorBits(static_cast<size_t>(stride * img.cy)), andBits(xorBits.size());
    for (int y = 0; y < img.cy; ++y) {
        const int row = img.cy - 1 - y;
        for (int x = 0; x < img.cx; ++x) {
            const char c = img.pixels[static_cast<size_t>(y * img.cx + x)];
            const size_t at = static_cast<size_t>(row * stride + x / 8);
            const unsigned char bit = static_cast<unsigned char>(0x80 >> (x % 8));
            if (c == ' ') andBits[at] |= bit;   // screen shows through
            if (c == '.') xorBits[at] |= bit;   // white; black is both bits clear
        }
    }
    std::vector<unsigned char> out;
    PutDword(out, 40);
    PutDword(out, static_cast<unsigned>(img.cx));
    PutDword(out, static_cast<unsigned>(img.cy * 2));  // XOR and AND stacked
    PutWord(out, 1);
    PutWord(out, 1);
    PutDword(out, 0);
    PutDword(out, static_cast<unsigned>(xorBits.size() * 2));
    for (int i = 0; i < 4; ++i) PutDword(out, 0);
    PutDword(out, 0x00000000);  // black
    PutDword(out, 0x00FFFFFF);  // white
    out.insert(out.end(), xorBits.begin(), xorBits.end());
    out.insert(out.end(), andBits.begin(), andBits.end());
    return out;
}

}  // namespace

std::vector<KX_CURSOR_ART> KXDrawCursorArt() {
    return {
        {IDC_KX_SPLITH, "split_h.cur", {SplitCursor(32, false), SplitCursor(16, false)}},
        {IDC_KX_SPLITV, "split_v.cur", {SplitCursor(32, true), SplitCursor(16, true)}},
        {IDC_KX_DRAGCOPY, "drag_copy.cur", {DragCursor(1)}},
        {IDC_KX_DRAGMOVE, "drag_move.cur", {DragCursor(0)}},
        {IDC_KX_HAND, "hand.cur", {HandCursor(false)}},
        {IDC_KX_DRAGNONE, "drag_none.cur", {DragCursor(2)}},
        {IDC_KX_HANDNONE, "hand_none.cur", {HandCursor(true)}},
    };
}

std::vector<unsigned char> KXEncodeCursorFile(const std::vector<KX_CURSOR_IMAGE>& images) {
    std::vector<std::vector<unsigned char>> bodies;
    for (const KX_CURSOR_IMAGE& img : images) bodies.push_back(EncodeImage(img));
    std::vector<unsigned char> out;
    PutWord(out, 0);
    PutWord(out, 2);  // cursor
    PutWord(out, static_cast<unsigned>(images.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<unsigned char>(images[i].cx));
        out.push_back(static_cast<unsigned char>(images[i].cy));
        out.push_back(2);  // colours
        out.push_back(0);
        PutWord(out, static_cast<unsigned>(images[i].xHotSpot));
        PutWord(out, static_cast<unsigned>(images[i].yHotSpot));
        PutDword(out, static_cast<unsigned>(bodies[i].size()));
        PutDword(out, offset);
        offset += static_cast<unsigned>(bodies[i].size());
    }
    for (const auto& b : bodies) out.insert(out.end(), b.begin(), b.end());
    return out;
}

bool KXWriteCursorFiles(const char* pszDir) {
    for (const KX_CURSOR_ART& art : KXDrawCursorArt()) {
        const std::string path = std::string(pszDir) + "/" + art.pszFileName;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return false;
        const std::vector<unsigned char> bytes = KXEncodeCursorFile(art.images);
        const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        if (std::fclose(f) != 0 || !ok) return false;
    }
    return true;
}
