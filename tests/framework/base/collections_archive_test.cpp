// Collections and dates in archives: the framework's layouts and safe loading.
#include "base/afx.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BYTE> Store(CObject& ob) {
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

// Loads into ob; returns the archive exception's cause or -1.
int Load(std::vector<BYTE> bytes, CObject& ob) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        ob.Serialize(ar);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

}  // namespace

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
    for (int i = 0; i < 300; ++i) {
        CString s;
        s.Format("item %d", i);
        src.Add(s);
    }
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << static_cast<CObject*>(&src);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CStringArray* back = nullptr;
    ar >> back;
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->GetSize(), 300);
    EXPECT_EQ(back->GetAt(299), "item 299");
    delete back;

    CMapStringToString map, mapBack;
    map.SetAt("one", "1");
    map.SetAt("two", "2");
    EXPECT_EQ(Load(Store(map), mapBack), -1);
    CString v;
    EXPECT_TRUE(mapBack.Lookup("two", v));
    EXPECT_EQ(v, "2");
    EXPECT_EQ(mapBack.GetCount(), 2);
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
    COleDateTime date(2024, 3, 5, 12, 0, 0);
    COleDateTimeSpan span(1.5);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << date << span;
    }
    EXPECT_EQ(file.GetLength(), 24u);
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        COleDateTime d;
        COleDateTimeSpan s;
        ar >> d >> s;
        EXPECT_EQ(d.m_dt, date.m_dt);
        EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
        EXPECT_EQ(s.m_span, 1.5);
    }
    // An unknown status loads as invalid.
    BYTE bad[12] = {9, 0, 0, 0};
    CMemFile in(bad, sizeof bad);
    CArchive ar(&in, CArchive::load);
    COleDateTime d;
    ar >> d;
    EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
}
