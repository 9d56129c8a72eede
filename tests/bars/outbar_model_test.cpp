#include "bars/outbar_model.h"

#include "base/afx.h"
#include "outbar_fake.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using kxtest::FakeOutBar;

CString Names(const CKXOutBarModel& bar, int nFolder) {
    CString s;
    const CKXBarFolder* pFolder = bar.GetBarFolder(nFolder);
    for (int i = 0; pFolder && i < pFolder->GetItemCount(); ++i) s += (i ? "," : "") + pFolder->GetItemAt(i)->GetName();
    return s;
}

void Fill(CKXOutBarModel& bar, int nItems) {
    bar.AddFolder("First", 1);
    bar.AddFolder("Second", 2);
    for (int i = 0; i < nItems; ++i) bar.InsertItem(0, -1, CString(static_cast<char>('0' + i)), i, 100u + i);
}

std::vector<BYTE> Store(CKXOutBarModel& bar) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        bar.SerializeModel(ar);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

bool Load(CKXOutBarModel& bar, std::vector<BYTE> bytes) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        bar.SerializeModel(ar);
    } catch (CArchiveException* e) {
        e->Delete();
        return false;
    }
    return true;
}

TEST(OutBarModel, FailureValuesSelectorsAndFallbacks) {
    FakeOutBar bar;
    EXPECT_EQ(-1, bar.InsertItem(0, 0, "x"));
    EXPECT_EQ("", bar.GetItemText(0));
    EXPECT_EQ(nullptr, bar.GetFolderChild(-1));
    EXPECT_EQ(nullptr, bar.SetFolderImageList(0, bar.Small(), OUTBAR_IMAGE_SMALL));

    bar.Flags() |= OUTBAR_SMALLICONS;
    bar.AddFolder("Mail", 11);
    bar.Flags() &= ~OUTBAR_SMALLICONS;
    bar.AddFolderBar("Tree", reinterpret_cast<CWnd*>(&bar), 22);
    EXPECT_TRUE(bar.IsSmallIconView(0));  // the flag as the folder was added
    EXPECT_FALSE(bar.IsSmallIconView(-1));  // the flag now
    EXPECT_EQ(11u, bar.GetFolderData(-1));
    EXPECT_EQ(reinterpret_cast<CWnd*>(&bar), bar.GetFolderChild(1));

    // Both selector bits mean the small list, neither nothing; a folder's
    // own list wins over the bar's.
    CImageList* pOther = reinterpret_cast<CImageList*>(&bar.nImages);
    EXPECT_EQ(bar.Small(), bar.SetImageList(pOther, OUTBAR_IMAGE_SMALL | OUTBAR_IMAGE_LARGE));
    EXPECT_EQ(bar.Large(), bar.GetImageList(OUTBAR_IMAGE_LARGE));
    EXPECT_EQ(nullptr, bar.SetImageList(bar.Small(), 0));
    EXPECT_EQ(nullptr, bar.SetFolderImageList(0, bar.Small(), OUTBAR_IMAGE_SMALL));
    EXPECT_EQ(bar.Small(), bar.GetFolderImageList(0, TRUE));
    EXPECT_EQ(bar.Small(), bar.SetFolderImageList(0, nullptr, 3));
    EXPECT_EQ(pOther, bar.GetFolderImageList(0, TRUE));

}

TEST(OutBarModel, MovesKeepTheSelectionOnItsItem) {
    EXPECT_EQ(3, CKXOutBarModel::SelectionAfterMove(1, 1, 4));  // the selected item moves down
    EXPECT_EQ(0, CKXOutBarModel::SelectionAfterMove(3, 3, 0));  // and up
    EXPECT_EQ(3, CKXOutBarModel::SelectionAfterMove(2, 4, 1));  // another, from after to before it
    EXPECT_EQ(3, CKXOutBarModel::SelectionAfterMove(2, 4, 2));  // dropped onto it
    EXPECT_EQ(1, CKXOutBarModel::SelectionAfterMove(2, 1, 4));  // from before to after it
    EXPECT_EQ(2, CKXOutBarModel::SelectionAfterMove(2, 1, 2));  // from before to just before it

    FakeOutBar bar;
    Fill(bar, 6);
    bar.SelItem() = 1;
    EXPECT_TRUE(bar.MoveItem(1, 4));
    EXPECT_TRUE(bar.MoveItem(0, 6));  // to the end
    EXPECT_EQ("2,3,1,4,5,0", Names(bar, 0));
    EXPECT_EQ(2, bar.GetCurSel());
    EXPECT_FALSE(bar.MoveItem(6, 0));
    EXPECT_FALSE(bar.MoveItem(0, 7));
    // Into another folder: appended there, the selection index left alone.
    EXPECT_TRUE(bar.MoveItemToFolder(2, 1));
    EXPECT_FALSE(bar.MoveItemToFolder(0, 0));
    EXPECT_EQ("2,3,4,5,0", Names(bar, 0));
    EXPECT_EQ("1", Names(bar, 1));
    EXPECT_EQ(2, bar.GetCurSel());
}

TEST(OutBarModel, StoredStateRoundTripsAndAppends) {
    FakeOutBar bar;
    Fill(bar, 3);
    bar.GetBarFolder(1)->SetSmallIcons(TRUE);
    bar.EnableItem(0, 1, false);
    bar.SelFolderField() = 1;
    bar.SetBackColor(RGB(10, 20, 30));
    bar.SetTextColor(RGB(40, 50, 60));
    bar.SetAnimationTickCount(25);
    bar.Flags() = 0x0701;
    const std::vector<BYTE> bytes = Store(bar);
    // Count, selection, colours, delay, small and large spacing, flags.
    const std::vector<BYTE> header = {2, 0, 0, 0, 1, 0, 0, 0, 10, 20, 30, 0, 40, 50, 60, 0,
                                      25, 0, 0, 0, 10, 0, 0, 0, 8, 0, 0, 0, 1, 7, 0, 0};
    ASSERT_GE(bytes.size(), header.size());
    EXPECT_EQ(header, std::vector<BYTE>(bytes.begin(), bytes.begin() + 32));

    FakeOutBar empty;
    ASSERT_TRUE(Load(empty, bytes));
    EXPECT_EQ(std::vector<int>{1}, empty.selCalls);  // the owner is asked
    EXPECT_EQ(bytes, Store(empty));
    EXPECT_EQ("0,1,2", Names(empty, 0));
    EXPECT_FALSE(empty.GetBarFolderItem(0, 1)->IsEnabled());
    EXPECT_TRUE(empty.IsSmallIconView(1));

    // Into a bar with folders: after them; the stored selection as it is.
    FakeOutBar full;
    full.AddFolder("Mine", 0);
    ASSERT_TRUE(Load(full, bytes));
    EXPECT_EQ("Second", full.GetBarFolder(2)->GetName());
    EXPECT_EQ(std::vector<int>{1}, full.selCalls);
}

TEST(OutBarModel, BadStoredStatesFailAndLeaveTheBarAsItWas) {
    FakeOutBar source;
    Fill(source, 2);
    const std::vector<BYTE> bytes = Store(source);
    for (size_t n = 0; n < bytes.size(); ++n) {
        FakeOutBar bar;
        bar.AddFolder("Mine", 0);
        EXPECT_FALSE(Load(bar, std::vector<BYTE>(bytes.begin(), bytes.begin() + static_cast<long>(n)))) << n;
        EXPECT_EQ(1, bar.GetFolderCount()) << n;
        EXPECT_EQ(OUTBAR_DEFAULTFLAGS, bar.GetFlag()) << n;
    }
    auto forged = [&](size_t at, std::vector<BYTE> value) {
        std::vector<BYTE> b = bytes;
        std::copy(value.begin(), value.end(), b.begin() + static_cast<long>(at));
        return b;
    };
    FakeOutBar bar;
    EXPECT_FALSE(Load(bar, forged(0, {0xFF, 0xFF, 0xFF, 0xFF})));   // a negative folder count
    EXPECT_FALSE(Load(bar, forged(0, {0xFF, 0xFF, 0xFF, 0x7F})));   // more folders than bytes
    EXPECT_FALSE(Load(bar, forged(20, {0x00, 0x00, 0x01, 0x00})));  // a spacing no screen has
    EXPECT_EQ(0, bar.GetFolderCount());
    // A stored selection outside the stored folders is not applied.
    EXPECT_TRUE(Load(bar, forged(4, {2, 0, 0, 0})));
    EXPECT_TRUE(Load(bar, forged(4, {0xFF, 0xFF, 0xFF, 0xFF})));
    EXPECT_TRUE(bar.selCalls.empty());
}

}  // namespace
