#include "base/cstring.h"

#include <gtest/gtest.h>

#include <string>

TEST(CString, ExtractionAndSearchClampAsTheFrameworkDoes) {
    CString s("Hello");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(99), "Hello");
    EXPECT_EQ(s.Right(2), "lo");
    EXPECT_EQ(s.Right(-5), "");
    EXPECT_EQ(s.Mid(-2), "Hello");
    EXPECT_EQ(s.Mid(1, 3), "ell");
    EXPECT_EQ(s.Mid(3, 99), "lo");
    EXPECT_EQ(s.Mid(6, 2), "");
    EXPECT_EQ(s.Mid(2, -1), "");
    EXPECT_EQ(s.GetAt(5), '\0');
    EXPECT_EQ(s[-1], '\0');
    s.SetAt(9, 'x');  // ignored
    s.SetAt(0, 'J');
    EXPECT_EQ(s, "Jello");

    CString dots("a.b.c");
    EXPECT_EQ(dots.Find('.', 2), 3);
    EXPECT_EQ(dots.Find('.', 99), -1);
    EXPECT_EQ(dots.Find("b.c"), 2);
    EXPECT_EQ(dots.Find("", 5), 5);
    EXPECT_EQ(dots.ReverseFind('.'), 3);
    EXPECT_EQ(dots.FindOneOf("cb"), 2);
    EXPECT_EQ(dots.FindOneOf("xyz"), -1);
}

TEST(CString, EditingReturnsCountsAndLengths) {
    CString s("one two one");
    EXPECT_EQ(s.Replace("one", "three"), 2);
    EXPECT_EQ(s, "three two three");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Remove('e'), 4);
    EXPECT_EQ(s, "thr two thr");
    EXPECT_EQ(s.Insert(-3, "<"), 12);
    EXPECT_EQ(s.Insert(99, '>'), 13);
    EXPECT_EQ(s, "<thr two thr>");
    EXPECT_EQ(s.Delete(3, 99), 3);
    EXPECT_EQ(s.Delete(10), 3);
    EXPECT_EQ(s, "<th");
    // Inserting a piece of itself must not read freed memory.
    s.Insert(1, s.GetString() + 1);
    EXPECT_EQ(s, "<thth");
    EXPECT_EQ(CString("  \tpadded\r\n ").Trim(), "padded");
    EXPECT_EQ(CString("-+a+-").TrimLeft("+-"), "a+-");
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_GT(CString("b").CompareNoCase("A"), 0);
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString((LPCTSTR) nullptr), "");
}

TEST(CString, FormatBufferAndTokens) {
    CString s;
    s.Format("%d-%s-%.2f", 42, "x", 1.5);
    s.AppendFormat("|%04X", 0xBEEF);
    EXPECT_EQ(s, "42-x-1.50|BEEF");
    std::string big(5000, 'q');
    s.Format("%s!", big.c_str());
    EXPECT_EQ(s.GetLength(), 5001);

    s = "abc";
    char* p = s.GetBuffer(10);
    EXPECT_EQ(s.GetLength(), 3);  // the length is only taken on release
    strcpy(p, "longer text");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "longer text");

    CString t("%First Second#Third");
    int pos = 0;
    std::string seen;
    for (CString tok = t.Tokenize("% #", pos); pos != -1; tok = t.Tokenize("% #", pos))
        seen += std::string(tok) + "|";
    EXPECT_EQ(seen, "First|Second|Third|");
    EXPECT_EQ(CString("ab12").SpanIncluding("ba"), "ab");
    EXPECT_EQ(CString("ab12").SpanExcluding("21"), "ab");
}
