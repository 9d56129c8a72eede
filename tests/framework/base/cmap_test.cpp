#include "base/cmap.h"
#include "base/map_types.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

template<class M, class K, class V>
std::vector<K> Keys(const M& m) {
    std::vector<K> keys;
    K k{};
    V v{};
    for (POSITION pos = m.GetStartPosition(); pos != nullptr;) {
        m.GetNextAssoc(pos, k, v);
        keys.push_back(k);
    }
    return keys;
}

}  // namespace

TEST(CMap, HashKeysAsTheFrameworkDoes) {
    EXPECT_EQ(HashKey<int>(0x1234), 0x123u);
    EXPECT_EQ(HashKey<void*>(reinterpret_cast<void*>(0x1230)), 0x123u);
    EXPECT_EQ(HashKey<WORD>(0xFFFF), 0xFFFu);
    EXPECT_EQ(HashKey<LPCSTR>("ab"), 97u * 33 + 98);
    EXPECT_EQ(HashKey<const CString&>(CString("ab")), 97u * 33 + 98);
    EXPECT_EQ(HashKey<LPCSTR>("\xE9"), 0xFFFFFFE9u);  // characters are signed
    EXPECT_EQ(HashKey<LPCSTR>(""), 0u);
}

TEST(CMap, IteratesBucketsInOrderNewestFirstWithinABucket) {
    CMap<int, int, int, int> m;
    EXPECT_EQ(m.GetHashTableSize(), 17u);
    for (int k : {1, 2, 16, 17 * 16, 3 * 16})
        m[k] = k * 10;
    // Buckets: 0 <- 1, 2, 272 (hash 17); 1 <- 16; 3 <- 48.
    EXPECT_EQ((Keys<decltype(m), int, int>(m)), (std::vector<int>{272, 2, 1, 16, 48}));
    EXPECT_EQ(m.GetCount(), 5);

    std::vector<int> viaPairs;
    for (const auto* p = m.PGetFirstAssoc(); p != nullptr; p = m.PGetNextAssoc(p))
        viaPairs.push_back(p->key);
    EXPECT_EQ(viaPairs, (Keys<decltype(m), int, int>(m)));
}

TEST(CMap, ManyKeysShareAFixedTable) {
    CMap<int, int, int, int> m(64);
    for (int i = 0; i < 5000; ++i)
        m.SetAt(i * 7, i);
    EXPECT_EQ(m.GetCount(), 5000);
    EXPECT_EQ(m.GetHashTableSize(), 17u);  // never rehashed
    for (int i = 0; i < 5000; i += 2)
        EXPECT_TRUE(m.RemoveKey(i * 7));
    EXPECT_FALSE(m.RemoveKey(0));
    EXPECT_FALSE(m.RemoveKey(3));
    EXPECT_EQ(m.GetCount(), 2500);
    int v = -1;
    for (int i = 0; i < 5000; ++i) {
        BOOL found = m.Lookup(i * 7, v);
        ASSERT_EQ(found, i % 2 == 1) << i;
        if (found) {
            ASSERT_EQ(v, i);
        }
    }
    EXPECT_EQ((Keys<decltype(m), int, int>(m)).size(), 2500u);
}

TEST(CMap, InitHashTableOnlyWhileEmpty) {
    CMap<int, int, int, int> m;
    m.InitHashTable(0);
    EXPECT_EQ(m.GetHashTableSize(), 17u);
    m.InitHashTable(101, FALSE);
    EXPECT_EQ(m.GetHashTableSize(), 101u);
    m[17 * 16] = 1;  // bucket 17 of 101, after key 16 in bucket 1
    m[16] = 2;
    EXPECT_EQ((Keys<decltype(m), int, int>(m)), (std::vector<int>{16, 272}));
    m.InitHashTable(7);  // ignored: the map holds keys
    EXPECT_EQ(m.GetHashTableSize(), 101u);
    m.RemoveKey(16);
    m.RemoveKey(272);
    EXPECT_TRUE(m.IsEmpty());
    m.InitHashTable(7);
    EXPECT_EQ(m.GetHashTableSize(), 7u);
    EXPECT_EQ(m.GetStartPosition(), nullptr);
    EXPECT_EQ(m.PGetFirstAssoc(), nullptr);
}

TEST(CMap, RemovingTheAssociationJustReturned) {
    CMapStringToString m;
    for (int i = 0; i < 40; ++i) {
        CString k;
        k.Format("key%d", i);
        m[k] = k + " value long enough for the heap";
    }
    std::set<std::string> seen;
    CString k, v;
    for (POSITION pos = m.GetStartPosition(); pos != nullptr;) {
        m.GetNextAssoc(pos, k, v);
        EXPECT_TRUE(seen.insert(k.GetString()).second);
        if (k.Right(1) != "7") {
            EXPECT_TRUE(m.RemoveKey(k));
        }
    }
    EXPECT_EQ(seen.size(), 40u);
    EXPECT_EQ(m.GetCount(), 4);

    // Removing everything on the way ends with an empty map.
    for (POSITION pos = m.GetStartPosition(); pos != nullptr;) {
        m.GetNextAssoc(pos, k, v);
        m.RemoveKey(k);
    }
    EXPECT_TRUE(m.IsEmpty());
    // A NULL position, or a start position on an empty map, leaves the
    // outputs alone.
    const CString last = k;
    POSITION none = nullptr;
    m.GetNextAssoc(none, k, v);
    EXPECT_EQ(k, last);
    POSITION start = BEFORE_START_POSITION;
    m.GetNextAssoc(start, k, v);
    EXPECT_EQ(start, nullptr);
    EXPECT_EQ(k, last);
}

TEST(CMap, StringKeysMatchByText) {
    CMapStringToString m;
    m.SetAt("alpha", "1");
    char buf[] = "alpha";
    CString value;
    EXPECT_TRUE(m.Lookup(buf, value));
    EXPECT_EQ(value, "1");
    EXPECT_FALSE(m.Lookup("Alpha", value));
    m[buf] = "2";  // the same key
    EXPECT_EQ(m.GetCount(), 1);
    EXPECT_EQ(m["beta"], "");  // operator[] adds
    EXPECT_EQ(m.GetSize(), 2);

    auto* pair = m.PLookup("alpha");
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->key, "alpha");
    pair->value = "3";
    EXPECT_EQ(m["alpha"], "3");
    EXPECT_EQ(m.PLookup("gamma"), nullptr);

    CMap<CString, const CString&, int, int> byRef;
    byRef[CString("x")] = 5;
    int n = 0;
    EXPECT_TRUE(byRef.Lookup(CString("x"), n));
    EXPECT_EQ(n, 5);

    // Values passed by reference, as the registry enumeration uses.
    CMap<CString, LPCTSTR, DWORD, DWORD&> counts;
    DWORD d = 7;
    counts.SetAt("seven", d);
    DWORD out = 0;
    EXPECT_TRUE(counts.Lookup("seven", out));
    EXPECT_EQ(out, 7u);
}

TEST(CMap, PointerAndWordMaps) {
    int a = 0, b = 0;
    CMapPtrToPtr pp;
    pp[&a] = &b;
    void* found = nullptr;
    EXPECT_TRUE(pp.Lookup(&a, found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(pp.Lookup(&b, found));

    CMapWordToPtr wp;
    wp.SetAt(0x10, &a);
    wp.SetAt(0x20, &b);
    EXPECT_TRUE(wp.RemoveKey(0x10));
    EXPECT_FALSE(wp.RemoveKey(0x10));
    EXPECT_EQ(wp[0x20], &b);
}
