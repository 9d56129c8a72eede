// The colour dialog: its two pages, the new and current colours beside
// them with their hexadecimal texts following every change, the keyboard
// and mouse on the honeycomb, typed components (bad ones change nothing),
// the clipboard, and a modal run ended by a double click.
#include "colour/color_fixture.h"

#include "colour/color_dialog.h"
#include "kxres_ids.h"
#include "support/capture.h"
#include "support/dialog_answer.h"
#include "support/input.h"
#include "support/named_lock.h"
#include "support/pixel_assert.h"
#include "util/clipboard_text.h"

#include <gtest/gtest.h>

namespace {

class ColorDialogTest : public kxtest::ColourTest {
protected:
    void SetUp() override {
        ColourTest::SetUp();
        m_pDlg = new CKXColorDialog(RGB(0x0C, 0x0B, 0x0A), RGB(0x0C, 0x0B, 0x0A), 0, &m_host);
        ASSERT_TRUE(m_pDlg->Create(&m_host));
        kxtest::PumpUntilIdle();
    }
    void TearDown() override {
        if (m_pDlg->m_hWnd) m_pDlg->DestroyWindow();
        delete m_pDlg;
        ColourTest::TearDown();
    }
    CString Text(UINT nID) const {
        CString str;
        m_pDlg->GetDlgItemText(static_cast<int>(nID), str);
        return str;
    }
    CString PageText(CWnd& page, UINT nID) const {
        CString str;
        page.GetDlgItemText(static_cast<int>(nID), str);
        return str;
    }

    CKXColorDialog* m_pDlg = nullptr;
};

TEST_F(ColorDialogTest, HexTextsFollowTheColours) {
    EXPECT_EQ("Hex: 0C0B0A", Text(CKXColorDialog::IDC_NEW_HEX));
    EXPECT_EQ("Hex: 0C0B0A", Text(CKXColorDialog::IDC_CURRENT_HEX));
    EXPECT_EQ("Hex: 0080FF", m_pDlg->RGBtoHex(0x00FF8000));
    m_pDlg->SetNewColor(0x00FF8000);
    m_pDlg->SetCurrentColor(RGB(255, 255, 255));
    EXPECT_EQ("Hex: 0080FF", Text(CKXColorDialog::IDC_NEW_HEX));
    EXPECT_EQ("Hex: FFFFFF", Text(CKXColorDialog::IDC_CURRENT_HEX));
    EXPECT_EQ(0x00FF8000u, m_pDlg->GetColor());
    // Side by side, each swatch in its colour.
    kxtest::PumpUntilIdle();
    const CRect rcNew = m_pDlg->GetNewSwatchRect(), rcCurrent = m_pDlg->GetCurrentSwatchRect();
    EXPECT_EQ(rcNew.top, rcCurrent.top);
    EXPECT_EQ(rcNew.right, rcCurrent.left);
    const kxtest::Capture cap = kxtest::GrabClient(m_pDlg->m_hWnd);
    EXPECT_PIXEL(cap, kxtest::Centre(rcNew).x, kxtest::Centre(rcNew).y, 0x00FF8000u);
    EXPECT_PIXEL(cap, kxtest::Centre(rcCurrent).x, kxtest::Centre(rcCurrent).y, RGB(255, 255, 255));
}

TEST_F(ColorDialogTest, PagesSwitchAndShareTheNewColour) {
    CKXHoneycombCtrl& honey = m_pDlg->GetStandardPage().GetHoneycomb();
    ASSERT_NE(nullptr, honey.m_hWnd);
    EXPECT_EQ(-1, honey.GetSel());  // no cell holds the starting colour

    // A click on a cell.
    const KX_HONEY_CELL* pCell = KXHoneyCell(40);
    const CPoint pt = pCell->pt + CSize(CKXHoneycombCtrl::kOrigin, CKXHoneycombCtrl::kOrigin);
    kxtest::PostClick(honey.m_hWnd, pt);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(40, honey.GetSel());
    EXPECT_EQ(pCell->clr, m_pDlg->GetColor());
    EXPECT_EQ(m_pDlg->RGBtoHex(pCell->clr), Text(CKXColorDialog::IDC_NEW_HEX));
    // The arrow keys walk to the neighbours.
    kxtest::PostKeyPress(honey.m_hWnd, VK_RIGHT);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(pCell->nNext[KXHONEY_RIGHT], honey.GetSel());
    EXPECT_EQ(KXHoneyCell(honey.GetSel())->clr, m_pDlg->GetColor());

    // The custom page shows the colour, and typing there changes it.
    ASSERT_TRUE(m_pDlg->SetActivePage(1));
    kxtest::PumpUntilIdle();
    CKXColorPageCustom& custom = m_pDlg->GetCustomPage();
    ASSERT_NE(nullptr, custom.m_hWnd);
    const COLORREF clr = m_pDlg->GetColor();
    CString str;
    str.Format("%d", GetRValue(clr));
    EXPECT_EQ(str, PageText(custom, IDC_KX_COLOR_RED));
    custom.SetDlgItemText(IDC_KX_COLOR_RED, "0");
    custom.SetDlgItemText(IDC_KX_COLOR_GREEN, "0");
    custom.SetDlgItemText(IDC_KX_COLOR_BLUE, "255");
    EXPECT_EQ(RGB(0, 0, 255), m_pDlg->GetColor());
    EXPECT_EQ("Hex: 0000FF", Text(CKXColorDialog::IDC_NEW_HEX));
    EXPECT_EQ("160", PageText(custom, IDC_KX_COLOR_HUE));
    EXPECT_EQ("240", PageText(custom, IDC_KX_COLOR_SAT));
    EXPECT_EQ("120", PageText(custom, IDC_KX_COLOR_LUM));
    // Text that is no number, or nothing, changes nothing.
    custom.SetDlgItemText(IDC_KX_COLOR_GREEN, "x1");
    custom.SetDlgItemText(IDC_KX_COLOR_RED, "");
    EXPECT_EQ(RGB(0, 0, 255), m_pDlg->GetColor());
    // Luminance typed: the red, green and blue follow.
    custom.SetDlgItemText(IDC_KX_COLOR_LUM, "240");
    EXPECT_EQ(RGB(255, 255, 255), m_pDlg->GetColor());
    EXPECT_EQ("255", PageText(custom, IDC_KX_COLOR_GREEN));

    // Back on the standard page white's cell is selected.
    ASSERT_TRUE(m_pDlg->SetActivePage(0));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(RGB(255, 255, 255), KXHoneyCell(honey.GetSel())->clr);
}

TEST_F(ColorDialogTest, HexTextClickCopiesIt) {
    kxtest::ClipboardLock lock;
    m_pDlg->SetNewColor(RGB(0x12, 0xAB, 0xEF));
    ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(CKXColorDialog::IDC_NEW_HEX, STN_CLICKED),
                   (LPARAM)m_pDlg->GetDlgItem(CKXColorDialog::IDC_NEW_HEX)->m_hWnd);
    CString str;
    ASSERT_TRUE(KXGetClipboardText(m_pDlg->m_hWnd, str));
    EXPECT_EQ("Hex: 12ABEF", str);
    EXPECT_TRUE(m_pDlg->CopyToClipboard("Hex: 000000"));
    ASSERT_TRUE(KXGetClipboardText(m_pDlg->m_hWnd, str));
    EXPECT_EQ("Hex: 000000", str);
}

// Run modally, opened on the custom page; a double click on a cell of the
// standard page chooses it and closes the dialog.
TEST(ColorDialogModal, DoubleClickOnACellEndsWithOK) {
    kxtest::CursorLock lock;
    CKXColorDialog dlg(RGB(1, 2, 3), RGB(1, 2, 3), KXCDS_CUSTOMPAGE);
    int nPageAtStart = -1;
    kxtest::DialogAnswer answer("Colors", {
        [&](HWND) { nPageAtStart = dlg.GetActiveIndex(); dlg.SetActivePage(0); },
        [&](HWND) {
            CKXHoneycombCtrl& honey = dlg.GetStandardPage().GetHoneycomb();
            const CPoint pt = KXHoneyCell(KXHONEY_BLACK)->pt + CSize(CKXHoneycombCtrl::kOrigin, CKXHoneycombCtrl::kOrigin);
            kxtest::PostDoubleClick(honey.m_hWnd, pt);
        },
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(1, nPageAtStart);
    EXPECT_EQ(RGB(0, 0, 0), dlg.GetColor());
    EXPECT_EQ(RGB(1, 2, 3), dlg.GetCurrentColor());
}

}  // namespace
