#include "base/collections.h"

#include <gtest/gtest.h>

namespace {

struct Item {
    int id;
};

}  // namespace

TEST(CTypedPtr, ArrayHandsOutTypedPointers) {
    Item a{1}, b{2}, c{3};
    CTypedPtrArray<CPtrArray, Item*> arr;
    arr.Add(&a);
    arr.InsertAt(0, &b);
    arr.SetAtGrow(3, &c);
    ASSERT_EQ(arr.GetSize(), 4);
    EXPECT_EQ(arr[0]->id, 2);
    EXPECT_EQ(arr.GetAt(1)->id, 1);
    EXPECT_EQ(arr[2], nullptr);
    arr[2] = &a;  // writes through the typed reference
    arr.ElementAt(3)->id = 30;
    EXPECT_EQ(arr.GetAt(2), &a);
    EXPECT_EQ(c.id, 30);
    EXPECT_EQ(arr.GetAt(9), nullptr);

    CTypedPtrArray<CPtrArray, Item*> other;
    other.Add(&c);
    other.InsertAt(1, &arr);
    EXPECT_EQ(other.GetSize(), 5);
}

TEST(CTypedPtr, ListIteratesTypedPointers) {
    Item a{1}, b{2}, c{3};
    CTypedPtrList<CPtrList, Item*> list;
    list.AddTail(&b);
    list.AddHead(&a);
    POSITION pc = list.InsertAfter(list.GetTailPosition(), &c);
    int sum = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        sum = sum * 10 + list.GetNext(pos)->id;
    EXPECT_EQ(sum, 123);
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        sum = sum * 10 + list.GetPrev(pos)->id;
    EXPECT_EQ(sum, 123321);
    EXPECT_EQ(list.Find(&c), pc);
    list.GetAt(pc) = &a;
    EXPECT_EQ(list.GetTail(), &a);

    CTypedPtrList<CPtrList, Item*> copy;
    copy.AddTail(&list);
    copy.AddHead(&list);
    EXPECT_EQ(copy.GetCount(), 6);
    EXPECT_EQ(copy.RemoveHead()->id, 1);
    EXPECT_EQ(copy.RemoveTail(), &a);
    const auto& cref = copy;
    EXPECT_EQ(cref.GetHead()->id, 2);
}

TEST(CTypedPtr, MapLooksUpTypedValues) {
    Item a{1}, b{2};
    CTypedPtrMap<CMapStringToPtr, CString, Item*> byName;
    byName.SetAt("a", &a);
    byName["b"] = &b;
    Item* found = nullptr;
    EXPECT_TRUE(byName.Lookup("b", found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(byName.Lookup("c", found));
    EXPECT_EQ(found, &b);  // untouched on a miss

    int total = 0;
    CString key;
    Item* value = nullptr;
    for (POSITION pos = byName.GetStartPosition(); pos != nullptr;) {
        byName.GetNextAssoc(pos, key, value);
        total += value->id;
        if (key == "a")
            byName.RemoveKey(key);
    }
    EXPECT_EQ(total, 3);
    EXPECT_EQ(byName.GetCount(), 1);

    CTypedPtrMap<CMapPtrToPtr, Item*, Item*> links;
    links[&a] = &b;
    Item* k = nullptr;
    Item* v = nullptr;
    POSITION pos = links.GetStartPosition();
    links.GetNextAssoc(pos, k, v);
    EXPECT_EQ(k, &a);
    EXPECT_EQ(v, &b);
    EXPECT_EQ(pos, nullptr);
    links.GetNextAssoc(pos, k, v);  // past the end: outputs untouched
    EXPECT_EQ(k, &a);
}
