// "Look": the shared data every control draws with: the eight shared fonts,
// the library's cursors, and the 56-entry palette for the current colours
// beside the same palette computed for two other schemes.
#include "gallery_page.h"

#include "core/aux_data.h"
#include "core/color_manager.h"

namespace {

const char* const kPaletteNames[KX_PALETTE_SIZE] = {
    "Black",           "Background",     "Active caption",  "Inactive caption", "Menu",
    "Window",          "Window frame",   "Menu text",       "Window text",      "Caption text",
    "Active border",   "Inactive border", "App workspace",  "Highlight",        "Highlight text",
    "Button face",     "Button shadow",  "Grey text",       "Button text",      "Inactive cap. text",
    "Button hilite",   "3D dark shadow", "3D light",        "Info text",        "Info background",
    "(25)",            "Hot light",      "Grad. active",    "Grad. inactive",   "Menu highlight",
    "XP toolbar face", "XP highlight",   "XP hilite border", "XP hilite pushed", "XP hilite dark",
    "XP grey text",    "XP hilite checked", "XP pushed border", "XP separator", "XP disabled",
    "XP frame",        "XP menu face",   "XP face shaded",  "XP shadow text",   "XP menu text",
    "XP hilite text",  "XP toolbar text", "XP pushed text", "XP face light",    "XP shadow dark",
    "XP sys highlight", "XP sys face",   "XP sys shadow",   "XP toolbar face 2", "XP theme dark",
    "XP sys face 2",
};

// The palette the manager computes from a given scheme, leaving the
// library's own palette as it is.
void ComputePalette(const CKXColorSource& source, COLORREF (&out)[KX_PALETTE_SIZE]) {
    CKXColorManager copy(CKXColorManager::s_managerInstance);
    CKXColorManager::SetColorSource(&source);
    copy.RefreshColors(FALSE);
    CKXColorManager::SetColorSource(nullptr);
    for (int i = 0; i < KX_PALETTE_SIZE; ++i) out[i] = copy.GetColor(i);
}

CKXColorScheme HighContrastBlack() {
    CKXColorScheme s;
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    for (int i : {COLOR_BTNFACE, COLOR_MENU, COLOR_WINDOW, COLOR_3DDKSHADOW, COLOR_INFOBK, COLOR_BACKGROUND,
                  COLOR_APPWORKSPACE})
        s.SetSysColor(i, black);
    for (int i : {COLOR_BTNTEXT, COLOR_MENUTEXT, COLOR_WINDOWTEXT, COLOR_CAPTIONTEXT, COLOR_BTNHIGHLIGHT,
                  COLOR_3DLIGHT, COLOR_WINDOWFRAME, COLOR_INFOTEXT, COLOR_HIGHLIGHTTEXT})
        s.SetSysColor(i, white);
    s.SetSysColor(COLOR_HIGHLIGHT, RGB(128, 0, 128));
    s.SetSysColor(COLOR_BTNSHADOW, RGB(128, 128, 128));
    s.SetSysColor(COLOR_GRAYTEXT, RGB(0, 255, 0));
    s.SetSysColor(COLOR_ACTIVECAPTION, RGB(128, 0, 128));
    s.SetSysColor(COLOR_INACTIVECAPTION, RGB(0, 128, 0));
    return s;
}

CKXColorScheme OliveStyle() {
    CKXColorScheme s;
    s.SetSysColor(COLOR_BTNFACE, RGB(236, 233, 216));
    s.SetSysColor(COLOR_HIGHLIGHT, RGB(147, 160, 112));
    s.SetSysColor(COLOR_ACTIVECAPTION, RGB(139, 161, 105));
    s.m_eTheme = KXTHEME_OLIVE;
    return s;
}

class CLookPage : public CPaintedGalleryPage {
public:
    CLookPage() : CPaintedGalleryPage("Look") {}

protected:
    BOOL CreateControls() override {
        for (int i = 0; i < KX_PALETTE_SIZE; ++i) m_current[i] = CKXColorManager::s_managerInstance.GetColor(i);
        ComputePalette(HighContrastBlack(), m_contrast);
        ComputePalette(OliveStyle(), m_olive);
        return TRUE;
    }

    void Paint(CDC& dc) override {
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
        dc.SetBkMode(TRANSPARENT);
        DrawFonts(dc);
        DrawCursors(dc, 440, 0);
        DrawPaletteList(dc, 0, 128);
        DrawPaletteGrid(dc, 0, 378, "High contrast black", m_contrast);
        DrawPaletteGrid(dc, 350, 378, "Olive visual style", m_olive);
    }

private:
    void DrawFonts(CDC& dc) {
        CKXAuxData& d = CKXAuxData::Get();
        const struct { CFont* font; const char* name; } horz[] = {
            {&d.fontRegular, "fontRegular"}, {&d.fontBold, "fontBold"},
            {&d.fontUnderline, "fontUnderline"}, {&d.fontBar, "fontBar"},
        };
        for (int i = 0; i < 4; ++i) {
            CFont* pOld = dc.SelectObject(horz[i].font);
            dc.TextOut(0, 4 + 24 * i, horz[i].name);
            dc.SelectObject(pOld);
        }
        // Escapement 900 runs bottom to top from the bottom; 2700 top to bottom from the top.
        const struct { CFont* font; const char* name; int x, y; } vert[] = {
            {&d.fontVert, "fontVert", 170, 110},      {&d.fontVertBold, "fontVertBold", 200, 110},
            {&d.fontVert270, "fontVert270", 260, 4}, {&d.fontVert270Bold, "fontVert270Bold", 290, 4},
        };
        for (const auto& v : vert) {
            CFont* pOld = dc.SelectObject(v.font);
            dc.TextOut(v.x, v.y, v.name);
            dc.SelectObject(pOld);
        }
    }

    void DrawCursors(CDC& dc, int x, int y) {
        CKXAuxData& d = CKXAuxData::Get();
        const struct { HCURSOR h; const char* name; } cursors[] = {
            {d.hcurDragCopy, "copy"}, {d.hcurDragMove, "move"}, {d.hcurDragNone, "none"},
            {d.hcurHand, "hand"},     {d.hcurHandNone, "no hand"}, {d.hcurSplitH, "split H"},
            {d.hcurSplitV, "split V"},
        };
        CFont* pOld = dc.SelectObject(&GalleryFont());
        for (int i = 0; i < 7; ++i) {
            const int cx = x + (i % 4) * 64, cy = y + (i / 4) * 58;
            dc.FillSolidRect(cx, cy, 36, 36, RGB(255, 255, 255));
            dc.FillSolidRect(cx + 36, cy, 20, 36, RGB(64, 64, 64));  // shows the white halo
            if (cursors[i].h) ::DrawIconEx(dc.GetSafeHdc(), cx + 2, cy + 2, cursors[i].h, 32, 32, 0, nullptr, DI_NORMAL);
            dc.TextOut(cx, cy + 38, cursors[i].name);
        }
        dc.SelectObject(pOld);
    }

    void DrawPaletteList(CDC& dc, int x, int y) {
        CFont* pOld = dc.SelectObject(&GalleryFont());
        dc.TextOut(x, y - 16, "Palette for the current colours");
        for (int i = 0; i < KX_PALETTE_SIZE; ++i) {
            const int cx = x + (i / 14) * 176, cy = y + 4 + (i % 14) * 16;
            dc.FillSolidRect(cx, cy + 1, 22, 13, RGB(0, 0, 0));
            dc.FillSolidRect(cx + 1, cy + 2, 20, 11, m_current[i]);
            CString s;
            s.Format("%d %s", i, kPaletteNames[i]);
            dc.TextOut(cx + 26, cy, s);
        }
        dc.SelectObject(pOld);
    }

    void DrawPaletteGrid(CDC& dc, int x, int y, const char* title, const COLORREF (&pal)[KX_PALETTE_SIZE]) {
        CFont* pOld = dc.SelectObject(&GalleryFont());
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(x, y, title);
        for (int i = 0; i < KX_PALETTE_SIZE; ++i) {
            const int cx = x + (i % 8) * 42, cy = y + 18 + (i / 8) * 21;
            dc.FillSolidRect(cx, cy, 40, 20, RGB(0, 0, 0));
            dc.FillSolidRect(cx + 1, cy + 1, 38, 18, pal[i]);
            CString s;
            s.Format("%d", i);
            const COLORREF c = pal[i];
            const bool dark = GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114 < 128000;
            dc.SetTextColor(dark ? RGB(255, 255, 255) : RGB(0, 0, 0));
            dc.TextOut(cx + 3, cy + 2, s);
        }
        dc.SetTextColor(RGB(0, 0, 0));
        dc.SelectObject(pOld);
    }

    COLORREF m_current[KX_PALETTE_SIZE] = {};
    COLORREF m_contrast[KX_PALETTE_SIZE] = {};
    COLORREF m_olive[KX_PALETTE_SIZE] = {};

};

}  // namespace

CGalleryPage* CreateLookPage() { return new CLookPage; }
