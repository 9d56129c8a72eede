#include "base/cstring.h"

#include <gtest/gtest.h>

#include <string>

TEST(CString, ExtractionClampsAsTheFrameworkDoes) {
    CString s("Hello");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(3), "Hel");
    EXPECT_EQ(s.Left(99), "Hello");
    EXPECT_EQ(s.Right(2), "lo");
    EXPECT_EQ(s.Right(99), "Hello");
    EXPECT_EQ(s.Right(-5), "");
    EXPECT_EQ(s.Mid(-2), "Hello");
    EXPECT_EQ(s.Mid(1, 3), "ell");
    EXPECT_EQ(s.Mid(3, 99), "lo");
    EXPECT_EQ(s.Mid(5), "");
    EXPECT_EQ(s.Mid(6, 2), "");
    EXPECT_EQ(s.Mid(2, -1), "");
    EXPECT_EQ(s.GetAt(4), 'o');
    EXPECT_EQ(s.GetAt(5), '\0');
    EXPECT_EQ(s[-1], '\0');
    s.SetAt(9, 'x');  // ignored
    s.SetAt(0, 'J');
    EXPECT_EQ(s, "Jello");
}

TEST(CString, SearchReturnsIndexOrMinusOne) {
    CString s("a.b.c");
    EXPECT_EQ(s.Find('.'), 1);
    EXPECT_EQ(s.Find('.', 2), 3);
    EXPECT_EQ(s.Find('.', 4), -1);
    EXPECT_EQ(s.Find('.', 99), -1);
    EXPECT_EQ(s.Find("b.c"), 2);
    EXPECT_EQ(s.Find("", 5), 5);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.ReverseFind('.'), 3);
    EXPECT_EQ(s.ReverseFind('z'), -1);
    EXPECT_EQ(s.FindOneOf("cb"), 2);
    EXPECT_EQ(s.FindOneOf("xyz"), -1);
}

TEST(CString, EditingReturnsCountsAndLengths) {
    CString s("one two one");
    EXPECT_EQ(s.Replace("one", "three"), 2);
    EXPECT_EQ(s, "three two three");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace('e', 'E'), 4);
    EXPECT_EQ(s.Remove('E'), 4);
    EXPECT_EQ(s, "thr two thr");
    EXPECT_EQ(s.Insert(-3, "<"), 12);
    EXPECT_EQ(s.Insert(99, '>'), 13);
    EXPECT_EQ(s, "<thr two thr>");
    EXPECT_EQ(s.Delete(0), 12);
    EXPECT_EQ(s.Delete(3, 99), 3);
    EXPECT_EQ(s.Delete(10), 3);
    EXPECT_EQ(s, "thr");
    // Inserting a piece of itself must not read freed memory.
    s.Insert(1, s.GetString() + 1);
    EXPECT_EQ(s, "thrhr");
}

TEST(CString, TrimCaseAndCompare) {
    CString s("  \tpadded\r\n ");
    EXPECT_EQ(CString(s).TrimLeft(), "padded\r\n ");
    EXPECT_EQ(CString(s).TrimRight(), "  \tpadded");
    EXPECT_EQ(s.Trim(), "padded");
    EXPECT_EQ(CString("xxaxx").Trim('x'), "a");
    EXPECT_EQ(CString("-+a+-").TrimLeft("+-"), "a+-");
    EXPECT_EQ(CString("MiXed").MakeUpper(), "MIXED");
    EXPECT_EQ(CString("MiXed").MakeLower(), "mixed");
    EXPECT_EQ(CString("abc").MakeReverse(), "cba");
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_GT(CString("b").CompareNoCase("A"), 0);
    EXPECT_TRUE(CString("a") < "b");
    EXPECT_TRUE("b" > CString("a"));
    EXPECT_TRUE(CString() == "");
    EXPECT_EQ(CString('x', 3), "xxx");
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString((LPCTSTR) nullptr), "");
}

TEST(CString, FormatAndConcatenate) {
    CString s;
    s.Format("%d-%s-%.2f", 42, "x", 1.5);
    EXPECT_EQ(s, "42-x-1.50");
    s.AppendFormat("|%04X", 0xBEEF);
    EXPECT_EQ(s, "42-x-1.50|BEEF");
    std::string big(5000, 'q');
    s.Format("%s!", big.c_str());
    EXPECT_EQ(s.GetLength(), 5001);
    CString a("a");
    EXPECT_EQ(a + "b" + 'c' + CString("d"), "abcd");
    EXPECT_EQ('z' + a, "za");
    a += a;
    EXPECT_EQ(a, "aa");
}

TEST(CString, BufferAccess) {
    CString s("abc");
    char* p = s.GetBuffer(10);
    EXPECT_EQ(s.GetLength(), 3);  // the length is only taken on release
    strcpy(p, "longer text");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "longer text");
    p = s.GetBuffer();
    p[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, "lo");
    s.GetBufferSetLength(4)[3] = 'z';
    s.ReleaseBuffer(4);
    EXPECT_EQ(s.GetLength(), 4);
    EXPECT_EQ(s.GetAt(3), 'z');
}

TEST(CString, Tokenize) {
    CString s("%First Second#Third");
    int pos = 0;
    std::string seen;
    for (CString t = s.Tokenize("% #", pos); pos != -1; t = s.Tokenize("% #", pos))
        seen += std::string(t) + "|";
    EXPECT_EQ(seen, "First|Second|Third|");
    EXPECT_EQ(CString("ab12").SpanIncluding("ba"), "ab");
    EXPECT_EQ(CString("ab12").SpanExcluding("21"), "ab");
}
