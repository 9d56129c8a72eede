// What each painter puts on the screen: category bands, margins, grid lines
// and the divider, the selected row with and without the focus, read-only
// values in grey, the expand box, the in-place button, the view's frame and
// rows the owner draws.  Each picture is also written as a PNG artefact.
#include "grid_fixture.h"

#include "propgrid/property_grid_paint.h"
#include "support/capture.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

namespace {

using kxtest::Capture;
using kxtest::GridTest;

const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGrey = RGB(192, 192, 192),
               kShadow = RGB(128, 128, 128), kHighlight = RGB(0, 0, 128);

// Rows: 0 Appearance, 1 Colour, 2 Caption, 3 Fixed, 4 Layout, 5 Width,
// 6 Margins (expanded), 7 Left, 8 Right.
class PaintTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        Fill();
        m_pMargins->Expand();
        m_cy = View().GetItemHeight(0);
        CRect rc;
        View().GetClientRect(&rc);
        m_cx = rc.Width();
        ASSERT_EQ(150, View().GetDividerPos());
    }
    int Top(int nRow) const { return nRow * m_cy; }
    int Mid(int nRow) const { return nRow * m_cy + m_cy / 2; }
    int Bottom(int nRow) const { return nRow * m_cy + m_cy - 1; }
    // The view's rows; with the focus in the view or elsewhere.
    Capture Shot(const char* pszName, bool bFocus = true) {
        if (bFocus)
            View().SetFocus();
        else
            ::SetFocus(m_window.hwnd());
        const Capture shot = kxtest::PrintClient(View().m_hWnd);
        kxtest::WritePng(shot, pszName);
        return shot;
    }
    // The expand box of a row with children at depth 1.
    CRect Box(int nRow) const {
        const int y = (Top(nRow) + Top(nRow + 1)) / 2 - 4;
        return CRect(2, y, 11, y + 9);
    }
    int m_cx = 0, m_cy = 0;
};

TEST_F(PaintTest, DefaultPainterAndItsLookAlikesInTheClassicScheme) {
    m_pCaption->Select();
    for (eKXPROPERTYGRIDPAINTTHEME eTheme : {KX_GRIDTHEME_DEFAULT, KX_GRIDTHEME_NATIVEXP, KX_GRIDTHEME_OFFICE2003}) {
        SCOPED_TRACE(eTheme);
        m_grid.SetTheme(eTheme);
        EXPECT_EQ(eTheme, m_grid.GetCurrentTheme());
        EXPECT_EQ(kGrey, m_grid.GetPaintManager()->GetFaceColor());
        EXPECT_EQ(kShadow, m_grid.GetPaintManager()->GetShadowColor());
        const Capture shot = Shot(eTheme == KX_GRIDTHEME_DEFAULT ? "default" : "lookalike");
        EXPECT_PIXEL(shot, m_cx - 3, Mid(0), kGrey);           // category band
        EXPECT_RECT_CONTAINS(shot, CRect(14, Top(0), 150, Top(1)), kShadow);  // its caption
        EXPECT_PIXEL(shot, 5, Mid(1), kGrey);                  // margin
        EXPECT_PIXEL(shot, 140, Top(1) + 2, kWhite);           // caption column
        EXPECT_PIXEL(shot, 150, Top(1) + 2, kGrey);            // divider
        EXPECT_PIXEL(shot, 200, Bottom(1), kGrey);             // grid line
        EXPECT_RECT_CONTAINS(shot, CRect(154, Top(1), m_cx, Bottom(1)), kBlack);  // "Red"
        // Selected, focus in the view: the caption in the highlight.
        EXPECT_PIXEL(shot, 140, Top(2) + 2, kHighlight);
        EXPECT_RECT_CONTAINS(shot, CRect(14, Top(2), 150, Bottom(2)), kWhite);
        // Read-only: grey text, no black.
        EXPECT_RECT_CONTAINS(shot, CRect(154, Top(3), m_cx, Bottom(3)), RGB(128, 128, 128));
        EXPECT_FALSE(kxtest::RectContainsColour("", "", "", shot, CRect(154, Top(3), m_cx, Bottom(3)), kBlack));
        // Expand boxes: the style's glyph for the themed painters (the test
        // process runs with a visual style present) ...
        const CRect box = Box(6);
        if (eTheme != KX_GRIDTHEME_DEFAULT) {
            EXPECT_NE(kBlack, shot.At(box.left, box.top));
            continue;
        }
        // ... else framed with a minus on an item, a bare minus on a
        // category; a plus once collapsed.
        EXPECT_PIXEL(shot, box.left, box.top, kBlack);
        EXPECT_PIXEL(shot, box.left + 1, box.top + 1, kWhite);
        EXPECT_PIXEL(shot, 6, box.top + 4, kBlack);
        EXPECT_PIXEL(shot, 6, box.top + 2, kWhite);
        EXPECT_PIXEL(shot, Box(4).left, Box(4).top, kGrey);
        EXPECT_PIXEL(shot, 6, Box(4).top + 4, kBlack);
    }
    m_grid.SetTheme(KX_GRIDTHEME_DEFAULT);
    m_pMargins->Collapse();
    const Capture shot = Shot("default-collapsed");
    EXPECT_PIXEL(shot, 6, Box(6).top + 2, kBlack);  // the plus
    // Selected without the focus: the line colour.
    EXPECT_PIXEL(Shot("default-unfocused", false), 140, Top(2) + 2, kGrey);
}

TEST_F(PaintTest, CoolSimpleAndDelphiDrawTheirOwnRows) {
    m_pCaption->Select();
    m_grid.SetTheme(KX_GRIDTHEME_COOL);
    Capture shot = Shot("cool");
    EXPECT_PIXEL(shot, m_cx - 3, Mid(0), kGrey);
    EXPECT_PIXEL(shot, 20, Bottom(0), kShadow);   // under the category, from 13
    EXPECT_PIXEL(shot, 5, Mid(1), kGrey);         // margin in face
    EXPECT_PIXEL(shot, 13, Mid(1), kShadow);      // shadow column
    EXPECT_PIXEL(shot, 150, Top(1) + 2, kGrey);   // divider in face
    EXPECT_PIXEL(shot, 5, Bottom(3), kShadow);    // the block ends before Layout
    EXPECT_PIXEL(shot, 140, Top(2) + 2, kHighlight);
    EXPECT_PIXEL(Shot("cool-unfocused", false), 140, Top(2) + 2, kGrey);

    m_grid.SetTheme(KX_GRIDTHEME_SIMPLE);
    shot = Shot("simple");
    EXPECT_PIXEL(shot, m_cx - 3, Mid(0), kWhite);   // no band
    EXPECT_PIXEL(shot, 13, Mid(1), kGrey);
    EXPECT_PIXEL(shot, 100, Bottom(1), kGrey);
    EXPECT_PIXEL(shot, 5, Bottom(1), kWhite);
    EXPECT_PIXEL(shot, 5, Bottom(8), kGrey);        // the last row
    EXPECT_PIXEL(shot, 20, Top(2) + 2, kHighlight);
    EXPECT_PIXEL(shot, 5, Top(2) + 2, kWhite);
    EXPECT_PIXEL(Shot("simple-unfocused", false), 20, Top(2) + 2, kGrey);

    m_grid.SetTheme(KX_GRIDTHEME_DELPHI);
    EXPECT_EQ(kGrey, View().m_clrBack);
    EXPECT_EQ(0x800000u, View().m_clrFore);
    shot = Shot("delphi");
    EXPECT_PIXEL(shot, m_cx - 3, Mid(0), kGrey);
    EXPECT_PIXEL(shot, 149, Mid(1), kShadow);       // etched divider
    EXPECT_PIXEL(shot, 150, Mid(1), kWhite);
    EXPECT_PIXEL(shot, 0, Bottom(1), kShadow);      // dotted
    EXPECT_PIXEL(shot, 1, Bottom(1), kGrey);
    EXPECT_RECT_CONTAINS(shot, CRect(154, Top(1), m_cx, Bottom(1)), RGB(0, 0, 0x80));
    EXPECT_PIXEL(shot, m_cx - 5, Mid(2), kGrey);    // the open edit takes the new colours
    EXPECT_PIXEL(shot, 0, Top(2), kBlack);          // raised frame of the selection
    EXPECT_PIXEL(shot, m_cx - 1, Bottom(2), kWhite);
    EXPECT_PIXEL(Shot("delphi-unfocused", false), 0, Top(2), kBlack);
    m_grid.SetTheme(static_cast<eKXPROPERTYGRIDPAINTTHEME>(9));  // refused
    EXPECT_EQ(KX_GRIDTHEME_DELPHI, m_grid.GetCurrentTheme());
}

TEST_F(PaintTest, TheViewsFrameTheEditOverTheValueAndTheButton) {
    m_pColour->Select();
    View().SetFocus();
    kxtest::PumpUntilIdle();
    const Capture grid = kxtest::GrabClient(m_grid.m_hWnd);
    kxtest::WritePng(grid, "grid");
    EXPECT_PIXEL(grid, 0, 0, kShadow);  // the view's frame
    EXPECT_PIXEL(grid, 299, 100, kShadow);
    const CRect rcPane = m_grid.GetHelpRect();
    EXPECT_PIXEL(grid, rcPane.left + 1, rcPane.top + 1, kGrey);
    EXPECT_RECT_CONTAINS(grid, CRect(rcPane.left, rcPane.top, 150, rcPane.top + 20), kBlack);  // "Colour"

    // The edit shows the value where the painter draws it; the button's
    // classic frame and arrow.
    const Capture shot = Shot("edit-and-button");
    EXPECT_RECT_CONTAINS(shot, CRect(151, Top(1), m_cx - 15, Bottom(1)), kBlack);
    const Capture button = kxtest::PrintClient(View().GetInplaceButton().m_hWnd);
    ASSERT_EQ(15, button.width());
    const int h = button.height();
    EXPECT_PIXEL(button, 0, 0, kGrey);
    EXPECT_PIXEL(button, 14, h / 2, kBlack);
    EXPECT_PIXEL(button, 1, 1, kWhite);
    EXPECT_PIXEL(button, 13, h - 2, kShadow);
    EXPECT_PIXEL(button, 7, h / 2, kBlack);  // the arrow
    m_pColour->SetFlags(KX_ITEM_EDIT | KX_ITEM_BROWSE_BUTTON);
    m_pColour->OnSelect();
    const Capture dots = kxtest::PrintClient(View().GetInplaceButton().m_hWnd);
    EXPECT_PIXEL(dots, 3, h - 5, kBlack);
    EXPECT_PIXEL(dots, 5, h - 5, kGrey);
    EXPECT_PIXEL(dots, 7, h / 2, kGrey);
}

TEST_F(PaintTest, OwnerDrawnRowsAreOfferedToTheOwnerFirst) {
    m_grid.ModifyStyle(0, KX_PGS_OWNERDRAW);
    int nOffered = 0;
    m_window.SetMessageHandler([&](HWND, UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
        if (nMsg != KXWM_PROPERTYGRID_NOTIFY || wParam != KX_PGN_DRAWITEM) return false;
        ++nOffered;
        auto* pDIS = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        const bool bMine = pDIS->itemID == 1;  // the owner draws Colour only
        if (bMine) ::SetBkColor(pDIS->hDC, RGB(255, 0, 0)), ::ExtTextOutA(pDIS->hDC, 0, 0, ETO_OPAQUE, &pDIS->rcItem,
                                                                         nullptr, 0, nullptr);
        *pResult = bMine ? 1 : 0;
        return true;
    });
    const Capture shot = Shot("owner-drawn");
    EXPECT_GE(nOffered, 9);  // every row, some more than once (the focus)
    EXPECT_PIXEL(shot, 5, Mid(1), RGB(255, 0, 0));
    EXPECT_PIXEL(shot, 5, Mid(2), kGrey);  // painted by the painter
}

}  // namespace
