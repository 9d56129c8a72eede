// The tool box: full-width flat rows, always animated and always showing
// its selection, rows short of a shown scroll button, the rename edit on
// the row.
#include "bars/toolbox.h"

#include "bars/edit_item.h"
#include "outbar_fixture.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

namespace {

using kxtest::OutBarTest;

TEST_F(OutBarTest, ToolBoxRowsSpanTheColumn) {
    CKXToolBox box;
    Make(box, OUTBAR_SMALLICONS | OUTBAR_DRAGITEMS);
    EXPECT_EQ(static_cast<DWORD>(OUTBAR_SMALLICONS | OUTBAR_DRAGITEMS | OUTBAR_ANIMATEFOLDERS | OUTBAR_SHOWSELECTION),
              box.GetFlag());
    EXPECT_TRUE(box.IsSmallIconView(-1));
    EXPECT_TRUE(box.IsSmallIconView(0));  // added after creation: small as the flag says
    CRect rcRow, rcItem, rcInside;
    box.GetInsideRect(rcInside);
    ASSERT_TRUE(box.GetIconRect(0, 1, rcRow));
    box.GetItemRect(0, 1, rcItem);
    EXPECT_EQ(rcRow, rcItem);
    EXPECT_EQ(CRect(rcInside.left + 2, rcRow.top, rcInside.right - 2, rcRow.top + 16 + 8), rcRow);
    int nIndex = -1;
    EXPECT_EQ(OBHT_ITEM, box.HitTestEx(CPoint(rcRow.right - 3, rcRow.top + 1), nIndex));  // right of the caption
    EXPECT_EQ(1, nIndex);

    // A click selects the row: sunken, in the window colour; the rest on the light face.
    kxtest::MoveCursorTo(box.m_hWnd, rcRow.CenterPoint());
    kxtest::PostClick(box.m_hWnd, rcRow.CenterPoint());
    kxtest::PumpUntilIdle();
    EXPECT_EQ(1, box.GetCurSel());
    const kxtest::Capture shot = kxtest::PrintClient(box.m_hWnd);
    kxtest::WritePng(shot, "toolbox");
    const CKXAuxData& aux = CKXAuxData::Get();
    EXPECT_PIXEL(shot, rcRow.left, rcRow.top, aux.clrBtnShadow);
    EXPECT_PIXEL(shot, rcRow.right - 3, rcRow.top + 2, aux.clrWindow);
    EXPECT_PIXEL(shot, rcInside.left + 1, rcInside.bottom - 2, aux.clrBtnLight);
    // The icon at the row's left, the caption left-aligned after it.
    EXPECT_PIXEL(shot, rcRow.left + 4, rcRow.top + 4, kxtest::kIconColors[1]);
    EXPECT_RECT_CONTAINS(shot, CRect(rcRow.left + 26, rcRow.top, rcRow.left + 60, rcRow.bottom), aux.clrBtnText);
}

TEST_F(OutBarTest, ToolBoxRowsMakeRoomForTheScrollButtonsAndTheEdit) {
    CKXToolBox box;
    Make(box, OUTBAR_SMALLICONS, CRect(0, 0, 200, 120));  // inside 21 to 76
    kxtest::PrintClient(box.m_hWnd);  // lays the scroll buttons out
    CRect rcInside, rcRow;
    box.GetInsideRect(rcInside);
    int nFirst = 0, nLast = 0;
    box.GetVisibleRange(0, nFirst, nLast);
    ASSERT_LT(nLast, 3);
    // The row beside the down button is short of it; the first is not.
    box.GetItemRect(0, 0, rcRow);
    EXPECT_EQ(rcInside.right - 2, rcRow.right);
    box.GetItemRect(0, 1, rcRow);
    EXPECT_EQ(rcInside.right - 2 - 6 - CKXAuxData::Get().cxHThumb, rcRow.right);

    // The rename edit lies on the row, beside the icon, and keeps its width
    // while the text grows.
    box.StartItemEdit(0);
    CWnd* pEdit = box.GetDlgItem(KX_OUTBAR_EDIT_ID);
    ASSERT_NE(nullptr, pEdit);
    CRect rcEdit, rcTyped;
    pEdit->GetWindowRect(&rcEdit);
    box.ScreenToClient(&rcEdit);
    box.GetItemRect(0, 0, rcRow);
    EXPECT_EQ(rcRow.left + 4 + 16 + 4, rcEdit.left);
    EXPECT_GE(rcEdit.top, rcRow.top);
    EXPECT_LE(rcEdit.bottom, rcRow.bottom);
    kxtest::PostTypeText(pEdit->m_hWnd, "A long name for a short row");
    kxtest::PumpUntilIdle();
    pEdit->GetWindowRect(&rcTyped);
    box.ScreenToClient(&rcTyped);
    EXPECT_EQ(rcEdit, rcTyped);
    // Changing the folder ends the rename first.
    box.SetSelFolder(1);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(nullptr, box.GetDlgItem(KX_OUTBAR_EDIT_ID));
    EXPECT_EQ("A long name for a short row", box.GetBarFolderItem(0, 0)->GetName());
}

}  // namespace
