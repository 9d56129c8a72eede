#include "bars/outbar_folder.h"

#include "base/afx.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BYTE> Store(CKXBarFolder& folder) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        folder.Serialize(ar);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// Whether the folder loaded; an archive exception is caught and released.
bool Load(CKXBarFolder& folder, std::vector<BYTE> bytes) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        folder.Serialize(ar);
    } catch (CArchiveException* e) {
        e->Delete();
        return false;
    }
    return true;
}

CString Names(const CKXBarFolder& folder) {
    CString s;
    for (int i = 0; i < folder.GetItemCount(); ++i) s += (i ? "," : "") + folder.GetItemAt(i)->GetName();
    return s;
}

TEST(OutBarFolder, InsertingClampsAndSelectingMarksOneItem) {
    CKXBarFolder folder("Mail", 7);
    EXPECT_EQ(0, folder.InsertItem(-1, "a", 0, 0));
    EXPECT_EQ(1, folder.InsertItem(5, "b", 1, 0));  // above the count: appended
    EXPECT_EQ(0, folder.InsertItem(0, "c", 2, 0));
    folder.InsertItemAt(99, new CKXBarItem(nullptr, 4, 0));  // not a position: appended
    EXPECT_EQ("c,a,b,", Names(folder));
    EXPECT_EQ(nullptr, folder.GetItemAt(4));
    EXPECT_EQ(nullptr, folder.RemoveItemAt(-1));
    delete folder.RemoveItemAt(3);
    folder.SetSelItem(2);
    folder.GetItemAt(1)->SelectItem(true);  // the first flag set counts
    EXPECT_EQ(1, folder.GetSelIndex());
    folder.SetSelItem(9);
    EXPECT_EQ(nullptr, folder.GetSelItem());
}

TEST(OutBarFolder, StoredBytesAndTruncatedArchives) {
    CKXBarFolder folder("F", 0xAABBCCDD);
    folder.SetSmallIcons(TRUE);
    folder.InsertItem(0, "it", 5, 0x01020304);
    folder.GetItemAt(0)->SetReserveText("r");
    folder.GetItemAt(0)->EnableItem(false);
    const std::vector<BYTE> bytes = Store(folder);
    const std::vector<BYTE> expected = {
        1, 'F', 1, 0, 0, 0, 1, 0, 0, 0, 0xDD, 0xCC, 0xBB, 0xAA,  // caption, small, count, data
        1, 0, 0, 0, 5, 0, 0, 0, 0, 0,                            // schema, image, enabled, selected
        2, 'i', 't', 1, 'r', 4, 3, 2, 1};                       // caption, spare text, data
    EXPECT_EQ(expected, bytes);

    CKXBarFolder loaded("old", 1);
    loaded.InsertItem(0, "kept", 0, 0);
    ASSERT_TRUE(Load(loaded, bytes));
    EXPECT_EQ("kept,it", Names(loaded));  // appended
    const CKXBarItem* pItem = loaded.GetItemAt(1);
    EXPECT_TRUE(loaded.IsSmallIcons() && !pItem->IsEnabled() && pItem->GetReserveText() == "r");
    EXPECT_EQ(0x01020304u, pItem->GetData());

    // Every cut fails and changes nothing; so does a negative count.
    for (size_t n = 0; n < bytes.size(); ++n) {
        CKXBarFolder target("T", 9);
        EXPECT_FALSE(Load(target, std::vector<BYTE>(bytes.begin(), bytes.begin() + static_cast<long>(n)))) << n;
        EXPECT_EQ("T", target.GetName()) << n;
        EXPECT_EQ(0, target.GetItemCount()) << n;
    }
    EXPECT_FALSE(Load(loaded, {1, 'F', 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x80, 0, 0, 0, 0}));
    EXPECT_EQ(2, loaded.GetItemCount());
}

}  // namespace
