#include "base/cmap.h"
#include "base/map_types.h"
#include "support/assert_capture.h"

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

TEST(CMap, IteratesBucketsInOrderNewestFirstWithinABucket) {
    CMap<int, int, int, int> m;
    EXPECT_EQ(m.GetHashTableSize(), 17u);
    for (int k : {1, 2, 16, 17 * 16, 3 * 16})
        m[k] = k * 10;
    // Buckets: 0 <- 1, 2, 272 (hash 17); 1 <- 16; 3 <- 48.
    EXPECT_EQ((Keys<decltype(m), int, int>(m)), (std::vector<int>{272, 2, 1, 16, 48}));
    std::vector<int> viaPairs;
    for (const auto* p = m.PGetFirstAssoc(); p != nullptr; p = m.PGetNextAssoc(p))
        viaPairs.push_back(p->key);
    EXPECT_EQ(viaPairs, (Keys<decltype(m), int, int>(m)));
}

TEST(CMap, ManyKeysShareAFixedTable) {
    CMap<int, int, int, int> m(64);
    for (int i = 0; i < 5000; ++i)
        m.SetAt(i * 7, i);
    EXPECT_EQ(m.GetHashTableSize(), 17u);  // never rehashed
    for (int i = 0; i < 5000; i += 2)
        EXPECT_TRUE(m.RemoveKey(i * 7));
    EXPECT_FALSE(m.RemoveKey(0));
    EXPECT_EQ(m.GetCount(), 2500);
    int v = -1;
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(m.Lookup(i * 7, v) ? v : -1, i % 2 ? i : -1) << i;
    EXPECT_EQ((Keys<decltype(m), int, int>(m)).size(), 2500u);
}

TEST(CMap, InitHashTableOnlyWhileEmpty) {
    CMap<int, int, int, int> m;
    m.InitHashTable(101, FALSE);
    EXPECT_EQ(m.GetHashTableSize(), 101u);
    m[17 * 16] = 1;  // bucket 17 of 101, after key 16 in bucket 1
    m[16] = 2;
    EXPECT_EQ((Keys<decltype(m), int, int>(m)), (std::vector<int>{16, 272}));
    EXPECT_ASSERTS(m.InitHashTable(7));  // ignored: the map holds keys
    EXPECT_EQ(m.GetHashTableSize(), 101u);
    m.RemoveKey(16);
    m.RemoveKey(272);
    EXPECT_TRUE(m.IsEmpty());
    m.InitHashTable(7);
    EXPECT_EQ(m.GetHashTableSize(), 7u);
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

    // A NULL position, or a start position on an empty map, leaves the
    // outputs alone.
    m.RemoveAll();
    const CString last = k;
    POSITION none = nullptr;
    EXPECT_ASSERTS(m.GetNextAssoc(none, k, v));
    EXPECT_EQ(k, last);
    POSITION start = BEFORE_START_POSITION;
    m.GetNextAssoc(start, k, v);
    EXPECT_EQ(start, nullptr);
    EXPECT_EQ(k, last);
}

TEST(CMap, StringKeysMatchByTextAndValuesPassByReference) {
    EXPECT_EQ(HashKey<LPCSTR>("\xE9"), 0xFFFFFFE9u);  // characters hash as signed, as the framework's do
    CMapStringToString m;
    m.SetAt("alpha", "1");
    char buf[] = "alpha";
    m[buf] = "2";  // the same key
    EXPECT_EQ(m.GetCount(), 1);
    CString value;
    EXPECT_FALSE(m.Lookup("Alpha", value));
    EXPECT_EQ(m.PLookup("gamma"), nullptr);

    // Values passed by reference, as the registry enumeration uses.
    CMap<CString, LPCTSTR, DWORD, DWORD&> counts;
    DWORD d = 7, out = 0;
    counts.SetAt("seven", d);
    EXPECT_TRUE(counts.Lookup("seven", out));
    EXPECT_EQ(out, 7u);
}
