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

TEST(OutBarFolder, InsertingClampsAndRemovingUnlinks) {
    CKXBarFolder folder("Mail", 7);
    EXPECT_EQ(0, folder.InsertItem(-1, "a", 0, 0));
    EXPECT_EQ(1, folder.InsertItem(5, "b", 1, 0));  // above the count: appended
    EXPECT_EQ(0, folder.InsertItem(0, "c", 2, 0));  // before the first
    EXPECT_EQ(3, folder.InsertItem(3, "d", 3, 0));  // equal to the count
    EXPECT_EQ("c,a,b,d", Names(folder));
    folder.InsertItemAt(99, new CKXBarItem("e", 4, 0));  // not a position: appended
    folder.InsertItemAt(1, new CKXBarItem("f", 5, 0));
    EXPECT_EQ("c,f,a,b,d,e", Names(folder));

    EXPECT_EQ(nullptr, folder.GetItemAt(-1));
    EXPECT_EQ(nullptr, folder.GetItemAt(6));
    EXPECT_EQ(nullptr, folder.RemoveItemAt(6));
    CKXBarItem* pItem = folder.RemoveItemAt(1);
    ASSERT_NE(nullptr, pItem);
    EXPECT_EQ("f", pItem->GetName());
    delete pItem;
    EXPECT_EQ("c,a,b,d,e", Names(folder));

    // One selected item at a time; none after an index that is no position.
    EXPECT_EQ(-1, folder.GetSelIndex());
    folder.SetSelItem(2);
    folder.GetItemAt(4)->SelectItem(true);  // a second flag: the first one counts
    EXPECT_EQ(2, folder.GetSelIndex());
    EXPECT_EQ(folder.GetItemAt(2), folder.GetSelItem());
    folder.SetSelItem(9);
    EXPECT_EQ(-1, folder.GetSelIndex());
    EXPECT_EQ(nullptr, folder.GetSelItem());
}

TEST(OutBarFolder, ItemsCopyAllSixFieldsAndNullTextsAreEmpty) {
    CKXBarItem item(nullptr, 3, 0x1234);
    EXPECT_EQ("", item.GetName());
    EXPECT_TRUE(item.IsEnabled());
    EXPECT_FALSE(item.IsSelected());
    item.SetReserveText("spare");
    item.EnableItem(false);
    item.SelectItem(true);
    CKXBarItem copy(item);
    CKXBarItem assigned("x", 0, 0);
    assigned = item;
    for (const CKXBarItem* p : {&copy, &assigned}) {
        EXPECT_EQ(3, p->GetImage());
        EXPECT_EQ(0x1234u, p->GetData());
        EXPECT_EQ("spare", p->GetReserveText());
        EXPECT_FALSE(p->IsEnabled());
        EXPECT_TRUE(p->IsSelected());
    }
    item.SetReserveText(nullptr);
    EXPECT_EQ("", item.GetReserveText());
}

TEST(OutBarFolder, StoredBytesAndRoundTrip) {
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
    EXPECT_EQ("F", loaded.GetName());
    EXPECT_TRUE(loaded.IsSmallIcons());
    EXPECT_EQ(0xAABBCCDDu, loaded.GetData());
    EXPECT_EQ("kept,it", Names(loaded));  // loading appends
    const CKXBarItem* pItem = loaded.GetItemAt(1);
    EXPECT_EQ(5, pItem->GetImage());
    EXPECT_EQ("r", pItem->GetReserveText());
    EXPECT_FALSE(pItem->IsEnabled());
    EXPECT_EQ(0x01020304u, pItem->GetData());
}

TEST(OutBarFolder, ShortArchivesThrowAndChangeNothing) {
    CKXBarFolder folder("F", 2);
    folder.InsertItem(0, "one", 1, 0);
    folder.InsertItem(1, "two", 2, 0);
    const std::vector<BYTE> bytes = Store(folder);
    for (size_t n = 0; n < bytes.size(); ++n) {
        CKXBarFolder target("T", 9);
        EXPECT_FALSE(Load(target, std::vector<BYTE>(bytes.begin(), bytes.begin() + static_cast<long>(n)))) << n;
        EXPECT_EQ("T", target.GetName()) << n;
        EXPECT_EQ(0, target.GetItemCount()) << n;
    }
    // A negative count is malformed; a huge one fails on the first missing item.
    for (BYTE hi : {0x80, 0x7F}) {
        CKXBarFolder target("T", 9);
        std::vector<BYTE> forged = {1, 'F', 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, hi, 0, 0, 0, 0};
        EXPECT_FALSE(Load(target, forged));
        EXPECT_EQ(0, target.GetItemCount());
    }
}

TEST(OutBarFolder, ChangesThatMoveItemsAdvanceTheRevision) {
    CKXBarFolder folder("F", 0);
    unsigned n = KXOutBarRevision();
    auto advanced = [&] {
        const unsigned now = KXOutBarRevision();
        const bool b = now != n;
        n = now;
        return b;
    };
    folder.InsertItem(0, "a", 0, 0);
    EXPECT_TRUE(advanced());
    folder.GetItemAt(0)->SetName("b");
    EXPECT_TRUE(advanced());
    folder.GetItemAt(0)->SetImage(4);
    EXPECT_TRUE(advanced());
    folder.SetSmallIcons(TRUE);
    EXPECT_TRUE(advanced());
    // Selection, enabling and data do not move anything.
    folder.SetSelItem(0);
    folder.GetItemAt(0)->EnableItem(false);
    folder.GetItemAt(0)->SetData(3);
    EXPECT_FALSE(advanced());
    delete folder.RemoveItemAt(0);
    EXPECT_TRUE(advanced());
}

}  // namespace
