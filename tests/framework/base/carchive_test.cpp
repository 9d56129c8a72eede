#include "base/carchive.h"
#include "base/cmemfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
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

Bytes Prefix(std::initializer_list<int> bytes) {
    Bytes b;
    for (int v : bytes) b.push_back(static_cast<BYTE>(v));
    return b;
}

}  // namespace

TEST(CArchive, ScalarsAreLittleEndianWithFixedSizes) {
    Bytes b = Store([](CArchive& ar) {
        ar << BYTE(0x12) << WORD(0x3456) << LONG(-2) << DWORD(0x89ABCDEF) << int(7) << float(1.0f)
           << double(-2.0) << true << false << short(-1) << char('A') << LONGLONG(-3);
    });
    Bytes expect = Prefix({0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89, 7, 0, 0, 0,
                           0x00, 0x00, 0x80, 0x3F,                           // 1.0f
                           0, 0, 0, 0, 0, 0, 0x00, 0xC0,                     // -2.0
                           1, 0, 0xFF, 0xFF, 'A', 0xFD, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(b, expect);

    BYTE by;
    WORD w;
    LONG l;
    DWORD d;
    int i;
    float f;
    double db;
    bool t, u;
    short sh;
    char c;
    LONGLONG ll;
    EXPECT_EQ(Load(b, [&](CArchive& ar) { ar >> by >> w >> l >> d >> i >> f >> db >> t >> u >> sh >> c >> ll; }), -1);
    EXPECT_EQ(by, 0x12);
    EXPECT_EQ(w, 0x3456);
    EXPECT_EQ(l, -2);
    EXPECT_EQ(d, 0x89ABCDEFu);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(db, -2.0);
    EXPECT_TRUE(t);
    EXPECT_FALSE(u);
    EXPECT_EQ(sh, -1);
    EXPECT_EQ(c, 'A');
    EXPECT_EQ(ll, -3);
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
}

TEST(CArchive, ReadsUtf16Strings) {
    // 0xFF 0xFFFE marks UTF-16; the length counts characters.
    Bytes b = Prefix({0xFF, 0xFE, 0xFF, 3, 'H', 0, 'i', 0, 0xE9, 0x00});
    CString s;
    EXPECT_EQ(Load(b, [&](CArchive& ar) { ar >> s; }), -1);
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

TEST(CArchive, CountsAndRawReads) {
    Bytes b = Store([](CArchive& ar) {
        ar.WriteCount(3);
        ar.WriteCount(0xFFFF);
        ar.WriteCount(0x12345);
    });
    EXPECT_EQ(b, Prefix({3, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0x45, 0x23, 1, 0}));
    DWORD_PTR a = 0, c = 0, e = 0;
    EXPECT_EQ(Load(b, [&](CArchive& ar) { a = ar.ReadCount(), c = ar.ReadCount(), e = ar.ReadCount(); }), -1);
    EXPECT_EQ(a, 3u);
    EXPECT_EQ(c, 0xFFFFu);
    EXPECT_EQ(e, 0x12345u);

    char buf[8];
    UINT got = 99;
    EXPECT_EQ(Load(Prefix({1, 2, 3}), [&](CArchive& ar) { got = ar.Read(buf, sizeof buf); }), -1);
    EXPECT_EQ(got, 3u);
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

TEST(CArchive, WrongDirectionThrows) {
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

TEST(CArchive, TextLines) {
    Bytes b = Store([](CArchive& ar) { ar.WriteString("one\r\ntwo\nlast"); });
    std::vector<CString> lines;
    EXPECT_EQ(Load(b, [&](CArchive& ar) {
                  CString line;
                  while (ar.ReadString(line)) lines.push_back(line);
              }),
              -1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "one");
    EXPECT_EQ(lines[1], "two");
    EXPECT_EQ(lines[2], "last");
}
