// What an owner-drawn menu item measures and paints, read back from pixels
// (classic colours: menu and 3-D light 0xC0C0C0, highlight navy, shadow and
// grey text 0x808080, highlights white).
#include "bars/menu.h"

#include "support/capture.h"
#include "support/pixel_assert.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr int kWidth = 200, kHeight = 19;
constexpr COLORREF kRed = RGB(255, 0, 0), kMagenta = RGB(255, 0, 255);

COLORREF Sys(int n) { return ::GetSysColor(n); }

class MenuDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        // One 16 x 15 image: a red 8 x 8 square on the transparent colour.
        CClientDC screen(nullptr);
        CDC dc;
        CBitmap bmp;
        dc.CreateCompatibleDC(&screen);
        bmp.CreateCompatibleBitmap(&screen, 16, 15);
        CBitmap* pOld = dc.SelectObject(&bmp);
        dc.FillSolidRect(0, 0, 16, 15, kMagenta);
        dc.FillSolidRect(4, 4, 8, 8, kRed);
        dc.SelectObject(pOld);
        m_images.Create(16, 15, ILC_COLOR24 | ILC_MASK, 1, 1);
        m_images.Add(&bmp, kMagenta);
    }

    CKXMenuData* Record(int nPos) { return m_menu.m_arrMenuData[nPos]; }

    kxtest::Capture Draw(int nPos, UINT nState) {
        return kxtest::Render(kWidth, kHeight, [&](HDC hdc) {
            DRAWITEMSTRUCT dis = {};
            dis.CtlType = ODT_MENU;
            dis.itemID = m_menu.GetMenuItemID(nPos);
            dis.itemState = nState;
            dis.hwndItem = reinterpret_cast<HWND>(m_menu.m_hMenu);
            dis.hDC = hdc;
            dis.rcItem = RECT{0, 0, kWidth, kHeight};
            dis.itemData = reinterpret_cast<ULONG_PTR>(Record(nPos));
            m_menu.DrawItem(&dis);
        }, Sys(COLOR_MENU));
    }

    static std::set<COLORREF> Colours(const kxtest::Capture& cap, const RECT& rc) {
        std::set<COLORREF> set;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x) set.insert(cap.At(x, y));
        return set;
    }

    CKXMenu m_menu;
    CImageList m_images;
};

TEST_F(MenuDrawTest, SizesFollowTheMenuMetricAndIconSize) {
    ASSERT_TRUE(m_menu.AppendODMenuA("Cu&t\tCtrl+X", 0, 101, -1));
    ASSERT_TRUE(m_menu.AppendODMenuA("", 0, 0, -1));
    const int cyMenu = ::GetSystemMetrics(SM_CYMENU);
    auto measure = [&](int nPos) {
        MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(Record(nPos))};
        m_menu.MeasureItem(&mis);
        return CSize(static_cast<int>(mis.itemWidth), static_cast<int>(mis.itemHeight));
    };
    // The whole text, tab included, in the menu font, plus two icon widths and one.
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof ncm;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0));
    CFont font;
    font.CreateFontIndirect(&ncm.lfMenuFont);
    CClientDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&font);
    SIZE text = {};
    ::GetTextExtentPoint32W(dc, L"Cu&t\tCtrl+X", 11, &text);
    dc.SelectObject(pOld);

    EXPECT_EQ(CSize(text.cx + 33, std::max(cyMenu, 19)), measure(0));
    EXPECT_EQ(CSize(0, cyMenu / 2), measure(1));
    m_menu.SetIconSize(20, 20);
    EXPECT_EQ(std::max(cyMenu, 24), measure(0).cy);

    // Item data that is not a record of the menu is not touched.
    MEASUREITEMSTRUCT foreign = {ODT_MENU, 0, 0, 7, 7, 12345};
    m_menu.MeasureItem(&foreign);
    EXPECT_EQ(7u, foreign.itemWidth);
}

TEST_F(MenuDrawTest, PlainSelectedAndAcceleratorText) {
    ASSERT_TRUE(m_menu.AppendODMenuA("Cu&t\tCtrl+X", 0, 101, -1));
    kxtest::Capture cap = Draw(0, 0);
    EXPECT_RECT_COLOUR(cap, (RECT{0, 0, 25, kHeight}), Sys(COLOR_MENU));
    // The command part from R.left + 25, the accelerator ending W inside the right edge.
    int xFirst = kWidth, xLast = -1;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (cap.At(x, y) != Sys(COLOR_MENU)) xFirst = std::min(xFirst, x), xLast = std::max(xLast, x);
    EXPECT_GE(xFirst, 25);
    EXPECT_LE(xFirst, 27);
    EXPECT_LT(xLast, kWidth - 16);
    EXPECT_GE(xLast, kWidth - 16 - 4);
    EXPECT_RECT_COLOUR(cap, (RECT{80, 0, 140, kHeight}), Sys(COLOR_MENU));  // the gap between the parts

    // Selected without image or check: all of it highlighted, text in highlight text.
    cap = Draw(0, ODS_SELECTED);
    EXPECT_PIXEL(cap, 0, 0, Sys(COLOR_HIGHLIGHT));
    EXPECT_RECT_CONTAINS(cap, (RECT{25, 0, 60, kHeight}), Sys(COLOR_HIGHLIGHTTEXT));
}

TEST_F(MenuDrawTest, ImageCellRaisedSunkenAndHighlightRightOfIt) {
    ASSERT_TRUE(m_menu.AppendODMenuA("&Image", 0, 102, &m_images, 0));
    // Selected: highlight only right of the image column, image on a raised cell.
    kxtest::Capture cap = Draw(0, ODS_SELECTED);
    EXPECT_PIXEL(cap, 21, 0, Sys(COLOR_HIGHLIGHT));
    EXPECT_NE(Sys(COLOR_HIGHLIGHT), cap.At(20, 5));
    EXPECT_PIXEL(cap, 0, 0, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_PIXEL(cap, 19, 18, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, 2 + 8, 2 + 8, kRed);
    EXPECT_PIXEL(cap, 2 + 1, 2 + 1, Sys(COLOR_MENU));  // transparent part of the image

    // Also checked: the cell is sunken.
    cap = Draw(0, ODS_SELECTED | ODS_CHECKED);
    EXPECT_PIXEL(cap, 0, 0, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, 19, 18, Sys(COLOR_BTNHIGHLIGHT));

    // Checked, not selected: sunken on the 3-D light colour; plain: flat.
    cap = Draw(0, ODS_CHECKED);
    EXPECT_PIXEL(cap, 0, 0, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, 1, 1, Sys(COLOR_3DLIGHT));
    cap = Draw(0, 0);
    EXPECT_PIXEL(cap, 0, 0, Sys(COLOR_MENU));
    EXPECT_PIXEL(cap, 19, 18, Sys(COLOR_MENU));
    EXPECT_PIXEL(cap, 10, 10, kRed);
}

TEST_F(MenuDrawTest, CheckGlyphAndRadioDotInASunkenCell) {
    ASSERT_TRUE(m_menu.AppendODMenuA("&Check", 0, 103, -1));
    // The check cell K = (1, 2, 17, 17); the glyph's reference point K + (4, 4).
    kxtest::Capture cap = Draw(0, ODS_CHECKED);
    EXPECT_PIXEL(cap, 1, 2, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, 16, 16, Sys(COLOR_BTNHIGHLIGHT));
    const int tops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int col = 0; col < 7; ++col) {
        for (int row = 0; row < 3; ++row) EXPECT_PIXEL(cap, 5 + col, 6 + tops[col] + row, Sys(COLOR_MENUTEXT));
        EXPECT_PIXEL(cap, 5 + col, 6 + tops[col] + 3, Sys(COLOR_3DLIGHT));
    }
    // Selected: the highlight starts right of the check column.
    cap = Draw(0, ODS_CHECKED | ODS_SELECTED);
    EXPECT_PIXEL(cap, 21, 0, Sys(COLOR_HIGHLIGHT));
    EXPECT_PIXEL(cap, 5, 8, Sys(COLOR_MENUTEXT));

    // With a check bitmap (radio items get one) a 6 x 6 dot at K + (5, 4).
    CBitmap dot;
    dot.CreateBitmap(8, 8, 1, 1, nullptr);
    ASSERT_TRUE(m_menu.SetMenuItemBitmaps(103, MF_BYCOMMAND, &dot, &dot));
    cap = Draw(0, ODS_CHECKED);
    EXPECT_PIXEL(cap, 9, 9, Sys(COLOR_MENUTEXT));
    EXPECT_PIXEL(cap, 5, 8, Sys(COLOR_3DLIGHT));  // where the check's first column would be
    EXPECT_PIXEL(cap, 13, 9, Sys(COLOR_3DLIGHT));
}

TEST_F(MenuDrawTest, DisabledTextAndImages) {
    ASSERT_TRUE(m_menu.AppendODMenuA("&Disabled", MF_GRAYED, 104, &m_images, 0));
    const RECT rcText = {25, 0, 120, kHeight}, rcImage = {2, 2, 19, 18};
    // Engraved text: a highlight copy one pixel down and right under grey text.
    kxtest::Capture cap = Draw(0, ODS_GRAYED);
    EXPECT_RECT_CONTAINS(cap, rcText, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_RECT_CONTAINS(cap, rcText, Sys(COLOR_GRAYTEXT));
    EXPECT_EQ(0u, Colours(cap, rcText).count(Sys(COLOR_MENUTEXT)));
    // The image is engraved too: only face, highlight and shadow, the shape in shadow.
    const std::set<COLORREF> allowed = {Sys(COLOR_BTNFACE), Sys(COLOR_MENU), Sys(COLOR_BTNHIGHLIGHT),
                                        Sys(COLOR_BTNSHADOW)};
    for (bool bOldStyle : {false, true}) {
        if (bOldStyle) m_menu.SetDisableOldStyle();
        cap = Draw(0, ODS_GRAYED);
        for (COLORREF c : Colours(cap, rcImage)) EXPECT_TRUE(allowed.count(c)) << kxtest::ColourText(c);
        EXPECT_PIXEL(cap, 2 + 6, 2 + 6, Sys(COLOR_BTNSHADOW)) << "old style " << bOldStyle;
        EXPECT_PIXEL(cap, 2 + 12, 2 + 8, Sys(COLOR_BTNHIGHLIGHT)) << "old style " << bOldStyle;
    }
    // Highlighted: the text in the menu colour on the highlight.
    cap = Draw(0, ODS_GRAYED | ODS_SELECTED);
    EXPECT_RECT_CONTAINS(cap, rcText, Sys(COLOR_MENU));
    EXPECT_EQ(0u, Colours(cap, rcText).count(Sys(COLOR_GRAYTEXT)));
}

TEST_F(MenuDrawTest, SeparatorIsAnEtchedLineAcrossTheMiddle) {
    ASSERT_TRUE(m_menu.AppendODMenuA("ignored", MF_STRING, 0, -1));
    EXPECT_EQ(static_cast<UINT>(MF_OWNERDRAW | MF_SEPARATOR), Record(0)->m_nFlags);
    const kxtest::Capture cap = Draw(0, 0);
    EXPECT_PIXEL(cap, 50, kHeight / 2, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, 50, kHeight / 2 + 1, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_PIXEL(cap, 50, 2, Sys(COLOR_MENU));
}

}  // namespace
