// Archives: the framework's byte layouts of scalars, strings, counts,
// collections and dates, and safe loading of truncated or forged input.
#include "base/afx.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes Store(const std::function<void(CArchive&)>& write) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
    }
    Bytes out(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!out.empty()) file.Read(out.data(), static_cast<UINT>(out.size()));
    return out;
}

// Loads from a copy of bytes; returns the archive exception cause, or -1.
int Load(Bytes bytes, const std::function<void(CArchive&)>& read) {
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        read(ar);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

Bytes Store(CObject& ob) { return Store([&](CArchive& ar) { ob.Serialize(ar); }); }
int Load(Bytes bytes, CObject& ob) { return Load(std::move(bytes), [&](CArchive& ar) { ob.Serialize(ar); }); }

Bytes Prefix(std::initializer_list<int> bytes) {
    Bytes b;
    for (int v : bytes) b.push_back(static_cast<BYTE>(v));
    return b;
}

}  // namespace

TEST(CArchive, ScalarsAndCountsAreLittleEndianWithFixedSizes) {
    Bytes b = Store([](CArchive& ar) {
        ar << BYTE(0x12) << WORD(0x3456) << LONG(-2) << DWORD(0x89ABCDEF) << float(1.0f) << double(-2.0) << true
           << short(-1) << LONGLONG(-3);
    });
    Bytes expect = Prefix({0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89,
                           0x00, 0x00, 0x80, 0x3F,                           // 1.0f
                           0, 0, 0, 0, 0, 0, 0x00, 0xC0,                     // -2.0
                           1, 0xFF, 0xFF, 0xFD, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(b, expect);
    BYTE by;
    WORD w;
    LONG l;
    DWORD d;
    float f;
    double db;
    bool t;
    short sh;
    LONGLONG ll;
    EXPECT_EQ(Load(b, [&](CArchive& ar) { ar >> by >> w >> l >> d >> f >> db >> t >> sh >> ll; }), -1);
    EXPECT_TRUE(by == 0x12 && w == 0x3456 && l == -2 && d == 0x89ABCDEF && f == 1.0f && db == -2.0 && t &&
                sh == -1 && ll == -3);

    // Counts: a WORD, or 0xFFFF and a DWORD.
    b = Store([](CArchive& ar) { ar.WriteCount(3), ar.WriteCount(0xFFFF), ar.WriteCount(0x12345); });
    EXPECT_EQ(b, Prefix({3, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0x45, 0x23, 1, 0}));
    DWORD_PTR c1 = 0, c2 = 0, c3 = 0;
    EXPECT_EQ(Load(b, [&](CArchive& ar) { c1 = ar.ReadCount(), c2 = ar.ReadCount(), c3 = ar.ReadCount(); }), -1);
    EXPECT_TRUE(c1 == 3 && c2 == 0xFFFF && c3 == 0x12345) << c1 << " " << c2 << " " << c3;
    // A raw read at the end gives what is there, without an exception.
    char buf[8];
    UINT got = 99;
    EXPECT_EQ(Load(Prefix({1, 2, 3}), [&](CArchive& ar) { got = ar.Read(buf, sizeof buf); }), -1);
    EXPECT_EQ(got, 3u);
}

TEST(CArchive, StringLengthPrefixes) {
    struct Case {
        int length;
        Bytes prefix;
    } cases[] = {
        {0, Prefix({0x00})},
        {254, Prefix({0xFE})},
        {255, Prefix({0xFF, 0xFF, 0x00})},
        {65533, Prefix({0xFF, 0xFD, 0xFF})},
        {65534, Prefix({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Prefix({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        CString s('x', c.length);
        if (c.length) s.SetAt(c.length - 1, 'y');
        Bytes b = Store([&](CArchive& ar) { ar << s; });
        ASSERT_EQ(b.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Bytes(b.begin(), b.begin() + c.prefix.size()), c.prefix) << c.length;
        CString back;
        EXPECT_EQ(Load(b, [&](CArchive& ar) { ar >> back; }), -1);
        EXPECT_EQ(back, s) << c.length;
    }
    // 0xFF 0xFFFE marks UTF-16; the length counts characters.
    CString s;
    EXPECT_EQ(Load(Prefix({0xFF, 0xFE, 0xFF, 3, 'H', 0, 'i', 0, 0xE9, 0x00}), [&](CArchive& ar) { ar >> s; }), -1);
    EXPECT_EQ(s.Left(2), "Hi");
    EXPECT_EQ(s.GetLength(), 3);
}

TEST(CArchive, TruncatedOrForgedInputFailsWithEndOfFile) {
    CString s;
    DWORD d;
    EXPECT_EQ(Load(Prefix({0x01, 0x02}), [&](CArchive& ar) { ar >> d; }), CArchiveException::endOfFile);
    EXPECT_EQ(Load(Prefix({5, 'a', 'b'}), [&](CArchive& ar) { ar >> s; }), CArchiveException::endOfFile);
    // A claimed length of 4 GB - 2 with three bytes behind it.
    EXPECT_EQ(Load(Prefix({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'}), [&](CArchive& ar) { ar >> s; }),
              CArchiveException::genericException);
    EXPECT_EQ(Load(Prefix({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 'a'}), [&](CArchive& ar) { ar >> s; }),
              CArchiveException::endOfFile);
    EXPECT_EQ(Load(Bytes(), [&](CArchive& ar) { ar >> s; }), CArchiveException::endOfFile);
}

TEST(CArchive, LargeMixedRecordRoundTripsThroughTheBuffer) {
    CString big('z', 10000);
    Bytes b = Store([&](CArchive& ar) {
        for (int i = 0; i < 3000; ++i) ar << i << big.Left(i % 300) << double(i) / 7;
    });
    int bad = 0;
    EXPECT_EQ(Load(b, [&](CArchive& ar) {
                  for (int i = 0; i < 3000; ++i) {
                      int v;
                      CString s;
                      double d;
                      ar >> v >> s >> d;
                      bad += v != i || s.GetLength() != i % 300 || d != double(i) / 7;
                  }
              }),
              -1);
    EXPECT_EQ(bad, 0);
}

TEST(CArchive, TextLinesAndTheWrongDirection) {
    Bytes b = Store([](CArchive& ar) { ar.WriteString("one\r\ntwo\nlast"); });
    std::string lines;
    EXPECT_EQ(Load(b, [&](CArchive& ar) {
                  CString line;
                  while (ar.ReadString(line)) lines += std::string(line) + "|";
              }),
              -1);
    EXPECT_EQ(lines, "one|two|last|");

    CMemFile file;
    CArchive ar(&file, CArchive::store);
    int v = 0;
    try {
        ar >> v;
        FAIL() << "loading from a storing archive";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::writeOnly);
        e->Delete();
    }
}

TEST(CollectionsInArchives, LayoutsAreCountThenElements) {
    CStringArray strings;
    strings.Add("ab");
    strings.Add("");
    EXPECT_EQ(Store(strings), (std::vector<BYTE>{2, 0, 2, 'a', 'b', 0}));

    CDWordArray dwords;
    dwords.Add(0x01020304);
    EXPECT_EQ(Store(dwords), (std::vector<BYTE>{1, 0, 4, 3, 2, 1}));

    CStringList list;
    list.AddTail("x");
    list.AddHead("w");
    EXPECT_EQ(Store(list), (std::vector<BYTE>{2, 0, 1, 'w', 1, 'x'}));

    CMapStringToString map;
    map.SetAt("k", "v");
    EXPECT_EQ(Store(map), (std::vector<BYTE>{1, 0, 1, 'k', 1, 'v'}));
}

TEST(CollectionsInArchives, RoundTripsAndObjectTags) {
    CStringArray src;
    for (int i = 0; i < 300; ++i)
        src.Add(CString('x', i % 7));
    src.Add("last");
    CStringArray* back = nullptr;
    EXPECT_EQ(Load(Store([&](CArchive& ar) { ar << static_cast<CObject*>(&src); }), [&](CArchive& ar) { ar >> back; }),
              -1);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->GetSize(), 301);
    EXPECT_EQ(back->GetAt(300), "last");
    delete back;

    CMapStringToString map, mapBack;
    map.SetAt("one", "1");
    map.SetAt("two", "2");
    EXPECT_EQ(Load(Store(map), mapBack), -1);
    EXPECT_EQ(mapBack.GetCount(), 2);
    EXPECT_EQ(mapBack["two"], "2");
}

TEST(CollectionsInArchives, ForgedCountsFailWithoutGrowingFirst) {
    // 0xFFFFFFFE strings claimed, two present.
    std::vector<BYTE> bytes = {0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 1, 'a', 1, 'b'};
    CStringArray arr;
    EXPECT_EQ(Load(bytes, arr), CArchiveException::endOfFile);
    EXPECT_EQ(arr.GetSize(), 2);  // what was there was read
    CDWordArray dw;
    EXPECT_EQ(Load({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}, dw), CArchiveException::endOfFile);
    CStringList list;
    EXPECT_EQ(Load({5, 0, 1, 'a'}, list), CArchiveException::endOfFile);
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(CollectionsInArchives, DatesAreStatusThenValue) {
    const COleDateTime date(2024, 3, 5, 12, 0, 0);
    const Bytes b = Store([&](CArchive& ar) { ar << date << COleDateTimeSpan(1.5); });
    EXPECT_EQ(b.size(), 24u);
    COleDateTime d;
    COleDateTimeSpan s;
    EXPECT_EQ(Load(b, [&](CArchive& ar) { ar >> d >> s; }), -1);
    EXPECT_TRUE(d == date && s.m_span == 1.5);
    Bytes bad(12, 0);  // an unknown status loads as invalid
    bad[0] = 9;
    EXPECT_EQ(Load(bad, [&](CArchive& ar) { ar >> d; }), -1);
    EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
}

// Nothing reaches the archive as a byte by converting to bool on the way.
template <class T>
concept Storable = requires(CArchive& ar, T v) { ar << v; };
static_assert(Storable<CRect> && Storable<CPoint> && Storable<CSize> && Storable<bool>);
static_assert(!Storable<const int*> && !Storable<const RECT*> && !Storable<void*>);

TEST(CArchive, GeometryIsStoredAsThePlatformStructures) {
    const CRect rect(1, -2, 300, 0x01020304);
    const CPoint point(-1, 7);
    const CSize size(0x10, 0x7FFFFFFF);
    Bytes b = Store([&](CArchive& ar) { ar << rect << point << size; });
    ASSERT_EQ(b.size(), 16u + 8u + 8u);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 16),
              Prefix({1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0, 4, 3, 2, 1}));
    EXPECT_EQ(Bytes(b.begin() + 16, b.begin() + 24), Prefix({0xFF, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0}));
    CRect r;
    POINT pt;
    SIZE sz;
    EXPECT_EQ(Load(b, [&](CArchive& ar) { ar >> r >> pt >> sz; }), -1);
    EXPECT_EQ(r, rect);
    EXPECT_EQ(CPoint(pt), point);
    EXPECT_EQ(CSize(sz), size);
    EXPECT_EQ(Load(Bytes(b.begin(), b.begin() + 12), [&](CArchive& ar) { ar >> r; }), CArchiveException::endOfFile);
}

TEST(CArchive, WideStringsAreUtf16AndLoadIntoEitherKind) {
    const CStringW wide(L"Gr\u00FC\u00DF");
    Bytes b = Store([&](CArchive& ar) { ar << wide; });
    EXPECT_EQ(b, Prefix({0xFF, 0xFE, 0xFF, 4, 'G', 0, 'r', 0, 0xFC, 0, 0xDF, 0}));
    CStringW backWide;
    CString backNarrow;
    EXPECT_EQ(Load(b, [&](CArchive& ar) { ar >> backWide; }), -1);
    EXPECT_EQ(backWide, wide);
    EXPECT_EQ(Load(b, [&](CArchive& ar) { ar >> backNarrow; }), -1);
    EXPECT_EQ(backNarrow, "Gr\xFC\xDF");
    EXPECT_EQ(Load(Store([](CArchive& ar) { ar << CString("narrow"); }), [&](CArchive& ar) { ar >> backWide; }), -1);
    EXPECT_EQ(backWide, CStringW(L"narrow"));
}
