// "Drawing": what every control paints with.  Gradients through the platform
// and through the bar-per-column fallback, the palette's three gradient pairs
// in each visual style, embossed and shaded images, rounded-off corners, a
// background picture in each placement, and the animated transitions (the
// button replays them).  The page paints itself through an off-screen context.
#include "gallery_page.h"

#include "core/back_image.h"
#include "core/color_manager.h"
#include "core/draw_helpers.h"
#include "core/gfx_image.h"
#include "core/mem_dc.h"

#include <memory>

namespace {

enum { IDC_REPLAY = 100 };

constexpr COLORREF kMagenta = RGB(255, 0, 255), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

CKXDrawHelpers& Helpers() { return CKXDrawHelpers::m_instanceDrawManager; }

// A 40 x 30 picture on magenta (the colour left out when drawn transparently).
HBITMAP MakePicture() {
    CClientDC screen(nullptr);
    CDC dc;
    CBitmap bitmap;
    if (!dc.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(&screen, 40, 30)) return nullptr;
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 40, 30, kMagenta);
    Helpers().GradientFill(&dc, CRect(3, 3, 37, 27), RGB(40, 90, 200), RGB(170, 220, 255), FALSE);
    CKXDrawHelpers::Triangle(&dc, CPoint(8, 22), CPoint(20, 7), CPoint(32, 22), RGB(250, 200, 40));
    dc.SelectObject(pOld);
    return static_cast<HBITMAP>(bitmap.Detach());
}

// Three 16 x 16 images on white: a page, a disc and a bar chart.
void MakeImages(CImageList& images) {
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0);
    CClientDC screen(nullptr);
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(&screen, 48, 16);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 48, 16, kWhite);
    dc.FillSolidRect(3, 1, 10, 14, RGB(0, 0, 128));
    dc.FillSolidRect(4, 2, 8, 12, RGB(255, 255, 224));
    for (int y = 4; y < 13; y += 3) dc.FillSolidRect(5, y, 6, 1, RGB(96, 96, 96));
    CBrush disc(RGB(200, 40, 40));
    CBrush* pOldBrush = dc.SelectObject(&disc);
    dc.Ellipse(17, 1, 31, 15);
    dc.SelectObject(pOldBrush);
    dc.FillSolidRect(34, 9, 3, 6, RGB(0, 128, 0));
    dc.FillSolidRect(38, 4, 3, 11, RGB(0, 0, 192));
    dc.FillSolidRect(42, 6, 3, 9, RGB(192, 128, 0));
    dc.SelectObject(pOld);
    images.Add(&bitmap, kWhite);
}

// The palette's gradient pairs as the manager computes them for a style.
struct StylePairs {
    const char* pszName;
    KX_GRADIENT_COLOR grcDark, grcLight, grcFace;
};

StylePairs PairsFor(const char* pszName, eKXCURRENTSYSTEMTHEME eTheme) {
    CKXColorScheme scheme;
    scheme.m_eTheme = eTheme;
    CKXColorManager manager(CKXColorManager::s_managerInstance);
    CKXColorManager::SetColorSource(&scheme);
    manager.RefreshColors(FALSE);
    CKXColorManager::SetColorSource(nullptr);
    return {pszName, manager.grcDark, manager.grcLight, manager.grcFace};
}

class CDrawingPage : public CPaintedGalleryPage {
public:
    CDrawingPage() : CPaintedGalleryPage("Drawing") {}

protected:
    BOOL CreateControls() override {
        MakeImages(m_images);
        m_pairs[0] = PairsFor("Classic", KXTHEME_UNKNOWN);
        m_pairs[1] = PairsFor("Blue", KXTHEME_BLUE);
        m_pairs[2] = PairsFor("Olive", KXTHEME_OLIVE);
        m_pairs[3] = PairsFor("Silver", KXTHEME_SILVER);
        for (int i = 0; i < kPlacements; ++i) {
            m_backImages[i].SetBkImage(MakePicture());
            m_backImages[i].SetImageAlign(s_placements[i].nFlags);
            m_backImages[i].SetImageOffset(s_placements[i].xOffset, s_placements[i].yOffset);
            if (s_placements[i].bTransparent) {
                m_backImages[i].ModifyImageFlags(0, KX_LVBKIF_TRANSPARENT);
                tagKX_LVBKIMAGE image = m_backImages[i].GetImage();
                image.clrTransparent = kMagenta;
                m_backImages[i].SetImage(image);
            }
        }
        return m_wndReplay.Create("Replay transitions", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                  CRect(560, 470, 700, 496), this, IDC_REPLAY);
    }

    BOOL OnEraseBkgnd(CDC*) { return TRUE; }  // the paint covers everything

    void OnReplay() {
        static const struct { int nType; const char* pszName; } s_transitions[] = {
            {KX_ANIMATION_UNFOLD, "Unfold"}, {KX_ANIMATION_SLIDE, "Slide"}, {KX_ANIMATION_FADE, "Fade"}};
        CClientDC dc(this);
        for (const auto& t : s_transitions) {
            CKXAnimationMemDC memDC(&dc, kAnimationRect, ::GetSysColor(COLOR_WINDOW));
            DrawTransitionPicture(memDC, t.pszName);
            memDC.Animate(t.nType, 12, 360);
            ::GdiFlush();
            ::Sleep(250);
        }
    }

private:
    static constexpr int kPlacements = 6;
    struct Placement {
        const char* pszName;
        UINT nFlags;
        int xOffset, yOffset;
        BOOL bTransparent;
    };
    static const Placement s_placements[kPlacements];
    static inline const CRect kAnimationRect{560, 380, 700, 460};

    void Paint(CDC& target) override {
        CRect rc;
        GetClientRect(&rc);
        CKXMemDC memDC(&target, rc, ::GetSysColor(COLOR_BTNFACE));
        CDC& dc = memDC;
        dc.SetBkMode(TRANSPARENT);
        CFont* pOldFont = dc.SelectObject(&GalleryFont());
        DrawGradients(dc, 0, 0);
        DrawStylePairs(dc, 360, 0);
        DrawImages(dc, 0, 200);
        DrawBackImages(dc, 0, 300);
        dc.TextOut(kAnimationRect.left, kAnimationRect.top - 18, "Transitions");
        DrawTransitionPicture(dc, "Picture", kAnimationRect.TopLeft());
        dc.SelectObject(pOldFont);
    }

    static void Caption(CDC& dc, int x, int y, const char* psz) { dc.TextOut(x, y, psz); }

    void DrawGradients(CDC& dc, int x, int y) {
        const COLORREF c1 = RGB(255, 120, 0), c2 = RGB(40, 60, 200);
        Caption(dc, x, y, "Platform");
        Caption(dc, x + 170, y, "Fallback (bars)");
        Helpers().GradientFill(&dc, CRect(x, y + 18, x + 160, y + 58), c1, c2, TRUE);
        Helpers().GradientFillSlow(&dc, CRect(x + 170, y + 18, x + 330, y + 58), c1, c2, TRUE);
        Helpers().GradientFill(&dc, CRect(x, y + 64, x + 160, y + 144), c1, c2, FALSE);
        Helpers().GradientFillSlow(&dc, CRect(x + 170, y + 64, x + 330, y + 144), c1, c2, FALSE);
        Caption(dc, x, y + 150, "Equal colours fill solid:");
        Helpers().GradientFill(&dc, CRect(x + 170, y + 150, x + 330, y + 166), c1, c1, TRUE);
    }

    void DrawStylePairs(CDC& dc, int x, int y) {
        Caption(dc, x + 60, y, "grcDark");
        Caption(dc, x + 160, y, "grcLight");
        Caption(dc, x + 260, y, "grcFace");
        for (int i = 0; i < 4; ++i) {
            const StylePairs& p = m_pairs[i];
            const int cy = y + 20 + i * 34;
            Caption(dc, x, cy + 6, p.pszName);
            const KX_GRADIENT_COLOR* pairs[3] = {&p.grcDark, &p.grcLight, &p.grcFace};
            for (int j = 0; j < 3; ++j) {
                const CRect bar(x + 60 + j * 100, cy, x + 150 + j * 100, cy + 28);
                Helpers().GradientFill(&dc, bar, *pairs[j], FALSE);
                dc.Draw3dRect(bar, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
            }
        }
    }

    void DrawImages(CDC& dc, int x, int y) {
        Caption(dc, x, y, "Images");
        Caption(dc, x + 110, y, "Embossed");
        Caption(dc, x + 210, y, "Embossed, colour mask");
        for (int i = 0; i < 3; ++i) {
            m_images.Draw(&dc, i, CPoint(x + i * 24, y + 24), ILD_TRANSPARENT);
            GfxDrawEmbossed(&dc, m_images, i, CPoint(x + 110 + i * 24, y + 24), 0);
            GfxDrawEmbossed(&dc, m_images, i, CPoint(x + 210 + i * 24, y + 24), 1);
        }
        Caption(dc, x + 380, y, "Shaded");
        GfxDrawShadedRect(&dc, CRect(x + 380, y + 20, x + 440, y + 50));

        Caption(dc, x + 470, y, "Corners excluded");
        const CRect box(x + 470, y + 20, x + 560, y + 50);
        const int nSaved = dc.SaveDC();
        Helpers().ExcludeCorners(&dc, box);
        dc.FillSolidRect(box, RGB(0, 84, 166));
        dc.RestoreDC(nSaved);
        Caption(dc, x + 590, y, "Triangle");
        CKXDrawHelpers::Triangle(&dc, CPoint(x + 600, y + 48), CPoint(x + 620, y + 22), CPoint(x + 640, y + 48),
                                 RGB(0, 128, 64));
    }

    void DrawBackImages(CDC& dc, int x, int y) {
        Caption(dc, x, y, "Background picture (40 x 30, offsets in brackets)");
        for (int i = 0; i < kPlacements; ++i) {
            const CRect frame(x + (i % 3) * 180, y + 20 + (i / 3) * 94, x + (i % 3) * 180 + 170,
                              y + 20 + (i / 3) * 94 + 74);
            dc.FillSolidRect(frame, RGB(255, 255, 255));
            Helpers().GradientFill(&dc, CRect(frame.left, frame.top, frame.right, frame.top + 16),
                                   RGB(220, 230, 245), RGB(255, 255, 255), TRUE);
            m_backImages[i].DrawBkImage(&dc, frame);
            dc.Draw3dRect(frame, RGB(128, 128, 128), RGB(128, 128, 128));
            dc.TextOut(frame.left, frame.bottom + 1, s_placements[i].pszName);
        }
    }

    // The picture the transitions reveal; drawn at pt.
    void DrawTransitionPicture(CDC& dc, const char* pszName, CPoint pt = CPoint(0, 0)) {
        const CRect rc(pt, kAnimationRect.Size());
        Helpers().GradientFill(&dc, rc, RGB(255, 230, 150), RGB(230, 120, 40), FALSE);
        dc.Draw3dRect(rc, RGB(160, 80, 20), RGB(160, 80, 20));
        dc.SetBkMode(TRANSPARENT);
        CFont* pOld = dc.SelectObject(&GalleryFont());
        CRect rcText = rc;
        dc.DrawText(pszName, -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        dc.SelectObject(pOld);
    }

    CImageList m_images;
    StylePairs m_pairs[4] = {};
    CKXBackImage m_backImages[kPlacements];
    CButton m_wndReplay;

    DECLARE_MESSAGE_MAP()
};

const CDrawingPage::Placement CDrawingPage::s_placements[kPlacements] = {
    {"Tiled (4, 2)", KX_LVBKIF_STYLE_TILE, 4, 2, FALSE},
    {"Stretched (8, 8)", KX_LVBKIF_STYLE_STRETCH, 8, 8, FALSE},
    {"Centred (0, 0)", KX_LVBKIF_STYLE_NORMAL | KX_LVBKIF_ALIGN_HCENTER | KX_LVBKIF_ALIGN_VCENTER, 0, 0, FALSE},
    {"Top left (10, 20)", KX_LVBKIF_STYLE_NORMAL | KX_LVBKIF_ALIGN_LEFT | KX_LVBKIF_ALIGN_TOP, 10, 20, FALSE},
    {"Bottom right (6, 4)", KX_LVBKIF_STYLE_NORMAL | KX_LVBKIF_ALIGN_RIGHT | KX_LVBKIF_ALIGN_BOTTOM, 6, 4, FALSE},
    {"Tiled, magenta transparent", KX_LVBKIF_STYLE_TILE, 2, 2, TRUE},
};

BEGIN_MESSAGE_MAP(CDrawingPage, CPaintedGalleryPage)
    ON_WM_ERASEBKGND()
    ON_BN_CLICKED(IDC_REPLAY, OnReplay)
END_MESSAGE_MAP()

}  // namespace

CGalleryPage* CreateDrawingPage() { return new CDrawingPage; }
