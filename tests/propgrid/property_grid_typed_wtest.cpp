// Typed items in a live grid: values typed into the edit box end as native
// values and in the bound variables; the rows of sizes and rectangles; the
// spin button, the slider and the check box as a user drives them; the
// colour and font dialogs answered by the test; the hot-key field and the
// masked edit; the swatch on screen; every type made and destroyed many
// times without a leak.
#include "grid_fixture.h"
#include "propgrid/property_grid_items.h"
#include "support/dialog_answer.h"
#include "support/gdi_leak.h"
#include "support/named_lock.h"
#include "colour/color_popup.h"

#include <algorithm>

namespace {

using kxtest::Codes;
using kxtest::GridTest;

class TypedTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        m_pCategory = m_grid.AddCategory("Typed");
        m_pCategory->Expand();
    }
    template <class T>
    T* AddItem(T* pItem) {
        m_pCategory->AddChildItem(pItem);
        return pItem;
    }
    CKXPropertyGridInplaceEdit& Edit() { return View().GetInplaceEdit(); }
    // Types text into the item's edit box and commits it with Enter.
    void TypeInto(CKXPropertyGridItem* pItem, const char* pszText) {
        pItem->Select();
        pItem->OnChar(VK_TAB);
        Edit().SetWindowText("");
        Type(pszText, Edit());
        Type("\n", Edit());
    }
    long Commits() {
        const Codes codes = TakeCodes();
        return std::count(codes.begin(), codes.end(), WPARAM(KX_PGN_ITEMVALUE_CHANGED));
    }
    CKXPropertyGridItem* m_pCategory = nullptr;
};

TEST_F(TypedTest, TypedTextBecomesTheNativeValueAndTheBoundVariable) {
    long nNumber = 0;
    double dDouble = 0;
    COLORREF clr = 0;
    BOOL bFlag = FALSE;
    auto* pNumber = AddItem(new CKXPropertyGridItemNumber("Number", 7, &nNumber));
    auto* pDouble = AddItem(new CKXPropertyGridItemDouble("Double", 1.5, &dDouble, "%0.2f"));
    auto* pColor = AddItem(new CKXPropertyGridItemColor("Colour", RGB(1, 2, 3), &clr));
    auto* pBool = AddItem(new CKXPropertyGridItemBool("Flag", FALSE, &bFlag));
    EXPECT_EQ(7, nNumber);
    EXPECT_EQ("1.50", pDouble->GetValue());

    TypeInto(pNumber, "42abc");
    EXPECT_EQ(42, pNumber->GetNumber());
    EXPECT_EQ(42, nNumber);
    EXPECT_EQ("42", pNumber->GetValue());  // the text shown is the number's
    TypeInto(pDouble, "2.345");
    EXPECT_DOUBLE_EQ(2.345, dDouble);
    EXPECT_EQ("2.35", pDouble->GetValue());
    TypeInto(pColor, "300; -1; 20");
    EXPECT_EQ(RGB(255, 255, 20), clr);
    EXPECT_EQ("255; 255; 20", pColor->GetValue());
    TypeInto(pBool, "t");  // the first letter picks "True"
    EXPECT_TRUE(bFlag);
    EXPECT_EQ("True", pBool->GetValue());
    EXPECT_EQ(4, Commits());

    // The application's variables back into the items.
    nNumber = -5;
    clr = RGB(9, 8, 7);
    EXPECT_TRUE(pNumber->UpdateData(FALSE));
    EXPECT_TRUE(pColor->UpdateData(FALSE));
    EXPECT_EQ("-5", pNumber->GetValue());
    EXPECT_EQ("9; 8; 7", pColor->GetValue());
    pBool->SetValueText("Yes", "No");
    EXPECT_EQ("Yes", pBool->GetValue());
    pBool->SetValue("YES");
    EXPECT_TRUE(pBool->GetBool());
    pBool->SetValue("True");
    EXPECT_FALSE(pBool->GetBool());
}

TEST_F(TypedTest, SizeAndRectangleRowsEditTheirParent) {
    CSize szBound;
    auto* pSize = AddItem(new CKXPropertyGridItemSize("Size", CSize(640, 480), &szBound));
    auto* pRect = AddItem(new CKXPropertyGridItemRect("Rect", CRect(0, 0, 0, 0)));
    pSize->Expand();
    pRect->Expand();
    EXPECT_EQ("Typed Size Width Height Rect All Left Top Right Bottom", Rows());
    CKXPropertyGridItem* pWidth = pSize->GetChilds()->GetAt(0);
    ASSERT_TRUE(pWidth->IsKindOf(RUNTIME_CLASS(CKXPropertyGridItemNumber)));
    EXPECT_EQ("640", pWidth->GetValue());

    TypeInto(pWidth, "800");
    EXPECT_EQ("800; 480", pSize->GetValue());
    EXPECT_EQ(CSize(800, 480), szBound);
    TakeCodes();
    TypeInto(pSize, "3; 4");
    EXPECT_EQ("4", pSize->GetChilds()->GetAt(1)->GetValue());

    CKXPropertyGridItems& rows = *pRect->GetChilds();
    TypeInto(rows.GetAt(0), "5");
    EXPECT_EQ("5; 5; 5; 5", pRect->GetValue());
    TypeInto(rows.GetAt(1), "1");
    EXPECT_EQ("1; 5; 5; 5", pRect->GetValue());
    EXPECT_EQ("0", rows.GetAt(0)->GetValue());
    EXPECT_EQ(CRect(1, 5, 5, 5), pRect->GetRect());
    // Each committed row tells the owner once, about its parent.
    m_notes.clear();
    TypeInto(rows.GetAt(4), "9");
    std::vector<LPARAM> changed;
    for (const auto& note : m_notes)
        if (note.first == KX_PGN_ITEMVALUE_CHANGED) changed.push_back(note.second);
    EXPECT_EQ(std::vector<LPARAM>{reinterpret_cast<LPARAM>(pRect)}, changed);

    pRect->SetChildCaption("L\nT\nR\nB");
    EXPECT_EQ("All", rows.GetAt(0)->GetCaption());
    EXPECT_EQ("B", rows.GetAt(4)->GetCaption());
}

TEST_F(TypedTest, SpinStepsPastItsRangeAndSliderFollowsItsPosition) {
    auto* pSpin = AddItem(new CKXPropertyGridItemNumberSpin("Spin", 9, nullptr, 0, 10));
    auto* pSlider = AddItem(new CKXPropertyGridItemSliderCtrl("Slider", 20, nullptr, 0, 100));
    pSpin->Select();
    CSpinButtonCtrl* pButton = pSpin->GetSpinButton();
    ASSERT_NE(nullptr, pButton);
    const CRect rcRow = pSpin->GetItemRect();
    const CRect rcSpin = InView(*pButton);
    EXPECT_EQ(rcRow.right - 15, rcSpin.left);  // (the platform may make it wider)
    EXPECT_EQ(rcRow.top, rcSpin.top);
    EXPECT_EQ(rcRow.bottom, rcSpin.bottom);
    EXPECT_EQ(pSpin->GetValueRect().right, pSpin->CKXPropertyGridItem::GetValueRect().right - 17);
    // The typed text is committed first, then the step goes from it.
    pSpin->OnChar(VK_TAB);
    Edit().SetWindowText("10");
    const CRect rcButton = InView(*pButton);
    for (int i = 0; i < 2; ++i) Click(CPoint(rcButton.Width() / 2, 2), pButton->m_hWnd);
    EXPECT_EQ(12, pSpin->GetNumber());
    EXPECT_EQ("12", Text(Edit()));
    Click(CPoint(rcButton.Width() / 2, rcButton.Height() - 2), pButton->m_hWnd);
    EXPECT_EQ(11, pSpin->GetNumber());

    pSlider->Select();
    EXPECT_EQ(nullptr, pSpin->GetSpinButton());  // gone with the selection
    CSliderCtrl* pTrack = pSlider->GetSlider();
    ASSERT_NE(nullptr, pTrack);
    EXPECT_GT(InView(*pTrack).left, pSlider->GetValueRect().left);
    TakeCodes();
    pTrack->SetPos(70);
    pTrack->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(70, pSlider->GetNumber());
    EXPECT_EQ(1, Commits());
}

TEST_F(TypedTest, CheckBoxStylesDrawAndToggle) {
    BOOL bBound = FALSE;
    auto* pCheck = AddItem(new CKXPropertyGridItemBool("Check", TRUE, &bBound, 1));
    auto* pOther = AddItem(new CKXPropertyGridItemNumber("Other", 1));
    EXPECT_EQ(0u, pCheck->GetFlags());
    EXPECT_EQ(0, pCheck->GetConstraints()->GetCount());
    pCheck->Select();
    CKXPropertyGridInplaceCheckBox* pBox = pCheck->GetCheckBox();
    ASSERT_NE(nullptr, pBox);
    const CRect rcValue = pCheck->GetValueRect();
    EXPECT_EQ(CRect(rcValue.left - 15, rcValue.top, rcValue.left, rcValue.bottom), InView(*pBox));
    EXPECT_EQ(BST_CHECKED, pBox->GetCheck());
    TakeCodes();
    Click(CPoint(7, rcValue.Height() / 2), pBox->m_hWnd);
    EXPECT_FALSE(pCheck->GetBool());
    EXPECT_FALSE(bBound);
    EXPECT_EQ("False", pCheck->GetValue());
    EXPECT_EQ(1, Commits());
    Key(VK_SPACE, pBox->m_hWnd);
    EXPECT_TRUE(pCheck->GetBool());
    // Enter tells the owner about the check box.
    m_notes.clear();
    Key(VK_RETURN, pBox->m_hWnd);
    ASSERT_EQ(1u, m_notes.size());
    EXPECT_EQ(WPARAM(KX_PGN_EDIT_CHANGED), m_notes[0].first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(pBox), m_notes[0].second);

    pOther->Select();
    EXPECT_EQ(nullptr, pCheck->GetCheckBox());
    // Unselected, style 1 draws the box's frame where the check box stood.
    View().UpdateWindow();
    CClientDC dc(&View());
    int nDark = 0;
    const CRect rcRow = pCheck->GetItemRect();
    for (int x = rcValue.left - 15; x < rcValue.left; ++x)
        for (int y = rcRow.top; y < rcRow.bottom; ++y) nDark += GetRValue(dc.GetPixel(x, y)) < 128;
    EXPECT_GT(nDark, 8);

    pCheck->SetCheckBoxStyle(0);
    EXPECT_EQ(UINT(KX_ITEM_EDIT | KX_ITEM_LIST_BUTTON), pCheck->GetFlags());
    EXPECT_EQ(2, pCheck->GetConstraints()->GetCount());
}

TEST_F(TypedTest, ColourSwatchAndDialogs) {
    kxtest::CursorLock lock;  // the dialogs take the foreground
    auto* pColor = AddItem(new CKXPropertyGridItemColor("Colour", RGB(0, 128, 255)));
    LOGFONT lf = {};
    lf.lfHeight = -11;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    auto* pFont = AddItem(new CKXPropertyGridItemFont("Font", lf));
    EXPECT_EQ("Tahoma; 8pt", pFont->GetValue());

    View().UpdateWindow();
    CClientDC dc(&View());
    const CRect rcRow = pColor->GetItemRect();
    EXPECT_EQ(RGB(0, 128, 255), dc.GetPixel(View().GetDividerPos() + 4 + 8, rcRow.CenterPoint().y));

    // The owner may take the press; otherwise the colour dialog opens.
    m_replies[KX_PGN_INPLACEBUTTONDOWN] = 1;
    pColor->OnInplaceButtonDown();
    EXPECT_EQ(Codes{KX_PGN_INPLACEBUTTONDOWN}, TakeCodes());
    m_replies[KX_PGN_INPLACEBUTTONDOWN] = 0;
    kxtest::DialogAnswer colour("Colo", {
        [](HWND dlg) {
            ::SetDlgItemTextA(dlg, 706, "200");
            ::SetDlgItemTextA(dlg, 707, "100");
            ::SetDlgItemTextA(dlg, 708, "50");
        },
        [](HWND dlg) { kxtest::ClickButton(dlg, IDOK); },
    });
    pColor->OnInplaceButtonDown();
    EXPECT_TRUE(colour.Done());
    EXPECT_EQ(RGB(200, 100, 50), pColor->GetColor());
    EXPECT_EQ((Codes{KX_PGN_INPLACEBUTTONDOWN, KX_PGN_ITEMVALUE_CHANGED}), TakeCodes());

    kxtest::DialogAnswer font("Font", {
        [](HWND dlg) {
            HWND sizes = ::GetDlgItem(dlg, cmb3);
            ::SendMessageA(sizes, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("14"));
            ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
        },
        [](HWND dlg) { kxtest::ClickButton(dlg, IDOK); },
    });
    pFont->OnInplaceButtonDown();
    EXPECT_TRUE(font.Done());
    LOGFONT chosen = {};
    pFont->GetFont(&chosen);
    EXPECT_EQ(CString(chosen.lfFaceName) + "; 14pt", pFont->GetValue());

    // Cancelled, nothing changes.
    kxtest::DialogAnswer cancel("Colo", {[](HWND dlg) { kxtest::ClickButton(dlg, IDCANCEL); }});
    TakeCodes();
    pColor->OnInplaceButtonDown();
    EXPECT_EQ(RGB(200, 100, 50), pColor->GetColor());
    EXPECT_EQ(Codes{KX_PGN_INPLACEBUTTONDOWN}, TakeCodes());
}

TEST_F(TypedTest, ColourPopupDropsUnderTheRowAndReportsTheChoice) {
    kxtest::CursorLock lock;  // the popup captures the mouse
    COLORREF clrBound = 0;
    auto* pItem = AddItem(new CKXPropertyGridItemColorPopup("Fill", RGB(1, 2, 3), &clrBound));
    EXPECT_EQ("010203", pItem->GetValue());
    EXPECT_EQ(UINT(KX_ITEM_EDIT | KX_ITEM_LIST_BUTTON), pItem->GetFlags());
    TypeInto(pItem, "00FF00");
    EXPECT_EQ(RGB(0, 255, 0), pItem->GetColor());
    EXPECT_EQ(RGB(1, 2, 3), clrBound);  // only UpdateData writes the variable
    pItem->UpdateData(TRUE);
    EXPECT_EQ(RGB(0, 255, 0), clrBound);
    clrBound = RGB(255, 0, 10);
    pItem->UpdateData(FALSE);
    EXPECT_EQ("FF000A", pItem->GetValue());

    pItem->Select();
    TakeCodes();
    pItem->OnInplaceButtonDown();
    CKXColorPopup* pPopup = pItem->GetPopup();
    ASSERT_NE(nullptr, pPopup);
    CRect rcRow = pItem->GetItemRect(), rcPopup;
    View().ClientToScreen(&rcRow);
    pPopup->GetWindowRect(&rcPopup);
    EXPECT_EQ(rcRow.right - 158, rcPopup.left);
    pPopup->EndSelection(1);  // the first cell of the grid: black
    kxtest::PumpUntilIdle();
    EXPECT_EQ(nullptr, pItem->GetPopup());
    EXPECT_EQ(RGB(0, 0, 0), pItem->GetColor());
    EXPECT_EQ("000000", pItem->GetValue());
    const Codes codes = TakeCodes();
    EXPECT_EQ(1, std::count(codes.begin(), codes.end(), WPARAM(KX_PGN_ITEMVALUE_CHANGED)));

    // The item may go while its popup is open.
    pItem->OnInplaceButtonDown();
    ASSERT_NE(nullptr, pItem->GetPopup());
    pItem->Remove();
    kxtest::PumpUntilIdle();
}

TEST_F(TypedTest, FileItemKeepsThePartItsModeNames) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    char szDir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szDir);
    const CString strPath = CString(szDir) + "kx_typed_item.txt";
    HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    ::CloseHandle(hFile);
    auto* pName = AddItem(new CKXPropertyGridItemFileDialog("Name", "", "Text (*.txt)|*.txt||", OFN_FILEMUSTEXIST,
                                                            KX_FILE_MODE_NAME));
    auto* pTitle = AddItem(new CKXPropertyGridItemFileDialog("Title", "", nullptr, 0, KX_FILE_MODE_TITLE));
    EXPECT_EQ(UINT(KX_ITEM_EDIT | KX_ITEM_BROWSE_BUTTON), pName->GetFlags());
    for (auto* pItem : {pName, pTitle}) {
        kxtest::DialogAnswer answer("Open", {
            [&](HWND dlg) { kxtest::TypeFileName(dlg, strPath); },
            [](HWND dlg) { kxtest::ClickButton(dlg, IDOK); },
        });
        pItem->OnInplaceButtonDown();
        EXPECT_TRUE(answer.Done());
    }
    EXPECT_EQ("kx_typed_item.txt", pName->GetValue());
    EXPECT_EQ("kx_typed_item", pTitle->GetValue());
    // Cancelled, the value stays.
    kxtest::DialogAnswer cancel("Open", {[](HWND dlg) { kxtest::ClickButton(dlg, IDCANCEL); }});
    pName->OnInplaceButtonDown();
    EXPECT_EQ("kx_typed_item.txt", pName->GetValue());
    ::DeleteFileA(strPath);
    EXPECT_TRUE(m_pCategory->AddChildItem(0u, "x", nullptr, 0, TRUE)->IsKindOf(
        RUNTIME_CLASS(CKXPropertyGridItemFileDialog)));
}

TEST_F(TypedTest, HotKeyFieldAndMaskedEditCommitWhenLeft) {
    auto* pHotKey = AddItem(new CKXPropertyGridItemHotKey("Key", 'K', HOTKEYF_CONTROL));
    auto* pMask = AddItem(new CKXPropertyGridItemMaskEdit("Phone", "999-9999", "___-____"));
    auto* pOther = AddItem(new CKXPropertyGridItemNumber("Other", 1));
    const CString strName = pHotKey->GetHotKeyName();
    EXPECT_NE(-1, strName.Find('K'));
    EXPECT_EQ(strName, pHotKey->GetValue());
    EXPECT_EQ(MAKELONG('K', HOTKEYF_CONTROL), pHotKey->GetHotKey());

    pHotKey->OnLButtonDblClk();
    CHotKeyCtrl& field = pHotKey->GetHotKeyCtrl();
    ASSERT_TRUE(field.IsWindowVisible());
    EXPECT_EQ(pHotKey->GetValueRect(), InView(field));
    TakeCodes();
    field.SetHotKey(VK_F5, HOTKEYF_SHIFT);
    pOther->Select();
    View().SetFocus();
    kxtest::PumpUntilIdle();
    EXPECT_FALSE(field.IsWindowVisible());
    EXPECT_EQ(MAKELONG(VK_F5, HOTKEYF_SHIFT), pHotKey->GetHotKey());
    EXPECT_NE(-1, pHotKey->GetValue().Find("F5"));
    EXPECT_EQ(1, Commits());

    pMask->OnChar('5');
    CKXMaskEdit& edit = pMask->GetMaskEdit();
    ASSERT_TRUE(edit.IsWindowVisible());
    Type("551234", edit.m_hWnd);
    Key(VK_RETURN, edit.m_hWnd);
    EXPECT_EQ("555-1234", pMask->GetValue());
    EXPECT_FALSE(edit.IsWindowVisible());
    EXPECT_EQ(1, Commits());
}

TEST_F(TypedTest, ShortcutsMakeTheTypedItems) {
    LOGFONT lf = {};
    lstrcpyA(lf.lfFaceName, "Arial");
    HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    CKXPropertyGridItem* items[] = {
        m_pCategory->AddChildItem(0u, TRUE, 2u),
        m_pCategory->AddChildItem(0u, 5L, 0L, 9L),
        m_pCategory->AddChildItem(0u, 2.5, "%0.1f"),
        m_pCategory->AddChildItem(0u, RGB(1, 2, 3), KX_ITEM_EDIT),
        m_pCategory->AddChildItem(0u, CSize(1, 2)),
        m_pCategory->AddChildItem(0u, CRect(1, 2, 3, 4)),
        m_pCategory->AddChildItem(0u, lf),
        m_pCategory->AddChildItem(0u, hIcon),
    };
    CRuntimeClass* classes[] = {
        RUNTIME_CLASS(CKXPropertyGridItemBool),  RUNTIME_CLASS(CKXPropertyGridItemNumberSpin),
        RUNTIME_CLASS(CKXPropertyGridItemDouble), RUNTIME_CLASS(CKXPropertyGridItemColor),
        RUNTIME_CLASS(CKXPropertyGridItemSize),  RUNTIME_CLASS(CKXPropertyGridItemRect),
        RUNTIME_CLASS(CKXPropertyGridItemFont),  RUNTIME_CLASS(CKXPropertyGridItemIcon),
    };
    for (int i = 0; i < 8; ++i) {
        ASSERT_NE(nullptr, items[i]);
        EXPECT_EQ(classes[i], items[i]->GetRuntimeClass()) << i;
    }
    EXPECT_STREQ("CKXPropertyGridItemColor", items[3]->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(UINT(KX_ITEM_EDIT), items[3]->GetFlags());  // the flags given replace the item's
    EXPECT_EQ("2.5", items[2]->GetValue());
    EXPECT_NE(hIcon, static_cast<CKXPropertyGridItemIcon*>(items[7])->GetIcon());  // its own copy
}

TEST_F(TypedTest, EveryTypeMadeSelectedAndDestroyedLeaksNothing) {
    LOGFONT lf = {};
    lstrcpyA(lf.lfFaceName, "Arial");
    HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    auto cycle = [&] {
        CKXPropertyGridItem* pCategory = m_grid.AddCategory("Cycle");
        pCategory->AddChildItem(new CKXPropertyGridItemNumberSpin("Spin", 1));
        pCategory->AddChildItem(new CKXPropertyGridItemSliderCtrl("Slider", 1));
        pCategory->AddChildItem(new CKXPropertyGridItemBool("Bool", TRUE, nullptr, 1));
        pCategory->AddChildItem(new CKXPropertyGridItemColor("Colour", 0));
        pCategory->AddChildItem(new CKXPropertyGridItemRect("Rect"));
        pCategory->AddChildItem(new CKXPropertyGridItemIcon("Icon", hIcon));
        pCategory->AddChildItem(new CKXPropertyGridItemHotKey("Key", 'A'));
        pCategory->AddChildItem(new CKXPropertyGridItemMaskEdit("Mask", "99", "__"));
        pCategory->Expand();
        for (int i = 0; i < View().GetCount(); ++i) View().GetItem(i)->Select();
        pCategory->Remove();
        kxtest::PumpUntilIdle();
    };
    cycle();
    const kxtest::GdiCount before = kxtest::CountGdiObjects();
    const long nWindows = kxtest::UserObjectCount();
    for (int i = 0; i < 300; ++i) cycle();
    EXPECT_TRUE(kxtest::SameGdiCount(before, kxtest::CountGdiObjects()));
    EXPECT_EQ(nWindows, kxtest::UserObjectCount());
}

}  // namespace
