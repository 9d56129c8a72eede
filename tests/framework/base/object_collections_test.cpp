// The collections of objects: each object goes through the archive's object
// form (a second reference to one object is a back reference), typed
// wrappers serialise as their base, and plain pointers are not stored.
#include <afxcoll.h>
#include <afxtempl.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace object_collections_test {

class CItem : public CObject {
    DECLARE_SERIAL(CItem)
public:
    CItem() = default;
    explicit CItem(LONG n) : m_nValue(n) {}
    LONG m_nValue = 0;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_nValue;
        else
            ar >> m_nValue;
    }
};
IMPLEMENT_SERIAL(CItem, CObject, 1)

}  // namespace object_collections_test
using namespace object_collections_test;

namespace {

std::vector<BYTE> StoreObject(CObject& ob) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ob.Serialize(ar);
    }
    std::vector<BYTE> out(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(out.data(), static_cast<UINT>(out.size()));
    return out;
}

void LoadObject(std::vector<BYTE> bytes, CObject& ob) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    ob.Serialize(ar);
}

}  // namespace

TEST(ObjectCollections, ListsStoreObjectsOnceAndReferencesAfter) {
    CItem a(7), b(-1);
    CTypedPtrList<CObList, CItem*> list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);
    std::vector<BYTE> bytes = StoreObject(list);
    const std::vector<BYTE> expected = {
        3, 0,                                                  // count
        0xFF, 0xFF, 1, 0, 5, 0, 'C', 'I', 't', 'e', 'm',       // new class: schema 1, "CItem"
        7, 0, 0, 0,                                            // the first object
        0x01, 0x80,                                            // the class again (index 1)
        0xFF, 0xFF, 0xFF, 0xFF,                                // the second object
        2, 0,                                                  // the first object again (index 2)
    };
    EXPECT_EQ(bytes, expected);

    CTypedPtrList<CObList, CItem*> back;
    LoadObject(bytes, back);
    ASSERT_EQ(back.GetCount(), 3);
    std::unique_ptr<CItem> first(back.GetHead()), second(back.GetAt(back.FindIndex(1)));
    EXPECT_EQ(first->m_nValue, 7);
    EXPECT_EQ(second->m_nValue, -1);
    EXPECT_EQ(back.GetTail(), first.get());

    // An array of objects has the same form.
    CTypedPtrArray<CObArray, CItem*> array;
    array.Add(&a);
    array.Add(&b);
    array.Add(&a);
    EXPECT_EQ(StoreObject(array), expected);
}

TEST(ObjectCollections, MapsStoreKeyThenObjectAndPointersStoreNothing) {
    CItem a(1), b(2);
    CTypedPtrMap<CMapStringToOb, CString, CItem*> byName;
    byName.SetAt("one", &a);
    byName.SetAt("two", &b);
    CTypedPtrMap<CMapStringToOb, CString, CItem*> names;
    LoadObject(StoreObject(byName), names);
    ASSERT_EQ(names.GetCount(), 2);
    CItem* pOne = nullptr;
    CItem* pTwo = nullptr;
    ASSERT_TRUE(names.Lookup("one", pOne) && names.Lookup("two", pTwo));
    EXPECT_EQ(pOne->m_nValue, 1);
    EXPECT_EQ(pTwo->m_nValue, 2);
    delete pOne;
    delete pTwo;

    CMapWordToOb byWord;
    byWord.SetAt(0x1234, &b);
    std::vector<BYTE> bytes = StoreObject(byWord);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + 4), (std::vector<BYTE>{1, 0, 0x34, 0x12}));

    int x = 0;
    CPtrList ptrs;
    ptrs.AddTail(&x);
    CPtrArray ptrArray;
    ptrArray.Add(&x);
    CMapStringToPtr ptrMap;
    ptrMap.SetAt("x", &x);
    EXPECT_TRUE(StoreObject(ptrs).empty());
    EXPECT_TRUE(StoreObject(ptrArray).empty());
    EXPECT_TRUE(StoreObject(ptrMap).empty());
}
